// Tendon profile: node table and classes, fillets, pieces, boundary heights, samples, end types,
// curve and profile pieces, worked out by hand on small tendons.
#include "tendon/design_object.h"
#include "tendon/profile.h"
#include "tendon/definitions.h"
#include "tendon/steps_test_access.h"

#include "host/report.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

namespace {

using Atom = CPM001T010401Atom;
using Access = CPM001T010401AtomTestAccess;
using namespace tendon_test;

constexpr double kPi = std::numbers::pi;
constexpr double kRoot2 = std::numbers::sqrt2;

class TendonProfile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReportLog::Current().Clear();
        FlatBeam(t);
        t.bBg = 2000.0;
    }

    // Designs the tendons and returns the first.
    Atom::M_Steel& Design(std::initializer_list<Definition> definitions)
    {
        kp = KeyParameters(definitions);
        EXPECT_EQ(Access::SetSteelData(t, &kp), 1);
        return *t.Steel.at(0);
    }

    // The right-angled V from (0, 1000) down to (1000, 0) and up to (2000, 1000), measured from
    // the bottom, with a fillet of radius 100√2 at its foot: the tangent points lie 100√2 from
    // the corner, at (900, 100) and (1100, 100), and the centre 200 above it, at (1000, 200).
    static Definition RoundedV()
    {
        return Tendon({Point(0, 1000), Point(1000, 0, 0, 100.0 * kRoot2), Point(2000, 1000)});
    }

    Atom t;
    CPM001_CapKeyParam kp;
};

} // namespace

// ---- node table -----------------------------------------------------------------------------

TEST_F(TendonProfile, TwoSharpNodes)
{
    Atom::M_Steel& s = Design({Tendon({Point(0, 100), Point(1000, 200)})});
    ASSERT_EQ(s.LNode.GetSize(), 2);
    EXPECT_EQ(s.LNode[0].NR, "1");
    EXPECT_EQ(s.LNode[1].NR, "2");
    EXPECT_EQ(s.LNode[0].property, 1);
    EXPECT_EQ(s.LNode[1].property, 8);
    EXPECT_EQ(s.LNode[0].alf, 0.0);
    EXPECT_EQ(s.LNode[1].alf, 0.0);
    EXPECT_EQ(s.LNode[1].Z, 200.0);
    ASSERT_EQ(s.Dsx.GetSize(), 1);
    EXPECT_EQ(s.Dsx[0], 1000.0);
    EXPECT_EQ(s.Ysx.GetSize(), 0);
    ASSERT_EQ(s.L.GetSize(), 1);
    EXPECT_NEAR(s.L[0], std::sqrt(1000.0 * 1000.0 + 100.0 * 100.0), 1e-9);
    ASSERT_EQ(s.LKind.GetSize(), 1);
    EXPECT_EQ(s.LKind[0], 1);
    ASSERT_EQ(s.YZ.GetSize(), 2);
    EXPECT_EQ(s.YZ[0], 100.0);
    EXPECT_EQ(s.YZ[1], 200.0);
    const Atom::M_SteelFD& fd = *t.SteelFD[0];
    EXPECT_EQ(fd.TanPts.GetSize() + fd.CenPts.GetSize(), 0);
    EXPECT_EQ(fd.ArcStart.GetSize() + fd.ArcSweep.GetSize() + fd.ArcR.GetSize(), 0);
    EXPECT_EQ(fd.NodePts.GetSize(), 2);
}

TEST_F(TendonProfile, SingleNode)
{
    t.FVszb = 1;
    t.js = 500.0;
    Atom::M_Steel& s = Design({Tendon({Point(700, 300)})});
    ASSERT_EQ(s.LNode.GetSize(), 1);
    EXPECT_EQ(s.LNode[0].property, 1);
    EXPECT_EQ(s.Dsx.GetSize(), 0);
    EXPECT_EQ(s.Ysx.GetSize(), 0);
    EXPECT_EQ(s.L.GetSize(), 0);
    EXPECT_EQ(s.LKind.GetSize(), 0);
    ASSERT_EQ(s.YZ.GetSize(), 1);
    EXPECT_EQ(s.YZ[0], 300.0);
    // The node starts and closes the samples.
    ASSERT_EQ(s.X.GetSize(), 2);
    EXPECT_EQ(s.X[0], 700.0);
    EXPECT_EQ(s.X[1], 700.0);
    EXPECT_EQ(s.Z[0], 300.0);
    EXPECT_EQ(s.Z[1], 300.0);
}

