// CPM001org::Get_Cal_OrgData: the engine's origin record of small piers, field by field, worked out by hand.
#include "input/pier_input_case.h"

#include "calc/pm001_calc_org.h"
#include "host/report.h"
#include "siblings/pile_cap_org.h"
#include "siblings/pile_foundation_org.h"
#include "siblings/spread_footing_org.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

void ExpectValues(const DblArray& list, const std::vector<double>& expected)
{
    ASSERT_EQ(list.GetSize(), static_cast<int>(expected.size()));
    for (int i = 0; i < list.GetSize(); ++i) EXPECT_NEAR(list[i], expected[static_cast<std::size_t>(i)], 1e-9) << i;
}

DblArray List(std::initializer_list<double> values)
{
    DblArray list;
    for (double v : values) list.Add(v);
    return list;
}

// Three rectangular columns 6500 apart, 1500 from each cap end (cap length 16000), two cross
// slopes meeting 8000 from the left end; a skew of 60° (cos = 0.5). The foundation objects of
// all three kinds exist; each test picks the kind.
class CalcOriginData : public ::testing::Test {
protected:
    CPM001Norm norm;
    CPM001org org;
    CPM001Calc_Org record;

    void SetUp() override
    {
        ReportLog::Current().Clear();
        org.CalcOpt1 = 11; org.CalcOpt2 = 12; org.CalcOpt3 = 13; org.CalcOpt4 = 14; org.CalcOpt5 = 15;
        org.CalcOpt6 = 16; org.CalcOpt7 = 17; org.CalcOpt8 = 18; org.CalcOpt9 = 19; org.CalcOpt10 = 20;
        org.CalcOpt11 = 21; org.CalcOpt12 = 22; org.CalcOpt13 = 23;
        org.JGType = 1;
        org.DuctSeries = "金属波纹管";
        org.AnchorSeries = "OVM";
        org.PierCapConGra = "C40";
        org.PierColumnConGra = "C35";
        org.BedStoneConGra = "C50";
        org.StopperConGra = "C40";
        org.TieBeamConGra = "C30";
        org.bBzl = 1500.0;
        org.bBzr = 1500.0;
        org.bBz = List({6500.0, 6500.0});
        org.bAc = 8000.0;
        org.fSingleSlope = 0;
        org.iLb = 0.02;
        org.iRb = 0.015;
        org.bBpl = 2500.0;
        org.bBpr = 2400.0;
        org.hHgl = 1600.0;
        org.hXbl = 1200.0;
        org.hXbr = 1100.0;
        org.B = 1800.0;
        org.V = 300.0;
        org.vP = 100.0;
        org.zGl = 100.0;
        org.zZct = 90.0;
        org.a = std::numbers::pi / 3.0;
        org.bAg = -5000.0;
        org.DY = 250.0;
        org.CushionNumber = 2;
        org.zQf = 400.0;
        org.zQb = -400.0;
        org.bQf = List({3000.0, 4000.0});      // along the skewed cap
        org.bQb = List({2000.0});
        org.TypeZhif.Add("GJZ-1");
        org.TypeZhif.Add("GJZ-2");
        org.TypeZhib.Add("GJZ-3");
        org.lZzf = 600.0; org.bZzf = 700.0;
        org.lZzb = 650.0; org.bZzb = 750.0;
        org.BedStoneTypef = 2;
        org.BedStoneTypeb = 1;
        org.hZzf = List({150.0, 160.0});
        org.hZzb = List({170.0});
        org.ColumnSectionType = 0;             // rectangular
        org.bRec = 1600.0;
        org.lRec = 1200.0;
        org.D = 1500.0;
        org.FilletMode = 1;
        org.X = 100.0; org.Y = 50.0; org.R = 150.0;
        org.fXL = 1;
        org.bXl = 800.0;
        org.hXl = 1000.0;
        org.zXl = List({3000.0});
        org.ColumnHeights = List({8400.0, 8200.0, 8600.0});
        org.hFz = 500.0;
        org.bL1 = 800.0; org.bL2 = 600.0; org.bFzjl = 300.0;
        org.bR1 = 900.0; org.bR2 = 700.0; org.bFzjr = 200.0;
        org.hFzf = 999.0; org.bLf1 = 999.0;    // second stopper set: not passed

        norm.m_pFootingOrg = std::make_unique<CPG001org>();
        norm.m_pFootingOrg->lKs_JICHU = 4000.0;
        norm.m_pFootingOrg->lTj_JICHU = List({500.0, 300.0});
        norm.m_pFootingOrg->ConGra_JICHU = "C25";
        norm.m_pPileOrg = std::make_unique<CPG002org>();
        norm.m_pPileOrg->rZ_JICHU = 1500.0;
        norm.m_pPileOrg->rC_JICHU = 1800.0;
        norm.m_pPileOrg->lZ_JICHU = 30000.0;
        norm.m_pPileOrg->ConGra_JICHU = "C30";
        norm.m_pPileCapOrg = std::make_unique<CPG003org>();
        norm.m_pPileCapOrg->lT_JICHU = 6000.0;
        norm.m_pPileCapOrg->hT_JICHU = 2000.0;
        norm.m_pPileCapOrg->ConGra_JICHU = "C35";
    }
    void TearDown() override { ReportLog::Current().Clear(); }

