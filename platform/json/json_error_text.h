// The JSON parser's error texts worded for a reader's messages: the input they quote cut to a short
// prefix, the parser's prefix taken off, a document's key as a message names it.
#pragma once

#include <string>
#include <string_view>

// what with the piece of input the parser quotes in it (after "last read: '" in a syntax error,
// after "parsing '" in a number overflow) cut as QuotedText cuts a user's text, so that a huge
// token never makes a huge message. The rest of the text is kept as it is.
std::string JsonErrorText(std::string_view what);

// The parser's reason in what, without its prefix of exception id and position, cut as
// JsonErrorText cuts it; a byte that starts no well-formed UTF-8 character is written "\xFF", so
// that the line can be printed and put into JSON output whatever the file held.
std::string JsonErrorReason(const char* what);

// A key of the document as a message names it: cut as QuotedText cuts a user's text, and every NUL
// character written "\u0000", so that a key is never shown as a shorter one.
std::string JsonKeyText(std::string_view key);
