// Stirrups: the checks of the stirrup settings and groups before the layout, and the tapered end parts.
#include "capbeam/stirrups/layout.h"

#include "common/bar_sizes.h"
#include "common/is_equal.h"
#include "host/report.h"

#include <vector>

using KVDataCommon::IsEqual;

namespace CapBeamStirrups {

namespace {

// Letters that tell stirrup groups of different widths apart; the first width takes none.
constexpr int kWidthLetters = 20;

bool ReportFailure(const char* message)
{
    QMReportError(message, 0);
    return false;
}

// Each check gives the message of its fault, or nullptr.
const char* SpacingsFault(const Atom& atom, Layout layout)
{
    const auto& sg = atom.sg;
    // Written as "not greater than 0" so that a spacing that is not a number fails as well.
    if (!(sg.s > 0.0)) return "计算错误：箍筋间距必须大于0，请检查";
    if (IsDensified(layout) && !(sg.s2 > 0.0)) return "计算错误：箍筋加密间距必须大于0，请检查";
    if (LaysEndZones(layout) && !(sg.s3 > 0.0)) return "计算错误：箍筋端部间距必须大于0，请检查";
    return nullptr;
}

bool HasNegative(const IntArray& list)
{
    for (int v : list)
        if (v < 0) return true;
    return false;
}

// The densified layouts read one entry of each list per support line.
const char* DensifiedCountsFault(const Atom& atom)
{
    const auto& sg = atom.sg;
    if (sg.lns2.GetSize() == 0) return "给定支承线左侧的箍筋加密间距数为空，请检查";
    if (sg.rns2.GetSize() == 0) return "给定支承线右侧的箍筋加密间距数为空，请检查";
    if (sg.lns2.GetSize() < atom.nPier) return "计算错误：给定支承线左侧的箍筋加密间距数少于支承线数，请检查";
    if (sg.rns2.GetSize() < atom.nPier) return "计算错误：给定支承线右侧的箍筋加密间距数少于支承线数，请检查";
    if (HasNegative(sg.lns2)) return "计算错误：给定支承线左侧的箍筋加密间距数不能小于0，请检查";
    if (HasNegative(sg.rns2)) return "计算错误：给定支承线右侧的箍筋加密间距数不能小于0，请检查";
    return nullptr;
}

const char* GroupsFault(const Atom& atom)
{
    const int frames = atom.st.Frame.GetSize();
    for (const auto& group : atom.XH) {
        const bool inRange = group.nA >= 1 && group.nA <= frames && group.nB >= 1 && group.nB <= frames;
        if (!inRange || atom.st.Frame[group.nA - 1] == nullptr || atom.st.Frame[group.nB - 1] == nullptr)
            return "计算错误：箍筋分组中的骨架编号超出骨架范围，请检查";
    }
    std::vector<int> keys;
    for (const auto& group : atom.XH) {
        const int key = WidthKey(atom, group);
        bool seen = false;
        for (int k : keys) seen = seen || k == key;
        if (!seen) keys.push_back(key);
    }
    if (static_cast<int>(keys.size()) > kWidthLetters + 1) return "计算错误：箍筋宽度种类超过21种，无法编号，请检查";
    return nullptr;
}

} // namespace

const char* LayoutFault(const Atom& atom, Layout layout)
{
    if (atom.nPier < 1 || atom.bBz.GetSize() != atom.nPier - 1)
        return "计算错误：盖梁支承线数与支承线间距数不符，无法布置箍筋，请检查";
    if (const char* fault = SpacingsFault(atom, layout)) return fault;
    if (IsDensified(layout)) {
        if (const char* fault = DensifiedCountsFault(atom)) return fault;
    }
    if (layout == Layout::DensifiedSkewed) {
        // The zones along the beam are listed span by span; a span of no length would end the list early.
        for (double span : atom.bBz)
            if (span == 0.0) return "计算错误：支承线间距为0，无法布置箍筋，请检查";
    }
    return nullptr;
}

const char* OutlineFault(const Atom& atom, const CDblPointArray& outline)
{
    const bool tapered = !IsEqual(atom.bBpl, 0.0) || !IsEqual(atom.bBpr, 0.0);
    return tapered && outline.GetSize() < 5 ? "计算错误：变高度段的钢筋轮廓点不足，无法布置箍筋，请检查" : nullptr;
}

int CheckInput(const Atom& atom, Layout layout)
{
    const char* fault = LayoutFault(atom, layout);
    if (!fault) fault = GroupsFault(atom);
    if (!fault) fault = OutlineFault(atom, atom.PYXTCJpa1);
    return fault ? ReportFailure(fault) : 1;
}

const char* PlanEndsFault(const Atom& atom, const CDblPointArray& outline, Plan& plan)
{
    const auto& sg = atom.sg;
    plan.last = atom.nPier - 1;
    plan.dL = !IsEqual(atom.bBpl, 0.0) ? outline[2].x : atom.bBpl;
    plan.dR = !IsEqual(atom.bBpr, 0.0) ? atom.bBg - outline[3].x : atom.bBpr;
    // A square end next to a tapered one is given a token tapered part of 1e-5 by 1e-5.
    auto token = [](double b) { return (b < 1e-5 || IsEqual(b, 1e-5)) && !IsEqual(b, 0.0); };
    plan.squareL = token(atom.bBpl);
    plan.squareR = token(atom.bBpr);
    plan.W = KVDataCommon::wd(atom.st.d, atom.st.type) + KVDataCommon::wd(sg.d, sg.type);

    // A uniform skewed layout under tapered ends still steps by the densified spacing when densified
    // counts are given for more than one support line.
    const bool tapered = !IsEqual(plan.dL, 0.0) && !IsEqual(plan.dR, 0.0);
    const bool readsDense = sg.lns2.GetSize() > 1 || sg.rns2.GetSize() > 1;
    if (plan.layout == Layout::UniformSkewed && tapered && readsDense && !(sg.s2 > 0.0))
        return "计算错误：箍筋加密间距必须大于0，请检查";
    return nullptr;
}

int PlanEnds(const Atom& atom, Plan& plan)
{
    const char* fault = PlanEndsFault(atom, atom.PYXTCJpa1, plan);
    return fault ? ReportFailure(fault) : 1;
}

} // namespace CapBeamStirrups
