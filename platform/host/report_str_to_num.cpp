// QMReportError_StrToNum: reads texts as reals and reports every text that is not a number.
#include "report.h"

#include "report_keyed_message.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A number is a text that, apart from leading and trailing blanks and one optional leading '+',
// reads wholly as a decimal real in the C locale and is finite. "nan", "inf", "0x10", "1.5x"
// and the empty text are not numbers.
bool readNumber(const CString& text, double& value)
{
    std::string_view s = text.str();
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

} // namespace

int QMReportError_StrToNum(unsigned label, CString description, CStringArray& texts, CArray<double>& values,
                           CString key, int& ok, unsigned part)
{
    int result = 1;
    for (int i = 0; i < texts.GetSize(); ++i) {
        double v = 0.0;
        if (readNumber(texts[i], v)) {
            values.Add(v);
            continue;
        }
        CString message;
        message.Format("“%s”中第%d个数据“%s”不是有效的数字", description.GetString(), i + 1, texts[i].GetString());
        ReportDiagnoseForKeys(label, message, key, static_cast<unsigned long>(i), part);
        ok = 0;
        result = 0;
    }
    return result;
}
