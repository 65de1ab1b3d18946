// Top cut-off bars: lengths from bar groups and cut-off lists, marks across frames and support lines,
// centre lines, slope correction and schedule rows, on small cap beams worked by hand.
#include "capbeam/skeleton/top_cut_off_bars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

using namespace CapBeamCutOffBars;

namespace {

using Atom = CPM001T0101Atom;
using KeyFrame = struct CPM001_CapKeyParam::FrameAr;
using Group = CArray<CPM001_CapKeyParam::M_GJJ>;

constexpr double kTol = 1e-6;

// Hook of a 25 mm HRB400 main bar, right-angle: inner bend diameter 5d = 125, straight end 10d:
// (125 + 25) / 2 x pi / 2 + 250 - (62.5 + 25) = 117.81 + 162.5 = 280.31, rounded 280; two of them.
constexpr double kTwoHooks = 560.0;

CPM001_CapKeyParam::M_GJJ Entry(int fBar, int fWQ, double dx)
{
    CPM001_CapKeyParam::M_GJJ e;
    e.fBar = fBar;
    e.fWQ = fWQ;
    e.dx = dx;
    return e;
}

// A group whose only bar is bent up over the support line at dx: the cut-off bar reaches dx.
Group Bent(double dx)
{
    Group g;
    g.Add(Entry(2, 1, dx));
    return g;
}

// A group without a bent-up bar: no cut-off length on this side.
Group Straight()
{
    Group g;
    g.Add(Entry(2, 0, 1600.0));
    return g;
}

KeyFrame MainRecord(const char* name, std::initializer_list<Group> groups)
{
    KeyFrame r;
    r.name = name;
    r.fGJJ = 1;
    for (const Group& g : groups) r.GJJ.Add(g);
    return r;
}

KeyFrame SecondaryRecord(const char* name, std::initializer_list<double> top, int weldTop = 1)
{
    KeyFrame r;
    r.name = name;
    r.fGJJ = 0;
    r.fWeldT = weldTop;
    for (double v : top) r.LenT.Add(v);
    return r;
}

// A beam 12000 long with a level top, three support lines at 1000, 6000 and 11000 (laid out
// across the beam, so every frame sees them there): the top bars' axis at 1500 - 50 = 1450, a
// welded cut-off bar one main bar (30) below it at 1420; welds 100 long; main bars d 25 HRB400.
void Beam(Atom& atom)
{
    atom.nPier = 3;
    atom.bBz.Add(5000.0);
    atom.bBz.Add(5000.0);
    atom.bBzl = 1000.0;
    atom.bBzr = 1000.0;
    atom.bBg = 12000.0;
    atom.hHgl = 1500.0;
    atom.bAc = 6000.0;
    atom.st.ua = 50.0;
    atom.st.da = 60.0;
    atom.st.fLayMode = 1;
    atom.st.LWeld = 100.0;
    atom.st.d = 25.0;
    atom.st.type = 3;
    atom.dMainBarWd = 30.0;
}

void Frames(CPM001_CapKeyParam& kp, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        kp.FrameName.Add(name);
        kp.FrameY.Add(0.0);
    }
}

class TopCutOff : public ::testing::Test {
protected:
    void SetUp() override { Beam(atom); }

    void Frames(std::initializer_list<const char*> names) { ::Frames(kp, names); }

    // The key data step keeps a copy of the records as given; the secondary marks read it.
    void KeepRecords() { atom.KeyFrames = kp.FrameAr; }

    int Main() { return GetGJFrame_DCJDJ(atom, kp, 1, atom.TopCutBars, atom.TopCutRows); }
    int Secondary() { return GetGJFrame_DCJDJ(atom, kp, 0, atom.TopCutBars2, atom.TopCutRows2); }

    static std::vector<CString> Marks(const CArray<Atom::M_DCZDJBH*>& bars)
    {
        std::vector<CString> marks;
        for (const Atom::M_DCZDJBH* bar : bars) marks.push_back(bar->R);
        return marks;
    }

    static std::vector<CString> Labels(const Atom::tRn& row) { return {row.szL.begin(), row.szL.end()}; }

    Atom atom;
    CPM001_CapKeyParam kp;
};

