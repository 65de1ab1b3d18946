// CPM001Atom::SetData and the symmetry queries, on small piers worked out by hand.
#include "pier/pier_design_record.h"

#include "input/pier_origin_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <numbers>

namespace {

DblArray List(std::initializer_list<double> values)
{
    DblArray out;
    for (double v : values) out.Add(v);
    return out;
}

// A three-column pier: columns 5 m apart with 1.5 m cantilevers (cap 13 m long), the control
// section in the middle, two cross slopes of 2 % falling outwards, circular columns of 1.4 m,
// cap top at 100 m, column bottoms at 90 m.
std::unique_ptr<CPM001org> ThreeColumnPier()
{
    auto org = std::make_unique<CPM001org>();
    org->bBzl = 1500;
    org->bBzr = 1500;
    org->bBz = List({5000, 5000});
    org->bAc = 6500;
    org->zGl = 100.0;
    org->hHgl = 1800;
    org->hXbl = 1000;
    org->hXbr = 1000;
    org->bBpl = 1000;
    org->bBpr = 1000;
    org->iLb = 0.02;
    org->iRb = 0.02;
    org->SectionType = 0;
    org->B = 2200;
    org->V = 300;
    org->vP = 100;
    org->ColumnSectionType = 1;
    org->D = 1400;
    org->bRec = 1200;
    org->lRec = 1300;
    org->zZct = 90.0;
    org->bAg = -2000;
    org->bL2 = 500;
    org->bR2 = 400;
    org->bFzjr = 200;
    return org;
}

CPM001Atom Filled(const CPM001org& org)
{
    CPM001Atom r;
    EXPECT_EQ(r.SetData(&org), 1);
    return r;
}

void ExpectList(const DblArray& actual, std::initializer_list<double> expected, double tol = 1e-9)
{
    ASSERT_EQ(actual.GetSize(), static_cast<int>(expected.size()));
    int i = 0;
    for (double e : expected) {
        EXPECT_NEAR(actual[i], e, tol) << "element " << i;
        ++i;
    }
}

} // namespace

TEST(DesignRecordConstruction, StartsEmptyAndTheAssignmentFromARealLeavesTheListsEmpty)
{
    CPM001Atom r;
    EXPECT_TRUE(r.bQf.IsEmpty());
    EXPECT_TRUE(r.bQb.IsEmpty());
    EXPECT_TRUE(r.bLx.IsEmpty());
    EXPECT_EQ(r.JGType, 0);
    EXPECT_EQ(r.bAd, 0.0);
    EXPECT_TRUE(r.szHD.IsEmpty());
    EXPECT_EQ(r.RetrieveData(), 1);
    EXPECT_EQ(r.Design(), 1);
    EXPECT_EQ(r.Initialize(), 1);
    EXPECT_STREQ(r.GetRuntimeClass()->m_lpszClassName, "CPM001Atom");
    EXPECT_EQ(r.GetRuntimeClass()->m_wSchema, 1u);
}

