// CPM001org::SetData: the pier's origin data taken from the input, on small piers worked out by hand.
#include "input/pier_input_case.h"

#include "host/report.h"
#include "mfc/carchive.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double kTight = 1e-9;

void ExpectValues(const DblArray& list, const std::vector<double>& expected, double tol = kTight)
{
    ASSERT_EQ(list.GetSize(), static_cast<int>(expected.size()));
    for (int i = 0; i < list.GetSize(); ++i) EXPECT_NEAR(list[i], expected[static_cast<std::size_t>(i)], tol) << "index " << i;
}

CStringArray Texts(std::initializer_list<const char*> texts)
{
    CStringArray list;
    for (const char* t : texts) list.Add(t);
    return list;
}

class PierOriginIntake : public ::testing::Test {
protected:
    PierInputCase pier;
};

// --- The pier's layout -------------------------------------------------------------------------

TEST_F(PierOriginIntake, TakesTheCapAndColumnLayout)
{
    pier.input.nStructureType = 0;
    auto org = pier.Intake();
    ASSERT_TRUE(org);

    EXPECT_EQ(org->JGType, 1);                      // structure code 0: prestressed
    EXPECT_DOUBLE_EQ(org->bAg, -5000.0);
    EXPECT_DOUBLE_EQ(org->vP, 100.0);
    ExpectValues(org->bBz, {6500.0, 6500.0});
    EXPECT_EQ(org->PierLayMode, 1);                 // -16000 < -5000 < 0
    EXPECT_EQ(org->fSeparationSymmetry, 0);
    EXPECT_EQ(org->ColumnSectionType, 1);
    EXPECT_DOUBLE_EQ(org->lCzf, 100.0);             // 1800/2 - 100 - 1400/2
    EXPECT_EQ(org->ComponentLabel, PierInputCase::kLabel);
}

TEST_F(PierOriginIntake, RectangularColumnsMeasureTheClearDistanceFromTheirLengthAlong)
{
    pier.input.nColumnShape = 1;
    pier.input.nStructureType = 3;
    auto org = pier.Intake();
    EXPECT_EQ(org->JGType, 0);
    EXPECT_EQ(org->ColumnSectionType, 0);
    EXPECT_DOUBLE_EQ(org->lCzf, 200.0);             // 1800/2 - 100 - 1200/2
}

TEST_F(PierOriginIntake, ColumnSpacingsKeepOnlyPositiveValues)
{
    pier.input.bBz = "6500,0,-3000,7000";
    auto org = pier.Intake();
    ExpectValues(org->bBz, {6500.0, 7000.0});
    EXPECT_EQ(org->ColumnTopLevels.GetSize(), 3);
    EXPECT_EQ(org->ColumnHeights.GetSize(), 3);
}

// The entries of the bBz and zXl keys that a diagnosis of org with the case's component reports,
// as "key|item|message"; ok gets the diagnosis result.
std::vector<std::string> ListTextReports(CPM001org& org, PierInputCase& pier, int* ok = nullptr)
{
    ReportLog::Current().Clear();
    const int result = org.DoDiagnose(pier.Surroundings(), 1);
    if (ok) *ok = result;
    std::vector<std::string> reports;
    for (const ReportEntry& e : ReportLog::Current().Entries()) {
        if (e.keys != "bBz" && e.keys != "zXl") continue;
        if (e.message.Find("不是有效的数字") < 0 && e.message.Find("数据个数过大") < 0) continue;
        EXPECT_EQ(e.kind, ReportEntry::Diagnose);
        EXPECT_EQ(e.label, 1u);
        EXPECT_EQ(e.part, 6u);
        reports.push_back(e.keys.str() + "|" + std::to_string(e.item) + "|" + e.message.str());
    }
    ReportLog::Current().Clear();
    return reports;
}

