// The girder, section and span converters: kinds, value order, hinge words, short and bad lists.
#include "input/beam_property_converters.h"

#include "host/report.h"

#include <gtest/gtest.h>

#include <string>

#include <initializer_list>
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

std::vector<int> Hinges(const CArray<BC_SECTION_PROPERTY::Segment>& girders)
{
    std::vector<int> flags;
    for (const auto& g : girders) flags.push_back(g.Hinge);
    return flags;
}

class BeamPropertyConverters : public ::testing::Test {
protected:
    void SetUp() override { ReportLog::Current().Clear(); }
    void TearDown() override { ReportLog::Current().Clear(); }
    const std::vector<ReportEntry>& Entries() const { return ReportLog::Current().Entries(); }

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

    // Two girders of a cantilevered constant section.
    static CCalGenSectionProperty CantileverConstant()
    {
        CCalGenSectionProperty s;
        s.dA = 0.25;
        s.dB = 0.75;
        s.m_1_bB = Texts({"1000", "1200"});
        s.m_1_I = Texts({"1e9", "2e9"});
        s.m_1_IT = Texts({"3e9", "4e9"});
        s.m_1_IL = Texts({"5e8", "6e8"});
        s.m_1_IR = Texts({"7e8", "8e8"});
        s.m_1_bJoint = Texts({"是", "否"});
        return s;
    }
};

// --- Girder records ----------------------------------------------------------------------------

TEST_F(BeamPropertyConverters, GirderKindCodes)
{
    EXPECT_EQ(MapBeamKindCode(0), 2);
    EXPECT_EQ(MapBeamKindCode(1), 3);
    EXPECT_EQ(MapBeamKindCode(2), 0);
    EXPECT_EQ(MapBeamKindCode(3), 1);
    EXPECT_EQ(MapBeamKindCode(-1), 1);
}

TEST_F(BeamPropertyConverters, GirderRecordPutsInertiaBeforeArea)
{
    CCalGenBeamProperty host;
    host.nKind = 1;
    host.dSpan = 1.0;
    host.dBeamSpacing = 2.0;
    host.dBeamHeight = 3.0;
    host.dBeamWidth = 4.0;
    host.dArea = 5.0;
    host.dInertia = 6.0;
    host.dElasticModulus = 7.0;
    host.dUnitWeight = 8.0;
    host.nBeamCount = 9;
    host.dDeckThickness = 10.0;
    host.nLaneCount = 11;
    BC_BEAM_PROPERTY engine;
    ASSERT_EQ(ConvertBeamPropertyRecord(engine, &host), 1);
    EXPECT_EQ(engine.Kind, 3);
    EXPECT_DOUBLE_EQ(engine.Span, 1.0);
    EXPECT_DOUBLE_EQ(engine.BeamSpacing, 2.0);
    EXPECT_DOUBLE_EQ(engine.BeamHeight, 3.0);
    EXPECT_DOUBLE_EQ(engine.BeamWidth, 4.0);
    EXPECT_DOUBLE_EQ(engine.Inertia, 6.0);          // the host's sixth real in the fifth place
    EXPECT_DOUBLE_EQ(engine.Area, 5.0);             // the host's fifth real in the sixth place
    EXPECT_DOUBLE_EQ(engine.ElasticModulus, 7.0);
    EXPECT_DOUBLE_EQ(engine.UnitWeight, 8.0);
    EXPECT_DOUBLE_EQ(engine.DeckThickness, 10.0);   // the real after the first int
    EXPECT_EQ(engine.BeamCount, 9);
    EXPECT_EQ(engine.LaneCount, 11);
}

TEST_F(BeamPropertyConverters, AMissingGirderRecordLeavesTheEnginesRecord)
{
    BC_BEAM_PROPERTY engine;
    engine.Kind = 7;
    engine.Span = 5.0;
    EXPECT_EQ(ConvertBeamPropertyRecord(engine, nullptr), 0);
    EXPECT_EQ(engine.Kind, 7);
    EXPECT_DOUBLE_EQ(engine.Span, 5.0);
}

