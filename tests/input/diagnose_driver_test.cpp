// The pier's diagnosis as a whole: every group runs whatever the others found, the material names, the result.
#include "diagnosis_case.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::string>;

Entries materialEntries(const Diagnosis& d)
{
    return d.Errors({"盖梁混凝土", "墩柱混凝土", "支座垫石混凝土", "墩间系梁混凝土", "纵向预应力筋", "波纹管系列", "锚具系列"});
}

// A prestressed cap beam with tendon, duct and anchorage names the catalogue holds.
void prestressed(CPM001org& p)
{
    p.JGType = 1;
    p.TendonMaterial = "钢绞线1×7-15.20-1860";
    p.DuctSeries = "圆形金属波纹管";
    p.AnchorSeries = "M15";
}

TEST(Diagnosis, SoundPierPasses)
{
    auto org = SoundPier();
    const Diagnosis d(*org);
    EXPECT_EQ(d.AllErrors(), Entries{});
    EXPECT_EQ(d.ok, 1);
}

TEST(Diagnosis, SoundPrestressedPierPasses)
{
    auto org = SoundPier();
    prestressed(*org);
    const Diagnosis d(*org);
    EXPECT_EQ(materialEntries(d), Entries{});
}

TEST(Diagnosis, EveryGroupRunsAfterEarlierFailures)
{
    auto org = SoundPier();
    org->B = 299.9;          // cap dimensions
    org->bBz.RemoveAll();    // one column, still fine
    org->D = 2000.0;         // under the cap: 1000 > 900 − 100
    org->bBzl = 400.0;       // columns, and under the cap again
    org->hXl = 200.0;        // tie beams
    org->PierCapConGra = "C99";
    const Diagnosis d(*org);
    EXPECT_EQ(d.ok, 0);
    const Entries all = d.AllErrors();
    auto reported = [&](const std::string& fragment) {
        for (const std::string& e : all)
            if (e.find(fragment) != std::string::npos) return true;
        return false;
    };
    EXPECT_TRUE(reported("“盖梁截面宽度”过小"));
    EXPECT_TRUE(reported("“墩柱”纵桥向不能越出"));
    EXPECT_TRUE(reported("“左墩柱中心距梁端”过小"));
    EXPECT_TRUE(reported("“墩柱系梁截面高度”过小"));
    EXPECT_TRUE(reported("盖梁混凝土等级不存在"));
}

TEST(Diagnosis, MaterialNamesUnknownToTheCatalogueAreReportedAsTheyAre)
{
    auto org = SoundPier();
    org->PierCapConGra = "C99";
    org->PierColumnConGra = "";
    org->BedStoneTypef = 1;
    org->BedStoneConGra = "砖";
    org->TieBeamConGra = "C41";
    const Diagnosis d(*org);
    EXPECT_EQ(d.ok, 0);
    EXPECT_EQ(materialEntries(d), (Entries{"PierCapConGra: 盖梁混凝土等级不存在", "PierColumnConGra: 墩柱混凝土等级不存在",
                                          "BedStoneConGra: 支座垫石混凝土等级不存在", "SZC: 墩间系梁混凝土等级不存在"}));
    for (const ReportEntry& e : d.entries) {
        if (e.keys != "PierCapConGra") continue;
        EXPECT_EQ(e.kind, ReportEntry::Diagnose);
        EXPECT_EQ(e.label, kDiagnosisLabel);
        EXPECT_EQ(e.type, "Error");
        EXPECT_EQ(e.item, 0u);
        EXPECT_EQ(e.flag, 0);
        EXPECT_EQ(e.part, 6u);
    }
}

TEST(Diagnosis, MaterialRowsRunOnlyWhenThePartExists)
{
    auto org = SoundPier();
    // No front-row pedestals (whatever the back row has), no tie beams, ordinary reinforcement.
    org->BedStoneTypef = 0;
    org->CushionNumber = 2;
    org->BedStoneTypeb = 1;
    org->BedStoneConGra = "";
    org->fXL = 0;
    org->TieBeamConGra = "";
    org->JGType = 0;
    org->TendonMaterial = "";
    org->DuctSeries = "";
    org->AnchorSeries = "";
    const Diagnosis d(*org);
    EXPECT_EQ(materialEntries(d), Entries{});
}

TEST(Diagnosis, PrestressedCapBeamChecksTendonDuctAndAnchorage)
{
    auto org = SoundPier();
    prestressed(*org);
    org->DuctSeries = "无此系列";
    org->AnchorSeries = "OVM99";
    const Diagnosis d(*org);
    EXPECT_EQ(d.ok, 0);
    EXPECT_EQ(materialEntries(d), (Entries{"BSeriesIndex: 波纹管系列名称不存在", "MSeriesIndex: 锚具系列名称不存在"}));

    org->TendonMaterial = "钢丝";
    const Diagnosis again(*org);
    EXPECT_EQ(materialEntries(again), (Entries{"strTendonIndex: 纵向预应力筋材料类型不存在",
                                               "BSeriesIndex: 波纹管系列名称不存在", "MSeriesIndex: 锚具系列名称不存在"}));
}

TEST(Diagnosis, WarningsAloneDoNotFailIt)
{
    auto org = SoundPier();
    org->bBpl = 0.0;
    org->hXbl = 1300.0;   // the slopes give 1410
    const Diagnosis d(*org);
    EXPECT_EQ(d.Warnings().size(), 1u);
    EXPECT_EQ(d.AllErrors(), Entries{});
    EXPECT_EQ(d.ok, 1);
}

TEST(Diagnosis, SecondDiagnosisReportsNothingNew)
{
    auto org = SoundPier();
    org->bBpr = 0.0;
    org->hXbr = 1000.0;
    org->V = 51.0;
    org->TieBeamConGra = "C0";
    const Diagnosis first(*org);
    const Diagnosis second(*org);
    EXPECT_EQ(first.ok, 0);
    EXPECT_EQ(second.ok, 0);
    EXPECT_EQ(first.Warnings().size(), 1u);
    EXPECT_TRUE(second.Warnings().empty());
    EXPECT_EQ(second.AllErrors(), first.AllErrors());
}

TEST(Diagnosis, NoComponentIsNeededForThePiersOwnGroups)
{
    // Foundation kind outside 0..2 and no component: nothing of the pier's groups reaches for a
    // foundation object.
    auto org = SoundPier();
    org->BaseType = 7;
    org->BaseLayMode = 1;
    const Diagnosis d(*org);
    EXPECT_EQ(d.AllErrors(), Entries{});
}

} // namespace
