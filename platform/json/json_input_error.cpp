// JSON text from outside that cannot be read, worded as every reader of it words its faults.
#include "json/json_input_error.h"

#include "json/json_document.h"
#include "json/json_error_text.h"

#include <algorithm>
#include <utility>

namespace {

using Json = JsonValue;

std::string Joined(const std::string& place, const std::string& detail)
{
    return place.empty() ? detail : place + ": " + detail;
}

std::string LineAndColumn(std::size_t line, std::size_t column)
{
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

} // namespace

JsonInputError::JsonInputError(std::size_t line, std::size_t column, std::string detail)
    : std::runtime_error(Joined(LineAndColumn(line, column), detail)), m_line(line), m_column(column),
      m_detail(std::move(detail))
{
}

JsonInputError::JsonInputError(std::string path, std::string detail)
    : std::runtime_error(Joined(path, detail)), m_path(std::move(path)), m_detail(std::move(detail))
{
}

std::string JsonInputError::Place() const { return IsSyntax() ? LineAndColumn(m_line, m_column) : m_path; }

Json ReadJsonInput(std::string_view text, JsonPathTracker& tracker)
{
    try {
        return ParseJsonDocument(text, tracker);
    } catch (const JsonKeyGivenTwice& e) {
        throw JsonInputError(e.path(), "key given twice");
    } catch (const JsonNestingError& e) {
        // Refused as the value too deep opens, before the tracker takes it: it is the current one.
        throw JsonInputError(tracker.CurrentPath(), e.what());
    } catch (const Json::parse_error& e) {
        // e.byte is the 1-based position of the last character read: that character is the culprit.
        const std::size_t offset = std::min<std::size_t>(e.byte == 0 ? 0 : e.byte - 1, text.size());
        std::size_t line = 1, column = 1;
        for (std::size_t i = 0; i < offset; ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            if (byte == '\n') {
                ++line;
                column = 1;
            } else if ((byte & 0xC0) != 0x80) {
                ++column;   // a UTF-8 continuation byte belongs to the character before it
            }
        }
        throw JsonInputError(line, column, "not valid JSON: " + JsonErrorReason(e.what()));
    } catch (const Json::out_of_range& e) {
        // A number beyond what a real can hold.
        throw JsonInputError(tracker.CurrentPath(), "number out of range: " + JsonErrorReason(e.what()));
    }
}
