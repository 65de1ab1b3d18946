// Receiving the input object's data into the origin objects, the diagnosis, and the preparation
// of the calculation engine with the project data, the calculation origin data and the loads.
#include "module/pier_component.h"

#include "calc/pg001_calc_load.h"
#include "calc/pg002_calc_load.h"
#include "calc/pg003_calc_load.h"
#include "calc/pm001_calc.h"
#include "calc/pm001_load.h"
#include "common/list_sum.h"
#include "host/cpm001_input.h"
#include "host/kv_expression.h"
#include "host/project_manager.h"
#include "host/report.h"
#include "host/report_parts.h"
#include "host/road_norm.h"
#include "input/pier_origin_data.h"
#include "input/text_to_real.h"
#include "pier/drawing_options.h"
#include "siblings/pile_cap.h"
#include "siblings/pile_foundation.h"
#include "siblings/spread_footing.h"

#include <algorithm>

namespace {

// Key of the input's foundation selector, under which an unknown selector is reported.
const char* const kFoundationSelectorKey = "nFoundationType";

// Number of column spacings greater than 0 in the input's spacing text (0: one column).
int positiveSpacingCount(const CString& spacingText)
{
    CString text = spacingText;
    text.Trim();
    CStringArray items;
    ParseKVExpression(text, items);
    int count = 0;
    for (const auto& item : items)
        if (TextToReal(item) > 0.0) ++count;
    return count;
}

} // namespace

int CPM001Norm::ReceiveData()
{
    ClearOrg();
    ClearDesign();
    PrepareOrg();
    return Set_Goujian() != 0 ? 1 : 0;
}

int CPM001Norm::Set_Goujian()
{
    auto* input = dynamic_cast<CPM001*>(GetUIComponent());
    if (!input) return 0;
    int result = 1;

    // A pier of one column on piles has no tie beams between piles.
    if (m_nFoundationKind == 1 && positiveSpacingCount(input->bBz) == 0) input->m_Pile.fXL_JICHU = 0;

    switch (m_nFoundationKind) {
    case 0:
        if (m_pFootingOrg->SetData(GetID(), &input->m_Footing, nullptr) == 0) result = 0;
        m_bFootingT01 = input->m_Footing.fPJ_JICHU;
        break;
    case 1:
        if (m_pPileOrg->SetData(&input->m_Pile) == 0) result = 0;
        m_bPileTieBeams = m_pPileOrg->fXL_JICHU != 0 ? 1 : 0;
        break;
    case 2:
        if (m_pPileCapOrg->SetData(GetID(), &input->m_PileCap) == 0) result = 0;
        if (input->m_PileCap.PileCapTtype_JICHU >= 0 && input->m_PileCap.PileCapTtype_JICHU <= 2)
            m_nPileCapVariant = input->m_PileCap.PileCapTtype_JICHU;
        if (input->m_PileCap.nLJ_JICHU == 0 || input->m_PileCap.nLJ_JICHU == 1) m_nPileCapJoint = input->m_PileCap.nLJ_JICHU;
        break;
    default:
        // No foundation object exists for an unknown selector: the pier cannot be taken over.
        result = 0;
        break;
    }

    const PierSurroundings around = Surroundings();
    if (m_pOrg->SetData(GetID(), input, &around) == 0) result = 0;
    if (m_nFoundationKind < 0) {
        m_pOrg->BaseType = -1;
        CString message;
        message.Format("“基础类型”选择不正确,只能为0、1或2(当前为%d)", input->nFoundationType);
        QMReportDiagnose(GetID(), kFoundationSelectorKey, "Error",
                         message + "，" + kFoundationSelectorKey + "有错误．", 0, 0, kPartPier);
    }
    m_bPierTieBeams = m_pOrg->fXL != 0 ? 1 : 0;
    m_nColumnShape = m_pOrg->ColumnSectionType != 0 ? 1 : 0;
    m_bStopperPedestal = 1;
    m_pDrawSetting->SetData(input);
    return result;
}

int CPM001Norm::DoDiagnose()
{
    // Without received input there is nothing to check.
    if (!m_pOrg || !m_pDrawSetting || !m_pCalc) return 0;
    int ok = 1;
    const PierSurroundings around = Surroundings();
    if (m_pOrg->DoDiagnose(&around, GetID()) == 0) ok = 0;

    switch (m_nFoundationKind) {
    case 0:
        if (m_pFootingOrg && m_pFootingOrg->DoDiagnose(GetID(), m_pOrg->BaseLayMode == 0 ? 1 : 0, m_pOrg->a) == 0) ok = 0;
        break;
    case 1:
        if (m_pPileOrg && m_pPileOrg->DoDiagnose(GetID(), m_pOrg->zZct, "zZct") == 0) ok = 0;
        break;
    case 2:
        if (m_pPileCapOrg) {
            CArray<double, double> spacings;
            for (double spacing : m_pOrg->bBz) spacings.Add(spacing);
            if (m_pPileCapOrg->DoDiagnose(GetID(), m_pOrg->BaseLayMode == 0 ? 1 : 0, m_pOrg->zZct, "zZct", spacings) == 0)
                ok = 0;
        }
        break;
    default:
        // An unknown foundation selector was reported when the input was received.
        ok = 0;
        break;
    }

    if (m_pDrawSetting->DoDiagnose() == 0) ok = 0;

    if (ok == 1) {
        SetCalCulation_General();
        ok = Set_Calculation();
        if (ok) LoadAdjustData();
    }
    return ok;
}

