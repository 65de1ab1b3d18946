// QMReportError_StrToNum: reads texts as reals and reports every text that is not a number.
#include "report.h"
#include "number_text.h"

#include "report_keyed_message.h"

#include <string_view>

namespace {

bool readNumber(const CString& text, double& value) { return ReadNumberText(text.str(), value); }

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
        message.Format("“%s”中第%d个数据“%s”不是有效的数字", description.GetString(), i + 1,
                       QuotedText(texts[i]).GetString());
        ReportDiagnoseForKeys(label, message, key, static_cast<unsigned long>(i), part);
        ok = 0;
        result = 0;
    }
    return result;
}
