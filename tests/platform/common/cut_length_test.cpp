// KVDataCommon::KVCTL: the schedule's cut length.
#include "common/cut_length.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

TEST(CutLength, RoundsToTheNearestWholeMillimetre)
{
    EXPECT_EQ(KVDataCommon::KVCTL(1234.4), 1234.0);
    EXPECT_EQ(KVDataCommon::KVCTL(1234.5), 1235.0);
    EXPECT_EQ(KVDataCommon::KVCTL(1234.6), 1235.0);
    EXPECT_EQ(KVCTL(1200.0), 1200.0); // a whole length stays as it is
    EXPECT_EQ(KVCTL(0.0), 0.0);
    // A stirrup: legs 1500 + 1620 + 2 x 800 and two hooks of 85.69 each.
    EXPECT_EQ(KVCTL(1500.0 + 1620.0 + 2.0 * 800.0 + 2.0 * 85.69), 4891.0);
}

TEST(CutLength, LargeNegativeAndNonFiniteValuesAreSafe)
{
    EXPECT_EQ(KVCTL(3e12 + 0.4), 3e12); // beyond any int: no conversion overflow
    EXPECT_EQ(KVCTL(-2.7), -3.0);
    EXPECT_TRUE(std::isnan(KVCTL(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(KVCTL(std::numeric_limits<double>::infinity()), std::numeric_limits<double>::infinity());
}
