// Bearing-pedestal checks of the pier: sizes, heights, counts, overlaps, place on the cap top, outlines.
#include "host/report.h"
#include "input/pier_origin_data.h"

#include "pier_origin_test_access.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr unsigned kLabel = 42;

struct Entry {
    std::string key;
    std::string message;
    unsigned long item;
};

// A square pier: cap 16000 long, 1800 wide, its width centre 100 off the pier centre line;
// stopper blocks 400 wide at the bottom standing on the cap ends. One row of two bearings
// 2000 and 5000 from the left end on pedestals 600 across, 500 along, 200 high.
class PedestalChecksTest : public ::testing::Test {
protected:
    CPM001org org;

    void SetUp() override
    {
        ReportLog::Current().Clear();
        org.bBzl = 1500.0;
        org.bBzr = 1500.0;
        org.bBz.Add(6500.0);
        org.bBz.Add(6500.0);
        org.B = 1800.0;
        org.vP = 100.0;
        org.bL2 = 400.0;
        org.bR2 = 400.0;
        org.CushionNumber = 1;
        org.BedStoneTypef = 1;
        org.bZzf = org.bZzb = 600.0;
        org.lZzf = org.lZzb = 500.0;
        SetRow(org.bQf, org.TypeZhif, org.hZzf, {2000.0, 3000.0});
    }
    void TearDown() override { ReportLog::Current().Clear(); }

    // Positions with one named bearing and one 200 high pedestal each.
    static void SetRow(DblArray& spacings, CStringArray& names, DblArray& heights, std::vector<double> values)
    {
        spacings.RemoveAll();
        names.RemoveAll();
        heights.RemoveAll();
        for (double v : values) {
            spacings.Add(v);
            names.Add("GJZ300×400×52");
            heights.Add(200.0);
        }
    }

    // A second row at zQb = −520 (y = 380, spanning 130 … 630 along the bridge) with pedestals
    // like the front ones, 20 clear of the front row (650 … 1150) and 30 inside the back face.
    void AddBackRow(std::vector<double> values)
    {
        org.CushionNumber = 2;
        org.BedStoneTypeb = 1;
        org.zQb = -520.0;
        SetRow(org.bQb, org.TypeZhib, org.hZzb, values);
    }

    int Diagnose()
    {
        int ok = 1;
        CPM001orgTestAccess::DoDiagnose_DS(org, nullptr, ok, kLabel);
        return ok;
    }

    static std::vector<Entry> Entries()
    {
        std::vector<Entry> out;
        for (const ReportEntry& e : ReportLog::Current().Entries()) {
            EXPECT_EQ(e.label, kLabel);
            EXPECT_EQ(e.part, 6u);
            out.push_back({e.keys.str(), e.message.str(), e.item});
        }
        return out;
    }

    // Clears the log, runs the group and compares keys, messages and items with the expectation.
    void ExpectReports(const std::vector<Entry>& expected)
    {
        ReportLog::Current().Clear();
        EXPECT_EQ(Diagnose(), expected.empty() ? 1 : 0);
        const auto got = Entries();
        ASSERT_EQ(got.size(), expected.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].key, expected[i].key) << i;
            EXPECT_EQ(got[i].message, expected[i].message) << i;
            EXPECT_EQ(got[i].item, expected[i].item) << i;
        }
    }
};

void ExpectPoint(const CDblPoint& p, double x, double y)
{
    EXPECT_NEAR(p.x, x, 1e-9);
    EXPECT_NEAR(p.y, y, 1e-9);
}

TEST_F(PedestalChecksTest, SoundPierReportsNothing)
{
    ExpectReports({});
    AddBackRow({2000.0, 3000.0});
    ExpectReports({});
    EXPECT_EQ(org.DSOutlines.GetSize(), 4);
}

TEST_F(PedestalChecksTest, WithoutFrontPedestalsNothingIsBuiltOrChecked)
{
    AddBackRow({2000.0, 500.0});   // overlapping back pedestals
    org.BedStoneTypef = 0;
    org.bZzf = 0.0;
    ExpectReports({});
    EXPECT_TRUE(org.DSOutlinesB.empty());
    EXPECT_TRUE(org.DSOutlines.IsEmpty());
}

