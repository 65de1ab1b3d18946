// Where the values of a project file land: project manager, road, component identity, input object.
#include "project_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

std::unique_ptr<Project> Read(const std::string& text)
{
    return ReadProjectText(text, "test.json", "");
}

TEST(ProjectFileDefaults, EmptyProjectKeepsEveryDefault)
{
    const auto p = Read("{}");
    const CPM001 fresh;
    EXPECT_EQ(p->componentId, 0U);
    EXPECT_EQ(p->label, 0);
    EXPECT_TRUE(p->name.IsEmpty());
    EXPECT_EQ(p->input.nStructureType, fresh.nStructureType);
    EXPECT_EQ(p->input.nFoundationType, fresh.nFoundationType);
    EXPECT_EQ(p->input.hHgl, 0.0);
    EXPECT_TRUE(p->input.bBz.IsEmpty());
    EXPECT_EQ(p->input.bQf.GetSize(), 0);
    EXPECT_FALSE(p->input.m_DeckLayout.has_value());
    EXPECT_FALSE(p->keyParameters.IsGiven());
    EXPECT_EQ(p->projectManager.GetTestFlag(), 0);
    EXPECT_TRUE(p->projectManager.GetKeyParamFullPath(0).IsEmpty());
    double skew = 1.0;
    EXPECT_EQ(p->road.GetRoadPierSpanAssign()->GetPierSkewAngle(0, skew), 0);
    EXPECT_TRUE(p->road.GetRoadGeneral()->GetDesignTendonMaterialName(1).IsEmpty());
}

TEST(ProjectFileDefaults, MissingKeyKeepsTheInputObjectsDefault)
{
    // The structure type is 1 (ordinarily reinforced) and the foundation selector 2 (spread
    // footing) unless the file says otherwise.
    const auto p = Read(R"({"pier": {"hHgl": 1800, "B": 2000}})");
    EXPECT_EQ(p->input.hHgl, 1800.0);
    EXPECT_EQ(p->input.B, 2000.0);
    EXPECT_EQ(p->input.nStructureType, 1);
    EXPECT_EQ(p->input.nFoundationType, 2);
    EXPECT_EQ(p->input.bBzl, 0.0);
}


TEST(ProjectFileValues, ComponentIdentityAndNameReachTheInputObject)
{
    const auto p = Read(R"({"component": {"id": 12, "label": 4, "name": "12号墩"}})");
    EXPECT_EQ(p->componentId, 12U);
    EXPECT_EQ(p->label, 4);
    EXPECT_EQ(p->name, CString("12号墩"));
    EXPECT_EQ(p->input.Name, CString("12号墩"));
    EXPECT_EQ(p->input.GetName(), CString("12号墩"));
}

TEST(ProjectFileValues, SkewAngleInDegreesIsAssignedInRadiansToTheComponentsLabel)
{
    // "component" after "road": the assignment still goes to label 7. 30° = π/6 = 0.5235987756 rad.
    const auto p = Read(R"({"road": {"name": "A匝道", "skewAngle": 30}, "component": {"label": 7}})");
    double angle = 0.0;
    EXPECT_EQ(p->road.GetRoadPierSpanAssign()->GetPierSkewAngle(7, angle), 1);
    EXPECT_NEAR(angle, 0.5235987756, 1e-10);
    EXPECT_EQ(p->road.GetRoadPierSpanAssign()->GetPierSkewAngle(0, angle), 0);
    EXPECT_EQ(p->road.GetName(), CString("A匝道"));
}

TEST(ProjectFileValues, DesignTendonMaterialIsThatOfStructureGroupOne)
{
    const auto p = Read(R"({"road": {"designTendonMaterial": "钢绞线1×7-15.20-1860"}})");
    EXPECT_EQ(p->road.GetRoadGeneral()->GetDesignTendonMaterialName(1), CString("钢绞线1×7-15.20-1860"));
    EXPECT_TRUE(p->road.GetRoadGeneral()->GetDesignTendonMaterialName(0).IsEmpty());
}

TEST(ProjectFileValues, ProjectPathsRecordAndDrawingSetting)
{
    auto p = Read(R"({"project": {
        "projectPath": "/srv/bridges/", "projectName": "G318改建", "systemPath": "/opt/suite/", "testFlag": 1,
        "record": {"projectName": "G318线改建工程", "sectionName": "第3合同段", "designer": "张工",
                   "checker": "李工", "reviewer": "王工"},
        "drawingSetting": {"textStyle": {"fontName": "仿宋", "mode": 2},
                           "layerLineType": {"layerName": "结构", "lineType": "CONTINUOUS", "setting": 1}}}})");
    CProjectManager& m = p->projectManager;
    EXPECT_EQ(m.GetProjectPath(), CString("/srv/bridges/"));
    EXPECT_EQ(m.GetProjectName(), CString("G318改建"));
    EXPECT_EQ(m.GetSystemPath(), CString("/opt/suite/"));
    EXPECT_EQ(m.GetTestFlag(), 1);
    EXPECT_EQ(m.GetProject()->m_strProjectName, CString("G318线改建工程"));
    EXPECT_EQ(m.GetProject()->m_strSectionName, CString("第3合同段"));
    EXPECT_EQ(m.GetProject()->m_strDesigner, CString("张工"));
    EXPECT_EQ(m.GetProject()->m_strChecker, CString("李工"));
    EXPECT_EQ(m.GetProject()->m_strReviewer, CString("王工"));
    textstyle style;
    m.GetDrawingSetting()->GetDrawText(style);
    EXPECT_EQ(style.fontName, CString("仿宋"));
    EXPECT_EQ(style.mode, 2);
    layerLineType layers;
    m.GetDrawingSetting()->GetDrawLayerType(layers);
    EXPECT_EQ(layers.layerName, CString("结构"));
    EXPECT_EQ(layers.lineType, CString("CONTINUOUS"));
    EXPECT_EQ(layers.setting, 1);
}

