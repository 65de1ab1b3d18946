// The three data sets of each designed sample pier: stored, loaded into a fresh component and
// stored again byte for byte; the loaded component answers as the designed one did.
#include "project_file.h"
#include "project_session.h"

#include "calc/key_param_json.h"
#include "calc/pm001_calc.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "host/report.h"
#include "module/pier_component.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace {

const std::string kSourceDir = PM001_SOURCE_DIR;

std::map<std::string, std::string> Printed(const OutputDataMap& outputs)
{
    std::map<std::string, std::string> printed;
    for (const auto& [name, value] : outputs) printed[std::string(name)] = value->ToText().str();
    return printed;
}

class StoredSamplePier : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        CPM001Norm::Regist();
        ReportLog::Current().Clear();
        project = LoadProjectFile(kSourceDir + "/examples/" + GetParam());
        session = std::make_unique<ProjectSession>(*project);
        pier = dynamic_cast<CPM001Norm*>(&session->Component());
        ASSERT_NE(pier, nullptr);
        ASSERT_EQ(session->Receive(), 1);
        ASSERT_EQ(session->Diagnose(), 1);
        ASSERT_EQ(session->Design(), 1);
    }

    std::unique_ptr<Project> project;
    std::unique_ptr<ProjectSession> session;
    CPM001Norm* pier = nullptr;
};

TEST_P(StoredSamplePier, StoreLoadStoreIsByteIdentical)
{
    // A user-adjusted key-parameter set, so that the adjustment data set holds more than its header.
    CPM001KeyParam kp;
    std::string error;
    ASSERT_TRUE(ReadKeyParamFile(kSourceDir + "/examples/keyparams/" + GetParam(), kp, error)) << error;
    ASSERT_EQ(pier->m_pCalc->SetUserDesignData(kp), 1);

    const ComponentDataSets stored = session->Store();
    EXPECT_GT(stored.adjustment.size(), 8u);

    ProjectSession fresh;
    fresh.Load(stored);
    const ComponentDataSets again = fresh.Store();
    EXPECT_EQ(again.origin, stored.origin);
    EXPECT_EQ(again.design, stored.design);
    EXPECT_EQ(again.adjustment, stored.adjustment);
}

TEST_P(StoredSamplePier, LoadedComponentKeepsNameFlagsSelectorsAndAnswers)
{
    const ComponentDataSets stored = session->Store();
    ProjectSession fresh;
    fresh.Load(stored);
    auto* loaded = dynamic_cast<CPM001Norm*>(&fresh.Component());
    ASSERT_NE(loaded, nullptr);

    EXPECT_EQ(loaded->GetName(), pier->GetName());
    EXPECT_EQ(loaded->GetName(), project->name);
    EXPECT_EQ(loaded->GetNumber(), pier->GetNumber());
    EXPECT_EQ(loaded->m_bPierTieBeams, pier->m_bPierTieBeams);
    EXPECT_EQ(loaded->m_nColumnShape, pier->m_nColumnShape);
    EXPECT_EQ(loaded->m_bStopperPedestal, pier->m_bStopperPedestal);
    EXPECT_EQ(loaded->m_nFoundationKind, pier->m_nFoundationKind);
    EXPECT_EQ(loaded->m_bFootingT01, pier->m_bFootingT01);
    EXPECT_EQ(loaded->m_bPileTieBeams, pier->m_bPileTieBeams);
    EXPECT_EQ(loaded->m_nPileCapVariant, pier->m_nPileCapVariant);
    EXPECT_EQ(loaded->m_nPileCapJoint, pier->m_nPileCapJoint);
    EXPECT_EQ(loaded->GetFoundationType(), pier->GetFoundationType());
    EXPECT_EQ(loaded->m_pCapBeamAtom->IsFromFile(), 1);
    EXPECT_TRUE(loaded->m_pCalc->IsDesigned());

    EXPECT_EQ(Printed(fresh.Output()), Printed(session->Output()));
}

INSTANTIATE_TEST_SUITE_P(Samples, StoredSamplePier,
                         ::testing::Values("footing.json", "piles.json", "pile_cap.json", "prestressed.json"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             const std::string file = info.param;
                             return file.substr(0, file.find('.'));
                         });

} // namespace
