// CPM001T0101Atom: the top cut-off bars over the support lines — pieces, marks, centre lines and schedule rows.
#include "capbeam/skeleton/top_cut_off_bars.h"

#include "capbeam/skeleton/rounding.h"
#include "common/bar_sizes.h"
#include "common/cut_length.h"
#include "common/is_equal.h"
#include "common/list_sum.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace CapBeamCutOffBars {

namespace {

using Atom = CPM001T0101Atom;
using KeyFrame = struct CPM001_CapKeyParam::FrameAr;
using CapBeamRounding::RoundWhole;
using KVDataCommon::IsEqual;

// Lengths that decide whether two bars share a mark are compared in whole tenths.
bool SameInTenths(double a, double b) { return RoundWhole(a * 10.0) == RoundWhole(b * 10.0); }

// What the key frame records give one support line, frame record by frame record.
struct SupportLine {
    std::vector<Atom::M_DCZDJ> pieces;   // the bars asked for over this support line
    DblArray totals;                     // main skeletons: L1 + L2 of every piece
    DblArray refTotals;                  // secondary skeletons: left + right reference length of every piece
    DblArray refLeft;                    // their left reference lengths
    DblArray refRight;                   // their right reference lengths
};

// The length a bar group gives the cut-off bar of a main skeleton on its side of the support line:
// the distance of the group's outermost bent-up bar (its last entry bent over the support line),
// when that entry holds a bar at all.
bool GroupLength(const CArray<CPM001_CapKeyParam::M_GJJ>& group, double& length)
{
    for (int e = group.GetUpperBound(); e >= 0; --e) {
        if (group[e].fWQ == 0) continue;
        if (group[e].fBar == 0) return false;
        length = group[e].dx;
        return true;
    }
    return false;
}

// Main skeletons: one piece per pair of bar groups (the left and the right side of a support line)
// that both give a length.
void MainPieces(Atom& atom, const KeyFrame& record, int j, std::vector<SupportLine>& lines)
{
    for (int g = 0; g + 1 < record.GJJ.GetSize(); g += 2) {
        const int c = g / 2;
        double left = 0.0;
        double right = 0.0;
        if (c >= static_cast<int>(lines.size())) break;
        if (!GroupLength(record.GJJ[g], left) || !GroupLength(record.GJJ[g + 1], right)) continue;
        // A bar of no length is no bar.
        if (!(left + right > 0.0)) continue;
        Atom::M_DCZDJ& piece = atom.ScratchCutPiece;
        piece.L1 = left;
        piece.L2 = right;
        piece.nSupport = c;
        piece.nFrameRec = j;
        lines[c].pieces.push_back(piece);
        lines[c].totals.Add(left + right);
    }
}

// Secondary skeletons: one piece per pair of top cut-off lengths of positive sum. The reference
// lengths that decide the marks come from the record as the key parameters gave it (before the
// skew moved the end lengths of each frame); where it has no such pair the piece's own lengths
// stand in.
void SecondaryPieces(Atom& atom, const KeyFrame& record, int j, std::vector<SupportLine>& lines)
{
    DblArray reference;
    if (atom.GetSkeletonLayout() == Atom::SkeletonLayout::Across) GetfFrameDJDJs(atom, record.name, reference);
    else if (j < atom.KeyFrameNames.GetSize()) GetfFrameDJDJs(atom, atom.KeyFrameNames[j], reference);

    const CArray<double>& lengths = record.LenT;
    for (int k = 0; k + 1 < lengths.GetSize(); k += 2) {
        const int c = k / 2;
        // Lengths past the last support line belong to no support line.
        if (c >= static_cast<int>(lines.size())) break;
        const double left = lengths[k];
        const double right = lengths[k + 1];
        if (!(left + right > 0.0)) continue;
        const bool referenced = k + 1 < reference.GetSize();
        Atom::M_DCZDJ& piece = atom.ScratchCutPiece;
        piece.L1 = left;
        piece.L2 = right;
        piece.nSupport = c;
        piece.nFrameRec = j;
        piece.dRef1 = referenced ? reference[k] : left;
        piece.dRef2 = referenced ? reference[k + 1] : right;
        SupportLine& line = lines[c];
        line.pieces.push_back(piece);
        line.refTotals.Add(piece.dRef1 + piece.dRef2);
        line.refLeft.Add(piece.dRef1);
        line.refRight.Add(piece.dRef2);
    }
}

// Step 1: the pieces of the pass's skeletons, every key frame record visited once for every frame
// that carries its name.
std::vector<SupportLine> Pieces(Atom& atom, const CPM001_CapKeyParam& kp, bool mainSkeletons)
{
    std::vector<SupportLine> lines(static_cast<std::size_t>(std::max(atom.nPier, 0)));
    for (int j = 0; j < kp.FrameAr.GetSize(); ++j) {
        const KeyFrame& record = kp.FrameAr[j];
        if ((record.fGJJ != 0) != mainSkeletons) continue;
        for (int f = 0; f < kp.FrameName.GetSize(); ++f) {
            if (kp.FrameName[f] != record.name) continue;
            if (mainSkeletons) MainPieces(atom, record, j, lines);
            else SecondaryPieces(atom, record, j, lines);
        }
    }
    return lines;
}

// Steps 2 and 4 of the main skeletons: support lines whose totals read alike share one new mark,
// one mark per distinct pattern in support order. Returns the mark of every support line (empty
// where no bar lies).
CStringArray MainMarks(Atom& atom, const std::vector<SupportLine>& lines)
{
    CStringArray marks;
    marks.SetSize(static_cast<int>(lines.size()));
    std::vector<const DblArray*> patterns;
    for (const SupportLine& line : lines) {
        if (line.totals.IsEmpty()) continue;
        const bool seen = std::any_of(patterns.begin(), patterns.end(),
                                      [&](const DblArray* p) { return IsEqual(*p, line.totals) != 0; });
        if (!seen) patterns.push_back(&line.totals);
    }
    for (const DblArray* pattern : patterns) {
        ++atom.nMark;
        CString mark;
        mark.Format("%d", atom.nMark);
        for (std::size_t s = 0; s < lines.size(); ++s) {
            if (IsEqual(lines[s].totals, *pattern)) marks[static_cast<int>(s)] = mark;
        }
    }
    return marks;
}

// Step 3 of the secondary skeletons: groups of support lines whose bars may share marks. Laid out
// across the beam, support lines of equal reference totals; along the skew, support lines of equal
// left and equal right reference lengths. Each group lists its support lines in order; every
// support line with bars lies in at least one group.
std::vector<std::vector<int>> SecondaryGroups(const Atom& atom, const std::vector<SupportLine>& lines)
{
    if (atom.GetSkeletonLayout() == Atom::SkeletonLayout::AlongSkew) {
        std::vector<DblArray> lefts;
        std::vector<DblArray> rights;
        for (const SupportLine& line : lines) {
            lefts.push_back(line.refLeft);
            rights.push_back(line.refRight);
        }
        return SupportGroupsBySides(lefts, rights, atom.fEndSupportsApart);
    }
    std::vector<int> candidates;
    for (int s = 0; s < static_cast<int>(lines.size()); ++s) {
        if (lines[s].refTotals.IsEmpty()) continue;
        const bool seen = std::any_of(candidates.begin(), candidates.end(),
                                      [&](int c) { return IsEqual(lines[c].refTotals, lines[s].refTotals) != 0; });
        if (!seen) candidates.push_back(s);
    }
    std::vector<std::vector<int>> groups;
    for (int c : candidates) {
        std::vector<int> group;
        for (int s = 0; s < static_cast<int>(lines.size()); ++s) {
            if (!lines[s].refTotals.IsEmpty() && IsEqual(lines[s].refTotals, lines[c].refTotals)) group.push_back(s);
        }
        groups.push_back(group);
    }
    return groups;
}

CString NewMark(Atom& atom)
{
    ++atom.nMark;
    CString mark;
    mark.Format("%d", atom.nMark);
    return mark;
}

// A secondary bar already made over the support line whose reference lengths agree with (a, b) in
// tenths, or, with mirrored, with (b, a).
const Atom::M_DCZDJBH* MadeAlike(const CArray<Atom::M_DCZDJBH*>& bars, int support, double a, double b, bool mirrored)
{
    for (const Atom::M_DCZDJBH* bar : bars) {
        if (!bar || bar->nA != support || bar->nB == 0) continue;
        if (SameInTenths(bar->dA, a) && SameInTenths(bar->dB, b)) return bar;
        if (mirrored && SameInTenths(bar->dA, b) && SameInTenths(bar->dB, a)) return bar;
    }
    return nullptr;
}

// Step 5.3 of the secondary skeletons: the mark of a new bar over support line c. It takes the mark
// of an alike bar over the same support line; failing that, the first support line of its group
// sets a new mark, and any other takes the mark of a bar over the group's first support line that
// matches it straight or mirrored, or else a new one.
CString SecondaryMark(Atom& atom, const CArray<Atom::M_DCZDJBH*>& bars, const std::vector<std::vector<int>>& groups,
                      const Atom::M_DCZDJBH& bar)
{
    const int c = bar.nA;
    CString mark;
    for (const std::vector<int>& group : groups) {
        if (std::find(group.begin(), group.end(), c) == group.end()) continue;
        const int first = group.front();
        if (const Atom::M_DCZDJBH* same = MadeAlike(bars, c, bar.dA, bar.dB, false)) {
            mark = same->R;
            continue;
        }
        if (c <= first) return NewMark(atom);
        if (const Atom::M_DCZDJBH* match = MadeAlike(bars, first, bar.dA, bar.dB, true)) {
            mark = match->R;
            continue;
        }
        return NewMark(atom);
    }
    return mark;
}

Atom::M_XZR Vertex(double x, double z, int enPoint, double weld, int fH, int fHzy, int fHsx)
{
    return {.x = x, .z = z, .fH = fH, .fHzy = fHzy, .fHsx = fHsx, .LH = weld, .enPoint = enPoint};
}

// A length measured level, carried along the top's cross slope on which its end lies. Only a
// skeleton laid out across the beam on a top of two slopes follows them.
double AlongTop(const Atom& atom, double length, double endX)
{
    if (IsEqual(atom.iLb, -atom.iRb) || atom.GetSkeletonLayout() == Atom::SkeletonLayout::AlongSkew) return length;
    const double i = atom.bAc <= endX ? atom.iRb : atom.iLb;
    return length * std::sqrt(1.0 + i * i);
}

// Steps 5.1, 5.2 and 6: a new pooled bar of frame f from a piece: a straight line under the top at
// the left end, over the support line and at the right end; a welded bar lies one bar below the
// top bars' axis and is welded at both ends.
Atom::M_DCZDJBH& NewBar(Atom& atom, const Atom::M_DCZDJ& piece, int f, bool welded, bool secondary)
{
    const double s = atom.GetFame_ZDX(piece.nSupport, f);
    const double left = s - piece.L1;
    const double right = s + piece.L2;
    const double drop = welded ? atom.dMainBarWd : 0.0;
    const double weld = welded ? atom.st.LWeld : 0.0;
    const int w = welded ? 1 : 0;

    Atom::M_DCZDJBH& bar = *atom.TopCutPool.AddOwned(std::make_unique<Atom::M_DCZDJBH>());
    bar.PtAr.Add(Vertex(left, atom.GetFame_XZ(left) - drop, 0, weld, w, 0, w));
    bar.PtAr.Add(Vertex(s, atom.GetFame_XZ(s) - drop, 3, weld, 0, 0, 0));
    bar.PtAr.Add(Vertex(right, atom.GetFame_XZ(right) - drop, 0, weld, w, w, w));
    bar.nA = piece.nSupport;
    bar.nFrame = f;
    bar.L1 = AlongTop(atom, piece.L1, left);
    bar.L2 = AlongTop(atom, piece.L2, right);
    if (secondary) {
        bar.dA = piece.dRef1;
        bar.dB = piece.dRef2;
        bar.nB = 1;
    }
    return bar;
}

// Step 7: one schedule row per mark, built in the object's scratch row. The lengths of a mark's bars
// are summed in the orientation of its first bar (a bar over another support line lying the other
// way round is turned); the outer-end lengths are those at the beam's end support lines.
void ScheduleRows(Atom& atom, std::vector<const Atom::M_DCZDJBH*> built, bool mainSkeletons, CArray<Atom::tRn>& rows)
{
    const int last = atom.nPier - 1;
    const double hooks = 2.0 * RoundWhole(KVDataCommon::WG2(atom.st.d, atom.st.type, KVDataCommon::DEGRE_90));
    while (!built.empty()) {
        const Atom::M_DCZDJBH& first = *built.front();
        int n = 1;
        DblArray lefts;
        DblArray rights;
        DblArray outerEnds;
        lefts.Add(RoundWhole(first.L1));
        rights.Add(RoundWhole(first.L2));
        if (first.nA == 0) outerEnds.Add(first.L1);
        else if (first.nA == last) outerEnds.Add(first.L2);

        for (std::size_t k = built.size() - 1; k >= 1; --k) {
            const Atom::M_DCZDJBH& other = *built[k];
            if (other.R != first.R) continue;
            ++n;
            const double l1 = RoundWhole(other.L1);
            const double l2 = RoundWhole(other.L2);
            const bool straight = other.nA == first.nA || l1 == l2 ||
                                  !(l2 == RoundWhole(first.L1) || l1 == RoundWhole(first.L2));
            const double left = straight ? other.L1 : other.L2;
            const double right = straight ? other.L2 : other.L1;
            lefts.Add(RoundWhole(left));
            rights.Add(RoundWhole(right));
            if (first.nA == 0) outerEnds.Add(left);
            else if (first.nA == last) outerEnds.Add(right);
            built.erase(built.begin() + static_cast<std::ptrdiff_t>(k));
        }

        Atom::tRn& row = atom.ScratchRow;
        row.R = first.R;
        row.n = n;
        row.szL.RemoveAll();
        const double mean = (KVDataCommon::sum(lefts) + KVDataCommon::sum(rights)) / n;
        if (mainSkeletons) {
            // A side whose lengths differ among the mark's bars is labelled; when only one side
            // differs it is the bar's one variable length L.
            CString l = IsEqual(lefts, 1e-05) ? "/" : "L1";
            CString r = IsEqual(rights, 1e-05) ? "/" : "L2";
            if (l == "L1" && r == "/") l = "L";
            if (l == "/" && r == "L2") r = "L";
            row.szL.Add(l);
            row.szL.Add(r);
            row.TL = KVCTL(mean);
            // A main skeleton's bar has no outer-end lengths of its own.
            row.L1 = 0.0;
            row.L2 = 0.0;
        } else {
            row.szL.Add("/");
            row.szL.Add("/");
            row.L1 = 0.0;
            row.L2 = 0.0;
            outerEnds.GetMin(row.L1);
            outerEnds.GetMax(row.L2);
            row.TL = KVCTL(mean) + hooks;
        }
        rows.Add(row);
        built.erase(built.begin());
    }
}

bool Holds(const std::vector<int>& list, int value) { return std::find(list.begin(), list.end(), value) != list.end(); }

} // namespace

