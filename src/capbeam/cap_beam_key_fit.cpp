// The cap's key parameters judged against the cap they are laid in: the values that put its bars outside the beam.
#include "capbeam/cap_beam_key_fit.h"

#include "calc/key_bound.h"
#include "calc/key_path.h"
#include "calc/key_value_message.h"
#include "common/bar_sizes.h"
#include "common/is_equal.h"
#include "host/report.h"

#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

// Where a cover and the bars laid in it do not fit together, a diameter beyond the largest rolled
// bar is the value that is out; otherwise it is the cover.
using key_bound::kLargestRolledBar;

// A bar laid in a cover: its diameter key and value, and the part of the cover it takes.
struct BarInCover {
    const char* key;
    double d;
    double part;
};

class CapKeyFit {
public:
    CapKeyFit(const CPM001_CapKeyParam& kp, double lWg, const CapAlongBeam& along)
        : m_kp(kp), m_lWg(lWg), m_along(along), m_start(m_root), m_cap(m_start, "cap")
    {
    }

    int Run()
    {
        const double wSt = KVDataCommon::wd(m_kp.st_d, m_kp.st_type);
        const double wSg = KVDataCommon::wd(m_kp.sg_d, TruncatedType(m_kp.sg_type));
        const double wSh = KVDataCommon::wd(m_kp.sh_d, m_kp.sh_type);
        const double wSd = KVDataCommon::wd(m_kp.sd_d, m_kp.sd_type);
        const BarInCover st{"st_d", m_kp.st_d, wSt / 2.0};

        // The end-face bars lie outside the skeleton's end bars, touching them: their axis stands
        // sd_a = st_sa - w(st_d) / 2 - w(sd_d) / 2 from the beam's end, and their surface half their
        // outer diameter nearer, st_sa - w(st_d) / 2 - w(sd_d), which is out when below 0. Laid
        // inside the skeleton (fPosSdAndSt non-zero) they stand at st_sa + the same.
        if (m_kp.fDistribute != 0 && m_kp.fPosSdAndSt == 0)
            Cover("st_sa", m_kp.st_sa, {st, {"sd_d", m_kp.sd_d, wSd}}, "the end-face bars (sd) outside the beam's end");

        // A stirrup's leg runs between the top and the bottom skeleton bars, st_ua from the top and
        // the same from the bottom, and wraps them: its axis stands st_ua - w(st_d) / 2 - w(sg_d) / 2
        // inside each face; below 0 the leg is longer than the cap is high.
        Cover("st_ua", m_kp.st_ua, {st, {"sg_d", m_kp.sg_d, wSg / 2.0}}, "the stirrups outside the beam's top and bottom");

        // A frame at y lies lWg / 2 - |y| from the side face on its side. The stirrup wrapping it
        // stands w(st_d) / 2 + w(sg_d) / 2 further out, its axis below 0 outside the beam's side.
        // The side bars laid outside the skeleton (fPosShAndSg 0) stand outside the stirrup, their
        // axis at sh_a = lWg / 2 - |y| - w(st_d) / 2 - w(sg_d) - w(sh_d) / 2 and their surface
        // w(sh_d) / 2 nearer the face; laid in the skeleton's plane, their axis is the frame's and
        // their surface w(sh_d) / 2 beside it. A surface below 0 lies outside the beam's side.
        const KeyPath frameY(m_cap, "FrameY");
        const char* const sideBarsOut = "the side bars (sh) outside the beam's side";
        for (int j = 0; j < m_kp.FrameY.GetSize(); ++j) {
            const double y = m_kp.FrameY[j];
            const double room = m_lWg / 2.0 - std::fabs(y);
            const KeyPath at(frameY, j);
            if (m_kp.fPosShAndSg == 0) {
                Side(at, y, room, {st, {"sg_d", m_kp.sg_d, wSg}, {"sh_d", m_kp.sh_d, wSh}}, sideBarsOut);
                continue;
            }
            Side(at, y, room, {st, {"sg_d", m_kp.sg_d, wSg / 2.0}}, "the stirrups outside the beam's side");
            Side(at, y, room, {{"sh_d", m_kp.sh_d, wSh / 2.0}}, sideBarsOut);
        }

        BarStationOrder();
        TopCutOffEnds();
        return m_reported;
    }

private:
    static int TruncatedType(double type)
    {
        return std::isfinite(type) && std::fabs(type) < 2147483648.0 ? static_cast<int>(type) : 0;
    }

