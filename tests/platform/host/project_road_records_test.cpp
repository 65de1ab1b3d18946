// The project and road records that components read through the project manager and the road object.
#include "host/project_manager.h"
#include "host/road_norm.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

TEST(PierAssign, GivesTheSkewAngleOfAnAssignedLabel)
{
    CRoadNorm road;
    CBridgePierAssign* assign = road.GetRoadPierSpanAssign();
    assign->SetPierSkewAngle(3, std::numbers::pi / 6);
    assign->SetPierSkewAngle(4, -0.25);

    double angle = 99.0;
    EXPECT_EQ(assign->GetPierSkewAngle(3, angle), 1);
    EXPECT_DOUBLE_EQ(angle, std::numbers::pi / 6);
    EXPECT_EQ(assign->GetPierSkewAngle(4, angle), 1);
    EXPECT_DOUBLE_EQ(angle, -0.25);
}

TEST(PierAssign, UnassignedLabelGivesNoSkewAndResultZero)
{
    CBridgePierAssign assign;
    assign.SetPierSkewAngle(3, 0.5);
    double angle = 99.0;
    EXPECT_EQ(assign.GetPierSkewAngle(5, angle), 0);
    EXPECT_EQ(angle, 0.0);
}

TEST(RoadGeneral, DesignTendonMaterialByGroup)
{
    CBridgeRoadGeneral general;
    general.SetDesignTendonMaterialName(1, "钢绞线1860");
    EXPECT_EQ(general.GetDesignTendonMaterialName(1), CString("钢绞线1860"));
    EXPECT_TRUE(general.GetDesignTendonMaterialName(0).IsEmpty());
    EXPECT_TRUE(general.GetDesignTendonMaterialName(2).IsEmpty());
    EXPECT_TRUE(general.GetDesignTendonMaterialName(-1).IsEmpty());
    general.SetDesignTendonMaterialName(-1, "ignored");
    EXPECT_TRUE(general.GetDesignTendonMaterialName(-1).IsEmpty());
}

TEST(ProjectManager, KeyParameterFilePerComponent)
{
    CProjectManager manager;
    manager.SetKeyParamFullPath(12, "/p/key12.json");
    manager.SetKeyParamFullPath(13, "/p/key13.json");
    manager.SetKeyParamFullPath(12, "/p/key12b.json");
    EXPECT_EQ(manager.GetKeyParamFullPath(12), CString("/p/key12b.json"));
    EXPECT_EQ(manager.GetKeyParamFullPath(13), CString("/p/key13.json"));
    EXPECT_TRUE(manager.GetKeyParamFullPath(14).IsEmpty());
}

} // namespace
