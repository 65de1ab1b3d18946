// The global name tables: the load-case texts and the drawing block-name lists, as the module holds them.

#include "tables/name_tables.h"

#include "mfc/carchive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <array>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

// Characters of a UTF-8 text (bytes that do not continue a character).
int CharacterCount(const CString& text)
{
    return static_cast<int>(std::count_if(text.str().begin(), text.str().end(),
                                          [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The text as the archive writes it: length prefix, then code page 936 bytes.
std::vector<unsigned char> ArchiveForm(const CString& text)
{
    std::vector<unsigned char> bytes;
    CArchive ar(bytes, CArchive::store);
    ar << text;
    return bytes;
}

// The names of one drawing block list, as texts of the component.
std::vector<CString> Names(int list)
{
    const auto names = DrawingBlockNames(list);
    return std::vector<CString>(names.begin(), names.end());
}

bool StartsWith(const CString& text, const std::string& prefix) { return text.str().rfind(prefix, 0) == 0; }

TEST(LoadCaseNames, MarkerFirstConstructionLoadLast)
{
    ASSERT_EQ(LoadCaseNameCount(), 36);
    EXPECT_EQ(LoadCaseName(1), "##");
    EXPECT_EQ(LoadCaseName(1).size(), 2u);
    EXPECT_EQ(LoadCaseName(2), "结构重力");
    EXPECT_EQ(LoadCaseName(36), "施工荷载");
}

TEST(LoadCaseNames, CodePage936Lengths)
{
    EXPECT_EQ(ArchiveForm(LoadCaseName(6)),
              (std::vector<unsigned char>{10, 0xCD, 0xC1, 0xB5, 0xC4, 0xB2, 0xE0, 0xD1, 0xB9, 0xC1, 0xA6}));   // 土的侧压力
    EXPECT_EQ(ArchiveForm(LoadCaseName(7)).front(), 4);    // 收缩
    EXPECT_EQ(ArchiveForm(LoadCaseName(1)), (std::vector<unsigned char>{2, '#', '#'}));
}

TEST(LoadCaseNames, NameLengthsInCharacters)
{
    std::map<int, int> byLength;
    for (int i = 2; i <= 36; ++i)
        ++byLength[CharacterCount(LoadCaseName(i))];
    EXPECT_EQ(byLength, (std::map<int, int>{{2, 7}, {3, 6}, {4, 21}, {5, 1}}));
    EXPECT_EQ(LoadCaseName(6), "土的侧压力");
}

TEST(LoadCaseNames, SimilarNamesAreDistinctEntries)
{
    EXPECT_EQ(LoadCaseName(13), "汽车冲击");
    EXPECT_EQ(LoadCaseName(35), "汽车撞击");
    EXPECT_EQ(LoadCaseName(16), "汽车土侧");
    EXPECT_EQ(LoadCaseName(29), "列车土侧");
    EXPECT_EQ(LoadCaseName(32), "端轨力");
    std::set<CString> distinct;
    for (int i = 1; i <= 36; ++i)
        distinct.insert(LoadCaseName(i));
    EXPECT_EQ(distinct.size(), 36u);
}

TEST(LoadCaseNames, NumbersOutsideTheTableThrow)
{
    EXPECT_THROW(LoadCaseName(0), std::out_of_range);
    EXPECT_THROW(LoadCaseName(37), std::out_of_range);
}

// Names per list, in order of construction.
constexpr std::array<int, 71> kListSizes = {
    9, 9, 10, 11, 24, 12, 7, 9, 8, 18, 12, 14, 13, 7, 10, 15, 12, 4, 15, 9, 11, 7, 13, 17, 14, 4, 16, 5,
    4, 15, 7, 9, 6, 13, 17, 20, 7, 8, 14, 8, 11, 28, 25, 31, 15, 8, 38, 9, 10, 6, 10, 5, 14, 6, 11, 3,
    7, 8, 10, 14, 11, 9, 6, 14, 8, 5, 10, 8, 6, 6, 5};

TEST(DrawingBlockNames, ListSizesAndTotals)
{
    ASSERT_EQ(DrawingBlockListCount(), 71);
    std::size_t total = 0;
    std::set<CString> distinct;
    for (int list = 1; list <= 71; ++list) {
        const auto& names = Names(list);
        EXPECT_EQ(names.size(), static_cast<std::size_t>(kListSizes[list - 1])) << "list " << list;
        total += names.size();
        distinct.insert(names.begin(), names.end());
    }
    EXPECT_EQ(total, 800u);
    EXPECT_EQ(distinct.size(), 733u);
    EXPECT_EQ(Names(47).size(), 38u);   // the longest
    EXPECT_EQ(Names(56).size(), 3u);    // the shortest
    EXPECT_EQ(Names(48).size(), 9u);    // two groups of 2 and 7
}

TEST(DrawingBlockNames, NamesArePlainAndUniqueWithinTheirList)
{
    for (int list = 1; list <= 71; ++list) {
        const auto& names = Names(list);
        EXPECT_EQ(std::set<CString>(names.begin(), names.end()).size(), names.size()) << "list " << list;
        for (const CString& name : names) {
            EXPECT_GE(name.GetLength(), 11) << name.str();
            EXPECT_LE(name.GetLength(), 35) << name.str();
            const bool plain = std::all_of(name.str().begin(), name.str().end(), [](char c) {
                return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '_' || c == '[' || c == ']' || c == '\'';
            });
            EXPECT_TRUE(plain) << name.str();
        }
    }
}

// Exactly six pairs of lists share names, each list holding its own copies.
TEST(DrawingBlockNames, SharedNamesOnlyInTheSixPairs)
{
    std::map<std::pair<int, int>, std::size_t> shared;
    for (int a = 1; a <= 71; ++a) {
        const auto& first = Names(a);
        const std::set<CString> names(first.begin(), first.end());
        for (int b = a + 1; b <= 71; ++b) {
            const auto& second = Names(b);
            const auto common = std::count_if(second.begin(), second.end(),
                                              [&](const CString& n) { return names.count(n) != 0; });
            if (common != 0)
                shared[{a, b}] = static_cast<std::size_t>(common);
        }
    }
    const std::map<std::pair<int, int>, std::size_t> expected = {
        {{10, 11}, 12}, {{16, 17}, 12}, {{19, 27}, 7}, {{24, 25}, 14}, {{35, 36}, 2}, {{42, 43}, 20}};
    EXPECT_EQ(shared, expected);
    EXPECT_NE(&DrawingBlockNames(10)[0], &DrawingBlockNames(11)[0]);
}

TEST(DrawingBlockNames, FamiliesByList)
{
    auto family = [](int list) -> std::string {
        if (list == 1) return "QMKV_PG001_";
        if (list <= 5) return "QMKV_PG_003_";
        if (list == 6) return "QMKV_PG_005_";
        if (list <= 8) return "QMKV_PG_007_";
        if (list == 9) return "QMKV_PG_008_";
        if (list <= 11 || list == 31) return "QMKV_PC_001_";
        if (list <= 13 || list == 28 || list == 29) return "QMKV_PM_001_";
        if (list <= 17 || list == 20 || list == 21) return "QMKVPT001";
        if (list == 18) return "PTDABANGZ";
        if (list <= 26 && list != 19) return "PT002";
        if (list == 30) return "QMKV_PG006_";
        if (list == 32) return "QMKV_PG_006_";
        if (list == 33) return "QMKV_SG_001_";
        if (list >= 34 && list <= 43) return "QMKVSC001";
        if (list >= 44 && list <= 55) return "QMKVSC002";
        if (list == 56 || list == 57) return "QMKVSC003";
        if (list >= 58 && list <= 64) return "QMKVST001";
        if (list >= 65) return "QMKVSS001";
        return "";   // lists 19 and 27: two families, checked below
    };
    for (int list = 1; list <= 71; ++list) {
        const std::string prefix = family(list);
        if (prefix.empty())
            continue;
        for (const CString& name : Names(list))
            EXPECT_TRUE(StartsWith(name, prefix)) << "list " << list << ": " << name.str();
    }
    // Lists 19 and 27: their own drawing's names first, then the shared "PG006T01" names.
    for (const auto& [list, own] : {std::pair<int, std::string>{19, "PT001DS01"}, {27, "PT002T01DS01"}}) {
        const auto& names = Names(list);
        const auto firstShared = std::find_if(names.begin(), names.end(),
                                              [](const CString& n) { return StartsWith(n, "PG006T01"); });
        EXPECT_EQ(firstShared - names.begin(), 4) << "list " << list;
        for (auto it = names.begin(); it != names.end(); ++it)
            EXPECT_TRUE(StartsWith(*it, it < firstShared ? own : "PG006T01")) << it->str();
    }
}

TEST(DrawingBlockNames, FirstListInOrder)
{
    const auto& names = Names(1);
    ASSERT_EQ(names.size(), 9u);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(names[i], "QMKV_PG001_T01_01_p0" + std::to_string(i + 1));
}

TEST(DrawingBlockNames, GroupsFollowOneAnother)
{
    // List 5 from groups of 10, 8 and 6.
    const auto& list5 = Names(5);
    ASSERT_EQ(list5.size(), 24u);
    for (int i = 0; i < 21; ++i) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "QMKV_PG_003_T01_03_%03d", i + 1);
        EXPECT_EQ(list5[i], expected);
    }
    EXPECT_EQ(list5[21], "QMKV_PG_003_T01_03_022[1]");
    EXPECT_EQ(list5[22], "QMKV_PG_003_T01_03_022[2]");
    EXPECT_EQ(list5[23], "QMKV_PG_003_T01_03_023");

    // List 34 keeps its groups' order: the a names, then c, then b.
    const auto& list34 = Names(34);
    ASSERT_EQ(list34.size(), 13u);
    for (int i = 0; i < 13; ++i) {
        const char* group = i < 7 ? "QMKVSC001T01_a" : i < 10 ? "QMKVSC001T01_c" : "QMKVSC001T01_b";
        EXPECT_TRUE(StartsWith(list34[i], group)) << list34[i].str();
    }
    EXPECT_EQ(list34[6], "QMKVSC001T01_a07");
    EXPECT_EQ(list34[7], "QMKVSC001T01_c01");
    EXPECT_EQ(list34[12], "QMKVSC001T01_b03");

    // The longest list, from seven groups, runs from the a names to the g names.
    EXPECT_EQ(Names(47).front(), "QMKVSC002T0104a01");
    EXPECT_EQ(Names(47).back(), "QMKVSC002T0104g07");
}

TEST(DrawingBlockNames, GivenOrderIsKeptNotSorted)
{
    const auto& list43 = Names(43);
    ASSERT_EQ(list43.size(), 25u);
    EXPECT_EQ(list43[3], "QMKVSC001T0102a04");
    EXPECT_EQ(list43[4], "QMKVSC001T0102a07");
    EXPECT_EQ(list43[5], "QMKVSC001T0102a06");
    EXPECT_EQ(list43[6], "QMKVSC001T0102a05");
}

TEST(DrawingBlockNames, OddFormsAreStoredExactly)
{
    const auto& list4 = Names(4);
    ASSERT_EQ(list4.size(), 11u);
    EXPECT_EQ(list4[4], "QMKV_PG_003_T01_CT02_B05");
    EXPECT_EQ(list4[5], "QMKV_PG_003_T01_CT02_B05'");
    EXPECT_EQ(list4[10], "QMKV_PG_003_T01_CT02_B08'");

    EXPECT_EQ(Names(51).back(), "QMKVSC002T0108010");

    const auto& list36 = Names(36);
    EXPECT_EQ(list36[2], "QMKVSC001T0104_03");
    EXPECT_EQ(list36[3], "QMKVSC001T0101_04");
    EXPECT_EQ(list36[4], "QMKVSC001T0101_05");
    EXPECT_EQ(list36[5], "QMKVSC001T0104_06");

    const auto& list12 = Names(12);
    EXPECT_EQ(list12[2], "QMKV_PM_001_T01_GJ01_DM[i]");
    EXPECT_EQ(list12[8], "QMKV_PM_001_T01_GJ01_tFrameParam[i]");   // the longest name, 35 characters
    EXPECT_EQ(list12[8].GetLength(), 35);

    EXPECT_EQ(Names(71).back(), "QMKVSS001T0104c04");
}

TEST(DrawingBlockNames, ListNumbersOutsideTheTableThrow)
{
    EXPECT_THROW(DrawingBlockNames(0), std::out_of_range);
    EXPECT_THROW(DrawingBlockNames(72), std::out_of_range);
}

}  // namespace
