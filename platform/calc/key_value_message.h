// The one-line message that names a key's value by its path: "<path>: <what is wrong> (<value> given)".
#pragma once

#include <charconv>
#include <cmath>
#include <string>

// A value as given: the shortest text that reads back the same value.
inline std::string KeyValueText(double v)
{
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, v).ptr;
    return std::string(text, end);
}

// A length worked out from the key parameters, to a tenth of a millimetre: "-4.7", "25".
inline std::string KeyLengthText(double v)
{
    double tenths = std::round(v * 10.0) / 10.0;
    if (tenths == 0.0) tenths = 0.0;   // no "-0"
    return KeyValueText(tenths);
}

// path: where the value lies ("cap.st_sa"); what: what is wrong with it and what was expected.
inline std::string KeyValueMessage(const std::string& path, const std::string& what, double given)
{
    return path + ": " + what + " (" + KeyValueText(given) + " given)";
}
