// The support arcs of the bent-up bars and the equality of arcs.
#include "capbeam/skeleton/bent_up_arcs.h"

#include "capbeam/skeleton/bent_up_arc_points.h"
#include "capbeam/skeleton/rounding.h"
#include "common/is_equal.h"
#include "common/list_sum.h"
#include "geometry/dbl_point_array.h"
#include "geometry/fillet.h"
#include "geometry/line_intersection.h"
#include "geometry/point_distance.h"
#include "host/report.h"

#include <cmath>

namespace CapBeamBentUpArcs {

namespace {

using Atom = CPM001T0101Atom;
using M_XZR = Atom::M_XZR;

constexpr double kPi = 3.1415927;   // the bend-length constant of the bar lists

// The apex over the support line x0 and its fillet.
struct Apex {
    double theta = 0.0;    // leg angle
    double zb = 0.0;       // through-bar line
    CDblPoint P1;          // left foot
    CDblPoint P3;          // right foot
    CDblPoint top;         // apex on the support line
    CDblPoint T1;          // tangent point on the left leg
    CDblPoint T2;          // tangent point on the right leg
    double arcLen = 0.0;   // length of the bend at the apex
};

// 1 with the apex filled; 0 after reporting error when the legs cannot reach the support line
// (or the through-bar outline has no bottom line).
int MakeApex(const Atom& atom, double x0, const char* error, Apex& apex)
{
    const double s = atom.KeyLen1;
    apex.theta = atom.st.angle;
    if (atom.PYXTCJpa2.GetSize() < 3) {
        QMReportError(error, 0);
        return 0;
    }
    apex.zb = atom.PYXTCJpa2[2].y;
    apex.P1 = CDblPoint(x0 - s, apex.zb);
    const CDblPoint P2(apex.P1.x + 10.0, apex.zb + 10.0 * std::tan(apex.theta));
    apex.P3 = CDblPoint(x0 + s, apex.zb);

    CDblPointArray found;
    XLineLine(apex.P1, P2, CDblPoint(x0, 0.0), CDblPoint(x0, 10.0), found, 3);
    if (found.GetSize() < 1) {
        QMReportError(error, 0);
        return 0;
    }
    apex.top = CDblPoint(x0, found[0].y);

    CDblPoint centre;
    CalFillet(apex.P1, apex.top, apex.P3, atom.KeyLen2, apex.T1, apex.T2, centre);
    apex.arcLen = BendSweep(apex.T2, centre, apex.T1) / 180.0 * kPi * atom.KeyLen2;
    return 1;
}

M_XZR Vertex(double x, double z, double RR, double alf, int fH, int fHzy, int fArc, int enPoint, double weld)
{
    return {.x = x, .z = z, .RR = RR, .alf = alf, .fH = fH, .fHzy = fHzy, .LH = weld, .fArc = fArc, .enPoint = enPoint};
}

void AddLeftLeg(const Atom& atom, double x0, const Apex& apex, CArray<M_XZR>& pts)
{
    const double s = atom.KeyLen1;
    const double w = atom.dWeldLen;
    const double weld = atom.st.LWeld;
    pts.Add(Vertex(x0 - s - w, apex.zb, 0.0, 0.0, 1, 0, 0, 0, weld));
    pts.Add(Vertex(x0 - s, apex.zb, 0.0, apex.theta, 1, 1, 0, 2, weld));
}

void AddApex(const Atom& atom, double x0, const Apex& apex, CArray<M_XZR>& pts)
{
    pts.Add(Vertex(x0, apex.top.y, atom.KeyLen2, -2.0 * apex.theta, 0, 0, 1, 3, atom.st.LWeld));
}

void AddRightLeg(const Atom& atom, double x0, const Apex& apex, CArray<M_XZR>& pts)
{
    const double s = atom.KeyLen1;
    const double w = atom.dWeldLen;
    const double weld = atom.st.LWeld;
    pts.Add(Vertex(x0 + s, apex.zb, 0.0, apex.theta, 1, 0, 0, 2, weld));
    pts.Add(Vertex(x0 + s + w, apex.zb, 0.0, 0.0, 1, 1, 0, 0, weld));
}

void Append(CArray<M_XZR>& to, const CArray<M_XZR>& from)
{
    for (int i = 0; i < from.GetSize(); ++i) to.Add(from[i]);
}

DblArray Reversed(const DblArray& list)
{
    DblArray out;
    for (int i = list.GetSize() - 1; i >= 0; --i) out.Add(list[i]);
    return out;
}

} // namespace

int GetArc1(Atom& atom, int frame, int k, M_ArcWQJ* arc)
{
    if (arc == nullptr) return 0;
    const double x0 = atom.GetFame_ZDX(k, frame);
    Apex apex;
    if (!MakeApex(atom, x0, "计算错误072202", apex)) return 0;

    const double w = atom.dWeldLen;
    M_ArcWQJ built;
    AddLeftLeg(atom, x0, apex, built.PtAr);
    AddApex(atom, x0, apex, built.PtAr);
    AddRightLeg(atom, x0, apex, built.PtAr);
    built.L.Add(w);
    built.L.Add(KVDataCommon::distance(apex.P1, apex.T1));
    built.L.Add(apex.arcLen);
    built.L.Add(KVDataCommon::distance(apex.P3, apex.T2));
    built.L.Add(w);
    built.dA = KVDataCommon::sum(built.L);
    built.dB = apex.theta;
    built.dC = apex.theta;
    built.nC = 0;
    built.nD = 0;
    built.nB = k;
    built.nA = frame;
    *arc = built;
    return 1;
}

int GetArc0(Atom& atom, int frame, M_ArcWQJ* arc)
{
    if (arc == nullptr) return 0;
    const double x0 = atom.GetFame_ZDX(0, frame);
    const double y = atom.GetFame_Y(frame);
    const double w = atom.dWeldLen;
    const bool single = atom.nPier == 1;

    M_ArcWQJ built = *arc;
    built.PtAr.RemoveAll();
    built.L.RemoveAll();
    double dL = 0.0;
    CDblPoint pL;
    int flagL = 0;
    GetArcWQJPtAr(atom, y, 1, built.PtAr, dL, pL, flagL);

    Apex apex;
    if (!MakeApex(atom, x0, "计算错误072201", apex)) return 0;
    AddApex(atom, x0, apex, built.PtAr);

    CArray<M_XZR> ptsR;
    double dR = 0.0;
    CDblPoint pR;
    int flagR = 0;
    if (single) {
        GetArcWQJPtAr(atom, y, 0, ptsR, dR, pR, flagR);
        Append(built.PtAr, ptsR);
    } else {
        AddRightLeg(atom, x0, apex, built.PtAr);
    }

    built.L.Add(w);
    if (dL > 0.0) built.L.Add(dL);
    built.L.Add(KVDataCommon::distance(pL, apex.T1));
    built.L.Add(apex.arcLen);
    if (single) {
        built.L.Add(KVDataCommon::distance(pR, apex.T2));
        if (dR > 0.0) built.L.Add(dR);
    } else {
        built.L.Add(KVDataCommon::distance(apex.P3, apex.T2));
    }
    built.L.Add(w);
    built.dA = KVDataCommon::sum(built.L);

    for (int i = 0; i < built.PtAr.GetSize(); ++i) {
        if (built.PtAr[i].enPoint == 2) {
            built.dB = built.PtAr[i].alf;
            break;
        }
    }
    if (!single) {
        built.dC = apex.theta;
    } else {
        for (int i = 0; i < ptsR.GetSize(); ++i) {
            if (ptsR[i].enPoint == 2) {
                built.dC = ptsR[i].alf;
                break;
            }
        }
    }
    built.nC = flagL;
    built.nD = flagR;
    built.nB = 0;
    built.nA = frame;
    *arc = built;
    return 1;
}

int GetArc2(Atom& atom, int frame, M_ArcWQJ* arc)
{
    if (arc == nullptr) return 0;
    const double y = atom.GetFame_Y(frame);
    const double x0 = atom.bBg - atom.GetXBCD(0, y, 1);
    const double w = atom.dWeldLen;

    CArray<M_XZR> ptsR;
    double dR = 0.0;
    CDblPoint pR;
    int flagR = 0;
    GetArcWQJPtAr(atom, y, 0, ptsR, dR, pR, flagR);

    Apex apex;
    if (!MakeApex(atom, x0, "计算错误072203!", apex)) return 0;

    M_ArcWQJ built = *arc;
    built.PtAr.RemoveAll();
    built.L.RemoveAll();
    AddLeftLeg(atom, x0, apex, built.PtAr);
    AddApex(atom, x0, apex, built.PtAr);
    Append(built.PtAr, ptsR);

    built.L.Add(w);
    built.L.Add(KVDataCommon::distance(apex.P1, apex.T1));
    built.L.Add(apex.arcLen);
    built.L.Add(KVDataCommon::distance(pR, apex.T2));
    if (dR > 0.0) built.L.Add(dR);
    built.L.Add(w);
    built.dA = KVDataCommon::sum(built.L);

    built.dB = apex.theta;
    for (int i = built.PtAr.GetSize() - 1; i >= 0; --i) {
        if (built.PtAr[i].enPoint == 2) {
            built.dC = built.PtAr[i].alf;
            break;
        }
    }
    built.nC = 0;
    built.nD = flagR;
    built.nB = atom.nPier - 1;
    built.nA = frame;
    *arc = built;
    return 1;
}

int Getf2ArcHB(const M_ArcWQJ* a, const M_ArcWQJ* b, int mirror)
{
    if (a == nullptr || b == nullptr) return 0;

    // Same orientation, lengths in whole tenths and totals and angles to one decimal.
    DblArray tenthsA;
    DblArray tenthsB;
    CapBeamRounding::GetIntDbAr(a->L, tenthsA, 1);
    CapBeamRounding::GetIntDbAr(b->L, tenthsB, 1);
    auto r = [](double v) { return CapBeamRounding::GetInt(v, 1); };
    if (a->nA == b->nA && KVDataCommon::IsEqual(tenthsA, tenthsB) && KVDataCommon::IsEqual(r(a->dA), r(b->dA)) &&
        KVDataCommon::IsEqual(r(a->dB), r(b->dB)) && KVDataCommon::IsEqual(r(a->dC), r(b->dC)) && a->nC == b->nC &&
        a->nD == b->nD) {
        return 1;
    }
    if (mirror == 0) return 0;

    // Mirrored, on the values as they are.
    return a->nA == b->nA && KVDataCommon::IsEqual(a->L, Reversed(b->L)) && KVDataCommon::IsEqual(a->dA, b->dA) &&
                   KVDataCommon::IsEqual(a->dB, b->dC) && KVDataCommon::IsEqual(a->dC, b->dB) && a->nC == b->nD &&
                   a->nD == b->nC
               ? 1
               : 0;
}

int Getf2ArcArHB(const CArray<M_ArcWQJ*>* a, const CArray<M_ArcWQJ*>* b)
{
    if (a == nullptr || b == nullptr) return 0;
    if (b->GetSize() < a->GetSize()) return 0;
    for (int i = 0; i < a->GetSize(); ++i) {
        if (!Getf2ArcHB((*a)[i], (*b)[i], 0)) return 0;
    }
    return 1;
}

} // namespace CapBeamBentUpArcs
