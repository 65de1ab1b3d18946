// Test helpers: which of a component's owned members are held, and the release journal as names.
#include "module/owned_objects.h"

#include "calc/pm001_calc.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "host/live_count.h"
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

#include <map>
#include <typeindex>

std::set<std::string> HeldMembers(const CPM001Norm& c)
{
    const std::pair<const char*, bool> members[] = {
        {"m_pAtom", c.m_pAtom != nullptr},
        {"m_pPierTieBeamAtom", c.m_pPierTieBeamAtom != nullptr},
        {"m_pRectColumnAtom", c.m_pRectColumnAtom != nullptr},
        {"m_pCircleColumnAtom", c.m_pCircleColumnAtom != nullptr},
        {"m_pCapBeamAtom", c.m_pCapBeamAtom != nullptr},
        {"m_pStopperPedestalAtom", c.m_pStopperPedestalAtom != nullptr},
        {"m_pFootingAtom", c.m_pFootingAtom != nullptr},
        {"m_pFootingT01Atom", c.m_pFootingT01Atom != nullptr},
        {"m_pPileAtom", c.m_pPileAtom != nullptr},
        {"m_pPileTransitionAtom", c.m_pPileTransitionAtom != nullptr},
        {"m_pPileTieBeamAtom", c.m_pPileTieBeamAtom != nullptr},
        {"m_pPileCapAtom", c.m_pPileCapAtom != nullptr},
        {"m_pPileCapCT01Atom", c.m_pPileCapCT01Atom != nullptr},
        {"m_pPileCapCT02Atom", c.m_pPileCapCT02Atom != nullptr},
        {"m_pPileCapCT03Atom", c.m_pPileCapCT03Atom != nullptr},
        {"m_pPileCapTransitionAtom", c.m_pPileCapTransitionAtom != nullptr},
        {"m_pPileCapT0103Atom", c.m_pPileCapT0103Atom != nullptr},
        {"m_pDrawSetting", c.m_pDrawSetting != nullptr},
        {"m_pDrawSet", c.m_pDrawSet != nullptr},
        {"m_pAlignData", c.m_pAlignData != nullptr},
        {"m_pOrg", c.m_pOrg != nullptr},
        {"m_pFootingOrg", c.m_pFootingOrg != nullptr},
        {"m_pPileOrg", c.m_pPileOrg != nullptr},
        {"m_pPileCapOrg", c.m_pPileCapOrg != nullptr},
        {"m_pCalc", c.m_pCalc != nullptr},
    };
    std::set<std::string> held;
    for (const auto& [name, present] : members)
        if (present) held.insert(name);
    return held;
}

std::vector<std::string> ReleasedClasses()
{
    static const std::map<std::type_index, std::string> names = {
        {typeid(CPM001Atom), "CPM001Atom"},
        {typeid(CPM001T0101Atom), "CPM001T0101Atom"},
        {typeid(CPM001DS01Atom), "CPM001DS01Atom"},
        {typeid(CPM001DrawSetting), "CPM001DrawSetting"},
        {typeid(CPM001org), "CPM001org"},
        {typeid(CAlignDataPM001), "CAlignDataPM001"},
        {typeid(CPG001org), "CPG001org"},
        {typeid(CPG001Atom), "CPG001Atom"},
        {typeid(CPG001T01Atom), "CPG001T01Atom"},
        {typeid(CPG002org), "CPG002org"},
        {typeid(CPG002Atom), "CPG002Atom"},
        {typeid(CPG003org), "CPG003org"},
        {typeid(CPG003Atom), "CPG003Atom"},
        {typeid(CPG003CT01Atom), "CPG003CT01Atom"},
        {typeid(CPG003CT02Atom), "CPG003CT02Atom"},
        {typeid(CPG003CT03Atom), "CPG003CT03Atom"},
        {typeid(CPG003T0103Atom), "CPG003T0103Atom"},
        {typeid(CPG005Atom), "CPG005Atom"},
        {typeid(CPG008Atom), "CPG008Atom"},
        {typeid(CPC001T01ZD01Atom), "CPC001T01ZD01Atom"},
        {typeid(CPC001T01ZD02Atom), "CPC001T01ZD02Atom"},
    };
    std::vector<std::string> released;
    for (const std::type_index& type : ReleaseJournal::Entries()) {
        const auto found = names.find(type);
        released.push_back(found == names.end() ? std::string("?") + type.name() : found->second);
    }
    return released;
}

void FillEveryMember(CPM001Norm& c)
{
    c.m_pAtom = std::make_unique<CPM001Atom>();
    c.m_pPierTieBeamAtom = std::make_unique<CPG008Atom>();
    c.m_pRectColumnAtom = std::make_unique<CPC001T01ZD01Atom>();
    c.m_pCircleColumnAtom = std::make_unique<CPC001T01ZD02Atom>();
    c.m_pCapBeamAtom = std::make_unique<CPM001T0101Atom>();
    c.m_pStopperPedestalAtom = std::make_unique<CPM001DS01Atom>();
    c.m_pFootingAtom = std::make_unique<CPG001Atom>();
    c.m_pFootingT01Atom = std::make_unique<CPG001T01Atom>();
    c.m_pPileAtom = std::make_unique<CPG002Atom>();
    c.m_pPileTransitionAtom = std::make_unique<CPG005Atom>();
    c.m_pPileTieBeamAtom = std::make_unique<CPG008Atom>();
    c.m_pPileCapAtom = std::make_unique<CPG003Atom>();
    c.m_pPileCapCT01Atom = std::make_unique<CPG003CT01Atom>();
    c.m_pPileCapCT02Atom = std::make_unique<CPG003CT02Atom>();
    c.m_pPileCapCT03Atom = std::make_unique<CPG003CT03Atom>();
    c.m_pPileCapTransitionAtom = std::make_unique<CPG005Atom>();
    c.m_pPileCapT0103Atom = std::make_unique<CPG003T0103Atom>();
    c.m_pDrawSetting = std::make_unique<CPM001DrawSetting>();
    c.m_pAlignData = std::make_unique<CAlignDataPM001>();
    c.m_pOrg = std::make_unique<CPM001org>();
    c.m_pFootingOrg = std::make_unique<CPG001org>();
    c.m_pPileOrg = std::make_unique<CPG002org>();
    c.m_pPileCapOrg = std::make_unique<CPG003org>();
    c.m_pCalc = std::make_unique<CPM001Calc>();
}