TEST(DesignRecordCopies, EveryValueLandsInItsOwnFieldAndTwoChangeSign)
{
    // Distinct values everywhere, so that a value copied into the wrong field shows.
    CPM001org org;
    org.JGType = 1; org.PierLayMode = 2; org.fSeparationSymmetry = 3; org.bAg = 4; org.a = 0.05; org.vP = 6;
    org.BaseType = 7; org.BaseLayMode = 8; org.DX = 9; org.DY = 10;
    org.bAc = 11; org.zGl = 12; org.hXbl = 13; org.bBpl = 14; org.hXbr = 15; org.bBpr = 16; org.bTtl = 17;
    org.bXbl = 18; org.hml = 19; org.htl = 20; org.bTtr = 21; org.bXbr = 22; org.hmr = 23; org.htr = 24;
    org.iLb = 0.25; org.iRb = 0.26; org.iLbL = 0.27; org.iLbR = 0.28; org.iRbL = 0.29; org.iRbR = 0.30;
    org.SectionType = 2; org.B = 31; org.B1 = 32; org.B2 = 33; org.hHgf = 34; org.hHgb = 35; org.hHgl = 36;
    org.V = 37; org.U = 38; org.bBzl = 39; org.bBzr = 40; org.bBz = List({41}); org.zZct = 42;
    org.ColumnSectionType = 1; org.D = 43; org.bRec = 44; org.lRec = 45; org.FilletMode = 2; org.X = 46;
    org.Y = 47; org.R = 48; org.fXL = 1; org.bXl = 49; org.hXl = 50; org.zXl = List({51, 52});
    org.CushionNumber = 2; org.fVaiKongZhi = 53; org.zQf = 54; org.zQb = 55; org.bQf = List({56});
    org.bQb = List({57, 58}); org.TypeZhif.Add("GJZ"); org.TypeZhib.Add("板式"); org.BedStoneTypef = 1;
    org.lZzf = 59; org.lZzb = 60; org.hZzf = List({61}); org.BedStoneTypeb = 2; org.bZzf = 62; org.bZzb = 63;
    org.hZzb = List({64});
    org.fHaveStopper = 1; org.fVaiDang = 65; org.hFz = 66; org.bL1 = 67; org.bL2 = 68; org.bFzjl = 69;
    org.bR1 = 70; org.bR2 = 71; org.bFzjr = 72; org.hFzf = 73; org.bLf1 = 74; org.bLf2 = 75; org.bFzfl = 76;
    org.bRf1 = 77; org.bRf2 = 78; org.bFzfr = 79;
    org.PierCapConGra = "C40"; org.PierColumnConGra = "C35"; org.BedStoneConGra = "C50";
    org.StopperConGra = "C45"; org.TieBeamConGra = "C30"; org.fDisribute = 80; org.fVarjichupmt = 81;
    org.fZT = 82; org.TendonMaterial = "钢绞线"; org.ComponentLabel = 83; org.DesignOpt6 = 84;
    org.gzPMScale = 85; org.stPMScale = 86; org.PrePMScale = 87; org.gzLMScale = 88;
    org.DesignOpt7 = 89; org.DesignOpt8 = 90; org.DesignOpt9 = 91; org.DesignOpt10 = 92; org.DesignValue2 = 93;
    org.DesignOpt1 = 94; org.DesignOpt2 = 95; org.DesignOpt3 = 96; org.DesignOpt4 = 97; org.DesignValue1 = 98;
    org.DesignText1 = "N"; org.DesignOpt5 = 99; org.DesignText2 = "T2"; org.TextStyleMode = 2;

    const CPM001Atom r = Filled(org);

    EXPECT_EQ(r.JGType, 1); EXPECT_EQ(r.PierLayMode, 2); EXPECT_EQ(r.fSeparationSymmetry, 3);
    EXPECT_EQ(r.bAg, 4); EXPECT_EQ(r.a, 0.05); EXPECT_EQ(r.vP, -6); EXPECT_EQ(r.BaseType, 7);
    EXPECT_EQ(r.BaseLayMode, 8); EXPECT_EQ(r.DX, 9); EXPECT_EQ(r.DY, 10);
    EXPECT_EQ(r.bAc, 11); EXPECT_EQ(r.zGl, 12); EXPECT_EQ(r.bBpl, 14); EXPECT_EQ(r.bBpr, 16);
    EXPECT_EQ(r.bTtl, 17); EXPECT_EQ(r.bXbl, 18); EXPECT_EQ(r.hml, 19); EXPECT_EQ(r.htl, 20);
    EXPECT_EQ(r.bTtr, 21); EXPECT_EQ(r.bXbr, 22); EXPECT_EQ(r.hmr, 23); EXPECT_EQ(r.htr, 24);
    EXPECT_EQ(r.iLb, 0.25); EXPECT_EQ(r.iRb, 0.26); EXPECT_EQ(r.iLbL, 0.27); EXPECT_EQ(r.iLbR, 0.28);
    EXPECT_EQ(r.iRbL, 0.29); EXPECT_EQ(r.iRbR, 0.30);
    EXPECT_EQ(r.SectionType, 2); EXPECT_EQ(r.B, 31); EXPECT_EQ(r.B1, 32); EXPECT_EQ(r.B2, 33);
    EXPECT_EQ(r.hHgf, 34); EXPECT_EQ(r.hHgb, 35); EXPECT_EQ(r.hHgl, 36); EXPECT_EQ(r.V, 37); EXPECT_EQ(r.U, 38);
    EXPECT_EQ(r.bBzl, 39); EXPECT_EQ(r.bBzr, 40); ExpectList(r.bBz, {41}); EXPECT_EQ(r.zZct, 42);
    EXPECT_EQ(r.ColumnSectionType, 1); EXPECT_EQ(r.D, 43); EXPECT_EQ(r.bRec, 44); EXPECT_EQ(r.lRec, 45);
    EXPECT_EQ(r.FilletMode, 2); EXPECT_EQ(r.X, 46); EXPECT_EQ(r.Y, 47); EXPECT_EQ(r.R, 48);
    EXPECT_EQ(r.fXL, 1); EXPECT_EQ(r.bXl, 49); EXPECT_EQ(r.hXl, 50); ExpectList(r.zXl, {51, 52});
    EXPECT_EQ(r.CushionNumber, 2); EXPECT_EQ(r.fVaiKongZhi, 53); EXPECT_EQ(r.zQf, 54); EXPECT_EQ(r.zQb, -55);
    ExpectList(r.bQf, {56}); ExpectList(r.bQb, {57, 58});
    ASSERT_EQ(r.TypeZhif.GetSize(), 1); EXPECT_EQ(r.TypeZhif[0], "GJZ");
    ASSERT_EQ(r.TypeZhib.GetSize(), 1); EXPECT_EQ(r.TypeZhib[0], "板式");
    EXPECT_EQ(r.BedStoneTypef, 1); EXPECT_EQ(r.lZzf, 59); EXPECT_EQ(r.lZzb, 60); ExpectList(r.hZzf, {61});
    EXPECT_EQ(r.BedStoneTypeb, 2); EXPECT_EQ(r.bZzf, 62); EXPECT_EQ(r.bZzb, 63); ExpectList(r.hZzb, {64});
    EXPECT_EQ(r.fHaveStopper, 1); EXPECT_EQ(r.fVaiDang, 65); EXPECT_EQ(r.hFz, 66); EXPECT_EQ(r.bL1, 67);
    EXPECT_EQ(r.bL2, 68); EXPECT_EQ(r.bFzjl, 69); EXPECT_EQ(r.bR1, 70); EXPECT_EQ(r.bR2, 71);
    EXPECT_EQ(r.bFzjr, 72); EXPECT_EQ(r.hFzf, 73); EXPECT_EQ(r.bLf1, 74); EXPECT_EQ(r.bLf2, 75);
    EXPECT_EQ(r.bFzfl, 76); EXPECT_EQ(r.bRf1, 77); EXPECT_EQ(r.bRf2, 78); EXPECT_EQ(r.bFzfr, 79);
    EXPECT_EQ(r.PierCapConGra, "C40"); EXPECT_EQ(r.PierColumnConGra, "C35"); EXPECT_EQ(r.BedStoneConGra, "C50");
    EXPECT_EQ(r.StopperConGra, "C45"); EXPECT_EQ(r.TieBeamConGra, "C30"); EXPECT_EQ(r.fDisribute, 80);
    EXPECT_EQ(r.fVarjichupmt, 81); EXPECT_EQ(r.fZT, 82); EXPECT_EQ(r.TendonMaterial, "钢绞线");
    EXPECT_EQ(r.ComponentLabel, 83); EXPECT_EQ(r.DesignOpt6, 84);
    EXPECT_EQ(r.gzPMScale, 85); EXPECT_EQ(r.stPMScale, 86); EXPECT_EQ(r.PrePMScale, 87); EXPECT_EQ(r.gzLMScale, 88);
    EXPECT_EQ(r.DesignOpt7, 89); EXPECT_EQ(r.DesignOpt8, 90); EXPECT_EQ(r.DesignOpt9, 91);
    EXPECT_EQ(r.DesignOpt10, 92); EXPECT_EQ(r.DesignValue2, 93);
    EXPECT_EQ(r.DesignOpt1, 94); EXPECT_EQ(r.DesignOpt2, 95); EXPECT_EQ(r.DesignOpt3, 96);
    EXPECT_EQ(r.DesignOpt4, 97); EXPECT_EQ(r.DesignValue1, 98); EXPECT_EQ(r.DesignText1, "N");
    EXPECT_EQ(r.DesignOpt5, 99); EXPECT_EQ(r.DesignText2, "T2"); EXPECT_EQ(r.TextStyleMode, 2);
    // Nothing sets the report flags.
    EXPECT_EQ(r.fLianhe, 0); EXPECT_EQ(r.fVarJichut, 0); EXPECT_EQ(r.fVarHzt, 0);
}

