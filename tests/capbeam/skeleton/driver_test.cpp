// The welded-skeleton design as a whole — set-up values, beam heights, frames, the frame drawn in
// elevation, frame groups, frame table and bar schedule — and its steps on the finished families:
// symmetry, mirrored bent-up labels, section-kind flags and the merged schedule.
#include "capbeam/cap_beam_reinforcement.h"
#include "capbeam/skeleton/driver.h"
#include "host/report.h"

#include "capbeam/cap_beam_reinforcement_test_support.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <type_traits>
#include <vector>

namespace {

using Atom = CPM001T0101Atom;
using KeyFrame = struct CPM001_CapKeyParam::FrameAr;
using CapBeamSkeleton::BuildBarSchedule;
using CapBeamSkeleton::GroupByName;
using CapBeamSkeleton::LayoutSymmetry;
using CapBeamSkeleton::MirrorWholeBeamBentLabels;
using CapBeamSkeleton::SectionKindFlags;

template <class List>
auto Values(const List& list)
{
    return std::vector<std::decay_t<decltype(*list.begin())>>(list.begin(), list.end());
}

IntArray Ints(std::initializer_list<int> items)
{
    IntArray list;
    for (int item : items) list.Add(item);
    return list;
}

CStringArray Texts(std::initializer_list<const char*> items)
{
    CStringArray list;
    for (const char* item : items) list.Add(item);
    return list;
}

Atom::tRn Row(const char* mark, int n, double length = 0.0)
{
    Atom::tRn row;
    row.R = mark;
    row.n = n;
    row.TL = length;
    return row;
}

int ErrorCount() { return ReportLog::Current().Count(ReportEntry::Error); }

// ---------------------------------------------------------------------------------------------
// The whole skeleton design on a straight beam with square ends: 8000 long, 1800 wide, 1600 high,
// two support lines at 1000 and 7000, three frames at y = -700, 0, 700 named K1, K2, K1 (K1 a main
// skeleton, K2 a secondary one); bars d 25 HRB400 (outer diameter 28.4), covers 60 top and
// bottom, 40 at the ends, welded end legs 200, bars inclined at 45 degrees; laid out across the
// beam. No cut-off, bent-up or inclined bars; with KeyLen1 600 each K1 frame has one arc over each
// support line.

class SkeletonDesign : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReportLog::Current().Clear();
        atom.nPier = 2;
        atom.bBz.Add(6000.0);
        atom.bBzl = 1000.0;
        atom.bBzr = 1000.0;
        atom.bBg = 8000.0;
        atom.lWg = 1800.0;
        atom.hHgl = 1600.0;
        atom.bAc = 4000.0;
        atom.fSymmetric = 1;
        atom.fZT = 1;
        atom.st.d = 25.0;
        atom.st.type = 3;
        atom.st.ua = 60.0;
        atom.st.sa = 40.0;
        atom.st.fLayMode = 1;
        atom.st.fWeld = 0;
        atom.st.LstWeld = 200.0;
        atom.st.angle = 0.785398163;

        kp.KeyLen1 = 600.0;
        kp.KeyLen2 = 300.0;
        kp.WeldArcR = 150.0;
        kp.st_LeadPointR = 120.0;
        SetFrames({"K1", "K2", "K1"}, {-700.0, 0.0, 700.0});
        KeyFrame main;
        main.name = "K1";
        main.fGJJ = 1;
        kp.FrameAr.Add(main);
        KeyFrame secondary;
        secondary.name = "K2";
        secondary.fGJJ = 0;
        kp.FrameAr.Add(secondary);
    }

    void SetFrames(std::initializer_list<const char*> names, std::initializer_list<double> positions)
    {
        kp.FrameName.RemoveAll();
        kp.FrameY.RemoveAll();
        for (const char* name : names) kp.FrameName.Add(name);
        for (double y : positions) kp.FrameY.Add(y);
    }

    int Design() { return CPM001T0101AtomTestAccess::SetstData(atom, &kp); }

    int DrawnFrame() const
    {
        int shown = -1;
        for (int i = 0; i < atom.FrameStore.GetSize(); ++i) {
            if (atom.FrameStore[i].fDrawLM == 0) continue;
            EXPECT_EQ(shown, -1) << "more than one frame drawn in elevation";
            shown = i;
        }
        return shown;
    }

    Atom atom;
    CPM001_CapKeyParam kp;
};

