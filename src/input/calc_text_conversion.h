// Text lists of the calculation input read as numbers, every bad text and short list reported under its key.
#pragma once

#include "mfc/carray.h"
#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

// Replaces values with the texts read as numbers (QMReportError_StrToNum with label 0 and
// kPartPier, which reports each text that is not a number with the description under key). An empty
// text list gives an empty value list and 1 without a report. Returns 0 when a text failed; values
// are then left empty, so that no partial list is passed on.
int ConvertCalcTexts(const CString& description, const CStringArray& texts, CArray<double>& values,
                     const CString& key);

// Replaces values with the numbers of an expression text (ReadReportedExpression with label 0
// and kPartPier, which reports each item that is not a number, and a text past the cap, with the
// description under key). Returns 0 when something was reported; values are then left empty.
int ConvertCalcExpression(const CString& description, const CString& text, CArray<double>& values,
                          const CString& key);

// 1 when the list described under key holds at least need values, so that reading it alongside
// a list of need entries stays inside it; otherwise reports "“description”中有have个数据，应有need个"
// under key (label 0, kPartPier, the given item) and returns 0.
int CheckCalcCount(const CString& description, int have, int need, const CString& key, unsigned long item = 0);
