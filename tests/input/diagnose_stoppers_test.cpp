// Seismic stopper-block checks of the pier: height, widths, edge distances, bearing centres.
#include "host/report.h"
#include "input/pier_origin_data.h"

#include "pier_origin_test_access.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr unsigned kLabel = 43;

struct Entry {
    std::string key;
    std::string message;
};

// A cap 16000 long (half 8000) with blocks 500 high, 300 wide at the top and 400 at the
// bottom, 200 in from each end; one row of bearings 1000 and 15000 from the left end.
class StopperChecksTest : public ::testing::Test {
protected:
    CPM001org org;

    void SetUp() override
    {
        ReportLog::Current().Clear();
        org.bBzl = 1500.0;
        org.bBzr = 1500.0;
        org.bBz.Add(6500.0);
        org.bBz.Add(6500.0);
        org.hFz = 500.0;
        org.bL1 = org.bR1 = 300.0;
        org.bL2 = org.bR2 = 400.0;
        org.bFzjl = org.bFzjr = 200.0;
        org.CushionNumber = 1;
        SetPositions(org.bQf, 1000.0, 15000.0);
    }
    void TearDown() override { ReportLog::Current().Clear(); }

    static void SetPositions(DblArray& spacings, double first, double last)
    {
        spacings.RemoveAll();
        spacings.Add(first);
        spacings.Add(last - first);
    }

    void ExpectReports(const std::vector<Entry>& expected)
    {
        ReportLog::Current().Clear();
        int ok = 1;
        CPM001orgTestAccess::DoDiagnose_FZDK(org, ok, kLabel);
        EXPECT_EQ(ok, expected.empty() ? 1 : 0);
        std::vector<ReportEntry> got;   // each entry as many times as it was reported
        for (const ReportEntry& e : ReportLog::Current().Entries()) got.insert(got.end(), e.count, e);
        ASSERT_EQ(got.size(), expected.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].keys.str(), expected[i].key) << i;
            EXPECT_EQ(got[i].message.str(), expected[i].message) << i;
            EXPECT_EQ(got[i].item, 0u);
            EXPECT_EQ(got[i].part, 6u);
            EXPECT_EQ(got[i].label, kLabel);
        }
    }
};

TEST_F(StopperChecksTest, SoundBlocksReportNothing) { ExpectReports({}); }

TEST_F(StopperChecksTest, HeightLiesWithinOneHundredToTenThousand)
{
    for (double height : {100.0, 10000.0}) {
        org.hFz = height;
        ExpectReports({});
    }
    org.hFz = 99.9;
    ExpectReports({{"hFz", "“防震挡块的高度”过小,不能小于100，hFz有错误．"}});
    org.hFz = 10000.1;
    ExpectReports({{"hFz", "“防震挡块的高度”过大,不能大于10000，hFz有错误．"}});
}

// Each block check at and across its bound, on the left block and then on the right one.
TEST_F(StopperChecksTest, EachBlockIsCheckedAtItsBounds)
{
    struct Case {
        double top, bottom, distance;
        std::vector<Entry> expected;   // for the left block; the right one reads 右 for 左, R for L
    };
    const std::vector<Case> cases = {
        {100.0, 100.0, 0.0, {}},
        {300.0, 7999.9, 7999.9, {}},
        {99.9, 400.0, 200.0, {{"bL1", "“左侧防震挡块顶缘宽度”过小,不能小于100，bL1有错误．"}}},
        {99.0, 99.9, 200.0, {{"bL1", "“左侧防震挡块顶缘宽度”过小,不能小于100，bL1有错误．"},
                             {"bL2", "“左侧防震挡块底缘宽度”过小,不能小于100，bL2有错误．"}}},
        {400.1, 400.0, 200.0, {{"bL1", "“左侧防震挡块顶缘宽度”应不大于“左侧防震挡块底缘宽度”，可能bL1有错误．"},
                               {"bL2", "“左侧防震挡块顶缘宽度”应不大于“左侧防震挡块底缘宽度”，可能bL2有错误．"}}},
        {300.0, 8000.0, 200.0, {{"bL2", "“左侧防震挡块底缘宽度”应小于“1/2盖梁横桥向长度”，bL2有错误．"}}},
        {300.0, 400.0, -0.1, {{"bFzjl", "“左侧防震挡块到盖梁左边缘的距离”不能为负，bFzjl有错误．"}}},
        {300.0, 400.0, 8000.0, {{"bFzjl", "“左侧防震挡块到盖梁左边缘的距离”应小于“1/2盖梁横桥向长度”，bFzjl有错误．"}}},
    };
    auto toRight = [](std::string text) {
        for (auto [from, to] : {std::pair<std::string, std::string>{"左侧", "右侧"}, {"左边缘", "右边缘"},
                                {"bL1", "bR1"}, {"bL2", "bR2"}, {"bFzjl", "bFzjr"}})
            for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
                text.replace(at, from.size(), to);
        return text;
    };
    // Bearing centres that stay clear of any block position tried here.
    org.BedStoneTypef = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.top << " / " << c.bottom << " / " << c.distance);
        org.bL1 = c.top;
        org.bL2 = c.bottom;
        org.bFzjl = c.distance;
        ExpectReports(c.expected);

        org.bL1 = org.bR1;
        org.bL2 = org.bR2;
        org.bFzjl = org.bFzjr;
        org.bR1 = c.top;
        org.bR2 = c.bottom;
        org.bFzjr = c.distance;
        std::vector<Entry> right;
        for (const Entry& e : c.expected) right.push_back({toRight(e.key), toRight(e.message)});
        ExpectReports(right);
        org.bR1 = 300.0;
        org.bR2 = 400.0;
        org.bFzjr = 200.0;
    }
}