// An item of the spacing or tie-beam text that is not a number or a well-formed repetition is
// left out by the intake, which reports nothing; the numbers around it keep their meaning. The
// diagnosis reads the texts again, reports each such item under its key and fails.
TEST_F(PierOriginIntake, ListTextItemsThatAreNoNumbersAreReportedUnderTheirKey)
{
    struct Case {
        const char* bBz;
        const char* zXl;
        std::vector<double> spacings;
        std::vector<double> levels;
        std::vector<std::string> reports;   // "key|item|message"
    };
    const std::vector<Case> cases = {
        {"2*5000,abc", "95", {5000.0, 5000.0}, {95.0},
         {"bBz|2|“墩柱横桥向间距”中第3个数据“abc”不是有效的数字，bBz有错误．"}},
        {"10001*5000", "95", {}, {95.0}, {"bBz|0|“墩柱横桥向间距”中第1个数据“10001*5000”不是有效的数字，bBz有错误．"}},
        {"5000,5000mm", "95", {5000.0}, {95.0}, {"bBz|1|“墩柱横桥向间距”中第2个数据“5000mm”不是有效的数字，bBz有错误．"}},
        {"6500", "96,292.0o0", {6500.0}, {96.0},
         {"zXl|1|“墩柱系梁顶面标高”中第2个数据“292.0o0”不是有效的数字，zXl有错误．"}},
        {"x,6500", "2*", {6500.0}, {},
         {"bBz|0|“墩柱横桥向间距”中第1个数据“x”不是有效的数字，bBz有错误．",
          "zXl|0|“墩柱系梁顶面标高”中第1个数据“2*”不是有效的数字，zXl有错误．"}},
        {"2*6500", "95 94", {6500.0, 6500.0}, {95.0, 94.0}, {}},
        // A bad token is quoted by its first 64 characters: 64 are quoted whole, 65 are cut.
        {"6500,x234567890123456789012345678901234567890123456789012345678901234", "95", {6500.0}, {95.0},
         {"bBz|1|“墩柱横桥向间距”中第2个数据“x234567890123456789012345678901234567890123456789012345678901234”"
          "不是有效的数字，bBz有错误．"}},
        {"6500,x2345678901234567890123456789012345678901234567890123456789012345", "95", {6500.0}, {95.0},
         {"bBz|1|“墩柱横桥向间距”中第2个数据“x234567890123456789012345678901234567890123456789012345678901234…”"
          "不是有效的数字，bBz有错误．"}},
    };
    pier.input.fXL = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.bBz) + " / " + c.zXl);
        pier.input.bBz = c.bBz;
        pier.input.zXl = c.zXl;
        ReportLog::Current().Clear();
        auto org = pier.Intake();
        ASSERT_TRUE(org);
        EXPECT_TRUE(ReportLog::Current().Entries().empty());
        ExpectValues(org->bBz, c.spacings);
        ExpectValues(org->zXl, c.levels);
        int ok = -1;
        EXPECT_EQ(ListTextReports(*org, pier, &ok), c.reports);
        EXPECT_EQ(ok, c.reports.empty() ? ok : 0);
    }
}

// The origin data stored and loaded again fails its diagnosis as the received one did: the
// bad item is found again in the input's text, not remembered from the intake.
TEST_F(PierOriginIntake, AStoredPierWithABadListItemFailsItsDiagnosisAgain)
{
    pier.input.bBz = "6500,65OO";
    auto org = pier.Intake();
    ASSERT_TRUE(org);
    auto failsAgain = [&](CPM001org& o) {
        int ok = -1;
        EXPECT_EQ(ListTextReports(o, pier, &ok),
                  std::vector<std::string>{"bBz|1|“墩柱横桥向间距”中第2个数据“65OO”不是有效的数字，bBz有错误．"});
        EXPECT_EQ(ok, 0);
    };
    failsAgain(*org);
    std::vector<unsigned char> bytes;
    {
        CArchive ar(bytes, CArchive::store);
        org->SerializeOriginData(ar);
    }
    CPM001org loaded;
    {
        CArchive ar(bytes.data(), bytes.size());
        loaded.SerializeOriginData(ar);
    }
    failsAgain(loaded);
}

