// JSON text from outside read into a document: the quick pass, then the full parser held to the
// nesting limit and to nothing after the document. The project file and the key parameters are
// read through it.
#pragma once

#include "calc/json_from_memory.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <stdexcept>
#include <string_view>

// Objects and lists opened more than kMaxJsonNesting deep; what() is "objects and lists nested
// more than 64 deep". Thrown as the parser opens the first one too deep, so that no deeper
// document is ever built (copying a deep document recurses once per level).
class JsonNestingError : public std::runtime_error {
public:
    JsonNestingError();
};

// Called at each of the full parser's events, after the nesting is checked, to follow the
// document as it is read (a path, keys given twice); what it throws ends the parse.
using JsonParseFollower =
    std::function<void(nlohmann::ordered_json::parse_event_t event, const nlohmann::ordered_json& parsed)>;

// The document text holds, read quickly when ParseJsonFromMemory takes it, else by the full parser
// (follow is called only then: only text with a fault or one of the quick pass's exceptions gets
// there). Throws nlohmann::ordered_json::parse_error for text that is not JSON, also for any byte
// after the document but blanks (e.byte is the 1-based position of the culprit, as the parser's own
// errors give it), nlohmann::ordered_json::out_of_range for a number too large to hold,
// JsonNestingError for objects and lists nested deeper than kMaxJsonNesting, and what follow throws.
nlohmann::ordered_json ParseJsonDocument(std::string_view text, const JsonParseFollower& follow = nullptr);
