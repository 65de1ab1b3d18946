// CPM001T0101Atom: the standard inclined bars — found in the bar groups, shaped by the bend geometry,
// marked and scheduled.
#include "capbeam/skeleton/inclined_bars.h"

#include "capbeam/skeleton/inclined_bar_shape.h"
#include "capbeam/skeleton/rounding.h"
#include "capbeam/skeleton/segment_labels.h"
#include "common/cut_length.h"
#include "common/is_equal.h"
#include "common/list_sum.h"
#include "geometry/point_distance.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace CapBeamInclinedBars {

namespace {

using Atom = CPM001T0101Atom;
using Group = CArray<CPM001_CapKeyParam::M_GJJ>;
using CapBeamRounding::GetInt;
using CapBeamRounding::GetIntDbAr;
using CapBeamRounding::GetIntDbArray;
using CapBeamRounding::RoundWhole;
using KVDataCommon::IsEqual;

// The group's last entry bent over the support line, when that entry holds a bar; -1 otherwise.
int OutermostBentUp(const Group& group)
{
    for (int e = group.GetSize() - 1; e >= 0; --e) {
        if (group[e].fWQ != 0) return group[e].fBar != 0 ? e : -1;
    }
    return -1;
}

bool IsActive(const struct CPM001_CapKeyParam::FrameAr& record, const CString& name)
{
    return record.fGJJ != 0 && record.name == name;
}

// Step 1: the inputs of the standard inclined bars of every main frame, frame by frame, group by group.
void FindBars(Atom& atom, const CPM001_CapKeyParam& kp, std::vector<Atom::M_BZXJ>& found)
{
    const double H = atom.dWeldLen;
    const int last = 2 * atom.nPier - 1;
    int serial = 0;
    for (int i = 0; i < kp.FrameName.GetSize(); ++i) {
        for (int r = 0; r < kp.FrameAr.GetSize(); ++r) {
            const auto& record = kp.FrameAr[r];
            if (!IsActive(record, kp.FrameName[i])) continue;
            for (int k = 0; k < record.GJJ.GetSize(); ++k) {
                const Group& E = record.GJJ[k];
                const int partner = k % 2 == 0 ? k + 1 : k - 1;
                // A group without a partner in the list has no bent-up bar to match.
                const int mine = OutermostBentUp(E);
                const bool matched =
                    mine >= 0 && partner < record.GJJ.GetSize() && OutermostBentUp(record.GJJ[partner]) >= 0;
                const double sStar = matched ? E[mine].dx : 0.0;
                const int c = matched ? 1 : 0;
                for (int m = 0; m < E.GetSize(); ++m) {
                    if (matched && m == mine) continue;
                    if (E[m].fWQ != 0 || E[m].fXJ != 0) continue;
                    int above = 0;
                    for (int e = m + 1; e < E.GetSize(); ++e) {
                        if (!(matched && e == mine) && E[e].fWQ != 0) ++above;
                    }
                    int below = 0;
                    for (int e = 0; e < m; ++e) {
                        if (!(matched && e == mine) && E[e].fXJ != 0) ++below;
                    }
                    const double dist = E[m].dx;
                    int nT = (dist > sStar && (dist < sStar + H || IsEqual(dist, sStar + H))) ? above : above + c;
                    if (sStar > 0.0 && dist - H >= sStar) --nT;

                    Atom::M_BZXJ bar;
                    bar.pA[0] = ++serial;
                    bar.pA[1] = i;
                    bar.nA = k;
                    bar.pB[0] = m;
                    bar.pB[1] = nT;
                    bar.nB = below;
                    bar.dA = dist;
                    const double y = atom.GetFame_Y(i);
                    if (k == 0) bar.dB = atom.GetXBCD(1, y, 1) - dist;
                    else if (k == last) bar.dB = atom.GetXBCD(0, y, 1) - dist;
                    found.push_back(bar);
                }
            }
        }
    }
}

// Step 2: the shape of every bar. A bar whose geometry failed keeps the bend and top point of the
// bar before it (the origin for the first).
void MakeShapes(Atom& atom, const std::vector<Atom::M_BZXJ>& found, std::vector<Atom::M_BJXZ>& shapes)
{
    CDblPoint bend, top;
    double bendAlf = 0.0, topAlf = 0.0;
    for (const Atom::M_BZXJ& bar : found) {
        CArray<Atom::M_XZR> pts;
        double arcLen = 0.0;
        CDblPoint arcPt;
        int endFace = 0;
        GetGJFrame_WG(atom, bar, bar.pA[1], kBothLegsCode, pts, arcLen, arcPt, endFace);
        for (int v = 0; v < pts.GetSize(); ++v) {
            if (pts[v].enPoint == 2) {
                bend = CDblPoint(pts[v].x, pts[v].z);
                bendAlf = pts[v].alf;
            } else if (pts[v].enPoint == 1) {
                top = CDblPoint(pts[v].x, pts[v].z);
                topAlf = pts[v].alf;
            }
        }
        Atom::M_BJXZ shape;
        shape.nA = bar.pA[0];
        shape.nB = bar.pA[1];
        shape.nC = bar.nA;
        shape.dA = std::fabs(bendAlf);
        shape.dB = std::fabs(topAlf);
        shape.nD = arcLen > 0.0 ? 1 : 0;
        shape.L.Add(atom.dWeldLen);
        if (arcLen > 0.0) {
            shape.L.Add(arcLen);
            shape.L.Add(KVDataCommon::distance(arcPt, top));
        } else {
            shape.L.Add(KVDataCommon::distance(bend, top));
        }
        shape.L.Add(atom.dWeldLen);
        shape.dC = KVDataCommon::sum(shape.L);
        shape.PtAr.Copy(pts);
        shape.nE = endFace;
        shape.dD = bar.dA;
        shape.dE = bar.dB;
        shapes.push_back(shape);
    }
}

CString NewMark(Atom& atom)
{
    ++atom.nMark;
    CString mark;
    mark.Format("%d", atom.nMark);
    return mark;
}

Atom::M_BZXJR Marked(const Atom::M_BJXZ& shape, const CString& mark)
{
    Atom::M_BZXJR bar;
    static_cast<Atom::M_BJXZ&>(bar) = shape;
    bar.R = mark;
    return bar;
}

// Step 3, simple mode: a bar takes the mark of the first equal bar marked before it.
void MarkSimple(Atom& atom, const std::vector<Atom::M_BJXZ>& shapes, bool endPass, CArray<Atom::M_BZXJR>& bars)
{
    const int last = 2 * atom.nPier - 1;
    for (const Atom::M_BJXZ& shape : shapes) {
        const bool isEnd = shape.nC == 0 || shape.nC == last;
        if (isEnd != endPass) continue;
        CString mark;
        bool found = false;
        for (int r = 0; r < bars.GetSize() && !found; ++r) {
            if (IsSameBJXZ(bars[r], shape)) {
                mark = bars[r].R;
                found = true;
            }
        }
        if (!found) mark = NewMark(atom);
        bars.Add(Marked(shape, mark));
    }
}

// Step 3, frame mode: equal bars of one frame form a group; a group takes the mark of a bar of an
// earlier frame that fits it, else a new one.
void MarkByFrame(Atom& atom, const CPM001_CapKeyParam& kp, const std::vector<Atom::M_BJXZ>& shapes, bool endPass,
                 CArray<Atom::M_BZXJR>& bars)
{
    const int last = 2 * atom.nPier - 1;
    const bool squareEnds = IsEqual(atom.bBpl, 0.0) && IsEqual(atom.bBpr, 0.0);
    for (int i = 0; i < kp.FrameName.GetSize(); ++i) {
        std::vector<Atom::M_BJXZ> F;
        for (int r = 0; r < kp.FrameAr.GetSize(); ++r) {
            if (!IsActive(kp.FrameAr[r], kp.FrameName[i])) continue;
            for (const Atom::M_BJXZ& shape : shapes) {
                const bool isEnd = shape.nC == 0 || shape.nC == last;
                if (shape.nB == i && isEnd == endPass) F.push_back(shape);
            }
        }
        if (F.empty()) continue;

        std::vector<std::vector<Atom::M_BJXZ>> groups;
        const bool grouped = !endPass || squareEnds;
        for (std::size_t p = 0; p < F.size(); ++p) {
            std::vector<Atom::M_BJXZ> group{F[p]};
            if (grouped) {
                for (std::size_t q = F.size() - 1; q > p; --q) {
                    if (IsSameBJXZ(F[p], F[q])) {
                        group.push_back(F[q]);
                        F.erase(F.begin() + static_cast<std::ptrdiff_t>(q));
                    }
                }
            }
            groups.push_back(std::move(group));
        }

        std::vector<Atom::M_BZXJR> frameBars;
        for (const auto& group : groups) {
            CString mark;
            bool found = false;
            for (const Atom::M_BJXZ& e : group) {
                for (int r = 0; r < bars.GetSize(); ++r) {
                    const Atom::M_BZXJR& b = bars[r];
                    bool fits;
                    if (!endPass) {
                        fits = b.dD == e.dD && b.nC == e.nC && b.nB != e.nB;
                    } else {
                        fits = (IsEqual(GetInt(b.dD, 1), GetInt(e.dD, 1)) || IsEqual(GetInt(b.dE, 1), GetInt(e.dE, 1))) &&
                               b.nE == e.nE && b.nD == e.nD && b.nC == e.nC;
                    }
                    if (fits) {
                        mark = b.R;
                        found = true;
                        break;
                    }
                }
            }
            if (!found) mark = NewMark(atom);
            for (const Atom::M_BJXZ& e : group) frameBars.push_back(Marked(e, mark));
        }
        std::stable_sort(frameBars.begin(), frameBars.end(),
                         [](const Atom::M_BZXJR& l, const Atom::M_BZXJR& r) { return l.nA < r.nA; });
        for (const Atom::M_BZXJR& b : frameBars) bars.Add(b);
    }
}

// The schedule length of one bar, in whole millimetres.
double BarLength(const Atom& atom, const Atom::M_BJXZ& bar)
{
    if (atom.st.fCalculateLarc != 0) {
        double loss = 0.0;
        if (atom.st.fCalculateLarc == 1) {
            for (int v = 0; v < bar.PtAr.GetSize(); ++v) {
                const Atom::M_XZR& p = bar.PtAr[v];
                if ((p.enPoint == 1 || p.enPoint == 2) && p.fArc == 0) {
                    double one = 0.0;
                    CapBeamRounding::GetFilletLoss1(atom.st.LeadPointR, p.alf, one);
                    loss += one;
                }
            }
        }
        return RoundWhole(KVDataCommon::sum(bar.L) + loss);
    }
    DblArray whole;
    whole.Copy(bar.L);
    GetIntDbArray(whole);
    return RoundWhole(KVDataCommon::sum(whole));
}

// Step 4: one schedule row per mark.
void MakeRows(Atom& atom, const CArray<Atom::M_BZXJR>& bars, CArray<Atom::tRn>& rows)
{
    std::vector<Atom::M_BZXJR> W(bars.GetData(), bars.GetData() + bars.GetSize());
    const bool byColumn = atom.GetSkeletonLayout() == Atom::SkeletonLayout::AlongSkew;
    for (std::size_t i = 0; i < W.size(); ++i) {
        Atom::tRn& row = atom.ScratchRow;
        row.R = W[i].R;
        int count = 1;
        double total = BarLength(atom, W[i]);
        const int m = W[i].L.GetSize();
        std::vector<DblArray> columns(byColumn ? static_cast<std::size_t>(m) : 0);
        for (int t = 0; t < static_cast<int>(columns.size()); ++t) columns[t].Add(W[i].L[t]);
        for (std::size_t q = W.size() - 1; q > i; --q) {
            if (!(W[q].R == row.R)) continue;
            total += BarLength(atom, W[q]);
            for (int t = 0; t < static_cast<int>(columns.size()); ++t) {
                if (t < W[q].L.GetSize()) columns[t].Add(W[q].L[t]);
            }
            W.erase(W.begin() + static_cast<std::ptrdiff_t>(q));
            ++count;
        }
        row.n = count;
        row.TL = KVCTL(total / count);

        if (byColumn) {
            CapBeamSegmentLabels::SegmentLabels(columns, row.szL);
        } else {
            row.szL.RemoveAll();
            int labels = W[i].PtAr.GetSize();
            for (int v = 0; v < W[i].PtAr.GetSize(); ++v) {
                if (W[i].PtAr[v].enPoint == 2 && W[i].PtAr[v].fArc == 0) --labels;
            }
            for (int t = 0; t < labels; ++t) row.szL.Add("/");
        }
        rows.Add(row);
    }
}

} // namespace

