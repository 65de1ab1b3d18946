// Through bars: offset outlines, the frames and marks that carry them, and their shapes and cut lengths, on beams worked by hand.
#include "capbeam/skeleton/through_bars.h"

#include "host/report.h"

#include "common/is_equal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace CapBeamThroughBars;

namespace {

using Atom = CPM001T0101Atom;

constexpr double kTol = 1e-6;
constexpr double P = 1.57079635;   // the quarter turn the bars store

// A beam 10000 long and 1500 high with a level top: covers sa 40, da 60, ua 50 (the top bars'
// axis at 1450), inner layer 30 further in, welded legs 200, weld length 100.
std::unique_ptr<Atom> LevelBeam()
{
    auto atom = std::make_unique<Atom>();
    atom->bBg = 10000.0;
    atom->hHgl = 1500.0;
    atom->iLb = 0.0;
    atom->iRb = 0.0;
    atom->bAc = 5000.0;
    atom->st.sa = 40.0;
    atom->st.da = 60.0;
    atom->st.ua = 50.0;
    atom->st.LWeld = 100.0;
    atom->dMainBarWd = 30.0;
    atom->dWeldLen = 200.0;
    atom->TopThroughMark = "1";
    atom->BottomThroughMark = "2";
    return atom;
}

// Both ends sloped: run 800, rise 600 (so cos 0.8, sin 0.6, tan of half the angle 1/3).
std::unique_ptr<Atom> SlopedBeam()
{
    auto atom = LevelBeam();
    atom->bBpl = 800.0;
    atom->hHpl = 600.0;
    atom->bBpr = 800.0;
    atom->hHpr = 600.0;
    return atom;
}

void WithFillets(Atom& atom)
{
    atom.st.fCalculateLarc = 1;
    atom.st.LeadPointR = 100.0;
    atom.st.LeadPointR2 = 70.0;
}

// The fillet correction of a bend, as the bars add it: r (a - 2 tan(a / 2)).
double Fillet(double r, double a) { return r * (a - 2.0 * std::tan(a / 2.0)); }

void ExpectVertex(const Atom::M_XZR& v, double x, double z, double alf, int enPoint)
{
    EXPECT_NEAR(v.x, x, kTol);
    EXPECT_NEAR(v.z, z, kTol);
    EXPECT_NEAR(v.alf, alf, kTol);
    EXPECT_EQ(v.enPoint, enPoint);
}

void ExpectWelds(const Atom::M_XZR& v, int fH, int fHzy, int fHsx)
{
    EXPECT_EQ(v.fH, fH);
    EXPECT_EQ(v.fHzy, fHzy);
    EXPECT_EQ(v.fHsx, fHsx);
}

void ExpectLengths(const DblArray& L, std::initializer_list<double> expected)
{
    ASSERT_EQ(L.GetSize(), static_cast<int>(expected.size()));
    int k = 0;
    for (double e : expected) EXPECT_NEAR(L[k++], e, kTol) << "segment " << k - 1;
}

void ExpectPoint(const CDblPoint& p, double x, double y, double tol = kTol)
{
    EXPECT_NEAR(p.x, x, tol);
    EXPECT_NEAR(p.y, y, tol);
}

struct Pair {
    Atom::singAr bars[2];
};

struct CPM001_CapKeyParam::FrameAr Record(const char* name, int fGJJ, int fWeldT, int fWeldB)
{
    struct CPM001_CapKeyParam::FrameAr r;
    r.name = name;
    r.fGJJ = fGJJ;
    r.fWeldT = fWeldT;
    r.fWeldB = fWeldB;
    return r;
}

IntArray Ints(std::initializer_list<int> values)
{
    IntArray out;
    for (int v : values) out.Add(v);
    return out;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Outlines

TEST(ThroughBarOutlines, SquareEndsCloseTheBottomLineWithShortLegs)
{
    auto atom = LevelBeam();
    atom->PYXTCJpa1.Add(CDblPoint(1.0, 1.0));   // rebuilt from empty
    ASSERT_EQ(GetPYXTCJpaAr(*atom), 1);
    const CDblPointArray& o = atom->PYXTCJpa1;
    const CDblPointArray& in = atom->PYXTCJpa2;
    ASSERT_EQ(o.GetSize(), 4);
    ASSERT_EQ(in.GetSize(), 4);
    ExpectPoint(o[0], 40.0, 260.0);
    ExpectPoint(o[1], 40.0, 60.0);
    ExpectPoint(o[2], 9960.0, 60.0);
    ExpectPoint(o[3], 9960.0, 260.0);
    ExpectPoint(in[0], 70.0, 290.0);
    ExpectPoint(in[1], 70.0, 90.0);
    ExpectPoint(in[2], 9930.0, 90.0);
    ExpectPoint(in[3], 9930.0, 290.0);
}

TEST(ThroughBarOutlines, SlopedEndsFollowTheOffsetSlope)
{
    // Outer: the slope z = 600 - 0.75 x moved in by 60 is z = 675 - 0.75 x; it meets x = 40 at 645
    // and z = 60 at x = 820 (975 along the slope). Inner, moved in by 90: x = 70 at 660, z = 90
    // at x = 830 (950 along the slope).
    auto atom = SlopedBeam();
    ASSERT_EQ(GetPYXTCJpaAr(*atom), 1);
    const CDblPointArray& o = atom->PYXTCJpa1;
    const CDblPointArray& in = atom->PYXTCJpa2;
    ASSERT_EQ(o.GetSize(), 6);
    ASSERT_EQ(in.GetSize(), 6);
    ExpectPoint(o[0], 40.0, 845.0);
    ExpectPoint(o[1], 40.0, 645.0);
    ExpectPoint(o[2], 820.0, 60.0);
    ExpectPoint(o[3], 9180.0, 60.0);
    ExpectPoint(o[4], 9960.0, 645.0);
    ExpectPoint(o[5], 9960.0, 845.0);
    ExpectPoint(in[0], 70.0, 860.0);
    ExpectPoint(in[1], 70.0, 660.0);
    ExpectPoint(in[2], 830.0, 90.0);
    ExpectPoint(in[3], 9170.0, 90.0);
    ExpectPoint(in[4], 9930.0, 660.0);
    ExpectPoint(in[5], 9930.0, 860.0);
}

TEST(ThroughBarOutlines, AnEndTooShortToOffsetKeepsItsCorner)
{
    // The slope of 1e-5 beside a sloped end cannot be offset by the covers: the shift along it
    // is the nominal 1e-5, so the outline keeps the corner of the cover lines.
    auto atom = SlopedBeam();
    atom->bBpl = 1e-5;
    atom->hHpl = 1e-5;
    ASSERT_EQ(GetPYXTCJpaAr(*atom), 1);
    const CDblPointArray& o = atom->PYXTCJpa1;
    ASSERT_EQ(o.GetSize(), 6);
    ExpectPoint(o[1], 40.0, 60.0, 1e-4);
    ExpectPoint(o[2], 40.0, 60.0, 1e-4);
    ExpectPoint(o[4], 9960.0, 645.0);
}

// ---------------------------------------------------------------------------------------------
// Frames and marks

TEST(ThroughBarFrames, MainSkeletonsCarryBothBarsAndTheSecondaryShareTheirMarks)
{
    Atom atom;
    atom.nMark = 5;
    CPM001_CapKeyParam kp;
    for (const char* name : {"C", "A", "B", "A"}) kp.FrameName.Add(name);
    kp.FrameAr.Add(Record("A", 1, 1, 1));
    kp.FrameAr.Add(Record("B", 0, 1, 0));
    kp.FrameAr.Add(Record("C", 0, 0, 1));
    kp.FrameAr.Add(Record("A", 1, 1, 1));   // a second record of the same name adds nothing

    CString top, bottom;
    IntArray topList, bottomList;
    ASSERT_EQ(GetGJFrame_TCJBH(atom, kp, top, topList, bottom, bottomList), 1);
    EXPECT_EQ(top, "6");
    EXPECT_EQ(bottom, "7");
    EXPECT_EQ(atom.nMark, 7);
    EXPECT_TRUE(KVDataCommon::IsEqual(topList, Ints({1, 2, 3})));
    EXPECT_TRUE(KVDataCommon::IsEqual(bottomList, Ints({0, 1, 3})));
}

TEST(ThroughBarFrames, SecondarySkeletonsAloneTakeTheirOwnMarks)
{
    Atom atom;
    atom.nMark = 2;
    CPM001_CapKeyParam kp;
    for (const char* name : {"B", "C", "B"}) kp.FrameName.Add(name);
    kp.FrameAr.Add(Record("B", 0, 1, 0));
    kp.FrameAr.Add(Record("C", 0, 0, 0));

    CString top, bottom;
    IntArray topList, bottomList;
    GetGJFrame_TCJBH(atom, kp, top, topList, bottom, bottomList);
    EXPECT_EQ(top, "3");
    EXPECT_TRUE(bottom.IsEmpty());
    EXPECT_EQ(atom.nMark, 3);
    EXPECT_TRUE(KVDataCommon::IsEqual(topList, Ints({0, 2})));
    EXPECT_TRUE(bottomList.IsEmpty());
}

TEST(ThroughBarFrames, NoWeldedBarsLeaveMarksListsAndCounterAlone)
{
    Atom atom;
    atom.nMark = 9;
    CPM001_CapKeyParam kp;
    kp.FrameName.Add("B");
    kp.FrameName.Add("X");   // no record of this name
    kp.FrameAr.Add(Record("B", 0, 0, 0));

    CString top, bottom;
    IntArray topList, bottomList;
    GetGJFrame_TCJBH(atom, kp, top, topList, bottom, bottomList);
    EXPECT_TRUE(top.IsEmpty());
    EXPECT_TRUE(bottom.IsEmpty());
    EXPECT_TRUE(topList.IsEmpty());
    EXPECT_TRUE(bottomList.IsEmpty());
    EXPECT_EQ(atom.nMark, 9);
}

TEST(ThroughBarFrames, AFrameDescribedAsMainAndAsWeldedSecondaryIsCountedOnce)
{
    // A frame holds one bar of each layer, so it is listed once even when records of its name
    // make it a main skeleton and a welded secondary one.
    Atom atom;
    CPM001_CapKeyParam kp;
    kp.FrameName.Add("A");
    kp.FrameAr.Add(Record("A", 1, 1, 1));
    kp.FrameAr.Add(Record("A", 0, 1, 1));

    CString top, bottom;
    IntArray topList, bottomList;
    GetGJFrame_TCJBH(atom, kp, top, topList, bottom, bottomList);
    EXPECT_TRUE(KVDataCommon::IsEqual(topList, Ints({0})));
    EXPECT_TRUE(KVDataCommon::IsEqual(bottomList, Ints({0})));
    EXPECT_EQ(atom.nMark, 2);
}

// ---------------------------------------------------------------------------------------------
// Bars over square ends

TEST(ThroughBarsSquareEnds, OuterTopLegsAndShortBottomLegs)
{
    auto atom = LevelBeam();
    Pair pair;
    ASSERT_EQ(GetGJFrame_TCJ(*atom, pair.bars), 1);

    const Atom::singAr& top = pair.bars[0];
    EXPECT_EQ(top.class_, 1);
    EXPECT_EQ(top.fStwArc, 0);
    EXPECT_EQ(top.R, "1");
    ASSERT_EQ(top.PtAr.GetSize(), 4);
    ExpectVertex(top.PtAr[0], 40.0, 60.0, 0.0, 0);
    ExpectVertex(top.PtAr[1], 40.0, 1450.0, -P, 1);
    ExpectVertex(top.PtAr[2], 9960.0, 1450.0, -P, 1);
    ExpectVertex(top.PtAr[3], 9960.0, 60.0, 0.0, 0);
    ExpectWelds(top.PtAr[0], 1, 0, 1);
    ExpectWelds(top.PtAr[1], 1, 0, 0);
    ExpectWelds(top.PtAr[2], 1, 1, 0);
    ExpectWelds(top.PtAr[3], 1, 1, 1);
    ExpectLengths(top.L, {1390.0, 9920.0, 1390.0});
    EXPECT_EQ(top.sTL, 12700.0);

    const Atom::singAr& bottom = pair.bars[1];
    EXPECT_EQ(bottom.class_, 2);
    EXPECT_EQ(bottom.R, "2");
    ASSERT_EQ(bottom.PtAr.GetSize(), 4);
    ExpectVertex(bottom.PtAr[0], 70.0, 260.0, 0.0, 0);
    ExpectVertex(bottom.PtAr[1], 70.0, 60.0, P, 2);
    ExpectVertex(bottom.PtAr[2], 9930.0, 60.0, P, 2);
    ExpectVertex(bottom.PtAr[3], 9930.0, 260.0, 0.0, 0);
    ExpectWelds(bottom.PtAr[0], 1, 1, 0);
    ExpectWelds(bottom.PtAr[1], 1, 1, 1);
    ExpectWelds(bottom.PtAr[2], 1, 0, 1);
    ExpectWelds(bottom.PtAr[3], 1, 0, 0);
    ExpectLengths(bottom.L, {200.0, 9860.0, 200.0});
    EXPECT_EQ(bottom.sTL, 10260.0);

    for (const Atom::singAr* bar : {&top, &bottom}) {
        for (const Atom::M_XZR& v : bar->PtAr) {
            EXPECT_EQ(v.LH, 100.0);
            EXPECT_EQ(v.RR, 0.0);
            EXPECT_EQ(v.fArc, 0);
        }
    }
}

TEST(ThroughBarsSquareEnds, InsetTopLegsAndFullHeightBottomLegs)
{
    auto atom = LevelBeam();
    atom->fEndInset = 1;
    atom->iLb = 0.02;   // one straight top: the bars treat it as level
    atom->iRb = -0.02;
    Pair pair;
    ASSERT_EQ(GetGJFrame_TCJ(*atom, pair.bars), 1);

    const Atom::singAr& top = pair.bars[0];
    ASSERT_EQ(top.PtAr.GetSize(), 4);
    ExpectVertex(top.PtAr[0], 70.0, 1250.0, 0.0, 0);
    ExpectVertex(top.PtAr[1], 70.0, 1450.0, -P, 1);
    ExpectVertex(top.PtAr[2], 9930.0, 1450.0, -P, 1);
    ExpectVertex(top.PtAr[3], 9930.0, 1250.0, 0.0, 0);
    ExpectWelds(top.PtAr[0], 1, 1, 1);
    ExpectWelds(top.PtAr[3], 1, 0, 1);
    ExpectLengths(top.L, {200.0, 9860.0, 200.0});

    const Atom::singAr& bottom = pair.bars[1];
    ASSERT_EQ(bottom.PtAr.GetSize(), 4);
    ExpectVertex(bottom.PtAr[0], 40.0, 1450.0, 0.0, 0);
    ExpectVertex(bottom.PtAr[1], 40.0, 60.0, P, 2);
    ExpectVertex(bottom.PtAr[2], 9960.0, 60.0, P, 2);
    ExpectVertex(bottom.PtAr[3], 9960.0, 1450.0, 0.0, 0);
    ExpectWelds(bottom.PtAr[0], 1, 0, 0);
    ExpectWelds(bottom.PtAr[3], 1, 1, 0);
    ExpectLengths(bottom.L, {1390.0, 9920.0, 1390.0});
}

TEST(ThroughBarsSquareEnds, TwoSlopedTopTurnsAtTheCrown)
{
    // Crown at 4000: the top bars' axis is 1450 there, 1450 - 3960 x 0.02 = 1370.8 at x = 40 and
    // 1450 - 5960 x 0.03 = 1271.2 at x = 9960. The runs are 3960 sqrt(1.0004) = 3960.7919 and
    // 5960 sqrt(1.0009) = 5962.6814.
    auto atom = LevelBeam();
    atom->iLb = 0.02;
    atom->iRb = 0.03;
    atom->bAc = 4000.0;
    Pair pair;
    ASSERT_EQ(GetGJFrame_TCJ(*atom, pair.bars), 1);

    const Atom::singAr& top = pair.bars[0];
    ASSERT_EQ(top.PtAr.GetSize(), 5);
    ExpectVertex(top.PtAr[0], 40.0, 60.0, 0.0, 0);
    ExpectVertex(top.PtAr[1], 40.0, 1370.8, 0.019997334 - P, 1);
    ExpectVertex(top.PtAr[2], 4000.0, 1450.0, -(0.019997334 + 0.029991005), 3);
    ExpectVertex(top.PtAr[3], 9960.0, 1271.2, 0.029991005 - P, 1);
    ExpectVertex(top.PtAr[4], 9960.0, 60.0, 0.0, 0);
    ExpectWelds(top.PtAr[2], 0, 0, 0);
    ASSERT_EQ(top.L.GetSize(), 4);
    EXPECT_NEAR(top.L[0], 1310.8, kTol);
    EXPECT_NEAR(top.L[1], 3960.791921, 1e-5);
    EXPECT_NEAR(top.L[2], 5962.681398, 1e-5);
    EXPECT_NEAR(top.L[3], 1211.2, kTol);
    EXPECT_EQ(top.sTL, 1311.0 + 3961.0 + 5963.0 + 1211.0);   // each segment rounded

    // Inset legs: the runs start 30 further in.
    atom->fEndInset = 1;
    ASSERT_EQ(GetGJFrame_TCJ(*atom, pair.bars), 1);
    const Atom::singAr& inset = pair.bars[0];
    ASSERT_EQ(inset.L.GetSize(), 4);
    EXPECT_NEAR(inset.L[0], 200.0, kTol);
    EXPECT_NEAR(inset.L[1], 3930.0 * std::sqrt(1.0004), 1e-6);
    EXPECT_NEAR(inset.L[2], 5930.0 * std::sqrt(1.0009), 1e-6);
    EXPECT_NEAR(inset.PtAr[1].alf, 0.019997334 - P, kTol);   // a two-sloped top keeps its angle

    // A right slope rising towards the end (iRb < 0): the bar turns down through more than a
    // quarter turn there, atan(-0.01) - P, and the fillet follows that angle.
    atom->fEndInset = 0;
    atom->iRb = -0.01;
    WithFillets(*atom);
    ASSERT_EQ(GetGJFrame_TCJ(*atom, pair.bars), 1);
    const Atom::singAr& valley = pair.bars[0];
    ASSERT_EQ(valley.PtAr.GetSize(), 5);
    ExpectVertex(valley.PtAr[3], 9960.0, 1450.0 + 59.6, -0.0099996667 - P, 1);
    ExpectVertex(valley.PtAr[2], 4000.0, 1450.0, -(0.019997334 - 0.0099996667), 3);
    // Segments 1310.8, 3960.7919, 5960 sqrt(1.0001) = 5960.2980, 1449.6 (12681.4899); fillets of
    // radius 70 through 1.550799 (tan of half 0.980200) and 1.580796 (tan of half 1.010050):
    // -28.6721 and -30.7513.
    EXPECT_NEAR(Fillet(70.0, P - 0.019997334) + Fillet(70.0, P + 0.0099996667), -59.4234, 1e-3);
    EXPECT_EQ(valley.sTL, 12622.0);   // 12681.4899 - 59.4234 = 12622.07
}

TEST(ThroughBarsSquareEnds, CutLengthsRoundEverySegmentOrAddTheFillets)
{
    // Legs 200.4, bottom run 10000 - 80 - 63.2 = 9856.8.
    auto atom = LevelBeam();
    atom->dMainBarWd = 31.6;
    atom->dWeldLen = 200.4;
    Pair pair;
    GetGJFrame_TCJ(*atom, pair.bars);
    EXPECT_EQ(pair.bars[1].sTL, 200.0 + 9857.0 + 200.0);   // not 10257.6 rounded once
    EXPECT_NEAR(pair.bars[1].L[1], 9856.8, kTol);           // L keeps the unrounded lengths

    // Two quarter turns of radius 70: 2 x 70 (pi/2 - 2) = -60.0885.
    WithFillets(*atom);
    GetGJFrame_TCJ(*atom, pair.bars);
    EXPECT_NEAR(2.0 * Fillet(70.0, P), -60.0885, 1e-4);
    EXPECT_EQ(pair.bars[1].sTL, 10198.0);   // 10257.6 - 60.0885 = 10197.51
    EXPECT_EQ(pair.bars[0].sTL, 12640.0);   // 12700 - 60.0885 = 12639.91
}

// ---------------------------------------------------------------------------------------------
// Bars over sloped ends

TEST(ThroughBarsSlopedEnds, ShortBottomLegsStandOnTheSlopes)
{
    // The inset legs at x = 70 and 9930 meet the outer slope z = 675 - 0.75 x at 622.5; from
    // there to the kink (820, 60) is sqrt(750^2 + 562.5^2) = 937.5.
    auto atom = SlopedBeam();
    GetPYXTCJpaAr(*atom);
    Pair pair;
    ASSERT_EQ(GetGJFrame_TCJ(*atom, pair.bars), 1);
    const double theta = std::atan(0.75);

    const Atom::singAr& top = pair.bars[0];
    ASSERT_EQ(top.PtAr.GetSize(), 4);
    ExpectVertex(top.PtAr[0], 40.0, 645.0, 0.0, 0);
    ExpectVertex(top.PtAr[1], 40.0, 1450.0, -P, 1);
    ExpectVertex(top.PtAr[2], 9960.0, 1450.0, -P, 1);
    ExpectVertex(top.PtAr[3], 9960.0, 645.0, 0.0, 0);
    ExpectLengths(top.L, {805.0, 9920.0, 805.0});
    EXPECT_EQ(top.sTL, 11530.0);

    const Atom::singAr& bottom = pair.bars[1];
    ASSERT_EQ(bottom.PtAr.GetSize(), 6);
    ExpectVertex(bottom.PtAr[0], 70.0, 822.5, 0.0, 0);
    ExpectVertex(bottom.PtAr[1], 70.0, 622.5, P - theta, 2);
    ExpectVertex(bottom.PtAr[2], 820.0, 60.0, theta, 2);
    ExpectVertex(bottom.PtAr[3], 9180.0, 60.0, theta, 2);
    ExpectVertex(bottom.PtAr[4], 9930.0, 622.5, P - theta, 2);
    ExpectVertex(bottom.PtAr[5], 9930.0, 822.5, 0.0, 0);
    ExpectWelds(bottom.PtAr[0], 1, 1, 0);
    ExpectWelds(bottom.PtAr[1], 1, 1, 1);
    ExpectWelds(bottom.PtAr[2], 0, 0, 0);
    ExpectWelds(bottom.PtAr[4], 1, 0, 1);
    ExpectWelds(bottom.PtAr[5], 1, 0, 0);
    ExpectLengths(bottom.L, {200.0, 937.5, 8360.0, 937.5, 200.0});
    EXPECT_EQ(bottom.sTL, 200.0 + 938.0 + 8360.0 + 938.0 + 200.0);   // each segment rounded
}

TEST(ThroughBarsSlopedEnds, FilletsUseTheKinkRadiusOnTheSlopes)
{
    // Leg bends: radius 70 through atan(4/3) (tan of half 0.5): 70 (0.927295 - 1) = -5.0893 each.
    // Kinks: radius 100 through atan(0.75) (tan of half 1/3): 100 (0.643501 - 0.666667) = -2.3166
    // each. 10635 - 14.8118 = 10620.19. Top: 11530 - 60.0885 = 11469.91.
    auto atom = SlopedBeam();
    WithFillets(*atom);
    GetPYXTCJpaAr(*atom);
    Pair pair;
    ASSERT_EQ(GetGJFrame_TCJ(*atom, pair.bars), 1);
    EXPECT_NEAR(2.0 * Fillet(70.0, std::atan(4.0 / 3.0)) + 2.0 * Fillet(100.0, std::atan(0.75)), -14.8118, 1e-4);
    EXPECT_EQ(pair.bars[1].sTL, 10620.0);
    EXPECT_EQ(pair.bars[0].sTL, 11470.0);
}

TEST(ThroughBarsSlopedEnds, FullHeightBottomLegsFollowTheOuterOutline)
{
    auto atom = SlopedBeam();
    atom->fEndInset = 1;
    GetPYXTCJpaAr(*atom);
    Pair pair;
    ASSERT_EQ(GetGJFrame_TCJ(*atom, pair.bars), 1);
    const double theta = std::atan(0.75);

    const Atom::singAr& top = pair.bars[0];
    ASSERT_EQ(top.PtAr.GetSize(), 4);
    ExpectVertex(top.PtAr[0], 70.0, 1250.0, 0.0, 0);
    ExpectVertex(top.PtAr[1], 70.0, 1450.0, -P, 1);
    ExpectLengths(top.L, {200.0, 9860.0, 200.0});

    const Atom::singAr& bottom = pair.bars[1];
    ASSERT_EQ(bottom.PtAr.GetSize(), 6);
    ExpectVertex(bottom.PtAr[0], 40.0, 1450.0, 0.0, 0);
    ExpectVertex(bottom.PtAr[1], 40.0, 645.0, P - theta, 2);
    ExpectVertex(bottom.PtAr[2], 820.0, 60.0, theta, 2);
    ExpectVertex(bottom.PtAr[3], 9180.0, 60.0, theta, 2);
    ExpectVertex(bottom.PtAr[4], 9960.0, 645.0, P - theta, 2);
    ExpectVertex(bottom.PtAr[5], 9960.0, 1450.0, 0.0, 0);
    ExpectWelds(bottom.PtAr[1], 1, 0, 1);
    ExpectWelds(bottom.PtAr[4], 1, 1, 1);
    ExpectLengths(bottom.L, {805.0, 975.0, 8360.0, 975.0, 805.0});
    EXPECT_EQ(bottom.sTL, 11920.0);
}

TEST(ThroughBarsSlopedEnds, ASlopeTooShortIsTurnedAsASquareCorner)
{
    // Left end as the intake gives a square end beside a sloped one (1e-5 by 1e-5).
    auto atom = SlopedBeam();
    atom->bBpl = 1e-5;
    atom->hHpl = 1e-5;
    WithFillets(*atom);
    GetPYXTCJpaAr(*atom);
    Pair pair;
    ASSERT_EQ(GetGJFrame_TCJ(*atom, pair.bars), 1);

    const Atom::singAr& bottom = pair.bars[1];
    ASSERT_EQ(bottom.PtAr.GetSize(), 6);
    ExpectPoint(CDblPoint(bottom.PtAr[0].x, bottom.PtAr[0].z), 70.0, 260.0);
    ExpectPoint(CDblPoint(bottom.PtAr[1].x, bottom.PtAr[1].z), 70.0, 60.0);
    ExpectPoint(CDblPoint(bottom.PtAr[2].x, bottom.PtAr[2].z), 70.0, 60.0);
    ExpectLengths(bottom.L, {200.0, 0.0, 9110.0, 937.5, 200.0});
    // Left: one square corner (radius 70, quarter turn) and no leg bend; right as sloped.
    // 10447.5 - 30.0443 - 2.3166 - 5.0893 = 10410.05.
    EXPECT_EQ(bottom.sTL, 10410.0);

    const Atom::singAr& top = pair.bars[0];
    ExpectPoint(CDblPoint(top.PtAr[0].x, top.PtAr[0].z), 40.0, 60.0);
    ExpectLengths(top.L, {1390.0, 9920.0, 805.0});
    EXPECT_EQ(top.sTL, 12055.0);   // 12115 - 60.0885

    // Full-height bottom legs: the leg runs down to the corner of the covers.
    atom->fEndInset = 1;
    ASSERT_EQ(GetGJFrame_TCJ(*atom, pair.bars), 1);
    const Atom::singAr& outer = pair.bars[1];
    ExpectPoint(CDblPoint(outer.PtAr[1].x, outer.PtAr[1].z), 40.0, 60.0);
    ExpectPoint(CDblPoint(outer.PtAr[2].x, outer.PtAr[2].z), 40.0, 60.0);
    ExpectLengths(outer.L, {1390.0, 0.0, 9140.0, 975.0, 805.0});
}

TEST(ThroughBarsSlopedEnds, AnEndWithoutSlopeBesideASlopedOneIsASquareCorner)
{
    // Not through the intake: a left end of no slope at all beside the sloped right end.
    auto atom = SlopedBeam();
    atom->bBpl = 0.0;
    atom->hHpl = 0.0;
    WithFillets(*atom);
    GetPYXTCJpaAr(*atom);
    Pair pair;
    ASSERT_EQ(GetGJFrame_TCJ(*atom, pair.bars), 1);
    const Atom::singAr& bottom = pair.bars[1];
    ExpectPoint(CDblPoint(bottom.PtAr[1].x, bottom.PtAr[1].z), 70.0, 60.0);
    ExpectPoint(CDblPoint(bottom.PtAr[2].x, bottom.PtAr[2].z), 70.0, 60.0);
    ExpectLengths(bottom.L, {200.0, 0.0, 9110.0, 937.5, 200.0});
    EXPECT_EQ(bottom.sTL, 10410.0);
    for (const Atom::M_XZR& v : bottom.PtAr) EXPECT_TRUE(std::isfinite(v.alf));
}

TEST(ThroughBarsSlopedEnds, NoLegFootOnTheSlopeIsReportedAndChangesNothing)
{
    for (int side = 0; side < 2; ++side) {
        auto atom = SlopedBeam();
        GetPYXTCJpaAr(*atom);
        // A slope standing vertical under the leg: the leg cannot meet it.
        if (side == 0) atom->PYXTCJpa1[2].x = atom->PYXTCJpa1[1].x;
        else atom->PYXTCJpa1[3].x = atom->PYXTCJpa1[4].x;
        Pair pair;
        pair.bars[0].R = "kept";
        ReportLog::Current().Clear();
        EXPECT_EQ(GetGJFrame_TCJ(*atom, pair.bars), 0);
        ASSERT_EQ(ReportLog::Current().Count(ReportEntry::Error), 1);
        EXPECT_EQ(ReportLog::Current().Entries().back().message, side == 0 ? "计算错误06082101" : "计算错误06082102");
        EXPECT_EQ(pair.bars[0].R, "kept");
        EXPECT_TRUE(pair.bars[1].PtAr.IsEmpty());
    }
    ReportLog::Current().Clear();
}

TEST(ThroughBarsSlopedEnds, MissingOutlinesOrPairAreReportedNotRead)
{
    auto atom = SlopedBeam();   // outlines never built
    Pair pair;
    ReportLog::Current().Clear();
    EXPECT_EQ(GetGJFrame_TCJ(*atom, pair.bars), 0);
    EXPECT_EQ(GetGJFrame_TCJ(*atom, nullptr), 0);
    EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Error), 2);
    EXPECT_TRUE(pair.bars[0].PtAr.IsEmpty());
    ReportLog::Current().Clear();
}