    int Fill(int kind)
    {
        norm.m_nFoundationKind = kind;
        const PierSurroundings around = norm.Surroundings();
        return org.Get_Cal_OrgData(&record, &around);
    }
};

// --- The pier's own values ---------------------------------------------------------------------

TEST_F(CalcOriginData, PassesOptionsAndMaterialsThrough)
{
    ASSERT_EQ(Fill(0), 1);
    EXPECT_EQ(record.CalcOpt1, 11);
    EXPECT_EQ(record.CalcOpt5, 15);
    EXPECT_EQ(record.CalcOpt6, 16);
    EXPECT_EQ(record.CalcOpt7, 17);
    EXPECT_EQ(record.CalcOpt8, 18);
    EXPECT_EQ(record.CalcOpt9, 19);
    EXPECT_EQ(record.CalcOpt10, 20);
    EXPECT_EQ(record.CalcOpt11, 21);
    EXPECT_EQ(record.CalcOpt12, 22);
    EXPECT_EQ(record.CalcOpt13, 23);
    EXPECT_EQ(record.JGType, 1);
    EXPECT_EQ(record.DuctSeries, "金属波纹管");
    EXPECT_EQ(record.AnchorSeries, "OVM");
    EXPECT_EQ(record.CapConcrete, "C40");
    EXPECT_EQ(record.ColumnConcrete, "C35");
    EXPECT_EQ(record.ColumnConcrete2, "C35");
    EXPECT_EQ(record.TieBeamConcrete, "C35");  // the engine takes the column concrete here
    EXPECT_EQ(record.PedestalConcrete, "C50");
    EXPECT_EQ(record.StopperConcrete, "C40");
}

