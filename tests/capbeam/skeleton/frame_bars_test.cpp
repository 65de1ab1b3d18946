// Bars of one skeleton frame and their levels and marks at the stations, on a two-span beam laid out by hand.
#include "capbeam/skeleton/frame_bars.h"

#include "common/bar_sizes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

using namespace CapBeamFrameBars;

namespace {

using Atom = CPM001T0101Atom;
using Bars = CArray<Atom::singAr*>;

constexpr double kTol = 1e-6;

Atom::M_XZR V(double x, double z, int enPoint = 0, double alf = 0.0, int fArc = 0)
{
    Atom::M_XZR v;
    v.x = x;
    v.z = z;
    v.alf = alf;
    v.fArc = fArc;
    v.enPoint = enPoint;
    return v;
}

CArray<Atom::M_XZR> Line(std::initializer_list<Atom::M_XZR> vertices)
{
    CArray<Atom::M_XZR> line;
    for (const Atom::M_XZR& v : vertices) line.Add(v);
    return line;
}

DblArray Values(std::initializer_list<double> values)
{
    DblArray out;
    for (double v : values) out.Add(v);
    return out;
}

void AddTopCut(Atom& atom, CArray<Atom::M_DCZDJBH*>& family, int frame, const char* mark, CArray<Atom::M_XZR> line,
               double L1 = 0.0, double L2 = 0.0)
{
    Atom::M_DCZDJBH* cut = atom.TopCutPool.AddOwned(std::make_unique<Atom::M_DCZDJBH>());
    cut->nFrame = frame;
    cut->R = mark;
    cut->PtAr = line;
    cut->L1 = L1;
    cut->L2 = L2;
    family.Add(cut);
}

void AddBottomCut(Atom& atom, int frame, const char* mark, CArray<Atom::M_XZR> line, double dA = 0.0, double dB = 0.0)
{
    Atom::M_DXZDJBH* cut = atom.BottomCutPool.AddOwned(std::make_unique<Atom::M_DXZDJBH>());
    cut->nFrame = frame;
    cut->R = mark;
    cut->PtAr = line;
    cut->dA = dA;
    cut->dB = dB;
    cut->dC = 12345.0;   // the unrounded total is not the bar's length
    atom.BottomCutBars.Add(cut);
}

void AddBent(Atom& atom, int frame, const char* mark, CArray<Atom::M_XZR> line, DblArray lengths = DblArray())
{
    Atom::M_WQJ* bar = atom.BentBarPool.AddOwned(std::make_unique<Atom::M_WQJ>());
    bar->nH = frame;
    bar->PtAr = line;
    bar->L = Values({777.0});   // positions of inputs, not lengths
    bar->L2 = lengths;
    Atom::M_WQJ_R* result = atom.BentResultPool.AddOwned(std::make_unique<Atom::M_WQJ_R>());
    result->pWQJ = bar;
    result->R = mark;
    atom.BentBars.Add(result);
}

void AddArc(Atom& atom, int frame, const char* mark, CArray<Atom::M_XZR> line, DblArray lengths = DblArray())
{
    Atom::M_ArcWQJ* arc = atom.BentArcPool.AddOwned(std::make_unique<Atom::M_ArcWQJ>());
    arc->nA = frame;
    arc->PtAr = line;
    arc->L = lengths;
    Atom::M_ArcWQJ_R* result = atom.BentArcResultPool.AddOwned(std::make_unique<Atom::M_ArcWQJ_R>());
    result->pArcWQJ = arc;
    result->R = mark;
    atom.BentArcs.Add(result);
}

void AddInclined(Atom& atom, int frame, const char* mark, CArray<Atom::M_XZR> line, DblArray lengths = DblArray())
{
    Atom::M_BZXJR bar;
    bar.nB = frame;
    bar.R = mark;
    bar.PtAr = line;
    bar.L = lengths;
    atom.InclBars.Add(bar);
}

struct CPM001_CapKeyParam::FrameAr Record(const char* name, int fGJJ)
{
    struct CPM001_CapKeyParam::FrameAr r;
    r.name = name;
    r.fGJJ = fGJJ;
    return r;
}

// Two spans: support lines at 2000 and 8000 (beam 10000), mid-span at 5000; level top, bars'
// top axis at 1450 (top surface 1500, ua 50), da 50, inner inset W = 30. Bent-up bars at 45
// degrees with an apex radius of 100: an arc's apex vertex lies K = (sin 45 tan 45 + cos 45 - 1)
// x 100 = 41.4214 above the bar.
// Frames: 0 "M" main with both through bars; 1 "S" secondary with the top one; 2 "M" main
// without through bars; 3 "S" secondary with the bottom one.
struct Beam {
    Atom atom;
    CPM001_CapKeyParam kp;

