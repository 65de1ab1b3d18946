// Bend and weld geometry of an inclined bar: column-side bars and their legs, square beam ends with
// the leg on the bottom, a vertical leg on the end face and a fillet against it, the radius check
// and the cross slope of the top, on a small cap beam worked by hand.
#include "capbeam/skeleton/inclined_bar_shape.h"

#include "host/report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace CapBeamInclinedBars;

namespace {

using Atom = CPM001T0101Atom;

constexpr double kTol = 1e-6;
const double kA = std::atan(1.0);   // bars at 45 degrees: every run falls as far as it goes

// A beam 11000 long, support lines at 3000 and 8000 (frames laid out across the beam), a level top
// whose top-bar axis lies at 2000 - 60 = 1940; main bars of outer diameter 28, weld legs 100, weld
// length 140, bottom cover 50. Inner through-bar outline: square ends at 50 and 10950, bottom 80,
// top 1900; the outer one 30 further out.
class InclinedBarShape : public ::testing::Test {
protected:
    void SetUp() override
    {
        atom.nPier = 2;
        atom.bBz.Add(5000.0);
        atom.bBzl = 3000.0;
        atom.bBzr = 3000.0;
        atom.bBg = 11000.0;
        atom.hHgl = 2000.0;
        atom.bAc = 5500.0;
        atom.hXbl = atom.hXbr = 1500.0;
        atom.st.ua = 60.0;
        atom.st.da = 50.0;
        atom.st.d = 25.0;
        atom.st.angle = kA;
        atom.st.fLayMode = 1;
        atom.st.LWeld = 140.0;
        atom.dMainBarWd = 28.0;
        atom.dWeldLen = 100.0;
        atom.WeldArcR = 100.0;
        atom.FrameY.Add(0.0);
        Outline(1900.0);
        ReportLog::Current().Clear();
    }

    void Outline(double top)
    {
        atom.PYXTCJpa2.RemoveAll();
        atom.PYXTCJpa2.Add(CDblPoint(50.0, top));
        atom.PYXTCJpa2.Add(CDblPoint(50.0, 80.0));
        atom.PYXTCJpa2.Add(CDblPoint(10950.0, 80.0));
        atom.PYXTCJpa2.Add(CDblPoint(10950.0, top));
        atom.PYXTCJpa1.RemoveAll();
        atom.PYXTCJpa1.Add(CDblPoint(20.0, top + 30.0));
        atom.PYXTCJpa1.Add(CDblPoint(20.0, 50.0));
        atom.PYXTCJpa1.Add(CDblPoint(10980.0, 50.0));
        atom.PYXTCJpa1.Add(CDblPoint(10980.0, top + 30.0));
    }

    // A bar at position k, d from its support line, one top layer above it, none below.
    int Build(int k, double d, int code)
    {
        Atom::M_BZXJ bar;
        bar.nA = k;
        bar.dA = d;
        bar.pB[1] = 1;
        pts.RemoveAll();
        return GetGJFrame_WG(atom, bar, 0, code, pts, arcLen, arcPt, endFace);
    }

    void Expect(int v, double x, double z, double alf, int fH, int fHzy, int fHsx, int kind)
    {
        ASSERT_LT(v, pts.GetSize());
        const Atom::M_XZR& p = pts[v];
        EXPECT_NEAR(p.x, x, kTol) << "vertex " << v;
        EXPECT_NEAR(p.z, z, kTol) << "vertex " << v;
        EXPECT_NEAR(p.alf, alf, 1e-9) << "vertex " << v;
        EXPECT_EQ((std::vector<int>{p.fH, p.fHzy, p.fHsx, p.enPoint}), (std::vector<int>{fH, fHzy, fHsx, kind}))
            << "vertex " << v;
        EXPECT_EQ(p.LH, 140.0);
    }

