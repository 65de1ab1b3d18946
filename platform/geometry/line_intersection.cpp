// The intersection of two straight lines of the plane.
#include "geometry/line_intersection.h"

#include <cmath>

#include "common/is_equal.h"

namespace QM_MathTool {

namespace {

// Lines whose directions make an angle whose sine is at most this are taken as parallel.
constexpr double kParallelSine = 1e-12;

bool Finite(const CDblPoint& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

} // namespace

int XLineLine(const CDblPoint& p1, const CDblPoint& p2, const CDblPoint& q1, const CDblPoint& q2,
              CDblPointArray& out, int mode)
{
    if (mode != 2 && mode != 3) return 0;
    if (!Finite(p1) || !Finite(p2) || !Finite(q1) || !Finite(q2)) return 0;

    const double ux = p2.x - p1.x, uy = p2.y - p1.y;
    const double vx = q2.x - q1.x, vy = q2.y - q1.y;
    const double lu = std::hypot(ux, uy), lv = std::hypot(vx, vy);
    if (lu == 0.0 || lv == 0.0) return 0;
    const double cross = ux * vy - uy * vx;
    if (!(std::fabs(cross) > kParallelSine * lu * lv)) return 0;

    // p1 + t (p2 - p1) lies on the second line.
    const double t = ((q1.x - p1.x) * vy - (q1.y - p1.y) * vx) / cross;
    if (!std::isfinite(t)) return 0;
    if (mode == 2) {
        const double along = t * lu; // distance from p1 towards p2
        const double slack = KVDataCommon::kEqualTolerance;
        if (along < -slack || along > lu + slack) return 0;
    }
    const CDblPoint point(p1.x + t * ux, p1.y + t * uy);
    if (!Finite(point)) return 0;
    out.Add(point);
    return 1;
}

} // namespace QM_MathTool
