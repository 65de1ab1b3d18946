// The hand-over record fillers of the pier component, field by field on a hand-made design record.
#include "module/handover_records.h"
#include "module/pier_component.h"

#include "pier/gz_pm001_atom.h"
#include "pier/pier_design_record.h"
#include "siblings/pile_cap.h"
#include "siblings/pile_foundation.h"
#include "siblings/spread_footing.h"

#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <memory>

// Reaches the component's private fillers.
class CPM001NormHandOverTestAccess {
public:
    static int GZ(CPM001Norm& c, GZ_PM001Atom* g) { return c.SetGZ_PM001_Data(g); }
    static int PG008(CPM001Norm& c, GZ_GENERAL_PG008* g, int which) { return c.SetGZ_GENERAL_PG008_Data(g, which); }
    static int ZD01(CPM001Norm& c, PC001T01ZD01_General* g) { return c.SetPC001T01ZD01_General_Data(g); }
    static int ZD02(CPM001Norm& c, PC001T01ZD02_General* g) { return c.SetPC001T01ZD02_General_Data(g); }
    static int PG001(CPM001Norm& c, GZ_GENERAL_PG001* g) { return c.SetGZ_GENERAL_PG001_Data(g); }
    static int PG003(CPM001Norm& c, GZ_GENERAL_PG003* g) { return c.SetGZ_GENERAL_PG003_Data(g); }
    static int PG005(CPM001Norm& c, GZ_GENERAL_PG005* g) { return c.Set_gz_General_PG005(g); }
    static int PG0051(CPM001Norm& c, GZ_GENERAL_PG005* g) { return c.Set_gz_General_PG0051(g); }
    static int PG006(CPM001Norm& c, GZ_GENERAL_PG006* g) { return c.Set_gz_General_PG006(g); }
    static void SetNumber(CPM001Norm& c, int n) { c.m_nNumber = n; }
};

namespace {

using Access = CPM001NormHandOverTestAccess;

DblArray List(std::initializer_list<double> values)
{
    DblArray out;
    for (double v : values) out.Add(v);
    return out;
}

std::vector<double> Values(const CArray<double>& list)
{
    return std::vector<double>(list.GetData(), list.GetData() + list.GetSize());
}

// Every field a filler reads holds a value of its own, so that a field taken from the wrong
// source shows.
std::unique_ptr<CPM001Atom> HandMadeRecord()
{
    auto p = std::make_unique<CPM001Atom>();
    p->hXbl = 1001;
    p->hXbr = 1002;
    p->a = 0.25;
    p->lWg = 2203;
    p->bBg = 13004;
    p->vP = 805;
    p->iLb = 0.02;
    p->iRb = -0.03;
    p->hHpl = 406;
    p->hHpr = 407;
    p->bBpr = 1508;
    p->bBpl = 1509;
    p->bBz = List({5000, 5100});
    p->bBzl = 1410;
    p->bBzr = 1411;
    p->bAc = 6512;
    p->hHgl = 1813;
    p->SectionType = 3;
    p->lCzf = 114;
    p->lCzb = 115;
    p->B = 2216;
    p->V = 117;
    p->JGType = 1;
    p->PierCapConGra = "C40";
    p->fZT = 1;
    p->DesignOpt7 = 7;
    p->DesignOpt8 = 8;
    p->DesignOpt9 = 9;
    p->DesignOpt10 = 10;
    p->DesignValue2 = 22.5;
    p->ColumnSectionType = 0;
    p->bRec = 1218;
    p->lRec = 1419;
    p->D = 1520;
    p->R = 21;
    p->X = 22;
    p->Y = 23;
    p->FilletMode = 1;
    p->PierLayMode = 2;
    p->fSeparationSymmetry = 1;
    p->bAg = 124;
    p->DesignOpt1 = 1;
    p->DesignOpt2 = 2;
    p->DesignOpt3 = 3;
    p->DesignOpt4 = 4;
    p->DesignValue1 = 250;
    p->DesignText1 = "N";
    p->DesignOpt5 = 5;
    p->DesignText2 = "U";
    p->DesignOpt6 = 6;
    p->TendonMaterial = "钢绞线15.2";
    p->ComponentLabel = 33;
    p->TextStyleMode = 2;
    p->BedStoneTypef = 1;
    p->BedStoneTypeb = 2;
    p->bXl = 800;
    p->hXl = 1000;
    p->zXl = List({3.5, 6.5});
    p->TieBeamConGra = "C30";
    p->PierColumnConGra = "C35";
    p->BedStoneConGra = "C50";
    p->StopperConGra = "C45";
    p->hHd = List({8000, 8200, 8400});
    p->fVarJichut = 7;
    p->fVarJichud = 3;
    p->zZct = 92.5;
    p->BaseLayMode = 0;
    p->bZzf = 600;
    p->lZzf = 500;
    p->hZzf = List({120, 180, 150});
    p->bZzb = 650;
    p->lZzb = 550;
    p->hZzb = List({100, 90});
    p->fHaveStopper = 1;
    p->bL1 = 300;
    p->bR1 = 310;
    p->bL2 = 400;
    p->bR2 = 410;
    p->hFz = 700;
    p->bFzjl = 50;
    p->bFzjr = 60;
    return p;
}

class HandOver : public ::testing::Test {
protected:
    void SetUp() override { c.m_pAtom = HandMadeRecord(); }
    CPM001Atom& P() { return *c.m_pAtom; }

