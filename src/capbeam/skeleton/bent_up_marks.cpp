// Bent-up bars: which bars share a mark, the marks themselves and the schedule rows of the bars and arcs.
#include "capbeam/skeleton/bent_up_marks.h"

#include "capbeam/skeleton/rounding.h"
#include "capbeam/skeleton/segment_labels.h"
#include "common/cut_length.h"
#include "common/is_equal.h"
#include "common/list_sum.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace CapBeamBentUpBars {

namespace {

using Atom = CPM001T0101Atom;
using KVDataCommon::IsEqual;
using CapBeamRounding::GetIntDbArray;

// Lengths compared for equality are compared in whole tenths.
double Tenths(double v) { return std::trunc(v * 10.0 + 0.5); }

CString MarkText(int mark)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", mark);
    return CString(text);
}

bool SlopesOpposite(const Atom& atom) { return IsEqual(atom.iLb, -atom.iRb) != 0; }

bool RunsOverWholeBeam(const Atom& atom, const Atom::M_WQJ& bar)
{
    return bar.nB == 0 && bar.nC == 2 * atom.nPier - 1;
}

// The shape of a centre line: the straight distances between consecutive vertices, rounded to whole
// values, and the angles at its inner vertices, rounded to tenths.
struct LineShape {
    DblArray spans;
    DblArray angles;
};

LineShape ShapeOf(const CArray<Atom::M_XZR>& line)
{
    LineShape s;
    for (int k = 1; k < line.GetSize(); ++k)
        s.spans.Add(std::hypot(line[k].x - line[k - 1].x, line[k].z - line[k - 1].z));
    GetIntDbArray(s.spans);
    for (int k = 1; k + 1 < line.GetSize(); ++k) s.angles.Add(Tenths(line[k].alf) / 10.0);
    return s;
}

bool SameShape(const LineShape& a, const LineShape& b)
{
    return IsEqual(a.spans, b.spans) && IsEqual(a.angles, b.angles);
}

DblArray Reversed(const DblArray& list)
{
    DblArray r;
    for (int k = list.GetSize() - 1; k >= 0; --k) r.Add(list[k]);
    return r;
}

Atom::M_WQJ_R* NewResult(Atom& atom, Atom::M_WQJ* bar, const CString& mark)
{
    auto r = std::make_unique<Atom::M_WQJ_R>();
    r->pWQJ = bar;
    r->R = mark;
    return atom.BentResultPool.AddOwned(std::move(r));
}

// Every enPoint-2 vertex of the bar lies at the height of the inner through-bar outline's bottom.
bool BottomBendsLevel(const Atom& atom, const Atom::M_WQJ& bar)
{
    if (atom.PYXTCJpa2.GetSize() < 3) return true;
    const double zb = atom.PYXTCJpa2[2].y;
    for (const Atom::M_XZR& v : bar.PtAr) {
        if (v.enPoint == 2 && !IsEqual(v.z, zb)) return false;
    }
    return true;
}

