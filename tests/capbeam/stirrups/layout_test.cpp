// Stirrup zones along the cap beam: densified, skewed-densified and uniform layouts, worked by hand.
#include "capbeam/stirrups/bar_set_steps_test_support.h"

#include "capbeam/stirrups/laid_stirrups.h"

#include "common/bar_sizes.h"
#include "host/report.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kTol = 1e-9;

class StirrupLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReportLog::Current().Clear();
        SetUpPlainCapBeam(atom);
        AddGroups(atom, {{1, 4}});
    }

    int Count(ReportEntry::Kind kind) const { return ReportLog::Current().Count(kind); }

    CPM001T0101Atom atom;
};

// Three columns, the first span no longer than one normal spacing once the densified zones are set.
void UseShortFirstSpan(CPM001T0101Atom& atom)
{
    atom.nPier = 3;
    atom.bBz.RemoveAll();
    atom.bBz.Add(1200.0);
    atom.bBz.Add(6000.0);
    atom.bBg = 11200.0;
    atom.sg.lns2.Add(5);
    atom.sg.rns2.Add(5);
}

} // namespace

TEST_F(StirrupLayout, DensifiedZonesFillTheBeamBetweenTheOutermostStirrups)
{
    ASSERT_EQ(RunSetsgData(atom), 1);
    const auto& sg = atom.sg;
    // Cantilever: (2000 - 5 x 100 - 50) / 200 = 7.25 -> 7 normal spacings, 100 left at the end.
    ASSERT_EQ(sg.ns.GetSize(), 3);
    EXPECT_EQ(sg.ns[0], 7);
    EXPECT_EQ(sg.ns[2], 7);
    // Span gap 6000 - 2 x 500 = 5000: 24 spacings of 200 and a rest of 100 at either side.
    EXPECT_EQ(sg.ns[1], 24);
    ASSERT_EQ(sg.as.GetSize(), 1);
    EXPECT_NEAR(sg.as[0], 100.0, kTol);
    EXPECT_EQ(sg.asType[0], 2);
    // End zone of 100 beyond the normal stirrups: no spacing of 150, a rest of 50.
    EXPECT_EQ(sg.lns3, 0);
    EXPECT_EQ(sg.rns3, 0);
    EXPECT_EQ(sg.lXBns2, 0);
    EXPECT_NEAR(sg.TBL, 50.0, kTol);
    EXPECT_NEAR(sg.TBR, 50.0, kTol);

    // From the outermost stirrup at 100 to the one at 9900 the zones add up exactly.
    const double laid = sg.ns[0] * sg.s + (sg.lns2[0] + sg.rns2[0]) * sg.s2 + 2.0 * sg.as[0] + sg.ns[1] * sg.s +
                        (sg.lns2[1] + sg.rns2[1]) * sg.s2 + sg.ns[2] * sg.s;
    EXPECT_NEAR(laid, 9900.0 - 100.0, kTol);
    // 60 spacings, 61 stirrups from 100 to 9900. The end zones' stirrups at the end distance (50
    // and 9950) stand 50 < sg_Min 80 from the outermost ones: they are those stirrups. 61 main
    // stirrups, the beam has no other stirrup record.
    EXPECT_EQ(sg.sg1[0].n, 61);
    EXPECT_EQ(sg.sg2.GetSize(), 0);
    EXPECT_EQ(sg.sg3.GetSize(), 0);
    EXPECT_EQ(Count(ReportEntry::Error), 0);
}

TEST_F(StirrupLayout, ASpanOfOneGapHasOneRestSpacing)
{
    UseShortFirstSpan(atom);
    ASSERT_EQ(RunSetsgData(atom), 1);
    const auto& sg = atom.sg;
    // First gap 1200 - 500 - 500 = 200 is not longer than one spacing: it stays one gap.
    ASSERT_EQ(sg.ns.GetSize(), 4);
    EXPECT_EQ(sg.ns[1], 0);
    EXPECT_NEAR(sg.as[0], 200.0, kTol);
    EXPECT_EQ(sg.asType[0], 1);
    EXPECT_EQ(sg.ns[2], 24);
    EXPECT_NEAR(sg.as[1], 100.0, kTol);
    EXPECT_EQ(sg.asType[1], 2);
    // Spacings: 7 + 10 + 1 + 10 + 1 + 24 + 1 + 10 + 7 = 71, so 72 stirrups from 100 to 11100;
    // the end zones' stirrups at 50 and 11150 are the outermost of them (50 < sg_Min 80): 72.
    EXPECT_EQ(sg.sg1[0].n, 72);
}

