// KVDataCommon::GetRequiredSectionDimX: the station of the middle cross-section of a cap beam's tendon layout.
#pragma once

#include "dbl_point.h"
#include "mfc/carray.h"

#include <vector>

namespace KVDataCommon {

// One node of a tendon's elevation profile with two flags.
struct CNodeWithProp {
    CDblPoint pt;     // station (x) and height (y) of the node
    int fFree = 0;    // non-zero: the tendon bends freely at the node, off any run along a face
    int fRun = 0;     // non-zero: the piece from this node to the next runs along the top or bottom face
};

// Chooses the station at which the middle cross-section of the tendon layout is cut and writes
// it into x. The profiles and the column stations are measured from the beam's left end; limit is
// the station of the road design line in the same frame. It neither clips the runs nor bounds the
// station, which therefore does not move with the road: the runs lie within the profiles' own
// extent. The section is meant to show the tendons where they run along a face of the beam, as
// near to the middle of the columns as the runs allow:
//   1. The reference station c is the middle between the first and the last column station
//      (columns listed in any order; the smallest and the largest count); with no column, the
//      middle of the profiles' extent (from the smallest to the largest node station); with
//      neither, 0.
//   2. Each profile's runs are the intervals from a node with the run flag to the next node of the
//      profile, when that node lies further along the beam.
//   3. The coverage of a station is the number of profiles that have a run holding it.
//   4. When no station is covered, x = c. Otherwise the stretches of greatest coverage are taken
//      (neighbouring stretches that meet count as one): when c lies in one of them (its ends
//      included), x = c; else x is the middle of the stretch nearest to c (the left one of two
//      at the same distance).
// The free flag does not enter the choice. Nodes with a coordinate that is not finite give no
// run and do not count in the extent. Returns 1; returns 0 with x = 0.0 when a column station is
// not finite.
int GetRequiredSectionDimX(const std::vector<std::vector<CNodeWithProp>>& profiles,
                           const CArray<double>& columns, double limit, double& x);

} // namespace KVDataCommon
