// Cap-beam checks: ranges and relations at and across each bound, the conditional rows, the end-height
// corrections, the skew angle, the columns under the cap and the cap-bottom outline.
#include "diagnosis_case.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::string>;
using Setter = std::function<void(CPM001org&)>;

struct Case {
    const char* name;
    Setter set;
    Entries expected;
};

// The entries of the cap-dimension checks, and of the columns-under-the-cap checks.
Entries capEntries(const Diagnosis& d) { return d.Errors({"“斜交角度”", "“盖梁", "“系统推算"}); }
Entries underCapEntries(const Diagnosis& d) { return d.Errors({"“墩柱”纵桥向", "“墩柱”横桥向", "“墩柱个数”"}); }

void runCases(const std::vector<Case>& cases, Entries (*select)(const Diagnosis&))
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto org = SoundPier();
        c.set(*org);
        const Diagnosis d(*org);
        EXPECT_EQ(select(d), c.expected);
    }
}

// "message，key有错误．" for one key.
std::string one(const char* key, const std::string& message)
{
    return std::string(key) + ": " + message + "，" + key + "有错误．";
}

// One "key: message，可能key有错误．" per key.
Entries several(std::initializer_list<const char*> keys, const std::string& message)
{
    Entries out;
    for (const char* key : keys) out.push_back(std::string(key) + ": " + message + "，可能" + key + "有错误．");
    return out;
}

TEST(CapBeamChecks, SoundPierPassesBothGroups)
{
    auto org = SoundPier();
    const Diagnosis d(*org);
    EXPECT_TRUE(capEntries(d).empty());
    EXPECT_TRUE(underCapEntries(d).empty());
    EXPECT_TRUE(d.Warnings().empty());
}

TEST(CapBeamChecks, PositionAndSectionRangesIncludeTheirBounds)
{
    const char* bAgLow = "“盖梁右梁端距道路设计线”过小,不能小于-100000";
    const char* bAgHigh = "“盖梁右梁端距道路设计线”过大,不能大于100000";
    const char* lgLow = "“盖梁宽度中心距桥墩中心线”过小,不能小于-10000";
    const char* lgHigh = "“盖梁宽度中心距桥墩中心线”过大,不能大于10000";
    runCases(
        {
            // The field holds the negated input: the input's -100000 is the field's 100000.
            {"bAg input -100000", [](CPM001org& p) { p.bAg = 100000.0; }, {}},
            {"bAg input 100000", [](CPM001org& p) { p.bAg = -100000.0; }, {}},
            {"bAg input -100000.1", [](CPM001org& p) { p.bAg = 100000.1; }, {one("bAg", bAgLow)}},
            {"bAg input 100000.1", [](CPM001org& p) { p.bAg = -100000.1; }, {one("bAg", bAgHigh)}},
            {"LG -10000", [](CPM001org& p) { p.vP = -10000.0; }, {}},
            {"LG 10000", [](CPM001org& p) { p.vP = 10000.0; }, {}},
            {"LG -10000.1", [](CPM001org& p) { p.vP = -10000.1; }, {one("LG", lgLow)}},
            {"LG 10000.1", [](CPM001org& p) { p.vP = 10000.1; }, {one("LG", lgHigh)}},
            {"B 300", [](CPM001org& p) { p.B = 300.0; }, {}},
            {"B 10000", [](CPM001org& p) { p.B = 10000.0; }, {}},
            {"B 299.9", [](CPM001org& p) { p.B = 299.9; }, {one("B", "“盖梁截面宽度”过小,不能小于300")}},
            {"B 10000.1", [](CPM001org& p) { p.B = 10000.1; }, {one("B", "“盖梁截面宽度”过大,不能大于10000")}},
            {"hHgl 300", [](CPM001org& p) { p.hHgl = 300.0; }, {}},
            {"hHgl 10000", [](CPM001org& p) { p.hHgl = 10000.0; }, {}},
            {"hHgl 299.9", [](CPM001org& p) { p.hHgl = 299.9; }, {one("hHgl", "“盖梁截面高度”过小,不能小于300")}},
            {"hHgl 10000.1", [](CPM001org& p) { p.hHgl = 10000.1; }, {one("hHgl", "“盖梁截面高度”过大,不能大于10000")}},
            {"V 0", [](CPM001org& p) { p.V = 0.0; }, {}},
            {"V 50", [](CPM001org& p) { p.V = 50.0; }, {}},
            {"V -0.1", [](CPM001org& p) { p.V = -0.1; }, {one("V", "“盖梁倒角”过小,不能小于0")}},
            {"V 50.1", [](CPM001org& p) { p.V = 50.1; }, {one("V", "“盖梁倒角”过大,不能大于50")}},
        },
        capEntries);
}

