// CPM001T0101Atom: the bars of one skeleton frame picked from the bar families, and their levels and marks at the stations.
#include "capbeam/skeleton/frame_bars.h"

#include "capbeam/skeleton/rounding.h"
#include "capbeam/skeleton/station_bars.h"
#include "common/bar_sizes.h"
#include "common/is_equal.h"
#include "common/list_sum.h"
#include "geometry/dbl_point_array.h"
#include "geometry/line_intersection.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <numeric>
#include <vector>

namespace CapBeamFrameBars {

namespace {

using Atom = CPM001T0101Atom;
using KVDataCommon::IsEqual;

bool Holds(const IntArray& list, int i) { return std::find(list.begin(), list.end(), i) != list.end(); }

// Cut length of a bar without bends: the segment lengths each rounded to a whole number, summed,
// the sum rounded again.
double WholeSegmentsLength(const DblArray& lengths)
{
    DblArray rounded(lengths);
    CapBeamRounding::GetIntDbArray(rounded);
    return std::trunc(KVDataCommon::sum(rounded) + 0.5);
}

// Cut length of a bar with bends: with the arc lengths switched on, the segment lengths plus the
// fillet corrections at the bends of the given point kinds (not on an arc), rounded to a whole
// number; otherwise as a bar without bends.
double BentLength(const Atom& atom, const Atom::singAr& bar, std::initializer_list<int> bendKinds)
{
    if (atom.st.fCalculateLarc == 0) return WholeSegmentsLength(bar.L);
    double loss = 0.0;
    if (atom.st.fCalculateLarc == 1) {
        for (const Atom::M_XZR& v : bar.PtAr) {
            if (v.fArc != 0 || std::find(bendKinds.begin(), bendKinds.end(), v.enPoint) == bendKinds.end()) continue;
            double one = 0.0;
            CapBeamRounding::GetFilletLoss1(atom.st.LeadPointR, v.alf, one);
            loss += one;
        }
    }
    return std::trunc(KVDataCommon::sum(bar.L) + loss + 0.5);
}

// A new bar of the object's pool, appended to the frame's list.
Atom::singAr& NewBar(Atom& atom, CArray<Atom::singAr*>& bars, int kind, int fromArc, const CString& mark,
                     const CArray<Atom::M_XZR>& line)
{
    Atom::singAr* bar = atom.BarPool.AddOwned(std::make_unique<Atom::singAr>());
    bar->PtAr = line;
    bar->class_ = kind;
    bar->fStwArc = fromArc;
    bar->R = mark;
    bars.Add(bar);
    return *bar;
}

// The hook allowance that the cut-off bars of secondary skeletons carry at their ends.
void SetEndAllowance(const Atom& atom, Atom::singAr& bar)
{
    bar.WG = KVDataCommon::WG2(atom.st.d, atom.st.type, KVDataCommon::DEGRE_90);
    bar.fWG = 1;
}

int FrameKind(const CPM001_CapKeyParam& kp, int i)
{
    if (i < 0 || i >= kp.FrameName.GetSize()) return 0;
    const CString& name = kp.FrameName[i];
    for (const struct CPM001_CapKeyParam::FrameAr& record : kp.FrameAr) {
        if (record.name == name) return record.fGJJ != 0 ? 1 : 0;
    }
    return 0;
}

// One station's value and mark lists.
struct Station {
    DblArray& top;
    CStringArray& topMarks;
    DblArray& bottom;
    CStringArray& bottomMarks;

