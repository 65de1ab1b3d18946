// The station index of a skeleton frame's bars: the spans of bars and which bars each station may meet.
#include "capbeam/skeleton/station_bars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace CapBeamStationBars;

namespace {

CArray<CapBeamRecords::M_XZR> Line(std::initializer_list<double> xs)
{
    CArray<CapBeamRecords::M_XZR> line;
    for (double x : xs) {
        CapBeamRecords::M_XZR v;
        v.x = x;
        line.Add(v);
    }
    return line;
}

} // namespace

TEST(StationBars, SpanIsTheLeastAndGreatestVertex)
{
    const Span s = SpanOf(Line({500.0, 100.0, std::nan(""), 900.0, 300.0}));
    EXPECT_EQ(s.lo, 100.0);
    EXPECT_EQ(s.hi, 900.0);
    EXPECT_GT(SpanOf(Line({})).lo, SpanOf(Line({})).hi);
    EXPECT_GT(NoSpan().lo, NoSpan().hi);
}

TEST(StationBars, EachStationHoldsTheBarsOverItInTheirOrder)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // Stations out of order, one repeated, one NaN; bars overlapping, one without a span.
    const std::vector<double> stations{5000.0, 1000.0, nan, 3000.0, 1000.0 - 0.5, 9000.0};
    const std::vector<Span> spans{{1000.0, 5000.0}, NoSpan(), {3000.0, 3000.0}, {999.0, 1000.0}, {0.0, 99999.0},
                                  {1000.5, 2999.5}};
    const std::vector<std::vector<int>> at = BarsAtStations(spans, stations, 0.5);
    ASSERT_EQ(at.size(), stations.size());
    EXPECT_EQ(at[0], (std::vector<int>{0, 4}));
    EXPECT_EQ(at[1], (std::vector<int>{0, 3, 4, 5}));   // 1000.5 - 0.5 holds 1000
    EXPECT_TRUE(at[2].empty());
    EXPECT_EQ(at[3], (std::vector<int>{0, 2, 4, 5}));
    EXPECT_EQ(at[4], (std::vector<int>{0, 3, 4}));      // 999.5: the margin before 1000
    EXPECT_EQ(at[5], (std::vector<int>{4}));
    // Without a margin a span holds its ends and nothing beyond them.
    const std::vector<std::vector<int>> exact = BarsAtStations(spans, stations, 0.0);
    EXPECT_EQ(exact[1], (std::vector<int>{0, 3, 4}));
    EXPECT_EQ(exact[3], (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(exact[4], (std::vector<int>{3, 4}));
    EXPECT_TRUE(BarsAtStations(spans, {}, 0.5).empty());
    EXPECT_EQ(BarsAtStations({}, stations, 0.5).size(), stations.size());
}
