// JSON text from outside read into a document, within the nesting limit and with nothing after it.
#include "json/json_document.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Json = nlohmann::ordered_json;
using Event = Json::parse_event_t;

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

// Builds the document from the full parser's events, each member appended at the end of its object:
// the parser's own document would look every key up among the members before it, which takes time
// growing with the square of an object's size. The tracker has refused a key given twice before its
// value is placed, so the members appended are distinct.
class DocumentBuilder {
public:
    explicit DocumentBuilder(JsonPathTracker& tracker) : m_tracker(tracker) {}

    Json Take() { return std::move(m_document); }

    bool null() { return Scalar(Json(nullptr)); }
    bool boolean(bool value) { return Scalar(Json(value)); }
    bool number_integer(Json::number_integer_t value) { return Scalar(Json(value)); }
    bool number_unsigned(Json::number_unsigned_t value) { return Scalar(Json(value)); }
    bool number_float(Json::number_float_t value, const Json::string_t&) { return Scalar(Json(value)); }
    bool string(Json::string_t& value) { return Scalar(Json(std::move(value))); }
    bool binary(Json::binary_t& value) { return Scalar(Json::binary(std::move(value))); }
    bool start_object(std::size_t) { return Open(Json::object(), Event::object_start); }
    bool start_array(std::size_t) { return Open(Json::array(), Event::array_start); }
    bool end_object() { return Close(Event::object_end); }
    bool end_array() { return Close(Event::array_end); }

    bool key(Json::string_t& key)
    {
        m_tracker.Event(Event::key, Json(key));
        m_key = std::move(key);
        return true;
    }

    template <class Exception>
    bool parse_error(std::size_t, const std::string&, const Exception& error)
    {
        throw error;
    }

private:
    // Puts value where the parser is: the document itself, a list's next element or the member of
    // the key just read.
    Json& Place(Json&& value)
    {
        if (m_open.empty()) {
            m_document = std::move(value);
            return m_document;
        }
        Json& parent = *m_open.back();
        if (parent.is_array()) {
            auto& elements = parent.get_ref<Json::array_t&>();
            elements.push_back(std::move(value));
            return elements.back();
        }
        auto& members = parent.get_ref<Json::object_t&>();
        members.emplace_back(std::move(m_key), std::move(value));
        return members.back().second;
    }

    bool Scalar(Json&& value)
    {
        m_tracker.Event(Event::value, Place(std::move(value)));
        return true;
    }

    bool Open(Json&& empty, Event event)
    {
        if (m_open.size() >= static_cast<std::size_t>(kMaxJsonNesting)) throw JsonNestingError();
        m_tracker.Event(event, empty);
        // A value open here is never moved: its parent takes no other value before it closes.
        m_open.push_back(&Place(std::move(empty)));
        return true;
    }

    bool Close(Event event)
    {
        m_tracker.Event(event, *m_open.back());
        m_open.pop_back();
        return true;
    }

    JsonPathTracker& m_tracker;
    Json m_document;
    std::vector<Json*> m_open;   // the objects and lists open at the parser's position
    std::string m_key;           // the key just read, whose value comes next
};

} // namespace

JsonNestingError::JsonNestingError()
    : std::runtime_error("objects and lists nested more than " + std::to_string(kMaxJsonNesting) + " deep")
{
}

Json ParseJsonDocument(std::string_view text, JsonPathTracker& tracker)
{
    if (std::optional<Json> document = ParseJsonFromMemory(text)) return std::move(*document);
    DocumentBuilder builder(tracker);
    Json::sax_parse(text.begin(), text.end(), &builder);
    // The parser takes a NUL byte for the end of its input: a document it read whole with one
    // after it ended there (a NUL within a text is an error of its own). Nothing may follow.
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) throw BytesAfterTheDocument(text, nul);
    return builder.Take();
}
