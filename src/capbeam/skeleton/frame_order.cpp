// CPM001T0101Atom: the order of the skeleton frames of a skewed beam — frames that carry the same
// bars share one group number and are drawn and tabled once.
#include "capbeam/cap_beam_reinforcement.h"

#include <memory>

namespace {

using KeyFrame = struct CPM001_CapKeyParam::FrameAr;

// The frames still waiting for a group, kept in step: removing a position removes it everywhere.
struct WorkingFrames {
    CArray<CArray<CapBeamRecords::singAr*>*> bars;   // bar list of each frame (owned by the atom's pool)
    IntArray fsk;                                    // main-skeleton flag of each frame
    IntArray index;                                  // the frame's index across the beam
    CArray<KeyFrame> records;                        // the key frame records, one per frame

    int Size() const { return bars.GetSize(); }

    void Remove(int position, bool withRecord)
    {
        bars.RemoveAt(position);
        fsk.RemoveAt(position);
        index.RemoveAt(position);
        if (withRecord && position < records.GetSize()) records.RemoveAt(position);
    }
};

} // namespace

int CPM001T0101Atom::GetFrameRn(CArray<singAr*>* bars, CStringArray& marks, IntArray& counts)
{
    if (!bars) return 1;
    for (const singAr* bar : *bars) {
        if (!bar) continue;
        bool seen = false;
        for (int m = 0; m < marks.GetSize() && !seen; ++m) seen = marks[m] == bar->R;
        if (seen) continue;
        int count = 0;
        for (const singAr* other : *bars) {
            if (other && other->R == bar->R) ++count;
        }
        marks.Add(bar->R);
        counts.Add(count);
    }
    return 1;
}

int CPM001T0101Atom::GetfFrameRn(CStringArray& marksA, IntArray& countsA, CStringArray& marksB, IntArray& countsB)
{
    for (int i = 0; i < marksA.GetSize(); ++i) {
        // A mark without its count cannot be shown to agree.
        if (i >= countsA.GetSize()) return 0;
        bool found = false;
        for (int j = 0; j < marksB.GetSize(); ++j) {
            if (marksB[j] != marksA[i]) continue;
            found = true;
            if (j >= countsB.GetSize() || countsB[j] != countsA[i]) return 0;
        }
        if (!found) return 0;
    }
    return 1;
}

int CPM001T0101Atom::GetFramegjdsx(CArray<struct CPM001_CapKeyParam::FrameAr>& records, int a, int b)
{
    if (a < 0 || b < 0 || a >= records.GetSize() || b >= records.GetSize()) return 0;
    const auto& groupsA = records[a].GJJ;
    const auto& groupsB = records[b].GJJ;
    for (int k = 0; k < groupsA.GetSize(); ++k) {
        // A record with fewer groups cannot carry the same bars.
        if (k >= groupsB.GetSize()) return 0;
        const auto& entriesA = groupsA[k];
        const auto& entriesB = groupsB[k];
        if (entriesA.GetSize() != entriesB.GetSize()) return 0;
        for (int e = 0; e < entriesA.GetSize(); ++e) {
            // The bend distance dx is left out: frames whose bars differ only there are drawn as one.
            if (entriesA[e].fBar != entriesB[e].fBar || entriesA[e].fWQ != entriesB[e].fWQ ||
                entriesA[e].fXJ != entriesB[e].fXJ) {
                return 0;
            }
        }
    }
    return 1;
}

int CPM001T0101Atom::GetFramesort(CPM001_CapKeyParam& kp, IntArray& order)
{
    const int n = kp.FrameName.GetSize();

    WorkingFrames work;
    work.records = kp.FrameAr;
    for (int d = 0; d < n; ++d) {
        CArray<singAr*>* bars = BarListPool.AddOwned(std::make_unique<CArray<singAr*>>());
        int fsk = 0;
        GetFrameiy(kp, d, *bars, fsk);
        work.bars.Add(bars);
        work.fsk.Add(fsk);
        work.index.Add(d);
    }

    order.RemoveAll();
    order.SetSize(n);
    int group = 0;

    // Main skeletons first, then the secondary ones; within a pass every later frame that carries
    // the same marks in the same numbers (and, for main skeletons, the same bar groups) joins the
    // group of the first one.
    for (const bool mainPass : {true, false}) {
        for (int p = 0; p < work.Size(); ++p) {
            if ((work.fsk[p] != 0) != mainPass) continue;
            ++group;
            order[work.index[p]] = group;

            CStringArray marksA;
            IntArray countsA;
            GetFrameRn(work.bars[p], marksA, countsA);

            for (int q = work.Size() - 1; q > p; --q) {
                if ((work.fsk[q] != 0) != mainPass) continue;
                CStringArray marksB;
                IntArray countsB;
                GetFrameRn(work.bars[q], marksB, countsB);
                bool same = countsA.GetSize() == countsB.GetSize() &&
                            GetfFrameRn(marksA, countsA, marksB, countsB) != 0;
                if (same && mainPass) same = GetFramegjdsx(work.records, p, q) != 0;
                if (!same) continue;
                order[work.index[q]] = group;
                work.Remove(q, mainPass);
            }
        }
    }
    return 1;
}
