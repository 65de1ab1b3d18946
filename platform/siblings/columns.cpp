// Column module: design values taken from the hand-over records and key parameters.
#include "siblings/columns.h"

#include "host/report.h"
int CPC001T01ZD01Atom::SetData(const PC001T01ZD01_General* general, const CPC001_RectKeyParam* kp)
{
    if (!(general && kp)) {
        QMReportError("计算错误：PC001ZD01的设计数据不完整", 0);
        return 0;
    }
    return m_Design.Set({
        {"mainBarDiameter", static_cast<double>(kp->mainBarDiameter)},
        {"mainBarType", static_cast<double>(kp->mainBarType)},
        {"barsAcross", static_cast<double>(kp->barsAcross)},
        {"barsAlong", static_cast<double>(kp->barsAlong)},
        {"stirrupDiameter", static_cast<double>(kp->stirrupDiameter)},
        {"stirrupSpacing", static_cast<double>(kp->stirrupSpacing)}
    });
}

int CPC001T01ZD02Atom::SetData(const PC001T01ZD02_General* general, const CPC001_CircleKeyParam* kp)
{
    if (!(general && kp)) {
        QMReportError("计算错误：PC001ZD02的设计数据不完整", 0);
        return 0;
    }
    return m_Design.Set({
        {"mainBarDiameter", static_cast<double>(kp->mainBarDiameter)},
        {"mainBarType", static_cast<double>(kp->mainBarType)},
        {"mainBarCount", static_cast<double>(kp->mainBarCount)},
        {"spiralDiameter", static_cast<double>(kp->spiralDiameter)},
        {"spiralPitch", static_cast<double>(kp->spiralPitch)}
    });
}
