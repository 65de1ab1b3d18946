// InitialUpdate: the calculation object and the general data it is handed.
#include "module/owned_objects.h"
#include "module/pier_component_test_access.h"

#include "calc/pm001_calc.h"
#include "host/project_manager.h"
#include "host/road_norm.h"

#include <gtest/gtest.h>

namespace {

class InitialUpdate : public ::testing::Test {
protected:
    void SetUp() override
    {
        manager.SetProjectPath("D:\\bridges\\");
        manager.SetProjectName("跨河大桥");
        road.SetName("主线");
        component.SetID(4711);
    }

    CProjectManager manager;
    CRoadNorm road;
    CPM001Norm component;
};

TEST_F(InitialUpdate, HandsTheProjectAndRoadDataToANewCalculationObject)
{
    component.SetProjectManager(&manager);
    component.SetRoadNorm(&road);
    component.InitialUpdate();

    ASSERT_NE(component.m_pCalc, nullptr);
    const CPM001Calc& calc = *component.m_pCalc;
    EXPECT_EQ(calc.GetWorkDir(), CString("D:\\bridges\\"));
    EXPECT_EQ(calc.GetPrjName(), CString("跨河大桥"));
    EXPECT_EQ(calc.GetID(), CString("4711"));
    EXPECT_EQ(calc.GetRoadName(), CString("主线"));
    EXPECT_TRUE(calc.GetComponentName().IsEmpty());   // the name comes with the input, later
    EXPECT_EQ(calc.GetPaperSetting(), manager.GetPaperSetting());
    EXPECT_EQ(calc.GetEnvironment(), manager.GetEnvironment());
    EXPECT_EQ(calc.GetRoadGeneral(), road.GetRoadGeneral());
    EXPECT_EQ(calc.GetRoadDeck(), road.GetRoadDeck());
    EXPECT_EQ(calc.GetRoadCurve(), road.GetRoadCurve());
    EXPECT_EQ(calc.GetRoadGeology(), road.GetRoadGeology());
    EXPECT_EQ(calc.GetRoadZKHole(), road.GetRoadZKHole());
    EXPECT_EQ(calc.GetRoadSoil(), road.GetRoadSoil());
    EXPECT_EQ(HeldMembers(component), (std::set<std::string>{"m_pCalc"}));
}

TEST_F(InitialUpdate, WithoutProjectManagerOrRoadTheCalculationObjectStaysEmpty)
{
    component.SetRoadNorm(&road);
    component.InitialUpdate();
    ASSERT_NE(component.m_pCalc, nullptr);
    EXPECT_TRUE(component.m_pCalc->GetWorkDir().IsEmpty());
    EXPECT_EQ(component.m_pCalc->GetRoadGeneral(), nullptr);

    CPM001Norm noRoad;
    noRoad.SetProjectManager(&manager);
    noRoad.InitialUpdate();
    ASSERT_NE(noRoad.m_pCalc, nullptr);
    EXPECT_TRUE(noRoad.m_pCalc->GetPrjName().IsEmpty());
}

// A second call replaces the calculation object; the address checks of the sanitizer build
// catch the earlier one if it were lost.
TEST_F(InitialUpdate, SecondCallReplacesTheCalculationObject)
{
    component.InitialUpdate();
    ASSERT_NE(component.m_pCalc, nullptr);
    component.SetProjectManager(&manager);
    component.SetRoadNorm(&road);
    component.InitialUpdate();
    ASSERT_NE(component.m_pCalc, nullptr);
    EXPECT_EQ(component.m_pCalc->GetPrjName(), CString("跨河大桥"));
}

TEST_F(InitialUpdate, CalculationObjectIsReleasedWhateverCreatedIt)
{
    {
        CPM001Norm fromInitialUpdate;
        fromInitialUpdate.InitialUpdate();
        EXPECT_NE(fromInitialUpdate.m_pCalc, nullptr);
    }
    {
        CPM001Norm fromReceiving;
        CPM001NormTestAccess::PrepareOrg(fromReceiving);
        EXPECT_NE(fromReceiving.m_pCalc, nullptr);
    }
    {
        CPM001Norm both;
        both.InitialUpdate();
        CPM001NormTestAccess::ClearOrg(both);
        EXPECT_EQ(both.m_pCalc, nullptr);
        CPM001NormTestAccess::PrepareOrg(both);
        EXPECT_NE(both.m_pCalc, nullptr);
    }
}

} // namespace
