// The bent-up bars of the welded skeletons: chains through the bar groups, centre lines, lengths, and the arcs over the supports.
#include "capbeam/skeleton/bent_up_bars.h"

#include "capbeam/skeleton/bent_up_arcs.h"
#include "capbeam/skeleton/bent_up_marks.h"
#include "capbeam/skeleton/inclined_bar_shape.h"
#include "capbeam/skeleton/rounding.h"
#include "common/is_equal.h"
#include "common/list_sum.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace CapBeamBentUpBars {

namespace {

using Atom = CPM001T0101Atom;
using Entry = CPM001_CapKeyParam::M_GJJ;
using Group = CArray<Entry>;
using KVDataCommon::IsEqual;

// Index of the group's shared entry: its last entry with the support link, when that one carries a
// bar; -1 when there is none.
int LastLinkedBar(const Group& group)
{
    for (int r = group.GetSize() - 1; r >= 0; --r) {
        if (group[r].fWQ != 0) return group[r].fBar != 0 ? r : -1;
    }
    return -1;
}

// The bar of a chain handed over by the previous group, or a new chain when the previous group
// handed over fewer bars than this one continues.
std::size_t TakeOver(std::vector<BentChain>& chains, const std::vector<std::size_t>& handed, std::size_t t)
{
    if (t < handed.size()) return handed[t];
    chains.emplace_back();
    return chains.size() - 1;
}

double Distance(double ax, double az, double bx, double bz) { return std::hypot(ax - bx, az - bz); }
double Distance(const Atom::M_XZR& a, const Atom::M_XZR& b) { return Distance(a.x, a.z, b.x, b.z); }
double Distance(const Atom::M_XZR& a, const CDblPoint& b) { return Distance(a.x, a.z, b.x, b.y); }

Atom::M_XZR Vertex(double x, double z, int fH, int fHzy, int fHsx, double weld, int enPoint)
{
    return {.x = x, .z = z, .fH = fH, .fHzy = fHzy, .fHsx = fHsx, .LH = weld, .enPoint = enPoint};
}

void AppendReversed(CArray<Atom::M_XZR>& line, const CArray<Atom::M_XZR>& piece)
{
    for (int k = piece.GetSize() - 1; k >= 0; --k) {
        Atom::M_XZR v = piece[k];
        v.alf = -v.alf;
        line.Add(v);
    }
}

CString MarkText(int mark)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", mark);
    return CString(text);
}

// One arc over support line s of a frame.
Atom::M_ArcWQJ* NewArc(Atom& atom, int frame, int s)
{
    Atom::M_ArcWQJ* arc = atom.BentArcPool.AddOwned(std::make_unique<Atom::M_ArcWQJ>());
    if (atom.nPier == 1 || s == 0) CapBeamBentUpArcs::GetArc0(atom, frame, arc);
    else if (s == atom.nPier - 1) CapBeamBentUpArcs::GetArc2(atom, frame, arc);
    else CapBeamBentUpArcs::GetArc1(atom, frame, s, arc);
    return arc;
}

void MarkArcGroup(Atom& atom, const std::vector<Atom::M_ArcWQJ*>& group, CArray<Atom::M_ArcWQJ_R*>& arcs)
{
    const CString mark = MarkText(++atom.nMark);
    for (Atom::M_ArcWQJ* arc : group) {
        auto r = std::make_unique<Atom::M_ArcWQJ_R>();
        r->pArcWQJ = arc;
        r->R = mark;
        arcs.Add(atom.BentArcResultPool.AddOwned(std::move(r)));
    }
}

