// Stirrups: the stirrups under the tapered cantilever bottoms and those along the skewed beam ends.
#include "capbeam/stirrups/layout.h"

#include "capbeam/stirrups/bar_counts.h"
#include "common/is_equal.h"
#include "geometry/line_intersection.h"
#include "host/report.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
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

// The lowest and the highest height between the bars at the stations given (distances from the
// left end). false after a reported error.
bool LowAndHigh(const Atom& atom, const Plan& plan, std::initializer_list<double> stations, double& low, double& high)
{
    low = INFINITY;
    high = -INFINITY;
    for (const double x : stations) {
        double h = 0.0;
        if (!BarsHeight(atom, plan, x, h)) return false;
        low = std::min(low, h);
        high = std::max(high, h);
    }
    return true;
}

// Legs of the skewed-end stirrups: the lowest and the highest height among the stirrups the record
// holds, the first and the last beyond each tapered part (the top is straight over an end zone).
// any: the record holds some. false after a reported error.
bool ZoneLegs(const Atom& atom, const Plan& plan, const Shares& shares, double& low, double& high, bool& any)
{
    any = false;
    low = INFINITY;
    high = -INFINITY;
    auto take = [&](const EndShare& end, auto station) {
        if (end.zone <= 0) return true;
        double l = 0.0, h = 0.0;
        if (!LowAndHigh(atom, plan, {station(end.zoneFirst), station(end.zoneLast)}, l, h)) return false;
        low = std::min(low, l);
        high = std::max(high, h);
        any = true;
        return true;
    };
    return take(shares.left, [](double p) { return p; }) && take(shares.right, [&](double p) { return atom.bBg - p; });
}

} // namespace

bool BarsHeight(const Atom& atom, const Plan& plan, double x, double& h)
{
    const bool outline = HasTaperRecords(plan) && atom.PYXTCJpa1.GetSize() >= 6;
    if (outline && !plan.squareL && x < atom.PYXTCJpa1[2].x)
        return HeightOverEdge(atom, x, 1, h) || ReportProbeMiss("错误2006090101");
    if (outline && !plan.squareR && x > atom.PYXTCJpa1[3].x)
        return HeightOverEdge(atom, x, 3, h) || ReportProbeMiss("错误2006090102");
    h = NetHeight(atom, x);
    return true;
}

void TaperStations(const Atom& atom, const EndShare& share, double& outer, double& inner)
{
    // The record holds the first stirrups of the end in order of their stations, as the shares
    // found them in every layout: the outermost need not stand at the end distance, where a
    // support line's densified zone reaches onto the tapered part past it. The innermost is never
    // nearer the end than the outermost (a part that holds the stirrup at the end distance alone).
    const bool held = share.taper > 0;
    outer = held ? share.taperOuter : atom.sg.a;
    inner = held ? std::max(share.taperInner, outer) : outer;
}

bool TaperCount(const Atom& atom, const Plan& plan, const EndSide& e, int& n)
{
    bool ok = true;
    const long long count = TaperStirrups(atom, plan, e, ok);
    return ok && StoreCount(count, n);
}

int FillTaperRecord(const Atom& atom, const Plan& plan, const Shares& shares, const CapBeamRecords::M_sg1& main,
                    CapBeamRecords::M_sg2& record)
{
    // The record holds the stirrups the shares gave it: in the layouts with end zones every stirrup
    // standing on a tapered part, main-group stirrups included; along the skew the layout's count,
    // 0 where the tapered part lays none.
    if (!StoreCount(shares.left.taper, record.nl) || !StoreCount(shares.right.taper, record.nr)) return 0;
    if (!StoreCount(static_cast<long long>(record.nl) + record.nr, record.n)) return 0;

    // The legs are taken at the ends whose tapered part lays stirrups. A record that lays none is
    // no steel: it gives the legs of stirrups at the end distance from its tapered ends, which fit.
    const bool laid = record.nl > 0 || record.nr > 0;
    const bool atLeft = laid ? record.nl > 0 : !plan.squareL || plan.squareR;
    const bool atRight = laid ? record.nr > 0 : !plan.squareR || plan.squareL;
    double outerL = 0.0, innerL = 0.0, outerR = 0.0, innerR = 0.0;
    TaperStations(atom, shares.left, outerL, innerL);
    TaperStations(atom, shares.right, outerR, innerR);

    // The lowest and the highest of them: the outermost stirrups and the innermost ones.
    double low = INFINITY, high = -INFINITY;
    auto take = [&low, &high](double h) {
        low = std::min(low, h);
        high = std::max(high, h);
    };
    double h = 0.0;
    if (atLeft) {
        if (!HeightOverEdge(atom, outerL, 1, h)) return ReportProbeMiss("错误2006090101");
        take(h);
    }
    if (atRight) {
        if (!HeightOverEdge(atom, atom.bBg - outerR, 3, h)) return ReportProbeMiss("错误2006090102");
        take(h);
    }
    if (laid) {
        const bool square = IsSquare(plan.layout);
        if (atLeft) {
            if (!HeightOverEdge(atom, innerL, 1, h)) return ReportProbeMiss(square ? "错误2006090103" : "错误2006090105");
            take(h);
        }
        if (atRight) {
            if (!HeightOverEdge(atom, atom.bBg - innerR, 3, h))
                return ReportProbeMiss(square ? "错误2006090104" : "错误2006090106");
            take(h);
        }
    }
    record.L1 = low + plan.W;
    record.L1p = high + plan.W;

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
    bool any = false;
    const bool level = IsEqual(atom.iLb, -atom.iRb);
    if (!level && !ZoneLegs(atom, plan, shares, low, high, any)) return 0;
    if (level) {
        record.L1 = atom.hHgl - atom.st.ua - atom.st.da + plan.W;
        record.L1p = record.L1;
    } else if (any) {
        record.L1 = low + plan.W;
        record.L1p = high + plan.W;
    } else {
        // A record that holds no stirrup is no steel: its legs are the heights at the stations its
        // stirrups would take, over the section there, so that they fit.
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
        if (!LowAndHigh(atom, plan, {pl, atom.bBg - pr}, low, high)) return 0;
        record.L1 = low + plan.W;

        // Last stirrups of the two end zones.
        const double ql = densified ? left.ns3 * sg.s3 + sg.a + left.nXB * sg.s2 : sg.a + left.ns3 * sg.s3;
        const double qr = densified ? right.ns3 * sg.s3 + sg.a + right.nXB * sg.s2 : sg.a + right.ns3 * sg.s3;
        if (!LowAndHigh(atom, plan, {ql, atom.bBg - qr}, low, high)) return 0;
        record.L1p = high + plan.W;
    }

    record.L2 = main.L2 / std::cos(atom.a);
    record.TL = StirrupCutLength(atom, record.L1, record.L1p, record.L2);
    return 1;
}

} // namespace CapBeamStirrups