// Every item counts against the cap of 10000 values, so both orders are refused alike; the
// intake reads up to the cap and the diagnosis reports the text once.
TEST_F(PierOriginIntake, SpacingTextsPastTheValueCapAreReportedOnce)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"10000*1,5", "bBz|0|“墩柱横桥向间距”中数据个数过大,不能大于10000，bBz有错误．"},
        {"5,10000*1", "bBz|1|“墩柱横桥向间距”中第2个数据“10000*1”不是有效的数字，bBz有错误．"},
    };
    for (const auto& [text, report] : cases) {
        SCOPED_TRACE(text);
        pier.input.bBz = text.c_str();
        auto org = pier.Intake();
        EXPECT_EQ(ListTextReports(*org, pier), std::vector<std::string>{report});
    }
    // Exactly 10000 values are within the cap.
    pier.input.bBz = "9999*1,5";
    auto org = pier.Intake();
    EXPECT_EQ(org->bBz.GetSize(), 10000);
    EXPECT_TRUE(ListTextReports(*org, pier).empty());
}

TEST_F(PierOriginIntake, AnEmptySpacingTextGivesOneColumn)
{
    pier.input.bBz = "";
    auto org = pier.Intake();
    EXPECT_TRUE(org->bBz.IsEmpty());
    ExpectValues(org->ColumnTopLevels, {98.4});     // 100.0 - 1600/1000
    ExpectValues(org->ColumnHeights, {8400.0}, 1e-6);
}

TEST_F(PierOriginIntake, TheRoadDesignLineCrossesTheCapOnlyStrictlyBetweenItsEnds)
{
    struct Case {
        double bAg;
        int expected;
    };
    // Cap length 16000; the field holds the input negated.
    for (const Case c : {Case{0.0, 0}, Case{16000.0, 0}, Case{15999.0, 1}, Case{1.0, 1}, Case{-100.0, 0},
                         Case{16000.5, 0}}) {
        pier.input.bAg = c.bAg;
        EXPECT_EQ(pier.Intake()->PierLayMode, c.expected) << "bAg " << c.bAg;
    }
}

TEST_F(PierOriginIntake, SectionAndFilletCodesOutsideTheirRangeAreNotTaken)
{
    pier.input.nSectionType = 2;
    pier.input.FilletMode = 2;
    EXPECT_EQ(pier.Intake()->SectionType, 2);
    EXPECT_EQ(pier.Intake()->FilletMode, 2);

    pier.input.nSectionType = 3;
    pier.input.FilletMode = 3;
    CPM001org org;
    org.FilletMode = 1;
    const PierSurroundings around = pier.component.Surroundings();
    ASSERT_EQ(org.SetData(1, &pier.input, &around), 1);
    EXPECT_EQ(org.SectionType, 0);
    EXPECT_EQ(org.FilletMode, 1);                   // left as it was
}

TEST_F(PierOriginIntake, WithoutInputOrComponentNothingIsFilled)
{
    CPM001org org;
    const PierSurroundings around = pier.component.Surroundings();
    EXPECT_EQ(org.SetData(1, nullptr, &around), 0);
    EXPECT_EQ(org.SetData(1, &pier.input, nullptr), 0);
    EXPECT_TRUE(org.bBz.IsEmpty());
    EXPECT_EQ(org.fHaveStopper, 0);
}

TEST_F(PierOriginIntake, WithoutRoadOrProjectTheirValuesStayAtTheirDefaults)
{
    pier.component.SetRoadNorm(nullptr);
    pier.component.SetProjectManager(nullptr);
    pier.SetSkew(0.5);
    auto org = pier.Intake();
    ASSERT_TRUE(org);
    EXPECT_DOUBLE_EQ(org->a, 0.0);
    EXPECT_TRUE(org->TendonMaterial.IsEmpty());
    EXPECT_EQ(org->TextStyleMode, 1);               // a default text style has mode 0
}

// --- Foundation ---------------------------------------------------------------------------------

TEST_F(PierOriginIntake, PilesCarryTheWholeColumnGroup)
{
    pier.input.nFoundationType = 0;
    auto org = pier.Intake();
    EXPECT_EQ(org->BaseType, 1);
    EXPECT_EQ(org->BaseLayMode, 1);
    EXPECT_DOUBLE_EQ(org->DX, 0.0);
    EXPECT_DOUBLE_EQ(org->DY, 0.0);
}

