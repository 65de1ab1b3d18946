// Stirrup records of the stirrup groups: labels, legs, widths, hooks and cut lengths, worked by hand.
#include "capbeam/stirrups/bar_set_steps_test_support.h"

#include "common/bar_sizes.h"
#include "host/report.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kTol = 1e-9;

// Hook lengths of the 10 mm stirrup bar.
double Hook135Plain()
{
    return KVDataCommon::WG3(10.0, 1, KVDataCommon::DEGRE_135);
}

class StirrupRecords : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReportLog::Current().Clear();
        SetUpPlainCapBeam(atom);
    }

    // Unequal top slopes 0.02 left and 0.01 right of the crown.
    void UseUnequalSlopes(double crown)
    {
        atom.iLb = 0.02;
        atom.iRb = 0.01;
        atom.bAc = crown;
    }

    // Stirrups along the skew, uniform, one group, under tapered parts 1000 long rising 600; slopes as above.
    void UseUniformLayoutOverTaperedEnds(double crown)
    {
        UseUnequalSlopes(crown);
        AddGroups(atom, {{2, 3}});
        atom.sg.fenG = 0, atom.sg.fLayMode = 1;
        atom.bBpl = atom.bBpr = 1000.0, atom.hHpl = atom.hHpr = 600.0;
        SetTaperedOutline(atom);
    }

    CPM001T0101Atom atom;
};

} // namespace

TEST_F(StirrupRecords, GroupsOfANewWidthTakeTheNextLetterAndRepeatedWidthsRepeatTheLabel)
{
    // Widths 1800, 600, 600, 1200.
    AddGroups(atom, {{1, 4}, {2, 3}, {3, 4}, {1, 3}});
    ASSERT_EQ(RunSetsgData(atom), 1);
    const auto& sg1 = atom.sg.sg1;
    ASSERT_EQ(sg1.GetSize(), 4);
    EXPECT_STREQ(sg1[0].R, "7");
    EXPECT_STREQ(sg1[1].R, "7a");
    EXPECT_STREQ(sg1[2].R, "7a");
    EXPECT_STREQ(sg1[3].R, "7b");
    EXPECT_EQ(sg1[2].Nori, 3);
    EXPECT_EQ(sg1[2].Nend, 4);
    // One mark for the main stirrups; no tapered ends and no skew: no other kind.
    EXPECT_EQ(atom.nMark, 7);
    EXPECT_EQ(atom.sg.sg2.GetSize(), 0);
    EXPECT_EQ(atom.sg.sg3.GetSize(), 0);
}

TEST_F(StirrupRecords, NoStirrupGroupGivesNoRecordAndTakesNoMark)
{
    ASSERT_EQ(RunSetsgData(atom), 1);
    EXPECT_EQ(atom.sg.sg1.GetSize(), 0);
    EXPECT_EQ(atom.nMark, 6);
}

TEST_F(StirrupRecords, TwentyOneWidthsUseEveryLetter)
{
    atom.st.Frame.DeleteAll();
    for (int k = 0; k <= 21; ++k) AddFrames(atom, {10.0 * k});
    for (int k = 1; k <= 21; ++k) AddGroups(atom, {{1, k + 1}});
    ASSERT_EQ(RunSetsgData(atom), 1);
    EXPECT_STREQ(atom.sg.sg1[0].R, "7");
    EXPECT_STREQ(atom.sg.sg1[1].R, "7a");
    EXPECT_STREQ(atom.sg.sg1[20].R, "7t");
}

TEST_F(StirrupRecords, WidthsThatRoundToTheSameTenthShareALabel)
{
    atom.st.Frame.DeleteAll();
    AddFrames(atom, {0.0, 600.04, 600.0, 600.06});
    // 600.04 and 600.0 round to 6000 tenths, 600.06 to 6001.
    AddGroups(atom, {{1, 2}, {1, 3}, {1, 4}});
    ASSERT_EQ(RunSetsgData(atom), 1);
    EXPECT_STREQ(atom.sg.sg1[1].R, "7");
    EXPECT_STREQ(atom.sg.sg1[2].R, "7a");
}

