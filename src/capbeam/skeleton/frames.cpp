// CPM001T0101Atom: the contents of one skeleton frame (bars, heights, the four dimension chains of
// its drawing) and the frame table that lists each group of equal frames once.
#include "capbeam/skeleton/frames.h"

#include "capbeam/cap_beam_reinforcement.h"
#include "capbeam/skeleton/rounding.h"
#include "common/is_equal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace {

using CapBeamRecords::singAr;
using KVDataCommon::IsEqual;

// The two end stations of the dimension chains: the end covers, moved in by one bar when the bent
// bars' legs stand inside the through bars.
struct EndStations {
    double left = 0.0;
    double right = 0.0;
};

EndStations ChainEnds(const CPM001T0101Atom& atom)
{
    const double inset = atom.fEndInset == 0 ? 0.0 : atom.dMainBarWd;
    return {atom.st.sa + inset, atom.bBg - atom.st.sa - inset};
}

// The differences of neighbouring stations, in order.
DblArray Differences(const std::vector<double>& stations)
{
    DblArray chain;
    for (std::size_t j = 1; j < stations.size(); ++j) chain.Add(stations[j] - stations[j - 1]);
    return chain;
}

int PointKind(const singAr& bar, int j) { return bar.PtAr[j].enPoint; }

// The stations of frame j's support lines, left to right: the station of column line k at the
// frame's offset (GetFame_ZDX(k, j)), with the cantilever taken and the spacings summed once.
DblArray SupportLines(const CPM001T0101Atom& atom, int j)
{
    DblArray lines;
    const double start = atom.GetXBCD(1, atom.GetFame_Y(j), 1);
    double before = 0.0;   // the spacings before column line k, summed in order
    for (int k = 0; k < atom.nPier; ++k) {
        if (k > 0 && k - 1 < atom.bBz.GetSize()) before += atom.bBz[k - 1];
        lines.Add(start + before);
    }
    return lines;
}

// The support line a bar stands on: the first of its vertices, in order, that lies on one of the
// frame's support lines (their stations left to right); -1 when none does.
int SupportLineOf(const singAr& bar, const DblArray& lines)
{
    for (const CapBeamRecords::M_XZR& vertex : bar.PtAr) {
        for (int k = 0; k < lines.GetSize(); ++k) {
            if (IsEqual(vertex.x, lines[k])) return k;
        }
    }
    return -1;
}

// difL1: the chain along the bottom through bar — its sloped ends (when both ends are sloped), the
// cantilevers and the spans. A bottom bar with fewer vertices than the chain reads (a through bar
// that could not be shaped) gives no chain.
DblArray BottomChain(const CPM001T0101Atom& atom, double x0, double xL)
{
    DblArray chain;
    if (atom.ThroughBars.GetSize() < 2) return chain;
    const CArray<CapBeamRecords::M_XZR>& bottom = atom.ThroughBars[1].PtAr;
    const bool slopedEnds = atom.bBpl != 0.0 && atom.bBpr != 0.0;
    if (bottom.GetSize() < (slopedEnds ? 5 : 3)) return chain;

    auto B = [&bottom](int j) { return bottom[j].x; };
    if (slopedEnds) {
        chain.Add(B(2) - B(1));
        chain.Add(x0 - B(2));
        for (double span : atom.bBz) chain.Add(span);
        chain.Add(B(3) - xL);
        chain.Add(B(4) - B(3));
    } else {
        chain.Add(x0 - B(1));
        for (double span : atom.bBz) chain.Add(span);
        chain.Add(B(2) - xL);
    }
    return chain;
}

// v rounded to n decimals the way its fixed-point text would be ("%.*f": the decimal nearest to v,
// an exact tie to the even last digit) and read back. The exact product v x 10^n is held as the
// rounded product and its error (fma), so values just below and just above a half round as their
// digits say; the whole number, below 2^52, divides back as exactly as the text reads. false, with
// rounded untouched, when 10^n is not exact (n above 22) or the product reaches 2^52.
bool RoundArithmetically(double v, int n, double& rounded)
{
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (n < 0 || n > 22) return false;
    const double scale = kPowersOfTen[n];
    const double product = v * scale;
    if (!(std::fabs(product) < 0x1p52)) return false;
    const double error = std::fma(v, scale, -product);   // v x scale = product + error, exactly
    double whole = std::nearbyint(product);               // ties to even
    // Only a product that lies on a half can have its error carry it to the other side.
    const double offset = product - whole;
    if (offset == 0.5 && error > 0.0) whole += 1.0;
    else if (offset == -0.5 && error < 0.0) whole -= 1.0;
    rounded = whole / scale;
    return true;
}

// The same rounding through the fixed-point text itself, for what the arithmetic cannot hold.
double RoundByText(double v, int n)
{
    CString fixed;
    fixed.Format("%.*f", n, v);
    double rounded = v;
    const std::string& text = fixed.str();
    std::from_chars(text.data(), text.data() + text.size(), rounded);
    return rounded;
}

} // namespace

