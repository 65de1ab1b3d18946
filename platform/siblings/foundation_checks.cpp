// Range and list checks of the foundation modules' own values.
#include "siblings/foundation_checks.h"

#include "host/report.h"

int FoundationRange(unsigned label, const CString& below, const CString& above, double value, double min,
                    double max, const CString& keys, int& ok, unsigned part, unsigned item)
{
    if (!QMReportError_compare_A_B<double>(label, below, value, "不能小于", min, keys, ok, part, item)) return 0;
    return QMReportError_compare_A_B<double>(label, above, value, "不能大于", max, keys, ok, part, item);
}

int FoundationCompareEach(unsigned label, const CString& message, const std::vector<double>& values,
                          const CString& relation, double b, const CString& keys, int& ok, unsigned part)
{
    for (const double value : values)
        if (!QMReportError_compare_A_B<double>(label, message, value, relation, b, keys, ok, part, 0)) return 0;
    return 1;
}

int CheckColumnBottomElevation(unsigned label, double elevation, const CString& key, int& ok, unsigned part)
{
    return FoundationRange(label, "“墩柱底面标高”过小,不能小于-1000", "“墩柱底面标高”过大,不能大于9000", elevation,
                           -1000, 9000, key, ok, part);
}