TEST_F(TendonProfile, HeightsFromTheTopFaceAreTurnedIntoHeightsAboveTheBottom)
{
    // Top falling 2 % to both sides of the crown at 5000 from 2000: the top lies at 1900 at
    // station 0, so 450 below it is 1450 above the bottom.
    t.iLb = 0.02;
    t.iRb = 0.02;
    Atom::M_Steel& s = Design({Tendon({Point(0, 450, 1), Point(5000, 300, 0)})});
    EXPECT_EQ(s.LNode[0].Refline, 1);
    EXPECT_EQ(s.LNode[0].refZ, 450.0);
    EXPECT_EQ(s.LNode[0].ZZ, 450.0);
    EXPECT_NEAR(s.LNode[0].Z, 1450.0, 1e-9);
    EXPECT_EQ(s.LNode[1].Refline, 0);
    EXPECT_EQ(s.LNode[1].Z, 300.0);

    // A Refline other than 0 or 1 still means "from the top".
    Atom other;
    FlatBeam(other);
    CPM001_CapKeyParam kp2 = KeyParameters({Tendon({Point(0, 450, 7), Point(1000, 450, 7)})});
    ASSERT_EQ(Access::SetSteelData(other, &kp2), 1);
    EXPECT_EQ(other.Steel[0]->LNode[0].Refline, 1);
    EXPECT_EQ(other.Steel[0]->LNode[0].Z, 1550.0);
}

TEST_F(TendonProfile, ClassesOfRunsParallelToTheTop)
{
    // From the top, A = 300, 500, 500, 300: a run at 500 begins at node 2 and ends at node 3.
    t.bBg = 3000.0;
    Atom::M_Steel& s = Design({Tendon({Point(0, 300, 1), Point(1000, 500, 1), Point(2000, 500, 1), Point(3000, 300, 1)})});
    EXPECT_EQ(s.LNode[0].property, 1);
    EXPECT_EQ(s.LNode[1].property, 2);
    EXPECT_EQ(s.LNode[2].property, 3);
    EXPECT_EQ(s.LNode[3].property, 8);
}

TEST_F(TendonProfile, ClassesOfRunsParallelToTheBottomAndOtherNodes)
{
    t.bBg = 5000.0;
    Atom::M_Steel& s = Design({Tendon({Point(0, 300), Point(1000, 500), Point(2000, 500), Point(3000, 300),
                                       Point(4000, 700, 1), Point(5000, 300)})});
    EXPECT_EQ(s.LNode[1].property, 4);
    EXPECT_EQ(s.LNode[2].property, 5);
    // Bottom distances 500, 300 and (2000 - 700 =) 1300: neither begins nor ends a run.
    EXPECT_EQ(s.LNode[3].property, 6);
    // From the top, A = 700 between (2000 - 300 =) 1700 and 1700.
    EXPECT_EQ(s.LNode[4].property, 7);
    EXPECT_EQ(s.LNode[5].property, 8);
}

