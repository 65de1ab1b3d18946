// TextToReal: a text read as a real the way the C runtime's atof reads it, always in the C locale.
#pragma once

#include "mfc/cstring.h"

// Skips leading white space, then reads the longest decimal real at the start of the text
// (an optional sign, digits with an optional point, an optional exponent). A text that does not
// start with a number, and one whose value is not a finite double ("inf", "nan", "1e999"), gives
// 0.0. What follows the number is ignored: "12.5mm" gives 12.5.
double TextToReal(const CString& text);

// True when the text, read as TextToReal reads it, stands for a value that is not a finite
// double: after white space and a sign, "inf" or "nan" in any case ("infinity", "NaN(1)"), or a
// decimal real too large for a double ("1e999"). A real too small for one ("1e-999") is finite.
bool ReadsAsNonFinite(const CString& text);
