// Outer diameters, hook allowances and unit weights of reinforcing bars.
#include "common/bar_sizes.h"

#include <array>
#include <cmath>
#include <numbers>

namespace KVDataCommon {

namespace {

bool UsableDiameter(double d)
{
    return std::isfinite(d) && d > 0.0;
}

struct OuterDiameter {
    double nominal;
    double outer;
};

// Nominal and outer diameters of ribbed bars, JTG 3362-2018 (table of bar sections and masses).
constexpr std::array<OuterDiameter, 15> kRibbedOuter{{
    {6.0, 7.0},   {8.0, 9.3},   {10.0, 11.6}, {12.0, 13.9}, {14.0, 16.2},
    {16.0, 18.4}, {18.0, 20.5}, {20.0, 22.7}, {22.0, 25.1}, {25.0, 28.4},
    {28.0, 31.6}, {32.0, 35.8}, {36.0, 40.2}, {40.0, 44.5}, {50.0, 55.5},
}};

double RibbedOuterDiameter(double d)
{
    const OuterDiameter& first = kRibbedOuter.front();
    const OuterDiameter& last = kRibbedOuter.back();
    if (d <= first.nominal) return d * first.outer / first.nominal;
    if (d >= last.nominal) return d * last.outer / last.nominal;
    for (std::size_t i = 1; i < kRibbedOuter.size(); ++i) {
        const OuterDiameter& hi = kRibbedOuter[i];
        if (d > hi.nominal) continue;
        const OuterDiameter& lo = kRibbedOuter[i - 1];
        const double t = (d - lo.nominal) / (hi.nominal - lo.nominal);
        return lo.outer + t * (hi.outer - lo.outer);
    }
    return d * last.outer / last.nominal; // not reached: d lies within the table here
}

// Inner bend diameter of a hook, as a multiple of the bar diameter, by bar type.
double BendDiameterFactor(int type)
{
    switch (type) {
    case 1: return 2.5; // HPB300
    case 2: return 4.0; // HRB335
    case 4: return 6.0; // HRB500
    default: return 5.0; // HRB400 and unknown codes
    }
}

// Bend angle of a hook kind in radians; 0 for a value outside DEGRE.
double HookAngle(DEGRE kind)
{
    switch (kind) {
    case DEGRE_90: return std::numbers::pi / 2.0;
    case DEGRE_135: return 3.0 * std::numbers::pi / 4.0;
    case DEGRE_180: return std::numbers::pi;
    }
    return 0.0;
}

bool KnownKind(DEGRE kind)
{
    return kind == DEGRE_90 || kind == DEGRE_135 || kind == DEGRE_180;
}

// The length a hook adds to a bar measured to the outer face of the bend.
double HookAllowance(double d, int type, DEGRE kind, double straightFactor)
{
    if (!UsableDiameter(d) || !KnownKind(kind)) return 0.0;
    const double D = BendDiameterFactor(type) * d;
    return (D + d) / 2.0 * HookAngle(kind) + straightFactor * d - (D / 2.0 + d);
}

// Straight end of a tension-bar hook, as a multiple of the bar diameter (JTG 3362-2018 9.1.5).
double TensionBarStraightFactor(DEGRE kind)
{
    switch (kind) {
    case DEGRE_90: return 10.0;
    case DEGRE_135: return 5.0;
    case DEGRE_180: return 3.0;
    }
    return 0.0;
}

} // namespace

double wd(double d, int type)
{
    if (!UsableDiameter(d)) return 0.0;
    if (type == 1) return d;
    return RibbedOuterDiameter(d);
}

double InnerBendDiameter(double d, int type)
{
    return UsableDiameter(d) ? BendDiameterFactor(type) * d : 0.0;
}

double WG1(double d, int type, DEGRE kind)
{
    return HookAllowance(d, type, kind, TensionBarStraightFactor(kind));
}

double WG2(double d, int type, DEGRE kind)
{
    return HookAllowance(d, type, kind, TensionBarStraightFactor(kind));
}

double WG3(double d, int type, DEGRE kind)
{
    return HookAllowance(d, type, kind, 5.0);
}

double gjweight(double d)
{
    if (!UsableDiameter(d)) return 0.0;
    return 0.00617 * d * d;
}

} // namespace KVDataCommon
