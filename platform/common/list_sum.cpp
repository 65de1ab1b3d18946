// KVDataCommon::sum over both argument forms of a list of reals.
#include "list_sum.h"

namespace KVDataCommon {

double sum(const CArray<double>& values)
{
    double total = 0.0;
    for (double v : values) total += v;
    return total;
}

double sum(const CArray<double, double>& values)
{
    double total = 0.0;
    for (double v : values) total += v;
    return total;
}

} // namespace KVDataCommon
