// CString on ASCII and Chinese text: order, concatenation, formatting, trimming, searching, sub-texts.
#include "mfc/cstring.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <map>

TEST(CStringBasics, ConstructionAndLengthInBytes)
{
    EXPECT_TRUE(CString().IsEmpty());
    EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty());
    EXPECT_EQ(CString("abcdef", 3), CString("abc"));
    EXPECT_EQ(CString('x', 3), CString("xxx"));
    EXPECT_TRUE(CString('x', -1).IsEmpty());
    EXPECT_EQ(CString("钢筋").GetLength(), 6);

    CString s = "盖梁";
    EXPECT_FALSE(s.IsEmpty());
    s.Empty();
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(s.GetLength(), 0);
}

TEST(CStringBasics, ConvertsToCText)
{
    const CString s = "墩柱 1";
    const char* p = s;
    EXPECT_STREQ(p, "墩柱 1");
    EXPECT_EQ(std::strlen(s), 8u);
}

TEST(CStringBasics, ComparesBytesAsUnsigned)
{
    EXPECT_LT(CString("Z"), CString("a"));
    EXPECT_LT(CString("ab"), CString("abc"));
    // é is C3 A9 and 钢 is E9 92 A2: above every ASCII byte when bytes are unsigned.
    EXPECT_LT(CString("z"), CString("é"));
    EXPECT_LT(CString("é"), CString("钢"));
    EXPECT_EQ(CString("z").Compare("é"), -1);
    EXPECT_EQ(CString("钢").Compare("z"), 1);
    EXPECT_EQ(CString("钢").Compare("钢"), 0);
    EXPECT_TRUE(CString("a") == "a");
    EXPECT_TRUE("b" != CString("a"));

    std::map<CString, int> keys{{"钢", 3}, {"b", 2}, {"A", 1}};
    std::vector<CString> order;
    for (const auto& [k, v] : keys) order.push_back(k);
    EXPECT_EQ(order, (std::vector<CString>{"A", "b", "钢"}));
}

TEST(CStringBasics, Concatenation)
{
    CString s = "钢";
    s += "筋";
    s += CString("-");
    s += 'X';
    EXPECT_EQ(s, CString("钢筋-X"));
    EXPECT_EQ(CString("a") + CString("b"), CString("ab"));
    EXPECT_EQ("a" + CString("b") + "c", CString("abc"));
    EXPECT_EQ('<' + CString("b") + '>', CString("<b>"));
}

TEST(CStringFormat, FollowsPrintf)
{
    CString s;
    s.Format("%d|%5.2f|%s|%-3s|%03d|%x", -12, 3.14159, "钢筋", "a", 7, 255);
    EXPECT_EQ(s, CString("-12| 3.14|钢筋|a  |007|ff"));
    s.Format("%.3f", 1.0 / 3.0);
    EXPECT_EQ(s, CString("0.333"));
    s.Format("%s", std::string(1000, 'q').c_str());
    EXPECT_EQ(s.GetLength(), 1000);
    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
    s = "N=";
    s.AppendFormat("%d", 5);
    EXPECT_EQ(s, CString("N=5"));
}

TEST(CStringFormat, NumbersUseAPointWhateverTheProcessLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* comma = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"})
        if (std::setlocale(LC_ALL, name)) {
            comma = name;
            break;
        }
    if (!comma) GTEST_SKIP() << "no locale with a decimal comma installed";
    CString s;
    s.Format("%.1f", 2.5);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(s, CString("2.5"));
}

TEST(CStringTrim, Blanks)
{
    CString s = " \t 钢 筋 \r\n";
    EXPECT_EQ(CString(s).Trim(), CString("钢 筋"));
    EXPECT_EQ(CString(s).TrimLeft(), CString("钢 筋 \r\n"));
    EXPECT_EQ(CString(s).TrimRight(), CString(" \t 钢 筋"));
    EXPECT_EQ(CString("   ").Trim(), CString(""));
}