TEST_F(PierOriginIntake, AFootingLongerAcrossThanTheColumnGroupCarriesTheWholeGroup)
{
    // Column group width: spacings 6500 + 6500 plus one diameter 1400 = 14400.
    pier.input.nFoundationType = 2;
    pier.component.m_pFootingOrg = std::make_unique<CPG001org>();
    pier.component.m_pFootingOrg->DY_JICHU = 250.0;

    pier.component.m_pFootingOrg->bKs_JICHU = 14400.5;
    auto whole = pier.Intake();
    EXPECT_EQ(whole->BaseType, 0);
    EXPECT_EQ(whole->BaseLayMode, 1);
    EXPECT_DOUBLE_EQ(whole->DY, 250.0);
    EXPECT_DOUBLE_EQ(whole->DX, 0.0);

    pier.component.m_pFootingOrg->bKs_JICHU = 14400.0;   // not longer: one footing per column
    auto separate = pier.Intake();
    EXPECT_EQ(separate->BaseLayMode, 0);
    EXPECT_DOUBLE_EQ(separate->DY, 250.0);
}

TEST_F(PierOriginIntake, APileCapIsComparedWithTheGroupOfRectangularColumnsByTheirWidthAcross)
{
    // Column group width: 13000 plus the rectangular width across 1600 = 14600.
    pier.input.nFoundationType = 1;
    pier.input.nColumnShape = 1;
    pier.component.m_pPileCapOrg = std::make_unique<CPG003org>();
    pier.component.m_pPileCapOrg->DY_JICHU = -120.0;

    pier.component.m_pPileCapOrg->bT_JICHU = 14601.0;
    auto whole = pier.Intake();
    EXPECT_EQ(whole->BaseType, 2);
    EXPECT_EQ(whole->BaseLayMode, 1);
    EXPECT_DOUBLE_EQ(whole->DY, -120.0);

    pier.component.m_pPileCapOrg->bT_JICHU = 14599.0;
    EXPECT_EQ(pier.Intake()->BaseLayMode, 0);
}

TEST_F(PierOriginIntake, AFoundationKindWithoutItsOriginObjectLaysOutNoFoundation)
{
    pier.input.nFoundationType = 2;                 // spread footing, but the component holds none
    auto footing = pier.Intake();
    EXPECT_EQ(footing->BaseType, 0);
    EXPECT_EQ(footing->BaseLayMode, 0);
    EXPECT_DOUBLE_EQ(footing->DY, 0.0);

    pier.input.nFoundationType = 1;                 // pile cap, none held
    auto pileCap = pier.Intake();
    EXPECT_EQ(pileCap->BaseType, 2);
    EXPECT_EQ(pileCap->BaseLayMode, 0);
}

TEST_F(PierOriginIntake, AnUnknownFoundationSelectorLeavesTheKindAndLaysOutNoFoundation)
{
    pier.input.nFoundationType = 7;
    CPM001org org;
    org.BaseType = 2;
    org.BaseLayMode = 1;
    org.DY = 55.0;
    const PierSurroundings around = pier.component.Surroundings();
    ASSERT_EQ(org.SetData(1, &pier.input, &around), 1);
    EXPECT_EQ(org.BaseType, 2);
    EXPECT_EQ(org.BaseLayMode, 0);
    EXPECT_DOUBLE_EQ(org.DY, 0.0);
}

// --- Slopes, end heights, column tops ------------------------------------------------------------

TEST_F(PierOriginIntake, TwoSlopesGiveEndHeightsFromTheControlSection)
{
    pier.input.bAc = 6000.0;
    pier.input.iLb = 1.5;
    pier.input.iRb = 2.5;
    pier.input.hXbl = 1509.6;                       // rounds to 1510, the derived left height
    pier.input.hXbr = 1350.5;                       // rounds to 1351, not the derived 1350
    auto org = pier.Intake();

    EXPECT_EQ(org->fSingleSlope, 0);
    EXPECT_DOUBLE_EQ(org->iLb, 0.015);
    EXPECT_DOUBLE_EQ(org->iRb, 0.025);
    EXPECT_NEAR(org->HeightLeftEnd, 1510.0, kTight);   // 1600 - 6000 * 0.015
    EXPECT_NEAR(org->HeightRightEnd, 1350.0, kTight);  // 1600 - (16000 - 6000) * 0.025
    EXPECT_DOUBLE_EQ(org->bBpl, 0.0);
    EXPECT_DOUBLE_EQ(org->bBpr, 2500.0);
    // Every column top lies one section height below the control section's top.
    ExpectValues(org->ColumnTopLevels, {98.4, 98.4, 98.4});
    ExpectValues(org->ColumnHeights, {8400.0, 8400.0, 8400.0}, 1e-6);
}

