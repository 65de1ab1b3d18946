// Receiving and diagnosing the sample piers as the host drives them: what a clean diagnosis hands
// the calculation engine, and what a failing one leaves untouched.
#include "project_file.h"
#include "project_session.h"

#include "calc/key_param_json.h"
#include "calc/pg001_calc_load.h"
#include "calc/pg002_calc_load.h"
#include "calc/pg003_calc_load.h"
#include "calc/pm001_calc.h"
#include "host/report.h"
#include "mfc/carchive.h"
#include "module/pier_component.h"
#include "siblings/spread_footing.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kSourceDir = PM001_SOURCE_DIR;

int DiagnosticsUnder(const char* key, unsigned part)
{
    int count = 0;
    for (const ReportEntry& entry : ReportLog::Current().Entries())
        if (entry.kind == ReportEntry::Diagnose && entry.keys == key && entry.part == part) ++count;
    return count;
}

// The adjustment data set of an engine that holds the sample's key parameters as the user's set.
std::vector<unsigned char> AdjustmentWithUserSet(const std::string& keyParamFile)
{
    CPM001KeyParam kp;
    std::string error;
    EXPECT_TRUE(ReadKeyParamFile(kSourceDir + "/examples/keyparams/" + keyParamFile, kp, error)) << error;
    CPM001Calc calc;
    EXPECT_EQ(calc.SetUserDesignData(kp), 1);
    std::vector<unsigned char> bytes;
    CArchive ar(bytes, CArchive::store);
    calc.SerializeAdjust(ar);
    return bytes;
}

// One sample project with its pier, created through the registry and initialised.
class ComponentOnSample : public ::testing::Test {
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

    CPM001Load& Loads() { return pier->m_pCalc->GetPM001Load_org(); }

    std::unique_ptr<Project> project;
    std::unique_ptr<ProjectSession> session;
    CPM001Norm* pier = nullptr;
};

class ComponentOnEverySample : public ComponentOnSample, public ::testing::WithParamInterface<const char*> {};

TEST_P(ComponentOnEverySample, CleanDiagnosisHandsTheEngineTheProjectOriginDataAndLoads)
{
    Open(GetParam());
    ASSERT_EQ(session->Receive(), 1);
    ASSERT_EQ(session->Diagnose(), 1);
    EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Diagnose), 0);

    const CPM001Calc& calc = *pier->m_pCalc;
    EXPECT_TRUE(calc.HasOrgData());
    EXPECT_TRUE(calc.HasDsnData());
    EXPECT_EQ(calc.GetWorkDir(), project->projectManager.GetProjectPath());
    EXPECT_EQ(calc.GetPrjName(), project->projectManager.GetProjectName());
    EXPECT_EQ(calc.GetID(), CString(std::to_string(project->componentId).c_str()));
    EXPECT_EQ(calc.GetRoadName(), CString("主线"));
    EXPECT_EQ(calc.GetComponentName(), project->name);
    EXPECT_EQ(calc.GetPaperSetting(), project->projectManager.GetPaperSetting());
    EXPECT_EQ(calc.GetEnvironment(), project->projectManager.GetEnvironment());
    EXPECT_EQ(calc.GetRoadGeneral(), project->road.GetRoadGeneral());
    EXPECT_EQ(calc.GetRoadSoil(), project->road.GetRoadSoil());

    // The project record's five texts.
    const CPM001Load& load = Loads();
    EXPECT_EQ(load.ProjectName, CString("G318线K12+000～K18+500段改建工程"));
    EXPECT_EQ(load.SectionName, CString("第3合同段"));
    EXPECT_EQ(load.Designer, CString("张明"));
    EXPECT_EQ(load.Checker, CString("李华"));
    EXPECT_EQ(load.Reviewer, CString("王刚"));
}

TEST_P(ComponentOnEverySample, StoredAdjustmentDataIsLoadedAfterACleanDiagnosis)
{
    Open(GetParam());
    pier->SetStoredAdjustData(AdjustmentWithUserSet(GetParam()), CArchive::kNewestFormat);
    ASSERT_EQ(session->Receive(), 1);
    EXPECT_FALSE(pier->m_pCalc->HasUserDesignData());
    ASSERT_EQ(session->Diagnose(), 1);
    EXPECT_TRUE(pier->m_pCalc->HasUserDesignData());
}

// A reaction text that is not a number: the loads cannot be prepared, so the diagnosis fails and
// the stored adjustment data is not loaded.
TEST_P(ComponentOnEverySample, LoadThatIsNotANumberFailsTheDiagnosis)
{
    Open(GetParam());
    project->input.m_NodeForce[0] = "七百";
    pier->SetStoredAdjustData(AdjustmentWithUserSet(GetParam()), CArchive::kNewestFormat);
    ASSERT_EQ(session->Receive(), 1);
    EXPECT_EQ(session->Diagnose(), 0);
    EXPECT_EQ(DiagnosticsUnder("m_NodeForce", 6), 1);
    EXPECT_FALSE(pier->m_pCalc->HasUserDesignData());
    EXPECT_EQ(Loads().PG001Load, nullptr);   // the loads stopped before the foundation's record
    EXPECT_EQ(Loads().PG002Load, nullptr);
    EXPECT_EQ(Loads().PG003Load, nullptr);
}

