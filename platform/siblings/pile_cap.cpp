// Pile-cap module: design values taken from the hand-over records and key parameters.
#include "siblings/pile_cap.h"

#include "host/report.h"
int CPG003Atom::SetData(const CPG003org* org, const GZ_GENERAL_PG003* general)
{
    if (!(org && general)) {
        QMReportError("计算错误：PG003的设计数据不完整", 0);
        return 0;
    }
    return m_Design.Set({
        {"lT", org->lT_JICHU},
        {"bT", org->bT_JICHU},
        {"hT", org->hT_JICHU}
    });
}

int CPG003CT01Atom::SetData(const CPG003Atom* cap, const CPG003_RectKeyParam* kp)
{
    if (!(cap && kp)) {
        QMReportError("计算错误：PG003CT01的设计数据不完整", 0);
        return 0;
    }
    return m_Design.Set(KeyParamValues(*kp, {{"lT", cap->Design().Get("lT")}, {"bT", cap->Design().Get("bT")}}));
}

int CPG003CT02Atom::SetData(const CPG003Atom* cap, const CPG003_ArcKeyParam* kp)
{
    if (!(cap && kp)) {
        QMReportError("计算错误：PG003CT02的设计数据不完整", 0);
        return 0;
    }
    return m_Design.Set(KeyParamValues(*kp, {{"lT", cap->Design().Get("lT")}, {"bT", cap->Design().Get("bT")}}));
}

int CPG003T0103Atom::SetData(const CPG003Atom* cap, const CPG005RectKeyParam* kp)
{
    if (!(cap && kp)) {
        QMReportError("计算错误：PG003T0103的设计数据不完整", 0);
        return 0;
    }
    return m_Design.Set(KeyParamValues(*kp, {{"hT", cap->Design().Get("hT")}}));
}