TEST(DesignRecordCopies, RectangularColumnsTakeTheirAcrossWidthAsSize)
{
    auto org = ThreeColumnPier();
    org->ColumnSectionType = 0;
    const CPM001Atom r = Filled(*org);
    EXPECT_EQ(r.D, 1200);   // bRec
    EXPECT_EQ(r.DL, 1300);  // lRec
    // lCzf = 2200/2 - (-100) - 1300/2 = 550; lCzb = 2200 - 1300 - 550 = 350.
    EXPECT_DOUBLE_EQ(r.lCzf, 550);
    EXPECT_DOUBLE_EQ(r.lCzb, 350);
    // Clear distances between the columns: spacing minus the across width.
    ExpectList(r.bLx, {3800, 3800});
}

TEST(DesignRecordCopies, AMissingOriginFillsNothing)
{
    CPM001Atom r;
    EXPECT_EQ(r.SetData(nullptr), 0);
    EXPECT_TRUE(r.zHzt.IsEmpty());
    EXPECT_TRUE(r.zGai.IsEmpty());
}

TEST(DesignRecordGeometry, ThreeColumnPierWithTwoSlopes)
{
    const CPM001Atom r = Filled(*ThreeColumnPier());
    EXPECT_DOUBLE_EQ(r.bBg, 13000);
    // hHpl = 1800 - 6500*0.02 - 1000 = 670; hHpr = 1800 - (13000-6500)*0.02 - 1000 = 670.
    EXPECT_NEAR(r.hHpl, 670, 1e-9);
    EXPECT_NEAR(r.hHpr, 670, 1e-9);
    EXPECT_EQ(r.hXbl, 1000);   // a variable-height part keeps the entered end heights
    EXPECT_EQ(r.hXbr, 1000);
    // lCzf = 2200/2 - (-100) - 1400/2 = 500; lCzb = 2200 - 1400 - 500 = 300.
    EXPECT_DOUBLE_EQ(r.lCzf, 500);
    EXPECT_DOUBLE_EQ(r.DL, 1400);
    EXPECT_DOUBLE_EQ(r.lCzb, 300);
    // Section type 0: [1] with bFzjl = 0: 100 - (6500-500)*0.02/1000 = 99.88;
    // [2] with bFzjr != 0: 100 - 6500*0.02/1000 = 99.87.
    ExpectList(r.zGai, {100.0, 99.88, 99.87});
    EXPECT_EQ(r.hHgt, 1800);
    EXPECT_EQ(r.lWg, 2200);
    EXPECT_EQ(r.lFzdk, 1600);   // 2200 - 2*300
    // bAd = -2000/cos 0 + (13000 - 6500) = 4500.
    EXPECT_EQ(r.bAd, 4500);
    EXPECT_EQ(r.iDb, 0.0);
    // Two slopes: every column top is zGl - hHgl/1000 = 98.2; heights 8.2 m.
    ExpectList(r.zHzt, {98.2, 98.2, 98.2});
    ExpectList(r.hHd, {8200, 8200, 8200}, 1e-6);
    EXPECT_EQ(r.szHD, "820.0");
    ExpectList(r.bLx, {3600, 3600});
    // Only section type 1 has front and back end heights.
    EXPECT_EQ(r.hXblf, 0.0);
    EXPECT_EQ(r.hXbrb, 0.0);
    EXPECT_EQ(r.hHglc, 0.0);
}

