// TextToReal: texts read as reals the way the input's number texts are read.
#include "input/text_to_real.h"

#include <gtest/gtest.h>

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

} // namespace
