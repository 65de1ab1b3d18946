// XLineLine: the intersection of two straight lines of the plane.
#pragma once

#include "dbl_point.h"
#include "dbl_point_array.h"

namespace QM_MathTool {

// Intersects the line through p1 and p2 with the line through q1 and q2 and appends the
// intersection point to out (nothing already in out is touched). Returns the number of points
// appended, 0 or 1.
//   mode 3: both lines are unbounded.
//   mode 2: the point is kept only when it lies on the segment p1-p2, ends included with a slack
//           of KVDataCommon::kEqualTolerance; the second line stays unbounded.
// Nothing is appended when the lines are parallel (coincident lines included), when p1 = p2 or
// q1 = q2 (no line), when a coordinate is not finite, or for any other mode.
int XLineLine(const CDblPoint& p1, const CDblPoint& p2, const CDblPoint& q1, const CDblPoint& q2,
              CDblPointArray& out, int mode);

} // namespace QM_MathTool

// Callers name it with or without the library's namespace.
using QM_MathTool::XLineLine;
