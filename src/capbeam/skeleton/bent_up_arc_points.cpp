// The end piece of a support arc beside the first or the last support line.
#include "capbeam/skeleton/bent_up_arc_points.h"

#include "capbeam/skeleton/through_bars.h"
#include "common/is_equal.h"
#include "geometry/arc_from_centre.h"
#include "geometry/dbl_point_array.h"
#include "geometry/fillet.h"
#include "geometry/line_intersection.h"
#include "host/report.h"

#include <cmath>

namespace CapBeamBentUpArcs {

namespace {

using Atom = CPM001T0101Atom;
using M_XZR = Atom::M_XZR;

constexpr double kQuarterTurn = 1.57079635;   // a quarter turn as the bars store it
constexpr double kPi = 3.1415927;             // the bend-length constant of the bar lists
constexpr double kMinWeldArcR = 25.0;
constexpr double kMaxWeldArcR = 500.0;

const char* const kNoFirstLine = "计算错误0710";
const char* const kNoSecondLine = "计算错误07101!";
const char* const kRadiusReplaced =
    "用户指定的焊于骨架侧面的弯、斜筋圆弧半径不合理，系统按照5倍主筋直径自动处理！";

struct VertexRow {
    double x;
    double z;
    double RR;
    double alf;
    int fH;
    int fHzy;
    int fHsx;
    int fArc;
    int enPoint;
};

M_XZR Vertex(const VertexRow& row, double weld)
{
    return {.x = row.x, .z = row.z, .RR = row.RR, .alf = row.alf, .fH = row.fH, .fHzy = row.fHzy, .fHsx = row.fHsx,
            .LH = weld, .fArc = row.fArc, .enPoint = row.enPoint};
}

// First point where the unbounded lines p1-p2 and q1-q2 meet; 0 when they do not.
int Meet(const CDblPoint& p1, const CDblPoint& p2, const CDblPoint& q1, const CDblPoint& q2, CDblPoint& out)
{
    CDblPointArray found;
    if (XLineLine(p1, p2, q1, q2, found, 3) < 1 || found.GetSize() < 1) return 0;
    out = found[0];
    return 1;
}

double SlopeAngle(double rise, double run) { return KVDataCommon::IsEqual(run, 0.0) ? 0.0 : std::atan(rise / run); }

} // namespace

double BendSweep(const CDblPoint& from, const CDblPoint& centre, const CDblPoint& to)
{
    double r = 0.0;
    double start = 0.0;
    double sweep = 0.0;
    CalArcFromSCE(from, centre, to, r, start, sweep);
    // A fillet between two tangent points always turns the bar by less than a half turn, whichever
    // way round the two points are taken.
    return sweep > 180.0 ? 360.0 - sweep : sweep;
}

int GetArcWQJPtAr(Atom& atom, double y, int side, CArray<M_XZR>& pts, double& arcLen, CDblPoint& pt, int& flag)
{
    arcLen = 0.0;
    const double theta = atom.st.angle;
    const double s = atom.KeyLen1;
    const double w = atom.dWeldLen;
    const double weld = atom.st.LWeld;
    const double xl = atom.GetXBCD(1, y, 1);
    const double xr = atom.GetXBCD(0, y, 1);
    const double xs = atom.bBg - xr;
    const double zb = atom.st.da + atom.dMainBarWd;
    // A square end is read from its square outline: its leg and the bottom line meet in the corner.
    const bool squareEnd = CapBeamThroughBars::SquareEnd(atom, side != 0);
    CDblPointArray squareOutline;
    const CDblPointArray& O =
        squareEnd ? CapBeamThroughBars::SquareEndOutline(atom.PYXTCJpa2, side != 0, squareOutline) : atom.PYXTCJpa2;

    // The leg through its foot, rising at the skeleton angle towards the apex.
    const CDblPoint Q1 = side ? CDblPoint(xl - s, zb) : CDblPoint(xs + s, zb);
    const CDblPoint Q2 = side ? CDblPoint(Q1.x + 10000.0, zb + 10000.0 * std::tan(theta))
                              : CDblPoint(Q1.x - 10000.0, zb + 10000.0 * std::tan(theta));

    // The outline must hold every point the lines and the table name.
    if (O.GetSize() < (squareEnd ? 4 : 6)) {
        QMReportError(kNoFirstLine, 0);
        return 0;
    }

    CDblPoint X1;
    CDblPoint X2;
    int hasX1 = 0;
    int hasX2 = 0;
    if (squareEnd) {
        hasX1 = Meet(Q1, Q2, O[1], O[2], X1);
        hasX2 = side ? Meet(Q1, Q2, O[1], O[0], X2) : Meet(Q1, Q2, O[3], O[2], X2);
    } else if (side) {
        hasX1 = Meet(Q1, Q2, O[1], O[2], X1);
        hasX2 = Meet(Q1, Q2, O[1], O[0], X2);
    } else {
        hasX1 = Meet(Q1, Q2, O[4], O[3], X1);
        hasX2 = Meet(Q1, Q2, O[4], O[5], X2);
    }
    if (!hasX1) {
        QMReportError(kNoFirstLine, 0);
        return 0;
    }
    if (!hasX2) {
        QMReportError(kNoSecondLine, 0);
        return 0;
    }

    // The bend onto the end leg: radius checked first, then the fillet in the corner at X2 between
    // the leg towards top and the line towards the apex. Gives TL on the end leg and TQ on the line.
    CDblPoint TL;
    CDblPoint TQ;
    auto bendOntoLeg = [&](const CDblPoint& top) {
        if (atom.WeldArcR < kMinWeldArcR || atom.WeldArcR > kMaxWeldArcR) {
            QMReportWarning(kRadiusReplaced, 0);
            atom.WeldArcR = 5.0 * atom.st.d;
        }
        CDblPoint centre;
        CalFillet(top, X2, Q2, atom.WeldArcR, TL, TQ, centre);
        arcLen = BendSweep(TL, centre, TQ) / 180.0 * kPi * atom.WeldArcR;
    };
    auto add = [&](const VertexRow& row) { pts.Add(Vertex(row, weld)); };
    const double h = kQuarterTurn;

    // Where the bar is welded straight onto the end leg, its leg towards the apex starts at X2.
    if (side && squareEnd) {
        const double u = xl - O[1].x;
        if (u >= s + w) {
            add({xl - s - w, O[1].y, 0.0, 0.0, 1, 0, 0, 0, 0});
            add({xl - s, O[1].y, 0.0, theta, 1, 1, 0, 0, 2});
            pt = Q1;
        } else if (O[1].y + w > X2.y) {
            bendOntoLeg(O[0]);
            add({TL.x, TL.y + w, 0.0, 0.0, 1, 1, 0, 0, 0});
            add({X2.x, X2.y, atom.WeldArcR, h + theta, 0, 0, 0, 1, 2});
            pt = TQ;
            flag = 1;
        } else {
            add({X2.x, X2.y - w, 0.0, 0.0, 1, 1, 1, 0, 0});
            add({X2.x, X2.y, 0.0, h + theta, 1, 1, 0, 0, 2});
            pt = X2;
            flag = 1;
        }
    } else if (side) {
        const double phi = SlopeAngle(atom.hHpl, atom.bBpl);
        const double u = xl - O[2].x;
        const double e = w - std::fabs(u - s);
        const double cL = O[1].x + w * std::cos(phi);
        if (u >= s + w) {
            add({xl - s - w, O[2].y, 0.0, 0.0, 1, 0, 0, 0, 0});
            add({xl - s, O[2].y, 0.0, theta, 1, 1, 0, 0, 2});
            pt = Q1;
        } else if (u > s) {
            add({O[2].x - e * std::cos(phi), O[2].y + e * std::sin(phi), 0.0, 0.0, 1, 0, 0, 0, 0});
            add({O[2].x, O[2].y, 0.0, phi, 1, 1, 0, 0, 3});
            add({xl - s, O[2].y, 0.0, theta, 1, 1, 0, 0, 2});
            pt = Q1;
        } else if (cL <= X1.x) {
            add({X1.x - w * std::cos(phi), X1.y + w * std::sin(phi), 0.0, 0.0, 1, 0, 0, 0, 0});
            add({X1.x, X1.y, 0.0, phi + theta, 1, 1, 1, 0, 2});
            pt = X1;
        } else if (O[1].y + w > X2.y) {
            bendOntoLeg(O[0]);
            add({TL.x, TL.y + w, 0.0, 0.0, 1, 1, 0, 0, 0});
            add({X2.x, X2.y, atom.WeldArcR, h + theta, 0, 0, 0, 1, 2});
            pt = TQ;
        } else {
            add({X2.x, X2.y - w, 0.0, 0.0, 1, 1, 1, 0, 0});
            add({X2.x, X2.y, 0.0, h + theta, 1, 1, 0, 0, 2});
            pt = X2;
        }
    } else if (squareEnd) {
        const double u = O[2].x - xs;
        if (u >= s + w) {
            add({xs + s, O[2].y, 0.0, theta, 1, 0, 0, 0, 2});
            add({xs + s + w, O[2].y, 0.0, 0.0, 1, 1, 0, 0, 0});
            pt = Q1;
        } else if (O[3].y + w > X2.y) {
            bendOntoLeg(O[3]);
            add({X2.x, X2.y, atom.WeldArcR, h + theta, 0, 0, 0, 1, 2});
            add({TL.x, TL.y + w, 0.0, 0.0, 1, 0, 0, 0, 0});
            pt = TQ;
            flag = 1;
        } else {
            add({X2.x, X2.y, 0.0, -theta, 1, 1, 1, 0, 2});
            add({X2.x, X2.y - w, 0.0, 0.0, 1, 1, 0, 0, 2});
            pt = X2;
            flag = 1;
        }
    } else {
        const double phi = SlopeAngle(atom.hHpr, atom.bBpr);
        const double u = O[3].x - xs;
        const double e = w - std::fabs(u - s);
        const double cR = O[4].x - w * std::cos(phi);
        if (u >= s + w) {
            add({xs + s, O[3].y, 0.0, theta, 1, 0, 0, 0, 2});
            add({xs + s + w, O[2].y, 0.0, 0.0, 1, 1, 0, 0, 0});
            pt = Q1;
        } else if (u > s) {
            add({xs + s, O[3].y, 0.0, theta, 1, 0, 0, 0, 2});
            add({O[3].x, O[3].y, 0.0, phi, 1, 1, 0, 0, 3});
            add({O[3].x + e * std::cos(phi), O[3].y + e * std::sin(phi), 0.0, 0.0, 1, 1, 0, 0, 0});
            pt = Q1;
        } else if (cR >= X1.x) {
            add({X1.x, X1.y, 0.0, phi + theta, 1, 0, 1, 0, 2});
            add({X1.x + w * std::cos(phi), X1.y + w * std::sin(phi), 0.0, 0.0, 1, 1, 0, 0, 0});
            pt = X1;
        } else if (O[4].y + w > X2.y) {
            bendOntoLeg(O[5]);
            add({X2.x, X2.y, atom.WeldArcR, h + theta, 0, 0, 0, 1, 3});
            add({TL.x, TL.y + w, 0.0, 0.0, 1, 0, 0, 0, 0});
            pt = TQ;
        } else {
            add({X2.x, X2.y, 0.0, 0.0, 1, 1, 1, 0, 2});
            add({X2.x, X2.y - w, 0.0, h + theta, 1, 1, 0, 0, 2});
            pt = X2;
        }
    }
    return 1;
}

} // namespace CapBeamBentUpArcs
