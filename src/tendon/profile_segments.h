// M_SteelFD: the straight and arc pieces of one tendon's elevation profile.
#pragma once

#include "common/dbl_array.h"
#include "geometry/dbl_point_array.h"
#include "host/live_count.h"

namespace pm001_tendon {

// Built by the profile at the tendon's index and read by the station cut; never archived.
// The arc length of arc k is ArcSweep[k] / 180 × π × ArcR[k].
struct M_SteelFD {
    CDblPointArray TanPts;   // two per arc: the point on the incoming leg, then on the outgoing leg
    CDblPointArray CenPts;   // centre of each arc
    DblArray ArcStart;       // start angle of each arc, degrees
    DblArray ArcSweep;       // sweep of each arc, degrees, at most 180
    DblArray ArcR;           // radius of each arc
    CDblPointArray NodePts;  // the node points (X, Z) in node order

private:
    LiveCount<M_SteelFD> m_live;
};

} // namespace pm001_tendon
