// Bent-up bars: chains through the bar groups, centre lines with straight welded ends, segment
// lengths, and the family as a whole, on small cap beams worked by hand.
#include "capbeam/skeleton/bent_up_bars.h"

#include "capbeam/cap_beam_reinforcement_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

using namespace CapBeamBentUpBars;

namespace {

using Atom = CPM001T0101Atom;
using KeyFrame = struct CPM001_CapKeyParam::FrameAr;
using Group = CArray<CPM001_CapKeyParam::M_GJJ>;

constexpr double kTol = 1e-6;

CPM001_CapKeyParam::M_GJJ Entry(int fBar, int fWQ, int fXJ, double dx)
{
    CPM001_CapKeyParam::M_GJJ e;
    e.fBar = fBar;
    e.fWQ = fWQ;
    e.fXJ = fXJ;
    e.dx = dx;
    return e;
}

Group Make(std::initializer_list<CPM001_CapKeyParam::M_GJJ> entries)
{
    Group g;
    for (const auto& e : entries) g.Add(e);
    return g;
}

KeyFrame Type(const char* name, int fGJJ, std::initializer_list<Group> groups)
{
    KeyFrame t;
    t.name = name;
    t.fGJJ = fGJJ;
    for (const Group& g : groups) t.GJJ.Add(g);
    return t;
}

std::vector<double> Values(const DblArray& list) { return std::vector<double>(list.begin(), list.end()); }

Atom::M_XZR V(double x, double z, int enPoint)
{
    Atom::M_XZR v;
    v.x = x;
    v.z = z;
    v.enPoint = enPoint;
    return v;
}

// Two support lines 6000 apart, the first 1000 from the left end; frames straight across the beam.
void TwoSupports(Atom& atom)
{
    atom.nPier = 2;
    atom.bBzl = 1000.0;
    atom.bBzr = 1000.0;
    atom.bBz.Add(6000.0);
    atom.bBg = 8000.0;
    atom.dWeldLen = 200.0;
    for (double y : {-500.0, 0.0, 500.0}) atom.FrameY.Add(y);
}

} // namespace

// Group 0 hands its bar across support line 0; group 1 carries it on across the span and starts a
// second bar there; group 2 receives both. The last support-linked bars of groups 0/1 and 2/3 are
// shared (top cut-off positions): they make no input, but lower the others by one layer.
TEST(BentUpChains, FollowTheLinksThroughTheGroups)
{
    Atom atom;
    TwoSupports(atom);
    CPM001_CapKeyParam kp;
    kp.FrameAr.Add(Type("K1", 1,
                        {Make({Entry(2, 1, 0, 500.0), Entry(2, 1, 0, 900.0)}),
                         Make({Entry(2, 1, 1, 500.0), Entry(2, 0, 1, 800.0), Entry(2, 1, 0, 900.0)}),
                         Make({Entry(2, 0, 1, 700.0), Entry(2, 0, 1, 450.0), Entry(2, 1, 0, 300.0)}),
                         Make({Entry(2, 1, 0, 300.0)})}));
    kp.FrameAr.Add(Type("K2", 0, {}));
    for (const char* n : {"K1", "K2", "K1"}) kp.FrameName.Add(n);

    std::vector<BentChain> chains;
    GetBentChains(atom, kp, chains);
    ASSERT_EQ(chains.size(), 4u);   // two bars in each of frames 0 and 2
    EXPECT_EQ(atom.BentChainCount, 4);

    const BentChain& a = chains[0];
    ASSERT_EQ(a.size(), 3u);
    // Group 0: one layer below the shared bar; distance = station 1000 - 500.
    EXPECT_EQ(a[0].pA[1], 0);
    EXPECT_EQ(a[0].nA, 0);
    EXPECT_EQ(a[0].pB[1], 1);
    EXPECT_NEAR(a[0].dB, 500.0, kTol);
    // Group 1: support-linked, so below the shared bar too.
    EXPECT_EQ(a[1].nA, 1);
    EXPECT_EQ(a[1].pB[1], 1);
    // Group 2, entry 0: 700 - 200 > 300 and no support link: top layer.
    EXPECT_EQ(a[2].nA, 2);
    EXPECT_EQ(a[2].pB[0], 0);
    EXPECT_EQ(a[2].pB[1], 0);
    EXPECT_EQ(a[2].nB, 0);
    EXPECT_EQ(a[2].nC, 2);

    const BentChain& b = chains[1];
    ASSERT_EQ(b.size(), 2u);
    // Started by group 1's span-only entry: 800 - 200 <= 900, one span link before it.
    EXPECT_EQ(b[0].nA, 1);
    EXPECT_EQ(b[0].pB[0], 1);
    EXPECT_EQ(b[0].pB[1], 1);
    EXPECT_EQ(b[0].nB, 1);
    // Group 2, entry 1: 450 - 200 <= 300: below the shared bar.
    EXPECT_EQ(b[1].pB[1], 1);
    EXPECT_EQ(b[1].nB, 1);
    EXPECT_EQ(chains[3][0].pA[1], 2);
    EXPECT_NEAR(b[1].dA, 450.0, kTol);

}