int GetfFrameDJDJs(const CPM001T0101Atom& atom, const CString& name, DblArray& out)
{
    for (const KeyFrame& record : atom.KeyFrames) {
        const int open = record.name.Find('(');
        const CString bare = open >= 0 ? record.name.Left(open) : record.name;
        if (bare != name) continue;
        out.RemoveAll();
        for (double length : record.LenT) out.Add(length);
        return 1;
    }
    return 0;
}

std::vector<std::vector<int>> SupportGroupsBySides(const std::vector<DblArray>& left,
                                                   const std::vector<DblArray>& right, int endSupportsApart)
{
    const int n = static_cast<int>(std::min(left.size(), right.size()));
    auto loaded = [&](int s) { return !left[s].IsEmpty(); };
    auto alike = [&](int a, int b) { return IsEqual(left[a], left[b]) && IsEqual(right[a], right[b]); };

    // The candidates, one per support line, and the range of positions among which repeats are
    // dropped. The end support lines are settled first: an unloaded end drops out; loaded ends stay
    // out of the comparison when they are kept apart.
    std::vector<int> candidates;
    for (int s = 0; s < n; ++s) candidates.push_back(s);
    int from = 0;
    int to = n - 1;
    if (n > 1) {
        const bool first = loaded(0);
        const bool last = loaded(n - 1);
        if (first && !last) {
            candidates.pop_back();
            to = static_cast<int>(candidates.size()) - 2;
        } else {
            if (!last) candidates.pop_back();
            if (!first) candidates.erase(candidates.begin());
            const int size = static_cast<int>(candidates.size());
            from = endSupportsApart != 0 ? 1 : 0;
            to = endSupportsApart != 0 ? size - 2 : size - 1;
        }
    }

    std::vector<int> kept;
    for (int p = 0; p < static_cast<int>(candidates.size()); ++p) {
        const int s = candidates[static_cast<std::size_t>(p)];
        if (!loaded(s)) continue;
        bool repeat = false;
        if (p >= from && p <= to) {
            for (int q = from; q < p && !repeat; ++q) {
                const int e = candidates[static_cast<std::size_t>(q)];
                repeat = loaded(e) && alike(e, s);
            }
        }
        if (!repeat) kept.push_back(s);
    }

    std::vector<std::vector<int>> groups;
    for (int c : kept) {
        std::vector<int> group;
        for (int s = 0; s < n; ++s) {
            if (loaded(s) && alike(s, c)) group.push_back(s);
        }
        groups.push_back(group);
    }
    return groups;
}

