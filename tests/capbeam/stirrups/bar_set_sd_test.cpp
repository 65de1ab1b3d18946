// End-face bars "sd": position, edge distance, spacings on both end faces, length, hooks and mark.
#include "capbeam/stirrups/bar_set_steps_test_support.h"

#include "common/bar_sizes.h"
#include "host/report.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kTol = 1e-9;

// The plain cap beam with 12 mm plain end-face bars spaced 100 to 200; end faces 1200 and 1000.
class EndFaceBars : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReportLog::Current().Clear();
        SetUpPlainCapBeam(atom);
        atom.hXbr = 1000.0;
        atom.fDistribute = 1;
        atom.sd.type = 1;
        atom.sd.d = 12.0;
        atom.sd.Min = 100.0;
        atom.sd.Max = 200.0;
    }

    static double Hook() { return KVDataCommon::WG1(12.0, 1, KVDataCommon::DEGRE_90); }

    CPM001T0101Atom atom;
};

} // namespace

TEST_F(EndFaceBars, BarsOnBothEndFaces)
{
    ASSERT_EQ(RunSetsdData(atom), 1);
    const auto& sd = atom.sd;
    EXPECT_STREQ(sd.R, "7");
    EXPECT_EQ(atom.nMark, 7);
    // Inside the skeleton's end bars: 50 - (20 + 12) / 2.
    EXPECT_NEAR(sd.a, 34.0, kTol);
    // 60 + 10 + 6 = 76, rounded up to 80.
    EXPECT_NEAR(sd.a2, 80.0, kTol);
    // Left: 1200 - 160 = 1040 in 7 spacings of 148.57 (nearest to 150 within 100..200).
    EXPECT_EQ(sd.nsl, 7);
    EXPECT_NEAR(sd.sl, 1040.0 / 7.0, kTol);
    // Right: 1000 - 160 = 840 in 6 spacings of 140.
    EXPECT_EQ(sd.nsr, 6);
    EXPECT_NEAR(sd.sr, 140.0, kTol);
    EXPECT_EQ(sd.nl, 8);
    EXPECT_EQ(sd.nr, 7);
    EXPECT_EQ(sd.n, 15);
    // 2000 - 200 + 20 + 2 x 10 + 12 = 1852, rounded down to 1850.
    EXPECT_NEAR(sd.L, 1850.0, kTol);
    EXPECT_NEAR(sd.alf, 1.57079635, kTol);
    EXPECT_NEAR(sd.EL, Hook(), kTol);
    EXPECT_DOUBLE_EQ(sd.TL, std::floor(1850.0 + 2.0 * Hook() + 0.5));
    EXPECT_TRUE(ReportLog::Current().Entries().empty());
}

TEST_F(EndFaceBars, OutsideTheSkeletonByTheSameDistance)
{
    atom.fPosSdAndSt = 1;
    ASSERT_EQ(RunSetsdData(atom), 1);
    EXPECT_NEAR(atom.sd.a, 66.0, kTol);
}

TEST_F(EndFaceBars, EdgeDistanceIsRoundedUpToATen)
{
    // 32.5 + 10 + 5 = 47.5 becomes 50; 25 + 10 + 5 = 40 stays.
    atom.sd.d = 10.0;
    atom.st.ua = 32.5;
    ASSERT_EQ(RunSetsdData(atom), 1);
    EXPECT_NEAR(atom.sd.a2, 50.0, kTol);
    atom.st.ua = 25.0;
    ASSERT_EQ(RunSetsdData(atom), 1);
    EXPECT_NEAR(atom.sd.a2, 40.0, kTol);
}

TEST_F(EndFaceBars, LengthIsRoundedDown)
{
    // 1135.6 - 200 + 52 = 987.6 becomes 980.
    atom.lWg = 1135.6;
    ASSERT_EQ(RunSetsdData(atom), 1);
    EXPECT_NEAR(atom.sd.L, 980.0, kTol);
}

TEST_F(EndFaceBars, OnASkewedBeamTheBarsRunAlongTheSkew)
{
    atom.a = std::atan(0.75);
    ASSERT_EQ(RunSetsdData(atom), 1);
    // 1852 / 0.8 = 2315, rounded down to 2310; the plan angle is the constant less the skew.
    EXPECT_NEAR(atom.sd.L, 2310.0, kTol);
    EXPECT_NEAR(atom.sd.alf, 1.57079635 - std::atan(0.75), kTol);
}

TEST_F(EndFaceBars, SwitchedOffTheSetKeepsItsValuesAndTakesNoMark)
{
    atom.fDistribute = 0;
    atom.sd.n = 3;
    ASSERT_EQ(RunSetsdData(atom), 1);
    EXPECT_EQ(atom.nMark, 6);
    EXPECT_EQ(atom.sd.n, 3);
    EXPECT_STREQ(atom.sd.R, "");
}

TEST_F(EndFaceBars, TheSideFaceAndEndFaceBarsTakeTheNextMarksInTurn)
{
    atom.fCrossContour = 1;
    atom.sh.d = 12.0;
    atom.sh.Min = 80.0;
    atom.sh.s = 200.0;
    ASSERT_EQ(RunSetshData(atom), 1);
    ASSERT_EQ(RunSetsdData(atom), 1);
    EXPECT_STREQ(atom.sh.sh1_R, "7");
    EXPECT_STREQ(atom.sd.R, "8");
}
