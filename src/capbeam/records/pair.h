// M_XH: a pair of ints (first and last frame of a stirrup group), kept sorted by the first.
#pragma once

class CArchive;

namespace CapBeamRecords {

struct M_XH {
    int nA = 0;
    int nB = 0;

    // 8 bytes: nA, nB.
    void Serialize(CArchive& ar);
};

} // namespace CapBeamRecords
