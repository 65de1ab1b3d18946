// Station cut: one tendon crossed at a station (height, label, status) and whole sections, on
// hand-built tendons with 45° legs and fillets whose tangent points and centres are worked by hand.
#include "tendon/hand_built_tendons.h"
#include "tendon/steps_test_access.h"

#include "host/report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace hand_built;

namespace {

using Access = CPM001T010401AtomTestAccess;

// A fillet of radius r = 500·√2 in a right-angled corner between 45° legs: its tangent points
// lie 500 along and 500 across from the corner, its centre 1000 from it on the bisector.
const double kR = 500.0 * std::sqrt(2.0);
// The same with radius 250·√2.
const double kSmallR = 250.0 * std::sqrt(2.0);

int Errors()
{
    int count = 0;
    for (const ReportEntry& e : ReportLog::Current().Entries())
        if (e.kind == ReportEntry::Error && e.message == "计算错误061103011") count += static_cast<int>(e.count);
    return count;
}

struct Cut {
    int status;
    double y;
    CString label;
};

// Cuts tendon i of the object at x; y and the label start as -1 and "-".
Cut CutAt(Atom& atom, int i, double x)
{
    Cut c{0, -1.0, "-"};
    c.status = Access::GetXPtPr(atom, atom.Steel[i].get(), atom.SteelFD[i].get(), x, c.y, c.label);
    return c;
}

// A valley: (1000, 1800) down to (2000, 800), filleted there, up to (3000, 1800). Tangent points
// (1500, 1300) and (2500, 1300), centre (2000, 1800), the arc from 225° through 90°.
void AddValley(Atom& atom)
{
    Add(atom, Tendon("N1", 0, {{1000, 1800, 0, 1}, {2000, 800, kR, 6}, {3000, 1800, 0, 8}}),
        {{{1500, 1300}, {2500, 1300}, {2000, 1800}, 225, 90, kR}});
}

// Valley, crest and valley: (1000, 1800), (2000, 800) with fillet 0 as above, (3000, 1800) with
// fillet 1 of radius 250·√2 (tangent points (2750, 1550) and (3250, 1550), centre (3000, 1300),
// the arc from 45° through 90°), a sharp (4000, 800) and (5000, 1800).
void AddWave(Atom& atom)
{
    Add(atom,
        Tendon("N2", 0, {{1000, 1800, 0, 1}, {2000, 800, kR, 6}, {3000, 1800, kSmallR, 7}, {4000, 800, 0, 6},
                         {5000, 1800, 0, 8}}),
        {{{1500, 1300}, {2500, 1300}, {2000, 1800}, 225, 90, kR},
         {{2750, 1550}, {3250, 1550}, {3000, 1300}, 45, 90, kSmallR}});
}

// A level start (0, 1800)–(1000, 1800), then down to a valley filleted at (2000, 800) (fillet 0:
// tangent points (1500, 1300) and (2500, 1300)), up to (3000, 1800) and level to (4000, 1800).
void AddLevelValley(Atom& atom, int secondClass)
{
    Add(atom,
        Tendon("N3", 0, {{0, 1800, 0, 1}, {1000, 1800, 0, secondClass}, {2000, 800, kR, 6}, {3000, 1800, 0, 2},
                         {4000, 1800, 0, 8}}),
        {{{1500, 1300}, {2500, 1300}, {2000, 1800}, 225, 90, kR}});
}

class StationCut : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReportLog::Current().Clear();
        FlatBeam(atom);
        atom.SectionHD[0].hD = 2000.0;   // half the reference height: 1000
    }
    Atom atom;
};

} // namespace

// ---- which tendons the station meets ----------------------------------------------------------

TEST_F(StationCut, StationsOutsideTheTendonGiveMinusOneAndWriteNothing)
{
    AddValley(atom);
    const Cut before = CutAt(atom, 0, 999.999);
    EXPECT_EQ(before.status, -1);
    EXPECT_EQ(before.y, -1.0);
    EXPECT_EQ(before.label, "-");
    EXPECT_EQ(CutAt(atom, 0, 3000.0001).status, -1);
    EXPECT_EQ(Errors(), 0);
}

