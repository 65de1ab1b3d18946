// Receiving the input object into the origin objects, the diagnosis run, and the removal of
// blank rows from the input's load tables, on components built by hand.
#include "module/owned_objects.h"
#include "module/pier_component_test_access.h"

#include "calc/pm001_calc.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "host/cpm001_input.h"
#include "host/project_manager.h"
#include "host/report.h"
#include "host/road_norm.h"
#include "input/pier_origin_data.h"
#include "pier/drawing_options.h"
#include "siblings/pile_cap.h"
#include "siblings/pile_foundation.h"
#include "siblings/spread_footing.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Texts(const CStringArray& list)
{
    std::vector<std::string> out;
    for (const CString& text : list) out.push_back(text.str());
    return out;
}

void Fill(CStringArray& list, std::initializer_list<const char*> texts)
{
    list.RemoveAll();
    for (const char* text : texts) list.Add(CString(text));
}

void Fill(CStringArray& list, const std::vector<std::string>& texts)
{
    list.RemoveAll();
    for (const std::string& text : texts) list.Add(CString(text.c_str()));
}

// The diagnostics under key, of every part or of one.
std::vector<const ReportEntry*> Diagnostics(const char* key, int part = -1)
{
    std::vector<const ReportEntry*> found;
    for (const ReportEntry& entry : ReportLog::Current().Entries())
        if (entry.kind == ReportEntry::Diagnose && entry.keys == key &&
            (part < 0 || entry.part == static_cast<unsigned>(part)))
            found.push_back(&entry);
    return found;
}

int DiagnosticsOfPart(unsigned part)
{
    int count = 0;
    for (const ReportEntry& entry : ReportLog::Current().Entries())
        if (entry.kind == ReportEntry::Diagnose && entry.part == part) ++count;
    return count;
}

// A component attached as the host attaches it, to an input object the test fills.
class HandBuiltPier : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReportLog::Current().Clear();
        manager.SetProjectPath("D:\\bridges\\");
        manager.SetProjectName("跨河大桥");
        road.SetName("主线");
        input.Name = "P12";
        component.SetID(12);
        component.SetProjectManager(&manager);
        component.SetRoadNorm(&road);
        component.SetUIComponent(&input);
    }

    CProjectManager manager;
    CRoadNorm road;
    CPM001 input;
    CPM001Norm component;
};

// ---------------------------------------------------------------------------------------------
// ReceiveData

using Receiving = HandBuiltPier;

TEST_F(Receiving, TakesTheNameAndTheNumberFromTheInput)
{
    component.ReceiveData();
    EXPECT_EQ(component.GetName(), CString("P12"));
    EXPECT_EQ(component.GetNumber(), 12);
}

TEST_F(Receiving, SelectorMakesTheFoundationKindAndItsOriginObject)
{
    struct Case {
        int selector, kind;
        const char* member;
    };
    for (const Case k : {Case{2, 0, "m_pFootingOrg"}, Case{0, 1, "m_pPileOrg"}, Case{1, 2, "m_pPileCapOrg"}}) {
        input.nFoundationType = k.selector;
        component.ReceiveData();
        EXPECT_EQ(component.m_nFoundationKind, k.kind) << "selector " << k.selector;
        EXPECT_EQ(component.m_pOrg->BaseType, k.kind) << "selector " << k.selector;
        EXPECT_EQ(HeldMembers(component),
                  (std::set<std::string>{"m_pOrg", k.member, "m_pDrawSetting", "m_pCalc"}))
            << "selector " << k.selector;
    }
}

// A selector that names no foundation: no kind, no foundation object, a diagnostic under the
// selector's key, and the input is not taken over.
class UnknownSelector : public HandBuiltPier, public ::testing::WithParamInterface<int> {};

TEST_P(UnknownSelector, LeavesThePierWithoutFoundationAndSaysSo)
{
    input.nFoundationType = GetParam();
    EXPECT_EQ(component.ReceiveData(), 0);

    EXPECT_EQ(component.m_nFoundationKind, -1);
    EXPECT_EQ(component.m_pOrg->BaseType, -1);
    EXPECT_EQ(HeldMembers(component), (std::set<std::string>{"m_pOrg", "m_pDrawSetting", "m_pCalc"}));
    EXPECT_EQ(component.GetFoundationType(), FOUNDATION_NONE);

    const auto reported = Diagnostics("nFoundationType");
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0]->label, 12u);
    EXPECT_EQ(reported[0]->type, CString("Error"));
    EXPECT_NE(reported[0]->message.str().find(std::to_string(GetParam())), std::string::npos)
        << reported[0]->message.str();
}

