// CPM001org::Get_Cal_Load: the calculation engine's load record filled from the input's loads.
#include "input/pier_origin_data.h"

#include "calc/pm001_load.h"
#include "host/cpm001_input.h"
#include "input/beam_property_converters.h"
#include "input/calc_text_conversion.h"
#include "siblings/pile_cap_org.h"

#include <boost/lexical_cast.hpp>

#include <cmath>
#include <iterator>
#include <string>
#include <utility>

namespace {

// The influence positions of the deck layout: each plane loading position with the reactions
// its supports receive. The position entries give the number of positions; the x and y lists
// must hold a value for each (values past the positions belong to none and are not passed on),
// and a position without support lists has no reactions.
int ConvertInfluences(CArray<BC_INFLUENCE>& influences, const CCalGenDeckLayout* deck)
{
    if (!deck) return 0;
    CArray<double> xs;
    CArray<double> ys;
    if (!ConvertCalcTexts("平面加载位置", deck->m_XLoad, xs, "m_XLoad")) return 0;
    if (!ConvertCalcTexts("平面加载位置", deck->m_YLoad, ys, "m_YLoad")) return 0;
    const int count = deck->m_PositionName.GetSize();
    int ok = CheckCalcCount("平面加载位置", xs.GetSize(), count, "m_XLoad");
    ok &= CheckCalcCount("平面加载位置", ys.GetSize(), count, "m_YLoad");
    if (!ok) return 0;

    const CStringArray none;
    influences.RemoveAll();
    influences.SetSize(count);
    for (int i = 0; i < count; ++i) {
        BC_INFLUENCE& influence = influences[i];
        influence.x = xs[i];
        influence.y = ys[i];
        const CStringArray& names = i < deck->m_SupportName.GetSize() ? deck->m_SupportName[i] : none;
        const CStringArray& forceTexts = i < deck->m_ForceZhiZuo.GetSize() ? deck->m_ForceZhiZuo[i] : none;
        CArray<double> forces;
        if (!ConvertCalcTexts("加载位置对应支反力", forceTexts, forces, "m_ForceZhiZuo")) return 0;
        if (!CheckCalcCount("加载位置对应支反力", forces.GetSize(), names.GetSize(), "m_ForceZhiZuo",
                            static_cast<unsigned long>(i)))
            return 0;
        influence.Reactions.SetSize(names.GetSize());
        for (int j = 0; j < names.GetSize(); ++j) {
            influence.Reactions[j].Support = names[j];
            influence.Reactions[j].Force = forces[j];
        }
    }
    return 1;
}

// The deck layout's longitudinal positions, each with the girders there.
int ConvertDeckPositions(CArray<CPM001Load::DeckPosition>& positions, const CCalGenDeckLayout& deck)
{
    CArray<double> values;
    if (!ConvertCalcTexts("桥面布置所在纵向位置", deck.m_YLong, values, "m_YLong")) return 0;
    if (!CheckCalcCount("桥面布置所在纵向位置对应梁特性", deck.m_BeamProperty.GetSize(), values.GetSize(),
                        "m_BeamProperty"))
        return 0;
    positions.RemoveAll();
    positions.SetSize(values.GetSize());
    for (int i = 0; i < values.GetSize(); ++i) {
        positions[i].Position = values[i];
        ConvertBeamPropertyRecord(positions[i].Beam, &deck.m_BeamProperty[i]);
    }
    return 1;
}

// Makes the record when there is none yet; one made before is kept and filled again.
template <class Record>
void EnsureRecord(std::unique_ptr<Record>& record)
{
    if (!record) record = std::make_unique<Record>();
}

} // namespace

