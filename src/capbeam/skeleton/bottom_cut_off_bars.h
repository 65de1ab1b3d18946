// The bottom cut-off bars of the skeleton: short bottom bars in the spans, their marks and schedule rows.
#pragma once

#include "calc/pm001_cap_key_param.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "mfc/carray.h"

// The reinforcement object's members of the same names forward here; each works on the object's
// public members only.
namespace CapBeamCutOffBars {

// The bottom cut-off bars of the secondary skeletons: for every frame and every pair (a, b) of its
// records' bottom cut-off lengths with a + b > 0, a straight bar from a before to b after the
// middle of the pair's span, welded one bar above the bottom bars when a record of the frame's
// name welds its bottom bars. Bars of one total length share one new mark, whatever the split.
// Every piece is kept by BottomCutPiecePool and every bar by BottomCutPool; the bars are appended
// to bars, and one schedule row per mark (total length plus two end hooks) to rows. Returns 1.
int GetGJFrame_DXJDJ(CPM001T0101Atom& atom, CPM001_CapKeyParam& kp, CArray<CPM001T0101Atom::M_DXZDJBH*>& bars,
                     CArray<CPM001T0101Atom::tRn>& rows);

} // namespace CapBeamCutOffBars