void ExpectVertex(const Atom::M_XZR& v, double x, double z, int enPoint, double weld, int fH, int fHzy, int fHsx)
{
    EXPECT_NEAR(v.x, x, kTol);
    EXPECT_NEAR(v.z, z, kTol);
    EXPECT_EQ(v.enPoint, enPoint);
    EXPECT_NEAR(v.LH, weld, kTol);
    EXPECT_EQ(v.fH, fH);
    EXPECT_EQ(v.fHzy, fHzy);
    EXPECT_EQ(v.fHsx, fHsx);
    EXPECT_EQ(v.RR, 0.0);
    EXPECT_EQ(v.alf, 0.0);
    EXPECT_EQ(v.fArc, 0);
}

// ---------------------------------------------------------------------------------------------
// Look-up of the top cut-off lengths as given

TEST_F(TopCutOff, LengthsAreFoundByTheNameBeforeTheParenthesis)
{
    kp.FrameAr.Add(SecondaryRecord("M", {1.0, 2.0}));
    kp.FrameAr.Add(SecondaryRecord("N(N1,N2)", {1500.0, 2000.0}));
    kp.FrameAr.Add(SecondaryRecord("N", {7.0, 7.0}));
    KeepRecords();
    DblArray out;
    ASSERT_EQ(GetfFrameDJDJs(atom, "N", out), 1);
    EXPECT_EQ(std::vector<double>(out.begin(), out.end()), (std::vector<double>{1500.0, 2000.0}));
    // No record is named N1, nor, before its parenthesis, "N(N1,N2)": the list stays as it was.
    EXPECT_EQ(GetfFrameDJDJs(atom, "N1", out), 0);
    EXPECT_EQ(GetfFrameDJDJs(atom, "N(N1,N2)", out), 0);
    EXPECT_EQ(out.GetSize(), 2);
}

// ---------------------------------------------------------------------------------------------
// Main skeletons

TEST_F(TopCutOff, SupportLinesOfEqualTotalsShareOneMark)
{
    // Totals 800 + 1200 = 2000 at support lines 0 and 2, 750 + 750 = 1500 at support line 1, on
    // two frames of one record; four marks were given before.
    Frames({"K1", "K1"});
    kp.FrameAr.Add(MainRecord("K1", {Bent(800), Bent(1200), Bent(750), Bent(750), Bent(1200), Bent(800)}));
    atom.nMark = 4;
    ASSERT_EQ(Main(), 1);

    EXPECT_EQ(atom.nMark, 6);
    ASSERT_EQ(atom.TopCutMarks.GetSize(), 3);
    EXPECT_EQ(atom.TopCutMarks[0], "5");
    EXPECT_EQ(atom.TopCutMarks[1], "6");
    EXPECT_EQ(atom.TopCutMarks[2], "5");
    // Frame by frame, support line by support line.
    EXPECT_EQ(Marks(atom.TopCutBars), (std::vector<CString>{"5", "6", "5", "5", "6", "5"}));
    EXPECT_EQ(atom.TopCutPool.GetSize(), 6);

    // The bars over support line 2 lie the other way round (1200 left, 800 right) and are counted
    // turned, so both sides read alike; every bar is 2000 long.
    ASSERT_EQ(atom.TopCutRows.GetSize(), 2);
    const Atom::tRn& first = atom.TopCutRows[0];
    EXPECT_EQ(first.R, "5");
    EXPECT_EQ(first.n, 4);
    EXPECT_EQ(first.TL, 2000.0);
    EXPECT_EQ(Labels(first), (std::vector<CString>{"/", "/"}));
    const Atom::tRn& second = atom.TopCutRows[1];
    EXPECT_EQ(second.R, "6");
    EXPECT_EQ(second.n, 2);
    EXPECT_EQ(second.TL, 1500.0);
}

TEST_F(TopCutOff, AMainBarIsWeldedOneBarBelowTheTopBars)
{
    Frames({"S", "K1"});
    kp.FrameAr.Add(MainRecord("K1", {Straight(), Straight(), Bent(750), Bent(600), Straight(), Straight()}));
    kp.FrameAr.Add(SecondaryRecord("S", {1000.0, 1000.0, 1000.0, 1000.0, 1000.0, 1000.0}));
    ASSERT_EQ(Main(), 1);

    // Only the main frame, only support line 1 (6000): 5250 to 6750 at 1450 - 30.
    ASSERT_EQ(atom.TopCutBars.GetSize(), 1);
    const Atom::M_DCZDJBH& bar = *atom.TopCutBars[0];
    EXPECT_EQ(bar.nA, 1);
    EXPECT_EQ(bar.nFrame, 1);
    EXPECT_EQ(bar.L1, 750.0);
    EXPECT_EQ(bar.L2, 600.0);
    EXPECT_EQ(bar.dA, 0.0);
    EXPECT_EQ(bar.dB, 0.0);
    EXPECT_EQ(bar.nB, 0);
    ASSERT_EQ(bar.PtAr.GetSize(), 3);
    ExpectVertex(bar.PtAr[0], 5250.0, 1420.0, 0, 100.0, 1, 0, 1);
    ExpectVertex(bar.PtAr[1], 6000.0, 1420.0, 3, 100.0, 0, 0, 0);
    ExpectVertex(bar.PtAr[2], 6600.0, 1420.0, 0, 100.0, 1, 1, 1);
    EXPECT_EQ(atom.TopCutMarks[0], "");
    EXPECT_EQ(atom.TopCutMarks[1], "1");
    EXPECT_EQ(atom.TopCutMarks[2], "");
}

