// FormatSerialLabel: the label of a numbered item in the tendon output (Roman numerals of GB2312).
#pragma once

#include "mfc/cstring.h"

// Style 0: the one character whose code page 936 code is 0xA2F0 + n (taken as 16 bits, high byte
// first); for n from 1 to 12 these are the Roman numerals Ⅰ to Ⅻ. A code that is no character of
// code page 936, and any other style, gives an empty text.
CString FormatSerialLabel(int n, int style);
