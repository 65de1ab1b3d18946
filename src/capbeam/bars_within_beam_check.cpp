// The check of a designed cap beam's reinforcement against the concrete of the beam.
#include "capbeam/bars_within_beam_check.h"

#include "capbeam/cap_beam_reinforcement.h"
#include "capbeam/design_result_faults.h"
#include "capbeam/skeleton/through_bars.h"
#include "capbeam/stirrups/laid_stirrups.h"
#include "calc/key_path.h"
#include "common/bar_sizes.h"
#include "common/is_equal.h"
#include "geometry/fillet.h"
#include "geometry/point_distance.h"
#include "pier/cap_underside.h"
#include "tendon/design_object.h"
#include "tendon/materials.h"
#include "tendon/node_fit.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using KVDataCommon::IsEqual;
using DesignResultFaults::FaultsByKind;
using DesignResultFaults::kSubject;
using DesignResultFaults::RealText;

namespace {

bool Below(double value, double bound) { return value < bound && !IsEqual(value, bound); }

// The beam's elevation as a frame sees it: x along the beam from its left end (0 to length), z up
// from its lowest bottom. The top follows the cross slopes (a kink at the crown), the underside
// rises over the tapered parts to the end faces.
class Outline {
public:
    explicit Outline(const CPM001T0101Atom& cap)
        : m_cap(cap), m_length(cap.bBg), m_underside{cap.bBg, cap.bBpl, cap.hHpl, cap.bBpr, cap.hHpr}
    {
        // Its corners, around the section: the underside from the left end to the right, the right
        // end face, the top (over the crown) and the left end face back to the start.
        const double l = m_length;
        m_corners = {{0.0, Bottom(0.0)}, {cap.bBpl, 0.0}, {l - cap.bBpr, 0.0}, {l, Bottom(l)}, {l, Top(l)}};
        if (cap.bAc > 0.0 && cap.bAc < l) m_corners.push_back({cap.bAc, Top(cap.bAc)});
        m_corners.push_back({0.0, Top(0.0)});
        // The steepest the underside or the top runs: a point that stands r·√(1 + m²) from either
        // of them straight above or below holds a disc of radius r clear of both.
        double steepest = std::max(std::fabs(cap.iLb), std::fabs(cap.iRb));
        if (cap.bBpl > 0.0) steepest = std::max(steepest, std::fabs(cap.hHpl / cap.bBpl));
        if (cap.bBpr > 0.0) steepest = std::max(steepest, std::fabs(cap.hHpr / cap.bBpr));
        m_slant = std::sqrt(1.0 + steepest * steepest);
    }

    double Length() const { return m_length; }
    const std::vector<CDblPoint>& Corners() const { return m_corners; }
    double Top(double x) const { return m_cap.GetFame_XZ(x) + m_cap.st.ua; }
    double Bottom(double x) const { return m_underside.At(x); }

    // The point lies in the concrete: between the end faces, the underside and the top.
    bool Holds(const CDblPoint& p) const
    {
        return std::isfinite(p.x) && std::isfinite(p.y) && !Below(p.x, 0.0) && !Below(m_length, p.x) &&
               !Below(p.y, Bottom(p.x)) && !Below(Top(p.x), p.y);
    }

    // A disc of radius r about p lies in the concrete, seen without looking for the nearest face:
    // r from either end face, and far enough above the underside and below the top for the
    // steepest of their slopes. false says nothing.
    bool HoldsClear(const CDblPoint& p, double r) const
    {
        const double rise = r * m_slant;
        return p.x >= r && m_length - p.x >= r && p.y - Bottom(p.x) >= rise && Top(p.x) - p.y >= rise;
    }

