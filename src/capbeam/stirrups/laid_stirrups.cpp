// Stirrups: where the stirrups of a designed beam stand, walked again from its stored layout.
#include "capbeam/stirrups/laid_stirrups.h"

#include "calc/key_bound.h"
#include "capbeam/cantilevers_in_design.h"
#include "capbeam/stirrups/layout.h"
#include "common/is_equal.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace CapBeamStirrups {

namespace {

// A length or a station within the key parameters' bounds, either way; a spacing at least theirs.
bool Length(double v) { return key_bound::kPosition.Holds(v); }
bool Spacing(double v) { return key_bound::kSpacing.Holds(v); }
bool Lengths(std::initializer_list<double> values) { return std::all_of(values.begin(), values.end(), Length); }
bool Counts(std::initializer_list<int> counts)
{
    return std::all_of(counts.begin(), counts.end(), [](int n) { return n >= 0; });
}

// What the zone layout leaves, as the design leaves it: a list per zone, no count below zero, every
// length within the key parameters' bounds and every spacing the layout walks at least theirs, so
// that no walk reaches past the numbers it counts in.
bool LaidOut(const Atom& atom, Layout layout, const CDblPointArray& outline)
{
    const auto& sg = atom.sg;
    const int nPier = atom.nPier;
    if (LayoutFault(atom, layout) || OutlineFault(atom, outline)) return false;
    if (IsDensified(layout)) {
        const int zones = layout == Layout::DensifiedSkewed ? nPier + 1 : nPier - 1;
        if (sg.ns.GetSize() < nPier + 1 || sg.as.GetSize() < zones || sg.asType.GetSize() < zones) return false;
        if (!Spacing(sg.s2)) return false;
    }
    if (LaysEndZones(layout) && !Spacing(sg.s3)) return false;
    for (int n : sg.ns)
        if (n < 0) return false;
    for (double v : sg.as)
        if (!Length(v)) return false;
    if (outline.GetSize() > 3 && !(Length(outline[2].x) && Length(outline[3].x))) return false;
    return Spacing(sg.s) && Counts({sg.lns3, sg.rns3, sg.lXBns2, sg.rXBns2, sg.nasl, sg.nasr, sg.nAns}) &&
           Lengths({sg.a, sg.Min, sg.Aas, sg.b, sg.bMid, atom.bBg, atom.bBzl, atom.bBzr, atom.lWg, atom.st.a}) &&
           std::isfinite(std::tan(atom.a));
}

// While one lives, the beam holds its cantilevers as the design's steps read them; then the very
// values it stored.
class CantileversAsDesigned {
public:
    explicit CantileversAsDesigned(Atom& atom) : m_atom(atom), m_left(atom.bBzl), m_right(atom.bBzr)
    {
        const double shift = CantileverShiftInDesign(atom, atom.st.fLayMode);
        atom.bBzl -= shift;
        atom.bBzr += shift;
    }
    ~CantileversAsDesigned() { m_atom.bBzl = m_left, m_atom.bBzr = m_right; }
    CantileversAsDesigned(const CantileversAsDesigned&) = delete;
    CantileversAsDesigned& operator=(const CantileversAsDesigned&) = delete;

private:
    Atom& m_atom;
    const double m_left;
    const double m_right;
};

} // namespace

bool FindLaidStirrups(CPM001T0101Atom& atom, const CDblPointArray& outline, LaidStirrups& laid)
{
    QuietWalks quiet;
    const CantileversAsDesigned asDesigned(atom);
    Plan plan;
    plan.layout = ChooseLayout(atom.sg);
    if (!LaidOut(atom, plan.layout, outline) || PlanEndsFault(atom, outline, plan)) return false;
    ZoneLengths(atom, plan);
    Shares shares;
    double xl = 0.0, xr = 0.0;
    if (!ShareStirrups(atom, plan, shares) || !OuterStations(atom, plan, shares, xl, xr)) return false;
    laid = LaidStirrups{};
    laid.main = {std::min(xl, xr), std::max(xl, xr)};
    const double length = atom.bBg;
    double outer = 0.0, inner = 0.0;
    TaperStations(atom, shares.left, outer, inner);
    laid.taper[0] = {outer, inner};
    TaperStations(atom, shares.right, outer, inner);
    laid.taper[1] = {length - inner, length - outer};
    laid.zone[0] = {shares.left.zoneFirst, shares.left.zoneLast};
    laid.zone[1] = {length - shares.right.zoneLast, length - shares.right.zoneFirst};
    return true;
}

std::vector<OverfullCantilever> FindOverfullCantilevers(CPM001T0101Atom& atom, const CDblPointArray& outline)
{
    const CantileversAsDesigned asDesigned(atom);
    Plan plan;
    plan.layout = ChooseLayout(atom.sg);
    std::vector<OverfullCantilever> found;
    if (plan.layout != Layout::DensifiedSquare || LayoutFault(atom, plan.layout) || OutlineFault(atom, outline) ||
        PlanEndsFault(atom, outline, plan))
        return found;
    const auto& sg = atom.sg;
    for (const BeamEnd end : {BeamEnd::Left, BeamEnd::Right}) {
        const int dense = end == BeamEnd::Left ? sg.lns2[0] : sg.rns2[plan.last];
        if (FirstNormalSpacings(atom, plan, end, dense) >= 0) continue;
        // The count falls as the densified spacings grow: the most that fit, by halving (in a wider
        // type, so that a stored count up to the int limit takes no overflow).
        long long fits = -1, over = dense;
        while (over - fits > 1) {
            const int mid = static_cast<int>(fits + (over - fits) / 2);
            if (FirstNormalSpacings(atom, plan, end, mid) >= 0) fits = mid;
            else over = mid;
        }
        const double d = end == BeamEnd::Left ? plan.dL : plan.dR;
        found.push_back({end, dense, static_cast<int>(fits), CantileverRoom(atom, end), CantileverEnd(atom, plan, end),
                         !KVDataCommon::IsEqual(d, 0.0), sg.s2, sg.s});
    }
    return found;
}

} // namespace CapBeamStirrups