TEST_F(StationCut, TheEndNodesBelongToTheTendon)
{
    AddValley(atom);
    const Cut start = CutAt(atom, 0, 1000.0);
    EXPECT_NE(start.status, -1);
    EXPECT_DOUBLE_EQ(start.y, 1800.0);
    EXPECT_EQ(start.label, "N1");
    const Cut end = CutAt(atom, 0, 3000.0);
    EXPECT_NE(end.status, -1);
    EXPECT_DOUBLE_EQ(end.y, 1800.0);
}

// ---- first stretch ------------------------------------------------------------------------------

TEST_F(StationCut, FirstStretchLevelWithTheTopIsTheUpperLayer)
{
    // Depth 300 at both ends, less than half of 2000.
    Add(atom, Tendon("N1", 0, {{1000, 1700, 0, 1}, {3000, 1700, 0, 8}}));
    const Cut c = CutAt(atom, 0, 2000.0);
    EXPECT_EQ(c.status, 2);
    EXPECT_DOUBLE_EQ(c.y, 1700.0);
    EXPECT_EQ(c.label, "N1");
}

TEST_F(StationCut, FirstStretchLevelInTheLowerHalfIsTheLowerLayer)
{
    // Depth 1800 at both ends and level: not above half the height, so the bottom layer.
    Add(atom, Tendon("N1", 0, {{1000, 200, 0, 1}, {3000, 200, 0, 8}}));
    EXPECT_EQ(CutAt(atom, 0, 2000.0).status, 3);
    // Exactly at half the height (depth 1000) still counts as the lower layer.
    Add(atom, Tendon("N2", 0, {{1000, 1000, 0, 1}, {3000, 1000, 0, 8}}));
    EXPECT_EQ(CutAt(atom, 1, 2000.0).status, 3);
}

TEST_F(StationCut, FirstStretchInclinedIsStatusZeroWithTheHeightOnThePiece)
{
    Add(atom, Tendon("N1", 0, {{1000, 200, 0, 1}, {3000, 600, 0, 8}}));
    const Cut c = CutAt(atom, 0, 2000.0);
    EXPECT_EQ(c.status, 0);
    EXPECT_DOUBLE_EQ(c.y, 400.0);
}

TEST_F(StationCut, FirstStretchOverTheCrownOfATwoSlopedTopIsStatusZero)
{
    // Top falling 1% to both sides of the crown at 2000: level 1990 at 1000 and at 3000.
    atom.iLb = 0.01;
    atom.iRb = 0.01;
    atom.bAc = 2000.0;
    Add(atom, Tendon("N1", 0, {{1000, 1690, 0, 1}, {3000, 1690, 0, 8}}));
    EXPECT_EQ(CutAt(atom, 0, 1500.0).status, 0);   // crown inside: not a layer
    // With the crown at the piece's far end it is not inside. Levels 1980 at 1000 and 2000 at
    // 3000 give depths 290 and 310, which differ, and the level piece lies in the upper half:
    // neither layer.
    atom.bAc = 3000.0;
    EXPECT_EQ(CutAt(atom, 0, 1500.0).status, 0);
    // A one-slope top ignores the crown: depth 310 at both ends, upper half.
    atom.iRb = -0.01;
    atom.bAc = 2000.0;
    EXPECT_EQ(CutAt(atom, 0, 1500.0).status, 2);
}

TEST_F(StationCut, FirstStretchUpToTheTangentPointIsStraight)
{
    AddValley(atom);
    // At the tangent point (1500, 1300): still the straight leg; depths 200 and 700, not level.
    const Cut atTangent = CutAt(atom, 0, 1500.0);
    EXPECT_EQ(atTangent.status, 0);
    EXPECT_NEAR(atTangent.y, 1300.0, 1e-9);
    const Cut onLeg = CutAt(atom, 0, 1200.0);
    EXPECT_EQ(onLeg.status, 0);
    EXPECT_NEAR(onLeg.y, 1600.0, 1e-9);
}

TEST_F(StationCut, FirstStretchPastTheTangentPointIsOnTheArc)
{
    AddValley(atom);
    // 200 from the centre's vertical: 1800 - √(500000 - 40000).
    const Cut c = CutAt(atom, 0, 1800.0);
    EXPECT_EQ(c.status, 4);
    EXPECT_NEAR(c.y, 1800.0 - std::sqrt(460000.0), 1e-9);
    // The node's own station lies on the arc's low point.
    const Cut node = CutAt(atom, 0, 2000.0);
    EXPECT_EQ(node.status, 4);
    EXPECT_NEAR(node.y, 1800.0 - kR, 1e-9);
}

