// The pier's own part of the drawing alignment record, on hand-made piers of each foundation kind.
#include "module/handover_records_pile_cap.h"
#include "module/pier_component.h"
#include "pier/alignment_record.h"
#include "pier/pier_design_record.h"
#include "siblings/pile_cap.h"
#include "siblings/pile_foundation_org.h"
#include "siblings/spread_footing_org.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <memory>

namespace {

DblArray List(std::initializer_list<double> values)
{
    DblArray out;
    for (double v : values) out.Add(v);
    return out;
}

// Three columns 6 m apart under a 12 m cap beam 1.6 m high and 1.8 m wide, 0.5 m stoppers.
class PierDrawingData : public ::testing::Test {
protected:
    void SetUp() override
    {
        r.hHgl = 1600.0;
        r.B = 1800.0;
        r.bBg = 12000.0;
        r.hFz = 500.0;
        r.bBz = List({6000.0, 6000.0});
    }
    CAlignDataPM001& Fill(int varJichu = 0, int keyA = 0, int keyB = 0)
    {
        align = std::make_unique<CAlignDataPM001>();
        const PierSurroundings around = norm.Surroundings();
        EXPECT_EQ(r.SetDrawData_PT(align.get(), &around, varJichu, keyA, keyB), 1);
        return *align;
    }
    // A designed pile cap 3 m across, 4 m along, 1.5 m thick, on 25 m piles.
    void PileCap(int layMode, int varPlan, int joint)
    {
        r.BaseType = 2;
        r.BaseLayMode = layMode;
        r.fVarjichupmt = varPlan;
        norm.m_nPileCapJoint = joint;
        norm.m_pPileCapOrg = std::make_unique<CPG003org>();
        CPG003org& cap = *norm.m_pPileCapOrg;
        cap.bT_JICHU = 3000.0;
        cap.lT_JICHU = 4000.0;
        cap.hT_JICHU = 1500.0;
        cap.lZ_JICHU = 25000.0;
        cap.PileCapTtype_JICHU = 1;
        norm.m_pPileCapAtom = std::make_unique<CPG003Atom>();
        GZ_GENERAL_PG003 general;
        ASSERT_EQ(norm.m_pPileCapAtom->SetData(&cap, &general), 1);
    }

