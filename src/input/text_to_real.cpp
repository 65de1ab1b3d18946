// TextToReal: the leading decimal real of a text, C locale; TextToRealOrNaN: a text that is wholly a number.
#include "input/text_to_real.h"

#include "host/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
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

double TextToRealOrNaN(const CString& text)
{
    double v = 0.0;
    return ReadNumberText(text.str(), v) ? v : std::numeric_limits<double>::quiet_NaN();
}
