// Support arcs of the bent-up bars over first, inner and last support lines, and arc equality, on beams worked by hand.
#include "capbeam/skeleton/bent_up_arcs.h"

#include "host/report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace CapBeamBentUpArcs;

namespace {

using Atom = CPM001T0101Atom;

constexpr double kTol = 1e-6;
constexpr double P = 1.57079635;
const double kTheta = std::atan(0.75);   // legs rise 3 in 4: sin 0.6, cos 0.8, tan(theta / 2) = 1/3

// Length of a bend of radius r through deg degrees, with the bar lists' 3.1415927.
double Bend(double deg, double r) { return deg / 180.0 * 3.1415927 * r; }
double Deg(double rad) { return rad * 180.0 / M_PI; }

// Square ends, 10000 long, through-bar line at 90 (da 60 + bar 30), end legs at x 70 and 9930 up
// to 490. Supports at 1500, 5000, 8500 (lay mode 1: cantilevers as given). Feet 400 from the
// support, apex radius 300: apex 300 above the line, tangent points 225 from it (R tan theta), so
// 275 from the foot, the bend through 2 theta. Welded legs 200.
std::unique_ptr<Atom> Beam()
{
    auto atom = std::make_unique<Atom>();
    atom->bBg = 10000.0;
    atom->nPier = 3;
    atom->bBzl = 1500.0;
    atom->bBzr = 1500.0;
    atom->bBz.Add(3500.0);
    atom->bBz.Add(3500.0);
    atom->FrameY.Add(0.0);
    atom->st.fLayMode = 1;
    atom->st.angle = kTheta;
    atom->st.da = 60.0;
    atom->st.d = 25.0;
    atom->st.LWeld = 100.0;
    atom->dMainBarWd = 30.0;
    atom->dWeldLen = 200.0;
    atom->KeyLen1 = 400.0;
    atom->KeyLen2 = 300.0;
    atom->WeldArcR = 100.0;
    atom->PYXTCJpa2.Add(CDblPoint(70.0, 490.0));
    atom->PYXTCJpa2.Add(CDblPoint(70.0, 90.0));
    atom->PYXTCJpa2.Add(CDblPoint(9930.0, 90.0));
    atom->PYXTCJpa2.Add(CDblPoint(9930.0, 490.0));
    return atom;
}

void ExpectList(const DblArray& got, std::initializer_list<double> want)
{
    ASSERT_EQ(got.GetSize(), static_cast<int>(want.size()));
    int i = 0;
    for (double v : want) EXPECT_NEAR(got[i++], v, kTol) << "at " << i - 1;
}

void ExpectVertex(const Atom::M_XZR& v, double x, double z, double RR, double alf, int fArc, int enPoint)
{
    EXPECT_NEAR(v.x, x, kTol);
    EXPECT_NEAR(v.z, z, kTol);
    EXPECT_NEAR(v.RR, RR, kTol);
    EXPECT_NEAR(v.alf, alf, kTol);
    EXPECT_EQ(v.fArc, fArc);
    EXPECT_EQ(v.enPoint, enPoint);
    EXPECT_NEAR(v.LH, 100.0, kTol);
}

double Sum(const DblArray& l)
{
    double s = 0.0;
    for (int i = 0; i < l.GetSize(); ++i) s += l[i];
    return s;
}

} // namespace

TEST(BentUpArcBuilders, InnerArcIsSymmetricAboutItsSupport)
{
    auto atom = Beam();
    Atom::M_ArcWQJ arc;
    ASSERT_EQ(GetArc1(*atom, 0, 1, &arc), 1);
    ASSERT_EQ(arc.PtAr.GetSize(), 5);
    ExpectVertex(arc.PtAr[0], 4400.0, 90.0, 0.0, 0.0, 0, 0);
    ExpectVertex(arc.PtAr[1], 4600.0, 90.0, 0.0, kTheta, 0, 2);
    ExpectVertex(arc.PtAr[2], 5000.0, 390.0, 300.0, -2.0 * kTheta, 1, 3);
    ExpectVertex(arc.PtAr[3], 5400.0, 90.0, 0.0, kTheta, 0, 2);
    ExpectVertex(arc.PtAr[4], 5600.0, 90.0, 0.0, 0.0, 0, 0);
    const double apex = Bend(Deg(2.0 * kTheta), 300.0);
    ExpectList(arc.L, {200.0, 275.0, apex, 275.0, 200.0});
    EXPECT_NEAR(arc.dA, 950.0 + apex, kTol);
    EXPECT_NEAR(arc.dB, kTheta, kTol);
    EXPECT_NEAR(arc.dC, kTheta, kTol);
    EXPECT_EQ(arc.nA, 0);
    EXPECT_EQ(arc.nB, 1);
    EXPECT_EQ(arc.nC + arc.nD, 0);
}