TEST_F(StirrupRecords, LevelTopLegsWidthAndCutLength)
{
    AddGroups(atom, {{1, 4}, {2, 3}});
    ASSERT_EQ(RunSetsgData(atom), 1);
    const auto& sg = atom.sg;
    // 135-degree hooks: bend radius 2 d, hook of the stirrup's own steel.
    EXPECT_NEAR(sg.alf, 2.356194525, kTol);
    EXPECT_NEAR(sg.RG, 20.0, kTol);
    EXPECT_NEAR(sg.EL, Hook135Plain(), kTol);
    // Net height 1800 - 60 - 60 = 1680 everywhere, legs + 20 + 10.
    EXPECT_NEAR(sg.sg1[0].L1, 1710.0, kTol);
    EXPECT_NEAR(sg.sg1[0].L1p, 1710.0, kTol);
    // Widths 1800 and 600 between the frames, + 30.
    EXPECT_NEAR(sg.sg1[0].L2, 1830.0, kTol);
    EXPECT_NEAR(sg.sg1[1].L2, 630.0, kTol);
    // 1710 + 1710 + 2 x 1830 + 2 hooks, to the whole millimetre.
    EXPECT_DOUBLE_EQ(sg.sg1[0].TL, std::floor(7080.0 + 2.0 * Hook135Plain() + 0.5));
    EXPECT_DOUBLE_EQ(sg.sg1[1].TL, std::floor(4680.0 + 2.0 * Hook135Plain() + 0.5));
}

TEST_F(StirrupRecords, RightAngleHooksAreBentLikeTheEndFaceBars)
{
    AddGroups(atom, {{2, 3}});
    atom.sg.HookedTpye = 0;
    atom.sg.RG = 7.0;
    ASSERT_EQ(RunSetsgData(atom), 1);
    // The "sd" bars' steel (HRB400) decides the hook, not the stirrup's own (HPB300).
    const double hook = KVDataCommon::WG3(10.0, 3, KVDataCommon::DEGRE_90);
    ASSERT_NE(hook, KVDataCommon::WG3(10.0, 1, KVDataCommon::DEGRE_90));
    EXPECT_NEAR(atom.sg.alf, 1.57079635, kTol);
    EXPECT_NEAR(atom.sg.EL, hook, kTol);
    EXPECT_NEAR(atom.sg.RG, 7.0, kTol);
    EXPECT_DOUBLE_EQ(atom.sg.sg1[0].TL, std::floor(1710.0 + 1710.0 + 2.0 * 630.0 + 2.0 * hook + 0.5));
}

TEST_F(StirrupRecords, StirrupsAlongTheSkewAreWiderByTheSkew)
{
    AddGroups(atom, {{2, 3}});
    atom.sg.fLayMode = 1;
    atom.a = std::atan(0.25);
    ASSERT_EQ(RunSetsgData(atom), 1);
    // 630 / cos(a) = 630 x sqrt(1.0625) = 649.39, rounded to 649 in the cut length.
    EXPECT_NEAR(atom.sg.sg1[0].L2, 630.0 * std::sqrt(1.0625), 1e-9);
    EXPECT_DOUBLE_EQ(atom.sg.sg1[0].TL, std::floor(3420.0 + 2.0 * 649.0 + 2.0 * Hook135Plain() + 0.5));
    EXPECT_EQ(atom.sg.sg3.GetSize(), 0);
}

TEST_F(StirrupRecords, UnequalSlopesTakeTheLowerEndAndTheHigherStirrupAtTheCrown)
{
    AddGroups(atom, {{2, 3}});
    UseUnequalSlopes(5050.0);
    ASSERT_EQ(RunSetsgData(atom), 1);
    // Outermost stirrups 100 and 9900 (the end zones' stirrups at the end distance, 50 and 9950,
    // stand 50 < sg_Min 80 from them and are those stirrups): 1680 - 4950 x 0.02 = 1581 and
    // 1680 - 4850 x 0.01 = 1631.5.
    EXPECT_NEAR(atom.sg.sg1[0].L1, 1581.0 + 30.0, 1e-9);
    // From the first column at 2000: 5 x 100, 100, then 200s: 4800, 5000 | 5200 around the crown;
    // 1680 - 50 x 0.02 = 1679 and 1680 - 150 x 0.01 = 1678.5.
    EXPECT_NEAR(atom.sg.sg1[0].L1p, 1679.0 + 30.0, 1e-9);
}

