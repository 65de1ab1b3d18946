// ReadNumberText: the host's rule for a text that is a number.
#pragma once

#include <string_view>

// A number is a text that, apart from leading and trailing blanks (space, tab, line ends) and one
// optional leading '+', reads wholly as a decimal real in the C locale and is finite. "nan", "inf",
// "0x10", "1.5x" and the empty text are not numbers. value is written only for a number.
bool ReadNumberText(std::string_view text, double& value);