namespace CapBeamSkeleton {

CString RoundToDecimals(double v, int n)
{
    const int decimals = std::max(n, 0);
    double rounded = v;   // infinity and nan are written as they are
    if (std::isfinite(v) && !RoundArithmetically(v, decimals, rounded)) rounded = RoundByText(v, decimals);
    CString result;
    result.Format("%g", rounded);
    return result;
}

int BuildFrameTable(CPM001T0101Atom& atom)
{
    const int n = atom.FrameStore.GetSize();
    atom.FrameTable.SetSize(n + 1);
    if (atom.FrameGroup.IsEmpty()) return 0;

    const int framesWithGroup = std::min(n, atom.FrameGroup.GetSize());
    std::vector<int> groups(atom.FrameGroup.begin(), atom.FrameGroup.begin() + framesWithGroup);
    std::sort(groups.begin(), groups.end());
    groups.erase(std::unique(groups.begin(), groups.end()), groups.end());

    const bool namedByFirst =
        atom.GetSkeletonLayout() == CPM001T0101Atom::SkeletonLayout::Across || IsEqual(atom.a, 0.0);

    for (const int g : groups) {
        std::vector<int> members;
        for (int d = 0; d < framesWithGroup; ++d) {
            if (atom.FrameGroup[d] == g) members.push_back(d);
        }
        const int f = members.front();
        CapBeamRecords::FrameAr& first = atom.FrameStore[f];
        CapBeamRecords::tFrameAr& row = atom.FrameTable[f + 1];

        row.szDY = "骨架";
        if (namedByFirst) {
            row.szDY += first.name;
        } else {
            for (std::size_t m = 0; m < members.size(); ++m) {
                if (m > 0) row.szDY += "、";
                row.szDY += atom.FrameStore[members[m]].name;
            }
        }
        if (first.fsk == 0) continue;

        row.n = f;
        int label = 1;
        using Frame = CapBeamRecords::FrameAr;
        DblArray Frame::* const chains[] = {&Frame::difL1, &Frame::difL2, &Frame::difL3, &Frame::difL4};
        CStringArray Frame::* const labels[] = {&Frame::difLabel1, &Frame::difLabel2, &Frame::difLabel3,
                                                &Frame::difLabel4};
        CStringArray* const cells[] = {&row.szX1, &row.szX2, &row.szX3, &row.szX4};

        for (int c = 0; c < 4; ++c) {
            const DblArray& firstChain = first.*chains[c];
            for (int e = 0; e < firstChain.GetSize(); ++e) {
                // The members' values at this position in whole tenths; a member whose chain is
                // shorter has no value here, so the group cannot share one.
                DblArray values;
                bool complete = true;
                for (const int d : members) {
                    const DblArray& chain = atom.FrameStore[d].*chains[c];
                    if (e < chain.GetSize()) values.Add(chain[e]);
                    else complete = false;
                }
                DblArray tenths;
                CapBeamRounding::GetIntDbAr(values, tenths, 1);
                if (complete && IsEqual(tenths, 1e-05)) {
                    (first.*labels[c]).Add(RoundToDecimals(firstChain[e], 1));
                    cells[c]->Add("/");
                } else {
                    CString text;
                    text.Format("X%d", label++);
                    (first.*labels[c]).Add(text);
                    cells[c]->Add(text);
                }
            }
        }
        atom.st.tFrame.Add(&row);
    }
    return 1;
}

} // namespace CapBeamSkeleton

int CPM001T0101Atom::GetArcWQJdh(singAr* bar, int i)
{
    if (!bar) return -1;
    return SupportLineOf(*bar, SupportLines(*this, i));
}

