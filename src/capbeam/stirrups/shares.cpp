// Stirrups: which record — taper, skewed end or main — holds each stirrup laid at a beam end.
#include "capbeam/stirrups/layout.h"

#include "common/is_equal.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace CapBeamStirrups {

namespace {

// Two stations closer than this are one stirrup position (the end zones are divided with it).
constexpr double kSameStation = 1e-5;

// The stirrup stations of one end of the densified square layout, as distances from that end on
// the beam's axis: the end zone laid from the end (the first at the end distance, then spacings s3,
// then densified spacings) and the main group laid from its outermost stirrup inwards (normal
// spacings, then densified spacings). A zone stirrup standing at the station of a main stirrup is
// that main stirrup: on a square beam the zone's last spacing then ends on the main group's
// outermost stirrup; on a skewed one the two cross on the axis, whatever the angle.
class EndStations {
public:
    EndStations(const Atom& atom, const EndSide& e)
        : m_sg(atom.sg), m_e(e), m_outer(e.cantilever - e.dense * atom.sg.s2 - e.normal * atom.sg.s),
          m_zoneStations(static_cast<long long>(e.ns3) + e.nXB + 1)
    {
    }

    // Finds the zone stirrups that stand at main stations. false after a reported error.
    bool Build()
    {
        // Only zone stirrups from the main group's outermost on can meet a main station; the zone
        // is laid in order, so they are its last ones.
        long long k = m_zoneStations - 1;
        for (int steps = 0; k >= 0 && ZoneStation(k) >= m_outer - kSameStation; --k) {
            if (++steps > kMaxSteps) {
                ReportTooManySteps();
                return false;
            }
            if (!IsMainStation(ZoneStation(k))) m_beyond.push_back(ZoneStation(k));
        }
        m_before = k + 1;
        std::reverse(m_beyond.begin(), m_beyond.end());
        return true;
    }

    // Zone stirrups that are no main stirrup, and the station of the i-th of them from the end.
    long long ZoneCount() const { return m_before + static_cast<long long>(m_beyond.size()); }
    double Zone(long long i) const { return i < m_before ? ZoneStation(i) : m_beyond[i - m_before]; }

    // Station of the j-th main-group stirrup from the outermost one.
    double Main(long long j) const
    {
        const long long normal = std::min<long long>(j, m_e.normal);
        return m_outer + normal * m_sg.s + (j - normal) * m_sg.s2;
    }

    // Takes the n stirrups of the end nearest to it (zone and main stirrups in order of their
    // stations): how many of them are zone stirrups, and the station of the next one.
    bool Take(long long n, long long& zone, double& next) const
    {
        if (n < m_before) {
            zone = n;
            next = ZoneStation(n);
            return true;
        }
        // Past the zone's stirrups before the main group, zone and main stirrups interleave until
        // the zone's are all taken; the rest are main stirrups.
        const auto beyond = static_cast<long long>(m_beyond.size());
        long long i = 0, j = 0, left = n - m_before;
        for (; left > 0 && i < beyond; --left) {
            if (i + j >= kMaxSteps) {
                ReportTooManySteps();
                return false;
            }
            if (m_beyond[i] < Main(j)) ++i;
            else ++j;
        }
        j += left;
        zone = m_before + i;
        next = i < beyond && m_beyond[i] < Main(j) ? m_beyond[i] : Main(j);
        return true;
    }

private:
    double ZoneStation(long long k) const
    {
        const long long byS3 = std::min<long long>(k, m_e.ns3);
        return m_sg.a + byS3 * m_sg.s3 + (k - byS3) * m_sg.s2;
    }

    // Whether a station lies on the main group: its outermost stirrup, then normal spacings, then
    // densified spacings.
    bool IsMainStation(double p) const
    {
        const double d = p - m_outer;
        if (d < -kSameStation) return false;
        const double normalRun = m_e.normal * m_sg.s;
        if (d <= normalRun + kSameStation) return std::fabs(d - std::round(d / m_sg.s) * m_sg.s) <= kSameStation;
        const double dense = d - normalRun;
        return std::fabs(dense - std::round(dense / m_sg.s2) * m_sg.s2) <= kSameStation;
    }

    const CapBeamRecords::SgDataSet& m_sg;
    EndSide m_e;
    double m_outer;               // the main group's outermost stirrup
    long long m_zoneStations;     // stirrups of the end zone, the one at a main station included
    long long m_before = 0;       // zone stirrups before the main group's outermost one
    std::vector<double> m_beyond; // zone stirrups from there on that stand at no main station
};

// The taper record's stirrups at one end, or none where the beam has no taper record. A count
// below zero lays nothing here; the record reports it.
bool TaperHeld(const Atom& atom, const Plan& plan, const EndSide& e, long long& n)
{
    n = 0;
    if (!HasTaperRecords(plan)) return true;
    int count = 0;
    if (!TaperCount(atom, plan, e, count)) return false;
    n = std::max(count, 0);
    return true;
}

bool ShareDensifiedSquareEnd(const Atom& atom, const Plan& plan, const EndSide& e, EndShare& share)
{
    EndStations stations(atom, e);
    if (!stations.Build() || !TaperHeld(atom, plan, e, share.taper)) return false;
    long long taperZone = 0;
    double next = 0.0;
    if (!stations.Take(share.taper, taperZone, next)) return false;
    share.taperMain = share.taper - taperZone;
    share.zone = stations.ZoneCount() - taperZone;
    // Without skewed-end records the zone's own stirrups beyond the taper are main stirrups, and
    // the main record starts at the first stirrup beyond the taper.
    share.mainOuter = HasSkewEndRecords(atom) ? stations.Main(share.taperMain) : next;
    if (share.zone > 0) {
        share.zoneFirst = stations.Zone(taperZone);
        share.zoneLast = stations.Zone(stations.ZoneCount() - 1);
    }
    if (share.taper > 0) {
        long long zone = 0;
        if (!stations.Take(share.taper - 1, zone, share.taperInner)) return false;
    }
    return true;
}

} // namespace

bool ShareStirrups(const Atom& atom, const Plan& plan, Shares& shares)
{
    shares = Shares{};
    const EndSide left = LeftEnd(atom, plan);
    const EndSide right = RightEnd(atom, plan);
    switch (plan.layout) {
    case Layout::DensifiedSquare:
        if (!ShareDensifiedSquareEnd(atom, plan, left, shares.left)) return false;
        if (!ShareDensifiedSquareEnd(atom, plan, right, shares.right)) return false;
        shares.main = MainGroupStirrups(atom, plan) - shares.left.taperMain - shares.right.taperMain;
        if (!HasSkewEndRecords(atom)) shares.main += shares.left.zone + shares.right.zone;
        return true;
    case Layout::DensifiedSkewed:
        // Every stirrup from end to end is a main stirrup unless it stands on a tapered part.
        if (!TaperHeld(atom, plan, left, shares.left.taper) || !TaperHeld(atom, plan, right, shares.right.taper))
            return false;
        shares.main = MainGroupStirrups(atom, plan) - shares.left.taper - shares.right.taper;
        return true;
    default:
        shares.main = UniformCount(atom, plan);
        return true;
    }
}

} // namespace CapBeamStirrups
