// The shipped material catalogue: look-ups by name, alias, label and id, and the published values.
#include "catalog/material_catalog.h"

#include <gtest/gtest.h>

TEST(MaterialCatalog, LoadsTheShippedFile)
{
    EXPECT_EQ(CatalogLoadError(), "");
}

TEST(MaterialCatalog, LabelsReplaceNamesInPlaceAndUnknownNamesStay)
{
    CString grade("C40混凝土");
    EXPECT_EQ(GetMaterialLabelFromName(grade, grade), 1);   // one string for both arguments
    EXPECT_EQ(grade, "C40");
    CString label("unchanged");
    EXPECT_EQ(GetMaterialLabelFromName("C99", label), 0);
    EXPECT_EQ(label, "unchanged");
    // A label is itself a known name, so a second conversion keeps it.
    EXPECT_EQ(GetMaterialLabelFromName(grade, grade), 1);
    EXPECT_EQ(grade, "C40");
}

TEST(MaterialCatalog, KindTestsDistinguishKinds)
{
    for (const char* grade : {"C25", "C30", "C35", "C40", "C45", "C50", "C55"}) EXPECT_EQ(IsConcrete(grade), 1) << grade;
    EXPECT_EQ(IsConcrete("C20"), 0);
    EXPECT_EQ(IsConcrete("M15-7"), 0);
    EXPECT_EQ(IsTendon("钢绞线1×7-15.20-1860"), 1);
    EXPECT_EQ(IsTendon("C30"), 0);
    EXPECT_EQ(IsCorrugatedPipeSeries("圆形金属波纹管"), 1);
    EXPECT_EQ(IsCorrugatedPipeSeries("金属波纹管D70"), 0);   // an item, not a series
    EXPECT_EQ(IsAnchorSeries("M15"), 1);
    EXPECT_EQ(IsAnchorSeries(""), 0);
    EXPECT_EQ(IsBearing("GJZ300×400×52"), 1);
    EXPECT_EQ(IsBearing("GJZ300x400x52"), 1);
    EXPECT_EQ(IsBearing("GJZ1×1×1"), 0);
}

TEST(MaterialCatalog, BearingPlansAndUnknownBearingIsZeroFilled)
{
    tagQM_BEARING rect;
    EXPECT_EQ(GetBearing("GJZ300×400×52", &rect), 1);
    EXPECT_EQ(rect.shape, 0);
    EXPECT_EQ(rect.a, 300);
    EXPECT_EQ(rect.b, 400);
    tagQM_BEARING round;
    EXPECT_EQ(GetBearing("GYZ350×63", &round), 1);
    EXPECT_NE(round.shape, 0);
    EXPECT_NE(round.shape, 3);
    EXPECT_EQ(round.diameter, 350);
    tagQM_BEARING unknown{7, 1, 2, 3, 4};
    EXPECT_EQ(GetBearing("nothing", &unknown), 0);
    EXPECT_EQ(unknown.shape, 0);
    EXPECT_EQ(unknown.a, 0);
    EXPECT_EQ(unknown.diameter, 0);
}

TEST(MaterialCatalog, StrandValuesArePublishedOnes)
{
    const unsigned id = GetMaterialIDFromName("钢绞线1×7-15.20-1860");
    ASSERT_NE(id, 0u);
    tagQM_TENDON strand;
    EXPECT_EQ(GetTendon(id, &strand), 1);
    EXPECT_DOUBLE_EQ(strand.fpk, 1860.0);
    EXPECT_DOUBLE_EQ(strand.area, 140.0);
    EXPECT_DOUBLE_EQ(strand.Ep, 1.95e5);
    // The label and an alias name the same entry.
    EXPECT_EQ(GetMaterialIDFromName("Φs15.2"), id);
    EXPECT_EQ(GetMaterialIDFromName("1x7-15.2-1860"), id);
}

TEST(MaterialCatalog, IdsOfAnotherKindOrNoneGiveDefaultRecords)
{
    EXPECT_EQ(GetMaterialIDFromName("no such material"), 0u);
    tagQM_JACK jack;
    jack.diameter = 5;
    EXPECT_EQ(GetJack(0, &jack), 0);
    EXPECT_EQ(jack.diameter, 0);
    EXPECT_EQ(GetJack(GetMaterialIDFromName("C30"), &jack), 0);
    EXPECT_EQ(GetJack(GetMaterialIDFromName("YCW250"), &jack), 1);
    EXPECT_GT(jack.workingLength, 0);
    tagQM_CORRUGATEDPIPE duct;
    EXPECT_EQ(GetCorrugatedPipe(GetMaterialIDFromName("金属波纹管D70"), &duct), 1);
    EXPECT_EQ(duct.series, "圆形金属波纹管");
    EXPECT_EQ(duct.material, 1);
    EXPECT_EQ(duct.innerDiameter, 70);
    EXPECT_GT(duct.outerDiameter, duct.innerDiameter);
    tagQM_ANCHOR anchor;
    EXPECT_EQ(GetAnchor(GetMaterialIDFromName("M15-9"), &anchor), 1);
    EXPECT_EQ(anchor.series, "M15");
    EXPECT_GT(anchor.width, anchor.headWidth);   // the bearing plate is wider than the anchor head
    EXPECT_EQ(GetAnchor(100000, &anchor), 0);
    EXPECT_EQ(anchor.series, "");
}
