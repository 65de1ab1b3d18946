// The sample projects: each loads, and the pier's origin data taken from it matches the hand-worked values.
#include "example_intake.h"
#include "project_file.h"

#include "input/pier_origin_data.h"
#include "module/pier_component.h"
#include "siblings/pile_cap.h"
#include "siblings/pile_foundation.h"
#include "siblings/spread_footing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kSourceDir = PM001_SOURCE_DIR;

std::string ExamplePath(const std::string& name) { return kSourceDir + "/examples/" + name; }


double CapLength(const CPM001org& org)
{
    double length = org.bBzl + org.bBzr;
    for (int i = 0; i < org.bBz.GetSize(); ++i) length += org.bBz[i];
    return length;
}

void ExpectList(const DblArray& actual, const std::vector<double>& expected, double tolerance, const char* what)
{
    ASSERT_EQ(actual.GetSize(), static_cast<int>(expected.size())) << what;
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(actual[static_cast<int>(i)], expected[i], tolerance) << what << "[" << i << "]";
}

class EveryExample : public ::testing::TestWithParam<const char*> {};

TEST_P(EveryExample, LoadsWithItsComponentAndFoundation)
{
    const auto project = LoadProjectFile(ExamplePath(GetParam()));
    EXPECT_GT(project->componentId, 0U);
    EXPECT_EQ(project->input.Name, project->name);
    EXPECT_FALSE(project->name.IsEmpty());
    EXPECT_FALSE(project->input.PierCapConGra.IsEmpty());
    EXPECT_EQ(project->road.GetRoadGeneral()->GetDesignTendonMaterialName(1), CString("钢绞线1×7-15.20-1860"));
}

INSTANTIATE_TEST_SUITE_P(Samples, EveryExample,
                         ::testing::Values("footing.json", "piles.json", "pile_cap.json", "prestressed.json"));

// Three columns 5000 apart, 1750 from the cap ends: L = 1750 + 2*5000 + 1750 = 13500. One 2 %
// slope with the control section at 6750 and the cap top there at 312.500 m: the left end lies
// at 312.500 - 6750*0.02/1000 = 312.365 m; a column at x has its top at
// 312.365 - 1.800 + x*0.02/1000, so at x = 1750, 6750, 11750: 310.600, 310.700, 310.800 m, and
// above the footing at 305.000 m the columns are 5600, 5700, 5800 mm high.
TEST(SampleFooting, ThreeColumnPierOnOneFooting)
{
    auto project = LoadProjectFile(ExamplePath("footing.json"));
    EXPECT_EQ(project->name, CString("3号墩"));
    IntakeOf intake(*project);
    const CPM001org& org = intake.org;
    EXPECT_DOUBLE_EQ(CapLength(org), 13500.0);
    EXPECT_EQ(org.bBz.GetSize() + 1, 3);
    EXPECT_EQ(org.BaseType, 0);
    // Column group 2*5000 + 1300 = 11300 wide on a top layer 12500 across: one footing for all.
    EXPECT_EQ(org.BaseLayMode, 1);
    EXPECT_EQ(org.PierLayMode, 1);   // the design line, 6750 from the right end, crosses the cap
    EXPECT_EQ(org.JGType, 0);
    EXPECT_EQ(org.fSingleSlope, 1);
    EXPECT_DOUBLE_EQ(org.iLb, 0.02);
    EXPECT_DOUBLE_EQ(org.iRb, -0.02);
    EXPECT_DOUBLE_EQ(org.HeightLeftEnd, 1800.0);
    EXPECT_DOUBLE_EQ(org.bBpl, 1000.0);   // 1000 high at the end, not 1800: the variable part stays
    ExpectList(org.ColumnTopLevels, {310.600, 310.700, 310.800}, 1e-9, "ColumnTopLevels");
    ExpectList(org.ColumnHeights, {5600.0, 5700.0, 5800.0}, 1e-6, "ColumnHeights");
    EXPECT_EQ(org.CushionNumber, 2);
    EXPECT_EQ(org.BedStoneTypef, 1);
    EXPECT_EQ(org.BedStoneTypeb, 1);
    ExpectList(org.bQf, {1950.0, 2400.0, 2400.0, 2400.0, 2400.0}, 1e-9, "bQf");
    ExpectList(org.hZzb, {250.0, 250.0, 250.0, 250.0, 250.0}, 1e-9, "hZzb");
    EXPECT_EQ(org.TypeZhif[4], CString("GJZ300×400×52"));
    EXPECT_DOUBLE_EQ(org.bR2, 500.0);   // the right blocks repeat the left ones
    EXPECT_EQ(org.PierCapConGra, CString("C40"));
}

