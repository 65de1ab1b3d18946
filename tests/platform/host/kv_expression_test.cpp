// Number-list expressions: separators, repetitions, malformed items, bounds, and never a crash.
#include "host/kv_expression.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::string> tokensOf(const char* text, int* result = nullptr)
{
    CStringArray tokens;
    const int r = ParseKVExpression(text, tokens);
    if (result) *result = r;
    std::vector<std::string> out;
    for (const CString& t : tokens) out.push_back(t.str());
    return out;
}

std::vector<double> valuesOf(const char* text, int* result = nullptr)
{
    CArray<double> values;
    const int r = KVUIParseString(text, values);
    if (result) *result = r;
    return values.vector();
}

using Tokens = std::vector<std::string>;
using Values = std::vector<double>;

} // namespace

TEST(ExpressionSplitting, RepetitionStandsForCopiesOfItsValue)
{
    int r = 0;
    EXPECT_EQ(tokensOf("2*6500,7000", &r), (Tokens{"6500", "6500", "7000"}));
    EXPECT_EQ(r, 1);
    EXPECT_EQ(tokensOf("3*1.5"), (Tokens{"1.5", "1.5", "1.5"}));
    EXPECT_EQ(tokensOf("1*-200"), (Tokens{"-200"}));
}

TEST(ExpressionSplitting, EverySeparatorKindSplits)
{
    EXPECT_EQ(tokensOf("1,2;3 4\t5\n6\r7"), (Tokens{"1", "2", "3", "4", "5", "6", "7"}));
    // Full-width comma, semicolon and space, as a Chinese input method types them.
    EXPECT_EQ(tokensOf("6500，7000；7500　8000"), (Tokens{"6500", "7000", "7500", "8000"}));
    EXPECT_EQ(tokensOf("2*6500，7000"), (Tokens{"6500", "6500", "7000"}));
}

TEST(ExpressionSplitting, RunsOfSeparatorsMakeNoEmptyItems)
{
    int r = 0;
    EXPECT_EQ(tokensOf("  1 ,, 2 ;；3  ,", &r), (Tokens{"1", "2", "3"}));
    EXPECT_EQ(r, 1);
}

TEST(ExpressionSplitting, EmptyAndBlankTextsHaveNoItems)
{
    for (const char* text : {"", "   ", ",,;", "　\t\n", "，；"}) {
        int r = 0;
        EXPECT_TRUE(tokensOf(text, &r).empty()) << text;
        EXPECT_EQ(r, 1) << text;
    }
}

TEST(ExpressionSplitting, BlanksNextToTheRepetitionSignDoNotSplit)
{
    EXPECT_EQ(tokensOf("2 * 6500 7000"), (Tokens{"6500", "6500", "7000"}));
    EXPECT_EQ(tokensOf("2* 6500"), (Tokens{"6500", "6500"}));
    EXPECT_EQ(tokensOf("2 *6500"), (Tokens{"6500", "6500"}));
    EXPECT_EQ(tokensOf("3＊100"), (Tokens{"100", "100", "100"}));
    EXPECT_EQ(tokensOf("2 ＊ 50"), (Tokens{"50", "50"}));
}

TEST(ExpressionSplitting, NonNumberItemsStayTokensAsWritten)
{
    int r = 1;
    EXPECT_EQ(tokensOf("6500,abc,7000", &r), (Tokens{"6500", "abc", "7000"}));
    EXPECT_EQ(r, 0);
    EXPECT_EQ(tokensOf("12mm", &r), (Tokens{"12mm"}));
    EXPECT_EQ(r, 0);
    EXPECT_EQ(tokensOf("６５００", &r), (Tokens{"６５００"}));   // full-width digits are not a number
    EXPECT_EQ(r, 0);
}

TEST(ExpressionSplitting, MalformedRepetitionsStayOneTokenAsWritten)
{
    for (const char* item : {"3*", "*5", "a*5", "2.5*100", "-2*5", "+2*5", "0*5", "2*3*4", "2*abc", "2*", "*"}) {
        int r = 1;
        EXPECT_EQ(tokensOf(item, &r), (Tokens{item})) << item;
        EXPECT_EQ(r, 0) << item;
    }
    // The good items around a malformed one are still expanded in their places.
    int r = 1;
    EXPECT_EQ(tokensOf("2*10,3*,20", &r), (Tokens{"10", "10", "3*", "20"}));
    EXPECT_EQ(r, 0);
}

