// JSON text held in memory, parsed in one pass without keeping track of lines and columns.
#pragma once

#include "json/json_value.h"

#include <optional>
#include <string_view>

// The document that text holds, exactly as JsonValue::parse reads it (the same
// values, number kinds and key order), or nothing. Nothing is also the answer for well-formed text
// that this reader leaves to the full parser, which locates and explains every fault: a key given
// twice in one object, nesting deeper than kMaxJsonNesting, a \u escape, and a number that does
// not read back plainly (an integer beyond 64 bits, a real beyond the range of a double). A caller
// that gets nothing parses the text again with the full parser, which gives the document or the
// error with its line and column. So the position of a fault is worked out only when there is one.
constexpr int kMaxJsonNesting = 64;

std::optional<JsonValue> ParseJsonFromMemory(std::string_view text);
