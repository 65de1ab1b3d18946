// The JSON parser's error texts with the input they quote cut to a short prefix.
#include "calc/json_error_text.h"

#include "host/report_keyed_message.h"

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