TEST_F(PedestalChecksTest, SizesAreAtLeastOneHundred)
{
    org.bZzf = 100.0;
    org.lZzf = 100.0;
    ExpectReports({});
    org.bZzf = 99.9;
    org.lZzf = 99.9;
    ExpectReports({{"bZzf", "“垫石横桥向宽度”过小,不能小于100，bZzf有错误．", 0},
                   {"lZzf", "“垫石纵桥向宽度”过小,不能小于100，lZzf有错误．", 0}});
    AddBackRow({2000.0, 3000.0});
    org.bZzb = 99.9;
    org.lZzb = 99.9;
    ExpectReports({{"bZzf", "“前排垫石横桥向宽度”过小,不能小于100，bZzf有错误．", 0},
                   {"lZzf", "“前排垫石纵桥向宽度”过小,不能小于100，lZzf有错误．", 0},
                   {"bZzb", "“后排垫石横桥向宽度”过小,不能小于100，bZzb有错误．", 0},
                   {"lZzb", "“后排垫石纵桥向宽度”过小,不能小于100，lZzb有错误．", 0}});
}

TEST_F(PedestalChecksTest, HeightsLieWithinTenToTenThousand)
{
    org.hZzf[0] = 10.0;
    org.hZzf[1] = 10000.0;
    ExpectReports({});
    org.hZzf[0] = 9.99;
    org.hZzf[1] = 10000.1;
    ExpectReports({{"HZzf", "第1个“垫石高度”过小,不能小于10，HZzf有错误．", 0},
                   {"HZzf", "第2个“垫石高度”过大,不能大于10000，HZzf有错误．", 1}});
    AddBackRow({2000.0, 3000.0});
    org.hZzb[1] = 5.0;
    ExpectReports({{"HZzf", "前排第1个“垫石高度”过小,不能小于10，HZzf有错误．", 0},
                   {"HZzf", "前排第2个“垫石高度”过大,不能大于10000，HZzf有错误．", 1},
                   {"HZzb", "后排第2个“垫石高度”过小,不能小于10，HZzb有错误．", 1}});
}

TEST_F(PedestalChecksTest, EveryBearingNeedsOnePedestalHeight)
{
    SetRow(org.bQf, org.TypeZhif, org.hZzf, {2000.0, 3000.0, 3000.0});
    org.hZzf.RemoveAt(2);
    ExpectReports({{"bQf", "“垫石个数”应等于“支座个数”，可能bQf有错误．", 0},
                   {"HZzf", "“垫石个数”应等于“支座个数”，可能HZzf有错误．", 0}});
    SetRow(org.bQf, org.TypeZhif, org.hZzf, {2000.0, 3000.0});
    AddBackRow({2000.0, 3000.0});
    org.hZzf.RemoveAll();
    org.hZzb.Add(300.0);
    ExpectReports({{"bQf", "“前排垫石个数”应等于“前排支座个数”，可能bQf有错误．", 0},
                   {"HZzf", "“前排垫石个数”应等于“前排支座个数”，可能HZzf有错误．", 0},
                   {"bQb", "“后排垫石个数”应等于“后排支座个数”，可能bQb有错误．", 0},
                   {"HZzb", "“后排垫石个数”应等于“后排支座个数”，可能HZzb有错误．", 0}});
}

// Pedestals 600 across: a spacing of 600.1 leaves 0.1 between them, 599.9 overlaps them by 0.1
// (both within the 0.2 allowed for drawing inaccuracy), 599.7 overlaps them by 0.3.
TEST_F(PedestalChecksTest, NeighbouringPedestalsMayNotOverlap)
{
    for (double spacing : {600.1, 599.9}) {
        SCOPED_TRACE(spacing);
        org.bQf[1] = spacing;
        ExpectReports({});
    }
    // Three pedestals all overlapping: the first pair is reported once and the search ends.
    SetRow(org.bQf, org.TypeZhif, org.hZzf, {2000.0, 599.7, 599.7});
    ExpectReports({{"bQf", "“垫石”横向不能重叠，可能bQf有问题", 0}, {"bZzf", "“垫石”横向不能重叠，可能bZzf有问题", 0}});

    SetRow(org.bQf, org.TypeZhif, org.hZzf, {2000.0, 599.7});
    AddBackRow({2000.0, 100.0});
    ExpectReports({{"bQf", "“前排垫石”横向不能重叠，可能bQf有问题", 0},
                   {"bZzf", "“前排垫石”横向不能重叠，可能bZzf有问题", 0},
                   {"bQb", "“后排垫石”横向不能重叠，可能bQb有问题", 0},
                   {"bZzb", "“后排垫石”横向不能重叠，可能bZzb有问题", 0}});
}

