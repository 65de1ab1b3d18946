// The foundation modules' calculation records: origin and load records, live-load surfaces.
#include "calc/bc_bridge_span_align.h"
#include "calc/pg001_calc_load.h"
#include "calc/pg001_calc_org_data.h"
#include "calc/pg002_calc_load.h"
#include "calc/pg002_calc_org_data.h"
#include "calc/pg003_calc_load.h"
#include "calc/pg003_calc_org_data.h"
#include "siblings/pile_cap_org.h"
#include "siblings/pile_foundation_org.h"
#include "siblings/spread_footing_org.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {

DblArray List(std::initializer_list<double> values)
{
    DblArray list;
    for (double v : values) list.Add(v);
    return list;
}

// A footing 4000 × 9000 × 1000 with two steps of 750, widened 500 then 400 on each side across
// and 500 per step along on each side.
CPG001org Footing()
{
    CPG001org footing;
    footing.lKs_JICHU = 4000.0;
    footing.bKs_JICHU = 9000.0;
    footing.hKs_JICHU = 1000.0;
    footing.DY_JICHU = 250.0;
    footing.hTj_JICHU = List({750.0, 750.0});
    footing.bTjl_JICHU = List({500.0, 400.0});
    footing.bTjr_JICHU = List({500.0, 400.0});
    footing.lTj_JICHU = List({500.0, 500.0});
    footing.ConGra_JICHU = "C30";
    footing.fPJ_JICHU = 1;
    return footing;
}

TEST(FoundationCalcRecords, FootingOriginRecord)
{
    CPG001org footing = Footing();
    PG001Calc_OrgData record;
    ASSERT_EQ(footing.Get_Cal_OrgData(&record), 1);
    EXPECT_DOUBLE_EQ(record.TopLength, 4000.0);
    EXPECT_DOUBLE_EQ(record.TopWidth, 9000.0);
    EXPECT_DOUBLE_EQ(record.TopHeight, 1000.0);
    EXPECT_DOUBLE_EQ(record.Offset, 250.0);
    EXPECT_EQ(record.StepHeights.vector(), (std::vector<double>{750.0, 750.0}));
    EXPECT_EQ(record.StepWidthsLeft.vector(), (std::vector<double>{500.0, 400.0}));
    EXPECT_EQ(record.StepWidthsRight.vector(), (std::vector<double>{500.0, 400.0}));
    EXPECT_EQ(record.StepWidthsAlong.vector(), (std::vector<double>{500.0, 500.0}));
    EXPECT_EQ(record.Concrete, "C30");
    EXPECT_EQ(record.Reinforced, 1);
    EXPECT_EQ(footing.Get_Cal_OrgData(nullptr), 0);
}

TEST(FoundationCalcRecords, FootingLoadRecordTakesTheOverallSize)
{
    CPG001org footing = Footing();
    CPG001CalcLoad load;
    load.Name = "P3";
    load.ReferenceLevel = 87.5;
    ASSERT_EQ(footing.Get_Cal_OrgLoad(&load, nullptr, nullptr, nullptr), 1);
    EXPECT_DOUBLE_EQ(load.Length, 6000.0);     // 4000 + 2 × (500 + 500)
    EXPECT_DOUBLE_EQ(load.Width, 10800.0);     // 9000 + (500 + 400) + (500 + 400)
    EXPECT_DOUBLE_EQ(load.Height, 2500.0);     // 1000 + 750 + 750
    EXPECT_DOUBLE_EQ(load.Offset, 250.0);
    EXPECT_EQ(load.Concrete, "C30");
    // What the pier sets is the pier's.
    EXPECT_EQ(load.Name, "P3");
    EXPECT_DOUBLE_EQ(load.ReferenceLevel, 87.5);
    EXPECT_EQ(footing.Get_Cal_OrgLoad(nullptr, nullptr, nullptr, nullptr), 0);
}

