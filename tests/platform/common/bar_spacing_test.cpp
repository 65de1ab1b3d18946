// KVDataCommon bar spacing routines: equal division, whole spacings, end zones, uniform layouts,
// frames across a beam and span gaps. Each row: the arguments, then the result and the outputs
// worked out by hand.
#include "common/bar_spacing.h"

#include <limits>

#include <gtest/gtest.h>

using namespace KVDataCommon;

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
} // namespace

TEST(BarSpacing, EqualDivisionWithinBounds)
{
    struct Row {
        double L, target, lower, upper;
        int result, n;
        double sp;
    };
    for (const Row& r : {
             // 1000 / 7 = 142.9 is nearer 150 than 1000 / 6 = 166.7; bounds in either order.
             Row{1000, 150, 100, 200, 1, 7, 1000.0 / 7}, Row{1000, 150, 200, 100, 1, 7, 1000.0 / 7},
             Row{1200, 150, 100, 200, 1, 8, 150},  // divides evenly
             Row{1000, 300, 100, 200, 1, 5, 200},  // the upper bound overrules the target
             Row{600, 135, 100, 200, 1, 5, 120},   // tie of 150 and 120: the smaller spacing
             Row{1500, 0, 100, 200, 1, 10, 150},   // no target: midway between the bounds
             Row{250, 110, 100, 120, 0, 3, 250.0 / 3}, // 125 too wide, 83.3 too narrow: not above 120
             Row{0, 150, 100, 200, 0, 0, 0}, Row{-100, 150, 100, 200, 0, 0, 0},
             Row{kNaN, 150, 100, 200, 0, 0, 0}, Row{1000, 150, 0, 200, 0, 0, 0},
             Row{1000, 150, 1e-300, 1e-300, 0, 0, 0}, // 1e303 spaces are not laid out
         }) {
        int n = -1;
        double sp = -1;
        EXPECT_EQ(BJ1(r.L, r.target, r.lower, r.upper, n, sp), r.result) << r.L << " " << r.target;
        EXPECT_EQ(n, r.n) << r.L;
        EXPECT_DOUBLE_EQ(sp, r.sp) << r.L;
    }
}

TEST(BarSpacing, WholeSpacingsAndRest)
{
    struct Row {
        double L, s;
        int result, n;
        double rest;
    };
    for (const Row& r : {
             Row{1000, 200, 1, 5, 0}, Row{1050, 200, 1, 5, 50},
             Row{999.999995, 200, 1, 5, 0}, // short of 1000 by less than the tolerance
             Row{150, 200, 1, 0, 150}, Row{0, 200, 1, 0, 0},
             Row{-3, 200, 0, 0, 0}, Row{1000, 0, 0, 0, 0}, Row{1000, -100, 0, 0, 0},
             Row{kNaN, 200, 0, 0, 0}, Row{1e300, 1e-300, 0, 0, 0},
         }) {
        int n = -1;
        double rest = -1;
        EXPECT_EQ(BJ2(r.L, 1e-5, r.s, n, rest), r.result) << r.L << " " << r.s;
        EXPECT_EQ(n, r.n) << r.L;
        EXPECT_DOUBLE_EQ(rest, r.rest) << r.L;
    }
}

TEST(BarSpacing, EndZoneRests)
{
    struct Row {
        double L, lower;
        int result, n, m;
        double rest;
    };
    for (const Row& r : {
             Row{1000, 80, 1, 10, 0, 0},   // evenly divided
             Row{1090, 80, 1, 10, 1, 90},  // a rest of 90 is not below 80
             Row{1050, 60, 1, 9, 2, 75},   // 50 joins a spacing: 150 in two of 75
             Row{1050, 80, 1, 9, 1, 150},  // two of 75 would be below 80: one of 150
             Row{70, 80, 1, 0, 1, 70},     // shorter than a spacing and the bound
             Row{0, 80, 1, 0, 0, 0}, Row{-20, 80, 1, 0, 0, 0}, Row{kNaN, 80, 0, 0, 0, 0},
         }) {
        int n = -1, m = -1;
        double rest = -1;
        EXPECT_EQ(BJ3(r.L, r.lower, 100, n, rest, m), r.result) << r.L;
        EXPECT_EQ(n, r.n) << r.L;
        EXPECT_EQ(m, r.m) << r.L;
        EXPECT_DOUBLE_EQ(rest, r.rest) << r.L;
    }
    int n = -1, m = -1;
    double rest = -1;
    EXPECT_EQ(BJ3(1000, 80, 0, n, rest, m), 0);
    EXPECT_EQ(n + m, 0);
    // Whatever the split, the zone is filled exactly.
    for (double L : {1010.0, 1079.0, 1080.0, 1099.0, 35.0}) {
        ASSERT_EQ(BJ3(L, 80, 100, n, rest, m), 1);
        EXPECT_NEAR(m * rest + n * 100.0, L, 1e-9) << L;
    }
}

