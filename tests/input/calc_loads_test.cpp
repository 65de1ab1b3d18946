// CPM001org::Get_Cal_Load: the engine's load record filled from the input's loads, and bad load tables.
#include "calc/pm001_load.h"
#include "host/cpm001_input.h"
#include "host/report.h"
#include "input/pier_origin_data.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

CStringArray Texts(std::initializer_list<const char*> texts)
{
    CStringArray list;
    for (const char* t : texts) list.Add(t);
    return list;
}

void ExpectValues(const CArray<double>& list, const std::vector<double>& expected)
{
    ASSERT_EQ(list.GetSize(), static_cast<int>(expected.size()));
    for (int i = 0; i < list.GetSize(); ++i) EXPECT_DOUBLE_EQ(list[i], expected[static_cast<std::size_t>(i)]) << i;
}

class CalcLoads : public ::testing::Test {
protected:
    CPM001org org;
    CPM001 input;
    CPM001Load record;

    void SetUp() override { ReportLog::Current().Clear(); }
    void TearDown() override { ReportLog::Current().Clear(); }

    const std::vector<ReportEntry>& Entries() const { return ReportLog::Current().Entries(); }

    // A deck layout of two loading positions, the first with two supports, the second with none;
    // two longitudinal positions with a T-girder and a hollow slab; two road-line parameters.
    CCalGenDeckLayout& UseDeckLayout()
    {
        input.LiveLoadMode = 1;
        CCalGenDeckLayout& deck = input.m_DeckLayout.emplace();
        deck.m_DeckValue = 2.5;
        deck.m_PositionName = Texts({"P1", "P2"});
        deck.m_XLoad = Texts({"1000", "2000"});
        deck.m_YLoad = Texts({"0", "-500"});
        deck.m_SupportName.Add(Texts({"Z1", "Z2"}));
        deck.m_SupportName.Add(CStringArray());
        deck.m_ForceZhiZuo.Add(Texts({"300", "310.5"}));
        deck.m_ForceZhiZuo.Add(CStringArray());
        deck.m_YLong = Texts({"0", "15000"});
        CCalGenBeamProperty tGirder;
        tGirder.nKind = 0;
        tGirder.dSpan = 30000.0;
        CCalGenBeamProperty slab;
        slab.nKind = 2;
        slab.dSpan = 16000.0;
        deck.m_BeamProperty.Add(tGirder);
        deck.m_BeamProperty.Add(slab);
        deck.m_XRoad = Texts({"1", "2"});
        deck.m_YRoad = Texts({"3"});
        return deck;
    }

    // The single diagnostic reported, checked for its key, message, label and part.
    void ExpectOneDiagnostic(const char* key, const CString& message)
    {
        ASSERT_EQ(Entries().size(), 1u);
        const ReportEntry& e = Entries()[0];
        EXPECT_EQ(e.kind, ReportEntry::Diagnose);
        EXPECT_EQ(e.keys, key);
        EXPECT_EQ(e.message, message);
        EXPECT_EQ(e.label, 0u);
        EXPECT_EQ(e.part, 6u);
    }
};

// --- Values passed through ---------------------------------------------------------------------

TEST_F(CalcLoads, OptionsValuesAndListsInTheEnginesOrder)
{
    input.LoadOption1 = 1; input.LoadOption2 = 2; input.LoadOption3 = 3; input.LoadOption4 = 4;
    input.LoadOption5 = 5; input.LoadOption6 = 6; input.LoadOption7 = 7;
    input.LoadValue1 = 1.5; input.LoadValue2 = 2.5; input.LoadValue3 = 3.5;
    input.LoadList1 = "2*150,200";
    input.LoadList6 = "1；2";
    input.LoadNumber = 12;
    ASSERT_EQ(org.Get_Cal_Load(&record, &input), 1);
    EXPECT_EQ(record.LoadOpt1, 1);
    EXPECT_EQ(record.LoadOpt2, 3);          // the input's third
    EXPECT_EQ(record.LoadOpt3, 2);          // the input's second
    EXPECT_EQ(record.LoadOpt4, 4);
    EXPECT_EQ(record.LoadOpt5, 5);
    EXPECT_EQ(record.LoadOpt6, 6);
    EXPECT_EQ(record.LoadOpt7, 7);
    EXPECT_DOUBLE_EQ(record.LoadValue1, 1.5);
    EXPECT_DOUBLE_EQ(record.LoadValue2, 2.5);
    EXPECT_DOUBLE_EQ(record.LoadValue3, 3.5);
    ExpectValues(record.LoadList1, {150.0, 150.0, 200.0});
    EXPECT_TRUE(record.LoadList2.IsEmpty());
    ExpectValues(record.LoadList6, {1.0, 2.0});
    EXPECT_EQ(record.LoadName, "12");
    EXPECT_TRUE(Entries().empty());
}