TEST_F(StirrupLayout, AnOuterRestAtTheEndDistanceGivesUpANormalSpacing)
{
    atom.bBzl = 1950.0;
    ASSERT_EQ(RunSetsgData(atom), 1);
    // (1950 - 500 - 50) / 200 = 7 exactly: the outer rest would be 50 = a, so one spacing goes.
    EXPECT_EQ(atom.sg.ns[0], 6);
    EXPECT_EQ(atom.sg.lns2[0], 5);
    EXPECT_EQ(Count(ReportEntry::Error), 0);
}

TEST_F(StirrupLayout, AnOuterRestAtTheEndDistanceGivesUpADensifiedSpacingWhenNoNormalOne)
{
    atom.bBzl = 550.0;
    ASSERT_EQ(RunSetsgData(atom), 1);
    // (550 - 500 - 50) / 200 = 0; the rest 50 = a: one densified spacing is given up.
    EXPECT_EQ(atom.sg.ns[0], 0);
    EXPECT_EQ(atom.sg.lns2[0], 4);
    // The end zone 550 - 400 = 150 then takes one densified spacing (150 - 50 = 100) exactly.
    EXPECT_EQ(atom.sg.lns3, 0);
    EXPECT_EQ(atom.sg.lXBns2, 1);
    EXPECT_NEAR(atom.sg.TBL, 0.0, kTol);
    // Counted again from the 4 it stores, (550 - 400 - 50) / 200 = 0.5: the stored layout is sound.
    EXPECT_TRUE(CapBeamStirrups::FindOverfullCantilevers(atom, atom.PYXTCJpa1).empty());
}

TEST_F(StirrupLayout, TooManyDensifiedSpacingsOnACantileverAreReportedAndTheLayoutGoesOn)
{
    atom.bBzl = 300.0;
    atom.bBzr = 300.0;
    ASSERT_EQ(RunSetsgData(atom), 1);
    EXPECT_EQ(atom.sg.ns[0], 0);
    EXPECT_EQ(atom.sg.ns[2], 0);
    const auto& entries = ReportLog::Current().Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_STREQ(entries[0].message, "可能最左侧支承线左侧给定的箍筋加密间距数过大,请检查");
    EXPECT_STREQ(entries[1].message, "可能最右侧支承线右侧给定的箍筋加密间距数过大，请检查");
    EXPECT_EQ(entries[0].kind, ReportEntry::Error);
    EXPECT_EQ(atom.sg.sg1.GetSize(), 1);

    // Counted again from the stored layout, the right cantilever made 350: (300 - 5 x 100 - 50) / 200
    // = -1.25, (350 - 550) / 200 = -1 exactly; n x 100 below 300 - 50 + 200 = 450 and 500 leaves 4.
    atom.bBzr = 350.0;
    auto overfull = CapBeamStirrups::FindOverfullCantilevers(atom, atom.PYXTCJpa1);
    ASSERT_EQ(overfull.size(), 2u);
    EXPECT_EQ(overfull[1].end, CapBeamStirrups::BeamEnd::Right);
    EXPECT_EQ(overfull[1].dense, 5);
    EXPECT_EQ(overfull[0].most, 4);
    EXPECT_EQ(overfull[1].most, 4);
    EXPECT_NEAR(overfull[0].room, 300.0, kTol);
    EXPECT_NEAR(overfull[1].room, 350.0, kTol);
    EXPECT_NEAR(overfull[1].endPart, 50.0, kTol);
    // Along a skew of tan 0.1 a pier's design reads its cantilevers at the bearings, over vP 1000 the
    // left one 100 shorter and the right one 100 longer than stored: the left 500 reads 400 - 0.1 x
    // 900 = 310 at the inner edges, (310 - 550) / 200 = -1.2; the right 350 reads 450 - 90 = 360,
    // (360 - 550) / 200 = -0.95 counts 0. n x 100 < 310 - 50 + 200 = 460 leaves 4.
    atom.a = std::atan(0.1);
    atom.vP = 1000.0;
    atom.PMorPT = 1;
    atom.bBzl = 500.0;
    overfull = CapBeamStirrups::FindOverfullCantilevers(atom, atom.PYXTCJpa1);
    ASSERT_EQ(overfull.size(), 1u);
    EXPECT_NEAR(overfull[0].room, 310.0, 1e-6);
    EXPECT_EQ(overfull[0].most, 4);
    EXPECT_EQ(atom.bBzl, 500.0);
}

