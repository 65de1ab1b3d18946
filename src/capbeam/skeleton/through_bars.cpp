// CPM001T0101Atom: the offset outlines of the through bars, the frames and marks that carry them, and their shapes.
#include "capbeam/skeleton/through_bars.h"

#include "capbeam/skeleton/rounding.h"
#include "common/cut_length.h"
#include "common/is_equal.h"
#include "common/list_sum.h"
#include "common/offset_rect.h"
#include "geometry/dbl_point_array.h"
#include "geometry/line_intersection.h"
#include "geometry/point_distance.h"
#include "host/report.h"

#include <algorithm>
#include <cmath>

namespace CapBeamThroughBars {

namespace {

using Atom = CPM001T0101Atom;
using KVDataCommon::IsEqual;

// A quarter turn as the bar shapes store it.
constexpr double kQuarterTurn = 1.57079635;

// The intake gives a square end beside a sloped one this slope length and height; a slope this
// short is a square corner for the bars.
constexpr double kTinySlope = 1e-5;

bool SquareEnds(const Atom& atom) { return IsEqual(atom.bBpl, 0.0) && IsEqual(atom.bBpr, 0.0); }

// A sloped end whose slope is too short to bend a bar along: the bars turn there as at a square
// corner. An end of no slope at all beside a sloped one is such an end too.
bool CollapsedSlope(double slopeLength) { return IsEqual(slopeLength, kTinySlope) || slopeLength < kTinySlope; }

// Inclination of a sloped end's underside; an end without slope length has none.
double SlopeAngle(double rise, double run) { return run != 0.0 ? std::atan(rise / run) : 0.0; }

// How far, along the slope, the offset outline's point on the end cover lies from its point on
// the bottom cover (offsets c from the bottom and the slope, e from the end face). An unusable
// offset gives the nominal 1e-5.
double ShiftAlongSlope(double beamLength, double run, double rise, double c, double e)
{
    int flag = 0;
    CArray<double> out;
    KVDataCommon::OffestRect(2.0 * beamLength, 2.0 * beamLength, run, rise, -c, -c, -e, flag, out);
    if (flag == 0 || out.GetSize() < 2) return kTinySlope;
    return out[1];
}

Atom::M_XZR Vertex(double x, double z, double alf, int fH, int fHzy, int fHsx, int enPoint, double weld)
{
    return {.x = x, .z = z, .alf = alf, .fH = fH, .fHzy = fHzy, .fHsx = fHsx, .LH = weld, .enPoint = enPoint};
}

Atom::M_XZR Vertex(const CDblPoint& p, double alf, int fH, int fHzy, int fHsx, int enPoint, double weld)
{
    return Vertex(p.x, p.y, alf, fH, fHzy, fHsx, enPoint, weld);
}

double Distance(const Atom::M_XZR& a, const Atom::M_XZR& b)
{
    return KVDataCommon::distance(CDblPoint(a.x, a.z), CDblPoint(b.x, b.z));
}

// What every through bar is shaped from.
struct Shape {
    const Atom& atom;
    double sa;        // end cover
    double da;        // bottom cover
    double ua;        // top cover
    double w;         // inset of the inner layer: the main bar's outer diameter
    double m;         // length of the short welded legs
    double length;    // beam length
    double weld;      // weld length of every vertex
    bool straight;    // the top is one straight line
    bool inset;       // the top bar's legs are the short inset ones (else the bottom bar's are)

