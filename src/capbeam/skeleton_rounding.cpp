// Rounding routines of the skeleton and the length correction at a bend.
#include "capbeam/skeleton_rounding.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace CapBeamRounding {

namespace {

// 10^n; for a negative n the reciprocal of 10^|n|.
double PowerOfTen(int n)
{
    const double magnitude = std::pow(10.0, std::fabs(static_cast<double>(n)));
    return n < 0 ? 1.0 / magnitude : magnitude;
}

// The common library's bend correction. A bar's centre line is measured along its polygon; at a
// bend of radius r through the angle a the bar follows the arc (length r a) instead of the two
// tangent legs (2 r tan(a / 2)), so the polygon length changes by r (a - 2 tan(a / 2)), a value
// <= 0 that the families add to the sum of the segments.
int GetFilletLoss(double r, double angle, double& loss)
{
    loss = 0.0;
    if (!std::isfinite(r) || r < 0.0 || !std::isfinite(angle) || angle < 0.0 || angle >= std::numbers::pi) return 0;
    loss = r * (angle - 2.0 * std::tan(angle / 2.0));
    return 1;
}

} // namespace

double RoundWhole(double x)
{
    // trunc keeps the value as a double, so no value can overflow an integer conversion.
    return std::trunc(x + 0.5);
}

void GetIntDbArray(DblArray& values)
{
    for (double& v : values) v = RoundWhole(v);
}

void GetIntDbAr(DblArray source, DblArray& target, int n)
{
    const double scale = PowerOfTen(n);
    for (double& v : source) v = RoundWhole(v * scale);
    target = std::move(source);
}

double GetInt(double v, int n)
{
    const double scale = PowerOfTen(n);
    return RoundWhole(v * scale) / scale;
}

int GetFilletLoss1(double radius, double angle, double& loss)
{
    return GetFilletLoss(radius, std::fabs(angle), loss) != 0 ? 1 : 0;
}

} // namespace CapBeamRounding
