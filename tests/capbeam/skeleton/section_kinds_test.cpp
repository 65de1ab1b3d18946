// Section kinds along the beam: the bars cut at a station and the numbering of equal sections, on simple beams laid out by hand.
#include "capbeam/skeleton/section_kinds.h"

#include "common/is_equal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <memory>

using namespace CapBeamSectionKinds;

namespace {

using Atom = CPM001T0101Atom;
using Bars = CArray<Atom::singAr*>;

Atom::M_XZR V(double x, double z)
{
    Atom::M_XZR v;
    v.x = x;
    v.z = z;
    return v;
}

CArray<Atom::M_XZR> Line(std::initializer_list<Atom::M_XZR> vertices)
{
    CArray<Atom::M_XZR> line;
    for (const Atom::M_XZR& v : vertices) line.Add(v);
    return line;
}

IntArray Ints(std::initializer_list<int> values)
{
    IntArray out;
    for (int v : values) out.Add(v);
    return out;
}

// A beam on nPier support lines 6000 apart, the first 2000 from the left end, 2000 overhang on the
// right; level top with the top bars' axis at 1450 (so half height 725, a third 483.3). One
// secondary frame "S" at y = 0 carrying both through bars (marks 1 and 2) along the whole beam.
struct Beam {
    Atom atom;
    CPM001_CapKeyParam kp;

    explicit Beam(int nPier, bool throughBars = true)
    {
        atom.nPier = nPier;
        atom.bBzl = 2000.0;
        for (int k = 0; k + 1 < nPier; ++k) atom.bBz.Add(6000.0);
        atom.bBg = 4000.0 + 6000.0 * (nPier - 1);
        atom.hHgl = 1500.0;
        atom.st.ua = 50.0;
        atom.st.da = 50.0;
        atom.st.fLayMode = 0;
        AddFrame("S", 0.0, 0);

        atom.ThroughBars.SetSize(2);
        atom.ThroughBarsPlain.SetSize(2);
        const double end = atom.bBg;
        Atom::singAr& top = atom.ThroughBars[0];
        top.class_ = 1;
        top.R = "1";
        top.PtAr = Line({V(40, 50), V(40, 1450), V(end - 40, 1450), V(end - 40, 50)});
        Atom::singAr& bottom = atom.ThroughBars[1];
        bottom.class_ = 2;
        bottom.R = "2";
        bottom.PtAr = Line({V(70, 250), V(70, 50), V(end - 70, 50), V(end - 70, 250)});
        if (throughBars) {
            atom.TopThroughList.Add(0);
            atom.BottomThroughList.Add(0);
        }
    }

    void AddFrame(const char* name, double y, int fGJJ)
    {
        kp.FrameName.Add(name);
        atom.FrameY.Add(y);
        struct CPM001_CapKeyParam::FrameAr r;
        r.name = name;
        r.fGJJ = fGJJ;
        kp.FrameAr.Add(r);
    }

    // A top cut-off bar of a secondary frame, 30 below the top bar, from x0 to x1.
    void TopCut(int frame, const char* mark, double x0, double x1, double z = 1420.0)
    {
        Atom::M_DCZDJBH* cut = atom.TopCutPool.AddOwned(std::make_unique<Atom::M_DCZDJBH>());
        cut->nFrame = frame;
        cut->R = mark;
        cut->PtAr = Line({V(x0, z), V(x1, z)});
        atom.TopCutBars2.Add(cut);
    }

    // A bottom cut-off bar, 30 above the bottom bar, from x0 to x1.
    void BottomCut(int frame, const char* mark, double x0, double x1, double z = 80.0)
    {
        Atom::M_DXZDJBH* cut = atom.BottomCutPool.AddOwned(std::make_unique<Atom::M_DXZDJBH>());
        cut->nFrame = frame;
        cut->R = mark;
        cut->PtAr = Line({V(x0, z), V(x1, z)});
        atom.BottomCutBars.Add(cut);
    }
};

} // namespace

// ---------------------------------------------------------------------------------------------
// The bars cut at one station

