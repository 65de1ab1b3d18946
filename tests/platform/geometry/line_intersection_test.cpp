// XLineLine: intersections of unbounded lines and of a segment with a line.
#include "geometry/line_intersection.h"

#include <limits>

#include <gtest/gtest.h>

namespace {

CDblPointArray Crossing(const CDblPoint& p1, const CDblPoint& p2, const CDblPoint& q1, const CDblPoint& q2,
                        int mode, int expected)
{
    CDblPointArray out;
    EXPECT_EQ(XLineLine(p1, p2, q1, q2, out, mode), expected);
    EXPECT_EQ(out.GetSize(), expected);
    return out;
}

} // namespace

TEST(LineIntersection, UnboundedLines)
{
    CDblPointArray out = Crossing({0, 0}, {10, 10}, {0, 10}, {10, 0}, 3, 1);
    EXPECT_DOUBLE_EQ(out[0].x, 5.0);
    EXPECT_DOUBLE_EQ(out[0].y, 5.0);
    // Neither segment reaches (5, 5).
    out = Crossing({0, 0}, {1, 1}, {0, 10}, {1, 9}, 3, 1);
    EXPECT_DOUBLE_EQ(out[0].x, 5.0);
    // A vertical probe at x 1000 meets the slope from (0, 3000) to (4000, 0) at 3000 - 750.
    out = Crossing({1000, -10000}, {1000, 0}, {0, 3000}, {4000, 0}, 3, 1);
    EXPECT_DOUBLE_EQ(out[0].x, 1000.0);
    EXPECT_DOUBLE_EQ(out[0].y, 2250.0);
    // The point is appended after what the list holds.
    out.RemoveAll();
    out.Add(CDblPoint(-1, -1));
    EXPECT_EQ(XLineLine({0, 0}, {10, 10}, {0, 10}, {10, 0}, out, 3), 1);
    ASSERT_EQ(out.GetSize(), 2);
    EXPECT_EQ(out[0].x, -1.0);
    EXPECT_DOUBLE_EQ(out[1].y, 5.0);
}

TEST(LineIntersection, ModeTwoKeepsOnlyPointsOnTheFirstSegment)
{
    Crossing({0, 0}, {1, 1}, {0, 10}, {1, 9}, 2, 0);            // (5, 5) lies beyond p2
    Crossing({6, 6}, {10, 10}, {0, 10}, {1, 9}, 2, 0);          // and before p1
    Crossing({0, 0}, {10, 10}, {0, 10}, {1, 9}, 2, 1);          // inside; the second line is unbounded
    Crossing({0, 0}, {5, 5}, {0, 10}, {10, 0}, 2, 1);           // exactly at p2
    Crossing({0, 0}, {5 - 4e-7, 5 - 4e-7}, {0, 10}, {10, 0}, 2, 1); // within the slack of p2
    Crossing({0, 0}, {4.9999, 4.9999}, {0, 10}, {10, 0}, 2, 0); // 1.4e-4 beyond p2
}

TEST(LineIntersection, ParallelOrDegenerateLinesGiveNoPoint)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Crossing({0, 0}, {1, 1}, {0, 1}, {1, 2}, 3, 0);     // parallel
    Crossing({0, 0}, {1, 1}, {2, 2}, {3, 3}, 3, 0);     // the same line
    Crossing({0, 0}, {0, 0}, {0, 1}, {1, 0}, 3, 0);     // p1 = p2
    Crossing({0, 0}, {1, 1}, {4, 4}, {4, 4}, 3, 0);     // q1 = q2
    Crossing({0, 0}, {nan, 1}, {0, 10}, {10, 0}, 3, 0);
    Crossing({0, 0}, {10, 10}, {0, 10}, {10, 0}, 1, 0); // not a mode of this routine
}