TEST_F(CalcOriginData, CapLayoutAndEndDropsOfTwoSlopes)
{
    ASSERT_EQ(Fill(0), 1);
    ExpectValues(record.ColumnSpacings, {6500.0, 6500.0});
    EXPECT_DOUBLE_EQ(record.CapLength, 16000.0);              // 6500 + 6500 + 1500 + 1500
    EXPECT_DOUBLE_EQ(record.bBzlCap, 1500.0);
    EXPECT_DOUBLE_EQ(record.bBzrCap, 1500.0);
    EXPECT_DOUBLE_EQ(record.bBzl, 1500.0);
    EXPECT_DOUBLE_EQ(record.bBzr, 1500.0);
    EXPECT_DOUBLE_EQ(record.bAc, 8000.0);
    EXPECT_DOUBLE_EQ(record.iLb, 0.02);
    EXPECT_DOUBLE_EQ(record.iRb, 0.015);
    EXPECT_DOUBLE_EQ(record.bBpl, 2500.0);
    EXPECT_DOUBLE_EQ(record.bBpr, 2400.0);
    EXPECT_DOUBLE_EQ(record.hXbl, 1200.0);
    EXPECT_DOUBLE_EQ(record.hXbr, 1100.0);
    EXPECT_NEAR(record.LeftEndDrop, 240.0, 1e-9);             // 1600 - 8000 × 0.02 - 1200
    EXPECT_NEAR(record.RightEndDrop, 380.0, 1e-9);            // 1600 - (16000 - 8000) × 0.015 - 1100
    EXPECT_DOUBLE_EQ(record.B, 1800.0);
    EXPECT_DOUBLE_EQ(record.BTop, 1800.0);
    EXPECT_DOUBLE_EQ(record.hHgl, 1600.0);
    EXPECT_DOUBLE_EQ(record.ColumnHeightRef, 1600.0);
    EXPECT_DOUBLE_EQ(record.V, 300.0);
    EXPECT_DOUBLE_EQ(record.vP, 100.0);
    EXPECT_DOUBLE_EQ(record.zGl, 100.0);
    EXPECT_DOUBLE_EQ(record.zZct, 90.0);
    EXPECT_DOUBLE_EQ(record.a, std::numbers::pi / 3.0);
    EXPECT_DOUBLE_EQ(record.bAgRoad, 5000.0);
    EXPECT_DOUBLE_EQ(record.DY, 250.0);
    EXPECT_DOUBLE_EQ(record.MinColumnHeight, 8200.0);
}

TEST_F(CalcOriginData, OneSlopeDropsEachEndFromTheFullHeight)
{
    org.fSingleSlope = 1;
    ASSERT_EQ(Fill(0), 1);
    EXPECT_DOUBLE_EQ(record.LeftEndDrop, 400.0);              // 1600 - 1200
    EXPECT_DOUBLE_EQ(record.RightEndDrop, 500.0);             // 1600 - 1100
}

TEST_F(CalcOriginData, ASingleColumnCapIsItsTwoEndDistances)
{
    org.bBz.RemoveAll();
    ASSERT_EQ(Fill(0), 1);
    EXPECT_TRUE(record.ColumnSpacings.IsEmpty());
    EXPECT_DOUBLE_EQ(record.CapLength, 3000.0);
    EXPECT_NEAR(record.RightEndDrop, 1600.0 - (3000.0 - 8000.0) * 0.015 - 1100.0, 1e-9);
}

TEST_F(CalcOriginData, SkewedLengthsAreTakenSquareToTheBridgeAxis)
{
    ASSERT_EQ(Fill(0), 1);
    ExpectValues(record.bQf, {1500.0, 2000.0});                // × cos 60° = 0.5
    ExpectValues(record.bQb, {1000.0});
    EXPECT_NEAR(record.bL1, 400.0, 1e-9);
    EXPECT_NEAR(record.bL2, 300.0, 1e-9);
    EXPECT_NEAR(record.bR1, 450.0, 1e-9);
    EXPECT_NEAR(record.bR2, 350.0, 1e-9);
    // The stopper blocks' distances to the cap's edges go as stored, not × cos 60°.
    EXPECT_DOUBLE_EQ(record.bFzjl, 300.0);
    EXPECT_DOUBLE_EQ(record.bFzjr, 200.0);
    EXPECT_DOUBLE_EQ(record.hFz, 500.0);
    // The origin data keep their own values.
    ExpectValues(org.bQf, {3000.0, 4000.0});
    EXPECT_DOUBLE_EQ(org.bFzjl, 300.0);
}

TEST_F(CalcOriginData, WithoutSkewTheAcrossLengthsPassUnchanged)
{
    org.a = 0.0;
    ASSERT_EQ(Fill(0), 1);
    ExpectValues(record.bQf, {3000.0, 4000.0});
    EXPECT_DOUBLE_EQ(record.bL1, 800.0);
    EXPECT_DOUBLE_EQ(record.bFzjr, 200.0);
}

