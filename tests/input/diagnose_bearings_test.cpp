// Bearing checks of the pier: counts, spacings, type names, centres on the cap top, outlines.
#include "host/cpm001_input.h"
#include "host/report.h"
#include "input/text_to_real.h"
#include "input/pier_origin_data.h"

#include "pier_origin_test_access.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr unsigned kLabel = 41;
const char* const kRect = "GJZ300×400×52";   // 300 along the bridge, 400 across
const char* const kRound = "GYZ350×63";      // diameter 350

struct Entry {
    std::string key;
    std::string message;
    unsigned long item;
};

// A square pier: cap 16000 long (1500 + 2 × 6500 + 1500), 1800 wide, its width centre 100 off
// the pier centre line; one row of two bearings 1000 and 3000 from the left end.
class BearingChecksTest : public ::testing::Test {
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
        org.CushionNumber = 1;
        SetRow(org.bQf, org.TypeZhif, {1000.0, 2000.0}, {kRect, kRound});
    }
    void TearDown() override { ReportLog::Current().Clear(); }

    static void SetRow(DblArray& spacings, CStringArray& names, std::vector<double> values,
                       std::vector<const char*> types)
    {
        spacings.RemoveAll();
        names.RemoveAll();
        for (double v : values) spacings.Add(v);
        for (const char* t : types) names.Add(t);
    }

    // Runs the group; returns ok.
    int Diagnose()
    {
        int ok = 1;
        CPM001orgTestAccess::DoDiagnose_ZZ(org, ok, kLabel);
        return ok;
    }

    static std::vector<Entry> Entries()
    {
        std::vector<Entry> out;
        for (const ReportEntry& e : ReportLog::Current().Entries()) {
            EXPECT_EQ(e.label, kLabel);
            EXPECT_EQ(e.part, 6u);
            EXPECT_EQ(std::string(e.type.GetString()), "Error");
            out.insert(out.end(), e.count, {e.keys.str(), e.message.str(), e.item});   // each time reported
        }
        return out;
    }

    // The entries reported, each with its key, message and item.
    static void ExpectEntries(const std::vector<Entry>& expected)
    {
        const auto got = Entries();
        ASSERT_EQ(got.size(), expected.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].key, expected[i].key);
            EXPECT_EQ(got[i].message, expected[i].message);
            EXPECT_EQ(got[i].item, expected[i].item);
        }
    }
};

void ExpectPoint(const CDblPoint& p, double x, double y)
{
    EXPECT_NEAR(p.x, x, 1e-9);
    EXPECT_NEAR(p.y, y, 1e-9);
}

TEST_F(BearingChecksTest, SoundSingleRowReportsNothing)
{
    EXPECT_EQ(Diagnose(), 1);
    EXPECT_TRUE(Entries().empty());
    EXPECT_EQ(org.ZZOutlinesF.size(), 2u);
}