    CPM001Norm norm;
    CPM001Atom& r = *(norm.m_pAtom = std::make_unique<CPM001Atom>());
    std::unique_ptr<CAlignDataPM001> align;
};

TEST_F(PierDrawingData, CapDimensionsAndEndExtensionAlongTheSkew)
{
    r.a = M_PI / 3.0;   // cos = 0.5
    struct Case { double bAg, expected; };
    for (Case c : {Case{0.0, 0.0}, Case{500.0, 1000.0}, Case{-1000.0, 0.0}, Case{-6150.0, 300.0}}) {
        r.bAg = c.bAg;
        EXPECT_NEAR(Fill().dEndExtension, c.expected, 1e-9) << "bAg " << c.bAg;
    }
    EXPECT_EQ(align->dCapHeight + align->dCapWidth + align->dCapLength + align->dStopperHeight, 15900.0);
    EXPECT_DOUBLE_EQ(align->dSkewAngle, M_PI / 3.0);
}

TEST_F(PierDrawingData, SpreadFootingAndPileFoundation)
{
    r.bAg = 500.0;
    norm.m_pFootingOrg = std::make_unique<CPG001org>();
    CPG001org& f = *norm.m_pFootingOrg;
    f.hKs_JICHU = 1000.0;
    f.hTj_JICHU = List({500.0, 500.0});
    f.bKs_JICHU = 3000.0;
    f.bTjl_JICHU = List({250.0});
    f.bTjr_JICHU = List({250.0, 100.0});
    const CAlignDataPM001& footing = Fill(1);
    EXPECT_EQ(footing.nBaseType, 0);
    EXPECT_DOUBLE_EQ(footing.dFootingValue1, 2000.0);   // 1000 + 500 + 500
    EXPECT_DOUBLE_EQ(footing.dFootingValue2, 3600.0);   // 3000 + 250 + 250 + 100
    EXPECT_DOUBLE_EQ(footing.dTotalHeight, 7700.0);     // 1600 + 500 + 2000 + 3600
    EXPECT_DOUBLE_EQ(footing.dTotalLength, 16100.0);    // 12000 + 3600 + 500
    EXPECT_EQ(footing.bFooting * 10 + footing.bPile + footing.bPileCap + footing.bPileCapPG005, 10);
    EXPECT_EQ(footing.nVarjichupmt, 0);                 // pile cap only

    r.BaseType = 1;
    norm.m_pPileOrg = std::make_unique<CPG002org>();
    norm.m_pPileOrg->lZ_JICHU = 20000.0;
    const CAlignDataPM001& piles = Fill(1);
    EXPECT_DOUBLE_EQ(piles.dTotalHeight, 22100.0);      // 1600 + 500 + 20000
    EXPECT_DOUBLE_EQ(piles.dTotalLength, 14300.0);      // 12000 + 1800 + 500
    EXPECT_EQ(piles.nBaseType * 10 + piles.bPile + piles.bFooting + piles.bPileCap + piles.bPileCapPG005, 11);
    EXPECT_EQ(piles.nVarjichupmt, 0);
}

TEST_F(PierDrawingData, PileCapLengthByLayoutSkewAndPlanOption)
{
    PileCap(0, 1, 1);
    const CAlignDataPM001& separate = Fill(1);
    EXPECT_DOUBLE_EQ(separate.dTotalHeight, 28600.0);   // 1600 + 500 + 25000 + 1500
    EXPECT_DOUBLE_EQ(separate.dPileCapOffset, 6000.0);  // 12000 - 2 x 3000
    EXPECT_DOUBLE_EQ(separate.dTotalLength, 27000.0);   // 12000 + 6000 + 3 x 3000
    EXPECT_EQ(separate.bPileCapT0103 * 10 + separate.bPileCapPG005, 10);
    EXPECT_EQ(separate.nBaseType * 100 + separate.nVarjichupmt * 10 + separate.nPileCapMode, 211);

    PileCap(1, 1, 0);
    r.a = std::atan(0.5);                               // tan(a) x B = 900
    EXPECT_NEAR(Fill().dTotalLength, 15900.0, 1e-9);    // 12000 + 3000 + 900
    EXPECT_EQ(align->bPileCapT0103 * 10 + align->bPileCapPG005, 1);
    EXPECT_EQ(align->nBaseLayMode, 1);
    r.fVarjichupmt = 0;
    EXPECT_DOUBLE_EQ(Fill().dTotalLength, 16000.0);     // 12000 + 4000 along the bridge
}

TEST_F(PierDrawingData, StopperAndPedestalFlags)
{
    r.fHaveStopper = 1;
    r.bL1 = r.bR1 = 300.0;
    r.bL2 = r.bR2 = 400.0;
    r.BedStoneTypef = 1;
    const CAlignDataPM001& front = Fill();
    EXPECT_EQ(front.nHaveStopper + front.bStopperSymmetric, 2);
    EXPECT_EQ(front.bHaveBedStone + front.bFrontBedStoneOnly + front.bSameBedStoneDraw, 3);
    EXPECT_EQ(front.bSameBedStoneRows, 0);

    r.bR2 = 450.0;
    r.BedStoneTypef = 0;
    const CAlignDataPM001& none = Fill();
    EXPECT_EQ(none.bStopperSymmetric + none.bHaveBedStone + none.bSameBedStoneDraw, 0);

    r.BedStoneTypef = r.BedStoneTypeb = 2;
    r.lZzf = r.lZzb = 600.0;
    r.bZzf = r.bZzb = 500.0;
    r.hZzf = r.hZzb = List({200.0, 250.0});
    const CAlignDataPM001& alike = Fill(0, 7, 7);
    EXPECT_EQ(alike.bFrontBedStoneOnly * 100 + alike.bSameBedStoneDraw * 10 + alike.bSameBedStoneRows, 11);
    r.hZzb = List({200.0});
    const CAlignDataPM001& unlike = Fill(0, 7, 8);
    EXPECT_EQ(unlike.bSameBedStoneDraw * 10 + unlike.bSameBedStoneRows, 0);
    const PierSurroundings around = norm.Surroundings();
    EXPECT_EQ(r.SetDrawData_PT(nullptr, &around, 0, 0, 0), 0);
}

} // namespace
