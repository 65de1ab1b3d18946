// The component's origin, design and adjustment data sets: their layouts, checked against byte
// sequences put together by hand from the parts, and what loading creates and releases.
#include "module/owned_objects.h"
#include "module/pier_component_test_access.h"

#include "calc/pm001_calc.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "host/cpm001_input.h"
#include "host/live_count.h"
#include "host/project_manager.h"
#include "host/road_norm.h"
#include "input/pier_origin_data.h"
#include "mfc/carchive.h"
#include "pier/drawing_options.h"
#include "pier/pier_design_record.h"
#include "pier/stopper_pedestal_atom.h"
#include "siblings/columns.h"
#include "siblings/pile_cap.h"
#include "siblings/pile_column_transition.h"
#include "siblings/pile_foundation.h"
#include "siblings/spread_footing.h"
#include "siblings/tie_beams.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

namespace {

using Access = CPM001NormTestAccess;
using Bytes = std::vector<unsigned char>;

Bytes Int(int v)
{
    const auto u = static_cast<unsigned>(v);
    return {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8), static_cast<unsigned char>(u >> 16),
            static_cast<unsigned char>(u >> 24)};
}

Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

template <class Walk>
Bytes Stored(Walk walk)
{
    Bytes bytes;
    CArchive ar(bytes, CArchive::store);
    walk(ar);
    return bytes;
}

// The design data form of an object as its own operation writes it.
template <class T>
Bytes DesignForm(T& object)
{
    return Stored([&](CArchive& ar) { object.SerializeDesignData(ar); });
}

template <class T>
Bytes OriginForm(T& object)
{
    return Stored([&](CArchive& ar) { object.SerializeOriginData(ar); });
}

template <class T>
Bytes DefaultDesignForm()
{
    T object;
    return DesignForm(object);
}

Bytes OriginSet(CPM001Norm& c) { return Stored([&](CArchive& ar) { c.SerializeOriginData(ar); }); }
Bytes DesignSet(CPM001Norm& c) { return Stored([&](CArchive& ar) { c.SerializeDesignData(ar); }); }
Bytes AdjustSet(CPM001Norm& c) { return Stored([&](CArchive& ar) { c.SerializeAdjustData(ar); }); }

// Loads a whole set; every byte must be read.
template <class Load>
void LoadAll(const Bytes& bytes, Load load)
{
    CArchive ar(bytes.data(), bytes.size());
    load(ar);
    EXPECT_EQ(ar.GetRemaining(), 0u);
}

void LoadOrigin(CPM001Norm& c, const Bytes& b) { LoadAll(b, [&](CArchive& ar) { c.SerializeOriginData(ar); }); }
void LoadDesign(CPM001Norm& c, const Bytes& b) { LoadAll(b, [&](CArchive& ar) { c.SerializeDesignData(ar); }); }

