// Parsing project text: a quick pass first; on a fault, the parser's events are followed to know the
// JSON path at every point.
#include "project_json_document.h"

#include "json/json_input_error.h"

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
        return ReadJsonInput(text, tracker);
    } catch (const JsonInputError& e) {
        if (e.IsSyntax()) throw SyntaxError(e.line(), e.column(), e.detail());
        throw ValueError(e.path().empty() ? "top level" : e.path(), e.detail());
    }
}

} // namespace project_json
