// Reading of the pier's drawing records into JSON, field by field in record order.
#include "drawing_records.h"

#include "drawing/align_setting.h"
#include "drawing/draw_adjust.h"
#include "drawing/draw_out.h"
#include "module/pier_component.h"
#include "pier/alignment_record.h"
#include "pier/drawing_setting_record.h"

#include <cstring>

using json = nlohmann::ordered_json;

namespace {

json Value(const CString& text) { return text.str(); }
template <class T>
json Value(const T& value)
{
    return value;
}

// One field of a record under its own name.
#define PUT(object, record, field) (object)[#field] = Value((record).field)

template <class Record, class Fill>
json childJson(const std::unique_ptr<Record>& child, Fill fill)
{
    if (!child) return nullptr;
    json j = json::object();
    fill(*child, j);
    return j;
}

json drawSetJson(const CDrawSetPM001& s)
{
    json j = json::object();
    j["pFooting"] = childJson(s.pFooting, [](const CDrawSetPG001& c, json& o) {
        PUT(o, c, szText1);
        PUT(o, c, szText2);
    });
    j["pPile"] = childJson(s.pPile, [](const CDrawSetPG002& c, json& o) {
        PUT(o, c, szText1);
        PUT(o, c, szText2);
        o["pSub1"] = c.pSub1 != nullptr;
        o["pSub2"] = c.pSub2 != nullptr;
    });
    j["pPileCap"] = childJson(s.pPileCap, [](const CDrawSetPG003& c, json& o) {
        o["pSub"] = c.pSub != nullptr;
        PUT(o, c, szText1);
        PUT(o, c, szText2);
    });
    j["pStopperPedestal"] = childJson(s.pStopperPedestal, [](const CDrawSetPG006& c, json& o) {
        PUT(o, c, szText1);
        PUT(o, c, szText2);
        PUT(o, c, dScaleNote);
        PUT(o, c, dScaleTable);
        PUT(o, c, dValue1);
        PUT(o, c, dValue2);
        PUT(o, c, dValue3);
        PUT(o, c, dScaleStopper);
        PUT(o, c, dScalePedestal);
    });
    j["pPierTieBeam"] = childJson(s.pPierTieBeam, [](const CDrawSetPG008& c, json& o) {
        PUT(o, c, bDraw);
        PUT(o, c, szText1);
        PUT(o, c, szText2);
        PUT(o, c, dScaleNote);
        PUT(o, c, dScaleTable);
        PUT(o, c, dScaleTieBeam);
    });
    j["pColumn"] = childJson(s.pColumn, [](const CDrawSetColumn& c, json& o) {
        PUT(o, c, szText1);
        PUT(o, c, szText2);
        PUT(o, c, dScaleNote);
        PUT(o, c, dScaleTable);
        PUT(o, c, nDrawMode);
        PUT(o, c, bDrawA);
        PUT(o, c, bDrawB);
        PUT(o, c, nOptA);
        PUT(o, c, dValue1);
        PUT(o, c, dValue2);
        PUT(o, c, dScaleElevation);
        PUT(o, c, dScaleSection);
    });
    j["pCap"] = childJson(s.pCap, [](const CDrawSetCap& c, json& o) {
        PUT(o, c, nOptC);
        PUT(o, c, szText1);
        PUT(o, c, szText2);
        PUT(o, c, nOptD);
        PUT(o, c, dScaleNote);
        PUT(o, c, dScaleTable);
        PUT(o, c, dScaleElevation);
        PUT(o, c, dScaleSection);
        PUT(o, c, fSymDraw);
        PUT(o, c, nOpt7);
        PUT(o, c, bOpt10);
        PUT(o, c, dValue2);
        PUT(o, c, fCapDrawOpt);
        PUT(o, c, fNoteDM);
        PUT(o, c, bSwitchC);
    });
    PUT(j, s, bLayerByType);
    PUT(j, s, szText1);
    PUT(j, s, szText2);
    PUT(j, s, nOptD);
    PUT(j, s, nOptE);
    PUT(j, s, dScaleNote);
    PUT(j, s, dScaleTable);
    PUT(j, s, dScaleGeneral);
    PUT(j, s, dScaleFoundationPlan);
    PUT(j, s, dScaleTendon);
    PUT(j, s, dScaleTendonSection);
    PUT(j, s, dScaleTendonDetail);
    PUT(j, s, dScalePedestal);
    PUT(j, s, dScaleStopper);
    PUT(j, s, dScaleStopperLayout);
    PUT(j, s, nOpt9);
    PUT(j, s, nVarjichupmt);
    PUT(j, s, nTendonOpt);
    PUT(j, s, bDrawOpt8);
    PUT(j, s, bSwitch1);
    PUT(j, s, bSwitch2);
    PUT(j, s, bSwitch3);
    PUT(j, s, nOpt4);
    PUT(j, s, dValue1);
    PUT(j, s, bSwitch5);
    return j;
}

void capAlignJson(const CAlignDataCap& c, json& o)
{
    PUT(o, c, bBg);
    PUT(o, c, fSk);
    PUT(o, c, nSk);
    PUT(o, c, SkFrame);
    PUT(o, c, tFrameRow);
    PUT(o, c, nDM);
    PUT(o, c, DMIndex);
    PUT(o, c, nSteel);
    PUT(o, c, SteelIndex);
    PUT(o, c, nSteelSection);
    PUT(o, c, SteelSection);
    PUT(o, c, fX);
    PUT(o, c, fL);
    PUT(o, c, fSymDraw);
    PUT(o, c, fSymSteel);
    PUT(o, c, FVszb);
    PUT(o, c, fSteel);
    PUT(o, c, FVcurve);
    PUT(o, c, fCurveYs);
    PUT(o, c, fCurveNoYs);
    PUT(o, c, hHgl);
    PUT(o, c, lGL);
    PUT(o, c, fCapDrawOpt);
    PUT(o, c, nInclMarks);
    PUT(o, c, nSg);
    PUT(o, c, nLText);
    PUT(o, c, nSteelXRow);
    PUT(o, c, SteelXCount);
}

json alignJson(const CAlignDataPM001& a)
{
    json j = json::object();
    j["pPG001"] = childJson(a.pPG001, [](const CAlignDataPG001& c, json& o) {
        PUT(o, c, nMode);
        PUT(o, c, nOpt);
        PUT(o, c, dValue1);
        PUT(o, c, dValue2);
        PUT(o, c, nFlag);
    });
    j["pCT01"] = childJson(a.pCT01, [](const CAlignDataPG003T01CT01& c, json& o) {
        o["nValues"] = {c.nValue1, c.nValue2, c.nValue3};
        o["dValues"] = {c.dValue1, c.dValue2, c.dValue3};
    });
    j["pCT01XL"] = childJson(a.pCT01XL, [](const CAlignDataPG003T01CT01XL& c, json& o) {
        o["nValues"] = {c.nValue1, c.nValue2};
        o["dValues"] = {c.dValue1, c.dValue2, c.dValue3};
    });
    j["pCT02"] = childJson(a.pCT02, [](const CAlignDataPG003T01CT02& c, json& o) {
        o["nValues"] = {c.nValue1, c.nValue2, c.nValue3, c.nValue4, c.nValue5};
        o["dValues"] = {c.dValue1, c.dValue2, c.dValue3, c.dValue4};
    });
    j["pT0103"] = childJson(a.pT0103, [](const CAlignDataPG003T0103& c, json& o) {
        PUT(o, c, nValue1);
        o["dValues"] = {c.dValue1, c.dValue2, c.dValue3, c.dValue4};
        PUT(o, c, nValue2);
    });
    j["pPG005"] = childJson(a.pPG005, [](const CAlignDataPG005& c, json& o) {
        o["nValues"] = {c.nValue1, c.nValue2, c.nValue3, c.nValue4, c.nValue5, c.nValue6};
        o["bDraw"] = {c.bDraw1, c.bDraw2, c.bDraw3, c.bDraw4, c.bDraw5};
        PUT(o, c, dValue1);
    });
    const auto tieBeam = [](const CAlignDataPG008& c, json& o) {
        PUT(o, c, dValue);
        PUT(o, c, nValue);
    };
    j["pPileTieBeam"] = childJson(a.pPileTieBeam, tieBeam);
    j["pPierTieBeam"] = childJson(a.pPierTieBeam, tieBeam);
    j["pColumnZD01"] = childJson(a.pColumnZD01, [](const CAlignDataColumnZD01& c, json& o) {
        o["nHead"] = std::vector<int>(std::begin(c.nHead), std::end(c.nHead));
        PUT(o, c, dValue);
        o["nTail"] = std::vector<int>(std::begin(c.nTail), std::end(c.nTail));
    });
    j["pColumnZD02"] = childJson(a.pColumnZD02, [](const CAlignDataColumnZD02& c, json& o) {
        o["nValues"] = {c.nValue1, c.nValue2, c.nValue3, c.nValue4};
        PUT(o, c, dValue);
    });
    j["pCap"] = childJson(a.pCap, capAlignJson);
    PUT(j, a, dCapHeight);
    PUT(j, a, dCapWidth);
    PUT(j, a, dCapLength);
    PUT(j, a, dStopperHeight);
    PUT(j, a, nBaseType);
    PUT(j, a, dPileCapLength);
    PUT(j, a, dPileCapValue1);
    PUT(j, a, dPileCapValue2);
    PUT(j, a, dPileValue);
    PUT(j, a, dFootingValue1);
    PUT(j, a, dFootingValue2);
    PUT(j, a, dTotalHeight);
    PUT(j, a, dPileCapOffset);
    PUT(j, a, dTotalLength);
    PUT(j, a, dEndExtension);
    PUT(j, a, bFooting);
    PUT(j, a, bPile);
    PUT(j, a, bPileCap);
    PUT(j, a, bPileCapT0103);
    PUT(j, a, bPileCapPG005);
    PUT(j, a, nVarjichupmt);
    PUT(j, a, nBaseLayMode);
    PUT(j, a, nPileCapMode);
    PUT(j, a, nHaveStopper);
    PUT(j, a, bStopperSymmetric);
    PUT(j, a, bHaveBedStone);
    PUT(j, a, bFrontBedStoneOnly);
    PUT(j, a, bSameBedStoneDraw);
    PUT(j, a, dSkewAngle);
    PUT(j, a, bSameBedStoneRows);
    return j;
}

} // namespace

