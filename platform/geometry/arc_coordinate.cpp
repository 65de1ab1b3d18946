// The points of a circular arc through three points, at a fixed angular spacing.
#include "arc_coordinate.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace KVDataCommon {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// The angle of p about c, in [0, 2π).
double angleAbout(const CDblPoint& c, const CDblPoint& p)
{
    const double t = std::atan2(p.y - c.y, p.x - c.x);
    return t < 0.0 ? t + kTwoPi : t;
}

// The counter-clockwise turn from angle from to angle to, in [0, 2π).
double ccwTurn(double from, double to)
{
    double d = std::fmod(to - from, kTwoPi);
    if (d < 0.0) d += kTwoPi;
    return d;
}

} // namespace

void Get_Arc_Coordinate(const CDblPoint& start, const CDblPoint& middle, const CDblPoint& end, int mode,
                        CDblPointArray& out)
{
    out.RemoveAll();

    // The circumcentre of the triangle start–middle–end. Its orientation is the direction of travel:
    // counter-clockwise when middle lies to the left of the way from start to end.
    const double bx = middle.x - start.x, by = middle.y - start.y;
    const double cx = end.x - start.x, cy = end.y - start.y;
    const double cross = bx * cy - by * cx;
    const double b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
    const double scale = std::max(b2, c2);
    const bool finite = std::isfinite(cross) && std::isfinite(scale);
    // Three points on (or almost on) one line, or coinciding: no circle passes through them.
    if (!finite || scale == 0.0 || std::fabs(cross) <= 1e-12 * scale) {
        out.Add(start);
        out.Add(middle);
        out.Add(end);
        return;
    }
    const CDblPoint centre(start.x + (cy * b2 - by * c2) / (2.0 * cross),
                           start.y + (bx * c2 - cx * b2) / (2.0 * cross));
    const double radius = std::hypot(start.x - centre.x, start.y - centre.y);
    const double direction = cross > 0.0 ? 1.0 : -1.0;
    const double from = angleAbout(centre, start);

    double sweep = kTwoPi;
    int segments = 4 * kArcSegmentsPerQuarter;
    if (mode == 0) {
        const double ccw = ccwTurn(from, angleAbout(centre, end));
        sweep = direction > 0.0 ? ccw : kTwoPi - ccw;
        const double step = kTwoPi / (4 * kArcSegmentsPerQuarter);
        // The fewest equal segments no longer than step; a hair over a whole number of steps
        // (rounding of the angles) does not add a segment.
        segments = std::max(1, static_cast<int>(std::ceil(sweep / step - 1e-9)));
    }

    const int points = mode == 0 ? segments + 1 : segments;
    out.SetSize(points);
    for (int k = 0; k < points; ++k) {
        const double t = from + direction * sweep * k / segments;
        out[k] = CDblPoint(centre.x + radius * std::cos(t), centre.y + radius * std::sin(t));
    }
    out[0] = start;
    if (mode == 0) out[points - 1] = end;
}

} // namespace KVDataCommon
