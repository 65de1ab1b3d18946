// Dividing a length into spacings for stirrups, bar levels and frames.
#include "common/bar_spacing.h"

#include <algorithm>
#include <cmath>

namespace KVDataCommon {

namespace {

// Counts above this are not laid out: the input is taken as unusable.
constexpr double kMaxCount = 1e9;

bool Finite(double v)
{
    return std::isfinite(v);
}

// The whole part of ratio as a count (0 for a negative ratio); false when it is not finite or
// passes kMaxCount.
bool WholeCount(double ratio, int& n)
{
    n = 0;
    if (!Finite(ratio) || ratio > kMaxCount) return false;
    if (ratio > 0.0) n = static_cast<int>(std::floor(ratio));
    return true;
}

// Half of L when it is a positive finite length, else 0: the end distance of a layout without
// spacings.
double HalfOrZero(double L)
{
    return Finite(L) && L > 0.0 ? L / 2.0 : 0.0;
}

// Uniform layout shared by BJ4 and BJ17: the most spacings s in L that leave at least e at each
// end. Returns 1 when e can be kept, 0 when L is shorter than 2 e (no spacing, sp = L / 2).
int CentredSpacings(double L, double e, double s, int& n, double& sp)
{
    n = 0;
    sp = HalfOrZero(L);
    if (!Finite(L) || !Finite(e) || !Finite(s) || s <= 0.0 || L <= 0.0) return 0;
    const double end = std::max(e, 0.0);
    const double available = L - 2.0 * end;
    if (available < -kSpacingTolerance) return 0;
    int count = 0;
    if (!WholeCount((available + kSpacingTolerance) / s, count)) return 0;
    n = count;
    sp = (L - n * s) / 2.0;
    return 1;
}

} // namespace

int BJ1(double L, double target, double lower, double upper, int& n, double& sp)
{
    n = 0;
    sp = 0.0;
    if (!Finite(L) || !Finite(lower) || !Finite(upper) || L <= 0.0) return 0;
    const double lo = std::min(lower, upper);
    const double hi = std::max(lower, upper);
    if (lo <= 0.0) return 0;
    if (!Finite(target) || target <= 0.0) target = (lo + hi) / 2.0;

    // Counts whose spacing is not above hi start at fewest; those not below lo end at most.
    const double fewest = std::max(1.0, std::ceil((L - kSpacingTolerance) / hi));
    const double most = std::floor((L + kSpacingTolerance) / lo);
    if (fewest > kMaxCount) return 0;
    if (fewest > most) {
        n = static_cast<int>(fewest);
        sp = L / n;
        return 0;
    }
    const double bestMost = std::min(most, kMaxCount);
    const double ideal = L / target;
    const double below = std::clamp(std::floor(ideal), fewest, bestMost);
    const double above = std::clamp(std::ceil(ideal), fewest, bestMost);
    // On a tie the larger count, that is the smaller spacing.
    const double chosen =
        std::fabs(L / above - target) <= std::fabs(L / below - target) ? above : below;
    n = static_cast<int>(chosen);
    sp = L / n;
    return 1;
}

int BJ2(double L, double tol, double s, int& n, double& rest)
{
    n = 0;
    rest = 0.0;
    if (!Finite(L) || !Finite(tol) || !Finite(s) || s <= 0.0) return 0;
    tol = std::max(tol, 0.0);
    if (L < -tol) return 0;
    int count = 0;
    if (!WholeCount((L + tol) / s, count)) return 0;
    n = count;
    rest = std::max(L - n * s, 0.0);
    return 1;
}

int BJ3(double L, double lower, double s, int& n, double& rest, int& m)
{
    n = 0;
    m = 0;
    rest = 0.0;
    if (!Finite(L) || !Finite(lower) || !Finite(s) || s <= 0.0) return 0;
    if (L <= 0.0) return 1;
    int count = 0;
    if (!WholeCount((L + kSpacingTolerance) / s, count)) return 0;
    const double r = std::max(L - count * s, 0.0);
    if (r <= kSpacingTolerance) {
        n = count;
        return 1;
    }
    if (r >= lower - kSpacingTolerance) {
        n = count;
        m = 1;
        rest = r;
        return 1;
    }
    if (count == 0) {
        m = 1;
        rest = L;
        return 1;
    }
    // The rest is too short: one spacing s joins it.
    n = count - 1;
    const double joined = r + s;
    if (joined / 2.0 >= lower - kSpacingTolerance) {
        m = 2;
        rest = joined / 2.0;
    } else {
        m = 1;
        rest = joined;
    }
    return 1;
}

int BJ4(double L, double e, double s, int& n, double& sp)
{
    return CentredSpacings(L, e, s, n, sp);
}

int BJ16(double w, double min, double spacing, int count, double& s, double& as)
{
    s = 0.0;
    as = 0.0;
    if (!Finite(w) || w <= 0.0 || !Finite(spacing) || spacing <= 0.0 || count < -1) return 0;
    const double lo = Finite(min) ? min : 0.0;
    if (count <= 0) {
        s = as = spacing;
        return spacing >= lo ? 1 : 0;
    }
    if (spacing < lo) {
        s = as = spacing;
        return 0;
    }
    const double rounded = std::floor((spacing + kSpacingTolerance) / 10.0) * 10.0;
    s = (rounded > 0.0 && rounded >= lo) ? rounded : spacing;
    as = (w - count * s) / 2.0;
    return as >= lo - kSpacingTolerance ? 1 : 0;
}

int BJ17(double g, double lower, double upper, double s, int& n, double& sp)
{
    if (!Finite(upper)) {
        n = 0;
        sp = HalfOrZero(g);
        return 0;
    }
    if (CentredSpacings(g, lower, s, n, sp) == 0) return 0;
    return sp <= upper + kSpacingTolerance ? 1 : 0;
}

} // namespace KVDataCommon
