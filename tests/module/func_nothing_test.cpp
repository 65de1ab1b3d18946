// FuncNothing: a + b + c > d + e on 32-bit sums that wrap around.
#include "module/pier_component.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct SumCase {
    int a, b, c, d, e;
    int expected;
};

class FuncNothing : public ::testing::TestWithParam<SumCase> {};

TEST_P(FuncNothing, ComparesTheTwoSums)
{
    const SumCase& k = GetParam();
    CPM001Norm component;
    EXPECT_EQ(component.FuncNothing(k.a, k.b, k.c, k.d, k.e), k.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FuncNothing,
    ::testing::Values(
        SumCase{1, 2, 3, 3, 3, 0},                 // 6 > 6 fails
        SumCase{1, 2, 4, 3, 3, 1},                 // 7 > 6
        SumCase{-5, 0, 0, -6, 0, 1},               // -5 > -6
        SumCase{INT_MAX, 1, 0, 0, 0, 0},           // 2^31 wraps to -2^31, which is not > 0
        SumCase{0, 0, 0, INT_MAX, 1, 1},           // 0 > -2^31
        SumCase{INT_MIN, -1, 0, 0, 0, 1},          // -2^31 - 1 wraps to 2^31 - 1 > 0
        SumCase{INT_MAX, INT_MAX, 2, 0, 0, 0},     // 2^32 wraps to 0, not > 0
        SumCase{INT_MAX, INT_MAX, INT_MAX, INT_MIN, INT_MIN, 1}));   // 3*2^31 - 3 wraps to 2^31 - 3; -2^32 to 0

} // namespace
