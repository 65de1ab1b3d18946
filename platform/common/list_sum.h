// KVDataCommon::sum: the sum of a list of reals.
#pragma once

#include "mfc/carray.h"

namespace KVDataCommon {

// The sum of the elements in index order; 0 for an empty list.
double sum(const CArray<double>& values);
double sum(const CArray<double, double>& values);

} // namespace KVDataCommon
