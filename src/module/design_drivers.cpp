// The design drivers: the engine designs the pier, its key parameters go to the pier record, the
// cap beam and the sibling modules' design objects in a fixed order; then the output collection
// and the component's small answers to the host.
#include "module/pier_component.h"

#include "calc/pm001_calc.h"
#include "calc/key_param_bounds.h"
#include "calc/key_param_json.h"
#include "calc/pm001_key_param.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "capbeam/bars_within_beam_check.h"
#include "capbeam/cap_beam_key_fit.h"
#include "capbeam/design_key_values.h"
#include "capbeam/design_result_check.h"
#include "capbeam/stirrup_counts_check.h"
#include "host/cpm001_input.h"
#include "host/project_manager.h"
#include "host/report.h"
#include "input/pier_origin_data.h"
#include "module/handover_records.h"
#include "pier/gz_pm001_atom.h"
#include "pier/pier_design_record.h"
#include "pier/stopper_pedestal_atom.h"
#include "siblings/columns.h"
#include "siblings/pile_cap.h"
#include "siblings/pile_column_transition.h"
#include "siblings/pile_foundation.h"
#include "siblings/spread_footing.h"
#include "siblings/tie_beams.h"
#include "tendon/design_object.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Two cap key sets alike in every key, as their JSON forms are; a set the form cannot hold (a real
// that is not finite) is alike to none.
bool SameKeyValues(const CPM001_CapKeyParam& a, const CPM001_CapKeyParam& b)
{
    CPM001KeyParam first, second;
    first.CapKeyParam = a;
    second.CapKeyParam = b;
    std::string textA, textB, error;
    return WriteKeyParamJson(first, textA, error) && WriteKeyParamJson(second, textB, error) && textA == textB;
}

} // namespace

int CPM001Norm::DoDesign()
{
    ClearDesign();
    PrepareDesign();
    if (!m_pCalc || !m_pOrg) return 0;
    m_pCalc->DoDesign();
    if (CProjectManager* project = GetProjectManager())
        m_pCalc->SetTestData(project->GetTestFlag(), project->GetKeyParamFullPath(GetID()));
    CPM001KeyParam kp;
    if (m_pCalc->GetDesignData(kp) == 0) return 0;
    return DesignItemArray(kp);
}

int CPM001Norm::Redesign()
{
    CProjectManager* project = GetProjectManager();
    if (project && project->GetTestFlag()) return 1;
    ClearDesign();
    PrepareDesign();
    if (!m_pCalc || !m_pOrg) return 0;
    CPM001KeyParam kp;
    if (m_pCalc->GetUserDesignData(kp) == 0) return 0;
    return DesignItemArray(kp);
}

int CPM001Norm::DoMasterDesign()
{
    if (CProjectManager* project = GetProjectManager()) (void)project->GetDesignUnion();
    return 1;
}

int CPM001Norm::DesignItemArray(CPM001KeyParam& kp)
{
    const int designed = FillDesignObjects(kp);
    if (designed) CheckDesignResults();
    return designed;
}

void CPM001Norm::CheckDesignResults() const
{
    if (!m_pAtom || !m_pCapBeamAtom) return;
    // The published values judged as they are written, none of them kept.
    PublishedValuesCheck check;
    OutputDataMap published([&check](std::string_view head, std::string_view tail, const CBGOutputData& record) {
        check.Judge(head, tail, record);
    });
    m_pAtom->OutPM001AtomData(published);
    m_pCapBeamAtom->OutPM001AtomData(published);
    check.Report();
    CheckBarsWithinBeam(*m_pCapBeamAtom);
}

void CPM001Norm::CheckKeyParamsFitCap(const CPM001KeyParam& kp, const std::string& set) const
{
    // A cap of no design is judged by nothing.
    if (!m_pCapBeamAtom || m_pCapBeamAtom->PMorPT == 0) return;
    const CPM001T0101Atom& cap = *m_pCapBeamAtom;
    ReportKeysNotFittingCapBeam(cap, kp.CapKeyParam, set);
    // The tendons' control points, as the tendon design judges them, in the stored tendon design's
    // beam.
    const CPM001T010401Atom* tendons = cap.st.pTendonAtom;
    if (cap.JGType == 0 || !tendons || kp.CapKeyParam.SteelAr.GetSize() == 0) return;
    tendons->ReportNodesNotFitting(kp.CapKeyParam.SteelAr, set);
}

