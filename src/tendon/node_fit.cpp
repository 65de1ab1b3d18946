// The tendons' control points judged against the beam they run in: stations, depths and fillet radii that do not fit.
#include "tendon/node_fit.h"

#include "calc/key_path.h"
#include "calc/key_value_message.h"
#include "common/is_equal.h"
#include "geometry/corner_angle.h"
#include "geometry/point_distance.h"
#include "geometry/fillet.h"
#include "host/report.h"
#include "tendon/materials.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

namespace pm001_tendon {

namespace {

using NodeAr = CPM001_CapKeyParam::NodeAr;

void Report(const KeyPath& node, const char* key, const std::string& what, double given)
{
    QMReportError(CString(KeyValueMessage(KeyPath(node, key).Path(), what, given).c_str()), 0);
}

// The stations run from the beam's left end (0) to its right end (length), each at or after the
// one before it. A node the tendon runs through lies in the section at its station, between the
// underside and the top there: a depth from the top at least 0 and at most the section's height
// there; one from the lowest bottom (the level the underside stands above) at least the underside's
// level and at most the top's. A node with an arc (arcs[j]) is off the tendon and is judged by its
// arc; measured from the top it stands no lower than the lowest bottom, the deepest level the
// design takes a depth from the top to (it takes the size of the difference, mirroring a deeper one).
// Returns the number of lines reported.
int ReportPoints(const CArray<NodeAr>& points, const KeyPath& nodes, double length, const TopLevel& top,
                 const CapUnderside& underside, const std::vector<std::optional<FilletArc>>& arcs)
{
    int reported = 0;
    for (int j = 0; j < points.GetSize(); ++j) {
        const NodeAr& p = points[j];
        const KeyPath node(nodes, j);
        if (!(p.X >= 0.0 && p.X <= length)) {
            Report(node, "X", "beyond the beam's ends; expected a station from 0 to " + KeyLengthText(length) + " mm", p.X);
            ++reported;
            continue;
        }
        if (j > 0 && p.X < points[j - 1].X) {
            Report(node, "X",
                   "below the station of the node before it; expected at least " + KeyValueText(points[j - 1].X) + " mm",
                   p.X);
            ++reported;
        }
        const double level = top(p.X);
        const double bottom = underside.At(p.X);
        auto station = [&p] { return " at station " + KeyValueText(p.X); };
        if (arcs[j]) {
            if (p.Refline == 0 || !(p.refZ > level)) continue;
            Report(node, "refZ",
                   "puts the fillet's corner below the beam's lowest bottom, the deepest a depth from the top "
                   "reaches; expected at most " + KeyLengthText(level) + " mm, the top's level" + station(),
                   p.refZ);
            ++reported;
        } else if (p.Refline != 0 && p.refZ > level - bottom) {
            Report(node, "refZ",
                   "puts the node below the beam's bottom; expected at most " + KeyLengthText(level - bottom) +
                       " mm, the beam's height" + station(),
                   p.refZ);
            ++reported;
        } else if (p.Refline != 0 && p.refZ < 0.0) {
            Report(node, "refZ",
                   "puts the node above the beam's top; expected at least 0 mm at a node the tendon runs through "
                   "(one without a fillet)",
                   p.refZ);
            ++reported;
        } else if (p.Refline == 0 && p.refZ > level) {
            // Where the underside is flat the top's level is the beam's height.
            Report(node, "refZ",
                   "puts the node above the beam's top; expected at most " + KeyLengthText(level) +
                       (bottom > 0.0 ? " mm, the top's level" : " mm, the beam's height") + station(),
                   p.refZ);
            ++reported;
        } else if (p.Refline == 0 && p.refZ < bottom) {
            Report(node, "refZ",
                   "puts the node below the beam's bottom; expected at least " + KeyLengthText(bottom) +
                       " mm, the underside's level" + station(),
                   p.refZ);
            ++reported;
        }
    }
    return reported;
}

// A fillet radius at an inner node bends the strands in their duct: 0 draws no fillet, any other is
// at least the least radius (the first and the last node draw none, whatever they are given). Each
// node named is marked. Returns the number of lines reported.
int ReportRadii(const CArray<NodeAr>& points, const KeyPath& nodes, double leastRadius, std::vector<bool>& named)
{
    int reported = 0;
    for (int k = 1; k + 1 < points.GetSize(); ++k) {
        const double r = points[k].R;
        if (KVDataCommon::IsEqual(r, 0.0) || !(r < leastRadius) || KVDataCommon::IsEqual(r, leastRadius)) continue;
        Report(KeyPath(nodes, k), "R",
               "bends the tendon tighter than its strands take in their duct; expected 0 (a sharp corner) or at "
               "least " + KeyLengthText(leastRadius) + " mm",
               r);
        named[k] = true;
        ++reported;
    }
    return reported;
}

// The fillet at an inner node k of radius R turns the tendon through the node's deflection
// alf = π - (the angle between its two legs); its tangent points lie T = R × tan(alf / 2) from
// the node along each leg. Returns T for every node, 0 where it draws no fillet (the first and the
// last node carry none). at: the node points.
std::vector<double> TangentLengths(const CArray<NodeAr>& points, const std::vector<CDblPoint>& at)
{
    const int n = points.GetSize();
    std::vector<double> tangent(static_cast<std::size_t>(n), 0.0);
    for (int k = 1; k + 1 < n; ++k) {
        if (KVDataCommon::IsEqual(points[k].R, 0.0)) continue;
        const double corner =
            KVDataCommon::CalAng(at[k - 1].x, at[k - 1].y, at[k].x, at[k].y, at[k + 1].x, at[k + 1].y);
        tangent[k] = points[k].R * std::tan((std::numbers::pi - corner) / 2.0);
    }
    return tangent;
}

// A leg holds the fillets at its two ends only when their tangent lengths together do not exceed it.
bool LegHolds(const std::vector<double>& tangent, const std::vector<CDblPoint>& at, int j)
{
    return !(tangent[j] + tangent[j + 1] > KVDataCommon::distance(at[j], at[j + 1]));
}

bool FilletsFit(const CArray<NodeAr>& points, const std::vector<CDblPoint>& at)
{
    const std::vector<double> tangent = TangentLengths(points, at);
    for (int j = 0; j + 1 < points.GetSize(); ++j)
        if (!LegHolds(tangent, at, j)) return false;
    return true;
}

// Each leg whose fillets do not fit it: where two fillets overlap, the radius of the larger tangent
// length is named, unless it is named already. Returns the number of lines reported.
int ReportFillets(const CArray<NodeAr>& points, const std::vector<CDblPoint>& at, const KeyPath& nodes,
                  std::vector<bool>& named)
{
    const int n = points.GetSize();
    const std::vector<double> tangent = TangentLengths(points, at);
    int reported = 0;
    for (int j = 0; j + 1 < n; ++j) {
        if (LegHolds(tangent, at, j)) continue;
        const double leg = KVDataCommon::distance(at[j], at[j + 1]);
        // Where only one end of the leg is rounded, that fillet reaches past the node at the other.
        const int k = tangent[j] >= tangent[j + 1] ? j : j + 1;
        const int other = k == j ? j + 1 : j;
        if (named[k]) continue;
        named[k] = true;
        const std::string between =
            " the " + KeyLengthText(leg) + " mm between nodes " + std::to_string(j) + " and " + std::to_string(j + 1);
        if (tangent[other] == 0.0) {
            const std::string past = other == 0       ? "the tendon's first node"
                                     : other == n - 1 ? "the tendon's last node"
                                                      : "node " + std::to_string(other);
            Report(KeyPath(nodes, k), "R",
                   "the fillet reaches past " + past + "; its tangent length " + KeyLengthText(tangent[k]) +
                       " mm exceeds" + between,
                   points[k].R);
        } else {
            Report(KeyPath(nodes, k), "R",
                   "the fillet overlaps its neighbour's; their tangent lengths " + KeyLengthText(tangent[j]) + " and " +
                       KeyLengthText(tangent[j + 1]) + " mm exceed" + between,
                   points[k].R);
        }
        ++reported;
    }
    return reported;
}

// The node points as the profile takes them, and the arc at each inner node that has one.
void NodeArcs(const CArray<NodeAr>& points, const TopLevel& top, std::vector<CDblPoint>& at,
              std::vector<std::optional<FilletArc>>& arcs)
{
    const int n = points.GetSize();
    at.resize(static_cast<std::size_t>(n));
    arcs.assign(static_cast<std::size_t>(n), std::nullopt);
    for (int j = 0; j < n; ++j) {
        const NodeAr& p = points[j];
        at[j] = CDblPoint(p.X, p.Refline != 0 ? top(p.X) - p.refZ : p.refZ);
    }
    for (int k = 1; k + 1 < n; ++k) arcs[k] = NodeFillet(at[k - 1], at[k], at[k + 1], points[k].R);
}

// The distance of p from the nearest point of the line through these corners.
double DistanceFrom(const std::vector<CDblPoint>& line, const CDblPoint& p)
{
    double nearest = INFINITY;
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const CDblPoint& a = line[i];
        const double dx = line[i + 1].x - a.x, dy = line[i + 1].y - a.y;
        const double t = KVDataCommon::NearestAlongSegment(p, a, line[i + 1]);
        nearest = std::min(nearest, std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy));
    }
    return nearest;
}

