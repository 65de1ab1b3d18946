// Arc and circle points of the foundations' plan outlines: ends, radius, spacing and degenerate radii.
#include "siblings/plan_arc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const double kPi = std::acos(-1.0);

TEST(PlanArc, QuarterArcFromStartToEndWithinTheChordOffset)
{
    CDblPointArray out;
    out.Add(CDblPoint(-1, -1));   // appended to, not replaced
    AppendPlanArc(10, 20, 100, 0, kPi / 2, out);
    // Steps of 2·acos(1 − 0.01/100) = 0.028284 rad: (π/2)/0.028284 = 55.5 → 56 steps, 57 points.
    ASSERT_EQ(out.GetSize(), 1 + 57);
    EXPECT_EQ(out[0].x, -1.0);
    EXPECT_DOUBLE_EQ(out[1].x, 110.0);
    EXPECT_DOUBLE_EQ(out[1].y, 20.0);
    EXPECT_NEAR(out[57].x, 10.0, 1e-9);
    EXPECT_NEAR(out[57].y, 120.0, 1e-9);
    for (int i = 1; i < out.GetSize(); ++i) EXPECT_NEAR(std::hypot(out[i].x - 10, out[i].y - 20), 100.0, 1e-9);
}

TEST(PlanArc, NegativeSweepTurnsClockwise)
{
    CDblPointArray out;
    AppendPlanArc(0, 0, 100, 0, -kPi / 2, out);
    EXPECT_LT(out[1].y, 0.0);
    EXPECT_NEAR(out[out.GetSize() - 1].y, -100.0, 1e-9);
}

TEST(PlanArc, CircleIsNotClosed)
{
    CDblPointArray out;
    AppendPlanCircle(0, 0, 100, out);
    // 2π / 0.028284 = 222.1 → 223 points.
    ASSERT_EQ(out.GetSize(), 223);
    EXPECT_DOUBLE_EQ(out[0].x, 100.0);
    EXPECT_GT(std::hypot(out[222].x - out[0].x, out[222].y - out[0].y), 1.0);
}

TEST(PlanArc, SmallOrUnusableRadii)
{
    CDblPointArray out;
    AppendPlanCircle(5, 6, 0.0, out);
    AppendPlanArc(5, 6, -1.0, 0, 1, out);
    AppendPlanArc(5, 6, std::numeric_limits<double>::quiet_NaN(), 0, 1, out);
    AppendPlanCircle(5, 6, std::numeric_limits<double>::infinity(), out);
    ASSERT_EQ(out.GetSize(), 4);
    for (const CDblPoint& p : out) {
        EXPECT_EQ(p.x, 5.0);
        EXPECT_EQ(p.y, 6.0);
    }
    // A radius within the chord offset needs one step.
    out.RemoveAll();
    AppendPlanArc(0, 0, 0.005, 0, kPi, out);
    EXPECT_EQ(out.GetSize(), 2);
    // A huge radius is bounded in its number of points.
    out.RemoveAll();
    AppendPlanCircle(0, 0, 1e15, out);
    EXPECT_EQ(out.GetSize(), 4096);
    out.RemoveAll();
    AppendPlanArc(0, 0, 1e6, 0, 0.0, out);
    EXPECT_EQ(out.GetSize(), 2);
}

} // namespace