int GetGJFrame_DCJDJ(CPM001T0101Atom& atom, CPM001_CapKeyParam& kp, int mainSkeletons,
                     CArray<CPM001T0101Atom::M_DCZDJBH*>& bars, CArray<CPM001T0101Atom::tRn>& rows)
{
    const bool mainPass = mainSkeletons != 0;
    const std::vector<SupportLine> lines = Pieces(atom, kp, mainPass);

    // The support lines that carry this pass's bars, with their marks (main skeletons) or their
    // groups (secondary skeletons).
    std::vector<int> carrying;
    CStringArray marks;
    std::vector<std::vector<int>> groups;
    if (mainPass) {
        marks = MainMarks(atom, lines);
        atom.TopCutMarks.Copy(marks);
        for (int s = 0; s < marks.GetSize(); ++s) {
            if (!marks[s].IsEmpty()) carrying.push_back(s);
        }
    } else {
        groups = SecondaryGroups(atom, lines);
        for (const std::vector<int>& group : groups) carrying.insert(carrying.end(), group.begin(), group.end());
        std::sort(carrying.begin(), carrying.end());
    }

    std::vector<const Atom::M_DCZDJBH*> built;
    for (int f = 0; f < kp.FrameName.GetSize() && !carrying.empty(); ++f) {
        for (int j = 0; j < kp.FrameAr.GetSize(); ++j) {
            const KeyFrame& record = kp.FrameAr[j];
            if (record.name != kp.FrameName[f] || (record.fGJJ != 0) != mainPass) continue;
            for (int c = 0; c < static_cast<int>(lines.size()); ++c) {
                if (!Holds(carrying, c)) continue;
                const std::vector<Atom::M_DCZDJ>& pieces = lines[c].pieces;
                const auto piece = std::find_if(pieces.begin(), pieces.end(), [&](const Atom::M_DCZDJ& p) {
                    return p.nFrameRec == j && p.nSupport == c;
                });
                if (piece == pieces.end()) continue;

                const bool welded = mainPass || record.fWeldT != 0;
                Atom::M_DCZDJBH& bar = NewBar(atom, *piece, f, welded, !mainPass);
                bar.R = mainPass ? marks[c] : SecondaryMark(atom, bars, groups, bar);
                bars.Add(&bar);
                built.push_back(&bar);
            }
        }
    }

    ScheduleRows(atom, std::move(built), mainPass, rows);
    return 1;
}

} // namespace CapBeamCutOffBars
