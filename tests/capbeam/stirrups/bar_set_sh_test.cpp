// Side-face bars "sh": level spacing, counts, full-length and shortened bars, hooks, marks and errors.
#include "capbeam/stirrups/bar_set_steps_test_support.h"

#include "common/bar_sizes.h"
#include "host/report.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kTol = 1e-9;

// The plain cap beam with 12 mm plain side-face bars aimed at a spacing of 200 (80 to 300).
class SideFaceBars : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReportLog::Current().Clear();
        SetUpPlainCapBeam(atom);
        atom.fCrossContour = 1;
        atom.sh.type = 1;
        atom.sh.d = 12.0;
        atom.sh.Min = 80.0;
        atom.sh.Max = 300.0;
        atom.sh.s = 200.0;
    }

    void UseTaperedEnds()
    {
        atom.bBpl = atom.bBpr = 1000.0;
        atom.hHpl = atom.hHpr = 600.0;
        SetTaperedOutline(atom);
    }

    // Top slopes 0.02 and 0.01 either side of the crown: the levels follow the two slopes.
    void UseTwoSlopes(double crown)
    {
        atom.fCrossContour = 0;
        atom.iLb = 0.02;
        atom.iRb = 0.01;
        atom.bAc = crown;
    }

    static double SemicircularHook() { return KVDataCommon::WG1(12.0, 1, KVDataCommon::DEGRE_180); }

    CPM001T0101Atom atom;
};

} // namespace

TEST_F(SideFaceBars, StraightLevelsOfASquareEndedBeam)
{
    // A square-ended beam's outline has four points only; none beyond them is read.
    atom.PYXTCJpa1.RemoveAll();
    for (int k = 0; k < 4; ++k) atom.PYXTCJpa1.Add(CDblPoint(1000.0 * k, 60.0));
    ASSERT_EQ(RunSetshData(atom), 1);
    const auto& sh = atom.sh;
    // Inside the stirrups: 100 - 20 / 2 - 10 - 12 / 2 = 74.
    EXPECT_NEAR(sh.a, 74.0, kTol);
    EXPECT_EQ(sh.fLayMode, 0);
    EXPECT_NEAR(sh.HL, 1800.0, kTol);
    EXPECT_NEAR(sh.HR, 1800.0, kTol);
    EXPECT_NEAR(sh.HM, 1800.0, kTol);
    // 1800 - 120 = 1680 with ends of at least 80: 7 x 200 and 140 at top and bottom.
    EXPECT_EQ(sh.ns, 7);
    EXPECT_NEAR(sh.as, 140.0, kTol);
    EXPECT_NEAR(sh.sl, 200.0, kTol);
    EXPECT_NEAR(sh.sr, 200.0, kTol);
    EXPECT_NEAR(sh.sm, 200.0, kTol);
    // End faces 1200: 2 x trunc((1200 - 120 - 280) / 200 + 1) = 10 full-length bars, 2 x 7 + 2 - 10 = 6 more.
    EXPECT_EQ(sh.sh1_n, 10);
    EXPECT_EQ(sh.sh2_n, 6);
    // 10000 - 2 x 50 + 20 + 12 = 9932.
    EXPECT_NEAR(sh.sh1_L, 9932.0, kTol);
    EXPECT_NEAR(sh.sh1_Lp, 9932.0, kTol);
    // Plain bars: semicircular hooks with a bend radius of 1.75 d.
    EXPECT_NEAR(sh.alf, 3.1415927, kTol);
    EXPECT_NEAR(sh.RG, 21.0, kTol);
    EXPECT_NEAR(sh.EL, SemicircularHook(), kTol);
    EXPECT_DOUBLE_EQ(sh.sh1_TL, std::floor(9932.0 + 2.0 * SemicircularHook() + 0.5));
    // The mark follows the last one given; no shortened bars: their lengths stay 0, and their cut
    // length is the two hooks alone: 2 x ((30 + 12) / 2 x pi + 3 x 12 - (15 + 12)) = 149.95 -> 150.
    EXPECT_STREQ(sh.sh1_R, "7");
    EXPECT_EQ(atom.nMark, 7);
    EXPECT_STREQ(sh.sh2_R, "");
    EXPECT_EQ(sh.sh2_L, 0.0);
    EXPECT_EQ(sh.sh2_Lp, 0.0);
    EXPECT_EQ(sh.sh2_TL, 150.0);
}

