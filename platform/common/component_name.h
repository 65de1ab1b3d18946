// KVDataCommon::ParseComponentName: the component's number read from the end of its name.
#pragma once

#include "mfc/cstring.h"

namespace KVDataCommon {

// number := the decimal digits that end name ("P12" -> 12, "墩3" -> 3, "P007" -> 7); returns 1.
// A name that does not end in a digit, or whose trailing digits do not fit an int, gives
// number 0 and returns 0.
int ParseComponentName(const CString& name, int& number);

} // namespace KVDataCommon