TEST(DesignRecordGeometry, OneColumnPier)
{
    auto org = ThreeColumnPier();
    org->bBz = DblArray();
    org->bBzl = 1000;
    org->bBzr = 1200;
    org->bAc = 1000;
    const CPM001Atom r = Filled(*org);
    EXPECT_DOUBLE_EQ(r.bBg, 2200);
    ExpectList(r.zHzt, {98.2});
    ExpectList(r.hHd, {8200}, 1e-6);
    EXPECT_TRUE(r.bLx.IsEmpty());
    EXPECT_EQ(r.GetZZDC(), 1);
}

TEST(DesignRecordGeometry, ColumnTopsFollowASingleSlope)
{
    auto org = ThreeColumnPier();
    org->iRb = -0.02;   // the cap top is one plane rising to the right
    const CPM001Atom r = Filled(*org);
    // Left end top 100 - 6500*0.02/1000 = 99.87; column centres at 1500, 6500 and 11500 mm:
    // 99.87 - 1.8 + x*0.02/1000 = 98.10, 98.20, 98.30.
    ExpectList(r.zHzt, {98.10, 98.20, 98.30});
    ExpectList(r.hHd, {8100, 8200, 8300}, 1e-6);
    EXPECT_EQ(r.szHD, "810.0");
    // One plane: the height differences are measured from hHgl alone.
    EXPECT_DOUBLE_EQ(r.hHpl, 800);
    EXPECT_DOUBLE_EQ(r.hHpr, 800);
    // Section type 0 with one plane takes its single slope.
    EXPECT_EQ(r.iDb, 0.02);
}

