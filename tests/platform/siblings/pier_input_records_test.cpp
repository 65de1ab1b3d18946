// The input records the pier carries for its foundation and its loads: defaults and table groups.
#include "host/cpm001_input.h"
#include "host/report.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::vector<int> groupSizes(const std::vector<CArray<CStringArray*, CStringArray*>>& groups)
{
    std::vector<int> sizes;
    for (const auto& g : groups) sizes.push_back(g.GetSize());
    return sizes;
}

CStringArray texts(std::initializer_list<const char*> list)
{
    CStringArray out;
    for (const char* t : list) out.Add(t);
    return out;
}

} // namespace

TEST(FoundationInputDefaults, SelectorsAndSwitchesStartAtTheirPlainChoice)
{
    const CPG001 footing;
    const CPG002 piles;
    const CPG003 cap;
    // A missing key gives a plain-concrete footing, piles without enlarged heads or tie beams,
    // and a rectangular cap that meets the columns through a transition piece.
    EXPECT_EQ(footing.fPJ_JICHU, 0);
    EXPECT_EQ(piles.fC_JICHU, 0);
    EXPECT_EQ(piles.fXL_JICHU, 0);
    EXPECT_EQ(cap.PileCapTtype_JICHU, 0);
    EXPECT_EQ(cap.nLJ_JICHU, 0);
    EXPECT_TRUE(footing.hTj_JICHU.IsEmpty());
    EXPECT_TRUE(cap.bZj_JICHU.IsEmpty());
}

TEST(LoadInputDefaults, LiveLoadsOnTheSurfacesWithoutDeckLayout)
{
    CPM001 input;
    EXPECT_EQ(input.LiveLoadMode, 0);
    EXPECT_EQ(input.SecondSurfaceMode, 0);
    EXPECT_EQ(input.GetDeckLayout(), nullptr);
    EXPECT_EQ(input.FoundationValue2, 0.0);
    input.m_DeckLayout.emplace();
    input.m_DeckLayout->m_DeckValue = 12.5;
    ASSERT_NE(input.GetDeckLayout(), nullptr);
    EXPECT_EQ(static_cast<const CPM001&>(input).GetDeckLayout()->m_DeckValue, 12.5);
}

TEST(LiveLoadSurfaceTables, FourGroupsOfSixNineTwoAndFourDistinctTables)
{
    CCalGenLiveLoadSurface surface;
    const auto groups = surface.GetTableGroups();
    EXPECT_EQ(groupSizes(groups), (std::vector<int>{6, 9, 2, 4}));
    std::set<const CStringArray*> seen;
    for (const auto& g : groups)
        for (CStringArray* t : g) {
            ASSERT_NE(t, nullptr);
            seen.insert(t);
            // Every table is a member of this surface.
            EXPECT_GE(reinterpret_cast<const char*>(t), reinterpret_cast<const char*>(&surface));
            EXPECT_LT(reinterpret_cast<const char*>(t), reinterpret_cast<const char*>(&surface + 1));
        }
    EXPECT_EQ(seen.size(), 21u);
    EXPECT_EQ(groups[1][0], &surface.m_LaneName);
    EXPECT_EQ(groups[3][3], &surface.m_GirderBearingBack);
}

TEST(LiveLoadSurfaceTables, ClearingAGroupDropsRowsEmptyInAllItsTables)
{
    CCalGenLiveLoadSurface surface;
    surface.m_SpanLength = texts({"30000", "", "25000"});
    surface.m_SpanKind = texts({"0", "", ""});
    auto groups = surface.GetTableGroups();
    Clear_Str_Empty(groups[2]);
    EXPECT_EQ(surface.m_SpanLength.GetSize(), 2);
    EXPECT_EQ(surface.m_SpanLength[1], "25000");
    EXPECT_EQ(surface.m_SpanKind.GetSize(), 2);
}

TEST(DeckLayoutTables, ThreeGroupsThenOnePairPerLoadingPosition)
{
    CCalGenDeckLayout layout;
    layout.m_SupportName.SetSize(2);
    layout.m_ForceZhiZuo.SetSize(2);
    const auto groups = layout.GetTableGroups();
    EXPECT_EQ(groupSizes(groups), (std::vector<int>{3, 1, 2, 2, 2}));
    EXPECT_EQ(groups[0][1], &layout.m_XLoad);
    EXPECT_EQ(groups[0][2], &layout.m_YLoad);
    EXPECT_EQ(groups[1][0], &layout.m_YLong);
    EXPECT_EQ(groups[2][0], &layout.m_XRoad);
    EXPECT_EQ(groups[4][0], &layout.m_SupportName[1]);
    EXPECT_EQ(groups[4][1], &layout.m_ForceZhiZuo[1]);
}

TEST(DeckLayoutTables, APositionWithoutReactionListPairsWithANullSlot)
{
    CCalGenDeckLayout layout;
    layout.m_SupportName.SetSize(2);
    layout.m_SupportName[1] = texts({"Z1", "", "Z3"});
    layout.m_ForceZhiZuo.SetSize(1);
    auto groups = layout.GetTableGroups();
    ASSERT_EQ(groups.size(), 5u);
    EXPECT_EQ(groups[4][1], nullptr);
    // The null slot names no list: the support names alone decide which rows are empty.
    Clear_Str_Empty(groups[4]);
    EXPECT_EQ(layout.m_SupportName[1].GetSize(), 2);
}