// A group that continues more bars across a support line than its partner handed over starts a new
// bar for each extra one instead of reading past the handed-over list.
TEST(BentUpChains, AnUnmatchedContinuationStartsABar)
{
    Atom atom;
    TwoSupports(atom);
    CPM001_CapKeyParam kp;
    kp.FrameAr.Add(Type("K1", 1, {Make({}), Make({Entry(2, 1, 0, 500.0)}), Make({}), Make({})}));
    kp.FrameName.Add("K1");
    std::vector<BentChain> chains;
    GetBentChains(atom, kp, chains);
    ASSERT_EQ(chains.size(), 1u);
    ASSERT_EQ(chains[0].size(), 1u);
    EXPECT_EQ(chains[0][0].nA, 1);
}

// Straight line 0-200-500 along the bottom, a 300/400 rise, then a 200 top leg: the kink at 200 and
// the bend at 500 are one piece (200 + 300); then 500 and 200.
TEST(BentUpSegments, MergeTheKinkBesideABottomBend)
{
    Atom atom;
    atom.dWeldLen = 200.0;
    CArray<Atom::M_XZR> line;
    for (const auto& v : {V(0, 0, 0), V(200, 0, 3), V(500, 0, 2), V(800, 400, 1), V(1000, 400, 0)}) line.Add(v);
    DblArray segs;
    BentSegments(atom, line, 0.0, CDblPoint(), 0.0, CDblPoint(), segs);
    EXPECT_EQ(Values(segs), (std::vector<double>{500.0, 500.0, 200.0}));

    // A left end bent against the end face: weld leg 200, arc 50, tangent point (450, 0) to v2 = 50,
    // then the pieces from v3 on.
    BentSegments(atom, line, 50.0, CDblPoint(450.0, 0.0), 0.0, CDblPoint(), segs);
    EXPECT_EQ(Values(segs), (std::vector<double>{200.0, 50.0, 50.0, 500.0, 200.0}));
}

class BentUpOneSupport : public ::testing::Test {
protected:
    void SetUp() override
    {
        // One support line 1000 from either end of a 2000 beam; top bars' axis at 1500 - 60 = 1440.
        atom.nPier = 1;
        atom.bBzl = 1000.0;
        atom.bBzr = 1000.0;
        atom.bBg = 2000.0;
        atom.hHgl = 1500.0;
        atom.bAc = 1000.0;
        atom.st.ua = 60.0;
        atom.st.LWeld = 200.0;
        atom.dMainBarWd = 28.4;
        atom.dWeldLen = 200.0;
        atom.FrameY.Add(0.0);
    }

    // A bar welded straight at both ends, 400 left and 300 right of the support, top layer.
    BentChain StraightChain() const
    {
        Atom::M_BZXJ left;
        left.nA = 0;
        left.dA = 400.0;
        left.dB = 600.0;
        left.nC = 1;
        Atom::M_BZXJ right;
        right.nA = 1;
        right.dA = 300.0;
        right.nC = 1;
        return {left, right};
    }

    Atom atom;
};