TEST_F(TopCutOff, TheOutermostBentUpBarOfAGroupGivesTheLength)
{
    // Left group: bent at 400 and 900, then a straight bar at 1600: the last bent-up bar is at
    // 900. Right group: the last entry bent over the support holds no bar: no length, no bar.
    Group left;
    left.Add(Entry(2, 1, 400.0));
    left.Add(Entry(1, 1, 900.0));
    left.Add(Entry(2, 0, 1600.0));
    Group noBar;
    noBar.Add(Entry(2, 1, 400.0));
    noBar.Add(Entry(0, 1, 900.0));
    Frames({"K1"});
    kp.FrameAr.Add(MainRecord("K1", {left, Bent(500), Bent(500), noBar, Straight(), Straight()}));
    ASSERT_EQ(Main(), 1);
    ASSERT_EQ(atom.TopCutBars.GetSize(), 1);
    EXPECT_EQ(atom.TopCutBars[0]->nA, 0);
    EXPECT_EQ(atom.TopCutBars[0]->L1, 900.0);
    EXPECT_EQ(atom.TopCutBars[0]->L2, 500.0);
    EXPECT_EQ(atom.TopCutRows.GetSize(), 1);
}

// One mark over support line 0 for the bars of two main records: a side whose lengths differ is
// labelled, a single differing side being the bar's one variable length; the length is the mean of
// the rounded totals.
struct LabelCase {
    double left1, right1, left2, right2;
    std::vector<CString> labels;
    double length;
};

TEST_F(TopCutOff, AMarkOfDifferingLengthsIsLabelledAndTakesTheMeanLength)
{
    const LabelCase cases[] = {
        {1000.0, 800.0, 1200.0, 800.0, {"L", "/"}, 1900.0},   // (1800 + 2000) / 2
        {1000.0, 700.0, 1000.0, 900.0, {"/", "L"}, 1800.0},   // (1700 + 1900) / 2
        // Rounded: left 1000 and 1201, right 801 and 800: (2201 + 1601) / 2.
        {1000.4, 800.6, 1200.5, 800.2, {"L1", "L2"}, 1901.0},
    };
    for (const LabelCase& c : cases) {
        Atom atom;
        Beam(atom);
        atom.ScratchRow.L1 = 345.0;
        atom.ScratchRow.L2 = 678.0;
        CPM001_CapKeyParam kp;
        ::Frames(kp, {"K1", "K2"});
        kp.FrameAr.Add(MainRecord("K1", {Bent(c.left1), Bent(c.right1), Straight(), Straight(), Straight(), Straight()}));
        kp.FrameAr.Add(MainRecord("K2", {Bent(c.left2), Bent(c.right2), Straight(), Straight(), Straight(), Straight()}));
        ASSERT_EQ(GetGJFrame_DCJDJ(atom, kp, 1, atom.TopCutBars, atom.TopCutRows), 1);
        EXPECT_EQ(Marks(atom.TopCutBars), (std::vector<CString>{"1", "1"}));
        ASSERT_EQ(atom.TopCutRows.GetSize(), 1);
        const Atom::tRn& row = atom.TopCutRows[0];
        EXPECT_EQ(row.n, 2);
        EXPECT_EQ(Labels(row), c.labels) << c.left1;
        EXPECT_EQ(row.TL, c.length) << c.left1;
        // A main skeleton's bar has no outer-end lengths, whatever the scratch row held.
        EXPECT_EQ(row.L1, 0.0);
        EXPECT_EQ(row.L2, 0.0);
        // The records keep their exact lengths.
        EXPECT_EQ(atom.TopCutBars[0]->L1, c.left1);
    }
}

