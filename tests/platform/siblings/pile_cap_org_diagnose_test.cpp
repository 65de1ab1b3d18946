// The pile cap's own checks at and across their bounds, and its plan outline for each body.
#include "foundation_diagnose_case.h"

#include "geometry/polygon_relations.h"
#include "siblings/pile_cap_org.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// A rectangular cap 16000 across, 3000 along, 2000 thick, on piles of 1200 and 30 m: five piles
// 3000 apart across (outer faces 12000 + 1200 = 13200 wide), two rows 1500 apart along (2700).
CPG003org SoundCap()
{
    CPG003org c;
    c.lT_JICHU = 3000.0;
    c.bT_JICHU = 16000.0;
    c.hT_JICHU = 2000.0;
    c.rZ_JICHU = 1200.0;
    c.lZ_JICHU = 30000.0;
    SetList(c.bZj_JICHU, {3000, 3000, 3000, 3000});
    SetList(c.lZj_JICHU, {1500});
    return c;
}

void RoundEnded(CPG003org& c, double radius)
{
    c.PileCapTtype_JICHU = 1;
    c.bYz_JICHU = radius;
}

TEST(PileCapDiagnose, EachValueAtAndAcrossItsBounds)
{
    const std::vector<FoundationCase<CPG003org>> cases = {
        {"sound", [](CPG003org&) {}, {}},
        {"third body", [](CPG003org& c) { c.PileCapTtype_JICHU = 2; }, {}},
        {"unknown body", [](CPG003org& c) { c.PileCapTtype_JICHU = 3; },
         {OneKey(4, "PileCapTtype_JICHU", "“承台类型”过大,不能大于2")}},
        {"negative body", [](CPG003org& c) { c.PileCapTtype_JICHU = -1; },
         {OneKey(4, "PileCapTtype_JICHU", "“承台类型”过小,不能小于0")}},
        {"joint 1", [](CPG003org& c) { c.nLJ_JICHU = 1; }, {}},
        {"joint 2", [](CPG003org& c) { c.nLJ_JICHU = 2; },
         {OneKey(4, "nLJ_JICHU", "“墩柱与承台连接方式”过大,不能大于1")}},
        {"length along below 500", [](CPG003org& c) {
             c.lT_JICHU = 499.9;
             SetList(c.lZj_JICHU, {});
             c.rZ_JICHU = 300;
         }, {OneKey(4, "lT_JICHU", "“承台顺桥向长度”过小,不能小于500")}},
        {"length across above 100000", [](CPG003org& c) { c.bT_JICHU = 100000.1; },
         {OneKey(4, "bT_JICHU", "“承台横桥向长度”过大,不能大于100000")}},
        {"thickness of 300 and 10000", [](CPG003org& c) { c.hT_JICHU = 300; }, {}},
        {"thickness below 300", [](CPG003org& c) { c.hT_JICHU = 299.9; },
         {OneKey(4, "hT_JICHU", "“承台厚度”过小,不能小于300")}},
        {"thickness above 10000", [](CPG003org& c) { c.hT_JICHU = 10000.1; },
         {OneKey(4, "hT_JICHU", "“承台厚度”过大,不能大于10000")}},
        {"pile below 300", [](CPG003org& c) { c.rZ_JICHU = 299.9; }, {OneKey(4, "rZ_JICHU", "“桩径”过小,不能小于300")}},
        {"pile length above 200000", [](CPG003org& c) { c.lZ_JICHU = 200000.1; },
         {OneKey(4, "lZ_JICHU", "“桩长”过大,不能大于200000")}},
        // Round ends of radius 1500 on a cap 3000 along are half circles: each rises 1500.
        {"half-circle ends", [](CPG003org& c) { RoundEnded(c, 1500); }, {}},
        {"end radius below half the width", [](CPG003org& c) { RoundEnded(c, 1499.9); },
         SeveralKeys(4, {"bYz_JICHU", "lT_JICHU"}, "“圆端形承台端部圆弧半径”应不小于“1/2承台顺桥向长度”")},
        {"end radius unused for a rectangular cap", [](CPG003org& c) { c.bYz_JICHU = 10; }, {}},
        // Radius 2500 over a width of 3000: each end rises 2500 − sqrt(2500² − 1500²) = 500, both
        // together 1000; the piles are reduced to fit a cap 1000 long.
        {"flat ends just fitting the length", [](CPG003org& c) {
             RoundEnded(c, 2500);
             c.bT_JICHU = 1000;
             c.rZ_JICHU = 300;
             SetList(c.bZj_JICHU, {});
         }, {}},
        {"flat ends longer than the cap", [](CPG003org& c) {
             RoundEnded(c, 2500);
             c.bT_JICHU = 999.9;
             c.rZ_JICHU = 300;
             SetList(c.bZj_JICHU, {});
         }, SeveralKeys(4, {"bYz_JICHU", "bT_JICHU"}, "“圆端形承台两端圆弧”不能超出“承台横桥向长度”")},
        // The first spacing not greater than the pile stops the search.
        {"piles touching across", [](CPG003org& c) { SetList(c.bZj_JICHU, {3000, 1200, 1100}); },
         SeveralKeys(4, {"bZj_JICHU", "rZ_JICHU"}, "“横桥向桩间距”应大于“桩径”")},
        {"piles too close along", [](CPG003org& c) { SetList(c.lZj_JICHU, {1199}); },
         SeveralKeys(4, {"lZj_JICHU", "rZ_JICHU"}, "“顺桥向桩间距”应大于“桩径”")},
        {"pile group as wide as the cap", [](CPG003org& c) { SetList(c.bZj_JICHU, {3700, 3700, 3700, 3700}); }, {}},
        {"pile group wider than the cap", [](CPG003org& c) { SetList(c.bZj_JICHU, {3700, 3700, 3700, 3700.1}); },
         SeveralKeys(4, {"bZj_JICHU", "rZ_JICHU", "bT_JICHU"}, "“横桥向桩群外缘宽度”不能大于“承台横桥向长度”")},
        {"pile group as long as the cap", [](CPG003org& c) { SetList(c.lZj_JICHU, {1800}); }, {}},
        {"pile group longer than the cap", [](CPG003org& c) { SetList(c.lZj_JICHU, {1800.1}); },
         SeveralKeys(4, {"lZj_JICHU", "rZ_JICHU", "lT_JICHU"}, "“顺桥向桩群外缘宽度”不能大于“承台顺桥向长度”")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (int flag : {0, 1}) {
            CPG003org cap = SoundCap();
            c.set(cap);
            CArray<double, double> spacings;
            spacings.Add(500.0);   // the column layout is the pier's to check
            FoundationEntries entries;
            const int ok = RunFoundationCheck([&] { return cap.DoDiagnose(7, flag, 90.0, "zZct", spacings); }, entries);
            EXPECT_EQ(entries, c.expected);
            EXPECT_EQ(ok, c.expected.empty() ? 1 : 0);
        }
    }
}

TEST(PileCapDiagnose, ColumnBottomElevationUnderTheCallersKey)
{
    CPG003org cap = SoundCap();
    CArray<double, double> spacings;
    FoundationEntries entries;
    EXPECT_EQ(RunFoundationCheck([&] { return cap.DoDiagnose(7, 0, 9000.1, "zZct", spacings); }, entries), 0);
    EXPECT_EQ(entries, FoundationEntries{OneKey(4, "zZct", "“墩柱底面标高”过大,不能大于9000")});
}

TEST(PileCapDiagnose, RectangularOutlineAboutTheCapOrigin)
{
    for (int body : {0, 2}) {
        CPG003org cap = SoundCap();
        cap.PileCapTtype_JICHU = body;
        cap.DY_JICHU = -300.0;   // the columns are placed by this offset, not the outline
        CDblPointArray outline;
        outline.Add(CDblPoint(1, 1));
        cap.Get_Coordinate_CT(outline);
        ASSERT_EQ(outline.GetSize(), 4);
        const double expected[4][2] = {{-8000, -1500}, {8000, -1500}, {8000, 1500}, {-8000, 1500}};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(outline[i].x, expected[i][0]) << i;
            EXPECT_EQ(outline[i].y, expected[i][1]) << i;
        }
    }
}