TEST_F(StirrupLayout, SkewedDensifiedEndZonesAreSplitIntoRestSpacings)
{
    atom.sg.fLayMode = 1;
    atom.a = std::atan(0.25);
    ASSERT_EQ(RunSetsgData(atom), 1);
    const auto& sg = atom.sg;
    // End zone 2000 - 500 - 50 = 1450: 7 x 200 leaves 50 < 80, so one spacing joins it and the
    // 250 is split into two rests of 125: 2 x 125 + 6 x 200.
    ASSERT_EQ(sg.ns.GetSize(), 3);
    EXPECT_EQ(sg.ns[0], 6);
    EXPECT_EQ(sg.nasl, 2);
    EXPECT_NEAR(sg.as[0], 125.0, kTol);
    EXPECT_EQ(sg.asType[0], 1);
    EXPECT_EQ(sg.ns[1], 24);
    EXPECT_NEAR(sg.as[1], 100.0, kTol);
    EXPECT_EQ(sg.asType[1], 2);
    EXPECT_EQ(sg.ns[2], 6);
    EXPECT_EQ(sg.nasr, 2);
    EXPECT_NEAR(sg.as[2], 125.0, kTol);
    // Spacings 2 + 6 + 5 + 5 + 1 + 24 + 1 + 5 + 5 + 6 + 2 = 62: 63 stirrups.
    EXPECT_EQ(sg.sg1[0].n, 63);
    EXPECT_EQ(Count(ReportEntry::Warning), 0);
}

TEST_F(StirrupLayout, SkewedDensifiedLayoutOnOneColumnCountsBothEndZones)
{
    atom.sg.fLayMode = 1;
    atom.nPier = 1;
    atom.bBz.RemoveAll();
    atom.bBzl = 1000.0;
    atom.bBzr = 1000.0;
    atom.bBg = 2000.0;
    ASSERT_EQ(RunSetsgData(atom), 1);
    // Each side: 1000 - 500 - 50 = 450 = 2 x 200 + 50; the 50 joins a spacing: 1 x 200 + 2 x 125.
    ASSERT_EQ(atom.sg.ns.GetSize(), 2);
    EXPECT_EQ(atom.sg.ns[0], 1);
    EXPECT_EQ(atom.sg.nasl, 2);
    EXPECT_EQ(atom.sg.ns[1], 1);
    EXPECT_EQ(atom.sg.nasr, 2);
    // Spacings 2 + 1 + 5 + 5 + 1 + 2 = 16: 17 stirrups.
    EXPECT_EQ(atom.sg.sg1[0].n, 17);
}

TEST_F(StirrupLayout, SkewedDensifiedEndRestBelowTheMinimumGivesUpDensifiedSpacingsWithAWarning)
{
    atom.sg.fLayMode = 1;
    atom.bBzl = 600.0;
    ASSERT_EQ(RunSetsgData(atom), 1);
    // 600 - 500 - 50 = 50 < 80: one densified spacing less gives 150, one rest spacing.
    EXPECT_EQ(atom.sg.lns2[0], 4);
    EXPECT_EQ(atom.sg.ns[0], 0);
    EXPECT_EQ(atom.sg.nasl, 1);
    EXPECT_NEAR(atom.sg.as[0], 150.0, kTol);
    const auto& entries = ReportLog::Current().Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].kind, ReportEntry::Warning);
    EXPECT_STREQ(entries[0].message, "第一个支承线左侧的箍筋加密钢筋过多，系统进行了自动处理！");
}