TEST(ExpressionSplitting, RepetitionsAreBoundedSoNoTextExhaustsMemory)
{
    int r = 0;
    EXPECT_EQ(tokensOf("10000*1", &r).size(), 10000u);
    EXPECT_EQ(r, 1);
    EXPECT_EQ(tokensOf("10001*1", &r), (Tokens{"10001*1"}));
    EXPECT_EQ(r, 0);
    EXPECT_EQ(tokensOf("1000000000*1", &r), (Tokens{"1000000000*1"}));
    EXPECT_EQ(r, 0);
    EXPECT_EQ(tokensOf("99999999999999999999999*1", &r), (Tokens{"99999999999999999999999*1"}));
    EXPECT_EQ(r, 0);
    // The bound holds for the whole expression, not per item.
    EXPECT_EQ(tokensOf("5000*1,5000*2", &r).size(), 10000u);
    EXPECT_EQ(r, 1);
    const Tokens over = tokensOf("5000*1,5001*2", &r);
    EXPECT_EQ(r, 0);
    ASSERT_EQ(over.size(), 5001u);
    EXPECT_EQ(over.back(), "5001*2");
    EXPECT_EQ(tokensOf("7,10000*1", &r).size(), 2u);
    EXPECT_EQ(r, 0);
}

// Every item counts against the cap, numbers as well as repetitions, so that the order of the
// items does not decide whether an expression is refused.
TEST(ExpressionSplitting, EveryItemCountsAgainstTheCap)
{
    struct Case {
        std::string text;
        std::size_t tokens;
        int result;
    };
    auto plain = [](int n) {
        std::string text;
        for (int i = 0; i < n; ++i) text += i ? ",5" : "5";
        return text;
    };
    const std::vector<Case> cases = {
        {"10000*1,5", 10001, 0},           {"5,10000*1", 2, 0},     {"9999*1,5", 10000, 1},
        {"5,9999*1", 10000, 1},            {plain(10000), 10000, 1}, {plain(10001), 10001, 0},
        {plain(20000), 10001, 0},          {"10000*1,abc", 10001, 0},
        // The reading stops at the item that passes the cap: what follows is not read at all.
        {plain(1000000), 10001, 0},        {"10001*1," + plain(5), 1, 0},
        {"5,abc,10000*1,7", 3, 0},          {plain(9999) + ",x,y", 10001, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        int r = -1;
        EXPECT_EQ(tokensOf(c.text.c_str(), &r).size(), c.tokens);
        EXPECT_EQ(r, c.result);
        CArray<double> values;
        EXPECT_EQ(KVUIParseString(c.text.c_str(), values), c.result);
        EXPECT_EQ(values.GetSize(), c.result ? static_cast<int>(c.tokens) : 0);
    }
}

TEST(ExpressionSplitting, TokensAreReplacedNotAppended)
{
    CStringArray tokens;
    tokens.Add("old");
    EXPECT_EQ(ParseKVExpression("1", tokens), 1);
    ASSERT_EQ(tokens.GetSize(), 1);
    EXPECT_EQ(tokens[0], "1");
    EXPECT_EQ(ParseKVExpression("", tokens), 1);
    EXPECT_TRUE(tokens.IsEmpty());
}

TEST(NumberListParsing, ReadsEveryValueOfAWellFormedExpression)
{
    int r = 0;
    EXPECT_EQ(valuesOf("2*6500,7000", &r), (Values{6500.0, 6500.0, 7000.0}));
    EXPECT_EQ(r, 1);
    EXPECT_EQ(valuesOf("1.5e3；-200 +5 .25"), (Values{1500.0, -200.0, 5.0, 0.25}));
    EXPECT_EQ(valuesOf("2*0.5"), (Values{0.5, 0.5}));
    // A comma never is a decimal mark: "1,5" is two values.
    EXPECT_EQ(valuesOf("1,5"), (Values{1.0, 5.0}));
}

TEST(NumberListParsing, EmptyTextIsAnEmptyList)
{
    int r = 0;
    EXPECT_TRUE(valuesOf("", &r).empty());
    EXPECT_EQ(r, 1);
    EXPECT_TRUE(valuesOf(" ， ", &r).empty());
    EXPECT_EQ(r, 1);
}

TEST(NumberListParsing, AnyBadItemLeavesTheListEmpty)
{
    for (const char* text : {"1,x,3", "1,3*", "nan", "inf", "1e999", "+-5", "0x10", "2*6500,10001*1"}) {
        CArray<double> values;
        values.Add(42.0);
        EXPECT_EQ(KVUIParseString(text, values), 0) << text;
        EXPECT_TRUE(values.IsEmpty()) << text;
    }
}

TEST(ExpressionRobustness, ArbitraryBytesNeverCrashOrThrow)
{
    std::mt19937 random(20240611u);
    const std::string alphabet = "0123456789*,;. +-eE\t\nax\xEF\xBC\x8C\x9B\x8A\xE3\x80\xFF";
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
        CStringArray tokens;
        CArray<double> values;
        EXPECT_NO_THROW(ParseKVExpression(CString(text), tokens)) << text;
        EXPECT_NO_THROW(KVUIParseString(CString(text), values)) << text;
        EXPECT_LE(values.GetSize(), kMaxExpressionValues);
    }
}