// The beam's elevation: its underside from the left end to the right and its top back, each
// straight between its corners (the tapered parts' feet, the crown); corners: the two in turn.
struct Elevation {
    const TopLevel& level;
    const CapUnderside& u;
    std::vector<CDblPoint> underside;
    std::vector<CDblPoint> top;
    std::vector<CDblPoint> corners;

    Elevation(double length, const TopLevel& topLevel, double crown, const CapUnderside& bottom)
        : level(topLevel), u(bottom)
    {
        for (const double x : {0.0, u.leftRun, length - u.rightRun, length})
            if (x >= 0.0 && x <= length && (underside.empty() || x > underside.back().x))
                underside.push_back({x, u.At(x)});
        for (const double x : {length, crown, 0.0})
            if (x >= 0.0 && x <= length && (top.empty() || x < top.back().x)) top.push_back({x, level(x)});
        corners = underside;
        corners.insert(corners.end(), top.begin(), top.end());
    }

    // How far p stands inside the top and the underside, square to them; less than 0 beyond them.
    double BelowTop(const CDblPoint& p) const { return DistanceFrom(top, p) * (p.y > level(p.x) ? -1.0 : 1.0); }
    double AboveUnderside(const CDblPoint& p) const
    {
        return DistanceFrom(underside, p) * (p.y < u.At(p.x) ? -1.0 : 1.0);
    }
};