// Bearings per row, 0 to 500 inclusive. Without type names no outline is built, so the centre
// checks stay quiet and the count is the only thing judged.
TEST_F(BearingChecksTest, CountIsBoundedByFiveHundredPerRow)
{
    struct Case {
        int rows, front, back;
        std::vector<Entry> expected;
    };
    const std::vector<Case> cases = {
        {1, 500, 0, {}},
        {1, 501, 0, {{"bQf", "“支座个数”过大,不能大于500，bQf有错误．", 0}}},
        {2, 500, 500, {}},
        {2, 501, 0, {{"bQf", "“前排支座个数”过大,不能大于500，bQf有错误．", 0}}},
        {2, 0, 501, {{"bQb", "“后排支座个数”过大,不能大于500，bQb有错误．", 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows, " << c.front << " / " << c.back);
        ReportLog::Current().Clear();
        org.CushionNumber = c.rows;
        SetRow(org.bQf, org.TypeZhif, std::vector<double>(c.front, 50.0), {});
        SetRow(org.bQb, org.TypeZhib, std::vector<double>(c.back, 50.0), {});
        EXPECT_EQ(Diagnose(), c.expected.empty() ? 1 : 0);
        const auto got = Entries();
        ASSERT_EQ(got.size(), c.expected.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].key, c.expected[i].key);
            EXPECT_EQ(got[i].message, c.expected[i].message);
        }
    }
}

// Spacings after the first are checked square to the bridge: stored value × cos a in 50 … 100000.
TEST_F(BearingChecksTest, SpacingsAreCheckedSquareToTheBridgeWithinBounds)
{
    struct Case {
        int rows;
        double skew;
        std::vector<double> front, back;
        std::vector<Entry> expected;
    };
    const double sixty = std::acos(-1.0) / 3.0;   // cos = 0.5
    const std::vector<Case> cases = {
        {1, 0.0, {1000.0, 50.0, 100000.0}, {}, {}},
        {1, 0.0, {20.0}, {}, {}},   // the first entry is no spacing
        {1, 0.0, {1000.0, 49.9}, {}, {{"bQf", "“第2个支座间距”过小,不能小于50，bQf有错误．", 1}}},
        {1, 0.0, {1000.0, 50.0, 100000.1}, {}, {{"bQf", "“第3个支座间距”过大,不能大于100000，bQf有错误．", 2}}},
        // 99.8 along a 60° skew is 49.9 square to the bridge; 100.2 is 50.1.
        {1, sixty, {1000.0, 99.8, 100.2}, {}, {{"bQf", "“第2个支座间距”过小,不能小于50，bQf有错误．", 1}}},
        {2, 0.0, {1000.0, 49.9}, {1000.0, 100000.1},
         {{"bQf", "“前排第2个支座间距”过小,不能小于50，bQf有错误．", 1},
          {"bQb", "“后排第2个支座间距”过大,不能大于100000，bQb有错误．", 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case with first front value " << c.front[0] << ", skew " << c.skew);
        ReportLog::Current().Clear();
        org.CushionNumber = c.rows;
        org.a = c.skew;
        SetRow(org.bQf, org.TypeZhif, c.front, {});
        SetRow(org.bQb, org.TypeZhib, c.back, {});
        EXPECT_EQ(Diagnose(), c.expected.empty() ? 1 : 0);
        ExpectEntries(c.expected);
    }
}

// A spacing text that is not wholly a number is held as NaN: reported once as not a number, quoting
// the input's text; no place that depends on it is judged (the bearings are named, so the centre
// checks run). A bad first text leaves no place known, a later one the first.
TEST_F(BearingChecksTest, SpacingTextsThatAreNotWhollyANumberAreReportedOnceAsSuch)
{
    struct Case {
        int rows;
        std::vector<const char*> front, back;
        std::vector<Entry> expected;
        double zQf = 0.0;
    };
    auto bad = [](const char* row, int n, const std::string& text, const char* key) {
        return Entry{key, std::string("“") + row + "支座间距”中第" + std::to_string(n) + "个数据“" + text +
                              "”不是有效的数字，" + key + "有错误．", static_cast<unsigned long>(n - 1)};
    };
    const std::string longNan = "nan" + std::string(61, 'x');   // 64 characters
    const std::string longerNan = longNan + "y";                 // 65 characters
    const std::vector<Case> cases = {
        {1, {"2400", " 2400 "}, {}, {}},
        {1, {"1000", "12mm"}, {}, {bad("", 2, "12mm", "bQf")}},
        {1, {"1000", "nan"}, {}, {bad("", 2, "nan", "bQf")}},
        {2, {"", "2000"}, {"1000"}, {bad("前排", 1, "", "bQf")}},
        {1, {" -INF", "2000"}, {}, {bad("", 1, " -INF", "bQf"),   // with no place known, z still judged
                                    {"zQf", "“支座中心”纵桥向不能越出“盖梁顶面前后边缘”，zQf有错误．", 0}}, 1000.1},
        {1, {"1000", "1e999"}, {}, {bad("", 2, "1e999", "bQf")}},
        {1, {"1000", "1e-999"}, {}, {bad("", 2, "1e-999", "bQf")}},   // out of range, as in bBz
        {1, {"-5", "abc"}, {}, {bad("", 2, "abc", "bQf"), {"bQf", "“支座中心”横桥向不能越出“盖梁顶面左边缘”，bQf有错误．", 0}}},
        {1, {"1000", longNan.c_str()}, {}, {bad("", 2, longNan, "bQf")}},
        {1, {"1000", longerNan.c_str()}, {}, {bad("", 2, longNan + "…", "bQf")}},
        {2, {"1000", "2000"}, {"1000", "NaN"}, {bad("后排", 2, "NaN", "bQb")}},
        {1, {"1000"}, {"2400mm"}, {bad("后排", 1, "2400mm", "bQb")}},   // a one-row pier's back texts are read too
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.front.back() << " / " << c.back.size());
        ReportLog::Current().Clear();
        CPM001 input;
        org.CushionNumber = c.rows;
        org.zQf = c.zQf;
        org.zQb = -300.0;
        for (auto [texts, values, names, from] : {std::tuple(&input.bQf, &org.bQf, &org.TypeZhif, &c.front),
                                                  std::tuple(&input.bQb, &org.bQb, &org.TypeZhib, &c.back)}) {
            values->RemoveAll();
            names->RemoveAll();
            for (const char* t : *from) {
                texts->Add(t);
                values->Add(TextToRealOrNaN(t));
                names->Add(kRect);
            }
        }
        int ok = 1;
        CPM001orgTestAccess::DoDiagnose_ZZ(org, ok, kLabel, &input);
        EXPECT_EQ(ok, c.expected.empty() ? 1 : 0);
        ExpectEntries(c.expected);
    }
    // A row past the count names its first text that is not a number only ("nan" without the input).
    ReportLog::Current().Clear();
    org.zQf = 0.0;
    SetRow(org.bQb, org.TypeZhib, {}, {});
    std::vector<double> many(501, 100.0);
    many[7] = many[9] = std::nan("");
    SetRow(org.bQf, org.TypeZhif, many, {});
    EXPECT_EQ(Diagnose(), 0);
    ExpectEntries({{"bQf", "“支座个数”过大,不能大于500，bQf有错误．", 0}, bad("", 8, "nan", "bQf")});
}

TEST_F(BearingChecksTest, UnknownTypeNamesAreReportedByRowAndEmptyNamesAreSkipped)
{
    SetRow(org.bQf, org.TypeZhif, {1000.0, 2000.0, 2000.0}, {kRect, "", "GJZ999"});
    EXPECT_EQ(Diagnose(), 0);
    auto got = Entries();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].key, "TypeZhif");
    EXPECT_EQ(got[0].message, "第3个支座类型名称GJZ999不存在");
    EXPECT_EQ(got[0].item, 0u);

    ReportLog::Current().Clear();
    org.CushionNumber = 2;
    org.zQb = -300.0;
    SetRow(org.bQf, org.TypeZhif, {1000.0}, {"xyz"});
    SetRow(org.bQb, org.TypeZhib, {1000.0, 2000.0}, {kRound, "GYZ1"});
    EXPECT_EQ(Diagnose(), 0);
    got = Entries();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].key, "TypeZhif");
    EXPECT_EQ(got[0].message, "前排第1个支座类型名称xyz不存在");
    EXPECT_EQ(got[1].key, "TypeZhib");
    EXPECT_EQ(got[1].message, "后排第2个支座类型名称GYZ1不存在");
}