TEST(BentUpArcBuilders, FirstArcBendsOntoAShortCantileversEndLeg)
{
    // Cantilever 710, feet 800 out: the leg meets the end leg x = 70 at z 90 + 0.75 * 160 = 210,
    // under 290 (leg foot + weld), so it bends there with radius 100: the corner is 90 - theta,
    // tangent points 100 / tan(45 - theta / 2) = 200 from the corner: (70, 410) and (230, 330).
    // Apex at 690; its tangent point 225 back from it, (530, 555), is 375 from (230, 330).
    auto atom = Beam();
    atom->bBzl = 710.0;
    atom->KeyLen1 = 800.0;
    Atom::M_ArcWQJ arc;
    ASSERT_EQ(GetArc0(*atom, 0, &arc), 1);
    ASSERT_EQ(arc.PtAr.GetSize(), 5);
    ExpectVertex(arc.PtAr[0], 70.0, 610.0, 0.0, 0.0, 0, 0);
    ExpectVertex(arc.PtAr[1], 70.0, 210.0, 100.0, P + kTheta, 1, 2);
    ExpectVertex(arc.PtAr[2], 710.0, 690.0, 300.0, -2.0 * kTheta, 1, 3);
    ExpectVertex(arc.PtAr[3], 1510.0, 90.0, 0.0, kTheta, 0, 2);
    ExpectVertex(arc.PtAr[4], 1710.0, 90.0, 0.0, 0.0, 0, 0);
    const double leg = Bend(90.0 + Deg(kTheta), 100.0);
    const double apex = Bend(Deg(2.0 * kTheta), 300.0);
    ExpectList(arc.L, {200.0, leg, 375.0, apex, 775.0, 200.0});
    EXPECT_NEAR(arc.dA, 1550.0 + leg + apex, kTol);
    EXPECT_NEAR(arc.dB, P + kTheta, kTol);
    EXPECT_NEAR(arc.dC, kTheta, kTol);
    EXPECT_EQ(arc.nC, 1);
    EXPECT_EQ(arc.nD, 0);
    EXPECT_EQ(arc.nB, 0);
}

TEST(BentUpArcBuilders, SingleSupportArcHasBothEndPieces)
{
    auto atom = Beam();
    atom->nPier = 1;
    atom->bBg = 4000.0;
    atom->bBzl = 2000.0;
    atom->bBzr = 2000.0;
    atom->bBz.RemoveAll();
    atom->PYXTCJpa2[2] = CDblPoint(3930.0, 90.0);
    atom->PYXTCJpa2[3] = CDblPoint(3930.0, 490.0);
    Atom::M_ArcWQJ arc;
    ASSERT_EQ(GetArc0(*atom, 0, &arc), 1);
    ASSERT_EQ(arc.PtAr.GetSize(), 5);   // left weld end and foot, apex, then the right end piece
    ExpectVertex(arc.PtAr[3], 2400.0, 90.0, 0.0, kTheta, 0, 2);
    ExpectVertex(arc.PtAr[4], 2600.0, 90.0, 0.0, 0.0, 0, 0);
    ExpectList(arc.L, {200.0, 275.0, Bend(Deg(2.0 * kTheta), 300.0), 275.0, 200.0});
    EXPECT_NEAR(arc.dC, kTheta, kTol);
    EXPECT_EQ(arc.nB, 0);
}

TEST(BentUpArcBuilders, LastArcWeldedOnTheEndLegCountsTheLegFromTheKink)
{
    // Last support at 9730, feet 1200 out: the leg meets the end leg x = 9930 at z 90 + 0.75 * 1000
    // = 840, above 490 + 200, so it is welded there without a bend. The apex (9730, 990) has its
    // right tangent point at (9910, 855), 25 from the kink (not 1275 from the leg's crossing with
    // the bottom line at x 10930, beyond the beam's end).
    auto atom = Beam();
    atom->bBzr = 270.0;
    atom->KeyLen1 = 1200.0;
    Atom::M_ArcWQJ arc;
    ASSERT_EQ(GetArc2(*atom, 0, &arc), 1);
    ASSERT_EQ(arc.PtAr.GetSize(), 5);
    ExpectVertex(arc.PtAr[0], 8330.0, 90.0, 0.0, 0.0, 0, 0);
    ExpectVertex(arc.PtAr[1], 8530.0, 90.0, 0.0, kTheta, 0, 2);
    ExpectVertex(arc.PtAr[2], 9730.0, 990.0, 300.0, -2.0 * kTheta, 1, 3);
    ExpectVertex(arc.PtAr[3], 9930.0, 840.0, 0.0, -kTheta, 0, 2);
    ExpectVertex(arc.PtAr[4], 9930.0, 640.0, 0.0, 0.0, 0, 2);
    ExpectList(arc.L, {200.0, 1275.0, Bend(Deg(2.0 * kTheta), 300.0), 25.0, 200.0});
    EXPECT_NEAR(arc.dB, kTheta, kTol);
    EXPECT_NEAR(arc.dC, 0.0, kTol);   // alf of the last foot-kind vertex
    EXPECT_EQ(arc.nD, 1);
    EXPECT_EQ(arc.nB, 2);
}

