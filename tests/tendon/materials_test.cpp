// Tendon materials: the tendon list and its extents, strand, tensioning, jack, duct, anchorages,
// allowances and lengths.
#include "tendon/design_object.h"
#include "tendon/materials.h"
#include "tendon/definitions.h"
#include "tendon/steps_test_access.h"

#include "calc/key_param_json.h"
#include "calc/pm001_key_param.h"
#include "host/report.h"
#include "pier/gz_pm001_atom.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace {

using Atom = CPM001T010401Atom;
using Access = CPM001T010401AtomTestAccess;
using namespace tendon_test;

class TendonMaterials : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReportLog::Current().Clear();
        FlatBeam(t);
    }

    // Designs one straight tendon from 0 to length at 300 above the bottom.
    Atom::M_Steel& Straight(double length, Definition d = Tendon({}))
    {
        d.Node.RemoveAll();
        d.Node.Add(Point(0.0, 300.0));
        d.Node.Add(Point(length, 300.0));
        kp = KeyParameters({d});
        EXPECT_EQ(Access::SetSteelData(t, &kp), 1);
        return *t.Steel.at(0);
    }

    Atom t;
    CPM001_CapKeyParam kp;
};

} // namespace

// ---- checks and extents ---------------------------------------------------------------------

TEST_F(TendonMaterials, NoDefinitionsFailWithoutAMessage)
{
    CPM001_CapKeyParam none;
    EXPECT_EQ(Access::SetSteelData(t, &none), 0);
    EXPECT_TRUE(t.Steel.empty());
    EXPECT_TRUE(t.SteelFD.empty());
    EXPECT_TRUE(ReportLog::Current().Entries().empty());
}

TEST_F(TendonMaterials, DefinitionWithoutControlPointsFailsBeforeAnyTendonIsMade)
{
    t.fm = 7.0;
    t.fmr = 8.0;
    kp = KeyParameters({Tendon({Point(0, 300), Point(9000, 300)}), Tendon({}),
                        Tendon({Point(100, 300), Point(9900, 300)})});
    EXPECT_EQ(Access::SetSteelData(t, &kp), 0);
    EXPECT_EQ(t.fm, 7.0);
    EXPECT_EQ(t.fmr, 8.0);
    EXPECT_TRUE(t.Steel.empty());
    EXPECT_TRUE(t.SteelFD.empty());
    EXPECT_TRUE(ReportLog::Current().Entries().empty());
}

TEST_F(TendonMaterials, ExtentsComeFromTheOutermostTendonEnds)
{
    // First stations 500, 300, 800 and last stations 9000, 9500, 9200 on a beam of 10000.
    kp = KeyParameters({Tendon({Point(500, 300), Point(9000, 300)}), Tendon({Point(300, 300), Point(9500, 300)}),
                        Tendon({Point(800, 300), Point(9200, 300)})});
    ASSERT_EQ(Access::SetSteelData(t, &kp), 1);
    EXPECT_EQ(t.fm, 300.0);
    EXPECT_EQ(t.fmr, 500.0);
    ASSERT_EQ(t.Steel.size(), 3u);
    ASSERT_EQ(t.SteelFD.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NE(t.Steel[i], nullptr);
        EXPECT_NE(t.SteelFD[i], nullptr);
    }
}

TEST_F(TendonMaterials, TendonsAreNumberedFromOneWithThePrefix)
{
    kp = KeyParameters({Tendon({Point(0, 300), Point(9000, 300)}), Tendon({Point(0, 400), Point(9000, 400)}),
                        Tendon({Point(0, 500), Point(9000, 500)})});
    ASSERT_EQ(Access::SetSteelData(t, &kp), 1);
    EXPECT_EQ(t.Steel[0]->R, "N1");
    EXPECT_EQ(t.Steel[1]->R, "N2");
    EXPECT_EQ(t.Steel[2]->R, "N3");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(t.Steel[i]->Index, i);

    Atom other;
    FlatBeam(other);
    other.PSF = "T%";
    ASSERT_EQ(Access::SetSteelData(other, &kp), 1);
    EXPECT_EQ(other.Steel[1]->R, "T%2");
}