TEST(SectionCut, CountsTheBarsAboveAndBelowHalfHeightPerFrame)
{
    Beam beam(2);
    beam.TopCut(0, "3", 1000, 3000);
    beam.BottomCut(0, "4", 1000, 3000);
    beam.AddFrame("S", 500.0, 0);
    beam.TopCut(1, "5", 1500, 2500);
    beam.atom.st.fLayMode = 1;   // every frame cut at x itself

    Bars bars;
    IntArray counts = Ints({7});   // appended to
    int nUp = -1, nDown = -1;
    ASSERT_EQ(GetFrameix(beam.atom, beam.kp, 2000.0, bars, nUp, nDown, counts), 1);
    // Frame 0: top through bar, bottom through bar, both cut-off bars; frame 1: its cut-off bar.
    ASSERT_EQ(bars.GetSize(), 5);
    EXPECT_EQ(bars[0], &beam.atom.ThroughBars[0]);
    EXPECT_EQ(bars[1], &beam.atom.ThroughBars[1]);
    EXPECT_EQ(bars[2]->R, "3");
    EXPECT_EQ(bars[3]->R, "4");
    EXPECT_EQ(bars[4]->R, "5");
    EXPECT_EQ(nUp, 3);     // 1450, 1420, 1420 above 725
    EXPECT_EQ(nDown, 2);   // 50, 80
    EXPECT_TRUE(KVDataCommon::IsEqual(counts, Ints({7, 4, 1})));
    // Two cut-off marks and more at one station are noted in the sections.
    EXPECT_EQ(beam.atom.fNoteFormDM, 1);
    // The frames' bars are records of the object (three cut-off bars); no bar list is kept.
    EXPECT_EQ(beam.atom.BarPool.GetSize(), 3);
    EXPECT_EQ(beam.atom.BarListPool.GetSize(), 0);
}

TEST(SectionCut, OneCutOffMarkOnSecondaryFramesLeavesTheNoteOff)
{
    Beam beam(2);
    beam.TopCut(0, "3", 1000, 3000);
    beam.AddFrame("S", 500.0, 0);
    beam.TopCut(1, "3", 1000, 3000);
    Bars bars;
    IntArray counts;
    int nUp = 0, nDown = 0;
    GetFrameix(beam.atom, beam.kp, 2000.0, bars, nUp, nDown, counts);
    EXPECT_EQ(bars.GetSize(), 4);
    EXPECT_EQ(beam.atom.fNoteFormDM, 0);

    // Two different marks, and only two, at one station are noted.
    Beam two(2);
    two.TopCut(0, "3", 1000, 3000);
    two.BottomCut(0, "4", 1000, 3000);
    Bars twoBars;
    counts.RemoveAll();
    GetFrameix(two.atom, two.kp, 2000.0, twoBars, nUp, nDown, counts);
    EXPECT_EQ(twoBars.GetSize(), 4);
    EXPECT_EQ(two.atom.fNoteFormDM, 1);
}

TEST(SectionCut, SteepRunsAreNotCutUnlessTheyBelongToAnArc)
{
    // A main frame: the run from (1500, 1400) to (2500, 200) falls 1200, more than 1450 / 3.
    Beam beam(2, false);
    beam.kp.FrameAr[0].fGJJ = 1;
    Atom::M_WQJ* bent = beam.atom.BentBarPool.AddOwned(std::make_unique<Atom::M_WQJ>());
    bent->PtAr = Line({V(1500, 1400), V(2500, 200)});
    Atom::M_WQJ_R* bentResult = beam.atom.BentResultPool.AddOwned(std::make_unique<Atom::M_WQJ_R>());
    bentResult->pWQJ = bent;
    bentResult->R = "4";
    beam.atom.BentBars.Add(bentResult);
    Atom::M_ArcWQJ* arc = beam.atom.BentArcPool.AddOwned(std::make_unique<Atom::M_ArcWQJ>());
    arc->PtAr = Line({V(1500, 1400), V(2500, 200)});
    Atom::M_ArcWQJ_R* arcResult = beam.atom.BentArcResultPool.AddOwned(std::make_unique<Atom::M_ArcWQJ_R>());
    arcResult->pArcWQJ = arc;
    arcResult->R = "5";
    beam.atom.BentArcs.Add(arcResult);

    Bars bars;
    IntArray counts;
    int nUp = 0, nDown = 0;
    GetFrameix(beam.atom, beam.kp, 2000.0, bars, nUp, nDown, counts);
    ASSERT_EQ(bars.GetSize(), 1);
    EXPECT_EQ(bars[0]->R, "5");
    EXPECT_EQ(bars[0]->fStwArc, 1);
    EXPECT_EQ(nUp, 1);   // the run starts at 1400
    EXPECT_EQ(nDown, 0);
    // A main skeleton is always noted, even where nothing of it is a cut-off bar.
    EXPECT_EQ(beam.atom.fNoteFormDM, 1);
}

