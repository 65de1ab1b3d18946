// End pieces of the support arcs beside the first and last support lines, on beams worked by hand.
#include "capbeam/skeleton/bent_up_arc_points.h"

#include "host/report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace CapBeamBentUpArcs;

namespace {

using Atom = CPM001T0101Atom;

constexpr double kTol = 1e-6;
constexpr double P = 1.57079635;
const double kTheta = std::atan(0.75);   // sin 0.6, cos 0.8

double Bend(double deg, double r) { return deg / 180.0 * 3.1415927 * r; }
double Deg(double rad) { return rad * 180.0 / M_PI; }

// Square ends: through-bar line at 90, end legs at x 70 and 9930 up to 490; welded legs 200.
std::unique_ptr<Atom> SquareBeam(double leftCantilever, double footOffset)
{
    auto atom = std::make_unique<Atom>();
    atom->bBg = 10000.0;
    atom->bBzl = leftCantilever;
    atom->bBzr = 1500.0;
    atom->st.fLayMode = 1;
    atom->st.angle = kTheta;
    atom->st.da = 60.0;
    atom->st.d = 25.0;
    atom->st.LWeld = 100.0;
    atom->dMainBarWd = 30.0;
    atom->dWeldLen = 200.0;
    atom->KeyLen1 = footOffset;
    atom->WeldArcR = 100.0;
    atom->PYXTCJpa2.Add(CDblPoint(70.0, 490.0));
    atom->PYXTCJpa2.Add(CDblPoint(70.0, 90.0));
    atom->PYXTCJpa2.Add(CDblPoint(9930.0, 90.0));
    atom->PYXTCJpa2.Add(CDblPoint(9930.0, 490.0));
    return atom;
}

// Both ends sloped at 45 degrees: end legs from 490 to 690, slopes down to the line at 90.
std::unique_ptr<Atom> SlopedBeam(double leftCantilever, double footOffset)
{
    auto atom = SquareBeam(leftCantilever, footOffset);
    atom->bBpl = atom->hHpl = 1.0;
    atom->bBpr = atom->hHpr = 1.0;
    atom->PYXTCJpa2.RemoveAll();
    atom->PYXTCJpa2.Add(CDblPoint(70.0, 690.0));
    atom->PYXTCJpa2.Add(CDblPoint(70.0, 490.0));
    atom->PYXTCJpa2.Add(CDblPoint(470.0, 90.0));
    atom->PYXTCJpa2.Add(CDblPoint(9530.0, 90.0));
    atom->PYXTCJpa2.Add(CDblPoint(9930.0, 490.0));
    atom->PYXTCJpa2.Add(CDblPoint(9930.0, 690.0));
    return atom;
}

void ExpectVertex(const Atom::M_XZR& v, double x, double z, double RR, double alf, int fArc, int enPoint)
{
    EXPECT_NEAR(v.x, x, kTol);
    EXPECT_NEAR(v.z, z, kTol);
    EXPECT_NEAR(v.RR, RR, kTol);
    EXPECT_NEAR(v.alf, alf, kTol);
    EXPECT_EQ(v.fArc, fArc);
    EXPECT_EQ(v.enPoint, enPoint);
}

struct Piece {
    CArray<Atom::M_XZR> pts;
    double arcLen = -1.0;
    CDblPoint pt{-1.0, -1.0};
    int flag = 0;
    int done = 0;
};

Piece Build(Atom& atom, int side)
{
    Piece p;
    p.done = GetArcWQJPtAr(atom, 0.0, side, p.pts, p.arcLen, p.pt, p.flag);
    return p;
}

} // namespace

TEST(BentUpArcEndPieces, RoomForTheWeldKeepsThePieceOnTheLine)
{
    // Exactly foot offset + weld (400 + 200) from the end leg: still the plain welded leg.
    auto atom = SquareBeam(670.0, 400.0);
    const Piece left = Build(*atom, 1);
    ASSERT_EQ(left.done, 1);
    ASSERT_EQ(left.pts.GetSize(), 2);
    ExpectVertex(left.pts[0], 70.0, 90.0, 0.0, 0.0, 0, 0);
    ExpectVertex(left.pts[1], 270.0, 90.0, 0.0, kTheta, 0, 2);
    EXPECT_NEAR(left.arcLen, 0.0, kTol);
    EXPECT_NEAR(left.pt.x, 270.0, kTol);
    EXPECT_EQ(left.flag, 0);
}

