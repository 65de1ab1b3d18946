// FormatSerialLabel and ChineseDigit: the four numbering styles of the output's labels.
#include "tendon/serial_label.h"

#include "mfc/carchive.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

TEST(SerialLabel, StyleZeroGivesTheRomanNumeralsOneToTwelve)
{
    EXPECT_EQ(FormatSerialLabel(1, 0), "Ⅰ");
    EXPECT_EQ(FormatSerialLabel(2, 0), "Ⅱ");
    EXPECT_EQ(FormatSerialLabel(3, 0), "Ⅲ");
    EXPECT_EQ(FormatSerialLabel(12, 0), "Ⅻ");
}

TEST(SerialLabel, RomanNumeralIsTheCodePage936CharacterA2F0PlusN)
{
    // Stored in the archive's narrow form, the label of 1 is the two bytes 0xA2 0xF1, of 3 0xA2 0xF3.
    std::vector<unsigned char> out;
    CArchive ar(out, CArchive::store);
    ar << FormatSerialLabel(1, 0) << FormatSerialLabel(3, 0);
    EXPECT_EQ(out, (std::vector<unsigned char>{0x02, 0xA2, 0xF1, 0x02, 0xA2, 0xF3}));
}

TEST(SerialLabel, StyleZeroBeyondTheNumeralsIsWrittenInDigits)
{
    EXPECT_EQ(FormatSerialLabel(0, 0), "0");
    EXPECT_EQ(FormatSerialLabel(13, 0), "13");
    EXPECT_EQ(FormatSerialLabel(-5, 0), "-5");
    EXPECT_EQ(FormatSerialLabel(INT_MIN, 0), "-2147483648");
}

TEST(SerialLabel, StyleOneRepeatsTheLetterByDoubling)
{
    EXPECT_EQ(FormatSerialLabel(1, 1), "A");
    EXPECT_EQ(FormatSerialLabel(26, 1), "Z");
    EXPECT_EQ(FormatSerialLabel(27, 1), "AA");
    EXPECT_EQ(FormatSerialLabel(52, 1), "ZZ");
    EXPECT_EQ(FormatSerialLabel(53, 1), "AAAA");
    EXPECT_EQ(FormatSerialLabel(78, 1), "ZZZZ");
    EXPECT_EQ(FormatSerialLabel(80, 1), "BBBBBBBB");
    EXPECT_EQ(FormatSerialLabel(182, 1), std::string(64, 'Z'));
}

TEST(SerialLabel, StyleOneStopsGrowingAndKeepsLabelsDistinct)
{
    EXPECT_EQ(FormatSerialLabel(183, 1), "183");
    EXPECT_EQ(FormatSerialLabel(INT_MAX, 1), "2147483647");
    EXPECT_EQ(FormatSerialLabel(0, 1), "0");
    EXPECT_EQ(FormatSerialLabel(-26, 1), "-26");
}

TEST(SerialLabel, StyleTwoIsDecimal)
{
    EXPECT_EQ(FormatSerialLabel(42, 2), "42");
    EXPECT_EQ(FormatSerialLabel(-7, 2), "-7");
}

TEST(SerialLabel, StyleThreeWritesEachDigitAsANumeral)
{
    EXPECT_EQ(FormatSerialLabel(9, 3), "九");
    EXPECT_EQ(FormatSerialLabel(10, 3), "一零");
    EXPECT_EQ(FormatSerialLabel(105, 3), "一零五");
    EXPECT_EQ(FormatSerialLabel(0, 3), "零");
    EXPECT_EQ(FormatSerialLabel(INT_MAX, 3), "二一四七四八三六四七");
    EXPECT_EQ(FormatSerialLabel(-3, 3), "-3");
}

TEST(SerialLabel, OtherStylesGiveTheEmptyText)
{
    EXPECT_EQ(FormatSerialLabel(1, 9), "");
    EXPECT_EQ(FormatSerialLabel(105, 4), "");
    EXPECT_EQ(FormatSerialLabel(1, -1), "");
}

TEST(ChineseDigit, NumeralsOfTheTenDigits)
{
    const char* const numerals[] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
    for (int d = 0; d < 10; ++d) EXPECT_EQ(ChineseDigit(d), numerals[d]) << d;
    EXPECT_EQ(ChineseDigit(-1), "");
    EXPECT_EQ(ChineseDigit(10), "");
}