// --- Cantilevered sections ---------------------------------------------------------------------

TEST_F(BeamPropertyConverters, CantileverConstantGivesOneGirderPerBottomWidthAtBothEnds)
{
    const CCalGenSectionProperty host = CantileverConstant();
    BC_SECTION_PROPERTY engine;
    ASSERT_EQ(ConvertSectionCantileverConstant(engine, &host), 1);
    EXPECT_EQ(engine.FormCode, 2);
    ASSERT_EQ(engine.StartSegments.GetSize(), 2);
    const BC_SECTION_PROPERTY::Segment& g = engine.StartSegments[1];
    EXPECT_DOUBLE_EQ(g.BottomWidth, 1200.0);
    EXPECT_DOUBLE_EQ(g.Inertia, 2e9);
    EXPECT_DOUBLE_EQ(g.Torsion, 4e9);
    EXPECT_DOUBLE_EQ(g.A, 0.25);
    EXPECT_DOUBLE_EQ(g.InertiaLeft, 6e8);
    EXPECT_DOUBLE_EQ(g.B, 0.75);
    EXPECT_DOUBLE_EQ(g.InertiaRight, 8e8);
    EXPECT_EQ(Hinges(engine.StartSegments), (std::vector<int>{-1, 1}));
    ASSERT_EQ(engine.EndSegments.GetSize(), 2);
    EXPECT_DOUBLE_EQ(engine.EndSegments[0].BottomWidth, 1000.0);
    EXPECT_EQ(Hinges(engine.EndSegments), (std::vector<int>{-1, 1}));
    EXPECT_TRUE(Entries().empty());
}

TEST_F(BeamPropertyConverters, HingeTextsAreReadAsWords)
{
    CCalGenSectionProperty host = CantileverConstant();
    host.m_1_bB = Texts({"1", "2", "3", "4", "5"});
    for (CStringArray* list : {&host.m_1_I, &host.m_1_IT, &host.m_1_IL, &host.m_1_IR})
        *list = Texts({"1", "1", "1", "1", "1"});
    host.m_1_bJoint = Texts({" 是 ", "1", "0", "否"});   // the fifth girder has no hinge text
    BC_SECTION_PROPERTY engine;
    ASSERT_EQ(ConvertSectionCantileverConstant(engine, &host), 1);
    EXPECT_EQ(Hinges(engine.StartSegments), (std::vector<int>{-1, 1, 1, 1, 1}));
    EXPECT_TRUE(Entries().empty());
}

TEST_F(BeamPropertyConverters, AnEmptyBottomWidthListGivesNoGirders)
{
    CCalGenSectionProperty host;
    BC_SECTION_PROPERTY engine;
    ASSERT_EQ(ConvertSectionCantileverConstant(engine, &host), 1);
    EXPECT_EQ(engine.FormCode, 2);
    EXPECT_TRUE(engine.StartSegments.IsEmpty());
    EXPECT_TRUE(engine.EndSegments.IsEmpty());
}

TEST_F(BeamPropertyConverters, AShortGirderListIsReportedUnderItsKey)
{
    CCalGenSectionProperty host = CantileverConstant();
    host.m_1_IR = Texts({"7e8"});
    BC_SECTION_PROPERTY engine;
    EXPECT_EQ(ConvertSectionCantileverConstant(engine, &host), 0);
    ExpectOneDiagnostic("m_1_IR", "“右悬臂抗弯惯矩”中有1个数据，应有2个，m_1_IR有错误．");
    EXPECT_TRUE(engine.StartSegments.IsEmpty());
}

TEST_F(BeamPropertyConverters, ATextThatIsNotANumberStopsTheSection)
{
    CCalGenSectionProperty host = CantileverConstant();
    host.m_1_IT = Texts({"3e9", "四"});
    host.m_1_IL = Texts({"bad"});   // not reached: the first failure ends the conversion
    BC_SECTION_PROPERTY engine;
    EXPECT_EQ(ConvertSectionCantileverConstant(engine, &host), 0);
    ExpectOneDiagnostic("m_1_IT", "“抗扭惯矩”中第2个数据“四”不是有效的数字，m_1_IT有错误．");
}