bool IsSameBJXZ(const CPM001T0101Atom::M_BJXZ& a, const CPM001T0101Atom::M_BJXZ& b)
{
    if (!IsEqual(GetInt(std::fabs(a.dA), 1), GetInt(std::fabs(b.dA), 1))) return false;
    if (!IsEqual(GetInt(std::fabs(a.dB), 1), GetInt(std::fabs(b.dB), 1))) return false;
    if (a.nD != b.nD) return false;
    DblArray ta, tb;
    GetIntDbAr(a.L, ta, 1);
    GetIntDbAr(b.L, tb, 1);
    if (!IsEqual(ta, tb)) return false;
    if (!IsEqual(GetInt(a.dC, 1), GetInt(b.dC, 1))) return false;
    return a.nE == b.nE;
}

int GetGJFrame_BZXJ(CPM001T0101Atom& atom, CPM001_CapKeyParam& kp, CArray<CPM001T0101Atom::M_BZXJR>& bars,
                    CArray<CPM001T0101Atom::tRn>& rows)
{
    const int marksBefore = atom.nMark;
    std::vector<Atom::M_BZXJ> found;
    FindBars(atom, kp, found);
    std::vector<Atom::M_BJXZ> shapes;
    MakeShapes(atom, found, shapes);

    const bool simple = atom.GetSkeletonLayout() == Atom::SkeletonLayout::Across ||
                        (IsEqual(atom.iLb, -atom.iRb) && IsEqual(atom.bBpl, 0.0) && IsEqual(atom.bBpr, 0.0));
    for (const bool endPass : {false, true}) {
        if (simple) MarkSimple(atom, shapes, endPass, bars);
        else MarkByFrame(atom, kp, shapes, endPass, bars);
    }
    MakeRows(atom, bars, rows);
    atom.nInclMarks = atom.nMark - marksBefore;
    return 1;
}

} // namespace CapBeamInclinedBars

