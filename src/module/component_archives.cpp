// The component's three data sets: origin data, design data and adjustment data, each walked in
// one fixed field order in both directions.
#include "module/pier_component.h"

#include "calc/pm001_calc.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "input/pier_origin_data.h"
#include "mfc/carchive.h"
#include "pier/drawing_options.h"
#include "pier/pier_design_record.h"
#include "pier/stopper_pedestal_atom.h"
#include "siblings/columns.h"
#include "siblings/pile_cap.h"
#include "siblings/pile_column_transition.h"
#include "siblings/pile_foundation.h"
#include "siblings/spread_footing.h"
#include "siblings/tie_beams.h"

namespace {

// Stores the object, or the form of a default object of its type when there is none, so that a
// data set keeps its layout (and loads back to an empty object) whatever was designed.
template <class T, class Store>
void storeOrDefault(std::unique_ptr<T>& object, Store store)
{
    if (object) {
        store(*object);
    } else {
        T empty;
        store(empty);
    }
}

// Loading: a new object is made and reads itself; the member holds it only once it was read whole,
// so a damaged set leaves no half-read object behind.
template <class T, class Load>
void loadInto(std::unique_ptr<T>& member, Load load)
{
    auto fresh = std::make_unique<T>();
    load(*fresh);
    member = std::move(fresh);
}

// One object of a data set in the archive's direction, named while it is read: a damaged set
// names the object whose bytes did not fit.
template <class T, class Walk>
void walk(CArchive& ar, const char* name, std::unique_ptr<T>& member, Walk step)
{
    const CArchive::Record record(ar, name, CArchive::Record::object);
    if (ar.IsStoring()) storeOrDefault(member, step);
    else loadInto(member, step);
}

template <class T>
void walkDesign(CArchive& ar, const char* name, std::unique_ptr<T>& member)
{
    walk(ar, name, member, [&](T& object) { object.SerializeDesignData(ar); });
}

// One part of the calculation object: the existing object reads its part in place (a component
// without one gets one); storing without one writes a default object's part and creates nothing.
template <class Part>
void walkCalc(CArchive& ar, const char* name, std::unique_ptr<CPM001Calc>& calc, Part part)
{
    const CArchive::Record record(ar, name, CArchive::Record::object);
    if (ar.IsStoring()) {
        storeOrDefault(calc, part);
        return;
    }
    if (!calc) calc = std::make_unique<CPM001Calc>();
    part(*calc);
}

constexpr const char* kPierOrigin = "the pier's origin data";
constexpr const char* kFootingOrigin = "the spread footing's origin data";
constexpr const char* kPileOrigin = "the piles' origin data";
constexpr const char* kPileCapOrigin = "the pile cap's origin data";
constexpr const char* kCalcOrigin = "the calculation engine's origin part";
constexpr const char* kDrawingOptions = "the drawing options";

} // namespace

void CPM001Norm::SerializeOriginData(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_strName << m_nNumber;
        walk(ar, kPierOrigin, m_pOrg, [&](CPM001org& org) { org.SerializeOriginData(ar); });
        ar << m_bPierTieBeams << m_nColumnShape << m_bStopperPedestal << m_nFoundationKind;
        switch (m_nFoundationKind) {
        case 0:
            walk(ar, kFootingOrigin, m_pFootingOrg, [&](CPG001org& org) { org.SerializeOriginData(ar); });
            ar << m_bFootingT01;
            break;
        case 1:
            walk(ar, kPileOrigin, m_pPileOrg, [&](CPG002org& org) { org.SerializeOriginData(ar); });
            ar << m_bPileTieBeams;
            break;
        case 2:
            walk(ar, kPileCapOrigin, m_pPileCapOrg, [&](CPG003org& org) { org.SerializeOriginData(ar); });
            ar << m_nPileCapVariant << m_nPileCapJoint;
            break;
        default:
            break;
        }
        walk(ar, kCalcOrigin, m_pCalc, [&](CPM001Calc& calc) { calc.SerializeOrg(ar); });
        walk(ar, kDrawingOptions, m_pDrawSetting, [&](CPM001DrawSetting& drawing) { drawing.SerializeOriginData(ar); });
        return;
    }

    // Loading replaces the origin objects, and the design objects made under earlier origin data no
    // longer fit: all of them are released first, then each is created just before it reads itself.
    // The calculation object stays; it takes the stored origin part.
    ClearDesign();
    m_pOrg.reset();
    m_pFootingOrg.reset();
    m_pPileOrg.reset();
    m_pPileCapOrg.reset();
    m_pDrawSetting.reset();

    CString name;
    int number = 0;
    ar >> name >> number;
    m_strName = name;
    m_nNumber = number;
    walk(ar, kPierOrigin, m_pOrg, [&](CPM001org& org) { org.SerializeOriginData(ar); });
    ar >> m_bPierTieBeams >> m_nColumnShape >> m_bStopperPedestal >> m_nFoundationKind;
    switch (m_nFoundationKind) {
    case 0:
        walk(ar, kFootingOrigin, m_pFootingOrg, [&](CPG001org& org) { org.SerializeOriginData(ar); });
        ar >> m_bFootingT01;
        break;
    case 1:
        walk(ar, kPileOrigin, m_pPileOrg, [&](CPG002org& org) { org.SerializeOriginData(ar); });
        ar >> m_bPileTieBeams;
        break;
    case 2:
        walk(ar, kPileCapOrigin, m_pPileCapOrg, [&](CPG003org& org) { org.SerializeOriginData(ar); });
        ar >> m_nPileCapVariant >> m_nPileCapJoint;
        break;
    default:
        break;
    }
    // The calculation object is the one InitialUpdate made; a component without one gets one here.
    if (!m_pCalc) m_pCalc = std::make_unique<CPM001Calc>();
    SetCalCulation_General();
    {
        const CArchive::Record record(ar, kCalcOrigin, CArchive::Record::object);
        m_pCalc->SerializeOrg(ar);
    }
    walk(ar, kDrawingOptions, m_pDrawSetting, [&](CPM001DrawSetting& drawing) { drawing.SerializeOriginData(ar); });
}

