// Column module: design values taken from the hand-over records and key parameters.
#include "siblings/columns.h"

#include "host/report.h"
int CPC001T01ZD01Atom::SetData(const PC001T01ZD01_General* general, const CPC001_RectKeyParam* kp)
{
    if (!(general && kp)) {
        QMReportError("计算错误：PC001ZD01的设计数据不完整", 0);
        return 0;
    }
    return m_Design.Set(KeyParamValues(*kp));
}

int CPC001T01ZD02Atom::SetData(const PC001T01ZD02_General* general, const CPC001_CircleKeyParam* kp)
{
    if (!(general && kp)) {
        QMReportError("计算错误：PC001ZD02的设计数据不完整", 0);
        return 0;
    }
    return m_Design.Set(KeyParamValues(*kp));
}
