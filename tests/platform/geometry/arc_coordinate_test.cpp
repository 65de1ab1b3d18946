// KVDataCommon::Get_Arc_Coordinate: point spacing, direction, exact ends, whole circles and degenerate input.
#include "geometry/arc_coordinate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace {

using KVDataCommon::Get_Arc_Coordinate;

constexpr double kPi = std::numbers::pi;
constexpr double kStep = kPi / 32;   // 5.625°, a sixteenth of a quarter circle
const double kHalfRoot2 = std::sqrt(2.0) / 2;

void expectPoint(const CDblPoint& p, double x, double y, double tol = 1e-9)
{
    EXPECT_NEAR(p.x, x, tol);
    EXPECT_NEAR(p.y, y, tol);
}

// Twice the signed area: positive for a counter-clockwise polygon.
double twiceSignedArea(const CDblPointArray& pts)
{
    double s = 0.0;
    for (int i = 0; i < pts.GetSize(); ++i) {
        const CDblPoint& p = pts[i];
        const CDblPoint& q = pts[(i + 1) % pts.GetSize()];
        s += p.x * q.y - q.x * p.y;
    }
    return s;
}

TEST(ArcCoordinate, QuarterArcCounterClockwiseHasSixteenEqualSegments)
{
    CDblPointArray out;
    Get_Arc_Coordinate(CDblPoint(1, 0), CDblPoint(kHalfRoot2, kHalfRoot2), CDblPoint(0, 1), 0, out);
    ASSERT_EQ(out.GetSize(), 17);
    for (int k = 0; k < 17; ++k) expectPoint(out[k], std::cos(k * kStep), std::sin(k * kStep));
    // The ends are the given points themselves, not recomputed ones.
    EXPECT_EQ(out[0].x, 1.0);
    EXPECT_EQ(out[0].y, 0.0);
    EXPECT_EQ(out[16].x, 0.0);
    EXPECT_EQ(out[16].y, 1.0);
    expectPoint(out[8], kHalfRoot2, kHalfRoot2);
}

TEST(ArcCoordinate, QuarterArcClockwiseRunsFromStartTowardsMiddle)
{
    CDblPointArray out;
    Get_Arc_Coordinate(CDblPoint(0, 1), CDblPoint(kHalfRoot2, kHalfRoot2), CDblPoint(1, 0), 0, out);
    ASSERT_EQ(out.GetSize(), 17);
    // 90° − 5.625° after the first step.
    expectPoint(out[1], std::cos(kPi / 2 - kStep), std::sin(kPi / 2 - kStep));
    expectPoint(out[8], kHalfRoot2, kHalfRoot2);
    expectPoint(out[16], 1, 0);
}

TEST(ArcCoordinate, ArcAboutAnOffCentreTakesTheCircleThroughTheThreePoints)
{
    // Chamfer corner of radius 100 about (700, 500): from (800, 500) to (700, 600).
    const double s = 100 / std::sqrt(2.0);
    CDblPointArray out;
    Get_Arc_Coordinate(CDblPoint(800, 500), CDblPoint(700 + s, 500 + s), CDblPoint(700, 600), 0, out);
    ASSERT_EQ(out.GetSize(), 17);
    for (int k = 0; k < 17; ++k)
        expectPoint(out[k], 700 + 100 * std::cos(k * kStep), 500 + 100 * std::sin(k * kStep), 1e-7);
}

TEST(ArcCoordinate, ArcBeyondAHalfCircleFollowsTheMiddlePoint)
{
    // From 0° clockwise through −90° to +90°: three quarters, 48 segments.
    CDblPointArray out;
    Get_Arc_Coordinate(CDblPoint(1, 0), CDblPoint(0, -1), CDblPoint(0, 1), 0, out);
    ASSERT_EQ(out.GetSize(), 49);
    expectPoint(out[16], 0, -1);
    expectPoint(out[32], -1, 0);
    expectPoint(out[48], 0, 1);
}

