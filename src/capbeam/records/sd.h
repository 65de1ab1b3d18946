// SdDataSet: the bar set "sd" laid across the beam width — settings, counts, mark and lengths.
#pragma once

#include "mfc/cstring.h"

class CArchive;

namespace CapBeamRecords {

struct SdDataSet {
    int type = 0;
    CString R;
    double d = 0.0, ac = 0.0, a = 0.0, a2 = 0.0, Min = 0.0, Max = 0.0, sl = 0.0;
    int nsl = 0;
    double sr = 0.0;
    int nsr = 0, nl = 0, nr = 0, n = 0;
    double L = 0.0, alf = 0.0, EL = 0.0, TL = 0.0;

    // The fields in the order above. Loading replaces the set only when all of it was read.
    void Serialize(CArchive& ar);
};

} // namespace CapBeamRecords