TEST_P(UnknownSelector, DiagnosisFailsAndLeavesTheCalculationObjectUntouched)
{
    input.nFoundationType = GetParam();
    component.ReceiveData();
    component.SetStoredAdjustData({0x01, 0x02, 0x03}, 1);   // would warn if it were loaded
    ReportLog::Current().Clear();

    EXPECT_EQ(component.DoDiagnose(), 0);
    EXPECT_FALSE(component.m_pCalc->HasOrgData());
    EXPECT_TRUE(component.m_pCalc->GetWorkDir().IsEmpty());
    EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Warning), 0);
    EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Error), 0);
}

TEST_P(UnknownSelector, DesignCreatesNoFoundationObjectAndOutputSkipsIt)
{
    input.nFoundationType = GetParam();
    component.ReceiveData();
    EXPECT_EQ(component.DoDesign(), 0);
    for (const char* foundation : {"m_pFootingAtom", "m_pFootingT01Atom", "m_pPileAtom", "m_pPileTransitionAtom",
                                   "m_pPileTieBeamAtom", "m_pPileCapAtom", "m_pPileCapCT01Atom",
                                   "m_pPileCapCT02Atom", "m_pPileCapCT03Atom", "m_pPileCapTransitionAtom",
                                   "m_pPileCapT0103Atom"})
        EXPECT_EQ(HeldMembers(component).count(foundation), 0u) << foundation;

    component.m_pCapBeamAtom->PMorPT = 1;   // let the output walk reach the foundation
    OutputDataMap outputs;
    component.OutputData(outputs);
    for (const auto& [name, value] : outputs)
        for (const char* foundation : {"PG001", "PG002", "PG003", "PG005"})
            EXPECT_NE(name.rfind(foundation, 0), 0u) << name;
}

INSTANTIATE_TEST_SUITE_P(Selectors, UnknownSelector, ::testing::Values(3, -1, 100));

TEST_F(Receiving, WithoutAnInputObjectNothingIsTakenOver)
{
    component.SetUIComponent(nullptr);
    EXPECT_EQ(component.ReceiveData(), 0);
    EXPECT_EQ(component.m_nFoundationKind, -1);
    EXPECT_EQ(component.DoDiagnose(), 0);
}

TEST_F(Receiving, ReleasesTheEarlierDesignAndOriginObjects)
{
    component.ReceiveData();
    CPM001NormTestAccess::PrepareDesign(component);
    component.m_pCalc->SetKeyParamText("{}");
    ASSERT_NE(component.m_pAtom, nullptr);

    component.ReceiveData();
    EXPECT_EQ(HeldMembers(component), (std::set<std::string>{"m_pOrg", "m_pFootingOrg", "m_pDrawSetting", "m_pCalc"}));
    EXPECT_TRUE(component.m_pCalc->GetKeyParamText().IsEmpty());   // a new calculation object
}

TEST_F(Receiving, FlagsFollowThePierAndFoundationInput)
{
    input.nFoundationType = 2;
    input.m_Footing.fPJ_JICHU = 1;
    input.fXL = 1;
    component.ReceiveData();
    EXPECT_EQ(component.m_bFootingT01, 1);
    EXPECT_EQ(component.m_bPierTieBeams, 1);
    EXPECT_EQ(component.m_bStopperPedestal, 1);
    EXPECT_EQ(component.m_nColumnShape, component.m_pOrg->ColumnSectionType != 0 ? 1 : 0);

    input.m_Footing.fPJ_JICHU = 0;
    input.fXL = 0;
    component.ReceiveData();
    EXPECT_EQ(component.m_bFootingT01, 0);
    EXPECT_EQ(component.m_bPierTieBeams, 0);
    EXPECT_EQ(component.m_bStopperPedestal, 1);
}

// A pier of one column on piles has no tie beams between piles: the pile input's switch is
// cleared before the pile-foundation origin object takes it.
class OneColumnOnPiles : public HandBuiltPier, public ::testing::WithParamInterface<const char*> {};

