// InSert_OutputData and CBGOutputData::ToText: ownership of the records and their printed form.
#include "host/output_data.h"
#include "host/prefixed_output.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace {

CString printed(const OutputDataMap& map, const char* key) { return map.at(key)->ToText(); }

} // namespace

TEST(OutputMap, InsertingAnExistingKeyReplacesTheRecord)
{
    OutputDataMap map;
    InSert_OutputData(map, "PM001_lb_fLianhe", OutputKinds::Length, 1, "");
    const CBGOutputData* first = map.at("PM001_lb_fLianhe");
    CArray<double> list;
    list.Add(1.0);
    InSert_OutputData(map, "PM001_lb_fLianhe", OutputKinds::Length, list, 2, "");   // the old record is freed (checked under ASan)
    ASSERT_EQ(map.size(), 1u);
    const CBGOutputData& now = *map.at("PM001_lb_fLianhe");
    EXPECT_NE(&now, first);
    EXPECT_EQ(now.type, CBGOutputData::DoubleList);
    EXPECT_EQ(now.ToText(), "1.00");
}

TEST(OutputMap, RealsKeepFullPrecision)
{
    OutputDataMap map;
    InSert_OutputData(map, "a", OutputKinds::Length, 3.14159, 2, "note");
    const CBGOutputData& r = *map.at("a");
    EXPECT_EQ(r.doubleValue, 3.14159);
    EXPECT_EQ(r.decimals, 2);
    EXPECT_EQ(r.note, "note");
    EXPECT_EQ(r.ToText(), "3.14");
}

TEST(OutputText, RealsAreRoundedToTheirDecimals)
{
    OutputDataMap map;
    InSert_OutputData(map, "a", OutputKinds::Length, 1234.5678, 3, "");
    InSert_OutputData(map, "b", OutputKinds::Length, 2.6, 0, "");
    InSert_OutputData(map, "c", OutputKinds::Length, 7.7, -1, "");    // negative decimals print as 0
    InSert_OutputData(map, "d", OutputKinds::Length, -0.001, 2, "");  // rounds to zero: no sign
    InSert_OutputData(map, "e", OutputKinds::Length, -1.25e3, 1, "");
    InSert_OutputData(map, "f", OutputKinds::Length, 0.1, 25, "");
    EXPECT_EQ(printed(map, "a"), "1234.568");
    EXPECT_EQ(printed(map, "b"), "3");
    EXPECT_EQ(printed(map, "c"), "8");
    EXPECT_EQ(printed(map, "d"), "0.00");
    EXPECT_EQ(printed(map, "e"), "-1250.0");
    EXPECT_EQ(printed(map, "f"), "0.1000000000000000055511151");   // the double nearest 0.1
}

// Rounded as the digits of the double say: 0.35 is 0.34999999999999997780, 0.45 is
// 0.45000000000000001110, 2.675 is 2.67499999999999982236; 0.125, 0.375, 2.5, 3.5 and -2.5 are exact
// ties, which go to the even digit; 2^52 - 0.5 is the largest tie the arithmetic holds; -7.05 is
// -7.04999999999999982236.
TEST(OutputText, RealsRoundAsTheirDigitsSay)
{
    const struct {
        double value;
        int decimals;
        const char* text;
    } rows[] = {
        {0.35, 1, "0.3"},    {0.45, 1, "0.5"},      {2.675, 2, "2.67"}, {0.125, 2, "0.12"},
        {0.375, 2, "0.38"},  {2.5, 0, "2"},         {3.5, 0, "4"},      {-2.5, 0, "-2"},
        {-0.04, 1, "0.0"},   {-0.0, 3, "0.000"},    {1e-5, 4, "0.0000"}, {0.00012, 5, "0.00012"},
        {123456789.987654, 3, "123456789.988"},     {4503599627370495.5, 0, "4503599627370496"},
        {1e15 + 0.25, 1, "1000000000000000.2"},     {-7.05, 15, "-7.050000000000000"}, {-7.05, 18, "-7.049999999999999822"},
    };
    for (const auto& row : rows) {
        std::string text;
        CBGOutputData::AppendReal(text, row.value, row.decimals);
        EXPECT_EQ(text, row.text) << row.value << " to " << row.decimals;
    }
}

