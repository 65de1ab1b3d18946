// FormatSerialLabel: a GB2312 character chosen by number, as UTF-8 text.
#include "tendon/serial_label.h"

#include "mfc/text_encoding.h"

#include <string>

CString FormatSerialLabel(int n, int style)
{
    if (style != 0) return CString();
    const unsigned code = (0xA2F0u + static_cast<unsigned>(n)) & 0xFFFFu;
    const char gbk[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFFu)};
    std::string utf8;
    std::size_t badByte = 0;
    if (!text_encoding::GbkToUtf8(std::string_view(gbk, 2), utf8, badByte)) return CString();
    return CString(utf8);
}
