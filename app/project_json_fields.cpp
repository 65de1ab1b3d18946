// Typed reading of JSON values: whole numbers, reals, texts and lists of texts, with path errors.
#include "project_json_fields.h"

#include "host/report_keyed_message.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace project_json {

namespace {

// What a value is, in the words of an error message.
std::string KindOf(const Json& value)
{
    switch (value.type()) {
    case Json::value_t::null: return "null";
    case Json::value_t::boolean: return "true or false";
    case Json::value_t::string: return "a text";
    case Json::value_t::array: return "a list";
    case Json::value_t::object: return "an object";
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned: return "a whole number";
    case Json::value_t::number_float: return "a number with decimals";
    default: return "something else";
    }
}

[[noreturn]] void Expected(const std::string& path, const std::string& what, const Json& found)
{
    throw ValueError(path, "expected " + what + ", not " + KindOf(found));
}

bool IsPlainName(std::string_view key)
{
    if (key.empty()) return false;
    for (const char c : key) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
        if (!plain) return false;
    }
    return true;
}

// A whole number of the file within [low, high], from an integer or an integral real literal.
long long ReadWhole(const Json& value, const std::string& path, long long low, long long high,
                    const std::string& what)
{
    long long whole = 0;
    if (value.is_number_unsigned()) {
        const auto u = value.get<std::uint64_t>();
        if (u > static_cast<std::uint64_t>(high)) throw ValueError(path, "expected " + what + ", not " + value.dump());
        whole = static_cast<long long>(u);
    } else if (value.is_number_integer()) {
        whole = value.get<std::int64_t>();
    } else if (value.is_number_float()) {
        const double d = value.get<double>();
        if (!std::isfinite(d) || std::trunc(d) != d) throw ValueError(path, "expected " + what + ", not " + value.dump());
        // Outside the range of long long the comparison below is made on the real itself.
        if (d < static_cast<double>(low) || d > static_cast<double>(high))
            throw ValueError(path, "expected " + what + ", not " + value.dump());
        whole = static_cast<long long>(d);
    } else {
        Expected(path, what, value);
    }
    if (whole < low || whole > high) throw ValueError(path, "expected " + what + ", not " + value.dump());
    return whole;
}

} // namespace

std::string MemberPath(const std::string& parent, std::string_view key)
{
    // A key is the file's text: a huge one is named by its first characters and "…".
    std::string shown(key);
    bool cut = false;
    if (key.size() > static_cast<std::size_t>(kMaxQuotedCharacters)) {   // a shorter key has too few characters to cut
        std::string quoted = QuotedText(CString(shown)).str();
        cut = quoted != shown;
        shown = std::move(quoted);
    }
    if (cut) shown.resize(shown.size() - std::string_view("…").size());
    if (IsPlainName(shown)) {
        if (cut) shown += "…";
        return parent.empty() ? shown : parent + "." + shown;
    }
    // Written as a JSON string, so that a key with blanks, quotes or line ends stays on one line.
    std::string quoted = Json(shown).dump(-1, ' ', true, Json::error_handler_t::replace);
    if (cut) quoted.insert(quoted.size() - 1, "…");
    return parent + "[" + quoted + "]";
}

std::string ElementPath(const std::string& parent, std::size_t index)
{
    return parent + "[" + std::to_string(index) + "]";
}

int ReadInt(const Json& value, const std::string& path)
{
    constexpr long long low = std::numeric_limits<int>::min();
    constexpr long long high = std::numeric_limits<int>::max();
    return static_cast<int>(ReadWhole(value, path, low, high, "a whole number"));
}

unsigned ReadUnsigned(const Json& value, const std::string& path)
{
    constexpr long long high = std::numeric_limits<unsigned>::max();
    return static_cast<unsigned>(ReadWhole(value, path, 0, high, "a whole number from 0 to 4294967295"));
}

double ReadReal(const Json& value, const std::string& path)
{
    if (!value.is_number()) Expected(path, "a number", value);
    const double d = value.get<double>();
    if (!std::isfinite(d)) throw ValueError(path, "expected a finite number");
    return d;
}

CString ReadText(const Json& value, const std::string& path)
{
    if (!value.is_string()) Expected(path, "a text", value);
    const std::string& text = value.get_ref<const std::string&>();
    // Texts travel as C strings through the component and into archives; a NUL would cut them short.
    if (text.find('\0') != std::string::npos) throw ValueError(path, "a text may not hold the NUL character");
    return CString(text);
}

CStringArray ReadTexts(const Json& value, const std::string& path)
{
    RequireList(value, path, "texts");
    CStringArray texts;
    std::size_t index = 0;
    for (const Json& element : value) texts.Add(ReadText(element, ElementPath(path, index++)));
    return texts;
}

CArray<CStringArray> ReadTextTables(const Json& value, const std::string& path)
{
    RequireList(value, path, "lists of texts");
    CArray<CStringArray> tables;
    std::size_t index = 0;
    for (const Json& element : value) tables.Add(ReadTexts(element, ElementPath(path, index++)));
    return tables;
}

void RequireObject(const Json& value, const std::string& path)
{
    if (!value.is_object()) Expected(path, "an object", value);
}

void RequireList(const Json& value, const std::string& path, const std::string& what)
{
    if (!value.is_array()) Expected(path, "a list of " + what, value);
}

} // namespace project_json
