// Parsing project text: a quick pass first; on a fault, the parser's events are followed to know the
// JSON path at every point.
#include "project_json_document.h"

#include "json/json_document.h"
#include "json/json_error_text.h"
#include "json/json_path_tracker.h"

#include <utility>

namespace project_json {

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
    try {
        return ParseJsonDocument(text, tracker);
    } catch (const JsonKeyGivenTwice& e) {
        throw ValueError(e.path(), "key given twice");
    } catch (const JsonNestingError& e) {
        // Refused as the value too deep opens, before the tracker takes it: it is the current one.
        throw ValueError(tracker.CurrentPath().empty() ? "top level" : tracker.CurrentPath(), e.what());
    } catch (const Json::parse_error& e) {
        const JsonSyntaxFault fault = LocateJsonSyntaxError(text, e);
        throw SyntaxError(fault.line, fault.column, "not valid JSON: " + fault.reason);
    } catch (const Json::out_of_range& e) {
        // A number beyond what a real can hold.
        throw ValueError(tracker.CurrentPath().empty() ? "top level" : tracker.CurrentPath(),
                         "number out of range: " + JsonErrorReason(e.what()));
    }
}

} // namespace project_json
