// Geometry queries of the cap-beam reinforcement object on a skewed cap beam worked by hand.
#include "capbeam/cap_beam_reinforcement.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kTol = 1e-9;

// A skewed cap beam with tan(a) = 0.25: cantilevers 1500 and 1600, column spacings 5000 and 6000,
// frames at -600, 0 and 600 across the beam.
class SkewedCapBeam : public ::testing::Test {
protected:
    void SetUp() override
    {
        atom.a = std::atan(0.25);
        atom.bBzl = 1500.0;
        atom.bBzr = 1600.0;
        atom.vP = 2000.0;
        atom.bBz.Add(5000.0);
        atom.bBz.Add(6000.0);
        atom.B = 3000.0;
        atom.dGZ3 = 1000.0;
        atom.D = 1200.0;
        atom.lRec = 1600.0;
        atom.FrameY.Add(-600.0);
        atom.FrameY.Add(0.0);
        atom.FrameY.Add(600.0);
        atom.hHgl = 2000.0;
        atom.st.ua = 60.0;
        atom.bAc = 6000.0;
    }

    CPM001T0101Atom atom;
};

} // namespace

TEST_F(SkewedCapBeam, CantileverAtAnOffsetFollowsTheSkew)
{
    // Left 1500 + 0.25 x 400 = 1600; right 1600 - 0.25 x 400 = 1500.
    EXPECT_NEAR(atom.GetXBCD(1, 400.0, 1), 1600.0, kTol);
    EXPECT_NEAR(atom.GetXBCD(0, 400.0, 1), 1500.0, kTol);
    EXPECT_NEAR(atom.GetXBCD(1, -400.0, 1), 1400.0, kTol);
}

TEST_F(SkewedCapBeam, CantileverAtTheBearingLineIsShiftedBackOverVp)
{
    atom.PMorPT = 1;
    // 1600 - 0.25 x 2000 = 1100 on the left; 1500 + 500 = 2000 on the right.
    EXPECT_NEAR(atom.GetXBCD(1, 400.0, 0), 1100.0, kTol);
    EXPECT_NEAR(atom.GetXBCD(0, 400.0, 0), 2000.0, kTol);
    // Skewed the other way over vP -2000, tan a = -0.25: the shift is -0.25 x -2000 = +500, so 1500 - 100 - 500 = 900
    // on the left and 1600 + 100 + 500 = 2200 on the right.
    atom.a = -std::atan(0.25), atom.vP = -2000.0;
    EXPECT_NEAR(atom.GetXBCD(1, 400.0, 0), 900.0, kTol);
    EXPECT_NEAR(atom.GetXBCD(0, 400.0, 0), 2200.0, kTol);
}

TEST_F(SkewedCapBeam, CantileverAtTheBearingLineOfAColumnPierUsesTheColumnOffset)
{
    atom.PMorPT = 0;
    atom.ColumnSectionType = 1;
    // Circular column D = 1200: d = (1000 - (3000 - 1200 - 1000)) / 2 = 100, shift 25.
    EXPECT_NEAR(atom.GetXBCD(1, 400.0, 0), 1575.0, kTol);
    EXPECT_NEAR(atom.GetXBCD(0, 400.0, 0), 1525.0, kTol);
    // Rectangular column lRec = 1600: d = (1000 - 400) / 2 = 300, shift 75.
    atom.ColumnSectionType = 0;
    EXPECT_NEAR(atom.GetXBCD(1, 400.0, 0), 1525.0, kTol);
    EXPECT_NEAR(atom.GetXBCD(0, 400.0, 0), 1575.0, kTol);
}

TEST(SkeletonLayout, LayModeZeroFollowsTheSkewEveryOtherStandsAcross)
{
    using Layout = CPM001T0101Atom::SkeletonLayout;
    EXPECT_EQ(CPM001T0101Atom::ChooseSkeletonLayout(0), Layout::AlongSkew);
    for (const int mode : {1, 2, -1}) EXPECT_EQ(CPM001T0101Atom::ChooseSkeletonLayout(mode), Layout::Across);
    CPM001T0101Atom atom;
    EXPECT_EQ(atom.GetSkeletonLayout(), Layout::AlongSkew);
    atom.st.fLayMode = 1;
    EXPECT_EQ(atom.GetSkeletonLayout(), Layout::Across);
}

TEST_F(SkewedCapBeam, SkeletonLayModeIgnoresTheSkewOfTheSkeletonQueryOnly)
{
    atom.st.fLayMode = 1;
    atom.PMorPT = 1;
    EXPECT_DOUBLE_EQ(atom.GetXBCD(1, 400.0, 0), 1500.0);
    EXPECT_DOUBLE_EQ(atom.GetXBCD(0, 400.0, 1), 1600.0);
    // The stirrup query looks only at the stirrups' lay mode.
    EXPECT_NEAR(atom.GetXBCD1(1, 400.0), 1600.0, kTol);
    EXPECT_NEAR(atom.GetXBCD1(0, 400.0), 1500.0, kTol);
}