void CPM001Norm::SerializeDesignData(CArchive& ar)
{
    if (ar.IsLoading()) ClearDesign();
    walkDesign(ar, "the pier's design record", m_pAtom);
    walkDesign(ar, "the cap beam's design", m_pCapBeamAtom);
    // A missing cap beam is stored in its default form, whose PMorPT is 0: the set ends there.
    // A loaded design is judged as a designed one is, once the set is read: the key set it was
    // made with, the densified stirrup counts at its outer support lines, then its results.
    if (!m_pCapBeamAtom || m_pCapBeamAtom->PMorPT == 0) {
        if (ar.IsLoading()) CheckDesignResults();
        return;
    }

    if (m_bPierTieBeams == 1) walkDesign(ar, "the columns' tie beams' design", m_pPierTieBeamAtom);
    if (m_nColumnShape != 0) walkDesign(ar, "the circular columns' design", m_pCircleColumnAtom);
    else walkDesign(ar, "the rectangular columns' design", m_pRectColumnAtom);
    if (m_bStopperPedestal == 1) walkDesign(ar, "the stoppers' and pedestals' design", m_pStopperPedestalAtom);
    switch (m_nFoundationKind) {
    case 0:
        walkDesign(ar, "the spread footing's design", m_pFootingAtom);
        if (m_bFootingT01 == 1) walkDesign(ar, "the spread footing's bottom mesh", m_pFootingT01Atom);
        break;
    case 1:
        walkDesign(ar, "the piles' design", m_pPileAtom);
        walkDesign(ar, "the column-to-pile transitions' design", m_pPileTransitionAtom);
        if (m_bPileTieBeams == 1) walkDesign(ar, "the piles' tie beams' design", m_pPileTieBeamAtom);
        break;
    case 2:
        walkDesign(ar, "the pile cap's design", m_pPileCapAtom);
        if (m_nPileCapVariant == 0) walkDesign(ar, "the rectangular pile-cap body's mesh", m_pPileCapCT01Atom);
        else if (m_nPileCapVariant == 1) walkDesign(ar, "the round-ended pile-cap body's mesh", m_pPileCapCT02Atom);
        else if (m_nPileCapVariant == 2) walkDesign(ar, "the pile-cap body of the third form", m_pPileCapCT03Atom);
        if (m_nPileCapJoint == 0)
            walkDesign(ar, "the column-to-pile-cap transition's design", m_pPileCapTransitionAtom);
        else if (m_nPileCapJoint == 1) walkDesign(ar, "the pile cap's column joint", m_pPileCapT0103Atom);
        break;
    default:
        break;
    }
    walkCalc(ar, "the calculation engine's design part", m_pCalc,
             [&](CPM001Calc& calc) { calc.SerializeDesign(ar); });
    if (!ar.IsLoading()) return;
    // A design stored without its key record names no set: the adjustment data, loaded next,
    // tell whether it took their set, and the design is judged once they are in.
    m_designKeysAwaitAdjustment = !DesignKeyRecord();
    if (m_designKeysAwaitAdjustment) return;
    CheckDesignedKeyParamsFitCap();
    CheckDesignResults();
}

void CPM001Norm::SerializeAdjustData(CArchive& ar)
{
    walkCalc(ar, "the calculation engine's adjustment part", m_pCalc,
             [&](CPM001Calc& calc) { calc.SerializeAdjust(ar); });
    if (!ar.IsLoading()) return;
    if (m_designKeysAwaitAdjustment) {
        m_designKeysAwaitAdjustment = false;
        CheckDesignedKeyParamsFitCap();
        CheckDesignResults();
    }
    CheckUserKeyParamsFitCap();
}
