// CPM001T010401Atom::SetPMSteelData: the plan of the tendons — transverse and end-station chains,
// the plan groups between neighbouring tendon ends, and where each tendon's position is dimensioned.
#include "tendon/design_object.h"

#include "common/is_equal.h"

#include <algorithm>
#include <cmath>
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

// For every tendon, the other tendons that lie over it in plan, in Steel order. Lying over each
// other needs the same number of positions and first positions within the tolerance, so once the
// tendons are sorted by that number and their first position, each needs comparing only with the
// run that follows it up to the first one beyond the tolerance. A first position that is not a
// number equals none.
std::vector<std::vector<int>> PlanPartners(const std::vector<std::unique_ptr<M_Steel>>& steel)
{
    const auto size = [&steel](int t) { return steel[t]->Y.GetSize(); };
    const auto first = [&steel](int t) { return steel[t]->Y.GetSize() > 0 ? steel[t]->Y[0] : 0.0; };
    std::vector<int> order;
    for (int t = 0; t < static_cast<int>(steel.size()); ++t) {
        if (steel[t] && !std::isnan(first(t))) order.push_back(t);
    }
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return size(a) != size(b) ? size(a) < size(b) : first(a) < first(b);
    });
    std::vector<std::vector<int>> partners(steel.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        const int a = order[i];
        for (std::size_t j = i + 1; j < order.size(); ++j) {
            const int b = order[j];
            if (size(b) != size(a)) break;
            if (first(b) != first(a) && first(b) - first(a) > KVDataCommon::kEqualTolerance) break;
            if (!OverlapInPlan(*steel[a], *steel[b])) continue;
            partners[static_cast<std::size_t>(a)].push_back(b);
            partners[static_cast<std::size_t>(b)].push_back(a);
        }
    }
    // Lying over each other goes both ways: reading the lists in Steel order and writing each
    // tendon into the lists of its partners puts every list in Steel order.
    std::vector<std::vector<int>> ordered(steel.size());
    for (std::size_t a = 0; a < partners.size(); ++a) {
        for (int b : partners[a]) ordered[static_cast<std::size_t>(b)].push_back(static_cast<int>(a));
        std::vector<int>().swap(partners[a]);
    }
    return ordered;
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
    // strictly. members[j] keeps the positions in Steel of the labels in group j's SR, in Steel
    // order. The middles rise with the cuts, so the groups a tendon runs through are found by two
    // searches among them; only a middle that is not a number (cuts at both infinities) makes
    // every group a candidate.
    const std::size_t groups = static_cast<std::size_t>(std::max(groupCount, 0));
    std::vector<double> mids(groups);
    for (std::size_t j = 0; j < groups; ++j) mids[j] = (cuts[j] + cuts[j + 1]) / 2.0;
    const bool ordered = std::none_of(mids.begin(), mids.end(), [](double m) { return std::isnan(m); });
    std::vector<std::vector<int>> members(groups);
    for (int t = 0; t < count; ++t) {
        const M_Steel* s = Steel[t].get();
        if (!HasSpan(s)) continue;
        const double start = StartStation(*s);
        const double end = EndStation(*s);
        auto first = mids.begin();
        auto last = mids.end();
        if (ordered) {
            first = std::partition_point(mids.begin(), mids.end(), [start](double m) { return m <= start; });
            last = std::partition_point(first, mids.end(), [end](double m) { return m < end; });
        }
        for (auto m = first; m != last; ++m) {
            if (start < *m && end > *m) members[static_cast<std::size_t>(m - mids.begin())].push_back(t);
        }
    }
    QH.clear();
    for (int j = 0; j < groupCount; ++j) {
        auto group = std::make_unique<M_QH>();
        group->QHName.Format("Q%d", j + 1);
        group->QR.Format("%d", j + 1);
        group->L = cuts[j + 1] - cuts[j];
        for (int t : members[j]) group->SR.Add(Steel[t]->R);
        group->N = group->SR.GetSize();
        QH.push_back(std::move(group));
    }

    // Tendons whose position is not dimensioned yet, marked by their place in Steel, and their count.
    std::vector<bool> waiting(static_cast<std::size_t>(count), false);
    int pending = 0;
    for (int t = 0; t < count; ++t) {
        if (!Steel[t]) continue;
        waiting[static_cast<std::size_t>(t)] = true;
        ++pending;
    }
    const auto isPending = [&waiting](int t) { return waiting[static_cast<std::size_t>(t)]; };
    const auto take = [&waiting, &pending](int t) {
        waiting[static_cast<std::size_t>(t)] = false;
        --pending;
    };

    // Only the groups up to the counted length take part: half the beam for a symmetric layout.
    const double counted = fSymLayout == 1 ? bBg / 2.0 : bBg;

    const std::vector<std::vector<int>> partners = PlanPartners(Steel);
    // The group whose members are marked with its number in inGroupMark.
    std::vector<int> inGroupMark(static_cast<std::size_t>(count), -1);

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
        for (int t : inGroup) inGroupMark[static_cast<std::size_t>(t)] = i;
        for (int t : inGroup) {
            if (!isPending(t)) continue;
            const std::vector<int>& over = partners[static_cast<std::size_t>(t)];
            if (std::any_of(over.begin(), over.end(), [&](int p) { return inGroupMark[static_cast<std::size_t>(p)] == i; }))
                continue;
            group.SDR.Add(Steel[t]->R);
            group.Roverlap.push_back(OverlapEntry(Steel[t]->R));
            take(t);
            break;
        }
    }

    // Further passes: each group within the counted length takes the first pending tendon that
    // runs through it, with the pending tendons that lie over it. Both lists keep Steel order, so
    // that tendon is the group's first member still pending; as tendons only leave the pending
    // list, each group's search goes on from where its last one stopped. A pass that places
    // nothing ends the search: the tendons left run through no group within the counted length
    // and stay without a plan dimension.
    std::vector<std::size_t> searched(groups, 0);
    while (pending > 0) {
        bool placed = false;
        run = 0.0;
        for (int i = 0; i < groupCount; ++i) {
            if (Reached(run, counted)) break;
            M_QH& group = *QH[i];
            run += group.L;
            const std::vector<int>& inGroup = members[i];
            std::size_t& next = searched[i];
            while (next < inGroup.size() && !isPending(inGroup[next])) ++next;
            if (next == inGroup.size()) continue;
            const int t = inGroup[next];
            take(t);
            group.SDR.Add(Steel[t]->R);
            auto entry = OverlapEntry(Steel[t]->R);
            for (int other : partners[static_cast<std::size_t>(t)]) {
                if (isPending(other)) entry->OverlapR.Add(Steel[other]->R);
            }
            group.Roverlap.push_back(std::move(entry));
            placed = true;
        }
        if (!placed) break;
    }
    return 1;
}
