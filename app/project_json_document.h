// Parsing project text into a JSON document: syntax errors by line and column, repeated keys refused.
#pragma once

#include "project_json_fields.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace project_json {

// Text that is not JSON: where it stops being JSON (1-based line and column, counted in
// characters) and why.
class SyntaxError : public std::runtime_error {
public:
    SyntaxError(std::size_t line, std::size_t column, std::string detail);
    std::size_t line() const { return m_line; }
    std::size_t column() const { return m_column; }
    const std::string& detail() const { return m_detail; }

private:
    std::size_t m_line;
    std::size_t m_column;
    std::string m_detail;
};

// Parses UTF-8 JSON text (a leading byte-order mark is skipped) as ParseJsonDocument does. Throws
// SyntaxError for text that is not JSON (ill-formed UTF-8 included, and any byte after the
// document but blanks), ValueError naming the JSON path for a key given twice in one object, for
// nesting deeper than kMaxJsonNesting (64) and for a number too large to hold.
Json ParseDocument(std::string_view text);

} // namespace project_json