TEST(SectionCut, ALegRisingMoreThanAThirdOfTheHeightIsNotCut)
{
    // The top at 1450: a third is 483.3. At 2000, a leg rising 0.4 x 1450 = 580 over 1000-3000 is
    // steep and not cut; one rising 0.3 x 1450 = 435 is.
    Beam beam(2, false);
    beam.BottomCut(0, "4", 1000, 3000);
    beam.atom.BottomCutBars[0]->PtAr = Line({V(1000, 80), V(3000, 660)});
    beam.BottomCut(0, "6", 1000, 3000);
    beam.atom.BottomCutBars[1]->PtAr = Line({V(1000, 80), V(3000, 515)});
    Bars bars;
    IntArray counts;
    int nUp = 0, nDown = 0;
    GetFrameix(beam.atom, beam.kp, 2000.0, bars, nUp, nDown, counts);
    ASSERT_EQ(bars.GetSize(), 1);
    EXPECT_EQ(bars[0]->R, "6");
    EXPECT_EQ(nDown, 1);
}

TEST(SectionCut, ARunEndingWithinTheToleranceOfTheStationIsCut)
{
    Beam beam(2, false);
    beam.BottomCut(0, "4", 4000, 4999.9999995);
    beam.BottomCut(0, "6", 4000, 4999.99);
    Bars bars;
    IntArray counts;
    int nUp = 0, nDown = 0;
    GetFrameix(beam.atom, beam.kp, 5000.0, bars, nUp, nDown, counts);
    ASSERT_EQ(bars.GetSize(), 1);
    EXPECT_EQ(bars[0]->R, "4");
}

TEST(SectionCut, AVertexWithoutAStationHidesNoOtherRunOfItsBar)
{
    Beam beam(2, false);
    beam.BottomCut(0, "4", 4000, 6000);
    beam.BottomCut(0, "6", 4000, 6000);
    beam.BottomCut(0, "8", 4000, 6000);
    const double none = std::nan("");
    beam.atom.BottomCutBars[0]->PtAr.Add(V(none, 80));                 // a third vertex without a station
    beam.atom.BottomCutBars[1]->PtAr = Line({V(none, 80), V(none, 80)});  // no station at all
    beam.atom.BottomCutBars[2]->PtAr = Line({V(none, 80), V(4000, 80), V(6000, 80)});
    Bars bars;
    IntArray counts;
    int nUp = 0, nDown = 0;
    GetFrameix(beam.atom, beam.kp, 5000.0, bars, nUp, nDown, counts);
    ASSERT_EQ(bars.GetSize(), 2);
    EXPECT_EQ(bars[0]->R, "4");
    EXPECT_EQ(bars[1]->R, "8");
}

TEST(SectionCut, AlongASkewedBeamEachFrameIsCutAtItsOwnStation)
{
    // tan a = 0.1: frame 1 at y = 500 is cut at 5050 when the section is at 5000.
    Beam beam(2, false);
    beam.atom.a = std::atan(0.1);
    beam.AddFrame("S", 500.0, 0);
    beam.BottomCut(1, "4", 5030, 5100);
    Bars bars;
    IntArray counts;
    int nUp = 0, nDown = 0;
    GetFrameix(beam.atom, beam.kp, 5000.0, bars, nUp, nDown, counts);
    EXPECT_TRUE(KVDataCommon::IsEqual(counts, Ints({0, 1})));

    beam.atom.st.fLayMode = 1;
    counts.RemoveAll();
    GetFrameix(beam.atom, beam.kp, 5000.0, bars, nUp, nDown, counts);
    EXPECT_TRUE(KVDataCommon::IsEqual(counts, Ints({0, 0})));
}

// ---------------------------------------------------------------------------------------------
// Section kinds

TEST(SectionKindsAlongBeam, ThroughBarsAloneGiveEveryStationTheFirstKind)
{
    Beam beam(3);
    IntArray kinds;
    ASSERT_EQ(GetenSectionAr(beam.atom, beam.kp, kinds), 1);
    EXPECT_TRUE(KVDataCommon::IsEqual(kinds, Ints({2, 2, 2, 2, 2})));
    EXPECT_TRUE(beam.atom.StationBars.IsEmpty());
}

