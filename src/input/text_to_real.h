// TextToReal: a text read as a real the way the C runtime's atof reads it, always in the C locale;
// TextToRealOrNaN: a text read as a real only when it is wholly a number.
#pragma once

#include "mfc/cstring.h"

// Skips leading white space, then reads the longest decimal real at the start of the text
// (an optional sign, digits with an optional point, an optional exponent). A text that does not
// start with a number, and one whose value is not a finite double ("inf", "nan", "1e999"), gives
// 0.0. What follows the number is ignored: "12.5mm" gives 12.5.
double TextToReal(const CString& text);

// The number that the text is wholly, read by the host's rule for a number text (ReadNumberText,
// host/number_text.h, as the items of bBz are read: blanks around it and one leading '+' allowed,
// finite, C locale); NaN for a text that is not wholly a number ("2400,5", "2400mm", "24OO",
// "abc", "nan", "1e999", the empty text).
double TextToRealOrNaN(const CString& text);
