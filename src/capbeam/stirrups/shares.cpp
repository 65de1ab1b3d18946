// Stirrups: which record — taper, skewed end or main — holds each stirrup laid at a beam end.
#include "capbeam/stirrups/layout.h"

#include "common/is_equal.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace CapBeamStirrups {

namespace {

// Two stations closer than this are one stirrup position (the end zones are divided with it).
constexpr double kSameStation = 1e-5;

// Stirrup stations laid from a beam end, as distances from it: the first, then runs of spacings,
// each of one length, in order, then the onward spacing.
class SpacedStations {
public:
    struct Run {
        long long count;
        double spacing;
    };

    SpacedStations(double first, std::initializer_list<Run> runs, double onward)
        : m_first(first), m_runs(runs), m_onward(onward)
    {
    }

    // Station of the k-th stirrup from the first (k from 0).
    double At(long long k) const
    {
        double p = m_first;
        for (const Run& run : m_runs) {
            const long long steps = std::min(k, std::max(run.count, 0LL));
            p += steps * run.spacing;
            k -= steps;
        }
        return p + k * m_onward;
    }

private:
    double m_first;
    std::vector<Run> m_runs;
    double m_onward;
};

// The main group's stirrups at one end, as distances from that end: the outermost, then normal
// spacings, then spacings `after` (the support line's densified zone, or more of the uniform spacing).
struct MainRun {
    double outer = 0.0;
    long long normal = 0;
    double after = 0.0;
};

// The stirrup stations of one end of a layout with stirrups square to the axis, as distances from
// that end on the beam's axis: the end zone laid from the end (the first at the end distance, then
// `spacings` spacings s3, then `dense` densified spacings) and the main group
// laid from its outermost stirrup inwards.
// On a skewed beam the zone's stirrups run along the skewed end and the main ones square to the
// axis: a main stirrup lies within reach = tan|a| x (half the skeleton's width) of its station
// from the end, so a zone stirrup a distance d from it on the axis is at most d + reach away from
// it anywhere across the skeleton's width. A zone stirrup that stays closer to a main stirrup than
// the layout's smallest spacing sg_Min across that whole width is no stirrup position of its own:
// it is that main stirrup, whether the two cross or not; a main stirrup is one zone stirrup at
// most, the nearest. On a square beam that is a zone stirrup less than sg_Min from a main one; the
// skew widens the distance by the reach, so a growing skew parts such stirrups rather than joining
// them.
class EndStations {
public:
    EndStations(const Atom& atom, const MainRun& main, long long spacings, long long dense)
        : m_sg(atom.sg), m_main(main), m_mainStations(main.outer, {{main.normal, atom.sg.s}}, main.after),
          m_zone(atom.sg.a, {{spacings, atom.sg.s3}}, atom.sg.s2),
          m_reach(std::fabs(std::tan(atom.a)) * (atom.lWg / 2.0 - atom.st.a)),
          m_zoneStations(std::max(spacings + dense + 1, 0LL))
    {
    }

    // Finds the zone stirrups that are main stirrups. false after a reported error.
    bool Build()
    {
        // Only zone stirrups within sg_Min of the main group's outermost one or beyond it can be
        // main stirrups; the zone is laid in order, so they are its last ones.
        const double nearest = m_main.outer - std::max(m_sg.Min, 0.0) - kSameStation;
        std::vector<Joining> joining;
        long long k = m_zoneStations - 1;
        for (int steps = 0; k >= 0 && ZoneStation(k) >= nearest; --k) {
            if (++steps > kMaxSteps) {
                ReportTooManySteps();
                return false;
            }
            const double p = ZoneStation(k);
            long long main = 0;
            const double widest = ToMain(p, main) + m_reach;
            if (widest <= kSameStation || widest < m_sg.Min) joining.push_back({p, main, widest});
            else m_near.push_back(p);
        }
        m_before = k + 1;
        // A main stirrup is one zone stirrup at most: the nearest, the inner one of two as near.
        // The others stand as stirrups of their own, so that the zone keeps its spacing.
        std::sort(joining.begin(), joining.end(), [](const Joining& x, const Joining& y) {
            if (x.main != y.main) return x.main < y.main;
            if (x.widest != y.widest) return x.widest < y.widest;
            return x.p > y.p;
        });
        for (std::size_t i = 1; i < joining.size(); ++i)
            if (joining[i].main == joining[i - 1].main) m_near.push_back(joining[i].p);
        std::sort(m_near.begin(), m_near.end());
        return true;
    }

