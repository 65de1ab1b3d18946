// FormatSerialLabel and ChineseDigit: numbered labels (Roman numerals, letters, digits, Chinese numerals) of the output.
#pragma once

#include "mfc/cstring.h"

// The label of n in a numbering style (UTF-8):
//   0 the Roman numeral of code page 936 for n from 1 to 12 (Ⅰ to Ⅻ, the character coded 0xA2F0 + n);
//     the code page has no numeral for other n, which are written in decimal digits;
//   1 a capital letter repeated: for n >= 1, the letter A + (n - 1) mod 26 written 2^q times with
//     q = (n - 1) div 26, so 1 to 26 give A to Z, 27 to 52 AA to ZZ, 53 to 78 AAAA to ZZZZ. The
//     repetition stops at 64 letters: n above 26 x 7 = 182, and n below 1, are written in decimal digits;
//   2 decimal digits ("%d");
//   3 the decimal digits of n, each written by ChineseDigit (105 gives 一零五, 0 gives 零); a negative
//     n is written in decimal digits;
//   any other style gives the empty text.
CString FormatSerialLabel(int n, int style);

// The Chinese numeral of one decimal digit, "零" to "九"; any other value gives the empty text.
CString ChineseDigit(int d);