TEST(PileCapDiagnose, RoundEndedOutlineWithHalfCircleEnds)
{
    CPG003org cap = SoundCap();
    RoundEnded(cap, 1500);
    CDblPointArray outline;
    cap.Get_Coordinate_CT(outline);
    // Right half circle about (6500, 0) from (6500, −1500) to (6500, 1500), then the left one
    // about (−6500, 0) from (−6500, 1500) to (−6500, −1500).
    ASSERT_GE(outline.GetSize(), 6);
    EXPECT_NEAR(outline[0].x, 6500.0, 1e-9);
    EXPECT_NEAR(outline[0].y, -1500.0, 1e-9);
    const int n = outline.GetSize();
    int rightEnd = -1;
    for (int i = 0; i < n; ++i) {
        const CDblPoint& p = outline[i];
        if (p.x > 0) {
            EXPECT_NEAR(std::hypot(p.x - 6500, p.y), 1500.0, 1e-9) << i;
            rightEnd = i;
        } else {
            EXPECT_NEAR(std::hypot(p.x + 6500, p.y), 1500.0, 1e-9) << i;
        }
    }
    EXPECT_NEAR(outline[rightEnd].y, 1500.0, 1e-9);
    EXPECT_NEAR(outline[rightEnd + 1].x, -6500.0, 1e-9);
    EXPECT_NEAR(outline[rightEnd + 1].y, 1500.0, 1e-9);
    EXPECT_NEAR(outline[n - 1].x, -6500.0, 1e-9);
    EXPECT_NEAR(outline[n - 1].y, -1500.0, 1e-9);
    double right = 0.0;
    for (const CDblPoint& p : outline) right = std::max(right, p.x);
    EXPECT_NEAR(right, 8000.0, 0.01);
    // 13000 x 3000 and a whole circle of radius 1500: 39 000 000 + π·1500² = 46 068 583.5; the
    // chords cut off no more than 0.01 deep along the arcs' 9425 of length.
    EXPECT_NEAR(PolygonArea(outline), 46068583.5, 100.0);
}

