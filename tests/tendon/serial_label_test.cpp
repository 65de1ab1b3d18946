// FormatSerialLabel: section numbers as the Roman numerals of GB2312.
#include "tendon/serial_label.h"

#include "mfc/carchive.h"

#include <gtest/gtest.h>

#include <vector>

TEST(SerialLabel, SectionNumbersAreRomanNumerals)
{
    EXPECT_EQ(FormatSerialLabel(1, 0), "Ⅰ");
    EXPECT_EQ(FormatSerialLabel(2, 0), "Ⅱ");
    EXPECT_EQ(FormatSerialLabel(3, 0), "Ⅲ");
    EXPECT_EQ(FormatSerialLabel(12, 0), "Ⅻ");
}

TEST(SerialLabel, LabelIsTheCodePage936CharacterA2F0PlusN)
{
    // Stored in the archive's narrow form, the label of 1 is the two bytes 0xA2 0xF1, of 3 0xA2 0xF3.
    std::vector<unsigned char> out;
    CArchive ar(out, CArchive::store);
    ar << FormatSerialLabel(1, 0) << FormatSerialLabel(3, 0);
    EXPECT_EQ(out, (std::vector<unsigned char>{0x02, 0xA2, 0xF1, 0x02, 0xA2, 0xF3}));
}

TEST(SerialLabel, CodesThatAreNoCharacterAndOtherStylesGiveEmptyText)
{
    EXPECT_EQ(FormatSerialLabel(0xA27F - 0xA2F0, 0), "");   // 0x7F never ends a two-byte character
    EXPECT_EQ(FormatSerialLabel(1, 1), "");
    EXPECT_EQ(FormatSerialLabel(-1000000, 0).GetLength() <= 4, true);   // any number is safe
}
