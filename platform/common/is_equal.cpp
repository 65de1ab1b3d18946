// KVDataCommon::IsEqual: scalar, pairwise-list and all-alike forms.
#include "is_equal.h"

#include <cmath>

namespace KVDataCommon {

namespace {

template <class List>
int allAlike(const List& values, double tol)
{
    if (values.GetSize() == 0) return 1;
    double lo = values[0];
    double hi = values[0];
    for (double v : values) {
        if (std::isnan(v)) return 0;
        if (v < lo) lo = v;
        if (v > hi) hi = v;
    }
    return (lo == hi || hi - lo <= tol) ? 1 : 0;
}

} // namespace

int IsEqual(double a, double b)
{
    return (a == b || std::fabs(a - b) <= kEqualTolerance) ? 1 : 0;
}

int IsEqual(const DblArray& a, const DblArray& b)
{
    if (a.GetSize() != b.GetSize()) return 0;
    for (int i = 0; i < a.GetSize(); ++i)
        if (!IsEqual(a[i], b[i])) return 0;
    return 1;
}

int IsEqual(const IntArray& a, const IntArray& b)
{
    return a.vector() == b.vector() ? 1 : 0;
}

int IsEqual(const CArray<double>& values, double tol) { return allAlike(values, tol); }

int IsEqual(const CArray<double, double>& values, double tol) { return allAlike(values, tol); }

} // namespace KVDataCommon
