// CPM001T0101Atom: the bend and weld geometry of an inclined bar — top point, inclined run, the
// bend, fillet or kink where it meets the skeleton's bottom, slope or end face, and the weld legs.
#include "capbeam/skeleton/inclined_bar_shape.h"

#include "capbeam/skeleton/through_bars.h"
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
// ends, six when an end slopes.
bool EndOutlinesHeld(const Atom& atom)
{
    const int points = CapBeamThroughBars::SquareEnd(atom, true) && CapBeamThroughBars::SquareEnd(atom, false) ? 4 : 6;
    return atom.PYXTCJpa2.GetSize() >= points && atom.PYXTCJpa1.GetSize() >= points;
}

// One beam end as an inclined bar meets it. The outline points are numbered from this end: 0 the
// top of its end face, 1 the face's foot, 2 where the bottom turns level (the far corner at a
// square end), 3 beyond; stations are compared as seen from the end (Inward). So one set of steps
// serves both ends, each the other's mirror; what the two ends do beyond the mirror (the order in
// which some lines and the fillet are given, some flags, the outline a fillet is checked against)
// is kept per end where it is used.
struct End {
    bool left;
    double out;                  // -1 at the left end, +1 at the right: the way out of the beam
    const CDblPointArray& O;     // inner through-bar outline
    const CDblPointArray& Oo;    // outer through-bar outline
    int last;                    // last outline point: 3 with square ends, 5 with a sloped end

    const CDblPoint& In(int i) const { return O[left ? i : last - i]; }
    const CDblPoint& Out(int i) const { return Oo[left ? i : last - i]; }
    // A station as seen from this end: growing into the beam.
    double Inward(double x) const { return left ? x : -x; }
    // The weld-side flags (fHzy) of mirrored vertices: L() is 1 at the left end and 0 at the
    // right, R() the other way round.
    int L() const { return left ? 1 : 0; }
    int R() const { return left ? 0 : 1; }
};

// The fillet between the bar's run from P0 to the corner X and the end face through the point
// face: its tangent points on the bar and on the face, and its centre. barFirst: the fillet is
// given the run's point first, else the face's.
struct FaceBend {
    CDblPoint bar, face, centre;
};

FaceBend FilletAtFace(Shape& s, const CDblPoint& P0, const CDblPoint& X, const CDblPoint& face, bool barFirst)
{
    FaceBend b;
    if (barFirst) CalFillet(P0, X, face, s.Radius(), b.bar, b.face, b.centre);
    else CalFillet(face, X, P0, s.Radius(), b.face, b.bar, b.centre);
    return b;
}

// The fillet's arc, from the face round to the bar at the left end and the other way at the right;
// the leg welded up the face from its tangent point (fHzy as given), the corner on the arc at angle
// alf with the flags given, and the arc's tangent point on the run.
void BendAtFace(Shape& s, const End& e, const FaceBend& b, const CDblPoint& X, double alf, int legZy, int fH,
                int fHzy, int fHsx)
{
    if (e.left) s.ArcLength(b.face, b.centre, b.bar);
    else s.ArcLength(b.bar, b.centre, b.face);
    s.Put(b.face.x, b.face.y + s.H, 0.0, 1, legZy, 0, 0);
    s.Put(X, alf, fH, fHzy, fHsx, 2, true);
    s.arcPt = b.bar;
}

enum class BeamSide { Left, Right };