// M1: the bars over the whole beam, grouped on their end values, inner positions and flags.
void MarkWholeBeamBars(Atom& atom, CArray<Atom::M_WQJ_R*>& out)
{
    std::vector<Atom::M_WQJ*> candidates;
    for (Atom::M_WQJ* bar : atom.BentBarList) {
        if (bar && RunsOverWholeBeam(atom, *bar)) candidates.push_back(bar);
    }
    std::vector<std::vector<Atom::M_WQJ*>> groups;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const Atom::M_WQJ& a = *candidates[i];
        std::vector<Atom::M_WQJ*> group{candidates[i]};
        for (std::size_t c = candidates.size() - 1; c > i; --c) {
            const Atom::M_WQJ& b = *candidates[c];
            const bool same = (IsEqual(Tenths(a.dA), Tenths(b.dA)) || IsEqual(Tenths(a.dB), Tenths(b.dB))) &&
                              (IsEqual(Tenths(a.dC), Tenths(b.dC)) || IsEqual(Tenths(a.dD), Tenths(b.dD))) &&
                              IsEqual(a.L, b.L) && a.nD == b.nD && a.nE == b.nE && a.nF == b.nF && a.nG == b.nG &&
                              a.L2.GetSize() == b.L2.GetSize();
            if (!same) continue;
            group.push_back(candidates[c]);
            candidates.erase(candidates.begin() + static_cast<std::ptrdiff_t>(c));
        }
        groups.push_back(std::move(group));
    }

    std::vector<double> keys;
    std::vector<int> order;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        DblArray lengths;
        for (const Atom::M_WQJ* bar : groups[g]) lengths.Add(bar->dE);
        double key = 0.0;
        lengths.GetMax(key);
        keys.push_back(key);
        order.push_back(static_cast<int>(g));
    }
    SortByKey(keys, order, 0);
    for (int g : order) {
        const CString mark = MarkText(++atom.nMark);
        for (Atom::M_WQJ* bar : groups[static_cast<std::size_t>(g)]) out.Add(NewResult(atom, bar, mark));
    }
}

// M2: the other bars, grouped within each frame on their shapes and then across frames.
void MarkPartialBars(Atom& atom, CArray<Atom::M_WQJ_R*>& out)
{
    std::vector<Atom::M_WQJ*> partial;
    for (Atom::M_WQJ* bar : atom.BentBarList) {
        if (bar && !RunsOverWholeBeam(atom, *bar)) partial.push_back(bar);
    }
    if (partial.empty()) return;

    // A bar end whose bottom bend leaves the skeleton's bottom line keeps the bars of that end apart.
    bool leftFree = true;
    bool rightFree = true;
    for (const Atom::M_WQJ* bar : partial) {
        if (BottomBendsLevel(atom, *bar)) continue;
        if (bar->nB == 0) leftFree = false;
        if (bar->nC == 2 * atom.nPier - 1) rightFree = false;
    }
    auto mayJoin = [&](const Atom::M_WQJ& bar) {
        if (bar.nB == 0 && !leftFree) return false;
        if (bar.nC == 2 * atom.nPier - 1 && !rightFree) return false;
        return true;
    };

    const BentBarsByNumber byNumber(atom.BentBarList);
    int lastFrame = 0;
    for (const Atom::M_WQJ* bar : partial) lastFrame = std::max(lastFrame, bar->nH);
    CArray<IntArray> groups;
    bool first = true;
    for (int f = 0; f <= lastFrame; ++f) {
        std::vector<Atom::M_WQJ*> frameBars;
        for (Atom::M_WQJ* bar : partial) {
            if (bar->nH == f) frameBars.push_back(bar);
        }
        if (frameBars.empty()) continue;
        CArray<IntArray> frameGroups;
        for (std::size_t i = 0; i < frameBars.size(); ++i) {
            IntArray group;
            group.Add(frameBars[i]->nA);
            const LineShape shape = ShapeOf(frameBars[i]->PtAr);
            for (std::size_t c = frameBars.size() - 1; c > i; --c) {
                const Atom::M_WQJ& other = *frameBars[c];
                if (other.PtAr.GetSize() != frameBars[i]->PtAr.GetSize() || !SameShape(shape, ShapeOf(other.PtAr)) ||
                    !mayJoin(other))
                    continue;
                group.Add(other.nA);
                frameBars.erase(frameBars.begin() + static_cast<std::ptrdiff_t>(c));
            }
            frameGroups.Add(group);
        }
        if (first) {
            groups = frameGroups;
            first = false;
        } else {
            for (const IntArray& g : frameGroups) IsWQJArBHHB(atom, byNumber, groups, g);
        }
    }

    std::vector<double> keys;
    std::vector<int> order;
    for (int g = 0; g < groups.GetSize(); ++g) {
        DblArray lengths;
        GetWQJdlAr(byNumber, groups[g], lengths);
        double key = 0.0;
        lengths.GetMax(key);
        keys.push_back(key);
        order.push_back(g);
    }
    SortByKey(keys, order, 0);

    std::vector<int> level(static_cast<std::size_t>(groups.GetSize()), 1);
    for (int g = 0; g < groups.GetSize(); ++g) {
        for (int number : groups[g]) {
            const Atom::M_WQJ* bar = byNumber.Find(number);
            if (bar && !BottomBendsLevel(atom, *bar)) level[static_cast<std::size_t>(g)] = 0;
        }
    }

    const bool opposite = SlopesOpposite(atom);
    std::vector<int> marked;          // groups marked so far, in marking order
    std::vector<int> markOf(static_cast<std::size_t>(groups.GetSize()), 0);
    for (std::size_t pos = 0; pos < order.size(); ++pos) {
        const int g = order[pos];
        IntArray& numbers = groups[g];
        std::sort(numbers.begin(), numbers.end());
        const Atom::M_WQJ* head = numbers.IsEmpty() ? nullptr : byNumber.Find(numbers[0]);
        int mark = 0;
        if (opposite && pos > 0 && level[static_cast<std::size_t>(g)] == 1 && head) {
            // A level group that mirrors an earlier level group about the crown shares its mark.
            for (int e : marked) {
                if (level[static_cast<std::size_t>(e)] != 1 || groups[e].IsEmpty()) continue;
                const Atom::M_WQJ* other = byNumber.Find(groups[e][0]);
                if (other && IsEqual(other->dC, head->dA) && IsEqual(other->L, head->L) &&
                    IsEqual(other->dE, head->dE) && other->L2.GetSize() == head->L2.GetSize()) {
                    mark = markOf[static_cast<std::size_t>(e)];
                    break;
                }
            }
        }
        if (mark == 0) mark = ++atom.nMark;
        markOf[static_cast<std::size_t>(g)] = mark;
        marked.push_back(g);
        const CString text = MarkText(mark);
        for (int number : numbers) {
            if (Atom::M_WQJ* bar = byNumber.Find(number)) out.Add(NewResult(atom, bar, text));
        }
    }
}

} // namespace

