// CalArcFromSCE: radius and angles of a circular arc given by its start, centre and end.
#pragma once

#include "dbl_point.h"

namespace QM_MathTool {

// The arc from S about the centre M to E, travelled counter-clockwise:
//   r      the radius, the distance from M to S;
//   a1     the start angle, the direction from M to S in degrees in [0, 360), 0 along +x and
//          counting counter-clockwise;
//   sweep  the counter-clockwise angle from the direction M->S to the direction M->E, in degrees
//          in [0, 360): a quarter turn to the left gives 90, a quarter turn to the right 270;
//          exchanging S and E gives 360 - sweep (0 stays 0). E need not lie on the circle; only
//          its direction from M counts.
// Returns 1. Returns 0 with r = a1 = sweep = 0 when S or E coincides with M (no direction) or a
// coordinate is not finite.
int CalArcFromSCE(const CDblPoint& S, const CDblPoint& M, const CDblPoint& E, double& r, double& a1,
                  double& sweep);

} // namespace QM_MathTool

// Callers name it with or without the library's namespace.
using QM_MathTool::CalArcFromSCE;