TEST_F(CalcLoads, FoundationLayoutAndTheExtraLoadPair)
{
    struct Case {
        int baseLayMode;
        double a, b;
        int separate, extraOn;
    } cases[] = {
        {0, 0.0, 5.0, 1, 0},
        {1, 5.0, 0.0, 0, 0},
        {1, -2.0, 5.0, 0, 1},
        {0, 0.0, 0.0, 1, 0},
    };
    for (const Case& c : cases) {
        org.BaseLayMode = c.baseLayMode;
        input.ExtraLoadA = c.a;
        input.ExtraLoadB = c.b;
        ASSERT_EQ(org.Get_Cal_Load(&record, &input), 1);
        EXPECT_EQ(record.SeparateFoundations, c.separate) << c.baseLayMode;
        EXPECT_EQ(record.ExtraLoadOn, c.extraOn) << c.a << " " << c.b;
        EXPECT_DOUBLE_EQ(record.ExtraLoadA, c.a);
        EXPECT_DOUBLE_EQ(record.ExtraLoadB, c.b);
    }
}

TEST_F(CalcLoads, ANullInputWritesNothing)
{
    record.LoadOpt1 = 9;
    EXPECT_EQ(org.Get_Cal_Load(&record, nullptr), 0);
    EXPECT_EQ(org.Get_Cal_Load(nullptr, &input), 0);
    EXPECT_EQ(record.LoadOpt1, 9);
    EXPECT_FALSE(record.PG001Load);
}

// --- Reactions at nodes ------------------------------------------------------------------------

TEST_F(CalcLoads, NodeForcesPairNamesWithTheirForcesAndLabels)
{
    input.m_NodeName = Texts({"N1", "N2"});
    input.m_NodeForce = Texts({"120.5", " 80"});
    input.m_NodeLabel = Texts({"L1"});
    ASSERT_EQ(org.Get_Cal_Load(&record, &input), 1);
    ASSERT_EQ(record.NodeForces.GetSize(), 2);
    EXPECT_EQ(record.NodeForces[0].Label, "L1");
    EXPECT_EQ(record.NodeForces[0].Name, "N1");
    EXPECT_DOUBLE_EQ(record.NodeForces[0].Force, 120.5);
    EXPECT_EQ(record.NodeForces[1].Label, "");
    EXPECT_EQ(record.NodeForces[1].Name, "N2");
    EXPECT_DOUBLE_EQ(record.NodeForces[1].Force, 80.0);
    EXPECT_EQ(input.m_NodeLabel.GetSize(), 1);   // the input is left as entered
}

TEST_F(CalcLoads, NodeListsOfDifferentCountsPassNoForces)
{
    input.m_NodeName = Texts({"N1", "N2"});
    input.m_NodeForce = Texts({"abc"});
    ASSERT_EQ(org.Get_Cal_Load(&record, &input), 1);
    EXPECT_TRUE(record.NodeForces.IsEmpty());
    EXPECT_TRUE(Entries().empty());
}

TEST_F(CalcLoads, ABadForceStopsThePreparationWithItsDiagnostic)
{
    input.m_NodeName = Texts({"N1", "N2"});
    input.m_NodeForce = Texts({"100", "12a"});
    input.LoadValue1 = 7.0;
    EXPECT_EQ(org.Get_Cal_Load(&record, &input), 0);
    ExpectOneDiagnostic("m_NodeForce", "“支反力”中第2个数据“12a”不是有效的数字，m_NodeForce有错误．");
    EXPECT_EQ(Entries()[0].item, 1u);
    EXPECT_TRUE(record.NodeForces.IsEmpty());
    EXPECT_DOUBLE_EQ(record.LoadValue1, 0.0);   // the steps after it are not reached
    EXPECT_FALSE(record.PG001Load);
}

