// TextToReal: the leading decimal real of a text, C locale.
#include "input/text_to_real.h"

#include <charconv>
#include <cmath>
#include <string_view>

double TextToReal(const CString& text)
{
    std::string_view s = text.str();
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; };
    while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);

    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    // Only digits or a point may follow the sign: from_chars would also take "inf" and "nan".
    if (s.empty() || !((s.front() >= '0' && s.front() <= '9') || s.front() == '.')) return 0.0;

    double v = 0.0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
    if (error != std::errc() || !std::isfinite(v)) return 0.0;
    return negative ? -v : v;
}
