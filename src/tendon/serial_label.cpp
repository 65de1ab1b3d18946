// FormatSerialLabel and ChineseDigit: numbered labels in the output's numbering styles.
#include "tendon/serial_label.h"

#include "mfc/text_encoding.h"

#include <string>

namespace {

CString Decimal(int n)
{
    CString text;
    text.Format("%d", n);
    return text;
}

// The Roman numeral n (1 to 12) of code page 936, as UTF-8.
CString RomanNumeral(int n)
{
    const unsigned code = 0xA2F0u + static_cast<unsigned>(n);
    const char gbk[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFFu)};
    std::string utf8;
    std::size_t badByte = 0;
    if (!text_encoding::GbkToUtf8(std::string_view(gbk, 2), utf8, badByte)) return Decimal(n);
    return CString(utf8);
}

// Largest number of doublings of the letter label: 2^6 = 64 letters.
constexpr int kMaxLetterDoublings = 6;

} // namespace

CString FormatSerialLabel(int n, int style)
{
    switch (style) {
    case 0:
        return (n >= 1 && n <= 12) ? RomanNumeral(n) : Decimal(n);
    case 1: {
        if (n < 1) return Decimal(n);
        const int q = (n - 1) / 26;
        if (q > kMaxLetterDoublings) return Decimal(n);
        CString text(static_cast<char>('A' + (n - 1) % 26));
        for (int i = 0; i < q; ++i) text += text;
        return text;
    }
    case 2:
        return Decimal(n);
    case 3: {
        if (n < 0) return Decimal(n);
        const CString digits = Decimal(n);
        CString text;
        for (int i = 0; i < digits.GetLength(); ++i) text += ChineseDigit(digits[i] - '0');
        return text;
    }
    default:
        return CString();
    }
}

CString ChineseDigit(int d)
{
    static const char* const kDigits[10] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
    if (d < 0 || d > 9) return CString();
    return CString(kDigits[d]);
}