TEST(ArcCoordinate, SweepThatIsNoWholeNumberOfStepsIsSplitEvenly)
{
    // 60° needs ceil(60 / 5.625) = 11 segments of 60/11° each.
    CDblPointArray out;
    const double r = 2.0;
    Get_Arc_Coordinate(CDblPoint(r, 0), CDblPoint(r * std::cos(kPi / 6), r * std::sin(kPi / 6)),
                       CDblPoint(r * std::cos(kPi / 3), r * std::sin(kPi / 3)), 0, out);
    ASSERT_EQ(out.GetSize(), 12);
    const double step = (kPi / 3) / 11;
    for (int k = 0; k < 12; ++k) expectPoint(out[k], r * std::cos(k * step), r * std::sin(k * step));
}

TEST(ArcCoordinate, ShortArcHasOneSegment)
{
    // 4° is less than one step: the two ends only.
    CDblPointArray out;
    const double t = 4.0 * kPi / 180;
    Get_Arc_Coordinate(CDblPoint(1, 0), CDblPoint(std::cos(t / 2), std::sin(t / 2)),
                       CDblPoint(std::cos(t), std::sin(t)), 0, out);
    ASSERT_EQ(out.GetSize(), 2);
    expectPoint(out[1], std::cos(t), std::sin(t));
}

TEST(ArcCoordinate, WholeCircleHasSixtyFourPointsWithoutRepeatingTheStart)
{
    // A column of diameter 1000: from (500, 0) counter-clockwise.
    CDblPointArray out;
    Get_Arc_Coordinate(CDblPoint(500, 0), CDblPoint(0, 500), CDblPoint(-500, 0), 1, out);
    ASSERT_EQ(out.GetSize(), 64);
    expectPoint(out[0], 500, 0);
    expectPoint(out[16], 0, 500);
    expectPoint(out[32], -500, 0);
    expectPoint(out[48], 0, -500);
    expectPoint(out[63], 500 * std::cos(-kStep), 500 * std::sin(-kStep));
    for (int k = 0; k < 64; ++k) EXPECT_NEAR(std::hypot(out[k].x, out[k].y), 500.0, 1e-9);
    // Regular 64-gon inscribed in r = 500: area = 32·r²·sin(2π/64).
    EXPECT_NEAR(twiceSignedArea(out) / 2, 32 * 500.0 * 500.0 * std::sin(2 * kPi / 64), 1e-6);
}

TEST(ArcCoordinate, WholeCircleClockwiseWhenTheMiddleLiesThatWay)
{
    CDblPointArray out;
    Get_Arc_Coordinate(CDblPoint(500, 0), CDblPoint(0, -500), CDblPoint(-500, 0), 1, out);
    ASSERT_EQ(out.GetSize(), 64);
    expectPoint(out[16], 0, -500);
    EXPECT_LT(twiceSignedArea(out), 0.0);
}

TEST(ArcCoordinate, PointsThatDefineNoCircleGiveThePathItself)
{
    CDblPointArray out;
    out.Add(CDblPoint(9, 9));   // replaced, not appended to
    Get_Arc_Coordinate(CDblPoint(0, 0), CDblPoint(1, 1), CDblPoint(2, 2), 0, out);
    ASSERT_EQ(out.GetSize(), 3);
    expectPoint(out[1], 1, 1);

    // A circle of radius 0 (a column of diameter 0) and a chamfer of radius 0.
    Get_Arc_Coordinate(CDblPoint(0, 0), CDblPoint(0, 0), CDblPoint(0, 0), 1, out);
    EXPECT_EQ(out.GetSize(), 3);
    Get_Arc_Coordinate(CDblPoint(5, 5), CDblPoint(5, 5), CDblPoint(5, 5), 0, out);
    EXPECT_EQ(out.GetSize(), 3);

    // Start and end the same: no single arc is meant.
    Get_Arc_Coordinate(CDblPoint(1, 0), CDblPoint(-1, 0), CDblPoint(1, 0), 0, out);
    EXPECT_EQ(out.GetSize(), 3);
}

TEST(ArcCoordinate, NonFiniteCoordinatesDoNotHang)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    CDblPointArray out;
    Get_Arc_Coordinate(CDblPoint(nan, 0), CDblPoint(0, 1), CDblPoint(-1, 0), 1, out);
    EXPECT_EQ(out.GetSize(), 3);
    Get_Arc_Coordinate(CDblPoint(1, 0), CDblPoint(0, inf), CDblPoint(-1, 0), 0, out);
    EXPECT_EQ(out.GetSize(), 3);
}

} // namespace