TEST_F(BentUpOneSupport, StraightEndedBarRunsOneLayerBelowTheTop)
{
    Atom::M_WQJ bar;
    MakeBentBar(atom, StraightChain(), 7, bar);
    ASSERT_EQ(bar.PtAr.GetSize(), 3);
    // 1000 - 400 at 1440 - 28.4; the support at 1000; 2000 - 1000 + 300.
    EXPECT_NEAR(bar.PtAr[0].x, 600.0, kTol);
    EXPECT_NEAR(bar.PtAr[0].z, 1411.6, kTol);
    EXPECT_EQ(bar.PtAr[1].enPoint, 3);
    EXPECT_NEAR(bar.PtAr[1].x, 1000.0, kTol);
    EXPECT_NEAR(bar.PtAr[2].x, 1300.0, kTol);
    EXPECT_EQ(bar.nA, 7);
    EXPECT_EQ(bar.nB, 0);
    EXPECT_EQ(bar.nC, 1);
    EXPECT_NEAR(bar.dA, 400.0, kTol);
    EXPECT_NEAR(bar.dB, 600.0, kTol);
    EXPECT_NEAR(bar.dC, 300.0, kTol);
    EXPECT_NEAR(bar.dD, 0.0, kTol);
    EXPECT_TRUE(bar.L.IsEmpty());
    EXPECT_EQ(Values(bar.L2), (std::vector<double>{400.0, 300.0}));
    EXPECT_NEAR(bar.dE, 700.0, kTol);
}

// Top slopes 2 % and 1 % meeting at 1000: the kink at the support takes -atan(0.02 - 0.01).
TEST_F(BentUpOneSupport, TheKinkOverTheCrownTakesTheSlopeChange)
{
    atom.iLb = 0.02;
    atom.iRb = 0.01;
    Atom::M_WQJ bar;
    MakeBentBar(atom, StraightChain(), 0, bar);
    ASSERT_EQ(bar.PtAr.GetSize(), 3);
    EXPECT_NEAR(bar.PtAr[1].alf, -std::atan(0.01), kTol);
    // 600 lies 400 before the crown: 1440 - 400 x 0.02 - 28.4.
    EXPECT_NEAR(bar.PtAr[0].z, 1403.6, kTol);
}

TEST_F(BentUpOneSupport, TheFamilyMarksAndSchedulesItsBars)
{
    CPM001_CapKeyParam kp;
    kp.FrameAr.Add(Type("K1", 1, {Make({Entry(1, 1, 0, 400.0)}), Make({Entry(1, 1, 0, 300.0)})}));
    kp.FrameName.Add("K1");
    atom.nMark = 4;
    CArray<Atom::M_WQJ_R*> bars;
    CArray<Atom::M_ArcWQJ_R*> arcs;
    CArray<Atom::tRn> rows;
    CArray<Atom::tRn> arcRows;
    EXPECT_EQ(GetGJFrame_WQJ(atom, kp, bars, arcs, rows, arcRows), 1);
    // The two support-linked entries are a shared pair: no bar.
    EXPECT_TRUE(bars.IsEmpty());
    EXPECT_EQ(atom.nMark, 4);

    // With the shared pair further out, the inner pair makes one bar, 400 + 300 long.
    kp.FrameAr[0] = Type("K1", 1, {Make({Entry(1, 1, 0, 400.0), Entry(2, 1, 0, 900.0)}),
                                   Make({Entry(1, 1, 0, 300.0), Entry(2, 1, 0, 900.0)})});
    EXPECT_EQ(GetGJFrame_WQJ(atom, kp, bars, arcs, rows, arcRows), 1);
    ASSERT_EQ(bars.GetSize(), 1);
    EXPECT_EQ(bars[0]->R, "5");
    EXPECT_EQ(atom.nMark, 5);
    ASSERT_EQ(rows.GetSize(), 1);
    EXPECT_EQ(rows[0].n, 1);
    EXPECT_NEAR(rows[0].TL, 700.0, kTol);
    // KeyLen1 is 0: no arcs.
    EXPECT_TRUE(arcs.IsEmpty());
    EXPECT_TRUE(arcRows.IsEmpty());
}

// ---------------------------------------------------------------------------------------------
// The arcs over the supports, through the whole skeleton design: a straight 8000 beam with square
// ends and two support lines at 1000 and 7000, frames K1, K2, K1 (K1 a main skeleton with one
// bent-up bar either side of each support line). The layout is symmetric, so the two arcs of a
// frame mirror each other.

