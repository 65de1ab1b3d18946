// KVDataCommon::distance: the distance between two plane points.
#pragma once

#include "dbl_point.h"

namespace KVDataCommon {

double distance(const CDblPoint& p, const CDblPoint& q);

} // namespace KVDataCommon