// The centres stay within the cap top: along the bridge vP ± B/2 = −800 … 1000, across it 0 … L.
TEST_F(BearingChecksTest, SingleRowCentresStayOnTheCapTop)
{
    struct Case {
        double zQf;
        std::vector<double> spacings;
        const char* key;
        const char* message;
    };
    const char* along = "“支座中心”纵桥向不能越出“盖梁顶面前后边缘”，zQf有错误．";
    const std::vector<Case> cases = {
        {-800.0, {0.0, 16000.0}, nullptr, nullptr},
        {1000.0, {1000.0, 2000.0}, nullptr, nullptr},
        {-800.1, {1000.0}, "zQf", along},
        {1000.1, {1000.0}, "zQf", along},
        {0.0, {-0.1, 1000.0}, "bQf", "“支座中心”横桥向不能越出“盖梁顶面左边缘”，bQf有错误．"},
        {0.0, {1000.0, 15000.1}, "bQf", "“支座中心”横桥向不能越出“盖梁顶面右边缘”，bQf有错误．"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "zQf " << c.zQf << ", first spacing " << c.spacings[0]);
        ReportLog::Current().Clear();
        org.zQf = c.zQf;
        std::vector<const char*> names(c.spacings.size(), kRect);
        SetRow(org.bQf, org.TypeZhif, c.spacings, names);
        const int ok = Diagnose();
        const auto got = Entries();
        if (!c.key) {
            EXPECT_EQ(ok, 1);
            EXPECT_TRUE(got.empty());
            continue;
        }
        EXPECT_EQ(ok, 0);
        ASSERT_EQ(got.size(), 1u);
        EXPECT_EQ(got[0].key, c.key);
        EXPECT_EQ(got[0].message, c.message);
    }
}

