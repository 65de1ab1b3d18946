// JSON text from outside that cannot be read, worded as every reader of it words its faults.
#pragma once

#include "json/json_path_tracker.h"
#include "json/json_value.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// Where the text fails and why: a syntax error at a line and column (1-based; columns count
// characters, not bytes), or a fault at the path the tracker had reached (empty at the top of the
// document): a key given twice, nesting deeper than kMaxJsonNesting, a number too large to hold.
// what() is "line <l>, column <c>: <detail>", "<path>: <detail>" or, at the top, the detail alone.
class JsonInputError : public std::runtime_error {
public:
    JsonInputError(std::size_t line, std::size_t column, std::string detail);
    JsonInputError(std::string path, std::string detail);

    bool IsSyntax() const { return m_line != 0; }
    std::size_t line() const { return m_line; }
    std::size_t column() const { return m_column; }
    // "line <l>, column <c>" for a syntax error, else the path.
    std::string Place() const;
    const std::string& path() const { return m_path; }
    // "not valid JSON: <the parser's reason>", "key given twice", "objects and lists nested more
    // than 64 deep" or "number out of range: <the parser's reason>".
    const std::string& detail() const { return m_detail; }

private:
    std::size_t m_line = 0;
    std::size_t m_column = 0;
    std::string m_path;
    std::string m_detail;
};

// The document text holds (ParseJsonDocument, followed by tracker); throws JsonInputError for
// every fault.
JsonValue ReadJsonInput(std::string_view text, JsonPathTracker& tracker);