// One arc per support line of every frame of an in-use skeleton type, grouped and marked.
void MakeArcs(Atom& atom, const CPM001_CapKeyParam& kp, CArray<Atom::M_ArcWQJ_R*>& arcs)
{
    const int nPier = atom.nPier;
    if (nPier < 1) return;
    // byFrame[q][s]: the arc of the q-th visited frame over support line s.
    std::vector<std::vector<Atom::M_ArcWQJ*>> byFrame;
    for (int j = 0; j < kp.FrameName.GetSize(); ++j) {
        // Every main frame gets its arcs, whether its groups hold bent-up bars or only inclined ones.
        for (const auto& type : kp.FrameAr) {
            if (type.fGJJ == 0 || !(type.name == kp.FrameName[j])) continue;
            std::vector<Atom::M_ArcWQJ*> row;
            for (int s = 0; s < nPier; ++s) row.push_back(NewArc(atom, j, s));
            byFrame.push_back(std::move(row));
        }
    }
    if (byFrame.empty()) return;
    const std::size_t frames = byFrame.size();

    std::vector<std::vector<int>> lineGroups;
    std::vector<int> lines;
    for (int s = 0; s < nPier; ++s) lines.push_back(s);

    std::vector<double> keys;
    std::vector<int> order;
    if (atom.GetSkeletonLayout() == Atom::SkeletonLayout::AlongSkew) {
        std::vector<CArray<Atom::M_ArcWQJ*>> perLine(static_cast<std::size_t>(nPier));
        for (const auto& row : byFrame) {
            for (int s = 0; s < nPier; ++s) perLine[static_cast<std::size_t>(s)].Add(row[static_cast<std::size_t>(s)]);
        }
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::vector<int> group{lines[i]};
            const auto* head = &perLine[static_cast<std::size_t>(lines[i])];
            for (std::size_t c = lines.size() - 1; c > i; --c) {
                if (!CapBeamBentUpArcs::Getf2ArcArHB(head, &perLine[static_cast<std::size_t>(lines[c])])) continue;
                group.push_back(lines[c]);
                lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(c));
            }
            lineGroups.push_back(std::move(group));
        }
        // Within a group of support lines the frames whose first arc has an end piece and the others
        // are marked apart.
        std::vector<std::vector<Atom::M_ArcWQJ*>> arcGroups;
        for (const auto& group : lineGroups) {
            std::vector<Atom::M_ArcWQJ*> withEnd;
            std::vector<Atom::M_ArcWQJ*> plain;
            for (int s : group) {
                for (std::size_t q = 0; q < frames; ++q) {
                    const Atom::M_ArcWQJ* first = byFrame[q][static_cast<std::size_t>(group.front())];
                    Atom::M_ArcWQJ* arc = byFrame[q][static_cast<std::size_t>(s)];
                    (first->nC != 0 || first->nD != 0 ? withEnd : plain).push_back(arc);
                }
            }
            if (!withEnd.empty()) arcGroups.push_back(std::move(withEnd));
            if (!plain.empty()) arcGroups.push_back(std::move(plain));
        }
        for (std::size_t g = 0; g < arcGroups.size(); ++g) {
            double key = arcGroups[g].front()->dA;
            for (const Atom::M_ArcWQJ* arc : arcGroups[g]) key = std::max(key, arc->dA);
            keys.push_back(key);
            order.push_back(static_cast<int>(g));
        }
        SortByKey(keys, order, 0);
        for (int g : order) MarkArcGroup(atom, arcGroups[static_cast<std::size_t>(g)], arcs);
        return;
    }

    // Support lines whose arcs in the last frame are equal, mirrored or not, share a mark.
    const std::vector<Atom::M_ArcWQJ*>& last = byFrame.back();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::vector<int> group{lines[i]};
        for (std::size_t c = lines.size() - 1; c > i; --c) {
            if (!CapBeamBentUpArcs::Getf2ArcHB(last[static_cast<std::size_t>(lines[i])],
                                               last[static_cast<std::size_t>(lines[c])], 1))
                continue;
            group.push_back(lines[c]);
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(c));
        }
        lineGroups.push_back(std::move(group));
    }
    for (std::size_t g = 0; g < lineGroups.size(); ++g) {
        keys.push_back(last[static_cast<std::size_t>(lineGroups[g].front())]->dA);
        order.push_back(static_cast<int>(g));
    }
    SortByKey(keys, order, 0);
    for (int g : order) {
        std::vector<int> group = lineGroups[static_cast<std::size_t>(g)];
        std::sort(group.begin(), group.end());
        std::vector<Atom::M_ArcWQJ*> marked;
        for (int s : group) {
            for (const auto& row : byFrame) marked.push_back(row[static_cast<std::size_t>(s)]);
        }
        MarkArcGroup(atom, marked, arcs);
    }
}

} // namespace