TEST_F(TendonMaterials, DefinitionValuesAreCopied)
{
    Definition d = Tendon({});
    d.m = 12;
    d.n = 3;
    d.name = "F1";
    d.Ytype = 2;
    d.cl_ES = 200000.0;
    Atom::M_Steel& s = Straight(1000.0, d);
    EXPECT_EQ(s.m, 12);
    EXPECT_EQ(s.n, 3);
    EXPECT_EQ(s.name, "F1");
    EXPECT_EQ(s.Ytype, 2);
    ASSERT_EQ(s.Y.GetSize(), 2);
    EXPECT_EQ(s.Y[0], -550.0);
    EXPECT_EQ(s.Y[1], 550.0);
    EXPECT_EQ(s.cl_ES, 200000.0);
}

// ---- strand and tensioning ------------------------------------------------------------------

TEST_F(TendonMaterials, StrandValuesAndTensioningForce)
{
    Atom::M_Steel& s = Straight(1000.0);
    EXPECT_EQ(s.YSeries, "钢绞线1×7-15.20-1860");
    EXPECT_EQ(s.YAlias, "Φs15.2");
    EXPECT_EQ(s.fpk, 1860.0);
    EXPECT_EQ(s.Yarea, 140.0);
    // 9 strands of 1.101 kg/m.
    EXPECT_NEAR(s.Ygama, 9.909, 1e-12);
    // 0.75 × 1860 × 140 / 1000 = 195.3.
    EXPECT_EQ(s.PC, 0.75);
    EXPECT_NEAR(s.PCT, 195.3, 1e-9);
}

TEST_F(TendonMaterials, UnknownStrandStillGivesATendon)
{
    t.strTendonIndex = "no such strand";
    Atom::M_Steel& s = Straight(1000.0);
    EXPECT_EQ(s.YSeries, "no such strand");
    EXPECT_EQ(s.YAlias, "");
    EXPECT_EQ(s.fpk, 0.0);
    EXPECT_EQ(s.PCT, 0.0);
    EXPECT_EQ(s.Ygama, 0.0);
    EXPECT_TRUE(ReportLog::Current().Entries().empty());
}

// ---- jack, duct, anchorages -----------------------------------------------------------------

TEST_F(TendonMaterials, CatalogueJackDuctAndAnchorages)
{
    Atom::M_Steel& s = Straight(1000.0);
    const Atom::M_SteelMat& cl = s.cl;
    EXPECT_EQ(cl.DSeriesIndex, "YCW250");
    EXPECT_EQ(cl.DSeries, "YCW250");
    EXPECT_EQ(cl.DAias, "YCW250千斤顶");
    EXPECT_EQ(cl.Dc, 344.0);
    EXPECT_EQ(cl.MDl, 260.0);
    EXPECT_EQ(cl.Dl, 380.0);
    EXPECT_EQ(cl.El, 700.0);

    EXPECT_EQ(cl.BseriesIndex, "金属波纹管D80");
    EXPECT_EQ(cl.Bseries, "圆形金属波纹管");
    EXPECT_EQ(cl.BAlias, "φ80金属波纹管");
    EXPECT_EQ(cl.Btype, 0);
    EXPECT_EQ(cl.Bmat, "金属");
    EXPECT_EQ(cl.Bwd, 87.0);
    EXPECT_EQ(cl.Bnd, 80.0);
    EXPECT_EQ(cl.Bwh + cl.Bnh + cl.Bww + cl.Bnw, 0.0);

    // The anchorage's field order is checked on a hand-made record below.
    EXPECT_EQ(cl.MLSeriesIndex, "M15-9");
    EXPECT_EQ(cl.MLSeries, "M15");
    EXPECT_EQ(cl.MLAlias, "M15-9锚具");
    EXPECT_EQ(cl.MLwidth, 230.0);
    EXPECT_EQ(cl.MLbw, 50.0);
    EXPECT_EQ(cl.MRSeries, "M15");
    EXPECT_EQ(cl.MRAlias, "M15-9锚具");
    EXPECT_EQ(cl.MRbh, 300.0);
}

