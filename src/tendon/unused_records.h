// M_ST, M_MZ, M_MZRs, M_MJ, M_LHC: record types the tendon object lists but never fills.
#pragma once

#include "common/dbl_array.h"
#include "common/int_array.h"
#include "mfc/cstring.h"

#include <cstdint>

namespace pm001_tendon {

// The tendon object keeps one empty list of each of these for its whole life: no step fills
// them, and neither the archive nor the output touches them. Their fields carry no meaning; only
// their layout is kept, in declared order (a run of like fields as one array).

struct M_ST {
    int v01 = 0;
    int v02 = 0;
    double v03 = 0.0;
    int v04 = 0;
    CString v05;
    double v06[6] = {};
    int v07[2] = {};
    double v08 = 0.0;
    DblArray v09[2];
    IntArray v10;
    double v11 = 0.0;
    int v12 = 0;
    double v13[2] = {};
    int v14[2] = {};
    double v15[3] = {};
    int v16 = 0;
    CString v17;
    double v18[5] = {};
    int v19 = 0;
    double v20 = 0.0;
    int v21 = 0;
    DblArray v22[2];
    IntArray v23;
    DblArray v24;
    IntArray v25;
    double v26 = 0.0;
    DblArray v27;
    IntArray v28;
    int v29 = 0;
    double v30[2] = {};
};

struct M_MZ {
    int v01[2] = {};
    CString v02;
    int v03 = 0;
    double v04[2] = {};
    int v05 = 0;
    DblArray v06;
    int v07 = 0;
    double v08[9] = {};
    CString v09;
    double v10[22] = {};
};

struct M_MZRs {
    CString v01;
    std::int32_t v02 = 0;
};

struct M_MJ {
    double v01[4] = {};
    int v02 = 0;
    double v03 = 0.0;
    int v04 = 0;
    double v05 = 0.0;
    int v06 = 0;
    double v07 = 0.0;
    int v08 = 0;
    double v09 = 0.0;
    int v10[2] = {};
    CString v11;
    double v12[4] = {};
    CString v13;
    double v14[2] = {};
    CString v15;
    double v16[9] = {};
    int v17 = 0;
    double v18 = 0.0;
    int v19 = 0;
    double v20[3] = {};
    int v21[2] = {};
    double v22[2] = {};
    int v23 = 0;
    CString v24;
    double v25[7] = {};
    CString v26;
    double v27[6] = {};
    CString v28;
    double v29[6] = {};
};

// Held by pointer only; it has no layout of its own.
struct M_LHC {};

} // namespace pm001_tendon
