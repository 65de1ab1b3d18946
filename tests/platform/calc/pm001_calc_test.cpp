// The pier calculation engine stand-in: what it keeps, its checks, its design flow and its errors.

#include "calc/pm001_calc.h"

#include "host/project_records.h"
#include "host/report.h"
#include "host/road_records.h"

#include <gtest/gtest.h>

namespace {

class PM001CalcTest : public ::testing::Test {
protected:
    void SetUp() override { ReportLog::Current().Clear(); }
    void TearDown() override { ReportLog::Current().Clear(); }

    static int ErrorCount() { return ReportLog::Current().Count(ReportEntry::Error); }
    static CString LastMessage()
    {
        const auto& entries = ReportLog::Current().Entries();
        return entries.empty() ? CString() : entries.back().message;
    }

    CPM001Calc calc;
};

TEST_F(PM001CalcTest, GeneralDataIsKeptAsGiven)
{
    CBridgePaperSetting paper;
    CBridgeEnvironment environment;
    CBridgeRoadGeneral road;
    CBridgeRoadDeck deck;
    CBridgeRoadCurve curve;
    CBridgeRoadGeology geology;
    CBridgeZKHole boreholes;
    CBridgeSoil soil;

    calc.SetWorkDir("D:\\桥梁\\");
    calc.SetPrjName("Br1");
    calc.SetID("12");
    calc.SetName("主线", "P3");
    calc.SetProjectGeneral(&paper, &environment);
    calc.SetRoadGeneral(&road, &deck, &curve, &geology, &boreholes, &soil);
    calc.SetTestData(1, "/p/key.json");

    EXPECT_EQ(calc.GetWorkDir(), "D:\\桥梁\\");
    EXPECT_EQ(calc.GetPrjName(), "Br1");
    EXPECT_EQ(calc.GetID(), "12");
    EXPECT_EQ(calc.GetRoadName(), "主线");
    EXPECT_EQ(calc.GetComponentName(), "P3");
    EXPECT_EQ(calc.GetPaperSetting(), &paper);
    EXPECT_EQ(calc.GetEnvironment(), &environment);
    EXPECT_EQ(calc.GetRoadGeneral(), &road);
    EXPECT_EQ(calc.GetRoadDeck(), &deck);
    EXPECT_EQ(calc.GetRoadCurve(), &curve);
    EXPECT_EQ(calc.GetRoadGeology(), &geology);
    EXPECT_EQ(calc.GetRoadZKHole(), &boreholes);
    EXPECT_EQ(calc.GetRoadSoil(), &soil);
    EXPECT_EQ(calc.GetTestFlag(), 1);
    EXPECT_EQ(calc.GetKeyParamPath(), "/p/key.json");
    EXPECT_EQ(ErrorCount(), 0);
}

TEST_F(PM001CalcTest, LaterCallsReplaceEarlierData)
{
    CBridgePaperSetting paper;
    calc.SetProjectGeneral(&paper, nullptr);
    calc.SetProjectGeneral(nullptr, nullptr);
    calc.SetTestData(1, "a");
    calc.SetTestData(0, "");
    EXPECT_EQ(calc.GetPaperSetting(), nullptr);
    EXPECT_EQ(calc.GetTestFlag(), 0);
    EXPECT_TRUE(calc.GetKeyParamPath().IsEmpty());
}

TEST_F(PM001CalcTest, HandedOutAsItsBaseClasses)
{
    auto owned = std::make_unique<CPM001Calc>();
    CalcGeneral* general = owned.get();
    CP2Calc* p2 = owned.get();
    p2->SetTestData(3, "k");
    general->SetID("7");
    EXPECT_EQ(owned->GetTestFlag(), 3);
    EXPECT_EQ(owned->GetID(), "7");
    std::unique_ptr<CObject> asObject(owned.release());   // released through the virtual destructor
}

TEST_F(PM001CalcTest, RecordsAreTheEnginesOwn)
{
    EXPECT_EQ(&calc.GetPM001Calc_org(), &calc.GetPM001Calc_org());
    EXPECT_EQ(&calc.GetPM001Load_org(), &calc.GetPM001Load_org());
}

TEST_F(PM001CalcTest, DiagnoseNeedsTheOriginData)
{
    calc.SetID("12");
    EXPECT_EQ(calc.DoDiagnose(), 0);
    EXPECT_EQ(ErrorCount(), 1);
    EXPECT_NE(LastMessage().Find("component 12"), -1);

    ReportLog::Current().Clear();
    calc.SetOrgData();
    EXPECT_EQ(calc.DoDiagnose(), 1);
    EXPECT_EQ(ErrorCount(), 0);
}

TEST_F(PM001CalcTest, DesignFollowsThePreparation)
{
    EXPECT_EQ(calc.DoDesign(), 0);                 // nothing prepared
    EXPECT_FALSE(calc.IsDesigned());
    calc.SetOrgData();
    EXPECT_EQ(calc.DoDesign(), 0);                 // no design input yet
    EXPECT_EQ(ErrorCount(), 2);

    ReportLog::Current().Clear();
    calc.SetDsnData();
    EXPECT_EQ(calc.DoDesign(), 1);
    EXPECT_TRUE(calc.IsDesigned());
    EXPECT_EQ(ErrorCount(), 0);
}

TEST_F(PM001CalcTest, NewOriginDataVoidsTheEarlierDesign)
{
    calc.SetOrgData();
    calc.SetDsnData();
    ASSERT_EQ(calc.DoDesign(), 1);
    calc.SetOrgData();
    EXPECT_FALSE(calc.HasDsnData());
    EXPECT_FALSE(calc.IsDesigned());
    EXPECT_EQ(calc.DoDesign(), 0);
}

TEST_F(PM001CalcTest, KeyParametersAreReportedMissing)
{
    calc.SetOrgData();
    calc.SetDsnData();
    ASSERT_EQ(calc.DoDesign(), 1);
    calc.SetTestData(0, "/p/12.json");

    CPM001KeyParam keyParam;
    EXPECT_EQ(calc.GetDesignData(keyParam), 0);
    ASSERT_EQ(ErrorCount(), 1);
    EXPECT_NE(LastMessage().Find("key parameters"), -1);
    EXPECT_NE(LastMessage().Find("/p/12.json"), -1);

    EXPECT_EQ(calc.GetUserDesignData(keyParam), 0);
    EXPECT_EQ(ErrorCount(), 2);
}

TEST_F(PM001CalcTest, ReportNeedsADesignAndTheCapBeamPart)
{
    CPM001_PaperDate paper;
    paper.m_pCapTendon = std::make_unique<CPM001_CapTendon>();
    EXPECT_EQ(calc.PreparePaper(paper), 0);
    EXPECT_EQ(ErrorCount(), 1);

    calc.SetOrgData();
    calc.SetDsnData();
    ASSERT_EQ(calc.DoDesign(), 1);
    EXPECT_EQ(calc.PreparePaper(paper), 1);

    CPM001_PaperDate bare;
    EXPECT_EQ(calc.PreparePaper(bare), 0);
    EXPECT_EQ(ErrorCount(), 2);
}

}  // namespace