TEST_F(CalcOriginData, TheIntakeOfASkewedPierRoundTripsToTheEnteredLengths)
{
    PierInputCase pier;
    pier.SetSkew(std::numbers::pi / 6.0);
    pier.input.bQf.Add("3000");
    pier.input.TypeZhif.Add("GJZ");
    pier.input.bL1 = 800.0;
    pier.input.bFzjl = 250.0;
    auto intake = pier.Intake();
    ASSERT_TRUE(intake);
    pier.component.m_nFoundationKind = 1;
    pier.component.m_pPileOrg = std::make_unique<CPG002org>();
    const PierSurroundings around = pier.component.Surroundings();
    ASSERT_EQ(intake->Get_Cal_OrgData(&record, &around), 1);
    ExpectValues(record.bQf, {3000.0});
    EXPECT_NEAR(record.bL1, 800.0, 1e-9);
    // The distance stays along the skewed cap as the intake stored it: 250 / cos 30° = 288.675.
    EXPECT_NEAR(record.bFzjl, 500.0 / std::sqrt(3.0), 1e-9);
    EXPECT_DOUBLE_EQ(record.CapLength, 16000.0);
}

TEST_F(CalcOriginData, BearingRowsAndPedestals)
{
    ASSERT_EQ(Fill(0), 1);
    EXPECT_EQ(record.CushionNumber, 2);
    EXPECT_DOUBLE_EQ(record.zQf, 400.0);
    EXPECT_DOUBLE_EQ(record.zQb, -400.0);
    ASSERT_EQ(record.TypeZhif.GetSize(), 2);
    EXPECT_EQ(record.TypeZhif[1], "GJZ-2");
    ASSERT_EQ(record.TypeZhib.GetSize(), 1);
    EXPECT_EQ(record.TypeZhib[0], "GJZ-3");
    EXPECT_DOUBLE_EQ(record.lZzf, 600.0);
    EXPECT_DOUBLE_EQ(record.bZzf, 700.0);
    EXPECT_DOUBLE_EQ(record.lZzb, 650.0);
    EXPECT_DOUBLE_EQ(record.bZzb, 750.0);
    ExpectValues(record.hZzf, {150.0, 160.0});
    ExpectValues(record.hZzb, {170.0});
    EXPECT_EQ(record.PedestalsPresent, 1);
    EXPECT_EQ(record.PedestalModeF, 1);
    EXPECT_EQ(record.PedestalModeB, 0);
    EXPECT_EQ(record.PedestalModeB2, 1);
    EXPECT_EQ(record.PedestalFixed, 1);
}

TEST_F(CalcOriginData, NoPedestalsInEitherRow)
{
    org.BedStoneTypef = 0;
    org.BedStoneTypeb = 0;
    ASSERT_EQ(Fill(0), 1);
    EXPECT_EQ(record.PedestalsPresent, 0);
    EXPECT_EQ(record.PedestalModeF, -1);
    EXPECT_EQ(record.PedestalModeB, -1);
    EXPECT_EQ(record.PedestalModeB2, 0);
}

TEST_F(CalcOriginData, FixedCodesAndTieBeams)
{
    record.FixedZero1 = 9; record.FixedZero2 = 9; record.FixedZero3 = 9;
    ASSERT_EQ(Fill(2), 1);
    EXPECT_EQ(record.ColumnShapeFixed, 1);
    EXPECT_EQ(record.ColumnCodeFixed, 2);
    EXPECT_EQ(record.ColumnFlagFixed, 1);
    EXPECT_EQ(record.PedestalFixed, 1);
    EXPECT_EQ(record.FixedZero1, 0);
    EXPECT_EQ(record.FixedZero2, 0);
    EXPECT_EQ(record.FixedZero3, 0);
    EXPECT_EQ(record.fXL, 1);
    EXPECT_EQ(record.fXL2, 1);
    EXPECT_DOUBLE_EQ(record.bXl2, 800.0);
    EXPECT_DOUBLE_EQ(record.hXl2, 1000.0);
    ExpectValues(record.zXl, {3000.0});
}

// --- Columns -----------------------------------------------------------------------------------

