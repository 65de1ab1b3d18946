// A recursive-descent JSON reader over a byte range: it builds the document as it reads and gives up
// at the first byte it does not take, leaving the explanation to the full parser.
#include "json/json_from_memory.h"

#include <charconv>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

using Json = JsonValue;

// Thrown at the first byte the reader does not take; caught at the entry point.
struct NotTaken {};

class Reader {
public:
    explicit Reader(std::string_view text) : m_at(text.data()), m_end(text.data() + text.size()) {}

    Json Document()
    {
        // A leading byte-order mark is skipped, as the full parser does.
        if (m_end - m_at >= 3 && Byte(0) == 0xEF && Byte(1) == 0xBB && Byte(2) == 0xBF) m_at += 3;
        SkipBlanks();
        Json value = Value(0);
        SkipBlanks();
        if (m_at != m_end) throw NotTaken{};
        return value;
    }

private:
    unsigned char Byte(std::ptrdiff_t ahead = 0) const { return static_cast<unsigned char>(m_at[ahead]); }
    bool AtEnd() const { return m_at == m_end; }

    void SkipBlanks()
    {
        while (m_at != m_end && (*m_at == ' ' || *m_at == '\n' || *m_at == '\r' || *m_at == '\t')) ++m_at;
    }

    void Expect(char c)
    {
        if (AtEnd() || *m_at != c) throw NotTaken{};
        ++m_at;
    }

    void Word(std::string_view word)
    {
        if (static_cast<std::size_t>(m_end - m_at) < word.size() || std::string_view(m_at, word.size()) != word)
            throw NotTaken{};
        m_at += word.size();
    }

    Json Value(int depth)
    {
        if (AtEnd()) throw NotTaken{};
        switch (*m_at) {
        case '{': return Object(depth + 1);
        case '[': return Array(depth + 1);
        case '"': return Json(String());
        case 't': Word("true"); return Json(true);
        case 'f': Word("false"); return Json(false);
        case 'n': Word("null"); return Json(nullptr);
        default: return Number();
        }
    }

    // Reads the items of an object or a list up to its closing bracket, each through readItem.
    template <class ReadItem>
    void Items(int depth, char close, ReadItem readItem)
    {
        if (depth > kMaxJsonNesting) throw NotTaken{};
        ++m_at;
        SkipBlanks();
        if (!AtEnd() && *m_at == close) {
            ++m_at;
            return;
        }
        for (;;) {
            SkipBlanks();
            readItem();
            SkipBlanks();
            if (AtEnd()) throw NotTaken{};
            if (*m_at == close) {
                ++m_at;
                return;
            }
            Expect(',');
        }
    }

    // Members and elements are gathered on the reader's stacks, so that each object and list is
    // made once, at its final size; a value's own members come and go before it is gathered.
    Json Object(int depth)
    {
        const std::size_t first = m_values.size();
        Items(depth, '}', [&] {
            if (AtEnd() || *m_at != '"') throw NotTaken{};
            std::string key = String();
            SkipBlanks();
            Expect(':');
            SkipBlanks();
            m_values.push_back(Value(depth));
            m_keys.push_back(std::move(key));
        });
        Json object = Json::object();
        auto& members = object.get_ref<Json::object_t&>();
        members.reserve(m_values.size() - first);
        // Each member inserted through the object's hash index, which also tells of a key given twice.
        for (std::size_t i = first; i < m_values.size(); ++i)
            if (!members.try_emplace(std::move(m_keys[i]), std::move(m_values[i])).second) throw NotTaken{};
        m_keys.resize(first);
        m_values.resize(first);
        return object;
    }

    Json Array(int depth)
    {
        const std::size_t first = m_values.size();
        Items(depth, ']', [&] {
            m_values.push_back(Value(depth));
            m_keys.emplace_back();
        });
        Json array = Json::array();
        auto& elements = array.get_ref<Json::array_t&>();
        elements.reserve(m_values.size() - first);
        for (std::size_t i = first; i < m_values.size(); ++i) elements.push_back(std::move(m_values[i]));
        m_keys.resize(first);
        m_values.resize(first);
        return array;
    }

