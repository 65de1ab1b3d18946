// Reading of the report data and the adjustment hand-off.
#include "report_handoff.h"

#include "calc/pm001_calc.h"
#include "drawing/user_adjust.h"
#include "host/component_norm.h"

using json = nlohmann::ordered_json;

namespace {

template <class T>
json listJson(const CArray<T, T>& list)
{
    json j = json::array();
    for (int i = 0; i < list.GetSize(); ++i) j.push_back(list[i]);
    return j;
}

json capPaperJson(const CPM001_CapTendon& p)
{
    return {{"sh_a", p.sh_a},           {"sh1_n", p.sh1_n},         {"sh2_n", p.sh2_n},
            {"sg_ns", listJson(p.sg_ns)}, {"sg_nasl", p.sg_nasl},     {"sg_nasr", p.sg_nasr},
            {"sg_as", listJson(p.sg_as)}, {"sg_lns2", listJson(p.sg_lns2)}, {"sg_rns2", listJson(p.sg_rns2)},
            {"sg_asType", listJson(p.sg_asType)}, {"sg_lXBns2", p.sg_lXBns2}, {"sg_rXBns2", p.sg_rXBns2},
            {"sg_nAns", p.sg_nAns},     {"sg_b", p.sg_b},           {"sg_bMid", p.sg_bMid},
            {"sg_Aas", p.sg_Aas}};
}

} // namespace

json ReportHandOffJson(CComponentNorm& component)
{
    json j = json::object();
    const auto* calc = dynamic_cast<const CPM001Calc*>(component.GetCalcData());
    const auto* paper = calc && calc->GetPreparedCapPaper() ? &*calc->GetPreparedCapPaper() : nullptr;
    j["capPaper"] = paper ? capPaperJson(*paper) : json(nullptr);
    const auto& adjust = LastUserAdjustHandOff();
    j["adjustDataPath"] = adjust && adjust->component == &component ? json(adjust->path.str()) : json(nullptr);
    return j;
}