// Whether a clearance leaves less room than the duct's half size (radius).
bool Short(double clearance, double radius)
{
    return clearance < radius && !KVDataCommon::IsEqual(clearance, radius);
}

std::string DuctOfArc(double r, double duct)
{
    const std::string arc = "the tendon's arc about the node (radius " + KeyValueText(r) + " mm";
    return duct > 0.0 ? "the duct of " + arc + ", duct " + KeyLengthText(duct) + " mm)" : arc + ")";
}

// A filleted node's corner may lie beyond the top or the underside only so far as its arc brings
// the tendon back in between the nodes beside it. On a tendon whose fillets do not fit their legs,
// a node whose corner lies beyond a face is named by its refZ rather than a radius when
// - the arc's point nearest the corner, R / cos(alf / 2) - R from it along the bisector (alf the
//   deflection), leaves its duct (half the duct's size about it) beyond that face: no arc of that
//   radius brings the tendon back in there, and a smaller one, which the fillets' fit asks for,
//   comes back less far; or
// - with the corner on that face the fillets fit: the corner's distance beyond it is what turns
//   the legs so sharply that their fillets outgrow them.
// Returns the number of lines reported.
int ReportCornersTooFarOut(const CArray<NodeAr>& points, const std::vector<CDblPoint>& at,
                           const std::vector<std::optional<FilletArc>>& arcs, const KeyPath& nodes,
                           const Elevation& beam, double duct, std::vector<bool>& named)
{
    const double radius = duct / 2.0;
    int reported = 0;
    for (int k = 0; k < points.GetSize(); ++k) {
        if (!arcs[k] || named[k]) continue;
        const CDblPoint& corner = at[k];
        const double top = beam.level(corner.x), bottom = beam.u.At(corner.x);
        const bool above = corner.y > top;
        if (!above && !(corner.y < bottom)) continue;
        const FilletArc& arc = *arcs[k];
        const double fromCentre = KVDataCommon::distance(arc.centre, corner);
        const double s = arc.radius / fromCentre;
        const CDblPoint nearest(arc.centre.x + (corner.x - arc.centre.x) * s,
                                arc.centre.y + (corner.y - arc.centre.y) * s);
        const double clearance = above ? beam.BelowTop(nearest) : beam.AboveUnderside(nearest);
        std::vector<CDblPoint> onFace = at;
        onFace[k].y = above ? top : bottom;
        const char* face = above ? "top" : "underside";
        std::string why;
        if (Short(clearance, radius))
            why = "to bring the tendon back in: the arc comes back only " + KeyLengthText(fromCentre - arc.radius) +
                  " mm from the corner, where " + (duct > 0.0 ? "its duct (" + KeyLengthText(duct) + " mm) reaches "
                                                             : std::string("it lies ")) +
                  KeyLengthText(radius - clearance) + " mm " + (above ? "above" : "below") + " the " + face;
        else if (FilletsFit(points, onFace))
            why = std::string("to fit its legs: the tendon's fillets outgrow them there, and fit with the corner "
                              "on the ") + face;
        else
            continue;
        named[k] = true;
        Report(KeyPath(nodes, k), "refZ",
               "puts the fillet's corner " + KeyLengthText(above ? corner.y - top : bottom - corner.y) + " mm " +
                   (above ? "above the beam's top" : "below the beam's underside") + " at station " +
                   KeyValueText(corner.x) + ", too far for its arc of radius " + KeyValueText(points[k].R) + " mm " +
                   why + "; expected the corner nearer the " + face,
               points[k].refZ);
        ++reported;
    }
    return reported;
}