TEST_F(BeamPropertyConverters, CantileverVaryingTakesEachEndFromItsOwnValues)
{
    CCalGenSectionProperty host;
    host.dA = 1.0;
    host.dB = 2.0;
    host.m_2_bBS = Texts({"1000", "1100"});
    host.m_2_IS = Texts({"10", "11"});
    host.m_2_ITS = Texts({"20", "21"});
    host.m_2_IL = Texts({"30", "31"});
    host.m_2_IR = Texts({"40", "41"});
    host.m_2_bJoint = Texts({"否", "是"});
    host.m_2_bBE = Texts({"900"});
    host.m_2_IE = Texts({"50"});
    host.m_2_ITE = Texts({"60"});
    BC_SECTION_PROPERTY engine;
    ASSERT_EQ(ConvertSectionCantileverVarying(engine, &host), 1);
    EXPECT_EQ(engine.FormCode, 2);
    ASSERT_EQ(engine.StartSegments.GetSize(), 2);
    EXPECT_DOUBLE_EQ(engine.StartSegments[1].BottomWidth, 1100.0);
    EXPECT_DOUBLE_EQ(engine.StartSegments[1].Inertia, 11.0);
    EXPECT_DOUBLE_EQ(engine.StartSegments[1].Torsion, 21.0);
    EXPECT_DOUBLE_EQ(engine.StartSegments[1].InertiaLeft, 31.0);
    EXPECT_DOUBLE_EQ(engine.StartSegments[1].InertiaRight, 41.0);
    EXPECT_EQ(Hinges(engine.StartSegments), (std::vector<int>{1, -1}));
    ASSERT_EQ(engine.EndSegments.GetSize(), 1);
    const BC_SECTION_PROPERTY::Segment& end = engine.EndSegments[0];
    EXPECT_DOUBLE_EQ(end.BottomWidth, 900.0);
    EXPECT_DOUBLE_EQ(end.Inertia, 50.0);
    EXPECT_DOUBLE_EQ(end.Torsion, 60.0);
    EXPECT_DOUBLE_EQ(end.A, 1.0);
    EXPECT_DOUBLE_EQ(end.InertiaLeft, 30.0);
    EXPECT_DOUBLE_EQ(end.B, 2.0);
    EXPECT_DOUBLE_EQ(end.InertiaRight, 40.0);
    EXPECT_EQ(end.Hinge, 1);
}

TEST_F(BeamPropertyConverters, CantileverVaryingNeedsCantileverValuesForTheLongerEnd)
{
    CCalGenSectionProperty host;
    host.m_2_bBS = Texts({"1000"});
    host.m_2_IS = Texts({"10"});
    host.m_2_ITS = Texts({"20"});
    host.m_2_IL = Texts({"30"});
    host.m_2_IR = Texts({"40"});
    host.m_2_bBE = Texts({"900", "950"});
    host.m_2_IE = Texts({"50", "51"});
    host.m_2_ITE = Texts({"60", "61"});
    BC_SECTION_PROPERTY engine;
    EXPECT_EQ(ConvertSectionCantileverVarying(engine, &host), 0);
    ASSERT_EQ(Entries().size(), 2u);
    EXPECT_EQ(Entries()[0].keys, "m_2_IL");
    EXPECT_EQ(Entries()[1].keys, "m_2_IR");
}

// --- Plain sections ----------------------------------------------------------------------------

TEST_F(BeamPropertyConverters, PlainConstantRepeatsTheStartListsAtTheEnd)
{
    CCalGenSectionProperty host;
    host.m_3_I = Texts({"1.5e9", "1.6e9"});
    host.m_3_IT = Texts({"2e9"});
    BC_SECTION_PROPERTY engine;
    ASSERT_EQ(ConvertSectionPlainConstant(engine, &host), 1);
    EXPECT_EQ(engine.FormCode, 1);
    ExpectValues(engine.StartInertia, {1.5e9, 1.6e9});
    ExpectValues(engine.EndInertia, {1.5e9, 1.6e9});
    ExpectValues(engine.StartTorsion, {2e9});
    ExpectValues(engine.EndTorsion, {2e9});
}

