// CPM001Norm drawing: the drawing-scale checks, the drawing-setting and alignment records, drawing
// and drawing adjustment.
#include "module/pier_component.h"

#include "capbeam/cap_beam_reinforcement.h"
#include "common/is_equal.h"
#include "drawing/align_setting.h"
#include "drawing/draw_adjust.h"
#include "drawing/draw_out.h"
#include "host/cpm001_input.h"
#include "host/project_manager.h"
#include "host/report_parts.h"
#include "host/road_norm.h"
#include "input/report_helpers.h"
#include "input/text_to_real.h"
#include "pier/alignment_record.h"
#include "pier/drawing_setting_record.h"
#include "pier/pier_design_record.h"
#include "pier/stopper_pedestal_atom.h"
#include "siblings/columns.h"
#include "siblings/pile_cap.h"
#include "siblings/pile_column_transition.h"
#include "siblings/pile_foundation.h"
#include "siblings/spread_footing.h"
#include "siblings/tie_beams.h"
#include "tendon/design_object.h"

#include <memory>

namespace {

constexpr int kComponentCode = 0x100015;

// One drawing block: the input text of its scale, its key, its label and its smallest scale.
struct DrawingBlock {
    CString PM001DrawingInput::*scale;
    const char* key;
    const char* below;
    const char* above;
};

// The drawing blocks in the order they are checked; the largest scale is 500 for every block.
const DrawingBlock kBlocks[15] = {
    {&PM001DrawingInput::rPM001T01GZ, "rPM001T01GZ", "“一般构造(立/平/侧面)”图块比例过小,不能小于5",
     "“一般构造(立/平/侧面)”图块比例过大,不能大于500"},
    {&PM001DrawingInput::rPM001T01GZJCPM, "rPM001T01GZJCPM", "“一般构造承台基础平面”图块比例过小,不能小于5",
     "“一般构造承台基础平面”图块比例过大,不能大于500"},
    {&PM001DrawingInput::rPM001T01GJ01LM, "rPM001T01GJ01LM",
     "“盖梁钢筋构造(立/平/骨架大样)”图块比例过小,不能小于5", "“盖梁钢筋构造(立/平/骨架大样)”图块比例过大,不能大于500"},
    {&PM001DrawingInput::rPM001T01GJ01DM, "rPM001T01GJ01DM", "“盖梁钢筋构造断面”图块比例过小,不能小于5",
     "“盖梁钢筋构造断面”图块比例过大,不能大于500"},
    {&PM001DrawingInput::rPM001T010401LMPM, "rPM001T010401LMPM", "“盖梁钢束(立/平面/大样)”图块比例过小,不能小于5",
     "“盖梁钢束(立/平面/大样)”图块比例过大,不能大于500"},
    {&PM001DrawingInput::rPM001T010401HD, "rPM001T010401HD", "“盖梁钢束断面”图块比例过小,不能小于5",
     "“盖梁钢束断面”图块比例过大,不能大于500"},
    {&PM001DrawingInput::rPM001T010401SW02, "rPM001T010401SW02", "“盖梁钢束几何要素大样”图块比例过小,不能小于5",
     "“盖梁钢束几何要素大样”图块比例过大,不能大于500"},
    {&PM001DrawingInput::rPM001T01_PC001DZGJLM, "rPM001T01_PC001DZGJLM", "“墩身钢筋立面”图块比例过小,不能小于5",
     "“墩身钢筋立面”图块比例过大,不能大于500"},
    {&PM001DrawingInput::rPM001T01_PC001DZGJDM, "rPM001T01_PC001DZGJDM", "“墩身钢筋断面”图块比例过小,不能小于5",
     "“墩身钢筋断面”图块比例过大,不能大于500"},
    {&PM001DrawingInput::rPM001T01_PG008T01XB010203, "rPM001T01_PG008T01XB010203",
     "“墩柱系梁钢筋构造(立/断面)”图块比例过小,不能小于5", "“墩柱系梁钢筋构造(立/断面)”图块比例过大,不能大于500"},
    {&PM001DrawingInput::rPG006T01DK, "rPG006T01DK", "“防震挡块钢筋构造”图块比例过小,不能小于5",
     "“防震挡块钢筋构造”图块比例过大,不能大于500"},
    {&PM001DrawingInput::rPG006T01DS, "rPG006T01DS", "“支座垫石钢筋构造”图块比例过小,不能小于5",
     "“支座垫石钢筋构造”图块比例过大,不能大于500"},
    {&PM001DrawingInput::rPM001T02DSLMPM, "rPM001T02DSLMPM",
     "“防震挡块支座垫石一般构造(立/平面)”图块比例过小,不能小于5",
     "“防震挡块支座垫石一般构造(立/平面)”图块比例过大,不能大于500"},
    {&PM001DrawingInput::rPM001T01BIAOGE, "rPM001T01BIAOGE", "“表格”图块比例过小,不能小于1",
     "“表格”图块比例过大,不能大于500"},
    {&PM001DrawingInput::rPM001T01FUZHU, "rPM001T01FUZHU", "“附注”图块比例过小,不能小于1",
     "“附注”图块比例过大,不能大于500"},
};

int On(int drawingSwitch) { return drawingSwitch == 0 ? 1 : 0; }

// Hooks a drawing-setting record into the component for one drawing operation and unhooks it
// however the operation ends, so that the component never points to a released record.
class DrawSetHook {
public:
    explicit DrawSetHook(CDrawSetPM001*& slot) : m_slot(slot) { m_slot = &m_record; }
    ~DrawSetHook() { m_slot = nullptr; }
    DrawSetHook(const DrawSetHook&) = delete;
    DrawSetHook& operator=(const DrawSetHook&) = delete;

private:
    CDrawSetPM001 m_record;
    CDrawSetPM001*& m_slot;
};

}  // namespace

