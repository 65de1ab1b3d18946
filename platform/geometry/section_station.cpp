// The station of the middle cross-section of a cap beam's tendon layout.
#include "geometry/section_station.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace KVDataCommon {

namespace {

struct Interval {
    double from;
    double to;
};

// The runs of one profile; empty runs are dropped.
std::vector<Interval> Runs(const std::vector<CNodeWithProp>& profile)
{
    std::vector<Interval> runs;
    for (std::size_t j = 0; j + 1 < profile.size(); ++j) {
        if (!profile[j].fRun) continue;
        const double a = profile[j].pt.x, b = profile[j + 1].pt.x;
        if (!std::isfinite(a) || !std::isfinite(b) || !(b > a)) continue;
        runs.push_back({a, b});
    }
    return runs;
}

// From the smallest to the largest finite node station of all profiles; false when none is finite.
bool Extent(const std::vector<std::vector<CNodeWithProp>>& profiles, Interval& extent)
{
    bool any = false;
    for (const auto& profile : profiles) {
        for (const CNodeWithProp& node : profile) {
            const double s = node.pt.x;
            if (!std::isfinite(s)) continue;
            extent.from = any ? std::min(extent.from, s) : s;
            extent.to = any ? std::max(extent.to, s) : s;
            any = true;
        }
    }
    return any;
}

bool Holds(const std::vector<Interval>& runs, double s)
{
    return std::any_of(runs.begin(), runs.end(), [s](const Interval& r) { return r.from <= s && s <= r.to; });
}

} // namespace

int GetRequiredSectionDimX(const std::vector<std::vector<CNodeWithProp>>& profiles,
                           const CArray<double>& columns, double /*limit*/, double& x)
{
    x = 0.0;
    for (double c : columns)
        if (!std::isfinite(c)) return 0;

    Interval extent{0.0, 0.0};
    const bool hasExtent = Extent(profiles, extent);
    double reference = hasExtent ? (extent.from + extent.to) / 2.0 : 0.0;
    if (columns.GetSize() > 0) {
        const auto [lo, hi] = std::minmax_element(columns.begin(), columns.end());
        reference = (*lo + *hi) / 2.0;
    }

    // Every run end is a place where the coverage may change.
    std::vector<std::vector<Interval>> runs;
    std::vector<double> ends;
    for (const auto& profile : profiles) {
        runs.push_back(Runs(profile));
        for (const Interval& r : runs.back()) {
            ends.push_back(r.from);
            ends.push_back(r.to);
        }
    }
    std::sort(ends.begin(), ends.end());
    ends.erase(std::unique(ends.begin(), ends.end()), ends.end());

    // Coverage of each stretch between neighbouring ends, taken at its middle.
    std::vector<int> coverage;
    int most = 0;
    for (std::size_t k = 0; k + 1 < ends.size(); ++k) {
        const double middle = (ends[k] + ends[k + 1]) / 2.0;
        int count = 0;
        for (const auto& r : runs)
            if (Holds(r, middle)) ++count;
        coverage.push_back(count);
        most = std::max(most, count);
    }

    double chosen = reference;
    if (most > 0) {
        double bestDistance = 0.0;
        bool found = false;
        for (std::size_t k = 0; k < coverage.size();) {
            if (coverage[k] != most) {
                ++k;
                continue;
            }
            std::size_t last = k;
            while (last + 1 < coverage.size() && coverage[last + 1] == most) ++last;
            const double from = ends[k], to = ends[last + 1];
            if (from <= reference && reference <= to) {
                chosen = reference;
                found = true;
                break;
            }
            const double distance = reference < from ? from - reference : reference - to;
            if (!found || distance < bestDistance) {
                bestDistance = distance;
                chosen = (from + to) / 2.0;
                found = true;
            }
            k = last + 1;
        }
    }
    x = chosen;
    return 1;
}

} // namespace KVDataCommon