// A bar at one beam end; cantilever is that end's cantilever at the frame's offset.
int BeamEnd(Shape& s, const Atom::M_BZXJ& bar, int frame, int code, BeamSide side, double cantilever)
{
    Atom& atom = s.atom;
    if (!EndOutlinesHeld(atom)) return 0;   // no outline of the through bars
    const bool left = side == BeamSide::Left;
    // A square end beside a sloped one is read from the square outlines, as at a beam with both
    // ends square.
    const bool square = CapBeamThroughBars::SquareEnd(atom, left);
    CDblPointArray squareInner, squareOuter;
    const CDblPointArray& inner =
        square ? CapBeamThroughBars::SquareEndOutline(atom.PYXTCJpa2, left, squareInner) : atom.PYXTCJpa2;
    const CDblPointArray& outer =
        square ? CapBeamThroughBars::SquareEndOutline(atom.PYXTCJpa1, left, squareOuter) : atom.PYXTCJpa1;
    const End e{left, left ? -1.0 : 1.0, inner, outer, square ? 3 : 5};
    const CDblPointArray& O = e.O;

    const double a = s.a, H = s.H, d = bar.dA;
    const int nT = bar.pB[1];
    const double x0 = e.left ? cantilever - d : atom.bBg - cantilever + d;
    const double z0 = atom.GetFame_XZ(x0) - (nT + 1) * s.D;
    const double lam = e.left ? 2.0 * (atom.hHpl + atom.hXbl) : 2.0 * (atom.hHpr + atom.hXbr);
    const CDblPoint P0(x0, z0);
    // The bar's run down from a top point toward the end, far enough to pass the end's bottom.
    auto runFrom = [&](const CDblPoint& Q) {
        return CDblPoint(Q.x + e.out * std::cos(a) * lam, Q.y - std::sin(a) * lam);
    };
    const CDblPoint P1 = runFrom(P0);
    const char* const faceMiss = e.left ? "计算时数值错误7!" : "计算时数值错误11!";
    CDblPoint X;

    if (square) {
        if (!Meet(P0, P1, O[1], O[2], X)) return Fail(kBottomMiss);
        if (e.Inward(X.x) > e.Inward(e.In(1).x) && e.Inward(X.x) - H >= e.Inward(e.In(1).x)) {
            s.Put(X.x + e.out * H, O[2].y, 0.0, 1, e.R(), 0, 0);
            s.Put(X.x, O[2].y, -e.out * a, 1, e.L(), 0, 2);
        } else if (e.Inward(X.x) > e.Inward(e.In(1).x)) {
            s.endFace = 1;
            CDblPoint Xf;
            const bool met = e.left ? Meet(P0, P1, e.In(0), e.In(1), Xf) : Meet(P0, P1, e.In(1), e.In(0), Xf);
            if (!met) return Fail(faceMiss);
            const CDblPoint U(e.In(0).x, e.In(0).y + kFarAbove);
            const FaceBend b = e.left ? FilletAtFace(s, P0, Xf, U, true) : FilletAtFace(s, P0, Xf, e.In(0), false);
            if ((e.left ? e.Out(0) : e.In(0)).y > b.face.y) atom.fEndInset = 1;
            BendAtFace(s, e, b, Xf, -e.out * (kQuarterTurn + a), e.L(), 0, 0, 0);
        } else {
            s.endFace = 1;
            CDblPoint Xf;
            if (!Meet(P0, P1, e.In(0), e.In(1), Xf)) return Fail("计算时数值错误6!");
            if (e.In(0).y + H < Xf.y) {
                atom.fEndInset = 1;
                s.Put(Xf.x, Xf.y - H, 0.0, 1, e.L(), 1, 0);
                s.Put(Xf, e.out * (kQuarterTurn - a), 1, e.L(), 0, 2);
            } else {
                const CDblPoint U(e.In(0).x, e.In(0).y + kFarAbove);
                const FaceBend b = FilletAtFace(s, P0, Xf, U, true);
                if (e.In(0).y > b.face.y) atom.fEndInset = 1;
                BendAtFace(s, e, b, Xf, -e.out * (a + kQuarterTurn), e.L(), 0, 0, 0);
            }
        }
    } else {
        const double slope = e.left ? std::atan(atom.hHpl / atom.bBpl) : std::atan(atom.hHpr / atom.bBpr);
        if (!Meet(P0, P1, e.In(1), e.In(2), X)) return Fail(e.left ? kSlopeMiss1 : kSlopeMiss2);
        if (e.Inward(X.x) > e.Inward(e.In(2).x)) {
            CDblPoint X2;
            if (!Meet(P0, P1, e.In(2), e.In(3), X2)) return Fail(kSlopeMiss1);
            const double f = std::fabs(X2.x - e.In(2).x);
            if (e.Inward(X2.x) - H >= e.Inward(e.In(2).x)) {
                s.Put(X2.x + e.out * H, e.In(2).y, 0.0, 1, e.R(), 0, 0);
            } else {
                // The leg runs on up the slope for what the flat bottom cannot hold.
                const double r1 = H - f;
                const double sa = std::sin(slope), ca = std::cos(slope), ta = std::tan(a);
                const CDblPoint Q(e.left ? x0 - sa * r1 / ta - ca * r1 - f : x0 + f + sa * r1 / ta + ca * r1, z0);
                CDblPoint X3;
                const bool met = e.left ? Meet(Q, runFrom(Q), e.In(1), e.In(2), X3)
                                        : Meet(Q, runFrom(Q), e.In(2), e.In(1), X3);
                if (!met) return Fail(e.left ? "计算时数值错误5!" : "计算时数值错误9!");
                s.Put(X3, 0.0, 1, e.R(), 0, 0);
                s.Put(e.In(2), -e.out * slope, 0, 0, 0, 3);
            }
            s.Put(X2.x, e.In(2).y, -e.out * a, 1, e.L(), 0, 2);
        } else if (X.y > e.In(1).y) {
            s.endFace = 1;
            CDblPoint X4;
            if (!Meet(P0, P1, e.In(0), e.In(1), X4)) return Fail("计算时数值错误6!");
            if (e.In(0).y < X4.y) {
                atom.fEndInset = 1;
                s.Put(X4.x, X4.y - H, 0.0, 1, e.L(), 1, 0);
                s.Put(X4, e.out * (kQuarterTurn - a), 1, e.L(), 0, 2);
            } else {
                const FaceBend b = FilletAtFace(s, P0, X4, e.In(0), !e.left);
                if (e.Out(0).y > b.face.y) atom.fEndInset = 1;
                BendAtFace(s, e, b, X4, a + kQuarterTurn, 1, 1, 1, 1);
            }
        } else {
            const double sa = std::sin(slope), ca = std::cos(slope), ta = std::tan(a);
            const CDblPoint Q(e.left ? x0 - (sa * H / ta + ca * H) : x0 + (sa / ta + ca) * H, z0);
            CDblPoint X5;
            if (!Meet(Q, runFrom(Q), e.In(1), e.In(2), X5))
                return Fail(e.left ? "计算时数值错误8!" : "计算时数值错误12!");
            if (e.Inward(e.In(1).x) > e.Inward(X5.x)) {
                s.endFace = 1;
                CDblPoint X6;
                if (!Meet(P0, P1, e.In(0), e.In(1), X6)) return Fail(faceMiss);
                const FaceBend b = FilletAtFace(s, P0, X6, e.In(0), !e.left);
                if ((e.left ? e.Out(0) : e.In(0)).y > b.face.y) atom.fEndInset = 1;
                BendAtFace(s, e, b, X6, e.out * (kQuarterTurn + a), e.L(), 0, e.R(), e.R());
            } else {
                s.Put(X5, 0.0, 1, e.R(), 0, 0);
                s.Put(X, -e.out * (slope + a), 1, e.L(), 1, 2);
            }
        }
    }

    const bool slopedTop = !IsEqual(atom.iLb, -atom.iRb);
    const double topSlope = slopedTop ? (e.left ? std::atan(atom.iLb) : std::atan(std::fabs(atom.iRb))) : 0.0;
    s.Put(x0, z0, e.out * a - e.out * topSlope, 1, e.R(), 1, 1);
    if (code == kBothLegsCode) {
        // The top leg, welded under the top bars from the bar's top point into the beam.
        const int top = s.pts.GetSize() - 1;
        const double xc = atom.GetFame_ZDX(e.left ? 0 : bar.nA / 2, frame) + e.out * d;
        const double zc = atom.GetFame_XZ(xc) - (nT + 1) * s.D;
        CDblPoint V(xc - e.out * H, zc);
        if (slopedTop) {
            const double tl = std::atan(atom.iLb);
            const double tr = std::atan(std::fabs(atom.iRb));
            // The leg lies wholly left of the crown, or wholly right of it.
            const bool onLeftSlope = e.left ? AtLeast(atom.bAc - std::cos(tl) * H, xc) : AtLeast(atom.bAc, xc);
            const double rightFrom = e.left ? atom.bAc : atom.bAc + std::cos(tr) * H;
            if (onLeftSlope) {
                V = CDblPoint(xc - e.out * std::cos(tl) * H, zc - e.out * std::sin(tl) * H);
            } else if (rightFrom < xc || IsEqual(rightFrom, xc)) {
                V = CDblPoint(xc - e.out * std::cos(tr) * H, zc + e.out * std::sin(tr) * H);
                s.pts[top].alf = e.out * a - std::atan(atom.iRb);
            } else {
                s.pts[top].alf = e.out * a;
            }
        }
        s.Put(V, 0.0, 1, e.L(), 1, 0);
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
        return BeamEnd(s, bar, frame, code, BeamSide::Left, atom.GetXBCD(1, y, 1));
    if (code == kRightEndCode || (code == kBothLegsCode && k == last))
        return BeamEnd(s, bar, frame, code, BeamSide::Right, atom.GetXBCD(0, y, 1));
    return ColumnSide(s, bar, frame, code);
}

} // namespace CapBeamInclinedBars