TEST_F(StirrupRecords, CrownWalkTakesASingleGapSpanOnce)
{
    atom.nPier = 3;
    atom.bBz.RemoveAll();
    atom.bBz.Add(1200.0);
    atom.bBz.Add(6000.0);
    atom.bBg = 11200.0;
    atom.sg.lns2.Add(5);
    atom.sg.rns2.Add(5);
    AddGroups(atom, {{2, 3}});
    UseUnequalSlopes(3850.0);
    ASSERT_EQ(RunSetsgData(atom), 1);
    // Columns at 2000, 3200, 9200. From 2000: 500 densified, the 200 gap, 500 densified reach 3200;
    // 500 densified, the 100 rest: 3800; then 4000 passes the crown.
    // 1680 - 50 x 0.02 = 1679 at 3800, 1680 - 150 x 0.01 = 1678.5 at 4000.
    EXPECT_NEAR(atom.sg.sg1[0].L1p, 1679.0 + 30.0, 1e-9);
}

TEST_F(StirrupRecords, CrownOverTheLeftCantileverIsFoundWalkingFromTheColumn)
{
    AddGroups(atom, {{2, 3}});
    UseUnequalSlopes(1234.0);
    ASSERT_EQ(RunSetsgData(atom), 1);
    // From 2000 to the left: 5 x 100 to 1500, then 1300 | 1100 passes the crown at 1234.
    // 1680 - 66 x 0.01 = 1679.34 at 1300; 1680 - 134 x 0.02 = 1677.32 at 1100.
    EXPECT_NEAR(atom.sg.sg1[0].L1p, 1679.34 + 30.0, 1e-9);
}

TEST_F(StirrupRecords, UniformLayoutWalksItsOwnPositionsToTheCrown)
{
    AddGroups(atom, {{2, 3}});
    atom.sg.fenG = 0;
    atom.sg.fLayMode = 1;
    UseUnequalSlopes(5050.0);
    ASSERT_EQ(RunSetsgData(atom), 1);
    // Outermost stirrups at the end distance: 1680 - 5000 x 0.02 = 1580 and 1680 - 4900 x 0.01 = 1631.
    EXPECT_NEAR(atom.sg.sg1[0].L1, 1580.0 + 30.0, 1e-9);
    // Positions 200 + k x 200: 5000 | 5200 around the crown.
    EXPECT_NEAR(atom.sg.sg1[0].L1p, 1679.0 + 30.0, 1e-9);
}

TEST_F(StirrupRecords, TaperedEndsGetTheirOwnStirrupsWithLegsOverTheSlopes)
{
    AddGroups(atom, {{1, 4}, {2, 3}});
    atom.bBpl = atom.bBpr = 1000.0;
    atom.hHpl = atom.hHpr = 600.0;
    SetTaperedOutline(atom);
    ASSERT_EQ(RunSetsgData(atom), 1);
    const auto& sg = atom.sg;
    ASSERT_EQ(sg.sg2.GetSize(), 2);
    EXPECT_STREQ(sg.sg1[1].R, "7a");
    EXPECT_STREQ(sg.sg2[0].R, "8");
    EXPECT_STREQ(sg.sg2[1].R, "8a");
    EXPECT_EQ(atom.nMark, 8);
    // Outermost at 50: the slope line is at 660, the top bars at 1740: 1080 (+ 30).
    EXPECT_NEAR(sg.sg2[0].L1, 1110.0, 1e-9);
    // Innermost on the tapered part at 950: 660 - 0.6 x 900 = 120, so 1620 (+ 30).
    EXPECT_NEAR(sg.sg2[0].L1p, 1650.0, 1e-9);
    EXPECT_NEAR(sg.sg2[0].L2, 1830.0, kTol);
    EXPECT_DOUBLE_EQ(sg.sg2[0].TL, std::floor(1110.0 + 1650.0 + 3660.0 + 2.0 * Hook135Plain() + 0.5));
    // The main stirrups start beyond the tapered parts, at full height.
    EXPECT_NEAR(sg.sg1[0].L1, 1710.0, 1e-9);
}

// An end distance past the tapered parts' feet (1050): the outermost and the innermost stirrups
// the taper record holds stand on the level bottom, as high as the main stirrups: 1740 - 60 = 1680
// (+ 30), not the 1710 (+ 30) of the slope line carried on below the bottom to 1100.
TEST_F(StirrupRecords, StirrupsPastTheTaperStandOnTheLevelBottom)
{
    AddGroups(atom, {{1, 4}, {2, 3}});
    atom.bBpl = atom.bBpr = 1000.0;
    atom.hHpl = atom.hHpr = 600.0;
    atom.sg.a = 1100.0;
    SetTaperedOutline(atom);
    ASSERT_EQ(RunSetsgData(atom), 1);
    const auto& sg = atom.sg;
    ASSERT_EQ(sg.sg2.GetSize(), 2);
    EXPECT_NEAR(sg.sg2[0].L1, 1710.0, 1e-9);
    EXPECT_NEAR(sg.sg2[0].L1p, 1710.0, 1e-9);
    EXPECT_NEAR(sg.sg1[0].L1, 1710.0, 1e-9);
}