TEST(CapBeamChecks, VariableHeightPartsAreCheckedOnlyWhenPresent)
{
    const char* lHaunch = "“盖梁左侧有变高段时左梁端高度”应不大于“盖梁左侧悬臂根部变坡起点处截面高度”";
    const char* rHaunch = "“盖梁右侧有变高段时右梁端高度”应不大于“盖梁右侧悬臂根部变坡起点处截面高度”";
    runCases(
        {
            {"bBpl 300", [](CPM001org& p) { p.bBpl = 300.0; }, {}},
            {"bBpl 20000", [](CPM001org& p) { p.bBpl = 20000.0; }, {}},
            {"bBpl 299.9", [](CPM001org& p) { p.bBpl = 299.9; },
             {one("bBpl", "“盖梁左侧悬臂变高段长度”过小,不能小于300")}},
            {"bBpl 20000.1", [](CPM001org& p) { p.bBpl = 20000.1; },
             {one("bBpl", "“盖梁左侧悬臂变高段长度”过大,不能大于20000")}},
            {"hXbl 300", [](CPM001org& p) { p.hXbl = 300.0; }, {}},
            {"hXbl 299.9", [](CPM001org& p) { p.hXbl = 299.9; }, {one("hXbl", "“盖梁左梁端高度”过小,不能小于300")}},
            // The end may be as high as the slopes make it (1410), not higher.
            {"hXbl 1410", [](CPM001org& p) { p.hXbl = 1410.0; }, {}},
            {"hXbl 1410.1", [](CPM001org& p) { p.hXbl = 1410.1; }, several({"hXbl", "hHgl"}, lHaunch)},
            {"bBpr 300", [](CPM001org& p) { p.bBpr = 300.0; }, {}},
            {"bBpr 20000", [](CPM001org& p) { p.bBpr = 20000.0; }, {}},
            {"bBpr 299.9", [](CPM001org& p) { p.bBpr = 299.9; },
             {one("bBpr", "“盖梁右侧悬臂变高段长度”过小,不能小于300")}},
            {"bBpr 20000.1", [](CPM001org& p) { p.bBpr = 20000.1; },
             {one("bBpr", "“盖梁右侧悬臂变高段长度”过大,不能大于20000")}},
            {"hXbr 300", [](CPM001org& p) { p.hXbr = 300.0; }, {}},
            {"hXbr 299.9", [](CPM001org& p) { p.hXbr = 299.9; }, {one("hXbr", "“盖梁右梁端高度”过小,不能小于300")}},
            {"hXbr 1410", [](CPM001org& p) { p.hXbr = 1410.0; }, {}},
            {"hXbr 1410.1", [](CPM001org& p) { p.hXbr = 1410.1; }, several({"hXbr", "hHgl"}, rHaunch)},
            // Without a variable-height part the entered end height is replaced, not judged.
            {"no left part, hXbl 100", [](CPM001org& p) { p.bBpl = 0.0; p.hXbl = 100.0; }, {}},
            {"left part within the tolerance of 0", [](CPM001org& p) { p.bBpl = 1e-7; p.hXbl = 5000.0; }, {}},
            {"no right part, hXbr 20000", [](CPM001org& p) { p.bBpr = 0.0; p.hXbr = 20000.0; }, {}},
        },
        capEntries);
}