TEST(PileCapDiagnose, RoundEndedOutlineWithFlatEnds)
{
    // Radius 2500 over a width of 3000: the arc about (5500, 0) meets the straight sides at
    // (7500, ±1500) and rises to (8000, 0).
    CPG003org cap = SoundCap();
    RoundEnded(cap, 2500);
    CDblPointArray outline;
    cap.Get_Coordinate_CT(outline);
    EXPECT_NEAR(outline[0].x, 7500.0, 1e-9);
    EXPECT_NEAR(outline[0].y, -1500.0, 1e-9);
    double right = 0.0, left = 0.0;
    for (const CDblPoint& p : outline) {
        right = std::max(right, p.x);
        left = std::min(left, p.x);
        if (p.x > 0) {
            EXPECT_NEAR(std::hypot(p.x - 5500, p.y), 2500.0, 1e-9);
        }
    }
    EXPECT_NEAR(right, 8000.0, 0.01);
    EXPECT_NEAR(left, -8000.0, 0.01);
}

TEST(PileCapDiagnose, RoundEndsThatCannotCloseTheCapLeaveTheRectangle)
{
    for (double radius : {1499.0, 0.0, -5.0}) {
        CPG003org cap = SoundCap();
        RoundEnded(cap, radius);
        CDblPointArray outline;
        cap.Get_Coordinate_CT(outline);
        EXPECT_EQ(outline.GetSize(), 4) << radius;
    }
    // Half-circle ends on a cap shorter across than the two ends together.
    CPG003org cap = SoundCap();
    RoundEnded(cap, 1500);
    cap.bT_JICHU = 2999.0;
    CDblPointArray outline;
    cap.Get_Coordinate_CT(outline);
    EXPECT_EQ(outline.GetSize(), 4);
}

} // namespace