    void WithPiles(double rZ, int head, double rC)
    {
        c.m_pPileOrg = std::make_unique<CPG002org>();
        c.m_pPileOrg->rZ_JICHU = rZ;
        c.m_pPileOrg->fC_JICHU = head;
        c.m_pPileOrg->rC_JICHU = rC;
        c.m_pPileOrg->hC_JICHU = 2000;
        c.m_pPileOrg->lZ_JICHU = 30000;
        c.m_pPileOrg->nZType_JICHU = 1;
        c.m_pPileOrg->bXl_JICHU = 900;
        c.m_pPileOrg->hXl_JICHU = 1200;
        c.m_pPileOrg->ConGra_JICHU = "C25";
        c.m_pPileAtom = std::make_unique<CPG002Atom>();
    }

    void WithPileCap()
    {
        c.m_pPileCapOrg = std::make_unique<CPG003org>();
        c.m_pPileCapOrg->hT_JICHU = 2500;
        c.m_pPileCapOrg->rZ_JICHU = 1200;
        c.m_pPileCapOrg->lZ_JICHU = 40000;
        c.m_pPileCapOrg->bZj_JICHU = List({3000, 3000, 3000});   // four piles across
        c.m_pPileCapOrg->lZj_JICHU = List({3000});               // two rows
        c.m_pPileCapOrg->ConGra_JICHU = "C30";
        c.m_pPileCapAtom = std::make_unique<CPG003Atom>();
    }

