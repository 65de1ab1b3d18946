// Stirrups: the stirrups under the tapered cantilever bottoms and those along the skewed beam ends.
#include "capbeam/stirrups/layout.h"

#include "capbeam/stirrups/bar_counts.h"
#include "common/is_equal.h"
#include "geometry/line_intersection.h"
#include "host/report.h"

#include <algorithm>
#include <cmath>
#include <limits>

using CapBeamBarCounts::TruncCount;
using KVDataCommon::IsEqual;

namespace CapBeamStirrups {

namespace {

constexpr int kUnbounded = std::numeric_limits<int>::max();

// Stirrups standing on one tapered part.
long long TaperStirrups(const Atom& atom, const Plan& plan, const EndSide& e, bool& ok)
{
    const auto& sg = atom.sg;
    ok = true;
    if (e.square) return 0;
    switch (plan.layout) {
    case Layout::DensifiedSquare: {
        if (e.normal > 0) return TruncCount((e.d - sg.a) / sg.s3) + 1LL;
        if (!(e.d > 2.0 * atom.hHgl)) return TruncCount((e.d - sg.a) / sg.s2) + 1LL;
        // End-zone spacings s3, then the densified spacings s2 that stay on the tapered part.
        long long n = TruncCount((e.zone - atom.hHgl - sg.a) / sg.s3) + 1LL;
        double p = (n - 1) * sg.s3 + sg.a;
        for (int k = 0; p + sg.s2 < e.d; ++k) {
            if (k >= kMaxSteps) {
                ReportTooManySteps();
                ok = false;
                return 0;
            }
            ++n;
            p += sg.s2;
        }
        return n;
    }
    case Layout::UniformSquare:
        return TruncCount((e.d - sg.a) / sg.s3) + 1LL;
    case Layout::DensifiedSkewed: {
        const bool listed = (atom.nPier == 1 && e.denseEntries > 0) || (atom.nPier > 1 && e.denseEntries > 1);
        if (listed && e.cantilever - e.d < e.dense * sg.s2)
            return static_cast<long long>(e.dense) - TruncCount((e.cantilever - e.d) / sg.s2) + e.normal + e.nas;
        return TruncCount((e.d - sg.a - e.nas * e.rest) / sg.s) + static_cast<long long>(e.nas) + 1;
    }
    case Layout::UniformSkewed:
        return TruncCount((e.d - sg.a - sg.Aas) / sg.s) + 2LL;
    }
    return 0;
}

// Distance from its beam end of the last stirrup on a tapered part.
bool TaperInner(const Atom& atom, const Plan& plan, const EndSide& e, int n, double& p)
{
    const auto& sg = atom.sg;
    switch (plan.layout) {
    case Layout::DensifiedSquare: {
        p = sg.a;
        if (e.normal > 0) return MoveWithin(p, sg.s3, kUnbounded, e.d) >= 0;
        if (!(e.d > 2.0 * atom.hHgl)) return MoveWithin(p, sg.s2, kUnbounded, e.d) >= 0;
        const int endSpacings = TruncCount((e.zone - atom.hHgl - sg.a) / sg.s3);
        const int taken = MoveWithin(p, sg.s3, endSpacings, e.d);
        if (taken < 0) return false;
        // The densified spacings follow only where the end zone's spacings all stand on the tapered part.
        if (taken >= endSpacings) return MoveWithin(p, sg.s2, kUnbounded, e.d) >= 0;
        return true;
    }
    case Layout::UniformSquare:
        p = sg.a + (n - 1) * sg.s3;
        return true;
    default: {
        double x0 = plan.layout == Layout::DensifiedSkewed ? sg.a + e.nas * e.rest
                                                           : (e.square ? sg.a : sg.a + sg.Aas);
        if (e.denseEntries > 1 && e.cantilever - e.d < e.dense * sg.s2)
            x0 = e.cantilever - std::trunc((e.cantilever - e.d) / sg.s2 + 1.0) * sg.s2;
        p = x0 + std::trunc((e.d - x0) / sg.s) * sg.s;
        return true;
    }
    }
}

// Height of the beam at station x above the sloped lower edge from outline point edge to edge + 1
// (1: the left slope, 3: the right one), probed with a vertical line; a station past the slope's
// foot stands on the level bottom. false when the line misses the edge.
bool HeightOverEdge(const Atom& atom, double x, int edge, double& h)
{
    const CDblPoint& foot = atom.PYXTCJpa1[edge == 1 ? 2 : 3];
    if (edge == 1 ? x > foot.x : x < foot.x) {
        h = atom.GetFame_XZ(x) - foot.y;
        return true;
    }
    const CDblPoint low(x, -10000.0), high(x, 0.0);
    CDblPointArray hit;
    XLineLine(low, high, atom.PYXTCJpa1[edge], atom.PYXTCJpa1[edge + 1], hit, 3);
    if (hit.GetSize() == 0) return false;
    h = atom.GetFame_XZ(x) - hit[0].y;
    return true;
}

bool ReportProbeMiss(const char* message)
{
    QMReportError(message, 0);
    return false;
}

// Distance from its end of the first stirrup along a skewed end beyond a tapered part of a densified
// layout: spacings s3 over the stirrups of the tapered part, then densified spacings.
bool FirstBeyondTaper(const Atom& atom, double d, int taperCount, double& p)
{
    const auto& sg = atom.sg;
    p = sg.a;
    return MoveBeyond(p, sg.s3, taperCount - 1, d) && MoveBeyond(p, sg.s2, kUnbounded, d);
}

// Legs of the skewed-end stirrups: the lowest and the highest net height among the stirrups the
// record holds, the first and the last beyond each tapered part (the top is straight over an end
// zone). false when the record holds none.
bool ZoneLegs(const Atom& atom, const Shares& shares, double& low, double& high)
{
    bool any = false;
    low = high = 0.0;
    auto take = [&](const EndShare& end, auto station) {
        if (end.zone <= 0) return;
        const double first = NetHeight(atom, station(end.zoneFirst));
        const double last = NetHeight(atom, station(end.zoneLast));
        low = any ? std::min({low, first, last}) : std::min(first, last);
        high = any ? std::max({high, first, last}) : std::max(first, last);
        any = true;
    };
    take(shares.left, [](double p) { return p; });
    take(shares.right, [&](double p) { return atom.bBg - p; });
    return any;
}

} // namespace

bool TaperCount(const Atom& atom, const Plan& plan, const EndSide& e, int& n)
{
    bool ok = true;
    const long long count = TaperStirrups(atom, plan, e, ok);
    return ok && StoreCount(count, n);
}

int FillTaperRecord(const Atom& atom, const Plan& plan, const Shares& shares, const CapBeamRecords::M_sg1& main,
                    CapBeamRecords::M_sg2& record)
{
    const auto& sg = atom.sg;
    const EndSide left = LeftEnd(atom, plan);
    const EndSide right = RightEnd(atom, plan);
    // The record holds the stirrups the shares gave it: in the layouts with end zones every stirrup
    // standing on a tapered part, main-group stirrups included; along the skew the layout's count,
    // 0 where the tapered part lays none.
    if (!StoreCount(shares.left.taper, record.nl) || !StoreCount(shares.right.taper, record.nr)) return 0;
    if (!StoreCount(static_cast<long long>(record.nl) + record.nr, record.n)) return 0;

    // Outermost stirrups, at the end distance from each end.
    double hl = 0.0, hr = 0.0;
    if (!HeightOverEdge(atom, sg.a, 1, hl)) return ReportProbeMiss("错误2006090101");
    if (!HeightOverEdge(atom, atom.bBg - sg.a, 3, hr)) return ReportProbeMiss("错误2006090102");
    record.L1 = std::min(hl, hr) + plan.W;
    if (plan.squareL) record.L1 = hr + plan.W;
    if (plan.squareR) record.L1 = hl + plan.W;

    // Innermost stirrups of the two tapered parts: in the layouts with end zones the last of the
    // stirrups the record holds.
    double pl = 0.0, pr = 0.0;
    if (!TaperInner(atom, plan, left, record.nl, pl) || !TaperInner(atom, plan, right, record.nr, pr)) return 0;
    if (LaysEndZones(plan.layout)) {
        if (shares.left.taper > 0) pl = shares.left.taperInner;
        if (shares.right.taper > 0) pr = shares.right.taperInner;
    }
    const bool square = IsSquare(plan.layout);
    double hli = 0.0, hri = 0.0;
    if (!HeightOverEdge(atom, pl, 1, hli)) return ReportProbeMiss(square ? "错误2006090103" : "错误2006090105");
    if (!HeightOverEdge(atom, atom.bBg - pr, 3, hri)) return ReportProbeMiss(square ? "错误2006090104" : "错误2006090106");
    record.L1p = std::max(hli, hri) + plan.W;
    if (plan.squareL) record.L1p = hri + plan.W;
    if (plan.squareR) record.L1p = hli + plan.W;

    record.L2 = main.L2;
    record.TL = StirrupCutLength(atom, record.L1, record.L1p, record.L2);
    return 1;
}

int FillSkewEndRecord(const Atom& atom, const Plan& plan, const Shares& shares, const CapBeamRecords::M_sg1& main,
                      const CapBeamRecords::M_sg2* taper, CapBeamRecords::M_sg3& record)
{
    const auto& sg = atom.sg;
    const EndSide left = LeftEnd(atom, plan);
    const EndSide right = RightEnd(atom, plan);
    const int taperLeft = taper ? taper->nl : 0;
    const int taperRight = taper ? taper->nr : 0;
    const bool densified = IsDensified(plan.layout);
    // The end-zone stirrups that neither the taper record holds nor a main stirrup stands on.
    const long long nl = shares.left.zone;
    const long long nr = shares.right.zone;
    if (!StoreCount(nl, record.nl) || !StoreCount(nr, record.nr)) return 0;
    if (!StoreCount(nl + nr, record.n)) return 0;

    double low = 0.0, high = 0.0;
    if (IsEqual(atom.iLb, -atom.iRb)) {
        record.L1 = atom.hHgl - atom.st.ua - atom.st.da + plan.W;
        record.L1p = record.L1;
    } else if (ZoneLegs(atom, shares, low, high)) {
        record.L1 = low + plan.W;
        record.L1p = high + plan.W;
    } else {
        // First stirrups along the skewed ends beyond the tapered parts (distances from each end).
        double pl = sg.a, pr = sg.a;
        auto byEndSpacing = [&](double d) { return (std::trunc((d - sg.a) / sg.s3) + 1.0) * sg.s3 + sg.a; };
        if (plan.dL > 0.0) {
            if (!densified || sg.ns[0] > 0) {
                pl = byEndSpacing(plan.dL);
                pr = byEndSpacing(plan.dR);
            } else if (plan.dL > 2.0 * atom.hHgl) {
                if (!FirstBeyondTaper(atom, plan.dL, taperLeft, pl)) return 0;
                if (!FirstBeyondTaper(atom, plan.dR, taperRight, pr)) return 0;
            }
        }
        if (plan.squareL) pl = sg.a;
        if (plan.squareR) pr = sg.a;
        record.L1 = std::min(NetHeight(atom, pl), NetHeight(atom, atom.bBg - pr)) + plan.W;

        // Last stirrups of the two end zones.
        const double ql = densified ? left.ns3 * sg.s3 + sg.a + left.nXB * sg.s2 : sg.a + left.ns3 * sg.s3;
        const double qr = densified ? right.ns3 * sg.s3 + sg.a + right.nXB * sg.s2 : sg.a + right.ns3 * sg.s3;
        record.L1p = std::max(NetHeight(atom, ql), NetHeight(atom, atom.bBg - qr)) + plan.W;
    }

    record.L2 = main.L2 / std::cos(atom.a);
    record.TL = StirrupCutLength(atom, record.L1, record.L1p, record.L2);
    return 1;
}

} // namespace CapBeamStirrups