int CPM001org::Get_Cal_Load(CPM001Load* record, CPM001* input)
{
    if (!record || !input) return 0;
    CPM001Load& r = *record;
    const PM001LoadInput& in = *input;

    // 1. Options, in the engine's order.
    r.LoadOpt1 = in.LoadOption1;
    r.LoadOpt2 = in.LoadOption3;
    r.LoadOpt3 = in.LoadOption2;
    r.LoadOpt4 = in.LoadOption4;

    // 2. Reactions at named nodes, only when every name has its force text; a missing label is empty.
    r.NodeForces.RemoveAll();
    const int nodes = in.m_NodeName.GetSize();
    if (nodes == in.m_NodeForce.GetSize() && nodes > 0) {
        CArray<double> forces;
        if (!ConvertCalcTexts("支反力", in.m_NodeForce, forces, "m_NodeForce")) return 0;
        r.NodeForces.SetSize(nodes);
        for (int i = 0; i < nodes; ++i) {
            CPM001Load::NodeForce& node = r.NodeForces[i];
            node.Label = i < in.m_NodeLabel.GetSize() ? in.m_NodeLabel[i] : CString();
            node.Name = in.m_NodeName[i];
            node.Force = forces[i];
        }
    }

    // 3. Values and number lists.
    r.LoadValue1 = in.LoadValue1;
    r.LoadValue2 = in.LoadValue2;
    // A list with an item that is not a number (or past the cap) is reported and stops the preparation.
    const std::pair<const CString&, CArray<double>&> lists[] = {
        {in.LoadList1, r.LoadList1}, {in.LoadList2, r.LoadList2}, {in.LoadList3, r.LoadList3},
        {in.LoadList4, r.LoadList4}, {in.LoadList5, r.LoadList5}, {in.LoadList6, r.LoadList6}};
    for (std::size_t k = 0; k < std::size(lists); ++k) {
        CString description;
        CString key;
        description.Format("荷载列表%zu", k + 1);
        key.Format("LoadList%zu", k + 1);
        if (!ConvertCalcExpression(description, lists[k].first, lists[k].second, key)) return 0;
    }

    // 4-6. Live loads: the two live-load surfaces, or the deck layout's influence positions, deck
    // positions and road design line.
    r.LiveLoadMode = in.LiveLoadMode;
    if (in.LiveLoadMode == 0) {
        CPG003org::SetLoadSurface(r.SpanAlign1, &in.m_LiveLoadSurface1);
        r.SpanAlign2Mode = in.SecondSurfaceMode;
        if (r.SpanAlign2Mode == 0) CPG003org::SetLoadSurface(r.SpanAlign2, &in.m_LiveLoadSurface2);
    } else if (const CCalGenDeckLayout* deck = in.GetDeckLayout()) {
        r.DeckValue = deck->m_DeckValue;
        if (!ConvertInfluences(r.Influences, deck)) return 0;
        if (!ConvertDeckPositions(r.DeckPositions, *deck)) return 0;
        if (!ConvertCalcTexts("道路设计线参数", deck->m_XRoad, r.XRoad, "m_XRoad")) return 0;
        if (!ConvertCalcTexts("道路设计线参数", deck->m_YRoad, r.YRoad, "m_YRoad")) return 0;
    }

    // 7. Further options; the load case is named by its number.
    r.LoadOpt5 = in.LoadOption5;
    r.LoadOpt6 = in.LoadOption6;
    r.LoadValue3 = in.LoadValue3;
    r.LoadName = boost::lexical_cast<std::string>(in.LoadNumber);
    r.LoadOpt7 = in.LoadOption7;

    // 8. The three foundation load records, for the pier to fill the one of its foundation.
    EnsureRecord(r.PG001Load);
    EnsureRecord(r.PG002Load);
    EnsureRecord(r.PG003Load);

    // 9-10. Foundation layout and the extra load pair.
    r.SeparateFoundations = BaseLayMode == 0 ? 1 : 0;
    r.ExtraLoadOn = 0;
    r.ExtraLoadA = in.ExtraLoadA;
    r.ExtraLoadB = in.ExtraLoadB;
    if (std::fabs(r.ExtraLoadA) != 0.0 && std::fabs(r.ExtraLoadB) != 0.0) r.ExtraLoadOn = 1;
    return 1;
}
