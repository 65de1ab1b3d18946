// A user's text as a message quotes it: cut to a short prefix.
#pragma once

#include "mfc/cstring.h"

// The most characters of a user's text that a message quotes.
inline constexpr int kMaxQuotedCharacters = 64;

// A user's text as a message quotes it: whole when it has at most kMaxQuotedCharacters
// characters, else its first kMaxQuotedCharacters characters followed by "…", so that a huge
// text never makes a huge message. Characters are counted in UTF-8 and never cut in the middle;
// a byte that continues no character counts as one.
CString QuotedText(const CString& text);