TEST_F(TendonMaterials, UnknownJackGivesEmptyValuesAndNoAllowances)
{
    Definition d = Tendon({});
    d.DSeriesIndex = "no such jack";
    // One straight piece of 1004: rounded to 1000 with no allowances.
    Atom::M_Steel& s = Straight(1004.0, d);
    EXPECT_EQ(s.cl.DSeriesIndex, "no such jack");
    EXPECT_EQ(s.cl.DSeries, "");
    EXPECT_EQ(s.cl.DAias, "");
    EXPECT_EQ(s.cl.Dc, 0.0);
    EXPECT_EQ(s.cl.Dl, 0.0);
    EXPECT_EQ(s.cl.MDl, 0.0);
    EXPECT_EQ(s.cl.El, 0.0);
    EXPECT_EQ(s.cl_DEL, 0.0);
    EXPECT_EQ(s.cl_ELL, 0.0);
    EXPECT_EQ(s.cl_ELR, 0.0);
    EXPECT_EQ(s.cl_TL, 1000.0);
    EXPECT_EQ(s.cl.BL, 1000.0);
    EXPECT_TRUE(ReportLog::Current().Entries().empty());
}

TEST_F(TendonMaterials, NameOfAnotherKindIsNoJack)
{
    Definition d = Tendon({});
    d.DSeriesIndex = "M15-9";   // an anchorage
    Atom::M_Steel& s = Straight(1000.0, d);
    EXPECT_EQ(s.cl.DSeries, "");
    EXPECT_EQ(s.cl.El, 0.0);
}

TEST_F(TendonMaterials, UnknownDuctIsAnEmptyPlasticDuct)
{
    Definition d = Tendon({});
    d.BseriesIndex = "no such duct";
    Atom::M_Steel& s = Straight(1000.0, d);
    EXPECT_EQ(s.cl.BseriesIndex, "no such duct");
    EXPECT_EQ(s.cl.Bseries, "");
    EXPECT_EQ(s.cl.BAlias, "");
    EXPECT_EQ(s.cl.Btype, 0);
    EXPECT_EQ(s.cl.Bmat, "塑料");
    EXPECT_EQ(s.cl.Bnd + s.cl.Bwd + s.cl.Bnh + s.cl.Bwh + s.cl.Bnw + s.cl.Bww, 0.0);
    EXPECT_TRUE(ReportLog::Current().Entries().empty());
}

TEST_F(TendonMaterials, UnknownAnchorageIsEmpty)
{
    Definition d = Tendon({});
    d.MLSeriesIndex = "no such anchorage";
    Atom::M_Steel& s = Straight(1000.0, d);
    EXPECT_EQ(s.cl.MLSeriesIndex, "no such anchorage");
    EXPECT_EQ(s.cl.MLSeries, "");
    EXPECT_EQ(s.cl.MLAlias, "");
    EXPECT_EQ(s.cl.MLtype, 0);
    EXPECT_EQ(s.cl.MLwidth + s.cl.MLheight + s.cl.MLww + s.cl.MLhh + s.cl.MLdd + s.cl.MLCapTH, 0.0);
    EXPECT_EQ(s.cl.MLbd + s.cl.MLbw + s.cl.MLbh, 0.0);
    // The right end keeps its catalogue anchorage.
    EXPECT_EQ(s.cl.MRSeries, "M15");
    EXPECT_TRUE(ReportLog::Current().Entries().empty());
}