    Atom atom;
    CArray<Atom::M_XZR> pts;
    double arcLen = -1.0;
    CDblPoint arcPt;
    int endFace = -1;
};

// Top point 300 right of the support line at 3000 and two diameters below the axis: (3300, 1884);
// bottom one diameter above the cover: 78; at 45 degrees the run reaches 3300 + 1806 = 5106.
TEST_F(InclinedBarShape, ColumnSideRightOfColumnHasBothLegs)
{
    EXPECT_EQ(Build(1, 300.0, kBothLegsCode), 1);
    ASSERT_EQ(pts.GetSize(), 4);
    Expect(0, 3200.0, 1884.0, 0.0, 1, 0, 1, 0);
    Expect(1, 3300.0, 1884.0, -kA, 1, 1, 1, 1);
    Expect(2, 5106.0, 78.0, kA, 1, 0, 0, 2);
    Expect(3, 5206.0, 78.0, 0.0, 1, 1, 0, 0);
    EXPECT_EQ(arcLen, 0.0);
    EXPECT_EQ(endFace, 0);
}

// Left of the support line at 8000: top point 7700, bend 7700 - 1806 = 5894; code 11 gives only the
// bottom leg on this side, code 1 none.
TEST_F(InclinedBarShape, ColumnSideLeftOfColumnTakesTheLegsItsCodeAsks)
{
    Build(2, 300.0, kLowerLegCode);
    ASSERT_EQ(pts.GetSize(), 3);
    Expect(0, 7700.0, 1884.0, kA, 1, 0, 1, 1);
    Expect(1, 5894.0, 78.0, -kA, 1, 1, 0, 2);
    Expect(2, 5794.0, 78.0, 0.0, 1, 0, 0, 0);

    Build(2, 300.0, kNoLegsCode);
    EXPECT_EQ(pts.GetSize(), 2);
}

// Left end, 300 inside the support line: top (2700, 1884); the run meets the bottom at
// 2700 - 1804 = 896, far enough from the end face at 50 for the leg back to 796.
TEST_F(InclinedBarShape, SquareEndsLegOnTheBottom)
{
    Build(0, 300.0, kBothLegsCode);
    ASSERT_EQ(pts.GetSize(), 4);
    Expect(0, 796.0, 80.0, 0.0, 1, 0, 0, 0);
    Expect(1, 896.0, 80.0, kA, 1, 1, 0, 2);
    Expect(2, 2700.0, 1884.0, -kA, 1, 0, 1, 1);
    Expect(3, 2800.0, 1884.0, 0.0, 1, 1, 1, 0);
    EXPECT_EQ(endFace, 0);
    EXPECT_EQ(atom.fEndInset, 0);

    // Right end mirrored: top 11000 - 3000 + 300 = 8300, bottom 8300 + 1804 = 10104.
    Build(3, 300.0, kBothLegsCode);
    ASSERT_EQ(pts.GetSize(), 4);
    Expect(0, 10204.0, 80.0, 0.0, 1, 1, 0, 0);
    Expect(1, 10104.0, 80.0, -kA, 1, 0, 0, 2);
    Expect(2, 8300.0, 1884.0, kA, 1, 1, 1, 1);
    Expect(3, 8200.0, 1884.0, 0.0, 1, 0, 1, 0);
}

// Top point at 100: the run meets the end face x = 50 at 1834, more than a leg above the outline's
// top (1500): a straight leg down the face, no fillet.
TEST_F(InclinedBarShape, EndFaceHighAboveTheOutlineGetsAStraightLeg)
{
    Outline(1500.0);
    Build(0, 2900.0, kBothLegsCode);
    ASSERT_EQ(pts.GetSize(), 4);
    Expect(0, 50.0, 1734.0, 0.0, 1, 1, 1, 0);
    Expect(1, 50.0, 1834.0, -(1.57079635 - kA), 1, 1, 0, 2);
    EXPECT_EQ(pts[1].fArc, 0);
    EXPECT_EQ(endFace, 1);
    EXPECT_EQ(atom.fEndInset, 1);
    EXPECT_EQ(arcLen, 0.0);

    // Right end mirrored: top point 8000 + 2900 = 10900, the face x = 10950 met at 1834.
    atom.fEndInset = 0;
    Build(3, 2900.0, kBothLegsCode);
    ASSERT_EQ(pts.GetSize(), 4);
    Expect(0, 10950.0, 1734.0, 0.0, 1, 0, 1, 0);
    Expect(1, 10950.0, 1834.0, 1.57079635 - kA, 1, 0, 0, 2);
    Expect(2, 10900.0, 1884.0, kA, 1, 1, 1, 1);
    Expect(3, 10800.0, 1884.0, 0.0, 1, 0, 1, 0);
    EXPECT_EQ(endFace, 1);
    EXPECT_EQ(atom.fEndInset, 1);
}

// Top point at 700: the run meets the face at (50, 1234), below the outline's top. A radius of
// 24.9 is refused for 5 x 25 = 125. The corner between the run and the face is 45 degrees, so the
// tangent points lie 125 / tan 22.5 = 125 (1 + sqrt 2) = 301.7767 from it: on the face at
// 1535.7767, on the run at (50 + 213.3883, 1234 + 213.3883); the arc turns 135 degrees:
// 135 / 180 x 3.1415927 x 125 = 294.5243156.
TEST_F(InclinedBarShape, EndFaceFilletWithRadiusCorrection)
{
    atom.WeldArcR = 24.9;
    Build(0, 2300.0, kBothLegsCode);
    EXPECT_EQ(atom.WeldArcR, 125.0);
    ASSERT_EQ(ReportLog::Current().Count(ReportEntry::Warning), 1);
    EXPECT_EQ(ReportLog::Current().Entries().back().message,
              "用户指定的焊于骨架侧面的弯、斜筋圆弧半径不合理，系统按照5倍主筋直径自动处理！");
    ASSERT_EQ(pts.GetSize(), 4);
    Expect(0, 50.0, 1635.7766953, 0.0, 1, 1, 0, 0);
    Expect(1, 50.0, 1234.0, kA + 1.57079635, 0, 0, 0, 2);
    EXPECT_EQ(pts[1].RR, 125.0);
    EXPECT_EQ(pts[1].fArc, 1);
    EXPECT_NEAR(arcLen, 294.5243156, 1e-6);
    EXPECT_NEAR(arcPt.x, 263.3883476, 1e-6);
    EXPECT_NEAR(arcPt.y, 1447.3883476, 1e-6);
    EXPECT_EQ(endFace, 1);
    EXPECT_EQ(atom.fEndInset, 1);   // the outer outline's top (1930) lies above the face's tangent point

    // Right end mirrored: top point 8000 + 2300 = 10300, the face x = 10950 met at 1234; the
    // tangent points at (10950, 1535.7767) and (10950 - 213.3883, 1447.3883).
    atom.fEndInset = 0;
    Build(3, 2300.0, kBothLegsCode);
    ASSERT_EQ(pts.GetSize(), 4);
    Expect(0, 10950.0, 1635.7766953, 0.0, 1, 0, 0, 0);
    Expect(1, 10950.0, 1234.0, -(kA + 1.57079635), 0, 0, 0, 2);
    EXPECT_EQ(pts[1].fArc, 1);
    EXPECT_NEAR(arcLen, 294.5243156, 1e-6);
    EXPECT_NEAR(arcPt.x, 10736.6116524, 1e-6);
    EXPECT_NEAR(arcPt.y, 1447.3883476, 1e-6);
    EXPECT_EQ(endFace, 1);
    EXPECT_EQ(atom.fEndInset, 1);

    // 25 is a radius in range: kept, no warning.
    ReportLog::Current().Clear();
    atom.WeldArcR = 25.0;
    Build(0, 2300.0, kBothLegsCode);
    EXPECT_EQ(atom.WeldArcR, 25.0);
    EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Warning), 0);
    EXPECT_EQ(pts[1].RR, 25.0);
}

