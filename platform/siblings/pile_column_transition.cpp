// Pile-to-column transition module: design values taken from the hand-over records and key parameters.
#include "siblings/pile_column_transition.h"

#include "host/report.h"
int CPG005Atom::SetData(const GZ_GENERAL_PG005* general, const CPG005KeyParam* kp)
{
    if (!(general && kp)) {
        QMReportError("计算错误：PG005的设计数据不完整", 0);
        return 0;
    }
    return m_Design.Set(KeyParamValues(*kp));
}