TEST_F(CalcOriginData, RectangularColumnsWithAStraightChamfer)
{
    record.ColumnD = -1.0;
    record.CircD = -1.0;
    record.ChamferR = -1.0;
    ASSERT_EQ(Fill(0), 1);
    EXPECT_EQ(record.ColumnIsRect, 1);
    EXPECT_EQ(record.ColumnShape, 0);
    EXPECT_DOUBLE_EQ(record.ColumnB, 1600.0);
    EXPECT_DOUBLE_EQ(record.ColumnL, 1200.0);
    EXPECT_DOUBLE_EQ(record.SectB, 1600.0);
    EXPECT_DOUBLE_EQ(record.SectL, 1200.0);
    EXPECT_DOUBLE_EQ(record.SectD2, 0.0);
    EXPECT_DOUBLE_EQ(record.SectD3, 0.0);
    EXPECT_EQ(record.ChamferCode, 1);
    EXPECT_DOUBLE_EQ(record.ChamferX, 100.0);
    EXPECT_DOUBLE_EQ(record.ChamferY, 50.0);
    // Circular values and the arc radius are not the rectangular column's.
    EXPECT_DOUBLE_EQ(record.ColumnD, -1.0);
    EXPECT_DOUBLE_EQ(record.CircD, -1.0);
    EXPECT_DOUBLE_EQ(record.ChamferR, -1.0);
}

TEST_F(CalcOriginData, ChamferCodesOfTheThreeCornerModes)
{
    const int expected[] = {2, 1, 0};   // none, straight, arc
    for (int mode = 0; mode <= 2; ++mode) {
        org.FilletMode = mode;
        ASSERT_EQ(Fill(0), 1);
        EXPECT_EQ(record.ChamferCode, expected[mode]) << "mode " << mode;
    }
    EXPECT_DOUBLE_EQ(record.ChamferR, 150.0);
}

TEST_F(CalcOriginData, CircularColumns)
{
    org.ColumnSectionType = 1;
    record.SectB = -1.0;
    record.ChamferCode = -1;
    record.CircD2 = 5.0;
    ASSERT_EQ(Fill(0), 1);
    EXPECT_EQ(record.ColumnIsRect, 0);
    EXPECT_EQ(record.ColumnShape, 1);
    EXPECT_DOUBLE_EQ(record.ColumnD, 1500.0);
    EXPECT_DOUBLE_EQ(record.CircD, 1500.0);
    EXPECT_DOUBLE_EQ(record.CircD2, 0.0);
    EXPECT_DOUBLE_EQ(record.CircD3, 0.0);
    EXPECT_DOUBLE_EQ(record.SectB, -1.0);
    EXPECT_EQ(record.ChamferCode, -1);
}

// --- Foundations -------------------------------------------------------------------------------

TEST_F(CalcOriginData, SpreadFootingRecord)
{
    ASSERT_EQ(Fill(0), 1);
    EXPECT_EQ(record.FoundationKind, 0);
    EXPECT_EQ(record.NotPileFoundation, 1);
    EXPECT_DOUBLE_EQ(record.FoundationLength, 4800.0);       // 500 + 300 + 4000
    EXPECT_EQ(record.FoundationText, "C25");
    ASSERT_TRUE(record.PG001Data);
    EXPECT_FALSE(record.PG002Data);
    EXPECT_FALSE(record.PG003Data);
    EXPECT_DOUBLE_EQ(record.PG001Data->TopLength, 4000.0);
    EXPECT_EQ(record.PG001Data->Concrete, "C25");
}

TEST_F(CalcOriginData, PileCapRecord)
{
    ASSERT_EQ(Fill(2), 1);
    EXPECT_EQ(record.FoundationKind, 2);
    EXPECT_EQ(record.NotPileFoundation, 1);
    EXPECT_DOUBLE_EQ(record.FoundationLength, 6000.0);
    EXPECT_EQ(record.FoundationText, "C35");
    ASSERT_TRUE(record.PG003Data);
    EXPECT_FALSE(record.PG001Data);
    EXPECT_DOUBLE_EQ(record.PG003Data->Thickness, 2000.0);
}

