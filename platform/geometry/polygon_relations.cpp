// Plan-outline relations: containment within a tolerance, separation by penetration depth, area.
#include "geometry/polygon_relations.h"

#include "common/is_equal.h"
#include "geometry/ring_side_index.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace {

using Vec = RingPoint;

Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(double k, Vec a) { return {k * a.x, k * a.y}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
double Cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }
double Length(Vec a) { return std::hypot(a.x, a.y); }

using Ring = std::vector<Vec>;

// Slack of every distance comparison: the suite's equality of reals.
constexpr double kSlack = KVDataCommon::kEqualTolerance;
// Points closer than this are one point; a corner this close to the line of its neighbours is no corner.
constexpr double kSamePoint = 1e-9;
// Gaps in a segment's parameter smaller than this are no gaps.
constexpr double kParamGap = 1e-12;

struct Interval {
    double lo = 0.0;
    double hi = 0.0;
};

// The points as given, without a repeated closing point and without repeated neighbours;
// nothing when a coordinate is not finite.
std::optional<Ring> DistinctPoints(const CDblPointArray& points)
{
    Ring ring;
    ring.reserve(static_cast<std::size_t>(points.GetSize()));
    for (const CDblPoint& p : points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return std::nullopt;
        const Vec v{p.x, p.y};
        if (ring.empty() || Length(v - ring.back()) > kSamePoint) ring.push_back(v);
    }
    while (ring.size() > 1 && Length(ring.back() - ring.front()) <= kSamePoint) ring.pop_back();
    return ring;
}

// Distance of m from the line through a and c (a != c).
double OffLine(Vec a, Vec m, Vec c) { return std::fabs(Cross(c - a, m - a)) / Length(c - a); }

// Removes corners that lie on the straight run of their neighbours (and spikes that fold back),
// until every corner turns.
void DropStraightCorners(Ring& ring)
{
    bool changed = true;
    while (changed && ring.size() >= 3) {
        changed = false;
        for (std::size_t i = 0; i < ring.size() && ring.size() >= 3; ++i) {
            const Vec prev = ring[(i + ring.size() - 1) % ring.size()];
            const Vec next = ring[(i + 1) % ring.size()];
            if (Length(next - prev) <= kSamePoint || OffLine(prev, ring[i], next) <= kSamePoint) {
                ring.erase(ring.begin() + static_cast<std::ptrdiff_t>(i));
                changed = true;
                break;
            }
        }
    }
    if (ring.size() < 3) ring.clear();
}

double SignedArea(const Ring& ring)
{
    double twice = 0.0;
    for (std::size_t i = 0; i < ring.size(); ++i) twice += Cross(ring[i], ring[(i + 1) % ring.size()]);
    return twice / 2.0;
}

// An outline with an area, counter-clockwise, every corner turning; empty when degenerate.
Ring AreaOutline(const Ring& points)
{
    Ring ring = points;
    DropStraightCorners(ring);
    if (ring.empty()) return ring;
    if (SignedArea(ring) < 0.0) std::reverse(ring.begin(), ring.end());
    return ring;
}

double PointSegmentDistance(Vec p, Vec a, Vec b)
{
    const Vec d = b - a;
    const double len2 = Dot(d, d);
    double t = len2 > 0.0 ? Dot(p - a, d) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return Length(p - (a + t * d));
}

// Even-odd test; a point on the boundary may fall either way (callers cover the boundary by
// distance). Only the sides that a horizontal line through p may cross are asked.
bool InsideRing(Vec p, const Ring& ring, const RingSideIndex& index)
{
    bool inside = false;
    for (const std::uint32_t i : index.SidesAcross(p.y)) {
        const Vec a = ring[(i + 1) % ring.size()];
        const Vec b = ring[i];
        if ((a.y > p.y) != (b.y > p.y)) {
            const double x = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
            if (p.x < x) inside = !inside;
        }
    }
    return inside;
}

// Clips the line p + t·d to the half-plane n·x <= c; false when nothing is left.
bool ClipHalfPlane(Vec p, Vec d, Vec n, double c, Interval& range)
{
    const double nd = Dot(n, d);
    const double rest = c - Dot(n, p);
    if (std::fabs(nd) < 1e-300) return rest >= 0.0;
    const double t = rest / nd;
    if (nd > 0.0) range.hi = std::min(range.hi, t);
    else range.lo = std::max(range.lo, t);
    return range.lo <= range.hi;
}

