// CPM001T0101Atom: the bottom cut-off bars in the spans — pieces, marks by total length, centre lines, rows.
#include "capbeam/skeleton/bottom_cut_off_bars.h"

#include "capbeam/skeleton/rounding.h"
#include "common/bar_sizes.h"
#include "common/cut_length.h"
#include "common/is_equal.h"

#include <memory>
#include <vector>

namespace CapBeamCutOffBars {

namespace {

using Atom = CPM001T0101Atom;
using KeyFrame = struct CPM001_CapKeyParam::FrameAr;
using CapBeamRounding::RoundWhole;
using KVDataCommon::IsEqual;

// One mark: a total length, the number of bars of that length and the mark's text.
struct MarkedLength {
    double total = 0.0;
    int count = 0;
    CString mark;
};

// 1 when a record of frame f's name welds its bottom bars to the skeleton.
int Welded(const CPM001_CapKeyParam& kp, int f)
{
    for (const KeyFrame& record : kp.FrameAr) {
        if (record.name == kp.FrameName[f] && record.fWeldB != 0) return 1;
    }
    return 0;
}

Atom::M_XZR Vertex(double x, double z, double weld, int fH, int fHzy)
{
    return {.x = x, .z = z, .fH = fH, .fHzy = fHzy, .LH = weld};
}

} // namespace

int GetGJFrame_DXJDJ(CPM001T0101Atom& atom, CPM001_CapKeyParam& kp, CArray<CPM001T0101Atom::M_DXZDJBH*>& bars,
                     CArray<CPM001T0101Atom::tRn>& rows)
{
    // The pieces of every secondary frame, span by span; those of positive length become bars.
    const int spans = atom.nPier - 1;
    std::vector<const Atom::M_DXZDJ*> pieces;
    for (int f = 0; f < kp.FrameName.GetSize(); ++f) {
        for (const KeyFrame& record : kp.FrameAr) {
            if (record.fGJJ != 0 || record.name != kp.FrameName[f]) continue;
            for (int k = 0; k + 1 < record.LenB.GetSize(); k += 2) {
                Atom::M_DXZDJ& piece = *atom.BottomCutPiecePool.AddOwned(std::make_unique<Atom::M_DXZDJ>());
                piece.dA = record.LenB[k];
                piece.dB = record.LenB[k + 1];
                piece.nA = k / 2;
                piece.nB = k / 2 + 1;
                piece.nFrame = f;
                // Lengths past the last span lie in no span.
                if (piece.nA < spans && piece.dA + piece.dB > 0.0) pieces.push_back(&piece);
            }
        }
    }

    // One mark per distinct total length, in order of first appearance.
    std::vector<MarkedLength> marks;
    for (const Atom::M_DXZDJ* piece : pieces) {
        const double total = piece->dA + piece->dB;
        bool counted = false;
        for (MarkedLength& m : marks) {
            if (!IsEqual(m.total, total)) continue;
            ++m.count;
            counted = true;
            break;
        }
        if (!counted) marks.push_back(MarkedLength{total, 1, CString()});
    }
    for (MarkedLength& m : marks) {
        ++atom.nMark;
        m.mark.Format("%d", atom.nMark);
    }

    // The bars: straight from a before to b after the middle of the span on their frame, on the
    // bottom bars' axis or, welded, one bar above it.
    for (const Atom::M_DXZDJ* piece : pieces) {
        const int w = Welded(kp, piece->nFrame);
        const double middle =
            (atom.GetFame_ZDX(piece->nA, piece->nFrame) + atom.GetFame_ZDX(piece->nB, piece->nFrame)) / 2.0;
        const double z = w * atom.dMainBarWd + atom.st.da;
        const double weld = w == 1 ? atom.st.LWeld : 0.0;

        Atom::M_DXZDJBH& bar = *atom.BottomCutPool.AddOwned(std::make_unique<Atom::M_DXZDJBH>());
        bar.nA = piece->nA;
        bar.nB = piece->nB;
        bar.nFrame = piece->nFrame;
        bar.dA = RoundWhole(piece->dA);
        bar.dB = RoundWhole(piece->dB);
        bar.dC = piece->dA + piece->dB;
        bar.PtAr.Add(Vertex(middle - piece->dA, z, weld, w, 0));
        bar.PtAr.Add(Vertex(middle + piece->dB, z, weld, w, w));
        for (const MarkedLength& m : marks) {
            if (!IsEqual(m.total, bar.dC)) continue;
            bar.R = m.mark;
            break;
        }
        bars.Add(&bar);
    }

    // One schedule row per mark: the total length with an end hook at either end.
    const double hooks = 2.0 * RoundWhole(KVDataCommon::WG2(atom.st.d, atom.st.type, KVDataCommon::DEGRE_90));
    for (const MarkedLength& m : marks) {
        Atom::tRn& row = atom.ScratchRow;
        row.R = m.mark;
        row.n = m.count;
        row.szL.RemoveAll();
        row.szL.Add("/");
        row.TL = KVCTL(m.total + hooks);
        // A bar in a span has no outer-end lengths.
        row.L1 = 0.0;
        row.L2 = 0.0;
        rows.Add(row);
    }
    return 1;
}

} // namespace CapBeamCutOffBars