TEST(CapBeamChecks, TwoSlopeRowsAtAndAcrossTheirBounds)
{
    runCases(
        {
            {"iLb 10 %", [](CPM001org& p) { p.iLb = 0.1; }, {}},
            {"iLb -10 %", [](CPM001org& p) { p.iLb = -0.1; }, {}},
            {"iLb 10.01 %", [](CPM001org& p) { p.iLb = 0.1001; }, {one("iLb", "“盖梁顶缘左横坡”过大,不能大于10")}},
            {"iLb -10.01 %", [](CPM001org& p) { p.iLb = -0.1001; }, {one("iLb", "“盖梁顶缘左横坡”过小,不能小于-10")}},
            {"iRb 10 %", [](CPM001org& p) { p.iRb = 0.1; }, {}},
            {"iRb -10 %", [](CPM001org& p) { p.iRb = -0.1; }, {}},
            {"iRb 10.01 %", [](CPM001org& p) { p.iRb = 0.1001; }, {one("iRb", "“盖梁顶缘右横坡”过大,不能大于10")}},
            {"iRb -10.01 %", [](CPM001org& p) { p.iRb = -0.1001; }, {one("iRb", "“盖梁顶缘右横坡”过小,不能小于-10")}},
            {"bAc 1000", [](CPM001org& p) { p.bAc = 1000.0; }, {}},
            {"bAc 999.9", [](CPM001org& p) { p.bAc = 999.9; },
             {one("bAc", "“盖梁双坡时控制截面距盖梁左端距离”过小,不能小于1000")}},
            // Cap length 19000: the control section may lie 18000 from the left end.
            {"bAc 18000", [](CPM001org& p) { p.bAc = 18000.0; }, {}},
            {"bAc 18000.1", [](CPM001org& p) { p.bAc = 18000.1; },
             {one("bAc", "“盖梁双坡时控制截面距盖梁右端距离”过小,不能小于1000")}},
        },
        capEntries);
}

TEST(CapBeamChecks, DerivedEndHeightsAreCheckedOnlyWithoutAVariableHeightPart)
{
    const char* left = "“系统推算左梁端截面高度”过小,不能小于300";
    const char* right = "“系统推算右梁端截面高度”过小,不能小于300";
    runCases(
        {
            // The entered height equals the derived one, so no correction interferes.
            {"left 300", [](CPM001org& p) { p.bBpl = 0.0; p.HeightLeftEnd = p.hXbl = 300.0; }, {}},
            {"left 299.9", [](CPM001org& p) { p.bBpl = 0.0; p.HeightLeftEnd = p.hXbl = 299.9; },
             several({"hHgl", "bAc", "iLb"}, left)},
            {"left 299.9 with a variable-height part", [](CPM001org& p) { p.HeightLeftEnd = 299.9; p.hXbl = 299.9; },
             {one("hXbl", "“盖梁左梁端高度”过小,不能小于300")}},
            {"right 300", [](CPM001org& p) { p.bBpr = 0.0; p.HeightRightEnd = p.hXbr = 300.0; }, {}},
            {"right 299.9", [](CPM001org& p) { p.bBpr = 0.0; p.HeightRightEnd = p.hXbr = 299.9; },
             several({"hHgl", "bAc", "iRb"}, right)},
        },
        capEntries);
}

TEST(CapBeamChecks, SingleSlopeEndsTheGroupAfterItsOwnRange)
{
    const char* high = "“盖梁顶缘横坡度”过大,不能大于10";
    const char* low = "“盖梁顶缘横坡度”过小,不能小于-10";
    // Every two-slope row would fail on these values; none of them may run.
    auto badTwoSlopeValues = [](CPM001org& p) {
        p.fSingleSlope = 1;
        p.iRb = 0.5;
        p.bAc = 0.0;
        p.bBpl = p.bBpr = 0.0;
        p.HeightLeftEnd = p.HeightRightEnd = 100.0;
        p.hXbl = p.hXbr = 100.0;
    };
    runCases(
        {
            {"10 %", [&](CPM001org& p) { badTwoSlopeValues(p); p.iLb = 0.1; }, {}},
            {"-10 %", [&](CPM001org& p) { badTwoSlopeValues(p); p.iLb = -0.1; }, {}},
            {"10.01 %", [&](CPM001org& p) { badTwoSlopeValues(p); p.iLb = 0.1001; }, {one("iLb", high)}},
            {"-10.01 %", [&](CPM001org& p) { badTwoSlopeValues(p); p.iLb = -0.1001; }, {one("iLb", low)}},
        },
        capEntries);
}