// A filleted node is off the tendon: the tendon follows the node's arc, which holds its duct (a disc
// of half the duct's outer size upright about its axis) within the beam when every point of it
// stands at least that far inside the underside and the top, square to them. The node's refZ,
// which places the arc, is named with how far the duct (or the arc, without a duct) reaches past
// the face nearest it. Returns the number of lines reported.
int ReportArcs(const CArray<NodeAr>& points, const std::vector<std::optional<FilletArc>>& arcs, const KeyPath& nodes,
               const Elevation& beam, double duct, std::vector<bool>& named)
{
    const double radius = duct / 2.0;
    int reported = 0;
    for (int k = 0; k < points.GetSize(); ++k) {
        if (!arcs[k] || named[k]) continue;
        // Clearance: the distance inside the nearer face, less than 0 beyond it.
        double least = INFINITY;
        CDblPoint worst;
        bool atTop = true;
        for (const CDblPoint& p : ArcPointsNearestSides(*arcs[k], beam.corners)) {
            const double fromTop = beam.BelowTop(p);
            const double fromUnderside = beam.AboveUnderside(p);
            const double clearance = std::min(fromTop, fromUnderside);
            if (clearance < least) least = clearance, worst = p, atTop = fromTop <= fromUnderside;
        }
        if (!Short(least, radius)) continue;
        named[k] = true;
        Report(KeyPath(nodes, k), "refZ",
               "puts " + DuctOfArc(points[k].R, duct) + " " + KeyLengthText(radius - least) + " mm " +
                   (atTop ? "above the beam's top" : "below the beam's underside") + " at station " +
                   KeyLengthText(worst.x) + "; expected the arc" + (duct > 0.0 ? " and its duct" : "") +
                   " within the beam",
               points[k].refZ);
        ++reported;
    }
    return reported;
}

} // namespace