TEST_F(SideFaceBars, BarsInTheSkeletonPlaneWithRightAngleHooks)
{
    atom.fPosShAndSg = 1;
    atom.sh.type = 2;
    atom.sh.RG = 5.0;
    ASSERT_EQ(RunSetshData(atom), 1);
    EXPECT_NEAR(atom.sh.a, 100.0, kTol);
    EXPECT_NEAR(atom.sh.alf, 1.57079635, kTol);
    EXPECT_NEAR(atom.sh.RG, 5.0, kTol);
    EXPECT_NEAR(atom.sh.EL, KVDataCommon::WG1(12.0, 2, KVDataCommon::DEGRE_90), kTol);
}

TEST_F(SideFaceBars, LevelsAlongTwoTopSlopes)
{
    UseTwoSlopes(5000.0);
    ASSERT_EQ(RunSetshData(atom), 1);
    const auto& sh = atom.sh;
    EXPECT_EQ(sh.fLayMode, 1);
    // End heights 1800 - 5000 x 0.02 = 1700 and 1800 - 5000 x 0.01 = 1750.
    EXPECT_NEAR(sh.HL, 1700.0, kTol);
    EXPECT_NEAR(sh.HR, 1750.0, kTol);
    // 1680 at the crown in 8 equal spacings of 210 (nearest to 200 within 80..300); the ends in
    // 8 spacings too: 1580 / 8 and 1630 / 8.
    EXPECT_EQ(sh.ns, 8);
    EXPECT_NEAR(sh.sm, 210.0, kTol);
    EXPECT_NEAR(sh.sl, 197.5, kTol);
    EXPECT_NEAR(sh.sr, 203.75, kTol);
    // trunc(1080 / 197.5 + 0.5) - 1 = 4 and trunc(1080 / 203.75 + 0.5) - 1 = 4: 8 bars; 16 - 8 - 2 = 6.
    EXPECT_EQ(sh.sh1_n, 8);
    EXPECT_EQ(sh.sh2_n, 6);
    // Level 1: (50, 1442.5), (5000, 1530), (9950, 1486.25): 9900.97 + 32 -> 9933.
    // Level 4: (50, 850), (5000, 900), (9950, 875): 9900.32 + 32 -> 9932.
    EXPECT_NEAR(sh.sh1_Lp, 9933.0, kTol);
    EXPECT_NEAR(sh.sh1_L, 9932.0, kTol);
    EXPECT_DOUBLE_EQ(sh.sh1_TL, std::floor(9932.5 + 2.0 * SemicircularHook() + 0.5));
}

TEST_F(SideFaceBars, StraightLevelsCutByTaperedUndersides)
{
    UseTaperedEnds();
    ASSERT_EQ(RunSetshData(atom), 1);
    const auto& sh = atom.sh;
    // Underside at the end faces 660 - 600 = 60: 2 x trunc((1200 - 60 - 60 - 140) / 200 + 1) = 10.
    EXPECT_EQ(sh.sh1_n, 10);
    EXPECT_EQ(sh.sh2_n, 6);
    EXPECT_STREQ(sh.sh2_R, "7a");
    // Level 5 at 1740 - 1000 - 140 = 600 meets the slopes at x = 150 and 9850: 9700 + 32.
    EXPECT_NEAR(sh.sh2_Lp, 9732.0, kTol);
    // Level 7 at 200 meets them at 816.67 and 9183.33: 8366.67 + 32 -> 8399.
    EXPECT_NEAR(sh.sh2_L, 8399.0, kTol);
    EXPECT_DOUBLE_EQ(sh.sh2_TL, std::floor((8399.0 + 9732.0) / 2.0 + 2.0 * SemicircularHook() + 0.5));
}