TEST_F(TendonProfile, RunParallelToTheTopOverTheCrownIsARunParallelToTheBottom)
{
    // Two slopes of 2 % falling from the crown at 1500: the top lies at 1990 at both 1000 and
    // 2000, so the run 500 below the top is also a run 1490 above the bottom.
    t.bBg = 3000.0;
    t.bAc = 1500.0;
    t.iLb = 0.02;
    t.iRb = 0.02;
    const auto run = Tendon({Point(0, 300, 1), Point(1000, 500, 1), Point(2000, 500, 1), Point(3000, 300, 1)});
    Atom::M_Steel& s = Design({run});
    EXPECT_EQ(s.LNode[1].property, 4);
    EXPECT_EQ(s.LNode[2].property, 3);

    // One straight slope: the run stays a run parallel to the top.
    Atom oneSlope;
    FlatBeam(oneSlope);
    oneSlope.bAc = 1500.0;
    oneSlope.iLb = 0.02;
    oneSlope.iRb = -0.02;
    CPM001_CapKeyParam kp2 = KeyParameters({run});
    ASSERT_EQ(Access::SetSteelData(oneSlope, &kp2), 1);
    EXPECT_EQ(oneSlope.Steel[0]->LNode[1].property, 2);

    // The crown not strictly between the two nodes: the run stays parallel to the top.
    Atom crownAtNode;
    FlatBeam(crownAtNode);
    crownAtNode.bAc = 1000.0;
    crownAtNode.iLb = 0.02;
    crownAtNode.iRb = 0.02;
    ASSERT_EQ(Access::SetSteelData(crownAtNode, &kp2), 1);
    EXPECT_EQ(crownAtNode.Steel[0]->LNode[1].property, 2);
}

TEST_F(TendonProfile, ReferenceFacesOfTheNodes)
{
    Atom::M_Steel& top = Design({Tendon({Point(0, 300, 1), Point(1000, 300, 1)})});
    EXPECT_EQ(top.Ckline, 1);
    Atom::M_Steel& bottom = Design({Tendon({Point(0, 300), Point(1000, 300)})});
    EXPECT_EQ(bottom.Ckline, 0);
    Atom::M_Steel& mixed = Design({Tendon({Point(0, 300, 1), Point(1000, 300)})});
    EXPECT_EQ(mixed.Ckline, 2);
}

TEST_F(TendonProfile, FaceOfTheBoundaryHeights)
{
    const auto mixed = Tendon({Point(0, 300, 1), Point(1000, 300)});
    const auto allTop = Tendon({Point(0, 300, 1), Point(1000, 300, 1)});

    t.FVCkplace = 0;   // always from the bottom
    t.FVcurve = 1;
    EXPECT_EQ(Design({allTop}).Ckplace, 0);

    t.FVCkplace = 1;
    t.FVcurve = 1;     // from the top only when every node is
    EXPECT_EQ(Design({allTop}).Ckplace, 1);
    EXPECT_EQ(Design({mixed}).Ckplace, 0);

    t.FVcurve = 0;     // as the nodes are
    EXPECT_EQ(Design({mixed}).Ckplace, 2);
    EXPECT_EQ(Design({allTop}).Ckplace, 1);
}

// ---- fillets, pieces and boundary heights ---------------------------------------------------