TEST_F(TopCutOff, BarGroupsOfNoLengthOrPastTheLastSupportLineGiveNoBar)
{
    // Nine groups on three support lines: (0, 0) over support line 0, a bar over 1, a pair past
    // support line 2 and a group without partner.
    Frames({"K1"});
    kp.FrameAr.Add(MainRecord("K1", {Bent(0), Bent(0), Bent(500), Bent(500), Straight(), Straight(), Bent(900),
                                     Bent(900), Bent(300)}));
    ASSERT_EQ(Main(), 1);
    ASSERT_EQ(atom.TopCutBars.GetSize(), 1);
    EXPECT_EQ(atom.TopCutBars[0]->nA, 1);
    EXPECT_EQ(atom.nMark, 1);
    EXPECT_EQ(atom.TopCutMarks.GetSize(), 3);
    EXPECT_EQ(atom.TopCutMarks[0], "");
}

TEST_F(TopCutOff, EachPassBuildsOnlyItsOwnSkeletons)
{
    // A main frame without bent-up bars, a secondary frame with lengths, a frame without record.
    Frames({"K1", "K2", "X"});
    kp.FrameAr.Add(MainRecord("K1", {Straight(), Straight(), Straight(), Straight(), Straight(), Straight()}));
    kp.FrameAr.Add(SecondaryRecord("K2", {1000.0, 1000.0}));
    atom.TopCutMarks.Add("stale");
    EXPECT_EQ(Main(), 1);
    EXPECT_TRUE(atom.TopCutBars.IsEmpty());
    EXPECT_TRUE(atom.TopCutRows.IsEmpty());
    EXPECT_TRUE(atom.TopCutPool.IsEmpty());
    EXPECT_EQ(atom.nMark, 0);
    EXPECT_EQ(std::vector<CString>(atom.TopCutMarks.begin(), atom.TopCutMarks.end()),
              (std::vector<CString>{"", "", ""}));

    // The second pass builds the secondary frame's bar and leaves the first pass's marks alone.
    kp.FrameAr[0] = MainRecord("K1", {Bent(1000), Bent(800), Straight(), Straight(), Straight(), Straight()});
    atom.TopCutMarks[0] = "9";
    EXPECT_EQ(Secondary(), 1);
    ASSERT_EQ(atom.TopCutBars2.GetSize(), 1);
    EXPECT_EQ(atom.TopCutBars2[0]->nFrame, 1);
    EXPECT_EQ(atom.TopCutMarks[0], "9");
    EXPECT_EQ(atom.nMark, 1);
}

// ---------------------------------------------------------------------------------------------
// Secondary skeletons

TEST_F(TopCutOff, APairOfNoLengthGivesNoBar)
{
    // (1200, 800) over support line 0, (0, 0) over 1, (900, 900) over 2.
    Frames({"K2"});
    kp.FrameAr.Add(SecondaryRecord("K2", {1200.0, 800.0, 0.0, 0.0, 900.0, 900.0}));
    KeepRecords();
    ASSERT_EQ(Secondary(), 1);
    ASSERT_EQ(atom.TopCutBars2.GetSize(), 2);
    EXPECT_EQ(atom.TopCutBars2[0]->nA, 0);
    EXPECT_EQ(atom.TopCutBars2[1]->nA, 2);
    EXPECT_EQ(Marks(atom.TopCutBars2), (std::vector<CString>{"1", "2"}));
    EXPECT_EQ(atom.TopCutBars2[0]->dA, 1200.0);
    EXPECT_EQ(atom.TopCutBars2[0]->dB, 800.0);
    EXPECT_EQ(atom.TopCutBars2[0]->nB, 1);

    // Rows: the length plus two hooks, no labels, the outer end (left at the first support line,
    // right at the last) as shortest and longest.
    ASSERT_EQ(atom.TopCutRows2.GetSize(), 2);
    const Atom::tRn& first = atom.TopCutRows2[0];
    EXPECT_EQ(first.R, "1");
    EXPECT_EQ(first.n, 1);
    EXPECT_EQ(first.TL, 2000.0 + kTwoHooks);
    EXPECT_EQ(Labels(first), (std::vector<CString>{"/", "/"}));
    EXPECT_EQ(first.L1, 1200.0);
    EXPECT_EQ(first.L2, 1200.0);
    const Atom::tRn& second = atom.TopCutRows2[1];
    EXPECT_EQ(second.TL, 1800.0 + kTwoHooks);
    EXPECT_EQ(second.L1, 900.0);
    EXPECT_EQ(second.L2, 900.0);
}