TEST(SectionKindsAlongBeam, EqualSupportsShareOneKindAndEqualMidSpansTheNext)
{
    // Supports at 2000, 8000, 14000 cut the through bars and a top cut-off bar "3"; mid-spans at
    // 5000 and 11000 the through bars and a bottom cut-off bar "4".
    Beam beam(3);
    for (double x : {2000.0, 8000.0, 14000.0}) beam.TopCut(0, "3", x - 1000, x + 1000);
    for (double x : {5000.0, 11000.0}) beam.BottomCut(0, "4", x - 1000, x + 1000);
    IntArray kinds;
    ASSERT_EQ(GetenSectionAr(beam.atom, beam.kp, kinds), 1);
    EXPECT_TRUE(KVDataCommon::IsEqual(kinds, Ints({2, 3, 2, 3, 2})));
    ASSERT_EQ(beam.atom.StationBars.GetSize(), 5);
    for (int s = 0; s < 5; ++s) EXPECT_EQ(beam.atom.StationBars[s].GetSize(), 3) << s;
    EXPECT_EQ(beam.atom.StationBars[1][2]->R, "4");
    EXPECT_EQ(beam.atom.fNoteFormDM, 0);
    // The frame's bars are made once for all five stations: one record per cut-off bar (not one
    // per bar and station), and no bar list kept per station.
    EXPECT_EQ(beam.atom.BarPool.GetSize(), 5);
    EXPECT_EQ(beam.atom.BarListPool.GetSize(), 0);
}

TEST(SectionKindsAlongBeam, AMidSpanLikeASupportSharesItsKind)
{
    Beam beam(2);
    beam.TopCut(0, "5", 7000, 9000);   // only over support line 1
    IntArray kinds;
    ASSERT_EQ(GetenSectionAr(beam.atom, beam.kp, kinds), 1);
    EXPECT_TRUE(KVDataCommon::IsEqual(kinds, Ints({2, 2, 3})));
}

TEST(SectionKindsAlongBeam, KindsOfSupportGroupsComeBeforeThoseOfMidSpans)
{
    Beam beam(2);
    beam.TopCut(0, "3", 1000, 3000);
    beam.BottomCut(0, "4", 4000, 6000);
    beam.TopCut(0, "5", 7000, 9000);
    IntArray kinds;
    ASSERT_EQ(GetenSectionAr(beam.atom, beam.kp, kinds), 1);
    EXPECT_TRUE(KVDataCommon::IsEqual(kinds, Ints({2, 4, 3})));
}

TEST(SectionKindsAlongBeam, TheSameMarksSplitDifferentlyMakeDifferentKinds)
{
    // Mark "6" low at support line 0 and high at support line 1.
    Beam beam(2);
    beam.BottomCut(0, "6", 1000, 3000);
    beam.TopCut(0, "6", 7000, 9000);
    IntArray kinds;
    ASSERT_EQ(GetenSectionAr(beam.atom, beam.kp, kinds), 1);
    EXPECT_TRUE(KVDataCommon::IsEqual(kinds, Ints({2, 4, 3})));
}

TEST(SectionKindsAlongBeam, TheSameMarksFromDifferentFramesMakeDifferentKinds)
{
    // Two frames; mark "3" is cut in frame 0 at support line 0 and in frame 1 at support line 1.
    Beam beam(2);
    beam.AddFrame("S", 0.0, 0);
    beam.TopCut(0, "3", 1000, 3000);
    beam.TopCut(1, "3", 7000, 9000);
    IntArray kinds;
    ASSERT_EQ(GetenSectionAr(beam.atom, beam.kp, kinds), 1);
    EXPECT_TRUE(KVDataCommon::IsEqual(kinds, Ints({2, 4, 3})));
}

TEST(SectionKindsAlongBeam, AStationCuttingNothingLeavesTheKindsAlone)
{
    Beam beam(2, false);
    beam.TopCut(0, "3", 1000, 3000);   // only support line 0 cuts a bar
    IntArray kinds = Ints({9});
    EXPECT_EQ(GetenSectionAr(beam.atom, beam.kp, kinds), 0);
    EXPECT_TRUE(KVDataCommon::IsEqual(kinds, Ints({9})));
}

TEST(SectionKindsAlongBeam, OneSupportLineIsOneStationOfTheFirstKind)
{
    Beam beam(1);
    beam.TopCut(0, "3", 1000, 3000);
    IntArray kinds;
    ASSERT_EQ(GetenSectionAr(beam.atom, beam.kp, kinds), 1);
    EXPECT_TRUE(KVDataCommon::IsEqual(kinds, Ints({2})));
}

TEST(SectionKindsAlongBeam, NoSupportLineGivesNoStation)
{
    Beam beam(1);
    beam.TopCut(0, "3", 1000, 3000);
    beam.atom.nPier = 0;
    IntArray kinds = Ints({9});
    EXPECT_EQ(GetenSectionAr(beam.atom, beam.kp, kinds), 1);
    EXPECT_TRUE(kinds.IsEmpty());
}