TEST_F(TendonProfile, FilletAtTheMiddleNode)
{
    Atom::M_Steel& s = Design({RoundedV()});
    const double r = 100.0 * kRoot2;

    // The sweep from (1100, 100) round to (900, 100) would be 270°: the arc runs the other way,
    // from 225° through 90°.
    const Atom::M_SteelFD& fd = *t.SteelFD[0];
    ASSERT_EQ(fd.TanPts.GetSize(), 2);
    EXPECT_NEAR(fd.TanPts[0].x, 900.0, 1e-9);
    EXPECT_NEAR(fd.TanPts[0].y, 100.0, 1e-9);
    EXPECT_NEAR(fd.TanPts[1].x, 1100.0, 1e-9);
    EXPECT_NEAR(fd.TanPts[1].y, 100.0, 1e-9);
    ASSERT_EQ(fd.CenPts.GetSize(), 1);
    EXPECT_NEAR(fd.CenPts[0].x, 1000.0, 1e-9);
    EXPECT_NEAR(fd.CenPts[0].y, 200.0, 1e-9);
    EXPECT_NEAR(fd.ArcStart[0], 225.0, 1e-9);
    EXPECT_NEAR(fd.ArcSweep[0], 90.0, 1e-9);
    EXPECT_NEAR(fd.ArcR[0], r, 1e-9);
    ASSERT_EQ(fd.NodePts.GetSize(), 3);
    EXPECT_EQ(fd.NodePts[1].x, 1000.0);
    EXPECT_EQ(fd.NodePts[1].y, 0.0);

    const Atom::M_LNode& foot = s.LNode[1];
    EXPECT_EQ(foot.property, 6);
    EXPECT_NEAR(foot.alf, kPi / 2.0, 1e-12);
    EXPECT_NEAR(foot.T, r, 1e-9);
    EXPECT_NEAR(foot.S, kPi / 2.0 * r, 1e-9);
    // sqrt(T² + R²) - R = 200 - 100√2.
    EXPECT_NEAR(foot.E, 200.0 - r, 1e-9);
    EXPECT_EQ(s.LNode[0].T + s.LNode[0].S + s.LNode[0].E, 0.0);

    // Straight 900√2, arc, straight 900√2.
    ASSERT_EQ(s.L.GetSize(), 3);
    EXPECT_NEAR(s.L[0], 900.0 * kRoot2, 1e-9);
    EXPECT_NEAR(s.L[1], kPi / 2.0 * r, 1e-9);
    EXPECT_NEAR(s.L[2], 900.0 * kRoot2, 1e-9);
    ASSERT_EQ(s.LKind.GetSize(), 3);
    EXPECT_EQ(s.LKind[0], 1);
    EXPECT_EQ(s.LKind[1], 0);
    EXPECT_EQ(s.LKind[2], 1);

    // Start, both tangent points, end.
    ASSERT_EQ(s.YZ.GetSize(), 4);
    EXPECT_NEAR(s.YZ[0], 1000.0, 1e-9);
    EXPECT_NEAR(s.YZ[1], 100.0, 1e-9);
    EXPECT_NEAR(s.YZ[2], 100.0, 1e-9);
    EXPECT_NEAR(s.YZ[3], 1000.0, 1e-9);

    ASSERT_EQ(s.Dsx.GetSize(), 2);
    EXPECT_EQ(s.Dsx[0], 1000.0);
    EXPECT_EQ(s.Dsx[1], 1000.0);
    ASSERT_EQ(s.Ysx.GetSize(), 3);
    EXPECT_NEAR(s.Ysx[0], 900.0, 1e-9);
    EXPECT_NEAR(s.Ysx[1], 200.0, 1e-9);
    EXPECT_NEAR(s.Ysx[2], 900.0, 1e-9);
}

TEST_F(TendonProfile, CrestFilletSweepsTheShortWay)
{
    // The inverted V: from (0, 0) up to (1000, 1000) and down to (2000, 0). The arc from the
    // outgoing tangent point (1100, 900) round to (900, 900) about (1000, 800) is the short one
    // of 90° starting at 45°; no second call is needed.
    Atom::M_Steel& s =
        Design({Tendon({Point(0, 0), Point(1000, 1000, 0, 100.0 * kRoot2), Point(2000, 0)})});
    const Atom::M_SteelFD& fd = *t.SteelFD[0];
    EXPECT_NEAR(fd.CenPts[0].y, 800.0, 1e-9);
    EXPECT_NEAR(fd.ArcStart[0], 45.0, 1e-9);
    EXPECT_NEAR(fd.ArcSweep[0], 90.0, 1e-9);
    EXPECT_NEAR(s.LNode[1].alf, kPi / 2.0, 1e-12);
}

TEST_F(TendonProfile, SharpInnerNodeDeflection)
{
    // Legs towards (0, 0) and (2000, 1000) meet at (1000, 0) at 135°: the profile turns by 45°.
    Atom::M_Steel& s = Design({Tendon({Point(0, 0), Point(1000, 0), Point(2000, 1000)})});
    EXPECT_NEAR(s.LNode[1].alf, kPi / 4.0, 1e-12);
    EXPECT_EQ(s.LNode[1].T, 0.0);
    EXPECT_EQ(s.LNode[1].S, 0.0);
    EXPECT_EQ(s.LNode[1].E, 0.0);
    ASSERT_EQ(s.L.GetSize(), 2);
    EXPECT_NEAR(s.L[1], 1000.0 * kRoot2, 1e-9);
    ASSERT_EQ(s.YZ.GetSize(), 3);
    EXPECT_EQ(s.YZ[1], 0.0);
}

