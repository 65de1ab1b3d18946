// KVDataCommon number texts: an integer written in a numbering style, and a text split into items.
#pragma once

#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

namespace KVDataCommon {

// Writes n into text in a numbering style (UTF-8):
//   0 decimal digits: 1, 2, ... 10, -3 ("%d");
//   1 capital letters counted like spreadsheet columns: 1 A, 2 B, ... 26 Z, 27 AA, 28 AB, ...
//     702 ZZ, 703 AAA; n of 0 or below is written in decimal digits (letters cannot be mixed up
//     with them);
//   2 Chinese numerals: 1 一, 10 十, 11 十一, 20 二十, 101 一百零一, 110 一百一十, 10001 一万零一,
//     100000 十万, 0 零, -5 负五; the full int range is written (亿 for 10^8).
// Any other style writes decimal digits. Distinct integers give distinct texts in each style.
void IntToString(int n, CString& text, int style);

// Splits text into its items, replacing items. Items are separated by commas (ASCII "," or
// full-width "，"), semicolons (";" or "；") or blanks (space, tab, line breaks); each item keeps
// its inner characters exactly; empty items (repeated separators) are dropped. Returns the number
// of items. Example: "K2, K3；K4" gives K2, K3, K4.
int strTostrSTArr(const CString& text, CStringArray& items);

} // namespace KVDataCommon