namespace {

class BentUpArcMarks : public ::testing::Test {
protected:
    void SetUp() override
    {
        atom.nPier = 2;
        atom.bBz.Add(6000.0);
        atom.bBzl = 1000.0;
        atom.bBzr = 1000.0;
        atom.bBg = 8000.0;
        atom.lWg = 1800.0;
        atom.hHgl = 1600.0;
        atom.bAc = 4000.0;
        atom.st.d = 25.0;
        atom.st.type = 3;
        atom.st.ua = 60.0;
        atom.st.sa = 40.0;
        atom.st.LstWeld = 200.0;
        atom.hXbl = 1600.0;
        atom.hXbr = 1600.0;
        atom.st.angle = 0.785398163;

        kp.KeyLen1 = 600.0;
        kp.KeyLen2 = 300.0;
        kp.WeldArcR = 150.0;
        kp.st_angle = 0.785398163;
        for (const char* n : {"K1", "K2", "K1"}) kp.FrameName.Add(n);
        for (double y : {-700.0, 0.0, 700.0}) kp.FrameY.Add(y);
        const Group side = Make({Entry(2, 1, 0, 400.0), Entry(2, 1, 0, 900.0)});
        kp.FrameAr.Add(Type("K1", 1, {side, side, side, side}));
        kp.FrameAr.Add(Type("K2", 0, {}));
    }

    int Design(int layMode)
    {
        atom.st.fLayMode = layMode;
        kp.st_fLayMode = layMode;
        return CPM001T0101AtomTestAccess::SetstData(atom, &kp);
    }

    Atom atom;
    CPM001_CapKeyParam kp;
};

} // namespace

// Laid straight across (lay mode 1): the mirrored arcs of both support lines take one mark.
TEST_F(BentUpArcMarks, MirroredSupportsShareOneMark)
{
    Design(1);
    ASSERT_EQ(atom.BentArcs.GetSize(), 4);   // frames 0 and 2, two support lines each
    for (const Atom::M_ArcWQJ_R* arc : atom.BentArcs) EXPECT_EQ(arc->R, atom.BentArcs[0]->R);
    ASSERT_EQ(atom.BentArcRows.GetSize(), 1);
    EXPECT_EQ(atom.BentArcRows[0].n, 4);
}

// Lay mode 0 compares the arcs unmirrored, frame by frame: these read the same both ways, so they
// too share one mark. Without KeyLen1 there are no arcs.
TEST_F(BentUpArcMarks, EqualArcsShareAMarkAndNoLengthMeansNoArcs)
{
    Design(0);
    ASSERT_EQ(atom.BentArcs.GetSize(), 4);
    ASSERT_EQ(atom.BentArcRows.GetSize(), 1);
    EXPECT_EQ(atom.BentArcRows[0].n, 4);
    // Legs from feet 600 either side up at 45 deg: 600 x sqrt 2 = 848.528, less the tangent of the
    // quarter-turn bend of radius 300 (300 x tan 45 deg) = 548.528; the bend 90 / 180 x pi x 300 =
    // 471.239; weld legs 200. Rounded piece by piece: 200 + 549 + 471 + 549 + 200.
    EXPECT_NEAR(atom.BentArcRows[0].TL, 1969.0, kTol);

    Atom fresh;   // KeyLen1 0
    fresh.nPier = 2;
    fresh.bBz.Add(6000.0);
    CArray<Atom::M_WQJ_R*> bars;
    CArray<Atom::M_ArcWQJ_R*> arcs;
    CArray<Atom::tRn> rows;
    CArray<Atom::tRn> arcRows;
    EXPECT_EQ(GetGJFrame_WQJ(fresh, kp, bars, arcs, rows, arcRows), 1);
    EXPECT_TRUE(arcs.IsEmpty());
    EXPECT_TRUE(arcRows.IsEmpty());
}

// A main frame whose groups hold standard inclined bars only still gets one arc over each support
// line, the same arcs as above: their shape does not depend on the bars.
TEST_F(BentUpArcMarks, AMainFrameWithOnlyInclinedBarsGetsItsArcs)
{
    const Group none = Make({});
    const Group inclined = Make({Entry(0, 0, 0, 1600.0)});
    kp.FrameAr[0] = Type("K1", 1, {none, inclined, inclined, none});
    Design(0);
    EXPECT_TRUE(atom.BentBars.IsEmpty());
    EXPECT_EQ(atom.InclBars.GetSize(), 4);   // one each side of the span, frames 0 and 2
    ASSERT_EQ(atom.BentArcs.GetSize(), 4);
    for (const Atom::M_ArcWQJ_R* arc : atom.BentArcs) {
        const int frame = arc->pArcWQJ->nA;
        EXPECT_TRUE(frame == 0 || frame == 2) << frame;
    }
    ASSERT_EQ(atom.BentArcRows.GetSize(), 1);
    EXPECT_EQ(atom.BentArcRows[0].n, 4);
    EXPECT_NEAR(atom.BentArcRows[0].TL, 1969.0, kTol);
}
