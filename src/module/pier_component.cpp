// CPM001Norm: creation, registration with the host, initial update and release of everything it owns.
#include "module/pier_component.h"

#include "calc/pm001_calc.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "host/cpm001_input.h"
#include "host/project_manager.h"
#include "host/register_p2.h"
#include "host/road_norm.h"
#include "input/pier_origin_data.h"
#include "pier/alignment_record.h"
#include "pier/drawing_options.h"
#include "pier/pier_design_record.h"
#include "pier/stopper_pedestal_atom.h"
#include "siblings/columns.h"
#include "siblings/pile_cap.h"
#include "siblings/pile_column_transition.h"
#include "siblings/pile_foundation.h"
#include "siblings/spread_footing.h"
#include "siblings/tie_beams.h"

#include <cstdint>

IMPLEMENT_DYNCREATE(CPM001Norm, CComponentNorm)

namespace {

constexpr int kComponentType = 0x4035;     // 16437: piers
constexpr int kComponentCode = 0x100015;   // 1048597: pier with a cap beam

} // namespace

CPM001Norm::CPM001Norm() = default;

PierSurroundings CPM001Norm::Surroundings() const
{
    PierSurroundings around;
    around.nFoundationKind = m_nFoundationKind;
    around.pFootingOrg = m_pFootingOrg.get();
    around.pPileOrg = m_pPileOrg.get();
    around.pPileCapOrg = m_pPileCapOrg.get();
    around.pPileCapAtom = m_pPileCapAtom.get();
    around.nPileCapVariant = m_nPileCapVariant;
    around.nPileCapJoint = m_nPileCapJoint;
    around.pRoad = GetRoadNorm();
    around.nLabel = GetLabel();
    around.pProjectManager = GetProjectManager();
    around.pInput = dynamic_cast<const CPM001*>(GetUIComponent());
    return around;
}

CPM001Norm::~CPM001Norm()
{
    ClearDesign();   // the design objects first, in their release order
    m_pDrawSetting.reset();
    m_pOrg.reset();
    m_pFootingOrg.reset();
    m_pPileOrg.reset();
    m_pPileCapOrg.reset();
    m_pCalc.reset();
    m_pAlignData.reset();
    // m_pDrawSet belongs to the drawing operation that hooked it in.
}

void CPM001Norm::Regist() { RegisterP2(kComponentType, kComponentCode, RUNTIME_CLASS(CPM001Norm)); }

int CPM001Norm::FuncNothing(int a, int b, int c, int d, int e)
{
    // 32-bit sums that wrap around, computed without signed overflow.
    auto wrap32 = [](std::int64_t v) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(v)); };
    const std::int32_t left = wrap32(std::int64_t{a} + b + c);
    const std::int32_t right = wrap32(std::int64_t{d} + e);
    return left > right ? 1 : 0;
}

void CPM001Norm::InitialUpdate()
{
    // A repeated call replaces the earlier calculation object rather than losing it.
    m_pCalc.reset();
    m_pCalc = std::make_unique<CPM001Calc>();

    CProjectManager* manager = GetProjectManager();
    CRoadNorm* road = GetRoadNorm();
    if (!manager || !road) return;

    m_pCalc->SetWorkDir(manager->GetProjectPath());
    m_pCalc->SetPrjName(manager->GetProjectName());
    CString id;
    id.Format("%u", GetID());
    m_pCalc->SetID(id);
    m_pCalc->SetName(road->GetName(), GetName());
    m_pCalc->SetProjectGeneral(manager->GetPaperSetting(), manager->GetEnvironment());
    m_pCalc->SetRoadGeneral(road->GetRoadGeneral(), road->GetRoadDeck(), road->GetRoadCurve(),
                            road->GetRoadGeology(), road->GetRoadZKHole(), road->GetRoadSoil());
}

void CPM001Norm::DignoseRelation() {}
void CPM001Norm::SetAdjustDataUsable(int) {}
void CPM001Norm::SerializeCalculData(CArchive&) {}
int CPM001Norm::GetAdjustDataUsable() { return 0; }