TEST(BentUpArcBuilders, NoApexReportsAndLeavesTheRecord)
{
    auto atom = Beam();
    atom->st.angle = std::nan("");
    const char* texts[] = {"计算错误072201", "计算错误072202", "计算错误072203!"};
    for (int which = 0; which < 3; ++which) {
        ReportLog::Current().Clear();
        Atom::M_ArcWQJ arc;
        arc.nA = 9;
        const int done = which == 0 ? GetArc0(*atom, 0, &arc) : which == 1 ? GetArc1(*atom, 0, 1, &arc) : GetArc2(*atom, 0, &arc);
        EXPECT_EQ(done, 0);
        EXPECT_EQ(arc.nA, 9);
        EXPECT_EQ(arc.PtAr.GetSize(), 0);
        EXPECT_EQ(arc.L.GetSize(), 0);
        ASSERT_FALSE(ReportLog::Current().Entries().empty());
        EXPECT_EQ(ReportLog::Current().Entries().back().message, texts[which]);
    }
    EXPECT_EQ(GetArc1(*atom, 0, 1, nullptr), 0);
    ReportLog::Current().Clear();
}

namespace {

Atom::M_ArcWQJ Arc(int frame, std::initializer_list<double> lengths, double dB, double dC, int nC, int nD)
{
    Atom::M_ArcWQJ arc;
    arc.nA = frame;
    for (double v : lengths) arc.L.Add(v);
    arc.dA = Sum(arc.L);
    arc.dB = dB;
    arc.dC = dC;
    arc.nC = nC;
    arc.nD = nD;
    return arc;
}

} // namespace

TEST(BentUpArcEquality, SameOrientationComparesWholeTenths)
{
    const auto a = Arc(0, {200.0, 275.02, 100.0, 275.0, 200.0}, 0.64, 0.64, 0, 0);
    const auto b = Arc(0, {200.0, 275.04, 100.0, 275.0, 200.0}, 0.64, 0.64, 0, 0);
    EXPECT_EQ(Getf2ArcHB(&a, &b, 0), 1);   // both 2750 tenths, totals 1050.0 to one decimal
    const auto c = Arc(0, {200.0, 275.06, 100.0, 275.0, 200.0}, 0.64, 0.64, 0, 0);
    EXPECT_EQ(Getf2ArcHB(&a, &c, 0), 0);   // 2751 tenths
    const auto other = Arc(1, {200.0, 275.02, 100.0, 275.0, 200.0}, 0.64, 0.64, 0, 0);
    EXPECT_EQ(Getf2ArcHB(&a, &other, 1), 0);   // arcs of different frames never match
    const auto flagged = Arc(0, {200.0, 275.02, 100.0, 275.0, 200.0}, 0.64, 0.64, 1, 0);
    EXPECT_EQ(Getf2ArcHB(&a, &flagged, 0), 0);
    EXPECT_EQ(Getf2ArcHB(&a, nullptr, 1), 0);
}

TEST(BentUpArcEquality, MirroredArcsNeedTheMirrorAndExactValues)
{
    const auto first = Arc(0, {200.0, 80.0, 300.0, 100.0, 275.0, 200.0}, 2.2, 0.64, 1, 0);
    const auto last = Arc(0, {200.0, 275.0, 100.0, 300.0, 80.0, 200.0}, 0.64, 2.2, 0, 1);
    EXPECT_EQ(Getf2ArcHB(&first, &last, 0), 0);
    EXPECT_EQ(Getf2ArcHB(&first, &last, 1), 1);
    const auto near = Arc(0, {200.0, 275.02, 100.0, 300.0, 80.0, 200.0}, 0.64, 2.2, 0, 1);
    EXPECT_EQ(Getf2ArcHB(&first, &near, 1), 0);   // mirrored: only the small tolerance applies
    const auto wrongFlags = Arc(0, {200.0, 275.0, 100.0, 300.0, 80.0, 200.0}, 0.64, 2.2, 1, 0);
    EXPECT_EQ(Getf2ArcHB(&first, &wrongFlags, 1), 0);
}

TEST(BentUpArcEquality, ListsCompareIndexByIndex)
{
    auto a0 = Arc(0, {200.0, 300.0}, 0.6, 0.6, 0, 0);
    auto a1 = Arc(1, {200.0, 300.0}, 0.6, 0.6, 0, 0);
    auto b1 = Arc(1, {200.0, 310.0}, 0.6, 0.6, 0, 0);
    CArray<Atom::M_ArcWQJ*> a;
    CArray<Atom::M_ArcWQJ*> b;
    EXPECT_EQ(Getf2ArcArHB(&a, &b), 1);   // nothing to compare
    a.Add(&a0);
    a.Add(&a1);
    b.Add(&a0);
    EXPECT_EQ(Getf2ArcArHB(&a, &b), 0);   // b too short: no arc to compare with
    b.Add(&a1);
    EXPECT_EQ(Getf2ArcArHB(&a, &b), 1);
    b[1] = &b1;
    EXPECT_EQ(Getf2ArcArHB(&a, &b), 0);
    EXPECT_EQ(Getf2ArcArHB(nullptr, &b), 0);
}
