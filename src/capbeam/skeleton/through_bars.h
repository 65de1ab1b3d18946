// The through bars of the skeleton: their offset outlines along the beam bottom, which frames carry them, and their shapes.
#pragma once

#include "calc/pm001_cap_key_param.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "common/int_array.h"
#include "mfc/cstring.h"

// The reinforcement object's members of the same names forward here; each works on the object's
// public members only.
namespace CapBeamThroughBars {

// Rebuilds PYXTCJpa1 (outer) and PYXTCJpa2 (inner, one main-bar outer diameter further in) from
// empty: the bottom line at the bottom cover with its sloped ends, closed at both ends by short
// welded legs at the end cover. Returns 1.
int GetPYXTCJpaAr(CPM001T0101Atom& atom);

// Appends to topList and bottomList the frames that carry a top and a bottom through bar, each
// frame once, ascending, and gives the marks from the running mark counter: main skeletons carry
// both bars; secondary skeletons their welded top or bottom bar. Returns 1.
int GetGJFrame_TCJBH(CPM001T0101Atom& atom, CPM001_CapKeyParam& kp, CString& topMark, IntArray& topList,
                     CString& bottomMark, IntArray& bottomList);

// Shapes the top (pair[0]) and bottom (pair[1]) through bar: centre line, segment lengths and cut
// length. Returns 1; 0 after an error report, leaving both bars as they were (also when pair is
// null or the outlines are missing).
int GetGJFrame_TCJ(CPM001T0101Atom& atom, CPM001T0101Atom::singAr* pair);

} // namespace CapBeamThroughBars