DrawingRecordReader::DrawingRecordReader()
{
    SetDrawComponentReader([this](CComponentNorm& component, int) { Read(component); });
}

DrawingRecordReader::~DrawingRecordReader() { SetDrawComponentReader({}); }

// The component's class lives in the module the host loads; its run-time type information is not
// part of the host. The class is identified by its runtime class instead, so the sanitiser's dynamic
// type check (which needs that information) is left out here.
#if defined(__GNUC__)
__attribute__((no_sanitize("vptr")))
#endif
void DrawingRecordReader::Read(CComponentNorm& component)
{
    // Only the pier component's records are known here; any other component is drawn unread.
    const CRuntimeClass* cls = component.GetRuntimeClass();
    if (!cls || std::strcmp(cls->m_lpszClassName, "CPM001Norm") != 0) return;
    const auto& pier = static_cast<const CPM001Norm&>(component);
    m_drawSet = pier.m_pDrawSet ? drawSetJson(*pier.m_pDrawSet) : json(nullptr);
    m_align = pier.m_pAlignData ? alignJson(*pier.m_pAlignData) : json(nullptr);
    m_drawn = true;
}

json DrawingAdjustmentHandOffJson()
{
    json j = json::object();
    if (const auto& info = LastAdjustDrawCompInfo()) {
        j["tool"] = {{"szProjectPath", info->szProjectPath.str()},
                     {"szProjectName", info->szProjectName.str()},
                     {"nComponentID", info->nComponentID},
                     {"szComponentName", info->szComponentName.str()},
                     {"szRoadName", info->szRoadName.str()},
                     {"nComponentCode", info->nComponentCode}};
    } else {
        j["tool"] = nullptr;
    }
    if (const auto& setting = LastDrawingSetting()) {
        j["drawingSetting"] = {{"nComponentCode", setting->m_nComponentCode},
                               {"nBaseType", setting->m_nBaseType},
                               {"pierTieBeams", setting->m_pPierTieBeamAtom != nullptr}};
    } else {
        j["drawingSetting"] = nullptr;
    }
    return j;
}