TEST(CapBeamChecks, SeveralViolationsAreAllReportedInRowOrder)
{
    auto org = SoundPier();
    org->B = 200.0;
    org->V = 60.0;
    org->hXbl = 250.0;
    org->bAc = 500.0;
    const Diagnosis d(*org);
    EXPECT_EQ(d.ok, 0);
    EXPECT_EQ(capEntries(d), (Entries{one("B", "“盖梁截面宽度”过小,不能小于300"), one("V", "“盖梁倒角”过大,不能大于50"),
                                      one("hXbl", "“盖梁左梁端高度”过小,不能小于300"),
                                      one("bAc", "“盖梁双坡时控制截面距盖梁左端距离”过小,不能小于1000")}));
    for (const ReportEntry& e : d.entries) {
        if (e.kind != ReportEntry::Diagnose) continue;
        EXPECT_EQ(e.label, kDiagnosisLabel);
        EXPECT_EQ(e.type, "Error");
        EXPECT_EQ(e.item, 0u);
        EXPECT_EQ(e.part, 6u);
    }
}

TEST(CapBeamChecks, SkewWhoseCosineVanishesIsReported)
{
    const std::string message = "“斜交角度”过大,其余弦不能小于0.000001";
    const double nan = std::numeric_limits<double>::quiet_NaN();
    runCases(
        {
            {"cos a = 2e-6", [](CPM001org& p) { p.a = std::acos(2e-6); }, {}},
            {"a = -60°", [](CPM001org& p) { p.a = -std::numbers::pi / 3; }, {}},
            {"cos a = 5e-7", [](CPM001org& p) { p.a = std::acos(5e-7); }, {one("a", message)}},
            {"a = 90°", [](CPM001org& p) { p.a = std::numbers::pi / 2; }, {one("a", message)}},
            {"a = -90°", [](CPM001org& p) { p.a = -std::numbers::pi / 2; }, {one("a", message)}},
            {"a not a number", [nan](CPM001org& p) { p.a = nan; }, {one("a", message)}},
        },
        capEntries);
}

TEST(EndHeightCorrection, WholeMillimetresThatAgreeLeaveTheEntryAlone)
{
    auto org = SoundPier();
    org->bBpl = 0.0;
    org->HeightLeftEnd = 300.0;
    org->hXbl = 300.4;
    // 1409.5 and 1410.4 both round to 1410.
    org->bBpr = 0.0;
    org->HeightRightEnd = 1410.4;
    org->hXbr = 1409.5;
    const Diagnosis d(*org);
    EXPECT_TRUE(d.Warnings().empty());
    EXPECT_EQ(org->hXbl, 300.4);
    EXPECT_EQ(org->hXbr, 1409.5);
}

TEST(EndHeightCorrection, DifferingEntryIsReplacedWithAWarningOnly)
{
    auto org = SoundPier();
    org->bBpl = 0.0;
    org->HeightLeftEnd = 300.0;
    org->hXbl = 301.0;
    const Diagnosis d(*org);
    EXPECT_EQ(d.Warnings(), (Entries{"“左梁端高度”输入有误,系统会自动计算!"}));
    EXPECT_EQ(org->hXbl, 300.0);
    EXPECT_TRUE(capEntries(d).empty());
    for (const ReportEntry& e : d.entries) {
        if (e.kind == ReportEntry::Warning) {
            EXPECT_EQ(e.flag, 0);
        }
    }
}

TEST(EndHeightCorrection, RightEndIsCorrectedOnItsOwn)
{
    auto org = SoundPier();
    org->bBpr = 0.0;
    org->HeightRightEnd = 1410.0;
    org->hXbr = 1409.4;   // 1409 against 1410
    const Diagnosis d(*org);
    EXPECT_EQ(d.Warnings(), (Entries{"“右梁端高度”输入有误,系统会自动计算!"}));
    EXPECT_EQ(org->hXbr, 1410.0);
    EXPECT_EQ(org->hXbl, 1200.0);   // the left part exists: its entry stays
}

