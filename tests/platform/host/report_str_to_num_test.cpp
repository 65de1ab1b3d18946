// QMReportError_StrToNum: which texts are numbers, what is appended and what is reported.
#include "host/report.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class TextsToNumbers : public ::testing::Test {
protected:
    void SetUp() override { ReportLog::Current().Clear(); }
    void TearDown() override { ReportLog::Current().Clear(); }

    int convert(std::initializer_list<const char*> list)
    {
        CStringArray texts;
        for (const char* t : list) texts.Add(t);
        return QMReportError_StrToNum(0, "支反力", texts, values, "m_NodeForce", ok, 6);
    }

    bool isNumber(const char* text)
    {
        values.RemoveAll();
        ok = 1;
        ReportLog::Current().Clear();
        const int r = convert({text});
        EXPECT_EQ(r == 1, values.GetSize() == 1) << text;
        EXPECT_EQ(r, ok) << text;
        return r == 1;
    }

    CArray<double> values;
    int ok = 1;
};

} // namespace

TEST_F(TextsToNumbers, NumbersAreAppendedInOrder)
{
    values.Add(7.0);
    EXPECT_EQ(convert({"1.5", "1e3", "-0.25"}), 1);
    EXPECT_EQ(ok, 1);
    ASSERT_EQ(values.GetSize(), 4);
    EXPECT_EQ(values[0], 7.0);
    EXPECT_EQ(values[1], 1.5);
    EXPECT_EQ(values[2], 1000.0);
    EXPECT_EQ(values[3], -0.25);
    EXPECT_TRUE(ReportLog::Current().Entries().empty());
}

TEST_F(TextsToNumbers, WhichTextsAreNumbers)
{
    EXPECT_TRUE(isNumber("1.5"));
    EXPECT_TRUE(isNumber("1e3"));
    EXPECT_TRUE(isNumber(" 2.5\t"));
    EXPECT_TRUE(isNumber("+3"));
    EXPECT_TRUE(isNumber(".5"));
    EXPECT_TRUE(isNumber("-0"));

    EXPECT_FALSE(isNumber("abc"));
    EXPECT_FALSE(isNumber("1.5x"));
    EXPECT_FALSE(isNumber(""));
    EXPECT_FALSE(isNumber("  "));
    EXPECT_FALSE(isNumber("nan"));
    EXPECT_FALSE(isNumber("inf"));
    EXPECT_FALSE(isNumber("-inf"));
    EXPECT_FALSE(isNumber("1e999"));
    EXPECT_FALSE(isNumber("0x10"));
    EXPECT_FALSE(isNumber("+-3"));
    EXPECT_FALSE(isNumber("1,5"));
    EXPECT_FALSE(isNumber("1 5"));
    EXPECT_FALSE(isNumber("是"));
}

TEST_F(TextsToNumbers, EveryFailedTextIsReportedWithItsPosition)
{
    EXPECT_EQ(convert({"abc", "2", "1.5x"}), 0);
    EXPECT_EQ(ok, 0);
    ASSERT_EQ(values.GetSize(), 1);
    EXPECT_EQ(values[0], 2.0);

    const auto& entries = ReportLog::Current().Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].kind, ReportEntry::Diagnose);
    EXPECT_EQ(entries[0].keys, "m_NodeForce");
    EXPECT_EQ(entries[0].type, "Error");
    EXPECT_EQ(entries[0].message, "“支反力”中第1个数据“abc”不是有效的数字，m_NodeForce有错误．");
    EXPECT_EQ(entries[0].item, 0u);
    EXPECT_EQ(entries[0].part, 6u);
    EXPECT_EQ(entries[1].message, "“支反力”中第3个数据“1.5x”不是有效的数字，m_NodeForce有错误．");
    EXPECT_EQ(entries[1].item, 2u);
}

// A bad text is quoted by at most its first 64 characters and "…", counted in UTF-8 characters
// and never cut inside one; a run of stray continuation bytes counts one character per byte.
TEST_F(TextsToNumbers, LongTextsAreQuotedByAShortPrefix)
{
    const std::string x63(63, 'x');
    std::string han64;
    for (int i = 0; i < 64; ++i) han64 += "墩";   // 3 bytes each
    const std::string stray(100, '\x80');
    const struct {
        std::string text, quoted;
    } cases[] = {
        {"a" + x63, "a" + x63},                        // 64 characters: whole
        {"a" + x63 + "b", "a" + x63 + "…"},            // 65: cut after 64
        {han64 + "柱", han64 + "…"},
        {"a" + han64.substr(0, 63 * 3) + "柱", "a" + han64.substr(0, 63 * 3) + "…"},
        {stray, stray.substr(0, 64) + "…"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.size());
        ReportLog::Current().Clear();
        values.RemoveAll();
        CStringArray texts;
        texts.Add(c.text.c_str());
        EXPECT_EQ(QMReportError_StrToNum(0, "支反力", texts, values, "m_NodeForce", ok, 6), 0);
        const auto& entries = ReportLog::Current().Entries();
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].message.str(), "“支反力”中第1个数据“" + c.quoted + "”不是有效的数字，m_NodeForce有错误．");
    }
}

TEST_F(TextsToNumbers, EmptyListSucceedsWithoutTouchingOk)
{
    ok = 1;
    EXPECT_EQ(convert({}), 1);
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(values.GetSize(), 0);
}
