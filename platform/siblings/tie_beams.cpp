// Tie-beam module: design values taken from the hand-over records and key parameters.
#include "siblings/tie_beams.h"

#include "host/report.h"
int CPG008Atom::SetData(const GZ_GENERAL_PG008* general, const CPG008KeyParam* kp)
{
    if (!(general && kp)) {
        QMReportError("计算错误：PG008的设计数据不完整", 0);
        return 0;
    }
    return m_Design.Set(KeyParamValues(*kp));
}