TEST(ProjectFileValues, InlineKeyParametersAreKeptAsWritten)
{
    const auto p = Read(R"({"keyParameters": {"b": [1, 2.5], "a": {"名": "x"}}})");
    EXPECT_EQ(p->keyParameters.inlineJson, R"({"b":[1,2.5],"a":{"名":"x"}})");
    EXPECT_TRUE(p->keyParameters.file.empty());
    EXPECT_TRUE(p->keyParameters.IsGiven());
}

TEST(ProjectFileValues, EachSectionFillsItsOwnPartOfTheInputObject)
{
    // The foundation inputs share key names; each section must reach its own object.
    const auto p = Read(R"({"pier": {"bBz": "2*5000", "PierCapConGra": " C40 "},
        "footing": {"DY_JICHU": 100}, "piles": {"rZ_JICHU": 1500}, "pileCap": {"DY_JICHU": 300},
        "drawing": {"rPM001T01GZ": "100"}})");
    EXPECT_EQ(p->input.bBz, CString("2*5000"));
    EXPECT_EQ(p->input.PierCapConGra, CString(" C40 "));   // texts are kept as typed
    EXPECT_EQ(p->input.m_Footing.DY_JICHU, 100.0);
    EXPECT_EQ(p->input.m_Pile.rZ_JICHU, 1500.0);
    EXPECT_EQ(p->input.m_PileCap.DY_JICHU, 300.0);
    EXPECT_EQ(p->input.rPM001T01GZ, CString("100"));
}

TEST(ProjectFileValues, LoadsWithLiveLoadSurfaceAndDeckLayout)
{
    const auto p = Read(R"({"loads": {
        "LoadOption3": 1, "m_NodeName": ["前1", "前2"], "m_NodeForce": ["720", "705.5"], "LoadList2": "2*150,200",
        "LiveLoadMode": 1, "FoundationValue2": 1.5,
        "m_LiveLoadSurface1": {"m_PartName": ["左护栏", "行车道"], "m_SpanLength": ["30000"]},
        "m_DeckLayout": {"m_DeckValue": 2.5, "m_XLoad": ["0", "3000"],
                         "m_SupportName": [["Z1", "Z2"], []], "m_ForceZhiZuo": [["300", "280"], []],
                         "m_YLong": ["0"], "m_BeamProperty": [{"nKind": 1, "dSpan": 30000, "nBeamCount": 5}]}}})");
    const CPM001& in = p->input;
    EXPECT_EQ(in.LoadOption3, 1);
    ASSERT_EQ(in.m_NodeForce.GetSize(), 2);
    EXPECT_EQ(in.m_NodeForce[1], CString("705.5"));
    EXPECT_EQ(in.m_NodeName[0], CString("前1"));
    EXPECT_EQ(in.LoadList2, CString("2*150,200"));
    EXPECT_EQ(in.LiveLoadMode, 1);
    EXPECT_EQ(in.FoundationValue2, 1.5);
    EXPECT_EQ(in.m_LiveLoadSurface1.m_PartName[1], CString("行车道"));
    EXPECT_EQ(in.m_LiveLoadSurface1.m_SpanLength[0], CString("30000"));
    EXPECT_EQ(in.m_LiveLoadSurface2.m_PartName.GetSize(), 0);
    ASSERT_TRUE(in.m_DeckLayout.has_value());
    const CCalGenDeckLayout& deck = *in.m_DeckLayout;
    EXPECT_EQ(deck.m_DeckValue, 2.5);
    ASSERT_EQ(deck.m_SupportName.GetSize(), 2);
    EXPECT_EQ(deck.m_SupportName[0][1], CString("Z2"));
    EXPECT_EQ(deck.m_SupportName[1].GetSize(), 0);
    EXPECT_EQ(deck.m_ForceZhiZuo[0][0], CString("300"));
    ASSERT_EQ(deck.m_BeamProperty.GetSize(), 1);
    EXPECT_EQ(deck.m_BeamProperty[0].nKind, 1);
    EXPECT_EQ(deck.m_BeamProperty[0].dSpan, 30000.0);
    EXPECT_EQ(deck.m_BeamProperty[0].nBeamCount, 5);
    EXPECT_EQ(deck.m_BeamProperty[0].dArea, 0.0);
}

} // namespace
