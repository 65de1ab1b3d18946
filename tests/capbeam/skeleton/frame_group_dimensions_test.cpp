// Differing dimensions of a frame group: cantilevers, support arcs, bend-point spacing and top
// cut-off lengths, on small hand-built skeletons.
#include "capbeam/skeleton/frame_group_dimensions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

using CapBeamFrameGroupDimensions::GetTLXGJCC_Arc;

namespace {

using Atom = CPM001T0101Atom;

constexpr double kTol = 1e-9;

// A two-support beam: cantilevers 2000 and 2500, one span of 10000; the frames are skewed by
// tan(a) = 0.1 (lay mode 0), so a frame at y = 500 has cantilevers 2000 + 50 and 2500 - 50.
void TwoSupports(Atom& atom, std::initializer_list<int> groups)
{
    atom.nPier = 2;
    atom.bBz.Add(10000.0);
    atom.bBzl = 2000.0;
    atom.bBzr = 2500.0;
    atom.a = std::atan(0.1);
    atom.st.fLayMode = 0;
    double y = 500.0;
    for (int g : groups) {
        atom.FrameGroup.Add(g);
        atom.FrameY.Add(y);
        y -= 1000.0;
    }
}

Atom::M_XZR Pt(double x, int enPoint)
{
    Atom::M_XZR v;
    v.x = x;
    v.enPoint = enPoint;
    return v;
}

// A bent-up bar of frame f with its top bends (enPoint 1) at the given stations, between two free ends.
void AddBent(Atom& atom, int f, std::initializer_list<double> bends)
{
    auto bar = std::make_unique<Atom::M_WQJ>();
    bar->nH = f;
    bar->PtAr.Add(Pt(0.0, 0));
    for (double x : bends) bar->PtAr.Add(Pt(x, 1));
    bar->PtAr.Add(Pt(20000.0, 0));
    auto marked = std::make_unique<Atom::M_WQJ_R>();
    marked->pWQJ = atom.BentBarPool.AddOwned(std::move(bar));
    atom.BentBars.Add(atom.BentResultPool.AddOwned(std::move(marked)));
}

// A standard inclined bar of frame f: only its first top bend counts.
void AddIncl(Atom& atom, int f, double firstBend, double secondBend)
{
    Atom::M_BZXJR bar;
    bar.nB = f;
    bar.PtAr.Add(Pt(firstBend - 500.0, 0));
    bar.PtAr.Add(Pt(firstBend, 1));
    bar.PtAr.Add(Pt(secondBend, 1));
    atom.InclBars.Add(bar);
}

// An arc of frame f over support s with the given centre line.
void AddArc(Atom& atom, int f, int s, std::initializer_list<Atom::M_XZR> pts)
{
    auto arc = std::make_unique<Atom::M_ArcWQJ>();
    arc->nA = f;
    arc->nB = s;
    for (const Atom::M_XZR& p : pts) arc->PtAr.Add(p);
    auto marked = std::make_unique<Atom::M_ArcWQJ_R>();
    marked->pArcWQJ = atom.BentArcPool.AddOwned(std::move(arc));
    atom.BentArcs.Add(atom.BentArcResultPool.AddOwned(std::move(marked)));
}

// A symmetric arc over the support at 'mid': bottom bends (enPoint 2) at mid -/+ (half + len),
// each followed by the point 'len' further towards the support.
void AddArcOfLengths(Atom& atom, int f, int s, double mid, double leftLen, double rightLen)
{
    AddArc(atom, f, s,
           {Pt(mid - 1000.0, 0), Pt(mid - 200.0 - leftLen, 2), Pt(mid - 200.0, 3), Pt(mid + 200.0, 3),
            Pt(mid + 200.0 + rightLen, 2), Pt(mid + 200.0, 0)});
}

void AddCut(Atom& atom, int f, int s, double left, double right)
{
    auto bar = std::make_unique<Atom::M_DCZDJBH>();
    bar->nA = s;
    bar->nFrame = f;
    bar->L1 = left;
    bar->L2 = right;
    atom.TopCutBars.Add(atom.TopCutPool.AddOwned(std::move(bar)));
}

void ExpectList(const DblArray& got, std::initializer_list<double> want)
{
    ASSERT_EQ(got.GetSize(), static_cast<int>(want.size()));
    int k = 0;
    for (double w : want) EXPECT_NEAR(got[k++], w, kTol) << "at " << (k - 1);
}

struct Lists {
    DblArray cant, arc, gap, cut;
    int Run(const Atom& atom, int i) { return GetTLXGJCC_Arc(atom, i, cant, arc, gap, cut); }
};

} // namespace