    // What the bars take of a cover, and whether one of them is thicker than any rolled bar; when
    // so, each such diameter is reported and true returned.
    static double Needed(const std::vector<BarInCover>& bars)
    {
        double needed = 0.0;
        for (const BarInCover& bar : bars) needed += bar.part;
        return needed;
    }

    bool ReportThickBars(const std::vector<BarInCover>& bars, const std::string& puts)
    {
        bool any = false;
        for (const BarInCover& bar : bars) {
            if (!(bar.d > kLargestRolledBar)) continue;
            any = true;
            Report(KeyPath(m_cap, bar.key).Path(), puts + "; expected a rolled bar of at most " + KeyValueText(kLargestRolledBar) + " mm", bar.d);
        }
        return any;
    }

    static std::string Puts(const char* what, double short_by)
    {
        return std::string("puts ") + what + " by " + KeyLengthText(short_by) + " mm";
    }

    static std::string BarList(const std::vector<BarInCover>& bars)
    {
        std::string list;
        for (std::size_t i = 0; i < bars.size(); ++i) {
            if (i > 0) list += i + 1 == bars.size() ? " and " : ", ";
            list += std::string(bars[i].key) + " " + KeyValueText(bars[i].d);
        }
        return list;
    }

    // A cover key that must hold the bars' parts.
    void Cover(const char* key, double cover, const std::vector<BarInCover>& bars, const char* what)
    {
        const double needed = Needed(bars);
        if (!(cover < needed)) return;
        const std::string puts = Puts(what, needed - cover);
        if (ReportThickBars(bars, puts)) return;
        Report(KeyPath(m_cap, key).Path(),
               puts + "; expected at least " + KeyLengthText(needed) + " mm with " + BarList(bars), cover);
    }

    // A frame position whose side room must hold the bars' parts.
    void Side(const KeyPath& at, double y, double room, const std::vector<BarInCover>& bars, const char* what)
    {
        const double needed = Needed(bars);
        if (!(room < needed)) return;
        const std::string puts = Puts(what, needed - room);
        if (ReportThickBars(bars, puts)) return;
        const std::string reach = KeyLengthText(m_lWg / 2.0 - needed);
        Report(at.Path(),
               puts + "; expected from -" + reach + " to " + reach + " mm in a cap " + KeyLengthText(m_lWg) +
                   " mm wide with " + BarList(bars),
               y);
    }

    // The bar stations of a frame record's group run along the beam: one below the station before
    // it turns the bar between them back on itself (a negative length). Only the records that lay
    // their bars by groups (fGJJ non-zero) are read.
    void BarStationOrder()
    {
        const KeyPath records(m_cap, "FrameAr");
        for (int r = 0; r < m_kp.FrameAr.GetSize(); ++r) {
            const auto& record = m_kp.FrameAr[r];
            if (record.fGJJ == 0) continue;
            const KeyPath record_at(records, r);
            const KeyPath groups(record_at, "GJJ");
            for (int g = 0; g < record.GJJ.GetSize(); ++g) {
                const auto& group = record.GJJ[g];
                const KeyPath at(groups, g);
                for (int k = 1; k < group.GetSize(); ++k) {
                    if (!(group[k].dx < group[k - 1].dx)) continue;
                    Report(KeyPath(KeyPath(at, k), "dx").Path(),
                           "below the dx before it in its group; expected at least " + KeyValueText(group[k - 1].dx) +
                               " mm",
                           group[k].dx);
                }
            }
        }
    }

    // A frame record's name less the list of the frames it stands for: "K(A,B)" is laid on the
    // frames named K.
    static std::string FrameNameOf(const CString& name)
    {
        std::string text = name.str();
        text = text.substr(0, text.find('('));
        const auto first = text.find_first_not_of(' ');
        if (first == std::string::npos) return {};
        return text.substr(first, text.find_last_not_of(' ') - first + 1);
    }