TEST_F(StationCut, FirstStretchLevelLegBeforeAFilletFollowsTheTopOrTheBottom)
{
    // A level leg turning 45° at (2000, 1700) with radius 500: the tangent points lie
    // t = 500·tan 22.5° = 500·(√2 - 1) from the corner, the centre 500 below the first one.
    // Up to the first tangent point the leg keeps depth 300 and is level: upper layer.
    const double t = 500.0 * (std::sqrt(2.0) - 1.0), u = t / std::sqrt(2.0);
    Add(atom, Tendon("N1", 0, {{1000, 1700, 0, 1}, {2000, 1700, 500, 7}, {2500, 1200, 0, 8}}),
        {{{2000 - t, 1700}, {2000 + u, 1700 - u}, {2000 - t, 1200}, 45, 45, 500}});
    EXPECT_EQ(CutAt(atom, 0, 1200.0).status, 2);
    // The mirror image near the bottom (depth 1700): lower layer.
    Add(atom, Tendon("N2", 0, {{1000, 300, 0, 1}, {2000, 300, 500, 6}, {2500, 800, 0, 8}}),
        {{{2000 - t, 300}, {2000 + u, 300 + u}, {2000 - t, 800}, 270, 45, 500}});
    EXPECT_EQ(CutAt(atom, 1, 1200.0).status, 3);
    // 100 past the tangent point (on the centre's vertical) the arc rises to 1200 + √(500² - 100²).
    const Cut arc = CutAt(atom, 0, 2000.0 - t + 100.0);
    EXPECT_EQ(arc.status, 4);
    EXPECT_NEAR(arc.y, 1200.0 + std::sqrt(250000.0 - 10000.0), 1e-9);
}

// ---- last stretch --------------------------------------------------------------------------------

TEST_F(StationCut, LastStretchFromTheTangentPointIsStraight)
{
    AddValley(atom);
    // From (2500, 1300) to (3000, 1800): depths 700 and 200, not level: status 1.
    const Cut atTangent = CutAt(atom, 0, 2500.0);
    EXPECT_EQ(atTangent.status, 1);
    EXPECT_NEAR(atTangent.y, 1300.0, 1e-9);
    const Cut onLeg = CutAt(atom, 0, 2800.0);
    EXPECT_EQ(onLeg.status, 1);
    EXPECT_NEAR(onLeg.y, 1600.0, 1e-9);
}

TEST_F(StationCut, LastStretchBeforeTheTangentPointIsOnTheLastArc)
{
    AddValley(atom);
    const Cut c = CutAt(atom, 0, 2200.0);
    EXPECT_EQ(c.status, 4);
    EXPECT_NEAR(c.y, 1800.0 - std::sqrt(460000.0), 1e-9);
}

TEST_F(StationCut, LastStretchLayersAndTheCrown)
{
    // Sharp (1000, 1500), (2000, 1700), (3000, 1700): the last piece is level with depth 300.
    Add(atom, Tendon("N1", 0, {{1000, 1500, 0, 1}, {2000, 1700, 0, 2}, {3000, 1700, 0, 8}}));
    EXPECT_EQ(CutAt(atom, 0, 2500.0).status, 2);
    // In the lower half the same piece is the bottom layer.
    Add(atom, Tendon("N2", 0, {{1000, 500, 0, 1}, {2000, 300, 0, 4}, {3000, 300, 0, 8}}));
    EXPECT_EQ(CutAt(atom, 1, 2500.0).status, 3);
    // Two slopes with the crown strictly inside the last piece: status 1.
    atom.iLb = 0.01;
    atom.iRb = 0.01;
    atom.bAc = 2500.0;
    EXPECT_EQ(CutAt(atom, 0, 2200.0).status, 1);
    // With the crown at the piece's start it is not inside. Levels 2000 at 2000 and 1990 at 3000
    // give depths 300 and 290, which differ, but the piece is level: it runs with the bottom.
    atom.bAc = 2000.0;
    EXPECT_EQ(CutAt(atom, 0, 2200.0).status, 3);
}

TEST_F(StationCut, TwoNodesAreTheFirstStretch)
{
    // A station at the last node of a two-node tendon is still on its first stretch.
    Add(atom, Tendon("N1", 0, {{1000, 200, 0, 1}, {3000, 600, 0, 8}}));
    EXPECT_EQ(CutAt(atom, 0, 3000.0).status, 0);
}

