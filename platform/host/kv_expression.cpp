// Number-list expressions: items split at commas, semicolons and blanks, "n*v" repetitions expanded.
#include "host/kv_expression.h"
#include "host/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace {

// What one step of the scan found at the current byte.
enum class Unit { Separator, Blank, Star, Other };

constexpr std::string_view kFullWidthComma = "\xEF\xBC\x8C";      // ，
constexpr std::string_view kFullWidthSemicolon = "\xEF\xBC\x9B";  // ；
constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";    // 　
constexpr std::string_view kFullWidthStar = "\xEF\xBC\x8A";       // ＊

// Classifies the unit that starts at pos and returns its length in bytes.
std::size_t scanUnit(std::string_view s, std::size_t pos, Unit& unit)
{
    const std::string_view rest = s.substr(pos);
    const char c = rest.front();
    if (c == ',' || c == ';') { unit = Unit::Separator; return 1; }
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') { unit = Unit::Blank; return 1; }
    if (c == '*') { unit = Unit::Star; return 1; }
    if (rest.starts_with(kFullWidthComma) || rest.starts_with(kFullWidthSemicolon)) {
        unit = Unit::Separator;
        return 3;
    }
    if (rest.starts_with(kIdeographicSpace)) { unit = Unit::Blank; return 3; }
    if (rest.starts_with(kFullWidthStar)) { unit = Unit::Star; return 3; }
    unit = Unit::Other;
    return 1;
}

// An ASCII byte that is no separator, blank or repetition sign: one unit of an item by itself.
bool isPlainByte(char c)
{
    return static_cast<unsigned char>(c) < 0x80 && c != ',' && c != ';' && c != ' ' && c != '\t' && c != '\r' &&
           c != '\n' && c != '*';
}

// Hands the items of the text to take, in order, until take returns false; the rest of the text
// is not read. Blanks between two items separate them; blanks next to a repetition sign belong to
// the item and are dropped.
template <class Take>
void forEachItem(std::string_view s, Take take)
{
    std::string item;
    bool pendingBlank = false;   // a blank came after the item's last unit
    bool lastWasStar = false;    // the item's last unit was a repetition sign
    // Hands the item over; false when take wants no more.
    auto finish = [&] {
        bool more = true;
        if (!item.empty()) more = take(item);
        item.clear();
        pendingBlank = false;
        lastWasStar = false;
        return more;
    };
    for (std::size_t pos = 0; pos < s.size();) {
        Unit unit = Unit::Other;
        const std::size_t length = scanUnit(s, pos, unit);
        switch (unit) {
        case Unit::Separator:
            if (!finish()) return;
            break;
        case Unit::Blank:
            if (!lastWasStar) pendingBlank = true;
            break;
        case Unit::Star:
            item.append(s.substr(pos, length));
            pendingBlank = false;
            lastWasStar = true;
            break;
        case Unit::Other: {
            if (pendingBlank && !finish()) return;
            // A run of plain ASCII bytes goes into the item at once.
            std::size_t end = pos + length;
            while (end < s.size() && isPlainByte(s[end])) ++end;
            item.append(s.substr(pos, end - pos));
            lastWasStar = false;
            pos = end;
            continue;
        }
        }
        pos += length;
    }
    finish();
}

// A number: an optional sign, then a decimal real in the C locale read wholly, and finite. Items
// are already free of blanks, so the host's number rule reads them alike.
bool readNumber(std::string_view s, double& value) { return ReadNumberText(s, value); }

// The repetition count: digits only, at least 1, at most limit; 0 when it is not such a count,
// -1 when it is written in digits but exceeds limit.
int readCount(std::string_view s, int limit)
{
    if (s.empty()) return 0;
    long long n = 0;
    bool over = false;
    for (const char c : s) {
        if (c < '0' || c > '9') return 0;
        if (!over) n = n * 10 + (c - '0');
        if (n > limit) over = true;   // stops before the number can grow without bound
    }
    if (over) return -1;
    return static_cast<int>(n);
}

// Where the item's repetition sign starts and how long it is; npos when it has none.
std::size_t findStar(std::string_view item, std::size_t from, std::size_t& length)
{
    for (std::size_t pos = from; pos < item.size();) {
        Unit unit = Unit::Other;
        const std::size_t n = scanUnit(item, pos, unit);
        if (unit == Unit::Star) {
            length = n;
            return pos;
        }
        pos += n;
    }
    return std::string_view::npos;
}

} // namespace

int ParseKVExpression(const CString& text, CStringArray& tokens)
{
    tokens.RemoveAll();
    int result = 1;
    int values = 0;   // values of the items read so far, never past the cap
    forEachItem(text.str(), [&](const std::string& item) {
        std::size_t starLength = 0;
        const std::size_t star = findStar(item, 0, starLength);
        if (star == std::string_view::npos) {
            // A number past the cap is refused like a repetition past it, and ends the reading.
            double v = 0.0;
            const bool past = values >= kMaxExpressionValues;
            if (past || !readNumber(item, v)) result = 0;
            tokens.Add(CString(item));
            ++values;
            return !past;
        }
        const std::string_view whole(item);
        const std::string_view countText = whole.substr(0, star);
        const std::string_view valueText = whole.substr(star + starLength);
        std::size_t ignored = 0;
        const int room = std::max(kMaxExpressionValues - values, 0);
        const int count = readCount(countText, room);
        double v = 0.0;
        if (count >= 1 && findStar(valueText, 0, ignored) == std::string_view::npos && readNumber(valueText, v)) {
            const CString copy(valueText);
            for (int i = 0; i < count; ++i) tokens.Add(copy);
            values += count;
            return true;
        }
        // A malformed repetition is one token as written; one refused because it would pass the
        // cap ends the reading.
        result = 0;
        tokens.Add(CString(item));
        ++values;
        return count != -1 && room > 0;
    });
    return result;
}

int KVUIParseString(const CString& text, CArray<double>& values)
{
    values.RemoveAll();
    CStringArray tokens;
    if (!ParseKVExpression(text, tokens)) return 0;
    CArray<double> read;
    for (const CString& token : tokens) {
        double v = 0.0;
        if (!readNumber(token.str(), v)) return 0;   // cannot happen after a whole parse; kept as a guard
        read.Add(v);
    }
    values = std::move(read);
    return 1;
}