    void AddTop(double value, const CString& mark)
    {
        top.Add(value);
        topMarks.Add(mark);
    }
    void AddBottom(double value, const CString& mark)
    {
        bottom.Add(value);
        bottomMarks.Add(mark);
    }
};

// Orders the values, each mark staying with its value and equal values keeping their order.
template <class Before>
void SortWithMarks(DblArray& values, CStringArray& marks, Before before)
{
    std::vector<int> order(static_cast<std::size_t>(values.GetSize()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int l, int r) { return before(values[l], values[r]); });
    DblArray sortedValues;
    CStringArray sortedMarks;
    for (int k : order) {
        sortedValues.Add(values[k]);
        sortedMarks.Add(marks[k]);
    }
    values = sortedValues;
    marks = sortedMarks;
}

bool StrictlyBetween(double x, double a, double b) { return (a < x && x < b) || (b < x && x < a); }

// What the station lists are filled from.
struct Frame {
    const Atom& atom;
    const CArray<Atom::singAr*>& bars;
    double ua;         // top cover
    double da;         // bottom cover
    double W;          // main bar's outer diameter: a top cut-off bar lies this far below the top bar
    double K;          // lift of a bent-up bar arc's apex vertex above the bar's centre line
    bool hasTop;
    bool hasBottom;
};

// A standard inclined bar met at a support line: its level where the end run that starts with a
// free end and rises to a top bend crosses the station.
void InclinedAtSupport(const Frame& f, const Atom::singAr& bar, double x, double level, Station& station)
{
    const CArray<Atom::M_XZR>& P = bar.PtAr;
    const int n = P.GetSize();
    if (n <= 2) return;
    const bool leftRun = P[0].enPoint == 0 && P[1].enPoint == 1;
    const bool rightRun = P[n - 1].enPoint == 0 && P[n - 2].enPoint == 1;
    if (!leftRun && !rightRun) return;
    const CDblPoint low(x, 0.0);
    const CDblPoint high(x, 10000.0);
    CDblPointArray hit;
    XLineLine(CDblPoint(P[0].x, P[0].z), CDblPoint(P[1].x, P[1].z), low, high, hit, 2);
    if (hit.IsEmpty()) XLineLine(CDblPoint(P[n - 1].x, P[n - 1].z), CDblPoint(P[n - 2].x, P[n - 2].z), low, high, hit, 2);
    if (!hit.IsEmpty()) station.AddTop(hit[0].y - (level + f.ua), bar.R);
}

// Each station handler below goes through the bars that the station index gives it (see
// BarsMeetingStations), in the frame's order: every other bar adds nothing to the station.
void MainSupport(const Frame& f, double x, const std::vector<int>& candidates, Station& station)
{
    const double level = f.atom.GetFame_XZ(x);
    station.AddTop(-f.ua, f.atom.TopThroughMark);
    station.AddBottom(f.da, f.atom.BottomThroughMark);
    for (int b : candidates) {
        const Atom::singAr* bar = f.bars[b];
        if (!bar) continue;
        const CArray<Atom::M_XZR>& P = bar->PtAr;
        const int n = P.GetSize();
        // Whether the station lies inside an inclined bar's end runs (a bar of two vertices or more).
        const bool insideEndRun =
            bar->class_ == 6 && n >= 2 && (StrictlyBetween(x, P[0].x, P[1].x) || StrictlyBetween(x, P[n - 1].x, P[n - 2].x));
        for (int j = 0; j < n; ++j) {
            const bool onStation = IsEqual(P[j].x, x) != 0;
            if (onStation && (bar->class_ == 3 || (bar->class_ == 5 && bar->fStwArc == 0))) {
                station.AddTop(P[j].z - level - f.ua, bar->R);
                break;
            }
            if (onStation && bar->class_ == 5 && bar->fStwArc == 1) {
                station.AddTop((P[j].z - f.K) - level - f.ua, bar->R);
                break;
            }
            if (bar->class_ == 6 && (onStation || insideEndRun)) {
                InclinedAtSupport(f, *bar, x, level, station);
                break;
            }
        }
    }
    SortWithMarks(station.top, station.topMarks, [](double l, double r) { return l > r; });
}

void MainMidSpan(const Frame& f, double x, const std::vector<int>& candidates, Station& station)
{
    station.AddTop(-f.ua, f.atom.TopThroughMark);
    station.AddBottom(f.da, f.atom.BottomThroughMark);
    for (int b : candidates) {
        const Atom::singAr* bar = f.bars[b];
        if (!bar) continue;
        const CArray<Atom::M_XZR>& P = bar->PtAr;
        for (int j = 1; j < P.GetSize(); ++j) {
            const Atom::M_XZR& a = P[j - 1];
            const Atom::M_XZR& b = P[j];
            if (!(b.x == x || (b.x < x && x <= a.x))) continue;
            if ((bar->class_ == 5 || bar->class_ == 6) && a.z == b.z) {
                station.AddBottom(a.z, bar->R);
                break;
            }
            if (bar->class_ == 3) {
                station.AddTop(-f.ua - f.W, bar->R);
                break;
            }
        }
    }
    SortWithMarks(station.bottom, station.bottomMarks, [](double l, double r) { return l < r; });
}

void SecondaryStation(const Frame& f, double x, bool support, const std::vector<int>& candidates, Station& station)
{
    if (f.hasTop) station.AddTop(-f.ua, f.atom.TopThroughMark);
    if (f.hasBottom) station.AddBottom(f.da, f.atom.BottomThroughMark);
    const int kind = support ? 3 : 4;
    for (int b : candidates) {
        const Atom::singAr* bar = f.bars[b];
        if (!bar || bar->class_ != kind) continue;
        const CArray<Atom::M_XZR>& P = bar->PtAr;
        for (int j = 1; j < P.GetSize(); ++j) {
            if (!(P[j - 1].x <= x && x <= P[j].x)) continue;
            if (support) station.AddTop(f.hasTop ? -f.ua - f.W : -f.ua, bar->R);
            else station.AddBottom(P[j].z, bar->R);
            break;
        }
    }
}

// Within this distance of a bar's span a station may meet the bar: a thousand times the equality
// tolerance, so that no bar a station meets (a vertex within the tolerance, a piece that holds it)
// is left out; a bar let in by the margin is tested as every bar is.
constexpr double kSpanMargin = 1000.0 * KVDataCommon::kEqualTolerance;

// For each station, the bars of the frame that may add to it, in the frame's order. The through
// bars add nothing from the list (their levels are the covers each station starts with) and are
// left out: they run over every station.
std::vector<std::vector<int>> BarsMeetingStations(const CArray<Atom::singAr*>& bars,
                                                  const std::vector<double>& stations)
{
    std::vector<CapBeamStationBars::Span> spans;
    spans.reserve(static_cast<std::size_t>(bars.GetSize()));
    for (const Atom::singAr* bar : bars) {
        const bool mayAdd = bar && bar->class_ >= 3 && bar->class_ <= 6;
        spans.push_back(mayAdd ? CapBeamStationBars::SpanOf(bar->PtAr) : CapBeamStationBars::NoSpan());
    }
    return CapBeamStationBars::BarsAtStations(spans, stations, kSpanMargin);
}

} // namespace

int GetFrameiy(Atom& atom, CPM001_CapKeyParam& kp, int i, CArray<Atom::singAr*>& bars, int& fsk)
{
    fsk = FrameKind(kp, i);

    // The through bars are shared by all frames; a frame carrying only one of them gets the copy
    // without welds.
    const bool top = Holds(atom.TopThroughList, i);
    const bool bottom = Holds(atom.BottomThroughList, i);
    if (top && atom.ThroughBars.GetSize() > 0 && atom.ThroughBarsPlain.GetSize() > 0)
        bars.Add(bottom ? &atom.ThroughBars[0] : &atom.ThroughBarsPlain[0]);
    if (bottom && atom.ThroughBars.GetSize() > 1 && atom.ThroughBarsPlain.GetSize() > 1)
        bars.Add(top ? &atom.ThroughBars[1] : &atom.ThroughBarsPlain[1]);

    if (fsk == 1) {
        for (const Atom::M_DCZDJBH* cut : atom.TopCutBars) {
            if (!cut || cut->nFrame != i) continue;
            Atom::singAr& bar = NewBar(atom, bars, 3, 0, cut->R, cut->PtAr);
            bar.L.Add(cut->L1);
            bar.L.Add(cut->L2);
            bar.sTL = WholeSegmentsLength(bar.L);
        }
        for (const Atom::M_WQJ_R* bent : atom.BentBars) {
            if (!bent || !bent->pWQJ || bent->pWQJ->nH != i) continue;
            Atom::singAr& bar = NewBar(atom, bars, 5, 0, bent->R, bent->pWQJ->PtAr);
            bar.L = bent->pWQJ->L2;
            bar.sTL = BentLength(atom, bar, {1, 2});
        }
        for (const Atom::M_ArcWQJ_R* arc : atom.BentArcs) {
            if (!arc || !arc->pArcWQJ || arc->pArcWQJ->nA != i) continue;
            Atom::singAr& bar = NewBar(atom, bars, 5, 1, arc->R, arc->pArcWQJ->PtAr);
            bar.L = arc->pArcWQJ->L;
            bar.sTL = BentLength(atom, bar, {2});
        }
        for (const Atom::M_BZXJR& inclined : atom.InclBars) {
            if (inclined.nB != i) continue;
            Atom::singAr& bar = NewBar(atom, bars, 6, 0, inclined.R, inclined.PtAr);
            bar.L = inclined.L;
            bar.sTL = BentLength(atom, bar, {1, 2});
        }
    } else {
        for (const Atom::M_DCZDJBH* cut : atom.TopCutBars2) {
            if (!cut || cut->nFrame != i) continue;
            Atom::singAr& bar = NewBar(atom, bars, 3, 0, cut->R, cut->PtAr);
            bar.L.Add(cut->L1);
            bar.L.Add(cut->L2);
            bar.sTL = WholeSegmentsLength(bar.L);
            SetEndAllowance(atom, bar);
        }
        for (const Atom::M_DXZDJBH* cut : atom.BottomCutBars) {
            if (!cut || cut->nFrame != i) continue;
            Atom::singAr& bar = NewBar(atom, bars, 4, 0, cut->R, cut->PtAr);
            bar.L.Add(cut->dA + cut->dB);
            bar.sTL = WholeSegmentsLength(bar.L);
            SetEndAllowance(atom, bar);
        }
    }
    return 1;
}

int GetFrameiyxz(Atom& atom, CPM001_CapKeyParam& kp, int i, CArray<DblArray*>& zt, CArray<DblArray*>& zb,
                 CArray<CStringArray*>& ztLabel, CArray<CStringArray*>& zbLabel)
{
    CArray<Atom::singAr*> bars;
    int fsk = 0;
    GetFrameiy(atom, kp, i, bars, fsk);

    const double c = atom.st.angle;
    const Frame f{atom,
                  bars,
                  atom.st.ua,
                  atom.st.da,
                  atom.dMainBarWd,
                  (std::sin(c) * std::tan(c) + std::cos(c) - 1.0) * atom.KeyLen2,
                  Holds(atom.TopThroughList, i),
                  Holds(atom.BottomThroughList, i)};
    // Along a skewed beam the mid-span of frame i lies shifted from that of the first frame.
    const double dY = atom.GetSkeletonLayout() == Atom::SkeletonLayout::AlongSkew
                          ? (atom.GetFame_Y(i) - atom.GetFame_Y(0)) * std::tan(atom.a)
                          : 0.0;

    const int stations = atom.nPier > 0 ? 2 * atom.nPier - 1 : 0;
    CArray<DblArray>& tops = *atom.ZtPool.AddOwned(std::make_unique<CArray<DblArray>>());
    CArray<DblArray>& bottoms = *atom.ZbPool.AddOwned(std::make_unique<CArray<DblArray>>());
    CArray<CStringArray>& topMarks = *atom.ZtLabelPool.AddOwned(std::make_unique<CArray<CStringArray>>());
    CArray<CStringArray>& bottomMarks = *atom.ZbLabelPool.AddOwned(std::make_unique<CArray<CStringArray>>());
    tops.SetSize(stations);
    bottoms.SetSize(stations);
    topMarks.SetSize(stations);
    bottomMarks.SetSize(stations);

    zt.RemoveAll();
    zb.RemoveAll();
    ztLabel.RemoveAll();
    zbLabel.RemoveAll();

    // Support line k at station 2k, the mid-span after it at 2k + 1.
    std::vector<double> xs(static_cast<std::size_t>(stations));
    for (int k = 0; k < atom.nPier; ++k) {
        xs[static_cast<std::size_t>(2 * k)] = atom.GetFame_ZDX(k, i);
        if (k < atom.nPier - 1)
            xs[static_cast<std::size_t>(2 * k + 1)] = (atom.GetFame_ZDX(k, 0) + atom.GetFame_ZDX(k + 1, 0)) / 2.0 + dY;
    }
    const std::vector<std::vector<int>> candidates = BarsMeetingStations(bars, xs);

    for (int s = 0; s < stations; ++s) {
        const bool support = s % 2 == 0;
        const double x = xs[static_cast<std::size_t>(s)];
        const std::vector<int>& bs = candidates[static_cast<std::size_t>(s)];
        Station station{tops[s], topMarks[s], bottoms[s], bottomMarks[s]};
        if (fsk == 1) {
            if (support) MainSupport(f, x, bs, station);
            else MainMidSpan(f, x, bs, station);
        } else {
            SecondaryStation(f, x, support, bs, station);
        }
        zt.Add(&tops[s]);
        zb.Add(&bottoms[s]);
        ztLabel.Add(&topMarks[s]);
        zbLabel.Add(&bottomMarks[s]);
    }
    return 1;
}

} // namespace CapBeamFrameBars

int CPM001T0101Atom::GetFrameiy(CPM001_CapKeyParam& kp, int i, CArray<singAr*>& bars, int& fsk)
{
    return CapBeamFrameBars::GetFrameiy(*this, kp, i, bars, fsk);
}

int CPM001T0101Atom::GetFrameiyxz(CPM001_CapKeyParam& kp, int i, CArray<DblArray*>& zt, CArray<DblArray*>& zb,
                                  CArray<CStringArray*>& ztLabel, CArray<CStringArray*>& zbLabel)
{
    return CapBeamFrameBars::GetFrameiyxz(*this, kp, i, zt, zb, ztLabel, zbLabel);
}
