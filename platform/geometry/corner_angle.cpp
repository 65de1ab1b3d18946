// The angle at the corner of three plane points.
#include "geometry/corner_angle.h"

#include <cmath>
#include <numbers>

namespace KVDataCommon {

double CalAng(double x1, double y1, double x2, double y2, double x3, double y3)
{
    const double ax = x1 - x2, ay = y1 - y2;
    const double bx = x3 - x2, by = y3 - y2;
    if ((ax == 0.0 && ay == 0.0) || (bx == 0.0 && by == 0.0)) return std::numbers::pi;
    // atan2 of the cross and dot products keeps its accuracy near 0 and near π.
    return std::atan2(std::fabs(ax * by - ay * bx), ax * bx + ay * by);
}

} // namespace KVDataCommon
