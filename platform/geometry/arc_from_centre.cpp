// Radius and angles of a circular arc given by its start, centre and end.
#include "geometry/arc_from_centre.h"

#include <cmath>
#include <initializer_list>
#include <numbers>

namespace QM_MathTool {

namespace {

// An angle in degrees brought into [0, 360).
double Normalised(double degrees)
{
    double a = std::fmod(degrees, 360.0);
    if (a < 0.0) a += 360.0;
    if (a >= 360.0) a -= 360.0; // a tiny negative angle plus 360 rounds to 360
    return a == 0.0 ? 0.0 : a;  // no -0
}

double DirectionDegrees(double dx, double dy)
{
    return Normalised(std::atan2(dy, dx) * 180.0 / std::numbers::pi);
}

} // namespace

int CalArcFromSCE(const CDblPoint& S, const CDblPoint& M, const CDblPoint& E, double& r, double& a1,
                  double& sweep)
{
    r = a1 = sweep = 0.0;
    for (double v : {S.x, S.y, M.x, M.y, E.x, E.y})
        if (!std::isfinite(v)) return 0;
    const double sx = S.x - M.x, sy = S.y - M.y;
    const double ex = E.x - M.x, ey = E.y - M.y;
    const double radius = std::hypot(sx, sy);
    const double toEnd = std::hypot(ex, ey);
    if (!(radius > 0.0) || !std::isfinite(radius) || !(toEnd > 0.0) || !std::isfinite(toEnd)) return 0;

    r = radius;
    a1 = DirectionDegrees(sx, sy);
    // The counter-clockwise turn from M->S to M->E, from the sine and cosine of the angle between.
    sweep = DirectionDegrees(sx * ex + sy * ey, sx * ey - sy * ex);
    return 1;
}

} // namespace QM_MathTool
