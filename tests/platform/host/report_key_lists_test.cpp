// cstringTocstringArray and Clear_Str_Empty: key texts split into keys, empty rows of parallel lists removed.
#include "host/report.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::string> keysOf(const char* text)
{
    CStringArray keys;
    keys.Add("stale");
    cstringTocstringArray(text, keys);
    std::vector<std::string> out;
    for (const auto& k : keys) out.push_back(k.str());
    return out;
}

CStringArray texts(std::initializer_list<const char*> list)
{
    CStringArray a;
    for (const char* t : list) a.Add(t);
    return a;
}

std::vector<std::string> contents(const CStringArray& a)
{
    std::vector<std::string> out;
    for (const auto& t : a) out.push_back(t.str());
    return out;
}

using V = std::vector<std::string>;

} // namespace

TEST(KeySplitting, SlashSeparatesKeys)
{
    EXPECT_EQ(keysOf("bBz/D"), (V{"bBz", "D"}));
    EXPECT_EQ(keysOf("hXbl/hHgl/bBpl"), (V{"hXbl", "hHgl", "bBpl"}));
    EXPECT_EQ(keysOf("LG"), (V{"LG"}));
    EXPECT_EQ(keysOf("墩高"), (V{"墩高"}));
}

TEST(KeySplitting, EmptySegmentsNameNoKey)
{
    EXPECT_EQ(keysOf(""), V{});
    EXPECT_EQ(keysOf("/"), V{});
    EXPECT_EQ(keysOf("a//b"), (V{"a", "b"}));
    EXPECT_EQ(keysOf("/a/b/"), (V{"a", "b"}));
}

TEST(ClearEmptyRows, RowIsRemovedOnlyWhenEveryListIsEmptyThere)
{
    CStringArray a = texts({"1", "", "3", ""});
    CStringArray b = texts({"x", "", "", ""});
    CStringArray c = texts({"p"});   // shorter: empty from row 1 on
    CArray<CStringArray*, CStringArray*> group;
    group.Add(&a);
    group.Add(&b);
    group.Add(&c);
    Clear_Str_Empty(group);
    EXPECT_EQ(contents(a), (V{"1", "3"}));
    EXPECT_EQ(contents(b), (V{"x", ""}));
    EXPECT_EQ(contents(c), (V{"p"}));
}

TEST(ClearEmptyRows, ShortListKeepsItsRowsWhenLongerListsHoldText)
{
    CStringArray a = texts({"", "", "5"});
    CStringArray b = texts({"", "q"});
    CArray<CStringArray*, CStringArray*> group;
    group.Add(&a);
    group.Add(&b);
    Clear_Str_Empty(group);
    EXPECT_EQ(contents(a), (V{"", "5"}));
    EXPECT_EQ(contents(b), (V{"q"}));
}

TEST(ClearEmptyRows, BlankIsNotEmpty)
{
    CStringArray a = texts({" ", ""});
    CArray<CStringArray*, CStringArray*> group;
    group.Add(&a);
    Clear_Str_Empty(group);
    EXPECT_EQ(contents(a), (V{" "}));
}

TEST(ClearEmptyRows, NullSlotsAndRepeatedListsAreSafe)
{
    CStringArray a = texts({"", "1", "", "2", ""});
    CArray<CStringArray*, CStringArray*> group;
    group.Add(nullptr);
    group.Add(&a);
    group.Add(&a);
    Clear_Str_Empty(group);
    EXPECT_EQ(contents(a), (V{"1", "2"}));

    CArray<CStringArray*, CStringArray*> none;
    Clear_Str_Empty(none);
}