TEST_F(StirrupLayout, DensifiedSpacingsAreNeverGivenUpBelowNone)
{
    atom.sg.fLayMode = 1;
    atom.bBzr = 100.0;
    atom.sg.rns2[1] = 2;
    ASSERT_EQ(RunSetsgData(atom), 1);
    // 100 - 200 - 50 = -150, then -50, then 50 with no densified spacing left: two warnings, and
    // the count stops at 0 although the rest is still below 80.
    EXPECT_EQ(atom.sg.rns2[1], 0);
    EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Warning), 2);
    EXPECT_STREQ(ReportLog::Current().Entries()[0].message, "最后一个支承线右侧的箍筋加密钢筋过多，系统进行了自动处理！");
    EXPECT_EQ(atom.sg.nasr, 1);
    EXPECT_NEAR(atom.sg.as[2], 50.0, kTol);
}

TEST_F(StirrupLayout, UniformSkewedLayoutAddsTheTwoEndStirrups)
{
    atom.sg.fenG = 0;
    atom.sg.fLayMode = 1;
    ASSERT_EQ(RunSetsgData(atom), 1);
    // 10000 - 2 x 50 = 9900 with ends of at least 80: 48 x 200 and 150 at either end.
    EXPECT_EQ(atom.sg.nAns, 48);
    EXPECT_NEAR(atom.sg.Aas, 150.0, kTol);
    EXPECT_EQ(atom.sg.sg1[0].n, 51);
    EXPECT_EQ(atom.sg.ns.GetSize(), 0);
}

TEST_F(StirrupLayout, UniformSquareLayoutOfASkewedBeamLeavesTheSkewedEndsToEndZones)
{
    atom.sg.fenG = 0;
    atom.sg.a = 60.0;
    atom.a = std::atan(0.25);
    ASSERT_EQ(RunSetsgData(atom), 1);
    const auto& sg = atom.sg;
    // 10000 - 0.25 x 2000 = 9500 with ends of at least a = 60: 46 x 200 and 150 at either end.
    EXPECT_EQ(sg.nAns, 46);
    EXPECT_NEAR(sg.b, 150.0, kTol);
    EXPECT_NEAR(sg.bMid, 0.25 * 2000.0 / 2.0 + 150.0, kTol);
    // End zones: (0.25 x 1900 + 150 - 60) / 150 = 3.77 -> 3 spacings of 150.
    EXPECT_EQ(sg.lns3, 3);
    EXPECT_EQ(sg.rns3, 3);
    EXPECT_EQ(sg.sg1[0].n, 47);
    ASSERT_EQ(sg.sg3.GetSize(), 1);
    EXPECT_EQ(sg.sg3[0].nl, 4);
    EXPECT_EQ(sg.sg3[0].nr, 4);
    EXPECT_EQ(sg.sg3[0].n, 8);
}

TEST_F(StirrupLayout, UniformSquareLayoutWithTaperedEndsKeeps50FromTheTaperedParts)
{
    atom.sg.fenG = 0;
    atom.sg.a = 60.0;
    atom.a = std::atan(0.25);
    atom.bBpl = atom.bBpr = 1000.0;
    atom.hHpl = atom.hHpr = 600.0;
    SetTaperedOutline(atom);
    ASSERT_EQ(RunSetsgData(atom), 1);
    const auto& sg = atom.sg;
    // 10000 - 2 x 1000 - 500 = 7500 with ends of at least 50: 37 x 200 and 50 at either end.
    EXPECT_EQ(sg.nAns, 37);
    EXPECT_NEAR(sg.b, 50.0, kTol);
    // (475 + 50 + 1000 - 60) / 150 = 9.77 -> 9.
    EXPECT_EQ(sg.lns3, 9);
    EXPECT_EQ(sg.sg1[0].n, 38);
    // Tapered parts of 1050: (1050 - 60) / 150 = 6.6 -> 7 stirrups each.
    ASSERT_EQ(sg.sg2.GetSize(), 1);
    EXPECT_EQ(sg.sg2[0].nl, 7);
    EXPECT_EQ(sg.sg2[0].nr, 7);
    EXPECT_EQ(sg.sg2[0].n, 14);
    // The end zones' stirrups beyond them: 9 - 6 = 3 each.
    ASSERT_EQ(sg.sg3.GetSize(), 1);
    EXPECT_EQ(sg.sg3[0].nl, 3);
    EXPECT_EQ(sg.sg3[0].nr, 3);
}