TEST(FrameGroupDimensions, SingleFrameGroupAgreesWithItselfButKeepsItsCantilevers)
{
    Atom atom;
    TwoSupports(atom, {1, 2});
    AddBent(atom, 0, {3000.0, 1500.0});
    AddCut(atom, 0, 0, 1800.0, 1900.0);
    AddArcOfLengths(atom, 0, 0, 2000.0, 300.0, 300.0);
    AddBent(atom, 1, {1500.0, 2500.0});   // frame 1 is another group and changes nothing
    AddCut(atom, 1, 0, 900.0, 900.0);

    Lists l;
    ASSERT_EQ(l.Run(atom, 0), 1);
    ExpectList(l.cant, {0.0, 2050.0, 0.0, 2450.0, 0.0});
    EXPECT_EQ(l.arc.GetSize(), 0);
    EXPECT_EQ(l.gap.GetSize(), 0);
    EXPECT_EQ(l.cut.GetSize(), 0);

    // Frame 1 at y = -500: 2000 - 50 and 2500 + 50.
    Lists m;
    ASSERT_EQ(m.Run(atom, 1), 1);
    ExpectList(m.cant, {0.0, 1950.0, 0.0, 2550.0, 0.0});
}

TEST(FrameGroupDimensions, CutOffLengthsDifferingAtOneSupportOnly)
{
    Atom atom;
    TwoSupports(atom, {1, 1});
    for (int f : {0, 1}) AddBent(atom, f, {1500.0, 3000.0});
    AddCut(atom, 0, 0, 1800.0, 1800.0);
    AddCut(atom, 1, 0, 1800.0, 1800.0);
    AddCut(atom, 0, 1, 2000.0, 2100.0);
    AddCut(atom, 1, 1, 2200.0, 2400.0);
    AddCut(atom, 1, 1, 9999.0, 9999.0);   // only the frame's first bar over a support counts

    Lists l;
    ASSERT_EQ(l.Run(atom, 1), 1);
    ExpectList(l.cut, {0.0, 0.0, 2200.0, 2400.0});
    EXPECT_EQ(l.gap.GetSize(), 0);   // same bend points in both frames
    Lists m;
    ASSERT_EQ(m.Run(atom, 0), 1);
    ExpectList(m.cut, {0.0, 0.0, 2000.0, 2100.0});

    // A frame without a bar over support 1 counts 0 and 0 there.
    Atom bare;
    TwoSupports(bare, {1, 1});
    for (int f : {0, 1}) AddBent(bare, f, {1500.0});
    AddCut(bare, 0, 1, 2000.0, 2000.0);
    Lists n;
    ASSERT_EQ(n.Run(bare, 0), 1);
    ExpectList(n.cut, {0.0, 0.0, 2000.0, 2000.0});
}

TEST(FrameGroupDimensions, BendPointSpacingOfBentUpAndInclinedBars)
{
    Atom atom;
    TwoSupports(atom, {1, 1});
    // Frame 0: 1500, 3000 and the inclined bar's first bend 6000 -> [1500, 1500, 3000].
    AddBent(atom, 0, {3000.0, 1500.0});
    AddIncl(atom, 0, 6000.0, 7000.0);
    // Frame 1: 1500, 3200, 6000 -> [1500, 1700, 2800].
    AddIncl(atom, 1, 6000.0, 6500.0);
    AddBent(atom, 1, {1500.0, 3200.0});

    Lists l;
    ASSERT_EQ(l.Run(atom, 1), 1);
    ExpectList(l.gap, {0.0, 1700.0, 2800.0});
    Lists m;
    ASSERT_EQ(m.Run(atom, 0), 1);
    ExpectList(m.gap, {0.0, 1500.0, 3000.0});

    // Different numbers of bend points cannot be compared: no spacing is given.
    AddBent(atom, 1, {9000.0});
    Lists n;
    ASSERT_EQ(n.Run(atom, 0), 1);
    EXPECT_EQ(n.gap.GetSize(), 0);
}

