// TextToReal: texts read as reals the way the input's number texts are read.
#include "input/text_to_real.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(TextToReal, ReadsTheLeadingDecimalNumber)
{
    EXPECT_DOUBLE_EQ(TextToReal("6500"), 6500.0);
    EXPECT_DOUBLE_EQ(TextToReal("  -12.5"), -12.5);
    EXPECT_DOUBLE_EQ(TextToReal("+.5"), 0.5);
    EXPECT_DOUBLE_EQ(TextToReal("1.5e3mm"), 1500.0);
    EXPECT_DOUBLE_EQ(TextToReal("1:100"), 1.0);
    EXPECT_DOUBLE_EQ(TextToReal("\t3,5"), 3.0);   // a comma is no decimal point
}

TEST(TextToReal, TextsThatStartWithNoFiniteNumberGiveZero)
{
    for (const char* text : {"", "   ", "abc", "-", "+-5", ".", "inf", "-nan", "1e999", "一千"})
        EXPECT_DOUBLE_EQ(TextToReal(text), 0.0) << text;
}

// Only a text that is wholly a finite number, blanks around it and a leading '+' allowed; else NaN.
TEST(TextToRealOrNaN, ReadsOnlyATextThatIsWhollyANumber)
{
    for (auto [text, value] : {std::pair{" 2400 ", 2400.0}, {"\t+12.5\n", 12.5}, {"-1e3", -1000.0}})
        EXPECT_DOUBLE_EQ(TextToRealOrNaN(text), value) << text;
    for (const char* text : {"2400,5", "2400mm", "abc", "", "   ", "+-5", "0x10", "nan", "-INF", "1e999", "1e-999"})
        EXPECT_TRUE(std::isnan(TextToRealOrNaN(text))) << text;
}

} // namespace