TEST_F(TopCutOff, ASecondaryBarIsWeldedOnlyWhenItsRecordSaysSo)
{
    Frames({"W", "U"});
    kp.FrameAr.Add(SecondaryRecord("W", {0.0, 0.0, 500.0, 700.0}));
    kp.FrameAr.Add(SecondaryRecord("U", {0.0, 0.0, 500.0, 700.0}, 0));
    KeepRecords();
    ASSERT_EQ(Secondary(), 1);
    ASSERT_EQ(atom.TopCutBars2.GetSize(), 2);
    const Atom::M_DCZDJBH& welded = *atom.TopCutBars2[0];
    ExpectVertex(welded.PtAr[0], 5500.0, 1420.0, 0, 100.0, 1, 0, 1);
    ExpectVertex(welded.PtAr[1], 6000.0, 1420.0, 3, 100.0, 0, 0, 0);
    ExpectVertex(welded.PtAr[2], 6700.0, 1420.0, 0, 100.0, 1, 1, 1);
    const Atom::M_DCZDJBH& loose = *atom.TopCutBars2[1];
    EXPECT_EQ(loose.nFrame, 1);
    ExpectVertex(loose.PtAr[0], 5500.0, 1450.0, 0, 0.0, 0, 0, 0);
    ExpectVertex(loose.PtAr[1], 6000.0, 1450.0, 3, 0.0, 0, 0, 0);
    ExpectVertex(loose.PtAr[2], 6700.0, 1450.0, 0, 0.0, 0, 0, 0);
    // Same reference lengths over the same support line: one mark, two bars, no outer end.
    EXPECT_EQ(Marks(atom.TopCutBars2), (std::vector<CString>{"1", "1"}));
    ASSERT_EQ(atom.TopCutRows2.GetSize(), 1);
    EXPECT_EQ(atom.TopCutRows2[0].n, 2);
    EXPECT_EQ(atom.TopCutRows2[0].L1, 0.0);
    EXPECT_EQ(atom.TopCutRows2[0].L2, 0.0);
}

// Two secondary frames over three support lines. By reference totals support lines 0 and 2 form
// one group (2000, 2000); support line 1 is its own group, its second total being 2000.04.
class SecondaryMarks : public TopCutOff {
protected:
    void SetUp() override
    {
        TopCutOff::SetUp();
        Frames({"K2", "K3"});
        kp.FrameAr.Add(SecondaryRecord("K2", {1200.0, 800.0, 1000.0, 1000.0, 800.0, 1200.0}));
        kp.FrameAr.Add(SecondaryRecord("K3", {1200.0, 800.0, 1000.0, 1000.04, 1200.0, 800.0}));
        KeepRecords();
    }
};

TEST_F(SecondaryMarks, BarsAlikeInTenthsOrMirroringTheirGroupsFirstShareMarks)
{
    ASSERT_EQ(Secondary(), 1);
    // K2: 0 opens mark 1; 1 opens its group, mark 2; 2 mirrors K2 over 0 (800, 1200 against
    // 1200, 800): mark 1. K3: 0 as K2 over 0; 1 as K2 over 1 (1000.04 is 1000.0 in tenths);
    // 2 matches K2 over 0 straight.
    EXPECT_EQ(Marks(atom.TopCutBars2), (std::vector<CString>{"1", "2", "1", "1", "2", "1"}));
    EXPECT_EQ(atom.nMark, 2);
    EXPECT_EQ(atom.TopCutPool.GetSize(), 6);
}

TEST_F(SecondaryMarks, RowsCountEveryBarOfTheirMarkTurnedToTheFirst)
{
    ASSERT_EQ(Secondary(), 1);
    ASSERT_EQ(atom.TopCutRows2.GetSize(), 2);
    // Mark 1: K2 over 0 (1200, 800) first; K3 over 2 (1200, 800) lies alike; K3 over 0 alike;
    // K2 over 2 (800, 1200) turned. Mean 2000; the left (outer) ends all 1200.
    const Atom::tRn& first = atom.TopCutRows2[0];
    EXPECT_EQ(first.R, "1");
    EXPECT_EQ(first.n, 4);
    EXPECT_EQ(first.TL, 2000.0 + kTwoHooks);
    EXPECT_EQ(first.L1, 1200.0);
    EXPECT_EQ(first.L2, 1200.0);
    // Mark 2 over the inner support line: 1000 + 1000 twice, no outer ends.
    const Atom::tRn& second = atom.TopCutRows2[1];
    EXPECT_EQ(second.R, "2");
    EXPECT_EQ(second.n, 2);
    EXPECT_EQ(second.TL, 2000.0 + kTwoHooks);
    EXPECT_EQ(second.L1, 0.0);
    EXPECT_EQ(second.L2, 0.0);
}