TEST_F(SkewedCapBeam, StirrupCantileverByTheStirrupLayMode)
{
    EXPECT_NEAR(atom.GetXBCD1(1, -800.0), 1300.0, kTol);
    EXPECT_NEAR(atom.GetXBCD1(0, -800.0), 1800.0, kTol);
    atom.sg.fLayMode = 1;
    EXPECT_DOUBLE_EQ(atom.GetXBCD1(1, -800.0), 1500.0);
    EXPECT_DOUBLE_EQ(atom.GetXBCD1(0, -800.0), 1600.0);
}

TEST(CapBeamGeometry, WithoutSkewEveryCantileverIsTheGivenOne)
{
    CPM001T0101Atom atom;
    atom.bBzl = 1500.0;
    atom.bBzr = 1600.0;
    atom.vP = 2000.0;
    atom.PMorPT = 1;
    for (int mode : {0, 1}) {
        EXPECT_DOUBLE_EQ(atom.GetXBCD(1, 700.0, mode), 1500.0);
        EXPECT_DOUBLE_EQ(atom.GetXBCD(0, 700.0, mode), 1600.0);
    }
    EXPECT_DOUBLE_EQ(atom.GetXBCD1(1, 700.0), 1500.0);
    EXPECT_DOUBLE_EQ(atom.GetXBCD1(0, 700.0), 1600.0);
}

TEST_F(SkewedCapBeam, FramePositionOutOfRangeIsZero)
{
    EXPECT_DOUBLE_EQ(atom.GetFame_Y(0), -600.0);
    EXPECT_DOUBLE_EQ(atom.GetFame_Y(2), 600.0);
    EXPECT_DOUBLE_EQ(atom.GetFame_Y(3), 0.0);
    EXPECT_DOUBLE_EQ(atom.GetFame_Y(-1), 0.0);
    CPM001T0101Atom empty;
    EXPECT_DOUBLE_EQ(empty.GetFame_Y(0), 0.0);
}

TEST_F(SkewedCapBeam, ColumnLineStationAtAFrame)
{
    // Frame 0 at y = -600: left cantilever 1500 - 150 = 1350.
    EXPECT_NEAR(atom.GetFame_ZDX(0, 0), 1350.0, kTol);
    EXPECT_NEAR(atom.GetFame_ZDX(0, 0), atom.GetXBCD(1, atom.GetFame_Y(0), 1), kTol);
    // Column line 1 at frame 1 (y = 0): 1500 + 5000.
    EXPECT_NEAR(atom.GetFame_ZDX(1, 1), 6500.0, kTol);
    // The last column line at frame 2 (y = 600): 1650 + 11000.
    EXPECT_NEAR(atom.GetFame_ZDX(2, 2), 12650.0, kTol);
    // At an offset: 1500 - 100 + 11000.
    EXPECT_NEAR(atom.GetFame_ZDX1(2, -400.0), 12400.0, kTol);
    EXPECT_NEAR(atom.GetFame_ZDX1(0, 400.0), 1600.0, kTol);
}

TEST_F(SkewedCapBeam, ColumnLineBeyondTheLastAddsOnlyTheSpacingsThatExist)
{
    EXPECT_NEAR(atom.GetFame_ZDX(5, 1), 12500.0, kTol);
    EXPECT_NEAR(atom.GetFame_ZDX1(-1, 0.0), 1500.0, kTol);
}

TEST_F(SkewedCapBeam, TopBarLevelFallsWithTheCrossSlopes)
{
    atom.iLb = 0.02;
    atom.iRb = 0.01;
    // 2000 - 60 = 1940 at the crown; left of it 1940 - 5000 x 0.02; right 1940 - 2000 x 0.01.
    EXPECT_NEAR(atom.GetFame_XZ(6000.0), 1940.0, kTol);
    EXPECT_NEAR(atom.GetFame_XZ(1000.0), 1840.0, kTol);
    EXPECT_NEAR(atom.GetFame_XZ(8000.0), 1920.0, kTol);
}

TEST_F(SkewedCapBeam, TopBarLevelOfOneStraightSlopeIsConstant)
{
    atom.iLb = 0.02;
    atom.iRb = -0.02;
    for (double x : {0.0, 3000.0, 6000.0, 12000.0}) EXPECT_DOUBLE_EQ(atom.GetFame_XZ(x), 1940.0) << x;
}
