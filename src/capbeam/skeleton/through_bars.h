// The through bars of the skeleton: their offset outlines along the beam bottom, which frames carry them, and their shapes.
#pragma once

#include "calc/pm001_cap_key_param.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "common/int_array.h"
#include "geometry/dbl_point_array.h"
#include "mfc/cstring.h"

// The reinforcement object's members of the same names forward here; each works on the object's
// public members only.
namespace CapBeamThroughBars {

// The offset outline of the through bars inset further than the covers: the bottom line at the
// bottom cover with its sloped ends, closed at both ends by short welded legs at the end cover (four
// points at square ends, six where an end slopes). It reads only the beam, the covers and the weld
// length, so that a stored design, which keeps no outline, has it again as the design built it.
CDblPointArray ThroughBarOutline(const CPM001T0101Atom& atom, double inset);
// The outer one the stirrups were laid by: the object's own (PYXTCJpa1) where it holds one, built
// again for a stored design.
CDblPointArray StirrupLayoutOutline(const CPM001T0101Atom& atom);

// Rebuilds PYXTCJpa1 (outer, inset 0) and PYXTCJpa2 (inner, one main-bar outer diameter further in).
// Returns 1.
int GetPYXTCJpaAr(CPM001T0101Atom& atom);

// Whether one end of the beam is square for the bars: no sloped underside at all, or only the
// token step the intake gives a square end beside a sloped one (too short to bend a bar along).
bool SquareEnd(const CPM001T0101Atom& atom, bool left);

// An offset outline as the bars at a square end read it: four points, the top of the left end leg,
// the left corner, the right corner and the top of the right end leg. Outline is what
// GetPYXTCJpaAr built; a four-point outline is returned itself. From a six-point outline the four
// points are built in storage and storage is returned: the end named square laid as a square
// corner (its token step closed into the corner of the end cover and the bottom cover), the other
// end given by its foot on the bottom line and the top of its leg, so that the bottom line and the
// square end's leg are those of the real concrete.
const CDblPointArray& SquareEndOutline(const CDblPointArray& outline, bool left, CDblPointArray& storage);

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
