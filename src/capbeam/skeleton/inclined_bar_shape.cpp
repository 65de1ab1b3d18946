// CPM001T0101Atom: the bend and weld geometry of an inclined bar — top point, inclined run, the
// bend, fillet or kink where it meets the skeleton's bottom, slope or end face, and the weld legs.
#include "capbeam/skeleton/inclined_bar_shape.h"

#include "common/is_equal.h"
#include "geometry/arc_from_centre.h"
#include "geometry/dbl_point_array.h"
#include "geometry/fillet.h"
#include "geometry/line_intersection.h"
#include "host/report.h"

#include <cmath>

namespace CapBeamInclinedBars {

namespace {

using Atom = CPM001T0101Atom;
using KVDataCommon::IsEqual;

// A quarter turn as the vertex angles carry it, and the circle constant of the bend lengths.
constexpr double kQuarterTurn = 1.57079635;
constexpr double kPi = 3.1415927;
// Height of the far point straight above the top of an end face.
constexpr double kFarAbove = 100000.0;

bool AtLeast(double a, double b) { return a > b || IsEqual(a, b); }

// Everything one bar's geometry reads of the object, and the list it writes.
struct Shape {
    Atom& atom;
    CArray<Atom::M_XZR>& pts;
    double& arcLen;
    CDblPoint& arcPt;
    int& endFace;
    double a;       // inclination of the bar
    double D;       // outer diameter of a main bar
    double H;       // weld leg length

    void Put(double x, double z, double alf, int fH, int fHzy, int fHsx, int kind, bool onArc = false)
    {
        Atom::M_XZR v;
        v.x = x;
        v.z = z;
        v.alf = alf;
        v.fH = fH;
        v.fHzy = fHzy;
        v.fHsx = fHsx;
        v.enPoint = kind;
        v.LH = atom.st.LWeld;
        v.RR = onArc ? atom.WeldArcR : 0.0;
        v.fArc = onArc ? 1 : 0;
        pts.Add(v);
    }
    void Put(const CDblPoint& p, double alf, int fH, int fHzy, int fHsx, int kind, bool onArc = false)
    {
        Put(p.x, p.y, alf, fH, fHzy, fHsx, kind, onArc);
    }

    // The fillet radius where a bar is welded to the side of the skeleton: 25 to 500 are taken as
    // given, anything else becomes 5 main-bar diameters, kept for later bars.
    double Radius()
    {
        if (atom.WeldArcR < 25.0 || atom.WeldArcR > 500.0) {
            QMReportWarning("用户指定的焊于骨架侧面的弯、斜筋圆弧半径不合理，系统按照5倍主筋直径自动处理！", 0);
            atom.WeldArcR = 5.0 * atom.st.d;
        }
        return atom.WeldArcR;
    }