void GetBentChains(Atom& atom, const CPM001_CapKeyParam& kp, std::vector<BentChain>& chains)
{
    for (const auto& type : kp.FrameAr) {
        if (type.fGJJ == 0) continue;
        for (int j = 0; j < kp.FrameName.GetSize(); ++j) {
            if (!(kp.FrameName[j] == type.name)) continue;
            std::vector<BentChain> frameChains;
            std::vector<std::size_t> X;   // bars handed across a span
            std::vector<std::size_t> Y;   // bars handed across a support line
            const int groups = type.GJJ.GetSize();
            for (int k = 0; k < groups; ++k) {
                const Group& A = type.GJJ[k];
                const int partner = k % 2 == 0 ? k + 1 : k - 1;
                const int m = LastLinkedBar(A);
                const bool shared = m >= 0 && partner < groups && LastLinkedBar(type.GJJ[partner]) >= 0;
                const int F = shared ? 1 : 0;
                const double D = shared ? A[m].dx : 0.0;
                const int skip = shared ? m : -1;

                std::size_t t = 0;
                if (k % 2 == 1) X.clear();
                else if (k > 0) Y.clear();
                for (int r = 0; r < A.GetSize(); ++r) {
                    if (r == skip) continue;
                    const Entry& e = A[r];
                    int below = 0;
                    for (int l = r + 1; l < A.GetSize(); ++l) {
                        if (l != skip && A[l].fWQ != 0) ++below;
                    }
                    int spanLinks = 0;
                    for (int l = 0; l < r; ++l) {
                        if (l != skip && A[l].fXJ != 0) ++spanLinks;
                    }
                    Atom::M_BZXJ& in = atom.BentInput;
                    in.pA[1] = j;
                    in.nA = k;
                    in.pB[0] = r;
                    in.pB[1] = (k == 0 || e.dx - atom.dWeldLen <= D || e.fWQ != 0) ? F + below : below;
                    in.nB = spanLinks;
                    in.dA = e.dx;
                    in.dB = k == 0 ? atom.GetFame_ZDX(0, j) - e.dx : 0.0;
                    in.nC = e.fBar;

                    if (k == 0) {
                        if (e.fWQ == 0) continue;
                        frameChains.push_back(BentChain{in});
                        Y.push_back(frameChains.size() - 1);
                    } else if (k % 2 == 1) {
                        if (e.fWQ != 0) {
                            const std::size_t c = TakeOver(frameChains, Y, t++);
                            frameChains[c].push_back(in);
                            if (e.fXJ != 0) X.push_back(c);
                        } else if (e.fXJ != 0) {
                            frameChains.push_back(BentChain{in});
                            X.push_back(frameChains.size() - 1);
                        }
                    } else {
                        if (e.fXJ != 0) {
                            const std::size_t c = TakeOver(frameChains, X, t++);
                            frameChains[c].push_back(in);
                            if (e.fWQ != 0) Y.push_back(c);
                        } else if (e.fWQ != 0) {
                            frameChains.push_back(BentChain{in});
                            Y.push_back(frameChains.size() - 1);
                        }
                    }
                }
            }
            atom.BentChainCount += static_cast<int>(frameChains.size());
            for (BentChain& c : frameChains) chains.push_back(std::move(c));
        }
    }
}

