// TextToReal: the leading decimal real of a text, C locale; and whether that reading is not finite.
#include "input/text_to_real.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace {

// The text after its leading white space and one sign; negative tells the sign.
std::string_view afterSign(const CString& text, bool& negative)
{
    std::string_view s = text.str();
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; };
    while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
    negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    return s;
}

bool startsWithNumber(std::string_view s) { return !s.empty() && ((s.front() >= '0' && s.front() <= '9') || s.front() == '.'); }

// Whether a decimal real out of a double's range lies above it (else below): the power of ten of
// its first significant digit plus its exponent, which is far from 0 either way.
bool aboveRange(std::string_view s)
{
    long long integerDigits = 0;   // significant digits before the point
    long long leadingZeros = 0;    // zeros after the point before the first significant digit
    bool significant = false;
    bool afterPoint = false;
    std::size_t pos = 0;
    for (; pos < s.size(); ++pos) {
        const char c = s[pos];
        if (c == '.') {
            if (afterPoint) break;
            afterPoint = true;
        } else if (c >= '0' && c <= '9') {
            if (c != '0') significant = true;
            if (!afterPoint && significant) ++integerDigits;
            if (afterPoint && !significant) ++leadingZeros;
        } else {
            break;
        }
    }
    long long exponent = 0;
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negativeExponent = s[pos++] == '-';
        for (; pos < s.size() && s[pos] >= '0' && s[pos] <= '9'; ++pos)
            if (exponent < 1000000000) exponent = exponent * 10 + (s[pos] - '0');
        if (negativeExponent) exponent = -exponent;
    }
    const long long order = integerDigits > 0 ? integerDigits - 1 : -(leadingZeros + 1);
    return order + exponent > 0;
}

} // namespace

double TextToReal(const CString& text)
{
    bool negative = false;
    const std::string_view s = afterSign(text, negative);
    // Only digits or a point may follow the sign: from_chars would also take "inf" and "nan".
    if (!startsWithNumber(s)) return 0.0;

    double v = 0.0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
    if (error != std::errc() || !std::isfinite(v)) return 0.0;
    return negative ? -v : v;
}

bool ReadsAsNonFinite(const CString& text)
{
    bool negative = false;
    const std::string_view s = afterSign(text, negative);
    auto startsWithWord = [&](std::string_view word) {
        if (s.size() < word.size()) return false;
        for (std::size_t i = 0; i < word.size(); ++i)
            if ((s[i] | 0x20) != word[i]) return false;
        return true;
    };
    if (startsWithWord("inf") || startsWithWord("nan")) return true;
    if (!startsWithNumber(s)) return false;
    double v = 0.0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
    return error == std::errc::result_out_of_range && aboveRange(s);
}
