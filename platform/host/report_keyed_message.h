// Diagnostic entries that name the offending input keys: the message suffix and one entry per key.
#pragma once

#include "common/quoted_text.h"
#include "mfc/cstring.h"

// Splits keys with cstringTocstringArray and reports message through QMReportDiagnose with kind
// "Error" and flag 0: one key gives message + "，" + key + "有错误．"; several keys give one entry
// per key, in order, with message + "，可能" + key + "有错误．". Returns the number of entries
// (0 when keys names no key).
int ReportDiagnoseForKeys(unsigned label, const CString& message, const CString& keys, unsigned long item,
                          unsigned part);