    Beam()
    {
        atom.nPier = 2;
        atom.bBzl = 2000.0;
        atom.bBz.Add(6000.0);
        atom.bBg = 10000.0;
        atom.hHgl = 1500.0;
        atom.st.ua = 50.0;
        atom.st.da = 50.0;
        atom.st.d = 28.0;
        atom.st.type = 3;
        atom.st.angle = std::numbers::pi / 4.0;
        atom.KeyLen2 = 100.0;
        atom.dMainBarWd = 30.0;
        for (double y : {0.0, 500.0, 1000.0, 1500.0}) atom.FrameY.Add(y);

        for (const char* name : {"M", "S", "M", "S"}) kp.FrameName.Add(name);
        kp.FrameAr.Add(Record("M", 1));
        kp.FrameAr.Add(Record("S", 0));
        kp.FrameAr.Add(Record("S", 1));   // a later record of the same name decides nothing

        atom.TopThroughMark = "1";
        atom.BottomThroughMark = "2";
        atom.TopThroughList.Add(0);
        atom.TopThroughList.Add(1);
        atom.BottomThroughList.Add(0);
        atom.BottomThroughList.Add(3);
        atom.ThroughBars.SetSize(2);
        atom.ThroughBarsPlain.SetSize(2);
        for (int layer = 0; layer < 2; ++layer) {
            atom.ThroughBars[layer].class_ = layer + 1;
            atom.ThroughBarsPlain[layer].class_ = layer + 1;
        }
    }

    // The family results of frames 0, 1 and 3.
    void AddFamilies()
    {
        // Frame 0, over support line 0: two cut-off bars 30 below the top bar, a bent-up arc, an
        // inclined bar whose left end run crosses the support line, a one-vertex inclined bar.
        AddTopCut(atom, atom.TopCutBars, 0, "3", Line({V(1000, 1420), V(2000, 1420), V(3000, 1420)}), 1500.4, 2000.4);
        AddTopCut(atom, atom.TopCutBars, 0, "7", Line({V(1500, 1420), V(2000, 1420)}), 2.4, 10.6);
        // A cut-off bar running back over the mid-span.
        AddTopCut(atom, atom.TopCutBars, 0, "13", Line({V(5500, 1420), V(4500, 1420)}));
        // Belongs to frame 1 but is of the main skeletons' pass: not a bar of frame 1.
        AddTopCut(atom, atom.TopCutBars, 1, "99", Line({V(1000, 1420), V(3000, 1420)}));
        // Over support line 1 and along the bottom back through the mid-span.
        AddBent(atom, 0, "4", Line({V(8000, 1390, 0), V(7000, 400, 1), V(5000, 80, 2), V(4000, 80, 0)}),
                Values({1400.3, 2025.2, 1000.0}));
        // Along the bottom towards increasing x, not ending on the mid-span.
        AddBent(atom, 0, "9", Line({V(4000, 100), V(6000, 100)}));
        AddArc(atom, 0, "5", Line({V(1500, 1300, 2), V(2000, 1400, 3), V(2500, 1300, 2)}), Values({510.0, 510.0}));
        AddInclined(atom, 0, "6", Line({V(1600, 1200, 0), V(2400, 1600, 1), V(3000, 200, 2), V(3500, 200, 0)}));
        AddInclined(atom, 0, "8", Line({V(7500, 300, 2), V(8000, 300, 2), V(8500, 300, 2)}));
        AddInclined(atom, 0, "10", Line({V(2000, 1000, 0)}));
        AddInclined(atom, 0, "12", Line({V(5200, 30, 2), V(4800, 30, 2)}));

        // Frame 1 (secondary, top through bar only).
        AddTopCut(atom, atom.TopCutBars2, 1, "20", Line({V(1000, 1420), V(3000, 1420)}), 1000.0, 1000.0);
        AddBottomCut(atom, 1, "21", Line({V(4000, 70), V(6000, 70)}), 1000.4, 999.8);
        AddBottomCut(atom, 1, "22", Line({V(6000, 90), V(4000, 90)}));

        // Frame 3 (secondary, bottom through bar only).
        AddTopCut(atom, atom.TopCutBars2, 3, "23", Line({V(1500, 1450), V(2500, 1450)}));
    }
};

std::vector<CString> Marks(const Bars& bars)
{
    std::vector<CString> out;
    for (const Atom::singAr* bar : bars) out.push_back(bar->R);
    return out;
}

void ExpectStation(const DblArray* values, const CStringArray* marks, std::initializer_list<double> expected,
                   std::initializer_list<const char*> expectedMarks)
{
    ASSERT_NE(values, nullptr);
    ASSERT_NE(marks, nullptr);
    ASSERT_EQ(values->GetSize(), static_cast<int>(expected.size()));
    ASSERT_EQ(marks->GetSize(), static_cast<int>(expectedMarks.size()));
    int k = 0;
    for (double e : expected) EXPECT_NEAR((*values)[k++], e, 1e-4) << "value " << k - 1;
    k = 0;
    for (const char* m : expectedMarks) EXPECT_EQ((*marks)[k++], m) << "mark " << k - 1;
}

struct Lists {
    CArray<DblArray*> zt, zb;
    CArray<CStringArray*> ztLabel, zbLabel;
};

} // namespace