TEST(DesignRecordGeometry, NoVariableHeightPartGivesTheEndTheSlopedHeight)
{
    auto org = ThreeColumnPier();
    org->bBpl = 0;
    org->bBpr = 0;
    const CPM001Atom r = Filled(*org);
    EXPECT_EQ(r.hHpl, 0.0);
    EXPECT_EQ(r.hHpr, 0.0);
    // 1800 - 6500*0.02 = 1670 on both sides.
    EXPECT_NEAR(r.hXbl, 1670, 1e-9);
    EXPECT_NEAR(r.hXbr, 1670, 1e-9);

    org->iRb = -0.02;
    const CPM001Atom plane = Filled(*org);
    EXPECT_EQ(plane.hXbl, 1800);
    EXPECT_EQ(plane.hXbr, 1800);
}

// One cantilever without a height change: each end follows its own side. Crown at 5000 of 13000,
// slopes 0.02 left and 0.01 right, section 1800, entered end heights 1000.
TEST(DesignRecordGeometry, EachEndFollowsItsOwnSideWhenOnlyOneVaries)
{
    struct Case {
        const char* name;
        double bBpl, bBpr, iRb;
        double hHpl, hHpr, hXbl, hXbr;
    };
    const Case cases[] = {
        // Left varies: 1800 - 5000 x 0.02 - 1000 = 700. Right square: 1800 - (13000 - 5000) x 0.01 = 1720.
        {"square right end", 1000, 0, 0.01, 700, 0, 1000, 1720},
        // Mirrored: left 1800 - 5000 x 0.02 = 1700; right 1800 - 8000 x 0.01 - 1000 = 720.
        {"square left end", 0, 1000, 0.01, 0, 720, 1700, 1000},
        // One plane (iRb = -iLb): the varying end drops 1800 - 1000 = 800, the square one is 1800 high.
        {"square right end, one plane", 1000, 0, -0.02, 800, 0, 1000, 1800},
        {"square left end, one plane", 0, 1000, -0.02, 0, 800, 1800, 1000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto org = ThreeColumnPier();
        org->bAc = 5000;
        org->iRb = c.iRb;
        org->bBpl = c.bBpl;
        org->bBpr = c.bBpr;
        const CPM001Atom r = Filled(*org);
        EXPECT_NEAR(r.hHpl, c.hHpl, 1e-9);
        EXPECT_NEAR(r.hHpr, c.hHpr, 1e-9);
        EXPECT_NEAR(r.hXbl, c.hXbl, 1e-9);
        EXPECT_NEAR(r.hXbr, c.hXbr, 1e-9);
    }
}

TEST(DesignRecordGeometry, SectionTypeZeroStopperBranches)
{
    auto org = ThreeColumnPier();
    org->bFzjl = 150;   // left stopper away from the edge: no bL2 correction
    org->bFzjr = 0;     // right one at the edge: corrected by bR2 = 400
    const CPM001Atom r = Filled(*org);
    // [1] 100 - 6500*0.02/1000 = 99.87; [2] 100 - (13000-6500-400)*0.02/1000 = 99.878.
    ExpectList(r.zGai, {100.0, 99.87, 99.878});
}

TEST(DesignRecordGeometry, SectionTypeOne)
{
    auto org = ThreeColumnPier();
    org->SectionType = 1;
    org->hHgf = 1800;
    org->hHgb = 2000;
    org->B1 = 1000;
    org->B2 = 1200;
    org->iLbL = 0.01;
    org->iLbR = 0.02;
    org->iRbL = 0.03;
    org->iRbR = 0.04;
    const CPM001Atom r = Filled(*org);
    EXPECT_EQ(r.hHgt, 2000);
    EXPECT_EQ(r.hHglc, 200);
    EXPECT_EQ(r.lWg, 2200);   // B1 + B2
    EXPECT_EQ(r.lFzdk, 1600);
    // [2] = 100 - |1800 - 2000| (the height difference subtracted as it stands), then the
    // slopes times bAc = 6500: [3] 100 - 65, [5] -100 - 130, [6] 100 - 195, [8] -100 - 260.
    ExpectList(r.zGai, {100, 100, -100, 35, 35, -230, -95, -95, -360}, 1e-9);
    // Front and back end heights: the back ones lower by hHglc.
    EXPECT_EQ(r.hXblf, 1000);
    EXPECT_EQ(r.gz_hXblb, 800);
    EXPECT_EQ(r.hXbrf, 1000);
    EXPECT_EQ(r.hXbrb, 800);
    EXPECT_EQ(r.iDb, 0.0);   // two slopes

    org->iRb = -0.02;
    EXPECT_EQ(Filled(*org).iDb, 0.02);   // one plane: iLbR

    org->hHgf = 2100;
    EXPECT_EQ(Filled(*org).hHgt, 2100);
}

TEST(DesignRecordGeometry, SectionTypeTwo)
{
    auto org = ThreeColumnPier();
    org->SectionType = 2;
    org->hHgf = 1600;
    org->hHgb = 2000;
    org->B1 = 500;
    org->B2 = 700;
    org->iLbL = 0.01;
    org->iLbR = 0.02;
    org->iRbL = 0.03;
    org->iRbR = 0.04;
    const CPM001Atom r = Filled(*org);
    EXPECT_EQ(r.hHgt, 1800);
    EXPECT_EQ(r.lWg, 3400);   // B + B1 + B2
    // [0] 100 - |1600-1800| = -100; [1] 100; [2] 100 - |1800-2000| = -100;
    // [3] -100 - 65; [4] 100 - 130; [5] -100 - 130; [6] -100 - 195; [7] 100 - 130; [8] -100 - 260.
    ExpectList(r.zGai, {-100, 100, -100, -165, -30, -230, -295, -30, -360}, 1e-9);
    EXPECT_EQ(r.hXblf, 0.0);
    EXPECT_EQ(r.gz_hXblb, 0.0);

    org->iRb = -0.02;
    EXPECT_EQ(Filled(*org).iDb, 0.0);   // one plane, yet no single slope for this section
}

TEST(DesignRecordGeometry, SectionTypeOutsideTheKnownOnesIsTreatedAsTypeTwo)
{
    auto org = ThreeColumnPier();
    org->SectionType = 7;
    org->B1 = 500;
    org->B2 = 700;
    const CPM001Atom r = Filled(*org);
    EXPECT_EQ(r.zGai.GetSize(), 9);
    EXPECT_EQ(r.lWg, 3400);
}

TEST(DesignRecordRounding, DistanceAlongTheCapIsRoundedHalfAwayFromZero)
{
    // One column with the control section at the right end: bBg - bAc = 0, so bAd = bAg / cos a.
    auto org = ThreeColumnPier();
    org->bBz = DblArray();
    org->bBzl = 1000;
    org->bBzr = 1000;
    org->bAc = 2000;
    const struct { double bAg, expected; } cases[] = {
        {0.4, 0.4}, {2.5, 3}, {-2.5, -3}, {1.49, 1}, {-0.4, -0.4}, {0.0, 0.0}, {0.5, 1}, {1234.5, 1235},
    };
    for (const auto& c : cases) {
        org->bAg = c.bAg;
        EXPECT_EQ(Filled(*org).bAd, c.expected) << "bAg " << c.bAg;
    }
}

TEST(DesignRecordRounding, SkewStretchesTheDistanceAndARightAngleLeavesItAlone)
{
    auto org = ThreeColumnPier();
    org->bAg = 1000.2;
    org->a = std::numbers::pi / 3;   // cos = 0.5: 2000.4 + 6500 = 8500.4 → 8500
    EXPECT_EQ(Filled(*org).bAd, 8500);

    org->a = std::numbers::pi / 2;   // cos ≈ 6e-17: no division, 1000.2 + 6500 → 7500
    EXPECT_EQ(Filled(*org).bAd, 7500);
}

TEST(DesignRecordRobustness, WildInputFillsWithoutFailing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    auto org = ThreeColumnPier();
    org->bAg = 1e300;
    org->a = nan;
    org->hHgl = inf;
    org->bBz = List({1e308, 1e308, -1e308});
    CPM001Atom r;
    EXPECT_EQ(r.SetData(org.get()), 1);
    EXPECT_EQ(r.zHzt.GetSize(), 4);
    EXPECT_EQ(r.bLx.GetSize(), 3);
    EXPECT_FALSE(r.szHD.IsEmpty());

    org->a = 0;
    org->bAg = 1e300;   // far beyond any int
    org->hHgl = 1800;
    org->bBz = List({5000});
    EXPECT_EQ(Filled(*org).bAd, 1e300);
}

TEST(DesignRecordPedestals, RowsAreAlikeOnlyWhenEverythingMatches)
{
    auto org = ThreeColumnPier();
    org->BedStoneTypef = 1;
    org->BedStoneTypeb = 1;
    org->lZzf = org->lZzb = 600;
    org->bZzf = org->bZzb = 800;
    org->hZzf = List({150, 200});
    org->hZzb = List({150, 200.0000005});
    EXPECT_EQ(Filled(*org).fSameBedStoneRows, 1);

    struct Change { const char* what; void (*apply)(CPM001org&); };
    const Change changes[] = {
        {"no pedestals", [](CPM001org& o) { o.BedStoneTypef = o.BedStoneTypeb = 0; }},
        {"modes differ", [](CPM001org& o) { o.BedStoneTypeb = 2; }},
        {"counts differ", [](CPM001org& o) { o.hZzb.Add(200); }},
        {"lengths differ", [](CPM001org& o) { o.lZzb = 601; }},
        {"widths differ", [](CPM001org& o) { o.bZzb = 799; }},
        {"heights differ", [](CPM001org& o) { o.hZzb[1] = 210; }},
    };
    for (const Change& c : changes) {
        auto changed = ThreeColumnPier();
        changed->BedStoneTypef = changed->BedStoneTypeb = 1;
        changed->lZzf = changed->lZzb = 600;
        changed->bZzf = changed->bZzb = 800;
        changed->hZzf = List({150, 200});
        changed->hZzb = List({150, 200});
        c.apply(*changed);
        EXPECT_EQ(Filled(*changed).fSameBedStoneRows, 0) << c.what;
    }
}

TEST(DesignRecordSymmetry, EqualSpacings)
{
    CPM001Atom r;
    EXPECT_EQ(r.GetZZDC(), 1);
    r.bBz = List({5000});
    EXPECT_EQ(r.GetZZDC(), 1);
    r.bBz = List({5000, 5000.0000005, 5000});
    EXPECT_EQ(r.GetZZDC(), 1);
    r.bBz = List({5000, 5000, 5001});
    EXPECT_EQ(r.GetZZDC(), 0);
    r.bBz = List({5000, std::numeric_limits<double>::quiet_NaN()});
    EXPECT_EQ(r.GetZZDC(), 0);
}

TEST(DesignRecordSymmetry, SymmetricPierAndEachWayToBreakIt)
{
    EXPECT_EQ(Filled(*ThreeColumnPier()).GetfHGDC(), 1);

    struct Change { const char* what; void (*apply)(CPM001Atom&); };
    const Change changes[] = {
        {"one sloping plane", [](CPM001Atom& r) { r.iRb = -r.iLb; }},
        {"slopes differ", [](CPM001Atom& r) { r.iRb = 0.03; }},
        {"control section off centre", [](CPM001Atom& r) { r.bAc = 6000; }},
        {"end heights differ", [](CPM001Atom& r) { r.hXbr = 900; }},
        {"variable parts differ", [](CPM001Atom& r) { r.bBpr = 900; }},
        {"cantilever shapes differ", [](CPM001Atom& r) { r.bXbr = 10; }},
        {"cantilevers differ", [](CPM001Atom& r) { r.bBzr = 1400; }},
        {"spacings differ", [](CPM001Atom& r) { r.bBz[1] = 4000; }},
    };
    for (const Change& c : changes) {
        CPM001Atom r = Filled(*ThreeColumnPier());
        c.apply(r);
        EXPECT_EQ(r.GetfHGDC(), 0) << c.what;
    }

    // A flat top is one plane as well, and counts as symmetric.
    auto flat = ThreeColumnPier();
    flat->iLb = flat->iRb = 0;
    EXPECT_EQ(Filled(*flat).GetfHGDC(), 1);
}
