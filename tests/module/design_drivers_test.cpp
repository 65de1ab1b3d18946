// The design drivers' framing, the output collection over hand-made design objects, and the
// component's small answers to the host.
#include "module/owned_objects.h"
#include "module/pier_component_test_access.h"

#include "calc/pm001_calc.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "host/cpm001_input.h"
#include "host/live_count.h"
#include "host/project_manager.h"
#include "host/report.h"
#include "pier/drawing_options.h"
#include "pier/pier_design_record.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using Access = CPM001NormTestAccess;

// The sibling modules that put values into the map: the names before "_designed".
std::set<std::string> SiblingModules(const OutputDataMap& outputs)
{
    const std::string suffix = "_designed";
    std::set<std::string> modules;
    for (const auto& [name, value] : outputs) {
        const std::string key(name);
        if (key.size() > suffix.size() && key.compare(key.size() - suffix.size(), suffix.size(), suffix) == 0)
            modules.insert(key.substr(0, key.size() - suffix.size()));
    }
    return modules;
}

bool OnlyPierAndCapBeamValues(const OutputDataMap& outputs)
{
    for (const auto& [name, value] : outputs)
        if (name.rfind("PM001_", 0) != 0) return false;
    return !outputs.empty();
}

// ---------------------------------------------------------------------------------------------
// Answers to the host

TEST(FoundationType, FollowsTheFoundationKind)
{
    CPM001Norm fresh;
    EXPECT_EQ(fresh.GetFoundationType(), FOUNDATION_SPREAD_FOOTING);   // kind 0 from the constructor

    CPM001Norm c;
    const std::pair<int, FOUNDATIONTYPE> cases[] = {{0, FOUNDATION_SPREAD_FOOTING}, {1, FOUNDATION_PILES},
                                                    {2, FOUNDATION_PILE_CAP},       {-1, FOUNDATION_NONE},
                                                    {3, FOUNDATION_NONE}};
    for (const auto& [kind, type] : cases) {
        c.m_nFoundationKind = kind;
        EXPECT_EQ(c.GetFoundationType(), type) << "kind " << kind;
        EXPECT_EQ(static_cast<int>(c.GetFoundationType()), kind >= 0 && kind <= 2 ? kind + 1 : 0);
    }
}

TEST(IsCalculated, IsTheInputObjectsFlag)
{
    CPM001Norm c;
    EXPECT_EQ(c.IsCalculated(), 0);   // no input object

    CPM001DrawSetting notAnInput;   // a CObject, but no CPM001
    c.SetUIComponent(&notAnInput);
    EXPECT_EQ(c.IsCalculated(), 0);

    CPM001 input;
    c.SetUIComponent(&input);
    EXPECT_EQ(c.IsCalculated(), 0);
    input.fCalculated = 1;
    EXPECT_EQ(c.IsCalculated(), 1);
}

TEST(SmallAnswers, CalculationObjectGroundWorkAndMasterDesign)
{
    CPM001Norm c;
    EXPECT_EQ(c.GetCalcData(), nullptr);
    c.InitialUpdate();
    EXPECT_EQ(c.GetCalcData(), c.m_pCalc.get());
    EXPECT_NE(dynamic_cast<CPM001Calc*>(c.GetCalcData()), nullptr);

    EXPECT_EQ(c.SetDataForGW001(nullptr), 1);   // the pier takes the ground-work data (it needs none)
    EXPECT_EQ(c.DoMasterDesign(), 1);           // also without a project manager
    CProjectManager manager;
    c.SetProjectManager(&manager);
    EXPECT_EQ(c.DoMasterDesign(), 1);
}

// ---------------------------------------------------------------------------------------------
// Design drivers

class Designing : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReportLog::Current().Clear();
        input.Name = "P5";
        component.SetID(5);
        component.SetProjectManager(&manager);
        component.SetUIComponent(&input);
        component.InitialUpdate();
    }

    CProjectManager manager;
    CPM001 input;
    CPM001Norm component;
};

TEST_F(Designing, WithoutReceivedInputNothingIsDesigned)
{
    EXPECT_EQ(component.DoDesign(), 0);
    EXPECT_EQ(component.Redesign(), 0);
}

// No key parameters are given: the engine reports it and the design stops; the design objects
// are the fresh ones of this design.
TEST_F(Designing, WithoutKeyParametersTheDesignFailsOnFreshObjects)
{
    component.ReceiveData();
    Access::PrepareDesign(component);
    component.m_pCapBeamAtom->PMorPT = 7;   // marks the objects of the earlier design
    ReportLog::Current().Clear();

    EXPECT_EQ(component.DoDesign(), 0);
    EXPECT_GT(ReportLog::Current().Count(ReportEntry::Error), 0);
    ASSERT_NE(component.m_pCapBeamAtom, nullptr);
    EXPECT_EQ(component.m_pCapBeamAtom->PMorPT, 0);

    component.m_pCapBeamAtom->PMorPT = 7;
    EXPECT_EQ(component.Redesign(), 0);
    ASSERT_NE(component.m_pCapBeamAtom, nullptr);
    EXPECT_EQ(component.m_pCapBeamAtom->PMorPT, 0);
}