    // The point of the outline nearest to p; without the end faces (endFaces false), the point of
    // the underside or the top nearest to it.
    CDblPoint Nearest(const CDblPoint& p, bool endFaces = true) const
    {
        CDblPoint best = m_corners.front();
        double bestSquared = INFINITY;
        for (std::size_t i = 0; i < m_corners.size(); ++i) {
            const CDblPoint& a = m_corners[i];
            const CDblPoint& b = m_corners[(i + 1) % m_corners.size()];
            if (!endFaces && a.x == b.x && (a.x == 0.0 || a.x == m_length)) continue;
            const double dx = b.x - a.x, dy = b.y - a.y;
            const double t = KVDataCommon::NearestAlongSegment(p, a, b);
            const CDblPoint at(a.x + t * dx, a.y + t * dy);
            const double d = (p.x - at.x) * (p.x - at.x) + (p.y - at.y) * (p.y - at.y);
            if (d < bestSquared) bestSquared = d, best = at;
        }
        return best;
    }

    // What a message says of the beam at station x (at the end face beyond an end).
    std::string There(double x) const
    {
        const double at = x < 0.0 ? 0.0 : x > m_length ? m_length : x;
        const double bottom = Bottom(at);
        return "(x 0 to " + RealText(m_length, 1) + ", z " + (bottom == 0.0 ? std::string("0") : RealText(bottom, 1)) +
               " to " + RealText(Top(at), 1) + " there)";
    }

    // The section's height at station x less the top and bottom covers of the skeleton's bars.
    double NetHeight(double x) const { return Top(x) - Bottom(x) - m_cap.st.ua - m_cap.st.da; }