// Top rising 0.02 towards the crown at 9000: at 7700 the axis is 1940 - 1300 x 0.02 = 1914, the top
// point 1858. The crown is far to the right, so the top leg follows the slope:
// (7700 + 100 cos(atan 0.02), 1858 + 100 sin(atan 0.02)) and the top angle is a - atan 0.02.
TEST_F(InclinedBarShape, CrossSlopeTurnsTheTopLegAndAngle)
{
    atom.iLb = 0.02;
    atom.iRb = 0.02;
    atom.bAc = 9000.0;
    Build(2, 300.0, kBothLegsCode);
    ASSERT_EQ(pts.GetSize(), 4);
    Expect(0, 7799.9800060, 1859.9996001, 0.0, 1, 1, 1, 0);
    Expect(1, 7700.0, 1858.0, kA - std::atan(0.02), 1, 0, 1, 1);
    Expect(2, 5920.0, 78.0, -kA, 1, 1, 0, 2);
}

// Left end sloped 500 over 1000 (outline: end face 50 from 1900 down to 580, slope to (1050, 80)).
// Top point at 2904: the run reaches the flat bottom at 1100, only 50 past the slope's start, so
// the remaining 50 of the leg go up the slope: from (1050, 80) 50 along the direction
// (-2, 1) / sqrt 5, that is (1050 - 44.7213595, 80 + 22.3606798).
TEST_F(InclinedBarShape, SlopedEndLegRunsOnUpTheSlope)
{
    atom.hHpl = 500.0;
    atom.bBpl = 1000.0;
    const double pts2[6][2] = {{50, 1900}, {50, 580}, {1050, 80}, {9950, 80}, {10950, 580}, {10950, 1900}};
    atom.PYXTCJpa2.RemoveAll();
    atom.PYXTCJpa1.RemoveAll();
    for (const auto& p : pts2) {
        atom.PYXTCJpa2.Add(CDblPoint(p[0], p[1]));
        atom.PYXTCJpa1.Add(CDblPoint(p[0], p[1] + 30.0));
    }
    EXPECT_EQ(Build(0, 96.0, kBothLegsCode), 1);
    ASSERT_EQ(pts.GetSize(), 5);
    Expect(0, 1005.2786405, 102.3606798, 0.0, 1, 0, 0, 0);
    Expect(1, 1050.0, 80.0, std::atan(0.5), 0, 0, 0, 3);
    Expect(2, 1100.0, 80.0, kA, 1, 1, 0, 2);
    Expect(3, 2904.0, 1884.0, -kA, 1, 0, 1, 1);
    Expect(4, 3004.0, 1884.0, 0.0, 1, 1, 1, 0);
    EXPECT_EQ(endFace, 0);

    // Right end sloped alike, mirrored: top point 8096, the flat bottom reached at 9900, the leg on
    // up the slope from (9950, 80) to (9950 + 44.7213595, 80 + 22.3606798).
    atom.hHpr = 500.0;
    atom.bBpr = 1000.0;
    EXPECT_EQ(Build(3, 96.0, kBothLegsCode), 1);
    ASSERT_EQ(pts.GetSize(), 5);
    Expect(0, 9994.7213595, 102.3606798, 0.0, 1, 1, 0, 0);
    Expect(1, 9950.0, 80.0, -std::atan(0.5), 0, 0, 0, 3);
    Expect(2, 9900.0, 80.0, -kA, 1, 0, 0, 2);
    Expect(3, 8096.0, 1884.0, kA, 1, 1, 1, 1);
    Expect(4, 7996.0, 1884.0, 0.0, 1, 0, 1, 0);
    EXPECT_EQ(endFace, 0);
}