void CPM001T0101Atom::GetFrame(CPM001_CapKeyParam& kp, int i, FrameAr& frame)
{
    CArray<singAr*> bars;
    GetFrameiy(kp, i, bars, frame.fsk);
    frame.Bars.RemoveAll();
    for (singAr* bar : bars) frame.Bars.Add(bar);

    frame.y = GetFame_Y(i);
    frame.num = i + 1;
    frame.sort = i < FrameGroup.GetSize() ? FrameGroup[i] : 0;
    frame.name = i < kp.FrameName.GetSize() ? kp.FrameName[i] : CString();

    GetFrameiyxz(kp, i, frame.zt, frame.zb, frame.ztLabel, frame.zbLabel);

    frame.difL1.RemoveAll();
    frame.difL2.RemoveAll();
    frame.difL3.RemoveAll();
    frame.difL4.RemoveAll();
    const double x0 = GetFame_ZDX(0, i);
    // Only a main skeleton is dimensioned in the frame drawing.
    if (frame.fsk == 0) return;
    const double xL = GetFame_ZDX(nPier - 1, i);
    const DblArray lines = SupportLines(*this, i);   // taken once for every bar that asks

    frame.difL1 = BottomChain(*this, x0, xL);

    // difL2: the widths of the bent-up bar arcs at the supports. The first arc sets its feet on
    // the bottom bends on both sides, the last one on its right side; arcs over inner supports
    // span KeyLen1 to each side.
    frame.difL2.SetSize(2 * std::max(nPier, 0));
    // The arc over each support line: the first of the frame's arcs that stands on it.
    std::vector<const singAr*> arcs(static_cast<std::size_t>(std::max(nPier, 0)), nullptr);
    for (const singAr* bar : frame.Bars) {
        if (!bar || bar->class_ != 5 || bar->fStwArc == 0) continue;
        const int k = SupportLineOf(*bar, lines);
        if (k >= 0 && !arcs[static_cast<std::size_t>(k)]) arcs[static_cast<std::size_t>(k)] = bar;
    }
    double p = 0.0;
    double q = 0.0;
    for (int k = 0; k < nPier; ++k) {
        const singAr* arc = arcs[static_cast<std::size_t>(k)];
        if (!arc) continue;
        const int last = arc->PtAr.GetSize() - 1;
        if (k == 0) {
            for (int j = 0; j < last; ++j) {
                if (PointKind(*arc, j) == 2 && PointKind(*arc, j + 1) == 3) {
                    p = arc->PtAr[j].x;
                    q = arc->PtAr[j + 1].x;
                    break;
                }
            }
            frame.difL2[0] = std::fabs(q - p);
            for (int j = last; j >= 1; --j) {
                if (PointKind(*arc, j) == 2 && PointKind(*arc, j - 1) == 3) {
                    p = arc->PtAr[j].x;
                    q = arc->PtAr[j - 1].x;
                    break;
                }
            }
            frame.difL2[1] = std::fabs(p - q);
        } else if (k == nPier - 1) {
            for (int j = 0; j < last; ++j) {
                if (PointKind(*arc, j) == 3 && PointKind(*arc, j + 1) == 2) {
                    p = arc->PtAr[j].x;
                    q = arc->PtAr[j + 1].x;
                    break;
                }
            }
            frame.difL2[2 * k] = KeyLen1;
            frame.difL2[2 * k + 1] = std::fabs(q - p);
        } else {
            frame.difL2[2 * k] = KeyLen1;
            frame.difL2[2 * k + 1] = KeyLen1;
        }
    }

    const EndStations ends = ChainEnds(*this);

    // difL3: the bends of the bent-up and standard inclined bars between the ends and the supports.
    const bool haveBottomLine = PYXTCJpa2.GetSize() > 2;
    const double bottomLine = haveBottomLine ? PYXTCJpa2[2].y : 0.0;
    std::vector<double> bends;
    for (const singAr* bar : frame.Bars) {
        if (!bar) continue;
        const bool bentUp = bar->class_ == 5 && bar->fStwArc == 0;
        if (!bentUp && bar->class_ != 6) continue;
        const int last = bar->PtAr.GetSize() - 1;
        for (int j = 0; j <= last; ++j) {
            const M_XZR& v = bar->PtAr[j];
            if (j == 0 || j == last) {
                // A bent-up bar ending in a welded leg: its free end is a dimension point.
                if (!bentUp || last < 2) continue;
                const int step = j == 0 ? 1 : -1;
                if (PointKind(*bar, j) == 0 && PointKind(*bar, j + step) == 3 && PointKind(*bar, j + 2 * step) == 1)
                    bends.push_back(v.x);
            } else if (v.enPoint == 1 || (v.enPoint == 3 && haveBottomLine && !IsEqual(v.z, bottomLine))) {
                bends.push_back(v.x);
            }
        }
    }
    if (!bends.empty()) {
        bends.push_back(ends.left);
        bends.push_back(ends.right);
        for (const double line : lines) bends.push_back(line);
        // Stations closer than the equality of lengths are one dimension point.
        std::sort(bends.begin(), bends.end());
        bends.erase(std::unique(bends.begin(), bends.end(), [](double l, double r) { return IsEqual(l, r) != 0; }),
                    bends.end());
        frame.difL3 = Differences(bends);
    }

    // difL4: the ends of the top cut-off bars; without any, a beam with sloped ends is dimensioned
    // at its supports.
    std::vector<double> cuts;
    for (const singAr* bar : frame.Bars) {
        if (!bar || bar->class_ != 3) continue;
        for (const M_XZR& v : bar->PtAr) cuts.push_back(v.x);
    }
    if (cuts.empty() && bBpl != 0.0) {
        double c = GetXBCD(1, GetFame_Y(i), 1);
        cuts.push_back(c);
        for (double span : bBz) {
            c += span;
            cuts.push_back(c);
        }
    }
    if (!cuts.empty()) {
        cuts.push_back(ends.left);
        cuts.push_back(ends.right);
        std::sort(cuts.begin(), cuts.end());
        frame.difL4 = Differences(cuts);
    }
}
