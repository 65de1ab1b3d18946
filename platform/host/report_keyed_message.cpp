// Composes the key suffix of a diagnostic message and reports it once per named input key.
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

