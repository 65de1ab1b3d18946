// CalAng: the angle at the middle of three points between its two legs.
#include "geometry/corner_angle.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

using KVDataCommon::CalAng;
constexpr double kPi = std::numbers::pi;

TEST(CornerAngle, StraightOnIsPi)
{
    EXPECT_NEAR(CalAng(0, 0, 1, 0, 2, 0), kPi, 1e-15);
    EXPECT_NEAR(CalAng(0, 0, 1000, 20, 2000, 40), kPi, 1e-12);
}

TEST(CornerAngle, RightAndObtuseCorners)
{
    EXPECT_NEAR(CalAng(0, 0, 1, 0, 1, 1), kPi / 2.0, 1e-15);
    EXPECT_NEAR(CalAng(0, 0, 1, 0, 1, -1), kPi / 2.0, 1e-15);   // either turn
    // Legs (-1000, 0) and (1000, 1000) make 135°.
    EXPECT_NEAR(CalAng(0, 0, 1000, 0, 2000, 1000), 3.0 * kPi / 4.0, 1e-15);
}

TEST(CornerAngle, TurningFullyBackIsZero)
{
    EXPECT_NEAR(CalAng(0, 0, 1, 0, 0, 0), 0.0, 1e-15);
}

TEST(CornerAngle, LegOfNoLengthMakesNoCorner)
{
    EXPECT_EQ(CalAng(1, 0, 1, 0, 2, 0), kPi);
    EXPECT_EQ(CalAng(0, 0, 1, 0, 1, 0), kPi);
}
