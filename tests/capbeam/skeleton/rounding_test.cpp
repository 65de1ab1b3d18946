// Rounding routines of the skeleton on cases worked out by hand.
#include "capbeam/skeleton/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace CapBeamRounding;

namespace {

DblArray List(std::initializer_list<double> values)
{
    DblArray out;
    for (double v : values) out.Add(v);
    return out;
}

} // namespace

TEST(SkeletonRounding, WholeValuesAddAHalfAndTruncateTowardZero)
{
    DblArray v = List({2.5, 2.49, -2.7, -0.7, 0.5, -0.5, 1234.5});
    GetIntDbArray(v);
    ASSERT_EQ(v.GetSize(), 7);
    EXPECT_EQ(v[0], 3.0);
    EXPECT_EQ(v[1], 2.0);
    EXPECT_EQ(v[2], -2.0);    // -2.7 + 0.5 = -2.2 -> -2
    EXPECT_EQ(v[3], 0.0);     // -0.7 + 0.5 = -0.2 -> 0
    EXPECT_EQ(v[4], 1.0);
    EXPECT_EQ(v[5], 0.0);
    EXPECT_EQ(v[6], 1235.0);

    DblArray empty;
    GetIntDbArray(empty);
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(SkeletonRounding, ScaledWholeValuesSizeTheTargetToTheSource)
{
    const DblArray source = List({12.34, 7.26});
    DblArray target = List({1.0, 2.0, 3.0, 4.0});
    GetIntDbAr(source, target, 1);
    ASSERT_EQ(target.GetSize(), 2);
    EXPECT_EQ(target[0], 123.0);   // 123.4 + 0.5 -> 123
    EXPECT_EQ(target[1], 73.0);    // 72.6 + 0.5 -> 73
    EXPECT_EQ(source[0], 12.34);
    EXPECT_EQ(source[1], 7.26);

    GetIntDbAr(DblArray(), target, 1);
    EXPECT_TRUE(target.IsEmpty());

    DblArray same = List({0.25, -0.36});
    GetIntDbAr(same, same, 1);     // 2.5 -> 3; -3.6 + 0.5 = -3.1 -> -3
    EXPECT_EQ(same[0], 3.0);
    EXPECT_EQ(same[1], -3.0);
}

TEST(SkeletonRounding, ScaleIsTenToTheGivenPower)
{
    DblArray target;
    GetIntDbAr(List({2.5}), target, 0);            // no scaling
    EXPECT_EQ(target[0], 3.0);
    GetIntDbAr(List({0.0456}), target, 3);         // 45.6 + 0.5 -> 46
    EXPECT_EQ(target[0], 46.0);
    GetIntDbAr(List({1234.0}), target, -1);        // 123.4 + 0.5 -> 123
    EXPECT_EQ(target[0], 123.0);
}

TEST(SkeletonRounding, ValueToDecimals)
{
    EXPECT_DOUBLE_EQ(GetInt(3.14159, 2), 3.14);    // 314.159 + 0.5 -> 314, / 100
    EXPECT_DOUBLE_EQ(GetInt(2.675, 1), 2.7);       // 26.75 + 0.5 -> 27, / 10
    EXPECT_DOUBLE_EQ(GetInt(-2.7, 0), -2.0);
    EXPECT_DOUBLE_EQ(GetInt(1234.5, -2), 1200.0);  // 12.345 + 0.5 -> 12, x 100
    EXPECT_DOUBLE_EQ(GetInt(-0.04, 1), 0.0);       // -0.4 + 0.5 -> 0
}

TEST(SkeletonRounding, ValuesOutsideTheIntegerRangeAndExtremePowersStayDefined)
{
    EXPECT_EQ(RoundWhole(3e9 + 0.7), 3000000001.0);
    EXPECT_EQ(RoundWhole(-3e9 - 0.7), -3000000000.0);   // -3000000000.2 -> toward zero
    DblArray target;
    GetIntDbAr(List({5.0}), target, std::numeric_limits<int>::min());   // 10^-huge is 0
    EXPECT_EQ(target[0], 0.0);
    EXPECT_TRUE(std::isnan(GetInt(std::numeric_limits<double>::quiet_NaN(), 1)));
}

// loss = r (a - 2 tan(a / 2)): the arc r a replaces the two tangent legs r tan(a / 2) each.
TEST(SkeletonRounding, FilletLossOfABend)
{
    double loss = 99.0;
    // Quarter turn, r = 10: 10 (1.5707963 - 2 x 1) = -4.2920367.
    EXPECT_EQ(GetFilletLoss1(10.0, 1.5707963267948966, loss), 1);
    EXPECT_NEAR(loss, -4.2920367, 1e-7);
    // 60 degrees, r = 200: tan 30 = 0.5773503; 200 (1.0471976 - 1.1547005) = -21.5005974.
    EXPECT_EQ(GetFilletLoss1(200.0, 1.0471975511965976, loss), 1);
    EXPECT_NEAR(loss, -21.5005974, 1e-6);
    // The sign of the angle is dropped: -1.2 counts as 1.2. tan 0.6 = 0.6841368;
    // 100 (1.2 - 1.3682736) = -16.8273617.
    double negative = 0.0;
    double positive = 0.0;
    EXPECT_EQ(GetFilletLoss1(100.0, -1.2, negative), 1);
    EXPECT_EQ(GetFilletLoss1(100.0, 1.2, positive), 1);
    EXPECT_NEAR(negative, -16.8273617, 1e-6);
    EXPECT_EQ(negative, positive);
    // A straight run or a sharp corner loses nothing.
    EXPECT_EQ(GetFilletLoss1(100.0, 0.0, loss), 1);
    EXPECT_EQ(loss, 0.0);
    EXPECT_EQ(GetFilletLoss1(0.0, 1.0, loss), 1);
    EXPECT_EQ(loss, 0.0);
}

TEST(SkeletonRounding, BendsWithoutAFilletGiveZeroAndFail)
{
    for (auto [r, a] : {std::pair{-1.0, 1.0}, std::pair{10.0, 3.1415926535897931}, std::pair{10.0, 4.0},
                        std::pair{std::numeric_limits<double>::infinity(), 1.0},
                        std::pair{10.0, std::numeric_limits<double>::quiet_NaN()}}) {
        double loss = 7.0;
        EXPECT_EQ(GetFilletLoss1(r, a, loss), 0) << r << " " << a;
        EXPECT_EQ(loss, 0.0);
    }
}
