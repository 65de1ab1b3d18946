// Stirrups: count and legs of the main stirrups of one stirrup group.
#include "capbeam/stirrups/layout.h"

#include "common/is_equal.h"

#include <algorithm>
#include <cmath>

using KVDataCommon::IsEqual;

namespace CapBeamStirrups {

namespace {

// Spacings of span gap zone: a span laid by the spacing search has a rest spacing at either side of
// its normal spacings, also when it has none of them; a span no longer than one normal spacing is a
// single gap, and a gap of no length (densified zones that meet) is no spacing.
long long SpanRests(const CapBeamRecords::SgDataSet& sg, int zone)
{
    if (!(sg.as[zone] > 0.0)) return 0;
    return sg.asType[zone] == 2 ? 2 : 1;
}

} // namespace

long long MainGroupStirrups(const Atom& atom, const Plan& plan)
{
    const auto& sg = atom.sg;
    const int nPier = atom.nPier;
    switch (plan.layout) {
    case Layout::UniformSquare:
        // Between the skewed ends: one stirrup more than spacings.
        return static_cast<long long>(sg.nAns) + 1;
    case Layout::UniformSkewed:
        // The stirrups at the end distance from either end, the first at a further end offset
        // from each of them and the spacings between.
        return static_cast<long long>(sg.nAns) + 3;
    default:
        break;
    }
    const bool skewed = plan.layout == Layout::DensifiedSkewed;
    // One stirrup more than spacings: the cantilevers' normal ones, the densified zones, the spans.
    long long n = 1 + static_cast<long long>(sg.ns[0]) + sg.ns[nPier];
    for (int j = 0; j < nPier; ++j) n += static_cast<long long>(sg.lns2[j]) + sg.rns2[j];
    for (int i = 0; i + 1 < nPier; ++i) n += sg.ns[i + 1] + SpanRests(sg, skewed ? i + 1 : i);
    // The skewed layout runs on to the end distance at both ends, through the end-rest spacings.
    if (skewed) n += static_cast<long long>(sg.nasl) + sg.nasr;
    return n;
}

namespace {

// Distance from its beam end of the outermost full-height stirrup of a tapered end (skewed densified layout).
bool OuterFullHeightSkewed(const Atom& atom, const EndSide& e, double& p)
{
    const auto& sg = atom.sg;
    if (e.cantilever - e.d < e.dense * sg.s2) {
        p = e.cantilever - std::trunc((e.cantilever - e.d) / sg.s2) * sg.s2;
    } else {
        p = sg.a + e.nas * e.rest;
        if (!MoveBeyond(p, sg.s, e.normal, e.d)) return false;
    }
    if (e.square) p = sg.a;
    return true;
}

// The same in the uniform skewed layout.
bool OuterFullHeightUniform(const Atom& atom, const EndSide& e, double& p)
{
    const auto& sg = atom.sg;
    if (e.square) {
        p = sg.a;
        return true;
    }
    p = sg.a + sg.Aas;
    return MoveBeyond(p, sg.s, sg.nAns, e.d);
}

} // namespace

// The outermost full-height stirrups.
bool OuterStations(const Atom& atom, const Plan& plan, const Shares& shares, double& xl, double& xr)
{
    const auto& sg = atom.sg;
    const bool squareLeft = IsEqual(plan.dL, 0.0);
    const bool squareRight = IsEqual(plan.dR, 0.0);
    xl = sg.a;
    xr = atom.bBg - sg.a;
    double pl = 0.0, pr = 0.0;
    switch (plan.layout) {
    case Layout::DensifiedSquare:
    case Layout::UniformSquare:
        // The main record's outermost stirrups: the first ones that neither the taper record nor
        // the skewed-end record holds.
        xl = shares.left.mainOuter;
        xr = atom.bBg - shares.right.mainOuter;
        return true;
    case Layout::DensifiedSkewed:
        if (squareLeft && squareRight) return true;
        if (!OuterFullHeightSkewed(atom, LeftEnd(atom, plan), pl)) return false;
        if (!OuterFullHeightSkewed(atom, RightEnd(atom, plan), pr)) return false;
        break;
    case Layout::UniformSkewed:
        if (squareLeft || squareRight) return true;
        if (!OuterFullHeightUniform(atom, LeftEnd(atom, plan), pl)) return false;
        if (!OuterFullHeightUniform(atom, RightEnd(atom, plan), pr)) return false;
        break;
    }
    xl = pl;
    xr = atom.bBg - pr;
    return true;
}

namespace {

// The two consecutive stirrups that enclose the crown.
bool CrownStations(const Atom& atom, const Plan& plan, double& x1, double& x2)
{
    const auto& sg = atom.sg;
    const int nPier = atom.nPier;
    const int last = plan.last;
    const double crown = atom.bAc;
    const bool skewed = plan.layout == Layout::DensifiedSkewed;
    bool ok = true;

    if (!IsDensified(plan.layout)) {
        const double x0 = plan.layout == Layout::UniformSkewed ? sg.a + sg.Aas : plan.dL + sg.bMid;
        CrownWalk walk(x0, crown, true);
        ok = walk.Steps(sg.nAns, sg.s);
        x1 = walk.Before();
        x2 = walk.After();
        return ok;
    }

    if (crown <= atom.bBzl) {
        // Crown over the left cantilever.
        CrownWalk walk(skewed ? sg.a : atom.bBzl, crown, skewed);
        if (skewed) ok = walk.Steps(sg.nasl, sg.as[0]) && walk.Steps(sg.ns[0], sg.s) && walk.Steps(sg.lns2[0], sg.s2);
        else ok = walk.Steps(sg.lns2[0], sg.s2) && walk.Steps(sg.ns[0], sg.s);
        x1 = walk.Before();
        x2 = walk.After();
        return ok;
    }
    if (crown >= atom.bBg - atom.bBzr) {
        // Crown over the right cantilever.
        CrownWalk walk(skewed ? atom.bBg - sg.a : atom.bBg - atom.bBzr, crown, !skewed);
        if (skewed)
            ok = walk.Steps(sg.nasr, sg.as[nPier]) && walk.Steps(sg.ns[nPier], sg.s) &&
                 walk.Steps(sg.rns2[last], sg.s2);
        else ok = walk.Steps(sg.rns2[last], sg.s2) && walk.Steps(sg.ns[nPier], sg.s);
        x1 = walk.Before();
        x2 = walk.After();
        return ok;
    }

    // Crown inside a span: from the first support line to the right, span by span.
    CrownWalk walk(atom.bBzl, crown, true);
    for (int j = 0; j < last && ok && !walk.Reached(); ++j) {
        const int zone = skewed ? j + 1 : j;
        const double rest = sg.as[zone];
        ok = walk.Steps(sg.rns2[j], sg.s2) && walk.Steps(1, rest) && walk.Steps(sg.ns[j + 1], sg.s) &&
             (SpanRests(sg, zone) < 2 || walk.Steps(1, rest)) && walk.Steps(sg.lns2[j + 1], sg.s2);
    }
    x1 = walk.Before();
    x2 = walk.After();
    return ok;
}

} // namespace

int MainLegs(const Atom& atom, const Plan& plan, const Shares& shares, double& L1, double& L1p)
{
    double xl = 0.0, xr = 0.0;
    if (!OuterStations(atom, plan, shares, xl, xr)) return 0;
    double hl = 0.0, hr = 0.0;
    if (!BarsHeight(atom, plan, xl, hl) || !BarsHeight(atom, plan, xr, hr)) return 0;
    L1 = std::min(hl, hr) + plan.W;
    if (plan.layout == Layout::DensifiedSkewed) {
        // At a square end the outermost stirrup stands at the end distance and its height decides.
        if (plan.squareL) L1 = hl + plan.W;
        if (plan.squareR) L1 = hr + plan.W;
    }

    if (IsEqual(atom.iLb, -atom.iRb)) {
        L1p = NetHeight(atom, atom.bAc) + plan.W;
        return 1;
    }
    // The two stirrups around the crown, among the record's own: a crown over a tapered part or an
    // end zone lies beyond the main stirrups, and the one nearest to it stands for both.
    double x1 = 0.0, x2 = 0.0;
    if (!CrownStations(atom, plan, x1, x2)) return 0;
    const double lo = std::min(xl, xr), hi = std::max(xl, xr);
    double h1 = 0.0, h2 = 0.0;
    if (!BarsHeight(atom, plan, std::clamp(x1, lo, hi), h1) || !BarsHeight(atom, plan, std::clamp(x2, lo, hi), h2))
        return 0;
    L1p = std::max(h1, h2) + plan.W;
    return 1;
}

} // namespace CapBeamStirrups