TEST_F(PierOriginIntake, OneSlopeRunsOverTheWholeTopAndKeepsTheSectionHeight)
{
    pier.input.nSlopeMode = 0;
    pier.input.iLb = 1.5;
    pier.input.iRb = 4.0;                           // not used: the right slope continues the left
    pier.input.iLbL = 1.0;
    pier.input.iLbR = 3.0;
    pier.input.iRbL = -0.5;
    pier.input.iRbR = 3.0;
    pier.input.hXbl = 1600.4;                       // rounds to 1600 = hHgl
    pier.input.hXbr = 1599.4;                       // rounds to 1599
    auto org = pier.Intake();

    EXPECT_EQ(org->fSingleSlope, 1);
    EXPECT_DOUBLE_EQ(org->iLb, 0.015);
    EXPECT_DOUBLE_EQ(org->iRb, -0.015);
    EXPECT_DOUBLE_EQ(org->iLbL, 0.01);
    EXPECT_DOUBLE_EQ(org->iLbR, -0.01);
    EXPECT_DOUBLE_EQ(org->iRbL, -0.005);
    EXPECT_DOUBLE_EQ(org->iRbR, 0.005);
    EXPECT_DOUBLE_EQ(org->HeightLeftEnd, 1600.0);
    EXPECT_DOUBLE_EQ(org->HeightRightEnd, 1600.0);
    EXPECT_DOUBLE_EQ(org->bBpl, 0.0);
    EXPECT_DOUBLE_EQ(org->bBpr, 2500.0);

    // Left-end top: 100 - 8000 * 0.015 / 1000 = 99.88; the columns stand at 1500, 8000, 14500.
    // Tops: 99.88 - 1.6 + x * 0.015 / 1000.
    ExpectValues(org->ColumnTopLevels, {98.3025, 98.4, 98.4975});
    ExpectValues(org->ColumnHeights, {8302.5, 8400.0, 8497.5}, 1e-6);
}

TEST_F(PierOriginIntake, TwoLevelSlopesWithTheControlSectionAtAnEndBecomeOneSlope)
{
    pier.input.iLb = 0.0;
    pier.input.iRb = 0.0;
    pier.input.iLbL = 1.0;
    pier.input.iLbR = 3.0;
    for (double bAc : {0.0, 0.0000005, 16000.0, 15999.9999995, -10.0, 17000.0}) {
        pier.input.bAc = bAc;
        auto org = pier.Intake();
        EXPECT_EQ(org->fSingleSlope, 1) << "bAc " << bAc;
        EXPECT_DOUBLE_EQ(org->iRb, -org->iLb);
        EXPECT_DOUBLE_EQ(org->iLbR, -0.01);
    }
}

TEST_F(PierOriginIntake, TwoSlopesStayWhenTheControlSectionIsInsideOrASlopeIsGiven)
{
    pier.input.iLbL = 1.0;
    pier.input.iLbR = 3.0;

    pier.input.iLb = 0.0;
    pier.input.iRb = 0.0;
    pier.input.bAc = 8000.0;
    EXPECT_EQ(pier.Intake()->fSingleSlope, 0);

    pier.input.bAc = 0.0;
    pier.input.iLb = 1.0;
    auto org = pier.Intake();
    EXPECT_EQ(org->fSingleSlope, 0);
    EXPECT_DOUBLE_EQ(org->iRb, 0.0);
    EXPECT_DOUBLE_EQ(org->iLbR, 0.03);
}

// --- Tie beams -----------------------------------------------------------------------------------

TEST_F(PierOriginIntake, TieBeamPositionsAreTakenUnfilteredOnlyWithTieBeams)
{
    pier.input.bXl = 1000.0;
    pier.input.hXl = 1200.0;
    pier.input.zXl = "95.5, 0, -1";

    auto without = pier.Intake();
    EXPECT_TRUE(without->zXl.IsEmpty());
    EXPECT_DOUBLE_EQ(without->bXl, 0.0);

    pier.input.fXL = 1;
    auto with = pier.Intake();
    EXPECT_EQ(with->fXL, 1);
    EXPECT_DOUBLE_EQ(with->bXl, 1000.0);
    EXPECT_DOUBLE_EQ(with->hXl, 1200.0);
    ExpectValues(with->zXl, {95.5, 0.0, -1.0});
}