void BentSegments(const Atom& atom, const CArray<Atom::M_XZR>& v, double dL, const CDblPoint& pL, double dR,
                  const CDblPoint& pR, DblArray& out)
{
    out.RemoveAll();
    const int m = v.GetSize();
    const double weld = atom.dWeldLen;
    const bool leftArc = !IsEqual(dL, 0.0);
    const bool rightArc = !IsEqual(dR, 0.0);
    auto d = [&](int k) { return Distance(v[k], v[k - 1]); };
    // Pieces k = from .. to; the kink beside a bottom bend at either end is one piece with its
    // neighbour.
    auto pieces = [&](int from, int to, bool mergeFirst, bool mergeLast) {
        for (int k = from; k <= to; ++k) {
            if (mergeFirst && k == 1 && m > 2 && v[1].enPoint == 3 && v[2].enPoint == 2) {
                out.Add(d(1) + d(2));
                k = 2;
                continue;
            }
            if (mergeLast && k == m - 2 && m > 3 && v[m - 2].enPoint == 3 && v[m - 3].enPoint == 2) {
                out.Add(d(m - 2) + d(m - 1));
                return;
            }
            out.Add(d(k));
        }
    };
    if (!leftArc && !rightArc) {
        pieces(1, m - 1, true, true);
    } else if (leftArc && !rightArc) {
        out.Add(weld);
        out.Add(dL);
        if (m > 2) out.Add(Distance(v[2], pL));
        pieces(3, m - 1, false, true);
    } else if (!leftArc && rightArc) {
        pieces(1, m - 3, true, false);
        if (m > 3) out.Add(Distance(v[m - 3], pR));
        out.Add(dR);
        out.Add(weld);
    } else {
        out.Add(weld);
        out.Add(dL);
        if (m > 2) out.Add(Distance(v[2], pL));
        pieces(3, m - 3, false, false);
        if (m > 3) out.Add(Distance(v[m - 3], pR));
        out.Add(dR);
        out.Add(weld);
    }
}

