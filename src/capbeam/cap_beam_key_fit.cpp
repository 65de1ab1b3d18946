// The cap's key parameters judged against the cap they are laid in: the values that put its bars outside the beam.
#include "capbeam/cap_beam_key_fit.h"

#include "calc/key_bound.h"
#include "calc/key_path.h"
#include "calc/key_value_message.h"
#include "common/bar_sizes.h"
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
    CapKeyFit(const CPM001_CapKeyParam& kp, double lWg) : m_kp(kp), m_lWg(lWg), m_start(m_root), m_cap(m_start, "cap") {}

    int Run()
    {
        const double wSt = KVDataCommon::wd(m_kp.st_d, m_kp.st_type);
        const double wSg = KVDataCommon::wd(m_kp.sg_d, TruncatedType(m_kp.sg_type));
        const double wSh = KVDataCommon::wd(m_kp.sh_d, m_kp.sh_type);
        const double wSd = KVDataCommon::wd(m_kp.sd_d, m_kp.sd_type);
        const BarInCover st{"st_d", m_kp.st_d, wSt / 2.0};

        // The end-face bars lie outside the skeleton's end bars, touching them: their axis stands
        // sd_a = st_sa - w(st_d) / 2 - w(sd_d) / 2 from the beam's end, which is out when below 0.
        // Laid inside the skeleton (fPosSdAndSt non-zero) they stand at st_sa + the same.
        if (m_kp.fDistribute != 0 && m_kp.fPosSdAndSt == 0)
            Cover("st_sa", m_kp.st_sa, {st, {"sd_d", m_kp.sd_d, wSd / 2.0}}, "the end-face bars (sd) outside the beam's end");

        // A stirrup's leg runs between the top and the bottom skeleton bars, st_ua from the top and
        // the same from the bottom, and wraps them: its axis stands st_ua - w(st_d) / 2 - w(sg_d) / 2
        // inside each face; below 0 the leg is longer than the cap is high.
        Cover("st_ua", m_kp.st_ua, {st, {"sg_d", m_kp.sg_d, wSg / 2.0}}, "the stirrups outside the beam's top and bottom");

        // A frame at y lies lWg / 2 - |y| from the side face on its side. The stirrup wrapping it
        // stands w(st_d) / 2 + w(sg_d) / 2 further out; the side bars laid outside the skeleton
        // (fPosShAndSg 0) stand outside the stirrup: sh_a = lWg / 2 - |y| - w(st_d) / 2 - w(sg_d) -
        // w(sh_d) / 2. Either axis below 0 lies outside the beam's side.
        const KeyPath frameY(m_cap, "FrameY");
        for (int j = 0; j < m_kp.FrameY.GetSize(); ++j) {
            const double y = m_kp.FrameY[j];
            const double room = m_lWg / 2.0 - std::fabs(y);
            if (m_kp.fPosShAndSg == 0)
                Side(KeyPath(frameY, j), y, room, {st, {"sg_d", m_kp.sg_d, wSg}, {"sh_d", m_kp.sh_d, wSh / 2.0}},
                     "the side bars (sh) outside the beam's side");
            else
                Side(KeyPath(frameY, j), y, room, {st, {"sg_d", m_kp.sg_d, wSg / 2.0}},
                     "the stirrups outside the beam's side");
        }

        BarStationOrder();
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

    void Report(const std::string& path, const std::string& what, double given)
    {
        if (!m_named.insert(path).second) return;
        QMReportError(CString(KeyValueMessage(path, what, given).c_str()), 0);
        ++m_reported;
    }

    const CPM001_CapKeyParam& m_kp;
    double m_lWg;
    const std::string m_root;
    const KeyPath m_start;
    const KeyPath m_cap;
    std::set<std::string> m_named;
    int m_reported = 0;
};

} // namespace

int ReportKeysNotFittingCap(const CPM001_CapKeyParam& kp, double lWg)
{
    return CapKeyFit(kp, lWg).Run();
}