TEST_F(SideFaceBars, AStraightLevelAboveTheSlopesEndsAtTheEndFaces)
{
    UseTaperedEnds();
    atom.hXbl = atom.hXbr = 700.0;
    ASSERT_EQ(RunSetshData(atom), 1);
    // 2 x trunc((700 - 60 - 60 - 140) / 200 + 1) = 6 full-length bars; level 3 at 1000 lies above
    // the slopes' upper ends (660): it ends on the end faces x = 50 and 9950.
    EXPECT_EQ(atom.sh.sh1_n, 6);
    EXPECT_EQ(atom.sh.sh2_n, 10);
    EXPECT_NEAR(atom.sh.sh2_Lp, 9932.0, kTol);
    EXPECT_NEAR(atom.sh.sh2_L, 8399.0, kTol);
}

TEST_F(SideFaceBars, LevelsAlongTwoSlopesCutByTaperedUndersides)
{
    UseTaperedEnds();
    UseTwoSlopes(5000.0);
    ASSERT_EQ(RunSetshData(atom), 1);
    const auto& sh = atom.sh;
    // trunc((1200 - 60 - 60) / 197.5) = 5, trunc(1080 / 203.75) = 5: 10 bars; 16 - 10 - 2 = 4.
    EXPECT_EQ(sh.sh1_n, 10);
    EXPECT_EQ(sh.sh2_n, 4);
    // Level 6: (0, 455) - (5000, 480) meets the left slope at x = 388.43, (5000, 480) - (10000,
    // 467.5) the right one at 9630.71; bent at the crown: 9242.0 + 32 -> 9274.
    EXPECT_NEAR(sh.sh2_Lp, 9274.0, kTol);
    // Level 7: meets them at 717.84 and 9291.06: 8573.2 + 32 -> 8605.
    EXPECT_NEAR(sh.sh2_L, 8605.0, kTol);
}

TEST_F(SideFaceBars, ACrownOverATaperedPartLeavesTheShortenedBarsStraight)
{
    UseTaperedEnds();
    UseTwoSlopes(300.0);
    ASSERT_EQ(RunSetshData(atom), 1);
    // Level 6 would meet the left slope at 349.6, beyond the crown at 300: the bar stays on the right
    // slope's line (480.75 - 0.0025 x), from 350.21 to 9611.20: 9261.0 + 32 -> 9293.
    EXPECT_NEAR(atom.sh.sh2_Lp, 9293.0, kTol);
    EXPECT_NEAR(atom.sh.sh2_L, 8612.0, kTol);
}

TEST_F(SideFaceBars, ACrownOverTheRightTaperedPartMirrorsIt)
{
    UseTaperedEnds();
    UseTwoSlopes(9700.0);
    atom.iLb = 0.01;
    atom.iRb = 0.02;
    ASSERT_EQ(RunSetshData(atom), 1);
    EXPECT_NEAR(atom.sh.sh2_Lp, 9293.0, kTol);
    EXPECT_NEAR(atom.sh.sh2_L, 8612.0, kTol);
}

TEST_F(SideFaceBars, ALevelThatMissesTheLeftSlopeEndsTheStep)
{
    UseTaperedEnds();
    // A level left slope runs parallel to the straight levels.
    atom.PYXTCJpa1[1].y = 60.0;
    EXPECT_EQ(RunSetshData(atom), 0);
    const auto& entries = ReportLog::Current().Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_STREQ(entries[0].message, "计算错误2008083101");
    // What was laid before stays; the shortened bars are not computed.
    EXPECT_EQ(atom.sh.sh1_n, 10);
    EXPECT_EQ(atom.sh.sh2_Lp, 0.0);
    EXPECT_EQ(atom.sh.sh1_TL, 0.0);
}

TEST_F(SideFaceBars, ALevelSpacingThatIsNotPositiveIsRefused)
{
    atom.sh.s = 0.0;
    EXPECT_EQ(RunSetshData(atom), 0);
    ASSERT_EQ(ReportLog::Current().Entries().size(), 1u);
    EXPECT_STREQ(ReportLog::Current().Entries()[0].message, "计算错误：侧面钢筋间距必须大于0，请检查");
    EXPECT_EQ(atom.nMark, 6);
}