const CPM001DesignKeyRecord* CPM001Norm::DesignKeyRecord() const
{
    return m_pCalc ? m_pCalc->GetDesignKeyRecord() : nullptr;
}

bool CPM001Norm::CapTendonsLaid() const
{
    return m_pCapBeamAtom && m_pCapBeamAtom->JGType != 0 && m_pCapBeamAtom->st.pTendonAtom;
}

bool CPM001Norm::DesignCarries(const CPM001KeyParam& given, const CPM001DesignKeyRecord& record) const
{
    return m_pCapBeamAtom && m_pCapBeamAtom->PMorPT != 0 &&
           SameKeyValues(CapKeyValuesAsStored(given.CapKeyParam, CapTendonsLaid()),
                         CapKeyValuesOfDesign(*m_pCapBeamAtom, &record));
}

std::string CPM001Norm::TakeKeysOfUnrecordedSet(CPM001KeyParam& kp)
{
    std::string name;
    const auto take = [&](const CPM001KeyParam& given, CPM001DesignKeyRecord::SetTaken taken) {
        const CPM001DesignKeyRecord record = CPM001DesignKeyRecord::Of(given, taken);
        if (!DesignCarries(given, record)) return false;
        kp.CapKeyParam = CapKeyValuesOfDesign(*m_pCapBeamAtom, &record);
        name = record.SetName();
        return true;
    };
    // A redesign takes the user-adjusted set whenever one is held: a held set the design carries
    // is the one it took.
    if (const CPM001KeyParam* adjusted = m_pCalc ? m_pCalc->HeldUserDesignData() : nullptr;
        adjusted && take(*adjusted, CPM001DesignKeyRecord::kUserAdjusted)) {
        m_designTookHeldSet = true;
        return name;
    }
    const std::string designed = CPM001DesignKeyRecord{}.SetName();
    // The project's key parameters held in the design part, not a file it names: a load reads no
    // file, and a file read now may no longer be the one the design took.
    if (m_pCalc && m_pCalc->GetKeyParamPath().IsEmpty() && !m_pCalc->GetKeyParamText().IsEmpty()) {
        CPM001KeyParam held;
        std::string unread;
        if (ReadKeyParamJson(m_pCalc->GetKeyParamText().str(), designed, held, unread) &&
            take(held, CPM001DesignKeyRecord::kDesigned))
            return designed;
    }
    QMReportWarning(CString((designed + ": cap.KeyLen1, cap.KeyLen2, cap.FrameName and cap.FrameAr are not judged: "
                                        "the design was stored without them, and the component holds no set of key "
                                        "parameters the design was made with")
                                .c_str()),
                    0);
    return designed;
}

namespace {

// What a judge reports, taken out of the report log before it reaches the host; the log is left
// as it was.
template <class Judge>
std::vector<ReportEntry> ReportsOfJudge(Judge judge)
{
    ReportLog& log = ReportLog::Current();
    std::vector<ReportEntry> before = log.Take();
    try {
        judge();
    } catch (...) {
        log.PutBack(std::move(before));
        throw;
    }
    std::vector<ReportEntry> made = log.Take();
    log.PutBack(std::move(before));
    return made;
}

} // namespace

void CPM001Norm::CheckDesignedKeyParamsFitCap()
{
    // The stored design is judged by what it holds and nothing around it: the key values its
    // records carry, under the name of the set it took.
    m_designKeyFaults.clear();
    m_designTookHeldSet = false;
    if (!m_pCapBeamAtom || m_pCapBeamAtom->PMorPT == 0) return;
    const CPM001DesignKeyRecord* record = DesignKeyRecord();
    CPM001KeyParam kp;
    kp.CapKeyParam = CapKeyValuesOfDesign(*m_pCapBeamAtom, record);
    const std::string set = record ? std::string(record->SetName()) : TakeKeysOfUnrecordedSet(kp);
    for (ReportEntry& fault : ReportsOfJudge([&] {
             // Lists longer than any cap holds cannot have been designed here; they are named, not
             // walked.
             if (const std::string overlong = FindOverlongKeyList(kp, set); !overlong.empty())
                 QMReportError(CString(overlong.c_str()), 0);
             else
                 CheckKeyParamsFitCap(kp, set);
             ReportOverfullCantilevers(*m_pCapBeamAtom, set);
         })) {
        m_designKeyFaults.push_back(fault.message);
        ReportLog::Current().Add(std::move(fault));
    }
}

