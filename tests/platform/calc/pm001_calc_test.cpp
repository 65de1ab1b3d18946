// The pier calculation engine stand-in: what it keeps, its checks, its design flow and its errors.

#include "calc/pm001_calc.h"

#include "host/project_records.h"
#include "host/report.h"
#include "host/road_records.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

const CString kExample = PM001_SOURCE_DIR "/examples/keyparams/prestressed.json";

// Key parameters as a project holds them: one frame over one support line.
const std::string kMinimalText = R"({"cap": {
    "st_d": 25, "st_type": 3, "st_ua": 60, "st_sa": 60, "st_angle": 0.7854, "st_LstWeld": 125, "KeyLen1": 400, "KeyLen2": 250, "WeldArcR": 125,
    "FrameName": ["K1"], "FrameY": [0], "FrameAr": [{"name": "K1", "GJJ": [[{"fBar": 2, "fWQ": 1, "dx": 500}], []]}],
    "sg_d": 12, "sg_type": 3, "sg_a": 50, "sg_Min": 50, "sg_Max": 200, "sg_s": 150, "sg_s2": 100, "sg_s3": 100,
    "sh_type": 3, "sh_d": 16, "sh_Min": 100, "sh_Max": 200, "sh_s": 150,
    "sd_type": 3, "sd_d": 16, "sd_Min": 100, "sd_Max": 200}})";

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

TEST_F(PM001CalcTest, WithoutAKeyParameterSourceTheDesignDataAreReportedMissing)
{
    calc.SetID("12");
    calc.SetTestData(1, "");
    CPM001KeyParam keyParam;
    keyParam.CapKeyParam.st_d = 32.0;
    EXPECT_EQ(calc.GetDesignData(keyParam), 0);
    ASSERT_EQ(ErrorCount(), 1);
    EXPECT_NE(LastMessage().Find("component 12"), -1);
    EXPECT_NE(LastMessage().Find("no key parameters are given"), -1);
    EXPECT_EQ(keyParam.CapKeyParam.st_d, 32.0);

    EXPECT_EQ(calc.GetUserDesignData(keyParam), 0);      // no adjusted set either
    EXPECT_EQ(ErrorCount(), 2);
}

TEST_F(PM001CalcTest, DesignDataComeFromTheKeyParameterFile)
{
    calc.SetTestData(0, kExample);
    CPM001KeyParam keyParam;
    ASSERT_EQ(calc.GetDesignData(keyParam), 1);
    EXPECT_EQ(keyParam.CapKeyParam.FrameName.GetSize(), 4);
    EXPECT_EQ(keyParam.CapKeyParam.SteelAr.GetSize(), 2);
    EXPECT_EQ(ErrorCount(), 0);
}

TEST_F(PM001CalcTest, DesignDataComeFromTheProjectsTextWhenNoFileIsNamed)
{
    calc.SetKeyParamText(kMinimalText);
    CPM001KeyParam keyParam;
    ASSERT_EQ(calc.GetDesignData(keyParam), 1);
    EXPECT_EQ(keyParam.CapKeyParam.FrameName.GetSize(), 1);
    EXPECT_EQ(keyParam.CapKeyParam.st_d, 25.0);

    calc.SetTestData(0, kExample);                       // a named file comes first
    ASSERT_EQ(calc.GetDesignData(keyParam), 1);
    EXPECT_EQ(keyParam.CapKeyParam.FrameName.GetSize(), 4);
    EXPECT_EQ(ErrorCount(), 0);
}

// A set the host read for the next design is taken by that design alone: the designs after it
// read the key-parameter source anew, and a set dropped before any design is never taken.
TEST_F(PM001CalcTest, ASetHandedForTheNextDesignIsTakenOnce)
{
    calc.SetKeyParamText(kMinimalText);                  // st_d 25, one frame
    CPM001KeyParam handed;
    handed.CapKeyParam.st_d = 32.0;
    calc.SetKeyParamForNextDesign(handed);
    CPM001KeyParam keyParam;
    ASSERT_EQ(calc.GetDesignData(keyParam), 1);
    EXPECT_EQ(keyParam.CapKeyParam.st_d, 32.0);
    ASSERT_EQ(calc.GetDesignData(keyParam), 1);
    EXPECT_EQ(keyParam.CapKeyParam.st_d, 25.0);

    calc.SetKeyParamForNextDesign(handed);
    calc.SetKeyParamForNextDesign(std::nullopt);
    ASSERT_EQ(calc.GetDesignData(keyParam), 1);
    EXPECT_EQ(keyParam.CapKeyParam.st_d, 25.0);
    EXPECT_EQ(ErrorCount(), 0);
}

TEST_F(PM001CalcTest, UnreadableKeyParametersAreReportedWithTheirPlace)
{
    calc.SetID("12");
    calc.SetTestData(0, "/no/such/dir/12.json");
    CPM001KeyParam keyParam;
    EXPECT_EQ(calc.GetDesignData(keyParam), 0);
    ASSERT_EQ(ErrorCount(), 1);
    EXPECT_EQ(LastMessage(), "Calculation of component 12: key-parameter file /no/such/dir/12.json: no such file");
    EXPECT_EQ(calc.GetDesignKeyRecord(), nullptr);   // a design that took no set keeps no record of one

    calc.SetTestData(0, "");
    std::string text = kMinimalText;
    const std::string number = R"("st_d": 25)";
    text.replace(text.find(number), number.size(), R"("st_d": "25")");
    calc.SetKeyParamText(text);
    EXPECT_EQ(calc.GetDesignData(keyParam), 0);
    EXPECT_EQ(LastMessage(), "Calculation of component 12: keyParameters.cap.st_d: expected a number");
    EXPECT_TRUE(keyParam.CapKeyParam.FrameName.IsEmpty());
}