// Beams too low for one level spacing: straight levels still lay the one level between the
// skeleton bars; levels along the slopes, which divide the end heights by the spaces, are refused.
// Tall tapered ends: the counts at the end faces reach no further than the levels there are.
TEST_F(SideFaceBars, LowBeamsAndTheLevelsTheyHold)
{
    struct Case {
        const char* name;
        double height;     // hHgl
        double endFaces;   // hXbl (and hXbr unless rightEnd is given)
        double ends;       // st_ua = st_da
        double least;      // sh_Min
        bool slopes;       // levels along two top slopes (layout 1)
        int done;
        int ns, n1, n2;
        const char* message;
        double spacing = 200.0;   // sh_s
        bool tapered = false;     // ends tapered over 1000 down to the end faces
        double rightEnd = 0.0;    // hXbr when not 0
        double shortened = 0.0;   // sh2_L = sh2_Lp
    };
    const Case cases[] = {
        // 450 - 120 = 330 holds no spacing of 200 with ends of 80 (330 - 160 = 170): one level,
        // as = 165; 2 x trunc((450 - 120 - 330) / 200 + 1) = 2, one bar per face; 2 x 0 + 2 - 2 = 0.
        {"450 mm cap", 450.0, 450.0, 60.0, 80.0, false, 1, 0, 2, 0, nullptr},
        // 400 - 320 = 80 is shorter than the ends 2 x 80: still the one level in the middle,
        // as = 40: 2 x trunc((400 - 320 - 80) / 200 + 1) = 2.
        {"ends closer than the least distance", 400.0, 400.0, 160.0, 80.0, false, 1, 0, 2, 0, nullptr},
        // The end faces 1200 of an 1800 beam with 850 + 850: one level, as = 50;
        // 2 x trunc((1200 - 1700 - 100) / 200 + 1) = -4: the end faces hold no bar.
        {"end faces below the level", 1800.0, 1200.0, 850.0, 80.0, false, 0, 0, 0, 0,
         "计算错误：梁端高度内无法布置侧面钢筋，PM001_T0101_sh1_n小于0，请检查"},
        // 1680 at a spacing of 150 with ends of at least 100: 9 x 150 and as = 165, 10 levels.
        // The underside at the end faces lies at the height of the taper's drop, so the counts
        // reach 1800 - 60 - 165 - k x 150 >= drop + 60. Drop 20: 2 x trunc((1780 - 60 - 60 - 165)
        // / 150 + 1) = 2 x trunc(10.97) = 20, every level; no level is shortened, none is measured.
        {"tapered ends 1780 high", 1800.0, 1780.0, 60.0, 100.0, false, 1, 9, 20, 0, nullptr, 150.0, true},
        // Drop 15 and 1: 2 x trunc(1500 / 150 + 1) = 22 and 2 x trunc(1514 / 150 + 1) = 22 count a
        // level below the lowest one (225 above the bottom): the 20 there are.
        {"tapered ends 1785 high", 1800.0, 1785.0, 60.0, 100.0, false, 1, 9, 20, 0, nullptr, 150.0, true},
        {"tapered ends 1799 high", 1800.0, 1799.0, 60.0, 100.0, false, 1, 9, 20, 0, nullptr, 150.0, true},
        // Drop 170: 2 x trunc(1345 / 150 + 1) = 18; the lowest level at 225 meets the slopes from
        // (50, 230) to (1050, 60) at 50 + 5 / 0.17 = 79.41 and 9920.59: 9841.18 + 32 -> 9873.
        {"tapered ends 1630 high", 1800.0, 1630.0, 60.0, 100.0, false, 1, 9, 18, 2, nullptr, 150.0, true, 0.0,
         9873.0},
        // One end 1799, the other 1630: the lower one counts 18; the lowest level lies above the
        // tall end's slope and ends on its end face: 9950 - 79.41 = 9870.59 + 32 -> 9903.
        {"tapered ends 1799 and 1630 high", 1800.0, 1799.0, 60.0, 100.0, false, 1, 9, 18, 2, nullptr, 150.0, true,
         1630.0, 9903.0},
        {"tapered ends 1630 and 1799 high", 1800.0, 1630.0, 60.0, 100.0, false, 1, 9, 18, 2, nullptr, 150.0, true,
         1799.0, 9903.0},
        // Along the slopes 0.0001 the ends are 1799.5 high: 1680 in 8 spacings of 210 at the crown,
        // 1679.5 / 8 = 209.9375 at the ends. End faces as high, over a taper of 0.5: trunc(1679.5 /
        // 209.9375) = 8 counts the bottom skeleton bar's level; the 7 inner levels are 14 bars.
        {"levels along the slopes, tapered ends as high", 1800.0, 1799.5, 60.0, 80.0, true, 1, 8, 14, 0, nullptr,
         200.0, true},
        // No height at all between the top and the bottom skeleton bars.
        {"no height between the skeleton bars", 1800.0, 1200.0, 900.0, 80.0, false, 0, 0, 0, 0,
         "计算错误：盖梁高度内无法布置侧面钢筋层，请检查"},
        // Along the slopes a least spacing of 0 divides 330 into no spacing: refused.
        {"no spacing along the slopes", 450.0, 450.0, 60.0, 0.0, true, 0, 0, 0, 0,
         "计算错误：盖梁高度内无法布置侧面钢筋层，请检查"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReportLog::Current().Clear();
        CPM001T0101Atom low;
        SetUpPlainCapBeam(low);
        low.fCrossContour = c.slopes ? 0 : 1;
        low.iLb = low.iRb = c.slopes ? 0.0001 : 0.0;
        low.hHgl = c.height;
        low.hXbl = low.hXbr = c.endFaces;
        low.st.ua = low.st.da = c.ends;
        low.sh = atom.sh;
        low.sh.Min = c.least;
        low.sh.s = c.spacing;
        if (c.tapered) {
            const double right = c.rightEnd != 0.0 ? c.rightEnd : c.endFaces;
            low.hXbr = right;
            low.bBpl = low.bBpr = 1000.0;
            low.hHpl = c.height - c.endFaces;
            low.hHpr = c.height - right;
            low.PYXTCJpa1.RemoveAll();
            for (auto [x, y] : {std::pair{50.0, c.height - c.ends}, {50.0, low.hHpl + c.ends}, {1050.0, c.ends},
                                {8950.0, c.ends}, {9950.0, low.hHpr + c.ends}, {9950.0, c.height - c.ends}})
                low.PYXTCJpa1.Add(CDblPoint(x, y));
        }
        EXPECT_EQ(RunSetshData(low), c.done);
        // A refused beam keeps the counts it had (0): no negative count is kept.
        EXPECT_EQ(low.sh.ns, c.ns);
        EXPECT_EQ(low.sh.sh1_n, c.n1);
        EXPECT_EQ(low.sh.sh2_n, c.n2);
        if (c.message == nullptr) {
            EXPECT_TRUE(ReportLog::Current().Entries().empty());
            EXPECT_NEAR(low.sh.sh1_L, 9932.0, kTol);
            EXPECT_NEAR(low.sh.sh2_Lp, c.shortened, kTol);
            EXPECT_NEAR(low.sh.sh2_L, c.shortened, kTol);
        } else {
            ASSERT_EQ(ReportLog::Current().Entries().size(), 1u);
            EXPECT_STREQ(ReportLog::Current().Entries()[0].message, c.message);
        }
    }
}

TEST_F(SideFaceBars, AnEndTooLowForTheLevelsIsRefused)
{
    // The left end 1800 - 5000 x 0.4 = -200 high.
    UseTwoSlopes(5000.0);
    atom.iLb = 0.4;
    EXPECT_EQ(RunSetshData(atom), 0);
    ASSERT_EQ(ReportLog::Current().Entries().size(), 1u);
    EXPECT_STREQ(ReportLog::Current().Entries()[0].message, "计算错误：盖梁端部高度内无法布置侧面钢筋层，请检查");
}

TEST_F(SideFaceBars, TaperedEndsNeedTheirWholeOutline)
{
    UseTaperedEnds();
    atom.PYXTCJpa1.RemoveAt(5);
    EXPECT_EQ(RunSetshData(atom), 0);
    ASSERT_EQ(ReportLog::Current().Entries().size(), 1u);
    EXPECT_STREQ(ReportLog::Current().Entries()[0].message,
                 "计算错误：变高度段的钢筋轮廓点不足，无法布置侧面钢筋，请检查");
}
