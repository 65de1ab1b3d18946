// Rounding routines of the skeleton and the length correction at a bend.
#include "capbeam/skeleton/rounding.h"

#include "common/fillet_loss.h"

#include <cmath>
#include <utility>

namespace CapBeamRounding {

namespace {

// 10^n; for a negative n the reciprocal of 10^|n|.
double PowerOfTen(int n)
{
    const double magnitude = std::pow(10.0, std::fabs(static_cast<double>(n)));
    return n < 0 ? 1.0 / magnitude : magnitude;
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
    return KVDataCommon::GetFilletLoss(radius, std::fabs(angle), loss) != 0 ? 1 : 0;
}

} // namespace CapBeamRounding
