// The elevation profile of one tendon: node table, fillets, pieces, samples, end types and curve.
#pragma once

#include "tendon/design_object.h"

#include "calc/pm001_cap_key_param.h"
#include "common/dbl_array.h"
#include "geometry/dbl_point_array.h"

#include <functional>
#include <memory>
#include <vector>

namespace pm001_tendon {

// The height of the beam's top face above its bottom face at a station.
using TopLevel = std::function<double(double)>;

// What the profile of one tendon works with while it is built: which nodes carry a fillet and
// the fillets' tangent points (two per fillet, the incoming one first), centres, start angles,
// sweeps, radii and arc lengths, and the node points, all in node order.
struct TendonProfileWork {
    std::vector<char> fillet;
    CDblPointArray tanPts;
    CDblPointArray cenPts;
    DblArray arcStart;
    DblArray arcSweep;
    DblArray arcR;
    DblArray arcLength;
    CDblPointArray nodePts;

    int FilletCount() const { return cenPts.GetSize(); }
};

// Builds the tendon's node table from its control points (at least one), its reference faces,
// fillets and node deflections, horizontal distances, pieces with their boundary heights and,
// when the object samples (FVszb non-zero and js > 0), the profile sampled at the object's step.
// Returns 0 after reporting "计算错误06110301" when a sampling station finds no piece or no
// crossing; the stations sampled up to it stay in the tendon.
int BuildTendonProfile(const CPM001T010401Atom& atom, const TopLevel& top,
                       const CArray<CPM001_CapKeyParam::NodeAr>& points, M_Steel& steel, TendonProfileWork& work);

// Once the tensioned ends (PT) are known: the position types of the two tendon ends, the
// tendon's curve through its nodes, and the record of its profile pieces.
std::unique_ptr<M_SteelFD> FinishTendonProfile(const CPM001T010401Atom& atom, M_Steel& steel,
                                               const TendonProfileWork& work);

} // namespace pm001_tendon