TEST(FoundationCalcRecords, PileRecords)
{
    CPG002org piles;
    piles.rZ_JICHU = 1500.0;
    piles.fC_JICHU = 1;
    piles.rC_JICHU = 1800.0;
    piles.hC_JICHU = 3000.0;
    piles.lZ_JICHU = 30000.0;
    piles.nZType_JICHU = 1;
    piles.fXL_JICHU = 1;
    piles.bXl_JICHU = 1000.0;
    piles.hXl_JICHU = 1200.0;
    piles.zXl_JICHU = List({4000.0, 12000.0});
    piles.ConGra_JICHU = "C30";

    PG002Calc_OrgData record;
    ASSERT_EQ(piles.Get_Cal_OrgData(&record), 1);
    EXPECT_DOUBLE_EQ(record.HeadDiameter, 1800.0);
    EXPECT_DOUBLE_EQ(record.PileLength, 30000.0);
    EXPECT_EQ(record.TieBeamDepths.vector(), (std::vector<double>{4000.0, 12000.0}));
    EXPECT_EQ(record.Concrete, "C30");

    CPG002CalcLoad load;
    ASSERT_EQ(piles.Get_Cal_Load(&load), 1);
    EXPECT_DOUBLE_EQ(load.PileDiameter, 1500.0);
    EXPECT_DOUBLE_EQ(load.PileLength, 30000.0);
    EXPECT_EQ(load.Concrete, "C30");
    EXPECT_EQ(piles.Get_Cal_OrgData(nullptr), 0);
    EXPECT_EQ(piles.Get_Cal_Load(nullptr), 0);
}

TEST(FoundationCalcRecords, PileCapRecords)
{
    CPG003org cap;
    cap.PileCapTtype_JICHU = 1;
    cap.nLJ_JICHU = 1;
    cap.lT_JICHU = 6000.0;
    cap.bT_JICHU = 14000.0;
    cap.hT_JICHU = 2000.0;
    cap.DY_JICHU = -100.0;
    cap.bYz_JICHU = 3000.0;
    cap.rZ_JICHU = 1200.0;
    cap.lZ_JICHU = 25000.0;
    cap.bZj_JICHU = List({3000.0, 3000.0});
    cap.lZj_JICHU = List({3600.0});
    cap.ConGra_JICHU = "C35";

    PG003Calc_OrgData record;
    ASSERT_EQ(cap.Get_Cal_OrgData(&record), 1);
    EXPECT_EQ(record.BodyKind, 1);
    EXPECT_DOUBLE_EQ(record.Thickness, 2000.0);
    EXPECT_EQ(record.PileSpacingsAcross.vector(), (std::vector<double>{3000.0, 3000.0}));
    EXPECT_EQ(record.PileSpacingsAlong.vector(), (std::vector<double>{3600.0}));
    EXPECT_EQ(record.Concrete, "C35");

    CPG003CalcLoad load;
    ASSERT_EQ(cap.Get_Cal_OrgLoad(&load), 1);
    EXPECT_DOUBLE_EQ(load.Length, 6000.0);
    EXPECT_DOUBLE_EQ(load.Width, 14000.0);
    EXPECT_DOUBLE_EQ(load.Thickness, 2000.0);
    EXPECT_DOUBLE_EQ(load.Offset, -100.0);
    EXPECT_EQ(load.Concrete, "C35");
    EXPECT_EQ(cap.Get_Cal_OrgData(nullptr), 0);
    EXPECT_EQ(cap.Get_Cal_OrgLoad(nullptr), 0);
}

TEST(FoundationCalcRecords, LiveLoadSurfaceIntoASpanAlignment)
{
    CCalGenLiveLoadSurface surface;
    surface.m_PartName.Add("行车道");
    surface.m_PartWidth.Add("11.5");
    surface.m_GirderName.Add("G1");
    tagBC_BridgeSpanAlign align;
    CPG003org::SetLoadSurface(align, &surface);
    EXPECT_EQ(align.Filled, 1);
    ASSERT_EQ(align.Surface.m_PartName.GetSize(), 1);
    EXPECT_EQ(align.Surface.m_PartName[0], "行车道");
    EXPECT_EQ(align.Surface.m_PartWidth[0], "11.5");
    EXPECT_EQ(align.Surface.m_GirderName[0], "G1");

    // Without a surface the record keeps what it holds.
    CPG003org::SetLoadSurface(align, nullptr);
    EXPECT_EQ(align.Filled, 1);
    EXPECT_EQ(align.Surface.m_PartName.GetSize(), 1);
}

} // namespace
