// JSON text from outside read into a document: the quick pass, then the full parser held to the
// nesting limit and to nothing after the document, both in time linear in the text. The project
// file, the key parameters and the material catalogue are read through it.
#pragma once

#include "json/json_from_memory.h"
#include "json/json_path_tracker.h"
#include "json/json_value.h"

#include <stdexcept>
#include <string_view>

// Objects and lists opened more than kMaxJsonNesting deep; what() is "objects and lists nested
// more than 64 deep". Thrown as the parser opens the first one too deep, so that no deeper
// document is ever built (copying a deep document recurses once per level).
class JsonNestingError : public std::runtime_error {
public:
    JsonNestingError();
};

// The document text holds, read quickly when ParseJsonFromMemory takes it, else by the full parser,
// which tracker follows (only text with a fault or one of the quick pass's exceptions gets there):
// its path is then the place of the fault. Throws JsonValue::parse_error for text that is not JSON,
// also for any byte after the document but blanks (e.byte is the 1-based position of the culprit,
// as the parser's own errors give it), JsonValue::out_of_range for a number too large to hold,
// JsonNestingError for objects and lists nested deeper than kMaxJsonNesting, and JsonKeyGivenTwice
// for a key given twice in one object.
JsonValue ParseJsonDocument(std::string_view text, JsonPathTracker& tracker);