    double XZ(double x) const { return atom.GetFame_XZ(x); }
};

Shape MakeShape(const Atom& atom)
{
    return Shape{atom,
                 atom.st.sa,
                 atom.st.da,
                 atom.st.ua,
                 atom.dMainBarWd,
                 atom.dWeldLen,
                 atom.bBg,
                 atom.st.LWeld,
                 IsEqual(atom.iLb, -atom.iRb) != 0,
                 atom.fEndInset != 0};
}

// The top bar: two legs hanging from the top line, which turns at the crown when the top has two
// slopes. Inset legs hang m from the top at sa + w and bBg - sa - w; outer legs run down to the
// given feet at the end cover. Every leg top turns by the angle between the vertical leg and the
// top line, -P on a straight (level) top; the crown turns by the angle between the two slopes.
Atom::singAr TopBar(const Shape& s, double footLeft, double footRight)
{
    const Atom& atom = s.atom;
    Atom::singAr bar;
    bar.class_ = 1;
    bar.fStwArc = 0;
    bar.R = atom.TopThroughMark;

    const double xl = s.inset ? s.sa + s.w : s.sa;
    const double xr = s.inset ? s.length - s.sa - s.w : s.length - s.sa;
    const double zl = s.XZ(xl);
    const double zr = s.XZ(xr);
    const double turnLeft = s.straight ? -kQuarterTurn : std::atan(atom.iLb) - kQuarterTurn;
    const double turnRight = s.straight ? -kQuarterTurn : std::atan(atom.iRb) - kQuarterTurn;

    if (s.inset) {
        bar.PtAr.Add(Vertex(xl, zl - s.m, 0.0, 1, 1, 1, 0, s.weld));
        bar.PtAr.Add(Vertex(xl, zl, turnLeft, 1, 1, 0, 1, s.weld));
        bar.L.Add(s.m);
    } else {
        bar.PtAr.Add(Vertex(xl, footLeft, 0.0, 1, 0, 1, 0, s.weld));
        bar.PtAr.Add(Vertex(xl, zl, turnLeft, 1, 0, 0, 1, s.weld));
        bar.L.Add(zl - footLeft);
    }

    if (s.straight) {
        bar.L.Add(s.inset ? s.length - 2.0 * s.sa - 2.0 * s.w : s.length - 2.0 * s.sa);
    } else {
        const double crownTurn = -(std::atan(atom.iLb) + std::atan(atom.iRb));
        bar.PtAr.Add(Vertex(atom.bAc, atom.hHgl - s.ua, crownTurn, 0, 0, 0, 3, s.weld));
        const double w = s.inset ? s.w : 0.0;
        bar.L.Add(std::sqrt(atom.iLb * atom.iLb + 1.0) * (atom.bAc - s.sa - w));
        bar.L.Add(std::sqrt(atom.iRb * atom.iRb + 1.0) * (s.length - s.sa - atom.bAc - w));
    }

    if (s.inset) {
        bar.PtAr.Add(Vertex(xr, zr, turnRight, 1, 0, 0, 1, s.weld));
        bar.PtAr.Add(Vertex(xr, zr - s.m, 0.0, 1, 0, 1, 0, s.weld));
        bar.L.Add(s.m);
    } else {
        bar.PtAr.Add(Vertex(xr, zr, turnRight, 1, 1, 0, 1, s.weld));
        bar.PtAr.Add(Vertex(xr, footRight, 0.0, 1, 1, 1, 0, s.weld));
        bar.L.Add(zr - footRight);
    }
    return bar;
}

// The bottom bar of a beam with square ends: legs rising to the top line at the end cover, or
// short legs rising m at sa + w and bBg - sa - w.
Atom::singAr SquareBottomBar(const Shape& s)
{
    Atom::singAr bar;
    bar.class_ = 2;
    bar.fStwArc = 0;
    bar.R = s.atom.BottomThroughMark;
    if (s.inset) {
        const double xl = s.sa;
        const double xr = s.length - s.sa;
        bar.PtAr.Add(Vertex(xl, s.XZ(xl), 0.0, 1, 0, 0, 0, s.weld));
        bar.PtAr.Add(Vertex(xl, s.da, kQuarterTurn, 1, 0, 1, 2, s.weld));
        bar.PtAr.Add(Vertex(xr, s.da, kQuarterTurn, 1, 1, 1, 2, s.weld));
        bar.PtAr.Add(Vertex(xr, s.XZ(xr), 0.0, 1, 1, 0, 0, s.weld));
        bar.L.Add(s.XZ(xl) - s.da);
        bar.L.Add(s.length - 2.0 * s.sa);
        bar.L.Add(s.XZ(xr) - s.da);
    } else {
        const double xl = s.sa + s.w;
        const double xr = s.length - s.sa - s.w;
        bar.PtAr.Add(Vertex(xl, s.da + s.m, 0.0, 1, 1, 0, 0, s.weld));
        bar.PtAr.Add(Vertex(xl, s.da, kQuarterTurn, 1, 1, 1, 2, s.weld));
        bar.PtAr.Add(Vertex(xr, s.da, kQuarterTurn, 1, 0, 1, 2, s.weld));
        bar.PtAr.Add(Vertex(xr, s.da + s.m, 0.0, 1, 0, 0, 0, s.weld));
        bar.L.Add(s.m);
        bar.L.Add(s.length - 2.0 * s.sa - 2.0 * s.w);
        bar.L.Add(s.m);
    }
    return bar;
}

// Sum of the fillet corrections at the bends (enPoint 1 or 2) of a bar, all of the given radius.
double BendLoss(const Atom::singAr& bar, double radius)
{
    double total = 0.0;
    for (const Atom::M_XZR& v : bar.PtAr) {
        if (v.enPoint != 1 && v.enPoint != 2) continue;
        double loss = 0.0;
        CapBeamRounding::GetFilletLoss1(radius, v.alf, loss);
        total += loss;
    }
    return total;
}

double FilletLoss(double radius, double angle)
{
    double loss = 0.0;
    CapBeamRounding::GetFilletLoss1(radius, angle, loss);
    return loss;
}

// The cut length of a through bar: the polygon length with the fillet corrections, or the sum of
// the segment lengths each rounded to a whole number, as the schedule gives it.
double CutLength(const Atom& atom, const Atom::singAr& bar, double loss)
{
    double length = 0.0;
    if (atom.st.fCalculateLarc != 0) {
        length = KVDataCommon::sum(bar.L) + loss;
    } else {
        DblArray rounded(bar.L);
        CapBeamRounding::GetIntDbArray(rounded);
        length = KVDataCommon::sum(rounded);
    }
    return KVCTL(length);
}

// The outlines the sloped-end bars are built on are missing (or there is no pair to fill).
const char* const kNoOutline = "计算错误06082103：盖梁通长筋的偏移轮廓不完整，无法生成通长筋！";

} // namespace

bool SquareEnd(const Atom& atom, bool left) { return CollapsedSlope(left ? atom.bBpl : atom.bBpr); }

const CDblPointArray& SquareEndOutline(const CDblPointArray& outline, bool left, CDblPointArray& square)
{
    if (outline.GetSize() < 6) return outline;
    square.RemoveAll();
    const int n = outline.GetSize();
    if (left) {
        // The token step runs from the leg's foot (1) to the bottom line (2): its corner is the
        // leg's line at the bottom line's level, and the leg's top drops by the step's rise.
        const CDblPoint corner(outline[1].x, outline[2].y);
        square.Add(CDblPoint(outline[0].x, outline[0].y - (outline[1].y - corner.y)));
        square.Add(corner);
        square.Add(outline[n - 3]);
        square.Add(outline[n - 1]);
    } else {
        const CDblPoint corner(outline[n - 2].x, outline[n - 3].y);
        square.Add(outline[0]);
        square.Add(outline[2]);
        square.Add(corner);
        square.Add(CDblPoint(outline[n - 1].x, outline[n - 1].y - (outline[n - 2].y - corner.y)));
    }
    return square;
}

CDblPointArray ThroughBarOutline(const Atom& atom, double inset)
{
    const double m = atom.dWeldLen;
    const double sa = atom.st.sa + inset;
    const double da = atom.st.da + inset;
    const double length = atom.bBg;
    CDblPointArray outline;

    if (SquareEnds(atom)) {
        outline.Add(CDblPoint(sa, da + m));
        outline.Add(CDblPoint(sa, da));
        outline.Add(CDblPoint(length - sa, da));
        outline.Add(CDblPoint(length - sa, da + m));
        return outline;
    }

    // Along each slope, the distance between the outline's kink on the bottom line and its point
    // on the end cover.
    const double l = ShiftAlongSlope(length, atom.bBpl, atom.hHpl, da, sa);
    const double r = ShiftAlongSlope(length, atom.bBpr, atom.hHpr, da, sa);
    const double left = SlopeAngle(atom.hHpl, atom.bBpl);
    const double right = SlopeAngle(atom.hHpr, atom.bBpr);
    outline.Add(CDblPoint(sa, da + std::sin(left) * l + m));
    outline.Add(CDblPoint(sa, da + std::sin(left) * l));
    outline.Add(CDblPoint(sa + std::cos(left) * l, da));
    outline.Add(CDblPoint(length - sa - std::cos(right) * r, da));
    outline.Add(CDblPoint(length - sa, da + std::sin(right) * r));
    outline.Add(CDblPoint(length - sa, da + std::sin(right) * r + m));
    return outline;
}

CDblPointArray StirrupLayoutOutline(const Atom& atom)
{
    return atom.PYXTCJpa1.GetSize() > 0 ? atom.PYXTCJpa1 : ThroughBarOutline(atom, 0.0);
}

int GetPYXTCJpaAr(Atom& atom)
{
    atom.PYXTCJpa1 = ThroughBarOutline(atom, 0.0);
    atom.PYXTCJpa2 = ThroughBarOutline(atom, atom.dMainBarWd);
    return 1;
}

int GetGJFrame_TCJBH(Atom& atom, CPM001_CapKeyParam& kp, CString& topMark, IntArray& topList, CString& bottomMark,
                     IntArray& bottomList)
{
    // Frame i is described by the key frame records of its name; the lists name every frame once,
    // however many records match it or in however many passes, since a frame holds one bar of
    // each layer and the list sizes are the bar counts of the schedule.
    auto describedBy = [&kp](int i, auto&& accepts) {
        const CString& name = kp.FrameName[i];
        return std::any_of(kp.FrameAr.begin(), kp.FrameAr.end(), [&](const struct CPM001_CapKeyParam::FrameAr& r) {
            return r.name == name && accepts(r);
        });
    };
    auto addOnce = [](IntArray& list, int i) {
        if (std::find(list.begin(), list.end(), i) == list.end()) list.Add(i);
    };
    auto nextMark = [&atom](CString& mark) {
        ++atom.nMark;
        mark.Format("%d", atom.nMark);
    };

    const int frames = kp.FrameName.GetSize();

    // Main skeletons carry both through bars.
    bool mainFound = false;
    for (int i = 0; i < frames; ++i) {
        if (!describedBy(i, [](const auto& r) { return r.fGJJ != 0; })) continue;
        addOnce(topList, i);
        addOnce(bottomList, i);
        mainFound = true;
    }
    if (mainFound) {
        nextMark(topMark);
        nextMark(bottomMark);
    }

    // Secondary skeletons carry the layers their bars are welded in.
    bool topFound = false;
    for (int i = 0; i < frames; ++i) {
        if (!describedBy(i, [](const auto& r) { return r.fGJJ == 0 && r.fWeldT != 0; })) continue;
        addOnce(topList, i);
        topFound = true;
    }
    bool bottomFound = false;
    for (int i = 0; i < frames; ++i) {
        if (!describedBy(i, [](const auto& r) { return r.fGJJ == 0 && r.fWeldB != 0; })) continue;
        addOnce(bottomList, i);
        bottomFound = true;
    }
    // The secondary skeletons share the main skeletons' marks when there are main skeletons.
    if (!mainFound) {
        if (topFound) nextMark(topMark);
        if (bottomFound) nextMark(bottomMark);
    }

    std::sort(topList.begin(), topList.end());
    std::sort(bottomList.begin(), bottomList.end());
    return 1;
}

int GetGJFrame_TCJ(Atom& atom, Atom::singAr* pair)
{
    if (!pair) {
        QMReportError(kNoOutline, 0);
        return 0;
    }
    const Shape s = MakeShape(atom);
    const double bendRadius = atom.st.LeadPointR2;
    const double kinkRadius = atom.st.LeadPointR;
    const bool withFillets = atom.st.fCalculateLarc == 1;

    Atom::singAr top;
    Atom::singAr bottom;
    double topLoss = 0.0;
    double bottomLoss = 0.0;

    if (SquareEnds(atom)) {
        top = TopBar(s, s.da, s.da);
        bottom = SquareBottomBar(s);
        if (withFillets) {
            topLoss = BendLoss(top, bendRadius);
            bottomLoss = BendLoss(bottom, bendRadius);
        }
    } else {
        const CDblPointArray& outer = atom.PYXTCJpa1;
        const CDblPointArray& inner = atom.PYXTCJpa2;
        if (outer.GetSize() < 6 || (!s.inset && inner.GetSize() < 4)) {
            QMReportError(kNoOutline, 0);
            return 0;
        }
        const CDblPoint& p1 = outer[1];
        const CDblPoint& p2 = outer[2];
        const CDblPoint& p3 = outer[3];
        const CDblPoint& p4 = outer[4];
        const double left = SlopeAngle(atom.hHpl, atom.bBpl);
        const double right = SlopeAngle(atom.hHpr, atom.bBpr);
        const bool collapsedLeft = CollapsedSlope(atom.bBpl);
        const bool collapsedRight = CollapsedSlope(atom.bBpr);

        // Top bar: as over square ends; outer legs stand on the outline's end points.
        top = TopBar(s, p1.y, p4.y);
        const int last = top.PtAr.GetSize() - 1;
        if (!s.inset) {
            if (collapsedLeft) top.PtAr[0].z = s.da;
            if (collapsedRight) top.PtAr[last].z = s.da;
        }
        top.L[0] = std::fabs(top.PtAr[0].z - top.PtAr[1].z);
        top.L[top.L.GetSize() - 1] = std::fabs(top.PtAr[last].z - top.PtAr[last - 1].z);

        // Bottom bar along the outer outline's sloped ends.
        bottom.class_ = 2;
        bottom.fStwArc = 0;
        bottom.R = atom.BottomThroughMark;
        CArray<Atom::M_XZR>& v = bottom.PtAr;
        DblArray& L = bottom.L;
        if (s.inset) {
            // Full-height legs at the end cover.
            const double xl = s.sa;
            const double xr = s.length - s.sa;
            v.Add(Vertex(xl, s.XZ(xl), 0.0, 1, 0, 0, 0, s.weld));
            v.Add(Vertex(p1, kQuarterTurn - left, 1, 0, 1, 2, s.weld));
            v.Add(Vertex(p2, left, 0, 0, 0, 2, s.weld));
            v.Add(Vertex(p3, right, 0, 0, 0, 2, s.weld));
            v.Add(Vertex(p4, kQuarterTurn - right, 1, 1, 1, 2, s.weld));
            v.Add(Vertex(xr, s.XZ(xr), 0.0, 1, 1, 0, 0, s.weld));
            L.Add(s.XZ(xl) - p1.y);
            L.Add(KVDataCommon::distance(p1, p2));
            L.Add(p3.x - p2.x);
            L.Add(KVDataCommon::distance(p3, p4));
            L.Add(s.XZ(xr) - p4.y);
        } else {
            // Short legs inset by w, standing on the outer outline's slopes.
            CDblPointArray hit;
            XLineLine(inner[0], inner[1], p1, p2, hit, 3);
            if (hit.GetSize() < 1) {
                QMReportError("计算错误06082101", 0);
                return 0;
            }
            const CDblPoint I = hit[0];
            hit.RemoveAll();
            const int n = inner.GetSize();
            XLineLine(inner[n - 1], inner[n - 2], p3, p4, hit, 3);
            if (hit.GetSize() < 1) {
                QMReportError("计算错误06082102", 0);
                return 0;
            }
            const CDblPoint J = hit[0];
            v.Add(Vertex(s.sa + s.w, I.y + s.m, 0.0, 1, 1, 0, 0, s.weld));
            v.Add(Vertex(I, kQuarterTurn - left, 1, 1, 1, 2, s.weld));
            v.Add(Vertex(p2, left, 0, 0, 0, 2, s.weld));
            v.Add(Vertex(p3, right, 0, 0, 0, 2, s.weld));
            v.Add(Vertex(J, kQuarterTurn - right, 1, 0, 1, 2, s.weld));
            v.Add(Vertex(s.length - s.sa - s.w, J.y + s.m, 0.0, 1, 0, 0, 0, s.weld));
            L.Add(s.m);
            L.Add(KVDataCommon::distance(I, p2));
            L.Add(p3.x - p2.x);
            L.Add(KVDataCommon::distance(p3, J));
            L.Add(s.m);
        }

        // A slope too short to follow: the bar turns at the corner of the cover lines.
        if (collapsedLeft) {
            v[1].z = s.da;
            v[2].x = v[1].x;
            if (s.inset) L[0] = Distance(v[0], v[1]);
            else v[0].z = s.da + s.m;
            L[1] = 0.0;
        }
        if (collapsedRight) {
            v[4].z = s.da;
            v[3].x = v[4].x;
            if (s.inset) L[4] = Distance(v[4], v[5]);
            else v[5].z = s.da + s.m;
            L[3] = 0.0;
        }
        if (collapsedLeft || collapsedRight) L[2] = Distance(v[2], v[3]);

        if (withFillets) {
            topLoss = BendLoss(top, bendRadius);
            // Leg bends and slope kinks; at a collapsed slope the kink is a square corner and
            // the leg bend is no bend.
            if (!collapsedLeft) bottomLoss += FilletLoss(bendRadius, v[1].alf);
            bottomLoss += collapsedLeft ? FilletLoss(bendRadius, kQuarterTurn) : FilletLoss(kinkRadius, v[2].alf);
            bottomLoss += collapsedRight ? FilletLoss(bendRadius, kQuarterTurn) : FilletLoss(kinkRadius, v[3].alf);
            if (!collapsedRight) bottomLoss += FilletLoss(bendRadius, v[4].alf);
        }
    }

    top.sTL = CutLength(atom, top, topLoss);
    bottom.sTL = CutLength(atom, bottom, bottomLoss);
    pair[0] = top;
    pair[1] = bottom;
    return 1;
}

} // namespace CapBeamThroughBars

int CPM001T0101Atom::GetPYXTCJpaAr() { return CapBeamThroughBars::GetPYXTCJpaAr(*this); }

int CPM001T0101Atom::GetGJFrame_TCJBH(CPM001_CapKeyParam& kp, CString& topMark, IntArray& topList,
                                      CString& bottomMark, IntArray& bottomList)
{
    return CapBeamThroughBars::GetGJFrame_TCJBH(*this, kp, topMark, topList, bottomMark, bottomList);
}

int CPM001T0101Atom::GetGJFrame_TCJ(singAr* pair) { return CapBeamThroughBars::GetGJFrame_TCJ(*this, pair); }