// Skew 15°, cos 15° = 0.9659258. Two columns: L = 2200 + 6000 + 2200 = 10400. Bearings and
// stopper blocks are held along the skewed cap: 1270 / 0.9659258 = 1314.80, 2500 / 0.9659258 =
// 2588.19, 500 / 0.9659258 = 517.64. Slope 1.5 %, control section 5200, top 299.800 m there:
// the left end at 299.800 - 0.078 = 299.722 m, column tops 299.722 - 1.600 + x*0.015/1000 at
// x = 2200 and 8200: 298.155 and 298.245 m; heights above 286.350 m: 11805 and 11895 mm.
TEST(SamplePiles, SkewedTwoColumnPierOnPiles)
{
    auto project = LoadProjectFile(ExamplePath("piles.json"));
    IntakeOf intake(*project);
    const CPM001org& org = intake.org;
    EXPECT_NEAR(org.a, 0.2617993878, 1e-10);
    EXPECT_DOUBLE_EQ(CapLength(org), 10400.0);
    EXPECT_EQ(org.bBz.GetSize() + 1, 2);
    EXPECT_EQ(org.BaseType, 1);
    EXPECT_EQ(org.BaseLayMode, 1);
    EXPECT_EQ(org.fXL, 1);
    ExpectList(org.zXl, {292.0}, 1e-12, "zXl");
    ExpectList(org.ColumnTopLevels, {298.155, 298.245}, 1e-9, "ColumnTopLevels");
    ExpectList(org.ColumnHeights, {11805.0, 11895.0}, 1e-6, "ColumnHeights");
    EXPECT_EQ(org.CushionNumber, 1);
    EXPECT_EQ(org.BedStoneTypef, 2);   // pedestals follow the skew
    EXPECT_EQ(org.BedStoneTypeb, 0);
    ExpectList(org.bQf, {1314.80, 2588.19, 2588.19, 2588.19}, 0.01, "bQf");
    EXPECT_NEAR(org.bL2, 517.64, 0.01);
    EXPECT_NEAR(org.bR2, 517.64, 0.01);
    EXPECT_DOUBLE_EQ(org.hFz, 600.0);
}

// Two rectangular columns: L = 2500 + 6000 + 2500 = 11000. Two slopes of 2 % meeting at 5500:
// the bottom is level, both column tops at 268.450 - 1.800 = 266.650 m, 10500 mm above the cap
// at 256.150 m; the ends are 1800 - 5500*0.02 = 1690 high by the slopes.
TEST(SamplePileCap, RectangularColumnsOnAPileCap)
{
    auto project = LoadProjectFile(ExamplePath("pile_cap.json"));
    IntakeOf intake(*project);
    const CPM001org& org = intake.org;
    EXPECT_DOUBLE_EQ(CapLength(org), 11000.0);
    EXPECT_EQ(org.bBz.GetSize() + 1, 2);
    EXPECT_EQ(org.BaseType, 2);
    // Column group 6000 + 1600 = 7600 wide on a cap 11000 across: one cap for both.
    EXPECT_EQ(org.BaseLayMode, 1);
    EXPECT_EQ(org.ColumnSectionType, 0);
    EXPECT_EQ(org.FilletMode, 1);
    EXPECT_EQ(org.fSingleSlope, 0);
    EXPECT_DOUBLE_EQ(org.iRb, 0.02);
    EXPECT_DOUBLE_EQ(org.HeightLeftEnd, 1690.0);
    EXPECT_DOUBLE_EQ(org.HeightRightEnd, 1690.0);
    ExpectList(org.ColumnTopLevels, {266.650, 266.650}, 1e-9, "ColumnTopLevels");
    ExpectList(org.ColumnHeights, {10500.0, 10500.0}, 1e-6, "ColumnHeights");
    EXPECT_EQ(org.CushionNumber, 2);
    EXPECT_EQ(org.TypeZhib[0], CString("GJZ300×400×52"));
    ExpectList(org.hZzb, {211.0, 211.0, 211.0, 211.0}, 1e-9, "hZzb");
    EXPECT_DOUBLE_EQ(org.bFzjr, 0.0);
    EXPECT_DOUBLE_EQ(org.bR2, 600.0);
}