BentBarsByNumber::BentBarsByNumber(const WQJList& list)
{
    m_entries.reserve(static_cast<std::size_t>(list.GetSize()));
    for (int k = 0; k < list.GetSize(); ++k) {
        if (list[k]) m_entries.push_back({list[k]->nA, k, list[k]});
    }
    std::sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) {
        return a.number != b.number ? a.number < b.number : a.position < b.position;
    });
}

Atom::M_WQJ* BentBarsByNumber::Find(int number) const
{
    const auto e = std::lower_bound(m_entries.begin(), m_entries.end(), number,
                                    [](const Entry& entry, int n) { return entry.number < n; });
    return e != m_entries.end() && e->number == number ? e->bar : nullptr;
}

double GetWQJdl(const BentBarsByNumber& bars, int number)
{
    const Atom::M_WQJ* bar = bars.Find(number);
    return bar ? bar->dE : 0.0;
}

void GetWQJdlAr(const BentBarsByNumber& bars, const IntArray& numbers, DblArray& out)
{
    for (int number : numbers) out.Add(GetWQJdl(bars, number));
}

int IsWQJBHHB(const Atom& atom, const BentBarsByNumber& bars, IntArray& group, const IntArray& candidate)
{
    const bool opposite = SlopesOpposite(atom);
    for (int c : candidate) {
        const Atom::M_WQJ* pa = bars.Find(c);
        if (!pa) continue;
        const Atom::M_WQJ& a = *pa;
        for (int g : group) {
            const Atom::M_WQJ* pb = bars.Find(g);
            if (!pb) continue;
            const Atom::M_WQJ& b = *pb;
            const bool match = (IsEqual(a.dA, b.dA) || IsEqual(a.dB, b.dB)) &&
                               (IsEqual(a.dC, b.dC) || IsEqual(a.dD, b.dD)) && IsEqual(a.L, b.L) &&
                               a.nD == b.nD && a.nE == b.nE && a.nF == b.nF && a.nG == b.nG &&
                               (opposite || (a.nB == b.nB && a.nC == b.nC));
            if (match) {
                group.Append(candidate);
                return 1;
            }
        }
    }
    return 0;
}

