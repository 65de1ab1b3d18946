// KVDataCommon bar sizes: outer diameters, hook allowances, unit weights.
#include "common/bar_sizes.h"

#include <limits>
#include <numbers>

#include <gtest/gtest.h>

using namespace KVDataCommon;

namespace {
constexpr double kPi = std::numbers::pi;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kHPB300 = 1, kHRB335 = 2, kHRB400 = 3, kHRB500 = 4;
} // namespace

TEST(BarSizes, OuterDiameters)
{
    EXPECT_DOUBLE_EQ(wd(12.0, kHRB400), 13.9);
    EXPECT_DOUBLE_EQ(wd(16.0, kHRB400), 18.4);
    EXPECT_DOUBLE_EQ(wd(25.0, kHRB400), 28.4);
    EXPECT_DOUBLE_EQ(wd(28.0, kHRB335), 31.6);
    EXPECT_DOUBLE_EQ(wd(32.0, kHRB500), 35.8);
    EXPECT_DOUBLE_EQ(wd(25.0, kHPB300), 25.0); // plain: the nominal diameter
    EXPECT_DOUBLE_EQ(wd(12.0, 9), 13.9);       // an unknown type is taken as ribbed
    // 26 lies a third of the way from 25 (28.4) to 28 (31.6); beyond the table the nearest ratio.
    EXPECT_NEAR(wd(26.0, kHRB400), 28.4 + 3.2 / 3.0, 1e-12);
    EXPECT_NEAR(wd(60.0, kHRB400), 60.0 * 55.5 / 50.0, 1e-12);
    EXPECT_NEAR(wd(3.0, kHRB400), 3.5, 1e-12);
    for (double d : {0.0, -12.0, kNaN, std::numeric_limits<double>::infinity()}) EXPECT_EQ(wd(d, kHRB400), 0.0);
}

TEST(BarSizes, HookAllowances)
{
    // Semicircular hook of a plain bar, d 10, D 25: arc 17.5 pi + straight 30 - (12.5 + 10);
    // the familiar 6.25 d.
    EXPECT_NEAR(WG1(10.0, kHPB300, DEGRE_180), 17.5 * kPi + 7.5, 1e-9);
    EXPECT_NEAR(WG1(10.0, kHPB300, DEGRE_180) / 10.0, 6.25, 0.01);
    // HRB400, d 20, right angle: D 100, arc 60 pi / 2, straight 200, less 70.
    EXPECT_NEAR(WG2(20.0, kHRB400, DEGRE_90), 30.0 * kPi + 130.0, 1e-9);
    // HRB335, d 10, 135 degrees: D 40, arc 25 x 3 pi / 4, straight 50, less 30.
    EXPECT_NEAR(WG1(10.0, kHRB335, DEGRE_135), 18.75 * kPi + 20.0, 1e-9);
    // HRB500, d 10, right angle: D 60, arc 35 pi / 2, straight 100, less 40.
    EXPECT_NEAR(WG2(10.0, kHRB500, DEGRE_90), 17.5 * kPi + 60.0, 1e-9);
    // Stirrups: straight ends of 5 d. HRB400, d 10, 135 degrees: arc 30 x 3 pi / 4 + 50 - 35.
    EXPECT_NEAR(WG3(10.0, kHRB400, DEGRE_135), 22.5 * kPi + 15.0, 1e-9);
    // HPB300, d 8, right angle: D 20, arc 14 pi / 2, straight 40, less 18.
    EXPECT_NEAR(WG3(8.0, kHPB300, DEGRE_90), 7.0 * kPi + 22.0, 1e-9);
    EXPECT_NEAR(WG1(12.0, kHRB400, DEGRE_90) - WG3(12.0, kHRB400, DEGRE_90), 60.0, 1e-9);

    EXPECT_EQ(WG1(0.0, kHRB400, DEGRE_90), 0.0);
    EXPECT_EQ(WG2(-10.0, kHRB400, DEGRE_90), 0.0);
    EXPECT_EQ(WG3(kNaN, kHRB400, DEGRE_135), 0.0);
    EXPECT_EQ(WG3(10.0, kHRB400, static_cast<DEGRE>(7)), 0.0);
}

TEST(BarSizes, UnitWeights)
{
    EXPECT_NEAR(gjweight(25.0), 3.85625, 1e-12); // 0.00617 x 625
    EXPECT_NEAR(gjweight(10.0), 0.617, 1e-12);
    EXPECT_EQ(gjweight(0.0), 0.0);
    EXPECT_EQ(gjweight(-10.0), 0.0);
    EXPECT_EQ(gjweight(kNaN), 0.0);
}
