// Output values entered together: the same map as entering them one by one, in any order.
#include "host/output_data.h"
#include "host/prefixed_output.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// The map as name = text lines, in the map's order.
std::vector<std::string> Lines(const OutputDataMap& map)
{
    std::vector<std::string> lines;
    for (const auto& [name, record] : map) lines.push_back(name.str() + "=" + record->ToText().str());
    return lines;
}

struct BatchCase {
    const char* what;
    std::vector<std::pair<const char*, int>> before;   // already in the map, entered one by one
    std::vector<std::pair<const char*, int>> batch;    // then entered as one batch
};

class OutputBatchEntersLikeSingleInserts : public ::testing::TestWithParam<BatchCase> {};

} // namespace

TEST_P(OutputBatchEntersLikeSingleInserts, SameValuesInTheSameOrder)
{
    const BatchCase& c = GetParam();
    OutputDataMap one, batched;
    for (const auto& [name, value] : c.before) {
        InSert_OutputData(one, name, value, "");
        InSert_OutputData(batched, name, value, "");
    }
    const std::vector<std::string> beforeBatch = Lines(batched);
    for (const auto& [name, value] : c.batch) InSert_OutputData(one, name, value, "");
    {
        PrefixedOutput out(batched, "P_");
        for (const auto& [name, value] : c.batch) out.Int(std::string(name).substr(2), value);
        EXPECT_EQ(Lines(batched), beforeBatch) << "the values enter when the writer ends";
    }
    EXPECT_EQ(Lines(batched), Lines(one)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OutputBatchEntersLikeSingleInserts,
    ::testing::Values(
        BatchCase{"into an empty map, out of order", {}, {{"P_c", 3}, {"P_a", 1}, {"P_b", 2}}},
        BatchCase{"a later value of a name replaces the earlier", {}, {{"P_x", 1}, {"P_y", 2}, {"P_x", 9}}},
        BatchCase{"replacing values already in the map",
                  {{"P_b", 7}, {"P_z", 8}},
                  {{"P_b", 2}, {"P_a", 1}, {"P_z", 3}}},
        BatchCase{"between names of other prefixes",
                  {{"A", 1}, {"P", 2}, {"P_m", 3}, {"Q", 4}},
                  {{"P_n", 5}, {"P_a", 6}, {"P_zz", 7}, {"P_", 8}}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(OutputBatch, IndexedNamesAreBuiltLikeTheirPrintedForm)
{
    EXPECT_EQ(IndexedName("Frame[", 3, "]_"), "Frame[3]_");
    EXPECT_EQ(IndexedName("zt", 12, ""), "zt12");
    EXPECT_EQ(IndexedName("", -40, "_"), "-40_");
    EXPECT_EQ(IndexedName("n", 2147483647, "]"), "n2147483647]");
}