// A square end beside a sloped one (its underside only the token step of 1e-5 by 1e-5 at the
// corner) is bent as at a beam with square ends, never along the step. Right end square, left
// sloped: top point 10300, the face x = 10950 met at 1884 - 650 = 1234; the fillet of radius 100
// between the run and the face (45 degrees) touches the face 100 / tan 22.5 = 241.4213562 above,
// at 1475.4213562, and the leg runs up 100 from there.
TEST_F(InclinedBarShape, SquareEndBesideASlopedOneBendsAtItsFace)
{
    atom.bBpl = atom.hHpl = 1000.0;
    atom.bBpr = atom.hHpr = 1e-5;
    const double step = 1e-5 * std::cos(kA);
    const double outline[6][2] = {{50, 1500},          {50, 580},          {1050, 80},
                                  {10950 - step, 80}, {10950, 80 + step}, {10950, 1500}};
    atom.PYXTCJpa2.RemoveAll();
    atom.PYXTCJpa1.RemoveAll();
    for (const auto& p : outline) {
        atom.PYXTCJpa2.Add(CDblPoint(p[0], p[1]));
        atom.PYXTCJpa1.Add(CDblPoint(p[0], p[1] + 30.0));
    }
    ASSERT_EQ(Build(3, 2300.0, kBothLegsCode), 1);
    ASSERT_EQ(pts.GetSize(), 4);
    Expect(0, 10950.0, 1575.4213562, 0.0, 1, 0, 0, 0);
    Expect(1, 10950.0, 1234.0, -(kA + 1.57079635), 0, 0, 0, 2);
    EXPECT_EQ(pts[1].fArc, 1);
    EXPECT_EQ(endFace, 1);
    // Short of the square end the bottom runs level to its corner: the run from 8300 meets it at 8300 + 1804 = 10104.
    ASSERT_EQ(Build(3, 300.0, kBothLegsCode), 1);
    ASSERT_EQ(pts.GetSize(), 4);
    Expect(0, 10204.0, 80.0, 0.0, 1, 1, 0, 0);
    Expect(1, 10104.0, 80.0, -kA, 1, 0, 0, 2);
    EXPECT_EQ(ReportLog::Current().Entries().size(), 0u);
}

// Without the through bars' outline an end bar cannot be built; nothing is read past the list.
TEST_F(InclinedBarShape, EndBarWithoutOutlineFails)
{
    atom.PYXTCJpa2.RemoveAll();
    EXPECT_EQ(Build(0, 300.0, kBothLegsCode), 0);
    EXPECT_EQ(pts.GetSize(), 0);
}

} // namespace