TEST_F(CalcOriginData, AnUnknownFoundationKindIsAPileCap)
{
    ASSERT_EQ(Fill(7), 1);
    EXPECT_EQ(record.FoundationKind, 2);
    EXPECT_TRUE(record.PG003Data);
    EXPECT_EQ(record.NotPileFoundation, 1);
}

TEST_F(CalcOriginData, PileFoundationUnderRectangularColumns)
{
    ASSERT_EQ(Fill(1), 1);
    EXPECT_EQ(record.FoundationKind, 1);
    EXPECT_EQ(record.NotPileFoundation, 0);
    EXPECT_DOUBLE_EQ(record.FoundationLength, 30000.0);
    EXPECT_EQ(record.FoundationText, "C30");
    ASSERT_TRUE(record.PG002Data);
    EXPECT_FALSE(record.PG001Data);
    EXPECT_FALSE(record.PG003Data);
    const PG002Calc_OrgData& piles = *record.PG002Data;
    EXPECT_DOUBLE_EQ(piles.PileLength, 30000.0);
    EXPECT_EQ(piles.PileHeadCode, 1);
    EXPECT_NEAR(piles.ColumnLength, 8400.0, 1e-9);           // (100 - 90) × 1000 - 1600
    EXPECT_DOUBLE_EQ(piles.ColumnLength2, 0.0);
}

TEST_F(CalcOriginData, PileHeadCodeOfCircularColumns)
{
    org.ColumnSectionType = 1;
    struct Case {
        double columnD;
        int enlargedHead;
        int code;
    } cases[] = {
        {1500.0, 0, 2},          // column on a pile of its diameter
        {1500.0 + 5e-7, 0, 2},   // within the equality tolerance
        {1400.0, 0, 3},
        {1800.0, 1, 2},          // the enlarged head's diameter counts
        {1500.0, 1, 3},
    };
    for (const Case& c : cases) {
        org.D = c.columnD;
        norm.m_pPileOrg->fC_JICHU = c.enlargedHead;
        ASSERT_EQ(Fill(1), 1);
        EXPECT_EQ(record.PG002Data->PileHeadCode, c.code) << "D " << c.columnD << " head " << c.enlargedHead;
    }
}

TEST_F(CalcOriginData, ASingleColumnOnAPileHasTheFixedColumnLength)
{
    org.bBz.RemoveAll();
    ASSERT_EQ(Fill(1), 1);
    EXPECT_DOUBLE_EQ(record.PG002Data->ColumnLength, 6000.0);
}

// --- Preparing again, and what cannot be prepared ----------------------------------------------

TEST_F(CalcOriginData, PreparingAgainReplacesTheSpacingsAndTheFoundationRecord)
{
    ASSERT_EQ(Fill(0), 1);
    ASSERT_EQ(Fill(0), 1);
    ExpectValues(record.ColumnSpacings, {6500.0, 6500.0});
    EXPECT_DOUBLE_EQ(record.CapLength, 16000.0);
    EXPECT_TRUE(record.PG001Data);

    // Another kind: the footing's record is released, only the piles' remains.
    ASSERT_EQ(Fill(1), 1);
    EXPECT_FALSE(record.PG001Data);
    EXPECT_TRUE(record.PG002Data);
    EXPECT_FALSE(record.PG003Data);
}

TEST_F(CalcOriginData, WithoutTheFoundationObjectNothingIsWritten)
{
    norm.m_pPileOrg.reset();
    record.CapLength = -1.0;
    EXPECT_EQ(Fill(1), 0);
    EXPECT_DOUBLE_EQ(record.CapLength, -1.0);
    EXPECT_FALSE(record.PG002Data);
    EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Error), 1);
}

TEST_F(CalcOriginData, NullRecordOrComponentGivesZero)
{
    const PierSurroundings around = norm.Surroundings();
    EXPECT_EQ(org.Get_Cal_OrgData(nullptr, &around), 0);
    EXPECT_EQ(org.Get_Cal_OrgData(&record, nullptr), 0);
    EXPECT_TRUE(record.ColumnSpacings.IsEmpty());
}

} // namespace
