// CPM001Calc's three archive parts (origin, design, adjustment) in the form of docs/calc-archive.md.

#include "calc/pm001_calc.h"

#include "calc/key_param_json.h"
#include "host/report.h"
#include "mfc/carchive.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

namespace {

// Each archive part opens with its form number: the part in the high byte, its form in the low. The
// design part kept its number when format version 2 added the key record: the container's version
// tells the two layouts apart.
constexpr int kOriginForm = 0x0101;
constexpr int kDesignForm = 0x0202;
constexpr int kAdjustForm = 0x0302;

void LoadForm(CArchive& ar, int expected, const char* part)
{
    ar.ReadMark(expected, [part](int form) {
        CString what;
        what.Format("calculation %s part of unknown form 0x%X", part, static_cast<unsigned>(form));
        return std::string(what.GetString());
    });
}

bool LoadSwitch(CArchive& ar, const char* what)
{
    int value = 0;
    ar >> value;
    if (value != 0 && value != 1)
        ar.Fail(CArchiveException::badFormat, what);
    return value == 1;
}

// A key-parameter text stored with a component: one longer than any key-parameter file may be is
// refused before it is parsed, since parsing it would take time and memory out of all measure, and
// one whose stored length shows it that long before it is copied.
CString LoadKeyParamText(CArchive& ar, const char* part)
{
    CString text;
    ar.ReadText(text, kMaxKeyParamTextBytes, [part](const std::string& measured) {
        return std::string("calculation ") + part + " part: the stored key-parameter text of " + measured +
               " is longer than the 16 MiB a key-parameter file may hold";
    });
    return text;
}

// The design's key record, a field of the design part from format version 2 on: a switch, then the
// record when one is held.
constexpr UINT kDesignKeyRecordVersion = 2;

}  // namespace

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
        ar << kDesignForm << GetTestFlag() << GetKeyParamPath() << GetKeyParamText() << static_cast<int>(m_designed);
        ar << static_cast<int>(m_designKeys.has_value());
        if (m_designKeys) m_designKeys->Serialize(ar);
        return;
    }
    LoadForm(ar, kDesignForm, "design");
    int testFlag = 0;
    CString keyParamPath;
    ar >> testFlag >> keyParamPath;
    const CString keyParamText = LoadKeyParamText(ar, "design");
    const bool designed = LoadSwitch(ar, "calculation design switch is neither 0 nor 1");
    std::optional<CPM001DesignKeyRecord> designKeys;
    if (ar.GetFormatVersion() >= kDesignKeyRecordVersion &&
        LoadSwitch(ar, "calculation design-key record switch is neither 0 nor 1")) {
        designKeys.emplace();
        designKeys->Serialize(ar);
    }
    SetTestData(testFlag, keyParamPath);
    SetKeyParamText(keyParamText);
    m_designed = designed;
    m_designKeys = std::move(designKeys);
}

void CPM001Calc::SerializeAdjust(CArchive& ar)
{
    if (ar.IsStoring()) {
        // The text is made first, so that a failure writes nothing (SetUserDesignData lets in only
        // sets the JSON form can hold).
        std::string text;
        std::string error;
        if (m_userKeyParam && !WriteKeyParamJson(*m_userKeyParam, text, error))
            ar.Fail(CArchiveException::badFormat, ("calculation adjustment part: " + error).c_str());
        ar << kAdjustForm << static_cast<int>(m_userKeyParam.has_value());
        if (m_userKeyParam)
            ar << CString(std::move(text));
        return;
    }
    LoadForm(ar, kAdjustForm, "adjustment");
    std::optional<CPM001KeyParam> adjusted;
    std::string unheld;
    if (LoadSwitch(ar, "calculation user-adjustment switch is neither 0 nor 1")) {
        const CString text = LoadKeyParamText(ar, "adjustment");
        std::string error;
        adjusted.emplace();
        // A set stored before a bound it crosses was set is intact: it is kept as stored, so that
        // storing the component again loses nothing, but no design takes it (GetUserDesignData).
        if (!ReadKeyParamJson(text.str(), "user-adjusted key parameters", *adjusted, error, &unheld))
            ar.Fail(CArchiveException::badFormat, ("calculation adjustment part: " + error).c_str());
    }
    m_userKeyParam = std::move(adjusted);
    m_userKeyParamUnheld = std::move(unheld);
    if (!m_userKeyParamUnheld.empty()) QMReportError(MessageSubject() + CString(m_userKeyParamUnheld), 0);
}