// The overlap is found wherever the two pedestals stand in the list: a spacing back to an earlier
// position puts the third pedestal on the first one, far from its neighbour in the list.
TEST_F(PedestalChecksTest, OverlapsAreFoundWhateverTheOrderOfThePositions)
{
    const std::vector<Entry> overlap = {{"bQf", "“垫石”横向不能重叠，可能bQf有问题", 0},
                                        {"bZzf", "“垫石”横向不能重叠，可能bZzf有问题", 0}};
    struct Case {
        std::vector<double> spacings;
        bool overlaps;
    };
    const std::vector<Case> cases = {
        {{2000.0, 3000.0, -2700.0}, true},    // third at 2300, 300 into the first
        {{2000.0, 3000.0, -2400.0}, false},   // third at 2600, touching the first
        // Pedestals at 2000, 3400 and 4100, then one back between the first two: 0.15 into the
        // first is within the allowance, 0.3 is not.
        {{2000.0, 1400.0, 700.0, -1500.15}, false},
        {{2000.0, 1400.0, 700.0, -1500.3}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.spacings.back());
        SetRow(org.bQf, org.TypeZhif, org.hZzf, c.spacings);
        std::vector<Entry> expected;
        if (c.overlaps) expected = overlap;
        ReportLog::Current().Clear();
        Diagnose();
        std::vector<Entry> got;
        for (const Entry& e : Entries())
            if (e.message.find("重叠") != std::string::npos) got.push_back(e);
        ASSERT_EQ(got.size(), expected.size());
        for (std::size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i].message, expected[i].message);
    }
}

// A position so large that the outline's points are not finite cannot be judged: the polygon test
// takes such an outline as overlapping its partner, and the search neither skips it nor misorders.
TEST_F(PedestalChecksTest, OutlinesThatCannotBeJudgedOverlapTheirPartner)
{
    SetRow(org.bQf, org.TypeZhif, org.hZzf, {2000.0, 1e308, 1e308});
    ReportLog::Current().Clear();
    Diagnose();
    int overlaps = 0;
    for (const Entry& e : Entries()) overlaps += e.message.find("横向不能重叠") != std::string::npos ? 1 : 0;
    EXPECT_EQ(overlaps, 2);
    SetRow(org.bQf, org.TypeZhif, org.hZzf, {std::numeric_limits<double>::infinity()});
    ReportLog::Current().Clear();
    Diagnose();   // one outline, without a partner
    for (const Entry& e : Entries()) EXPECT_EQ(e.message.find("重叠"), std::string::npos);
}

// A spacing that is not a number (NaN; the bearing checks report it) leaves its pedestal's place and
// every later one's unknown: those get no outline, and only known places are judged.
TEST_F(PedestalChecksTest, PlacesFromASpacingThatIsNotANumberOnAreNotJudged)
{
    const double nan = std::nan("");
    org.bFzjl = 100.0;   // first position at least 800
    using Case = std::tuple<std::vector<double>, std::size_t, std::vector<Entry>>;   // spacings, outlines, reports
    const std::vector<Entry> left = {{"bQf", "“垫石”横桥向不能越出“盖梁顶面挡块内侧边缘”，可能bQf有错误．", 0},
                                     {"bZzf", "“垫石”横桥向不能越出“盖梁顶面挡块内侧边缘”，可能bZzf有错误．", 0}};
    const std::vector<Case> cases = {
        {{nan, 3000.0}, 0, {}}, {{2000.0, nan}, 1, {}}, {{2000.0, nan, 600.0}, 1, {}}, {{700.0, nan}, 1, left}};
    for (const auto& [spacings, outlines, expected] : cases) {
        SCOPED_TRACE(testing::Message() << spacings[0] << ", " << spacings[1]);
        SetRow(org.bQf, org.TypeZhif, org.hZzf, spacings);
        ExpectReports(expected);
        EXPECT_EQ(org.DSOutlinesF.size(), outlines);
    }
    SetRow(org.bQf, org.TypeZhif, org.hZzf, {2000.0, 3000.0});
    AddBackRow({nan, 2000.0});
    org.zQb = -200.0;   // would overlap the front row if the back row had places
    ExpectReports({});
    EXPECT_TRUE(org.DSOutlinesB.empty());
}