// ---------------------------------------------------------------------------------------------
// The bars of a frame

TEST(FrameBars, AMainFrameTakesBothThroughBarsThenItsFamiliesInOrder)
{
    Beam beam;
    beam.AddFamilies();
    Bars bars;
    int fsk = -1;
    ASSERT_EQ(GetFrameiy(beam.atom, beam.kp, 0, bars, fsk), 1);
    EXPECT_EQ(fsk, 1);
    ASSERT_EQ(bars.GetSize(), 12);
    EXPECT_EQ(bars[0], &beam.atom.ThroughBars[0]);
    EXPECT_EQ(bars[1], &beam.atom.ThroughBars[1]);
    const std::vector<CString> expected{"3", "7", "13", "4", "9", "5", "6", "8", "10", "12"};
    const std::vector<CString> marks = Marks(bars);
    EXPECT_EQ(std::vector<CString>(marks.begin() + 2, marks.end()), expected);
    const int classes[] = {1, 2, 3, 3, 3, 5, 5, 5, 6, 6, 6, 6};
    for (int k = 0; k < 12; ++k) EXPECT_EQ(bars[k]->class_, classes[k]) << k;
    EXPECT_EQ(bars[7]->fStwArc, 1);   // the arc
    EXPECT_EQ(bars[5]->fStwArc, 0);

    // Every family bar is a new record of the pool with its own copy of the centre line.
    EXPECT_EQ(beam.atom.BarPool.GetSize(), 10);
    ASSERT_EQ(bars[2]->PtAr.GetSize(), 3);
    EXPECT_EQ(bars[2]->PtAr[1].x, 2000.0);
    EXPECT_NE(bars[2]->PtAr.GetData(), beam.atom.TopCutBars[0]->PtAr.GetData());
    EXPECT_EQ(bars[2]->fWG, 0);
}

TEST(FrameBars, LengthsOfBarsWithoutBendsRoundEverySegment)
{
    Beam beam;
    beam.AddFamilies();
    Bars bars;
    int fsk = 0;
    GetFrameiy(beam.atom, beam.kp, 0, bars, fsk);
    // 1500.4 and 2000.4 give 1500 + 2000, not 3500.8 rounded once.
    EXPECT_EQ(bars[2]->sTL, 3500.0);
    ASSERT_EQ(bars[2]->L.GetSize(), 2);
    EXPECT_EQ(bars[2]->L[0], 1500.4);
    EXPECT_EQ(bars[2]->L[1], 2000.4);
    EXPECT_EQ(bars[3]->sTL, 13.0);   // 2.4 and 10.6: 2 + 11
    // A bent-up bar's lengths are its segment lengths; without arc lengths, rounded one by one.
    ASSERT_EQ(bars[5]->L.GetSize(), 3);
    EXPECT_EQ(bars[5]->L[1], 2025.2);
    EXPECT_EQ(bars[5]->sTL, 1400.0 + 2025.0 + 1000.0);
}

