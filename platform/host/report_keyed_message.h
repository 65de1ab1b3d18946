// Diagnostic entries that name the offending input keys: the message suffix and one entry per key.
#pragma once

#include "mfc/cstring.h"

// Splits keys with cstringTocstringArray and reports message through QMReportDiagnose with kind
// "Error" and flag 0: one key gives message + "，" + key + "有错误．"; several keys give one entry
// per key, in order, with message + "，可能" + key + "有错误．". Returns the number of entries
// (0 when keys names no key).
int ReportDiagnoseForKeys(unsigned label, const CString& message, const CString& keys, unsigned long item,
                          unsigned part);

// The most characters of a user's text that a message quotes.
inline constexpr int kMaxQuotedCharacters = 64;

// A user's text as a message quotes it: whole when it has at most kMaxQuotedCharacters
// characters, else its first kMaxQuotedCharacters characters followed by "…", so that a huge
// text never makes a huge message. Characters are counted in UTF-8 and never cut in the middle;
// a byte that continues no character counts as one.
CString QuotedText(const CString& text);