TEST_F(BeamPropertyConverters, PlainVaryingReadsItsFourLists)
{
    CCalGenSectionProperty host;
    host.m_4_IS = Texts({"1"});
    host.m_4_ITS = Texts({"2"});
    host.m_4_IE = Texts({"3"});
    host.m_4_ITE = Texts({"4", "5"});
    BC_SECTION_PROPERTY engine;
    ASSERT_EQ(ConvertSectionPlainVarying(engine, &host), 1);
    EXPECT_EQ(engine.FormCode, 1);
    ExpectValues(engine.StartInertia, {1.0});
    ExpectValues(engine.StartTorsion, {2.0});
    ExpectValues(engine.EndInertia, {3.0});
    ExpectValues(engine.EndTorsion, {4.0, 5.0});

    host.m_4_IE = Texts({"x"});
    ReportLog::Current().Clear();
    EXPECT_EQ(ConvertSectionPlainVarying(engine, &host), 0);
    ExpectOneDiagnostic("m_4_IE", "“终点侧抗弯惯矩”中第1个数据“x”不是有效的数字，m_4_IE有错误．");
}

// --- Spans -------------------------------------------------------------------------------------

TEST_F(BeamPropertyConverters, SpanValuesGirdersListsAndItems)
{
    CCalGenSpan host;
    host.nBeamKind = 2;
    host.nFlag = 1;
    host.dValue1 = 1.0; host.dValue2 = 2.0; host.dValue3 = 3.0; host.dValue4 = 4.0;
    host.StartBeam.nKind = 1;
    host.StartBeam.dArea = 5.0;
    host.EndBeam.nKind = 9;
    host.strValues = "2*150,200";
    host.nOption1 = 6;
    host.strItems = "A1, B2；3*C";
    host.nSectionForm = 0;
    host.nOption2 = 7;
    BC_SPAN engine;
    engine.Section.FormCode = 2;
    ASSERT_EQ(ConvertSpanRecord(engine, &host), 1);
    EXPECT_EQ(engine.BeamKind, 2);
    EXPECT_EQ(engine.Flag, 1);
    EXPECT_DOUBLE_EQ(engine.Value1, 1.0);
    EXPECT_DOUBLE_EQ(engine.Value4, 4.0);
    EXPECT_EQ(engine.StartBeam.Kind, 3);
    EXPECT_DOUBLE_EQ(engine.StartBeam.Area, 5.0);
    EXPECT_EQ(engine.EndBeam.Kind, 1);
    ExpectValues(engine.Values, {150.0, 150.0, 200.0});
    EXPECT_EQ(engine.Option1, 6);
    ASSERT_EQ(engine.Items.GetSize(), 3);
    EXPECT_EQ(engine.Items[0], "A1");
    EXPECT_EQ(engine.Items[1], "B2");
    EXPECT_EQ(engine.Items[2], "3*C");
    EXPECT_EQ(engine.Section.FormCode, 0);   // no section form
    EXPECT_EQ(engine.Option2, 7);
}