TEST(FrameBars, BentLengthsAddTheFilletsOfTheirBendKinds)
{
    // Vertices: a free end, a top bend (a quarter turn), a bottom bend (a quarter turn back), a
    // bottom bend on an arc, a kink, a free end. Each quarter turn of radius 100 corrects the
    // length by 100 (pi/2 - 2) = -42.9204. Segments 1000.4 and 500.4 (1500.8).
    Beam beam;
    const double q = std::numbers::pi / 2.0;
    const CArray<Atom::M_XZR> line =
        Line({V(0, 0, 0), V(1, 0, 1, q), V(2, 0, 2, -q), V(3, 0, 2, q, 1), V(4, 0, 3, q), V(5, 0, 0, q)});
    AddBent(beam.atom, 0, "4", line, Values({1000.4, 500.4}));
    AddArc(beam.atom, 0, "5", line, Values({1000.4, 500.4}));
    AddInclined(beam.atom, 0, "6", line, Values({1000.4, 500.4}));
    beam.atom.st.LeadPointR = 100.0;
    beam.atom.st.LeadPointR2 = 70.0;   // not the radius of these bends

    auto lengths = [&beam]() {
        Bars bars;
        int fsk = 0;
        GetFrameiy(beam.atom, beam.kp, 0, bars, fsk);
        return std::vector<double>{bars[2]->sTL, bars[3]->sTL, bars[4]->sTL};
    };

    beam.atom.st.fCalculateLarc = 1;
    // Bent-up and inclined: top and bottom bend, 1500.8 - 85.8407 = 1414.96 -> 1415.
    // Arc: bottom bends only, 1500.8 - 42.9204 = 1457.88 -> 1458.
    EXPECT_EQ(lengths(), (std::vector<double>{1415.0, 1458.0, 1415.0}));

    beam.atom.st.fCalculateLarc = 0;   // 1000 + 500
    EXPECT_EQ(lengths(), (std::vector<double>{1500.0, 1500.0, 1500.0}));

    beam.atom.st.fCalculateLarc = 2;   // unrounded, without fillets: 1500.8 -> 1501
    EXPECT_EQ(lengths(), (std::vector<double>{1501.0, 1501.0, 1501.0}));
}

TEST(FrameBars, ASecondaryFrameTakesItsPlainThroughBarAndCutOffBarsWithAllowances)
{
    Beam beam;
    beam.AddFamilies();
    Bars bars;
    Atom::singAr earlier;
    bars.Add(&earlier);   // the list is appended to
    int fsk = -1;
    GetFrameiy(beam.atom, beam.kp, 1, bars, fsk);
    EXPECT_EQ(fsk, 0);   // the first record of "S" decides
    ASSERT_EQ(bars.GetSize(), 5);
    EXPECT_EQ(bars[0], &earlier);
    EXPECT_EQ(bars[1], &beam.atom.ThroughBarsPlain[0]);
    EXPECT_EQ(Marks(bars), (std::vector<CString>{"", "", "20", "21", "22"}));
    EXPECT_EQ(bars[2]->class_, 3);
    EXPECT_EQ(bars[3]->class_, 4);
    // The bottom bar's one length is the two lengths either side of the span middle: 2000.2.
    ASSERT_EQ(bars[3]->L.GetSize(), 1);
    EXPECT_NEAR(bars[3]->L[0], 2000.2, kTol);
    EXPECT_EQ(bars[3]->sTL, 2000.0);
    // End allowance of the main bar (diameter 28, type 3) with a right-angle hook.
    const double allowance = KVDataCommon::WG2(28.0, 3, KVDataCommon::DEGRE_90);
    EXPECT_GT(allowance, 0.0);
    for (int k = 2; k < 5; ++k) {
        EXPECT_EQ(bars[k]->fWG, 1);
        EXPECT_EQ(bars[k]->WG, allowance);
    }

    Bars bottomOnly;
    GetFrameiy(beam.atom, beam.kp, 3, bottomOnly, fsk);
    ASSERT_EQ(bottomOnly.GetSize(), 2);
    EXPECT_EQ(bottomOnly[0], &beam.atom.ThroughBarsPlain[1]);
}

