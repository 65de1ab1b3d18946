// The JSON parser's error texts with the input they quote cut to a short prefix.
#pragma once

#include <string>
#include <string_view>

// what with the piece of input the parser quotes in it (after "last read: '" in a syntax error,
// after "parsing '" in a number overflow) cut as QuotedText cuts a user's text, so that a huge
// token never makes a huge message. The rest of the text is kept as it is.
std::string JsonErrorText(std::string_view what);