    // Zone stirrups that are no main stirrup, and the station of the i-th of them from the end.
    long long ZoneCount() const { return m_before + static_cast<long long>(m_near.size()); }
    double Zone(long long i) const { return i < m_before ? ZoneStation(i) : m_near[i - m_before]; }

    // Number of stirrups of the end, zone and main ones, that stand within limit of it. false after
    // a reported error.
    bool CountWithin(double limit, long long& n) const
    {
        n = 0;
        int steps = 0;
        auto step = [&steps]() {
            if (++steps <= kMaxSteps) return true;
            ReportTooManySteps();
            return false;
        };
        for (long long k = 0; k < m_before && ZoneStation(k) <= limit; ++k, ++n)
            if (!step()) return false;
        for (double p : m_near)
            if (p <= limit) ++n;
        for (long long j = 0; Main(j) <= limit; ++j, ++n)
            if (!step()) return false;
        return true;
    }

    // Station of the j-th main-group stirrup from the outermost one.
    double Main(long long j) const { return m_mainStations.At(j); }

    // Takes the n stirrups of the end nearest to it (zone and main stirrups in order of their
    // stations): how many of them are zone stirrups, and the station of the next one.
    bool Take(long long n, long long& zone, double& next) const
    {
        if (n < m_before) {
            zone = n;
            next = ZoneStation(n);
            return true;
        }
        // Past the zone's stirrups out of the main stirrups' reach, zone and main stirrups
        // interleave (the zone's first at a shared station) until the zone's are all taken; the
        // rest are main stirrups.
        const auto nearCount = static_cast<long long>(m_near.size());
        long long i = 0, j = 0, left = n - m_before;
        for (; left > 0 && i < nearCount; --left) {
            if (i + j >= kMaxSteps) {
                ReportTooManySteps();
                return false;
            }
            if (m_near[i] <= Main(j)) ++i;
            else ++j;
        }
        j += left;
        zone = m_before + i;
        next = i < nearCount && m_near[i] <= Main(j) ? m_near[i] : Main(j);
        return true;
    }

private:
    double ZoneStation(long long k) const { return m_zone.At(k); }

    // Distance on the axis from station p to the nearest main stirrup (the outermost one, then
    // normal spacings, then the spacings after them), and that stirrup's number from the outermost.
    double ToMain(double p, long long& j) const
    {
        j = 0;
        const double d = p - m_main.outer;
        if (d <= 0.0) return -d;
        const double normal = std::clamp(std::round(d / m_sg.s), 0.0, static_cast<double>(m_main.normal));
        const double after = d - m_main.normal * m_sg.s;
        const double afterSteps = std::max(std::round(after / m_main.after), 0.0);
        const double byNormal = std::fabs(d - normal * m_sg.s);
        const double byAfter = std::fabs(after - afterSteps * m_main.after);
        j = static_cast<long long>(byNormal <= byAfter ? normal : m_main.normal + afterSteps);
        return std::min(byNormal, byAfter);
    }

    // A zone stirrup near enough to a main stirrup to be it: its station, the main stirrup's number
    // and the widest distance between the two across the skeleton.
    struct Joining {
        double p;
        long long main;
        double widest;
    };

