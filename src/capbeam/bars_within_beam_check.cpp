// The check of a designed cap beam's reinforcement against the concrete of the beam.
#include "capbeam/bars_within_beam_check.h"

#include "capbeam/cap_beam_reinforcement.h"
#include "capbeam/design_result_faults.h"
#include "common/is_equal.h"
#include "geometry/fillet.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

using KVDataCommon::IsEqual;
using DesignResultFaults::FaultsByKind;
using DesignResultFaults::kSubject;
using DesignResultFaults::RealText;

namespace {

// A point that bounds a bar (x along the beam, y up from its bottom), the index of its vertex,
// and whether it lies on that vertex's bend.
struct BoundingPoint {
    CDblPoint at;
    int vertex = 0;
    bool onBend = false;
};

double Cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

// The points of a bar that bound it: its free ends and kinks, and for each bend the two points
// where its arc meets the straight legs and the arc's points farthest along and across the beam.
// A bend is a vertex with a bend radius between two legs that turn; its vertex is the corner
// where the legs would meet, which lies off the bar.
void BoundingPoints(const CapBeamRecords::singAr& bar, std::vector<BoundingPoint>& points)
{
    const auto& pts = bar.PtAr;
    const int n = pts.GetSize();
    for (int i = 0; i < n; ++i) {
        const CDblPoint corner(pts[i].x, pts[i].z);
        const double r = pts[i].RR;
        CDblPoint a, b, centre;
        const bool bend = i > 0 && i + 1 < n &&
                          CalFillet(CDblPoint(pts[i - 1].x, pts[i - 1].z), corner, CDblPoint(pts[i + 1].x, pts[i + 1].z),
                                    r, a, b, centre) != 0;
        if (!bend) {
            points.push_back({corner, i, false});
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

} // namespace

int CheckBarsWithinBeam(const CPM001T0101Atom& cap)
{
    const double length = cap.bBg;
    auto top = [&cap](double x) { return cap.GetFame_XZ(x) + cap.st.ua; };
    auto below = [](double value, double bound) { return value < bound && !IsEqual(value, bound); };
    auto outside = [&](const CDblPoint& p) {
        return !std::isfinite(p.x) || !std::isfinite(p.y) || below(p.x, 0.0) || below(length, p.x) ||
               below(p.y, 0.0) || below(top(p.x), p.y);
    };

    FaultsByKind faults;
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
            const auto out = std::find_if(points.begin(), points.end(), [&](const BoundingPoint& p) { return outside(p.at); });
            if (out == points.end()) continue;
            faults.Add("bar " + bar.R.str(), [&] {
                const std::string where = "vertex " + std::to_string(out->vertex + 1) + " of bar " + bar.R.str() +
                                          " in frame " + std::to_string(f + 1) + " (" + frame.name.str() + ")";
                std::string message = kSubject;
                message += out->onBend ? "a bar's bend, the arc at " + where : "a bar's vertex, " + where;
                message += ", reaches x = " + RealText(out->at.x, 1) + ", z = " + RealText(out->at.y, 1) +
                           ", outside the beam (x 0 to " + RealText(length, 1) + ", z 0 to " +
                           RealText(top(out->at.x), 1) + " there)";
                return message;
            });
        }
    }
    return faults.Report("bars of this mark");
}
