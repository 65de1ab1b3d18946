// KVDataCommon::IsEqual (scalar, list and all-alike forms) and KVDataCommon::sum.
#include "common/is_equal.h"
#include "common/list_sum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using KVDataCommon::IsEqual;

namespace {

DblArray dbls(std::initializer_list<double> values)
{
    DblArray a;
    for (double v : values) a.Add(v);
    return a;
}

IntArray ints(std::initializer_list<int> values)
{
    IntArray a;
    for (int v : values) a.Add(v);
    return a;
}

} // namespace

TEST(IsEqualReals, ToleranceEdge)
{
    EXPECT_FALSE(IsEqual(1e-5, 0.0));
    EXPECT_FALSE(IsEqual(0.0, 2e-6));
    EXPECT_TRUE(IsEqual(5e-7, 0.0));
    EXPECT_TRUE(IsEqual(0.0, -5e-7));
    EXPECT_TRUE(IsEqual(1e-6, 0.0));               // the tolerance itself is still equal
    EXPECT_TRUE(IsEqual(100.0, 100.0000005));       // absolute, not relative
    EXPECT_FALSE(IsEqual(100.0, 100.00001));
    EXPECT_FALSE(IsEqual(1e9, 1e9 + 1.0));
}

TEST(IsEqualReals, NonFiniteValues)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(IsEqual(inf, inf));
    EXPECT_FALSE(IsEqual(inf, -inf));
    EXPECT_FALSE(IsEqual(nan, nan));
    EXPECT_FALSE(IsEqual(nan, 0.0));
}

TEST(IsEqualLists, DblArraysCompareSizeThenElements)
{
    const auto a = dbls({1.0, 2.0});
    EXPECT_TRUE(IsEqual(a, dbls({1.0, 2.0000005})));
    EXPECT_FALSE(IsEqual(a, dbls({1.0, 2.001})));
    EXPECT_FALSE(IsEqual(a, dbls({1.0, 2.0, 3.0})));
    EXPECT_FALSE(IsEqual(dbls({1.0, 2.0, 3.0}), a));
    EXPECT_FALSE(IsEqual(a, DblArray()));
    EXPECT_TRUE(IsEqual(DblArray(), DblArray()));
}

TEST(IsEqualLists, IntArraysCompareExactly)
{
    const auto a = ints({1, 2});
    EXPECT_TRUE(IsEqual(a, ints({1, 2})));
    EXPECT_FALSE(IsEqual(a, ints({1, 3})));
    EXPECT_FALSE(IsEqual(a, ints({1})));
    EXPECT_FALSE(IsEqual(a, ints({1, 2, 0})));
}

TEST(IsEqualLists, AllAlikeWithinTolerance)
{
    // Extremes 9e-6 apart: alike within 1e-5.
    EXPECT_TRUE(IsEqual(dbls({5.0, 5.000004, 5.000009}), 1e-5));
    // Each neighbour is within 1e-5, but the extremes are 1.2e-5 apart.
    EXPECT_FALSE(IsEqual(dbls({5.0, 5.000006, 5.000012}), 1e-5));
    EXPECT_FALSE(IsEqual(dbls({5.000012, 5.0, 5.000006}), 1e-5));
    EXPECT_TRUE(IsEqual(DblArray(), 1e-5));
    EXPECT_TRUE(IsEqual(dbls({3.0}), 1e-5));
    EXPECT_FALSE(IsEqual(dbls({3.0, std::nan("")}), 1e-5));
    EXPECT_FALSE(IsEqual(dbls({std::nan(""), std::nan("")}), 1e-5));

    CArray<double, double> plain;
    plain.Add(2.0);
    plain.Add(2.5);
    EXPECT_FALSE(IsEqual(plain, 0.4));
    EXPECT_TRUE(IsEqual(plain, 0.5));
}

TEST(ListSum, SumsInOrder)
{
    EXPECT_EQ(KVDataCommon::sum(dbls({1.5, 2.25, -0.75})), 3.0);
    EXPECT_EQ(KVDataCommon::sum(DblArray()), 0.0);

    CArray<double, double> spans;
    spans.Add(3000.0);
    spans.Add(4500.0);
    EXPECT_EQ(KVDataCommon::sum(spans), 7500.0);
}