// The same text as the library's fixed-point formatting (a sign dropped where the text is all
// zeros) over values of every size, halves and near-halves among them, with 0 to 17 decimals.
TEST(OutputText, RealsAgreeWithTheLibrarysFixedPointText)
{
    std::uint64_t state = 88172645463325252u;
    const auto next = [&state] {
        state ^= state << 13, state ^= state >> 7, state ^= state << 17;
        return state;
    };
    for (int i = 0; i < 20000; ++i) {
        const int decimals = static_cast<int>(next() % 18);
        const double magnitude = std::ldexp(1.0, static_cast<int>(next() % 80) - 30);
        double value = magnitude * (static_cast<double>(next() % 1000000) / 1000000.0);
        if (i % 3 == 0) value = (std::floor(value * 10.0) + 0.5) / std::pow(10.0, decimals % 4);   // near halves
        if (next() % 2) value = -value;
        char buffer[400];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals).ptr;
        std::string expected(buffer, end);
        if (expected[0] == '-' && expected.find_first_not_of("0.", 1) == std::string::npos) expected.erase(0, 1);
        std::string text;
        CBGOutputData::AppendReal(text, value, decimals);
        ASSERT_EQ(text, expected) << std::hexfloat << value << " to " << decimals;
    }
}

// Each number keeps the kind its writer gave it; a text has none; a later value of a name brings
// its own. The values are visited in the order entered without ordering the map.
TEST(OutputMap, ANumberKeepsItsKind)
{
    OutputDataMap map;
    PrefixedOutput out(map, "P_");
    out.Real("y", OutputKinds::Across, -825.0);
    out.Int("n", OutputKinds::Count, 4);
    out.Text("R", "N1");
    out.IntsOf("fH", OutputKinds::Code, 2, [](int k) { return k - 1; });
    out.Reals("L", OutputKinds::Length, CArray<double>());
    InSert_OutputData(map, "P_n", OutputKinds::Serial, 5, "");
    ASSERT_EQ(map.EnteredCount(), 6u);
    const char* names[] = {"P_y", "P_n", "P_R", "P_fH", "P_L", "P_n"};
    const OutputKind* kinds[] = {&OutputKinds::Across, &OutputKinds::Count, nullptr, &OutputKinds::Code,
                                 &OutputKinds::Length, &OutputKinds::Serial};
    for (std::size_t slot = 0; slot < map.EnteredCount(); ++slot) {
        EXPECT_EQ(map.EnteredName(slot), names[slot]);
        EXPECT_EQ(map.EnteredRecord(slot).kind, kinds[slot]) << names[slot];
    }
    EXPECT_EQ(map.at("P_n")->kind, &OutputKinds::Serial);
    EXPECT_EQ(map.at("P_n")->intValue, 5);
}

TEST(OutputText, IntegersTextsAndLists)
{
    OutputDataMap map;
    InSert_OutputData(map, "i", OutputKinds::Length, -5, "");
    InSert_OutputData(map, "t", CString("C50"), "");
    CArray<int> ints;
    ints.Add(1);
    ints.Add(-2);
    ints.Add(30);
    InSert_OutputData(map, "il", OutputKinds::Length, ints, "");
    CArray<double> reals;
    reals.Add(1.26);
    reals.Add(2.0);
    InSert_OutputData(map, "dl", OutputKinds::Length, reals, 1, "");
    CStringArray texts;
    texts.Add("HRB400");
    texts.Add("钢绞线");
    InSert_OutputData(map, "tl", texts, "");
    InSert_OutputData(map, "empty", OutputKinds::Length, CArray<int>(), "");

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
    InSert_OutputData(map, "n", OutputKinds::Length, std::numeric_limits<double>::quiet_NaN(), 2, "");
    InSert_OutputData(map, "i", OutputKinds::Length, -std::numeric_limits<double>::infinity(), 2, "");
    InSert_OutputData(map, "big", OutputKinds::Length, 1e308, 0, "");
    EXPECT_EQ(printed(map, "n"), "nan");
    EXPECT_EQ(printed(map, "i"), "-inf");
    EXPECT_EQ(printed(map, "big").GetLength(), 309);
}

// A judging map hands over each value once its writer has filled it in, the list where the writer
// holds it, and keeps nothing.
TEST(OutputMap, AJudgingMapHandsOverEachValueAndKeepsNone)
{
    std::vector<std::string> seen;
    OutputDataMap map([&seen](std::string_view head, std::string_view tail, const CBGOutputData& record) {
        std::string line = std::string(head) + std::string(tail) + "=";
        record.AppendText(line);
        if (record.kind) line += std::string(" ") + (record.kind->MayBeNegative() ? "signed" : "never negative");
        seen.push_back(line);
    });
    PrefixedOutput out(map, "P_");
    CArray<double> levels;
    levels.Add(-60.0), levels.Add(-88.25);
    out.Reals("zt1", OutputKinds::FromTop, levels, 2);
    out.RealsOf("x", OutputKinds::BarVertex, 3, [](int k) { return k * 0.5; });
    out.Text("R", "N1");
    InSert_OutputData(map, "Q_n", OutputKinds::Count, 3, "");
    EXPECT_EQ(seen, (std::vector<std::string>{"P_zt1=-60.00,-88.25 signed", "P_x=0.0,0.5,1.0 signed", "P_R=N1",
                                              "Q_n=3 never negative"}));
    EXPECT_EQ(map.EnteredCount(), 0u);
    EXPECT_TRUE(map.empty());
}
