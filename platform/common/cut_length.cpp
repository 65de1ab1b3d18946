// The cut length written into a bar schedule.
#include "common/cut_length.h"

#include <cmath>

namespace KVDataCommon {

double KVCTL(double x)
{
    if (!std::isfinite(x)) return x;
    return std::floor(x + 0.5);
}

} // namespace KVDataCommon
