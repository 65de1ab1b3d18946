// Stirrups: count and legs of the main stirrups of one stirrup group.
#include "capbeam/stirrups/layout.h"

#include "capbeam/stirrups/bar_counts.h"
#include "common/bar_spacing.h"
#include "common/is_equal.h"

#include <algorithm>
#include <cmath>

using CapBeamBarCounts::TruncCount;
using KVDataCommon::IsEqual;

namespace CapBeamStirrups {

namespace {

// A span laid by the spacing search has a rest spacing at either side of its normal spacings; a
// span no longer than one normal spacing is a single gap.
bool HasSecondRest(const CapBeamRecords::SgDataSet& sg, int zone)
{
    return sg.as[zone] > 0.0 && sg.asType[zone] == 2;
}

long long DensifiedSquareCount(const Atom& atom)
{
    const auto& sg = atom.sg;
    const int nPier = atom.nPier;
    long long n = 0;
    for (int j = 0; j <= nPier; ++j) {
        n += sg.ns[j];
        if (j > 0 && j < nPier && HasSecondRest(sg, j - 1)) ++n;
        if (j < nPier) {
            n += static_cast<long long>(sg.lns2[j]) + sg.rns2[j];
            if (j > 0 && sg.as[j - 1] > 0.0) ++n;
        }
    }
    return n + 1;
}

// An end zone is divided with this tolerance: a rest within it leaves no gap before the main stirrups.
constexpr double kZoneTolerance = 1e-5;

// Stirrups of a densified square end zone other than the main group's outermost one: the first at
// the end distance, then one per spacing s3 and per densified spacing. The zone runs from the
// first stirrup to the main group's outermost one; when it leaves no rest, its last spacing ends
// on that stirrup, which the main group already counts.
long long OwnEndZoneStirrups(const EndSide& e)
{
    const long long spacings = static_cast<long long>(e.ns3) + e.nXB;
    return e.zoneRest > kZoneTolerance ? spacings + 1 : spacings;
}

// Stirrups of one end that the taper record holds (none when the beam has no taper record).
bool TaperHeld(const Atom& atom, const Plan& plan, const EndSide& e, long long& n)
{
    n = 0;
    if (!HasTaperRecords(plan)) return true;
    int count = 0;
    if (!TaperCount(atom, plan, e, count)) return false;
    n = count;
    return true;
}

// Distance from its beam end of stirrup k (counted from 0 at the end) of a densified square end:
// the end zone's own stirrups (spacings s3, then densified spacings), then the main group's from
// its outermost one inwards (normal spacings, then densified spacings).
double DensifiedSquareStation(const Atom& atom, const EndSide& e, long long k)
{
    const auto& sg = atom.sg;
    const long long own = OwnEndZoneStirrups(e);
    if (k < own) {
        const long long byS3 = std::min<long long>(k, e.ns3);
        return sg.a + byS3 * sg.s3 + (k - byS3) * sg.s2;
    }
    k -= own;
    const double outermost = e.cantilever - e.dense * sg.s2 - e.normal * sg.s;
    const long long normal = std::min<long long>(k, e.normal);
    return outermost + normal * sg.s + (k - normal) * sg.s2;
}

// Spacings of an end rest laid like the end zones of the skewed layout.
long long EndRestSpacings(const Atom& atom, double L)
{
    int k = 0, m = 0;
    double rest = 0.0;
    KVDataCommon::BJ3(L, atom.sg.Min, atom.sg.s, k, rest, m);
    return static_cast<long long>(k) + m;
}

// Densified spacings that stand on the cantilever beyond its tapered part, when the densified zone
// reaches into the tapered part; else the zone's own count.
int DenseBeyondTaper(const Atom& atom, const EndSide& e, int dense)
{
    if (e.cantilever - e.d < dense * atom.sg.s2) return TruncCount((e.cantilever - e.d) / atom.sg.s2);
    return dense;
}

// Normal stirrups of a cantilever beyond its tapered part.
long long NormalBeyondTaper(const Atom& atom, const EndSide& e)
{
    const auto& sg = atom.sg;
    const bool tested = atom.nPier == 1 || (atom.nPier > 1 && e.denseEntries > 1);
    if (tested && e.cantilever - e.d < e.dense * sg.s2) return 0;
    const int k = TruncCount((e.d - sg.a - e.nas * e.rest) / sg.s);
    return k > 0 ? static_cast<long long>(e.normal) - k - 1 : 0;
}

long long DensifiedSkewedCount(const Atom& atom, const Plan& plan)
{
    const auto& sg = atom.sg;
    const int nPier = atom.nPier;
    const int last = plan.last;
    const EndSide left = LeftEnd(atom, plan);
    const EndSide right = RightEnd(atom, plan);
    long long n = 0;
    for (int j = 0; j < nPier; ++j) {
        n += j == 0 ? DenseBeyondTaper(atom, left, sg.lns2[0]) : sg.lns2[j];
        if (j == 0 && plan.squareL) n += EndRestSpacings(atom, atom.bBzl - sg.lns2[0] * sg.s2 - sg.a);
        if (sg.lns2[j] == 0) ++n;
        n += j == last ? DenseBeyondTaper(atom, right, sg.rns2[last]) : sg.rns2[j];
        if (j == last && plan.squareR) n += EndRestSpacings(atom, atom.bBzr - sg.rns2[last] * sg.s2 - sg.a);
        if (nPier > 1 && sg.as[j + 1] > 0.0 && sg.rns2[j] > 0) ++n;
        if (j < last) {
            n += sg.ns[j + 1];
            if (HasSecondRest(sg, j + 1)) ++n;
        }
    }
    if (nPier == 1) ++n;

    if (!IsEqual(plan.dL, 0.0) && !IsEqual(plan.dR, 0.0)) {
        n += NormalBeyondTaper(atom, left) + NormalBeyondTaper(atom, right);
    } else {
        n += static_cast<long long>(sg.ns[0]) + sg.nasl + sg.ns[nPier] + sg.nasr;
        if (sg.ns[0] == 0 && sg.nasl == 0 && sg.ns[nPier] == 0 && sg.nasr == 0) ++n;
    }
    return n;
}

long long UniformCount(const Atom& atom, const Plan& plan)
{
    const auto& sg = atom.sg;
    const bool skewed = plan.layout == Layout::UniformSkewed;
    const long long nAns = sg.nAns;
    if (!skewed) return nAns + 1;
    if (IsEqual(plan.dL, 0.0) || IsEqual(plan.dR, 0.0)) return nAns + 3;
    long long n = nAns - 1 - TruncCount((plan.dL - sg.a - sg.Aas) / sg.s) - TruncCount((plan.dR - sg.a - sg.Aas) / sg.s);
    if (plan.squareL) n += 2;
    if (plan.squareR) n += 2;
    return n;
}

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

// Stations of the outermost full-height stirrups at the two ends.
bool OuterStations(const Atom& atom, const Plan& plan, double& xl, double& xr)
{
    const auto& sg = atom.sg;
    const bool squareLeft = IsEqual(plan.dL, 0.0);
    const bool squareRight = IsEqual(plan.dR, 0.0);
    xl = sg.a;
    xr = atom.bBg - sg.a;
    double pl = 0.0, pr = 0.0;
    switch (plan.layout) {
    case Layout::DensifiedSquare: {
        xl = atom.bBzl - sg.lns2[0] * sg.s2 - sg.ns[0] * sg.s;
        xr = atom.bBg - atom.bBzr + sg.rns2[plan.last] * sg.s2 + sg.ns[atom.nPier] * sg.s;
        if (!EndZonesJoinMain(atom, plan)) return true;
        // The main group holds every stirrup of an end beyond those on the tapered part: its
        // outermost one is the first stirrup after them.
        const EndSide left = LeftEnd(atom, plan);
        const EndSide right = RightEnd(atom, plan);
        long long heldL = 0, heldR = 0;
        if (!TaperHeld(atom, plan, left, heldL) || !TaperHeld(atom, plan, right, heldR)) return false;
        xl = DensifiedSquareStation(atom, left, heldL);
        xr = atom.bBg - DensifiedSquareStation(atom, right, heldR);
        return true;
    }
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
    case Layout::UniformSquare:
        if (squareLeft || squareRight) return true;
        pl = plan.dL + sg.bMid;
        pr = plan.dR + sg.bMid;
        break;
    }
    xl = pl;
    xr = atom.bBg - pr;
    return true;
}

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
             (!HasSecondRest(sg, zone) || walk.Steps(1, rest)) && walk.Steps(sg.lns2[j + 1], sg.s2);
    }
    x1 = walk.Before();
    x2 = walk.After();
    return ok;
}

} // namespace