// Separate blocks with the same fault are reported once for each side, with its own keys.
TEST_F(StopperChecksTest, SeparateBlocksAreReportedSideBySide)
{
    org.bL1 = org.bR1 = 500.0;
    ExpectReports({{"bL1", "“左侧防震挡块顶缘宽度”应不大于“左侧防震挡块底缘宽度”，可能bL1有错误．"},
                   {"bL2", "“左侧防震挡块顶缘宽度”应不大于“左侧防震挡块底缘宽度”，可能bL2有错误．"},
                   {"bR1", "“右侧防震挡块顶缘宽度”应不大于“右侧防震挡块底缘宽度”，可能bR1有错误．"},
                   {"bR2", "“右侧防震挡块顶缘宽度”应不大于“右侧防震挡块底缘宽度”，可能bR2有错误．"}});
}

// One block repeated on both ends: its messages name no side and the right values are not read.
TEST_F(StopperChecksTest, RepeatedBlockIsCheckedOnceWithoutSideWord)
{
    org.fVaiDang = 1;
    org.bL1 = 500.0;
    org.bR1 = 0.0;
    org.bFzjr = -5.0;
    ExpectReports({{"bL1", "“防震挡块顶缘宽度”应不大于“防震挡块底缘宽度”，可能bL1有错误．"},
                   {"bL2", "“防震挡块顶缘宽度”应不大于“防震挡块底缘宽度”，可能bL2有错误．"}});
    org.bL1 = 99.9;
    ExpectReports({{"bL1", "“防震挡块顶缘宽度”过小,不能小于100，bL1有错误．"}});
}

// Bearing centres against the blocks' outer edges: first position − bFzjl ≥ 0 and
// L − last position − bFzjr ≥ 0, so 200 … 15800 here.
TEST_F(StopperChecksTest, OutermostBearingCentresStayWithinTheBlocks)
{
    SetPositions(org.bQf, 200.0, 15800.0);
    ExpectReports({});
    SetPositions(org.bQf, 199.9, 15800.0);
    ExpectReports({{"bQf", "“支座中心”横桥向不能位于防震挡块之外，bQf有错误．"}});
    SetPositions(org.bQf, 200.0, 15800.1);
    ExpectReports({{"bQf", "“支座中心”横桥向不能位于防震挡块之外”，bQf有错误．"}});

    org.CushionNumber = 2;
    org.BedStoneTypeb = 1;   // the back row is judged whatever its own pedestals
    SetPositions(org.bQb, 199.9, 15800.1);
    ExpectReports({{"bQf", "“前排支座中心”横桥向不能位于防震挡块之外，bQf有错误．"},
                   {"bQb", "“后排支座中心”横桥向不能位于防震挡块之外，bQb有错误．"},
                   {"bQb", "“后排支座中心”横桥向不能位于防震挡块之外，bQb有错误．"}});
    org.bQb.RemoveAll();
    ExpectReports({{"bQf", "“前排支座中心”横桥向不能位于防震挡块之外，bQf有错误．"}});
}

// From a NaN spacing on places are unknown: the first centre is judged when its place is known, the last never.
TEST_F(StopperChecksTest, BearingPlacesFromASpacingThatIsNotANumberOnAreNotJudged)
{
    org.bQf[0] = std::nan("");
    ExpectReports({});
    SetPositions(org.bQf, 199.9, 15800.0);
    org.bQf[1] = std::nan("");
    ExpectReports({{"bQf", "“支座中心”横桥向不能位于防震挡块之外，bQf有错误．"}});
    SetPositions(org.bQf, 200.0, 15800.0);
    org.CushionNumber = 2;
    org.bQb.Add(std::nan(""));
    ExpectReports({});
}

TEST_F(StopperChecksTest, BearingCentresAreNotCheckedWithFrontPedestalsOrWithoutBearings)
{
    SetPositions(org.bQf, 0.0, 16000.0);
    org.BedStoneTypef = 2;
    ExpectReports({});
    org.BedStoneTypef = 0;
    org.bQf.RemoveAll();
    ExpectReports({});
}

} // namespace
