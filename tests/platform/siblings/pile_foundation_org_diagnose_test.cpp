// The pile foundation's own checks at and across their bounds, and the plan outline of a pile head.
#include "foundation_diagnose_case.h"

#include "siblings/pile_foundation_org.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Piles of 1500, 30 m long, without an enlarged head or tie beams.
CPG002org SoundPiles()
{
    CPG002org z;
    z.rZ_JICHU = 1500.0;
    z.lZ_JICHU = 30000.0;
    return z;
}

// An enlarged head of 1800 over 3000, and tie beams 1000 high, 800 wide, their tops 5000 and
// 20000 below the pile top.
void HeadAndTieBeams(CPG002org& z)
{
    z.fC_JICHU = 1;
    z.rC_JICHU = 1800.0;
    z.hC_JICHU = 3000.0;
    z.fXL_JICHU = 1;
    z.hXl_JICHU = 1000.0;
    z.bXl_JICHU = 800.0;
    SetList(z.zXl_JICHU, {5000, 20000});
}

TEST(PileFoundationDiagnose, EachValueAtAndAcrossItsBounds)
{
    const std::vector<FoundationCase<CPG002org>> cases = {
        {"sound", [](CPG002org&) {}, {}},
        {"sound with head and tie beams", HeadAndTieBeams, {}},
        {"pile of 300", [](CPG002org& z) { z.rZ_JICHU = 300; }, {}},
        {"pile below 300", [](CPG002org& z) { z.rZ_JICHU = 299.9; }, {OneKey(3, "rZ_JICHU", "“桩径”过小,不能小于300")}},
        {"pile above 10000", [](CPG002org& z) { z.rZ_JICHU = 10000.1; },
         {OneKey(3, "rZ_JICHU", "“桩径”过大,不能大于10000")}},
        {"length below 1000", [](CPG002org& z) { z.lZ_JICHU = 999.9; }, {OneKey(3, "lZ_JICHU", "“桩长”过小,不能小于1000")}},
        {"length of 200000", [](CPG002org& z) { z.lZ_JICHU = 200000; }, {}},
        {"length above 200000", [](CPG002org& z) { z.lZ_JICHU = 200000.1; },
         {OneKey(3, "lZ_JICHU", "“桩长”过大,不能大于200000")}},
        {"pile type 1", [](CPG002org& z) { z.nZType_JICHU = 1; }, {}},
        {"pile type 2", [](CPG002org& z) { z.nZType_JICHU = 2; }, {OneKey(3, "nZType_JICHU", "“桩类型”过大,不能大于1")}},
        {"pile type -1", [](CPG002org& z) { z.nZType_JICHU = -1; },
         {OneKey(3, "nZType_JICHU", "“桩类型”过小,不能小于0")}},
        {"head values unused without a head", [](CPG002org& z) {
             z.rC_JICHU = 1;
             z.hC_JICHU = 1e9;
         }, {}},
        {"head as wide as the pile", [](CPG002org& z) {
             HeadAndTieBeams(z);
             z.rC_JICHU = 1500;
         }, SeveralKeys(3, {"rC_JICHU", "rZ_JICHU"}, "“桩头加粗段桩径”应大于“桩径”")},
        {"head 100 long", [](CPG002org& z) {
             HeadAndTieBeams(z);
             z.hC_JICHU = 100;
         }, {}},
        {"head shorter than 100", [](CPG002org& z) {
             HeadAndTieBeams(z);
             z.hC_JICHU = 99.9;
         }, {OneKey(3, "hC_JICHU", "“桩头加粗段长度”过小,不能小于100")}},
        {"head as long as the pile", [](CPG002org& z) {
             HeadAndTieBeams(z);
             z.hC_JICHU = 30000;
         }, {}},
        {"head longer than the pile", [](CPG002org& z) {
             HeadAndTieBeams(z);
             z.hC_JICHU = 30000.1;
         }, SeveralKeys(3, {"hC_JICHU", "lZ_JICHU"}, "“桩头加粗段长度”应不大于“桩长”")},
        {"tie-beam values unused without tie beams", [](CPG002org& z) {
             z.hXl_JICHU = -1;
             SetList(z.zXl_JICHU, {-5});
         }, {}},
        {"tie beam too low a section", [](CPG002org& z) {
             HeadAndTieBeams(z);
             z.hXl_JICHU = 299.9;
         }, {OneKey(3, "hXl_JICHU", "“桩间系梁截面高度”过小,不能小于300")}},
        {"tie beam too high a section", [](CPG002org& z) {
             HeadAndTieBeams(z);
             z.hXl_JICHU = 10000.1;
             SetList(z.zXl_JICHU, {5000});
         }, {OneKey(3, "hXl_JICHU", "“桩间系梁截面高度”过大,不能大于10000")}},
        {"tie beam too narrow", [](CPG002org& z) {
             HeadAndTieBeams(z);
             z.bXl_JICHU = 299.9;
         }, {OneKey(3, "bXl_JICHU", "“桩间系梁截面宽度”过小,不能小于300")}},
        {"no tie-beam level", [](CPG002org& z) {
             HeadAndTieBeams(z);
             SetList(z.zXl_JICHU, {});
         }, {OneKey(3, "zXl_JICHU", "“桩间系梁个数”过小,不能小于1")}},
        {"eleven tie beams", [](CPG002org& z) {
             HeadAndTieBeams(z);
             SetList(z.zXl_JICHU, {0, 1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000});
         }, {OneKey(3, "zXl_JICHU", "“桩间系梁个数”过大,不能大于10")}},
        // Out of range, the tie beams are not looked at one by one: only the count is reported.
        {"eleven tie beams above the pile top", [](CPG002org& z) {
             HeadAndTieBeams(z);
             SetList(z.zXl_JICHU, {-5, -5, -5, -5, -5, -5, -5, -5, -5, -5, -5});
         }, {OneKey(3, "zXl_JICHU", "“桩间系梁个数”过大,不能大于10")}},
        // Tops at 0 (the pile top) and 29000 (bottom 30000, the pile tip) lie on the pile.
        {"tie beams at both pile ends", [](CPG002org& z) {
             HeadAndTieBeams(z);
             SetList(z.zXl_JICHU, {0, 29000});
         }, {}},
        {"tie beam above the pile top", [](CPG002org& z) {
             HeadAndTieBeams(z);
             SetList(z.zXl_JICHU, {-0.1, 20000});
         }, {OneKey(3, "zXl_JICHU", "第1道“桩间系梁顶面距桩顶距离”过小,不能小于0", 0)}},
        {"tie beam below the pile tip", [](CPG002org& z) {
             HeadAndTieBeams(z);
             SetList(z.zXl_JICHU, {5000, 29000.1});
         }, SeveralKeys(3, {"zXl_JICHU", "hXl_JICHU", "lZ_JICHU"}, "第2道“桩间系梁底面”不能低于“桩底”", 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CPG002org z = SoundPiles();
        c.set(z);
        FoundationEntries entries;
        const int ok = RunFoundationCheck([&] { return z.DoDiagnose(7, 90.0, "zZct"); }, entries);
        EXPECT_EQ(entries, c.expected);
        EXPECT_EQ(ok, c.expected.empty() ? 1 : 0);
    }
}

TEST(PileFoundationDiagnose, ColumnBottomElevationUnderTheCallersKey)
{
    const auto run = [](double elevation, FoundationEntries& entries) {
        CPG002org z = SoundPiles();
        return RunFoundationCheck([&] { return z.DoDiagnose(7, elevation, "zZct"); }, entries);
    };
    FoundationEntries entries;
    EXPECT_EQ(run(-1000.0, entries), 1);
    EXPECT_EQ(run(9000.0, entries), 1);
    EXPECT_EQ(run(-1000.1, entries), 0);
    EXPECT_EQ(entries, FoundationEntries{OneKey(3, "zZct", "“墩柱底面标高”过小,不能小于-1000")});
    EXPECT_EQ(run(90000.0, entries), 0);
    EXPECT_EQ(entries, FoundationEntries{OneKey(3, "zZct", "“墩柱底面标高”过大,不能大于9000")});
}

// Largest distance between a chord of the outline and the circle of radius r about the origin.
double LargestChordOffset(const CDblPointArray& outline, double r)
{
    double worst = 0.0;
    for (int i = 0; i < outline.GetSize(); ++i) {
        const CDblPoint& p = outline[i];
        const CDblPoint& q = outline[(i + 1) % outline.GetSize()];
        worst = std::max(worst, r - std::hypot((p.x + q.x) / 2, (p.y + q.y) / 2));
    }
    return worst;
}

TEST(PileFoundationDiagnose, PileHeadOutlineIsTheHeadCircleAboutTheColumnCentre)
{
    CPG002org z = SoundPiles();
    CDblPointArray outline;
    outline.Add(CDblPoint(9, 9));
    z.Get_Coordinate_ZJ(outline);
    // Radius 750: steps of 2·acos(1 − 0.01/750) = 0.010328 rad, 2π/0.010328 = 608.4 → 609 points.
    ASSERT_EQ(outline.GetSize(), 609);
    EXPECT_DOUBLE_EQ(outline[0].x, 750.0);
    EXPECT_DOUBLE_EQ(outline[0].y, 0.0);
    EXPECT_GT(outline[1].y, 0.0) << "counter-clockwise";
    for (const CDblPoint& p : outline) EXPECT_NEAR(std::hypot(p.x, p.y), 750.0, 1e-9);
    EXPECT_LE(LargestChordOffset(outline, 750.0), 0.01);
    EXPECT_GT(LargestChordOffset(outline, 750.0), 0.009) << "no more points than needed";

    z.fC_JICHU = 1;
    z.rC_JICHU = 1800.0;
    z.Get_Coordinate_ZJ(outline);
    EXPECT_DOUBLE_EQ(outline[0].x, 900.0);
    for (const CDblPoint& p : outline) EXPECT_NEAR(std::hypot(p.x, p.y), 900.0, 1e-9);

    z.rC_JICHU = 0.0;   // no head size: the outline shrinks to the centre
    z.Get_Coordinate_ZJ(outline);
    ASSERT_EQ(outline.GetSize(), 1);
    EXPECT_EQ(outline[0].x, 0.0);
    EXPECT_EQ(outline[0].y, 0.0);
}

} // namespace
