// Parsing project text: a quick pass first; on a fault, the parser's events are followed to know the
// JSON path at every point.
#include "project_json_document.h"

#include "calc/json_document.h"
#include "calc/json_error_text.h"
#include "calc/json_path_tracker.h"

#include <utility>

namespace project_json {

namespace {

// 1-based line and column of the byte at offset (columns count characters, not bytes).
void Locate(std::string_view text, std::size_t offset, std::size_t& line, std::size_t& column)
{
    line = 1;
    column = 1;
    if (offset > text.size()) offset = text.size();
    for (std::size_t i = 0; i < offset; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\n') {
            ++line;
            column = 1;
        } else if ((byte & 0xC0) != 0x80) {
            ++column;   // a UTF-8 continuation byte belongs to the character before it
        }
    }
}

// Keeps the text UTF-8: a byte that starts no well-formed character is written as "\xFF", so that
// an error line can be printed and put into JSON output whatever the file held.
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

// The parser's own reason, without its prefix of exception id and position.
std::string Reason(const char* what)
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

} // namespace

SyntaxError::SyntaxError(std::size_t line, std::size_t column, std::string detail)
    : std::runtime_error("line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + detail),
      m_line(line), m_column(column), m_detail(std::move(detail))
{
}

Json ParseDocument(std::string_view text)
{
    // Most project files are plain, well-formed JSON: read them in one quick pass. The rest is
    // parsed again with the parser's events followed, to name the line, column or path of a fault.
    JsonPathTracker tracker("", MemberPath);
    const JsonParseFollower follow = [&tracker](Json::parse_event_t event, const Json& parsed) {
        tracker.Event(event, parsed);
    };
    try {
        return ParseJsonDocument(text, follow);
    } catch (const JsonKeyGivenTwice& e) {
        throw ValueError(e.path(), "key given twice");
    } catch (const JsonNestingError& e) {
        // Refused as the value too deep opens, before the tracker takes it: it is the current one.
        throw ValueError(tracker.CurrentPath().empty() ? "top level" : tracker.CurrentPath(), e.what());
    } catch (const Json::parse_error& e) {
        // e.byte is the 1-based position of the last character read: that character is the culprit.
        std::size_t line = 0, column = 0;
        Locate(text, e.byte == 0 ? 0 : e.byte - 1, line, column);
        throw SyntaxError(line, column, "not valid JSON: " + Reason(e.what()));
    } catch (const Json::out_of_range& e) {
        // A number beyond what a real can hold.
        throw ValueError(tracker.CurrentPath().empty() ? "top level" : tracker.CurrentPath(),
                         "number out of range: " + Reason(e.what()));
    }
}

} // namespace project_json