TEST_F(PM001CalcTest, UserDesignDataAreTheAdjustedSetWhenOneIsHeld)
{
    calc.SetKeyParamText(kMinimalText);
    CPM001KeyParam keyParam;
    ASSERT_EQ(calc.GetUserDesignData(keyParam), 1);      // none adjusted: the designed set
    EXPECT_EQ(keyParam.CapKeyParam.st_d, 25.0);
    EXPECT_EQ(calc.GetDesignKeyRecord()->set, CPM001DesignKeyRecord::kDesigned);
    EXPECT_FALSE(calc.HasUserDesignData());

    CPM001KeyParam adjusted = keyParam;
    adjusted.CapKeyParam.st_d = 32.0;
    adjusted.CapKeyParam.FrameAr[0].GJJ[0][0].dx = 650.0;
    ASSERT_EQ(calc.SetUserDesignData(adjusted), 1);
    adjusted.CapKeyParam.st_d = 40.0;                    // the engine keeps its own copy
    EXPECT_TRUE(calc.HasUserDesignData());

    calc.SetKeyParamText("");                            // the adjusted set needs no source
    CPM001KeyParam user;
    ASSERT_EQ(calc.GetUserDesignData(user), 1);
    EXPECT_EQ(user.CapKeyParam.st_d, 32.0);
    EXPECT_EQ(user.CapKeyParam.FrameAr[0].GJJ[0][0].dx, 650.0);
    EXPECT_EQ(calc.GetDesignKeyRecord()->set, CPM001DesignKeyRecord::kUserAdjusted);   // what the design took
    EXPECT_EQ(calc.GetDesignKeyRecord()->FrameAr[0].GJJ[0][0].dx, 650.0);
    EXPECT_EQ(calc.GetDesignData(user), 0);              // the designed set still comes from the source
    EXPECT_EQ(calc.GetDesignKeyRecord(), nullptr);
    EXPECT_EQ(ErrorCount(), 1);

    calc.SetKeyParamText(kMinimalText);
    calc.ClearUserDesignData();
    ASSERT_EQ(calc.GetUserDesignData(user), 1);
    EXPECT_EQ(user.CapKeyParam.st_d, 25.0);
}

TEST_F(PM001CalcTest, AnAdjustedSetTheArchiveCannotHoldIsRefused)
{
    calc.SetKeyParamText(kMinimalText);
    CPM001KeyParam keyParam;
    ASSERT_EQ(calc.GetDesignData(keyParam), 1);
    ASSERT_EQ(calc.SetUserDesignData(keyParam), 1);

    CPM001KeyParam bad = keyParam;
    bad.CapKeyParam.sg_s = std::numeric_limits<double>::infinity();
    EXPECT_EQ(calc.SetUserDesignData(bad), 0);
    EXPECT_EQ(LastMessage(), "Calculation: cap.sg_s: not a finite number, which the JSON form cannot hold");

    bad = keyParam;
    bad.CapKeyParam.FrameY.Add(0.0);
    EXPECT_EQ(calc.SetUserDesignData(bad), 0);
    EXPECT_NE(LastMessage().Find("user-adjusted key parameters.cap.FrameY"), -1);
    EXPECT_EQ(ErrorCount(), 2);

    CPM001KeyParam user;
    ASSERT_EQ(calc.GetUserDesignData(user), 1);          // the earlier set stays
    EXPECT_EQ(user.CapKeyParam.FrameY.GetSize(), 1);
    EXPECT_EQ(user.CapKeyParam.sg_s, 150.0);
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
    EXPECT_FALSE(calc.GetPreparedCapPaper().has_value());
    paper.m_pCapTendon->sg_nAns = 69;
    paper.m_pCapTendon->sg_ns.Add(4);
    EXPECT_EQ(calc.PreparePaper(paper), 1);
    // The prepared report keeps its own copy of the cap beam's part.
    paper.m_pCapTendon.reset();
    ASSERT_TRUE(calc.GetPreparedCapPaper().has_value());
    EXPECT_EQ(calc.GetPreparedCapPaper()->sg_nAns, 69);
    ASSERT_EQ(calc.GetPreparedCapPaper()->sg_ns.GetSize(), 1);
    EXPECT_EQ(calc.GetPreparedCapPaper()->sg_ns[0], 4);

    // A refused request leaves no report data behind, whether the part is missing or the design.
    CPM001_PaperDate bare;
    EXPECT_EQ(calc.PreparePaper(bare), 0);
    EXPECT_EQ(ErrorCount(), 2);
    EXPECT_FALSE(calc.GetPreparedCapPaper().has_value());
    paper.m_pCapTendon = std::make_unique<CPM001_CapTendon>();
    ASSERT_EQ(calc.PreparePaper(paper), 1);
    calc.SetOrgData();
    EXPECT_EQ(calc.PreparePaper(paper), 0);
    EXPECT_EQ(ErrorCount(), 3);
    EXPECT_FALSE(calc.GetPreparedCapPaper().has_value());
}

}  // namespace