TEST_F(StirrupLayout, DensifiedSquareLayoutWithTaperedEndsCountsTheStirrupsOnTheTaperedParts)
{
    atom.bBpl = atom.bBpr = 1000.0;
    atom.hHpl = atom.hHpr = 600.0;
    SetTaperedOutline(atom);
    ASSERT_EQ(RunSetsgData(atom), 1);
    const auto& sg = atom.sg;
    // Tapered part 1050: (2000 - 500 - 1050) / 200 = 2.25 -> 2 normal spacings; end zone
    // 2000 - 500 - 400 = 1100 takes (1100 - 50) / 150 = 7 spacings of 150 exactly.
    EXPECT_EQ(sg.ns[0], 2);
    EXPECT_EQ(sg.ns[2], 2);
    EXPECT_EQ(sg.lns3, 7);
    EXPECT_EQ(sg.rns3, 7);
    EXPECT_NEAR(sg.TBL, 0.0, kTol);
    EXPECT_EQ(sg.sg1[0].n, 51);
    // Stirrups at 50, 200, ... 950 stand on each tapered part.
    ASSERT_EQ(sg.sg2.GetSize(), 1);
    EXPECT_EQ(sg.sg2[0].nl, 7);
    EXPECT_EQ(sg.sg2[0].nr, 7);
    EXPECT_EQ(sg.sg3.GetSize(), 0);
}

TEST_F(StirrupLayout, EndZoneStirrupsOfAPlainBeamAreMainStirrupsAndTheSharedOneIsCountedOnce)
{
    atom.sg.s3 = 75.0;
    atom.bBzl = atom.bBzr = 2100.0;
    atom.bBg = 10200.0;
    ASSERT_EQ(RunSetsgData(atom), 1);
    const auto& sg = atom.sg;
    // Cantilever: (2100 - 500 - 50) / 200 = 7.75 -> 7; the outermost normal stirrup at 2100 - 500
    // - 1400 = 200 keeps more than 50 from the face. End zone 200 - 50 = 150 = 2 x 75, no rest:
    // stirrups at 50 and 125, and its last spacing ends on the normal stirrup at 200.
    EXPECT_EQ(sg.ns[0], 7);
    EXPECT_EQ(sg.lns3, 2);
    EXPECT_EQ(sg.lXBns2, 0);
    EXPECT_NEAR(sg.TBL, 0.0, kTol);
    EXPECT_EQ(sg.rns3, 2);
    EXPECT_NEAR(sg.TBR, 0.0, kTol);
    // Span gap 6000 - 1000 = 5000: 24 x 200 and 100 at either side.
    EXPECT_EQ(sg.ns[1], 24);
    EXPECT_NEAR(sg.as[0], 100.0, kTol);
    // 200 -> 1600 -> 2100 (column) -> 2600 -> 2700 -> 7500 -> 7600 -> 8100 (column) -> 8600 -> 10000:
    // 7 + 5 + 5 + 1 + 24 + 1 + 5 + 5 + 7 = 60 spacings, 61 stirrups; the zone's 200 is the one at
    // 200, and 125, though 75 < sg_Min 80 from it, stands as a stirrup of its own (a main stirrup
    // is one zone stirrup at most); with 50, 125 and 10075, 10150 every stirrup laid out is a main
    // stirrup: 65.
    EXPECT_EQ(sg.sg1[0].n, 65);
    EXPECT_EQ(sg.sg2.GetSize(), 0);
    EXPECT_EQ(sg.sg3.GetSize(), 0);
}

