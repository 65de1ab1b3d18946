// CPM001Calc: the pier calculation engine as the component drives it: records, checks, design, archives.

#include "calc/pm001_calc.h"

#include "host/report.h"
#include "mfc/carchive.h"

#include <utility>

namespace {

// Each archive part opens with its form number: the part in the high byte, the version in the low.
constexpr int kOriginForm = 0x0101;
constexpr int kDesignForm = 0x0201;
constexpr int kAdjustForm = 0x0301;

void LoadForm(CArchive& ar, int expected, const char* part)
{
    int form = 0;
    ar >> form;
    if (form != expected) {
        CString what;
        what.Format("calculation %s part of unknown form 0x%X", part, static_cast<unsigned>(form));
        ar.Fail(CArchiveException::badSchema, what);
    }
}

bool LoadSwitch(CArchive& ar, const char* what)
{
    int value = 0;
    ar >> value;
    if (value != 0 && value != 1)
        ar.Fail(CArchiveException::badFormat, what);
    return value == 1;
}

}  // namespace

void CPM001Calc::SetOrgData()
{
    m_hasOrgData = true;
    m_hasDsnData = false;
    m_designed = false;
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
}

int CPM001Calc::DoDesign()
{
    m_designed = false;
    if (!m_hasOrgData || !m_hasDsnData) {
        QMReportError(MessageSubject() + "origin data and design input must be prepared before the design", 0);
        return 0;
    }
    m_designed = true;
    return 1;
}

int CPM001Calc::GetDesignData(CPM001KeyParam& /*keyParam*/)
{
    CString message = MessageSubject() + "the design key parameters are not available";
    if (!GetKeyParamPath().IsEmpty())
        message += CString(" (key-parameter file ") + GetKeyParamPath() + ")";
    QMReportError(message, 0);
    return 0;
}

int CPM001Calc::GetUserDesignData(CPM001KeyParam& /*keyParam*/)
{
    QMReportError(MessageSubject() + "the user-adjusted design key parameters are not available", 0);
    return 0;
}

int CPM001Calc::PreparePaper(CPM001_PaperDate& paper)
{
    if (!m_designed) {
        QMReportError(MessageSubject() + "the calculation report needs a designed pier", 0);
        return 0;
    }
    if (!paper.m_pCapTendon) {
        QMReportError(MessageSubject() + "the report data hold no cap-beam part", 0);
        return 0;
    }
    return 1;
}

void CPM001Calc::SerializeOrg(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << kOriginForm;
        StoreGeneralTexts(ar);
        ar << static_cast<int>(m_hasOrgData) << static_cast<int>(m_hasDsnData);
        return;
    }
    LoadForm(ar, kOriginForm, "origin");
    GeneralTexts texts = LoadGeneralTexts(ar);
    const bool hasOrgData = LoadSwitch(ar, "calculation origin-data switch is neither 0 nor 1");
    const bool hasDsnData = LoadSwitch(ar, "calculation design-input switch is neither 0 nor 1");
    SetGeneralTexts(std::move(texts));
    m_hasOrgData = hasOrgData;
    m_hasDsnData = hasDsnData;
}

void CPM001Calc::SerializeDesign(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << kDesignForm << GetTestFlag() << GetKeyParamPath() << static_cast<int>(m_designed);
        return;
    }
    LoadForm(ar, kDesignForm, "design");
    int testFlag = 0;
    CString keyParamPath;
    ar >> testFlag >> keyParamPath;
    const bool designed = LoadSwitch(ar, "calculation design switch is neither 0 nor 1");
    SetTestData(testFlag, keyParamPath);
    m_designed = designed;
}

void CPM001Calc::SerializeAdjust(CArchive& ar)
{
    if (ar.IsStoring())
        ar << kAdjustForm;
    else
        LoadForm(ar, kAdjustForm, "adjustment");
}

CString CPM001Calc::MessageSubject() const
{
    if (GetID().IsEmpty())
        return CString("Calculation: ");
    return CString("Calculation of component ") + GetID() + ": ";
}