TEST_F(SecondaryMarks, ALeftLengthThatDiffersInTenthsOpensAMark)
{
    // K3 over 0 now (1200.2, 799.8): same total, so the groups stay, but it is not K2's bar.
    kp.FrameAr[1].LenT[0] = 1200.2;
    kp.FrameAr[1].LenT[1] = 799.8;
    KeepRecords();
    ASSERT_EQ(Secondary(), 1);
    EXPECT_EQ(Marks(atom.TopCutBars2), (std::vector<CString>{"1", "2", "1", "3", "2", "1"}));
}

TEST_F(SecondaryMarks, ABarMatchingNothingAtItsGroupsFirstSupportOpensAMark)
{
    // K2 over 2 now (900, 1100): neither K2 over 0 straight nor mirrored.
    kp.FrameAr[0].LenT[4] = 900.0;
    kp.FrameAr[0].LenT[5] = 1100.0;
    KeepRecords();
    ASSERT_EQ(Secondary(), 1);
    EXPECT_EQ(Marks(atom.TopCutBars2), (std::vector<CString>{"1", "2", "3", "1", "2", "1"}));
}

TEST_F(SecondaryMarks, OverItsGroupsFirstSupportLineOnlyAStraightMatchSharesAMark)
{
    // K3 over 0 now (800, 1200): K2's bar there mirrored, which over the group's first support
    // line does not count.
    kp.FrameAr[1].LenT[0] = 800.0;
    kp.FrameAr[1].LenT[1] = 1200.0;
    KeepRecords();
    ASSERT_EQ(Secondary(), 1);
    EXPECT_EQ(Marks(atom.TopCutBars2), (std::vector<CString>{"1", "2", "1", "3", "2", "1"}));
}

TEST_F(SecondaryMarks, SecondaryMarksContinueTheRunningCounter)
{
    atom.nMark = 11;
    ASSERT_EQ(Secondary(), 1);
    EXPECT_EQ(atom.TopCutBars2[0]->R, "12");
    EXPECT_EQ(atom.TopCutBars2[1]->R, "13");
    EXPECT_EQ(atom.nMark, 13);
    EXPECT_TRUE(atom.TopCutBars.IsEmpty());
}

// Along the skew (lay mode 0) the frames' records are spread one per frame, and the skew moved
// their end lengths: frame N1's left end is 1450, N2's 1550, where the record as given says 1500.
class SkewedSecondary : public TopCutOff {
protected:
    void SetUp() override
    {
        TopCutOff::SetUp();
        atom.st.fLayMode = 0;
        atom.nPier = 2;
        atom.bBz.RemoveAll();
        atom.bBz.Add(5000.0);
        kp.FrameAr.Add(SecondaryRecord("N(N1,N2)", {1500.0, 2000.0, 2000.0, 1500.0}));
        KeepRecords();
        atom.KeyFrameNames.Add("N");
        atom.KeyFrameNames.Add("N");
        kp.FrameAr.RemoveAll();
        Frames({"N1", "N2"});
        kp.FrameAr.Add(SecondaryRecord("N1", {1450.0, 2000.0, 2000.0, 1550.0}));
        kp.FrameAr.Add(SecondaryRecord("N2", {1550.0, 2000.0, 2000.0, 1450.0}));
    }
};

TEST_F(SkewedSecondary, BarsOfOneSupportLineShareTheMarkOfTheirLengthsAsGiven)
{
    // Along the skew the lengths are not carried along the slopes.
    atom.iLb = 0.02;
    atom.iRb = 0.03;
    ASSERT_EQ(Secondary(), 1);
    EXPECT_EQ(Marks(atom.TopCutBars2), (std::vector<CString>{"1", "2", "1", "2"}));
    EXPECT_EQ(atom.TopCutBars2[0]->L1, 1450.0);
    EXPECT_EQ(atom.TopCutBars2[0]->L2, 2000.0);
    EXPECT_EQ(atom.TopCutBars2[0]->dA, 1500.0);
    // Mark 1 over support line 0: (1450 + 2000 + 1550 + 2000) / 2 = 3500, left ends 1450 and 1550.
    ASSERT_EQ(atom.TopCutRows2.GetSize(), 2);
    EXPECT_EQ(atom.TopCutRows2[0].n, 2);
    EXPECT_EQ(atom.TopCutRows2[0].TL, 3500.0 + kTwoHooks);
    EXPECT_EQ(atom.TopCutRows2[0].L1, 1450.0);
    EXPECT_EQ(atom.TopCutRows2[0].L2, 1550.0);
    // Mark 2 over the last support line: right ends 1550 and 1450.
    EXPECT_EQ(atom.TopCutRows2[1].TL, 3500.0 + kTwoHooks);
    EXPECT_EQ(atom.TopCutRows2[1].L1, 1450.0);
    EXPECT_EQ(atom.TopCutRows2[1].L2, 1550.0);
}

