// XLineArc: the crossings of a straight line with a circular arc.
#pragma once

#include "dbl_point.h"
#include "dbl_point_array.h"

namespace QM_MathTool {

// Intersects the unbounded line through p1 and p2 with the arc of centre (cx, cy) and radius r
// that starts at angle a1 and runs counter-clockwise through sweep (degrees, 0 along +x), and
// appends to out, in order along the line from p1 towards p2, every crossing that lies on the
// arc (nothing already in out is touched). A crossing lies on the arc when it is no further
// than KVDataCommon::kEqualTolerance along the circle from the arc's span; a line touching the
// circle gives its one point of contact. Returns the number of points appended, 0 to 2.
//   mode 1: the line is unbounded.
// Nothing is appended when p1 = p2 (no line), r is not positive, sweep is negative, a value is
// not finite, or for any other mode.
int XLineArc(const CDblPoint& p1, const CDblPoint& p2, double cx, double cy, double r, double a1, double sweep,
             CDblPointArray& out, int mode);

} // namespace QM_MathTool

// Callers name it with or without the library's namespace.
using QM_MathTool::XLineArc;
