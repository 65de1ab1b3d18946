// The bend and weld geometry of one inclined bar of a welded skeleton frame, in the beam's elevation.
#pragma once

#include "capbeam/cap_beam_reinforcement.h"
#include "geometry/dbl_point.h"
#include "mfc/carray.h"

namespace CapBeamInclinedBars {

// Position codes of the bend geometry: which weld legs a bar gets and where it stands.
inline constexpr int kLeftEndCode = 0;       // a bar at the left beam end, no top leg
inline constexpr int kNoLegsCode = 1;        // a column-side bar without legs
inline constexpr int kRightEndCode = 2;      // a bar at the right beam end, no top leg
inline constexpr int kLowerLegCode = 11;     // column side: bottom leg on the left, top leg on the right
inline constexpr int kUpperLegCode = 14;     // column side: top leg on the left, bottom leg on the right
inline constexpr int kBothLegsCode = 114;    // both legs; position 0 and the last position are the ends

// The centre line of one inclined bar: from the top point near a support line (bar.dA away from it,
// bar.pB[1] + 1 outer diameters below the top) down at the skeleton's angle to the bottom line of
// the skeleton ((bar.nB + 1) outer diameters above the bottom cover at a column), the sloped bottom
// of a beam end or the end face, with the weld legs the code asks for. The vertices are appended to
// pts in order along the bar. arcLen is the length of the fillet made where the bar is turned
// against an end face (0 without one), arcPt the fillet's tangent point on the inclined run (set only
// with a fillet), endFace 1 when the bar met an end face. May correct the object's WeldArcR (with a
// warning) and set its fEndInset. Returns 1, or 0 after reporting an error (pts keeps what was
// appended so far).
int GetGJFrame_WG(CPM001T0101Atom& atom, CPM001T0101Atom::M_BZXJ bar, int frame, int code,
                  CArray<CPM001T0101Atom::M_XZR>& pts, double& arcLen, CDblPoint& arcPt, int& endFace);

} // namespace CapBeamInclinedBars