// ---- inner stretches ------------------------------------------------------------------------------

TEST_F(StationCut, InnerStraightPiecesTakeTheirLayerFromTheNodeClass)
{
    // Sharp nodes at 1000, 2000, 8000, 9000; the station 5000 lies on the piece 2000–8000.
    const int classes[] = {2, 4, 6, 3, 5};
    const int expected[] = {2, 3, 5, 5, 5};
    for (int i = 0; i < 5; ++i) {
        Atom a;
        FlatBeam(a);
        a.SectionHD[0].hD = 2000.0;
        Add(a, Tendon("N1", 0, {{1000, 1500, 0, 1}, {2000, 1000, 0, classes[i]}, {8000, 1000, 0, 3}, {9000, 1500, 0, 8}}));
        EXPECT_EQ(CutAt(a, 0, 5000.0).status, expected[i]) << "class " << classes[i];
    }
    // A class-7 node followed by the end of a run along the top is in the upper layer; followed
    // by anything else it is not.
    Atom a;
    FlatBeam(a);
    Add(a, Tendon("N1", 0, {{1000, 1500, 0, 1}, {2000, 1700, 0, 7}, {8000, 1700, 0, 3}, {9000, 1500, 0, 8}}));
    Add(a, Tendon("N2", 0, {{1000, 1500, 0, 1}, {2000, 1700, 0, 7}, {8000, 1700, 0, 7}, {9000, 1500, 0, 8}}));
    EXPECT_EQ(CutAt(a, 0, 5000.0).status, 2);
    EXPECT_EQ(CutAt(a, 1, 5000.0).status, 5);
    const Cut c = CutAt(a, 0, 5000.0);
    EXPECT_DOUBLE_EQ(c.y, 1700.0);
}

TEST_F(StationCut, InnerStretchWithFilletsAtBothNodes)
{
    AddWave(atom);
    // 2000 < x <= 3000: fillet 0 ends at (2500, 1300), fillet 1 begins at (2750, 1550).
    const Cut onFirstArc = CutAt(atom, 0, 2200.0);
    EXPECT_EQ(onFirstArc.status, 4);
    EXPECT_NEAR(onFirstArc.y, 1800.0 - std::sqrt(460000.0), 1e-9);
    const Cut between = CutAt(atom, 0, 2600.0);
    EXPECT_EQ(between.status, 5);   // node 1 is of class 6
    EXPECT_NEAR(between.y, 1400.0, 1e-9);
    // Exactly at the tangent points the straight piece is taken (exact boundary tests).
    EXPECT_NEAR(CutAt(atom, 0, 2500.0).y, 1300.0, 1e-9);
    EXPECT_EQ(CutAt(atom, 0, 2500.0).status, 5);
    EXPECT_EQ(CutAt(atom, 0, 2750.0).status, 5);
    // Past (2750, 1550) the crest's arc: 100 from its centre's vertical, 1300 + √(125000 - 10000).
    const Cut onSecondArc = CutAt(atom, 0, 2900.0);
    EXPECT_EQ(onSecondArc.status, 4);
    EXPECT_NEAR(onSecondArc.y, 1300.0 + std::sqrt(115000.0), 1e-9);
}

TEST_F(StationCut, InnerStretchWithAFilletAtItsStartOnly)
{
    AddWave(atom);
    // 3000 < x <= 4000: fillet 1 ends at (3250, 1550), then straight down to (4000, 800).
    const Cut onArc = CutAt(atom, 0, 3100.0);
    EXPECT_EQ(onArc.status, 4);
    EXPECT_NEAR(onArc.y, 1300.0 + std::sqrt(115000.0), 1e-9);
    const Cut onLeg = CutAt(atom, 0, 3500.0);
    EXPECT_EQ(onLeg.status, 5);   // node 2 is of class 7, node 3 not of class 3
    EXPECT_NEAR(onLeg.y, 1300.0, 1e-9);
    // Within the tolerance left of the tangent point the straight piece is taken.
    const Cut nearTangent = CutAt(atom, 0, 3250.0 - 5e-7);
    EXPECT_EQ(nearTangent.status, 5);
    EXPECT_NEAR(nearTangent.y, 1550.0 + 5e-7, 1e-9);
}

