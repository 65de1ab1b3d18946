// The drawing libraries as the component uses them: drawing output, alignment and adjustment.
#include "drawing/align_setting.h"
#include "drawing/draw_adjust.h"
#include "drawing/draw_out.h"
#include "host/component_norm.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(DrawingLibraries, DrawOutKeepsTheComponentAndRefusesNone)
{
    ClearDrawOutHandOff();
    CComponentNorm component;
    EXPECT_EQ(KVDrawOut_DrawComponent(nullptr, 0), 0);
    EXPECT_FALSE(LastDrawOutHandOff().has_value());
    EXPECT_EQ(KVDrawOut_DrawComponent(&component, 2), 1);
    ASSERT_TRUE(LastDrawOutHandOff().has_value());
    EXPECT_EQ(LastDrawOutHandOff()->component, &component);
    EXPECT_EQ(LastDrawOutHandOff()->mode, 2);
}

TEST(DrawingLibraries, GraphRequestAppendsOneElementPerComponent)
{
    CComponentNorm component;
    component.SetID(12);
    std::vector<CGraphColl*> graphs;
    EXPECT_EQ(KVDrawOut_GetComponentGraph(nullptr, graphs, 1, 0), 0);
    EXPECT_TRUE(graphs.empty());
    EXPECT_EQ(KVDrawOut_GetComponentGraph(&component, graphs, 1, 0), 1);
    ASSERT_EQ(graphs.size(), 1u);
    std::unique_ptr<CGraphColl> graph(graphs[0]);
    EXPECT_EQ(graph->nComponentID, 12u);
    EXPECT_EQ(graph->nMode, 1);
}

TEST(DrawingLibraries, AlignmentAndAdjustmentKeepWhatTheyAreHanded)
{
    ClearAlignHandOffs();
    ClearAdjustDrawCompInfo();
    CComponentNorm component;
    auto* align = reinterpret_cast<CAlignDataPM001*>(&component);   // only its address is kept
    SetKVAlignData(align, nullptr, nullptr);
    EXPECT_FALSE(LastAlignHandOff().has_value());
    SetKVAlignData(align, &component, nullptr);
    ASSERT_TRUE(LastAlignHandOff().has_value());
    EXPECT_EQ(LastAlignHandOff()->align, align);

    CDrawingSetting setting;
    setting.m_nBaseType = 3;
    SetDrawSet(&setting);
    ASSERT_TRUE(LastDrawingSetting().has_value());
    EXPECT_EQ(LastDrawingSetting()->m_nBaseType, 3);

    CAdjustDrawCompInfo info;
    info.pComponent = &component;
    g_pGetComponentGraphFunc = nullptr;
    EXPECT_EQ(AdjustDrawComponent(info), 0);   // the tool cannot fetch graphs
    g_pGetComponentGraphFunc = &KVDrawOut_GetComponentGraph;
    EXPECT_EQ(AdjustDrawComponent(CAdjustDrawCompInfo{}), 0);
    EXPECT_FALSE(LastAdjustDrawCompInfo().has_value());
    EXPECT_EQ(AdjustDrawComponent(info), 1);
    EXPECT_EQ(LastAdjustDrawCompInfo()->pComponent, &component);
    g_pGetComponentGraphFunc = nullptr;
}

}  // namespace
