// CalArcFromSCE: radius, start angle and counter-clockwise sweep of an arc.
#include "geometry/arc_from_centre.h"

#include <limits>

#include "geometry/fillet.h"

#include <gtest/gtest.h>

namespace {

struct Arc {
    int result;
    double r, a1, sweep;
};

Arc ArcOf(const CDblPoint& s, const CDblPoint& m, const CDblPoint& e)
{
    Arc arc{};
    arc.result = CalArcFromSCE(s, m, e, arc.r, arc.a1, arc.sweep);
    return arc;
}

} // namespace

TEST(ArcFromCentre, QuarterArcsInBothDirections)
{
    const Arc left = ArcOf({1, 0}, {0, 0}, {0, 1});
    EXPECT_EQ(left.result, 1);
    EXPECT_DOUBLE_EQ(left.r, 1.0);
    EXPECT_DOUBLE_EQ(left.a1, 0.0);
    EXPECT_DOUBLE_EQ(left.sweep, 90.0);
    const Arc right = ArcOf({0, 1}, {0, 0}, {1, 0});
    EXPECT_DOUBLE_EQ(right.a1, 90.0);
    EXPECT_DOUBLE_EQ(right.sweep, 270.0);
    // About (5, 5), from its +x side to its -y side and back.
    const Arc arc = ArcOf({8, 5}, {5, 5}, {5, 2});
    EXPECT_DOUBLE_EQ(arc.r, 3.0);
    EXPECT_DOUBLE_EQ(arc.sweep, 270.0);
    EXPECT_DOUBLE_EQ(ArcOf({5, 2}, {5, 5}, {8, 5}).sweep, 90.0);
    EXPECT_DOUBLE_EQ(ArcOf({1, 0}, {0, 0}, {-1, 0}).sweep, 180.0);
    EXPECT_DOUBLE_EQ(ArcOf({1, 0}, {0, 0}, {3, 0}).sweep, 0.0);
    EXPECT_DOUBLE_EQ(ArcOf({1, 0}, {0, 0}, {0, 5}).sweep, 90.0); // only the end's direction counts
}

TEST(ArcFromCentre, StartAnglesStayBelowThreeSixty)
{
    EXPECT_DOUBLE_EQ(ArcOf({0, -2}, {0, 0}, {2, 0}).a1, 270.0);
    EXPECT_DOUBLE_EQ(ArcOf({1, -1}, {0, 0}, {1, 1}).a1, 315.0);
    // Just below the +x axis: almost 360, never 360 itself.
    const Arc nearly = ArcOf({1, -1e-20}, {0, 0}, {0, 1});
    EXPECT_GE(nearly.a1, 0.0);
    EXPECT_LT(nearly.a1, 360.0);
    EXPECT_LT(nearly.sweep, 360.0);
}

TEST(ArcFromCentre, FilletOfARightAngleSweepsAQuarterTurn)
{
    // The bend arc of a right-angle corner, as the bar families measure it.
    CDblPoint t1, t2, m;
    ASSERT_EQ(CalFillet({10, 0}, {0, 0}, {0, 10}, 2.0, t1, t2, m), 1);
    const Arc fromT2 = ArcOf(t2, m, t1);
    EXPECT_DOUBLE_EQ(fromT2.r, 2.0);
    EXPECT_DOUBLE_EQ(fromT2.a1, 180.0);
    EXPECT_DOUBLE_EQ(fromT2.sweep, 90.0);
    EXPECT_DOUBLE_EQ(ArcOf(t1, m, t2).sweep, 270.0);
}

TEST(ArcFromCentre, NoDirectionFails)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const Arc& arc : {ArcOf({0, 0}, {0, 0}, {1, 0}), ArcOf({1, 0}, {0, 0}, {0, 0}),
                           ArcOf({nan, 0}, {0, 0}, {0, 1}), ArcOf({1, 0}, {0, nan}, {0, 1})}) {
        EXPECT_EQ(arc.result, 0);
        EXPECT_EQ(arc.r, 0.0);
        EXPECT_EQ(arc.a1, 0.0);
        EXPECT_EQ(arc.sweep, 0.0);
    }
}
