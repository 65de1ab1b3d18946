// The output map keeps its values in name order and the latest value of a name, however the values
// are entered: one by one, through a prefixed writer, with lookups in between.
#include "host/output_data.h"
#include "host/prefixed_output.h"

#include <gtest/gtest.h>

#include <iterator>

#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// The map as name=text lines, in the map's order.
Lines LinesOf(const OutputDataMap& map)
{
    Lines lines;
    for (const auto& [name, record] : map) lines.push_back(std::string(name) + "=" + record->ToText().str());
    return lines;
}

// What the map must hold: each name once, its latest value, in byte order of the names.
Lines Expected(const std::vector<std::pair<std::string, int>>& entered)
{
    std::map<std::string, int> latest;
    for (const auto& [name, value] : entered) latest[name] = value;
    Lines lines;
    for (const auto& [name, value] : latest) lines.push_back(name + "=" + std::to_string(value));
    return lines;
}

struct OrderCase {
    const char* what;
    std::vector<std::pair<std::string, int>> entered;
};

class OutputMapOrder : public ::testing::TestWithParam<OrderCase> {};

} // namespace

TEST_P(OutputMapOrder, NameOrderAndTheLatestValueOfEachName)
{
    const OrderCase& c = GetParam();
    OutputDataMap map;
    for (const auto& [name, value] : c.entered) InSert_OutputData(map, name, OutputKinds::Length, value, "");
    EXPECT_EQ(LinesOf(map), Expected(c.entered)) << c.what;
    EXPECT_EQ(map.size(), Expected(c.entered).size()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OutputMapOrder,
    ::testing::Values(
        OrderCase{"out of order", {{"c", 3}, {"a", 1}, {"b", 2}}},
        OrderCase{"a later value replaces an earlier one", {{"x", 1}, {"y", 2}, {"x", 9}}},
        OrderCase{"three values of one name", {{"k", 1}, {"k", 2}, {"a", 0}, {"k", 3}}},
        OrderCase{"byte order: capitals, digits and brackets before small letters",
                  {{"F[10]", 1}, {"F[2]", 2}, {"F", 3}, {"f", 4}, {"F_", 5}, {"Fa", 6}}},
        OrderCase{"bytes above 127 after ASCII", {{"\xe6\xa1\xa5", 1}, {"z", 2}, {"A", 3}}},
        OrderCase{"one name a prefix of another", {{"ab", 1}, {"a", 2}, {"abc", 3}, {"", 4}}},
        OrderCase{"long names that differ late",
                  {{"PM001_T0101_Frame[1]_class[5]_3_x", 1},
                   {"PM001_T0101_Frame[1]_class[5]_3_", 2},
                   {"PM001_T0101_Frame[1]_class[4]_30", 3},
                   {"PM001_T0101_Frame[10]", 4},
                   {"PM001_T0101_Frame[1]_class[5]_3_\x80", 5}}},
        OrderCase{"zero bytes inside a name order before every other byte, after the name's end",
                  {{std::string("ab\0", 3), 1}, {"ab", 2}, {std::string("ab\0\0", 4), 3}, {std::string("a\0b", 3), 4},
                   {"ab\x01", 5}, {std::string("ab\0", 3), 6}}},
        OrderCase{"names ending on and beside the eight-byte steps",
                  {{"ABCDEFGH", 1}, {"ABCDEFG", 2}, {"ABCDEFGHI", 3}, {"ABCDEFGHABCDEFGH", 4}, {"ABCDEFGHABCDEFG", 5},
                   {"ABCDEFGHABCDEFGH\x01", 6}, {"ABCDEFGHABCDEFGG", 7}, {"ABCDEFGH", 8}}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(OutputMapOrder, LookupsBetweenInsertsSeeTheLatestValues)
{
    OutputDataMap map;
    InSert_OutputData(map, "b", OutputKinds::Length, 1, "");
    InSert_OutputData(map, "d", OutputKinds::Length, 2, "");
    EXPECT_EQ(map.at("b")->intValue, 1);
    EXPECT_EQ(map.count("c"), 0u);
    InSert_OutputData(map, "c", OutputKinds::Length, 3, "");
    InSert_OutputData(map, "b", OutputKinds::Length, 4, "");   // replaces a value already put in order
    EXPECT_EQ(map.at("b")->intValue, 4);
    EXPECT_EQ(map.at(CString("c"))->intValue, 3);
    EXPECT_EQ(map.find(std::string("a")), map.end());
    EXPECT_THROW(map.at("a"), std::out_of_range);
    InSert_OutputData(map, "a", OutputKinds::Length, 5, "");
    EXPECT_EQ(LinesOf(map), (Lines{"a=5", "b=4", "c=3", "d=2"}));
}

TEST(OutputMapOrder, ARandomRunMatchesAnOrderedMapOfTheLatestValues)
{
    std::mt19937 random(14);
    std::vector<std::pair<std::string, int>> entered;
    OutputDataMap map;
    for (int i = 0; i < 2000; ++i) {
        const unsigned number = static_cast<unsigned>(random() % 300);
        const bool suffixed = random() % 3 == 0;
        const std::string name = std::string(number % 2 ? "Q_" : "P_").append(std::to_string(number)).append(suffixed ? "_x" : "");
        InSert_OutputData(map, name, OutputKinds::Length, i, "");
        entered.emplace_back(name, i);
        if (random() % 250 == 0) {
            EXPECT_EQ(LinesOf(map), Expected(entered)) << "after " << i;
        }
    }
    EXPECT_EQ(LinesOf(map), Expected(entered));
}

// Many names that agree over long and differing lengths, some entered more than once, among more
// than a small group: every depth of the ordering is reached.
TEST(OutputMapOrder, LongNamesAgreeingToEveryDepthMatchAnOrderedMap)
{
    std::mt19937 random(1408);
    const char* const pieces[] = {"PM001_T0101_", "Frame[", "1", "10", "]_", "class[5]_", "3_", "x", "", "\x7f", "\xe6"};
    std::vector<std::pair<std::string, int>> entered;
    OutputDataMap map;
    for (int i = 0; i < 3000; ++i) {
        std::string name;
        const int parts = static_cast<int>(random() % 9);
        for (int k = 0; k < parts; ++k) name += pieces[random() % std::size(pieces)];
        if (random() % 7 == 0) name.push_back('\0');
        InSert_OutputData(map, name, OutputKinds::Length, i, "");
        entered.emplace_back(name, i);
    }
    EXPECT_EQ(LinesOf(map), Expected(entered));
}

// Writers of prefixes that overlap each other ("P_1" and "P_12"), out of order, with single values,
// and reads and orderings between them.
TEST(OutputMapOrder, RandomWritersMatchAnOrderedMapOfTheLatestValues)
{
    std::mt19937 random(104);
    const char* const prefixes[] = {"P_", "P_1", "P_12", "Q", "P_1_", ""};
    std::vector<std::pair<std::string, int>> entered;
    OutputDataMap map;
    for (int i = 0; i < 400; ++i) {
        const std::string prefix = prefixes[random() % std::size(prefixes)];
        PrefixedOutput out(map, prefix);
        const int values = static_cast<int>(random() % 12);
        for (int k = 0; k < values; ++k) {
            const std::string name = std::to_string(random() % 40).append(random() % 4 == 0 ? "_x" : "");
            out.Int(name, OutputKinds::Length, i * 100 + k);
            entered.emplace_back(std::string(prefix).append(name), i * 100 + k);
        }
        if (random() % 5 == 0) {
            const std::string single = std::string("P_").append(std::to_string(random() % 40));
            InSert_OutputData(map, single, OutputKinds::Length, -i, "");
            entered.emplace_back(single, -i);
        }
        if (random() % 40 == 0) map.Order();   // the owner's step, or else a read orders the index
        if (random() % 60 == 0) {
            EXPECT_EQ(LinesOf(map), Expected(entered)) << "after " << i;
        }
    }
    EXPECT_EQ(LinesOf(map), Expected(entered));
}

TEST(OutputMapOrder, APrefixedWriterEntersItsValuesAsTheyAreWritten)
{
    OutputDataMap map;
    InSert_OutputData(map, "P_b", OutputKinds::Length, 7, "note");
    PrefixedOutput out(map, "P_");
    out.Int("b", OutputKinds::Length, 2);
    EXPECT_EQ(map.at("P_b")->intValue, 2);
    EXPECT_TRUE(map.at("P_b")->note.IsEmpty()) << "the replaced record is gone with its note";
    out.Real("a", OutputKinds::Length, 1.25);
    out.Reals("c", OutputKinds::Length, CArray<double>(), 3);
    out.Texts(CString("d"), CStringArray());
    EXPECT_EQ(LinesOf(map), (Lines{"P_a=1.2", "P_b=2", "P_c=", "P_d="}));
    EXPECT_EQ(map.at("P_a")->decimals, 1);
    EXPECT_EQ(map.at("P_c")->type, CBGOutputData::DoubleList);
    EXPECT_EQ(map.at("P_c")->decimals, 3);
}

TEST(OutputMapLists, AListStaysReadableWhileMoreListsAreKept)
{
    OutputDataMap map;
    PrefixedOutput out(map, "P_");
    CArray<double> first;
    for (int k = 0; k < 5; ++k) first.Add(k * 1.5);
    out.Reals("a", OutputKinds::Length, first, 2);
    const CBGOutputData* a = map.at("P_a");
    // Enough further lists to need new blocks, one of them larger than a block.
    for (int n = 0; n < 300; ++n) out.IntsOf(IndexedName("i", n, ""), OutputKinds::Length, n % 7 + 1, [n](int k) { return n * 10 + k; });
    out.RealsOf("big", OutputKinds::Length, 5000, [](int k) { return k * 0.5; }, 0);
    CStringArray texts;
    texts.Add("甲");
    texts.Add("");
    out.Texts("t", texts);
    texts.SetAt(0, "乙");   // the map keeps a copy

    EXPECT_EQ(map.at("P_a"), a) << "records stay where they are until the next value is entered";
    EXPECT_EQ(map.at("P_a")->ToText(), "0.00,1.50,3.00,4.50,6.00");
    EXPECT_EQ(map.at("P_i0")->ToText(), "0");
    EXPECT_EQ(map.at("P_i299")->ToText(), "2990,2991,2992,2993,2994,2995");   // 299 % 7 + 1 = 6 values
    const CBGOutputData* big = map.at("P_big");
    ASSERT_EQ(big->doubleList.GetSize(), 5000);
    EXPECT_EQ(big->doubleList[4999], 2499.5);
    EXPECT_THROW((void)big->doubleList[5000], std::out_of_range);
    EXPECT_EQ(map.at("P_t")->ToText(), "甲,");

    out.IntsOf("none", OutputKinds::Length, 0, [](int) { return 1; });
    out.RealsOf("negative", OutputKinds::Length, -3, [](int) { return 1.0; });
    EXPECT_TRUE(map.at("P_none")->intList.IsEmpty());
    EXPECT_EQ(map.at("P_negative")->type, CBGOutputData::DoubleList);
    EXPECT_TRUE(map.at("P_negative")->doubleList.IsEmpty());
}

TEST(OutputMapOrder, AMovedMapKeepsItsValues)
{
    OutputDataMap map;
    InSert_OutputData(map, "b", OutputKinds::Length, 1, "");
    InSert_OutputData(map, "a", OutputKinds::Length, 2, "");
    CArray<int> list;
    list.Add(7);
    InSert_OutputData(map, "c", OutputKinds::Length, list, "");
    OutputDataMap moved = std::move(map);
    EXPECT_EQ(LinesOf(moved), (Lines{"a=2", "b=1", "c=7"}));
    // The map moved from is empty and takes new values.
    EXPECT_TRUE(map.empty());   // NOLINT(bugprone-use-after-move)
    InSert_OutputData(map, "PM001_T0101_Frame[1]_class[5]_3_x", OutputKinds::Length, 4, "");
    InSert_OutputData(map, "d", OutputKinds::Length, 3, "");
    EXPECT_EQ(LinesOf(map), (Lines{"PM001_T0101_Frame[1]_class[5]_3_x=4", "d=3"}));
    EXPECT_EQ(LinesOf(moved), (Lines{"a=2", "b=1", "c=7"}));
}

TEST(OutputNames, IndexedNamesAreBuiltLikeTheirPrintedForm)
{
    EXPECT_EQ(IndexedName("Frame[", 3, "]_"), "Frame[3]_");
    EXPECT_EQ(IndexedName("zt", 12, ""), "zt12");
    EXPECT_EQ(IndexedName("", -40, "_"), "-40_");
    EXPECT_EQ(IndexedName("n", 2147483647, "]"), "n2147483647]");
}