// The engine's origin part for working directory "W" and nothing else: form 0x0101, the texts
// "W", "", "", "", "" and two switches 0.
const Bytes kCalcOriginW = {0x01, 0x01, 0x00, 0x00, 0x01, 'W',  0x00, 0x00, 0x00, 0x00,
                            0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
// The engine's design part of a fresh engine: form 0x0202, test switch 0, two empty texts, switch 0,
// no key record.
const Bytes kCalcDesignFresh = {0x02, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
// The engine's adjustment part without a user-adjusted set.
const Bytes kCalcAdjustFresh = {0x02, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

// The drawing options with fZT = 1 and everything else 0: 80 bytes, fZT the second int.
Bytes DrawingWithZT()
{
    Bytes bytes(80, 0x00);
    bytes[4] = 0x01;
    return bytes;
}

// A component holding the origin objects of the input's selector, named "P3" (number 3), with
// recognisable values in the pier's and the foundation's origin data, the engine's working
// directory "W" and the drawing option fZT = 1.
class OriginSets : public ::testing::Test {
protected:
    void Prepare(int selector)
    {
        input.Name = "P3";
        input.nFoundationType = selector;
        c.SetUIComponent(&input);
        Access::PrepareOrg(c);
        c.m_pOrg->bAc = 6750.0;
        if (c.m_pFootingOrg) c.m_pFootingOrg->lKs_JICHU = 3000.0;
        if (c.m_pPileOrg) c.m_pPileOrg->rZ_JICHU = 1500.0;
        if (c.m_pPileCapOrg) c.m_pPileCapOrg->lT_JICHU = 8000.0;
        c.m_pCalc->SetWorkDir("W");
        c.m_pDrawSetting->fZT = 1;
    }

    // name "P3", number 3, the pier's origin data, then the four ints.
    Bytes Head(int tieBeams, int shape, int stopper, int kind)
    {
        return Cat({{0x02, 'P', '3'}, Int(3), OriginForm(*c.m_pOrg), Int(tieBeams), Int(shape), Int(stopper), Int(kind)});
    }

    CPM001 input;
    CPM001Norm c;
};

TEST_F(OriginSets, PileCapVariantOneJointZeroLayout)
{
    Prepare(1);
    c.m_bPierTieBeams = 1;
    c.m_nColumnShape = 0;
    c.m_bStopperPedestal = 1;
    c.m_nPileCapVariant = 1;
    c.m_nPileCapJoint = 0;

    const Bytes stored = OriginSet(c);
    EXPECT_EQ(stored, Cat({Head(1, 0, 1, 2), OriginForm(*c.m_pPileCapOrg), Int(1), Int(0), kCalcOriginW,
                           DrawingWithZT()}));

    // Decoded by a new, initialised component.
    CPM001Norm loaded;
    loaded.InitialUpdate();
    LoadOrigin(loaded, stored);
    EXPECT_EQ(loaded.GetName(), CString("P3"));
    EXPECT_EQ(loaded.GetNumber(), 3);
    EXPECT_EQ(loaded.m_nFoundationKind, 2);
    EXPECT_EQ(loaded.m_nPileCapVariant, 1);
    EXPECT_EQ(loaded.m_nPileCapJoint, 0);
    EXPECT_EQ(loaded.m_bPierTieBeams, 1);
    EXPECT_EQ(loaded.m_nColumnShape, 0);
    EXPECT_EQ(loaded.m_bStopperPedestal, 1);
    EXPECT_EQ(HeldMembers(loaded), (std::set<std::string>{"m_pOrg", "m_pPileCapOrg", "m_pDrawSetting", "m_pCalc"}));
    EXPECT_DOUBLE_EQ(loaded.m_pOrg->bAc, 6750.0);
    EXPECT_DOUBLE_EQ(loaded.m_pPileCapOrg->lT_JICHU, 8000.0);
    EXPECT_EQ(loaded.m_pCalc->GetWorkDir(), CString("W"));
    EXPECT_EQ(loaded.m_pDrawSetting->fZT, 1);
    EXPECT_EQ(OriginSet(loaded), stored);
}

TEST_F(OriginSets, SpreadFootingLayout)
{
    Prepare(2);
    c.m_bStopperPedestal = 1;
    c.m_bFootingT01 = 1;
    const Bytes stored = OriginSet(c);
    EXPECT_EQ(stored, Cat({Head(0, 0, 1, 0), OriginForm(*c.m_pFootingOrg), Int(1), kCalcOriginW, DrawingWithZT()}));

    CPM001Norm loaded;
    loaded.InitialUpdate();
    LoadOrigin(loaded, stored);
    EXPECT_EQ(loaded.m_nFoundationKind, 0);
    EXPECT_EQ(loaded.m_bFootingT01, 1);
    EXPECT_EQ(HeldMembers(loaded), (std::set<std::string>{"m_pOrg", "m_pFootingOrg", "m_pDrawSetting", "m_pCalc"}));
    EXPECT_DOUBLE_EQ(loaded.m_pFootingOrg->lKs_JICHU, 3000.0);
}

TEST_F(OriginSets, PileFoundationLayout)
{
    Prepare(0);
    c.m_nColumnShape = 1;
    c.m_bPileTieBeams = 1;
    const Bytes stored = OriginSet(c);
    EXPECT_EQ(stored, Cat({Head(0, 1, 0, 1), OriginForm(*c.m_pPileOrg), Int(1), kCalcOriginW, DrawingWithZT()}));

    CPM001Norm loaded;
    loaded.InitialUpdate();
    LoadOrigin(loaded, stored);
    EXPECT_EQ(loaded.m_nFoundationKind, 1);
    EXPECT_EQ(loaded.m_bPileTieBeams, 1);
    EXPECT_EQ(loaded.m_nColumnShape, 1);
    EXPECT_EQ(HeldMembers(loaded), (std::set<std::string>{"m_pOrg", "m_pPileOrg", "m_pDrawSetting", "m_pCalc"}));
    EXPECT_DOUBLE_EQ(loaded.m_pPileOrg->rZ_JICHU, 1500.0);
}

TEST_F(OriginSets, UnknownKindHasNothingBetweenTheIntsAndTheEnginePart)
{
    Prepare(5);
    ASSERT_EQ(c.m_nFoundationKind, -1);
    const Bytes stored = OriginSet(c);
    EXPECT_EQ(stored, Cat({Head(0, 0, 0, -1), kCalcOriginW, DrawingWithZT()}));

    CPM001Norm loaded;
    loaded.InitialUpdate();
    LoadOrigin(loaded, stored);
    EXPECT_EQ(loaded.m_nFoundationKind, -1);
    EXPECT_EQ(HeldMembers(loaded), (std::set<std::string>{"m_pOrg", "m_pDrawSetting", "m_pCalc"}));
    EXPECT_EQ(OriginSet(loaded), stored);
}

// Storing writes the form of a default object for each object missing, and creates nothing.
TEST(OriginSet, MissingObjectsAreStoredAsDefaultsAndLoadBackEmpty)
{
    CPM001Norm fresh;   // kind 0, no object at all
    const Bytes stored = OriginSet(fresh);
    EXPECT_TRUE(HeldMembers(fresh).empty());

    CPM001org org;
    CPG001org footing;
    CPM001DrawSetting drawing;
    const Bytes calcOrigin = {0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                              0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(stored, Cat({{0x00}, Int(0), OriginForm(org), Int(0), Int(0), Int(0), Int(0), OriginForm(footing), Int(0),
                           calcOrigin, OriginForm(drawing)}));

    CPM001Norm loaded;
    loaded.InitialUpdate();
    LoadOrigin(loaded, stored);
    EXPECT_EQ(HeldMembers(loaded), (std::set<std::string>{"m_pOrg", "m_pFootingOrg", "m_pDrawSetting", "m_pCalc"}));
    EXPECT_EQ(OriginSet(loaded), stored);
}

TEST(OriginSet, LoadingWithoutACalculationObjectCreatesIt)
{
    CPM001 input;
    input.Name = "P3";
    CPM001Norm source;
    source.SetUIComponent(&input);
    Access::PrepareOrg(source);
    source.m_pCalc->SetWorkDir("W");
    const Bytes stored = OriginSet(source);

    CPM001Norm bare;   // never initialised
    LoadOrigin(bare, stored);
    ASSERT_NE(bare.m_pCalc, nullptr);
    EXPECT_EQ(bare.m_pCalc->GetWorkDir(), CString("W"));
}

// The engine is handed the project and road data before it reads its stored part, which keeps
// the texts it stored.
TEST(OriginSet, LoadingHandsTheEngineTheProjectAndRoadData)
{
    CPM001 input;
    input.Name = "P3";
    CPM001Norm source;
    source.SetUIComponent(&input);
    Access::PrepareOrg(source);
    source.m_pCalc->SetWorkDir("W");
    const Bytes stored = OriginSet(source);

    CProjectManager manager;
    manager.SetProjectPath("D:\\other\\");
    CRoadNorm road;
    CPM001Norm loaded;
    loaded.SetProjectManager(&manager);
    loaded.SetRoadNorm(&road);
    loaded.InitialUpdate();
    LoadOrigin(loaded, stored);
    EXPECT_EQ(loaded.m_pCalc->GetWorkDir(), CString("W"));
    EXPECT_EQ(loaded.m_pCalc->GetPaperSetting(), manager.GetPaperSetting());
    EXPECT_EQ(loaded.m_pCalc->GetRoadGeneral(), road.GetRoadGeneral());
    EXPECT_EQ(loaded.m_pCalc->GetRoadSoil(), road.GetRoadSoil());
}

// Loading over a component that holds objects: the design objects and the origin objects the set
// replaces are released, each once and first; the engine and the alignment record stay.
TEST_F(OriginSets, LoadingReleasesWhatTheSetReplaces)
{
    Prepare(1);
    const Bytes stored = OriginSet(c);

    CPM001Norm target;
    FillEveryMember(target);
    const CPM001Calc* calc = target.m_pCalc.get();
    ReleaseJournal::Start();
    LoadOrigin(target, stored);
    ReleaseJournal::Stop();
    std::vector<std::string> expected = {
        "CPM001Atom", "CPG008Atom", "CPC001T01ZD01Atom", "CPC001T01ZD02Atom", "CPM001T0101Atom", "CPM001DS01Atom",
        "CPG001Atom", "CPG001T01Atom", "CPG002Atom", "CPG005Atom", "CPG008Atom", "CPG003Atom", "CPG003CT01Atom",
        "CPG003CT02Atom", "CPG003CT03Atom", "CPG005Atom", "CPG003T0103Atom", "CPM001org", "CPG001org", "CPG002org",
        "CPG003org", "CPM001DrawSetting"};
    EXPECT_EQ(ReleasedClasses(), expected);
    EXPECT_EQ(HeldMembers(target),
              (std::set<std::string>{"m_pOrg", "m_pPileCapOrg", "m_pDrawSetting", "m_pCalc", "m_pAlignData"}));
    EXPECT_EQ(target.m_pCalc.get(), calc);
    EXPECT_DOUBLE_EQ(target.m_pPileCapOrg->lT_JICHU, 8000.0);
}

// A damaged set ends in the archive exception; what it replaces is gone already, so no object
// of the earlier origin data is left mixed with the new.
TEST_F(OriginSets, DamagedSetLeavesNoObjectOfTheEarlierData)
{
    Prepare(1);
    const Bytes stored = OriginSet(c);
    const std::size_t headSize = Head(0, 0, 0, 2).size();
    const Bytes cut(stored.begin(), stored.begin() + static_cast<std::ptrdiff_t>(headSize));

    CPM001Norm target;
    FillEveryMember(target);
    CArchive ar(cut.data(), cut.size());
    EXPECT_THROW(target.SerializeOriginData(ar), CArchiveException);
    EXPECT_EQ(HeldMembers(target), (std::set<std::string>{"m_pOrg", "m_pCalc", "m_pAlignData"}));
}

TEST_F(OriginSets, EveryTruncationEndsInTheArchiveException)
{
    Prepare(1);
    const Bytes stored = OriginSet(c);
    for (std::size_t size = 0; size < stored.size(); ++size) {
        CPM001Norm target;
        target.InitialUpdate();
        CArchive ar(stored.data(), size);
        EXPECT_THROW(target.SerializeOriginData(ar), CArchiveException) << "size " << size;
    }
}

// ---------------------------------------------------------------------------------------------
// Design data set

// Flags of a pier with tie beams, circular columns, stoppers, on a pile cap of the third body
// form with its own joint; the design objects as PrepareDesign makes them.
void PileCapPier(CPM001Norm& c, int variant, int joint)
{
    c.m_bPierTieBeams = 1;
    c.m_nColumnShape = 1;
    c.m_bStopperPedestal = 1;
    c.m_nFoundationKind = 2;
    c.m_nPileCapVariant = variant;
    c.m_nPileCapJoint = joint;
    Access::PrepareDesign(c);
}

TEST(DesignSet, CapBeamWithoutPMorPTHoldsExactlyTwoObjects)
{
    CPM001Norm c;
    PileCapPier(c, 2, 1);
    c.InitialUpdate();
    ASSERT_EQ(c.m_pCapBeamAtom->PMorPT, 0);
    const Bytes stored = DesignSet(c);
    EXPECT_EQ(stored, Cat({DesignForm(*c.m_pAtom), DesignForm(*c.m_pCapBeamAtom)}));

    // Read over a component holding every object: the siblings go and none comes back; the
    // engine's design part is not read.
    CPM001Norm target;
    FillEveryMember(target);
    target.m_nFoundationKind = 2;
    target.m_pCalc->SetTestData(3, "k.json");
    LoadDesign(target, stored);
    const std::set<std::string> design = {"m_pAtom", "m_pCapBeamAtom"};
    std::set<std::string> held = HeldMembers(target);
    for (const char* origin : {"m_pDrawSetting", "m_pAlignData", "m_pOrg", "m_pFootingOrg", "m_pPileOrg",
                               "m_pPileCapOrg", "m_pCalc"})
        held.erase(origin);
    EXPECT_EQ(held, design);
    EXPECT_EQ(target.m_pCapBeamAtom->IsFromFile(), 1);
    EXPECT_EQ(target.m_pCalc->GetTestFlag(), 3);
    EXPECT_EQ(target.m_pCalc->GetKeyParamPath(), CString("k.json"));
}

TEST(DesignSet, PileCapOfTheThirdBodyStoresAndReadsItsBody)
{
    CPM001Norm c;
    PileCapPier(c, 2, 1);
    c.InitialUpdate();
    c.m_pCapBeamAtom->PMorPT = 1;
    const Bytes stored = DesignSet(c);
    EXPECT_EQ(stored, Cat({DesignForm(*c.m_pAtom), DesignForm(*c.m_pCapBeamAtom), DefaultDesignForm<CPG008Atom>(),
                           DefaultDesignForm<CPC001T01ZD02Atom>(), DefaultDesignForm<CPM001DS01Atom>(),
                           DefaultDesignForm<CPG003Atom>(), DefaultDesignForm<CPG003CT03Atom>(),
                           DefaultDesignForm<CPG003T0103Atom>(), kCalcDesignFresh}));

    CPM001Norm loaded;
    loaded.InitialUpdate();
    loaded.m_bPierTieBeams = 1;
    loaded.m_nColumnShape = 1;
    loaded.m_bStopperPedestal = 1;
    loaded.m_nFoundationKind = 2;
    loaded.m_nPileCapVariant = 2;
    loaded.m_nPileCapJoint = 1;
    LoadDesign(loaded, stored);
    EXPECT_EQ(HeldMembers(loaded),
              (std::set<std::string>{"m_pAtom", "m_pPierTieBeamAtom", "m_pCircleColumnAtom", "m_pCapBeamAtom",
                                     "m_pStopperPedestalAtom", "m_pPileCapAtom", "m_pPileCapCT03Atom",
                                     "m_pPileCapT0103Atom", "m_pCalc"}));
    EXPECT_EQ(loaded.m_pPileCapCT03Atom->IsDesigned(), 0);
    EXPECT_EQ(DesignSet(loaded), stored);
}

struct DesignLayoutCase {
    const char* name;
    int kind, footingT01, pileTieBeams, variant, joint;
};

class DesignLayouts : public ::testing::TestWithParam<DesignLayoutCase> {};

// The foundation's rows by kind, with every object missing: each is stored in its default form,
// nothing is created, and the set loads back to empty objects that store the same bytes.
TEST_P(DesignLayouts, FoundationRowsFollowTheKind)
{
    const DesignLayoutCase& k = GetParam();
    CPM001Norm c;
    c.m_nFoundationKind = k.kind;
    c.m_bFootingT01 = k.footingT01;
    c.m_bPileTieBeams = k.pileTieBeams;
    c.m_nPileCapVariant = k.variant;
    c.m_nPileCapJoint = k.joint;
    c.m_pAtom = std::make_unique<CPM001Atom>();
    c.m_pCapBeamAtom = std::make_unique<CPM001T0101Atom>();
    c.m_pCapBeamAtom->PMorPT = 1;

    Bytes foundation;
    auto add = [&](const Bytes& part) { foundation.insert(foundation.end(), part.begin(), part.end()); };
    switch (k.kind) {
    case 0:
        add(DefaultDesignForm<CPG001Atom>());
        if (k.footingT01 == 1) add(DefaultDesignForm<CPG001T01Atom>());
        break;
    case 1:
        add(DefaultDesignForm<CPG002Atom>());
        add(DefaultDesignForm<CPG005Atom>());
        if (k.pileTieBeams == 1) add(DefaultDesignForm<CPG008Atom>());
        break;
    case 2:
        add(DefaultDesignForm<CPG003Atom>());
        if (k.variant == 0) add(DefaultDesignForm<CPG003CT01Atom>());
        if (k.variant == 1) add(DefaultDesignForm<CPG003CT02Atom>());
        if (k.joint == 0) add(DefaultDesignForm<CPG005Atom>());
        if (k.joint == 1) add(DefaultDesignForm<CPG003T0103Atom>());
        break;
    default:
        break;
    }
    const Bytes stored = DesignSet(c);
    EXPECT_EQ(stored, Cat({DesignForm(*c.m_pAtom), DesignForm(*c.m_pCapBeamAtom),
                           DefaultDesignForm<CPC001T01ZD01Atom>(), foundation, kCalcDesignFresh}));
    EXPECT_EQ(HeldMembers(c), (std::set<std::string>{"m_pAtom", "m_pCapBeamAtom"}));

    CPM001Norm loaded;
    loaded.m_nFoundationKind = k.kind;
    loaded.m_bFootingT01 = k.footingT01;
    loaded.m_bPileTieBeams = k.pileTieBeams;
    loaded.m_nPileCapVariant = k.variant;
    loaded.m_nPileCapJoint = k.joint;
    LoadDesign(loaded, stored);
    EXPECT_NE(loaded.m_pCalc, nullptr);   // loading without an engine creates it
    EXPECT_EQ(DesignSet(loaded), stored);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DesignLayouts,
    ::testing::Values(DesignLayoutCase{"FootingWithSecondObject", 0, 1, 0, 1, 1},
                      DesignLayoutCase{"FootingAlone", 0, 0, 1, 1, 1},
                      DesignLayoutCase{"PilesWithTieBeams", 1, 0, 1, 1, 1},
                      DesignLayoutCase{"PilesAlone", 1, 1, 0, 1, 1},
                      DesignLayoutCase{"PileCapRectangularTransition", 2, 0, 0, 0, 0},
                      DesignLayoutCase{"PileCapArcOwnJoint", 2, 0, 0, 1, 1},
                      DesignLayoutCase{"PileCapUnknownSelectors", 2, 0, 0, 3, 2},
                      DesignLayoutCase{"NoFoundation", -1, 1, 1, 1, 1}),
    [](const ::testing::TestParamInfo<DesignLayoutCase>& info) { return std::string(info.param.name); });

TEST(DesignSet, WithoutAnyObjectTheDefaultCapBeamEndsTheSet)
{
    CPM001Norm fresh;
    const Bytes stored = DesignSet(fresh);
    EXPECT_EQ(stored, Cat({DefaultDesignForm<CPM001Atom>(), DefaultDesignForm<CPM001T0101Atom>()}));
    EXPECT_TRUE(HeldMembers(fresh).empty());
}

TEST(DesignSet, LoadingReleasesTheHeldDesignObjectsFirst)
{
    CPM001Norm source;
    source.m_nFoundationKind = 0;
    Access::PrepareDesign(source);
    const Bytes stored = DesignSet(source);   // PMorPT 0: two objects

    CPM001Norm target;
    FillEveryMember(target);
    ReleaseJournal::Start();
    LoadDesign(target, stored);
    ReleaseJournal::Stop();
    // The objects held go first, in the release order of the design objects; what the loaders
    // of the new objects release inside themselves may follow.
    std::vector<std::string> released = ReleasedClasses();
    ASSERT_GE(released.size(), 17u);
    released.resize(17);
    EXPECT_EQ(released,
              (std::vector<std::string>{"CPM001Atom", "CPG008Atom", "CPC001T01ZD01Atom", "CPC001T01ZD02Atom",
                                        "CPM001T0101Atom", "CPM001DS01Atom", "CPG001Atom", "CPG001T01Atom",
                                        "CPG002Atom", "CPG005Atom", "CPG008Atom", "CPG003Atom", "CPG003CT01Atom",
                                        "CPG003CT02Atom", "CPG003CT03Atom", "CPG005Atom", "CPG003T0103Atom"}));
}

TEST(DesignSet, EveryTruncationEndsInTheArchiveException)
{
    CPM001Norm c;
    PileCapPier(c, 0, 0);
    c.m_pCapBeamAtom->PMorPT = 1;
    const Bytes stored = DesignSet(c);
    for (std::size_t size = 0; size < stored.size(); ++size) {
        CPM001Norm target;
        target.m_bPierTieBeams = 1;
        target.m_nColumnShape = 1;
        target.m_bStopperPedestal = 1;
        target.m_nFoundationKind = 2;
        target.m_nPileCapVariant = 0;
        target.m_nPileCapJoint = 0;
        CArchive ar(stored.data(), size);
        EXPECT_THROW(target.SerializeDesignData(ar), CArchiveException) << "size " << size;
    }
}

// ---------------------------------------------------------------------------------------------
// Adjustment data set

TEST(AdjustSet, StoringWithoutAnEngineWritesAnEmptyPartAndCreatesNone)
{
    CPM001Norm fresh;
    EXPECT_EQ(AdjustSet(fresh), kCalcAdjustFresh);
    EXPECT_EQ(fresh.m_pCalc, nullptr);

    CPM001Norm loaded;
    LoadAll(kCalcAdjustFresh, [&](CArchive& ar) { loaded.SerializeAdjustData(ar); });
    ASSERT_NE(loaded.m_pCalc, nullptr);
    EXPECT_FALSE(loaded.m_pCalc->HasUserDesignData());
}

TEST(AdjustSet, IsTheEnginesAdjustmentPart)
{
    CPM001Norm c;
    c.InitialUpdate();
    EXPECT_EQ(AdjustSet(c), kCalcAdjustFresh);
    const CPM001Calc* calc = c.m_pCalc.get();
    LoadAll(kCalcAdjustFresh, [&](CArchive& ar) { c.SerializeAdjustData(ar); });
    EXPECT_EQ(c.m_pCalc.get(), calc);   // read in place
}

} // namespace
