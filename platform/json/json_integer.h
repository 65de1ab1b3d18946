// A JSON number read as a whole number of the reader's int, or the reason it is not one: the same
// check and the same words for every file read (the key parameters, the material catalogue).
#pragma once

#include <climits>
#include <cmath>
#include <cstdint>

// nullptr when j holds a whole number from INT_MIN to INT_MAX (value is set), otherwise what was
// expected. A number with no fraction is the whole number it is, however it is written (3, 3.0 and
// 3e0 alike); a fraction (2.5), a text or a switch is not a whole number, and one past the int's
// range is never cut down to fit.
template <class Json>
const char* ReadJsonInteger(const Json& j, int& value)
{
    constexpr const char* outOfRange = "expected an integer from -2147483648 to 2147483647";
    if (j.is_number_float()) {
        const double v = j.template get<double>();
        if (!(v == std::trunc(v))) return "expected an integer";
        if (v < INT_MIN || v > INT_MAX) return outOfRange;
        value = static_cast<int>(v);
        return nullptr;
    }
    if (j.is_number_unsigned()) {
        const std::uint64_t v = j.template get<std::uint64_t>();
        if (v > static_cast<std::uint64_t>(INT_MAX)) return outOfRange;
        value = static_cast<int>(v);
        return nullptr;
    }
    if (j.is_number_integer()) {
        const std::int64_t v = j.template get<std::int64_t>();
        if (v < INT_MIN || v > INT_MAX) return outOfRange;
        value = static_cast<int>(v);
        return nullptr;
    }
    return "expected an integer";
}
