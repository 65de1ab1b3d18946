// KVDataCommon::ParseComponentName: reads the trailing decimal digits of a component name.
#include "component_name.h"

#include <charconv>

namespace KVDataCommon {

int ParseComponentName(const CString& name, int& number)
{
    const std::string& text = name.str();
    std::size_t first = text.size();
    while (first > 0 && text[first - 1] >= '0' && text[first - 1] <= '9') --first;
    number = 0;
    if (first == text.size()) return 0;

    int value = 0;
    const auto [end, error] = std::from_chars(text.data() + first, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return 0;
    number = value;
    return 1;
}

} // namespace KVDataCommon