// A load list is read as the pier's lists are: a bad item is reported under the list's key and
// stops the preparation, so that no list the user did not write reaches the engine.
TEST_F(CalcLoads, BadLoadListItemsAreReportedUnderTheirKeys)
{
    struct Case {
        CString PM001LoadInput::*list;
        std::string text;
        const char* key;
        const char* message;   // nullptr: the list is read
        unsigned long item;
    };
    const Case cases[] = {
        {&PM001LoadInput::LoadList1, "100,abc,300", "LoadList1", "“荷载列表1”中第2个数据“abc”不是有效的数字，LoadList1有错误．", 1},
        {&PM001LoadInput::LoadList3, "100,200mm,300", "LoadList3",
         "“荷载列表3”中第2个数据“200mm”不是有效的数字，LoadList3有错误．", 1},
        {&PM001LoadInput::LoadList6, "9999*1,5", "LoadList6", nullptr, 0},
        {&PM001LoadInput::LoadList6, "10000*1,5", "LoadList6", "“荷载列表6”中数据个数过大,不能大于10000，LoadList6有错误．", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 16));
        ReportLog::Current().Clear();
        CPM001 fresh;
        CPM001Load target;
        fresh.*c.list = c.text.c_str();
        if (!c.message) {
            ASSERT_EQ(org.Get_Cal_Load(&target, &fresh), 1);
            EXPECT_EQ(target.LoadList6.GetSize(), 10000);
            EXPECT_TRUE(Entries().empty());
            continue;
        }
        EXPECT_EQ(org.Get_Cal_Load(&target, &fresh), 0);
        ExpectOneDiagnostic(c.key, c.message);
        EXPECT_EQ(Entries()[0].item, c.item);
        EXPECT_FALSE(target.PG001Load);   // the steps after it are not reached
    }
}

// --- Live loads --------------------------------------------------------------------------------

TEST_F(CalcLoads, BothLiveLoadSurfacesWhenTheSecondSpanIsLoadedOnItsOwn)
{
    input.m_LiveLoadSurface1.m_LaneName = Texts({"车道1"});
    input.m_LiveLoadSurface2.m_LaneName = Texts({"车道2", "车道3"});
    ASSERT_EQ(org.Get_Cal_Load(&record, &input), 1);
    EXPECT_EQ(record.LiveLoadMode, 0);
    EXPECT_EQ(record.SpanAlign1.Filled, 1);
    ASSERT_EQ(record.SpanAlign1.Surface.m_LaneName.GetSize(), 1);
    EXPECT_EQ(record.SpanAlign1.Surface.m_LaneName[0], "车道1");
    EXPECT_EQ(record.SpanAlign2Mode, 0);
    EXPECT_EQ(record.SpanAlign2.Filled, 1);
    EXPECT_EQ(record.SpanAlign2.Surface.m_LaneName.GetSize(), 2);
}

TEST_F(CalcLoads, WithTheSecondSwitchSetOnlyTheFirstSurfaceIsFilled)
{
    input.SecondSurfaceMode = 1;
    input.m_LiveLoadSurface2.m_LaneName = Texts({"车道2"});
    ASSERT_EQ(org.Get_Cal_Load(&record, &input), 1);
    EXPECT_EQ(record.SpanAlign1.Filled, 1);
    EXPECT_EQ(record.SpanAlign2Mode, 1);
    EXPECT_EQ(record.SpanAlign2.Filled, 0);
    EXPECT_TRUE(record.SpanAlign2.Surface.m_LaneName.IsEmpty());
}

TEST_F(CalcLoads, ADeckLayoutModeWithoutALayoutWritesNoneOfItsLists)
{
    input.LiveLoadMode = 1;
    ASSERT_EQ(org.Get_Cal_Load(&record, &input), 1);
    EXPECT_EQ(record.LiveLoadMode, 1);
    EXPECT_TRUE(record.Influences.IsEmpty());
    EXPECT_TRUE(record.DeckPositions.IsEmpty());
    EXPECT_TRUE(record.XRoad.IsEmpty());
    EXPECT_TRUE(record.YRoad.IsEmpty());
    EXPECT_EQ(record.SpanAlign1.Filled, 0);
}