TEST_F(SkeletonDesign, SetsUpTheSkeletonValues)
{
    ASSERT_EQ(Design(), 1);
    EXPECT_DOUBLE_EQ(atom.st.da, 60.0);
    // 1800 / 2 - 700.
    EXPECT_DOUBLE_EQ(atom.st.a, 200.0);
    // 25 x 10 = 250, lowered to the 200 of the end legs.
    EXPECT_DOUBLE_EQ(atom.st.LWeld, 200.0);
    EXPECT_DOUBLE_EQ(atom.st.Min, 80.0);
    EXPECT_EQ(atom.st.nFrame, 3);
    EXPECT_EQ(atom.st.ns, 0);
    // 1400 between the outer frames, two spacings of 700.
    EXPECT_DOUBLE_EQ(atom.st.s, 700.0);
    EXPECT_DOUBLE_EQ(atom.st.as, 700.0);
    EXPECT_EQ(atom.st.stt, "顶层通常筋");
    EXPECT_EQ(atom.st.stb, "底层通长筋");
    EXPECT_EQ(atom.st.sttc, "顶层截断筋");
    EXPECT_EQ(atom.st.stbc, "底层截断筋");
    EXPECT_EQ(atom.st.stw, "弯起筋");
    EXPECT_EQ(atom.st.stx, "标准斜筋");
    EXPECT_DOUBLE_EQ(atom.KeyLen1, 600.0);
    EXPECT_DOUBLE_EQ(atom.KeyLen2, 300.0);
    EXPECT_DOUBLE_EQ(atom.WeldArcR, 150.0);
    EXPECT_EQ(atom.st.LeadPointR, 0.0);
    EXPECT_EQ(atom.st.LeadPointR2, 0.0);
    EXPECT_DOUBLE_EQ(atom.dMainBarWd, 28.4);
    EXPECT_DOUBLE_EQ(atom.dWeldLen, 200.0);
    EXPECT_EQ(Values(atom.FrameY), (std::vector<double>{-700.0, 0.0, 700.0}));
    EXPECT_EQ(atom.fFamiliesDone, 1);
    EXPECT_EQ(ErrorCount(), 0);
}

TEST_F(SkeletonDesign, WeldsOnBothSidesAreHalfAsLong)
{
    atom.st.fWeld = 1;
    ASSERT_EQ(Design(), 1);
    EXPECT_DOUBLE_EQ(atom.st.LWeld, 125.0);
}

TEST_F(SkeletonDesign, BendRadiiOnlyWhenBarLengthsFollowTheBends)
{
    kp.st_fCalculateLarc = 1;
    ASSERT_EQ(Design(), 1);
    EXPECT_EQ(atom.st.fCalculateLarc, 1);
    EXPECT_DOUBLE_EQ(atom.st.LeadPointR, 120.0);
    // 2.5 d.
    EXPECT_DOUBLE_EQ(atom.st.LeadPointR2, 62.5);
}

TEST_F(SkeletonDesign, HeightsAtSupportsAndMidSpanOfAStraightTop)
{
    ASSERT_EQ(Design(), 1);
    EXPECT_EQ(Values(atom.HDM), (std::vector<double>{1600.0, 1600.0, 1600.0}));
}

TEST_F(SkeletonDesign, HeightsFollowTheCrossSlopes)
{
    // Crown at 4000; falls of 0.02 x 3000 to the left support and 0.01 x 3000 to the right one.
    atom.iLb = 0.02;
    atom.iRb = 0.01;
    ASSERT_EQ(Design(), 1);
    const std::vector<double> heights = Values(atom.HDM);
    ASSERT_EQ(heights.size(), 3U);
    EXPECT_NEAR(heights[0], 1540.0, 1e-9);
    EXPECT_NEAR(heights[1], 1600.0, 1e-9);
    EXPECT_NEAR(heights[2], 1570.0, 1e-9);
}

