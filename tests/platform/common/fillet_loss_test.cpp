// KVDataCommon::GetFilletLoss: the length correction at one bend.
#include "common/fillet_loss.h"

#include <cmath>
#include <limits>
#include <numbers>

#include <gtest/gtest.h>

using KVDataCommon::GetFilletLoss;

namespace {
constexpr double kPi = std::numbers::pi;
} // namespace

TEST(FilletLoss, ArcLessTwoTangentLegs)
{
    double loss = 1.0;
    EXPECT_EQ(GetFilletLoss(100.0, kPi / 2.0, loss), 1); // quarter turn: 100 pi / 2 - 2 x 100
    EXPECT_NEAR(loss, 50.0 * kPi - 200.0, 1e-9);
    EXPECT_EQ(GetFilletLoss(200.0, kPi / 3.0, loss), 1); // 60 degrees: legs 2 x 200 tan 30
    EXPECT_NEAR(loss, 200.0 * kPi / 3.0 - 400.0 / std::sqrt(3.0), 1e-9);
    EXPECT_EQ(GetFilletLoss(0.0, 1.0, loss), 1);
    EXPECT_EQ(loss, 0.0);
    for (double a = 0.0; a < kPi; a += 0.05) {
        ASSERT_EQ(GetFilletLoss(50.0, a, loss), 1);
        EXPECT_LE(loss, 0.0) << a; // a bend never lengthens the bar
    }
}

TEST(FilletLoss, NoFilletGivesZeroAndFails)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (auto [r, a] : {std::pair{100.0, kPi}, {100.0, 4.0}, {100.0, -0.5}, {-1.0, 1.0}, {nan, 1.0},
                        {100.0, nan}, {std::numeric_limits<double>::infinity(), 1.0}}) {
        double loss = 7.0;
        EXPECT_EQ(GetFilletLoss(r, a, loss), 0) << r << " " << a;
        EXPECT_EQ(loss, 0.0);
    }
}
