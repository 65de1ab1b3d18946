// CPM001T010401Atom::SetPMSteelData: the plan of the tendons — transverse and end-station chains,
// the plan groups between neighbouring tendon ends, and where each tendon's position is dimensioned.
#include "tendon/design_object.h"

#include "common/is_equal.h"

#include <algorithm>
#include <compare>
#include <cstddef>
#include <vector>

namespace {

using M_Steel = CPM001T010401Atom::M_Steel;
using M_QH = CPM001T010401Atom::M_QH;
using M_Roverlap = CPM001T010401Atom::M_Roverlap;

// Sorts the values increasing and keeps the first of every run of exactly equal ones. The total
// order keeps the sort well defined whatever the values are.
void SortDistinct(std::vector<double>& values)
{
    std::sort(values.begin(), values.end(), [](double a, double b) { return std::strong_order(a, b) < 0; });
    values.erase(std::unique(values.begin(), values.end(), [](double a, double b) { return a == b; }),
                 values.end());
}

// Appends the gaps between neighbouring distinct values to chain; 0 when there are no values.
int AppendChain(std::vector<double> values, DblArray& chain)
{
    if (values.empty()) return 0;
    SortDistinct(values);
    for (std::size_t i = 1; i < values.size(); ++i) chain.Add(values[i] - values[i - 1]);
    return 1;
}

// A tendon with nodes runs from the station of its first node to that of its last.
bool HasSpan(const M_Steel* s)
{
    return s && s->LNode.GetSize() > 0;
}
double StartStation(const M_Steel& s)
{
    return s.LNode[0].X;
}
double EndStation(const M_Steel& s)
{
    return s.LNode[s.LNode.GetUpperBound()].X;
}

// Two tendons lie over each other in plan when their transverse positions agree one by one.
bool OverlapInPlan(const M_Steel& a, const M_Steel& b)
{
    return a.Y.GetSize() == b.Y.GetSize() && KVDataCommon::IsEqual(a.Y, b.Y) != 0;
}

bool Reached(double s, double h)
{
    return h < s || KVDataCommon::IsEqual(s, h) != 0;
}

std::unique_ptr<M_Roverlap> OverlapEntry(const CString& label)
{
    auto entry = std::make_unique<M_Roverlap>();
    entry->SteelR = label;
    entry->OverlapR.SetSize(0, -1);
    return entry;
}

} // namespace

int CPM001T010401Atom::SetPMSteelData()
{
    const int count = static_cast<int>(Steel.size());

    // Station lists: across the width, untensioned left ends, untensioned right ends, group cuts.
    std::vector<double> across{-B / 2.0, B / 2.0};
    std::vector<double> leftEnds{0.0};
    std::vector<double> rightEnds{bBg};
    std::vector<double> cuts;
    for (const auto& steel : Steel) {
        if (!steel) continue;
        for (int k = 0; k < steel->Y.GetSize(); ++k) across.push_back(steel->Y[k]);
        if (!HasSpan(steel.get())) continue;
        if (steel->PT == 2) leftEnds.push_back(StartStation(*steel));
        if (steel->PT == 1) rightEnds.push_back(EndStation(*steel));
        cuts.push_back(StartStation(*steel));
        cuts.push_back(EndStation(*steel));
    }
    if (!AppendChain(across, Ps)) return 0;
    if (!AppendChain(leftEnds, Pgdsl)) return 0;
    if (!AppendChain(rightEnds, Pgdsr)) return 0;

    if (cuts.empty()) return 0;
    SortDistinct(cuts);
    const int groupCount = static_cast<int>(cuts.size()) - 1;

    // The groups between neighbouring cuts, each with the tendons whose span holds its middle
    // strictly. members[j] keeps the positions in Steel of the labels in group j's SR.
    QH.clear();
    std::vector<std::vector<int>> members(static_cast<std::size_t>(std::max(groupCount, 0)));
    for (int j = 0; j < groupCount; ++j) {
        auto group = std::make_unique<M_QH>();
        group->QHName.Format("Q%d", j + 1);
        group->QR.Format("%d", j + 1);
        group->L = cuts[j + 1] - cuts[j];
        const double mid = (cuts[j] + cuts[j + 1]) / 2.0;
        for (int t = 0; t < count; ++t) {
            const M_Steel* s = Steel[t].get();
            if (!HasSpan(s) || !(StartStation(*s) < mid) || !(EndStation(*s) > mid)) continue;
            group->SR.Add(s->R);
            members[j].push_back(t);
        }
        group->N = group->SR.GetSize();
        QH.push_back(std::move(group));
    }

    // Tendons whose position is not dimensioned yet, by their place in Steel.
    std::vector<int> pending;
    for (int t = 0; t < count; ++t) {
        if (Steel[t]) pending.push_back(t);
    }
    const auto isPending = [&pending](int t) { return std::find(pending.begin(), pending.end(), t) != pending.end(); };

    // Only the groups up to the counted length take part: half the beam for a symmetric layout.
    const double counted = fSymLayout == 1 ? bBg / 2.0 : bBg;

    // First assignment: in each group the first pending tendon that no other member lies over.
    double run = 0.0;
    for (int i = 0; i < groupCount; ++i) {
        if (Reached(run, counted)) {
            // The group with which the counted length was reached is cut back to it. Before the
            // first group there is nothing to cut back.
            if (i > 0) {
                double before = 0.0;
                for (int g = 0; g < i - 1; ++g) before += QH[g]->L;
                QH[i - 1]->L = counted - before;
            }
            break;
        }
        M_QH& group = *QH[i];
        run += group.L;
        const std::vector<int>& inGroup = members[i];
        for (std::size_t a = 0; a < inGroup.size(); ++a) {
            const int t = inGroup[a];
            if (!isPending(t)) continue;
            bool covered = false;
            for (std::size_t b = 0; b < inGroup.size() && !covered; ++b) {
                covered = b != a && OverlapInPlan(*Steel[inGroup[b]], *Steel[t]);
            }
            if (covered) continue;
            group.SDR.Add(Steel[t]->R);
            group.Roverlap.push_back(OverlapEntry(Steel[t]->R));
            pending.erase(std::find(pending.begin(), pending.end(), t));
            break;
        }
    }

    // Further passes: each group within the counted length takes the first pending tendon that
    // runs through it, with the pending tendons that lie over it. A pass that places nothing ends
    // the search: the tendons left run through no group within the counted length and stay
    // without a plan dimension.
    while (!pending.empty()) {
        bool placed = false;
        run = 0.0;
        for (int i = 0; i < groupCount; ++i) {
            if (Reached(run, counted)) break;
            M_QH& group = *QH[i];
            run += group.L;
            const std::vector<int>& inGroup = members[i];
            const auto chosen = std::find_if(pending.begin(), pending.end(), [&inGroup](int t) {
                return std::find(inGroup.begin(), inGroup.end(), t) != inGroup.end();
            });
            if (chosen == pending.end()) continue;
            const int t = *chosen;
            pending.erase(chosen);
            group.SDR.Add(Steel[t]->R);
            auto entry = OverlapEntry(Steel[t]->R);
            for (int other : pending) {
                if (OverlapInPlan(*Steel[other], *Steel[t])) entry->OverlapR.Add(Steel[other]->R);
            }
            group.Roverlap.push_back(std::move(entry));
            placed = true;
        }
        if (!placed) break;
    }
    return 1;
}