TEST_P(OneColumnOnPiles, ClearsThePileTieBeamSwitch)
{
    input.nFoundationType = 0;
    input.bBz = GetParam();
    input.m_Pile.fXL_JICHU = 1;
    component.ReceiveData();
    EXPECT_EQ(input.m_Pile.fXL_JICHU, 0);
    EXPECT_EQ(component.m_pPileOrg->fXL_JICHU, 0);
    EXPECT_EQ(component.m_bPileTieBeams, 0);
}

INSTANTIATE_TEST_SUITE_P(SpacingTexts, OneColumnOnPiles, ::testing::Values("", "   ", "0", " 0, -3000 ", "abc"));

TEST_F(Receiving, SeveralColumnsOnPilesKeepThePileTieBeamSwitch)
{
    input.nFoundationType = 0;
    input.m_Pile.fXL_JICHU = 1;
    for (const char* spacings : {"6000", " 0, 6000 ", "2*5000"}) {
        input.bBz = spacings;
        component.ReceiveData();
        EXPECT_EQ(input.m_Pile.fXL_JICHU, 1) << spacings;
        EXPECT_EQ(component.m_bPileTieBeams, 1) << spacings;
    }
}

TEST_F(Receiving, OtherFoundationsLeaveThePileTieBeamSwitchAlone)
{
    input.bBz = "";
    input.m_Pile.fXL_JICHU = 1;
    for (int selector : {2, 1}) {
        input.nFoundationType = selector;
        component.ReceiveData();
        EXPECT_EQ(input.m_Pile.fXL_JICHU, 1) << "selector " << selector;
    }
}

TEST_F(Receiving, PileCapSelectorsOutsideTheirRangeKeepThePreviousValues)
{
    input.nFoundationType = 1;
    input.m_PileCap.PileCapTtype_JICHU = 3;
    input.m_PileCap.nLJ_JICHU = 2;
    component.ReceiveData();
    EXPECT_EQ(component.m_nPileCapVariant, 1);   // a new component's values
    EXPECT_EQ(component.m_nPileCapJoint, 1);

    input.m_PileCap.PileCapTtype_JICHU = 0;
    input.m_PileCap.nLJ_JICHU = 0;
    component.ReceiveData();
    EXPECT_EQ(component.m_nPileCapVariant, 0);
    EXPECT_EQ(component.m_nPileCapJoint, 0);

    input.m_PileCap.PileCapTtype_JICHU = -1;
    input.m_PileCap.nLJ_JICHU = -1;
    component.ReceiveData();
    EXPECT_EQ(component.m_nPileCapVariant, 0);   // the values of the previous input
    EXPECT_EQ(component.m_nPileCapJoint, 0);

    input.m_PileCap.PileCapTtype_JICHU = 2;
    input.m_PileCap.nLJ_JICHU = 1;
    component.ReceiveData();
    EXPECT_EQ(component.m_nPileCapVariant, 2);
    EXPECT_EQ(component.m_nPileCapJoint, 1);
}

// ---------------------------------------------------------------------------------------------
// DoDiagnose

using Diagnosing = HandBuiltPier;

TEST_F(Diagnosing, WithoutReceivedInputFails)
{
    EXPECT_EQ(component.DoDiagnose(), 0);
    component.InitialUpdate();
    EXPECT_EQ(component.DoDiagnose(), 0);
    EXPECT_FALSE(component.m_pCalc->HasOrgData());
}

// An input left at its defaults fails the pier's checks; the footing's own checks still run and
// report (its top layer 0 high, below the least 200), and the calculation object stays as made.
TEST_F(Diagnosing, FailingPierChecksStillRunTheFoundationChecks)
{
    input.nFoundationType = 2;
    component.ReceiveData();
    component.SetStoredAdjustData({0x01, 0x02, 0x03}, 1);   // would warn if it were loaded
    ReportLog::Current().Clear();

    EXPECT_EQ(component.DoDiagnose(), 0);
    EXPECT_GT(DiagnosticsOfPart(6), 0);          // the pier's own checks
    EXPECT_EQ(Diagnostics("hKs_JICHU", 2).size(), 1u);   // the footing's own check
    EXPECT_FALSE(component.m_pCalc->HasOrgData());
    EXPECT_TRUE(component.m_pCalc->GetWorkDir().IsEmpty());
    EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Warning), 0);
}

