// The tendons' control points judged against the beam they run in: stations, depths and fillet radii that do not fit.
#include "tendon/node_fit.h"

#include "calc/key_path.h"
#include "calc/key_value_message.h"
#include "common/is_equal.h"
#include "geometry/corner_angle.h"
#include "geometry/point_distance.h"
#include "host/report.h"

#include <cmath>
#include <numbers>
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
// one before it; a node lies in the section at its station, between the underside and the top
// there. A depth from the top is at most the section's height there; one from the lowest bottom
// (the level the underside stands above) at least the underside's level and at most the top's.
// Returns the number of lines reported.
int ReportPoints(const CArray<NodeAr>& points, const KeyPath& nodes, double length, const TopLevel& top,
                 const CapUnderside& underside)
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
        if (p.Refline != 0 && p.refZ > level - bottom) {
            Report(node, "refZ",
                   "puts the node below the beam's bottom; expected at most " + KeyLengthText(level - bottom) +
                       " mm, the beam's height" + station(),
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
// the node along each leg. A leg holds the fillets at its two ends only when their tangent lengths
// together do not exceed it; the first and the last node carry no fillet. Where two fillets
// overlap, the radius of the larger tangent length is named, unless it is named already. Returns
// the number of lines reported.
int ReportFillets(const CArray<NodeAr>& points, const KeyPath& nodes, const TopLevel& top, std::vector<bool>& named)
{
    const int n = points.GetSize();
    std::vector<CDblPoint> at(static_cast<std::size_t>(n));
    for (int j = 0; j < n; ++j) {
        const NodeAr& p = points[j];
        at[j] = CDblPoint(p.X, p.Refline != 0 ? top(p.X) - p.refZ : p.refZ);
    }
    std::vector<double> tangent(static_cast<std::size_t>(n), 0.0);
    for (int k = 1; k + 1 < n; ++k) {
        if (KVDataCommon::IsEqual(points[k].R, 0.0)) continue;
        const double corner =
            KVDataCommon::CalAng(at[k - 1].x, at[k - 1].y, at[k].x, at[k].y, at[k + 1].x, at[k + 1].y);
        tangent[k] = points[k].R * std::tan((std::numbers::pi - corner) / 2.0);
    }

    int reported = 0;
    for (int j = 0; j + 1 < n; ++j) {
        const double leg = KVDataCommon::distance(at[j], at[j + 1]);
        if (!(tangent[j] + tangent[j + 1] > leg)) continue;
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

} // namespace

double LeastTendonBendRadius(double strandDiameter)
{
    return strandDiameter > 15.24 && !KVDataCommon::IsEqual(strandDiameter, 15.24) ? 6000.0 : 4000.0;
}

int ReportTendonNodesNotFitting(const CArray<struct CPM001_CapKeyParam::SteelAr>& tendons, double length,
                                const TopLevel& top, const CapUnderside& underside, double leastRadius)
{
    const std::string root;
    const KeyPath start(root);
    const KeyPath cap(start, "cap");
    const KeyPath all(cap, "SteelAr");
    int reported = 0;
    for (int i = 0; i < tendons.GetSize(); ++i) {
        const KeyPath tendon(all, i);
        const KeyPath nodes(tendon, "Node");
        const int points = ReportPoints(tendons[i].Node, nodes, length, top, underside);
        std::vector<bool> named(static_cast<std::size_t>(tendons[i].Node.GetSize()), false);
        reported += ReportRadii(tendons[i].Node, nodes, leastRadius, named);
        // A point out of place moves the legs: its fillets are judged once it is mended.
        reported += points > 0 ? points : ReportFillets(tendons[i].Node, nodes, top, named);
    }
    return reported;
}

} // namespace pm001_tendon