TEST(CStringTrim, SingleCharacterAndSets)
{
    EXPECT_EQ(CString("xxaxbxx").Trim('x'), CString("axb"));
    EXPECT_EQ(CString("xxa").TrimLeft('x'), CString("a"));
    EXPECT_EQ(CString("axx").TrimRight('x'), CString("a"));
    EXPECT_EQ(CString("xxx").Trim('x'), CString(""));
    EXPECT_EQ(CString("0.500").TrimRight("0"), CString("0.5"));

    // A set with a Chinese character is matched whole character by character.
    EXPECT_EQ(CString("钢钢 abc 钢,").Trim("钢, "), CString("abc"));
    EXPECT_EQ(CString("钢钢abc").TrimLeft("钢"), CString("abc"));
    EXPECT_EQ(CString("abc筋筋").TrimRight("筋"), CString("abc"));
    // 钢 (E9 92 A2) and 锅 (E9 94 85) share their first byte: no partial character is removed.
    EXPECT_EQ(CString("锅x").TrimLeft("钢"), CString("锅x"));
    EXPECT_EQ(CString("x锅").TrimRight("钢"), CString("x锅"));
    EXPECT_EQ(CString("abc").Trim(""), CString("abc"));
}

TEST(CStringSearch, FindFromAPosition)
{
    const CString s = "abcabc";
    EXPECT_EQ(s.Find('b'), 1);
    EXPECT_EQ(s.Find('b', 2), 4);
    EXPECT_EQ(s.Find('b', 5), -1);
    EXPECT_EQ(s.Find('b', 100), -1);
    EXPECT_EQ(s.Find('a', -3), 0);
    EXPECT_EQ(s.Find("bc", 2), 4);
    EXPECT_EQ(s.Find("zz"), -1);
    EXPECT_EQ(s.Find("abc", 4), -1);
    EXPECT_EQ(s.ReverseFind('a'), 3);
    EXPECT_EQ(s.ReverseFind('z'), -1);

    const CString zh = "钢筋钢筋";
    EXPECT_EQ(zh.Find("钢"), 0);
    EXPECT_EQ(zh.Find("钢", 1), 6);
    EXPECT_EQ(zh.Find("筋", 4), 9);
}

TEST(CStringSubTexts, LeftMidRightClamp)
{
    const CString s = "hello";
    EXPECT_EQ(s.Left(2), CString("he"));
    EXPECT_EQ(s.Left(-1), CString(""));
    EXPECT_EQ(s.Left(100), CString("hello"));
    EXPECT_EQ(s.Mid(1, 3), CString("ell"));
    EXPECT_EQ(s.Mid(-2, 3), CString("hel"));
    EXPECT_EQ(s.Mid(3, 100), CString("lo"));
    EXPECT_EQ(s.Mid(3), CString("lo"));
    EXPECT_EQ(s.Mid(10), CString(""));
    EXPECT_EQ(s.Mid(1, -1), CString(""));
    EXPECT_EQ(s.Right(2), CString("lo"));
    EXPECT_EQ(s.Right(-2), CString(""));
    EXPECT_EQ(s.Right(100), CString("hello"));

    const CString zh = "钢筋混凝土";   // 3 bytes per character
    EXPECT_EQ(zh.Left(6), CString("钢筋"));
    EXPECT_EQ(zh.Mid(6, 6), CString("混凝"));
    EXPECT_EQ(zh.Right(3), CString("土"));
}

TEST(CStringReplace, EveryOccurrence)
{
    CString s = "a-b-c";
    EXPECT_EQ(s.Replace("-", "--"), 2);
    EXPECT_EQ(s, CString("a--b--c"));

    // Occurrences do not overlap and replaced text is not searched again.
    s = "aaaa";
    EXPECT_EQ(s.Replace("aa", "a"), 2);
    EXPECT_EQ(s, CString("aa"));

    s = "钢筋与钢板";
    EXPECT_EQ(s.Replace("钢", "铁"), 2);
    EXPECT_EQ(s, CString("铁筋与铁板"));
    EXPECT_EQ(s.Replace("铁", ""), 2);
    EXPECT_EQ(s, CString("筋与板"));

    EXPECT_EQ(s.Replace("", "x"), 0);
    EXPECT_EQ(s.Replace("zz", "x"), 0);
    EXPECT_EQ(s, CString("筋与板"));

    s = "1,2,3";
    EXPECT_EQ(s.Replace(',', ';'), 2);
    EXPECT_EQ(s, CString("1;2;3"));
}

TEST(CStringCase, OnlyAsciiLettersChange)
{
    EXPECT_EQ(CString("Ab钢z").MakeUpper(), CString("AB钢Z"));
    EXPECT_EQ(CString("Ab钢Z").MakeLower(), CString("ab钢z"));
}
