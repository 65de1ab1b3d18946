// CPM001Calc: the pier calculation engine as the component drives it: records, checks, design, key parameters.

#include "calc/pm001_calc.h"

#include "calc/key_param_json.h"
#include "host/report.h"

#include <string>
#include <utility>

void CPM001Calc::SetOrgData()
{
    m_hasOrgData = true;
    m_hasDsnData = false;
    m_designed = false;
    m_designKeys.reset();
}

int CPM001Calc::DoDiagnose()
{
    if (!m_hasOrgData) {
        QMReportError(MessageSubject() + "no origin data has been handed over", 0);
        return 0;
    }
    return 1;
}

void CPM001Calc::SetDsnData()
{
    m_hasDsnData = true;
    m_designed = false;
    m_designKeys.reset();
}

int CPM001Calc::DoDesign()
{
    m_designed = false;
    m_designKeys.reset();
    if (!m_hasOrgData || !m_hasDsnData) {
        QMReportError(MessageSubject() + "origin data and design input must be prepared before the design", 0);
        return 0;
    }
    m_designed = true;
    return 1;
}

int CPM001Calc::GetDesignData(CPM001KeyParam& keyParam)
{
    m_designKeys.reset();
    if (m_nextKeyParam) {
        keyParam = std::move(*m_nextKeyParam);
        m_nextKeyParam.reset();
    } else {
        std::string error;
        if (!ReadKeyParamSource(keyParam, error)) {
            QMReportError(MessageSubject() + CString(error), 0);
            return 0;
        }
    }
    m_designKeys = CPM001DesignKeyRecord::Of(keyParam, CPM001DesignKeyRecord::kDesigned);
    return 1;
}

bool CPM001Calc::ReadKeyParamSource(CPM001KeyParam& keyParam, std::string& error) const
{
    if (!GetKeyParamPath().IsEmpty()) return ReadKeyParamFile(GetKeyParamPath().str(), keyParam, error);
    if (!GetKeyParamText().IsEmpty()) return ReadKeyParamJson(GetKeyParamText().str(), "keyParameters", keyParam, error);
    error = "no key parameters are given: the project names no key-parameter file and holds no key parameters";
    return false;
}

int CPM001Calc::GetUserDesignData(CPM001KeyParam& keyParam)
{
    if (!m_userKeyParam)
        return GetDesignData(keyParam);
    m_designKeys.reset();
    if (!m_userKeyParamUnheld.empty()) {
        QMReportError(MessageSubject() + CString(m_userKeyParamUnheld), 0);
        return 0;
    }
    keyParam = *m_userKeyParam;
    m_designKeys = CPM001DesignKeyRecord::Of(keyParam, CPM001DesignKeyRecord::kUserAdjusted);
    return 1;
}

int CPM001Calc::SetUserDesignData(const CPM001KeyParam& keyParam)
{
    // The set must survive the adjustment data's archive, which keeps it in its JSON form: it is
    // taken as it reads back from that form.
    std::string text;
    std::string error;
    CPM001KeyParam checked;
    if (!WriteKeyParamJson(keyParam, text, error) ||
        !ReadKeyParamJson(text, "user-adjusted key parameters", checked, error)) {
        QMReportError(MessageSubject() + CString(error), 0);
        return 0;
    }
    m_userKeyParam = std::move(checked);
    m_userKeyParamUnheld.clear();
    return 1;
}

int CPM001Calc::PreparePaper(CPM001_PaperDate& paper)
{
    // A request that fails keeps no report data of an earlier one.
    m_preparedCapPaper.reset();
    if (!m_designed) {
        QMReportError(MessageSubject() + "the calculation report needs a designed pier", 0);
        return 0;
    }
    if (!paper.m_pCapTendon) {
        QMReportError(MessageSubject() + "the report data hold no cap-beam part", 0);
        return 0;
    }
    m_preparedCapPaper = *paper.m_pCapTendon;
    return 1;
}

CString CPM001Calc::MessageSubject() const
{
    if (GetID().IsEmpty())
        return CString("Calculation: ");
    return CString("Calculation of component ") + GetID() + ": ";
}
