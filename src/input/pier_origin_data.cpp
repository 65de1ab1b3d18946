// CPM001org: construction, release, run-time class and the end heights derived from the slopes.
#include "input/pier_origin_data.h"

#include "common/is_equal.h"
#include "common/list_sum.h"

#include <cmath>

IMPLEMENT_SERIAL(CPM001org, CObject, 1)

// Every number starts at 0, every list and text empty. The bearing spacing lists in particular
// start empty: a list with a 0.0 in it would stand for a bearing at the cap end.
CPM001org::CPM001org() = default;

CPM001org::~CPM001org()
{
    // The combined lists only point into the row lists; forget them before the polygons go.
    DSOutlines.RemoveAll();
    ZZOutlines.RemoveAll();
}

double CPM001org::CapLength() const { return bBzl + bBzr + KVDataCommon::sum(bBz); }

int CPM001org::KnownBearingPlaces(const DblArray& spacings)
{
    int known = 0;
    while (known < spacings.GetSize() && !std::isnan(spacings[known])) ++known;
    return known;
}

void CPM001org::DeriveEndHeights()
{
    // One slope over the whole top: the bottom follows it, the height is the same everywhere.
    if (KVDataCommon::IsEqual(iLb, -iRb)) {
        HeightLeftEnd = hHgl;
        HeightRightEnd = hHgl;
        return;
    }
    // Two slopes meeting at the control section, where the height is hHgl: towards each end the
    // top falls by the slope times the distance from the control section.
    HeightLeftEnd = hHgl - bAc * iLb;
    HeightRightEnd = hHgl - (CapLength() - bAc) * iRb;
}
