// QMReportError_compare_A_B for reals: tests a relation between two values and reports a violation.
#include "report.h"

#include "report_keyed_message.h"

#include <cmath>

namespace {

// 1 when the relation holds. The relation texts are tested in this order and matched exactly;
// any other text names no relation and holds. The comparisons are exact. A value that is not
// finite (NaN or infinite) is no usable input, so it violates every one of the six relations.
int relationHolds(double a, const CString& relation, double b)
{
    static const char* const relations[] = {"必须大于", "必须小于", "必须等于", "不能小于", "不能大于", "不能等于"};
    int which = -1;
    for (int i = 0; i < 6; ++i)
        if (relation == relations[i]) {
            which = i;
            break;
        }
    if (which < 0) return 1;
    if (!std::isfinite(a) || !std::isfinite(b)) return 0;
    switch (which) {
    case 0: return a > b;
    case 1: return a < b;
    case 2: return a == b;
    case 3: return a >= b;
    case 4: return a <= b;
    default: return a != b;
    }
}

} // namespace

template <>
int QMReportError_compare_A_B<double>(unsigned label, CString message, double a, CString relation, double b,
                                      CString keys, int& ok, unsigned part, unsigned item)
{
    if (relationHolds(a, relation, b)) return 1;
    ReportDiagnoseForKeys(label, message, keys, item, part);
    ok = 0;
    return 0;
}