TEST_F(TendonProfile, BoundaryHeightsFromTheTop)
{
    // The rounded V measured from the flat top at 2000: 1000, 2000 and 1000 below it. With every
    // node from the top and the table from the top, the heights are depths below the top.
    t.FVCkplace = 1;
    t.FVcurve = 1;
    Atom::M_Steel& s =
        Design({Tendon({Point(0, 1000, 1), Point(1000, 2000, 1, 100.0 * kRoot2), Point(2000, 1000, 1)})});
    EXPECT_EQ(s.Ckplace, 1);
    EXPECT_EQ(s.LNode[1].property, 7);
    ASSERT_EQ(s.YZ.GetSize(), 4);
    EXPECT_NEAR(s.YZ[0], 1000.0, 1e-9);
    EXPECT_NEAR(s.YZ[1], 1900.0, 1e-9);
    EXPECT_NEAR(s.YZ[2], 1900.0, 1e-9);
    EXPECT_NEAR(s.YZ[3], 1000.0, 1e-9);
}

TEST_F(TendonProfile, SharpInnerNodeHeightIsItsRefZAsEntered)
{
    // A flat beam 2000 high. The ends lie 1000 from either face; their heights follow the table's
    // face. A sharp inner node gives its refZ unchanged, whichever face it is measured from.
    struct Case {
        const char* name;
        int tableFromTop;   // FVCkplace, with FVcurve 1
        int middleRefline;
        double middleRefZ;
        int ckplace;
        double middle;
        double lastRefZ = 1000.0;   // the last node's refZ, from the top
        double last = 1000.0;       // its height in the table
    };
    const Case cases[] = {
        // 1450 below the top is 550 above the bottom; the table from the bottom still shows 1450.
        {"from the top, table from the bottom", 0, 1, 1450.0, 0, 1450.0},
        {"from the top, table from the top", 1, 1, 1450.0, 1, 1450.0},
        // 300 above the bottom is 1700 below the top; the table from the top still shows 300.
        {"from the bottom, table from the top", 1, 0, 300.0, 0, 300.0},
        {"from the bottom, table from the bottom", 0, 0, 300.0, 0, 300.0},
        // The last node 400 below the top, 1600 above the bottom: the table from the bottom shows
        // its height 1600, not its refZ.
        {"last node off mid-height, table from the bottom", 0, 1, 1450.0, 0, 1450.0, 400.0, 1600.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Atom fresh;
        FlatBeam(fresh);
        fresh.bBg = 2000.0;
        fresh.FVCkplace = c.tableFromTop;
        fresh.FVcurve = 1;
        kp = KeyParameters(
            {Tendon({Point(0, 1000, 1), Point(1000, c.middleRefZ, c.middleRefline), Point(2000, c.lastRefZ, 1)})});
        ASSERT_EQ(Access::SetSteelData(fresh, &kp), 1);
        const Atom::M_Steel& s = *fresh.Steel.at(0);
        EXPECT_EQ(s.Ckplace, c.ckplace);
        ASSERT_EQ(s.YZ.GetSize(), 3);
        EXPECT_EQ(s.YZ[0], 1000.0);
        EXPECT_EQ(s.YZ[1], c.middle);
        EXPECT_EQ(s.YZ[2], c.last);
    }
}

TEST_F(TendonProfile, RadiusAtAnEndNodeDrawsNoFillet)
{
    // An end node has no corner to round: the radius is kept on the node and the curve, but the
    // profile stays straight there.
    Atom::M_Steel& s = Design({Tendon({Point(0, 0, 0, 500.0), Point(1000, 0), Point(2000, 1000, 0, 500.0)})});
    EXPECT_EQ(s.LNode[0].R, 500.0);
    EXPECT_EQ(s.LNode[0].alf, 0.0);
    EXPECT_EQ(s.LNode[2].alf, 0.0);
    EXPECT_EQ(s.Ysx.GetSize(), 0);
    EXPECT_EQ(s.L.GetSize(), 2);
    EXPECT_EQ(t.SteelFD[0]->CenPts.GetSize(), 0);
    EXPECT_EQ(s.pCurve->GetControlPoint(0).r, 500.0);
}

// ---- sampling -------------------------------------------------------------------------------

TEST_F(TendonProfile, SamplesAlongTheRoundedV)
{
    t.FVszb = 1;
    t.js = 500.0;
    Atom::M_Steel& s = Design({RoundedV()});
    // 500 lies on the straight down to (900, 100), 1000 on the arc (its lowest point, 100√2
    // below the centre), 1500 on the straight up from (1100, 100).
    ASSERT_EQ(s.X.GetSize(), 5);
    ASSERT_EQ(s.Z.GetSize(), 5);
    const double expectedX[] = {0.0, 500.0, 1000.0, 1500.0, 2000.0};
    const double expectedZ[] = {1000.0, 500.0, 200.0 - 100.0 * kRoot2, 500.0, 1000.0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(s.X[i], expectedX[i]);
        EXPECT_NEAR(s.Z[i], expectedZ[i], 1e-9) << i;
    }
}

TEST_F(TendonProfile, SamplesStartAfterTheFirstNode)
{
    t.FVszb = 1;
    t.js = 500.0;
    t.bBg = 3200.0;
    Atom::M_Steel& s = Design({Tendon({Point(1000, 200), Point(3200, 200)})});
    const double expected[] = {1000.0, 1500.0, 2000.0, 2500.0, 3000.0, 3200.0};
    ASSERT_EQ(s.X.GetSize(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(s.X[i], expected[i]);
        EXPECT_NEAR(s.Z[i], 200.0, 1e-12);
    }
}

TEST_F(TendonProfile, StationWithinTheToleranceOfTheFirstNodeIsSkipped)
{
    t.FVszb = 1;
    t.js = 500.0;
    Atom::M_Steel& s = Design({Tendon({Point(1000.0000005, 200), Point(2000, 200)})});
    ASSERT_EQ(s.X.GetSize(), 3);
    EXPECT_EQ(s.X[0], 1000.0000005);
    EXPECT_EQ(s.X[1], 1500.0);
    EXPECT_EQ(s.X[2], 2000.0);
}

TEST_F(TendonProfile, StationAtANodeIsTakenOnThePieceToItsLeft)
{
    // The kink lies half a millionth beyond the station 1000. The left leg from (0, 0) gives
    // 1000 × 1000 / 1000.0000005 there, the right leg 1000.0000005: a millionth apart.
    t.FVszb = 1;
    t.js = 500.0;
    Atom::M_Steel& s = Design({Tendon({Point(0, 0), Point(1000.0000005, 1000), Point(2000, 0)})});
    ASSERT_EQ(s.X.GetSize(), 5);
    EXPECT_EQ(s.X[2], 1000.0);
    EXPECT_NEAR(s.Z[2], 1000.0 * 1000.0 / 1000.0000005, 1e-9);
}

TEST_F(TendonProfile, SamplesBetweenTwoFillets)
{
    // A trough: down from (0, 1000) at 45° to the flat bottom from (1000, 0) to (3000, 0), then up
    // at 45° to (4000, 1000); both corners rounded with 1000, each turning by 45°.
    t.FVszb = 1;
    t.js = 500.0;
    t.bBg = 4000.0;
    const double r = 1000.0;
    Atom::M_Steel& s = Design({Tendon({Point(0, 1000), Point(1000, 0, 0, r), Point(3000, 0, 0, r), Point(4000, 1000)})});
    // A turn of 45° with radius 1000: tangent length 1000 tan 22.5° = 1000 (√2 - 1).
    const double tangent = 1000.0 * (kRoot2 - 1.0);
    const Atom::M_SteelFD& fd = *t.SteelFD[0];
    ASSERT_EQ(fd.TanPts.GetSize(), 4);
    EXPECT_NEAR(fd.TanPts[1].x, 1000.0 + tangent, 1e-9);
    EXPECT_NEAR(fd.TanPts[1].y, 0.0, 1e-9);
    EXPECT_NEAR(fd.TanPts[2].x, 3000.0 - tangent, 1e-9);
    EXPECT_NEAR(fd.ArcSweep[0], 45.0, 1e-9);
    EXPECT_NEAR(s.LNode[1].T, tangent, 1e-9);

    ASSERT_EQ(s.X.GetSize(), 9);
    // 1000: on the first arc, centre (1000 + tangent, 1000): its height there is
    // 1000 - sqrt(1000² - tangent²).
    EXPECT_EQ(s.X[2], 1000.0);
    EXPECT_NEAR(s.Z[2], 1000.0 - std::sqrt(1000.0 * 1000.0 - tangent * tangent), 1e-9);
    // 2000: on the flat between the arcs.
    EXPECT_EQ(s.X[4], 2000.0);
    EXPECT_NEAR(s.Z[4], 0.0, 1e-9);
    // 3500: on the last straight, half-way up.
    EXPECT_EQ(s.X[7], 3500.0);
    EXPECT_NEAR(s.Z[7], 500.0, 1e-9);
    // The pieces: straight, arc, straight, arc, straight.
    ASSERT_EQ(s.LKind.GetSize(), 5);
    EXPECT_EQ(s.LKind[1], 0);
    EXPECT_EQ(s.LKind[3], 0);
    EXPECT_NEAR(s.L[2], 2000.0 - 2.0 * tangent, 1e-9);
}

TEST_F(TendonProfile, NoSamplingWhenSwitchedOffOrWithoutAStep)
{
    t.FVszb = 0;
    t.js = 500.0;
    EXPECT_EQ(Design({RoundedV()}).X.GetSize(), 0);
    t.FVszb = 1;
    t.js = 0.0;
    Atom::M_Steel& s = Design({RoundedV()});
    EXPECT_EQ(s.X.GetSize(), 0);
    EXPECT_EQ(s.Z.GetSize(), 0);
}

TEST_F(TendonProfile, SamplingWithoutEndFailsWithTheCalculationError)
{
    // A first tendon that samples normally, then one reaching 10^12 from the left end: a step of
    // 100 would never finish. The V is sharp, so that no radius below the strands' least is named.
    t.FVszb = 1;
    t.js = 100.0;
    const Definition v = Tendon({Point(0, 1000), Point(1000, 0), Point(2000, 1000)});
    kp = KeyParameters({v, Tendon({Point(0, 300), Point(1e12, 300)}), v});
    EXPECT_EQ(Access::SetSteelData(t, &kp), 0);
    // The station beyond the beam is named first, by its key.
    ASSERT_EQ(ReportLog::Current().Entries().size(), 2u);
    EXPECT_EQ(ReportLog::Current().Entries()[0].message,
              "cap.SteelAr[1].Node[1].X: beyond the beam's ends; expected a station from 0 to 2000 mm (1e+12 given)");
    const ReportEntry& e = ReportLog::Current().Entries()[1];
    EXPECT_EQ(e.kind, ReportEntry::Error);
    EXPECT_EQ(e.message, "计算错误06110301");
    // The first tendon is finished; the second has its nodes but no ends, curve or pieces; the
    // third was never made.
    ASSERT_EQ(t.Steel.size(), 3u);
    ASSERT_NE(t.Steel[0], nullptr);
    EXPECT_NE(t.Steel[0]->pCurve, nullptr);
    ASSERT_NE(t.SteelFD[0], nullptr);
    ASSERT_NE(t.Steel[1], nullptr);
    EXPECT_EQ(t.Steel[1]->LNode.GetSize(), 2);
    EXPECT_EQ(t.Steel[1]->pCurve, nullptr);
    EXPECT_EQ(t.Steel[1]->lMC, -1);
    EXPECT_EQ(t.Steel[1]->cl.DSeries, "");
    EXPECT_EQ(t.SteelFD[1], nullptr);
    EXPECT_EQ(t.Steel[2], nullptr);
    EXPECT_EQ(t.SteelFD[2], nullptr);
}

// ---- ends, curve and pieces -----------------------------------------------------------------

TEST_F(TendonProfile, EndTypes)
{
    // Beam 10000 with variable-height parts of 1500 at both ends. Tendon 1 spans 0 to 10000 (the
    // outermost ends); tendon 2 from 1500 (at the end of the left part) to 8500 (at the start of
    // the right part); tendon 3 from 1000 to 9000 (within both parts); tendon 4 from 2000 to 8000.
    t.bBg = 10000.0;
    t.bBpl = 1500.0;
    t.bBpr = 1500.0;
    kp = KeyParameters({Tendon({Point(0, 300), Point(10000, 300)}), Tendon({Point(1500, 300), Point(8500, 300)}),
                        Tendon({Point(1000, 300), Point(9000, 300)}), Tendon({Point(2000, 300), Point(8000, 300)})});
    ASSERT_EQ(Access::SetSteelData(t, &kp), 1);
    const int left[] = {0, 1, 1, 2};
    const int right[] = {0, 2, 1, 2};
    for (int i = 0; i < 4; ++i) {
        const Atom::M_Steel& s = *t.Steel[i];
        EXPECT_EQ(s.lMC, left[i]) << i;
        EXPECT_EQ(s.rMC, right[i]) << i;
        EXPECT_EQ(s.FVPTLDL, left[i] == 0 ? 1 : 0);
        EXPECT_EQ(s.FVPTQPL, left[i] == 1 ? 1 : 0);
        EXPECT_EQ(s.FVPTLDR, right[i] == 0 ? 1 : 0);
        EXPECT_EQ(s.FVPTQPR, right[i] == 1 ? 1 : 0);
    }
}

TEST_F(TendonProfile, UntensionedEndsHaveNoEndType)
{
    t.bBg = 10000.0;
    Definition leftOnly = Tendon({Point(0, 300), Point(10000, 300)});
    leftOnly.PT = 1;
    Definition rightOnly = leftOnly;
    rightOnly.PT = 2;
    kp = KeyParameters({leftOnly, rightOnly});
    ASSERT_EQ(Access::SetSteelData(t, &kp), 1);
    EXPECT_EQ(t.Steel[0]->lMC, 0);
    EXPECT_EQ(t.Steel[0]->rMC, -1);
    EXPECT_EQ(t.Steel[1]->lMC, -1);
    EXPECT_EQ(t.Steel[1]->rMC, 0);
    EXPECT_EQ(t.Steel[1]->FVPTLDL + t.Steel[1]->FVPTQPL, 0);
}

TEST_F(TendonProfile, NoVariableHeightPartsMeansEndsElsewhere)
{
    t.bBg = 10000.0;
    kp = KeyParameters({Tendon({Point(0, 300), Point(10000, 300)}), Tendon({Point(500, 300), Point(9500, 300)})});
    ASSERT_EQ(Access::SetSteelData(t, &kp), 1);
    EXPECT_EQ(t.Steel[1]->lMC, 2);
    EXPECT_EQ(t.Steel[1]->rMC, 2);
}

TEST_F(TendonProfile, CurveThroughTheNodes)
{
    Atom::M_Steel& s = Design({RoundedV()});
    ASSERT_NE(s.pCurve, nullptr);
    ASSERT_EQ(s.pCurve->GetControlPointCount(), 3);
    const auto& middle = s.pCurve->GetControlPoint(1);
    EXPECT_EQ(middle.x, 1000.0);
    EXPECT_EQ(middle.y, 0.0);
    EXPECT_NEAR(middle.r, 100.0 * kRoot2, 1e-12);
    EXPECT_EQ(middle.flag, 1);
    EXPECT_EQ(s.pCurve->GetControlPoint(0).y, 1000.0);
    EXPECT_EQ(s.pCurve->GetControlPoint(2).x, 2000.0);
}
