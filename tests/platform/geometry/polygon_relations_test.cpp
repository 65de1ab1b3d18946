// Containment and separation of plan outlines at their tolerance boundaries, and outline areas.
#include "geometry/polygon_relations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

namespace {

using KVDataCommon::IS_polygonA_in_polygonB;
using KVDataCommon::Is_polygonA_Out_polygonB;

CDblPointArray Outline(std::initializer_list<std::pair<double, double>> points)
{
    CDblPointArray outline;
    for (auto [x, y] : points) outline.Add(CDblPoint(x, y));
    return outline;
}

// Axis-parallel rectangle, counter-clockwise from its lower left corner.
CDblPointArray Rect(double x0, double y0, double x1, double y1)
{
    return Outline({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
}

CDblPointArray Reversed(const CDblPointArray& outline)
{
    CDblPointArray reversed;
    for (int i = outline.GetSize() - 1; i >= 0; --i) reversed.Add(outline[i]);
    return reversed;
}

CDblPointArray Closed(const CDblPointArray& outline)
{
    CDblPointArray closed = outline;
    closed.Add(outline[0]);
    return closed;
}

// A U open at the top: a 300 x 300 square with the notch 100 < x < 200, y > 100 cut away.
CDblPointArray UShape()
{
    return Outline({{0, 0}, {300, 0}, {300, 300}, {200, 300}, {200, 100}, {100, 100}, {100, 300}, {0, 300}});
}

// An L: the arms [0,300] x [0,100] and [0,100] x [0,300].
CDblPointArray LShape() { return Outline({{0, 0}, {300, 0}, {300, 100}, {100, 100}, {100, 300}, {0, 300}}); }

int In(CDblPointArray a, CDblPointArray b, double tolerance) { return IS_polygonA_in_polygonB(a, b, tolerance); }
int Out(CDblPointArray a, CDblPointArray b, double tolerance) { return Is_polygonA_Out_polygonB(a, b, tolerance); }

} // namespace

// --- containment ------------------------------------------------------------------------------

TEST(PolygonInPolygon, SideStandingOutIsMeasuredAgainstTheTolerance)
{
    const CDblPointArray footing = Rect(0, 0, 1000, 1000);
    EXPECT_EQ(In(Rect(100, 100, 900, 900), footing, 0.0), 1);
    EXPECT_EQ(In(Rect(0, 0, 1000, 1000), footing, 0.0), 1) << "touching the edge fits without tolerance";
    EXPECT_EQ(In(Rect(100, 100, 1000.001, 900), footing, 0.0), 0);
    EXPECT_EQ(In(Rect(100, 100, 1000.1, 900), footing, 0.2), 1);
    EXPECT_EQ(In(Rect(100, 100, 1000.3, 900), footing, 0.2), 0);
    EXPECT_EQ(In(Rect(-0.1, 100, 900, 900), footing, 0.2), 1);
    EXPECT_EQ(In(Rect(-0.3, 100, 900, 900), footing, 0.2), 0);
    EXPECT_EQ(In(Rect(100, 100, 1000.2, 900), footing, 0.2), 1) << "exactly the tolerance fits";
}

TEST(PolygonInPolygon, CornerStandingOutDiagonallyIsMeasuredByDistance)
{
    // Corner (-0.15, -0.15) lies sqrt(0.045) = 0.2121 from the footing's corner: each side stands
    // out only 0.15, but the corner is farther out than 0.2.
    const CDblPointArray footing = Rect(0, 0, 100, 100);
    EXPECT_EQ(In(Rect(-0.15, -0.15, 50, 50), footing, 0.2), 0);
    // (-0.14, -0.14): sqrt(0.0392) = 0.1980.
    EXPECT_EQ(In(Rect(-0.14, -0.14, 50, 50), footing, 0.2), 1);
}

TEST(PolygonInPolygon, WholeOutlineOutsideOrLargerDoesNotFit)
{
    const CDblPointArray footing = Rect(0, 0, 100, 100);
    EXPECT_EQ(In(Rect(200, 200, 300, 300), footing, 0.2), 0);
    EXPECT_EQ(In(Rect(-10, -10, 110, 110), footing, 0.2), 0);
    EXPECT_EQ(In(footing, Rect(10, 10, 90, 90), 0.2), 0);
}

TEST(PolygonInPolygon, SideCrossingTheNotchOfAConcaveOutlineDoesNotFit)
{
    // Every corner of the bar lies in the U's arms, but its sides cross the notch.
    EXPECT_EQ(In(Rect(50, 150, 250, 250), UShape(), 0.2), 0);
    EXPECT_EQ(In(Rect(210, 150, 290, 250), UShape(), 0.0), 1);
    EXPECT_EQ(In(Rect(50, 20, 250, 80), UShape(), 0.0), 1);
}

TEST(PolygonInPolygon, ShallowNotchWithinTheToleranceIsBridged)
{
    // A 100 x 100 square with a notch 0.1 deep cut into its top side.
    const CDblPointArray notched =
        Outline({{0, 0}, {100, 0}, {100, 100}, {60, 100}, {60, 99.9}, {40, 99.9}, {40, 100}, {0, 100}});
    EXPECT_EQ(In(Rect(0, 0, 100, 100), notched, 0.2), 1);
    EXPECT_EQ(In(Rect(0, 0, 100, 100), notched, 0.05), 0);
}

TEST(PolygonInPolygon, CircleInscribedInACircleOfTheSameRadius)
{
    // A 12-gon on radius 100 inside a 36-gon on the same radius: the 12-gon's corners at 30k°
    // are corners of the 36-gon too, but its sides are chords that lie inside.
    CDblPointArray twelve, thirtySix;
    for (int k = 0; k < 12; ++k) twelve.Add(CDblPoint(100 * std::cos(k * M_PI / 6), 100 * std::sin(k * M_PI / 6)));
    for (int k = 0; k < 36; ++k)
        thirtySix.Add(CDblPoint(100 * std::cos(k * M_PI / 18), 100 * std::sin(k * M_PI / 18)));
    EXPECT_EQ(In(twelve, thirtySix, 0.0), 1);
    // The other way round, the 36-gon's corners at 10° stand out of the 12-gon's chords by
    // 100 (1 - cos 30° / cos 20°) = 7.84.
    EXPECT_EQ(In(thirtySix, twelve, 0.2), 0);
    EXPECT_EQ(In(thirtySix, twelve, 7.9), 1);
}

// A round-ended cap drawn as finely as the foundations draw it (about 1,200 corners) and round
// columns of 628 corners: the columns stand 0.1 and 0.3 out of the cap's end arc, inside it,
// across its straight side, and wholly beyond it.
TEST(PolygonInPolygon, FinelyDrawnRoundColumnsOnARoundEndedCap)
{
    CDblPointArray cap;
    for (int end = 0; end < 2; ++end) {
        const double cx = end == 0 ? 5000 : -5000, start = end == 0 ? -M_PI / 2 : M_PI / 2;
        for (int k = 0; k <= 588; ++k) {
            const double angle = start + M_PI * k / 588;
            cap.Add(CDblPoint(cx + 2800 * std::cos(angle), 2800 * std::sin(angle)));
        }
    }
    const auto column = [](double cx, double cy) {
        CDblPointArray circle;
        for (int k = 0; k < 628; ++k)
            circle.Add(CDblPoint(cx + 800 * std::cos(2 * M_PI * k / 628), cy + 800 * std::sin(2 * M_PI * k / 628)));
        return circle;
    };
    // Centre 2000.1 from the arc's centre: the column's outermost corner (at angle 0, on the arc's
    // axis, where the arc has a corner too) stands 0.1 out of the arc.
    EXPECT_EQ(In(column(7000.1, 0), cap, 0.2), 1);
    EXPECT_EQ(In(column(7000.1, 0), cap, 0.05), 0);
    EXPECT_EQ(In(column(7000.3, 0), cap, 0.2), 0);
    EXPECT_EQ(In(column(0, 0), cap, 0.0), 1);
    EXPECT_EQ(In(column(-4500, 1000), cap, 0.2), 1);
    EXPECT_EQ(In(column(0, 2500), cap, 0.2), 0) << "across the straight side";
    EXPECT_EQ(In(column(20000, 0), cap, 0.2), 0) << "wholly beyond the cap";
    EXPECT_EQ(In(cap, column(0, 0), 0.2), 0) << "the cap does not fit in a column";
}

TEST(PolygonInPolygon, OrientationAndClosingPointDoNotMatter)
{
    const CDblPointArray inner = Rect(100, 100, 1000.1, 900);
    const CDblPointArray outer = Rect(0, 0, 1000, 1000);
    for (const CDblPointArray& a : {inner, Reversed(inner), Closed(inner)})
        for (const CDblPointArray& b : {outer, Reversed(outer), Closed(Reversed(outer))}) {
            EXPECT_EQ(In(a, b, 0.2), 1);
            EXPECT_EQ(In(a, b, 0.05), 0);
        }
}

TEST(PolygonInPolygon, DegenerateOutlines)
{
    const CDblPointArray footing = Rect(0, 0, 100, 100);
    EXPECT_EQ(In(CDblPointArray(), footing, 0.2), 0) << "an empty outline cannot be shown to fit";
    EXPECT_EQ(In(Outline({{50, 50}}), footing, 0.0), 1);
    EXPECT_EQ(In(Outline({{100.1, 50}}), footing, 0.2), 1);
    EXPECT_EQ(In(Outline({{100.3, 50}}), footing, 0.2), 0);
    EXPECT_EQ(In(Outline({{10, 10}, {90, 100.3}}), footing, 0.2), 0);
    EXPECT_EQ(In(Outline({{10, 10}, {90, 90}, {10, 10}}), footing, 0.0), 1);
    EXPECT_EQ(In(Outline({{50, 50}, {50, 50}, {50, 50}}), footing, 0.0), 1);
    EXPECT_EQ(In(Outline({{50, 50}}), Outline({{0, 0}, {100, 100}}), 0.2), 0) << "a segment encloses nothing";
    EXPECT_EQ(In(Outline({{50, 50}}), Outline({{0, 0}, {50, 50}, {100, 100}}), 0.2), 0);
    EXPECT_EQ(In(Outline({{50, 50}}), CDblPointArray(), 0.2), 0);
}

TEST(PolygonInPolygon, NonFiniteInputCannotBeJudged)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const CDblPointArray footing = Rect(0, 0, 100, 100);
    EXPECT_EQ(In(Outline({{10, 10}, {nan, 20}, {20, 20}}), footing, 0.2), 0);
    EXPECT_EQ(In(Rect(10, 10, 20, 20), Outline({{0, 0}, {inf, 0}, {0, 100}}), 0.2), 0);
    EXPECT_EQ(In(Rect(10, 10, 20, 20), footing, nan), 0);
    EXPECT_EQ(In(Rect(10, 10, 20, 20), footing, -5.0), 1) << "a negative tolerance counts as 0";
    EXPECT_EQ(In(Rect(10, 10, 100.1, 20), footing, -5.0), 0);
}

// --- separation -------------------------------------------------------------------------------

TEST(PolygonOutPolygon, GapsAndTouchingLieApart)
{
    const CDblPointArray left = Rect(0, 0, 100, 100);
    EXPECT_EQ(Out(left, Rect(100.1, 0, 200, 100), 0.2), 1) << "0.1 apart";
    EXPECT_EQ(Out(left, Rect(500, 500, 600, 600), 0.2), 1);
    EXPECT_EQ(Out(left, Rect(100, 0, 200, 100), 0.2), 1) << "touching sides";
    EXPECT_EQ(Out(left, Rect(100, 0, 200, 100), 0.0), 1);
    EXPECT_EQ(Out(left, Rect(100, 100, 200, 200), 0.0), 1) << "touching corners";
}

TEST(PolygonOutPolygon, OverlapCountsOnlyWhenDeeperThanTheTolerance)
{
    const CDblPointArray left = Rect(0, 0, 100, 100);
    EXPECT_EQ(Out(left, Rect(99.9, 0, 200, 100), 0.2), 1) << "overlap 0.1";
    EXPECT_EQ(Out(left, Rect(99.8, 0, 200, 100), 0.2), 1) << "overlap exactly the tolerance";
    EXPECT_EQ(Out(left, Rect(99.7, 0, 200, 100), 0.2), 0) << "overlap 0.3";
    EXPECT_EQ(Out(left, Rect(99.9, 0, 200, 100), 0.0), 0);
    EXPECT_EQ(Out(left, Rect(99.9, 0, 200, 100), -1.0), 0) << "a negative tolerance counts as 0";
}

TEST(PolygonOutPolygon, DepthIsTheShortestWayOutNotTheOverlapAlongOneAxis)
{
    // Corner overlap 0.1 x 0.1: moving either by 0.1 clears it.
    const CDblPointArray a = Rect(0, 0, 100, 100);
    EXPECT_EQ(Out(a, Rect(99.9, 99.9, 200, 200), 0.2), 1);
    EXPECT_EQ(Out(a, Rect(99.7, 99.7, 200, 200), 0.2), 0);
    // A thin strip across a square overlaps only 0.1 deep along y, although it crosses it along x.
    EXPECT_EQ(Out(a, Rect(-50, 99.9, 150, 150), 0.2), 1);
    // A square turned 45°, its corner 0.1 (then 0.3) into the other square's side: the shortest way out
    // is straight back, 0.1 (0.3).
    const auto diamond = [](double tip) {
        return Outline({{tip, 50}, {tip + 50, 0}, {tip + 100, 50}, {tip + 50, 100}});
    };
    EXPECT_EQ(Out(a, diamond(99.9), 0.2), 1);
    EXPECT_EQ(Out(a, diamond(99.7), 0.2), 0);
}

TEST(PolygonOutPolygon, OutlineWithinAnotherOverlapsByTheWayOut)
{
    // A 10 x 10 square in the middle of a 100 x 100 one must move 55 to get out.
    const CDblPointArray big = Rect(0, 0, 100, 100);
    const CDblPointArray small = Rect(45, 45, 55, 55);
    EXPECT_EQ(Out(big, small, 0.2), 0);
    EXPECT_EQ(Out(small, big, 0.2), 0);
    EXPECT_EQ(Out(big, small, 54.9), 0);
    EXPECT_EQ(Out(big, small, 55.1), 1);
    EXPECT_EQ(Out(big, big, 0.2), 0) << "the same outline twice";
}

TEST(PolygonOutPolygon, ConcaveOutlines)
{
    // A block standing in the U's notch, clear of both arms, lies apart (their hulls would overlap).
    EXPECT_EQ(Out(UShape(), Rect(110, 150, 190, 350), 0.2), 1);
    EXPECT_EQ(Out(UShape(), Rect(100.1, 150, 190, 350), 0.2), 1) << "0.1 from the left arm";
    EXPECT_EQ(Out(UShape(), Rect(99.9, 150, 190, 350), 0.2), 1) << "0.1 into the left arm";
    EXPECT_EQ(Out(UShape(), Rect(99.7, 150, 190, 350), 0.2), 0) << "0.3 into the left arm";
    EXPECT_EQ(Out(UShape(), Rect(110, 99.7, 190, 350), 0.2), 0) << "0.3 into the bottom";
    EXPECT_EQ(Out(UShape(), Rect(100, 100, 200, 400), 0.0), 1) << "filling the notch exactly";
    // Both concave: two L's nested corner in corner, clear of each other.
    const CDblPointArray inner = Outline({{100.1, 100.1}, {300, 100.1}, {300, 200}, {200, 200}, {200, 300},
                                          {100.1, 300}});
    EXPECT_EQ(Out(LShape(), inner, 0.2), 1);
}

TEST(PolygonOutPolygon, DepthInsideAConcaveOutlineCountsTheWholeWayOut)
{
    // A 60 x 60 block in the corner of the L: leaving by the left or bottom takes 80 (leaving
    // along an arm would take 280). The L's triangles meet inside the block, which must not cut
    // the depth short.
    const CDblPointArray block = Rect(20, 20, 80, 80);
    EXPECT_EQ(Out(LShape(), block, 0.2), 0);
    EXPECT_EQ(Out(LShape(), block, 79.9), 0);
    EXPECT_EQ(Out(LShape(), block, 80.1), 1);
    EXPECT_EQ(Out(block, LShape(), 79.9), 0);
    // A block in the middle of the long arm: out through the top or bottom side takes 30 + 40.
    const CDblPointArray armBlock = Rect(200, 30, 240, 70);
    EXPECT_EQ(Out(LShape(), armBlock, 69.9), 0);
    EXPECT_EQ(Out(LShape(), armBlock, 70.1), 1);
}

TEST(PolygonOutPolygon, ArgumentOrderOrientationAndClosingPointDoNotMatter)
{
    const CDblPointArray a = Rect(0, 0, 100, 100);
    const CDblPointArray shallow = Rect(99.9, 0, 200, 100);
    const CDblPointArray deep = Rect(99.7, 0, 200, 100);
    for (const CDblPointArray& first : {a, Reversed(a), Closed(a)}) {
        EXPECT_EQ(Out(first, shallow, 0.2), 1);
        EXPECT_EQ(Out(shallow, first, 0.2), 1);
        EXPECT_EQ(Out(first, Closed(Reversed(deep)), 0.2), 0);
        EXPECT_EQ(Out(deep, first, 0.2), 0);
    }
}

TEST(PolygonOutPolygon, DegenerateAndNonFiniteOutlines)
{
    const CDblPointArray a = Rect(0, 0, 100, 100);
    EXPECT_EQ(Out(a, CDblPointArray(), 0.2), 1);
    EXPECT_EQ(Out(a, Outline({{50, 50}}), 0.2), 1);
    EXPECT_EQ(Out(a, Outline({{10, 10}, {90, 90}}), 0.2), 1) << "a segment has no area";
    EXPECT_EQ(Out(a, Outline({{10, 10}, {50, 50}, {90, 90}}), 0.2), 1);
    EXPECT_EQ(Out(Outline({{50, 50}, {50, 50}, {50, 50}}), a, 0.2), 1);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(Out(a, Outline({{200, 0}, {300, nan}, {300, 100}}), 0.2), 0) << "cannot be shown apart";
    EXPECT_EQ(Out(a, Rect(200, 0, 300, 100), std::numeric_limits<double>::infinity()), 0);
}

TEST(PolygonOutPolygon, OutlineCrossingItselfIsJudgedByItsHull)
{
    // A bow tie whose waist (at x = 150) would leave the notch between its wings empty; its hull
    // is the rectangle [100, 200] x [0, 100].
    const CDblPointArray bowTie = Outline({{100, 0}, {200, 100}, {200, 0}, {100, 100}});
    EXPECT_EQ(Out(Rect(140, 80, 160, 95), bowTie, 0.2), 0);
    EXPECT_EQ(Out(Rect(210, 0, 260, 100), bowTie, 0.2), 1);
}

// --- area -------------------------------------------------------------------------------------

TEST(PolygonAreaTest, AbsoluteAreaOfAnyOrientationAndClosure)
{
    EXPECT_DOUBLE_EQ(PolygonArea(Rect(0, 0, 3, 2)), 6.0);
    EXPECT_DOUBLE_EQ(PolygonArea(Reversed(Rect(0, 0, 3, 2))), 6.0);
    EXPECT_DOUBLE_EQ(PolygonArea(Closed(Rect(0, 0, 3, 2))), 6.0);
    EXPECT_DOUBLE_EQ(PolygonArea(Outline({{0, 0}, {4, 0}, {0, 3}})), 6.0);
    // L: 300 x 100 + 100 x 200.
    EXPECT_DOUBLE_EQ(PolygonArea(LShape()), 50000.0);
    // U: 300 x 300 less the 100 x 200 notch.
    EXPECT_DOUBLE_EQ(PolygonArea(UShape()), 70000.0);
}

TEST(PolygonAreaTest, FewerThanThreePointsHaveNoArea)
{
    EXPECT_EQ(PolygonArea(CDblPointArray()), 0.0);
    EXPECT_EQ(PolygonArea(Outline({{1, 1}})), 0.0);
    EXPECT_EQ(PolygonArea(Outline({{1, 1}, {5, 7}})), 0.0);
    EXPECT_EQ(PolygonArea(Outline({{0, 0}, {1, 1}, {2, 2}})), 0.0);
}