TEST_F(Designing, TestFlagMakesRedesignKeepTheDesign)
{
    component.ReceiveData();
    Access::PrepareDesign(component);
    const CPM001Atom* record = component.m_pAtom.get();
    const CPM001T0101Atom* capBeam = component.m_pCapBeamAtom.get();
    const auto held = HeldMembers(component);

    manager.SetTestFlag(1);
    ReleaseJournal::Start();
    EXPECT_EQ(component.Redesign(), 1);
    ReleaseJournal::Stop();
    EXPECT_TRUE(ReleasedClasses().empty());
    EXPECT_EQ(component.m_pAtom.get(), record);
    EXPECT_EQ(component.m_pCapBeamAtom.get(), capBeam);
    EXPECT_EQ(HeldMembers(component), held);

    CPM001Norm neverDesigned;
    neverDesigned.SetProjectManager(&manager);
    EXPECT_EQ(neverDesigned.Redesign(), 1);
    EXPECT_TRUE(HeldMembers(neverDesigned).empty());
}

// ---------------------------------------------------------------------------------------------
// OutputData

TEST(OutputCollection, NothingBeforeADesignOrAfterReceivingInput)
{
    CPM001Norm c;
    OutputDataMap outputs;
    c.OutputData(outputs);
    EXPECT_TRUE(outputs.empty());

    CPM001 input;
    c.SetUIComponent(&input);
    Access::PrepareDesign(c);
    c.ReceiveData();
    c.OutputData(outputs);
    EXPECT_TRUE(outputs.empty());
}

// Flags and selectors of a pier, the siblings whose values OutputData must collect under them
// (the stopper-and-pedestal object of a pier never designed has none to give).
struct OutputCase {
    const char* name;
    int pierTieBeams, columnShape, kind, footingT01, pileTieBeams, variant, joint;
    std::set<std::string> modules;
};

class OutputBySelectors : public ::testing::TestWithParam<OutputCase> {
protected:
    void Prepare(CPM001Norm& c) const
    {
        const OutputCase& k = GetParam();
        c.m_bPierTieBeams = k.pierTieBeams;
        c.m_nColumnShape = k.columnShape;
        c.m_bStopperPedestal = 1;
        c.m_nFoundationKind = k.kind;
        c.m_bFootingT01 = k.footingT01;
        c.m_bPileTieBeams = k.pileTieBeams;
        c.m_nPileCapVariant = k.variant;
        c.m_nPileCapJoint = k.joint;
        Access::PrepareDesign(c);
    }
};

TEST_P(OutputBySelectors, CollectsThePierTheCapBeamAndTheSelectedSiblings)
{
    CPM001Norm c;
    Prepare(c);
    c.m_pCapBeamAtom->PMorPT = 1;
    OutputDataMap outputs;
    c.OutputData(outputs);
    EXPECT_EQ(SiblingModules(outputs), GetParam().modules);
    EXPECT_EQ(outputs.count("PM001_T0101_PMorPT"), 1u);
}

TEST_P(OutputBySelectors, CapBeamWithoutPMorPTGivesOnlyThePierAndCapBeamValues)
{
    CPM001Norm c;
    Prepare(c);
    c.m_pCapBeamAtom->PMorPT = 0;
    OutputDataMap outputs;
    c.OutputData(outputs);
    EXPECT_TRUE(OnlyPierAndCapBeamValues(outputs));
    EXPECT_EQ(outputs.count("PM001_T0101_PMorPT"), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Piers, OutputBySelectors,
    ::testing::Values(
        OutputCase{"FootingWithSecondObject", 0, 0, 0, 1, 0, 1, 1, {"PC001ZD01", "PG001", "PG001T01"}},
        OutputCase{"FootingAloneCircularColumns", 0, 1, 0, 0, 1, 1, 1, {"PC001ZD02", "PG001"}},
        OutputCase{"PilesWithTieBeams", 0, 0, 1, 0, 1, 1, 1, {"PC001ZD01", "PG002", "PG005", "PG008"}},
        OutputCase{"PilesWithoutTieBeams", 0, 1, 1, 1, 0, 0, 0, {"PC001ZD02", "PG002", "PG005"}},
        OutputCase{"PierTieBeams", 1, 0, 1, 0, 0, 1, 1, {"PG008", "PC001ZD01", "PG002", "PG005"}},
        OutputCase{"PileCapRectangularWithTransition", 0, 0, 2, 0, 0, 0, 0,
                   {"PC001ZD01", "PG003", "PG003CT01", "PG005"}},
        OutputCase{"PileCapArcWithOwnJoint", 0, 1, 2, 0, 0, 1, 1, {"PC001ZD02", "PG003", "PG003CT02", "PG003T0103"}},
        OutputCase{"PileCapThirdBody", 0, 0, 2, 0, 0, 2, 1, {"PC001ZD01", "PG003", "PG003CT03", "PG003T0103"}},
        OutputCase{"NoFoundation", 0, 0, -1, 1, 1, 1, 1, {"PC001ZD01"}}),
    [](const ::testing::TestParamInfo<OutputCase>& info) { return std::string(info.param.name); });

// Only the selected body and joint are asked, even when objects of the other selectors are held.
TEST(OutputCollection, PileCapAsksTheBodyAndJointOfItsSelectors)
{
    CPM001Norm c;
    FillEveryMember(c);
    c.m_nFoundationKind = 2;
    c.m_nPileCapVariant = 2;
    c.m_nPileCapJoint = 0;
    c.m_bPierTieBeams = 0;
    c.m_nColumnShape = 0;
    c.m_pCapBeamAtom->PMorPT = 1;
    OutputDataMap outputs;
    c.OutputData(outputs);
    EXPECT_EQ(SiblingModules(outputs), (std::set<std::string>{"PC001ZD01", "PG003", "PG003CT03", "PG005"}));
}

} // namespace
