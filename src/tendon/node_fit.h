// The tendons' control points judged against the beam they run in: stations, depths and fillet radii that do not fit.
#pragma once

#include "calc/pm001_cap_key_param.h"
#include "pier/cap_underside.h"
#include "tendon/profile.h"

namespace pm001_tendon {

// The least radius the bridge codes let a tendon of strands of that nominal diameter (mm) bend
// through in its duct: 4000 mm where the strand's wires are at most 5 mm thick, as those of the
// seven-wire strands up to 15.2 mm (0.6 in, 15.24 mm) are; 6000 mm for thicker wires.
double LeastTendonBendRadius(double strandDiameter);

// Reports through the error channel, one line each, the control-point values of the tendon
// definitions that do not fit a beam of the given length whose top face stands top(x) and whose
// underside stands underside.At(x) above its lowest bottom, named by their path from "cap"
// ("cap.SteelAr[0].Node[2].R: … (20000 given)"): a station beyond the beam's ends or below the
// station before it; a depth that puts the node above the top or below the underside at its
// station (a tapered part's included); a fillet radius of an inner node that is neither 0 (a sharp
// corner) nor at least leastRadius; and, on a tendon whose points are sound, a fillet radius
// whose tangent length with its neighbour's exceeds the distance between the two nodes, or that
// reaches past the first or the last node. Nothing is changed; returns the number of lines reported.
int ReportTendonNodesNotFitting(const CArray<struct CPM001_CapKeyParam::SteelAr>& tendons, double length,
                                const TopLevel& top, const CapUnderside& underside, double leastRadius);

} // namespace pm001_tendon
