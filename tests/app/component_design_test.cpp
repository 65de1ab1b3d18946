// Designing the sample piers as the host drives them: which design objects the flags select and
// fill, what the output collects, the third pile-cap body, and redesigning.
#include "project_file.h"
#include "project_session.h"

#include "calc/key_param_json.h"
#include "calc/pm001_calc.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "host/report.h"
#include "module/pier_component.h"
#include "pier/pier_design_record.h"
#include "pier/stopper_pedestal_atom.h"
#include "siblings/columns.h"
#include "siblings/pile_cap.h"
#include "siblings/pile_column_transition.h"
#include "siblings/pile_foundation.h"
#include "siblings/spread_footing.h"
#include "siblings/tie_beams.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kSourceDir = PM001_SOURCE_DIR;

// The design members the component holds.
std::set<std::string> DesignObjects(const CPM001Norm& c)
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
    };
    std::set<std::string> held;
    for (const auto& [name, present] : members)
        if (present) held.insert(name);
    return held;
}

int IntValue(const OutputDataMap& outputs, const char* name)
{
    const auto found = outputs.find(CString(name));
    if (found == outputs.end()) {
        ADD_FAILURE() << "no output value " << name;
        return -1;
    }
    return found->second->intValue;
}

// One sample project with its pier, created through the registry and initialised.
class ComponentDesign : public ::testing::Test {
protected:
    void Open(const std::string& sample)
    {
        CPM001Norm::Regist();
        ReportLog::Current().Clear();
        project = LoadProjectFile(kSourceDir + "/examples/" + sample);
        session = std::make_unique<ProjectSession>(*project);
        pier = dynamic_cast<CPM001Norm*>(&session->Component());
        ASSERT_NE(pier, nullptr);
    }

    void ReceiveDiagnoseDesign()
    {
        ASSERT_EQ(session->Receive(), 1);
        ASSERT_EQ(session->Diagnose(), 1);
        ASSERT_EQ(session->Design(), 1);
    }

    std::unique_ptr<Project> project;
    std::unique_ptr<ProjectSession> session;
    CPM001Norm* pier = nullptr;
};

// The samples' flags, read off their inputs: the columns of "nColumnShape" 0 are circular, 1
// rectangular; the pier's tie beams follow "fXL"; the pile foundation's follow "fXL_JICHU" (with two
// columns); the footing's second object "fPJ_JICHU"; the pile cap "PileCapTtype_JICHU" 0, "nLJ_JICHU" 1.
struct SampleCase {
    const char* file;
    std::set<std::string> objects;   // besides the pier record, the cap beam and the stopper object
    std::vector<const char*> modules;
};

class ComponentDesignOfSample : public ComponentDesign, public ::testing::WithParamInterface<SampleCase> {};

TEST_P(ComponentDesignOfSample, FillsTheSelectedObjectsAndOutputsThem)
{
    const SampleCase& k = GetParam();
    Open(k.file);
    ReceiveDiagnoseDesign();

    std::set<std::string> expected = k.objects;
    expected.insert({"m_pAtom", "m_pCapBeamAtom", "m_pStopperPedestalAtom"});
    EXPECT_EQ(DesignObjects(*pier), expected);
    EXPECT_EQ(pier->m_pCapBeamAtom->PMorPT, 1);

    const OutputDataMap outputs = session->Output();
    EXPECT_EQ(IntValue(outputs, "PM001_T0101_PMorPT"), 1);
    // The stopper blocks and pedestals, filled from their hand-over record.
    ASSERT_EQ(outputs.count("PG006_szPier"), 1u);
    EXPECT_EQ(outputs.at("PG006_szPier")->text, CString("一个桥墩"));
    for (const char* module : k.modules)
        EXPECT_EQ(IntValue(outputs, (std::string(module) + "_designed").c_str()), 1) << module;
}

INSTANTIATE_TEST_SUITE_P(
    Samples, ComponentDesignOfSample,
    ::testing::Values(
        SampleCase{"footing.json",
                   {"m_pCircleColumnAtom", "m_pFootingAtom", "m_pFootingT01Atom"},
                   {"PC001ZD02", "PG001", "PG001T01"}},
        SampleCase{"piles.json",
                   {"m_pPierTieBeamAtom", "m_pCircleColumnAtom", "m_pPileAtom", "m_pPileTransitionAtom",
                    "m_pPileTieBeamAtom"},
                   {"PG008", "PC001ZD02", "PG002", "PG005"}},
        SampleCase{"pile_cap.json",
                   {"m_pRectColumnAtom", "m_pPileCapAtom", "m_pPileCapCT01Atom", "m_pPileCapT0103Atom"},
                   {"PC001ZD01", "PG003", "PG003CT01", "PG003T0103"}},
        SampleCase{"prestressed.json",
                   {"m_pPierTieBeamAtom", "m_pCircleColumnAtom", "m_pPileAtom", "m_pPileTransitionAtom"},
                   {"PG008", "PC001ZD02", "PG002", "PG005"}}),
    [](const ::testing::TestParamInfo<SampleCase>& info) {
        const std::string file = info.param.file;
        return file.substr(0, file.find('.'));
    });

