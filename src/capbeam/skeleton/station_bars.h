// Which bars of a skeleton frame can meet each station along the beam: an index on the bars' spans.
#pragma once

#include "capbeam/records/vertex.h"
#include "mfc/carray.h"

#include <vector>

namespace CapBeamStationBars {

// The stretch of a bar along the beam: the least and the greatest x of its vertices (NaN vertices
// left out). A bar without vertices has lo > hi and meets no station.
struct Span {
    double lo;
    double hi;
};

Span SpanOf(const CArray<CapBeamRecords::M_XZR>& line);

// The span of no bar: meets no station.
Span NoSpan();

// For each station x, in the given order: the positions in spans of the bars whose span, widened by
// margin at both ends, holds x (lo - margin <= x <= hi + margin), in increasing position. A NaN
// station holds none. Costs the sorting of the stations and, per bar, a binary search and the
// stations it holds.
std::vector<std::vector<int>> BarsAtStations(const std::vector<Span>& spans, const std::vector<double>& stations,
                                             double margin);

} // namespace CapBeamStationBars
