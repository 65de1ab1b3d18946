// KVDataCommon::ParseComponentName: the number at the end of a component name.
#include "common/component_name.h"

#include <gtest/gtest.h>

using KVDataCommon::ParseComponentName;

TEST(ComponentName, TrailingDigitsAreTheNumber)
{
    int n = -1;
    EXPECT_EQ(ParseComponentName("P12", n), 1);
    EXPECT_EQ(n, 12);
    EXPECT_EQ(ParseComponentName("墩3", n), 1);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(ParseComponentName("P007", n), 1);
    EXPECT_EQ(n, 7);
    EXPECT_EQ(ParseComponentName("2147483647", n), 1);
    EXPECT_EQ(n, 2147483647);
    EXPECT_EQ(ParseComponentName("A1B22", n), 1);
    EXPECT_EQ(n, 22);
}

TEST(ComponentName, NoTrailingDigitsGivesZero)
{
    int n = -1;
    EXPECT_EQ(ParseComponentName("P", n), 0);
    EXPECT_EQ(n, 0);
    n = 5;
    EXPECT_EQ(ParseComponentName("", n), 0);
    EXPECT_EQ(n, 0);
    n = 5;
    EXPECT_EQ(ParseComponentName("3号墩", n), 0);
    EXPECT_EQ(n, 0);
}

TEST(ComponentName, DigitsBeyondAnIntGiveZero)
{
    int n = -1;
    EXPECT_EQ(ParseComponentName("P2147483648", n), 0);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(ParseComponentName("P99999999999999999999", n), 0);
    EXPECT_EQ(n, 0);
}
