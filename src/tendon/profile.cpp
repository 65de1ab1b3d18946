// The elevation profile of one tendon: a polyline through its control points whose corners may be
// rounded by circular fillets, in the elevation plane of the cap beam (x station, z height above
// the bottom face).
#include "tendon/profile.h"

#include "common/is_equal.h"
#include "geometry/arc_from_centre.h"
#include "geometry/corner_angle.h"
#include "geometry/fillet.h"
#include "geometry/line_arc_intersection.h"
#include "geometry/line_intersection.h"
#include "geometry/point_distance.h"
#include "host/report.h"

#include <cmath>
#include <numbers>

namespace pm001_tendon {

namespace {

using KVDataCommon::IsEqual;
constexpr double kPi = std::numbers::pi;

// Node classes: first and last node; inner nodes measured from the top (a run parallel to the
// top begins, ends, other) and from the bottom (the same for the bottom).
enum NodeClass {
    kFirst = 1,
    kTopRunBegins = 2,
    kTopRunEnds = 3,
    kBottomRunBegins = 4,
    kBottomRunEnds = 5,
    kBottomOther = 6,
    kTopOther = 7,
    kLast = 8,
};

// More sampling stations than this mean stations or a step that no cap beam has.
constexpr double kMostSamples = 1e7;

void Report(const char* message) { QMReportError(CString(message), 0); }

// Distances of a control point from the top face (A) and from the bottom face (B).
struct FaceDistances {
    double fromTop = 0.0;
    double fromBottom = 0.0;
};

// Step 1: the node table with the classes of the nodes.
void BuildNodes(const CPM001T010401Atom& atom, const TopLevel& top, const CArray<CPM001_CapKeyParam::NodeAr>& points,
                M_Steel& steel)
{
    const int n = points.GetSize();
    steel.LNode.SetSize(n);
    std::vector<FaceDistances> d(static_cast<std::size_t>(n));
    for (int j = 0; j < n; ++j) {
        const auto& p = points[j];
        M_LNode& node = steel.LNode[j];
        const double h = top(p.X);
        node.NR.Format("%d", j + 1);
        node.X = p.X;
        node.Refline = p.Refline != 0 ? 1 : 0;
        node.refZ = p.refZ;
        node.Z = node.Refline ? std::fabs(h - p.refZ) : p.refZ;
        node.R = p.R;
        // alf, T, S, E and ZZ follow with the fillets.
        d[j] = node.Refline ? FaceDistances{p.refZ, h - p.refZ} : FaceDistances{h - p.refZ, p.refZ};
    }
    const bool oneSlope = IsEqual(atom.iLb, -atom.iRb) != 0;
    for (int j = 0; j < n; ++j) {
        M_LNode& node = steel.LNode[j];
        if (j == 0) {
            node.property = kFirst;
            continue;
        }
        if (j == n - 1) {
            node.property = kLast;
            continue;
        }
        const bool fromTop = node.Refline != 0;
        const double here = fromTop ? d[j].fromTop : d[j].fromBottom;
        const double before = fromTop ? d[j - 1].fromTop : d[j - 1].fromBottom;
        const double after = fromTop ? d[j + 1].fromTop : d[j + 1].fromBottom;
        const bool sameAsBefore = IsEqual(here, before) != 0;
        const bool sameAsAfter = IsEqual(here, after) != 0;
        if (!sameAsBefore && sameAsAfter)
            node.property = fromTop ? kTopRunBegins : kBottomRunBegins;
        else if (sameAsBefore && !sameAsAfter)
            node.property = fromTop ? kTopRunEnds : kBottomRunEnds;
        else
            node.property = fromTop ? kTopOther : kBottomOther;

        // A run parallel to the top that passes over the crown of a two-slope top stays parallel
        // to the bottom instead.
        if (node.property == kTopRunBegins && !oneSlope) {
            const double x0 = node.X, x1 = steel.LNode[j + 1].X;
            const bool crownBetween = (x0 < atom.bAc && atom.bAc < x1) || (x1 < atom.bAc && atom.bAc < x0);
            if (crownBetween && IsEqual(d[j].fromBottom, d[j + 1].fromBottom) && !IsEqual(atom.iLb, 0.0))
                node.property = kBottomRunBegins;
        }
    }
}

// Step 2: the faces the nodes are measured from, and the face the boundary heights are given from.
void ReferenceFaces(const CPM001T010401Atom& atom, M_Steel& steel)
{
    CArray<double> faces;
    for (int j = 0; j < steel.LNode.GetSize(); ++j) faces.Add(steel.LNode[j].Refline);
    steel.Ckline = 2;
    if (faces.GetSize() > 0 && IsEqual(faces, 1e-05)) {
        if (IsEqual(faces[0], 1.0))
            steel.Ckline = 1;
        else if (IsEqual(faces[0], 0.0))
            steel.Ckline = 0;
    }
    if (atom.FVCkplace == 0)
        steel.Ckplace = 0;
    else if (atom.FVcurve != 0)
        steel.Ckplace = steel.Ckline == 1 ? 1 : 0;
    else
        steel.Ckplace = steel.Ckline;
}

// Step 3: the fillets and the deflections at the nodes. Only an inner node has a corner to
// round: a radius given at the first or the last node draws no fillet.
void FilletsAndAngles(M_Steel& steel, TendonProfileWork& work)
{
    const int n = steel.LNode.GetSize();
    work.fillet.assign(static_cast<std::size_t>(n), 0);
    for (int k = 0; k < n; ++k) {
        M_LNode& node = steel.LNode[k];
        const CDblPoint p2(node.X, node.Z);
        work.nodePts.Add(p2);
        node.ZZ = node.refZ;
        node.alf = node.T = node.S = node.E = 0.0;
        const bool inner = k > 0 && k < n - 1;
        if (!inner) continue;
        const CDblPoint p1(steel.LNode[k - 1].X, steel.LNode[k - 1].Z);
        const CDblPoint p3(steel.LNode[k + 1].X, steel.LNode[k + 1].Z);
        if (!IsEqual(node.R, 0.0)) {
            CDblPoint t1, t2, o;
            CalFillet(p1, p2, p3, node.R, t1, t2, o);
            double r = 0.0, start = 0.0, sweep = 0.0;
            CalArcFromSCE(t2, o, t1, r, start, sweep);
            if (sweep > 180.0) CalArcFromSCE(t1, o, t2, r, start, sweep);
            const double length = sweep / 180.0 * kPi * r;
            work.fillet[k] = 1;
            work.tanPts.Add(t1);
            work.tanPts.Add(t2);
            work.cenPts.Add(o);
            work.arcStart.Add(start);
            work.arcSweep.Add(sweep);
            work.arcR.Add(r);
            work.arcLength.Add(length);
            node.alf = sweep / 180.0 * kPi;
            node.T = KVDataCommon::distance(t2, p2);
            node.S = length;
            node.E = std::sqrt(node.T * node.T + node.R * node.R) - node.R;
        } else {
            node.alf = kPi - KVDataCommon::CalAng(p1.x, p1.y, p2.x, p2.y, p3.x, p3.y);
        }
    }
}

// Step 4: horizontal distances between the nodes and between the break points of the tangent chain.
void HorizontalDistances(M_Steel& steel, const TendonProfileWork& work)
{
    const int n = steel.LNode.GetSize();
    steel.Dsx.RemoveAll();
    steel.Ysx.RemoveAll();
    for (int k = 1; k < n; ++k) steel.Dsx.Add(steel.LNode[k].X - steel.LNode[k - 1].X);
    const int tangents = work.tanPts.GetSize();
    if (tangents == 0) return;
    steel.Ysx.Add(work.tanPts[0].x - steel.LNode[0].X);
    for (int i = 1; i < tangents; ++i) steel.Ysx.Add(work.tanPts[i].x - work.tanPts[i - 1].x);
    steel.Ysx.Add(steel.LNode[n - 1].X - work.tanPts[tangents - 1].x);
}

// Step 5: the straight and arc pieces from the first to the last node, and the heights at their
// boundaries, given from the face that Ckplace names.
void PiecesAndHeights(M_Steel& steel, const TendonProfileWork& work, const TopLevel& top)
{
    const int n = steel.LNode.GetSize();
    const auto height = [&](const CDblPoint& p) { return steel.Ckplace ? top(p.x) - p.y : p.y; };
    const auto straight = [&](const CDblPoint& from, const CDblPoint& to) {
        steel.L.Add(KVDataCommon::distance(from, to));
        steel.LKind.Add(1);
    };
    steel.L.RemoveAll();
    steel.LKind.RemoveAll();
    steel.YZ.RemoveAll();
    CDblPoint previous = work.nodePts[0];
    int m = 0;
    for (int k = 0; k < n; ++k) {
        const CDblPoint& point = work.nodePts[k];
        if (k == 0) {
            steel.YZ.Add(height(point));
        } else if (k < n - 1 && work.fillet[k]) {
            const CDblPoint& in = work.tanPts[2 * m];
            const CDblPoint& out = work.tanPts[2 * m + 1];
            steel.YZ.Add(height(in));
            steel.YZ.Add(height(out));
            straight(previous, in);
            steel.L.Add(work.arcLength[m]);
            steel.LKind.Add(0);
            previous = out;
            ++m;
        } else {
            // A sharp inner node gives its refZ as entered, from whichever face it was measured;
            // the last node its height from the table's face.
            steel.YZ.Add(k < n - 1 ? steel.LNode[k].refZ : height(point));
            straight(previous, point);
            previous = point;
        }
    }
}

// The piece of the profile a sampling station lies on: a straight piece from p to q, or arc m.
struct Piece {
    enum Kind { None, Straight, Arc } kind = None;
    CDblPoint p, q;
    int arc = -1;
};

Piece StraightPiece(const CDblPoint& p, const CDblPoint& q) { return Piece{Piece::Straight, p, q, -1}; }
Piece ArcPiece(int m) { return Piece{Piece::Arc, {}, {}, m}; }

bool AtOrBelow(double s, double a) { return s < a || IsEqual(s, a); }
bool AtOrAbove(double s, double a) { return s > a || IsEqual(s, a); }

// The piece that holds station s; a station at a node (within the tolerance) belongs to the piece
// on the node's left.
Piece PieceAt(double s, const M_Steel& steel, const TendonProfileWork& work)
{
    const int n = steel.LNode.GetSize();
    const auto& pts = work.nodePts;
    const auto& tan = work.tanPts;
    const auto x = [&](int k) { return steel.LNode[k].X; };
    if (n < 2) return {};
    if (AtOrBelow(s, x(1))) {
        if (!work.fillet[1]) return StraightPiece(pts[0], pts[1]);
        return AtOrBelow(s, tan[0].x) ? StraightPiece(pts[0], tan[0]) : ArcPiece(0);
    }
    if (AtOrAbove(s, x(n - 2))) {
        if (!work.fillet[n - 2]) return StraightPiece(pts[n - 2], pts[n - 1]);
        const CDblPoint& last = tan[tan.GetSize() - 1];
        return AtOrAbove(s, last.x) ? StraightPiece(last, pts[n - 1]) : ArcPiece(work.FilletCount() - 1);
    }
    int m = work.fillet[0] ? 1 : 0;   // fillets at the nodes 0 .. i
    for (int i = 1; i <= n - 2; ++i) {
        if (work.fillet[i]) ++m;
        if (!(x(i) < s && AtOrBelow(s, x(i + 1)))) continue;
        const bool here = work.fillet[i] != 0, next = work.fillet[i + 1] != 0;
        if (!here && !next) return StraightPiece(pts[i], pts[i + 1]);
        if (!here) return AtOrBelow(s, tan[2 * m].x) ? StraightPiece(pts[i], tan[2 * m]) : ArcPiece(m);
        if (!next)
            return AtOrAbove(s, tan[2 * m - 1].x) ? StraightPiece(tan[2 * m - 1], pts[i + 1]) : ArcPiece(m - 1);
        if (s < tan[2 * m - 1].x) return ArcPiece(m - 1);
        if (!(s > tan[2 * m].x)) return StraightPiece(tan[2 * m - 1], tan[2 * m]);
        return ArcPiece(m);
    }
    return {};
}

// The height where the vertical through s crosses the profile; false when it does not.
bool HeightAt(double s, const M_Steel& steel, const TendonProfileWork& work, double& z)
{
    const Piece piece = PieceAt(s, steel, work);
    const CDblPoint low(s, 0.0), high(s, 1000.0);
    CDblPointArray crossings;
    if (piece.kind == Piece::Straight) {
        XLineLine(low, high, piece.p, piece.q, crossings, 3);
    } else if (piece.kind == Piece::Arc) {
        const int m = piece.arc;
        XLineArc(low, high, work.cenPts[m].x, work.cenPts[m].y, work.arcR[m], work.arcStart[m], work.arcSweep[m],
                 crossings, 1);
    }
    if (crossings.GetSize() == 0) return false;
    z = crossings[0].y;
    return true;
}

// Step 6: the profile sampled every js along the beam, between the first and the last node.
bool Sample(const CPM001T010401Atom& atom, M_Steel& steel, const TendonProfileWork& work)
{
    steel.X.RemoveAll();
    steel.Z.RemoveAll();
    if (atom.FVszb == 0 || !(atom.js > 0.0)) return true;
    const int n = steel.LNode.GetSize();
    const M_LNode& first = steel.LNode[0];
    const M_LNode& last = steel.LNode[n - 1];
    // Stations or a step out of all proportion would sample without end.
    if (!std::isfinite(first.X) || !std::isfinite(last.X) || !std::isfinite(atom.js) ||
        (std::fabs(first.X) + std::fabs(last.X)) / atom.js > kMostSamples)
        return false;

    double s = 0.0;
    while (!(s > first.X && !IsEqual(s, first.X))) s += atom.js;
    steel.X.Add(first.X);
    steel.Z.Add(first.Z);
    while (s < last.X) {
        steel.X.Add(s);
        double z = 0.0;
        if (!HeightAt(s, steel, work, z)) return false;
        steel.Z.Add(z);
        s += atom.js;
    }
    steel.X.Add(last.X);
    steel.Z.Add(last.Z);
    return true;
}

} // namespace

int BuildTendonProfile(const CPM001T010401Atom& atom, const TopLevel& top,
                       const CArray<CPM001_CapKeyParam::NodeAr>& points, M_Steel& steel, TendonProfileWork& work)
{
    work = TendonProfileWork{};
    if (points.GetSize() < 1) return 0;
    BuildNodes(atom, top, points, steel);
    ReferenceFaces(atom, steel);
    FilletsAndAngles(steel, work);
    HorizontalDistances(steel, work);
    PiecesAndHeights(steel, work, top);
    if (!Sample(atom, steel, work)) {
        Report("计算错误06110301");
        return 0;
    }
    return 1;
}

std::unique_ptr<M_SteelFD> FinishTendonProfile(const CPM001T010401Atom& atom, M_Steel& steel,
                                               const TendonProfileWork& work)
{
    const int n = steel.LNode.GetSize();
    const double firstX = n > 0 ? steel.LNode[0].X : 0.0;
    const double lastX = n > 0 ? steel.LNode[n - 1].X : 0.0;

    // End types: -1 an end not tensioned; 0 the outermost tendon end of the beam; 1 within the
    // cantilever's variable-height part; 2 elsewhere.
    if (steel.PT == 2)
        steel.lMC = -1;
    else if (atom.fm == firstX)
        steel.lMC = 0;
    else if (atom.bBpl > 0.0 && atom.bBpl >= firstX)
        steel.lMC = 1;
    else
        steel.lMC = 2;
    if (steel.PT == 1)
        steel.rMC = -1;
    else if (atom.fmr == atom.bBg - lastX)
        steel.rMC = 0;
    else if (atom.bBpr > 0.0 && atom.bBg - atom.bBpr < lastX)
        steel.rMC = 1;
    else
        steel.rMC = 2;
    steel.FVPTLDL = steel.lMC == 0 ? 1 : 0;
    steel.FVPTQPL = steel.lMC == 1 ? 1 : 0;
    steel.FVPTLDR = steel.rMC == 0 ? 1 : 0;
    steel.FVPTQPR = steel.rMC == 1 ? 1 : 0;

    steel.pCurve = std::make_unique<CCircleCurve>();
    for (int k = 0; k < n; ++k)
        steel.pCurve->AddControlPoint(work.nodePts[k].x, work.nodePts[k].y, steel.LNode[k].R, 1);

    auto pieces = std::make_unique<M_SteelFD>();
    pieces->TanPts.Copy(work.tanPts);
    pieces->CenPts.Copy(work.cenPts);
    pieces->ArcStart.Copy(work.arcStart);
    pieces->ArcSweep.Copy(work.arcSweep);
    pieces->ArcR.Copy(work.arcR);
    pieces->NodePts.Copy(work.nodePts);
    return pieces;
}

} // namespace pm001_tendon