TEST_F(StirrupLayout, EndZoneStirrupsBeyondTheTaperedPartsAreMainStirrups)
{
    atom.sg.s3 = 50.0;
    for (int k = 0; k < 2; ++k) atom.sg.lns2[k] = atom.sg.rns2[k] = 4;
    atom.bBpl = atom.bBpr = 1000.0;
    atom.hHpl = atom.hHpr = 600.0;
    SetTaperedOutline(atom);
    atom.iLb = 0.02;
    atom.iRb = 0.01;
    atom.bAc = 5050.0;
    ASSERT_EQ(RunSetsgData(atom), 1);
    const auto& sg = atom.sg;
    // Tapered parts of 1050: (2000 - 400 - 1050) / 200 = 2.75 -> 2 normal spacings, the outermost
    // normal stirrup at 2000 - 400 - 400 = 1200. End zone 1200 - 50 = 1150 = 23 x 50, no rest:
    // 50, 100, ... 1150, its last spacing ending on the stirrup at 1200.
    EXPECT_EQ(sg.ns[0], 2);
    EXPECT_EQ(sg.ns[2], 2);
    EXPECT_EQ(sg.lns3, 23);
    EXPECT_EQ(sg.rns3, 23);
    EXPECT_NEAR(sg.TBL, 0.0, kTol);
    // Span gap 6000 - 800 = 5200: 25 x 200 and 100 at either side.
    EXPECT_EQ(sg.ns[1], 25);
    EXPECT_NEAR(sg.as[0], 100.0, kTol);
    // On each tapered part: (1050 - 50) / 50 + 1 = 21 stirrups, 50 ... 1050 (8950 ... 9950).
    ASSERT_EQ(sg.sg2.GetSize(), 1);
    EXPECT_EQ(sg.sg2[0].nl, 21);
    EXPECT_EQ(sg.sg2[0].nr, 21);
    EXPECT_EQ(sg.sg2[0].n, 42);
    // From 1200 to 8800: 2 + 4 + 4 + 1 + 25 + 1 + 4 + 4 + 2 = 47 spacings, 48 stirrups; the end
    // zones' 1100 and 1150 (8850 and 8900) stand on no tapered part: 52 main stirrups.
    // Every stirrup once: 23 + 48 + 23 = 94 = 52 + 42.
    EXPECT_EQ(sg.sg1[0].n, 52);
    EXPECT_EQ(sg.sg3.GetSize(), 0);
    // The outermost main stirrups at 1100 and 8900: 1680 - 3950 x 0.02 = 1601 and
    // 1680 - 3850 x 0.01 = 1641.5; the shorter leg 1601 + 30.
    EXPECT_NEAR(sg.sg1[0].L1, 1631.0, 1e-9);
}

TEST_F(StirrupLayout, DensifiedStirrupsOnTheTaperedPartsLeaveTheMainStirrups)
{
    atom.bBzl = atom.bBzr = 1950.0;
    atom.bBz[0] = 6100.0;
    for (int k = 0; k < 2; ++k) atom.sg.lns2[k] = atom.sg.rns2[k] = 10;
    atom.bBpl = atom.bBpr = 1000.0;
    atom.hHpl = atom.hHpr = 600.0;
    SetTaperedOutline(atom);
    atom.iLb = 0.02;
    atom.iRb = 0.01;
    atom.bAc = 5050.0;
    ASSERT_EQ(RunSetsgData(atom), 1);
    const auto& sg = atom.sg;
    // (1950 - 1000 - 1050) / 200 = -0.5 -> 0 normal spacings: the densified zone reaches 950, onto
    // the tapered part. End zone 950 - 50 = 900 = 9 x 100, no rest: 50 ... 850 and the zone's
    // outermost stirrup at 950.
    EXPECT_EQ(sg.ns[0], 0);
    EXPECT_EQ(sg.lns3, 0);
    EXPECT_EQ(sg.lXBns2, 9);
    EXPECT_NEAR(sg.TBL, 0.0, kTol);
    EXPECT_EQ(sg.rXBns2, 9);
    // Span gap 6100 - 2000 = 4100: 19 x 200 and 150 at either side.
    EXPECT_EQ(sg.ns[1], 19);
    EXPECT_NEAR(sg.as[0], 150.0, kTol);
    // On each tapered part: (1050 - 50) / 100 + 1 = 11: 50 ... 950 and the densified 1050.
    ASSERT_EQ(sg.sg2.GetSize(), 1);
    EXPECT_EQ(sg.sg2[0].nl, 11);
    EXPECT_EQ(sg.sg2[0].nr, 11);
    // From 950 to 9050: 10 + 10 + 1 + 19 + 1 + 10 + 10 = 61 spacings, 62 stirrups, of which 950,
    // 1050, 8950 and 9050 stand on the tapered parts: 58 main stirrups, 1150 to 8850.
    // Every stirrup once: 9 + 62 + 9 = 80 = 58 + 22.
    EXPECT_EQ(sg.sg1[0].n, 58);
    EXPECT_EQ(Count(ReportEntry::Error), 0);
    // The outermost main stirrups at 1150 and 8850: 1680 - 3900 x 0.02 = 1602 and
    // 1680 - 3800 x 0.01 = 1642; the shorter leg 1602 + 30.
    EXPECT_NEAR(sg.sg1[0].L1, 1632.0, 1e-9);
}

