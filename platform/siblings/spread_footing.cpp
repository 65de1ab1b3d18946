// Spread-footing module: design values taken from the hand-over records and key parameters.
#include "siblings/spread_footing.h"
#include "common/list_sum.h"

#include "host/report.h"
int CPG001Atom::SetData(const CPG001org* org, const GZ_GENERAL_PG001* general)
{
    if (!(org && general)) {
        QMReportError("计算错误：PG001的设计数据不完整", 0);
        return 0;
    }
    return m_Design.Set({
        {"lKs", org->lKs_JICHU},
        {"bKs", org->bKs_JICHU},
        {"hKs", org->hKs_JICHU},
        {"height", org->hKs_JICHU + KVDataCommon::sum(org->hTj_JICHU)}
    });
}

int CPG001T01Atom::SetData(const CPG001Atom* footing, const CPG001KeyParam* kp)
{
    if (!(footing && kp)) {
        QMReportError("计算错误：PG001T01的设计数据不完整", 0);
        return 0;
    }
    return m_Design.Set(KeyParamValues(*kp, {{"lKs", footing->Design().Get("lKs")}, {"bKs", footing->Design().Get("bKs")}}));
}
