// Strand weight: the catalogue's mass per metre of a strand times the number of strands.
#include "catalog/strand_weight.h"

#include <gtest/gtest.h>

using KVDataCommon::gsweight;

TEST(StrandWeight, NineStrandsOfFifteenPointTwo)
{
    // 1.101 kg/m per strand (GB/T 5224-2014, 15.20 mm): 9 × 1.101 = 9.909.
    EXPECT_NEAR(gsweight(CString("钢绞线1×7-15.20-1860"), 9), 9.909, 1e-12);
}

TEST(StrandWeight, AliasesAndLabelsNameTheSameStrand)
{
    // 0.775 kg/m per strand of 12.70 mm: 4 × 0.775 = 3.1.
    EXPECT_NEAR(gsweight(CString("1x7-12.7-1860"), 4), 3.1, 1e-12);
    EXPECT_NEAR(gsweight(CString("Φs15.2"), 2), 2.202, 1e-12);
}

TEST(StrandWeight, NoStrandsWeighNothing)
{
    EXPECT_EQ(gsweight(CString("钢绞线1×7-15.20-1860"), 0), 0.0);
}

TEST(StrandWeight, UnknownOrNonStrandNamesWeighNothing)
{
    EXPECT_EQ(gsweight(CString("no such strand"), 9), 0.0);
    EXPECT_EQ(gsweight(CString(""), 9), 0.0);
    // A jack is in the catalogue but is no strand.
    EXPECT_EQ(gsweight(CString("YCW250"), 9), 0.0);
}