    CPM001Norm c;
};

// ---- GZ_PM001Atom ----

TEST_F(HandOver, CapBeamRecordTakesEveryFieldFromTheDesignRecord)
{
    GZ_PM001Atom g;
    EXPECT_EQ(Access::GZ(c, &g), 1);
    EXPECT_EQ(g.PMorPT, 1);
    EXPECT_EQ(g.hXbl, 1001);
    EXPECT_EQ(g.hXbr, 1002);
    EXPECT_EQ(g.a, 0.25);
    EXPECT_EQ(g.lWg, 2203);
    EXPECT_EQ(g.bBg, 13004);
    EXPECT_EQ(g.vP, 805);
    EXPECT_EQ(g.iLb, 0.02);
    EXPECT_EQ(g.iRb, -0.03);
    EXPECT_EQ(g.hHpl, 406);
    EXPECT_EQ(g.hHpr, 407);
    EXPECT_EQ(g.bBpr, 1508);
    EXPECT_EQ(g.bBpl, 1509);
    EXPECT_EQ(Values(g.bBz), (std::vector<double>{5000, 5100}));
    EXPECT_EQ(g.bBzl, 1410);
    EXPECT_EQ(g.bBzr, 1411);
    EXPECT_EQ(g.bAc, 6512);
    EXPECT_EQ(g.hHgl, 1813);
    EXPECT_EQ(g.SectionType, 3);
    EXPECT_EQ(g.lCzf, 114);
    EXPECT_EQ(g.lCzb, 115);
    EXPECT_EQ(g.B, 2216);
    EXPECT_EQ(g.V, 117);
    EXPECT_EQ(g.JGType, 1);
    EXPECT_EQ(g.PierCapConGra, "C40");
    EXPECT_EQ(g.fZT, 1);
    EXPECT_EQ(g.fTuncateRibLM, 7);
    EXPECT_EQ(g.fNoteFormDM, 8);
    EXPECT_EQ(g.fNoteFormSK, 10);   // DesignOpt9 is not handed over
    EXPECT_EQ(g.FramePaneWidth, 22.5);
    EXPECT_EQ(g.ColumnSectionType, 0);
    EXPECT_EQ(g.bRec, 1218);
    EXPECT_EQ(g.lRec, 1419);
    EXPECT_EQ(g.D, 1520);
    EXPECT_EQ(g.R, 21);
    EXPECT_EQ(g.X, 22);
    EXPECT_EQ(g.Y, 23);
    EXPECT_EQ(g.FilletMode, 1);
    EXPECT_EQ(g.PierLayMode, 2);
    EXPECT_EQ(g.fSeparationSymmetry, 1);
    EXPECT_EQ(g.bAg, 124);
    EXPECT_EQ(g.DesignOpt1, 1);
    EXPECT_EQ(g.DesignOpt2, 2);
    EXPECT_EQ(g.DesignOpt3, 3);
    EXPECT_EQ(g.DesignOpt4, 4);
    EXPECT_EQ(g.DesignValue1, 250);
    EXPECT_EQ(g.DesignText1, "N");
    EXPECT_EQ(g.DesignOpt5, 5);
    EXPECT_EQ(g.DesignText2, "U");
    EXPECT_EQ(g.DesignOpt6, 6);
    EXPECT_EQ(g.TendonMaterial, "钢绞线15.2");
    EXPECT_EQ(g.ComponentLabel, 33);
    EXPECT_EQ(g.dGZ1, 0.0);
    EXPECT_EQ(g.dGZ2, 0.0);
    EXPECT_EQ(g.dGZ3, 0.0);
    EXPECT_EQ(g.dGZ4, 0.0);
    EXPECT_EQ(g.nGZ1, 0);
    EXPECT_EQ(g.TextStyleMode, 2);
    EXPECT_EQ(g.fHaveBedStonef, 1);
}

TEST_F(HandOver, CapBeamRecordWithoutPrestressLeavesTheTendonFieldsEmpty)
{
    P().JGType = 0;
    GZ_PM001Atom g;
    Access::GZ(c, &g);
    EXPECT_EQ(g.JGType, 0);
    EXPECT_EQ(g.PierLayMode, 0);
    EXPECT_EQ(g.fSeparationSymmetry, 0);
    EXPECT_EQ(g.bAg, 0.0);
    EXPECT_EQ(g.DesignOpt1 + g.DesignOpt2 + g.DesignOpt3 + g.DesignOpt4 + g.DesignOpt5 + g.DesignOpt6, 0);
    EXPECT_EQ(g.DesignValue1, 0.0);
    EXPECT_TRUE(g.DesignText1.IsEmpty());
    EXPECT_TRUE(g.DesignText2.IsEmpty());
    EXPECT_TRUE(g.TendonMaterial.IsEmpty());
    EXPECT_EQ(g.ComponentLabel, 0);
    // The fields before them are still handed over.
    EXPECT_EQ(g.FilletMode, 1);
    EXPECT_EQ(g.hHgl, 1813);
}

TEST_F(HandOver, FrontPedestalsAreSeenFromTheirModeBeingAtLeastOne)
{
    GZ_PM001Atom g;
    P().BedStoneTypef = 0;
    Access::GZ(c, &g);
    EXPECT_EQ(g.fHaveBedStonef, 0);
    P().BedStoneTypef = 2;
    Access::GZ(c, &g);
    EXPECT_EQ(g.fHaveBedStonef, 1);
    P().BedStoneTypef = -1;
    Access::GZ(c, &g);
    EXPECT_EQ(g.fHaveBedStonef, 0);
}

TEST_F(HandOver, FillersRefuseAMissingRecordOrDesignRecord)
{
    EXPECT_EQ(Access::GZ(c, nullptr), 0);
    c.m_pAtom.reset();
    GZ_PM001Atom g;
    EXPECT_EQ(Access::GZ(c, &g), 0);
    EXPECT_EQ(g.PMorPT, 0);
    GZ_GENERAL_PG006 s;
    EXPECT_EQ(Access::PG006(c, &s), 0);
    GZ_GENERAL_PG005 t;
    EXPECT_EQ(Access::PG005(c, &t), 0);
}

// ---- GZ_GENERAL_PG008 ----

TEST_F(HandOver, TieBeamsBetweenRectangularColumns)
{
    GZ_GENERAL_PG008 g;
    EXPECT_EQ(Access::PG008(c, &g, 0), 1);
    EXPECT_EQ(g.bBeam, 800);
    EXPECT_EQ(g.hBeam, 1000);
    EXPECT_EQ(g.nBeams, 2);          // (2 spacings - 1) x 2 levels
    EXPECT_EQ(g.nFlag, 1);
    EXPECT_EQ(Values(g.spacings), (std::vector<double>{5000, 5100}));
    EXPECT_EQ(g.nPos, 2);
    EXPECT_EQ(g.dPile, 0.0);
    EXPECT_EQ(g.nCircular, 0);
    EXPECT_EQ(g.dColumn, 0.0);       // a rectangular column leaves the diameter
    EXPECT_EQ(g.bColumn, 1218);
    EXPECT_EQ(g.lColumn, 1419);
    EXPECT_EQ(g.nFillet, 1);         // fillet mode 1
    EXPECT_EQ(g.rFillet, 21);
    EXPECT_EQ(g.xChamfer, 22);
    EXPECT_EQ(g.yChamfer, 23);
    EXPECT_EQ(g.szConcrete, "C30");
}

TEST_F(HandOver, TieBeamsBetweenCircularColumnsLeaveTheRectangleFields)
{
    P().ColumnSectionType = 1;
    GZ_GENERAL_PG008 g;
    Access::PG008(c, &g, 0);
    EXPECT_EQ(g.nCircular, 1);
    EXPECT_EQ(g.dColumn, 1520);
    EXPECT_EQ(g.bColumn, 0.0);
    EXPECT_EQ(g.lColumn, 0.0);
    EXPECT_EQ(g.nFillet, 0);
    EXPECT_EQ(g.rFillet, 0.0);
}

TEST_F(HandOver, TieBeamCountFollowsColumnsAndLevels)
{
    GZ_GENERAL_PG008 g;
    P().bBz = List({5000});          // two columns, one level
    P().zXl = List({4.0});
    Access::PG008(c, &g, 0);
    EXPECT_EQ(g.nBeams, 0);

    P().bBz = List({5000, 5000});    // three columns, two levels
    P().zXl = List({4.0, 7.0});
    Access::PG008(c, &g, 0);
    EXPECT_EQ(g.nBeams, 2);

    P().bBz = DblArray();            // one column: never a negative count
    Access::PG008(c, &g, 0);
    EXPECT_EQ(g.nBeams, 0);
}

TEST_F(HandOver, FilletCodeOfTheColumnCorners)
{
    const int modes[] = {0, 1, 2, 7};
    const int codes[] = {2, 1, 0, 0};
    for (int i = 0; i < 4; ++i) {
        P().FilletMode = modes[i];
        GZ_GENERAL_PG008 g;
        Access::PG008(c, &g, 0);
        EXPECT_EQ(g.nFillet, codes[i]) << "fillet mode " << modes[i];
        PC001T01ZD01_General z;
        Access::ZD01(c, &z);
        EXPECT_EQ(z.nFillet, codes[i]) << "fillet mode " << modes[i];
    }
}

TEST_F(HandOver, TieBeamsBetweenPilesTakeThePileFoundationsValues)
{
    WithPiles(1500, 1, 1800);
    GZ_GENERAL_PG008 g;
    EXPECT_EQ(Access::PG008(c, &g, 1), 1);
    EXPECT_EQ(g.bBeam, 900);
    EXPECT_EQ(g.hBeam, 1200);
    EXPECT_EQ(g.nBeams, 2);
    EXPECT_EQ(g.nPos, 0);
    EXPECT_EQ(g.dPile, 1800);        // the enlarged head's diameter
    EXPECT_EQ(g.szConcrete, "C25");

    WithPiles(1500, 0, 1800);
    GZ_GENERAL_PG008 plain;
    Access::PG008(c, &plain, 1);
    EXPECT_EQ(plain.dPile, 1500);
}

// ---- PC001T01ZD01_General ----

TEST_F(HandOver, RectangularColumnsOnPiles)
{
    P().BaseType = 1;
    WithPiles(1500, 1, 1800);
    PC001T01ZD01_General g;
    EXPECT_EQ(Access::ZD01(c, &g), 1);
    EXPECT_EQ(g.nFlag, 1);
    EXPECT_EQ(Values(g.heights), (std::vector<double>{8000, 8200, 8400}));
    EXPECT_EQ(g.bColumn, 1218);
    EXPECT_EQ(g.lColumn, 1419);
    EXPECT_EQ(g.value1 + g.value2 + g.value3 + g.value4 + g.value5 + g.value6, 0.0);
    EXPECT_EQ(g.nFillet, 1);
    EXPECT_EQ(g.rFillet, 21);
    EXPECT_EQ(g.xChamfer, 22);
    EXPECT_EQ(g.yChamfer, 23);
    EXPECT_EQ(g.dTopStep, 4000.0);   // (7 - 3) x 1000
    EXPECT_EQ(g.szConcrete, "C35");
    EXPECT_EQ(g.nFlag2, 1);
    EXPECT_EQ(g.nBase, 0);
    EXPECT_EQ(g.dBase, 1800);
    EXPECT_EQ(g.nFlag3, 2);
}

TEST_F(HandOver, RectangularColumnsCodeTheFoundationTwoZeroOne)
{
    PC001T01ZD01_General footing;
    P().BaseType = 0;
    Access::ZD01(c, &footing);
    EXPECT_EQ(footing.nBase, 2);
    EXPECT_EQ(footing.dBase, 0.0);

    P().BaseType = 2;
    WithPileCap();
    PC001T01ZD01_General cap;
    Access::ZD01(c, &cap);
    EXPECT_EQ(cap.nBase, 1);
    EXPECT_EQ(cap.dBase, 1200);
}

TEST_F(HandOver, ColumnTopStepOfExtremeValuesDoesNotOverflow)
{
    P().fVarJichut = INT_MAX;
    P().fVarJichud = INT_MIN;
    PC001T01ZD01_General g;
    Access::ZD01(c, &g);
    EXPECT_DOUBLE_EQ(g.dTopStep, (static_cast<double>(INT_MAX) - INT_MIN) * 1000.0);
}

TEST_F(HandOver, ColumnHeightsAreAppended)
{
    PC001T01ZD01_General g;
    g.heights = List({1});
    Access::ZD01(c, &g);
    EXPECT_EQ(Values(g.heights), (std::vector<double>{1, 8000, 8200, 8400}));
}

// ---- PC001T01ZD02_General ----

TEST_F(HandOver, CircularColumnsOnASpreadFooting)
{
    P().BaseType = 0;
    c.m_pFootingOrg = std::make_unique<CPG001org>();
    c.m_pFootingOrg->hKs_JICHU = 1000;
    c.m_pFootingOrg->hTj_JICHU = List({800, 600});
    PC001T01ZD02_General g;
    EXPECT_EQ(Access::ZD02(c, &g), 1);
    EXPECT_EQ(g.szName, "盖梁");
    EXPECT_EQ(g.nFlag, 1);
    EXPECT_EQ(Values(g.heights), (std::vector<double>{8000, 8200, 8400}));
    EXPECT_EQ(g.dColumn, 1520);
    EXPECT_EQ(g.nFlag2, 1);
    EXPECT_EQ(g.nFlag3, 0);
    EXPECT_EQ(g.value1 + g.value2 + g.value3, 0.0);
    EXPECT_EQ(g.dBaseDepth, 2400);   // 1000 + 800 + 600
    EXPECT_EQ(g.nBaseTop, 1);
    EXPECT_EQ(g.nPile, 0);
    EXPECT_EQ(g.dPile, 0.0);
    EXPECT_EQ(g.szConcrete, "C35");
    EXPECT_EQ(g.nBase, 0);
}

TEST_F(HandOver, CircularColumnsOnPilesAndOnAPileCap)
{
    P().BaseType = 1;
    WithPiles(1500, 0, 0);
    PC001T01ZD02_General piles;
    Access::ZD02(c, &piles);
    EXPECT_EQ(piles.dBaseDepth, 0.0);
    EXPECT_EQ(piles.nBaseTop, 0);
    EXPECT_EQ(piles.nPile, 1);
    EXPECT_EQ(piles.dPile, 1500);
    EXPECT_EQ(piles.nBase, 1);

    P().BaseType = 2;
    WithPileCap();
    PC001T01ZD02_General cap;
    Access::ZD02(c, &cap);
    EXPECT_EQ(cap.dBaseDepth, 2500);
    EXPECT_EQ(cap.nBaseTop, 1);
    EXPECT_EQ(cap.nPile, 0);
    EXPECT_EQ(cap.dPile, 1200);
    EXPECT_EQ(cap.nBase, 2);
}

// ---- GZ_GENERAL_PG001 and GZ_GENERAL_PG003 ----

TEST_F(HandOver, SpreadFootingRecord)
{
    GZ_GENERAL_PG001 g;
    g.list2 = List({1, 2});
    EXPECT_EQ(Access::PG001(c, &g), 1);
    EXPECT_EQ(g.nFlag, 0);
    EXPECT_EQ(Values(g.topLevels), (std::vector<double>{92.5}));
    EXPECT_TRUE(g.list2.IsEmpty());
    EXPECT_EQ(g.aPier, 0.25);
    EXPECT_EQ(g.nFlag2, 0);
    EXPECT_EQ(g.value1, 0.0);
    EXPECT_EQ(g.nFlag3, 1);
    EXPECT_EQ(g.zTop, 92.5);
    EXPECT_EQ(g.value2, 0.0);
}

TEST_F(HandOver, PileCapRecord)
{
    GZ_GENERAL_PG003 g;
    EXPECT_EQ(Access::PG003(c, &g), 1);
    EXPECT_EQ(g.nFlag, 2);
    EXPECT_EQ(g.aPier, 0.25);
    EXPECT_EQ(g.zTop, 92.5);
    EXPECT_EQ(g.nColumns, 3);
    EXPECT_EQ(Values(g.spacings), (std::vector<double>{5000, 5100}));
    EXPECT_EQ(g.nCentred, 1);
    EXPECT_EQ(g.nFlag2, 0);

    P().BaseLayMode = 1;
    GZ_GENERAL_PG003 offset;
    Access::PG003(c, &offset);
    EXPECT_EQ(offset.nCentred, 0);
}

// ---- GZ_GENERAL_PG005 ----

TEST_F(HandOver, TransitionOnPiles)
{
    WithPiles(1500, 1, 1800);
    Access::SetNumber(c, 12);
    P().ColumnSectionType = 1;
    GZ_GENERAL_PG005 g;
    EXPECT_EQ(Access::PG005(c, &g), 1);
    EXPECT_EQ(g.nFlag, 1);
    EXPECT_EQ(g.nSym, 0);
    EXPECT_EQ(g.nCount, 1);
    EXPECT_EQ(g.nNumber, 12);
    EXPECT_EQ(g.nFlag2, 1);
    EXPECT_EQ(g.dPile, 1800);
    EXPECT_EQ(g.nPiles, 3);
    EXPECT_EQ(Values(g.pileValues), (std::vector<double>{30000, 30000, 30000}));
    EXPECT_EQ(g.nKind, 1);
    EXPECT_EQ(g.dim4, 0.0);
    EXPECT_EQ(g.dColumn, 1520);
    EXPECT_EQ(g.nSource, 0);
    EXPECT_EQ(g.nFlag3, 0);
    EXPECT_EQ(g.szConcrete, "C25");
}

TEST_F(HandOver, TransitionRelationOfColumnAndPile)
{
    P().ColumnSectionType = 1;
    const struct {
        double column, pile;
        int relation;
    } cases[] = {{1500, 1500, 2}, {1500, 1500.0000005, 2}, {1200, 1500, 3}, {1800, 1500, 1}};
    for (const auto& k : cases) {
        P().D = k.column;
        WithPiles(k.pile, 0, 0);
        GZ_GENERAL_PG005 g;
        Access::PG005(c, &g);
        EXPECT_EQ(g.nRelation, k.relation) << k.column << " on " << k.pile;
    }
    P().ColumnSectionType = 0;
    P().D = 1200;
    GZ_GENERAL_PG005 rect;
    Access::PG005(c, &rect);
    EXPECT_EQ(rect.nRelation, 1);
}

TEST_F(HandOver, TransitionOnAPileCap)
{
    WithPileCap();
    Access::SetNumber(c, 4);
    GZ_GENERAL_PG005 g;
    EXPECT_EQ(Access::PG0051(c, &g), 1);
    EXPECT_EQ(g.nFlag, 1);
    EXPECT_EQ(g.nSym, 1);
    EXPECT_EQ(g.nCount, 3);
    EXPECT_EQ(g.nNumber, 4);
    EXPECT_EQ(g.nFlag2, 1);
    EXPECT_EQ(g.dPile, 1200);
    EXPECT_EQ(g.nPiles, 8);          // two rows of four
    EXPECT_EQ(g.pileValues.GetSize(), 8);
    EXPECT_EQ(g.pileValues[7], 40000);
    EXPECT_EQ(g.nRelation, 0);
    EXPECT_EQ(g.dColumn, 1520);
    EXPECT_EQ(g.nSource, 1);
    EXPECT_EQ(g.nFlag3, 0);
    EXPECT_EQ(g.szConcrete, "C30");

    P().BaseLayMode = 1;
    GZ_GENERAL_PG005 offset;
    Access::PG0051(c, &offset);
    EXPECT_EQ(offset.nSym, 0);
}

// ---- GZ_GENERAL_PG006 ----

TEST_F(HandOver, StopperAndPedestalRecord)
{
    GZ_GENERAL_PG006 g;
    EXPECT_EQ(Access::PG006(c, &g), 1);
    EXPECT_EQ(g.nNoStopperGap, 0);
    EXPECT_EQ(g.szPier, "一个桥墩");
    EXPECT_EQ(g.nFlag, 2);
    EXPECT_EQ(g.nFront, 1);
    EXPECT_EQ(g.aFront, 0.0);        // front mode 1: not skewed
    EXPECT_EQ(g.bFront, 600);
    EXPECT_EQ(g.lFront, 500);
    EXPECT_EQ(g.hFront, 180);
    EXPECT_EQ(g.nFrontCount, 3);
    EXPECT_EQ(g.nBack, 1);
    EXPECT_EQ(g.aBack, 0.25);        // back mode 2: skewed with the pier
    EXPECT_EQ(g.bBack, 650);
    EXPECT_EQ(g.lBack, 550);
    EXPECT_EQ(g.hBack, 100);
    EXPECT_EQ(g.nBackCount, 2);
    EXPECT_EQ(g.fHaveStopper, 1);
    EXPECT_EQ(g.aStopper, 0.25);
    EXPECT_EQ(Values(g.widths1), (std::vector<double>{300, 310}));
    EXPECT_EQ(Values(g.widths2), (std::vector<double>{400, 410}));
    EXPECT_EQ(g.hStopper, 700);
    EXPECT_EQ(g.bTop, 1982);         // 2216 - 2 x 117
    EXPECT_EQ(g.nFlag2, 1);
    EXPECT_EQ(g.aPier, 0.25);
    EXPECT_TRUE(g.list1.IsEmpty());
    EXPECT_TRUE(g.list2.IsEmpty());
    EXPECT_EQ(g.value1, 0.0);
    EXPECT_EQ(g.value2, 0.0);
    EXPECT_EQ(g.szPedestalConcrete, "C50");
    EXPECT_EQ(g.szStopperConcrete, "C45");
    EXPECT_EQ(g.nSameRows, 0);
    EXPECT_EQ(g.nFlag3, 0);
    EXPECT_EQ(g.nSameStoppers, 0);
    EXPECT_EQ(g.nFlag4, 0);
    EXPECT_EQ(g.szCapConcrete, "C40");
}

TEST_F(HandOver, IdenticalPedestalRowsAreMarkedAndBothWritten)
{
    P().BedStoneTypef = 2;
    P().BedStoneTypeb = 2;
    P().bZzb = P().bZzf;
    P().lZzb = P().lZzf;
    P().hZzb = P().hZzf;
    GZ_GENERAL_PG006 g;
    Access::PG006(c, &g);
    EXPECT_EQ(g.nSameRows, 1);
    EXPECT_EQ(g.nFront, 1);
    EXPECT_EQ(g.nBack, 1);
    EXPECT_EQ(g.bBack, 600);
    EXPECT_EQ(g.hBack, 180);
    EXPECT_EQ(g.nBackCount, 3);

    P().hZzb = List({120, 180, 150.5});   // one height differs
    GZ_GENERAL_PG006 h;
    Access::PG006(c, &h);
    EXPECT_EQ(h.nSameRows, 0);

    P().hZzb = P().hZzf;                 // alike but neither row has pedestals
    P().BedStoneTypef = 0;
    P().BedStoneTypeb = 0;
    GZ_GENERAL_PG006 none;
    Access::PG006(c, &none);
    EXPECT_EQ(none.nSameRows, 0);
}

TEST_F(HandOver, WithoutBackPedestalsTheBackFieldsAreUntouched)
{
    P().BedStoneTypeb = 0;
    GZ_GENERAL_PG006 g;
    g.bBack = -1;
    g.hBack = -2;
    g.nBackCount = -3;
    g.aBack = -4;
    g.lBack = -5;
    Access::PG006(c, &g);
    EXPECT_EQ(g.nBack, 0);
    EXPECT_EQ(g.aBack, -4);
    EXPECT_EQ(g.bBack, -1);
    EXPECT_EQ(g.lBack, -5);
    EXPECT_EQ(g.hBack, -2);
    EXPECT_EQ(g.nBackCount, -3);
}

TEST_F(HandOver, StopperGapAndAlikeStoppers)
{
    P().bFzjl = 0.0;
    P().bFzjr = 80;
    GZ_GENERAL_PG006 g;
    Access::PG006(c, &g);
    EXPECT_EQ(g.nNoStopperGap, 1);

    P().bFzjl = 80;
    P().bFzjr = 0.0000005;
    P().bR1 = P().bL1;
    P().bR2 = P().bL2;
    GZ_GENERAL_PG006 h;
    Access::PG006(c, &h);
    EXPECT_EQ(h.nNoStopperGap, 1);
    EXPECT_EQ(h.nSameStoppers, 1);
}

} // namespace