    // The largest of NetHeight over the stations from a to b: the height is straight between the
    // outline's corners, so it is largest at an end of the stretch or at a corner within it.
    double LargestNetHeight(double a, double b) const
    {
        double largest = std::max(NetHeight(a), NetHeight(b));
        for (const CDblPoint& corner : m_corners)
            if (corner.x > a && corner.x < b) largest = std::max(largest, NetHeight(corner.x));
        return largest;
    }

private:
    const CPM001T0101Atom& m_cap;
    double m_length;
    CapUnderside m_underside;
    std::vector<CDblPoint> m_corners;
    double m_slant = 1.0;
};

// A point of a bar's centre line that bounds the bar, the index of its vertex, whether it lies on
// that vertex's bend, and at a free end the unit normal of the bar there (zero elsewhere).
struct BoundingPoint {
    CDblPoint at;
    int vertex = 0;
    bool onBend = false;
    CDblPoint endNormal{0.0, 0.0};
};

double Cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

// The unit normal of the leg from a to b; zero for a leg of no length.
CDblPoint LegNormal(const CDblPoint& a, const CDblPoint& b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::hypot(dx, dy);
    return length > 0.0 ? CDblPoint(-dy / length, dx / length) : CDblPoint(0.0, 0.0);
}

// The points of a bar that bound it: its free ends and kinks, and for each bend the two points
// where its arc meets the straight legs and the arc's points farthest along and across the beam.
// A bend is a vertex with a bend radius between two legs that turn; its vertex is the corner
// where the legs would meet, which lies off the bar.
void BoundingPoints(const CapBeamRecords::singAr& bar, std::vector<BoundingPoint>& points)
{
    const auto& pts = bar.PtAr;
    const int n = pts.GetSize();
    auto at = [&pts](int i) { return CDblPoint(pts[i].x, pts[i].z); };
    for (int i = 0; i < n; ++i) {
        const CDblPoint corner = at(i);
        const double r = pts[i].RR;
        CDblPoint a, b, centre;
        const bool bend = i > 0 && i + 1 < n && CalFillet(at(i - 1), corner, at(i + 1), r, a, b, centre) != 0;
        if (!bend) {
            CDblPoint normal(0.0, 0.0);
            if (n > 1 && i == 0) normal = LegNormal(corner, at(1));
            if (n > 1 && i == n - 1) normal = LegNormal(at(n - 2), corner);
            points.push_back({corner, i, false, normal});
            continue;
        }
        points.push_back({a, i, true});
        points.push_back({b, i, true});
        // A point of the circle straight along or across from its centre lies on the arc when it
        // lies between the arc's ends, on the arc's side of the centre.
        const double ax = a.x - centre.x, ay = a.y - centre.y;
        const double bx = b.x - centre.x, by = b.y - centre.y;
        const double turn = Cross(ax, ay, bx, by);
        for (const auto& [dx, dy] : {std::pair{1.0, 0.0}, {-1.0, 0.0}, {0.0, 1.0}, {0.0, -1.0}}) {
            const bool between = Cross(ax, ay, dx, dy) * turn >= 0.0 && Cross(dx, dy, bx, by) * turn >= 0.0 &&
                                 dx * (ax + bx) + dy * (ay + by) > 0.0;
            if (between) points.push_back({CDblPoint(centre.x + r * dx, centre.y + r * dy), i, true});
        }
    }
}

// The point of the bar's surface about a bounding point that lies outside the concrete, if any.
// The surface stands half the bar's diameter (radius) about the centre line. At a free end the bar
// is cut square: its end face reaches radius to either side across the bar, not along it. At a
// kink or on a bend it reaches radius towards the nearest face of the beam.
bool SurfaceOutside(const Outline& outline, const BoundingPoint& p, double radius, CDblPoint& out)
{
    if (!outline.Holds(p.at)) {
        out = p.at;
        return true;
    }
    if (!(radius > 0.0)) return false;
    if (p.endNormal.x != 0.0 || p.endNormal.y != 0.0) {
        for (const double side : {radius, -radius}) {
            const CDblPoint edge(p.at.x + side * p.endNormal.x, p.at.y + side * p.endNormal.y);
            if (outline.Holds(edge)) continue;
            out = edge;
            return true;
        }
        return false;
    }
    if (outline.HoldsClear(p.at, radius)) return false;
    const CDblPoint face = outline.Nearest(p.at);
    const double distance = std::hypot(face.x - p.at.x, face.y - p.at.y);
    if (!Below(distance, radius)) return false;
    // On the face itself the nearest face says no direction: the surface reaches past it by radius.
    out = distance > 0.0 ? CDblPoint(p.at.x + (face.x - p.at.x) * radius / distance,
                                     p.at.y + (face.y - p.at.y) * radius / distance)
                         : face;
    return true;
}

// The skeleton frames' bars: their surface about every bounding point within the concrete.
void JudgeSkeletonBars(const CPM001T0101Atom& cap, const Outline& outline, FaultsByKind& faults)
{
    const double diameter = KVDataCommon::wd(cap.st.d, cap.st.type);
    const double radius = std::isfinite(diameter) && diameter > 0.0 ? diameter / 2.0 : 0.0;
    std::vector<BoundingPoint> points;
    const auto& frames = cap.st.Frame;
    for (int f = 0; f < frames.GetSize(); ++f) {
        if (!frames[f]) continue;
        const auto& frame = *frames[f];
        for (int j = 0; j < frame.Bars.GetSize(); ++j) {
            if (!frame.Bars[j]) continue;
            const auto& bar = *frame.Bars[j];
            points.clear();
            BoundingPoints(bar, points);
            CDblPoint reach;
            const auto out = std::find_if(points.begin(), points.end(),
                                          [&](const BoundingPoint& p) { return SurfaceOutside(outline, p, radius, reach); });
            if (out == points.end()) continue;
            faults.Add("bar " + bar.R.str(), [&] {
                const std::string where = "vertex " + std::to_string(out->vertex + 1) + " of bar " + bar.R.str() +
                                          " in frame " + std::to_string(f + 1) + " (" + frame.name.str() + ")";
                std::string message = kSubject;
                message += out->onBend ? "a bar's bend, the arc at " + where : "a bar's vertex, " + where;
                if (reach.x != out->at.x || reach.y != out->at.y)
                    message += ", its surface (half the bar's " + RealText(diameter, 1) + " mm about x = " +
                               RealText(out->at.x, 1) + ", z = " + RealText(out->at.y, 1) + ")";
                message += ", reaches x = " + RealText(reach.x, 1) + ", z = " + RealText(reach.y, 1) +
                           ", outside the beam " + outline.There(reach.x);
                return message;
            });
        }
    }
}

using CapBeamStirrups::LaidStirrups;
using CapBeamStirrups::Stretch;

// Where the stirrups of each record stand, walked again from the design's layout: the records give
// their counts at each end, not their stations. The layout is laid by the through bars' outline,
// which a stored design does not keep: it is built again from the stored beam as the design built
// it. A layout that cannot be walked again (a damaged store, or a beam put together without one) is
// given the stretches its counts alone tell: the main stirrups from the end distance to the end
// distance, past the underside's feet where the beam has taper records; a tapered part's from the
// end distance up to the bottom bars' kink at the slope's foot, which lies within the bottom cover
// past the underside's foot, and a spacing further, which the count of a part laid along the skew
// takes in; a skewed end zone's from the end distance over its s3 spacings and its densified ones.
// The walk reads the cantilevers as the design's steps read them, which along the skew are not those
// the design stores, and gives them back: the design object judged is the component's own, never a
// constant one.
LaidStirrups StretchesOfStirrups(const CPM001T0101Atom& cap)
{
    LaidStirrups at;
    const CDblPointArray outline = CapBeamThroughBars::StirrupLayoutOutline(cap);
    if (CapBeamStirrups::FindLaidStirrups(const_cast<CPM001T0101Atom&>(cap), outline, at)) return at;

    const auto& sg = cap.sg;
    const double length = cap.bBg;
    const double first = sg.a, last = length - sg.a;
    at.main = {first, last};
    if (sg.sg2.GetSize() > 0) at.main = {std::max(first, cap.bBpl), std::min(last, length - cap.bBpr)};
    const double past = std::max({sg.s, sg.s2, sg.s3});
    at.taper[0] = {first, std::max(first, cap.bBpl + cap.st.da + past)};
    at.taper[1] = {length - std::max(first, cap.bBpr + cap.st.da + past), last};
    at.zone[0] = {first, std::max(first + sg.lns3 * sg.s3 + sg.lXBns2 * sg.s2, cap.bBpl + cap.st.da)};
    at.zone[1] = {length - std::max(first + sg.rns3 * sg.s3 + sg.rXBns2 * sg.s2, cap.bBpr + cap.st.da), last};
    return at;
}

std::string StretchText(const Stretch& s) { return "from station " + RealText(s.from, 1) + " to " + RealText(s.to, 1); }

// The stirrups. A leg spans the skeleton's top and bottom bars and wraps them: its length less the
// allowance the design adds (the outer diameters of a main bar and a stirrup) is the distance
// between those bars' axes, at most the section's height at the stirrup's station less the top and
// bottom covers. A record gives its shortest and its tallest leg, each judged where the record's
// stirrups stand: its tallest against the tallest net height over its stretches, and the tapered
// parts' shortest (L1), the lower of their outermost stirrups' at each end whose part lays
// stirrups, against the lower net height there. A record that lays no stirrup is no steel and is
// not judged. One fault is told per record.
void JudgeStirrups(const CPM001T0101Atom& cap, const Outline& outline, FaultsByKind& faults)
{
    const auto& sg = cap.sg;
    const double allowance = KVDataCommon::wd(cap.st.d, cap.st.type) + KVDataCommon::wd(sg.d, sg.type);
    const LaidStirrups at = StretchesOfStirrups(cap);

    // stretches: where the record's stirrups stand; ends: the stations of the outermost stirrups
    // whose leg is its shortest (none but for the tapered parts).
    auto judge = [&](const char* set, int i, const auto& record, const std::vector<Stretch>& stretches,
                     const std::vector<double>& ends) {
        if (stretches.empty()) return;
        double outer = INFINITY, outerStation = 0.0;
        for (const double x : ends)
            if (outline.NetHeight(x) < outer) outer = outline.NetHeight(x), outerStation = x;
        double tallest = -INFINITY;
        Stretch where = stretches.front();
        for (const Stretch& s : stretches) {
            const double h = outline.LargestNetHeight(std::min(s.from, s.to), std::max(s.from, s.to));
            if (h > tallest) tallest = h, where = s;
        }
        const bool outermost = !ends.empty() && Below(outer, record.L1 - allowance);
        const bool higher = record.L1p >= record.L1;
        const double length = outermost ? record.L1 : higher ? record.L1p : record.L1;
        if (!outermost && !Below(tallest, length - allowance)) return;
        faults.Add(std::string("stirrup ") + set, [&] {
            const std::string there =
                outermost ? "at station " + RealText(outerStation, 1) : "at its tallest " + StretchText(where);
            return std::string(kSubject) + "a stirrup leg, " + (outermost || !higher ? "L1" : "L1p") + " of " + set +
                   " record " + std::to_string(i + 1) + " (mark " + record.R.str() + "), " + RealText(length, 1) +
                   " mm less the bars' " + RealText(allowance, 1) + " mm, stands taller than the " +
                   RealText(outermost ? outer : tallest, 1) + " mm the section leaves within its covers " + there;
        });
    };
    // The stretches and outermost stations of the ends that lay stirrups of a record of tapered
    // parts or skewed ends.
    auto byEnds = [&](const auto& record, const Stretch (&stretch)[2], std::vector<Stretch>& stretches,
                      std::vector<double>& ends) {
        stretches.clear(), ends.clear();
        if (record.nl > 0) stretches.push_back(stretch[0]), ends.push_back(stretch[0].from);
        if (record.nr > 0) stretches.push_back(stretch[1]), ends.push_back(stretch[1].to);
    };
    std::vector<Stretch> stretches;
    std::vector<double> ends;
    for (int i = 0; i < sg.sg1.GetSize(); ++i)
        judge("sg1", i, sg.sg1[i], sg.sg1[i].n > 0 ? std::vector<Stretch>{at.main} : std::vector<Stretch>{}, {});
    for (int i = 0; i < sg.sg2.GetSize(); ++i) {
        byEnds(sg.sg2[i], at.taper, stretches, ends);
        judge("sg2", i, sg.sg2[i], stretches, ends);
    }
    for (int i = 0; i < sg.sg3.GetSize(); ++i) {
        byEnds(sg.sg3[i], at.zone, stretches, ends);
        judge("sg3", i, sg.sg3[i], stretches, {});
    }
}

// Bars whose axis stands `axis` inside a face of the beam reach past it with their surface, half
// the bar's outer diameter about the axis, when the axis lies less than that inside; how far.
std::string SurfacePastFace(double axis, double diameter)
{
    return "reach with their surface (half the bar's " + RealText(diameter, 1) + " mm) " +
           RealText(diameter / 2.0 - axis, 1) + " mm past it";
}

// The end-face bars: their axis sd_a from each end face along the beam, with their surface inside
// it; from the edge distance below the top down by their spacings, the lowest bar's surface above
// the underside at the end face, the top bar's below the top.
void JudgeEndFaceBars(const CPM001T0101Atom& cap, const Outline& outline, FaultsByKind& faults)
{
    const auto& sd = cap.sd;
    if (cap.fDistribute == 0) return;
    const double radius = KVDataCommon::wd(sd.d, sd.type) / 2.0;
    if (Below(sd.a, radius))
        faults.Add("end-face bars along the beam", [&] {
            return std::string(kSubject) + "the end-face bars (sd), their axis " + RealText(sd.a, 1) +
                   " mm inside the beam's ends (sd_a), " + SurfacePastFace(sd.a, 2.0 * radius);
        });
    auto judge = [&](const char* end, double x, int spacings, double spacing) {
        const double height = outline.Top(x) - outline.Bottom(x);
        const double lowest = sd.a2 + spacings * spacing + radius;
        if (std::isfinite(lowest) && !Below(height, lowest) && !Below(sd.a2, radius)) return;
        faults.Add("end-face bars", [&] {
            return std::string(kSubject) + "the end-face bars (sd) at the " + end + " end, " + std::to_string(spacings) +
                   " spacings of " + RealText(spacing, 1) + " mm from " + RealText(sd.a2, 1) +
                   " mm below the top, reach with their surface from " + RealText(sd.a2 - radius, 1) + " to " +
                   RealText(lowest, 1) + " mm below it, outside the end's height " + RealText(height, 1) + " mm";
        });
    };
    judge("left", 0.0, sd.nsl, sd.sl);
    judge("right", outline.Length(), sd.nsr, sd.sr);
}

// The side bars: their axis sh_a inside the beam's side faces, with their surface inside them.
void JudgeSideBars(const CPM001T0101Atom& cap, FaultsByKind& faults)
{
    const auto& sh = cap.sh;
    const double diameter = KVDataCommon::wd(sh.d, sh.type);
    if (!Below(sh.a, diameter / 2.0)) return;
    faults.Add("side bars", [&] {
        return std::string(kSubject) + "the side bars (sh), their axis " + RealText(sh.a, 1) +
               " mm inside the beam's sides (sh_a), " + SurfacePastFace(sh.a, diameter);
    });
}

// The point of a tendon's duct about its axis point p that lies outside the concrete, if any. The
// duct's section in the elevation is a disc of radius (half its outer size upright) about the axis;
// it reaches towards the nearest point of the underside or the top (square to a slope). It ends at
// the end faces, where the anchorages bear: only its axis is held between them. On the underside or
// the top itself the disc reaches radius straight past it.
bool DuctOutside(const Outline& outline, const CDblPoint& p, double radius, CDblPoint& out)
{
    if (!outline.Holds(p)) {
        out = p;
        return true;
    }
    if (!(radius > 0.0) || outline.HoldsClear(p, radius)) return false;
    const CDblPoint face = outline.Nearest(p, false);
    const double distance = std::hypot(face.x - p.x, face.y - p.y);
    if (!Below(distance, radius)) return false;
    if (distance > 0.0)
        out = CDblPoint(p.x + (face.x - p.x) * radius / distance, p.y + (face.y - p.y) * radius / distance);
    else
        out = CDblPoint(p.x, p.y - outline.Bottom(p.x) < outline.Top(p.x) - p.y ? p.y - radius : p.y + radius);
    return true;
}

// How far the duct about p (radius) reaches past the underside or the top, square to the nearer
// of them: less than 0 while it stays within.
double DuctReach(const Outline& outline, const CDblPoint& p, double radius)
{
    const double distance = KVDataCommon::distance(p, outline.Nearest(p, false));
    return radius + (outline.Holds(p) ? -distance : distance);
}

// The tendons: every node and every sampled station of each tendon's profile with its duct between
// the underside and the top at its station (the tendons' levels stand above the beam's lowest
// bottom, as the outline's do), its axis between the end faces; and each of the record's positions
// across the beam with its duct within the side faces. A node with a fillet radius is off the
// tendon, which follows the node's arc: the arc is judged at its point whose duct reaches farthest
// (among its ends and its points nearest the outline's corners and sides). A node is named by its
// key's path with its refZ, a point at an end with the end face's height.
void JudgeTendons(const CPM001T0101Atom& cap, const Outline& outline, FaultsByKind& faults)
{
    const CPM001T010401Atom* tendons = cap.JGType != 0 ? cap.st.pTendonAtom : nullptr;
    if (!tendons) return;
    for (std::size_t i = 0; i < tendons->Steel.size(); ++i) {
        const auto& steel = tendons->Steel[i];
        if (!steel) continue;
        const double size = pm001_tendon::OuterSizeOf(steel->cl).upright;
        const double radius = std::isfinite(size) && size > 0.0 ? size / 2.0 : 0.0;
        // node: the node judged, or null for a sampled station; arc: the point judged lies on its arc.
        auto outside = [&](const pm001_tendon::M_LNode* node, bool arc, int k, double x, double z) {
            const CDblPoint axis(x, z);
            CDblPoint reach;
            if (!DuctOutside(outline, axis, radius, reach)) return false;
            faults.Add("tendon " + steel->R.str(), [&] {
                std::string message = std::string(kSubject) + (arc ? "a tendon's arc, about " : "a tendon's station, ");
                // A node by the path of its key, counted from 0 ("cap.SteelAr[0].Node[1]"); a sampled station
                // from 1.
                const std::string root;
                const KeyPath start(root), cap(start, "cap"), all(cap, "SteelAr"), tendon(all, i);
                const KeyPath nodes(tendon, "Node");
                message += node ? "node " + KeyPath(nodes, k).Path() : "sampled station " + std::to_string(k + 1);
                message += " of tendon " + steel->R.str();
                if (node)
                    message += " (refZ " + RealText(node->refZ, 1) + " mm from the " +
                               (node->Refline != 0 ? "top" : "bottom") +
                               (arc ? ", radius " + RealText(node->R, 1) + " mm" : std::string()) + ")";
                const bool axisOut = reach.x == x && reach.y == z;
                message += axisOut ? ", at x = " + RealText(x, 1) + ", z = " + RealText(z, 1) + ", lies"
                                   : ", its duct (half its " + RealText(size, 1) + " mm about x = " + RealText(x, 1) +
                                         ", z = " + RealText(z, 1) + ") reaches x = " + RealText(reach.x, 1) +
                                         ", z = " + RealText(reach.y, 1) + ",";
                message += " outside the beam " + outline.There(reach.x);
                if (!arc && (IsEqual(x, 0.0) || IsEqual(x, outline.Length()))) {
                    const double end = IsEqual(x, 0.0) ? 0.0 : outline.Length();
                    message += std::string(", the ") + (end == 0.0 ? "left" : "right") + " end face " +
                               RealText(outline.Top(end) - outline.Bottom(end), 1) + " mm high";
                }
                return message;
            });
            return true;
        };
        const auto& nodes = steel->LNode;
        auto point = [&nodes](int k) { return CDblPoint(nodes[k].X, nodes[k].Z); };
        bool named = false;
        for (int k = 0; k < nodes.GetSize() && !named; ++k) {
            const bool inner = k > 0 && k + 1 < nodes.GetSize();
            const auto arc =
                inner ? pm001_tendon::NodeFillet(point(k - 1), point(k), point(k + 1), nodes[k].R) : std::nullopt;
            if (!arc) {
                named = outside(&nodes[k], false, k, nodes[k].X, nodes[k].Z);
                continue;
            }
            const auto points = pm001_tendon::ArcPointsNearestSides(*arc, outline.Corners());
            auto reach = [&](const CDblPoint& p) { return DuctReach(outline, p, radius); };
            const auto farthest = std::max_element(points.begin(), points.end(),
                                                   [&](const CDblPoint& a, const CDblPoint& b) { return reach(a) < reach(b); });
            named = outside(&nodes[k], true, k, farthest->x, farthest->y);
        }
        const int samples = std::min(steel->X.GetSize(), steel->Z.GetSize());
        for (int k = 0; k < samples && !named; ++k)
            named = outside(nullptr, false, k, steel->X[k], steel->Z[k]);

        // Across the beam each tendon of the record holds its duct (half its outer size across about
        // its position) within the side faces, half the cap's width from its centre line.
        const double across = pm001_tendon::OuterSizeOf(steel->cl).across;
        const double half = std::isfinite(across) && across > 0.0 ? across / 2.0 : 0.0;
        const double side = cap.lWg / 2.0;
        for (int j = 0; j < steel->Y.GetSize() && !named; ++j) {
            const double y = steel->Y[j];
            const double reach = y < 0.0 ? y - half : y + half;
            if (std::isfinite(reach) && !Below(side, std::fabs(reach))) continue;
            named = true;
            faults.Add("tendon " + steel->R.str(), [&] {
                return std::string(kSubject) + "a tendon across the beam, Y[" + std::to_string(j) + "] of tendon " +
                       steel->R.str() + " at y = " + RealText(y, 1) + ", its duct (half its " + RealText(across, 1) +
                       " mm across) reaches y = " + RealText(reach, 1) + ", outside the beam's side (y -" +
                       RealText(side, 1) + " to " + RealText(side, 1) + ")";
            });
        }
    }
}

} // namespace

int CheckBarsWithinBeam(const CPM001T0101Atom& cap)
{
    const Outline outline(cap);
    FaultsByKind bars, stirrups, endFaceBars, sideBars, tendons;
    JudgeSkeletonBars(cap, outline, bars);
    JudgeStirrups(cap, outline, stirrups);
    JudgeEndFaceBars(cap, outline, endFaceBars);
    JudgeSideBars(cap, sideBars);
    JudgeTendons(cap, outline, tendons);
    return bars.Report("bars of this mark") + stirrups.Report("records of this set") +
           endFaceBars.Report("ends") + sideBars.Report("sides") + tendons.Report("tendons");
}
