// The station index of a skeleton frame's bars: the spans of bars and which bars each station may meet.
#include "capbeam/skeleton/station_bars.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace CapBeamStationBars;
using Ints = std::vector<int>;

TEST(StationBars, SpanIsTheLeastAndGreatestVertex)
{
    CArray<CapBeamRecords::M_XZR> line;
    for (double x : {500.0, 100.0, std::nan(""), 900.0, 300.0}) line.Add({.x = x});
    EXPECT_EQ(std::pair(SpanOf(line).lo, SpanOf(line).hi), std::pair(100.0, 900.0));
    EXPECT_GT(SpanOf({}).lo, SpanOf({}).hi);
}

TEST(StationBars, EachStationHoldsTheBarsOverItInTheirOrder)
{
    // Stations out of order, one repeated, one NaN; bars overlapping, one without a span.
    const std::vector<double> stations{5000.0, 1000.0, std::nan(""), 3000.0, 999.5, 9000.0};
    const std::vector<Span> spans{{1000, 5000}, NoSpan(), {3000, 3000}, {999, 1000}, {0, 99999}, {1000.5, 2999.5}};
    EXPECT_EQ(BarsAtStations(spans, stations, 0.5), (std::vector<Ints>{{0, 4}, {0, 3, 4, 5}, {}, {0, 2, 4, 5}, {0, 3, 4}, {4}}));
    EXPECT_EQ(BarsAtStations(spans, stations, 0.0), (std::vector<Ints>{{0, 4}, {0, 3, 4}, {}, {0, 2, 4}, {3, 4}, {4}}));
    EXPECT_TRUE(BarsAtStations(spans, {}, 0.5).empty());
    EXPECT_EQ(BarsAtStations({}, stations, 0.5), std::vector<Ints>(stations.size()));
}