TEST(EndHeightCorrection, BothEndsWarnLeftFirstAndASecondDiagnosisIsQuiet)
{
    auto org = SoundPier();
    org->bBpl = org->bBpr = 0.0;
    org->hXbl = org->hXbr = 900.0;
    const Diagnosis first(*org);
    EXPECT_EQ(first.Warnings(),
              (Entries{"“左梁端高度”输入有误,系统会自动计算!", "“右梁端高度”输入有误,系统会自动计算!"}));
    EXPECT_EQ(org->hXbl, 1410.0);
    EXPECT_EQ(org->hXbr, 1410.0);
    const Diagnosis second(*org);
    EXPECT_TRUE(second.Warnings().empty());
    EXPECT_EQ(second.AllErrors(), first.AllErrors());
}

TEST(EndHeightCorrection, HugeOrNonFiniteHeightsDoNotBreakTheRounding)
{
    auto org = SoundPier();
    org->bBpl = 0.0;
    org->hXbl = 1e300;   // far beyond any integer
    org->bBpr = 0.0;
    org->hXbr = std::numeric_limits<double>::quiet_NaN();
    const Diagnosis d(*org);
    EXPECT_EQ(d.Warnings().size(), 2u);
    EXPECT_EQ(org->hXbl, 1410.0);
    EXPECT_EQ(org->hXbr, 1410.0);
}

TEST(ColumnsUnderCap, CircularColumnsStayWithinTheCapBottom)
{
    const char* along = "“墩柱”纵桥向不能越出“盖梁梁底纵桥向宽度的边缘”";
    const char* haunch = "“墩柱”横桥向不能越出“盖梁梁底变高段起点处的边缘”";
    runCases(
        {
            // Half the cap width less the offset: 900 − 100 = 800 = D/2 for D 1600.
            {"D 1600", [](CPM001org& p) { p.D = 1600.0; }, {}},
            {"D 1600.2", [](CPM001org& p) { p.D = 1600.2; }, several({"D", "B", "LG"}, along)},
            {"LG -200", [](CPM001org& p) { p.vP = -200.0; }, {}},
            {"LG -200.1", [](CPM001org& p) { p.vP = -200.1; }, several({"D", "B", "LG"}, along)},
            // The variable-height part may start at the column face: 3000 − 2300 = 700 = D/2.
            {"bBpl 2300", [](CPM001org& p) { p.bBpl = 2300.0; }, {}},
            {"bBpl 2300.1", [](CPM001org& p) { p.bBpl = 2300.1; }, {one("bBzl", haunch)}},
            {"bBpr 2300", [](CPM001org& p) { p.bBpr = 2300.0; }, {}},
            {"bBpr 2300.1", [](CPM001org& p) { p.bBpr = 2300.1; }, {one("bBzr", haunch)}},
            // Skewed 60°: cos a · (3000 − 1600) = 700.
            {"60° bBpl 1600", [](CPM001org& p) { p.a = std::numbers::pi / 3; p.bBpl = 1600.0; }, {}},
            {"60° bBpl 1600.5", [](CPM001org& p) { p.a = std::numbers::pi / 3; p.bBpl = 1600.5; },
             {one("bBzl", haunch)}},
        },
        underCapEntries);
}