// --- Bearings and pedestals ------------------------------------------------------------------------

TEST_F(PierOriginIntake, EmptyBearingRowsAreDroppedFromTheInputAndTheRest)
{
    pier.input.fTwoRows = 1;
    pier.input.bQf = Texts({"1000", "", "1200"});
    pier.input.TypeZhif = Texts({"GJZ1", "", ""});
    pier.input.bQb = Texts({"", "2000"});
    pier.input.TypeZhib = Texts({"", "GJZ2"});
    auto org = pier.Intake();

    EXPECT_EQ(org->CushionNumber, 2);
    ExpectValues(org->bQf, {1000.0, 1200.0});
    ASSERT_EQ(org->TypeZhif.GetSize(), 2);
    EXPECT_EQ(org->TypeZhif[0], "GJZ1");
    EXPECT_EQ(org->TypeZhif[1], "");
    ExpectValues(org->bQb, {2000.0});
    ASSERT_EQ(org->TypeZhib.GetSize(), 1);
    EXPECT_EQ(org->TypeZhib[0], "GJZ2");
    EXPECT_EQ(pier.input.bQf.GetSize(), 2);         // the input's lists are cleaned in place
    EXPECT_EQ(pier.input.bQb.GetSize(), 1);
}

TEST_F(PierOriginIntake, OneBearingRowStillReadsTheBackSpacingsUncleaned)
{
    pier.input.fTwoRows = 0;
    pier.input.bQb = Texts({"2000", ""});
    pier.input.hZzb = Texts({"300"});
    pier.input.fBedStone = 1;
    pier.input.lZzb = 700.0;
    pier.input.bZzb = 800.0;
    auto org = pier.Intake();

    EXPECT_EQ(org->CushionNumber, 1);
    EXPECT_EQ(org->BedStoneTypeb, 0);
    EXPECT_TRUE(org->hZzb.IsEmpty());
    EXPECT_DOUBLE_EQ(org->lZzb, 0.0);
    EXPECT_DOUBLE_EQ(org->bZzb, 0.0);
    ASSERT_EQ(org->bQb.GetSize(), 2);               // the empty text stays, as no number
    EXPECT_DOUBLE_EQ(org->bQb[0], 2000.0);
    EXPECT_TRUE(std::isnan(org->bQb[1]));
}

TEST_F(PierOriginIntake, NoBearingInputGivesNoBearingSpacings)
{
    auto org = pier.Intake();
    EXPECT_TRUE(org->bQf.IsEmpty());
    EXPECT_TRUE(org->bQb.IsEmpty());
}

TEST_F(PierOriginIntake, PedestalsTakeTheirHeightsAndSizesOnlyWhenPresent)
{
    pier.input.hZzf = Texts({"250", "", "300"});
    pier.input.lZzf = 700.0;
    pier.input.bZzf = 800.0;
    pier.input.nBedStoneModef = 1;

    auto none = pier.Intake();
    EXPECT_EQ(none->BedStoneTypef, 0);
    EXPECT_TRUE(none->hZzf.IsEmpty());
    EXPECT_DOUBLE_EQ(none->lZzf, 0.0);

    pier.input.fBedStone = 1;
    auto with = pier.Intake();
    EXPECT_EQ(with->BedStoneTypef, 1);              // no skew: at most mode 1
    ExpectValues(with->hZzf, {250.0, 300.0});
    EXPECT_DOUBLE_EQ(with->lZzf, 700.0);
    EXPECT_DOUBLE_EQ(with->bZzf, 800.0);
}

