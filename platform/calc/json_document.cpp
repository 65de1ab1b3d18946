// JSON text from outside read into a document, within the nesting limit and with nothing after it.
#include "calc/json_document.h"

#include <optional>
#include <string>
#include <utility>

namespace {

using Json = nlohmann::ordered_json;

// The parser error for the byte at offset, which follows a complete document: located as the
// parser locates its own (lines counted by '\n', columns in bytes from 1).
Json::parse_error BytesAfterTheDocument(std::string_view text, std::size_t offset)
{
    nlohmann::detail::position_t at;
    at.chars_read_total = offset + 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < offset; ++i) {
        if (text[i] != '\n') continue;
        ++at.lines_read;
        lineStart = i + 1;
    }
    at.chars_read_current_line = offset - lineStart + 1;
    return Json::parse_error::create(
        101, at, "syntax error while parsing value - a NUL byte after the document; expected end of input", nullptr);
}

} // namespace

JsonNestingError::JsonNestingError()
    : std::runtime_error("objects and lists nested more than " + std::to_string(kMaxJsonNesting) + " deep")
{
}

Json ParseJsonDocument(std::string_view text, const JsonParseFollower& follow)
{
    if (std::optional<Json> document = ParseJsonFromMemory(text)) return std::move(*document);
    int open = 0;   // objects and lists open at the parser's position
    const Json::parser_callback_t callback = [&open, &follow](int, Json::parse_event_t event, Json& parsed) {
        switch (event) {
        case Json::parse_event_t::object_start:
        case Json::parse_event_t::array_start:
            if (open >= kMaxJsonNesting) throw JsonNestingError();
            ++open;
            break;
        case Json::parse_event_t::object_end:
        case Json::parse_event_t::array_end:
            --open;
            break;
        default:
            break;
        }
        if (follow) follow(event, parsed);
        return true;
    };
    Json document = Json::parse(text.begin(), text.end(), callback);
    // The parser takes a NUL byte for the end of its input: a document it read whole with one
    // after it ended there (a NUL within a text is an error of its own). Nothing may follow.
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) throw BytesAfterTheDocument(text, nul);
    return document;
}
