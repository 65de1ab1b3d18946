// Points of circular arcs for the foundations' plan outlines.
#include "siblings/plan_arc.h"

#include <cmath>

namespace {

constexpr int kMaxSteps = 4096;

// Steps of equal angle for the sweep so that each chord stays within kPlanArcChordOffset of the arc.
int StepsFor(double r, double sweep)
{
    if (!(r > kPlanArcChordOffset)) return 1;
    const double halfStep = std::acos(1.0 - kPlanArcChordOffset / r);
    if (!(halfStep > 0.0)) return kMaxSteps;   // a radius so large that its arcs are straight to the last digit
    const double steps = std::ceil(std::fabs(sweep) / (2.0 * halfStep));
    if (!(steps >= 1.0)) return 1;
    return steps >= kMaxSteps ? kMaxSteps : static_cast<int>(steps);
}

} // namespace

void AppendPlanArc(double cx, double cy, double r, double start, double sweep, CDblPointArray& out)
{
    if (!(r > 0.0) || !std::isfinite(r) || !std::isfinite(sweep) || !std::isfinite(start)) {
        out.Add(CDblPoint(cx, cy));
        return;
    }
    const int steps = StepsFor(r, sweep);
    for (int k = 0; k <= steps; ++k) {
        const double angle = start + sweep * k / steps;
        out.Add(CDblPoint(cx + r * std::cos(angle), cy + r * std::sin(angle)));
    }
}

void AppendPlanCircle(double cx, double cy, double r, CDblPointArray& out)
{
    if (!(r > 0.0) || !std::isfinite(r)) {
        out.Add(CDblPoint(cx, cy));
        return;
    }
    const double full = 2.0 * std::acos(-1.0);
    const int steps = StepsFor(r, full);
    for (int k = 0; k < steps; ++k) {
        const double angle = full * k / steps;
        out.Add(CDblPoint(cx + r * std::cos(angle), cy + r * std::sin(angle)));
    }
}
