// XLineArc: crossings of a line with a circular arc, in order along the line.
#include "geometry/line_arc_intersection.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace {

// Crossings of the vertical x = s (drawn upwards) with the arc about (0, 0) of radius 5.
CDblPointArray Vertical(double s, double start, double sweep, int expected)
{
    CDblPointArray out;
    EXPECT_EQ(XLineArc({s, 0.0}, {s, 1000.0}, 0.0, 0.0, 5.0, start, sweep, out, 1), expected);
    EXPECT_EQ(out.GetSize(), expected);
    return out;
}

} // namespace

TEST(LineArcIntersection, KeepsOnlyTheCrossingOnTheArc)
{
    // x = 3 meets the circle at (3, -4) and (3, 4); the lower half (180° to 360°) holds the first,
    // the upper half (0° to 180°) the second.
    CDblPointArray lower = Vertical(3.0, 180.0, 180.0, 1);
    EXPECT_NEAR(lower[0].x, 3.0, 1e-12);
    EXPECT_NEAR(lower[0].y, -4.0, 1e-12);
    CDblPointArray upper = Vertical(3.0, 0.0, 180.0, 1);
    EXPECT_NEAR(upper[0].y, 4.0, 1e-12);
}

TEST(LineArcIntersection, TwoCrossingsComeInOrderAlongTheLine)
{
    // The right half, from 270° through 0° to 90°, holds both (3, -4) and (3, 4).
    CDblPointArray both = Vertical(3.0, 270.0, 180.0, 2);
    EXPECT_NEAR(both[0].y, -4.0, 1e-12);
    EXPECT_NEAR(both[1].y, 4.0, 1e-12);

    // Drawn downwards, the upper crossing comes first.
    CDblPointArray down;
    ASSERT_EQ(XLineArc({3.0, 1000.0}, {3.0, 0.0}, 0.0, 0.0, 5.0, 270.0, 180.0, down, 1), 2);
    EXPECT_NEAR(down[0].y, 4.0, 1e-12);
}

TEST(LineArcIntersection, ArcEndsBelongToTheArc)
{
    // The third quadrant, from (-5, 0) to (0, -5): x = 0 meets it at its end, x = -5 at its start.
    CDblPointArray end = Vertical(0.0, 180.0, 90.0, 1);
    EXPECT_NEAR(end[0].y, -5.0, 1e-12);
    CDblPointArray start = Vertical(-5.0, 180.0, 90.0, 1);
    EXPECT_NEAR(start[0].y, 0.0, 1e-12);
}

TEST(LineArcIntersection, TouchingLineGivesOnePoint)
{
    CDblPointArray touch = Vertical(5.0, 270.0, 180.0, 1);
    EXPECT_NEAR(touch[0].x, 5.0, 1e-12);
    EXPECT_NEAR(touch[0].y, 0.0, 1e-12);
}

TEST(LineArcIntersection, MissesGiveNothing)
{
    Vertical(6.0, 0.0, 360.0, 0);     // beside the circle
    Vertical(-3.0, 270.0, 180.0, 0);  // crosses the circle on the other half
}

TEST(LineArcIntersection, SlopingLineAcrossTheLowerHalf)
{
    // y = x meets the circle at ±(5/√2, 5/√2); only the point at 225° lies on the lower half.
    CDblPointArray out;
    ASSERT_EQ(XLineArc({0.0, 0.0}, {1.0, 1.0}, 0.0, 0.0, 5.0, 180.0, 180.0, out, 1), 1);
    const double c = 5.0 / std::sqrt(2.0);
    EXPECT_NEAR(out[0].x, -c, 1e-12);
    EXPECT_NEAR(out[0].y, -c, 1e-12);
}

TEST(LineArcIntersection, OffCentreArcAndAppendingToAList)
{
    // Centre (1000, 200), radius 100: x = 1060 meets the lower half at 200 - 80 = 120.
    CDblPointArray out;
    out.Add(CDblPoint(-1.0, -1.0));
    ASSERT_EQ(XLineArc({1060.0, 0.0}, {1060.0, 1000.0}, 1000.0, 200.0, 100.0, 180.0, 180.0, out, 1), 1);
    ASSERT_EQ(out.GetSize(), 2);
    EXPECT_EQ(out[0].x, -1.0);
    EXPECT_NEAR(out[1].y, 120.0, 1e-9);
}

TEST(LineArcIntersection, UnusableArgumentsGiveNothing)
{
    CDblPointArray out;
    EXPECT_EQ(XLineArc({3, 0}, {3, 1}, 0, 0, 5, 180, 180, out, 3), 0);     // other mode
    EXPECT_EQ(XLineArc({3, 0}, {3, 0}, 0, 0, 5, 180, 180, out, 1), 0);     // no line
    EXPECT_EQ(XLineArc({3, 0}, {3, 1}, 0, 0, 0, 180, 180, out, 1), 0);     // no radius
    EXPECT_EQ(XLineArc({3, 0}, {3, 1}, 0, 0, -5, 180, 180, out, 1), 0);
    EXPECT_EQ(XLineArc({3, 0}, {3, 1}, 0, 0, 5, 180, -10, out, 1), 0);     // negative sweep
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(XLineArc({3, 0}, {3, 1}, nan, 0, 5, 180, 180, out, 1), 0);
    EXPECT_EQ(out.GetSize(), 0);
}
