// M_BZXJ, M_BJXZ, M_BZXJR: input, shape and marked result of a standard inclined bar.
#pragma once

#include "capbeam/records/vertex.h"
#include "common/dbl_array.h"
#include "mfc/carray.h"
#include "mfc/cstring.h"

namespace CapBeamRecords {

// The input of one inclined or bent-up bar, handed by value to the bend geometry.
struct M_BZXJ {
    int pA[2] = {0, 0};     // serial number (from 1, in the order found), frame index
    int nA = 0;             // group index of the key parameters the bar comes from
    int pB[2] = {0, 0};     // index of the entry within its group, top layer count
    int nB = 0;             // bottom layer count
    double dA = 0.0;        // distance of the bend from the support line
    double dB = 0.0;        // for the two end groups the cantilever length minus dA, else 0
    int nC = 0;             // the entry's fBar for a bent-up bar; 0 for a standard inclined bar
};

// The shape of one standard inclined bar.
struct M_BJXZ {
    int nA = 0;             // serial number
    int nB = 0;             // frame index
    int nC = 0;             // group index
    double dA = 0.0;        // absolute angle at the bend vertex
    double dB = 0.0;        // absolute angle at the top vertex
    int nD = 0;             // 1 when a fillet arc was made
    DblArray L;             // segment lengths
    double dC = 0.0;        // sum of L
    CArray<M_XZR> PtAr;     // centre line
    int nE = 0;             // end-face flag returned by the bend geometry
    double dD = 0.0;        // copy of the input's dA
    double dE = 0.0;        // copy of the input's dB
};

// A marked standard inclined bar: its shape followed by its mark.
struct M_BZXJR : M_BJXZ {
    CString R;              // bar mark
};

} // namespace CapBeamRecords
