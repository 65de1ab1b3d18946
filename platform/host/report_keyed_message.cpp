// Composes the key suffix of a diagnostic message and reports it once per named input key; quotes a
// user's text at most a short prefix long.
#include "report_keyed_message.h"

#include "report.h"

#include <string>

int ReportDiagnoseForKeys(unsigned label, const CString& message, const CString& keys, unsigned long item,
                          unsigned part)
{
    CStringArray list;
    cstringTocstringArray(keys, list);
    const int n = list.GetSize();
    for (int i = 0; i < n; ++i) {
        const CString& key = list[i];
        const CString text = n == 1 ? message + "，" + key + "有错误．" : message + "，可能" + key + "有错误．";
        QMReportDiagnose(label, key, "Error", text, item, 0, part);
    }
    return n;
}

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