TEST(ColumnsUnderCap, RectangularColumnsStayWithinTheCapBottom)
{
    const char* along = "“墩柱”纵桥向不能越出“盖梁梁底纵桥向宽度的边缘”";
    const char* haunch = "“墩柱”横桥向不能越出“盖梁梁底变高段起点处的边缘”";
    const char* leftEdge = "“墩柱”横桥向不能越出“盖梁梁底横桥向的左边缘”";
    const char* rightEdge = "“墩柱”横桥向不能越出“盖梁梁底横桥向的右边缘”";
    auto rect = [](CPM001org& p) {
        p.ColumnSectionType = 0;
        p.bRec = 1600.0;
        p.lRec = 1200.0;
    };
    // Skew with tan a = 0.5 (sin a = 0.4472136): the left corner reaches 0.5 · (1200 − 100)/2 = 275
    // further, the right one (by the sine) 0.4472136 · 550 = 245.967.
    const double skew = std::atan(0.5);
    runCases(
        {
            {"lRec 1600", [&](CPM001org& p) { rect(p); p.lRec = 1600.0; }, {}},
            {"lRec 1600.2", [&](CPM001org& p) { rect(p); p.lRec = 1600.2; }, several({"lRec", "B", "LG"}, along)},
            // Square: 3000 − bBpl − 800 ≥ 0.
            {"bBpl 2200", [&](CPM001org& p) { rect(p); p.bBpl = 2200.0; }, {}},
            {"bBpl 2200.1", [&](CPM001org& p) { rect(p); p.bBpl = 2200.1; }, several({"bBzl", "bBzr", "bBz"}, haunch)},
            {"bBzl 799.9 no part", [&](CPM001org& p) { rect(p); p.bBpl = 0.0; p.bBzl = 799.9; },
             several({"bBzl", "bBzr", "bBz"}, leftEdge)},
            {"bBzr 799.9 no part", [&](CPM001org& p) { rect(p); p.bBpr = 0.0; p.bBzr = 799.9; },
             several({"bBzl", "bBzr", "bBz"}, rightEdge)},
            // Skewed: left limit bBpl = 3000 − 800 − 275 = 1925.
            {"skew bBpl 1924.9", [&](CPM001org& p) { rect(p); p.a = skew; p.bBpl = 1924.9; }, {}},
            {"skew bBpl 1925.1", [&](CPM001org& p) { rect(p); p.a = skew; p.bBpl = 1925.1; },
             several({"bBzl", "bBzr", "bBz"}, haunch)},
            // Right limit bBpr = 3000 − 800 − 245.967 = 1954.033: the tangent would already fail at 1925.1.
            {"skew bBpr 1954.03", [&](CPM001org& p) { rect(p); p.a = skew; p.bBpr = 1954.03; }, {}},
            {"skew bBpr 1954.04", [&](CPM001org& p) { rect(p); p.a = skew; p.bBpr = 1954.04; },
             several({"bBzl", "bBzr", "bBz"}, haunch)},
        },
        underCapEntries);
}

TEST(ColumnsUnderCap, ColumnCountRunsFromOneToTwenty)
{
    auto spacings = [](int n) {
        return [n](CPM001org& p) {
            p.bBz.RemoveAll();
            for (int i = 0; i < n; ++i) p.bBz.Add(2000.0);
        };
    };
    runCases(
        {
            {"one column", spacings(0), {}},
            {"20 columns", spacings(19), {}},
            {"21 columns", spacings(20), {one("bBz", "“墩柱个数”过大,不能大于20")}},
        },
        underCapEntries);
}

TEST(CapBottomOutline, SquarePierIsTheChamferedRectangle)
{
    auto org = SoundPier();
    org->V = 50.0;
    const Diagnosis d(*org);
    const CDblPointArray& o = org->GLBottomOutline;
    ASSERT_EQ(o.GetSize(), 4);
    // Cap length 19000; y from the section edge, the 50 chamfers cut off: 50 and 1750.
    const double expected[4][2] = {{9500, 50}, {9500, 1750}, {-9500, 1750}, {-9500, 50}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(o[i].x, expected[i][0]) << i;
        EXPECT_DOUBLE_EQ(o[i].y, expected[i][1]) << i;
    }
}

TEST(CapBottomOutline, SkewShiftsEachPointAlongTheCapAndIsRebuiltEachTime)
{
    auto org = SoundPier();
    org->V = 50.0;
    org->a = std::atan(0.5);   // tan(−a) = −0.5
    const Diagnosis first(*org);
    const Diagnosis second(*org);
    const CDblPointArray& o = org->GLBottomOutline;
    ASSERT_EQ(o.GetSize(), 4);
    // x ± 9500 shifted by −0.5 · y: y 50 → −25, y 1750 → −875.
    const double expected[4][2] = {{9475, 50}, {8625, 1750}, {-10375, 1750}, {-9525, 50}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(o[i].x, expected[i][0], 1e-9) << i;
        EXPECT_DOUBLE_EQ(o[i].y, expected[i][1]) << i;
    }
}

} // namespace