TEST_F(PierOriginIntake, PedestalModesFollowTheSwitchesAndASquarePierLimitsThemToOne)
{
    pier.input.fTwoRows = 1;
    pier.input.fBedStone = 1;
    pier.input.hZzb = Texts({"", "320"});
    pier.input.lZzb = 650.0;
    pier.input.bZzb = 750.0;

    pier.input.nBedStoneModef = 0;
    pier.input.nBedStoneModeb = 1;
    pier.SetSkew(std::numbers::pi / 6.0);
    auto skewed = pier.Intake();
    EXPECT_EQ(skewed->BedStoneTypef, 1);
    EXPECT_EQ(skewed->BedStoneTypeb, 2);
    ExpectValues(skewed->hZzb, {320.0});
    EXPECT_DOUBLE_EQ(skewed->lZzb, 650.0);
    EXPECT_DOUBLE_EQ(skewed->bZzb, 750.0);

    pier.input.nBedStoneModef = 4;
    pier.SetSkew(0.0);
    auto square = pier.Intake();
    EXPECT_EQ(square->BedStoneTypef, 1);
    EXPECT_EQ(square->BedStoneTypeb, 1);
}

// --- Skew ----------------------------------------------------------------------------------------

TEST_F(PierOriginIntake, ASkewOfThirtyDegreesMeasuresAcrossValuesAlongTheCap)
{
    // cos 30° = √3/2: a value v becomes 2v/√3.
    pier.SetSkew(std::numbers::pi / 6.0);
    pier.input.bQf = Texts({"1500"});
    pier.input.bQb = Texts({"750"});
    pier.input.hFz = 500.0;
    pier.input.bL1 = 300.0;
    pier.input.bL2 = 450.0;
    pier.input.bFzjl = 150.0;
    pier.input.bR1 = 600.0;
    pier.input.bR2 = 900.0;
    pier.input.bFzjr = 75.0;
    pier.input.bLf1 = 30.0;
    pier.input.bRf1 = 60.0;
    auto org = pier.Intake();

    const double r3 = std::numbers::sqrt3;
    EXPECT_DOUBLE_EQ(org->a, std::numbers::pi / 6.0);
    ExpectValues(org->bQf, {1000.0 * r3});
    ExpectValues(org->bQb, {500.0 * r3});
    EXPECT_DOUBLE_EQ(org->hFz, 500.0);              // a height, not across
    EXPECT_NEAR(org->bL1, 200.0 * r3, kTight);
    EXPECT_NEAR(org->bL2, 300.0 * r3, kTight);
    EXPECT_NEAR(org->bFzjl, 100.0 * r3, kTight);
    EXPECT_NEAR(org->bR1, 400.0 * r3, kTight);
    EXPECT_NEAR(org->bR2, 600.0 * r3, kTight);
    EXPECT_NEAR(org->bFzjr, 50.0 * r3, kTight);
    EXPECT_NEAR(org->bLf1, 20.0 * r3, kTight);
    EXPECT_NEAR(org->bRf1, 40.0 * r3, kTight);
    EXPECT_DOUBLE_EQ(org->bBzl, 1500.0);            // column positions stay as entered
}

TEST_F(PierOriginIntake, NoSkewLeavesAcrossValuesAsEntered)
{
    pier.input.bQf = Texts({"1500"});
    pier.input.bL1 = 300.0;
    pier.input.bR1 = 600.0;
    auto org = pier.Intake();
    ExpectValues(org->bQf, {1500.0});
    EXPECT_DOUBLE_EQ(org->bL1, 300.0);
    EXPECT_DOUBLE_EQ(org->bR1, 600.0);
}

TEST_F(PierOriginIntake, ASkewWithoutUsableCosineKeepsValuesUndivided)
{
    pier.SetSkew(std::numbers::pi / 2.0);           // cos is about 6e-17
    pier.input.bQf = Texts({"1500"});
    pier.input.bL1 = 300.0;
    auto org = pier.Intake();
    ExpectValues(org->bQf, {1500.0});
    EXPECT_DOUBLE_EQ(org->bL1, 300.0);
}

TEST_F(PierOriginIntake, RepeatedStopperBlocksTakeTheLeftValuesOnTheRight)
{
    pier.SetSkew(std::numbers::pi / 3.0);           // cos 60° = 1/2: values double
    pier.input.fVaiDang = 1;
    pier.input.bL1 = 300.0;
    pier.input.bL2 = 450.0;
    pier.input.bFzjl = 150.0;
    pier.input.bLf1 = 30.0;
    pier.input.bLf2 = 45.0;
    pier.input.bFzfl = 15.0;
    pier.input.bR1 = 999.0;
    pier.input.bRf2 = 999.0;
    auto org = pier.Intake();
    EXPECT_EQ(org->fVaiDang, 1);
    EXPECT_NEAR(org->bR1, 600.0, 1e-9);
    EXPECT_NEAR(org->bR2, 900.0, 1e-9);
    EXPECT_NEAR(org->bFzjr, 300.0, 1e-9);
    EXPECT_NEAR(org->bRf1, 60.0, 1e-9);
    EXPECT_NEAR(org->bRf2, 90.0, 1e-9);
    EXPECT_NEAR(org->bFzfr, 30.0, 1e-9);
}

