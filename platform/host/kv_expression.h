// Number-list expressions as users type them ("2*6500,7000"): splitting into items and reading numbers.
#pragma once

#include "mfc/carray.h"
#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

// The grammar (docs/expressions.md has examples):
// - Items are separated by commas ("," or "，"), semicolons (";" or "；") or blanks (space, tab,
//   line ends, the full-width space "　"); runs of separators count as one, so empty items vanish.
// - Blanks next to a repetition sign do not separate: "2 * 6500" is the item "2*6500".
// - An item "n*v" (also "n＊v") stands for n copies of v, when n is a whole number written in
//   digits, 1 <= n, and v is a number. Any other item containing a repetition sign is malformed.
// - Every other item is meant as a number: decimal, C locale, an optional sign, finite
//   ("1.5", "-200", "1e3"). "nan", "inf", "0x10", "12mm" are not numbers.
// - Every item counts against kMaxExpressionValues: a number or a malformed item counts 1, a
//   repetition n. An item that would take the expression past the cap is malformed, whatever it
//   is ("10000*1,5" and "5,10000*1" alike), and the reading stops there: the items after it are
//   not read, so that a text of any length costs no more than the cap's worth of items.
// Neither function throws or crashes, whatever the text.

// The most values one expression may stand for; an item that would exceed it is malformed.
inline constexpr int kMaxExpressionValues = 10000;

// Replaces tokens with the texts of the expression's values, in order, up to and including the
// item that passes the cap (so at most kMaxExpressionValues + 1 tokens): a repetition gives n
// copies of its value's text, any other item (a number, a non-number, a malformed repetition)
// is one token exactly as written. Returns 1 when every item was a number or a well-formed
// repetition within the cap, 0 otherwise (the tokens are filled all the same, so a caller that
// checks each token can report the bad one by its text; a number past the cap is a number as a
// token, so such a caller must also look at the result: ReadReportedExpression does both).
int ParseKVExpression(const CString& text, CStringArray& tokens);

// Replaces values with the numbers of the expression. Returns 1 when every item was a number
// or a well-formed repetition; otherwise values is left empty and the result is 0, so that a
// list the user did not write is never passed on. An empty or blank text gives an empty list
// and 1.
int KVUIParseString(const CString& text, CArray<double>& values);
