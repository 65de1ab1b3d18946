// Pile-foundation module: design values taken from the hand-over records and key parameters.
#include "siblings/pile_foundation.h"

#include "host/report.h"
int CPG002Atom::SetData(const CPG002org* org, double /*zZct: the column bottoms lie on the piles; not a design value here*/, const CArray<double, double>& spacings)
{
    if (!(org)) {
        QMReportError("计算错误：PG002的设计数据不完整", 0);
        return 0;
    }
    return m_Design.Set({
        {"rZ", org->rZ_JICHU},
        {"lZ", org->lZ_JICHU},
        {"headDiameter", org->GetHeadDiameter()},
        {"pileCount", static_cast<double>(spacings.GetSize() + 1)}
    });
}