// Parameters t at which p + t·d lies within r of the point c.
std::optional<Interval> NearPoint(Vec p, Vec d, Vec c, double r)
{
    const Vec w = p - c;
    const double a = Dot(d, d);
    const double b = 2.0 * Dot(d, w);
    const double k = Dot(w, w) - r * r;
    const double disc = b * b - 4.0 * a * k;
    if (disc < 0.0) return std::nullopt;
    const double root = std::sqrt(disc);
    return Interval{(-b - root) / (2.0 * a), (-b + root) / (2.0 * a)};
}

// Parameters t at which p + t·d (d != 0) lies within r of the segment u–w: the line's chord
// through the segment's rounded strip, which is convex, so the chord is one interval.
std::optional<Interval> NearSegment(Vec p, Vec d, Vec u, Vec w, double r)
{
    std::optional<Interval> chord;
    auto join = [&chord](std::optional<Interval> part) {
        if (!part) return;
        if (!chord) chord = part;
        else chord = Interval{std::min(chord->lo, part->lo), std::max(chord->hi, part->hi)};
    };
    join(NearPoint(p, d, u, r));
    join(NearPoint(p, d, w, r));
    const Vec f = w - u;
    const double len = Length(f);
    if (len > 0.0) {
        const Vec across{-f.y, f.x};
        Interval strip{-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};
        if (ClipHalfPlane(p, d, across, Dot(across, u) + r * len, strip) &&
            ClipHalfPlane(p, d, -1.0 * across, -Dot(across, u) + r * len, strip) &&
            ClipHalfPlane(p, d, -1.0 * f, -Dot(f, u), strip) && ClipHalfPlane(p, d, f, Dot(f, w), strip))
            join(strip);
    }
    return chord;
}

// True when the intervals cover [0, 1].
bool CoversUnit(std::vector<Interval>& parts)
{
    std::sort(parts.begin(), parts.end(), [](const Interval& a, const Interval& b) { return a.lo < b.lo; });
    double reach = 0.0;
    for (const Interval& part : parts) {
        if (part.lo > reach + kParamGap) return false;
        reach = std::max(reach, part.hi);
        if (reach >= 1.0) return true;
    }
    return reach >= 1.0 - kParamGap;
}

// True when every point of the segment p–q lies in b or within r of b's boundary. Only the sides
// of b near the segment can cross it or come within r of it; the index (widened by r) gives them.
bool SegmentFits(Vec p, Vec q, const Ring& b, const RingSideIndex& index, double r)
{
    const Vec d = q - p;
    const std::span<const std::uint32_t> near =
        index.SidesNear({std::min(p.x, q.x), std::min(p.y, q.y)}, {std::max(p.x, q.x), std::max(p.y, q.y)});
    if (Length(d) <= kSamePoint) {
        if (InsideRing(p, b, index)) return true;
        return std::any_of(near.begin(), near.end(), [&](std::uint32_t i) {
            return PointSegmentDistance(p, b[i], b[(i + 1) % b.size()]) <= r;
        });
    }
    // Where the segment meets b's boundary it passes between inside and outside; between two
    // such parameters it lies wholly inside or wholly outside.
    std::vector<double> cuts{0.0, 1.0};
    for (const std::uint32_t i : near) {
        const Vec u = b[i];
        const Vec f = b[(i + 1) % b.size()] - u;
        const double denom = Cross(d, f);
        if (std::fabs(denom) > 1e-12 * Length(d) * Length(f)) {
            const double t = Cross(u - p, f) / denom;
            const double s = Cross(u - p, d) / denom;
            if (s >= -kParamGap && s <= 1.0 + kParamGap && t > 0.0 && t < 1.0) cuts.push_back(t);
        } else {
            // Parallel side: its end points split the segment where it runs along it.
            for (Vec end : {u, u + f}) {
                const double t = Dot(end - p, d) / Dot(d, d);
                if (t > 0.0 && t < 1.0) cuts.push_back(t);
            }
        }
    }
    std::sort(cuts.begin(), cuts.end());
    std::vector<Interval> covered;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        if (cuts[i + 1] - cuts[i] <= kParamGap) continue;
        if (InsideRing(p + 0.5 * (cuts[i] + cuts[i + 1]) * d, b, index)) covered.push_back({cuts[i], cuts[i + 1]});
    }
    for (const std::uint32_t i : near) {
        if (auto chord = NearSegment(p, d, b[i], b[(i + 1) % b.size()], r)) {
            const Interval clipped{std::max(chord->lo, 0.0), std::min(chord->hi, 1.0)};
            if (clipped.lo <= clipped.hi) covered.push_back(clipped);
        }
    }
    return CoversUnit(covered);
}

// --- Separation -------------------------------------------------------------------------------