    const CapBeamRecords::SgDataSet& m_sg;
    MainRun m_main;
    SpacedStations m_mainStations;
    SpacedStations m_zone;      // the zone's stirrups: spacings s3, then densified ones
    double m_reach;             // how far a main stirrup reaches either side of its station
    long long m_zoneStations;   // stirrups of the end zone, those that are main stirrups included
    long long m_before = 0;     // zone stirrups out of reach of every main stirrup
    std::vector<double> m_near; // zone stirrups from there on that are no main stirrups
};

// The taper record's stirrups at one end by the layout's count, or none where the beam has no
// taper record. A count below zero means that the end distance lies beyond the tapered part: the
// part lays no stirrup and holds 0, and no stirrup is lost.
bool TaperHeld(const Atom& atom, const Plan& plan, const EndSide& e, long long& n)
{
    n = 0;
    if (!HasTaperRecords(plan)) return true;
    int count = 0;
    if (!TaperCount(atom, plan, e, count)) return false;
    n = std::max(count, 0);
    return true;
}

// The end zone and the main group at one end of a layout with stirrups square to the axis. The
// densified layout's main group runs from the outermost normal stirrup of the cantilever through
// its normal spacings into the support line's densified zone; the uniform layout's from its first
// stirrup beyond the tapered part and the skewed end, all at the one spacing. The uniform layout
// lays the stirrups of a tapered part at the end-zone spacing over the whole part, also where the
// end zone is shorter; an end zone that would end before the end distance (bare) lays no stirrup
// of its own.
EndStations SquareEndStations(const Atom& atom, const Plan& plan, const EndSide& e, long long taper)
{
    const auto& sg = atom.sg;
    if (plan.layout == Layout::UniformSquare) {
        const MainRun main{e.d + sg.bMid, sg.nAns, sg.s};
        return EndStations(atom, main, e.bare ? taper - 1 : std::max<long long>(e.ns3, taper - 1), 0);
    }
    const MainRun main{e.cantilever - e.dense * sg.s2 - e.normal * sg.s, e.normal, sg.s2};
    return EndStations(atom, main, e.ns3, e.nXB);
}

bool ShareSquareEnd(const Atom& atom, const Plan& plan, const EndSide& e, EndShare& share)
{
    long long taper = 0;
    if (!TaperHeld(atom, plan, e, taper)) return false;
    EndStations stations = SquareEndStations(atom, plan, e, taper);
    if (!stations.Build()) return false;
    // The taper record holds every stirrup standing on the tapered part, zone and main ones: where
    // a zone stirrup is a main one the zone's spacings alone miscount them.
    const bool tapered = HasTaperRecords(plan) && !e.square;
    if (tapered && !stations.CountWithin(e.d + kSameStation, share.taper)) return false;
    long long taperZone = 0;
    double next = 0.0;
    if (!stations.Take(share.taper, taperZone, next)) return false;
    share.taperMain = share.taper - taperZone;
    share.zone = stations.ZoneCount() - taperZone;
    // Without skewed-end records the zone's own stirrups beyond the taper are main stirrups, and
    // the main record starts at the first stirrup beyond the taper.
    share.mainOuter = HasSkewEndRecords(atom, plan.layout) ? stations.Main(share.taperMain) : next;
    if (share.zone > 0) {
        share.zoneFirst = stations.Zone(taperZone);
        share.zoneLast = stations.Zone(stations.ZoneCount() - 1);
    }
    if (share.taper > 0) {
        long long zone = 0;
        if (!stations.Take(0, zone, share.taperOuter)) return false;
        if (!stations.Take(share.taper - 1, zone, share.taperInner)) return false;
    }
    return true;
}

// The stirrups of one end of a layout with stirrups along the skew, as distances from that end:
// the first at the end distance, then the densified layout's end-rest spacings, the cantilever's
// normal ones and the support line's densified ones, or the uniform layout's end offset and its
// one spacing.
SpacedStations SkewedEndStations(const Atom& atom, const Plan& plan, const EndSide& e)
{
    const auto& sg = atom.sg;
    if (plan.layout == Layout::UniformSkewed) return SpacedStations(sg.a, {{1, sg.Aas}}, sg.s);
    return SpacedStations(sg.a, {{e.nas, e.rest}, {e.normal, sg.s}}, sg.s2);
}

// Along the skew the taper record holds the first stirrups of the end by the layout's count.
bool ShareSkewedEnd(const Atom& atom, const Plan& plan, const EndSide& e, EndShare& share)
{
    if (!TaperHeld(atom, plan, e, share.taper)) return false;
    if (share.taper > 0) {
        const SpacedStations stations = SkewedEndStations(atom, plan, e);
        share.taperOuter = stations.At(0);
        share.taperInner = stations.At(share.taper - 1);
    }
    return true;
}

} // namespace

bool ShareStirrups(const Atom& atom, const Plan& plan, Shares& shares)
{
    shares = Shares{};
    const EndSide left = LeftEnd(atom, plan);
    const EndSide right = RightEnd(atom, plan);
    if (LaysEndZones(plan.layout)) {
        if (!ShareSquareEnd(atom, plan, left, shares.left)) return false;
        if (!ShareSquareEnd(atom, plan, right, shares.right)) return false;
        shares.main = MainGroupStirrups(atom, plan) - shares.left.taperMain - shares.right.taperMain;
        if (!HasSkewEndRecords(atom, plan.layout)) shares.main += shares.left.zone + shares.right.zone;
        return true;
    }
    // Stirrups along the skew: every stirrup from end to end is a main stirrup unless it stands on
    // a tapered part.
    if (!ShareSkewedEnd(atom, plan, left, shares.left) || !ShareSkewedEnd(atom, plan, right, shares.right))
        return false;
    shares.main = MainGroupStirrups(atom, plan) - shares.left.taper - shares.right.taper;
    return true;
}

} // namespace CapBeamStirrups