std::optional<FilletArc> NodeFillet(const CDblPoint& a, const CDblPoint& b, const CDblPoint& c, double r)
{
    CDblPoint from, to, centre;
    if (KVDataCommon::IsEqual(r, 0.0) || CalFillet(a, b, c, r, from, to, centre) == 0) return std::nullopt;
    return FilletArc{from, to, centre, r};
}

std::vector<CDblPoint> ArcPointsNearestSides(const FilletArc& arc, const std::vector<CDblPoint>& corners)
{
    std::vector<CDblPoint> points{arc.from, arc.to};
    const CDblPoint& o = arc.centre;
    const double ax = arc.from.x - o.x, ay = arc.from.y - o.y;
    const double bx = arc.to.x - o.x, by = arc.to.y - o.y;
    const double turn = ax * by - ay * bx;
    // The point of the circle in direction (dx, dy) from its centre lies on the arc when the direction
    // lies between the arc's ends, on the arc's side (a fillet turns through less than a half turn).
    auto toward = [&](double dx, double dy) {
        const double size = std::hypot(dx, dy);
        if (!(size > 0.0)) return;
        dx /= size, dy /= size;
        const bool between = (ax * dy - ay * dx) * turn >= 0.0 && (dx * by - dy * bx) * turn >= 0.0;
        if (between && dx * (ax + bx) + dy * (ay + by) > 0.0)
            points.emplace_back(o.x + arc.radius * dx, o.y + arc.radius * dy);
    };
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const CDblPoint& v = corners[i];
        const CDblPoint& w = corners[(i + 1) % corners.size()];
        toward(v.x - o.x, v.y - o.y);
        toward(w.y - v.y, v.x - w.x);
        toward(v.y - w.y, w.x - v.x);
    }
    return points;
}

double LeastTendonBendRadius(double strandDiameter)
{
    return strandDiameter > 15.24 && !KVDataCommon::IsEqual(strandDiameter, 15.24) ? 6000.0 : 4000.0;
}

int ReportTendonNodesNotFitting(const CArray<struct CPM001_CapKeyParam::SteelAr>& tendons, double length,
                                const TopLevel& top, double crown, const CapUnderside& underside,
                                double leastRadius, const std::string& root)
{
    const KeyPath start(root);
    const KeyPath cap(start, "cap");
    const KeyPath all(cap, "SteelAr");
    const Elevation beam(length, top, crown, underside);
    std::vector<CDblPoint> at;
    std::vector<std::optional<FilletArc>> arcs;
    int reported = 0;
    for (int i = 0; i < tendons.GetSize(); ++i) {
        const KeyPath tendon(all, i);
        const KeyPath nodes(tendon, "Node");
        NodeArcs(tendons[i].Node, top, at, arcs);
        const int points = ReportPoints(tendons[i].Node, nodes, length, top, underside, arcs);
        std::vector<bool> named(static_cast<std::size_t>(tendons[i].Node.GetSize()), false);
        reported += ReportRadii(tendons[i].Node, nodes, leastRadius, named);
        // A point out of place moves the legs: the fillets and arcs are judged once it is mended.
        if (points > 0) {
            reported += points;
            continue;
        }
        const double catalogue = CatalogueDuctSize(tendons[i].BseriesIndex).upright;
        const double duct = std::isfinite(catalogue) && catalogue > 0.0 ? catalogue : 0.0;
        // Fillets that overlap or reach past a node leave no leg where it is meant to run; where a
        // corner too far out is what leaves them so, its depth is named, not a radius.
        if (!FilletsFit(tendons[i].Node, at)) {
            int faults = ReportCornersTooFarOut(tendons[i].Node, at, arcs, nodes, beam, duct, named);
            if (faults == 0) faults = ReportFillets(tendons[i].Node, at, nodes, named);
            reported += faults;
            if (faults > 0) continue;
        }
        reported += ReportArcs(tendons[i].Node, arcs, nodes, beam, duct, named);
    }
    return reported;
}

} // namespace pm001_tendon
