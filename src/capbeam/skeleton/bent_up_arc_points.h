// The end piece of a bent-up bar's support arc beside the first or the last support line.
#pragma once

#include "capbeam/cap_beam_reinforcement.h"
#include "geometry/dbl_point.h"
#include "mfc/carray.h"

namespace CapBeamBentUpArcs {

// The angle in degrees through which a fillet from the tangent point `from` about `centre` to the
// tangent point `to` turns the bar: the smaller of the two ways round, so never above 180.
double BendSweep(const CDblPoint& from, const CDblPoint& centre, const CDblPoint& to);

// Appends to pts the vertices of the end piece of the arc beside the first support line (side
// non-zero: towards the left beam end) or the last one (side 0: towards the right end), for the
// frame at transverse position y. The piece either lies welded on the through-bar line, runs up
// the sloped beam end, or meets the end leg of the skeleton and is welded to it, bent there with
// the radius WeldArcR (a radius outside 25.0 .. 500.0 is replaced by 5 main-bar diameters in the
// object, with a warning).
//   arcLen  0 at entry; the length of the bend onto the end leg when there is one;
//   pt      the point where the straight leg towards the apex starts;
//   flag    set to 1 when the piece runs onto the end leg of a square beam end; else left as it
//           was (callers set 0).
// In the cases welded straight onto the end leg, pt is the kink on the leg (where the bar's
// straight run starts), not the line's crossing with the bottom line outside the skeleton.
// Returns 1; 0 after the error report "计算错误0710" or "计算错误07101!" when the leg line meets
// no outline line, or when the through-bar outline is missing: nothing appended, pt and flag
// untouched.
int GetArcWQJPtAr(CPM001T0101Atom& atom, double y, int side, CArray<CPM001T0101Atom::M_XZR>& pts,
                  double& arcLen, CDblPoint& pt, int& flag);

} // namespace CapBeamBentUpArcs
