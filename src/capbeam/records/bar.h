// singAr: one bar of a skeleton frame (or one of the two through bars): centre line, kind, mark, lengths.
#pragma once

#include "capbeam/records/vertex.h"
#include "common/dbl_array.h"
#include "host/live_count.h"
#include "mfc/carray.h"
#include "mfc/cstring.h"

class CArchive;

namespace CapBeamRecords {

struct singAr {
    CArray<M_XZR> PtAr;   // centre line, in order along the bar
    // Bar kind, published as "class": 1 top through, 2 bottom through, 3 top cut-off,
    // 4 bottom cut-off, 5 bent-up, 6 standard inclined bar.
    int class_ = 0;
    int fStwArc = 0;      // 1 for a bent-up bar made from an arc record
    CString R;            // bar mark
    DblArray L;           // segment lengths
    double sTL = 0.0;     // total length
    double WG = 0.0;      // end allowance (hook length) of the main bar, when fWG is 1
    int fWG = 0;          // 1 when WG is set

    // Vertex count and vertices; class, fStwArc; R; L; sTL, WG; fWG. Loading checks the vertex
    // count before sizing and replaces the bar only when all of it was read.
    void Serialize(CArchive& ar);

    LiveCount<singAr> m_live;
};

} // namespace CapBeamRecords
