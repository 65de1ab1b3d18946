// The JSON parser's error texts worded for a reader's messages.
#include "json/json_error_text.h"

#include "common/quoted_text.h"

std::string JsonErrorText(std::string_view what)
{
    for (const std::string_view opening : {std::string_view("last read: '"), std::string_view("parsing '")}) {
        const std::size_t found = what.find(opening);
        if (found == std::string_view::npos) continue;
        const std::size_t start = found + opening.size();
        // The quoted input ends at its closing quote, which a syntax error follows with what the
        // parser expected (a short name); a longer "expected" is part of the input.
        std::size_t end = what.size();
        const std::size_t expected = what.rfind("'; expected ");
        if (expected != std::string_view::npos && expected >= start &&
            what.size() - expected - std::string_view("'; expected ").size() <= 32)
            end = expected;
        else if (what.size() > start && what.back() == '\'')
            end = what.size() - 1;
        const std::string token(what.substr(start, end - start));
        return std::string(what.substr(0, start)) + QuotedText(CString(token)).str() + std::string(what.substr(end));
    }
    return std::string(what);
}

namespace {

// Keeps the text UTF-8: a byte that starts no well-formed character is written as "\xFF".
std::string WellFormed(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                           : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
        for (std::size_t k = 1; k < length; ++k) {
            if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) length = 0;
        }
        if (length == 0) {
            static const char hex[] = "0123456789ABCDEF";
            out += "\\x";
            out += hex[lead >> 4];
            out += hex[lead & 0x0F];
            ++i;
        } else {
            out.append(text, i, length);
            i += length;
        }
    }
    return out;
}

} // namespace

std::string JsonErrorReason(const char* what)
{
    std::string text = JsonErrorText(what);
    if (!text.empty() && text[0] == '[') {
        const std::size_t end = text.find("] ");
        if (end != std::string::npos) text.erase(0, end + 2);
    }
    if (text.rfind("parse error", 0) == 0) {
        const std::size_t column = text.find("column ");
        const std::size_t start = text.find(": ", column == std::string::npos ? 0 : column);
        if (start != std::string::npos) text.erase(0, start + 2);
    }
    return WellFormed(text);
}

std::string JsonKeyText(std::string_view key)
{
    const std::string quoted = QuotedText(CString(std::string(key))).str();
    std::string shown;
    shown.reserve(quoted.size());
    for (const char c : quoted) {
        if (c == '\0')
            shown += "\\u0000";
        else
            shown += c;
    }
    return shown;
}