TEST_F(BearingChecksTest, TwoRowCentresNameTheirRow)
{
    org.CushionNumber = 2;
    org.zQf = 1000.1;
    org.zQb = -800.1;
    SetRow(org.bQf, org.TypeZhif, {-1.0}, {kRect});
    SetRow(org.bQb, org.TypeZhib, {1000.0, 15000.1}, {kRect, kRect});
    EXPECT_EQ(Diagnose(), 0);
    const auto got = Entries();
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[0].message, "“前排支座中心”纵桥向不能越出“盖梁顶面前后边缘”，zQf有错误．");
    EXPECT_EQ(got[1].message, "“前排支座中心”横桥向不能越出“盖梁顶面左边缘”，bQf有错误．");
    EXPECT_EQ(got[2].message, "“后排支座中心”纵桥向不能越出“盖梁顶面前后边缘”，zQb有错误．");
    EXPECT_EQ(got[3].key, "bQb");
    EXPECT_EQ(got[3].message, "“后排支座中心”横桥向不能越出“盖梁顶面右边缘”，bQb有错误．");
}

TEST_F(BearingChecksTest, CentreChecksRunOnlyWhereTheirConditionsHold)
{
    // A back row with names but no positions: its longitudinal place is still checked (and its
    // name, belonging to no bearing, makes the name list too long).
    org.CushionNumber = 2;
    org.zQb = 2000.0;
    SetRow(org.bQb, org.TypeZhib, {}, {kRect});
    Diagnose();
    auto got = Entries();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].message, "“后排支座类型名称个数”应不大于“后排支座个数”，TypeZhib有错误．");
    EXPECT_EQ(got[1].message, "“后排支座中心”纵桥向不能越出“盖梁顶面前后边缘”，zQb有错误．");

    // Two rows whose back names are empty: the front row is judged with the single-row texts and
    // the back row not at all.
    ReportLog::Current().Clear();
    org.zQf = 2000.0;
    SetRow(org.bQb, org.TypeZhib, {-5.0}, {});
    Diagnose();
    got = Entries();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, "“支座中心”纵桥向不能越出“盖梁顶面前后边缘”，zQf有错误．");

    // Front-row pedestals: the pedestals are judged instead of the bearings.
    ReportLog::Current().Clear();
    org.BedStoneTypef = 1;
    EXPECT_EQ(Diagnose(), 1);
    EXPECT_TRUE(Entries().empty());

    // No bearing in the front row: nothing to judge.
    org.BedStoneTypef = 0;
    org.CushionNumber = 1;
    SetRow(org.bQf, org.TypeZhif, {}, {});
    EXPECT_EQ(Diagnose(), 1);
    EXPECT_TRUE(Entries().empty());
    EXPECT_TRUE(org.ZZOutlines.IsEmpty());
}

