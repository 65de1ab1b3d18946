// KVDataCommon::distance, kept with the point type (the geometry layer sits above the common library).
#include "point_distance.h"

#include <cmath>

namespace KVDataCommon {

double distance(const CDblPoint& p, const CDblPoint& q) { return std::hypot(q.x - p.x, q.y - p.y); }

} // namespace KVDataCommon