TEST(FrameBars, FramesWithoutRecordsThroughBarsOrFamiliesAreEmpty)
{
    Beam beam;
    beam.AddFamilies();
    Bars bars;
    int fsk = -1;
    GetFrameiy(beam.atom, beam.kp, 2, bars, fsk);   // main, in neither list, no family bar
    EXPECT_EQ(fsk, 1);
    EXPECT_TRUE(bars.IsEmpty());

    beam.kp.FrameName.Add("nobody");
    GetFrameiy(beam.atom, beam.kp, 4, bars, fsk);
    EXPECT_EQ(fsk, 0);
    GetFrameiy(beam.atom, beam.kp, 17, bars, fsk);   // no such frame
    EXPECT_EQ(fsk, 0);
    EXPECT_TRUE(bars.IsEmpty());

    // Through bars not shaped yet: the lists name frame 0, but there is no bar to refer to.
    beam.atom.ThroughBars.RemoveAll();
    beam.atom.ThroughBarsPlain.RemoveAll();
    GetFrameiy(beam.atom, beam.kp, 0, bars, fsk);
    EXPECT_EQ(bars.GetSize(), 10);
}

// ---------------------------------------------------------------------------------------------
// Levels and marks at the stations

TEST(FrameStations, AMainFrameListsItsTopBarsDownwardAndBottomBarsUpward)
{
    Beam beam;
    beam.AddFamilies();
    Lists l;
    DblArray stale;
    l.zt.Add(&stale);   // emptied first
    const int pooled = beam.atom.ZtPool.GetSize();
    ASSERT_EQ(GetFrameiyxz(beam.atom, beam.kp, 0, l.zt, l.zb, l.ztLabel, l.zbLabel), 1);
    ASSERT_EQ(l.zt.GetSize(), 3);
    ASSERT_EQ(l.zb.GetSize(), 3);
    ASSERT_EQ(l.ztLabel.GetSize(), 3);
    ASSERT_EQ(l.zbLabel.GetSize(), 3);

    // Support line 0 (x 2000): the through bars; the cut-off bars at 1420 - 1450 - 50 = -80 in the
    // order added; the arc's apex (1400 - 41.4214) - 1500; the inclined bar where its end run
    // crosses: 1200 + 400 x 0.5 = 1400, so -100. Sorted downward.
    ExpectStation(l.zt[0], l.ztLabel[0], {-50.0, -80.0, -80.0, -100.0, -141.4214}, {"1", "3", "7", "6", "5"});
    ExpectStation(l.zb[0], l.zbLabel[0], {50.0}, {"2"});

    // Mid-span (x 5000): the cut-off bar running back over it at -ua - W; bottom runs that end on
    // the station or run back over it, sorted upward.
    ExpectStation(l.zt[1], l.ztLabel[1], {-50.0, -80.0}, {"1", "13"});
    ExpectStation(l.zb[1], l.zbLabel[1], {30.0, 50.0, 80.0}, {"12", "2", "4"});

    // Support line 1 (x 8000): the bent-up bar's end; the inclined bar with no rising end run
    // adds nothing.
    ExpectStation(l.zt[2], l.ztLabel[2], {-50.0, -110.0}, {"1", "4"});
    ExpectStation(l.zb[2], l.zbLabel[2], {50.0}, {"2"});

    // The station lists are new records of the pools, in station order.
    ASSERT_EQ(beam.atom.ZtPool.GetSize(), pooled + 1);
    CArray<DblArray>& tops = *beam.atom.ZtPool[pooled];
    for (int s = 0; s < 3; ++s) EXPECT_EQ(l.zt[s], &tops[s]);
    EXPECT_EQ(beam.atom.ZbPool.GetSize(), pooled + 1);
    EXPECT_EQ(beam.atom.ZtLabelPool.GetSize(), pooled + 1);
    EXPECT_EQ(beam.atom.ZbLabelPool.GetSize(), pooled + 1);
}

TEST(FrameStations, AMainFrameWithoutThroughBarsStillStartsWithTheirLevels)
{
    Beam beam;
    beam.AddFamilies();
    Lists l;
    GetFrameiyxz(beam.atom, beam.kp, 2, l.zt, l.zb, l.ztLabel, l.zbLabel);
    for (int s = 0; s < 3; ++s) {
        ExpectStation(l.zt[s], l.ztLabel[s], {-50.0}, {"1"});
        ExpectStation(l.zb[s], l.zbLabel[s], {50.0}, {"2"});
    }
}

