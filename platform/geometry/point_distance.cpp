// KVDataCommon::distance and NearestAlongSegment, kept with the point type (geometry sits above the common library).
#include "point_distance.h"

#include <algorithm>
#include <cmath>

namespace KVDataCommon {

double distance(const CDblPoint& p, const CDblPoint& q) { return std::hypot(q.x - p.x, q.y - p.y); }

double NearestAlongSegment(const CDblPoint& p, const CDblPoint& a, const CDblPoint& b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double squared = dx * dx + dy * dy;
    return squared > 0.0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / squared, 0.0, 1.0) : 0.0;
}

} // namespace KVDataCommon