bool MainCount(const Atom& atom, const Plan& plan, long long& n)
{
    switch (plan.layout) {
    case Layout::DensifiedSquare: {
        n = DensifiedSquareCount(atom);
        if (!EndZonesJoinMain(atom, plan)) return true;
        // Every stirrup stands in one record: an end zone's own stirrups that are not on the
        // tapered part join the main stirrups; where the taper record reaches past the end zone
        // (a densified zone running onto the tapered part), its stirrups leave them.
        for (const EndSide& e : {LeftEnd(atom, plan), RightEnd(atom, plan)}) {
            long long held = 0;
            if (!TaperHeld(atom, plan, e, held)) return false;
            n += OwnEndZoneStirrups(e) - held;
        }
        return true;
    }
    case Layout::DensifiedSkewed: n = DensifiedSkewedCount(atom, plan); return true;
    default: n = UniformCount(atom, plan); return true;
    }
}

int MainLegs(const Atom& atom, const Plan& plan, double& L1, double& L1p)
{
    double xl = 0.0, xr = 0.0;
    if (!OuterStations(atom, plan, xl, xr)) return 0;
    L1 = std::min(NetHeight(atom, xl), NetHeight(atom, xr)) + plan.W;
    if (plan.layout == Layout::DensifiedSkewed) {
        // At a square end the outermost stirrup stands at the end distance and its height decides.
        if (plan.squareL) L1 = NetHeight(atom, xl) + plan.W;
        if (plan.squareR) L1 = NetHeight(atom, xr) + plan.W;
    }

    if (IsEqual(atom.iLb, -atom.iRb)) {
        L1p = NetHeight(atom, atom.bAc) + plan.W;
        return 1;
    }
    double x1 = 0.0, x2 = 0.0;
    if (!CrownStations(atom, plan, x1, x2)) return 0;
    L1p = std::max(NetHeight(atom, x1), NetHeight(atom, x2)) + plan.W;
    return 1;
}

} // namespace CapBeamStirrups