// One group under tapered parts 1000 long rising 600 (the bottom bars on 690 - 0.6 x from the left end to the kinks
// at 1050 and 8950, the top bars at 1740): the taper record's legs (+ 30) at its outermost and innermost stirrups.
TEST_F(StirrupRecords, ATaperRecordTakesItsLegsWhereTheStirrupsItHoldsStand)
{
    const auto expectLegs = [](const char* what, void (*setUp)(CPM001T0101Atom&), double L1, double L1p) {
        SCOPED_TRACE(what);
        CPM001T0101Atom beam;
        SetUpPlainCapBeam(beam), AddGroups(beam, {{2, 3}}), SetTaperedOutline(beam);
        beam.bBpl = beam.bBpr = 1000.0, beam.hHpl = beam.hHpr = 600.0, setUp(beam);
        ASSERT_EQ(RunSetsgData(beam), 1);
        EXPECT_NEAR(beam.sg.sg2[0].L1, L1 + 30.0, 1e-9);
        EXPECT_NEAR(beam.sg.sg2[0].L1p, L1p + 30.0, 1e-9);
    };
    // End distance 1400, 11 densified spacings: 2000 - 1100 = 900 (trunc((2000 - 1100 - 1050) / 200) = 0 normal) and
    // 1000: 1740 - 150 = 1590 and 1740 - 90 = 1650, not 1680 at 1400.
    expectLegs("densified zones reaching onto the tapered parts",
               [](auto& a) { a.sg.a = 1400.0, a.sg.lns2[0] = a.sg.rns2[1] = 11; }, 1590.0, 1650.0);
    // Cantilevers 1900 | 2000, 10 densified, slopes 0.02 | 0.01 about a crown at 1000: left 900 (1738 - 150 = 1588),
    // 1000 (1650); the right from its own column 1000 alone, 9000: 1740 - 80 - 90 = 1570 (900: 1659 - 150 = 1509).
    expectLegs("the right end's stirrups laid from its own column", [](auto& a) {
        a.bBzl = 1900.0, a.bBz[0] = 6100.0, a.sg.a = 1400.0, a.sg.lns2[0] = a.sg.rns2[1] = 10;
        a.iLb = 0.02, a.iRb = 0.01, a.bAc = 1000.0;
    }, 1570.0, 1650.0);
    // Uniform along the skew: BJ4(9900, 80, 200) = 48 x 200 + 150 at either end, 50, 200 + k x 200: trunc((1050 - 50 -
    // 150) / 200) + 2 = 6 per part to 1000: 1740 - 660 = 1080, 1650, whatever unlaid keys hold (10 x 130: 960).
    expectLegs("uniform, densified keys not laid", [](auto& a) {
        a.sg.fenG = 0, a.sg.fLayMode = 1, a.sg.s2 = 130.0, a.sg.lns2[0] = a.sg.rns2[1] = 10;
    }, 1080.0, 1650.0);
    // Densified along the skew, end distance 900: rests 2000 - 500 - 900 = 600 = 3 x 200, none left over; each part
    // holds trunc((1050 - 900) / 200) + 0 + 1 = 1, at 900: 1740 - (690 - 540) = 1590 for both legs.
    expectLegs("densified along the skew, one stirrup on each tapered part",
               [](auto& a) { a.sg.fLayMode = 1, a.sg.a = 900.0; }, 1590.0, 1590.0);
}

// Stirrups at 50, 200 + k x 200, 9950: the tapered parts' up to the bottom bars' kinks at 1050 and 8950, the main
// ones from 1200 to 8800. Around the crown stand taper stirrups (9400 | 9600): the main one nearest to it, at 8800, is
// 1740 - 700 x 0.02 - 60 = 1666 (1679 on a level bottom at 9600); the lowest at 1200: 1740 - 8300 x 0.02 - 60 = 1514.
TEST_F(StirrupRecords, CrownOverATaperedCantileverTakesTheMainStirrupNearestToIt)
{
    UseUniformLayoutOverTaperedEnds(9500.0);
    ASSERT_EQ(RunSetsgData(atom), 1);
    EXPECT_NEAR(atom.sg.sg1[0].L1p, 1666.0 + 30.0, 1e-9);
    EXPECT_NEAR(atom.sg.sg1[0].L1, 1514.0 + 30.0, 1e-9);
}