TEST(TendonCatalogueValues, DuctKindAndMaterialCodes)
{
    tagQM_CORRUGATEDPIPE duct;
    duct.series = "扁形塑料波纹管";
    duct.kind = 3;
    duct.material = 0;
    duct.outerHeight = 1;
    duct.innerHeight = 2;
    duct.outerWidth = 3;
    duct.innerWidth = 4;
    duct.outerDiameter = 5;
    duct.innerDiameter = 6;
    Atom::M_SteelMat cl;
    pm001_tendon::TakeDuct(duct, cl);
    EXPECT_EQ(cl.Bseries, "扁形塑料波纹管");
    EXPECT_EQ(cl.Btype, 1);   // any kind but 0 is flat
    EXPECT_EQ(cl.Bmat, "塑料");
    EXPECT_EQ(cl.Bwh, 1.0);
    EXPECT_EQ(cl.Bnh, 2.0);
    EXPECT_EQ(cl.Bww, 3.0);
    EXPECT_EQ(cl.Bnw, 4.0);
    EXPECT_EQ(cl.Bwd, 5.0);
    EXPECT_EQ(cl.Bnd, 6.0);

    duct.material = 1;
    pm001_tendon::TakeDuct(duct, cl);
    EXPECT_EQ(cl.Bmat, "金属");
}

TEST(TendonCatalogueValues, UnknownDuctMaterialLeavesTheMaterialAsItWas)
{
    tagQM_CORRUGATEDPIPE duct;
    duct.material = 2;
    Atom::M_SteelMat fresh;
    pm001_tendon::TakeDuct(duct, fresh);
    EXPECT_EQ(fresh.Bmat, "");

    Atom::M_SteelMat metal;
    metal.Bmat = "金属";
    pm001_tendon::TakeDuct(duct, metal);
    EXPECT_EQ(metal.Bmat, "金属");
}

TEST(TendonCatalogueValues, AnchorageTypeCodesAndSides)
{
    tagQM_ANCHOR anchor;
    anchor.series = "BM15";
    anchor.type = 1;
    anchor.width = 1;
    anchor.height = 2;
    anchor.headWidth = 3;
    anchor.headHeight = 4;
    anchor.spiralDiameter = 5;
    anchor.capThickness = 6;
    anchor.spiralBarDiameter = 7;
    anchor.spiralPitch = 8.5;
    anchor.spiralLength = 9;
    Atom::M_SteelMat cl;
    pm001_tendon::TakeAnchor(anchor, false, cl);
    EXPECT_EQ(cl.MRSeries, "BM15");
    EXPECT_EQ(cl.MRtype, 1);
    EXPECT_EQ(cl.MRwidth, 1.0);
    EXPECT_EQ(cl.MRheight, 2.0);
    EXPECT_EQ(cl.MRww, 3.0);
    EXPECT_EQ(cl.MRhh, 4.0);
    EXPECT_EQ(cl.MRdd, 5.0);
    EXPECT_EQ(cl.MRCapTH, 6.0);
    EXPECT_EQ(cl.MRbd, 7.0);
    EXPECT_EQ(cl.MRbw, 8.5);
    EXPECT_EQ(cl.MRbh, 9.0);
    // The left side is untouched.
    EXPECT_EQ(cl.MLSeries, "");
    EXPECT_EQ(cl.MLwidth, 0.0);

    // A type code other than 0 and 1 leaves the type as it was.
    anchor.type = 2;
    pm001_tendon::TakeAnchor(anchor, false, cl);
    EXPECT_EQ(cl.MRtype, 1);
    pm001_tendon::TakeAnchor(anchor, true, cl);
    EXPECT_EQ(cl.MLtype, 0);
    anchor.type = 0;
    pm001_tendon::TakeAnchor(anchor, false, cl);
    EXPECT_EQ(cl.MRtype, 0);
}

TEST(TendonCatalogueValues, JackSizesGoToTheirFields)
{
    tagQM_JACK jack;
    jack.diameter = 1;
    jack.minDistance = 2;
    jack.length = 3;
    jack.workingLength = 4;
    Atom::M_SteelMat cl;
    pm001_tendon::TakeJack(CString("YCW250"), &jack, cl);
    EXPECT_EQ(cl.DSeries, "YCW250");
    EXPECT_EQ(cl.DAias, "YCW250千斤顶");
    EXPECT_EQ(cl.Dc, 1.0);
    EXPECT_EQ(cl.MDl, 2.0);
    EXPECT_EQ(cl.Dl, 3.0);
    EXPECT_EQ(cl.El, 4.0);

    pm001_tendon::TakeJack(CString("YCW250"), nullptr, cl);
    EXPECT_EQ(cl.DSeries, "");
    EXPECT_EQ(cl.DAias, "");
    EXPECT_EQ(cl.Dc + cl.MDl + cl.Dl + cl.El, 0.0);
}