ColumnViews RectColumnViews(int mode)
{
    return ColumnViews{mode == 0 || mode == 2 ? 1 : 0, mode == 1 || mode == 2 ? 1 : 0};
}

int CPM001Norm::CanDraw() const
{
    const auto* input = dynamic_cast<const CPM001*>(GetUIComponent());
    return input && m_pAtom && m_pCapBeamAtom ? 1 : 0;
}

int CPM001Norm::SetDrawSetData(CPM001* input)
{
    if (!input || !m_pDrawSet || !m_pCapBeamAtom) return 0;
    CDrawSetPM001& set = *m_pDrawSet;
    const unsigned id = GetID();
    int ok = 1;

    if (input->nStructureType == 0 && input->DesignOpt4 != 0)
        ReportErrorOutOfRange<double>(id, "“钢束竖曲线坐标表中的X坐标间隔”过小,不能小于100",
                                      "“钢束竖曲线坐标表中的X坐标间隔”过大,不能大于2000", input->DesignValue1, 100.0,
                                      2000.0, "js", ok, kPartPier, 0);

    double scale[15];
    for (int i = 0; i < 15; ++i) {
        const DrawingBlock& block = kBlocks[i];
        scale[i] = TextToReal(input->*block.scale);
        if (KVDataCommon::IsEqual(scale[i], 0.0)) continue;
        const double minimum = i >= 13 ? 1.0 : 5.0;
        ReportErrorOutOfRange<double>(id, block.below, block.above, scale[i], minimum, 500.0, block.key, ok, kPartPier,
                                      0);
    }
    auto blockScale = [&scale](int number) { return scale[number - 1]; };

    // The foundation child is filled by the foundation module from the foundation's own input.
    if (m_nFoundationKind == 0) {
        set.pFooting = std::make_unique<CDrawSetPG001>();
        if (m_pFootingOrg) m_pFootingOrg->SetDrawSetData(id, &input->m_Footing, set.pFooting.get(), ok);
    } else if (m_nFoundationKind == 1) {
        set.pPile = std::make_unique<CDrawSetPG002>();
        if (m_pPileOrg) m_pPileOrg->SetDrawSetData(id, &input->m_Pile, set.pPile.get(), ok);
    } else {
        set.pPileCap = std::make_unique<CDrawSetPG003>();
        if (m_pPileCapOrg) m_pPileCapOrg->SetDrawSetData(id, &input->m_PileCap, set.pPileCap.get(), ok);
    }

    if (m_bStopperPedestal) {
        set.pStopperPedestal = std::make_unique<CDrawSetPG006>();
        set.pStopperPedestal->dScaleNote = blockScale(15);
        set.pStopperPedestal->dScaleTable = blockScale(14);
        set.pStopperPedestal->dScaleStopper = blockScale(11);
        set.pStopperPedestal->dScalePedestal = blockScale(12);
    }
    if (m_bPierTieBeams == 1) {
        set.pPierTieBeam = std::make_unique<CDrawSetPG008>();
        set.pPierTieBeam->bDraw = m_nColumnShape == 1 ? 1 : On(input->DrawSwitchB);
        set.pPierTieBeam->dScaleNote = blockScale(15);
        set.pPierTieBeam->dScaleTable = blockScale(14);
        set.pPierTieBeam->dScaleTieBeam = blockScale(10);
    }

    set.pColumn = std::make_unique<CDrawSetColumn>();
    CDrawSetColumn& column = *set.pColumn;
    column.dScaleNote = blockScale(15);
    column.dScaleTable = blockScale(14);
    column.nDrawMode = input->DrawOptB;
    column.bDrawA = On(input->DrawSwitchA);
    column.bDrawB = On(input->DrawSwitchB);
    column.nOptA = input->DrawOptA;
    column.dScaleElevation = blockScale(8);
    column.dScaleSection = blockScale(9);

    set.pCap = std::make_unique<CDrawSetCap>();
    CDrawSetCap& cap = *set.pCap;
    cap.nOptC = input->DrawOptC;
    cap.szText1 = input->DrawText1;
    cap.szText2 = input->DrawText2;
    cap.nOptD = input->DrawOptD;
    cap.dScaleNote = blockScale(15);
    cap.dScaleTable = blockScale(14);
    cap.dScaleElevation = blockScale(3);
    cap.dScaleSection = blockScale(4);
    cap.fSymDraw = input->fZT;
    cap.nOpt7 = input->DesignOpt7;
    cap.bOpt10 = On(input->DesignOpt10);
    cap.dValue2 = input->DesignValue2;
    cap.fCapDrawOpt = On(input->DrawSwitchD);
    cap.fNoteDM = On(input->DesignOpt8);
    cap.bSwitchC = On(input->DrawSwitchC);
    m_pCapBeamAtom->SetDrawSetData(&cap);

    layerLineType layers;
    if (CProjectManager* project = GetProjectManager()) project->GetDrawingSetting()->GetDrawLayerType(layers);
    set.bLayerByType = input->DrawOptC != 0 && layers.setting != 1 ? 1 : 0;
    set.szText1 = input->DrawText1;
    set.szText2 = input->DrawText2;
    set.nOptD = input->DrawOptD;
    set.nOptE = input->DrawOptE;
    set.dScaleNote = blockScale(15);
    set.dScaleTable = blockScale(14);
    set.dScaleGeneral = blockScale(1);
    set.dScaleFoundationPlan = blockScale(2);
    set.dScaleTendon = blockScale(5);
    set.dScaleTendonSection = blockScale(6);
    set.dScaleTendonDetail = blockScale(7);
    set.dScalePedestal = blockScale(12);
    set.dScaleStopper = blockScale(11);
    set.dScaleStopperLayout = blockScale(13);
    set.nOpt9 = input->DesignOpt9;
    set.nVarjichupmt = input->fVarjichupmt;
    const CPM001T010401Atom* tendons = m_pCapBeamAtom->st.pTendonAtom;
    set.nTendonOpt = m_pCapBeamAtom->JGType != 0 && tendons ? tendons->fSymLayout : 0;
    set.bDrawOpt8 = On(input->DesignOpt8);
    set.bSwitch1 = On(input->DesignSwitch1);
    set.bSwitch2 = On(input->DesignSwitch2);
    set.bSwitch3 = On(input->DesignSwitch3);
    set.nOpt4 = input->DesignOpt4;
    set.dValue1 = input->DesignValue1;
    set.bSwitch5 = On(input->DesignSwitch5);
    return ok;
}