// Front row at y = 900 + 200 spans 850 … 1350 along the bridge; a back row at zQb = −200
// (y = 700) spans 450 … 950 and overlaps it by 100.
TEST_F(PedestalChecksTest, FrontAndBackPedestalsMayNotOverlap)
{
    AddBackRow({2000.0, 3000.0});
    org.zQf = 200.0;
    org.zQb = -200.0;
    ExpectReports({{"zQf", "“前、后排垫石”不能重叠，可能zQf有错", 0},
                   {"lZzf", "“前、后排垫石”不能重叠，可能lZzf有错", 0},
                   {"zQb", "“前、后排垫石”不能重叠，可能zQb有错", 0},
                   {"lZzb", "“前、后排垫石”不能重叠，可能lZzb有错", 0}});
    org.zQb = -300.0;   // y = 600: the pedestals touch at y = 850
    ExpectReports({});
}

// Along the bridge: the face on the row's side of the pier centre line, vP + B/2 = 1000 in
// front, B/2 − vP = 800 behind, less |z| and half the pedestal (250).
TEST_F(PedestalChecksTest, PedestalsStayBetweenTheCapFaces)
{
    const Entry along{"zQf", "“垫石”纵桥向不能越出“盖梁顶面前后边缘”，可能zQf有错误．", 0};
    const Entry alongLength{"lZzf", "“垫石”纵桥向不能越出“盖梁顶面前后边缘”，可能lZzf有错误．", 0};
    struct Case {
        double zQf;
        bool passes;
    };
    for (const Case& c : {Case{750.0, true}, Case{750.1, false}, Case{-550.0, true}, Case{-550.1, false}}) {
        SCOPED_TRACE(c.zQf);
        org.zQf = c.zQf;
        if (c.passes) ExpectReports({});
        else ExpectReports({along, alongLength});
    }
    // On the centre line the front face counts: with vP = −300 it lies 600 out, so a pedestal
    // 1200 long just fits although the back face lies 1200 out.
    org.zQf = 0.0;
    org.vP = -300.0;
    org.lZzf = 1200.0;
    ExpectReports({});
    org.lZzf = 1200.2;
    ExpectReports({along, alongLength});

    org.vP = 100.0;
    org.lZzf = 500.0;
    AddBackRow({2000.0, 3000.0});
    org.zQf = 750.1;
    org.zQb = -550.1;
    ExpectReports({{"zQf", "“前排垫石”纵桥向不能越出“盖梁顶面前后边缘”，可能zQf有错误．", 0},
                   {"lZzf", "“前排垫石”纵桥向不能越出“盖梁顶面前后边缘”，可能lZzf有错误．", 0},
                   {"zQb", "“后排垫石”纵桥向不能越出“盖梁顶面前后边缘”，可能zQb有错误．", 0},
                   {"lZzb", "“后排垫石”纵桥向不能越出“盖梁顶面前后边缘”，可能lZzb有错误．", 0}});
}

// Across the bridge: first centre − 300 − bFzjl − bL2, and L − sum − 300 − bFzjr − bR2, at least
// 0 on a square pier and −2 on a skewed one. With bFzjl = bFzjr = 100 and blocks 400 wide the
// edges are met by a first position of 800 and a last one of 15200.
TEST_F(PedestalChecksTest, PedestalsStayInsideTheStopperBlocks)
{
    org.bFzjl = 100.0;
    org.bFzjr = 100.0;
    const std::vector<Entry> both = {
        {"bQf", "“垫石”横桥向不能越出“盖梁顶面挡块内侧边缘”，可能bQf有错误．", 0},
        {"bZzf", "“垫石”横桥向不能越出“盖梁顶面挡块内侧边缘”，可能bZzf有错误．", 0}};
    struct Case {
        double skew, first, last;
        int failures;
    };
    const std::vector<Case> cases = {
        {0.0, 800.0, 15200.0, 0},   {0.0, 798.5, 15200.0, 1}, {0.0, 800.0, 15201.5, 1},
        {0.01, 798.5, 15201.5, 0},  {0.01, 798.0, 15202.0, 0}, {0.01, 797.9, 15202.1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.skew << " " << c.first << " " << c.last);
        org.a = c.skew;
        SetRow(org.bQf, org.TypeZhif, org.hZzf, {c.first, c.last - c.first});
        std::vector<Entry> expected;
        for (int i = 0; i < c.failures; ++i) expected.insert(expected.end(), both.begin(), both.end());
        ExpectReports(expected);
    }

    AddBackRow({797.9, 15202.1 - 797.9});
    org.a = 0.0;
    SetRow(org.bQf, org.TypeZhif, org.hZzf, {799.0, 15200.0 - 799.0});
    ExpectReports({{"bQf", "“前排垫石”横桥向不能越出“盖梁顶面挡块内侧边缘”，可能bQf有错误．", 0},
                   {"bZzf", "“前排垫石”横桥向不能越出“盖梁顶面挡块内侧边缘”，可能bZzf有错误．", 0},
                   {"bQb", "“后排垫石”横桥向不能越出“盖梁顶面挡块内侧边缘”，可能bQb有错误．", 0},
                   {"bZzb", "“后排垫石”横桥向不能越出“盖梁顶面挡块内侧边缘”，可能bZzb有错误．", 0},
                   {"bQb", "“后排垫石”横桥向不能越出“盖梁顶面挡块内侧边缘”，可能bQb有错误．", 0},
                   {"bZzb", "“后排垫石”横桥向不能越出“盖梁顶面挡块内侧边缘”，可能bZzb有错误．", 0}});
}