TEST_F(BeamPropertyConverters, TheSpanChoosesConstantOrVaryingSections)
{
    struct Case {
        int kind, flag, form;
        int startGirders;       // cantilever forms: 1 constant (m_1_), 2 varying (m_2_)
        double startInertia;    // plain forms: 3 constant (m_3_), 4 varying (m_4_)
    } cases[] = {
        {0, 0, 2, 1, 0.0}, {0, 1, 2, 1, 0.0}, {1, 1, 2, 1, 0.0}, {1, 0, 2, 2, 0.0}, {2, 1, 2, 2, 0.0},
        {0, 0, 1, 0, 3.0}, {1, 1, 1, 0, 3.0}, {1, 0, 1, 0, 4.0}, {3, 1, 1, 0, 4.0},
    };
    for (const Case& c : cases) {
        CCalGenSpan host;
        host.nBeamKind = c.kind;
        host.nFlag = c.flag;
        host.nSectionForm = c.form;
        host.Section.m_1_bB = Texts({"1"});
        for (CStringArray* list : {&host.Section.m_1_I, &host.Section.m_1_IT, &host.Section.m_1_IL, &host.Section.m_1_IR})
            *list = Texts({"1"});
        host.Section.m_2_bBS = Texts({"1", "2"});
        for (CStringArray* list : {&host.Section.m_2_IS, &host.Section.m_2_ITS, &host.Section.m_2_IL, &host.Section.m_2_IR})
            *list = Texts({"1", "2"});
        host.Section.m_3_I = Texts({"3"});
        host.Section.m_4_IS = Texts({"4"});
        BC_SPAN engine;
        ASSERT_EQ(ConvertSpanRecord(engine, &host), 1);
        EXPECT_EQ(engine.Section.FormCode, c.form);
        if (c.form == 2) {
            EXPECT_EQ(engine.Section.StartSegments.GetSize(), c.startGirders) << c.kind << "/" << c.flag;
        } else {
            ExpectValues(engine.Section.StartInertia, {c.startInertia});
        }
    }
    EXPECT_TRUE(Entries().empty());
}

TEST_F(BeamPropertyConverters, ASectionThatFailsDoesNotFailTheSpan)
{
    CCalGenSpan host;
    host.nSectionForm = 1;
    host.Section.m_3_I = Texts({"?"});
    host.nOption2 = 3;
    BC_SPAN engine;
    EXPECT_EQ(ConvertSpanRecord(engine, &host), 1);
    EXPECT_EQ(engine.Option2, 3);
    ExpectOneDiagnostic("m_3_I", "“抗弯惯矩”中第1个数据“?”不是有效的数字，m_3_I有错误．");
}

// The span's number list is read as the pier's lists are: a bad item is reported under its key,
// the list stays empty and the span's result is 0, the rest converted all the same. Items past
// the cap are reported too, for the value list and for the item list.
TEST_F(BeamPropertyConverters, ABadSpanValueListIsReportedAndFailsTheSpan)
{
    struct Case {
        std::string values, items;
        const char* key;
        const char* message;
    };
    auto names = [](int n) {   // n item texts "A"
        std::string text;
        for (int i = 0; i < n; ++i) text += i ? ",A" : "A";
        return text;
    };
    const Case cases[] = {
        {"150,abc", "A1", "strValues", "“梁跨数据列表”中第2个数据“abc”不是有效的数字，strValues有错误．"},
        {"10000*1,5", "A1", "strValues", "“梁跨数据列表”中数据个数过大,不能大于10000，strValues有错误．"},
        {"150", names(10001), "strItems", "“梁跨数据项”中数据个数过大,不能大于10000，strItems有错误．"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        ReportLog::Current().Clear();
        CCalGenSpan host;
        host.strValues = c.values.c_str();
        host.strItems = c.items.c_str();
        host.nOption2 = 3;
        BC_SPAN engine;
        EXPECT_EQ(ConvertSpanRecord(engine, &host), 0);
        EXPECT_EQ(engine.Option2, 3);
        ExpectOneDiagnostic(c.key, c.message);
        EXPECT_TRUE(std::string(c.key) == "strValues" ? engine.Values.IsEmpty() : engine.Items.IsEmpty());
    }
    // Exactly 10000 items, texts or values, are read whole.
    CCalGenSpan host;
    host.strValues = "9999*1,5";
    host.strItems = names(10000).c_str();
    BC_SPAN engine;
    ReportLog::Current().Clear();
    EXPECT_EQ(ConvertSpanRecord(engine, &host), 1);
    EXPECT_EQ(engine.Values.GetSize(), 10000);
    EXPECT_EQ(engine.Items.GetSize(), 10000);
}

TEST_F(BeamPropertyConverters, ANullSpanGivesZero)
{
    BC_SPAN engine;
    engine.Option1 = 4;
    EXPECT_EQ(ConvertSpanRecord(engine, nullptr), 0);
    EXPECT_EQ(engine.Option1, 4);
}

} // namespace
