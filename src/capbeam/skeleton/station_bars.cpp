// Which bars of a skeleton frame can meet each station along the beam: an index on the bars' spans.
#include "capbeam/skeleton/station_bars.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace CapBeamStationBars {

Span NoSpan() { return {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}; }

Span SpanOf(const CArray<CapBeamRecords::M_XZR>& line)
{
    Span s = NoSpan();
    for (const CapBeamRecords::M_XZR& v : line) {
        if (v.x < s.lo) s.lo = v.x;
        if (v.x > s.hi) s.hi = v.x;
    }
    return s;
}

std::vector<std::vector<int>> BarsAtStations(const std::vector<Span>& spans, const std::vector<double>& stations,
                                             double margin)
{
    std::vector<std::vector<int>> out(stations.size());
    std::vector<std::size_t> order;
    order.reserve(stations.size());
    for (std::size_t s = 0; s < stations.size(); ++s) {
        if (!std::isnan(stations[s])) order.push_back(s);
    }
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return stations[a] < stations[b]; });
    for (std::size_t b = 0; b < spans.size(); ++b) {
        const Span& span = spans[b];
        if (!(span.lo <= span.hi)) continue;
        const double lo = span.lo - margin;
        const double hi = span.hi + margin;
        auto k = std::lower_bound(order.begin(), order.end(), lo,
                                  [&](std::size_t s, double value) { return stations[s] < value; });
        for (; k != order.end() && stations[*k] <= hi; ++k) out[*k].push_back(static_cast<int>(b));
    }
    return out;
}

} // namespace CapBeamStationBars
