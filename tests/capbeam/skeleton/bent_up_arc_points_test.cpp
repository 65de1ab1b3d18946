// End pieces of the support arcs beside the first and last support lines, on beams worked by hand.
#include "capbeam/skeleton/bent_up_arc_points.h"

#include "host/report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

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

// One end square beside the other end sloped as in SlopedBeam: the square end carries only the
// token step of 1e-5 by 1e-5 at its corner, its end leg from there up 200.
std::unique_ptr<Atom> OneSquareEndBeam(double leftCantilever, double footOffset, bool leftSquare)
{
    auto atom = SlopedBeam(leftCantilever, footOffset);
    const double step = 1e-5 * std::cos(M_PI / 4.0);
    CDblPointArray& O = atom->PYXTCJpa2;
    if (leftSquare) {
        atom->bBpl = atom->hHpl = 1e-5;
        O[0] = CDblPoint(70.0, 290.0 + step);
        O[1] = CDblPoint(70.0, 90.0 + step);
        O[2] = CDblPoint(70.0 + step, 90.0);
    } else {
        atom->bBpr = atom->hHpr = 1e-5;
        O[3] = CDblPoint(9930.0 - step, 90.0);
        O[4] = CDblPoint(9930.0, 90.0 + step);
        O[5] = CDblPoint(9930.0, 290.0 + step);
    }
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

// The remaining cases of the end-piece tables, one beam each; theta = atan 0.75 (rises 0.75 per
// unit), welded legs w = 200, radius 100. The flag is handed in as 7: only the square-end leg
// cases set it (to 1). Where the line runs straight onto the end leg (LS-3, LP-5, RP-5) the leg
// towards the apex starts where it meets the end leg, X2, which is the point handed back.
TEST(BentUpArcEndPieces, EveryTableCaseLaysItsVertices)
{
    struct V {
        double x, z, RR, alf;
        int fH, fHzy, fHsx, fArc, enPoint;
    };
    struct Case {
        const char* what;
        bool sloped;
        int side;
        double cantilever;   // left (side 1) or right (side 0)
        double s;
        std::vector<V> pts;
        CDblPoint pt;
        double arcLen;
        int flag;
        bool squareBesideSloped = false;   // the end of side is square, the other one sloped
    };
    const double t = kTheta;
    const double c45 = 200.0 * std::cos(M_PI / 4.0);   // a welded leg up a 45-degree slope
    const double e = 70.0 * std::cos(M_PI / 4.0);
    const double bend = Bend(90.0 + Deg(kTheta), 100.0);   // onto a vertical leg: 90 + theta
    const std::vector<Case> cases{
        // Foot at 270 - 800 = -530: at the end leg x 70 the line is 90 + 0.75 x 600 = 540 high,
        // not under 90 + 200: a straight leg down the end leg from there.
        {"LS-3", false, 1, 270.0, 800.0,
         {{70.0, 340.0, 0.0, 0.0, 1, 1, 1, 0, 0}, {70.0, 540.0, 0.0, P + t, 1, 1, 0, 0, 2}},
         {70.0, 540.0}, 0.0, 1},
        // u = 970 - 470 = 500 <= 600; foot 370: the line 0.75 x - 187.5 meets the slope z = 560 - x
        // at (427.1429, 132.8571), beyond 70 + 200 cos 45: the welded leg runs up the slope.
        {"LP-3", true, 1, 970.0, 600.0,
         {{427.0 + 1.0 / 7.0 - c45, 132.0 + 6.0 / 7.0 + c45, 0.0, 0.0, 1, 0, 0, 0, 0},
          {427.0 + 1.0 / 7.0, 132.0 + 6.0 / 7.0, 0.0, M_PI / 4.0 + t, 1, 1, 1, 0, 2}},
         {427.0 + 1.0 / 7.0, 132.0 + 6.0 / 7.0}, 0.0, 7},
        // Foot -830: the line meets the slope's extension at x -87.1 (short of 211.4) and the end
        // leg at 90 + 0.75 x 900 = 765, not under 490 + 200: a straight leg down from there.
        {"LP-5", true, 1, 270.0, 1100.0,
         {{70.0, 565.0, 0.0, 0.0, 1, 1, 1, 0, 0}, {70.0, 765.0, 0.0, P + t, 1, 1, 0, 0, 2}},
         {70.0, 765.0}, 0.0, 7},
        // Right square end, last support line at 8500, foot 10100: u = 1430 < 1800; at the end leg
        // x 9930 the line is 90 + 0.75 x 170 = 217.5 high, under 490 + 200: the bend onto the leg.
        // The corner between the leg (up) and the line (up-left, 0.8 / 0.6) is 90 - theta; its
        // fillet of radius 100 touches 100 / tan((90 - theta) / 2) = 200 from the corner:
        // (9930, 417.5) on the leg, (9770, 337.5) on the line.
        {"RS-2", false, 0, 1500.0, 1600.0,
         {{9930.0, 217.5, 100.0, P + t, 0, 0, 0, 1, 2}, {9930.0, 617.5, 0.0, 0.0, 1, 0, 0, 0, 0}},
         {9770.0, 337.5}, bend, 1},
        // Right sloped end, slope foot at 9530: u = 1030 >= 400 + 200: the plain welded leg.
        {"RP-1", true, 0, 1500.0, 400.0,
         {{8900.0, 90.0, 0.0, t, 1, 0, 0, 0, 2}, {9100.0, 90.0, 0.0, 0.0, 1, 1, 0, 0, 0}},
         {8900.0, 90.0}, 0.0, 7},
        // 900 < 1030 < 1100: from the foot 9400 to the slope's foot, then e = 200 - 130 = 70 up it.
        {"RP-2", true, 0, 1500.0, 900.0,
         {{9400.0, 90.0, 0.0, t, 1, 0, 0, 0, 2},
          {9530.0, 90.0, 0.0, M_PI / 4.0, 1, 1, 0, 0, 3},
          {9530.0 + e, 90.0 + e, 0.0, 0.0, 1, 1, 0, 0, 0}},
         {9400.0, 90.0}, 0.0, 7},
        // Foot 9700: the line 90 + 0.75 (9700 - x) meets the slope z = x - 9440 at
        // (9602.8571, 162.8571), short of 9930 - 200 cos 45: the welded leg runs up the slope.
        {"RP-3", true, 0, 1500.0, 1200.0,
         {{9602.0 + 6.0 / 7.0, 162.0 + 6.0 / 7.0, 0.0, M_PI / 4.0 + t, 1, 0, 1, 0, 2},
          {9602.0 + 6.0 / 7.0 + c45, 162.0 + 6.0 / 7.0 + c45, 0.0, 0.0, 1, 1, 0, 0, 0}},
         {9602.0 + 6.0 / 7.0, 162.0 + 6.0 / 7.0}, 0.0, 7},
        // Foot 10500: the slope's extension is met at x 9945.7, past 9788.6; the end leg at
        // 90 + 0.75 x 570 = 517.5, under 490 + 200: the bend onto the leg as for RS-2, tangent points
        // (9930, 717.5) and (9770, 637.5).
        {"RP-4", true, 0, 1500.0, 2000.0,
         {{9930.0, 517.5, 100.0, P + t, 0, 0, 0, 1, 3}, {9930.0, 917.5, 0.0, 0.0, 1, 0, 0, 0, 0}},
         {9770.0, 637.5}, bend, 7},
        // Foot 10800: the end leg is met at 90 + 0.75 x 870 = 742.5, not under 690: straight down.
        {"RP-5", true, 0, 1500.0, 2300.0,
         {{9930.0, 742.5, 0.0, 0.0, 1, 1, 1, 0, 2}, {9930.0, 542.5, 0.0, P + t, 1, 1, 0, 0, 2}},
         {9930.0, 742.5}, 0.0, 7},
        // A square end beside a sloped one is laid as LS-3 and RS-2 are: along the leg and the
        // bottom line meeting in the end's corner, never along its token step.
        {"LS-3 beside a sloped end", false, 1, 270.0, 800.0,
         {{70.0, 340.0, 0.0, 0.0, 1, 1, 1, 0, 0}, {70.0, 540.0, 0.0, P + t, 1, 1, 0, 0, 2}},
         {70.0, 540.0}, 0.0, 1, true},
        {"RS-2 beside a sloped end", false, 0, 1500.0, 1600.0,
         {{9930.0, 217.5, 100.0, P + t, 0, 0, 0, 1, 2}, {9930.0, 617.5, 0.0, 0.0, 1, 0, 0, 0, 0}},
         {9770.0, 337.5}, bend, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const double left = c.side ? c.cantilever : 1500.0;
        auto atom = c.squareBesideSloped ? OneSquareEndBeam(left, c.s, c.side != 0)
                    : c.sloped           ? SlopedBeam(left, c.s)
                                         : SquareBeam(left, c.s);
        atom->bBzr = c.side ? 1500.0 : c.cantilever;
        CArray<Atom::M_XZR> pts;
        double arcLen = -1.0;
        CDblPoint pt(-1.0, -1.0);
        int flag = 7;
        ReportLog::Current().Clear();
        ASSERT_EQ(GetArcWQJPtAr(*atom, 0.0, c.side, pts, arcLen, pt, flag), 1);
        EXPECT_EQ(ReportLog::Current().Entries().size(), 0u);
        ASSERT_EQ(pts.GetSize(), static_cast<int>(c.pts.size()));
        for (std::size_t i = 0; i < c.pts.size(); ++i) {
            SCOPED_TRACE(i);
            const V& v = c.pts[i];
            ExpectVertex(pts[static_cast<int>(i)], v.x, v.z, v.RR, v.alf, v.fArc, v.enPoint);
            EXPECT_EQ(pts[static_cast<int>(i)].fH, v.fH);
            EXPECT_EQ(pts[static_cast<int>(i)].fHzy, v.fHzy);
            EXPECT_EQ(pts[static_cast<int>(i)].fHsx, v.fHsx);
            EXPECT_NEAR(pts[static_cast<int>(i)].LH, 100.0, kTol);
        }
        EXPECT_NEAR(pt.x, c.pt.x, kTol);
        EXPECT_NEAR(pt.y, c.pt.y, kTol);
        EXPECT_NEAR(arcLen, c.arcLen, kTol);
        EXPECT_EQ(flag, c.flag);
    }
}
