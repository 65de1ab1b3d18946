// CPM001Norm: the paired creation and release of the origin objects and of the design objects.
#include "module/pier_component.h"

#include "calc/pm001_calc.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "common/component_name.h"
#include "host/cpm001_input.h"
#include "input/pier_origin_data.h"
#include "pier/drawing_options.h"
#include "pier/pier_design_record.h"
#include "pier/stopper_pedestal_atom.h"
#include "siblings/columns.h"
#include "siblings/pile_cap.h"
#include "siblings/pile_column_transition.h"
#include "siblings/pile_foundation.h"
#include "siblings/spread_footing.h"
#include "siblings/tie_beams.h"

void CPM001Norm::ClearOrg()
{
    m_pOrg.reset();
    m_pFootingOrg.reset();
    m_pPileOrg.reset();
    m_pPileCapOrg.reset();
    m_pDrawSetting.reset();
    m_pCalc.reset();
}

void CPM001Norm::PrepareOrg()
{
    // Without an input object of its kind the component keeps its name and gets no foundation.
    const CPM001* input = dynamic_cast<const CPM001*>(GetUIComponent());
    if (input) {
        m_strName = input->GetName();
        KVDataCommon::ParseComponentName(m_strName, m_nNumber);
    }

    m_pOrg = std::make_unique<CPM001org>();

    switch (input ? input->nFoundationType : -1) {
    case 2:
        m_nFoundationKind = 0;
        m_pFootingOrg = std::make_unique<CPG001org>();
        break;
    case 0:
        m_nFoundationKind = 1;
        m_pPileOrg = std::make_unique<CPG002org>();
        break;
    case 1:
        m_nFoundationKind = 2;
        m_pPileCapOrg = std::make_unique<CPG003org>();
        break;
    default:
        // A selector outside 0..2 names no foundation: no kind, no foundation object.
        m_nFoundationKind = -1;
        break;
    }

    m_pDrawSetting = std::make_unique<CPM001DrawSetting>();
    m_pCalc = std::make_unique<CPM001Calc>();
}

void CPM001Norm::ClearDesign()
{
    m_designKeysAwaitAdjustment = false;
    m_designKeyFaults.clear();
    m_designTookHeldSet = false;
    m_pAtom.reset();
    m_pPierTieBeamAtom.reset();
    m_pRectColumnAtom.reset();
    m_pCircleColumnAtom.reset();
    m_pCapBeamAtom.reset();
    m_pStopperPedestalAtom.reset();
    m_pFootingAtom.reset();
    m_pFootingT01Atom.reset();
    m_pPileAtom.reset();
    m_pPileTransitionAtom.reset();
    m_pPileTieBeamAtom.reset();
    m_pPileCapAtom.reset();
    m_pPileCapCT01Atom.reset();
    m_pPileCapCT02Atom.reset();
    m_pPileCapCT03Atom.reset();
    m_pPileCapTransitionAtom.reset();
    m_pPileCapT0103Atom.reset();
}

void CPM001Norm::PrepareDesign()
{
    m_pAtom = std::make_unique<CPM001Atom>();
    if (m_bPierTieBeams == 1) m_pPierTieBeamAtom = std::make_unique<CPG008Atom>();
    if (m_nColumnShape != 0) m_pCircleColumnAtom = std::make_unique<CPC001T01ZD02Atom>();
    else m_pRectColumnAtom = std::make_unique<CPC001T01ZD01Atom>();
    m_pCapBeamAtom = std::make_unique<CPM001T0101Atom>();
    if (m_bStopperPedestal == 1) m_pStopperPedestalAtom = std::make_unique<CPM001DS01Atom>();

    switch (m_nFoundationKind) {
    case 0:
        m_pFootingAtom = std::make_unique<CPG001Atom>();
        if (m_bFootingT01 == 1) m_pFootingT01Atom = std::make_unique<CPG001T01Atom>();
        break;
    case 1:
        m_pPileAtom = std::make_unique<CPG002Atom>();
        m_pPileTransitionAtom = std::make_unique<CPG005Atom>();
        if (m_bPileTieBeams == 1) m_pPileTieBeamAtom = std::make_unique<CPG008Atom>();
        break;
    case 2:
        m_pPileCapAtom = std::make_unique<CPG003Atom>();
        switch (m_nPileCapVariant) {
        case 0: m_pPileCapCT01Atom = std::make_unique<CPG003CT01Atom>(); break;
        case 1: m_pPileCapCT02Atom = std::make_unique<CPG003CT02Atom>(); break;
        case 2: m_pPileCapCT03Atom = std::make_unique<CPG003CT03Atom>(); break;
        default: break;
        }
        switch (m_nPileCapJoint) {
        case 0: m_pPileCapTransitionAtom = std::make_unique<CPG005Atom>(); break;
        case 1: m_pPileCapT0103Atom = std::make_unique<CPG003T0103Atom>(); break;
        default: break;
        }
        break;
    default:
        break;
    }
}