    // The text between quotes: plain runs copied whole, the short escapes decoded, every other
    // byte outside ASCII checked to start a well-formed UTF-8 character (RFC 3629).
    std::string String()
    {
        ++m_at;
        std::string text;
        for (;;) {
            const char* run = m_at;
            while (m_at != m_end && Byte() >= 0x20 && Byte() < 0x80 && *m_at != '"' && *m_at != '\\') ++m_at;
            text.append(run, m_at);
            if (AtEnd()) throw NotTaken{};
            const unsigned char byte = Byte();
            if (byte == '"') {
                ++m_at;
                return text;
            }
            if (byte == '\\') {
                text += Escape();
            } else if (byte < 0x20) {
                throw NotTaken{};
            } else {
                const std::size_t length = Utf8Length();
                text.append(m_at, length);
                m_at += length;
            }
        }
    }

    char Escape()
    {
        if (m_end - m_at < 2) throw NotTaken{};
        const char c = m_at[1];
        m_at += 2;
        switch (c) {
        case '"': return '"';
        case '\\': return '\\';
        case '/': return '/';
        case 'b': return '\b';
        case 'f': return '\f';
        case 'n': return '\n';
        case 'r': return '\r';
        case 't': return '\t';
        default: throw NotTaken{};   // \u and anything else: the full parser's
        }
    }

    // Length of the well-formed UTF-8 character at the reader, which starts with a byte ≥ 0x80.
    std::size_t Utf8Length() const
    {
        const unsigned char lead = Byte();
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;   // range of the second byte
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            throw NotTaken{};
        }
        if (m_end - m_at < static_cast<std::ptrdiff_t>(length)) throw NotTaken{};
        if (Byte(1) < low || Byte(1) > high) throw NotTaken{};
        for (std::size_t k = 2; k < length; ++k)
            if (Byte(static_cast<std::ptrdiff_t>(k)) < 0x80 || Byte(static_cast<std::ptrdiff_t>(k)) > 0xBF) throw NotTaken{};
        return length;
    }

    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    void Digits()
    {
        if (AtEnd() || !IsDigit(*m_at)) throw NotTaken{};
        while (m_at != m_end && IsDigit(*m_at)) ++m_at;
    }

    // A number as the full parser reads it: an integer token becomes an unsigned integer, or a
    // signed one when it has a minus; any other token a real.
    Json Number()
    {
        const char* start = m_at;
        const bool negative = *m_at == '-';
        if (negative) ++m_at;
        if (AtEnd()) throw NotTaken{};
        if (*m_at == '0') {
            ++m_at;
        } else {
            Digits();
        }
        bool whole = true;
        if (m_at != m_end && *m_at == '.') {
            ++m_at;
            Digits();
            whole = false;
        }
        if (m_at != m_end && (*m_at == 'e' || *m_at == 'E')) {
            ++m_at;
            if (m_at != m_end && (*m_at == '+' || *m_at == '-')) ++m_at;
            Digits();
            whole = false;
        }
        if (whole && negative) return Json(Read<std::int64_t>(start));
        if (whole) return Json(Read<std::uint64_t>(start));
        return Json(Read<double>(start));
    }

    template <class T>
    T Read(const char* start) const
    {
        T value{};
        const auto [end, ec] = std::from_chars(start, m_at, value);
        if (ec != std::errc() || end != m_at) throw NotTaken{};   // beyond the type's range
        return value;
    }

    const char* m_at;
    const char* m_end;
    std::vector<std::string> m_keys;   // one per gathered value; empty for list elements
    std::vector<Json> m_values;
};

} // namespace

std::optional<JsonValue> ParseJsonFromMemory(std::string_view text)
{
    try {
        return Reader(text).Document();
    } catch (const NotTaken&) {
        return std::nullopt;
    }
}