// ---- tensioned ends, allowances and lengths -------------------------------------------------

TEST_F(TendonMaterials, BothEndsTensioned)
{
    // Jack working length 700 at each end; one piece of 1000: 2400 in all, duct 1000.
    Atom::M_Steel& s = Straight(1000.0);
    EXPECT_EQ(s.PT, 0);
    EXPECT_EQ(s.FVPTL, 1);
    EXPECT_EQ(s.FVPTR, 1);
    EXPECT_EQ(s.cl.MLPT, 0);
    EXPECT_EQ(s.cl.MRPT, 0);
    EXPECT_EQ(s.cl_DEL, 700.0);
    EXPECT_EQ(s.cl_ELL, 700.0);
    EXPECT_EQ(s.cl_ELR, 700.0);
    EXPECT_EQ(s.cl_TL, 2400.0);
    EXPECT_EQ(s.cl.BL, 1000.0);
    EXPECT_EQ(s.Mn, 2.0);
    EXPECT_EQ(s.Mng, 0.0);
}

TEST_F(TendonMaterials, LeftEndTensionedOnly)
{
    Definition d = Tendon({});
    d.PT = 1;
    Atom::M_Steel& s = Straight(1000.0, d);
    EXPECT_EQ(s.FVPTL, 1);
    EXPECT_EQ(s.FVPTR, 0);
    EXPECT_EQ(s.cl.MLPT, 0);
    EXPECT_EQ(s.cl.MRPT, 1);
    EXPECT_EQ(s.cl_ELL, 700.0);
    EXPECT_EQ(s.cl_ELR, 0.0);
    EXPECT_EQ(s.cl_TL, 1700.0);
    EXPECT_EQ(s.cl.BL, 1000.0);
    EXPECT_EQ(s.Mn, 1.0);
    EXPECT_EQ(s.Mng, 1.0);
}

TEST_F(TendonMaterials, RightEndTensionedOnly)
{
    Definition d = Tendon({});
    d.PT = 2;
    Atom::M_Steel& s = Straight(1000.0, d);
    EXPECT_EQ(s.FVPTL, 0);
    EXPECT_EQ(s.FVPTR, 1);
    EXPECT_EQ(s.cl.MLPT, 1);
    EXPECT_EQ(s.cl.MRPT, 0);
    EXPECT_EQ(s.cl_ELL, 0.0);
    EXPECT_EQ(s.cl_ELR, 700.0);
    EXPECT_EQ(s.Mn, 1.0);
    EXPECT_EQ(s.Mng, 1.0);
}

TEST_F(TendonMaterials, PieceLengthsAreRoundedBeforeTheyAreAdded)
{
    // Pieces of 1002.5 and 1002.3 (a kink at 1002.5) and no jack: 1003 + 1002 = 2005 gives 2010,
    // where the unrounded 2004.8 would give 2000.
    Definition d = Tendon({});
    d.DSeriesIndex = "";
    d.Node.Add(Point(0.0, 300.0));
    d.Node.Add(Point(1002.5, 300.0));
    d.Node.Add(Point(2004.8, 300.0));
    kp = KeyParameters({d});
    ASSERT_EQ(Access::SetSteelData(t, &kp), 1);
    const Atom::M_Steel& s = *t.Steel[0];
    ASSERT_EQ(s.L.GetSize(), 2);
    EXPECT_EQ(s.cl_TL, 2010.0);
    EXPECT_EQ(s.cl.BL, 2010.0);
    // The pieces themselves keep their lengths.
    EXPECT_EQ(s.L[0], 1002.5);
}

