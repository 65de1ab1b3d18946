// CPM001T0101Atom: the bars a cross-section cuts at a station, and the section kind of every station.
#include "capbeam/skeleton/section_kinds.h"

#include "capbeam/skeleton/frame_bars.h"
#include "common/is_equal.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace CapBeamSectionKinds {

namespace {

using Atom = CPM001T0101Atom;
using KVDataCommon::IsEqual;

bool AtLeast(double a, double b) { return a >= b || IsEqual(a, b); }
bool AtMost(double a, double b) { return a <= b || IsEqual(a, b); }

// The number a bar mark stands for, read like atoi (leading blanks, a sign, digits; no digits
// give 0), held within the range of an int.
int MarkNumber(const CString& mark)
{
    const long value = std::strtol(mark.GetString(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

// The marks of the bars cut at a station as numbers, ascending.
IntArray SortedMarks(const CArray<Atom::singAr*>& bars)
{
    IntArray marks;
    for (const Atom::singAr* bar : bars) {
        if (bar) marks.Add(MarkNumber(bar->R));
    }
    std::sort(marks.begin(), marks.end());
    return marks;
}

bool FamiliesEmpty(const Atom& atom)
{
    return atom.TopCutBars.IsEmpty() && atom.BentBars.IsEmpty() && atom.BentArcs.IsEmpty() && atom.InclBars.IsEmpty() &&
           atom.TopCutBars2.IsEmpty() && atom.BottomCutBars.IsEmpty();
}

// What a station's section cuts.
struct Section {
    int nUp = 0;
    int nDown = 0;
    IntArray counts;
    IntArray marks;   // the marks of the bars cut, as numbers, ascending
};

// A bar of a frame with the stations its centre line spans, widened by the tolerance of the cut:
// a station outside them cannot be covered by any of its segments.
struct SpannedBar {
    Atom::singAr* bar;
    double from;
    double to;
};

// The bars of every frame, picked from the bar families once; every station is cut against them.
struct FrameBars {
    std::vector<std::vector<SpannedBar>> frames;
    bool anyMain = false;   // some frame is a main skeleton

    FrameBars(Atom& atom, CPM001_CapKeyParam& kp) : frames(static_cast<std::size_t>(kp.FrameName.GetSize()))
    {
        constexpr double kMargin = 2e-6;   // beyond the 1e-6 of IsEqual
        for (std::size_t j = 0; j < frames.size(); ++j) {
            CArray<Atom::singAr*> bars;
            int fsk = 0;
            CapBeamFrameBars::GetFrameiy(atom, kp, static_cast<int>(j), bars, fsk);
            if (fsk != 0) anyMain = true;
            for (Atom::singAr* bar : bars) {
                if (!bar || bar->PtAr.GetSize() < 2) continue;   // no segment: never cut
                // fmin and fmax pass over a vertex without a station (NaN), which covers nothing.
                double low = HUGE_VAL, high = -HUGE_VAL;
                for (const Atom::M_XZR& v : bar->PtAr) {
                    low = std::fmin(low, v.x);
                    high = std::fmax(high, v.x);
                }
                frames[j].push_back({bar, low - kMargin, high + kMargin});
            }
        }
    }
};

// The cross-section at station x against the frames' bars (see GetFrameix). cutOffMarks is
// working space, emptied here.
void CutStation(Atom& atom, const FrameBars& frameBars, double x, CArray<Atom::singAr*>& bars, int& nUp, int& nDown,
                IntArray& counts, std::vector<const CString*>& cutOffMarks)
{
    nUp = 0;
    nDown = 0;
    double H = atom.GetFame_XZ(x);
    double dY = 0.0;
    cutOffMarks.clear();

    const double y0 = atom.GetFame_Y(0);
    for (std::size_t j = 0; j < frameBars.frames.size(); ++j) {
        // Along a skewed beam the section meets frame j at its own station.
        if (atom.GetSkeletonLayout() == Atom::SkeletonLayout::AlongSkew) {
            dY = (atom.GetFame_Y(static_cast<int>(j)) - y0) * std::tan(atom.a);
            H = atom.GetFame_XZ(x + dY);
        }
        const double X = x + dY;
        int count = 0;
        for (const SpannedBar& spanned : frameBars.frames[j]) {
            if (X < spanned.from || X > spanned.to) continue;
            Atom::singAr* bar = spanned.bar;
            const CArray<Atom::M_XZR>& P = bar->PtAr;
            int m = 1;
            for (; m < P.GetSize(); ++m) {
                const double a = P[m - 1].x;
                const double b = P[m].x;
                if ((AtLeast(X, a) && AtMost(X, b)) || (AtMost(X, a) && AtLeast(X, b))) break;
            }
            if (m >= P.GetSize()) continue;
            const bool arc = bar->class_ == 5 && bar->fStwArc != 0;
            if (!arc && std::fabs(P[m - 1].z - P[m].z) > H / 3.0) continue;
            bars.Add(bar);
            if (H / 2.0 < P[m - 1].z) ++nUp;
            else ++nDown;
            if (bar->class_ == 3 || bar->class_ == 4) cutOffMarks.push_back(&bar->R);
            ++count;
        }
        counts.Add(count);
    }

    if (frameBars.anyMain) {
        atom.fNoteFormDM = 1;
    } else if (cutOffMarks.size() > 1) {
        const CString& first = *cutOffMarks.front();
        const bool twoMarks = std::any_of(cutOffMarks.begin(), cutOffMarks.end(),
                                          [&](const CString* mark) { return *mark != first; });
        if (twoMarks) atom.fNoteFormDM = 1;
    }
}

} // namespace

int GetFrameix(Atom& atom, CPM001_CapKeyParam& kp, double x, CArray<Atom::singAr*>& bars, int& nUp, int& nDown,
               IntArray& counts)
{
    const FrameBars frameBars(atom, kp);
    std::vector<const CString*> cutOffMarks;
    CutStation(atom, frameBars, x, bars, nUp, nDown, counts, cutOffMarks);
    return 1;
}

int GetenSectionAr(Atom& atom, CPM001_CapKeyParam& kp, IntArray& kinds)
{
    const int stations = atom.nPier > 0 ? 2 * atom.nPier - 1 : 0;

    // Through bars alone cut every section alike.
    if (FamiliesEmpty(atom)) {
        kinds.RemoveAll();
        for (int s = 0; s < stations; ++s) kinds.Add(2);
        return 1;
    }

    atom.StationBars.RemoveAll();
    atom.StationBars.SetSize(stations);
    std::vector<Section> sections(static_cast<std::size_t>(stations));
    const FrameBars frameBars(atom, kp);
    std::vector<const CString*> cutOffMarks;
    auto cut = [&](int s, double x) {
        Section& section = sections[static_cast<std::size_t>(s)];
        CutStation(atom, frameBars, x, atom.StationBars[s], section.nUp, section.nDown, section.counts, cutOffMarks);
        section.marks = SortedMarks(atom.StationBars[s]);
    };
    for (int k = 0; k < atom.nPier; ++k) {
        cut(2 * k, atom.GetFame_ZDX(k, 0));
        if (k < atom.nPier - 1) cut(2 * k + 1, (atom.GetFame_ZDX(k, 0) + atom.GetFame_ZDX(k + 1, 0)) / 2.0);
    }

    // Groups of stations that cut the same marks, split alike above and below half the height,
    // with the same number of bars from every frame.
    std::vector<int> open(static_cast<std::size_t>(stations));
    for (int s = 0; s < stations; ++s) open[static_cast<std::size_t>(s)] = s;
    std::vector<std::vector<int>> groups;
    for (std::size_t a = 0; a < open.size(); ++a) {
        const int sa = open[a];
        const Section& A = sections[static_cast<std::size_t>(sa)];
        if (A.marks.IsEmpty()) return 0;
        std::vector<int> group{sa};
        for (std::size_t b = open.size() - 1; b > a; --b) {
            const int sb = open[b];
            if (atom.StationBars[sb].GetSize() != atom.StationBars[sa].GetSize()) continue;
            const Section& B = sections[static_cast<std::size_t>(sb)];
            if (B.marks.IsEmpty()) return 0;
            if (!IsEqual(A.marks, B.marks) || A.nUp != B.nUp || A.nDown != B.nDown || !IsEqual(A.counts, B.counts)) continue;
            group.push_back(sb);
            open.erase(open.begin() + static_cast<std::ptrdiff_t>(b));
        }
        groups.push_back(group);
    }

    // Kinds: first the groups that hold a support line, then those of mid-spans only.
    kinds.RemoveAll();
    kinds.SetSize(stations);
    int kind = 2;
    std::vector<bool> numbered(groups.size(), false);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const std::vector<int>& group = groups[g];
        if (std::none_of(group.begin(), group.end(), [](int s) { return s % 2 == 0; })) continue;
        for (int s : group) kinds[s] = kind;
        ++kind;
        numbered[g] = true;
    }
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (numbered[g]) continue;
        for (int s : groups[g]) kinds[s] = kind;
        ++kind;
    }
    return 1;
}

} // namespace CapBeamSectionKinds

int CPM001T0101Atom::GetFrameix(CPM001_CapKeyParam& kp, double x, CArray<singAr*>& bars, int& nUp, int& nDown,
                                IntArray& counts)
{
    return CapBeamSectionKinds::GetFrameix(*this, kp, x, bars, nUp, nDown, counts);
}

int CPM001T0101Atom::GetenSectionAr(CPM001_CapKeyParam& kp, IntArray& kinds)
{
    return CapBeamSectionKinds::GetenSectionAr(*this, kp, kinds);
}
