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
        o["szText1"] = c.szText1.str();
        o["szText2"] = c.szText2.str();
    });
    j["pPile"] = childJson(s.pPile, [](const CDrawSetPG002& c, json& o) {
        o["szText1"] = c.szText1.str();
        o["szText2"] = c.szText2.str();
        o["pSub1"] = c.pSub1 != nullptr;
        o["pSub2"] = c.pSub2 != nullptr;
    });
    j["pPileCap"] = childJson(s.pPileCap, [](const CDrawSetPG003& c, json& o) {
        o["pSub"] = c.pSub != nullptr;
        o["szText1"] = c.szText1.str();
        o["szText2"] = c.szText2.str();
    });
    j["pStopperPedestal"] = childJson(s.pStopperPedestal, [](const CDrawSetPG006& c, json& o) {
        o["szText1"] = c.szText1.str();
        o["szText2"] = c.szText2.str();
        o["dScaleNote"] = c.dScaleNote;
        o["dScaleTable"] = c.dScaleTable;
        o["dValue1"] = c.dValue1;
        o["dValue2"] = c.dValue2;
        o["dValue3"] = c.dValue3;
        o["dScaleStopper"] = c.dScaleStopper;
        o["dScalePedestal"] = c.dScalePedestal;
    });
    j["pPierTieBeam"] = childJson(s.pPierTieBeam, [](const CDrawSetPG008& c, json& o) {
        o["bDraw"] = c.bDraw;
        o["szText1"] = c.szText1.str();
        o["szText2"] = c.szText2.str();
        o["dScaleNote"] = c.dScaleNote;
        o["dScaleTable"] = c.dScaleTable;
        o["dScaleTieBeam"] = c.dScaleTieBeam;
    });
    j["pColumn"] = childJson(s.pColumn, [](const CDrawSetColumn& c, json& o) {
        o["szText1"] = c.szText1.str();
        o["szText2"] = c.szText2.str();
        o["dScaleNote"] = c.dScaleNote;
        o["dScaleTable"] = c.dScaleTable;
        o["nDrawMode"] = c.nDrawMode;
        o["bDrawA"] = c.bDrawA;
        o["bDrawB"] = c.bDrawB;
        o["nOptA"] = c.nOptA;
        o["dValue1"] = c.dValue1;
        o["dValue2"] = c.dValue2;
        o["dScaleElevation"] = c.dScaleElevation;
        o["dScaleSection"] = c.dScaleSection;
    });
    j["pCap"] = childJson(s.pCap, [](const CDrawSetCap& c, json& o) {
        o["nOptC"] = c.nOptC;
        o["szText1"] = c.szText1.str();
        o["szText2"] = c.szText2.str();
        o["nOptD"] = c.nOptD;
        o["dScaleNote"] = c.dScaleNote;
        o["dScaleTable"] = c.dScaleTable;
        o["dScaleElevation"] = c.dScaleElevation;
        o["dScaleSection"] = c.dScaleSection;
        o["fSymDraw"] = c.fSymDraw;
        o["nOpt7"] = c.nOpt7;
        o["bOpt10"] = c.bOpt10;
        o["dValue2"] = c.dValue2;
        o["fCapDrawOpt"] = c.fCapDrawOpt;
        o["fNoteDM"] = c.fNoteDM;
        o["bSwitchC"] = c.bSwitchC;
    });
    j["bLayerByType"] = s.bLayerByType;
    j["szText1"] = s.szText1.str();
    j["szText2"] = s.szText2.str();
    j["nOptD"] = s.nOptD;
    j["nOptE"] = s.nOptE;
    j["dScaleNote"] = s.dScaleNote;
    j["dScaleTable"] = s.dScaleTable;
    j["dScaleGeneral"] = s.dScaleGeneral;
    j["dScaleFoundationPlan"] = s.dScaleFoundationPlan;
    j["dScaleTendon"] = s.dScaleTendon;
    j["dScaleTendonSection"] = s.dScaleTendonSection;
    j["dScaleTendonDetail"] = s.dScaleTendonDetail;
    j["dScalePedestal"] = s.dScalePedestal;
    j["dScaleStopper"] = s.dScaleStopper;
    j["dScaleStopperLayout"] = s.dScaleStopperLayout;
    j["nOpt9"] = s.nOpt9;
    j["nVarjichupmt"] = s.nVarjichupmt;
    j["nTendonOpt"] = s.nTendonOpt;
    j["bDrawOpt8"] = s.bDrawOpt8;
    j["bSwitch1"] = s.bSwitch1;
    j["bSwitch2"] = s.bSwitch2;
    j["bSwitch3"] = s.bSwitch3;
    j["nOpt4"] = s.nOpt4;
    j["dValue1"] = s.dValue1;
    j["bSwitch5"] = s.bSwitch5;
    return j;
}