bool SegmentsCross(Vec a, Vec b, Vec c, Vec d)
{
    auto side = [](Vec p, Vec q, Vec r) { return Cross(q - p, r - p); };
    const double d1 = side(c, d, a), d2 = side(c, d, b), d3 = side(a, b, c), d4 = side(a, b, d);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) return true;
    auto onSegment = [](Vec p, Vec q, Vec r) {   // r on segment p–q
        return PointSegmentDistance(r, p, q) <= kSamePoint;
    };
    return onSegment(c, d, a) || onSegment(c, d, b) || onSegment(a, b, c) || onSegment(a, b, d);
}

// True when two sides that are not neighbours meet.
bool CrossesItself(const Ring& ring)
{
    const std::size_t n = ring.size();
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j) {
            if (j == i + 1 || (i == 0 && j == n - 1)) continue;
            if (SegmentsCross(ring[i], ring[(i + 1) % n], ring[j], ring[(j + 1) % n])) return true;
        }
    return false;
}

// Convex hull, counter-clockwise, without points on straight runs.
Ring ConvexHull(Ring points)
{
    std::sort(points.begin(), points.end(), [](Vec a, Vec b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    if (points.size() < 3) return {};
    Ring hull(2 * points.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && Cross(hull[k - 1] - hull[k - 2], points[i] - hull[k - 2]) <= 0.0) --k;
        hull[k++] = points[i];
    }
    for (std::size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && Cross(hull[k - 1] - hull[k - 2], points[i] - hull[k - 2]) <= 0.0) --k;
        hull[k++] = points[i];
    }
    hull.resize(k - 1);
    DropStraightCorners(hull);
    return hull;
}

bool IsConvex(const Ring& ring)
{
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const Vec a = ring[i], b = ring[(i + 1) % ring.size()], c = ring[(i + 2) % ring.size()];
        if (Cross(b - a, c - b) <= 0.0) return false;
    }
    return true;
}

bool InTriangle(Vec p, Vec a, Vec b, Vec c)
{
    return Cross(b - a, p - a) >= 0.0 && Cross(c - b, p - b) >= 0.0 && Cross(a - c, p - c) >= 0.0;
}

// Triangles of a simple counter-clockwise outline by ear clipping; empty when no ear is found.
std::vector<Ring> Triangulate(Ring ring)
{
    std::vector<Ring> triangles;
    while (ring.size() > 3) {
        bool clipped = false;
        for (std::size_t i = 0; i < ring.size(); ++i) {
            const std::size_t ip = (i + ring.size() - 1) % ring.size(), in = (i + 1) % ring.size();
            const Vec a = ring[ip], b = ring[i], c = ring[in];
            if (Cross(b - a, c - b) <= 0.0) continue;
            bool ear = true;
            for (std::size_t j = 0; j < ring.size() && ear; ++j) {
                if (j == ip || j == i || j == in) continue;
                if (InTriangle(ring[j], a, b, c)) ear = false;
            }
            if (!ear) continue;
            triangles.push_back({a, b, c});
            ring.erase(ring.begin() + static_cast<std::ptrdiff_t>(i));
            clipped = true;
            break;
        }
        if (!clipped) return {};
    }
    triangles.push_back(ring);
    return triangles;
}

// Convex pieces whose union is the outline.
std::vector<Ring> ConvexPieces(const Ring& outline)
{
    if (CrossesItself(outline)) return {ConvexHull(outline)};
    if (IsConvex(outline)) return {outline};
    std::vector<Ring> pieces = Triangulate(outline);
    if (pieces.empty()) pieces.push_back(ConvexHull(outline));
    return pieces;
}

bool InConvex(Vec p, const Ring& piece, double slack)
{
    for (std::size_t i = 0; i < piece.size(); ++i) {
        const Vec a = piece[i], e = piece[(i + 1) % piece.size()] - a;
        if (Cross(e, p - a) < -slack * Length(e)) return false;
    }
    return true;
}

// Parameters t at which a + t·d lies in the convex piece widened by slack (narrowed when slack < 0).
std::optional<Interval> ChordOfConvex(Vec a, Vec d, const Ring& piece, double slack)
{
    Interval range{0.0, 1.0};
    for (std::size_t i = 0; i < piece.size(); ++i) {
        const Vec u = piece[i], e = piece[(i + 1) % piece.size()] - u;
        const Vec outward{e.y, -e.x};   // right of a counter-clockwise side
        if (!ClipHalfPlane(a, d, outward, Dot(outward, u) + slack * Length(e), range)) return std::nullopt;
    }
    return range;
}