TEST(FrameGroupDimensions, MemberWithoutBendPointFailsAndLeavesTheListsAlone)
{
    Atom atom;
    TwoSupports(atom, {1, 1, 2});
    AddBent(atom, 0, {1500.0});
    AddBent(atom, 2, {1500.0});
    AddCut(atom, 0, 0, 1800.0, 1800.0);

    Lists l;
    l.cant.Add(-1.0);
    EXPECT_EQ(l.Run(atom, 0), 0);   // frame 1 of the same group has no bend point
    ExpectList(l.cant, {-1.0});
    EXPECT_EQ(l.arc.GetSize() + l.gap.GetSize() + l.cut.GetSize(), 0);

    // A frame index outside the frames fails the same way instead of reading past the groups.
    Lists m;
    EXPECT_EQ(m.Run(atom, 3), 0);
    EXPECT_EQ(m.Run(atom, -1), 0);
    EXPECT_EQ(m.cant.GetSize(), 0);
}

TEST(FrameGroupDimensions, ArcLengthsAtTheFirstAndLastSupport)
{
    Atom atom;
    TwoSupports(atom, {1, 1});
    for (int f : {0, 1}) AddBent(atom, f, {1500.0});
    AddArcOfLengths(atom, 0, 0, 2000.0, 300.0, 300.0);
    AddArcOfLengths(atom, 1, 0, 2000.0, 340.0, 350.0);   // the last length found is the frame's
    AddArcOfLengths(atom, 0, 1, 12000.0, 400.0, 400.0);
    AddArcOfLengths(atom, 1, 1, 12000.0, 400.0, 400.0);

    Lists l;
    ASSERT_EQ(l.Run(atom, 1), 1);
    ExpectList(l.arc, {350.0, 0.0, 0.0, 0.0});
    Lists m;
    ASSERT_EQ(m.Run(atom, 0), 1);
    ExpectList(m.arc, {300.0, 0.0, 0.0, 0.0});

    // At the last support only frame 0 has arcs, and they differ: frame 1 has none there (0).
    Atom other;
    TwoSupports(other, {1, 1});
    for (int f : {0, 1}) AddBent(other, f, {1500.0});
    AddArcOfLengths(other, 0, 1, 12000.0, 400.0, 450.0);
    Lists n;
    ASSERT_EQ(n.Run(other, 1), 1);
    ExpectList(n.arc, {0.0, 0.0, 0.0, 0.0});
    Lists o;
    ASSERT_EQ(o.Run(other, 0), 1);
    ExpectList(o.arc, {0.0, 0.0, 0.0, 450.0});
}

TEST(FrameGroupDimensions, SingleSupportCountsItsArcsAtBothEnds)
{
    Atom atom;
    TwoSupports(atom, {1});
    atom.nPier = 1;
    atom.bBz.RemoveAll();
    AddBent(atom, 0, {1500.0});
    AddArcOfLengths(atom, 0, 0, 2000.0, 300.0, 250.0);

    Lists l;
    ASSERT_EQ(l.Run(atom, 0), 1);
    ExpectList(l.arc, {250.0, 0.0, 0.0, 250.0});
}

TEST(FrameGroupDimensions, BottomBendEndingAnArcGivesNoLength)
{
    Atom atom;
    TwoSupports(atom, {1});
    AddBent(atom, 0, {1500.0});
    // 300 from the first bottom bend; the last vertex has nothing after it.
    AddArc(atom, 0, 0, {Pt(1000.0, 0), Pt(1500.0, 2), Pt(1800.0, 3), Pt(2200.0, 2)});

    Lists l;
    ASSERT_EQ(l.Run(atom, 0), 1);
    EXPECT_EQ(l.arc.GetSize(), 0);   // one length only, which agrees with itself
}
