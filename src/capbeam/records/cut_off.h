// M_DCZDJBH, M_DXZDJBH: numbered top and bottom cut-off bars as the cut-off families build them.
#pragma once

#include "capbeam/records/vertex.h"
#include "mfc/carray.h"
#include "mfc/cstring.h"

namespace CapBeamRecords {

// A top cut-off bar over one support line.
struct M_DCZDJBH {
    int nA = 0;             // index of the support line the bar lies over
    int nFrame = 0;         // index of the frame the bar belongs to
    double L1 = 0.0;        // left length (the bar's first segment)
    double L2 = 0.0;        // right length (the bar's second segment)
    CString R;              // bar mark
    CArray<M_XZR> PtAr;     // centre line
    double dA = 0.0;        // first reference value of a second-pass bar (0 for a first-pass bar)
    double dB = 0.0;        // second reference value of a second-pass bar (0 for a first-pass bar)
    int nB = 0;             // 1 for a second-pass bar, 0 for a first-pass bar
};

// A bottom cut-off bar under one span.
struct M_DXZDJBH {
    int nA = 0;             // first index of the piece the bar was made from
    int nB = 0;             // second index of that piece
    int nFrame = 0;         // index of the frame the bar belongs to
    double dA = 0.0;        // length left of the span's middle, rounded to a whole number
    double dB = 0.0;        // length right of the span's middle, rounded; the bar's length is dA + dB
    double dC = 0.0;        // unrounded total length
    CString R;              // bar mark
    CArray<M_XZR> PtAr;     // centre line
};

} // namespace CapBeamRecords