TEST_F(CalcLoads, TheDeckLayoutGivesInfluencesDeckPositionsAndTheRoadLine)
{
    UseDeckLayout();
    ASSERT_EQ(org.Get_Cal_Load(&record, &input), 1);
    EXPECT_DOUBLE_EQ(record.DeckValue, 2.5);
    EXPECT_EQ(record.SpanAlign1.Filled, 0);

    ASSERT_EQ(record.Influences.GetSize(), 2);
    const BC_INFLUENCE& first = record.Influences[0];
    EXPECT_DOUBLE_EQ(first.x, 1000.0);
    EXPECT_DOUBLE_EQ(first.y, 0.0);
    ASSERT_EQ(first.Reactions.GetSize(), 2);
    EXPECT_EQ(first.Reactions[0].Support, "Z1");
    EXPECT_DOUBLE_EQ(first.Reactions[0].Force, 300.0);
    EXPECT_EQ(first.Reactions[1].Support, "Z2");
    EXPECT_DOUBLE_EQ(first.Reactions[1].Force, 310.5);
    EXPECT_DOUBLE_EQ(record.Influences[1].x, 2000.0);
    EXPECT_DOUBLE_EQ(record.Influences[1].y, -500.0);
    EXPECT_TRUE(record.Influences[1].Reactions.IsEmpty());

    ASSERT_EQ(record.DeckPositions.GetSize(), 2);
    EXPECT_DOUBLE_EQ(record.DeckPositions[0].Position, 0.0);
    EXPECT_EQ(record.DeckPositions[0].Beam.Kind, 2);         // T-girder
    EXPECT_DOUBLE_EQ(record.DeckPositions[0].Beam.Span, 30000.0);
    EXPECT_DOUBLE_EQ(record.DeckPositions[1].Position, 15000.0);
    EXPECT_EQ(record.DeckPositions[1].Beam.Kind, 0);         // hollow slab
    EXPECT_DOUBLE_EQ(record.DeckPositions[1].Beam.Span, 16000.0);

    ExpectValues(record.XRoad, {1.0, 2.0});
    ExpectValues(record.YRoad, {3.0});
    EXPECT_TRUE(Entries().empty());
}

TEST_F(CalcLoads, APositionWithoutSupportListsHasNoReactions)
{
    CCalGenDeckLayout& deck = UseDeckLayout();
    deck.m_SupportName.RemoveAt(1);
    deck.m_ForceZhiZuo.RemoveAt(1);
    ASSERT_EQ(org.Get_Cal_Load(&record, &input), 1);
    ASSERT_EQ(record.Influences.GetSize(), 2);
    EXPECT_TRUE(record.Influences[1].Reactions.IsEmpty());
}

TEST_F(CalcLoads, PreparingAgainGivesTheSameLists)
{
    UseDeckLayout();
    input.m_NodeName = Texts({"N1"});
    input.m_NodeForce = Texts({"10"});
    ASSERT_EQ(org.Get_Cal_Load(&record, &input), 1);
    ASSERT_EQ(org.Get_Cal_Load(&record, &input), 1);
    EXPECT_EQ(record.NodeForces.GetSize(), 1);
    EXPECT_EQ(record.Influences.GetSize(), 2);
    EXPECT_EQ(record.Influences[0].Reactions.GetSize(), 2);
    EXPECT_EQ(record.DeckPositions.GetSize(), 2);
    ExpectValues(record.XRoad, {1.0, 2.0});
}

// --- Deck-layout tables that cannot be read ----------------------------------------------------

TEST_F(CalcLoads, FewerXPositionsThanLoadingPositionsAreReported)
{
    CCalGenDeckLayout& deck = UseDeckLayout();
    deck.m_XLoad = Texts({"1000"});
    EXPECT_EQ(org.Get_Cal_Load(&record, &input), 0);
    ExpectOneDiagnostic("m_XLoad", "“平面加载位置”中有1个数据，应有2个，m_XLoad有错误．");
    EXPECT_TRUE(record.Influences.IsEmpty());
}

// The position entries give the number of positions: x and y values past them belong to none.
TEST_F(CalcLoads, LongerXAndYListsPassOnlyTheLoadingPositions)
{
    CCalGenDeckLayout& deck = UseDeckLayout();
    deck.m_XLoad = Texts({"1000", "2000", "3000"});
    deck.m_YLoad = Texts({"0", "-500", "-900", "7"});
    ASSERT_EQ(org.Get_Cal_Load(&record, &input), 1);
    ASSERT_EQ(record.Influences.GetSize(), 2);
    EXPECT_DOUBLE_EQ(record.Influences[1].x, 2000.0);
    EXPECT_DOUBLE_EQ(record.Influences[1].y, -500.0);
    EXPECT_TRUE(Entries().empty());
    deck.m_YLoad = Texts({"0"});
    EXPECT_EQ(org.Get_Cal_Load(&record, &input), 0);
    ExpectOneDiagnostic("m_YLoad", "“平面加载位置”中有1个数据，应有2个，m_YLoad有错误．");
}

