// Converters from the host's span, section and girder records (texts as typed) to the engine's records.
#include "input/beam_property_converters.h"

#include "host/kv_expression.h"
#include "host/kv_expression_report.h"
#include "host/report_parts.h"
#include "input/calc_text_conversion.h"

#include <algorithm>
#include <initializer_list>

namespace {

// A list of the section record with its input key and description.
struct KeyedList {
    const CStringArray& texts;
    const char* key;
    const char* description;
};

// Reads every list in order; 0 at the first that fails.
int ConvertAll(std::initializer_list<std::pair<KeyedList, CArray<double>*>> lists)
{
    for (const auto& [list, values] : lists)
        if (!ConvertCalcTexts(list.description, list.texts, *values, list.key)) return 0;
    return 1;
}

// 1 when each list holds a value for every one of count girders; every short list is reported.
int CoverGirders(std::initializer_list<std::pair<KeyedList, const CArray<double>*>> lists, int count)
{
    int ok = 1;
    for (const auto& [list, values] : lists)
        ok &= CheckCalcCount(list.description, values->GetSize(), count, list.key);
    return ok;
}

// A hinge text read as a word: "是" (blanks aside) marks a girder hinged to its neighbour.
int HingeFlag(const CStringArray& texts, int i)
{
    if (i >= texts.GetSize()) return 1;
    CString word = texts[i];
    word.Trim();
    return word == "是" ? -1 : 1;
}

// The girders of one end of a cantilevered span.
CArray<BC_SECTION_PROPERTY::Segment> Girders(const CArray<double>& widths, const CArray<double>& inertia,
                                             const CArray<double>& torsion, const CArray<double>& left,
                                             const CArray<double>& right, const CStringArray& hinges,
                                             const CCalGenSectionProperty& host)
{
    CArray<BC_SECTION_PROPERTY::Segment> girders;
    girders.SetSize(widths.GetSize());
    for (int i = 0; i < widths.GetSize(); ++i) {
        BC_SECTION_PROPERTY::Segment& g = girders[i];
        g.BottomWidth = widths[i];
        g.Inertia = inertia[i];
        g.Torsion = torsion[i];
        g.A = host.dA;
        g.InertiaLeft = left[i];
        g.B = host.dB;
        g.InertiaRight = right[i];
        g.Hinge = HingeFlag(hinges, i);
    }
    return girders;
}

} // namespace

int MapBeamKindCode(int hostKind)
{
    switch (hostKind) {
    case 0: return 2;
    case 1: return 3;
    case 2: return 0;
    default: return 1;
    }
}

int ConvertBeamPropertyRecord(BC_BEAM_PROPERTY& engine, const CCalGenBeamProperty* host)
{
    if (!host) return 0;
    engine.Kind = MapBeamKindCode(host->nKind);
    engine.Span = host->dSpan;
    engine.BeamSpacing = host->dBeamSpacing;
    engine.BeamHeight = host->dBeamHeight;
    engine.BeamWidth = host->dBeamWidth;
    engine.Inertia = host->dInertia;
    engine.Area = host->dArea;
    engine.ElasticModulus = host->dElasticModulus;
    engine.UnitWeight = host->dUnitWeight;
    engine.DeckThickness = host->dDeckThickness;
    engine.BeamCount = host->nBeamCount;
    engine.LaneCount = host->nLaneCount;
    return 1;
}

int ConvertSectionCantileverConstant(BC_SECTION_PROPERTY& engine, const CCalGenSectionProperty* host)
{
    if (!host) return 0;
    engine.FormCode = 2;
    const KeyedList width{host->m_1_bB, "m_1_bB", "梁底宽"};
    const KeyedList inertia{host->m_1_I, "m_1_I", "抗弯惯矩"};
    const KeyedList torsion{host->m_1_IT, "m_1_IT", "抗扭惯矩"};
    const KeyedList left{host->m_1_IL, "m_1_IL", "左悬臂抗弯惯矩"};
    const KeyedList right{host->m_1_IR, "m_1_IR", "右悬臂抗弯惯矩"};
    CArray<double> b, i, it, il, ir;
    if (!ConvertAll({{width, &b}, {inertia, &i}, {torsion, &it}, {left, &il}, {right, &ir}})) return 0;
    if (!CoverGirders({{inertia, &i}, {torsion, &it}, {left, &il}, {right, &ir}}, b.GetSize())) return 0;
    engine.StartSegments = Girders(b, i, it, il, ir, host->m_1_bJoint, *host);
    engine.EndSegments = engine.StartSegments;
    return 1;
}