int CPM001Norm::SetDrawData_PT()
{
    if (!m_pAlignData || !m_pDrawSet || !m_pDrawSet->pColumn || !m_pDrawSet->pCap || !m_pAtom || !m_pCapBeamAtom)
        return 0;
    CAlignDataPM001& align = *m_pAlignData;
    align.pPG001 = std::make_unique<CAlignDataPG001>();
    align.pCT01 = std::make_unique<CAlignDataPG003T01CT01>();
    align.pCT01XL = std::make_unique<CAlignDataPG003T01CT01XL>();
    align.pCT02 = std::make_unique<CAlignDataPG003T01CT02>();
    align.pT0103 = std::make_unique<CAlignDataPG003T0103>();
    align.pPG005 = std::make_unique<CAlignDataPG005>();
    align.pPileTieBeam = std::make_unique<CAlignDataPG008>();
    align.pPierTieBeam = std::make_unique<CAlignDataPG008>();
    align.pColumnZD01 = std::make_unique<CAlignDataColumnZD01>();
    align.pColumnZD02 = std::make_unique<CAlignDataColumnZD02>();
    align.pCap = std::make_unique<CAlignDataCap>();

    // Each designed sibling member fills its own child; one that cannot ends the operation.
    if (m_bPierTieBeams && !(m_pPierTieBeamAtom && m_pPierTieBeamAtom->SetDrawData_PT(align.pPierTieBeam.get())))
        return 0;

    if (m_nColumnShape != 0) {
        if (!(m_pCircleColumnAtom && m_pCircleColumnAtom->SetDrawData_PT(align.pColumnZD02.get()))) return 0;
    } else {
        const ColumnViews views = RectColumnViews(m_pDrawSet->pColumn->nDrawMode);
        if (!m_pRectColumnAtom) return 0;
        if (!m_pRectColumnAtom->SetDrawData_PT(align.pColumnZD01.get(), views.first, views.second)) return 0;
    }

    if (m_nFoundationKind == 0) {
        align.pPG001->nMode = 1;
        if (m_bFootingT01 && !(m_pFootingT01Atom && m_pFootingT01Atom->SetDrawData_PT(align.pPG001.get()))) return 0;
        if (!m_pFootingOrg) return 0;
    } else if (m_nFoundationKind == 1) {
        if (!(m_pPileTransitionAtom && m_pPileTransitionAtom->SetDrawData_PT(align.pPG005.get()))) return 0;
        if (m_bPileTieBeams && !(m_pPileTieBeamAtom && m_pPileTieBeamAtom->SetDrawData_PT(align.pPileTieBeam.get())))
            return 0;
        if (!m_pPileOrg) return 0;
    } else if (m_nFoundationKind == 2) {
        if (m_nPileCapVariant == 0) {
            if (!(m_pPileCapCT01Atom && m_pPileCapCT01Atom->SetDrawData_PT(align.pCT01.get(), align.pCT01XL.get())))
                return 0;
        } else if (m_nPileCapVariant == 1) {
            if (!(m_pPileCapCT02Atom && m_pPileCapCT02Atom->SetDrawData_PT(align.pCT02.get()))) return 0;
        } else {
            return 0;   // the third pile-cap body has no alignment record
        }
        if (m_nPileCapJoint != 0) {
            if (!(m_pPileCapT0103Atom && m_pPileCapT0103Atom->SetDrawData_PT(align.pT0103.get()))) return 0;
        } else if (!(m_pPileCapTransitionAtom && m_pPileCapTransitionAtom->SetDrawData_PT(align.pPG005.get()))) {
            return 0;
        }
        if (!m_pPileCapOrg || !m_pPileCapAtom) return 0;
    }

    int keyA = 0;
    int keyB = 0;
    if (m_bStopperPedestal) {
        if (!m_pStopperPedestalAtom) return 0;
        keyA = m_pStopperPedestalAtom->m_nKeyValueA;
        keyB = m_pStopperPedestalAtom->m_nKeyValueB;
    }
    const PierSurroundings around = Surroundings();
    if (!m_pAtom->SetDrawData_PT(&align, &around, m_pDrawSet->nVarjichupmt, keyA, keyB)) return 0;

    const CDrawSetCap& cap = *m_pDrawSet->pCap;
    if (!m_pCapBeamAtom->SetDrawData_PT(align.pCap.get(), cap.fSymDraw, cap.fCapDrawOpt)) return 0;

    SetKVAlignData(&align, this, m_pPierTieBeamAtom.get());
    return 1;
}

