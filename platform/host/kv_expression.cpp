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

// The items of the text, in order. Blanks between two items separate them; blanks next to a
// repetition sign belong to the item and are dropped.
std::vector<std::string> splitItems(std::string_view s)
{
    std::vector<std::string> items;
    std::string item;
    bool pendingBlank = false;   // a blank came after the item's last unit
    bool lastWasStar = false;    // the item's last unit was a repetition sign
    auto finish = [&] {
        if (!item.empty()) items.push_back(item);
        item.clear();
        pendingBlank = false;
        lastWasStar = false;
    };
    for (std::size_t pos = 0; pos < s.size();) {
        Unit unit = Unit::Other;
        const std::size_t length = scanUnit(s, pos, unit);
        switch (unit) {
        case Unit::Separator:
            finish();
            break;
        case Unit::Blank:
            if (!lastWasStar) pendingBlank = true;
            break;
        case Unit::Star:
            item.append(s.substr(pos, length));
            pendingBlank = false;
            lastWasStar = true;
            break;
        case Unit::Other:
            if (pendingBlank) finish();
            item.append(s.substr(pos, length));
            lastWasStar = false;
            break;
        }
        pos += length;
    }
    finish();
    return items;
}

// A number: an optional sign, then a decimal real in the C locale read wholly, and finite. Items
// are already free of blanks, so the host's number rule reads them alike.
bool readNumber(std::string_view s, double& value) { return ReadNumberText(s, value); }

// The repetition count: digits only, at least 1, at most limit; 0 when it is not such a count.
int readCount(std::string_view s, int limit)
{
    if (s.empty()) return 0;
    long long n = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
        if (n > limit) return 0;   // stops before the number can grow without bound
    }
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
    long long values = 0;   // every item counts, so the count may pass the cap
    for (const std::string& item : splitItems(text.str())) {
        std::size_t starLength = 0;
        const std::size_t star = findStar(item, 0, starLength);
        if (star == std::string_view::npos) {
            // A number past the cap is refused like a repetition past it.
            double v = 0.0;
            if (values >= kMaxExpressionValues || !readNumber(item, v)) result = 0;
            tokens.Add(CString(item));
            ++values;
            continue;
        }
        const std::string_view whole(item);
        const std::string_view countText = whole.substr(0, star);
        const std::string_view valueText = whole.substr(star + starLength);
        std::size_t ignored = 0;
        const int room = static_cast<int>(std::max<long long>(kMaxExpressionValues - values, 0));
        const int count = readCount(countText, room);
        double v = 0.0;
        if (count >= 1 && findStar(valueText, 0, ignored) == std::string_view::npos && readNumber(valueText, v)) {
            const CString copy(valueText);
            for (int i = 0; i < count; ++i) tokens.Add(copy);
            values += count;
        } else {
            result = 0;
            tokens.Add(CString(item));
            ++values;
        }
    }
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