TEST(BentUpArcEndPieces, SlopedEndBendOntoTheLegTurnsLessThanAHalfTurn)
{
    // Foot at -530 (cantilever 270, offset 800): the line meets the slope's extension at x 41.4
    // (short of 70 + 200 cos 45) and the leg at (70, 540), under 490 + 200: the bend onto the
    // leg, radius 100 through 90 + theta (not the 270 - theta of the long way round), tangent
    // points (70, 740) and (230, 660). The flag stays as the caller set it.
    auto atom = SlopedBeam(270.0, 800.0);
    const Piece p = Build(*atom, 1);
    ASSERT_EQ(p.done, 1);
    ASSERT_EQ(p.pts.GetSize(), 2);
    ExpectVertex(p.pts[0], 70.0, 940.0, 0.0, 0.0, 0, 0);
    ExpectVertex(p.pts[1], 70.0, 540.0, 100.0, P + kTheta, 1, 2);
    EXPECT_NEAR(p.arcLen, Bend(90.0 + Deg(kTheta), 100.0), kTol);
    EXPECT_NEAR(p.pt.x, 230.0, kTol);
    EXPECT_NEAR(p.pt.y, 660.0, kTol);
    EXPECT_EQ(p.flag, 0);
}

TEST(BentUpArcEndPieces, SlopedEndWithSomeRoomRunsUpTheSlope)
{
    // Cantilever 970, offset 400: u = 970 - 470 = 500, between 400 and 600; e = 200 - 100 = 100
    // up the 45-degree slope from its foot (470, 90).
    auto atom = SlopedBeam(970.0, 400.0);
    const Piece p = Build(*atom, 1);
    ASSERT_EQ(p.pts.GetSize(), 3);
    const double c = 100.0 * std::cos(M_PI / 4.0);
    ExpectVertex(p.pts[0], 470.0 - c, 90.0 + c, 0.0, 0.0, 0, 0);
    ExpectVertex(p.pts[1], 470.0, 90.0, 0.0, M_PI / 4.0, 0, 3);
    ExpectVertex(p.pts[2], 570.0, 90.0, 0.0, kTheta, 0, 2);
    EXPECT_NEAR(p.pt.x, 570.0, kTol);
}

TEST(BentUpArcEndPieces, WeldArcRadiusOutsideItsBoundsIsReplaced)
{
    for (double r : {25.0, 500.0}) {
        auto atom = SquareBeam(710.0, 800.0);
        atom->WeldArcR = r;
        ReportLog::Current().Clear();
        Build(*atom, 1);
        EXPECT_DOUBLE_EQ(atom->WeldArcR, r);
        EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Warning), 0);
    }
    auto atom = SquareBeam(710.0, 800.0);
    atom->WeldArcR = 24.9;
    ReportLog::Current().Clear();
    const Piece p = Build(*atom, 1);
    EXPECT_DOUBLE_EQ(atom->WeldArcR, 125.0);
    EXPECT_NEAR(p.pts[1].RR, 125.0, kTol);
    EXPECT_NEAR(p.arcLen, Bend(90.0 + Deg(kTheta), 125.0), kTol);
    ASSERT_EQ(ReportLog::Current().Count(ReportEntry::Warning), 1);
    EXPECT_EQ(ReportLog::Current().Entries().back().message,
              "用户指定的焊于骨架侧面的弯、斜筋圆弧半径不合理，系统按照5倍主筋直径自动处理！");
    ReportLog::Current().Clear();
}

TEST(BentUpArcEndPieces, LevelLegMeetsNoBottomLine)
{
    auto atom = SquareBeam(1500.0, 400.0);
    atom->st.angle = 0.0;
    ReportLog::Current().Clear();
    const Piece p = Build(*atom, 1);
    EXPECT_EQ(p.done, 0);
    EXPECT_EQ(p.pts.GetSize(), 0);
    EXPECT_NEAR(p.arcLen, 0.0, kTol);
    EXPECT_NEAR(p.pt.x, -1.0, kTol);
    ASSERT_EQ(ReportLog::Current().Count(ReportEntry::Error), 1);
    EXPECT_EQ(ReportLog::Current().Entries().back().message, "计算错误0710");

    auto bare = SquareBeam(1500.0, 400.0);
    bare->PYXTCJpa2.RemoveAll();
    EXPECT_EQ(Build(*bare, 0).done, 0);   // no outline: nothing read past it
    ReportLog::Current().Clear();
}