TEST(TendonLengths, WholeTensFromRoundedPieces)
{
    DblArray pieces;
    pieces.Add(100.4);
    pieces.Add(200.5);
    pieces.Add(300.6);
    // 100 + 201 + 301 + 60 + 60 = 722 → 720; the duct 720 - 120 = 600.
    const double total = pm001_tendon::TendonTotalLength(pieces, 60.0, 60.0);
    EXPECT_EQ(total, 720.0);
    EXPECT_EQ(total - 60.0 - 60.0, 600.0);
}

TEST(TendonLengths, HalfwayTotalsRoundUp)
{
    DblArray pieces;
    pieces.Add(600.0);
    EXPECT_EQ(pm001_tendon::TendonTotalLength(pieces, 62.5, 62.5), 730.0);    // 725
    EXPECT_EQ(pm001_tendon::TendonTotalLength(pieces, 62.45, 62.45), 720.0);  // 724.9
    EXPECT_EQ(pm001_tendon::TendonTotalLength(DblArray(), 0.0, 0.0), 0.0);
}

// ---- the prestressed sample pier ------------------------------------------------------------

namespace {

// The cap beam of the prestressed sample pier: 16500 long (3750 + 9000 + 3750), 2000 high at
// the crown, one straight cross slope of 2 %, variable-height parts of 2500 and end faces of
// 1200 at both ends; profile sampled every 500; tendons named "N…" of 15.2 mm strand.
GZ_PM001Atom PrestressedSampleCap()
{
    GZ_PM001Atom gz;
    gz.hXbl = 1200.0;
    gz.hXbr = 1200.0;
    gz.bBg = 16500.0;
    gz.iLb = 0.02;
    gz.iRb = -0.02;
    gz.bBpl = 2500.0;
    gz.bBpr = 2500.0;
    gz.bBz.Add(9000.0);
    gz.bBzl = 3750.0;
    gz.bBzr = 3750.0;
    gz.bAc = 8250.0;
    gz.hHgl = 2000.0;
    gz.B = 2200.0;
    gz.JGType = 1;
    gz.DesignOpt4 = 1;
    gz.DesignValue1 = 500.0;
    gz.DesignText1 = "N";
    gz.TendonMaterial = "钢绞线1×7-15.20-1860";
    gz.ComponentLabel = 21;
    return gz;
}

} // namespace

