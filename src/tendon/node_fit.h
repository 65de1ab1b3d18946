// The tendons' control points judged against the beam they run in: stations, depths and fillet radii that do not fit.
#pragma once

#include "calc/pm001_cap_key_param.h"
#include "pier/cap_underside.h"
#include "tendon/profile.h"

#include <optional>
#include <string>
#include <vector>

namespace pm001_tendon {

// The least radius the bridge codes let a tendon of strands of that nominal diameter (mm) bend
// through in its duct: 4000 mm where the strand's wires are at most 5 mm thick, as those of the
// seven-wire strands up to 15.2 mm (0.6 in, 15.24 mm) are; 6000 mm for thicker wires.
double LeastTendonBendRadius(double strandDiameter);

// The arc a tendon follows at an inner node with a fillet radius: it leaves the incoming leg at its
// tangent point `from`, turns about `centre` and joins the outgoing leg at `to`. The node itself,
// where the legs meet, lies outside the arc, off the tendon.
struct FilletArc {
    CDblPoint from;
    CDblPoint to;
    CDblPoint centre;
    double radius = 0.0;
};

// The fillet of radius r in the corner b between the legs from a and on to c, as the profile draws
// it; none where it draws none (r 0 by the suite's equality, the legs on one line): the tendon then
// runs through b.
std::optional<FilletArc> NodeFillet(const CDblPoint& a, const CDblPoint& b, const CDblPoint& c, double r);

// The points of the arc that come nearest the sides of an outline with these corners (in order
// around it): the arc's two ends and, where they lie on the arc, its points nearest each corner and
// farthest across each side to either hand. The arc's distance from any side, and so whether a disc
// about every point of it stays within the outline, is that of one of these points.
std::vector<CDblPoint> ArcPointsNearestSides(const FilletArc& arc, const std::vector<CDblPoint>& corners);

// Reports through the error channel, one line each, the control-point values of the tendon
// definitions that do not fit a beam of the given length whose top face stands top(x), straight
// from each end to the crown station, and whose underside stands underside.At(x) above its lowest
// bottom, named by their path from "cap", under root when one is given ("cap.SteelAr[0].Node[2].R:
// … (20000 given)", "user-adjusted key parameters.cap.…"): a station
// beyond the beam's ends or below the station before it; a depth that puts a node the tendon runs
// through above the top or below the underside at its station (a tapered part's included), or a
// filleted node's corner, which lies off the tendon and may lie beyond the faces, below the lowest
// bottom where it is measured from the top; a fillet radius of an inner node that is neither 0 (a
// sharp corner) nor at least leastRadius; on a tendon whose points are sound, a fillet radius whose
// tangent length with its neighbour's exceeds the distance between the two nodes, or that reaches
// past the first or the last node, unless a filleted node's corner lies so far beyond a face that
// its arc does not bring the tendon back in, or that the fillets fit only with the corner on the
// face: that node's depth is named instead; and, where the fillets fit, the depth of a filleted
// node whose arc, with its duct (half its outer size upright, from the catalogue), leaves the beam.
// Nothing is changed; returns the number of lines reported.
int ReportTendonNodesNotFitting(const CArray<struct CPM001_CapKeyParam::SteelAr>& tendons, double length,
                                const TopLevel& top, double crown, const CapUnderside& underside,
                                double leastRadius, const std::string& root = {});

} // namespace pm001_tendon
