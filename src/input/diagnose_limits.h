// The counts the pier's diagnosis accepts for its lists, whether a list's count lies within them,
// and the check that a message stating one of them states it right.
#pragma once

#include <cstddef>
#include <string_view>

// A list whose count lies outside its range gets the count diagnostic only: its per-item and
// pairwise checks are skipped, since the pier fails anyway and a list of a million items would
// otherwise give a million diagnostics (and the pairwise ones a million squared tests).
inline constexpr int kMinColumns = 1;
inline constexpr int kMaxColumns = 20;
inline constexpr int kMinTieBeams = 1;
inline constexpr int kMaxTieBeams = 10;
inline constexpr int kMinBearingsPerRow = 0;
inline constexpr int kMaxBearingsPerRow = 500;

inline bool CountInRange(int count, int min, int max) { return count >= min && count <= max; }

// Columns: one more than the column spacings.
inline bool ColumnCountInRange(int spacings) { return CountInRange(spacings + 1, kMinColumns, kMaxColumns); }

// Bearings of one row; the row's pedestal heights are one per bearing, so a height list longer
// than a row may be is out of range as well (its count check against the bearings fails).
inline bool BearingCountInRange(int count) { return CountInRange(count, kMinBearingsPerRow, kMaxBearingsPerRow); }

// True when text states number as a whole decimal number: its digits (after a '-' when negative)
// with no digit, '-' or '.' right before them and neither a digit nor a '.' and a digit right
// after, so that "不能大于20" states 20 while "不能大于200", "不能大于120" and "不能大于20.5" do not.
constexpr bool StatesNumber(std::string_view text, int number)
{
    char reversed[12] = {};
    int size = 0;
    long long rest = number < 0 ? -static_cast<long long>(number) : number;
    do {
        reversed[size++] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (number < 0) reversed[size++] = '-';
    char decimal[12] = {};
    for (int i = 0; i < size; ++i) decimal[i] = reversed[size - 1 - i];
    const std::string_view digits(decimal, static_cast<std::size_t>(size));

    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    auto at = [&text](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
    for (std::size_t from = text.find(digits); from != std::string_view::npos; from = text.find(digits, from + 1)) {
        const std::size_t end = from + digits.size();
        const char before = from == 0 ? '\0' : text[from - 1];
        const bool openBefore = !isDigit(before) && before != '-' && before != '.';
        const bool openAfter = !isDigit(at(end)) && !(at(end) == '.' && isDigit(at(end + 1)));
        if (openBefore && openAfter) return true;
    }
    return false;
}

// A message that states a limit, as written: the text is checked when compiled to state the
// limit's value, so that the message cannot drift away from the limit its check applies.
consteval const char* LimitText(const char* text, int limit)
{
    if (!StatesNumber(text, limit)) throw "the message does not state its limit";
    return text;
}