// The pile foundation's check gets the column-bottom elevation under the key "zZct": 305000 m
// (a value given in millimetres) lies above the 9000 m that the check allows.
TEST_F(Diagnosing, PileCheckGetsTheColumnBottomElevationUnderItsKey)
{
    input.nFoundationType = 0;
    input.zZct = 305000.0;
    component.ReceiveData();
    ReportLog::Current().Clear();
    EXPECT_EQ(component.DoDiagnose(), 0);
    EXPECT_EQ(Diagnostics("zZct", 3).size(), 1u);   // part 3: the pile foundation

    input.zZct = 305.0;
    component.ReceiveData();
    ReportLog::Current().Clear();
    component.DoDiagnose();
    EXPECT_TRUE(Diagnostics("zZct", 3).empty());
}

TEST_F(Diagnosing, PileCapCheckGetsTheColumnBottomElevationUnderItsKey)
{
    input.nFoundationType = 1;
    input.zZct = -2000.0;   // below the least -1000 m
    component.ReceiveData();
    ReportLog::Current().Clear();
    EXPECT_EQ(component.DoDiagnose(), 0);
    EXPECT_EQ(Diagnostics("zZct", 4).size(), 1u);   // part 4: the pile cap
}

// ---------------------------------------------------------------------------------------------
// ClearEmptyUIStrings