TEST_F(StationCut, InnerStretchWithAFilletAtItsEndOnly)
{
    AddLevelValley(atom, 3);
    // 1000 < x <= 2000: straight from (1000, 1800) to the tangent point (1500, 1300), then fillet 0.
    const Cut onLeg = CutAt(atom, 0, 1200.0);
    EXPECT_EQ(onLeg.status, 5);
    EXPECT_NEAR(onLeg.y, 1600.0, 1e-9);
    const Cut nearTangent = CutAt(atom, 0, 1500.0 + 5e-7);
    EXPECT_EQ(nearTangent.status, 5);
    EXPECT_NEAR(nearTangent.y, 1300.0 - 5e-7, 1e-9);
    const Cut onArc = CutAt(atom, 0, 1700.0);
    EXPECT_EQ(onArc.status, 4);
    EXPECT_NEAR(onArc.y, 1800.0 - std::sqrt(410000.0), 1e-9);
    // The last stretch from 3000 is level with the top: upper layer.
    EXPECT_EQ(CutAt(atom, 0, 3500.0).status, 2);
}

TEST_F(StationCut, AtANodeTheStretchToItsLeftIsTaken)
{
    // x = 2000 is node 1 of the wave: the first stretch, past its tangent point: fillet 0.
    AddWave(atom);
    EXPECT_EQ(CutAt(atom, 0, 2000.0).status, 4);
    // x = 3000: the inner stretch 2000–3000, on fillet 1's arc at its top.
    const Cut crest = CutAt(atom, 0, 3000.0);
    EXPECT_EQ(crest.status, 4);
    EXPECT_NEAR(crest.y, 1300.0 + kSmallR, 1e-9);
}

// ---- no crossing ------------------------------------------------------------------------------

TEST_F(StationCut, VerticalPieceIsReportedAndLeavesTheOutputsUnwritten)
{
    Add(atom, Tendon("N1", 0, {{1000, 500, 0, 1}, {1000, 1500, 0, 8}}));
    const Cut c = CutAt(atom, 0, 1000.0);
    EXPECT_EQ(c.status, 0);
    EXPECT_EQ(c.y, -1.0);
    EXPECT_EQ(c.label, "-");
    EXPECT_EQ(Errors(), 1);
}

TEST_F(StationCut, FilletWithoutPiecesIsReportedNotRead)
{
    // A radius at the middle node but no pieces recorded for it.
    auto steel = Tendon("N1", 0, {{1000, 1800, 0, 1}, {2000, 800, kR, 6}, {3000, 1800, 0, 8}});
    atom.SteelFD.push_back(nullptr);
    atom.Steel.push_back(std::move(steel));
    double y = -1.0;
    CString label = "-";
    EXPECT_EQ(Access::GetXPtPr(atom, atom.Steel[0].get(), nullptr, 1800.0, y, label), 0);
    EXPECT_EQ(y, -1.0);
    EXPECT_EQ(Errors(), 1);
    // On the leg before the fillet the tangent point is missing as well.
    EXPECT_EQ(Access::GetXPtPr(atom, atom.Steel[0].get(), nullptr, 1200.0, y, label), 0);
    EXPECT_EQ(Errors(), 2);
}

TEST_F(StationCut, SingleNodeHasNoPieceToCross)
{
    Add(atom, Tendon("N1", 0, {{1000, 500, 0, 1}}));
    const Cut c = CutAt(atom, 0, 1000.0);
    EXPECT_EQ(c.status, 0);
    EXPECT_EQ(c.y, -1.0);
    EXPECT_EQ(Errors(), 1);
    EXPECT_EQ(CutAt(atom, 0, 1000.5).status, -1);
}

TEST_F(StationCut, TendonWithoutNodesIsOutside)
{
    Add(atom, Tendon("N1", 0, {}));
    EXPECT_EQ(CutAt(atom, 0, 1000.0).status, -1);
    EXPECT_EQ(Errors(), 0);
}

// ---- whole sections ------------------------------------------------------------------------------

