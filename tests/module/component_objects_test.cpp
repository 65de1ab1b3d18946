// Creation and release of the component's origin and design objects, with their release orders.
#include "module/owned_objects.h"
#include "module/pier_component_test_access.h"

#include "host/cpm001_input.h"
#include "host/live_count.h"
#include "pier/drawing_setting_record.h"
#include "siblings/tie_beams.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using Access = CPM001NormTestAccess;
using Names = std::vector<std::string>;

const Names kDesignReleaseOrder = {
    "CPM001Atom", "CPG008Atom", "CPC001T01ZD01Atom", "CPC001T01ZD02Atom", "CPM001T0101Atom", "CPM001DS01Atom",
    "CPG001Atom", "CPG001T01Atom", "CPG002Atom", "CPG005Atom", "CPG008Atom", "CPG003Atom", "CPG003CT01Atom",
    "CPG003CT02Atom", "CPG003CT03Atom", "CPG005Atom", "CPG003T0103Atom"};

class JournalTest : public ::testing::Test {
protected:
    void SetUp() override { ReleaseJournal::Start(); }
    void TearDown() override { ReleaseJournal::Stop(); }
};

using ComponentLifetime = JournalTest;

TEST_F(ComponentLifetime, FreshComponentHoldsNothingAndKeepsTheDefaults)
{
    auto c = std::make_unique<CPM001Norm>();
    EXPECT_TRUE(HeldMembers(*c).empty());
    EXPECT_EQ(c->m_bPierTieBeams, 0);
    EXPECT_EQ(c->m_nColumnShape, 0);
    EXPECT_EQ(c->m_bStopperPedestal, 0);
    EXPECT_EQ(c->m_nFoundationKind, 0);
    EXPECT_EQ(c->m_bFootingT01, 0);
    EXPECT_EQ(c->m_bPileTieBeams, 0);
    EXPECT_EQ(c->m_nPileCapVariant, 1);
    EXPECT_EQ(c->m_nPileCapJoint, 1);
    c.reset();
    EXPECT_TRUE(ReleasedClasses().empty());
}

TEST_F(ComponentLifetime, DestructorReleasesDesignThenOriginObjectsThenAlignment)
{
    auto c = std::make_unique<CPM001Norm>();
    FillEveryMember(*c);
    ReleaseJournal::Start();
    c.reset();
    Names expected = kDesignReleaseOrder;
    // The calculation object between the pile-cap origin object and the alignment record is not counted.
    expected.insert(expected.end(),
                    {"CPM001DrawSetting", "CPM001org", "CPG001org", "CPG002org", "CPG003org", "CAlignDataPM001"});
    EXPECT_EQ(ReleasedClasses(), expected);
}

TEST_F(ComponentLifetime, DestructorLeavesTheDrawingSettingRecordToItsOwner)
{
    CDrawSetPM001 record;   // on the stack: releasing it would be caught by the address checks
    {
        auto hooked = std::make_unique<CPM001Norm>();
        hooked->m_pDrawSet = &record;
    }
    EXPECT_TRUE(ReleasedClasses().empty());
}

TEST_F(ComponentLifetime, ClearDesignReleasesInOrderAndLeavesTheRestAlone)
{
    CPM001Norm c;
    FillEveryMember(c);
    ReleaseJournal::Start();
    Access::ClearDesign(c);
    EXPECT_EQ(ReleasedClasses(), kDesignReleaseOrder);
    const std::set<std::string> kept = {"m_pDrawSetting", "m_pAlignData", "m_pOrg",  "m_pFootingOrg",
                                        "m_pPileOrg",     "m_pPileCapOrg", "m_pCalc"};
    EXPECT_EQ(HeldMembers(c), kept);

    ReleaseJournal::Start();
    Access::ClearDesign(c);
    EXPECT_TRUE(ReleasedClasses().empty());
    EXPECT_EQ(HeldMembers(c), kept);
}

TEST_F(ComponentLifetime, ClearOrgReleasesInOrderAndLeavesTheRestAlone)
{
    CPM001Norm c;
    FillEveryMember(c);
    ReleaseJournal::Start();
    Access::ClearOrg(c);
    EXPECT_EQ(ReleasedClasses(), (Names{"CPM001org", "CPG001org", "CPG002org", "CPG003org", "CPM001DrawSetting"}));
    const std::set<std::string> held = HeldMembers(c);
    EXPECT_EQ(held.count("m_pCalc"), 0u);
    EXPECT_EQ(held.count("m_pOrg"), 0u);
    EXPECT_EQ(held.count("m_pAtom"), 1u);
    EXPECT_EQ(held.count("m_pAlignData"), 1u);

    ReleaseJournal::Start();
    Access::ClearOrg(c);
    EXPECT_TRUE(ReleasedClasses().empty());
}