    // A secondary frame record (fGJJ 0) lays over support line c a top cut-off bar of LenT[2c] to
    // the left of the line and LenT[2c + 1] to its right, when the two make a length. In a frame at
    // offset y the line stands at s = the left cantilever + tan(a) y (frames along the skew, lay
    // mode 0; 0 across it) + the spacings before the line; along the skew the frames also take
    // tan(a) y onto the record's first length and off its last (unless fCapSep keeps them), the
    // shift the frame's ends take. The bar's left end lies at s - LenT[2c] (less the shift), which
    // is past the beam's left end when below 0: LenT[2c] is at most s, the line's distance from
    // that end (over the first line, the cantilever). Its right end lies at s + LenT[2c + 1], past
    // the right end when above the beam's length L: LenT[2c + 1] at most L - s. Each frame that
    // carries the record's name is judged; a key is named at the first that fails.
    void TopCutOffEnds()
    {
        const KeyPath records(m_cap, "FrameAr");
        const bool alongSkew = m_kp.st_fLayMode == 0;
        const double tanSkew = alongSkew ? m_along.tanSkew : 0.0;
        const bool endsFollow = alongSkew && m_kp.fCapSep == 0;
        const int lines = m_along.spacings.GetSize() + 1;
        for (int r = 0; r < m_kp.FrameAr.GetSize(); ++r) {
            const auto& record = m_kp.FrameAr[r];
            if (record.fGJJ != 0) continue;
            const std::string name = FrameNameOf(record.name);
            const KeyPath record_at(records, r);
            const KeyPath lengths(record_at, "LenT");
            const int last = record.LenT.GetUpperBound();
            for (int f = 0; f < m_kp.FrameName.GetSize(); ++f) {
                if (FrameNameOf(m_kp.FrameName[f]) != name) continue;
                const double y = f < m_kp.FrameY.GetSize() ? m_kp.FrameY[f] : 0.0;
                const double shift = endsFollow ? tanSkew * y : 0.0;
                // What the frame adds to the key's length k.
                auto added = [&](int k) { return (k == 0 ? shift : 0.0) - (k == last ? shift : 0.0); };
                double station = m_along.leftCantilever + tanSkew * y;
                for (int c = 0; c < lines && 2 * c + 1 <= last; ++c) {
                    if (c > 0) station += m_along.spacings[c - 1];
                    const int k = 2 * c;
                    const double left = record.LenT[k] + added(k);
                    const double right = record.LenT[k + 1] + added(k + 1);
                    if (!(left + right > 0.0)) continue;
                    auto over = [c] { return "puts the top cut-off bar over support line " + std::to_string(c + 1); };
                    if (Beyond(left, station))
                        Report(KeyPath(lengths, k).Path(),
                               over() + " past the beam's left end by " + KeyLengthText(left - station) +
                                   " mm; expected at most " + KeyLengthText(station - added(k)) +
                                   " mm, the support line's distance from that end",
                               record.LenT[k]);
                    const double room = m_along.length - station;
                    if (Beyond(right, room))
                        Report(KeyPath(lengths, k + 1).Path(),
                               over() + " past the beam's right end by " + KeyLengthText(right - room) +
                                   " mm; expected at most " + KeyLengthText(room - added(k + 1)) +
                                   " mm, the support line's distance from that end",
                               record.LenT[k + 1]);
                }
            }
        }
    }

    // Beyond the limit by more than the equality tolerance.
    static bool Beyond(double value, double limit) { return value > limit && !KVDataCommon::IsEqual(value, limit); }

    void Report(const std::string& path, const std::string& what, double given)
    {
        if (!m_named.insert(path).second) return;
        QMReportError(CString(KeyValueMessage(path, what, given).c_str()), 0);
        ++m_reported;
    }

    const CPM001_CapKeyParam& m_kp;
    double m_lWg;
    const CapAlongBeam& m_along;
    const std::string m_root;
    const KeyPath m_start;
    const KeyPath m_cap;
    std::set<std::string> m_named;
    int m_reported = 0;
};

} // namespace

int ReportKeysNotFittingCap(const CPM001_CapKeyParam& kp, double lWg, const CapAlongBeam& along)
{
    return CapKeyFit(kp, lWg, along).Run();
}