namespace {

std::vector<double> Values(const DblArray& list) { return list.vector(); }
std::vector<int> Values(const IntArray& list) { return list.vector(); }
std::vector<std::string> Labels(const CStringArray& list)
{
    std::vector<std::string> out;
    for (int i = 0; i < list.GetSize(); ++i) out.push_back(list[i].GetString());
    return out;
}

struct Section {
    Atom::M_HD hd;
    DblArray flags1, flags2, chain;
};

Section SectionAt(Atom& atom, double x)
{
    Section s;
    s.chain.Add(99.0);   // emptied by the cut
    EXPECT_EQ(Access::GetXHD(atom, x, s.hd, s.flags1, s.flags2, s.chain), 1);
    return s;
}

// Four tendons over the middle of a flat beam (top 2000), tendon ends at 1000 and 9000:
//   N1 runs along the top at 1800 (class 2 node), across at -500 and 500, tensioned at both ends;
//   N2 along the top at 1700, across at -200 and 200, tensioned at the left end only;
//   N3 along the bottom at 200 (class 4 node), across at 0, tensioned at the right end only;
//   N4 rises freely from (2000, 600) to (8000, 1400): 1000 at 5000, exactly half the height.
// N5 starts only at 6000.
void AddMiddleLayout(Atom& atom)
{
    atom.fm = 1000.0;
    atom.fmr = 1000.0;
    Add(atom, Tendon("N1", 0, {{1000, 1500, 0, 1}, {2000, 1800, 0, 2}, {8000, 1800, 0, 3}, {9000, 1500, 0, 8}},
                     {-500, 500}));
    Add(atom, Tendon("N2", 1, {{1000, 1500, 0, 1}, {2000, 1700, 0, 2}, {8000, 1700, 0, 3}, {9000, 1500, 0, 8}},
                     {-200, 200}));
    Add(atom, Tendon("N3", 2, {{1000, 500, 0, 1}, {2000, 200, 0, 4}, {8000, 200, 0, 5}, {9000, 500, 0, 8}}, {0}));
    Add(atom, Tendon("N4", 0, {{1000, 800, 0, 1}, {2000, 600, 0, 6}, {8000, 1400, 0, 6}, {9000, 1000, 0, 8}},
                     {-500, 500}));
    Add(atom, Tendon("N5", 0, {{6000, 800, 0, 1}, {9000, 800, 0, 8}}, {300}));
}

} // namespace

TEST_F(StationCut, MiddleSectionSortsTheTendonsIntoLayersAndChains)
{
    AddMiddleLayout(atom);
    const Section s = SectionAt(atom, 5000.0);
    const Atom::M_HD& hd = s.hd;
    EXPECT_DOUBLE_EQ(hd.hD, 2000.0);
    EXPECT_EQ(Values(hd.VStatus), (std::vector<int>{2, 2, 3, 5}));
    // Depths 200, 300, 1800 and 1000 (exactly half: lower half).
    EXPECT_EQ(Values(hd.FVwzh), (std::vector<int>{1, 1, 0, 0}));
    EXPECT_EQ(Values(s.flags1), (std::vector<double>{0, 0, 1, 0}));
    EXPECT_EQ(Values(s.flags2), (std::vector<double>{0, 1, 0, 0}));
    EXPECT_EQ(Labels(hd.TR), (std::vector<std::string>{"N1", "N2"}));
    EXPECT_TRUE(Labels(hd.TsR).empty());
    EXPECT_EQ(Labels(hd.BsR), (std::vector<std::string>{"N4"}));
    EXPECT_EQ(Labels(hd.BR), (std::vector<std::string>{"N3"}));
    // Across the 2000 width from -1000: top layer -500, -200, 200, 500.
    EXPECT_EQ(Values(hd.Tx), (std::vector<double>{500, 300, 400, 300, 500}));
    EXPECT_EQ(Values(hd.Fs), (std::vector<double>{2000}));
    EXPECT_EQ(Values(hd.Fx), (std::vector<double>{500, 1000, 500}));
    EXPECT_EQ(Values(hd.Bx), (std::vector<double>{1000, 1000}));
    EXPECT_EQ(Values(hd.TFs), (std::vector<double>{500, 300, 400, 300, 500}));
    EXPECT_EQ(Values(hd.BFx), (std::vector<double>{500, 500, 500, 500}));
    // Upper levels 2000, 1800, 1700; lower levels 0, 200, 1000.
    EXPECT_EQ(Values(hd.Tz), (std::vector<double>{200, 100}));
    EXPECT_EQ(Values(hd.Bz), (std::vector<double>{200, 800}));
    EXPECT_DOUBLE_EQ(hd.Tb, 1700.0);
    EXPECT_DOUBLE_EQ(hd.Ba, 1000.0);
    EXPECT_DOUBLE_EQ(hd.ms, 700.0);
    // Down from the top: 200, 100, the clear 700, then the lower gaps from the top down less the
    // bottom one (800); with the bottom gap 200 they add up to the height.
    EXPECT_EQ(Values(s.chain), (std::vector<double>{200, 100, 700, 800}));
}