// The flags and selectors of one design and the members PrepareDesign must fill under them.
struct DesignCase {
    const char* name;
    int pierTieBeams, columnShape, stopper, kind, footingT01, pileTieBeams, variant, joint;
    std::set<std::string> created;
};

class PrepareDesignCases : public ::testing::TestWithParam<DesignCase> {};

TEST_P(PrepareDesignCases, CreatesExactlyTheSelectedObjects)
{
    const DesignCase& k = GetParam();
    CPM001Norm c;
    c.m_bPierTieBeams = k.pierTieBeams;
    c.m_nColumnShape = k.columnShape;
    c.m_bStopperPedestal = k.stopper;
    c.m_nFoundationKind = k.kind;
    c.m_bFootingT01 = k.footingT01;
    c.m_bPileTieBeams = k.pileTieBeams;
    c.m_nPileCapVariant = k.variant;
    c.m_nPileCapJoint = k.joint;

    const int tieBeamsBefore = LiveCount<CPG008Atom>::Live();
    Access::PrepareDesign(c);
    EXPECT_EQ(HeldMembers(c), k.created);
    const int tieBeamObjects = static_cast<int>(k.created.count("m_pPierTieBeamAtom") +
                                                k.created.count("m_pPileTieBeamAtom"));
    EXPECT_EQ(LiveCount<CPG008Atom>::Live() - tieBeamsBefore, tieBeamObjects);

    ReleaseJournal::Start();
    Access::ClearDesign(c);
    ReleaseJournal::Stop();
    EXPECT_TRUE(HeldMembers(c).empty());
    EXPECT_EQ(ReleasedClasses().size(), k.created.size());
    EXPECT_EQ(LiveCount<CPG008Atom>::Live(), tieBeamsBefore);
}

const std::set<std::string> kAlways = {"m_pAtom", "m_pCapBeamAtom"};

std::set<std::string> With(std::set<std::string> more)
{
    more.insert(kAlways.begin(), kAlways.end());
    return more;
}

INSTANTIATE_TEST_SUITE_P(
    FlagsAndSelectors, PrepareDesignCases,
    ::testing::Values(
        DesignCase{"DefaultsSpreadFooting", 0, 0, 0, 0, 0, 0, 1, 1, With({"m_pRectColumnAtom", "m_pFootingAtom"})},
        DesignCase{"EverythingOnSpreadFooting", 1, 1, 1, 0, 1, 1, 0, 0,
                   With({"m_pPierTieBeamAtom", "m_pCircleColumnAtom", "m_pStopperPedestalAtom", "m_pFootingAtom",
                         "m_pFootingT01Atom"})},
        DesignCase{"FlagsOtherThanOneCountAsOff", 2, -1, 2, 0, 2, 0, 1, 1,
                   With({"m_pCircleColumnAtom", "m_pFootingAtom"})},
        DesignCase{"PilesWithoutTieBeams", 0, 0, 0, 1, 1, 0, 1, 1,
                   With({"m_pRectColumnAtom", "m_pPileAtom", "m_pPileTransitionAtom"})},
        DesignCase{"PilesWithTieBeamsAndPierTieBeams", 1, 0, 1, 1, 0, 1, 0, 0,
                   With({"m_pPierTieBeamAtom", "m_pRectColumnAtom", "m_pStopperPedestalAtom", "m_pPileAtom",
                         "m_pPileTransitionAtom", "m_pPileTieBeamAtom"})},
        DesignCase{"PileCapRectangularWithTransition", 0, 0, 0, 2, 1, 1, 0, 0,
                   With({"m_pRectColumnAtom", "m_pPileCapAtom", "m_pPileCapCT01Atom", "m_pPileCapTransitionAtom"})},
        DesignCase{"PileCapDefaultsArcWithOwnJoint", 0, 1, 1, 2, 0, 0, 1, 1,
                   With({"m_pCircleColumnAtom", "m_pStopperPedestalAtom", "m_pPileCapAtom", "m_pPileCapCT02Atom",
                         "m_pPileCapT0103Atom"})},
        DesignCase{"PileCapThirdBodyUnknownJoint", 0, 0, 0, 2, 0, 0, 2, 2,
                   With({"m_pRectColumnAtom", "m_pPileCapAtom", "m_pPileCapCT03Atom"})},
        DesignCase{"PileCapUnknownBodyTransition", 0, 0, 0, 2, 0, 0, 3, 0,
                   With({"m_pRectColumnAtom", "m_pPileCapAtom", "m_pPileCapTransitionAtom"})},
        DesignCase{"PileCapNegativeSelectors", 0, 0, 0, 2, 0, 0, -1, -1,
                   With({"m_pRectColumnAtom", "m_pPileCapAtom"})},
        DesignCase{"NoFoundationKind", 1, 0, 1, -1, 1, 1, 0, 0,
                   With({"m_pPierTieBeamAtom", "m_pRectColumnAtom", "m_pStopperPedestalAtom"})},
        DesignCase{"FoundationKindOutOfRange", 0, 0, 0, 3, 1, 1, 0, 0, With({"m_pRectColumnAtom"})}),
    [](const ::testing::TestParamInfo<DesignCase>& info) { return std::string(info.param.name); });

