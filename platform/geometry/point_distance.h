// KVDataCommon::distance: the distance between two plane points; where a segment comes nearest a point.
#pragma once

#include "dbl_point.h"

namespace KVDataCommon {

double distance(const CDblPoint& p, const CDblPoint& q);

// Where along the segment from a to b the point nearest to p lies, as the fraction t of the way
// from a (0) to b (1): p's projection on the segment's line, held within the segment; 0 for a
// segment of no length. The point is a + t (b - a).
double NearestAlongSegment(const CDblPoint& p, const CDblPoint& a, const CDblPoint& b);

} // namespace KVDataCommon