// A reaction row with a label but no node name and no force is blank: it leaves the loads with its
// label, and the diagnosis passes with the sample's own reactions.
TEST_P(ComponentOnEverySample, ALabelAloneDoesNotKeepABlankReactionRow)
{
    Open(GetParam());
    const int reactions = project->input.m_NodeName.GetSize();
    ASSERT_EQ(project->input.m_NodeForce.GetSize(), reactions);
    project->input.m_NodeLabel.SetSize(reactions);
    project->input.m_NodeName.Add(CString());
    project->input.m_NodeForce.Add(CString());
    project->input.m_NodeLabel.Add(CString("附加"));
    ASSERT_EQ(session->Receive(), 1);
    EXPECT_EQ(session->Diagnose(), 1);
    EXPECT_EQ(DiagnosticsUnder("m_NodeForce", 6), 0);
    EXPECT_EQ(Loads().NodeForces.GetSize(), reactions);
    EXPECT_EQ(project->input.m_NodeLabel.GetSize(), reactions);
}

INSTANTIATE_TEST_SUITE_P(Samples, ComponentOnEverySample,
                         ::testing::Values("footing.json", "piles.json", "pile_cap.json", "prestressed.json"));

// Footing bottom: column bottoms at 305.000 m, a top layer 1000 and one step 1000 high:
// 305.000 - (1000 + 1000) / 1000 = 303.000 m.
TEST_F(ComponentOnSample, FootingLoadRecordStandsAtTheFootingBottom)
{
    Open("footing.json");
    project->input.FoundationValue2 = 0.75;
    ASSERT_EQ(session->Receive(), 1);
    ASSERT_EQ(session->Diagnose(), 1);
    ASSERT_NE(Loads().PG001Load, nullptr);
    const CPG001CalcLoad& footing = *Loads().PG001Load;
    EXPECT_EQ(footing.Name, CString("3号墩"));
    EXPECT_NEAR(footing.ReferenceLevel, 303.0, 1e-9);
    EXPECT_DOUBLE_EQ(footing.FoundationValue2, 0.75);
    EXPECT_EQ(footing.LoadOption, 0);
}

// Pile cap bottom: column bottoms at 256.150 m on a cap 2500 thick: 256.150 - 2.500 = 253.650 m.
TEST_F(ComponentOnSample, PileCapLoadRecordStandsAtTheCapBottom)
{
    Open("pile_cap.json");
    project->input.FoundationValue2 = -1.5;
    ASSERT_EQ(session->Receive(), 1);
    ASSERT_EQ(session->Diagnose(), 1);
    ASSERT_NE(Loads().PG003Load, nullptr);
    EXPECT_NEAR(Loads().PG003Load->ReferenceLevel, 253.65, 1e-9);
    EXPECT_DOUBLE_EQ(Loads().PG003Load->FoundationValue2, -1.5);
}

// Piles start at the column bottoms: 286.350 m.
TEST_F(ComponentOnSample, PileLoadRecordStandsAtTheColumnBottoms)
{
    Open("piles.json");
    project->input.FoundationValue2 = 2.0;
    ASSERT_EQ(session->Receive(), 1);
    ASSERT_EQ(session->Diagnose(), 1);
    ASSERT_NE(Loads().PG002Load, nullptr);
    EXPECT_NEAR(Loads().PG002Load->ReferenceLevel, 286.35, 1e-9);
    EXPECT_DOUBLE_EQ(Loads().PG002Load->FoundationValue2, 2.0);
}

// A second diagnosis fills the footing's load record it made before again: 306.000 - 2.000 = 304.000 m.
TEST_F(ComponentOnSample, ExistingFoundationLoadRecordIsFilledAgain)
{
    Open("footing.json");
    ASSERT_EQ(session->Receive(), 1);
    ASSERT_EQ(session->Diagnose(), 1);
    const CPG001CalcLoad* first = Loads().PG001Load.get();
    ASSERT_NE(first, nullptr);

    project->input.zZct = 306.0;
    project->input.FoundationValue2 = 0.5;
    ASSERT_EQ(session->Diagnose(), 1);
    EXPECT_EQ(Loads().PG001Load.get(), first);
    EXPECT_NEAR(first->ReferenceLevel, 304.0, 1e-9);
    EXPECT_DOUBLE_EQ(first->FoundationValue2, 0.5);
}

// A cap beam 100 wide (at least 300) and a footing top layer 100 high (at least 200): the pier's
// check fails, the footing's own check still runs and reports, and the engine is not touched.
TEST_F(ComponentOnSample, FailingPierCheckStillRunsTheFootingCheck)
{
    Open("footing.json");
    project->input.B = 100;
    project->input.m_Footing.hKs_JICHU = 100;
    pier->SetStoredAdjustData(AdjustmentWithUserSet("footing.json"), CArchive::kNewestFormat);
    session->Receive();
    EXPECT_EQ(session->Diagnose(), 0);
    EXPECT_GE(DiagnosticsUnder("B", 6), 1);
    EXPECT_EQ(DiagnosticsUnder("hKs_JICHU", 2), 1);
    EXPECT_FALSE(pier->m_pCalc->HasOrgData());
    EXPECT_TRUE(pier->m_pCalc->GetWorkDir().IsEmpty());
    EXPECT_FALSE(pier->m_pCalc->HasUserDesignData());
}

// The checks pass but the engine's origin record cannot be made (here: the footing's origin
// object went missing after the input was received): the diagnosis fails after the checks, with
// the engine's message, and the stored adjustment data is not loaded.
TEST_F(ComponentOnSample, FailedCalculationPreparationLoadsNoAdjustmentData)
{
    Open("footing.json");
    pier->SetStoredAdjustData(AdjustmentWithUserSet("footing.json"), CArchive::kNewestFormat);
    ASSERT_EQ(session->Receive(), 1);
    pier->m_pFootingOrg.reset();
    ReportLog::Current().Clear();
    EXPECT_EQ(session->Diagnose(), 0);
    EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Diagnose), 0);
    EXPECT_GE(ReportLog::Current().Count(ReportEntry::Error), 1);
    EXPECT_FALSE(pier->m_pCalc->HasOrgData());
    EXPECT_FALSE(pier->m_pCalc->HasUserDesignData());
}

} // namespace