TEST_F(SkeletonDesign, FramesLiveInTheStoreAndTheSetRefersToThem)
{
    ASSERT_EQ(Design(), 1);
    ASSERT_EQ(atom.FrameStore.GetSize(), 3);
    ASSERT_EQ(atom.st.Frame.GetSize(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(atom.st.Frame[i], &atom.FrameStore[i]);
        EXPECT_EQ(atom.FrameStore[i].num, i + 1);
    }
    EXPECT_EQ(atom.st.Frame.GetOwnedCount(), 0);
    EXPECT_EQ(atom.FrameStore[0].fsk, 1);
    EXPECT_EQ(atom.FrameStore[1].fsk, 0);
    EXPECT_EQ(atom.FrameStore[1].name, "K2");
}

TEST_F(SkeletonDesign, FramesOfOneNameFormOneGroupAndOneTableRow)
{
    ASSERT_EQ(Design(), 1);
    EXPECT_EQ(Values(atom.FrameGroup), (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(atom.FrameStore[2].sort, 1);
    ASSERT_EQ(atom.FrameTable.GetSize(), 4);
    EXPECT_EQ(atom.FrameTable[1].szDY, "骨架K1");
    EXPECT_EQ(atom.FrameTable[2].szDY, "骨架K2");
    // Only the main skeletons' row is tabled.
    ASSERT_EQ(atom.st.tFrame.GetSize(), 1);
    EXPECT_EQ(atom.st.tFrame[0], &atom.FrameTable[1]);
    // The bottom chain: 1000 - 68.4, the span, 7931.6 - 7000, equal in both K1 frames.
    EXPECT_EQ(Values(atom.FrameStore[0].difLabel1), (std::vector<CString>{"931.6", "6000", "931.6"}));
    EXPECT_EQ(Values(atom.FrameTable[1].szX1), (std::vector<CString>{"/", "/", "/"}));
    EXPECT_EQ(atom.FrameStore[0].difL2.GetSize(), 4);
    EXPECT_TRUE(atom.FrameStore[2].difLabel1.IsEmpty());
}

TEST_F(SkeletonDesign, ThroughBarsHeadTheSchedule)
{
    kp.KeyLen1 = 0.0;   // no arcs: the through bars alone
    atom.ScratchRow.L1 = 345.0;
    atom.ScratchRow.L2 = 678.0;
    ASSERT_EQ(Design(), 1);
    ASSERT_EQ(atom.st.Rn.GetSize(), 2);
    const Atom::tRn& top = atom.st.Rn[0];
    const Atom::tRn& bottom = atom.st.Rn[1];
    EXPECT_EQ(top.R, "1");
    EXPECT_EQ(bottom.R, "2");
    // Every frame carries both through bars (K2 welds them to its skeleton).
    EXPECT_EQ(top.n, 3);
    EXPECT_EQ(bottom.n, 3);
    // Top: legs of 1540 - 60 at the end covers and 8000 - 2 x 40 between them.
    EXPECT_DOUBLE_EQ(top.TL, 1480.0 + 7920.0 + 1480.0);
    // Bottom: end legs of 200 one bar inside, 8000 - 80 - 56.8 = 7863.2 rounded to 7863.
    EXPECT_DOUBLE_EQ(bottom.TL, 200.0 + 7863.0 + 200.0);
    EXPECT_EQ(Values(top.szL), (std::vector<CString>{"/", "/", "/"}));
    EXPECT_EQ(top.L1, 0.0);
    EXPECT_EQ(top.L2, 0.0);
    EXPECT_EQ(bottom.L1, 0.0);
    EXPECT_EQ(bottom.L2, 0.0);
}

TEST_F(SkeletonDesign, OnASkewedBeamFramesAreGroupedByTheirBars)
{
    // Laid along the skew, one key frame record per frame.
    atom.st.fLayMode = 0;
    atom.a = 0.1;
    KeyFrame main = kp.FrameAr[0];
    kp.FrameAr.Add(main);
    ASSERT_EQ(Design(), 1);
    EXPECT_EQ(Values(atom.FrameGroup), (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(atom.FrameTable[1].szDY, "骨架K1、K1");
    EXPECT_EQ(atom.FrameTable[2].szDY, "骨架K2");
    // The outer frames meet the supports tan(0.1) x 700 = 70.23 apart, so their end dimensions
    // differ; the span does not.
    EXPECT_EQ(Values(atom.FrameStore[0].difLabel1), (std::vector<CString>{"X1", "6000", "X2"}));
    EXPECT_EQ(Values(atom.FrameTable[1].szX1), (std::vector<CString>{"X1", "/", "X2"}));
}

TEST_F(SkeletonDesign, ABeamWithoutSupportLinesHasNoSectionsAndFailsWithAMessage)
{
    atom.nPier = 0;
    atom.bBz.RemoveAll();
    EXPECT_EQ(Design(), 0);
    EXPECT_EQ(ErrorCount(), 1);
    EXPECT_TRUE(atom.enSection.IsEmpty());
    EXPECT_TRUE(atom.st.Frame.IsEmpty());
}

TEST_F(SkeletonDesign, SectionsOfAThroughBarsOnlyBeamAreAllOneKind)
{
    kp.KeyLen1 = 0.0;   // no arcs
    ASSERT_EQ(Design(), 1);
    EXPECT_EQ(Values(atom.enSection), (std::vector<int>{2, 2, 2}));
    EXPECT_EQ(atom.fBearAndMidSpan, 1);
    EXPECT_EQ(Values(atom.fDM), (std::vector<int>{1, 0, 0}));
}

TEST_F(SkeletonDesign, ASymmetricLayoutKeepsItsFlags)
{
    ASSERT_EQ(Design(), 1);
    EXPECT_EQ(atom.fSymmetry, 1);
    EXPECT_EQ(atom.fZT, 1);
}

TEST_F(SkeletonDesign, ALayoutAlongTheSkewIsNeverSymmetric)
{
    atom.st.fLayMode = 0;
    ASSERT_EQ(Design(), 1);
    EXPECT_EQ(atom.fSymmetry, 0);
    EXPECT_EQ(atom.fZT, 0);
}

TEST_F(SkeletonDesign, TheFirstFrameIsDrawnInElevationUnlessTheSkewIsPositive)
{
    ASSERT_EQ(Design(), 1);
    EXPECT_EQ(DrawnFrame(), 0);
}

TEST_F(SkeletonDesign, APositiveSkewShowsTheLastFrame)
{
    atom.a = 0.1;
    ASSERT_EQ(Design(), 1);
    EXPECT_EQ(DrawnFrame(), 2);
}

TEST_F(SkeletonDesign, ANegativeSkewShowsTheFirstFrame)
{
    atom.a = -0.1;
    ASSERT_EQ(Design(), 1);
    EXPECT_EQ(DrawnFrame(), 0);
}

TEST_F(SkeletonDesign, ByMainSkeletonTheFirstMainFrameIsShown)
{
    atom.fDrawLMByFsk = 1;
    SetFrames({"K2", "K1", "K1"}, {-700.0, 0.0, 700.0});
    ASSERT_EQ(Design(), 1);
    EXPECT_EQ(DrawnFrame(), 1);
}

TEST_F(SkeletonDesign, ByMainSkeletonWithoutAnyTheFirstFrameIsShown)
{
    atom.fDrawLMByFsk = 1;
    SetFrames({"K2", "K2"}, {-700.0, 700.0});
    ASSERT_EQ(Design(), 1);
    EXPECT_EQ(DrawnFrame(), 0);
}

// The side cover is taken to the frame farthest from the axis on either side, here the left one:
// 900 - 800 = 100 (the mirrored layout's cover), not 900 - 500 to the rightmost frame.
TEST_F(SkeletonDesign, SideCoverIsTakenToTheFrameFarthestFromTheAxis)
{
    SetFrames({"K1", "K2", "K1"}, {-800.0, 0.0, 500.0});
    ASSERT_EQ(Design(), 1);
    EXPECT_DOUBLE_EQ(atom.st.a, 100.0);
}

TEST_F(SkeletonDesign, ASingleFrameHasNoSpacing)
{
    SetFrames({"K1"}, {0.0});
    ASSERT_EQ(Design(), 1);
    EXPECT_DOUBLE_EQ(atom.st.a, 900.0);
    EXPECT_EQ(atom.st.ns, -2);
    EXPECT_EQ(atom.st.s, 0.0);
    EXPECT_EQ(atom.st.as, 0.0);
    EXPECT_EQ(atom.FrameStore.GetSize(), 1);
    EXPECT_EQ(DrawnFrame(), 0);
}

TEST_F(SkeletonDesign, WithoutFramesTheDesignFailsWithAMessage)
{
    SetFrames({}, {});
    EXPECT_EQ(Design(), 0);
    EXPECT_EQ(ErrorCount(), 1);
    EXPECT_TRUE(atom.st.Frame.IsEmpty());
    EXPECT_TRUE(atom.st.tFrame.IsEmpty());
}

TEST_F(SkeletonDesign, ASecondDesignOfTheSameObjectIsRefused)
{
    ASSERT_EQ(Design(), 1);
    const Atom::FrameAr* first = &atom.FrameStore[0];
    EXPECT_EQ(Design(), 0);
    EXPECT_EQ(ErrorCount(), 1);
    ASSERT_EQ(atom.FrameStore.GetSize(), 3);
    EXPECT_EQ(&atom.FrameStore[0], first);
    EXPECT_EQ(atom.st.Frame[0], first);
    EXPECT_EQ(atom.HDM.GetSize(), 3);
    EXPECT_EQ(atom.st.tFrame.GetSize(), 1);
}

TEST_F(SkeletonDesign, ATendonDesignThatFailsDoesNotStopTheSkeleton)
{
    atom.JGType = 1;
    CPM001T0101AtomTestAccess::AdoptTendon(atom, std::make_unique<CPM001T010401Atom>());
    kp.SteelAr.SetSize(1);
    EXPECT_EQ(Design(), 1);
    EXPECT_EQ(atom.st.Frame.GetSize(), 3);
}

TEST_F(SkeletonDesign, APrestressedBeamWithoutTendonObjectIsDesigned)
{
    atom.JGType = 1;
    kp.SteelAr.SetSize(1);
    EXPECT_EQ(Design(), 1);
}

// ---------------------------------------------------------------------------------------------
// Symmetry of the layout.

class LayoutSymmetryCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        atom.st.fLayMode = 1;
        atom.fSymmetric = 1;
        atom.enSection = Ints({1, 2, 1});
        atom.sg.lns2 = Ints({3, 4});
        atom.sg.rns2 = Ints({4, 3});
        // Four groups over two support lines: outer groups mirror each other, so do inner ones.
        KeyFrame main;
        main.name = "K1";
        main.GJJ.SetSize(4);
        main.GJJ[0].Add({2, 0, 0, 400.0});
        main.GJJ[0].Add({1, 1, 0, 800.0});
        main.GJJ[1].Add({2, 0, 1, 500.0});
        main.GJJ[2].Add({2, 0, 1, 500.0});
        main.GJJ[3].Add({2, 0, 0, 400.0});
        main.GJJ[3].Add({1, 1, 0, 800.0});
        kp.FrameAr.Add(main);
        KeyFrame secondary;
        secondary.name = "K2";
        secondary.fGJJ = 0;
        for (double v : {1200.0, 900.0, 900.0, 1200.0}) secondary.LenT.Add(v);
        for (double v : {700.0, 700.0}) secondary.LenB.Add(v);
        kp.FrameAr.Add(secondary);
    }

    int Check() const { return LayoutSymmetry(atom, kp); }

    Atom atom;
    CPM001_CapKeyParam kp;
};

TEST_F(LayoutSymmetryCheck, AMirroredLayoutIsSymmetric) { EXPECT_EQ(Check(), 1); }

TEST_F(LayoutSymmetryCheck, OnlyALayoutAcrossASymmetricBeamCanBeSymmetric)
{
    atom.st.fLayMode = 0;
    EXPECT_EQ(Check(), 0);
    atom.st.fLayMode = 1;
    atom.fSymmetric = 0;
    EXPECT_EQ(Check(), 0);
}

TEST_F(LayoutSymmetryCheck, SectionKindsMustReadTheSameFromBothEnds)
{
    atom.enSection = Ints({1, 2, 2});
    EXPECT_EQ(Check(), 0);
}

TEST_F(LayoutSymmetryCheck, TheRightStirrupCountsMustMirrorTheLeftOnes)
{
    atom.sg.rns2 = Ints({3, 4});
    EXPECT_EQ(Check(), 0);
}

TEST_F(LayoutSymmetryCheck, StirrupCountListsOfDifferentLengthsAreNotSymmetric)
{
    atom.sg.rns2 = Ints({4, 3, 5});
    EXPECT_EQ(Check(), 0);
    atom.sg.rns2 = Ints({4});
    EXPECT_EQ(Check(), 0);
}

TEST_F(LayoutSymmetryCheck, MirroredBarGroupsMustAgreeEntryByEntry)
{
    kp.FrameAr[0].GJJ[3][1].dx = 810.0;
    EXPECT_EQ(Check(), 0);
    kp.FrameAr[0].GJJ[3][1].dx = 800.0;
    kp.FrameAr[0].GJJ[3][1].fWQ = 0;
    EXPECT_EQ(Check(), 0);
    kp.FrameAr[0].GJJ[3][1].fWQ = 1;
    kp.FrameAr[0].GJJ[3].RemoveAt(1);
    EXPECT_EQ(Check(), 0);
}

TEST_F(LayoutSymmetryCheck, CutOffLengthsMustReadTheSameFromBothEnds)
{
    kp.FrameAr[1].LenT[2] = 950.0;
    EXPECT_EQ(Check(), 0);
    kp.FrameAr[1].LenT[2] = 900.0;
    kp.FrameAr[1].LenB[1] = 650.0;
    EXPECT_EQ(Check(), 0);
}

// ---------------------------------------------------------------------------------------------
// Labels of bent-up bars that run the whole beam.

class MirroredLabels : public ::testing::Test {
protected:
    void SetUp() override { atom.nPier = 2; }

    void AddBar(const char* mark, int firstGroup, int lastGroup)
    {
        Atom::M_WQJ* bar = atom.BentBarPool.AddOwned(std::make_unique<Atom::M_WQJ>());
        bar->nB = firstGroup;
        bar->nC = lastGroup;
        Atom::M_WQJ_R* marked = atom.BentResultPool.AddOwned(std::make_unique<Atom::M_WQJ_R>());
        marked->pWQJ = bar;
        marked->R = mark;
        atom.BentBars.Add(marked);
    }

    void AddRow(const char* mark, std::initializer_list<const char*> labels)
    {
        Atom::tRn row = Row(mark, 1);
        row.szL = Texts(labels);
        atom.BentRows.Add(row);
    }

    Atom atom;
};

TEST_F(MirroredLabels, AWholeBeamBarShowsItsLeftHalfOnTheRight)
{
    AddBar("6", 0, 3);
    AddRow("6", {"L1", "L2", "L3", "L4", "L5"});
    MirrorWholeBeamBentLabels(atom);
    EXPECT_EQ(Values(atom.BentRows[0].szL), (std::vector<CString>{"L1", "L2", "L3", "L2", "L1"}));
}

TEST_F(MirroredLabels, OnlyLengthLabelsAreReplaced)
{
    AddBar("6", 0, 3);
    AddRow("6", {"L1", "L2", "/", "L4"});
    MirrorWholeBeamBentLabels(atom);
    // Positions 3 (from 4 / 2 + 1) onward: "L4" takes "L1".
    EXPECT_EQ(Values(atom.BentRows[0].szL), (std::vector<CString>{"L1", "L2", "/", "L1"}));

    atom.BentRows[0].szL = Texts({"L1", "L2", "L3", "/"});
    MirrorWholeBeamBentLabels(atom);
    EXPECT_EQ(Values(atom.BentRows[0].szL), (std::vector<CString>{"L1", "L2", "L3", "/"}));
}

TEST_F(MirroredLabels, BarsThatDoNotRunTheWholeBeamKeepTheirLabels)
{
    AddBar("6", 0, 2);
    AddBar("7", 1, 3);
    AddRow("6", {"L1", "L2", "L3"});
    AddRow("7", {"L1", "L2", "L3"});
    MirrorWholeBeamBentLabels(atom);
    EXPECT_EQ(Values(atom.BentRows[0].szL), (std::vector<CString>{"L1", "L2", "L3"}));
    EXPECT_EQ(Values(atom.BentRows[1].szL), (std::vector<CString>{"L1", "L2", "L3"}));
}

// ---------------------------------------------------------------------------------------------
// Flags of the section kinds and frame groups by name.

TEST(SectionKinds, OneStationIsNotBearingAndMidSpan)
{
    Atom atom;
    atom.enSection = Ints({2});
    SectionKindFlags(atom);
    EXPECT_EQ(atom.fBearAndMidSpan, 0);
    EXPECT_EQ(Values(atom.fDM), (std::vector<int>{1}));
}

TEST(SectionKinds, TheFirstStationOfEachKindIsFlagged)
{
    Atom atom;
    atom.enSection = Ints({1, 2, 1});
    SectionKindFlags(atom);
    EXPECT_EQ(atom.fBearAndMidSpan, 0);
    EXPECT_EQ(Values(atom.fDM), (std::vector<int>{1, 1, 0}));

    atom.enSection = Ints({3, 3, 3});
    SectionKindFlags(atom);
    EXPECT_EQ(atom.fBearAndMidSpan, 1);
    EXPECT_EQ(Values(atom.fDM), (std::vector<int>{1, 0, 0}));

    atom.enSection = Ints({4, 2, 4, 3, 2});
    SectionKindFlags(atom);
    EXPECT_EQ(atom.fBearAndMidSpan, 0);
    EXPECT_EQ(Values(atom.fDM), (std::vector<int>{1, 1, 0, 1, 0}));
}

TEST(FrameGroupsByName, DistinctNamesAreNumberedInOrderOfFirstAppearance)
{
    IntArray groups = Ints({9});
    GroupByName(Texts({"K2", "K1", "K2", "K3", "K1"}), groups);
    EXPECT_EQ(Values(groups), (std::vector<int>{1, 2, 1, 3, 2}));
}

// ---------------------------------------------------------------------------------------------
// The bar schedule.

class BarSchedule : public ::testing::Test {
protected:
    void SetUp() override
    {
        atom.ThroughBars.SetSize(2);
        for (int layer = 0; layer < 2; ++layer) {
            atom.ThroughBars[layer].PtAr.SetSize(4);
            atom.ThroughBars[layer].sTL = layer == 0 ? 10880.0 : 8263.0;
        }
        atom.TopThroughMark = "1";
        atom.BottomThroughMark = "2";
        atom.TopThroughList = Ints({0, 2});
        atom.BottomThroughList = Ints({0, 1, 2});
    }

    std::vector<CString> Marks() const
    {
        std::vector<CString> marks;
        for (const Atom::tRn& row : atom.st.Rn) marks.push_back(row.R);
        return marks;
    }

    Atom atom;
};

TEST_F(BarSchedule, ThroughBarRowsCountTheirFramesAndCarryNoEndLengths)
{
    atom.ScratchRow.L1 = 345.0;
    atom.ScratchRow.L2 = 678.0;
    atom.ScratchRow.szL = Texts({"L1", "L2"});
    BuildBarSchedule(atom);
    ASSERT_EQ(atom.st.Rn.GetSize(), 2);
    const Atom::tRn& top = atom.st.Rn[0];
    EXPECT_EQ(top.R, "1");
    EXPECT_EQ(top.n, 2);
    EXPECT_DOUBLE_EQ(top.TL, 10880.0);
    EXPECT_EQ(Values(top.szL), (std::vector<CString>{"/", "/", "/"}));
    EXPECT_EQ(top.L1, 0.0);
    EXPECT_EQ(top.L2, 0.0);
    const Atom::tRn& bottom = atom.st.Rn[1];
    EXPECT_EQ(bottom.R, "2");
    EXPECT_EQ(bottom.n, 3);
    EXPECT_DOUBLE_EQ(bottom.TL, 8263.0);
    EXPECT_EQ(bottom.L1, 0.0);
}

TEST_F(BarSchedule, WithoutTopThroughBarsTheBottomRowComesFirst)
{
    atom.TopThroughList.RemoveAll();
    BuildBarSchedule(atom);
    EXPECT_EQ(Marks(), (std::vector<CString>{"2"}));
}

TEST_F(BarSchedule, ACutOffMarkOfBothPassesIsOneRowAmongTheFirstPass)
{
    atom.TopCutRows.Add(Row("5", 4));
    atom.TopCutRows.Add(Row("9", 2));
    atom.BentRows.Add(Row("12", 2));
    atom.BentArcRows.Add(Row("13", 2));
    atom.InclRows.Add(Row("6", 4));
    atom.TopCutRows2.Add(Row("7", 3));
    atom.TopCutRows2.Add(Row("5", 4));
    atom.BottomCutRows.Add(Row("11", 6));
    BuildBarSchedule(atom);
    EXPECT_EQ(Marks(), (std::vector<CString>{"1", "2", "5", "9", "12", "13", "6", "7", "11"}));
    EXPECT_EQ(atom.st.Rn[2].n, 8);
    EXPECT_EQ(atom.st.Rn[7].n, 3);
}

TEST_F(BarSchedule, OnlyTheFirstSecondPassRowOfAMarkIsMerged)
{
    atom.TopCutRows.Add(Row("5", 4));
    atom.TopCutRows2.Add(Row("5", 4));
    atom.TopCutRows2.Add(Row("5", 1));
    BuildBarSchedule(atom);
    EXPECT_EQ(Marks(), (std::vector<CString>{"1", "2", "5", "5"}));
    EXPECT_EQ(atom.st.Rn[2].n, 8);
    EXPECT_EQ(atom.st.Rn[3].n, 1);
}

} // namespace
