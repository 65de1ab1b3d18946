// Reading a number-list expression of an input, reporting its bad items and a list past the cap.
#include "host/kv_expression_report.h"

#include "host/kv_expression.h"
#include "host/report.h"
#include "host/report_keyed_message.h"

void ReportExpressionPastCap(unsigned label, const CString& description, const CString& key, unsigned part)
{
    CString message;
    message.Format("“%s”中数据个数过大,不能大于%d", description.GetString(), kMaxExpressionValues);
    ReportDiagnoseForKeys(label, message, key, 0, part);
}

int ReadReportedExpression(unsigned label, const CString& description, const CString& text, const CString& key,
                           unsigned part, int& ok, CArray<double>& values)
{
    values.RemoveAll();
    CStringArray tokens;
    const int whole = ParseKVExpression(text, tokens);
    int read = 1;
    if (QMReportError_StrToNum(label, description, tokens, values, key, read, part) && !whole) {
        // Every token is a number, yet the expression was refused: it stands for too many values.
        ReportExpressionPastCap(label, description, key, part);
        read = 0;
    }
    if (!read) ok = 0;
    return read;
}