TEST_F(SkewedSecondary, WithoutTheRecordAsGivenTheBarsOwnLengthsDecide)
{
    atom.KeyFrames.RemoveAll();
    ASSERT_EQ(Secondary(), 1);
    EXPECT_EQ(Marks(atom.TopCutBars2), (std::vector<CString>{"1", "2", "3", "4"}));
    EXPECT_EQ(atom.TopCutBars2[2]->dA, 1550.0);
    EXPECT_EQ(atom.TopCutBars2[2]->dB, 2000.0);
}

TEST_F(SkewedSecondary, AReferenceListTooShortGivesWayToTheBarsOwnLengths)
{
    atom.KeyFrames[0].LenT.SetSize(2);
    ASSERT_EQ(Secondary(), 1);
    // Over support line 0 the reference (1500, 2000) makes one mark; over 1 the own lengths
    // (2000, 1550) and (2000, 1450) differ.
    EXPECT_EQ(Marks(atom.TopCutBars2), (std::vector<CString>{"1", "2", "1", "3"}));
    EXPECT_EQ(atom.TopCutBars2[1]->dB, 1550.0);
}

TEST_F(TopCutOff, PairsPastTheLastSupportLineAndAnOddLengthAreIgnored)
{
    Frames({"K2"});
    kp.FrameAr.Add(SecondaryRecord("K2", {0.0, 0.0, 0.0, 0.0, 600.0, 600.0, 900.0, 900.0, 700.0}));
    KeepRecords();
    ASSERT_EQ(Secondary(), 1);
    ASSERT_EQ(atom.TopCutBars2.GetSize(), 1);
    EXPECT_EQ(atom.TopCutBars2[0]->nA, 2);
    EXPECT_EQ(atom.TopCutRows2.GetSize(), 1);
}

// ---------------------------------------------------------------------------------------------
// Slope of the top

TEST_F(TopCutOff, LengthsFollowTheSlopeOnWhichTheirEndLies)
{
    // Crown at 5000; slopes 0.02 left and 0.03 right. Over support line 1 (6000) both ends lie at
    // or right of the crown: both lengths x sqrt(1 + 0.0009). Over support line 0 (1000) both
    // ends lie left of it: x sqrt(1 + 0.0004).
    atom.bAc = 5000.0;
    atom.iLb = 0.02;
    atom.iRb = 0.03;
    Frames({"K1"});
    kp.FrameAr.Add(MainRecord("K1", {Bent(500), Bent(3000), Bent(1000), Bent(400), Straight(), Straight()}));
    ASSERT_EQ(Main(), 1);
    ASSERT_EQ(atom.TopCutBars.GetSize(), 2);
    const Atom::M_DCZDJBH& atSupport0 = *atom.TopCutBars[0];
    EXPECT_NEAR(atSupport0.L1, 500.0 * std::sqrt(1.0004), kTol);
    EXPECT_NEAR(atSupport0.L2, 3000.0 * std::sqrt(1.0004), kTol);
    const Atom::M_DCZDJBH& atSupport1 = *atom.TopCutBars[1];
    EXPECT_NEAR(atSupport1.L1, 1000.0 * std::sqrt(1.0009), kTol);
    EXPECT_NEAR(atSupport1.L2, 400.0 * std::sqrt(1.0009), kTol);

    // The centre line keeps its level stations and follows the top: left end 5000 lies at the
    // crown (1450 - 30), the support at 6000 falls 1000 x 0.03, the right end 6400 falls 42.
    ExpectVertex(atSupport1.PtAr[0], 5000.0, 1420.0, 0, 100.0, 1, 0, 1);
    ExpectVertex(atSupport1.PtAr[1], 6000.0, 1390.0, 3, 100.0, 0, 0, 0);
    ExpectVertex(atSupport1.PtAr[2], 6400.0, 1378.0, 0, 100.0, 1, 1, 1);
    // Support line 0: 500 left of it (x 500) the top has fallen 4500 x 0.02 = 90.
    EXPECT_NEAR(atSupport0.PtAr[0].z, 1450.0 - 90.0 - 30.0, kTol);

    // Rounded lengths: 500.10 gives 500 and 3000.60 gives 3001; 1000.45 gives 1000 and 400.18 400.
    ASSERT_EQ(atom.TopCutRows.GetSize(), 2);
    EXPECT_EQ(atom.TopCutRows[0].TL, 3501.0);
    EXPECT_EQ(atom.TopCutRows[1].TL, 1400.0);
}

