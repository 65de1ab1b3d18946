// JSON text from outside read into a document, within the nesting limit and with nothing after it.
#include "json/json_document.h"

#include <optional>
#include <string>
#include <utility>

namespace {

using Json = JsonValue;

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

// Goes through the parser's events without building anything: the tracker follows the path, an
// object or list too deep and a key given twice are refused, and the parser's errors are thrown
// as it reports them.
class PathFollower {
public:
    explicit PathFollower(JsonPathTracker& tracker) : m_tracker(tracker) {}

    bool null() { return Value(); }
    bool boolean(bool) { return Value(); }
    bool number_integer(Json::number_integer_t) { return Value(); }
    bool number_unsigned(Json::number_unsigned_t) { return Value(); }
    bool number_float(Json::number_float_t, const Json::string_t&) { return Value(); }
    bool string(Json::string_t&) { return Value(); }
    bool binary(Json::binary_t&) { return Value(); }
    bool start_object(std::size_t) { return Open(false); }
    bool start_array(std::size_t) { return Open(true); }
    bool end_object() { return Close(); }
    bool end_array() { return Close(); }

    bool key(Json::string_t& key)
    {
        m_tracker.Key(key);
        return true;
    }

    template <class Exception>
    bool parse_error(std::size_t, const std::string&, const Exception& error)
    {
        throw error;
    }

private:
    bool Value()
    {
        m_tracker.Value();
        return true;
    }

    bool Open(bool isList)
    {
        if (m_tracker.Depth() >= static_cast<std::size_t>(kMaxJsonNesting)) throw JsonNestingError();
        m_tracker.Open(isList);
        return true;
    }

    bool Close()
    {
        m_tracker.Close();
        return true;
    }

    JsonPathTracker& m_tracker;
};

} // namespace

JsonNestingError::JsonNestingError()
    : std::runtime_error("objects and lists nested more than " + std::to_string(kMaxJsonNesting) + " deep")
{
}

Json ParseJsonDocument(std::string_view text, JsonPathTracker& tracker)
{
    if (std::optional<Json> document = ParseJsonFromMemory(text)) return std::move(*document);
    // The full parser goes through the text once with its path followed, which finds and locates
    // every fault; only a text without one is read into a document, by the parser itself (objects
    // take their members through their hash index, so that time stays linear in the text).
    PathFollower follower(tracker);
    Json::sax_parse(text.begin(), text.end(), &follower);
    // The parser takes a NUL byte for the end of its input: a document it read whole with one
    // after it ended there (a NUL within a text is an error of its own). Nothing may follow.
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) throw BytesAfterTheDocument(text, nul);
    return Json::parse(text.begin(), text.end());
}
