// The host's rule for a text that is a number, read with the C locale's decimal point.
#include "host/number_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

} // namespace

bool ReadNumberText(std::string_view s, double& value)
{
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    if (!s.empty() && s.front() == '+') {
        s.remove_prefix(1);
        if (!s.empty() && s.front() == '-') return false;
    }
    if (s.empty()) return false;
    double v = 0.0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
    if (error != std::errc() || end != s.data() + s.size() || !std::isfinite(v)) return false;
    value = v;
    return true;
}
