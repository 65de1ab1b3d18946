// CalFillet: the circular fillet of a given radius in the corner between two lines.
#pragma once

#include "dbl_point.h"

namespace QM_MathTool {

// The fillet of radius r in the corner B between the lines A-B and B-E, tangent to both lines on
// the side of the corner where A and E lie: T1 its tangent point on the line A-B (on the ray from
// B towards A), T2 its tangent point on the line B-E (on the ray from B towards E), M its centre.
// With the corner angle phi between the two rays, T1 and T2 lie r / tan(phi / 2) from B and M
// lies r / sin(phi / 2) from B on the bisector; at a right angle both tangent points lie r from
// B. The tangent points are not limited to the segments A-B and B-E. Returns 1.
// Returns 0 with T1 = T2 = M = B when there is no fillet: r not a positive finite number, A or E
// coinciding with B, the three points on one line (no corner, or a corner turned fully back),
// or a coordinate not finite.
int CalFillet(const CDblPoint& A, const CDblPoint& B, const CDblPoint& E, double r, CDblPoint& T1,
              CDblPoint& T2, CDblPoint& M);

} // namespace QM_MathTool

// Callers name it with or without the library's namespace.
using QM_MathTool::CalFillet;
