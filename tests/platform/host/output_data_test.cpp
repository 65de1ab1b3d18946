// InSert_OutputData and CBGOutputData::ToText: ownership of the records and their printed form.
#include "host/output_data.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

CString printed(const OutputDataMap& map, const char* key) { return map.at(key)->ToText(); }

} // namespace

TEST(OutputMap, InsertingAnExistingKeyReplacesTheRecord)
{
    OutputDataMap map;
    InSert_OutputData(map, "PM001_lb_fLianhe", 1, "");
    const CBGOutputData* first = map.at("PM001_lb_fLianhe");
    CArray<double> list;
    list.Add(1.0);
    InSert_OutputData(map, "PM001_lb_fLianhe", list, 2, "");   // the old record is freed (checked under ASan)
    ASSERT_EQ(map.size(), 1u);
    const CBGOutputData& now = *map.at("PM001_lb_fLianhe");
    EXPECT_NE(&now, first);
    EXPECT_EQ(now.type, CBGOutputData::DoubleList);
    EXPECT_EQ(now.ToText(), "1.00");
}

TEST(OutputMap, RealsKeepFullPrecision)
{
    OutputDataMap map;
    InSert_OutputData(map, "a", 3.14159, 2, "note");
    const CBGOutputData& r = *map.at("a");
    EXPECT_EQ(r.doubleValue, 3.14159);
    EXPECT_EQ(r.decimals, 2);
    EXPECT_EQ(r.note, "note");
    EXPECT_EQ(r.ToText(), "3.14");
}

TEST(OutputText, RealsAreRoundedToTheirDecimals)
{
    OutputDataMap map;
    InSert_OutputData(map, "a", 1234.5678, 3, "");
    InSert_OutputData(map, "b", 2.6, 0, "");
    InSert_OutputData(map, "c", 7.7, -1, "");    // negative decimals print as 0
    InSert_OutputData(map, "d", -0.001, 2, "");  // rounds to zero: no sign
    InSert_OutputData(map, "e", -1.25e3, 1, "");
    InSert_OutputData(map, "f", 0.1, 25, "");
    EXPECT_EQ(printed(map, "a"), "1234.568");
    EXPECT_EQ(printed(map, "b"), "3");
    EXPECT_EQ(printed(map, "c"), "8");
    EXPECT_EQ(printed(map, "d"), "0.00");
    EXPECT_EQ(printed(map, "e"), "-1250.0");
    EXPECT_EQ(printed(map, "f"), "0.1000000000000000055511151");   // the double nearest 0.1
}

TEST(OutputText, IntegersTextsAndLists)
{
    OutputDataMap map;
    InSert_OutputData(map, "i", -5, "");
    InSert_OutputData(map, "t", CString("C50"), "");
    CArray<int> ints;
    ints.Add(1);
    ints.Add(-2);
    ints.Add(30);
    InSert_OutputData(map, "il", ints, "");
    CArray<double> reals;
    reals.Add(1.26);
    reals.Add(2.0);
    InSert_OutputData(map, "dl", reals, 1, "");
    CStringArray texts;
    texts.Add("HRB400");
    texts.Add("钢绞线");
    InSert_OutputData(map, "tl", texts, "");
    InSert_OutputData(map, "empty", CArray<int>(), "");

    EXPECT_EQ(printed(map, "i"), "-5");
    EXPECT_EQ(printed(map, "t"), "C50");
    EXPECT_EQ(printed(map, "il"), "1,-2,30");
    EXPECT_EQ(printed(map, "dl"), "1.3,2.0");
    EXPECT_EQ(printed(map, "tl"), "HRB400,钢绞线");
    EXPECT_EQ(printed(map, "empty"), "");
}

TEST(OutputText, NonFiniteRealsPrintPlainly)
{
    OutputDataMap map;
    InSert_OutputData(map, "n", std::numeric_limits<double>::quiet_NaN(), 2, "");
    InSert_OutputData(map, "i", -std::numeric_limits<double>::infinity(), 2, "");
    InSert_OutputData(map, "big", 1e308, 0, "");
    EXPECT_EQ(printed(map, "n"), "nan");
    EXPECT_EQ(printed(map, "i"), "-inf");
    EXPECT_EQ(printed(map, "big").GetLength(), 309);
}