TEST(TendonSampleDesign, PrestressedSamplePierTendons)
{
    CPM001KeyParam all;
    std::string error;
    ASSERT_TRUE(ReadKeyParamFile(std::string(PM001_SOURCE_DIR) + "/examples/keyparams/prestressed.json", all, error))
        << error;
    CPM001_CapKeyParam& kp = all.CapKeyParam;
    ASSERT_EQ(kp.SteelAr.GetSize(), 2);

    ReportLog::Current().Clear();
    GZ_PM001Atom gz = PrestressedSampleCap();
    Atom t;
    ASSERT_EQ(t.SetData(&gz), 1);
    EXPECT_EQ(t.FVHP, 1);
    EXPECT_EQ(t.fJGDC, 1);
    EXPECT_EQ(t.fSymLayout, 0);
    t.DoDesign(&kp);   // the later steps are not judged here

    // Both tendons run from end to end.
    EXPECT_EQ(t.fm, 0.0);
    EXPECT_EQ(t.fmr, 0.0);
    ASSERT_EQ(t.Steel.size(), 2u);
    ASSERT_EQ(t.SteelFD.size(), 2u);

    // Control points 450, 250 below the top, 300 above the bottom, 250 and 450 below the top,
    // at 0, 3750, 8250, 12750 and 16500; rounded with 6000 at the three inner points.
    const Atom::M_Steel& n1 = *t.Steel[0];
    EXPECT_EQ(n1.R, "N1");
    EXPECT_EQ(t.Steel[1]->R, "N2");
    ASSERT_EQ(n1.LNode.GetSize(), 5);
    const double z[] = {1550.0, 1750.0, 300.0, 1750.0, 1550.0};
    const int property[] = {1, 7, 6, 7, 8};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(n1.LNode[k].Z, z[k]) << k;
        EXPECT_EQ(n1.LNode[k].property, property[k]) << k;
    }
    EXPECT_EQ(n1.Ckline, 2);
    EXPECT_EQ(n1.Ckplace, 0);

    // The legs into the low point fall 1450 over 4500 on either side: the fillet's centre lies
    // straight above it, 6000 √(1 + (1450/4500)²) away, and the arc 6000 below the centre.
    const double slope = 1450.0 / 4500.0;
    const double toCentre = 6000.0 * std::sqrt(1.0 + slope * slope);
    EXPECT_NEAR(n1.LNode[2].E, toCentre - 6000.0, 1e-6);
    // Its tangent length is 6000 × slope-of-half-turn: tan(atan(slope)) = slope.
    EXPECT_NEAR(n1.LNode[2].T, 6000.0 * slope, 1e-6);
    const Atom::M_SteelFD& fd = *t.SteelFD[0];
    ASSERT_EQ(fd.CenPts.GetSize(), 3);
    EXPECT_NEAR(fd.CenPts[1].x, 8250.0, 1e-6);
    EXPECT_NEAR(fd.CenPts[1].y, 300.0 + toCentre, 1e-6);

    ASSERT_EQ(n1.Dsx.GetSize(), 4);
    EXPECT_EQ(n1.Dsx[0], 3750.0);
    EXPECT_EQ(n1.Dsx[1], 4500.0);
    ASSERT_EQ(n1.Ysx.GetSize(), 7);
    double ysx = 0.0;
    for (int i = 0; i < 7; ++i) ysx += n1.Ysx[i];
    EXPECT_NEAR(ysx, 16500.0, 1e-6);
    ASSERT_EQ(n1.LKind.GetSize(), 7);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(n1.LKind[i], i % 2 == 0 ? 1 : 0) << i;

    // Samples every 500 from 0 to 16500; 8000 lies on the low arc, 250 from the centre's vertical.
    ASSERT_EQ(n1.X.GetSize(), 34);
    ASSERT_EQ(n1.Z.GetSize(), 34);
    EXPECT_EQ(n1.X[16], 8000.0);
    EXPECT_NEAR(n1.Z[16], 300.0 + toCentre - std::sqrt(6000.0 * 6000.0 - 250.0 * 250.0), 1e-6);
    // The tendon mirrors about the middle of the beam.
    for (int i = 0; i < 34; ++i) EXPECT_NEAR(n1.Z[i], n1.Z[33 - i], 1e-6) << i;
    EXPECT_EQ(n1.Z[0], 1550.0);
    // Before the first fillet the tendon falls 200 over 3750: at 1000 it lies 1550 + 200 × 1000/3750.
    EXPECT_NEAR(n1.Z[2], 1550.0 + 200.0 * 1000.0 / 3750.0, 1e-6);

    // Jacks with 700 working length at both ends; pieces rounded, then the total to tens.
    EXPECT_NEAR(n1.PCT, 195.3, 1e-9);
    double pieces = 0.0;
    for (int i = 0; i < n1.L.GetSize(); ++i) pieces += n1.L[i];
    EXPECT_EQ(std::fmod(n1.cl_TL, 10.0), 0.0);
    EXPECT_LE(std::fabs(n1.cl_TL - (pieces + 1400.0)), 5.0 + 7 * 0.5);
    EXPECT_EQ(n1.cl.BL, n1.cl_TL - 1400.0);
    EXPECT_EQ(n1.lMC, 0);
    EXPECT_EQ(n1.rMC, 0);
    ASSERT_NE(n1.pCurve, nullptr);
    EXPECT_EQ(n1.pCurve->GetControlPointCount(), 5);

    // N2: 800 and 500 below the top, 550 above the bottom; its legs into the low point fall 950.
    const Atom::M_Steel& n2 = *t.Steel[1];
    EXPECT_EQ(n2.LNode[2].Z, 550.0);
    const double slope2 = 950.0 / 4500.0;
    EXPECT_NEAR(n2.LNode[2].E, 6000.0 * (std::sqrt(1.0 + slope2 * slope2) - 1.0), 1e-6);
    for (const ReportEntry& e : ReportLog::Current().Entries()) EXPECT_NE(e.message, "计算错误06110301");
}
