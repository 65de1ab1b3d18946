// Column and tie-beam checks at and across each bound, the rows that run only for one column shape or
// chamfer mode, the per-column items, and the tie-beam overlap search.
#include "diagnosis_case.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::string>;

struct Case {
    const char* name;
    std::function<void(CPM001org&)> set;
    Entries expected;
};

Entries columnEntries(const Diagnosis& d)
{
    return d.Errors({"“墩柱直径”", "“墩柱截面", "“左墩柱中心距梁端”", "“右墩柱中心距梁端”"}, {"根墩柱"});
}
Entries tieBeamEntries(const Diagnosis& d) { return d.Errors({"“墩柱系梁"}); }

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

std::string one(const char* key, const std::string& message)
{
    return std::string(key) + ": " + message + "，" + key + "有错误．";
}

Entries several(std::initializer_list<const char*> keys, const std::string& message)
{
    Entries out;
    for (const char* key : keys) out.push_back(std::string(key) + ": " + message + "，可能" + key + "有错误．");
    return out;
}

Entries join(std::initializer_list<Entries> parts)
{
    Entries out;
    for (const Entries& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// Rectangular columns 1600 across and 1200 along, with the given corner mode.
void rectangular(CPM001org& p, int fillet)
{
    p.ColumnSectionType = 0;
    p.bRec = 1600.0;
    p.lRec = 1200.0;
    p.FilletMode = fillet;
}

void spacings(CPM001org& p, std::initializer_list<double> values)
{
    p.bBz.RemoveAll();
    for (double v : values) p.bBz.Add(v);
    p.ColumnHeights.RemoveAll();
    p.ColumnTopLevels.RemoveAll();
    for (std::size_t i = 0; i <= values.size(); ++i) {
        p.ColumnHeights.Add(8400.0);
        p.ColumnTopLevels.Add(98.4);
    }
}

TEST(ColumnChecks, SoundPierPassesBothGroups)
{
    auto org = SoundPier();
    const Diagnosis d(*org);
    EXPECT_TRUE(columnEntries(d).empty());
    EXPECT_TRUE(tieBeamEntries(d).empty());
}

TEST(ColumnChecks, CircularDiameterAndSpacings)
{
    const char* spacing12 = "“第1根墩柱与第2根墩柱横桥向间距”应大于“墩柱直径”";
    const char* spacing23 = "“第2根墩柱与第3根墩柱横桥向间距”应大于“墩柱直径”";
    runCases(
        {
            {"D 400", [](CPM001org& p) { p.D = 400.0; }, {}},
            {"D 399.9", [](CPM001org& p) { p.D = 399.9; }, {one("D", "“墩柱直径”过小,不能小于400")}},
            {"D 10000 with wide spacings", [](CPM001org& p) { p.D = 10000.0; spacings(p, {10000.1}); }, {}},
            {"D 10000.1", [](CPM001org& p) { p.D = 10000.1; spacings(p, {20000.0}); },
             {one("D", "“墩柱直径”过大,不能大于10000")}},
            // Two columns of 1200 at 1200 touch: reported once, naming columns 1 and 2.
            {"spacing equal to D", [](CPM001org& p) { p.D = 1200.0; spacings(p, {1200.0}); },
             several({"bBz", "D"}, spacing12)},
            {"spacing a hair above D counts as equal but passes",
             [](CPM001org& p) { p.D = 1200.0; spacings(p, {1200.0 + 5e-7}); }, {}},
            {"spacing below D", [](CPM001org& p) { p.D = 1200.0; spacings(p, {1199.0}); },
             several({"bBz", "D"}, spacing12)},
            // The last spacing is checked like the others.
            {"last spacing", [](CPM001org& p) { spacings(p, {6500.0, 1400.0}); }, several({"bBz", "D"}, spacing23)},
            {"every spacing", [](CPM001org& p) { spacings(p, {1000.0, 1000.0}); },
             join({several({"bBz", "D"}, spacing12), several({"bBz", "D"}, spacing23)})},
            // Rectangular rows do not run for circular columns.
            {"rectangular values ignored", [](CPM001org& p) { p.bRec = 0.0; p.lRec = 0.0; p.FilletMode = 1; }, {}},
        },
        columnEntries);
}

TEST(ColumnChecks, RectangularSectionAndChamfers)
{
    const char* xThird = "“墩柱截面直线倒角横桥向尺寸”应不大于“1/3墩柱截面横桥向宽度”";
    const char* yThird = "“墩柱截面直线倒角顺桥向尺寸”应不大于“1/3墩柱截面顺桥向宽度”";
    runCases(
        {
            {"bRec 500", [](CPM001org& p) { rectangular(p, 0); p.bRec = 500.0; }, {}},
            {"bRec 499.9", [](CPM001org& p) { rectangular(p, 0); p.bRec = 499.9; },
             {one("bRec", "“墩柱截面横桥向宽度”过小,不能小于500")}},
            {"lRec 500", [](CPM001org& p) { rectangular(p, 0); p.lRec = 500.0; }, {}},
            {"lRec 499.9", [](CPM001org& p) { rectangular(p, 0); p.lRec = 499.9; },
             {one("lRec", "“墩柱截面顺桥向宽度”过小,不能小于500")}},
            {"chamfers 10", [](CPM001org& p) { rectangular(p, 1); p.X = p.Y = 10.0; }, {}},
            {"chamfer X 9.9", [](CPM001org& p) { rectangular(p, 1); p.X = 9.9; p.Y = 10.0; },
             {one("X", "“墩柱截面直线倒角横桥向尺寸”过小,不能小于10")}},
            {"chamfer Y 9.9", [](CPM001org& p) { rectangular(p, 1); p.X = 10.0; p.Y = 9.9; },
             {one("Y", "“墩柱截面直线倒角顺桥向尺寸”过小,不能小于10")}},
            // A third of 1500 is 500, of 1200 is 400.
            {"chamfers a third",
             [](CPM001org& p) { rectangular(p, 1); p.bRec = 1500.0; p.X = 500.0; p.Y = 400.0; }, {}},
            {"chamfers beyond a third",
             [](CPM001org& p) { rectangular(p, 1); p.bRec = 1500.0; p.X = 500.1; p.Y = 400.1; },
             join({several({"X", "bRec"}, xThird), several({"Y", "lRec"}, yThird)})},
            {"arc radius 10", [](CPM001org& p) { rectangular(p, 2); p.R = 10.0; }, {}},
            {"arc radius 150", [](CPM001org& p) { rectangular(p, 2); p.R = 150.0; }, {}},
            {"arc radius 9.9", [](CPM001org& p) { rectangular(p, 2); p.R = 9.9; },
             {one("R", "“墩柱截面圆弧倒角半径”过小,不能小于10")}},
            {"arc radius 150.1", [](CPM001org& p) { rectangular(p, 2); p.R = 150.1; },
             {one("R", "“墩柱截面圆弧倒角半径”过大,不能大于150")}},
            // Each chamfer mode checks only its own sizes.
            {"no chamfer ignores X, Y, R", [](CPM001org& p) { rectangular(p, 0); p.X = p.Y = 0.0; p.R = 0.0; }, {}},
            {"straight chamfer ignores R", [](CPM001org& p) { rectangular(p, 1); p.X = p.Y = 50.0; p.R = 0.0; }, {}},
            {"arc chamfer ignores X, Y", [](CPM001org& p) { rectangular(p, 2); p.R = 50.0; p.X = p.Y = 0.0; }, {}},
            {"circular diameter ignored", [](CPM001org& p) { rectangular(p, 0); p.D = 0.0; }, {}},
            {"spacing equal to bRec", [](CPM001org& p) { rectangular(p, 0); spacings(p, {1600.0}); },
             several({"bBz", "bRec"}, "“第1根墩柱与第2根墩柱横桥向间距”应大于“墩柱截面横桥向尺寸”")},
        },
        columnEntries);
}

TEST(ColumnChecks, HeightsAndEndDistances)
{
    runCases(
        {
            {"heights 200 and 100000",
             [](CPM001org& p) { p.ColumnHeights[0] = 200.0; p.ColumnHeights[2] = 100000.0; }, {}},
            {"bBzl 500, bBzr 20000", [](CPM001org& p) { p.bBzl = 500.0; p.bBzr = 20000.0; }, {}},
            {"bBzl 499.9", [](CPM001org& p) { p.bBzl = 499.9; }, {one("bBzl", "“左墩柱中心距梁端”过小,不能小于500")}},
            {"bBzl 20000.1", [](CPM001org& p) { p.bBzl = 20000.1; },
             {one("bBzl", "“左墩柱中心距梁端”过大,不能大于20000")}},
            {"bBzr 499.9", [](CPM001org& p) { p.bBzr = 499.9; }, {one("bBzr", "“右墩柱中心距梁端”过小,不能小于500")}},
            {"bBzr 20000.1", [](CPM001org& p) { p.bBzr = 20000.1; },
             {one("bBzr", "“右墩柱中心距梁端”过大,不能大于20000")}},
        },
        columnEntries);
}

TEST(ColumnChecks, EachColumnHeightIsReportedWithItsPosition)
{
    auto org = SoundPier();
    org->ColumnHeights[0] = 150.0;
    org->ColumnHeights[1] = 300.0;
    org->ColumnHeights[2] = 120000.0;
    const Diagnosis d(*org);
    EXPECT_EQ(columnEntries(d), join({several({"zGl", "zZct"}, "“第1根墩柱高度”过小,不能小于200"),
                                      several({"zGl", "zZct"}, "“第3根墩柱高度”过大,不能大于100000")}));
    std::vector<unsigned long> items;
    for (const ReportEntry& e : d.entries)
        if (e.message.str().find("根墩柱高度") != std::string::npos) items.push_back(e.item);
    EXPECT_EQ(items, (std::vector<unsigned long>{0, 0, 2, 2}));
}

TEST(TieBeamChecks, NothingIsCheckedWithoutTieBeams)
{
    auto org = SoundPier();
    org->fXL = 0;
    org->hXl = 0.0;
    org->bXl = 99999.0;
    org->zXl.RemoveAll();
    org->TieBeamConGra = "";
    const Diagnosis d(*org);
    EXPECT_TRUE(tieBeamEntries(d).empty());
}

TEST(TieBeamChecks, SectionAgainstItsBoundsAndTheColumnFace)
{
    const char* face = "“墩柱系梁截面宽度”应不大于“墩柱截面顺桥向直线段宽度”";
    runCases(
        {
            {"hXl 300", [](CPM001org& p) { p.hXl = 300.0; }, {}},
            {"hXl 10000 with room", [](CPM001org& p) { p.hXl = 10000.0; p.zXl[0] = 98.0; p.zZct = 80.0; }, {}},
            {"hXl 299.9", [](CPM001org& p) { p.hXl = 299.9; }, {one("hXl", "“墩柱系梁截面高度”过小,不能小于300")}},
            {"hXl 10000.1", [](CPM001org& p) { p.hXl = 10000.1; p.zXl[0] = 98.0; p.zZct = 80.0; },
             {one("hXl", "“墩柱系梁截面高度”过大,不能大于10000")}},
            {"bXl 300", [](CPM001org& p) { p.bXl = 300.0; }, {}},
            {"bXl 299.9", [](CPM001org& p) { p.bXl = 299.9; }, {one("bXl", "“墩柱系梁截面宽度”过小,不能小于300")}},
            {"bXl = D", [](CPM001org& p) { p.bXl = 1400.0; }, {}},
            {"bXl above D", [](CPM001org& p) { p.bXl = 1400.1; },
             several({"bXl", "D"}, "“墩柱系梁截面宽度”应不大于“墩柱截面直径”")},
            // Flat face along the bridge: 1200, less two straight chamfers of 100, or two arcs of 150.
            {"no chamfer 1200", [](CPM001org& p) { rectangular(p, 0); p.bXl = 1200.0; }, {}},
            {"no chamfer 1200.1", [](CPM001org& p) { rectangular(p, 0); p.bXl = 1200.1; },
             several({"bXl", "lRec"}, face)},
            {"straight 1000", [](CPM001org& p) { rectangular(p, 1); p.X = p.Y = 100.0; p.bXl = 1000.0; }, {}},
            {"straight 1000.1", [](CPM001org& p) { rectangular(p, 1); p.X = p.Y = 100.0; p.bXl = 1000.1; },
             several({"bXl", "lRec", "Y"}, face)},
            {"arc 900", [](CPM001org& p) { rectangular(p, 2); p.R = 150.0; p.bXl = 900.0; }, {}},
            {"arc 900.1", [](CPM001org& p) { rectangular(p, 2); p.R = 150.0; p.bXl = 900.1; },
             several({"bXl", "lRec", "R"}, face)},
        },
        tieBeamEntries);
}

TEST(TieBeamChecks, LevelsCountAndOverlap)
{
    const char* overlap = "“墩柱系梁竖向”不能重叠";
    auto levels = [](std::initializer_list<double> tops) {
        return [tops](CPM001org& p) {
            p.zXl.RemoveAll();
            for (double t : tops) p.zXl.Add(t);
        };
    };
    runCases(
        {
            // Tops 97.0 and 96.0 with beams 1000 high: 1000 apart is not more than 1000.
            {"touching beams", levels({97.0, 96.0}), several({"zXl", "hXl"}, overlap)},
            {"apart beams", levels({97.0, 95.9}), {}},
            // Both pairs overlap: only the first is reported.
            {"two overlaps", levels({97.0, 96.5, 96.0}), several({"zXl", "hXl"}, overlap)},
            // The first pair is clear (1100), the second is not (900).
            {"second pair", levels({97.0, 95.9, 95.0}), several({"zXl", "hXl"}, overlap)},
            {"no tie beam", levels({}), {one("zXl", "“墩柱系梁个数”过小,不能小于1")}},
            {"ten tie beams", levels({98.0, 96.8, 95.6, 94.4, 93.2, 92.0, 90.8, 89.6, 88.4, 87.2}),
             // The lowest beam's bottom, 86.2, lies below the column bottoms at 90.0.
             several({"zXl", "zZct", "hXl"}, "“墩柱系梁底面”不能越过“墩柱底面”")},
            {"eleven tie beams", levels({98.0, 96.8, 95.6, 94.4, 93.2, 92.0, 90.8, 89.6, 88.4, 87.2, 86.0}),
             join({{one("zXl", "“墩柱系梁个数”过大,不能大于10")},
                   several({"zXl", "zZct", "hXl"}, "“墩柱系梁底面”不能越过“墩柱底面”")})},
            // The top beam may reach the lowest column top, 98.0 here.
            {"top at the lowest column top", [](CPM001org& p) { p.ColumnTopLevels[1] = 98.0; p.zXl[0] = 98.0; }, {}},
            {"top above the lowest column top", [](CPM001org& p) { p.ColumnTopLevels[1] = 98.0; p.zXl[0] = 98.1; },
             {one("zXl", "“墩柱系梁顶面”不能越过“墩柱顶面”")}},
            // Bottom of a beam 1000 high with its top at 91.0 lies on the column bottoms.
            {"bottom on the column bottoms", levels({91.0}), {}},
            {"bottom below the column bottoms", levels({90.9}),
             several({"zXl", "zZct", "hXl"}, "“墩柱系梁底面”不能越过“墩柱底面”")},
            // Without column tops the top beam has nothing to be held against.
            {"no column tops", [](CPM001org& p) { p.ColumnTopLevels.RemoveAll(); p.zXl[0] = 1000.0; }, {}},
        },
        tieBeamEntries);
}

TEST(ColumnChecks, SecondDiagnosisReportsTheSame)
{
    auto org = SoundPier();
    org->D = 300.0;
    org->zXl.Add(94.5);
    const Diagnosis first(*org);
    const Diagnosis second(*org);
    EXPECT_FALSE(columnEntries(first).empty());
    EXPECT_FALSE(tieBeamEntries(first).empty());
    EXPECT_EQ(second.AllErrors(), first.AllErrors());
    EXPECT_EQ(second.ok, 0);
}

} // namespace