int IsWQJArBHHB(const Atom& atom, const BentBarsByNumber& bars, CArray<IntArray>& groups, const IntArray& candidate)
{
    for (IntArray& group : groups) {
        if (IsWQJBHHB(atom, bars, group, candidate)) return 1;
    }
    groups.Add(candidate);
    return 1;
}

bool LessByKey(const std::pair<double, int>& a, const std::pair<double, int>& b) { return a.first < b.first; }
bool GreaterByKey(const std::pair<double, int>& a, const std::pair<double, int>& b) { return a.first > b.first; }

void SortByKey(std::vector<double>& keys, std::vector<int>& values, int ascending)
{
    const std::size_t n = std::min(keys.size(), values.size());
    std::vector<std::pair<double, int>> pairs;
    pairs.reserve(n);
    for (std::size_t i = 0; i < n; ++i) pairs.emplace_back(keys[i], values[i]);
    std::sort(pairs.begin(), pairs.end(), ascending != 0 ? LessByKey : GreaterByKey);
    for (std::size_t i = 0; i < n; ++i) {
        keys[i] = pairs[i].first;
        values[i] = pairs[i].second;
    }
}

double BentScheduleLength(const Atom& atom, const DblArray& segments, const CArray<Atom::M_XZR>& line)
{
    if (atom.st.fCalculateLarc == 0) {
        DblArray rounded = segments;
        GetIntDbArray(rounded);
        return std::trunc(KVDataCommon::sum(rounded) + 0.5);
    }
    double losses = 0.0;
    for (const Atom::M_XZR& v : line) {
        if ((v.enPoint == 1 || v.enPoint == 2) && v.fArc == 0) {
            double loss = 0.0;
            CapBeamRounding::GetFilletLoss1(atom.st.LeadPointR, v.alf, loss);
            losses += loss;
        }
    }
    return std::trunc(KVDataCommon::sum(segments) + losses + 0.5);
}

void MarkBentBars(Atom& atom, CArray<Atom::M_WQJ_R*>& bars)
{
    MarkWholeBeamBars(atom, bars);
    MarkPartialBars(atom, bars);
}

void BentBarRows(Atom& atom, const CArray<Atom::M_WQJ_R*>& bars, CArray<Atom::tRn>& rows)
{
    std::vector<const Atom::M_WQJ_R*> left;
    for (const Atom::M_WQJ_R* r : bars) {
        if (r && r->pWQJ) left.push_back(r);
    }
    while (!left.empty()) {
        const Atom::M_WQJ& p = *left.front()->pWQJ;
        const CString mark = left.front()->R;
        DblArray rounded = p.L2;
        GetIntDbArray(rounded);
        std::vector<DblArray> values(static_cast<std::size_t>(rounded.GetSize()));
        for (int s = 0; s < rounded.GetSize(); ++s) values[static_cast<std::size_t>(s)].Add(rounded[s]);
        double total = BentScheduleLength(atom, p.L2, p.PtAr);
        int n = 1;
        const LineShape shape = ShapeOf(p.PtAr);
        for (std::size_t k = left.size() - 1; k >= 1; --k) {
            if (left[k]->R != mark) continue;
            const Atom::M_WQJ& q = *left[k]->pWQJ;
            total += BentScheduleLength(atom, q.L2, q.PtAr);
            ++n;
            DblArray segs = q.L2;
            GetIntDbArray(segs);
            if (!RunsOverWholeBeam(atom, q)) {
                const LineShape other = ShapeOf(q.PtAr);
                if (!SameShape(shape, other) && IsEqual(shape.spans, Reversed(other.spans)) &&
                    IsEqual(shape.angles, Reversed(other.angles)))
                    segs = Reversed(segs);
            }
            // A bar with more pieces than the mark's first adds only to the pieces the row has.
            for (int s = 0; s < segs.GetSize() && s < static_cast<int>(values.size()); ++s)
                values[static_cast<std::size_t>(s)].Add(segs[s]);
            left.erase(left.begin() + static_cast<std::ptrdiff_t>(k));
        }
        Atom::tRn& row = atom.ScratchRow;
        row.R = mark;
        row.n = n;
        row.TL = KVDataCommon::KVCTL(total / n);
        row.L1 = 0.0;
        row.L2 = 0.0;
        CapBeamSegmentLabels::SegmentLabels(values, row.szL);
        rows.Add(row);
        left.erase(left.begin());
    }
}

