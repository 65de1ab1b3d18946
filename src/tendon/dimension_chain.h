// Dimension chains of the tendon drawings: sorted distinct stations or levels and the gaps between them.
#pragma once

#include "common/dbl_array.h"

#include <algorithm>
#include <compare>

namespace pm001_tendon {

enum class ChainOrder { Increasing, Decreasing };

// Sorts the list and keeps only the first of every run of exactly equal values (no tolerance: two
// ends a hair apart both stay and give a tiny gap). The sort uses the total order of reals, which
// agrees with the plain order on every number and keeps the sort well defined whatever the values.
inline void SortDistinct(DblArray& values, ChainOrder order)
{
    if (values.GetSize() < 2) return;
    double* first = values.GetData();
    double* last = first + values.GetSize();
    if (order == ChainOrder::Increasing)
        std::sort(first, last, [](double a, double b) { return std::strong_order(a, b) < 0; });
    else
        std::sort(first, last, [](double a, double b) { return std::strong_order(a, b) > 0; });
    double* kept = std::unique(first, last, [](double a, double b) { return a == b; });
    const int size = static_cast<int>(kept - first);
    values.RemoveAt(size, values.GetSize() - size);
}

// Appends to chain the gap between every two neighbours of a list sorted by SortDistinct with the
// same order; every gap is positive.
inline void AppendGaps(const DblArray& sorted, ChainOrder order, DblArray& chain)
{
    for (int k = 1; k < sorted.GetSize(); ++k)
        chain.Add(order == ChainOrder::Increasing ? sorted[k] - sorted[k - 1] : sorted[k - 1] - sorted[k]);
}

} // namespace pm001_tendon