    // The length of the arc from S about M to E.
    void ArcLength(const CDblPoint& S, const CDblPoint& M, const CDblPoint& E)
    {
        double r = 0.0, a1 = 0.0, sweep = 0.0;
        CalArcFromSCE(S, M, E, r, a1, sweep);
        arcLen = sweep / 180.0 * kPi * r;
    }
};

// The intersection of the line p1-p2 with the line q1-q2; false when they do not meet.
bool Meet(const CDblPoint& p1, const CDblPoint& p2, const CDblPoint& q1, const CDblPoint& q2, CDblPoint& x)
{
    CDblPointArray out;
    if (XLineLine(p1, p2, q1, q2, out, 3) < 1 || out.GetSize() < 1) return false;
    x = out[0];
    return true;
}

int Fail(const char* text)
{
    QMReportError(text, 0);
    return 0;
}

const char* const kBottomMiss = "计算0位置处标准斜筋于底线交点时数值错误1!";
const char* const kSlopeMiss1 = "计算0位置处标准斜筋于盖梁起坡线交点时数值错误1!";
const char* const kSlopeMiss2 = "计算0位置处标准斜筋于盖梁起坡线交点时数值错误2!";

// Whether both through-bar outlines hold the points an end bar reads: four for a beam with square
// ends, six when an end slopes; square tells which.
bool EndOutlinesHeld(const Atom& atom, bool& square)
{
    square = IsEqual(atom.bBpl, 0.0) && IsEqual(atom.bBpr, 0.0);
    const int points = square ? 4 : 6;
    return atom.PYXTCJpa2.GetSize() >= points && atom.PYXTCJpa1.GetSize() >= points;
}

int LeftEnd(Shape& s, const Atom::M_BZXJ& bar, int frame, int code, double xL)
{
    Atom& atom = s.atom;
    const CDblPointArray& O = atom.PYXTCJpa2;
    const CDblPointArray& Oo = atom.PYXTCJpa1;
    bool square = false;
    if (!EndOutlinesHeld(atom, square)) return 0;   // no outline of the through bars

    const double a = s.a, H = s.H, d = bar.dA;
    const int nT = bar.pB[1];
    const double x0 = xL - d;
    const double z0 = atom.GetFame_XZ(x0) - (nT + 1) * s.D;
    const double lam = 2.0 * (atom.hHpl + atom.hXbl);
    const CDblPoint P0(x0, z0);
    const CDblPoint P1(x0 - std::cos(a) * lam, z0 - std::sin(a) * lam);
    CDblPoint X, T1, T2, M;

    if (square) {
        if (!Meet(P0, P1, O[1], O[2], X)) return Fail(kBottomMiss);
        if (X.x > O[1].x && X.x - H >= O[1].x) {
            s.Put(X.x - H, O[2].y, 0.0, 1, 0, 0, 0);
            s.Put(X.x, O[2].y, a, 1, 1, 0, 2);
        } else if (X.x > O[1].x) {
            s.endFace = 1;
            CDblPoint Xf;
            if (!Meet(P0, P1, O[0], O[1], Xf)) return Fail("计算时数值错误7!");
            const CDblPoint U(O[0].x, O[0].y + kFarAbove);
            CalFillet(P0, Xf, U, s.Radius(), T1, T2, M);
            if (Oo[0].y > T2.y) atom.fEndInset = 1;
            s.ArcLength(T2, M, T1);
            s.Put(T2.x, T2.y + H, 0.0, 1, 1, 0, 0);
            s.Put(Xf, kQuarterTurn + a, 0, 0, 0, 2, true);
            s.arcPt = T1;
        } else {
            s.endFace = 1;
            CDblPoint Xf;
            if (!Meet(P0, P1, O[0], O[1], Xf)) return Fail("计算时数值错误6!");
            if (O[0].y + H < Xf.y) {
                atom.fEndInset = 1;
                s.Put(Xf.x, Xf.y - H, 0.0, 1, 1, 1, 0);
                s.Put(Xf, -(kQuarterTurn - a), 1, 1, 0, 2);
            } else {
                const CDblPoint U(O[0].x, O[0].y + kFarAbove);
                CalFillet(P0, Xf, U, s.Radius(), T1, T2, M);
                if (O[0].y > T2.y) atom.fEndInset = 1;
                s.ArcLength(T2, M, T1);
                s.Put(T2.x, T2.y + H, 0.0, 1, 1, 0, 0);
                s.Put(Xf, a + kQuarterTurn, 0, 0, 0, 2, true);
                s.arcPt = T1;
            }
        }
    } else {
        if (!Meet(P0, P1, O[1], O[2], X)) return Fail(kSlopeMiss1);
        if (X.x > O[2].x) {
            CDblPoint X2;
            if (!Meet(P0, P1, O[2], O[3], X2)) return Fail(kSlopeMiss1);
            const double f = std::fabs(X2.x - O[2].x);
            if (X2.x - H >= O[2].x) {
                s.Put(X2.x - H, O[2].y, 0.0, 1, 0, 0, 0);
            } else {
                // The leg runs on up the slope for what the flat bottom cannot hold.
                const double alpha = std::atan(atom.hHpl / atom.bBpl);
                const double r1 = H - f;
                const CDblPoint Q(x0 - std::sin(alpha) * r1 / std::tan(a) - std::cos(alpha) * r1 - f, z0);
                const CDblPoint Q1(Q.x - std::cos(a) * lam, Q.y - std::sin(a) * lam);
                CDblPoint X3;
                if (!Meet(Q, Q1, O[1], O[2], X3)) return Fail("计算时数值错误5!");
                s.Put(X3, 0.0, 1, 0, 0, 0);
                s.Put(O[2], alpha, 0, 0, 0, 3);
            }
            s.Put(X2.x, O[2].y, a, 1, 1, 0, 2);
        } else if (X.y > O[1].y) {
            s.endFace = 1;
            CDblPoint X4;
            if (!Meet(P0, P1, O[0], O[1], X4)) return Fail("计算时数值错误6!");
            if (O[0].y < X4.y) {
                atom.fEndInset = 1;
                s.Put(X4.x, X4.y - H, 0.0, 1, 1, 1, 0);
                s.Put(X4, -(kQuarterTurn - a), 1, 1, 0, 2);
            } else {
                CalFillet(O[0], X4, P0, s.Radius(), T1, T2, M);
                if (Oo[0].y > T1.y) atom.fEndInset = 1;
                s.ArcLength(T1, M, T2);
                s.Put(T1.x, T1.y + H, 0.0, 1, 1, 0, 0);
                s.Put(X4, a + kQuarterTurn, 1, 1, 1, 2, true);
                s.arcPt = T2;
            }
        } else {
            const double alpha = std::atan(atom.hHpl / atom.bBpl);
            const CDblPoint Q(x0 - (std::sin(alpha) * H / std::tan(a) + std::cos(alpha) * H), z0);
            const CDblPoint Q1(Q.x - std::cos(a) * lam, Q.y - std::sin(a) * lam);
            CDblPoint X5;
            if (!Meet(Q, Q1, O[1], O[2], X5)) return Fail("计算时数值错误8!");
            if (O[1].x > X5.x) {
                s.endFace = 1;
                CDblPoint X6;
                if (!Meet(P0, P1, O[0], O[1], X6)) return Fail("计算时数值错误7!");
                CalFillet(O[0], X6, P0, s.Radius(), T1, T2, M);
                if (Oo[0].y > T1.y) atom.fEndInset = 1;
                s.ArcLength(T1, M, T2);
                s.Put(T1.x, T1.y + H, 0.0, 1, 1, 0, 0);
                s.Put(X6, -(kQuarterTurn + a), 0, 0, 0, 2, true);
                s.arcPt = T2;
            } else {
                s.Put(X5, 0.0, 1, 0, 0, 0);
                s.Put(X, alpha + a, 1, 1, 1, 2);
            }
        }
    }

    const bool slopedTop = !IsEqual(atom.iLb, -atom.iRb);
    s.Put(x0, z0, -a + (slopedTop ? std::atan(atom.iLb) : 0.0), 1, 0, 1, 1);
    if (code == kBothLegsCode) {
        const int top = s.pts.GetSize() - 1;
        const double xc = atom.GetFame_ZDX(0, frame) - d;
        const double zc = atom.GetFame_XZ(xc) - (nT + 1) * s.D;
        CDblPoint V(xc + H, zc);
        if (slopedTop) {
            const double tl = std::atan(atom.iLb);
            const double tr = std::atan(std::fabs(atom.iRb));
            if (AtLeast(atom.bAc - std::cos(tl) * H, xc)) {
                V = CDblPoint(xc + std::cos(tl) * H, zc + std::sin(tl) * H);
            } else if (atom.bAc < xc || IsEqual(atom.bAc, xc)) {
                V = CDblPoint(xc + std::cos(tr) * H, zc - std::sin(tr) * H);
                s.pts[top].alf = -a - std::atan(atom.iRb);
            } else {
                s.pts[top].alf = -a;
            }
        }
        s.Put(V, 0.0, 1, 1, 1, 0);
    }
    return 1;
}

int RightEnd(Shape& s, const Atom::M_BZXJ& bar, int frame, int code, double xR)
{
    Atom& atom = s.atom;
    const CDblPointArray& O = atom.PYXTCJpa2;
    const CDblPointArray& Oo = atom.PYXTCJpa1;
    bool square = false;
    if (!EndOutlinesHeld(atom, square)) return 0;   // no outline of the through bars

    const double a = s.a, H = s.H, d = bar.dA;
    const int nT = bar.pB[1];
    const double x0 = atom.bBg - xR + d;
    const double z0 = atom.GetFame_XZ(x0) - (nT + 1) * s.D;
    const double lam = 2.0 * (atom.hHpr + atom.hXbr);
    const CDblPoint P0(x0, z0);
    const CDblPoint P1(x0 + std::cos(a) * lam, z0 - std::sin(a) * lam);
    CDblPoint X, T1, T2, M;

    if (square) {
        if (!Meet(P0, P1, O[1], O[2], X)) return Fail(kBottomMiss);
        if (X.x < O[2].x && X.x + H <= O[2].x) {
            s.Put(X.x + H, O[2].y, 0.0, 1, 1, 0, 0);
            s.Put(X.x, O[2].y, -a, 1, 0, 0, 2);
        } else if (X.x < O[2].x) {
            s.endFace = 1;
            CDblPoint Xf;
            if (!Meet(P0, P1, O[2], O[3], Xf)) return Fail("计算时数值错误11!");
            CalFillet(O[3], Xf, P0, s.Radius(), T1, T2, M);
            if (O[3].y > T1.y) atom.fEndInset = 1;
            s.ArcLength(T2, M, T1);
            s.Put(T1.x, T1.y + H, 0.0, 1, 0, 0, 0);
            s.Put(Xf, -(kQuarterTurn + a), 0, 0, 0, 2, true);
            s.arcPt = T2;
        } else {
            s.endFace = 1;
            CDblPoint Xf;
            if (!Meet(P0, P1, O[3], O[2], Xf)) return Fail("计算时数值错误6!");
            if (O[3].y + H < Xf.y) {
                atom.fEndInset = 1;
                s.Put(Xf.x, Xf.y - H, 0.0, 1, 0, 1, 0);
                s.Put(Xf, kQuarterTurn - a, 1, 0, 0, 2);
            } else {
                const CDblPoint U(O[3].x, O[3].y + kFarAbove);
                CalFillet(P0, Xf, U, s.Radius(), T1, T2, M);
                if (O[3].y > T2.y) atom.fEndInset = 1;
                s.ArcLength(T1, M, T2);
                s.Put(T2.x, T2.y + H, 0.0, 1, 0, 0, 0);
                s.Put(Xf, -(a + kQuarterTurn), 0, 0, 0, 2, true);
                s.arcPt = T1;
            }
        }
    } else {
        if (!Meet(P0, P1, O[4], O[3], X)) return Fail(kSlopeMiss2);
        if (X.x < O[3].x) {
            CDblPoint X2;
            if (!Meet(P0, P1, O[3], O[2], X2)) return Fail(kSlopeMiss1);
            const double f = std::fabs(X2.x - O[3].x);
            if (X2.x + H <= O[3].x) {
                s.Put(X2.x + H, O[3].y, 0.0, 1, 1, 0, 0);
            } else {
                // The leg runs on up the slope for what the flat bottom cannot hold.
                const double beta = std::atan(atom.hHpr / atom.bBpr);
                const double r1 = H - f;
                const CDblPoint Q(x0 + f + std::sin(beta) * r1 / std::tan(a) + std::cos(beta) * r1, z0);
                const CDblPoint Q1(Q.x + std::cos(a) * lam, Q.y - std::sin(a) * lam);
                CDblPoint X3;
                if (!Meet(Q, Q1, O[3], O[4], X3)) return Fail("计算时数值错误9!");
                s.Put(X3, 0.0, 1, 1, 0, 0);
                s.Put(O[3], -beta, 0, 0, 0, 3);
            }
            s.Put(X2.x, O[3].y, -a, 1, 0, 0, 2);
        } else if (X.y > O[4].y) {
            s.endFace = 1;
            CDblPoint X4;
            if (!Meet(P0, P1, O[5], O[4], X4)) return Fail("计算时数值错误6!");
            if (O[5].y < X4.y) {
                atom.fEndInset = 1;
                s.Put(X4.x, X4.y - H, 0.0, 1, 0, 1, 0);
                s.Put(X4, kQuarterTurn - a, 1, 0, 0, 2);
            } else {
                CalFillet(P0, X4, O[5], s.Radius(), T1, T2, M);
                if (Oo[5].y > T2.y) atom.fEndInset = 1;
                s.ArcLength(T1, M, T2);
                s.Put(T2.x, T2.y + H, 0.0, 1, 1, 0, 0);
                s.Put(X4, a + kQuarterTurn, 1, 1, 1, 2, true);
                s.arcPt = T1;
            }
        } else {
            const double beta = std::atan(atom.hHpr / atom.bBpr);
            const CDblPoint Q(x0 + (std::sin(beta) / std::tan(a) + std::cos(beta)) * H, z0);
            const CDblPoint Q1(Q.x + std::cos(a) * lam, Q.y - std::sin(a) * lam);
            CDblPoint X5;
            if (!Meet(Q, Q1, O[4], O[3], X5)) return Fail("计算时数值错误12!");
            if (O[4].x < X5.x) {
                s.endFace = 1;
                CDblPoint X6;
                if (!Meet(P0, P1, O[5], O[4], X6)) return Fail("计算时数值错误11!");
                CalFillet(P0, X6, O[5], s.Radius(), T1, T2, M);
                if (O[5].y > T2.y) atom.fEndInset = 1;
                s.ArcLength(T1, M, T2);
                s.Put(T2.x, T2.y + H, 0.0, 1, 0, 0, 0);
                s.Put(X6, kQuarterTurn + a, 0, 1, 1, 2, true);
                s.arcPt = T1;
            } else {
                s.Put(X5, 0.0, 1, 1, 0, 0);
                s.Put(X, -(beta + a), 1, 0, 1, 2);
            }
        }
    }

    const bool slopedTop = !IsEqual(atom.iLb, -atom.iRb);
    s.Put(x0, z0, a - (slopedTop ? std::atan(std::fabs(atom.iRb)) : 0.0), 1, 1, 1, 1);
    if (code == kBothLegsCode) {
        const int top = s.pts.GetSize() - 1;
        const double xc = atom.GetFame_ZDX(bar.nA / 2, frame) + d;
        const double zc = atom.GetFame_XZ(xc) - (nT + 1) * s.D;
        CDblPoint V(xc - H, zc);
        if (slopedTop) {
            const double tl = std::atan(atom.iLb);
            const double tr = std::atan(std::fabs(atom.iRb));
            if (AtLeast(atom.bAc, xc)) {
                V = CDblPoint(xc - std::cos(tl) * H, zc - std::sin(tl) * H);
            } else if (atom.bAc + std::cos(tr) * H < xc || IsEqual(atom.bAc + std::cos(tr) * H, xc)) {
                V = CDblPoint(xc - std::cos(tr) * H, zc + std::sin(tr) * H);
                s.pts[top].alf = a - std::atan(atom.iRb);
            } else {
                s.pts[top].alf = a;
            }
        }
        s.Put(V, 0.0, 1, 0, 1, 0);
    }
    return 1;
}

int ColumnSide(Shape& s, const Atom::M_BZXJ& bar, int frame, int code)
{
    Atom& atom = s.atom;
    const double a = s.a, H = s.H, d = bar.dA;
    const int k = bar.nA;
    const bool even = k % 2 == 0;
    const double xc = atom.GetFame_ZDX(k / 2, frame) + (even ? -d : d);
    const double zt = atom.GetFame_XZ(xc) - (bar.pB[1] + 1) * s.D;
    const double zb = (bar.nB + 1) * s.D + atom.st.da;
    const bool slopedTop = !IsEqual(atom.iLb, -atom.iRb);
    const double tl = std::atan(atom.iLb);
    const double tr = std::atan(std::fabs(atom.iRb));

    if (even) {
        // Left of the column: the bar runs down to the left.
        const bool alongLeft = slopedTop && AtLeast(atom.bAc - std::cos(tl) * H, xc);
        const bool alongRight = slopedTop && !alongLeft && (atom.bAc < xc || IsEqual(atom.bAc, xc));
        if (code == kUpperLegCode || code == kBothLegsCode) {
            CDblPoint V(xc + H, zt);
            if (alongLeft) V = CDblPoint(xc + std::cos(tl) * H, zt + std::sin(tl) * H);
            else if (alongRight) V = CDblPoint(xc + std::cos(tr) * H, zt - std::sin(tr) * H);
            s.Put(V, 0.0, 1, 1, 1, 0);
        }
        double alf = a;
        if (alongLeft) alf = a - tl;
        else if (alongRight) alf = a + tr;
        s.Put(xc, zt, alf, 1, 0, 1, 1);
        const double bx = xc - (zt - zb) / std::tan(a);
        s.Put(bx, zb, -a, 1, 1, 0, 2);
        if (code == kLowerLegCode || code == kBothLegsCode) s.Put(bx - H, zb, 0.0, 1, 0, 0, 0);
    } else {
        // Right of the column: the bar runs down to the right.
        const bool alongLeft = slopedTop && AtLeast(atom.bAc, xc);
        const bool alongRight =
            slopedTop && !alongLeft && AtLeast(xc, atom.bAc + std::cos(tr) * H);
        if (code == kLowerLegCode || code == kBothLegsCode) {
            CDblPoint V(xc - H, zt);
            if (alongLeft) V = CDblPoint(xc - std::cos(tl) * H, zt - std::sin(tl) * H);
            else if (alongRight) V = CDblPoint(xc - std::cos(tr) * H, zt + std::sin(tr) * H);
            s.Put(V, 0.0, 1, 0, 1, 0);
        }
        double alf = -a;
        if (alongLeft) alf = -a - tl;
        else if (slopedTop && AtLeast(xc, atom.bAc + H)) alf = -a + tr;
        s.Put(xc, zt, alf, 1, 1, 1, 1);
        const double bx = xc + (zt - zb) / std::tan(a);
        s.Put(bx, zb, a, 1, 0, 0, 2);
        if (code == kUpperLegCode || code == kBothLegsCode) s.Put(bx + H, zb, 0.0, 1, 1, 0, 0);
    }
    return 1;
}

} // namespace

int GetGJFrame_WG(CPM001T0101Atom& atom, CPM001T0101Atom::M_BZXJ bar, int frame, int code,
                  CArray<CPM001T0101Atom::M_XZR>& pts, double& arcLen, CDblPoint& arcPt, int& endFace)
{
    arcLen = 0.0;
    endFace = 0;
    Shape s{atom, pts, arcLen, arcPt, endFace, atom.st.angle, atom.dMainBarWd, atom.dWeldLen};
    const double y = atom.GetFame_Y(frame);
    const int k = bar.nA;
    const int last = 2 * atom.nPier - 1;
    if (code == kLeftEndCode || (code == kBothLegsCode && k == 0))
        return LeftEnd(s, bar, frame, code, atom.GetXBCD(1, y, 1));
    if (code == kRightEndCode || (code == kBothLegsCode && k == last))
        return RightEnd(s, bar, frame, code, atom.GetXBCD(0, y, 1));
    return ColumnSide(s, bar, frame, code);
}

} // namespace CapBeamInclinedBars