int ConvertSectionCantileverVarying(BC_SECTION_PROPERTY& engine, const CCalGenSectionProperty* host)
{
    if (!host) return 0;
    engine.FormCode = 2;
    const KeyedList widthS{host->m_2_bBS, "m_2_bBS", "起点侧梁底宽"};
    const KeyedList inertiaS{host->m_2_IS, "m_2_IS", "起点侧抗弯惯矩"};
    const KeyedList torsionS{host->m_2_ITS, "m_2_ITS", "起点侧抗扭惯矩"};
    const KeyedList left{host->m_2_IL, "m_2_IL", "左悬臂抗弯惯矩"};
    const KeyedList right{host->m_2_IR, "m_2_IR", "右悬臂抗弯惯矩"};
    const KeyedList widthE{host->m_2_bBE, "m_2_bBE", "终点侧梁底宽"};
    const KeyedList inertiaE{host->m_2_IE, "m_2_IE", "终点侧抗弯惯矩"};
    const KeyedList torsionE{host->m_2_ITE, "m_2_ITE", "终点侧抗扭惯矩"};
    CArray<double> bS, iS, itS, il, ir, bE, iE, itE;
    if (!ConvertAll({{widthS, &bS}, {inertiaS, &iS}, {torsionS, &itS}, {left, &il}, {right, &ir},
                     {widthE, &bE}, {inertiaE, &iE}, {torsionE, &itE}}))
        return 0;
    // The cantilever values serve the girders of both ends.
    const int start = bS.GetSize();
    const int end = bE.GetSize();
    int ok = CoverGirders({{inertiaS, &iS}, {torsionS, &itS}}, start);
    ok &= CoverGirders({{left, &il}, {right, &ir}}, std::max(start, end));
    ok &= CoverGirders({{inertiaE, &iE}, {torsionE, &itE}}, end);
    if (!ok) return 0;
    engine.StartSegments = Girders(bS, iS, itS, il, ir, host->m_2_bJoint, *host);
    engine.EndSegments = Girders(bE, iE, itE, il, ir, host->m_2_bJoint, *host);
    return 1;
}

int ConvertSectionPlainConstant(BC_SECTION_PROPERTY& engine, const CCalGenSectionProperty* host)
{
    if (!host) return 0;
    engine.FormCode = 1;
    if (!ConvertAll({{{host->m_3_I, "m_3_I", "抗弯惯矩"}, &engine.StartInertia},
                     {{host->m_3_IT, "m_3_IT", "抗扭惯矩"}, &engine.StartTorsion}}))
        return 0;
    engine.EndInertia = engine.StartInertia;
    engine.EndTorsion = engine.StartTorsion;
    return 1;
}

int ConvertSectionPlainVarying(BC_SECTION_PROPERTY& engine, const CCalGenSectionProperty* host)
{
    if (!host) return 0;
    engine.FormCode = 1;
    return ConvertAll({{{host->m_4_IS, "m_4_IS", "起点侧抗弯惯矩"}, &engine.StartInertia},
                       {{host->m_4_ITS, "m_4_ITS", "起点侧抗扭惯矩"}, &engine.StartTorsion},
                       {{host->m_4_IE, "m_4_IE", "终点侧抗弯惯矩"}, &engine.EndInertia},
                       {{host->m_4_ITE, "m_4_ITE", "终点侧抗扭惯矩"}, &engine.EndTorsion}});
}

int ConvertSpanRecord(BC_SPAN& engine, const CCalGenSpan* host)
{
    if (!host) return 0;
    engine.BeamKind = host->nBeamKind;
    engine.Flag = host->nFlag;
    engine.Value1 = host->dValue1;
    engine.Value2 = host->dValue2;
    engine.Value3 = host->dValue3;
    engine.Value4 = host->dValue4;
    ConvertBeamPropertyRecord(engine.StartBeam, &host->StartBeam);
    ConvertBeamPropertyRecord(engine.EndBeam, &host->EndBeam);
    // A value list with an item that is not a number (or past the cap) is reported; the span is
    // converted all the same and its result tells that the list is not whole.
    const int valuesRead = ConvertCalcExpression("梁跨数据列表", host->strValues, engine.Values, "strValues");
    engine.Option1 = host->nOption1;
    // The items are texts to the engine; only a list past the cap (read up to it) is reported.
    ParseKVExpression(host->strItems, engine.Items);
    int itemsRead = 1;
    if (engine.Items.GetSize() > kMaxExpressionValues) {
        ReportExpressionPastCap(0, "梁跨数据项", "strItems", kPartPier);
        engine.Items.RemoveAll();
        itemsRead = 0;
    }

    const bool varying = host->nBeamKind != 0 && (host->nBeamKind != 1 || host->nFlag == 0);
    switch (host->nSectionForm) {
    case 2:
        if (varying) ConvertSectionCantileverVarying(engine.Section, &host->Section);
        else ConvertSectionCantileverConstant(engine.Section, &host->Section);
        break;
    case 1:
        if (varying) ConvertSectionPlainVarying(engine.Section, &host->Section);
        else ConvertSectionPlainConstant(engine.Section, &host->Section);
        break;
    default:
        engine.Section.FormCode = 0;
        break;
    }
    engine.Option2 = host->nOption2;
    return valuesRead && itemsRead ? 1 : 0;
}