void BentArcRows(Atom& atom, const CArray<Atom::M_ArcWQJ_R*>& arcs, CArray<Atom::tRn>& rows)
{
    // The straight leg of an arc on its left (right) side: the piece after (before) its end piece,
    // one further in when the end piece is bent. 0 where the arc has no such piece.
    auto leftLeg = [](const Atom::M_ArcWQJ& arc) {
        const int i = arc.PtAr.GetSize() > 1 && arc.PtAr[1].fArc != 0 ? 2 : 1;
        return i < arc.L.GetSize() ? arc.L[i] : 0.0;
    };
    auto rightLeg = [](const Atom::M_ArcWQJ& arc) {
        const int nP = arc.PtAr.GetSize();
        const int nL = arc.L.GetSize();
        const int i = nP >= 2 && arc.PtAr[nP - 2].fArc != 0 ? nL - 3 : nL - 2;
        return i >= 0 && i < nL ? arc.L[i] : 0.0;
    };

    std::vector<const Atom::M_ArcWQJ_R*> left;
    for (const Atom::M_ArcWQJ_R* r : arcs) {
        if (r && r->pArcWQJ) left.push_back(r);
    }
    while (!left.empty()) {
        const Atom::M_ArcWQJ& p = *left.front()->pArcWQJ;
        const CString mark = left.front()->R;
        double total = BentScheduleLength(atom, p.L, p.PtAr);
        int n = 1;
        DblArray lefts;
        DblArray rights;
        lefts.Add(leftLeg(p));
        rights.Add(rightLeg(p));
        for (std::size_t k = left.size() - 1; k >= 1; --k) {
            if (left[k]->R != mark) continue;
            const Atom::M_ArcWQJ& q = *left[k]->pArcWQJ;
            total += BentScheduleLength(atom, q.L, q.PtAr);
            ++n;
            lefts.Add(leftLeg(q));
            rights.Add(rightLeg(q));
            left.erase(left.begin() + static_cast<std::ptrdiff_t>(k));
        }
        Atom::tRn& row = atom.ScratchRow;
        row.R = mark;
        row.n = n;
        row.TL = KVDataCommon::KVCTL(total / n);
        row.L1 = 0.0;
        row.L2 = 0.0;
        row.szL.RemoveAll();
        const int nP = p.PtAr.GetSize();
        if (atom.GetSkeletonLayout() == Atom::SkeletonLayout::AlongSkew) {
            GetIntDbArray(lefts);
            GetIntDbArray(rights);
            row.szL.Add("/");
            if (nP > 1 && p.PtAr[1].fArc != 0) row.szL.Add("/");
            row.szL.Add(IsEqual(lefts, 1e-05) ? "/" : "L");
            row.szL.Add("/");
            row.szL.Add(IsEqual(rights, 1e-05) ? "/" : "L");
            if (nP >= 2 && p.PtAr[nP - 2].fArc != 0) row.szL.Add("/");
            row.szL.Add("/");
        } else {
            for (int s = 0; s < p.L.GetSize(); ++s) row.szL.Add("/");
        }
        rows.Add(row);
        left.erase(left.begin());
    }
}

} // namespace CapBeamBentUpBars
