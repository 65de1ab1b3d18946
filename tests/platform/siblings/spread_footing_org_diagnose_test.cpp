// The spread footing's own checks at and across their bounds, its top-layer outline, and the
// overlap of separate footings.
#include "foundation_diagnose_case.h"

#include "siblings/spread_footing_org.h"

#include <gtest/gtest.h>

namespace {

// Top layer 9000 across, 3000 along, 1000 high; two steps of 750 widening 500 and 400 on each
// side across and 500 along.
CPG001org SoundFooting()
{
    CPG001org f;
    f.lKs_JICHU = 3000.0;
    f.bKs_JICHU = 9000.0;
    f.hKs_JICHU = 1000.0;
    SetList(f.hTj_JICHU, {750, 750});
    SetList(f.bTjl_JICHU, {500, 400});
    SetList(f.bTjr_JICHU, {500, 400});
    SetList(f.lTj_JICHU, {500, 500});
    return f;
}

TEST(SpreadFootingDiagnose, EachValueAtAndAcrossItsBounds)
{
    const std::vector<FoundationCase<CPG001org>> cases = {
        {"sound", [](CPG001org&) {}, {}},
        {"lKs at 500", [](CPG001org& f) { f.lKs_JICHU = 500; }, {}},
        {"lKs below 500", [](CPG001org& f) { f.lKs_JICHU = 499.9; },
         {OneKey(2, "lKs_JICHU", "“扩大基础顶层顺桥向长度”过小,不能小于500")}},
        {"lKs at 100000", [](CPG001org& f) { f.lKs_JICHU = 100000; }, {}},
        {"lKs above 100000", [](CPG001org& f) { f.lKs_JICHU = 100000.1; },
         {OneKey(2, "lKs_JICHU", "“扩大基础顶层顺桥向长度”过大,不能大于100000")}},
        {"bKs below 500", [](CPG001org& f) { f.bKs_JICHU = 499.9; },
         {OneKey(2, "bKs_JICHU", "“扩大基础顶层横桥向长度”过小,不能小于500")}},
        {"bKs above 100000", [](CPG001org& f) { f.bKs_JICHU = 100000.1; },
         {OneKey(2, "bKs_JICHU", "“扩大基础顶层横桥向长度”过大,不能大于100000")}},
        {"hKs at 200", [](CPG001org& f) { f.hKs_JICHU = 200; }, {}},
        {"hKs at 10000", [](CPG001org& f) { f.hKs_JICHU = 10000; }, {}},
        {"hKs below 200", [](CPG001org& f) { f.hKs_JICHU = 199.9; },
         {OneKey(2, "hKs_JICHU", "“扩大基础顶层高度”过小,不能小于200")}},
        {"hKs above 10000", [](CPG001org& f) { f.hKs_JICHU = 10000.1; },
         {OneKey(2, "hKs_JICHU", "“扩大基础顶层高度”过大,不能大于10000")}},
        {"no steps at all", [](CPG001org& f) {
             SetList(f.hTj_JICHU, {});
             SetList(f.bTjl_JICHU, {});
             SetList(f.bTjr_JICHU, {});
             SetList(f.lTj_JICHU, {});
         }, {}},
        {"one left widening for two steps", [](CPG001org& f) { SetList(f.bTjl_JICHU, {500}); },
         SeveralKeys(2, {"bTjl_JICHU", "hTj_JICHU"}, "“左侧台阶宽度个数”应等于“台阶个数”")},
        {"three right widenings for two steps", [](CPG001org& f) { SetList(f.bTjr_JICHU, {1, 2, 3}); },
         SeveralKeys(2, {"bTjr_JICHU", "hTj_JICHU"}, "“右侧台阶宽度个数”应等于“台阶个数”")},
        {"no widening along for two steps", [](CPG001org& f) { SetList(f.lTj_JICHU, {}); },
         SeveralKeys(2, {"lTj_JICHU", "hTj_JICHU"}, "“顺桥向台阶宽度个数”应等于“台阶个数”")},
        {"step heights at 200 and 10000", [](CPG001org& f) { SetList(f.hTj_JICHU, {200, 10000}); }, {}},
        {"second step too low, first too high", [](CPG001org& f) { SetList(f.hTj_JICHU, {10000.1, 199.9}); },
         {OneKey(2, "hTj_JICHU", "第1级“台阶高度”过大,不能大于10000", 0),
          OneKey(2, "hTj_JICHU", "第2级“台阶高度”过小,不能小于200", 1)}},
        {"widenings of 0", [](CPG001org& f) {
             SetList(f.bTjl_JICHU, {0, 0});
             SetList(f.bTjr_JICHU, {0, 0});
             SetList(f.lTj_JICHU, {0, 0});
         }, {}},
        {"negative widenings", [](CPG001org& f) {
             SetList(f.bTjl_JICHU, {500, -0.1});
             SetList(f.bTjr_JICHU, {-1, 400});
             SetList(f.lTj_JICHU, {500, -5});
         },
         {OneKey(2, "bTjl_JICHU", "第2级“左侧台阶宽度”过小,不能小于0", 1),
          OneKey(2, "bTjr_JICHU", "第1级“右侧台阶宽度”过小,不能小于0", 0),
          OneKey(2, "lTj_JICHU", "第2级“顺桥向台阶宽度”过小,不能小于0", 1)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (int flag : {0, 1}) {
            CPG001org f = SoundFooting();
            c.set(f);
            FoundationEntries entries;
            const int ok = RunFoundationCheck([&] { return f.DoDiagnose(7, flag, 0.3); }, entries);
            EXPECT_EQ(entries, c.expected);
            EXPECT_EQ(ok, c.expected.empty() ? 1 : 0);
        }
    }
}

TEST(SpreadFootingDiagnose, TopLayerOutlineAboutTheFootingOrigin)
{
    CPG001org f = SoundFooting();
    f.DY_JICHU = 400.0;   // the columns are placed by this offset, not the outline
    CDblPointArray outline;
    outline.Add(CDblPoint(1, 1));   // replaced, not appended to
    f.Get_Coordinate_KJ(outline);
    ASSERT_EQ(outline.GetSize(), 4);
    const double expected[4][2] = {{-4500, -1500}, {4500, -1500}, {4500, 1500}, {-4500, 1500}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(outline[i].x, expected[i][0]) << i;
        EXPECT_EQ(outline[i].y, expected[i][1]) << i;
    }
}

TEST(SpreadFootingDiagnose, SeparateFootingsMustStandApart)
{
    // Bottom width across: 9000 + (500 + 400) + (500 + 400) = 10800.
    const std::string message = "分离式基础时，“扩大基础平面”不能重叠";
    const auto run = [&](std::initializer_list<double> values, const char* keys, unsigned part, int& ok) {
        CPG001org f = SoundFooting();
        CArray<double, double> spacings;
        for (double v : values) spacings.Add(v);
        FoundationEntries entries;
        RunFoundationCheck([&] {
            f.Is_KJ_overlap(7, spacings, keys, ok, part);
            return ok;
        }, entries);
        return entries;
    };
    int ok = 1;
    EXPECT_EQ(run({10800.1, 20000}, "bBz", 6, ok), FoundationEntries{});
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(run({}, "bBz", 6, ok), FoundationEntries{});
    EXPECT_EQ(ok, 1);
    // The first spacing that is not greater stops the search: 10000 is not reported.
    FoundationEntries expected = {OneKey(6, "bBz", message)};
    for (const std::string& e : SeveralKeys(2, {"bKs_JICHU", "bTjl_JICHU", "bTjr_JICHU"}, message))
        expected.push_back(e);
    EXPECT_EQ(run({12000, 10800, 10000}, "bBz", 6, ok), expected);
    EXPECT_EQ(ok, 0);
    // The caller's keys and part are used as given.
    ok = 1;
    FoundationEntries several = SeveralKeys(5, {"bBz", "D"}, message);
    for (const std::string& e : SeveralKeys(2, {"bKs_JICHU", "bTjl_JICHU", "bTjr_JICHU"}, message))
        several.push_back(e);
    EXPECT_EQ(run({10000}, "bBz/D", 5, ok), several);
    EXPECT_EQ(ok, 0);
}

} // namespace