TEST_F(StationCut, EqualLevelsAndPositionsAreDimensionedOnce)
{
    AddMiddleLayout(atom);
    // A sixth tendon level with N1 at the same positions across.
    Add(atom, Tendon("N6", 0, {{1000, 1500, 0, 1}, {2000, 1800, 0, 2}, {8000, 1800, 0, 3}, {9000, 1500, 0, 8}},
                     {-500, 500}));
    const Section s = SectionAt(atom, 5000.0);
    EXPECT_EQ(Labels(s.hd.TR), (std::vector<std::string>{"N1", "N2", "N6"}));
    EXPECT_EQ(Values(s.hd.Tz), (std::vector<double>{200, 100}));
    EXPECT_EQ(Values(s.hd.Tx), (std::vector<double>{500, 300, 400, 300, 500}));
}

TEST_F(StationCut, SectionMeetingNoTendon)
{
    // Left of the tendons, in the left cantilever's variable-height part (2000 long, rising 400
    // at the end): at 500 the bottom has risen (2000 - 500)·400/2000 = 300.
    AddMiddleLayout(atom);
    atom.bBpl = 2000.0;
    atom.hHpl = 400.0;
    const Section s = SectionAt(atom, 500.0);
    EXPECT_DOUBLE_EQ(s.hd.hD, 1700.0);
    EXPECT_TRUE(s.hd.VStatus.IsEmpty());
    EXPECT_TRUE(s.flags1.IsEmpty());
    EXPECT_TRUE(s.flags2.IsEmpty());
    for (const DblArray* chain : {&s.hd.Tx, &s.hd.Fs, &s.hd.Fx, &s.hd.Bx, &s.hd.TFs, &s.hd.BFx})
        EXPECT_EQ(Values(*chain), (std::vector<double>{2000}));
    EXPECT_TRUE(s.hd.Tz.IsEmpty());
    EXPECT_TRUE(s.hd.Bz.IsEmpty());
    EXPECT_DOUBLE_EQ(s.hd.Tb, 2000.0);   // not an end of the tendons' span: no rise taken off
    EXPECT_DOUBLE_EQ(s.hd.Ba, 1700.0);
    EXPECT_DOUBLE_EQ(s.hd.ms, 1700.0);
    EXPECT_EQ(Values(s.chain), (std::vector<double>{1700}));
}

TEST_F(StationCut, SectionAtTheStartOfTheTendonsTakesTheRiseIntoAccount)
{
    // At 1000, the tendons' first station, the bottom has risen (2000 - 1000)·400/2000 = 200.
    atom.fm = 1000.0;
    atom.fmr = 1000.0;
    atom.bBpl = 2000.0;
    atom.hHpl = 400.0;
    Add(atom, Tendon("N1", 0, {{1000, 1500, 0, 1}, {2000, 1800, 0, 2}, {3000, 1800, 0, 8}}, {0}));
    const Section s = SectionAt(atom, 1000.0);
    EXPECT_DOUBLE_EQ(s.hd.hD, 1800.0);
    EXPECT_EQ(Values(s.hd.VStatus), (std::vector<int>{0}));
    EXPECT_EQ(Values(s.hd.FVwzh), (std::vector<int>{1}));   // depth 500 above half of 1800
    EXPECT_EQ(Labels(s.hd.TsR), (std::vector<std::string>{"N1"}));
    EXPECT_EQ(Values(s.hd.Tz), (std::vector<double>{500}));
    EXPECT_TRUE(s.hd.Bz.IsEmpty());
    EXPECT_DOUBLE_EQ(s.hd.Tb, 1300.0);   // 1500 above the bottom line, less the rise 200
    EXPECT_DOUBLE_EQ(s.hd.Ba, 1800.0);
    EXPECT_DOUBLE_EQ(s.hd.ms, 1300.0);
    EXPECT_EQ(Values(s.chain), (std::vector<double>{500, 1300}));
}

TEST_F(StationCut, InsideTheTendonSpanTheTaperIsIgnored)
{
    atom.fm = 1000.0;
    atom.fmr = 1000.0;
    atom.bBpl = 2000.0;
    atom.hHpl = 400.0;
    Add(atom, Tendon("N1", 0, {{1000, 1500, 0, 1}, {3000, 1500, 0, 8}}, {0}));
    EXPECT_DOUBLE_EQ(SectionAt(atom, 1500.0).hd.hD, 2000.0);
}