int CPM001Norm::DoDraw()
{
    if (!CanDraw()) return 0;
    Set_Tongyi();
    DrawSetHook hook(m_pDrawSet);
    if (!SetDrawSetData(dynamic_cast<CPM001*>(GetUIComponent()))) return 0;
    m_pAlignData = std::make_unique<CAlignDataPM001>();
    if (!SetDrawData_PT()) return 0;
    return KVDrawOut_DrawComponent(this, 0) != 0 ? 1 : 0;
}

int CPM001Norm::DoDrawAdjust()
{
    if (!CanDraw()) return 0;
    DrawSetHook hook(m_pDrawSet);
    // Neither a bad scale nor missing alignment data keeps the tool closed.
    (void)SetDrawSetData(dynamic_cast<CPM001*>(GetUIComponent()));
    m_pAlignData = std::make_unique<CAlignDataPM001>();
    (void)SetDrawData_PT();
    SetKVAlignData(m_pAlignData.get(), this, nullptr);

    std::vector<std::unique_ptr<CGraphColl>> owned;
    std::vector<CGraphColl*> graphs;
    const int graphed = KVDrawOut_GetComponentGraph(this, graphs, 1, 0);
    for (CGraphColl* graph : graphs) owned.emplace_back(graph);

    CDrawingSetting setting;
    setting.m_pDrawSet = m_pDrawSet;
    setting.m_nComponentCode = kComponentCode;
    setting.m_nBaseType = m_pAtom->BaseType + 1;
    setting.m_pPierTieBeamAtom = m_pPierTieBeamAtom.get();
    SetDrawSet(&setting);

    if (graphed) {
        CAdjustDrawCompInfo info;
        if (CProjectManager* project = GetProjectManager()) {
            info.szProjectPath = project->GetProjectPath();
            info.szProjectPath.TrimRight('\\');
            info.szProjectName = project->GetProjectName();
        }
        info.nComponentID = GetID();
        info.szComponentName = GetName();
        if (CRoadNorm* road = GetRoadNorm()) info.szRoadName = road->GetName();
        info.pComponent = this;
        info.nComponentCode = kComponentCode;
        g_pGetComponentGraphFunc = &KVDrawOut_GetComponentGraph;
        (void)AdjustDrawComponent(info);
    }
    return 1;
}