TEST_F(CalcLoads, FewerReactionsThanSupportsAreReported)
{
    CCalGenDeckLayout& deck = UseDeckLayout();
    deck.m_ForceZhiZuo[0] = Texts({"300"});
    EXPECT_EQ(org.Get_Cal_Load(&record, &input), 0);
    ExpectOneDiagnostic("m_ForceZhiZuo", "“加载位置对应支反力”中有1个数据，应有2个，m_ForceZhiZuo有错误．");
}

TEST_F(CalcLoads, AReactionThatIsNotANumberIsReported)
{
    CCalGenDeckLayout& deck = UseDeckLayout();
    deck.m_ForceZhiZuo[0] = Texts({"300", "x"});
    EXPECT_EQ(org.Get_Cal_Load(&record, &input), 0);
    ExpectOneDiagnostic("m_ForceZhiZuo", "“加载位置对应支反力”中第2个数据“x”不是有效的数字，m_ForceZhiZuo有错误．");
}

TEST_F(CalcLoads, FewerGirderRecordsThanDeckPositionsAreReported)
{
    CCalGenDeckLayout& deck = UseDeckLayout();
    deck.m_BeamProperty.RemoveAt(1);
    EXPECT_EQ(org.Get_Cal_Load(&record, &input), 0);
    ExpectOneDiagnostic("m_BeamProperty", "“桥面布置所在纵向位置对应梁特性”中有1个数据，应有2个，m_BeamProperty有错误．");
    EXPECT_TRUE(record.DeckPositions.IsEmpty());
}

TEST_F(CalcLoads, BadDeckTextsAreReportedUnderTheirKeys)
{
    struct Case {
        CStringArray CCalGenDeckLayout::*table;
        const char* key;
        const char* message;
    } cases[] = {
        {&CCalGenDeckLayout::m_XLoad, "m_XLoad", "“平面加载位置”中第2个数据“1e999”不是有效的数字，m_XLoad有错误．"},
        {&CCalGenDeckLayout::m_YLong, "m_YLong", "“桥面布置所在纵向位置”中第2个数据“1e999”不是有效的数字，m_YLong有错误．"},
        {&CCalGenDeckLayout::m_XRoad, "m_XRoad", "“道路设计线参数”中第2个数据“1e999”不是有效的数字，m_XRoad有错误．"},
        {&CCalGenDeckLayout::m_YRoad, "m_YRoad", "“道路设计线参数”中第2个数据“1e999”不是有效的数字，m_YRoad有错误．"},
    };
    for (const Case& c : cases) {
        ReportLog::Current().Clear();
        CPM001Load fresh;
        CCalGenDeckLayout& deck = UseDeckLayout();
        (deck.*c.table) = Texts({"1", "1e999"});
        EXPECT_EQ(org.Get_Cal_Load(&fresh, &input), 0) << c.key;
        ExpectOneDiagnostic(c.key, c.message);
        EXPECT_FALSE(fresh.PG001Load) << c.key;
    }
}

// --- Foundation load records -------------------------------------------------------------------

TEST_F(CalcLoads, TheThreeFoundationLoadRecordsAreMadeOnce)
{
    ASSERT_EQ(org.Get_Cal_Load(&record, &input), 1);
    ASSERT_TRUE(record.PG001Load);
    ASSERT_TRUE(record.PG002Load);
    ASSERT_TRUE(record.PG003Load);
    const CPG001CalcLoad* footing = record.PG001Load.get();
    const CPG002CalcLoad* piles = record.PG002Load.get();
    const CPG003CalcLoad* pileCap = record.PG003Load.get();
    record.PG002Load->ReferenceLevel = 88.0;

    ASSERT_EQ(org.Get_Cal_Load(&record, &input), 1);
    EXPECT_EQ(record.PG001Load.get(), footing);
    EXPECT_EQ(record.PG002Load.get(), piles);
    EXPECT_EQ(record.PG003Load.get(), pileCap);
    EXPECT_DOUBLE_EQ(record.PG002Load->ReferenceLevel, 88.0);
}

} // namespace