void capAlignJson(const CAlignDataCap& c, json& o)
{
    o["bBg"] = c.bBg;
    o["fSk"] = c.fSk;
    o["nSk"] = c.nSk;
    o["SkFrame"] = c.SkFrame;
    o["tFrameRow"] = c.tFrameRow;
    o["nDM"] = c.nDM;
    o["DMIndex"] = c.DMIndex;
    o["nSteel"] = c.nSteel;
    o["SteelIndex"] = c.SteelIndex;
    o["nSteelSection"] = c.nSteelSection;
    o["SteelSection"] = c.SteelSection;
    o["fX"] = c.fX;
    o["fL"] = c.fL;
    o["fSymDraw"] = c.fSymDraw;
    o["fSymSteel"] = c.fSymSteel;
    o["FVszb"] = c.FVszb;
    o["fSteel"] = c.fSteel;
    o["FVcurve"] = c.FVcurve;
    o["fCurveYs"] = c.fCurveYs;
    o["fCurveNoYs"] = c.fCurveNoYs;
    o["hHgl"] = c.hHgl;
    o["lGL"] = c.lGL;
    o["fCapDrawOpt"] = c.fCapDrawOpt;
    o["nInclMarks"] = c.nInclMarks;
    o["nSg"] = c.nSg;
    o["nLText"] = c.nLText;
    o["nSteelXRow"] = c.nSteelXRow;
    o["SteelXCount"] = c.SteelXCount;
}

json alignJson(const CAlignDataPM001& a)
{
    json j = json::object();
    j["pPG001"] = childJson(a.pPG001, [](const CAlignDataPG001& c, json& o) {
        o["nMode"] = c.nMode;
        o["nOpt"] = c.nOpt;
        o["dValue1"] = c.dValue1;
        o["dValue2"] = c.dValue2;
        o["nFlag"] = c.nFlag;
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
        o["nValue1"] = c.nValue1;
        o["dValues"] = {c.dValue1, c.dValue2, c.dValue3, c.dValue4};
        o["nValue2"] = c.nValue2;
    });
    j["pPG005"] = childJson(a.pPG005, [](const CAlignDataPG005& c, json& o) {
        o["nValues"] = {c.nValue1, c.nValue2, c.nValue3, c.nValue4, c.nValue5, c.nValue6};
        o["bDraw"] = {c.bDraw1, c.bDraw2, c.bDraw3, c.bDraw4, c.bDraw5};
        o["dValue1"] = c.dValue1;
    });
    const auto tieBeam = [](const CAlignDataPG008& c, json& o) {
        o["dValue"] = c.dValue;
        o["nValue"] = c.nValue;
    };
    j["pPileTieBeam"] = childJson(a.pPileTieBeam, tieBeam);
    j["pPierTieBeam"] = childJson(a.pPierTieBeam, tieBeam);
    j["pColumnZD01"] = childJson(a.pColumnZD01, [](const CAlignDataColumnZD01& c, json& o) {
        o["nHead"] = std::vector<int>(std::begin(c.nHead), std::end(c.nHead));
        o["dValue"] = c.dValue;
        o["nTail"] = std::vector<int>(std::begin(c.nTail), std::end(c.nTail));
    });
    j["pColumnZD02"] = childJson(a.pColumnZD02, [](const CAlignDataColumnZD02& c, json& o) {
        o["nValues"] = {c.nValue1, c.nValue2, c.nValue3, c.nValue4};
        o["dValue"] = c.dValue;
    });
    j["pCap"] = childJson(a.pCap, capAlignJson);
    j["dCapHeight"] = a.dCapHeight;
    j["dCapWidth"] = a.dCapWidth;
    j["dCapLength"] = a.dCapLength;
    j["dStopperHeight"] = a.dStopperHeight;
    j["nBaseType"] = a.nBaseType;
    j["dPileCapLength"] = a.dPileCapLength;
    j["dPileCapValue1"] = a.dPileCapValue1;
    j["dPileCapValue2"] = a.dPileCapValue2;
    j["dPileValue"] = a.dPileValue;
    j["dFootingValue1"] = a.dFootingValue1;
    j["dFootingValue2"] = a.dFootingValue2;
    j["dTotalHeight"] = a.dTotalHeight;
    j["dPileCapOffset"] = a.dPileCapOffset;
    j["dTotalLength"] = a.dTotalLength;
    j["dEndExtension"] = a.dEndExtension;
    j["bFooting"] = a.bFooting;
    j["bPile"] = a.bPile;
    j["bPileCap"] = a.bPileCap;
    j["bPileCapT0103"] = a.bPileCapT0103;
    j["bPileCapPG005"] = a.bPileCapPG005;
    j["nVarjichupmt"] = a.nVarjichupmt;
    j["nBaseLayMode"] = a.nBaseLayMode;
    j["nPileCapMode"] = a.nPileCapMode;
    j["nHaveStopper"] = a.nHaveStopper;
    j["bStopperSymmetric"] = a.bStopperSymmetric;
    j["bHaveBedStone"] = a.bHaveBedStone;
    j["bFrontBedStoneOnly"] = a.bFrontBedStoneOnly;
    j["bSameBedStoneDraw"] = a.bSameBedStoneDraw;
    j["dSkewAngle"] = a.dSkewAngle;
    j["bSameBedStoneRows"] = a.bSameBedStoneRows;
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
