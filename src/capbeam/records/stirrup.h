// M_sg1, M_sg2, M_sg3: the stirrup records of one stirrup group (one layout, three field namings).
#pragma once

#include "mfc/cstring.h"

class CArchive;

namespace CapBeamRecords {

struct M_sg1 {
    CString R;          // mark
    int Nori = 0;
    int Nend = 0;
    int n = 0;          // count
    double L1 = 0.0;
    double L1p = 0.0;
    double L2 = 0.0;
    double TL = 0.0;    // length

    // R; Nori, Nend, n; L1, L1p, L2, TL.
    void Serialize(CArchive& ar);
};

struct M_sg2 {
    CString R;          // mark
    int nl = 0;
    int nr = 0;
    int n = 0;          // count
    double L1 = 0.0;
    double L1p = 0.0;
    double L2 = 0.0;
    double TL = 0.0;    // length

    // R; nl, nr, n; L1, L1p, L2, TL — the same form as M_sg1.
    void Serialize(CArchive& ar);
};

struct M_sg3 : M_sg2 {};

} // namespace CapBeamRecords
