// The crossings of a straight line with a circular arc.
#include "geometry/line_arc_intersection.h"

#include "common/is_equal.h"

#include <cmath>
#include <numbers>

namespace QM_MathTool {

namespace {

constexpr double kDegrees = 180.0 / std::numbers::pi;

bool Finite(const CDblPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Whether the direction from the centre to (px, py) lies within the arc's span, with a slack
// of the library's tolerance measured along the circle.
bool OnArc(double px, double py, double cx, double cy, double r, double a1, double sweep)
{
    const double slack = KVDataCommon::kEqualTolerance / r * kDegrees;
    double angle = std::atan2(py - cy, px - cx) * kDegrees - a1;   // counter-clockwise from the start
    angle = std::fmod(angle, 360.0);
    if (angle < 0.0) angle += 360.0;
    // Just before the start counts as the start.
    if (angle > 360.0 - slack) return true;
    return angle <= sweep + slack;
}

} // namespace

int XLineArc(const CDblPoint& p1, const CDblPoint& p2, double cx, double cy, double r, double a1, double sweep,
             CDblPointArray& out, int mode)
{
    if (mode != 1) return 0;
    if (!Finite(p1) || !Finite(p2) || !std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r) ||
        !std::isfinite(a1) || !std::isfinite(sweep))
        return 0;
    if (!(r > 0.0) || sweep < 0.0) return 0;
    const double ux = p2.x - p1.x, uy = p2.y - p1.y;
    const double lu = std::hypot(ux, uy);
    if (lu == 0.0) return 0;
    const double dx = ux / lu, dy = uy / lu;   // unit direction

    // Foot of the perpendicular from the centre, and its distance h from the centre.
    const double t0 = (cx - p1.x) * dx + (cy - p1.y) * dy;
    const double fx = p1.x + t0 * dx, fy = p1.y + t0 * dy;
    const double h = std::hypot(fx - cx, fy - cy);
    if (h > r + KVDataCommon::kEqualTolerance) return 0;

    double ts[2];
    int count = 0;
    if (h >= r) {
        ts[count++] = t0;   // the line touches the circle
    } else {
        const double half = std::sqrt(r * r - h * h);
        ts[count++] = t0 - half;
        ts[count++] = t0 + half;
    }
    int added = 0;
    for (int k = 0; k < count; ++k) {
        const CDblPoint point(p1.x + ts[k] * dx, p1.y + ts[k] * dy);
        if (!OnArc(point.x, point.y, cx, cy, r, a1, sweep)) continue;
        out.Add(point);
        ++added;
    }
    return added;
}

} // namespace QM_MathTool