// The end distance 1500 past the tapered parts: uniform positions 1600 + k x 200 (the end offset 100), none on a
// tapered part, so that the taper record lays none. Its legs are those of stirrups at the end distance, 1740 - 3550 x
// 0.02 - 60 = 1609 and 1740 - 3450 x 0.01 - 60 = 1645.5, not the height at 1200 (1603) and 8800 (1642.5).
TEST_F(StirrupRecords, ATaperedPartThatLaysNoStirrupGivesLegsAtTheEndDistance)
{
    UseUniformLayoutOverTaperedEnds(5050.0);
    atom.sg.a = 1500.0;
    ASSERT_EQ(RunSetsgData(atom), 1);
    const auto& taper = atom.sg.sg2[0];
    EXPECT_EQ(taper.n, 0);
    EXPECT_NEAR(taper.L1, 1609.0 + 30.0, 1e-9);
    EXPECT_NEAR(taper.L1p, 1645.5 + 30.0, 1e-9);
}

TEST_F(StirrupRecords, SkewedEndsOfASquareLayoutGetStirrupsAlongTheSkew)
{
    AddGroups(atom, {{1, 4}, {2, 3}, {3, 4}});
    atom.sg.fenG = 0;
    atom.sg.a = 60.0;
    atom.a = std::atan(0.25);
    ASSERT_EQ(RunSetsgData(atom), 1);
    const auto& sg3 = atom.sg.sg3;
    ASSERT_EQ(sg3.GetSize(), 3);
    EXPECT_STREQ(sg3[0].R, "8");
    EXPECT_STREQ(sg3[1].R, "8a");
    EXPECT_STREQ(sg3[2].R, "8a");
    // Level top: both legs are the full net height.
    EXPECT_NEAR(sg3[1].L1, 1710.0, 1e-9);
    EXPECT_NEAR(sg3[1].L1p, 1710.0, 1e-9);
    // The main stirrups' width 630 laid along the skew: 649.39.
    EXPECT_NEAR(sg3[1].L2, 630.0 * std::sqrt(1.0625), 1e-9);
    EXPECT_DOUBLE_EQ(sg3[1].TL, std::floor(3420.0 + 2.0 * 649.0 + 2.0 * Hook135Plain() + 0.5));
}

TEST_F(StirrupRecords, AllThreeKindsTakeConsecutiveMarks)
{
    AddGroups(atom, {{2, 3}});
    atom.sg.fenG = 0;
    atom.sg.a = 60.0;
    atom.a = std::atan(0.25);
    atom.bBpl = atom.bBpr = 1000.0;
    atom.hHpl = atom.hHpr = 600.0;
    SetTaperedOutline(atom);
    ASSERT_EQ(RunSetsgData(atom), 1);
    EXPECT_STREQ(atom.sg.sg1[0].R, "7");
    EXPECT_STREQ(atom.sg.sg2[0].R, "8");
    EXPECT_STREQ(atom.sg.sg3[0].R, "9");
    EXPECT_EQ(atom.nMark, 9);
    // Under the tapered parts: outermost at 60 (654 on the slope, 1086 high), innermost at
    // 60 + 6 x 150 = 960 (114 on the slope, 1626 high).
    EXPECT_NEAR(atom.sg.sg2[0].L1, 1086.0 + 30.0, 1e-9);
    EXPECT_NEAR(atom.sg.sg2[0].L1p, 1626.0 + 30.0, 1e-9);
}

TEST_F(StirrupRecords, AProbeThatMissesTheSlopeEndsTheStepAfterTheMainRecord)
{
    AddGroups(atom, {{2, 3}});
    atom.bBpl = atom.bBpr = 1000.0;
    atom.hHpl = atom.hHpr = 600.0;
    SetTaperedOutline(atom);
    // A vertical left "slope" at its foot cannot meet the probe lines of the stirrups before it.
    atom.PYXTCJpa1[1].x = 1050.0;
    EXPECT_EQ(RunSetsgData(atom), 0);
    const auto& entries = ReportLog::Current().Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_STREQ(entries[0].message, "错误2006090101");
    // The main record of the group is kept.
    EXPECT_STREQ(atom.sg.sg1[0].R, "7");
    EXPECT_GT(atom.sg.sg1[0].TL, 0.0);
}