// L = 3750 + 9000 + 3750 = 16500; slope 2 %, control section 8250, top 318.600 m there: the left
// end at 318.435 m, column tops 318.435 - 2.000 + x*0.02/1000 at x = 3750 and 12750: 316.510 and
// 316.690 m; heights above 301.200 m: 15310 and 15490 mm.
TEST(SamplePrestressed, PrestressedCapOnPiles)
{
    auto project = LoadProjectFile(ExamplePath("prestressed.json"));
    IntakeOf intake(*project);
    const CPM001org& org = intake.org;
    EXPECT_EQ(org.JGType, 1);
    EXPECT_DOUBLE_EQ(CapLength(org), 16500.0);
    EXPECT_EQ(org.bBz.GetSize() + 1, 2);
    EXPECT_EQ(org.BaseType, 1);
    EXPECT_EQ(org.TendonMaterial, CString("钢绞线1×7-15.20-1860"));
    EXPECT_EQ(org.DuctSeries, CString("圆形金属波纹管"));
    EXPECT_EQ(org.AnchorSeries, CString("M15"));
    EXPECT_EQ(org.DesignOpt4, 1);
    EXPECT_DOUBLE_EQ(org.DesignValue1, 500.0);
    EXPECT_EQ(org.PierCapConGra, CString("C50"));
    ExpectList(org.ColumnTopLevels, {316.510, 316.690}, 1e-9, "ColumnTopLevels");
    ExpectList(org.ColumnHeights, {15310.0, 15490.0}, 1e-6, "ColumnHeights");
    ExpectList(org.bQf, {1250.0, 2800.0, 2800.0, 2800.0, 2800.0, 2800.0}, 1e-9, "bQf");
}

// The example of the format description stays a project the reader takes: L = 1500 + 5500 +
// 1500 = 8500; tops 150.000 - 4250*0.02/1000 - 1.500 + x*0.02/1000 at x = 1500 and 7000.
TEST(FormatDescriptionExample, LoadsAndGivesTheValuesItStates)
{
    std::ifstream in(kSourceDir + "/docs/project-format.md", std::ios::binary);
    ASSERT_TRUE(in);
    const std::string doc{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::size_t section = doc.find("## Example");
    ASSERT_NE(section, std::string::npos);
    const std::size_t open = doc.find("```json\n", section);
    ASSERT_NE(open, std::string::npos);
    const std::size_t start = open + 8;
    const std::size_t end = doc.find("```", start);
    ASSERT_NE(end, std::string::npos);

    auto project = ReadProjectText(doc.substr(start, end - start), "project-format.md", "");
    IntakeOf intake(*project);
    const CPM001org& org = intake.org;
    EXPECT_DOUBLE_EQ(CapLength(org), 8500.0);
    ExpectList(org.ColumnTopLevels, {148.445, 148.555}, 1e-9, "ColumnTopLevels");
    ExpectList(org.ColumnHeights, {6445.0, 6555.0}, 1e-6, "ColumnHeights");
    EXPECT_EQ(org.BaseLayMode, 1);
    EXPECT_EQ(org.BedStoneTypef, 0);
}

} // namespace
