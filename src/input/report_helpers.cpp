// The pier checks' report helpers and the report wrappers of CPM001org.
#include "input/report_helpers.h"

#include "host/report_keyed_message.h"
#include "host/report_parts.h"
#include "input/pier_origin_data.h"

namespace {

// 1 when the relation named by its text holds between two integers; a text that names none of
// the six relations holds.
int intRelationHolds(int a, const CString& relation, int b)
{
    if (relation == "必须大于") return a > b;
    if (relation == "必须小于") return a < b;
    if (relation == "必须等于") return a == b;
    if (relation == "不能小于") return a >= b;
    if (relation == "不能大于") return a <= b;
    if (relation == "不能等于") return a != b;
    return 1;
}

} // namespace

template <>
int QMReportError_compare_A_B<int>(unsigned label, CString message, int a, CString relation, int b, CString keys,
                                   int& ok, unsigned part, unsigned item)
{
    if (intRelationHolds(a, relation, b)) return 1;
    // Keys that name no key still count as a violation; there is just nobody to name.
    ReportDiagnoseForKeys(label, message, keys, item, part);
    ok = 0;
    return 0;
}

template <class T>
int ReportErrorOutOfRange(unsigned label, CString below, CString above, T value, T min, T max, CString keys,
                          int& ok, unsigned part, unsigned item)
{
    // A value below the lower bound gets that one report only, even when it also lies above max.
    if (!QMReportError_compare_A_B<T>(label, below, value, "不能小于", min, keys, ok, part, item)) return 0;
    return QMReportError_compare_A_B<T>(label, above, value, "不能大于", max, keys, ok, part, item);
}

template int ReportErrorOutOfRange<double>(unsigned, CString, CString, double, double, double, CString, int&,
                                           unsigned, unsigned);
template int ReportErrorOutOfRange<int>(unsigned, CString, CString, int, int, int, CString, int&, unsigned,
                                        unsigned);

int ReportErrorCompareArray(unsigned label, CString message, const CArray<double, double>& values,
                            CString relation, double b, CString keys, int& ok, unsigned part, unsigned item)
{
    for (int i = 0; i < values.GetSize(); ++i)
        if (!QMReportError_compare_A_B<double>(label, message, values[i], relation, b, keys, ok, part, item))
            return 0;
    return 1;
}

void CPM001org::MyReportErrorOutOfRange(unsigned label, CString below, CString above, double value, double min,
                                        double max, CString keys, int& ok, unsigned part, unsigned item)
{
    ReportErrorOutOfRange<double>(label, below, above, value, min, max, keys, ok, part, item);
}

void CPM001org::MyReportErrorOutOfRange(unsigned label, CString below, CString above, int value, int min, int max,
                                        CString keys, int& ok, unsigned part, unsigned item)
{
    ReportErrorOutOfRange<int>(label, below, above, value, min, max, keys, ok, part, item);
}

void CPM001org::MyQMReportError_compare_A_B(unsigned label, CString message, double a, CString relation, double b,
                                            CString keys, int& ok, unsigned part, unsigned item)
{
    QMReportError_compare_A_B<double>(label, message, a, relation, b, keys, ok, part, item);
}

// A finished message of the pier's own checks: always reported as the pier's (kPartPier).
void CPM001org::MyReportDiagnose(unsigned label, const CString& key, const CString& kind, const CString& message,
                                 unsigned long item, int flag, unsigned /*part*/)
{
    QMReportDiagnose(label, key, kind, message, item, flag, kPartPier);
}