void MakeBentBar(Atom& atom, const BentChain& chain, int number, Atom::M_WQJ& bar)
{
    bar.nA = number;
    if (chain.empty()) return;
    const int lastGroup = 2 * atom.nPier - 1;
    const int frame = chain.front().pA[1];
    const double y = atom.GetFame_Y(frame);
    const double x0 = atom.GetFame_ZDX(0, frame);
    const double cR = atom.GetXBCD(0, y, 1);
    const double weld = atom.st.LWeld;

    double dL = 0.0;
    double dR = 0.0;
    CDblPoint pL;
    CDblPoint pR;
    CArray<Atom::M_XZR>& line = bar.PtAr;
    line.RemoveAll();
    bar.L.RemoveAll();
    for (std::size_t i = 0; i < chain.size(); ++i) {
        const Atom::M_BZXJ& e = chain[i];
        const int group = e.nA;
        const int s = group / 2;
        auto zL = [&](double x) { return atom.GetFame_XZ(x) - (e.pB[1] + 1) * atom.dMainBarWd; };
        CArray<Atom::M_XZR> piece;
        double arcLen = 0.0;
        CDblPoint arcPt;
        int endFace = 0;
        if (group == 0) {
            if (e.nC == 1) {
                const double x = x0 - e.dA;
                line.Add(Vertex(x, zL(x), 1, 0, 1, weld, 0));
            } else {
                CapBeamInclinedBars::GetGJFrame_WG(atom, e, frame, CapBeamInclinedBars::kLeftEndCode, piece, arcLen,
                                                   arcPt, endFace);
                line.Append(piece);
                dL = arcLen;
                pL = arcPt;
                bar.nD = endFace;
                bar.nF = arcLen > 0.0 ? 1 : 0;
            }
            line.Add(Vertex(x0, zL(x0), 0, 0, 0, weld, 3));
        } else if (group == lastGroup) {
            if (e.nC == 1) {
                const double x = atom.bBg - cR + e.dA;
                line.Add(Vertex(x, zL(x), 1, 1, 1, weld, 0));
            } else {
                CapBeamInclinedBars::GetGJFrame_WG(atom, e, frame, CapBeamInclinedBars::kRightEndCode, piece, arcLen,
                                                   arcPt, endFace);
                AppendReversed(line, piece);
                dR = arcLen;
                pR = arcPt;
                bar.nE = endFace;
                bar.nG = arcLen > 0.0 ? 1 : 0;
            }
        } else {
            const int code = i == 0                  ? CapBeamInclinedBars::kLowerLegCode
                             : i + 1 == chain.size() ? CapBeamInclinedBars::kUpperLegCode
                                                     : CapBeamInclinedBars::kNoLegsCode;
            const bool even = group % 2 == 0;
            if (e.nC == 1) {
                const double x = atom.GetFame_ZDX(s, frame) + (even ? -e.dA : e.dA);
                piece.Add(Vertex(x, zL(x), 1, 1, 1, weld, 0));
            } else {
                CapBeamInclinedBars::GetGJFrame_WG(atom, e, frame, code, piece, arcLen, arcPt, endFace);
            }
            if (even) {
                AppendReversed(line, piece);
                if (code != CapBeamInclinedBars::kUpperLegCode) {
                    double x = x0;
                    for (int k = 0; k < s && k < atom.bBz.GetSize(); ++k) x += atom.bBz[k];
                    line.Add(Vertex(x, zL(x), 0, 0, 0, weld, 3));
                }
            } else {
                line.Append(piece);
            }
            bar.L.Add(e.dA);
        }
    }
    // The kink over the crown of a beam top whose two slopes are not one straight line.
    if (!IsEqual(atom.iLb, -atom.iRb)) {
        for (int k = 1; k + 1 < line.GetSize(); ++k) {
            if (line[k - 1].x < atom.bAc && atom.bAc < line[k + 1].x && line[k].enPoint == 3) {
                line[k].alf = -std::atan(atom.iLb - atom.iRb);
                break;
            }
        }
    }

    const Atom::M_BZXJ& first = chain.front();
    const Atom::M_BZXJ& last = chain.back();
    bar.nB = first.nA;
    bar.nC = last.nA;
    bar.dA = bar.nB == 0 ? first.dA : 0.0;
    bar.dB = bar.nB == 0 ? first.dB : 0.0;
    bar.dC = bar.nC == lastGroup ? last.dA : 0.0;
    bar.dD = bar.nC == lastGroup ? last.dB : 0.0;
    bar.nH = frame;

    BentSegments(atom, line, dL, pL, dR, pR, bar.L2);
    double length = KVDataCommon::sum(bar.L2);
    if (atom.st.fCalculateLarc == 1) {
        for (const Atom::M_XZR& v : line) {
            if ((v.enPoint == 1 || v.enPoint == 2) && v.fArc == 0) {
                double loss = 0.0;
                CapBeamRounding::GetFilletLoss1(atom.st.LeadPointR, v.alf, loss);
                length += loss;
            }
        }
    }
    bar.dE = length;
}

int GetGJFrame_WQJ(Atom& atom, CPM001_CapKeyParam& kp, CArray<Atom::M_WQJ_R*>& bars,
                   CArray<Atom::M_ArcWQJ_R*>& arcs, CArray<Atom::tRn>& barRows, CArray<Atom::tRn>& arcRows)
{
    std::vector<BentChain> chains;
    const int firstNumber = atom.BentChainCount;
    GetBentChains(atom, kp, chains);
    for (std::size_t c = 0; c < chains.size(); ++c) {
        Atom::M_WQJ* bar = atom.BentBarPool.AddOwned(std::make_unique<Atom::M_WQJ>());
        MakeBentBar(atom, chains[c], firstNumber + static_cast<int>(c), *bar);
        atom.BentBarList.Add(bar);
    }
    MarkBentBars(atom, bars);
    BentBarRows(atom, bars, barRows);

    if (atom.KeyLen1 > 0.0) {
        MakeArcs(atom, kp, arcs);
        BentArcRows(atom, arcs, arcRows);
    }
    return 1;
}

} // namespace CapBeamBentUpBars
