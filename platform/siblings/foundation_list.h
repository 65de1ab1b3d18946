// Reading a foundation input's number-list expression into a list of reals, reporting bad items.
#pragma once

#include "common/dbl_array.h"
#include "mfc/cstring.h"

// Reads text (a number-list expression) into list. Every item that is not a number or a
// well-formed repetition, and a list past the expression cap, is reported as a diagnostic with
// label, description, key and part (ReadReportedExpression), and the result is 0 with list left
// empty; otherwise list holds the values and the result is 1.
int ReadFoundationList(unsigned label, const CString& text, const char* description, const char* key,
                       unsigned part, DblArray& list);
