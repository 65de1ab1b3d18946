// KVAlign list building: the twelve-text and the eight-list forms.

#include "drawing/kv_align.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<CString>;

TEST(KVAlignTexts, KeepsTheNonEmptyTextsInArgumentOrder)
{
    EXPECT_EQ(KVAlign::ToStringVector("c", "a", "b", "", "", "", "", "", "", "", "", ""), (Names{"c", "a", "b"}));
}

TEST(KVAlignTexts, SkipsEmptyTextsWhereverTheyStand)
{
    EXPECT_EQ(KVAlign::ToStringVector("", "x", "", "", "y", "", "", "", "", "", "", "z"), (Names{"x", "y", "z"}));
}

TEST(KVAlignTexts, AllTwelvePlacesAndNone)
{
    EXPECT_EQ(KVAlign::ToStringVector("1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"),
              (Names{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
    EXPECT_TRUE(KVAlign::ToStringVector("", "", "", "", "", "", "", "", "", "", "", "").empty());
}

TEST(KVAlignTexts, KeepsRepeatsBlanksAndOddCharacters)
{
    // Only an empty text stands for an unused place; a blank or a repeated name is a name.
    EXPECT_EQ(KVAlign::ToStringVector("a", "a", " ", "B05'", "DM[i]", "墩", "", "", "", "", "", ""),
              (Names{"a", "a", " ", "B05'", "DM[i]", "墩"}));
}

TEST(KVAlignLists, JoinsTheListsInArgumentOrder)
{
    const Names a{"a1", "a2"}, b{"b1"}, c{"c1", "c2", "c3"};
    EXPECT_EQ(KVAlign::ToStringVector(c, a, b, {}, {}, {}, {}, {}), (Names{"c1", "c2", "c3", "a1", "a2", "b1"}));
}

TEST(KVAlignLists, EmptyListsAddNothingWhereverTheyStand)
{
    const Names a{"a"}, b{"b"};
    EXPECT_EQ(KVAlign::ToStringVector({}, a, {}, {}, {}, {}, {}, b), (Names{"a", "b"}));
    EXPECT_TRUE(KVAlign::ToStringVector({}, {}, {}, {}, {}, {}, {}, {}).empty());
}

TEST(KVAlignLists, KeepsEmptyTextsInsideAList)
{
    // The list form joins what it is given; only the text form drops empty texts.
    const Names a{"a", ""}, b{"", "b"};
    EXPECT_EQ(KVAlign::ToStringVector(a, b, {}, {}, {}, {}, {}, {}), (Names{"a", "", "", "b"}));
}

TEST(KVAlignLists, LeavesItsArgumentsAlone)
{
    const Names a{"a1", "a2"};
    const Names joined = KVAlign::ToStringVector(a, a, a, a, a, a, a, a);
    EXPECT_EQ(joined.size(), 16u);
    EXPECT_EQ(joined.back(), "a2");
    EXPECT_EQ(a, (Names{"a1", "a2"}));
}

}  // namespace
