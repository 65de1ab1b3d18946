// Text lists of the calculation input read as numbers, every bad text and short list reported under its key.
#include "input/calc_text_conversion.h"

#include "host/kv_expression_report.h"
#include "host/report.h"
#include "host/report_keyed_message.h"
#include "host/report_parts.h"

namespace {

// The calculation input's messages carry label 0 and the pier's part code.
constexpr unsigned kLabel = 0;

} // namespace

int ConvertCalcTexts(const CString& description, const CStringArray& texts, CArray<double>& values,
                     const CString& key)
{
    values.RemoveAll();
    if (texts.IsEmpty()) return 1;
    CStringArray copy(texts);
    int ok = 1;
    if (QMReportError_StrToNum(kLabel, description, copy, values, key, ok, kPartPier) == 0 || ok == 0) {
        values.RemoveAll();
        return 0;
    }
    return 1;
}

int ConvertCalcExpression(const CString& description, const CString& text, CArray<double>& values,
                          const CString& key)
{
    int ok = 1;
    if (ReadReportedExpression(kLabel, description, text, key, kPartPier, ok, values) == 0) {
        values.RemoveAll();
        return 0;
    }
    return 1;
}

int CheckCalcCount(const CString& description, int have, int need, const CString& key, unsigned long item)
{
    if (have >= need) return 1;
    CString message;
    message.Format("“%s”中有%d个数据，应有%d个", description.GetString(), have, need);
    ReportDiagnoseForKeys(kLabel, message, key, item, kPartPier);
    return 0;
}