// PrepareOrg under the input's foundation selector.
struct OrgCase {
    const char* name;
    int selector;
    int kind;
    const char* foundationMember;   // null: no foundation origin object
};

class PrepareOrgCases : public ::testing::TestWithParam<OrgCase> {};

TEST_P(PrepareOrgCases, TakesTheKindAndCreatesTheOriginObjects)
{
    const OrgCase& k = GetParam();
    CPM001 input;
    input.Name = "P12";
    input.nFoundationType = k.selector;
    CPM001Norm c;
    c.SetUIComponent(&input);
    Access::PrepareOrg(c);

    EXPECT_EQ(c.m_nFoundationKind, k.kind);
    std::set<std::string> expected = {"m_pOrg", "m_pDrawSetting", "m_pCalc"};
    if (k.foundationMember) expected.insert(k.foundationMember);
    EXPECT_EQ(HeldMembers(c), expected);
    EXPECT_EQ(c.GetName(), CString("P12"));
    EXPECT_EQ(c.GetNumber(), 12);
}

INSTANTIATE_TEST_SUITE_P(
    FoundationSelector, PrepareOrgCases,
    ::testing::Values(OrgCase{"SpreadFooting", 2, 0, "m_pFootingOrg"}, OrgCase{"Piles", 0, 1, "m_pPileOrg"},
                      OrgCase{"PileCap", 1, 2, "m_pPileCapOrg"}, OrgCase{"SelectorThree", 3, -1, nullptr},
                      OrgCase{"NegativeSelector", -1, -1, nullptr}),
    [](const ::testing::TestParamInfo<OrgCase>& info) { return std::string(info.param.name); });

TEST(PrepareOrgInput, NameWithoutTrailingDigitsGivesNumberZero)
{
    CPM001 input;
    input.Name = "东岸墩";
    CPM001Norm c;
    c.SetUIComponent(&input);
    Access::PrepareOrg(c);
    EXPECT_EQ(c.GetName(), CString("东岸墩"));
    EXPECT_EQ(c.GetNumber(), 0);
}

TEST(PrepareOrgInput, WithoutAnInputObjectTheNameStaysAndNoFoundationIsMade)
{
    CPM001Norm c;
    Access::PrepareOrg(c);
    EXPECT_EQ(c.m_nFoundationKind, -1);
    EXPECT_EQ(HeldMembers(c), (std::set<std::string>{"m_pOrg", "m_pDrawSetting", "m_pCalc"}));
    EXPECT_TRUE(c.GetName().IsEmpty());
}

TEST(PrepareOrgInput, AnInputObjectOfAnotherKindCountsAsNone)
{
    CPM001Norm other;   // a CObject, but no CPM001
    CPM001Norm c;
    c.SetUIComponent(&other);
    Access::PrepareOrg(c);
    EXPECT_EQ(c.m_nFoundationKind, -1);
    EXPECT_EQ(c.m_pFootingOrg, nullptr);
}

TEST_F(ComponentLifetime, ReceivingAgainReleasesTheEarlierOriginObjectsFirst)
{
    CPM001 input;
    input.nFoundationType = 2;
    CPM001Norm c;
    c.SetUIComponent(&input);
    Access::PrepareOrg(c);
    input.nFoundationType = 1;
    ReleaseJournal::Start();
    Access::ClearOrg(c);
    Access::PrepareOrg(c);
    EXPECT_EQ(ReleasedClasses(), (Names{"CPM001org", "CPG001org", "CPM001DrawSetting"}));
    EXPECT_EQ(c.m_nFoundationKind, 2);
    EXPECT_EQ(c.m_pFootingOrg, nullptr);
    EXPECT_NE(c.m_pPileCapOrg, nullptr);
}

} // namespace