// --- Materials, options, texts -------------------------------------------------------------------

TEST_F(PierOriginIntake, MaterialsBecomeCatalogueLabels)
{
    pier.input.PierCapConGra = " C40混凝土 ";
    pier.input.PierColumnConGra = "C30";
    pier.input.BedStoneConGra = "\tC50混凝土";
    pier.input.TieBeamConGra = "unknown grade ";
    auto org = pier.Intake();
    EXPECT_EQ(org->PierCapConGra, "C40");
    EXPECT_EQ(org->StopperConGra, "C40");           // cast with the cap
    EXPECT_EQ(org->PierColumnConGra, "C30");
    EXPECT_EQ(org->BedStoneConGra, "C50");
    EXPECT_EQ(org->TieBeamConGra, "unknown grade");  // unknown: trimmed, kept
}

TEST_F(PierOriginIntake, SwitchesBecomeOptions)
{
    pier.input.DesignSwitch1 = 0;
    pier.input.DesignSwitch2 = 7;
    pier.input.DesignSwitch3 = 0;
    pier.input.DesignSwitch5 = 2;
    pier.input.CalcSwitch1 = -3;
    pier.input.CalcSwitch3 = 0;
    pier.input.CalcSwitch4 = 1;
    pier.input.CalcSwitch12 = 9;
    pier.input.fDisribute = 4;
    auto org = pier.Intake();
    EXPECT_EQ(org->DesignOpt1, 1);
    EXPECT_EQ(org->DesignOpt2, 1);
    EXPECT_EQ(org->DesignOpt3, 1);
    EXPECT_EQ(org->DesignOpt5, 0);
    EXPECT_EQ(org->CalcOpt1, 1);
    EXPECT_EQ(org->CalcOpt3, 0);
    EXPECT_EQ(org->CalcOpt4, 1);
    EXPECT_EQ(org->CalcOpt12, 1);
    EXPECT_EQ(org->fDisribute, 4);
    EXPECT_EQ(org->CalcOpt5, 4);                    // the same input as the distribution option

    // The third design option only counts with the first.
    pier.input.DesignSwitch1 = 1;
    auto off = pier.Intake();
    EXPECT_EQ(off->DesignOpt1, 0);
    EXPECT_EQ(off->DesignOpt3, 0);
}

TEST_F(PierOriginIntake, ScalesAreReadFromTheirTexts)
{
    pier.input.gzPMScale = "100";
    pier.input.stPMScale = " 50.5 ";
    pier.input.PrePMScale = "1:20";
    pier.input.gzLMScale = "abc";
    auto org = pier.Intake();
    EXPECT_DOUBLE_EQ(org->gzPMScale, 100.0);
    EXPECT_DOUBLE_EQ(org->stPMScale, 50.5);
    EXPECT_DOUBLE_EQ(org->PrePMScale, 1.0);         // the number at the start
    EXPECT_DOUBLE_EQ(org->gzLMScale, 0.0);
}

TEST_F(PierOriginIntake, RoadAndProjectGiveTendonMaterialAndTextStyle)
{
    pier.road.GetRoadGeneral()->SetDesignTendonMaterialName(1, "钢绞线1×7-15.20-1860");
    struct Case {
        int mode;
        int expected;
    };
    for (const Case c : {Case{0, 1}, Case{2, 2}, Case{1, 0}, Case{5, 0}}) {
        pier.manager.GetDrawingSetting()->m_TextStyle.mode = c.mode;
        auto org = pier.Intake();
        EXPECT_EQ(org->TextStyleMode, c.expected) << "mode " << c.mode;
        EXPECT_EQ(org->TendonMaterial, "钢绞线1×7-15.20-1860");
    }
}

} // namespace