TEST_F(TopCutOff, OneStraightTopIsNotASlope)
{
    atom.iLb = 0.02;
    atom.iRb = -0.02;
    Frames({"K1"});
    kp.FrameAr.Add(MainRecord("K1", {Bent(500), Bent(1500), Straight(), Straight(), Straight(), Straight()}));
    ASSERT_EQ(Main(), 1);
    EXPECT_EQ(atom.TopCutBars[0]->L1, 500.0);
    EXPECT_EQ(atom.TopCutBars[0]->L2, 1500.0);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Groups of support lines along the skew, with the end support lines kept apart (the key data's
// fCapSep 0) or not (fCapSep 1). Each support line holds one bar: A = (1000, 1000), B = (800, 800).

namespace {

struct GroupCase {
    const char* what;
    std::vector<std::vector<double>> lists;   // one support line's left (= right) lengths each
    int apart;
    std::vector<std::vector<int>> groups;
};

} // namespace

TEST(SecondarySupportGroups, EndSupportLinesStayOutOfTheRepeatsWhenKeptApart)
{
    const std::vector<double> A{1000.0};
    const std::vector<double> B{800.0};
    const std::vector<double> none{};
    const std::vector<GroupCase> cases{
        // Loaded ends equal to the interior one: kept apart, no end is a repeat of another, and
        // each of the three candidates names the same group; otherwise one group.
        {"A A A, apart", {A, A, A}, 1, {{0, 1, 2}, {0, 1, 2}, {0, 1, 2}}},
        {"A A A, together", {A, A, A}, 0, {{0, 1, 2}}},
        // The first end equal to its neighbour, the last to its own: only 1 and 2 are compared.
        {"A A B B, apart", {A, A, B, B}, 1, {{0, 1}, {0, 1}, {2, 3}, {2, 3}}},
        {"A A B B, together", {A, A, B, B}, 0, {{0, 1}, {2, 3}}},
        // An unloaded last end drops out and the one before it is never a repeat, either way.
        {"A A A -, apart", {A, A, A, none}, 1, {{0, 1, 2}, {0, 1, 2}}},
        {"A A A -, together", {A, A, A, none}, 0, {{0, 1, 2}, {0, 1, 2}}},
        // An unloaded first end drops out; the rest are taken as two loaded ends.
        {"- A A A, apart", {none, A, A, A}, 1, {{1, 2, 3}, {1, 2, 3}, {1, 2, 3}}},
        {"- A A A, together", {none, A, A, A}, 0, {{1, 2, 3}}},
        // One support line: nothing to keep apart.
        {"A, apart", {A}, 1, {{0}}},
    };
    for (const GroupCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<DblArray> lists;
        for (const std::vector<double>& values : c.lists) {
            DblArray list;
            for (double v : values) list.Add(v);
            lists.push_back(list);
        }
        EXPECT_EQ(SupportGroupsBySides(lists, lists, c.apart), c.groups);
    }
}

// Through the pass: three loaded support lines alike, ends kept apart or not. The repeated groups
// name the same support lines, so the marks are the same either way: one mark, three bars.
TEST_F(TopCutOff, EndSupportLinesKeptApartMarkTheirBarsAlike)
{
    atom.st.fLayMode = 0;
    Frames({"N"});
    kp.FrameAr.Add(SecondaryRecord("N", {1000.0, 1000.0, 1000.0, 1000.0, 1000.0, 1000.0}));
    KeepRecords();
    atom.KeyFrameNames.Add("N");
    for (int apart : {1, 0}) {
        SCOPED_TRACE(apart);
        atom.fEndSupportsApart = apart;
        atom.nMark = 0;
        atom.TopCutBars2.RemoveAll();
        atom.TopCutRows2.RemoveAll();
        ASSERT_EQ(Secondary(), 1);
        EXPECT_EQ(Marks(atom.TopCutBars2), (std::vector<CString>{"1", "1", "1"}));
        ASSERT_EQ(atom.TopCutRows2.GetSize(), 1);
        EXPECT_EQ(atom.TopCutRows2[0].n, 3);
        EXPECT_EQ(atom.TopCutRows2[0].TL, 2000.0 + kTwoHooks);
    }
}