// Penetration depth of the outlines: the distance from the origin to the nearest move v after
// which A + v and B share no inner point. The moves after which they do are the union of the
// inner points of the convex pieces' differences Bj ⊕ (−Ai); the nearest free move lies on a
// side of one of these pieces, on a part that no other piece holds among its inner points. Two
// pieces that only meet along a side leave that side free: an outline that fills a notch of the
// other exactly can slide out of it.
double PenetrationDepth(const Ring& a, const Ring& b)
{
    const std::vector<Ring> piecesA = ConvexPieces(a);
    const std::vector<Ring> piecesB = ConvexPieces(b);
    std::vector<Ring> diffs;
    for (const Ring& pa : piecesA)
        for (const Ring& pb : piecesB) {
            Ring sums;
            sums.reserve(pa.size() * pb.size());
            for (Vec q : pb)
                for (Vec p : pa) sums.push_back(q - p);
            Ring hull = ConvexHull(std::move(sums));
            if (hull.size() >= 3) diffs.push_back(std::move(hull));
        }
    const Vec origin{0.0, 0.0};
    if (std::none_of(diffs.begin(), diffs.end(), [&](const Ring& d) { return InConvex(origin, d, kSlack); }))
        return 0.0;   // no move of 0 makes them meet: they lie apart or only touch

    double depth = std::numeric_limits<double>::infinity();
    for (std::size_t k = 0; k < diffs.size(); ++k) {
        const Ring& piece = diffs[k];
        for (std::size_t i = 0; i < piece.size(); ++i) {
            const Vec u = piece[i];
            const Vec d = piece[(i + 1) % piece.size()] - u;
            std::vector<Interval> covered;
            for (std::size_t l = 0; l < diffs.size(); ++l) {
                if (l == k) continue;
                if (auto chord = ChordOfConvex(u, d, diffs[l], -kSlack); chord && chord->hi - chord->lo > kParamGap)
                    covered.push_back(*chord);
            }
            std::sort(covered.begin(), covered.end(), [](const Interval& x, const Interval& y) { return x.lo < y.lo; });
            double from = 0.0;   // start of the part not yet known to be covered
            auto exposed = [&](double t0, double t1) {
                depth = std::min(depth, PointSegmentDistance(origin, u + t0 * d, u + t1 * d));
            };
            for (const Interval& part : covered) {
                if (part.lo > from + kParamGap) exposed(from, std::min(part.lo, 1.0));
                from = std::max(from, part.hi);
                if (from >= 1.0) break;
            }
            if (from < 1.0 - kParamGap) exposed(from, 1.0);
        }
    }
    return std::isfinite(depth) ? depth : 0.0;
}

} // namespace

namespace KVDataCommon {

int IS_polygonA_in_polygonB(CDblPointArray& a, CDblPointArray& b, double tolerance)
{
    const std::optional<Ring> inner = DistinctPoints(a);
    const std::optional<Ring> outerPoints = DistinctPoints(b);
    if (!inner || !outerPoints || inner->empty() || !std::isfinite(tolerance)) return 0;
    const Ring outer = AreaOutline(*outerPoints);
    if (outer.empty()) return 0;
    const double reach = std::max(tolerance, 0.0) + kSlack;
    const RingSideIndex index(outer, reach);
    const std::size_t n = inner->size();
    if (n == 1) return SegmentFits((*inner)[0], (*inner)[0], outer, index, reach) ? 1 : 0;
    const std::size_t sides = n == 2 ? 1 : n;
    for (std::size_t i = 0; i < sides; ++i)
        if (!SegmentFits((*inner)[i], (*inner)[(i + 1) % n], outer, index, reach)) return 0;
    return 1;
}

int Is_polygonA_Out_polygonB(CDblPointArray& A, CDblPointArray& B, double tolerance)
{
    const std::optional<Ring> pointsA = DistinctPoints(A);
    const std::optional<Ring> pointsB = DistinctPoints(B);
    if (!pointsA || !pointsB || !std::isfinite(tolerance)) return 0;
    const Ring a = AreaOutline(*pointsA);
    const Ring b = AreaOutline(*pointsB);
    if (a.empty() || b.empty()) return 1;
    return PenetrationDepth(a, b) <= std::max(tolerance, 0.0) + kSlack ? 1 : 0;
}

} // namespace KVDataCommon

double PolygonArea(const CDblPointArray& outline)
{
    const int n = outline.GetSize();
    if (n < 3) return 0.0;
    double twice = 0.0;
    for (int i = 0; i < n; ++i) {
        const CDblPoint& p = outline[i];
        const CDblPoint& q = outline[(i + 1) % n];
        twice += p.x * q.y - q.x * p.y;
    }
    return std::fabs(twice) / 2.0;
}