TEST(FrameStations, SecondaryFramesListOnlyTheirThroughBarsAndForwardRunningCutOffBars)
{
    Beam beam;
    beam.AddFamilies();
    Lists l;
    GetFrameiyxz(beam.atom, beam.kp, 1, l.zt, l.zb, l.ztLabel, l.zbLabel);
    // Top through bar only: a cut-off bar over the support sits W below it; at the mid-span the
    // bottom cut-off bar running forward gives its level, the one running back is not taken.
    ExpectStation(l.zt[0], l.ztLabel[0], {-50.0, -80.0}, {"1", "20"});
    ExpectStation(l.zb[0], l.zbLabel[0], {}, {});
    ExpectStation(l.zt[1], l.ztLabel[1], {-50.0}, {"1"});
    ExpectStation(l.zb[1], l.zbLabel[1], {70.0}, {"21"});
    ExpectStation(l.zt[2], l.ztLabel[2], {-50.0}, {"1"});

    // Bottom through bar only: the top cut-off bar sits at the top bar's own level.
    GetFrameiyxz(beam.atom, beam.kp, 3, l.zt, l.zb, l.ztLabel, l.zbLabel);
    ASSERT_EQ(l.zt.GetSize(), 3);
    ExpectStation(l.zt[0], l.ztLabel[0], {-50.0}, {"23"});
    ExpectStation(l.zb[0], l.zbLabel[0], {50.0}, {"2"});
    ExpectStation(l.zt[1], l.ztLabel[1], {}, {});
}

TEST(FrameStations, AlongASkewedBeamEachFrameMeetsItsOwnStations)
{
    // Skew with tan a = 0.1: frame 1 (y 500) meets support line 0 at 2050 and the mid-span at 5050.
    Beam beam;
    beam.atom.a = std::atan(0.1);
    AddTopCut(beam.atom, beam.atom.TopCutBars, 2, "3", Line({V(1550, 1420), V(2050, 1420)}));
    // Bar "8" ends short of the station by less than the equality tolerance: it ends on it.
    AddTopCut(beam.atom, beam.atom.TopCutBars, 2, "8", Line({V(1550, 1400), V(2049.9999996, 1400)}));
    AddBent(beam.atom, 2, "4", Line({V(5060, 80), V(5040, 80)}));
    beam.atom.FrameY[2] = 500.0;
    Lists l;
    GetFrameiyxz(beam.atom, beam.kp, 2, l.zt, l.zb, l.ztLabel, l.zbLabel);
    ExpectStation(l.zt[0], l.ztLabel[0], {-50.0, -80.0, -100.0}, {"1", "3", "8"});
    ExpectStation(l.zb[1], l.zbLabel[1], {50.0, 80.0}, {"2", "4"});

    // Laid out square to the beam axis, the frames meet the stations of frame 0.
    beam.atom.st.fLayMode = 1;
    GetFrameiyxz(beam.atom, beam.kp, 2, l.zt, l.zb, l.ztLabel, l.zbLabel);
    ExpectStation(l.zt[0], l.ztLabel[0], {-50.0}, {"1"});
    ExpectStation(l.zb[1], l.zbLabel[1], {50.0}, {"2"});
}

TEST(FrameStations, OneSupportLineGivesOneStationAndNoneGivesNone)
{
    Beam beam;
    beam.AddFamilies();
    beam.atom.nPier = 1;
    Lists l;
    GetFrameiyxz(beam.atom, beam.kp, 0, l.zt, l.zb, l.ztLabel, l.zbLabel);
    ASSERT_EQ(l.zt.GetSize(), 1);
    ASSERT_EQ(l.zbLabel.GetSize(), 1);
    EXPECT_EQ(l.zt[0]->GetSize(), 5);

    beam.atom.nPier = 0;
    EXPECT_EQ(GetFrameiyxz(beam.atom, beam.kp, 0, l.zt, l.zb, l.ztLabel, l.zbLabel), 1);
    EXPECT_TRUE(l.zt.IsEmpty());
    EXPECT_TRUE(l.zb.IsEmpty());
    EXPECT_TRUE(l.ztLabel.IsEmpty());
    EXPECT_TRUE(l.zbLabel.IsEmpty());
}