TEST(BarSpacing, UniformLayoutAndSpanGap)
{
    struct Row {
        double L, e, s;
        int result, n;
        double sp;
    };
    for (const Row& r : {
             Row{1000, 50, 150, 1, 6, 50},   // 900 holds 6 spacings exactly
             Row{1000, 50, 200, 1, 4, 100},  // the 200 left is shared by both ends
             Row{100, 50, 100, 1, 0, 50},    // exactly the two ends
             Row{1000, -10, 300, 1, 3, 50},  // a negative end value counts as 0
             Row{80, 50, 100, 0, 0, 40},     // the ends cannot be kept
             Row{1000, 50, 0, 0, 0, 500}, Row{0, 50, 100, 0, 0, 0}, Row{-500, 50, 100, 0, 0, 0},
             Row{kNaN, 50, 100, 0, 0, 0},
         }) {
        int n = -1;
        double sp = -1;
        EXPECT_EQ(BJ4(r.L, r.e, r.s, n, sp), r.result) << r.L << " " << r.s;
        EXPECT_EQ(n, r.n) << r.L;
        EXPECT_DOUBLE_EQ(sp, r.sp) << r.L;
    }
    struct Gap {
        double g, upper, s;
        int result, n;
        double sp;
    };
    for (const Gap& r : {
             Gap{1050, 150, 100, 1, 8, 125}, // 890 holds 8 spacings, 250 left: 125 a side
             Gap{960, 150, 100, 1, 8, 80},   // evenly: the sides at the lower bound
             Gap{1050, 110, 100, 0, 8, 125}, // sides above the upper bound: reported
             Gap{150, 150, 100, 0, 0, 75},   // shorter than two lower bounds
             Gap{0, 150, 100, 0, 0, 0}, Gap{-40, 150, 100, 0, 0, 0}, Gap{1000, 150, 0, 0, 0, 500},
             Gap{1000, kNaN, 100, 0, 0, 500}, Gap{kInf, 150, 100, 0, 0, 0},
         }) {
        int n = -1;
        double sp = -1;
        EXPECT_EQ(BJ17(r.g, 80, r.upper, r.s, n, sp), r.result) << r.g << " " << r.upper;
        EXPECT_EQ(n, r.n) << r.g;
        EXPECT_DOUBLE_EQ(sp, r.sp) << r.g;
    }
}

TEST(BarSpacing, FramesAcrossTheBeam)
{
    const double zero = 0.0;
    struct Row {
        double w, min, spacing;
        int count, result;
        double s, as;
    };
    for (const Row& r : {
             Row{1700, 80, 1700.0 / 6, 4, 1, 280, 290}, // 7 frames: 4 x 280 and 290 a side
             Row{1200, 80, 300, 2, 1, 300, 300},        // already whole
             Row{420, 80, 84, 3, 1, 80, 90},            // 80 keeps the minimum of 80 ...
             Row{420, 82, 84, 3, 1, 84, 84},            // ... not one of 82: unrounded
             Row{1000, 80, 500, 0, 1, 500, 500},        // three frames
             Row{800, 80, 800, -1, 1, 800, 800},        // two frames
             Row{300, 80, 60, 2, 0, 60, 60},            // closer than the minimum
             Row{1000, 80, 1000 / zero, -2, 0, 0, 0},   // one frame: w / 0
             Row{0, 80, zero / zero, -2, 0, 0, 0},
         }) {
        double s = -1, as = -1;
        EXPECT_EQ(BJ16(r.w, r.min, r.spacing, r.count, s, as), r.result) << r.w << " " << r.count;
        EXPECT_DOUBLE_EQ(s, r.s) << r.w;
        EXPECT_DOUBLE_EQ(as, r.as) << r.w;
    }
}