void CPM001Norm::SetCalCulation_General()
{
    CRoadNorm* road = GetRoadNorm();
    CProjectManager* project = GetProjectManager();
    if (!road || !project || !m_pCalc) return;
    m_pCalc->SetWorkDir(project->GetProjectPath());
    m_pCalc->SetPrjName(project->GetProjectName());
    m_pCalc->SetProjectGeneral(project->GetPaperSetting(), project->GetEnvironment());
    m_pCalc->SetName(road->GetName(), GetName());
    m_pCalc->SetProjectGeneral(project->GetPaperSetting(), project->GetEnvironment());
    m_pCalc->SetRoadGeneral(road->GetRoadGeneral(), road->GetRoadDeck(), road->GetRoadCurve(), road->GetRoadGeology(),
                            road->GetRoadZKHole(), road->GetRoadSoil());
    CString id;
    id.Format("%u", GetID());
    m_pCalc->SetID(id);
}

int CPM001Norm::Set_Calculation()
{
    if (!m_pCalc || !m_pOrg) return 0;
    const PierSurroundings around = Surroundings();
    if (m_pOrg->Get_Cal_OrgData(&m_pCalc->GetPM001Calc_org(), &around) == 0) return 0;
    m_pCalc->SetOrgData();
    if (m_pCalc->DoDiagnose() == 0) return 0;
    m_pCalc->SetDsnData();

    CPM001Load& load = m_pCalc->GetPM001Load_org();
    auto* input = dynamic_cast<CPM001*>(GetUIComponent());
    if (!input) return 0;
    ClearEmptyUIStrings(input);
    // A load text that is not a number has been reported; the calculation cannot be prepared.
    if (m_pOrg->Get_Cal_Load(&load, input) == 0) return 0;

    switch (m_nFoundationKind) {
    case 0: {
        if (!load.PG001Load) load.PG001Load = std::make_unique<CPG001CalcLoad>();
        CPG001CalcLoad& footing = *load.PG001Load;
        footing.Name = GetName();
        CProjectManager* project = GetProjectManager();
        m_pFootingOrg->Get_Cal_OrgLoad(&footing, project ? &project->GetProject()->m_General : nullptr, nullptr,
                                       nullptr);
        footing.ReferenceLevel =
            input->zZct - (KVDataCommon::sum(m_pFootingOrg->hTj_JICHU) + m_pFootingOrg->hKs_JICHU) / 1000.0;
        footing.FoundationValue2 = input->FoundationValue2;
        footing.LoadOption = 0;
        break;
    }
    case 2: {
        if (!load.PG003Load) load.PG003Load = std::make_unique<CPG003CalcLoad>();
        CPG003CalcLoad& cap = *load.PG003Load;
        m_pPileCapOrg->Get_Cal_OrgLoad(&cap);
        cap.FoundationValue2 = input->FoundationValue2;
        cap.ReferenceLevel = input->zZct - m_pPileCapOrg->hT_JICHU / 1000.0;
        break;
    }
    case 1: {
        if (!load.PG002Load) load.PG002Load = std::make_unique<CPG002CalcLoad>();
        CPG002CalcLoad& piles = *load.PG002Load;
        m_pPileOrg->Get_Cal_Load(&piles);
        piles.FoundationValue2 = input->FoundationValue2;
        piles.ReferenceLevel = input->zZct;
        break;
    }
    default:
        return 0;
    }

    if (CProjectManager* project = GetProjectManager()) {
        const CBridgeProject& record = *project->GetProject();
        load.ProjectName = record.m_strProjectName;
        load.SectionName = record.m_strSectionName;
        load.Designer = record.m_strDesigner;
        load.Checker = record.m_strChecker;
        load.Reviewer = record.m_strReviewer;
    }
    return 1;
}

int CPM001Norm::Set_General() { return 1; }

int CPM001Norm::Set_Tongyi()
{
    if (CProjectManager* project = GetProjectManager()) (void)project->GetGraphUnion();
    return 1;
}

void ClearEmptyUIStrings(CPM001* input)
{
    if (!input) return;
    // A load row is blank when its node name and its force are; its label does not keep it. The
    // row then leaves the labels too, so that every label stays with its node.
    CStringArray& names = input->m_NodeName;
    CStringArray& forces = input->m_NodeForce;
    CStringArray& labels = input->m_NodeLabel;
    const auto blank = [](const CStringArray& list, int row) { return row >= list.GetSize() || list[row].IsEmpty(); };
    for (int row = std::max(names.GetSize(), forces.GetSize()) - 1; row >= 0; --row) {
        if (!blank(names, row) || !blank(forces, row)) continue;
        for (CStringArray* list : {&names, &forces, &labels})
            if (row < list->GetSize()) list->RemoveAt(row);
    }
    for (CCalGenLiveLoadSurface* surface : {&input->m_LiveLoadSurface1, &input->m_LiveLoadSurface2})
        for (auto& tables : surface->GetTableGroups()) Clear_Str_Empty(tables);
    if (CCalGenDeckLayout* deck = input->GetDeckLayout())
        for (auto& tables : deck->GetTableGroups()) Clear_Str_Empty(tables);
}
