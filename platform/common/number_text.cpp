// An integer written in a numbering style, and a text split into items.
#include "common/number_text.h"

#include <array>
#include <string>
#include <string_view>

namespace KVDataCommon {

namespace {

std::string Decimal(long long n)
{
    return std::to_string(n);
}

// Spreadsheet-column letters: a number system of base 26 without a zero digit.
std::string Letters(long long n)
{
    std::string text;
    while (n > 0) {
        --n;
        text.insert(text.begin(), static_cast<char>('A' + n % 26));
        n /= 26;
    }
    return text;
}

constexpr std::array<std::string_view, 10> kChineseDigits{"零", "一", "二", "三", "四",
                                                         "五", "六", "七", "八", "九"};
constexpr std::array<std::string_view, 4> kChinesePlaces{"", "十", "百", "千"};
constexpr std::array<std::string_view, 3> kChineseGroups{"", "万", "亿"};

// A group of four digits (1 .. 9999) with its place words; a zero between non-zero digits is
// read once as 零, trailing zeros are silent.
std::string ChineseGroup(int value)
{
    std::string text;
    bool started = false;
    bool zeroPending = false;
    for (int place = 3, divisor = 1000; place >= 0; --place, divisor /= 10) {
        const int digit = value / divisor % 10;
        if (digit == 0) {
            if (started) zeroPending = true;
            continue;
        }
        if (zeroPending) text += kChineseDigits[0];
        zeroPending = false;
        text += kChineseDigits[static_cast<std::size_t>(digit)];
        text += kChinesePlaces[static_cast<std::size_t>(place)];
        started = true;
    }
    return text;
}

// Chinese numerals of a non-negative value below 10^12, read in groups of four digits (万, 亿).
std::string ChineseNumber(long long n)
{
    if (n == 0) return std::string(kChineseDigits[0]);
    std::array<int, 3> groups{};
    for (int& g : groups) {
        g = static_cast<int>(n % 10000);
        n /= 10000;
    }
    std::string text;
    bool zeroPending = false;
    for (int i = 2; i >= 0; --i) {
        const int g = groups[static_cast<std::size_t>(i)];
        if (g == 0) {
            if (!text.empty()) zeroPending = true;
            continue;
        }
        // A group after a higher one is read with 零 when zeros separate them.
        if (!text.empty() && (zeroPending || g < 1000)) text += kChineseDigits[0];
        zeroPending = false;
        text += ChineseGroup(g);
        text += kChineseGroups[static_cast<std::size_t>(i)];
    }
    // Ten to nineteen at the head are read 十, 十一 ... (not 一十).
    const std::string tenHead = std::string(kChineseDigits[1]) + std::string(kChinesePlaces[1]);
    if (text.compare(0, tenHead.size(), tenHead) == 0) text.erase(0, kChineseDigits[1].size());
    return text;
}

std::string Chinese(long long n)
{
    if (n < 0) return "负" + ChineseNumber(-n);
    return ChineseNumber(n);
}

} // namespace

void IntToString(int n, CString& text, int style)
{
    const long long value = n; // widened so that the smallest int can be negated
    switch (style) {
    case 1: text = value > 0 ? Letters(value) : Decimal(value); break;
    case 2: text = Chinese(value); break;
    default: text = Decimal(value); break;
    }
}

int strTostrSTArr(const CString& text, CStringArray& items)
{
    static constexpr std::array<std::string_view, 8> kSeparators{
        ",", "，", ";", "；", " ", "\t", "\r", "\n"};
    items.RemoveAll();
    const std::string& s = text.str();
    std::size_t itemStart = 0;
    std::size_t pos = 0;
    auto flush = [&](std::size_t end) {
        if (end > itemStart) items.Add(CString(s.substr(itemStart, end - itemStart)));
    };
    while (pos < s.size()) {
        std::size_t matched = 0;
        for (std::string_view sep : kSeparators) {
            if (s.compare(pos, sep.size(), sep) == 0) {
                matched = sep.size();
                break;
            }
        }
        if (matched == 0) {
            ++pos;
            continue;
        }
        flush(pos);
        pos += matched;
        itemStart = pos;
    }
    flush(s.size());
    return items.GetSize();
}

} // namespace KVDataCommon
