// M_WQJ, M_ArcWQJ and their result records M_WQJ_R, M_ArcWQJ_R: bent-up bars and their support arcs.
#pragma once

#include "capbeam/records/vertex.h"
#include "common/dbl_array.h"
#include "mfc/carray.h"
#include "mfc/cstring.h"

namespace CapBeamRecords {

// One bent-up bar.
struct M_WQJ {
    int nA = 0;             // number of the bar
    int nB = 0;             // group index of the bar's first input
    int nC = 0;             // group index of the bar's last input
    double dA = 0.0;        // position of the first input when it lies in the first group, else 0
    double dB = 0.0;        // distance of that input, else 0
    double dC = 0.0;        // position of the last input when it lies in the last group, else 0
    double dD = 0.0;        // distance of that input, else 0
    int nD = 0;             // weld-side flag of the left end
    int nE = 0;             // weld-side flag of the right end
    int nF = 0;             // 1 when the left end has a welded leg
    int nG = 0;             // 1 when the right end has a welded leg
    DblArray L;             // positions of the bar's inner inputs
    CArray<M_XZR> PtAr;     // centre line
    int nH = 0;             // frame index of the first input
    double dE = 0.0;        // total length
    DblArray L2;            // segment lengths, in order along the bar
};

// The arc of a bent-up bar over one support line.
struct M_ArcWQJ {
    int nA = 0;             // frame index
    int nB = 0;             // support index of the arc
    CArray<M_XZR> PtAr;     // centre line, left to right
    DblArray L;             // segment lengths
    double dA = 0.0;        // sum of L
    double dB = 0.0;        // angle of the left leg
    double dC = 0.0;        // angle of the right leg
    int nC = 0;             // set by the arc routines
    int nD = 0;             // 1 when an end piece runs onto a square-end leg of the skeleton
};

// A marked bent-up bar: refers to the bar it stands for (not owned) and carries its mark.
struct M_WQJ_R {
    M_WQJ* pWQJ = nullptr;
    CString R;              // bar mark
};

// A marked arc: refers to the arc it stands for (not owned) and carries its mark.
struct M_ArcWQJ_R {
    M_ArcWQJ* pArcWQJ = nullptr;
    CString R;              // bar mark
};

} // namespace CapBeamRecords