// Skew with tan a = 0.1; row on y = 900, position 0 at x = −8000 − 90 = −8090, first pedestal
// centre at −6090. Mode 2 shifts the sides along the bridge by 0.1 × 250 = 25.
TEST_F(PedestalChecksTest, OutlinesFollowTheSkewInModeTwo)
{
    org.a = std::atan(0.1);
    org.BedStoneTypef = 2;
    Diagnose();
    ASSERT_EQ(org.DSOutlinesF.size(), 2u);
    const CDblPointArray& skewed = *org.DSOutlinesF[0];
    ASSERT_EQ(skewed.GetSize(), 4);
    ExpectPoint(skewed[0], -6365.0, 650.0);
    ExpectPoint(skewed[1], -5765.0, 650.0);
    ExpectPoint(skewed[2], -5815.0, 1150.0);
    ExpectPoint(skewed[3], -6415.0, 1150.0);

    org.BedStoneTypef = 1;
    Diagnose();
    const CDblPointArray& square = *org.DSOutlinesF[1];   // centre −8090 + 5000 = −3090
    ExpectPoint(square[0], -3390.0, 650.0);
    ExpectPoint(square[1], -2790.0, 650.0);
    ExpectPoint(square[2], -2790.0, 1150.0);
    ExpectPoint(square[3], -3390.0, 1150.0);
}

// The back row's sizes give its outlines; the combined list holds the front row, then the back.
TEST_F(PedestalChecksTest, BackRowOutlinesUseTheBackRowSizes)
{
    AddBackRow({4000.0});
    org.bZzb = 300.0;
    org.lZzb = 200.0;
    Diagnose();
    ASSERT_EQ(org.DSOutlinesB.size(), 1u);
    ExpectPoint((*org.DSOutlinesB[0])[0], -4000.0 - 150.0, 380.0 - 100.0);
    ExpectPoint((*org.DSOutlinesB[0])[2], -4000.0 + 150.0, 380.0 + 100.0);
    ASSERT_EQ(org.DSOutlines.GetSize(), 3);
    EXPECT_EQ(org.DSOutlines[1], org.DSOutlinesF[1].get());
    EXPECT_EQ(org.DSOutlines[2], org.DSOutlinesB[0].get());
}

// A second diagnosis rebuilds the outlines: no pedestal meets a copy of itself.
TEST_F(PedestalChecksTest, SecondDiagnosisReportsNothingNew)
{
    AddBackRow({2000.0, 3000.0});
    ExpectReports({});
    ExpectReports({});
    EXPECT_EQ(org.DSOutlinesF.size(), 2u);
    EXPECT_EQ(org.DSOutlinesB.size(), 2u);
    EXPECT_EQ(org.DSOutlines.GetSize(), 4);
}

// More names than positions: only the positioned bearings get a pedestal outline.
TEST_F(PedestalChecksTest, NameListLongerThanPositionsIsReadOnlyAsFarAsBoth)
{
    org.TypeZhif.Add("GJZ300×400×52");
    org.TypeZhif.Add("GJZ300×400×52");
    ExpectReports({});
    EXPECT_EQ(org.DSOutlinesF.size(), 2u);
}

} // namespace
