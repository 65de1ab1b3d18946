// KVDataCommon number texts: numbering styles and splitting a text into items.
#include "common/number_text.h"

#include <climits>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace KVDataCommon;

namespace {

std::string Text(int n, int style)
{
    CString text("old");
    IntToString(n, text, style);
    return text.str();
}

std::vector<std::string> Items(const char* text)
{
    CStringArray items;
    items.Add(CString("stale"));
    const int count = strTostrSTArr(CString(text), items);
    std::vector<std::string> result;
    for (int i = 0; i < items.GetSize(); ++i) result.push_back(items[i].str());
    EXPECT_EQ(count, items.GetSize());
    return result;
}

} // namespace

TEST(IntToString, TheThreeStyles)
{
    EXPECT_EQ(Text(10, 0), "10");
    EXPECT_EQ(Text(-3, 0), "-3");
    EXPECT_EQ(Text(12, 7), "12"); // an unknown style writes decimal digits
    // Letters count like spreadsheet columns; 0 and below stay decimal.
    EXPECT_EQ(Text(1, 1), "A");
    EXPECT_EQ(Text(26, 1), "Z");
    EXPECT_EQ(Text(27, 1), "AA");
    EXPECT_EQ(Text(53, 1), "BA");
    EXPECT_EQ(Text(702, 1), "ZZ");
    EXPECT_EQ(Text(703, 1), "AAA");
    EXPECT_EQ(Text(0, 1), "0");
    // Chinese numerals: 十 alone at the head, one 零 for a run of zeros, groups of 万 and 亿.
    EXPECT_EQ(Text(1, 2), "一");
    EXPECT_EQ(Text(11, 2), "十一");
    EXPECT_EQ(Text(20, 2), "二十");
    EXPECT_EQ(Text(101, 2), "一百零一");
    EXPECT_EQ(Text(110, 2), "一百一十");
    EXPECT_EQ(Text(1010, 2), "一千零一十");
    EXPECT_EQ(Text(10001, 2), "一万零一");
    EXPECT_EQ(Text(20100, 2), "二万零一百");
    EXPECT_EQ(Text(100010, 2), "十万零一十");
    EXPECT_EQ(Text(100000001, 2), "一亿零一");
    EXPECT_EQ(Text(0, 2), "零");
    EXPECT_EQ(Text(-5, 2), "负五");
    EXPECT_EQ(Text(INT_MAX, 2), "二十一亿四千七百四十八万三千六百四十七");
    EXPECT_EQ(Text(INT_MIN, 2), "负二十一亿四千七百四十八万三千六百四十八");
}

TEST(IntToString, DistinctNumbersGiveDistinctTexts)
{
    for (int style : {0, 1, 2}) {
        std::set<std::string> seen;
        int count = 0;
        for (int n = -200; n <= 120000; ++n, ++count) seen.insert(Text(n, style));
        for (int n : {INT_MAX, INT_MAX - 1, INT_MIN, INT_MIN + 1, 100000000, 100010000}) {
            seen.insert(Text(n, style));
            ++count;
        }
        EXPECT_EQ(static_cast<int>(seen.size()), count) << "style " << style;
    }
}

TEST(SplitItems, SeparatorsAndEmptyItems)
{
    EXPECT_EQ(Items("K2,K3"), (std::vector<std::string>{"K2", "K3"}));
    EXPECT_EQ(Items("K2, K3；K4"), (std::vector<std::string>{"K2", "K3", "K4"}));
    EXPECT_EQ(Items("一号，二号;三号\t四号\n五号"),
              (std::vector<std::string>{"一号", "二号", "三号", "四号", "五号"}));
    EXPECT_EQ(Items(",,K2,, ;"), (std::vector<std::string>{"K2"}));
    EXPECT_TRUE(Items("").empty());
    EXPECT_TRUE(Items("  ，, ").empty());
}