TEST(ClearEmptyUIStrings, BlankNodeRowsAreJudgedOnNamesAndForcesAndTakeTheirLabelsAlong)
{
    struct Case {
        const char* name;
        std::vector<std::string> names, labels, forces;
        std::vector<std::string> keptNames, keptLabels, keptForces;
    };
    const Case cases[] = {
        // Row 0 blank everywhere; row 2 has a label only: it goes, label and all, so N4 keeps L4.
        {"a label does not keep a blank row",
         {"", "N2", "", "N4"}, {"", "L2", "L3", "L4"}, {"", "20", "", "40"},
         {"N2", "N4"}, {"L2", "L4"}, {"20", "40"}},
        // A row with a name or a force stays, whatever its label; row 2 goes with L3, and N4 has no
        // label, as before.
        {"a name or a force keeps the row",
         {"N1", "", "", "N4"}, {"", "", "L3"}, {"", "20", "", ""},
         {"N1", "", "N4"}, {"", ""}, {"", "20", ""}},
        // Forces shorter than the names count as blank where they are missing.
        {"short lists count as blank",
         {"N1", ""}, {"L1", "L2"}, {"10"},
         {"N1"}, {"L1"}, {"10"}},
        // Labels beyond the last node row belong to no row and stay as they are.
        {"labels past the rows",
         {"", "N2"}, {"L1", "L2", "L3"}, {"", "20"},
         {"N2"}, {"L2", "L3"}, {"20"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CPM001 input;
        Fill(input.m_NodeName, c.names);
        Fill(input.m_NodeLabel, c.labels);
        Fill(input.m_NodeForce, c.forces);
        ClearEmptyUIStrings(&input);
        EXPECT_EQ(Texts(input.m_NodeName), c.keptNames);
        EXPECT_EQ(Texts(input.m_NodeLabel), c.keptLabels);
        EXPECT_EQ(Texts(input.m_NodeForce), c.keptForces);
    }
}

TEST(ClearEmptyUIStrings, ClearsEachLiveLoadGroupOnItsOwn)
{
    CPM001 input;
    for (CCalGenLiveLoadSurface* surface : {&input.m_LiveLoadSurface1, &input.m_LiveLoadSurface2}) {
        // Parts: row 1 blank in all six tables.
        Fill(surface->m_PartName, {"左护栏", "", "行车道"});
        Fill(surface->m_PartKind, {"2", "", "0"});
        Fill(surface->m_PartWidth, {"500", "", "11000"});
        Fill(surface->m_PartSlope, {"0", ""});
        Fill(surface->m_PartThickness, {"0"});
        Fill(surface->m_PartCrowdLoad, {});
        // Lanes: row 0 blank in all nine tables; row 1 filled in the last one only, so it stays.
        Fill(surface->m_LaneName, {"", ""});
        Fill(surface->m_LaneEccentricity, {"", "0.5"});
        // Spans: row 0 blank.
        Fill(surface->m_SpanLength, {"", "30000"});
        Fill(surface->m_SpanKind, {"", "1"});
        // Girders: row 0 blank in the four tables, though the part row 0 is filled.
        Fill(surface->m_GirderName, {"", "G1"});
        Fill(surface->m_GirderPosition, {"", "1500"});
        Fill(surface->m_GirderBearingFront, {"", "Z1"});
        Fill(surface->m_GirderBearingBack, {"", "Z2"});
    }
    ClearEmptyUIStrings(&input);
    for (const CCalGenLiveLoadSurface* surface : {&input.m_LiveLoadSurface1, &input.m_LiveLoadSurface2}) {
        EXPECT_EQ(Texts(surface->m_PartName), (std::vector<std::string>{"左护栏", "行车道"}));
        EXPECT_EQ(Texts(surface->m_PartWidth), (std::vector<std::string>{"500", "11000"}));
        EXPECT_EQ(Texts(surface->m_PartSlope), (std::vector<std::string>{"0"}));
        EXPECT_EQ(Texts(surface->m_LaneName), (std::vector<std::string>{""}));
        EXPECT_EQ(Texts(surface->m_LaneEccentricity), (std::vector<std::string>{"0.5"}));
        EXPECT_EQ(Texts(surface->m_SpanLength), (std::vector<std::string>{"30000"}));
        EXPECT_EQ(Texts(surface->m_SpanKind), (std::vector<std::string>{"1"}));
        EXPECT_EQ(Texts(surface->m_GirderName), (std::vector<std::string>{"G1"}));
        EXPECT_EQ(Texts(surface->m_GirderBearingBack), (std::vector<std::string>{"Z2"}));
    }
}

TEST(ClearEmptyUIStrings, ClearsTheDeckLayoutGroupsAndEachPositionsReactions)
{
    CPM001 input;
    input.m_DeckLayout.emplace();
    CCalGenDeckLayout& deck = *input.m_DeckLayout;
    Fill(deck.m_PositionName, {"A", "", "C"});
    Fill(deck.m_XLoad, {"0", "", "2000"});
    Fill(deck.m_YLoad, {"0", "", ""});
    Fill(deck.m_YLong, {"", "15000", ""});
    Fill(deck.m_XRoad, {"0", ""});
    Fill(deck.m_YRoad, {"", ""});
    deck.m_SupportName.SetSize(2);
    deck.m_ForceZhiZuo.SetSize(1);   // the second position has no reaction list
    Fill(deck.m_SupportName[0], {"Z1", "", "Z3"});
    Fill(deck.m_ForceZhiZuo[0], {"100", "", ""});
    Fill(deck.m_SupportName[1], {"", "Z2"});

    ClearEmptyUIStrings(&input);
    EXPECT_EQ(Texts(deck.m_PositionName), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(Texts(deck.m_XLoad), (std::vector<std::string>{"0", "2000"}));
    EXPECT_EQ(Texts(deck.m_YLoad), (std::vector<std::string>{"0", ""}));
    EXPECT_EQ(Texts(deck.m_YLong), (std::vector<std::string>{"15000"}));
    EXPECT_EQ(Texts(deck.m_XRoad), (std::vector<std::string>{"0"}));
    EXPECT_EQ(Texts(deck.m_YRoad), (std::vector<std::string>{""}));
    EXPECT_EQ(Texts(deck.m_SupportName[0]), (std::vector<std::string>{"Z1", "Z3"}));
    EXPECT_EQ(Texts(deck.m_ForceZhiZuo[0]), (std::vector<std::string>{"100", ""}));
    EXPECT_EQ(Texts(deck.m_SupportName[1]), (std::vector<std::string>{"Z2"}));
}

TEST(ClearEmptyUIStrings, NoInputOrNoDeckLayoutIsNoFault)
{
    ClearEmptyUIStrings(nullptr);
    CPM001 input;
    Fill(input.m_NodeName, {""});
    Fill(input.m_NodeForce, {""});
    ClearEmptyUIStrings(&input);
    EXPECT_TRUE(input.m_NodeName.IsEmpty());
    EXPECT_FALSE(input.m_DeckLayout.has_value());
}

} // namespace