void CPM001Norm::CheckUserKeyParamsFitCap()
{
    // A set outside its bounds has been reported as it loaded.
    const CPM001KeyParam* kp = m_pCalc ? m_pCalc->HeldUserDesignData() : nullptr;
    if (!kp || m_designTookHeldSet) return;
    // The set a stored redesign took, still held as it took it, has been judged with the design.
    const CPM001DesignKeyRecord* record = DesignKeyRecord();
    if (record && record->set == CPM001DesignKeyRecord::kUserAdjusted && DesignCarries(*kp, *record)) return;
    // Where the stored design keeps less than the set (a tendon design that stopped lays no bars
    // along its tendons), the set is judged whole, and the faults its design has named are not
    // named again.
    for (ReportEntry& fault : ReportsOfJudge([&] { CheckKeyParamsFitCap(*kp, "user-adjusted key parameters"); }))
        if (std::find(m_designKeyFaults.begin(), m_designKeyFaults.end(), fault.message) == m_designKeyFaults.end())
            ReportLog::Current().Add(std::move(fault));
}

int CPM001Norm::FillDesignObjects(CPM001KeyParam& kp)
{
    if (m_pAtom->SetData(m_pOrg.get()) == 0) return 0;
    {
        auto gz = std::make_unique<GZ_PM001Atom>();
        SetGZ_PM001_Data(gz.get());
        if (m_pCapBeamAtom->SetData(gz.get(), &kp.CapKeyParam) == 0) return 0;
    }
    if (m_pCapBeamAtom->PMorPT == 0) return 1;

    if (m_bPierTieBeams == 1 && m_pPierTieBeamAtom) {
        GZ_GENERAL_PG008 gz;
        SetGZ_GENERAL_PG008_Data(&gz, 0);
        m_pPierTieBeamAtom->SetData(&gz, &kp.TieBeamKeyParam);
    }
    if (m_nColumnShape != 0) {
        PC001T01ZD02_General gz;
        SetPC001T01ZD02_General_Data(&gz);
        if (m_pCircleColumnAtom) m_pCircleColumnAtom->SetData(&gz, &kp.CircleColumnKeyParam);
    } else {
        PC001T01ZD01_General gz;
        SetPC001T01ZD01_General_Data(&gz);
        if (m_pRectColumnAtom) m_pRectColumnAtom->SetData(&gz, &kp.RectColumnKeyParam);
    }
    if (m_bStopperPedestal && m_pStopperPedestalAtom) {
        GZ_GENERAL_PG006 gz;
        Set_gz_General_PG006(&gz);
        if (m_pStopperPedestalAtom->SetData(m_pAtom.get(), &gz, &kp.StopperPedestalKeyParam) == 0) return 0;
    }

    switch (m_nFoundationKind) {
    case 0: {
        if (!m_pFootingAtom || !m_pFootingOrg) return 0;
        GZ_GENERAL_PG001 gz;
        SetGZ_GENERAL_PG001_Data(&gz);
        m_pFootingAtom->SetData(m_pFootingOrg.get(), &gz);
        if (m_bFootingT01 == 1 && m_pFootingT01Atom &&
            m_pFootingT01Atom->SetData(m_pFootingAtom.get(), &kp.FootingKeyParam) == 0)
            return 0;
        break;
    }
    case 1: {
        if (!m_pPileAtom || !m_pPileOrg || !m_pPileTransitionAtom) return 0;
        CArray<double, double> spacings;
        for (double spacing : m_pAtom->bBz) spacings.Add(spacing);
        m_pPileAtom->SetData(m_pPileOrg.get(), m_pAtom->zZct, spacings);
        GZ_GENERAL_PG005 gz;
        Set_gz_General_PG005(&gz);
        if (m_pPileTransitionAtom->SetData(&gz, &kp.PileFoundationKeyParam.TransitionKeyParam) == 0) return 0;
        if (m_bPileTieBeams == 1 && m_pPileTieBeamAtom) {
            GZ_GENERAL_PG008 tie;
            SetGZ_GENERAL_PG008_Data(&tie, 1);
            m_pPileTieBeamAtom->SetData(&tie, &kp.PileFoundationKeyParam.TieBeamKeyParam);
        }
        break;
    }
    case 2: {
        if (!m_pPileCapAtom || !m_pPileCapOrg) return 0;
        GZ_GENERAL_PG003 gz;
        SetGZ_GENERAL_PG003_Data(&gz);
        m_pPileCapAtom->SetData(m_pPileCapOrg.get(), &gz);
        if (m_nPileCapVariant == 0 &&
            m_pPileCapCT01Atom->SetData(m_pPileCapAtom.get(), &kp.PileCapKeyParam.RectKeyParam) == 0)
            return 0;
        if (m_nPileCapVariant == 1 &&
            m_pPileCapCT02Atom->SetData(m_pPileCapAtom.get(), &kp.PileCapKeyParam.ArcKeyParam) == 0)
            return 0;
        if (m_nPileCapJoint == 0) {
            GZ_GENERAL_PG005 joint;
            Set_gz_General_PG0051(&joint);
            if (m_pPileCapTransitionAtom->SetData(&joint, &kp.PileCapKeyParam.TransitionKeyParam) == 0) return 0;
        } else if (m_nPileCapJoint == 1 &&
                   m_pPileCapT0103Atom->SetData(m_pPileCapAtom.get(), &kp.PileCapKeyParam.JointKeyParam) == 0) {
            return 0;
        }
        break;
    }
    default:
        // No foundation object exists for an unknown foundation selector.
        return 0;
    }
    return 1;
}