// Skew with tan a = 0.1. Front row at zQf = 100: y = 900 + 100 = 1000, position 0 at
// x = −8000 − 1000 × 0.1 = −8100; bearings at −7100 and −5100. Back row at zQb = −300: y = 600,
// position 0 at −8060; one bearing at −6560.
TEST_F(BearingChecksTest, OutlinesOfASkewedPierFollowTheRows)
{
    org.a = std::atan(0.1);
    org.CushionNumber = 2;
    org.zQf = 100.0;
    org.zQb = -300.0;
    SetRow(org.bQb, org.TypeZhib, {1500.0}, {"GJZ200×250×42"});
    Diagnose();

    ASSERT_EQ(org.ZZOutlinesF.size(), 2u);
    const CDblPointArray& rect = *org.ZZOutlinesF[0];
    ASSERT_EQ(rect.GetSize(), 4);
    ExpectPoint(rect[0], -7300.0, 850.0);
    ExpectPoint(rect[1], -7300.0, 1150.0);
    ExpectPoint(rect[2], -6900.0, 1150.0);
    ExpectPoint(rect[3], -6900.0, 850.0);

    // Radius 175; points every 10° from the x axis, counter-clockwise.
    const CDblPointArray& round = *org.ZZOutlinesF[1];
    ASSERT_EQ(round.GetSize(), 36);
    ExpectPoint(round[0], -4925.0, 1000.0);
    ExpectPoint(round[3], -5100.0 + 175.0 * std::sqrt(3.0) / 2.0, 1087.5);
    ExpectPoint(round[9], -5100.0, 1175.0);
    ExpectPoint(round[18], -5275.0, 1000.0);
    ExpectPoint(round[27], -5100.0, 825.0);

    ASSERT_EQ(org.ZZOutlinesB.size(), 1u);
    const CDblPointArray& back = *org.ZZOutlinesB[0];
    ExpectPoint(back[0], -6685.0, 500.0);
    ExpectPoint(back[2], -6435.0, 700.0);

    ASSERT_EQ(org.ZZOutlines.GetSize(), 3);
    EXPECT_EQ(org.ZZOutlines[0], org.ZZOutlinesF[0].get());
    EXPECT_EQ(org.ZZOutlines[1], org.ZZOutlinesF[1].get());
    EXPECT_EQ(org.ZZOutlines[2], org.ZZOutlinesB[0].get());
}

TEST_F(BearingChecksTest, SingleRowPierBuildsNoBackRowOutlines)
{
    SetRow(org.bQb, org.TypeZhib, {1500.0}, {kRect});
    Diagnose();
    EXPECT_TRUE(org.ZZOutlinesB.empty());
    EXPECT_EQ(org.ZZOutlines.GetSize(), 2);
}

// A bearing with no name or an unknown name gets no outline, but its spacing still carries the
// next bearing to its own place: 1000 + 2000 + 3000 from the left end, x = −8000 + 6000.
TEST_F(BearingChecksTest, EntriesWithoutOutlineStillMoveTheRowOn)
{
    for (const char* missing : {"", "GJZ999"}) {
        SCOPED_TRACE(missing);
        SetRow(org.bQf, org.TypeZhif, {1000.0, 2000.0, 3000.0}, {kRect, missing, kRect});
        Diagnose();
        ASSERT_EQ(org.ZZOutlinesF.size(), 2u);
        ExpectPoint((*org.ZZOutlinesF[1])[0], -2000.0 - 200.0, 900.0 - 150.0);
    }
}

TEST_F(BearingChecksTest, NameListLongerThanPositionsOutlinesOnlyPositionedBearings)
{
    SetRow(org.bQf, org.TypeZhif, {1000.0}, {kRect, kRect, kRound});
    Diagnose();
    EXPECT_EQ(org.ZZOutlinesF.size(), 1u);
    SetRow(org.bQf, org.TypeZhif, {1000.0, 2000.0, 3000.0}, {kRect});
    Diagnose();
    EXPECT_EQ(org.ZZOutlinesF.size(), 1u);
}

// A second diagnosis of the same input rebuilds the outlines instead of adding to them and
// reports exactly what the first did.
TEST_F(BearingChecksTest, SecondDiagnosisRepeatsTheFirst)
{
    org.CushionNumber = 2;
    org.zQf = 1000.1;
    SetRow(org.bQb, org.TypeZhib, {1000.0}, {kRound});
    Diagnose();
    const std::size_t first = Entries().size();
    ASSERT_EQ(first, 1u);
    Diagnose();
    EXPECT_EQ(Entries().size(), 2 * first);
    EXPECT_EQ(org.ZZOutlinesF.size(), 2u);
    EXPECT_EQ(org.ZZOutlinesB.size(), 1u);
    ASSERT_EQ(org.ZZOutlines.GetSize(), 3);
    EXPECT_EQ(org.ZZOutlines[2], org.ZZOutlinesB[0].get());
}

} // namespace