TEST_F(StationCut, RightCantileverRise)
{
    // Right variable-height part 1500 long rising 300 at the end: at 9000, 1000 from the end,
    // the bottom has risen (1500 - 1000)·300/1500 = 100; at 9500, 200.
    atom.fm = 1000.0;
    atom.fmr = 1000.0;
    atom.bBpr = 1500.0;
    atom.hHpr = 300.0;
    EXPECT_DOUBLE_EQ(SectionAt(atom, 9000.0).hd.hD, 1900.0);
    EXPECT_DOUBLE_EQ(SectionAt(atom, 9500.0).hd.hD, 1800.0);
    // Outside the variable-height part the bottom is flat.
    EXPECT_DOUBLE_EQ(SectionAt(atom, 8000.0).hd.hD, 2000.0);
}

TEST_F(StationCut, TendonTheCutCannotCrossIsLeftOut)
{
    // N1 crosses at 1000 (height 1500); N2 stands vertical there and is reported; N3 at 500.
    atom.fm = 1000.0;
    Add(atom, Tendon("N1", 0, {{1000, 1500, 0, 1}, {3000, 1500, 0, 8}}, {-500}));
    Add(atom, Tendon("N2", 0, {{1000, 600, 0, 1}, {1000, 1200, 0, 8}}, {0}));
    Add(atom, Tendon("N3", 0, {{1000, 500, 0, 1}, {3000, 500, 0, 8}}, {500}));
    const Section s = SectionAt(atom, 1000.0);
    EXPECT_EQ(Errors(), 1);
    EXPECT_EQ(Values(s.hd.VStatus), (std::vector<int>{2, 3}));
    EXPECT_EQ(Values(s.flags1).size(), 2u);
    EXPECT_EQ(Labels(s.hd.TR), (std::vector<std::string>{"N1"}));
    EXPECT_EQ(Labels(s.hd.BR), (std::vector<std::string>{"N3"}));
    EXPECT_TRUE(s.hd.TsR.IsEmpty());
    EXPECT_TRUE(s.hd.BsR.IsEmpty());
    // Across: N2's position 0 is not dimensioned.
    EXPECT_EQ(Values(s.hd.TFs), (std::vector<double>{500, 1500}));
    EXPECT_EQ(Values(s.hd.BFx), (std::vector<double>{1500, 500}));
    EXPECT_EQ(Values(s.hd.Bz), (std::vector<double>{500}));
}

TEST_F(StationCut, LayerDecisionUsesTheSectionsOwnHalfHeight)
{
    // A two-node inclined tendon (status 0) at depth 900 in a section 2000 high: upper half;
    // at depth 1000 (exactly half): lower half.
    Add(atom, Tendon("N1", 0, {{1000, 1000, 0, 1}, {3000, 1200, 0, 8}}, {0}));
    Add(atom, Tendon("N2", 0, {{1000, 900, 0, 1}, {3000, 1100, 0, 8}}, {0}));
    const Section s = SectionAt(atom, 2000.0);
    EXPECT_EQ(Values(s.hd.VStatus), (std::vector<int>{0, 0}));
    EXPECT_EQ(Values(s.hd.FVwzh), (std::vector<int>{1, 0}));
    EXPECT_EQ(Labels(s.hd.TsR), (std::vector<std::string>{"N1"}));
    EXPECT_EQ(Labels(s.hd.BsR), (std::vector<std::string>{"N2"}));
}

TEST_F(StationCut, WithinTheToleranceOfHalfTheHeightIsNotTheUpperHalfButTheLayerIsExact)
{
    // Depth 1000 - 5e-7: the upper-half flag takes it as half (0), the layer compares exactly (upper).
    // Inclined, so neither the top nor the bottom layer.
    Add(atom, Tendon("N1", 0, {{1000, 1000.0000005, 0, 1}, {3000, 1100.0000005, 0, 8}}, {0}));
    const Section s = SectionAt(atom, 1000.0);
    EXPECT_EQ(Values(s.hd.FVwzh), (std::vector<int>{0}));
    EXPECT_EQ(Labels(s.hd.TsR), (std::vector<std::string>{"N1"}));
}