// The third pile-cap body takes nothing of the key parameters: the design succeeds without filling
// it, and the output still asks it (it answers that it was not designed).
TEST_F(ComponentDesign, PileCapOfTheThirdBodyIsNotFilledButOutput)
{
    Open("pile_cap.json");
    project->input.m_PileCap.PileCapTtype_JICHU = 2;
    ASSERT_EQ(session->Receive(), 1);
    ASSERT_EQ(pier->m_nPileCapVariant, 2);
    ASSERT_EQ(session->Diagnose(), 1);
    ASSERT_EQ(session->Design(), 1);

    ASSERT_NE(pier->m_pPileCapCT03Atom, nullptr);
    EXPECT_EQ(pier->m_pPileCapCT03Atom->IsDesigned(), 0);
    EXPECT_EQ(pier->m_pPileCapT0103Atom->IsDesigned(), 1);   // the joint after the body is designed
    const OutputDataMap outputs = session->Output();
    EXPECT_EQ(IntValue(outputs, "PG003CT03_designed"), 0);
    EXPECT_EQ(IntValue(outputs, "PG003_designed"), 1);
    EXPECT_EQ(IntValue(outputs, "PG003T0103_designed"), 1);
    EXPECT_EQ(outputs.count("PG003CT01_designed"), 0u);
}

// A cap beam whose PMorPT is 0 gives only the pier record's and the cap beam's values.
TEST_F(ComponentDesign, CapBeamWithoutPMorPTOutputsOnlyThePierAndTheCapBeam)
{
    Open("piles.json");
    ReceiveDiagnoseDesign();
    pier->m_pCapBeamAtom->PMorPT = 0;
    const OutputDataMap outputs = session->Output();
    ASSERT_FALSE(outputs.empty());
    for (const auto& [name, value] : outputs) EXPECT_EQ(name.rfind("PM001_", 0), 0u) << name;
    EXPECT_EQ(outputs.count("PM001_T0101_JGType"), 1u);
}

TEST_F(ComponentDesign, TestFlagMakesRedesignKeepTheDesign)
{
    Open("pile_cap.json");
    ReceiveDiagnoseDesign();
    const CPM001Atom* record = pier->m_pAtom.get();
    const CPM001T0101Atom* capBeam = pier->m_pCapBeamAtom.get();
    const CPG003CT01Atom* body = pier->m_pPileCapCT01Atom.get();
    const std::size_t values = session->Output().size();

    project->projectManager.SetTestFlag(1);
    EXPECT_EQ(pier->Redesign(), 1);
    EXPECT_EQ(pier->m_pAtom.get(), record);
    EXPECT_EQ(pier->m_pCapBeamAtom.get(), capBeam);
    EXPECT_EQ(pier->m_pPileCapCT01Atom.get(), body);
    EXPECT_EQ(session->Output().size(), values);
}

// Redesign takes the user's adjusted key parameters: a spiral pitch of 125 instead of the 100 of
// the key-parameter file reaches the circular columns.
TEST_F(ComponentDesign, RedesignTakesTheUsersKeyParameters)
{
    Open("footing.json");
    ReceiveDiagnoseDesign();
    OutputDataMap outputs = session->Output();
    ASSERT_EQ(outputs.count("PC001ZD02_spiralPitch"), 1u);
    EXPECT_DOUBLE_EQ(outputs.at("PC001ZD02_spiralPitch")->doubleValue, 100.0);

    CPM001KeyParam kp;
    std::string error;
    ASSERT_TRUE(ReadKeyParamFile(kSourceDir + "/examples/keyparams/footing.json", kp, error)) << error;
    kp.CircleColumnKeyParam.spiralPitch = 125.0;
    ASSERT_EQ(pier->m_pCalc->SetUserDesignData(kp), 1);

    ASSERT_EQ(pier->Redesign(), 1);
    outputs = session->Output();
    EXPECT_DOUBLE_EQ(outputs.at("PC001ZD02_spiralPitch")->doubleValue, 125.0);
}

// Without key parameters the engine reports and the design stops after the fresh design objects
// were made; a later design starts again from fresh ones.
TEST_F(ComponentDesign, MissingKeyParametersFailTheDesign)
{
    Open("piles.json");
    project->projectManager.SetKeyParamFullPath(project->componentId, "");
    ASSERT_EQ(session->Receive(), 1);
    ASSERT_EQ(session->Diagnose(), 1);
    EXPECT_EQ(session->Design(), 0);
    EXPECT_GE(ReportLog::Current().Count(ReportEntry::Error), 1);
    EXPECT_EQ(pier->m_pPileAtom->IsDesigned(), 0);

    project->projectManager.SetKeyParamFullPath(project->componentId,
                                                CString((kSourceDir + "/examples/keyparams/piles.json").c_str()));
    EXPECT_EQ(session->Design(), 1);
    EXPECT_EQ(pier->m_pPileAtom->IsDesigned(), 1);
}

} // namespace