void CPM001Norm::OutputData(OutputDataMap& outputs)
{
    // Before a design or a load there is nothing to output; a missing object is skipped.
    if (m_pAtom) m_pAtom->OutPM001AtomData(outputs);
    if (!m_pCapBeamAtom) return;
    m_pCapBeamAtom->OutPM001AtomData(outputs);
    if (m_pCapBeamAtom->PMorPT == 0) return;

    if (m_bPierTieBeams == 1 && m_pPierTieBeamAtom) m_pPierTieBeamAtom->shuchu_Data(outputs);
    if (m_nColumnShape != 0) {
        if (m_pCircleColumnAtom) m_pCircleColumnAtom->shuchu_Data(outputs);
    } else if (m_pRectColumnAtom) {
        m_pRectColumnAtom->shuchu_Data(outputs);
    }
    if (m_bStopperPedestal == 1 && m_pStopperPedestalAtom) m_pStopperPedestalAtom->OutData(outputs);
    switch (m_nFoundationKind) {
    case 0:
        if (m_pFootingAtom) m_pFootingAtom->shuchu_Data(outputs);
        if (m_bFootingT01 == 1 && m_pFootingT01Atom) m_pFootingT01Atom->shuchu_Data(outputs);
        break;
    case 1:
        if (m_pPileAtom) m_pPileAtom->shuchu_Data(outputs);
        if (m_pPileTransitionAtom) m_pPileTransitionAtom->shuchu_Data(outputs);
        if (m_bPileTieBeams == 1 && m_pPileTieBeamAtom) m_pPileTieBeamAtom->shuchu_Data(outputs);
        break;
    case 2:
        if (m_pPileCapAtom) m_pPileCapAtom->shuchu_Data(outputs);
        if (m_nPileCapVariant == 0 && m_pPileCapCT01Atom) m_pPileCapCT01Atom->shuchu_Data(outputs);
        if (m_nPileCapVariant == 1 && m_pPileCapCT02Atom) m_pPileCapCT02Atom->shuchu_Data(outputs);
        if (m_nPileCapVariant == 2 && m_pPileCapCT03Atom) m_pPileCapCT03Atom->shuchu_Data(outputs);
        if (m_nPileCapJoint == 0 && m_pPileCapTransitionAtom) m_pPileCapTransitionAtom->shuchu_Data(outputs);
        if (m_nPileCapJoint == 1 && m_pPileCapT0103Atom) m_pPileCapT0103Atom->shuchu_Data(outputs);
        break;
    default:
        break;
    }
}

int CPM001Norm::IsCalculated()
{
    const auto* input = dynamic_cast<const CPM001*>(GetUIComponent());
    return input ? input->fCalculated : 0;
}

FOUNDATIONTYPE CPM001Norm::GetFoundationType()
{
    switch (m_nFoundationKind) {
    case 0: return FOUNDATION_SPREAD_FOOTING;
    case 1: return FOUNDATION_PILES;
    case 2: return FOUNDATION_PILE_CAP;
    default: return FOUNDATION_NONE;
    }
}

CalcGeneral* CPM001Norm::GetCalcData() { return m_pCalc.get(); }

int CPM001Norm::SetDataForGW001(CDataForGW001* /*data*/) { return 1; }