TEST_F(StirrupLayout, ARestBeforeADensifiedZoneOnTheTaperedPartKeepsEveryStirrupOnce)
{
    for (int k = 0; k < 2; ++k) atom.sg.lns2[k] = atom.sg.rns2[k] = 10;
    atom.bBpl = atom.bBpr = 1000.0;
    atom.hHpl = atom.hHpr = 600.0;
    SetTaperedOutline(atom);
    ASSERT_EQ(RunSetsgData(atom), 1);
    const auto& sg = atom.sg;
    // (2000 - 1000 - 1050) / 200 = -0.25 -> 0: the densified zone starts at 1000, on the tapered
    // part. End zone 1000 - 50 = 950 = 9 x 100 + 50: its own stirrups 50 ... 950.
    EXPECT_EQ(sg.ns[0], 0);
    EXPECT_EQ(sg.lXBns2, 9);
    EXPECT_NEAR(sg.TBL, 50.0, kTol);
    // Span gap 6000 - 2000 = 4000: 19 x 200 and 100 at either side.
    EXPECT_EQ(sg.ns[1], 19);
    // The zone's 950 stands 50 < sg_Min 80 from the densified stirrup at 1000: that stirrup. The
    // tapered part (1050) holds 50 ... 850 and 1000: 10.
    EXPECT_EQ(sg.sg2[0].nl, 10);
    EXPECT_EQ(sg.sg2[0].nr, 10);
    // From 1000 to 9000: 10 + 10 + 1 + 19 + 1 + 10 + 10 = 61 spacings, 62 stirrups, less 1000 and
    // 9000: 60. Every stirrup once: 9 + 62 + 9 = 80 = 60 + 20.
    EXPECT_EQ(sg.sg1[0].n, 60);
    EXPECT_EQ(Count(ReportEntry::Error), 0);
}

// 30 densified spacings of 100 either side of the span of 6000: the two zones meet at 5000.
TEST_F(StirrupLayout, DensifiedZonesThatMeetLeaveASpanGapOfNoLength)
{
    const double spans[] = {6000.0, 6000.0 - 1e-7};  // the second within the tolerance of meeting
    for (double span : spans) {
        SCOPED_TRACE(span);
        CPM001T0101Atom beam;
        SetUpPlainCapBeam(beam);
        AddGroups(beam, {{1, 4}});
        beam.bBz[0] = span;
        beam.sg.rns2[0] = 30;
        beam.sg.lns2[1] = 30;
        ReportLog::Current().Clear();
        ASSERT_EQ(RunSetsgData(beam), 1);
        const auto& sg = beam.sg;
        EXPECT_EQ(sg.ns[1], 0);
        EXPECT_EQ(sg.as[0], 0.0);
        EXPECT_EQ(sg.asType[0], 1);
        // Main stirrups 100 ... 9900: 7 + 5 + 30 + 30 + 5 + 7 = 84 spacings, 85 stirrups; the end
        // stirrups at 50 and 9950 are the outermost of them (50 < sg_Min 80): 85.
        EXPECT_EQ(sg.sg1[0].n, 85);
        EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Error), 0);
    }
}
