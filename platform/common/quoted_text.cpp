// A user's text as a message quotes it: cut to a short prefix, never inside a character.
#include "common/quoted_text.h"

#include <string>

CString QuotedText(const CString& text)
{
    const std::string& s = text.str();
    int characters = 0;
    int continuing = 0;   // continuation bytes (10xxxxxx) the current character may still take
    for (std::size_t pos = 0; pos < s.size(); ++pos) {
        const unsigned char byte = static_cast<unsigned char>(s[pos]);
        if ((byte & 0xC0) == 0x80 && continuing > 0) {
            --continuing;
            continue;
        }
        if (characters == kMaxQuotedCharacters) return CString(s.substr(0, pos)) + "…";
        ++characters;
        continuing = (byte & 0xE0) == 0xC0 ? 1 : (byte & 0xF0) == 0xE0 ? 2 : (byte & 0xF8) == 0xF0 ? 3 : 0;
    }
    return text;
}
