// The cap's key parameters judged against the cap they are laid in: the values that put its bars or tendons
// outside the beam.
#include "capbeam/cap_beam_key_fit.h"

#include "calc/key_bound.h"
#include "calc/key_path.h"
#include "calc/key_value_message.h"
#include "capbeam/cap_beam_key_intake.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "capbeam/skeleton/through_bars.h"
#include "common/bar_sizes.h"
#include "common/is_equal.h"
#include "host/report.h"
#include "pier/cap_underside.h"
#include "tendon/materials.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

// Beyond the limit by more than the equality tolerance.
bool Beyond(double value, double limit) { return value > limit && !KVDataCommon::IsEqual(value, limit); }

// Where a cover and the bars laid in it do not fit together, a diameter beyond the largest rolled
// bar is the value that is out; otherwise it is the cover.
using key_bound::kLargestRolledBar;

// The bridge codes weld a skeleton's bars (JTG 3362-2018, welded skeletons), in main bar
// diameters d, on both sides ([0]) or on one side ([1], st_fWeld 0): an inclined bar to a through
// bar with the full weld, through bars to each other with the short weld.
constexpr double kFullWeld[2] = {5.0, 10.0};
constexpr double kShortWeld[2] = {2.5, 5.0};

// A bar laid in a cover: its diameter key and value, and the part of the cover it takes.
struct BarInCover {
    const char* key;
    double d;
    double part;
};

class CapKeyFit {
public:
    CapKeyFit(const CPM001_CapKeyParam& kp, double lWg, const CapAlongBeam& along, const std::string& root)
        : m_kp(kp), m_lWg(lWg), m_along(along), m_root(root), m_start(m_root), m_cap(m_start, "cap"),
          m_wSt(KVDataCommon::wd(kp.st_d, kp.st_type)), m_wSg(KVDataCommon::wd(kp.sg_d, TruncatedInt(kp.sg_type))),
          m_wSh(KVDataCommon::wd(kp.sh_d, kp.sh_type)), m_wSd(KVDataCommon::wd(kp.sd_d, kp.sd_type))
    {
    }

    // Every judge is a row of Limits(), run in its order; each line reported names the row that
    // judged it, so that a judge outside the table shows.
    int Run(std::vector<int>* rowOfEach)
    {
        m_rowOfEach = rowOfEach;
        const std::vector<Limit>& limits = Limits();
        for (std::size_t row = 0; row < limits.size(); ++row) {
            m_row = static_cast<int>(row);
            (this->*limits[row].judge)();
        }
        m_row = -1;
        return m_reported;
    }

    // A limit of what can be built: its row of the docs' table and the member that judges it. The
    // limit's numbers are written from the constants the member judges with.
    struct Limit {
        const char* keys;
        std::string limit;
        void (CapKeyFit::*judge)();
    };
    static const std::vector<Limit>& Limits();

private:
    // The end-face bars lie outside the skeleton's end bars, touching them: their axis stands
    // sd_a = st_sa - w(st_d) / 2 - w(sd_d) / 2 from the beam's end, and their surface half their
    // outer diameter nearer, st_sa - w(st_d) / 2 - w(sd_d), which is out when below 0. Laid
    // inside the skeleton (fPosSdAndSt non-zero) they stand at st_sa + the same.
    void EndFaceCover()
    {
        if (m_kp.fDistribute == 0 || m_kp.fPosSdAndSt != 0) return;
        Cover("st_sa", m_kp.st_sa, {MainBarHalf(), {"sd_d", m_kp.sd_d, m_wSd}}, "the end-face bars (sd) outside the beam's end");
    }

    // A stirrup's leg runs between the top and the bottom skeleton bars, st_ua from the top and
    // the same from the bottom, and wraps them: its axis stands st_ua - w(st_d) / 2 - w(sg_d) / 2
    // inside each face; below 0 the leg is longer than the cap is high.
    void StirrupCover()
    {
        Cover("st_ua", m_kp.st_ua, {MainBarHalf(), {"sg_d", m_kp.sg_d, m_wSg / 2.0}}, "the stirrups outside the beam's top and bottom");
    }

    // A frame at y lies lWg / 2 - |y| from the side face on its side. The stirrup wrapping it
    // stands w(st_d) / 2 + w(sg_d) / 2 further out, its axis below 0 outside the beam's side.
    // The side bars laid outside the skeleton (fPosShAndSg 0) stand outside the stirrup, their
    // axis at sh_a = lWg / 2 - |y| - w(st_d) / 2 - w(sg_d) - w(sh_d) / 2 and their surface
    // w(sh_d) / 2 nearer the face; laid in the skeleton's plane, their axis is the frame's and
    // their surface w(sh_d) / 2 beside it. A surface below 0 lies outside the beam's side.
    void FrameSides()
    {
        const KeyPath frameY(m_cap, "FrameY");
        const char* const sideBarsOut = "the side bars (sh) outside the beam's side";
        for (int j = 0; j < m_kp.FrameY.GetSize(); ++j) {
            const double y = m_kp.FrameY[j];
            const double room = m_lWg / 2.0 - std::fabs(y);
            const KeyPath at(frameY, j);
            if (m_kp.fPosShAndSg == 0) {
                Side(at, y, room, {MainBarHalf(), {"sg_d", m_kp.sg_d, m_wSg}, {"sh_d", m_kp.sh_d, m_wSh}}, sideBarsOut);
                continue;
            }
            Side(at, y, room, {MainBarHalf(), {"sg_d", m_kp.sg_d, m_wSg / 2.0}}, "the stirrups outside the beam's side");
            Side(at, y, room, {{"sh_d", m_kp.sh_d, m_wSh / 2.0}}, sideBarsOut);
        }
    }

    BarInCover MainBarHalf() const { return {"st_d", m_kp.st_d, m_wSt / 2.0}; }

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

    // Calls visit(at, record) for each frame record that lays its bars by groups (byGroups: fGJJ
    // non-zero) or each secondary one (fGJJ 0), at the record's path ("cap.FrameAr[1]").
    template <class Visit>
    void ForEachFrameRecord(bool byGroups, Visit visit)
    {
        const KeyPath records(m_cap, "FrameAr");
        for (int r = 0; r < m_kp.FrameAr.GetSize(); ++r) {
            const KeyPath at(records, r);
            if ((m_kp.FrameAr[r].fGJJ != 0) == byGroups) visit(at, m_kp.FrameAr[r]);
        }
    }

    // Calls visit(at, group) for each bar group of the records that lay their bars by groups, at the
    // group's path ("cap.FrameAr[1].GJJ[0]").
    template <class Visit>
    void ForEachBarGroup(Visit visit)
    {
        ForEachFrameRecord(true, [&visit](const KeyPath& record_at, const auto& record) {
            const KeyPath groups(record_at, "GJJ");
            for (int g = 0; g < record.GJJ.GetSize(); ++g) {
                const KeyPath at(groups, g);
                visit(at, record.GJJ[g]);
            }
        });
    }

    // The bar stations of a frame record's group run along the beam: one below the station before
    // it turns the bar between them back on itself (a negative length).
    void BarStationOrder()
    {
        ForEachBarGroup([this](const KeyPath& at, const auto& group) {
            for (int k = 1; k < group.GetSize(); ++k) {
                if (!(group[k].dx < group[k - 1].dx)) continue;
                Report(KeyPath(KeyPath(at, k), "dx").Path(),
                       "below the dx before it in its group; expected at least " + KeyValueText(group[k - 1].dx) +
                           " mm",
                       group[k].dx);
            }
        });
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
        const bool alongSkew = m_kp.st_fLayMode == 0;
        const double tanSkew = alongSkew ? m_along.tanSkew : 0.0;
        const bool endsFollow = alongSkew && m_kp.fCapSep == 0;
        const int lines = m_along.spacings.GetSize() + 1;
        ForEachFrameRecord(false, [&](const KeyPath& record_at, const auto& record) {
            const std::string name = FrameNameOf(record.name);
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
        });
    }

    // A spacing is the distance of one bar's axis from the next one's: at least the bars' outer
    // diameter, or they lie in each other; and at most the length it divides, or it lays no bar
    // between its ends. A spacing of a part that is not laid is not judged, nor a smallest or largest
    // spacing of 0, which bounds nothing.
    struct Spacing {
        const char* key;
        double value;
        bool laid;
    };

    // The spacings of one set of bars (its diameter key and value, its outer diameter w), "the
    // stirrups (sg)", dividing a length, "the beam's length".
    void Spacings(std::initializer_list<Spacing> spacings, BarInCover bar, const char* what, double divided,
                  const char* over)
    {
        for (const Spacing& s : spacings) {
            if (!s.laid) continue;
            const std::string at = KeyPath(m_cap, s.key).Path();
            if (Beyond(bar.part, s.value))
                Report(at,
                       std::string("lays ") + what + " closer than they are thick; expected at least " +
                           KeyLengthText(bar.part) + " mm, the outer diameter of " + BarList({bar}),
                       s.value);
            else if (Beyond(s.value, divided))
                Report(at,
                       std::string("spaces ") + what + " farther apart than " + over + "; expected at most " +
                           KeyLengthText(divided) + " mm",
                       s.value);
        }
    }

    void StirrupSpacings()
    {
        Spacings({{"sg_Min", m_kp.sg_Min, m_kp.sg_Min != 0.0},
                  {"sg_Max", m_kp.sg_Max, m_kp.sg_Max != 0.0},
                  {"sg_s", m_kp.sg_s, true},
                  {"sg_s2", m_kp.sg_s2, m_kp.sg_fenG == 1},
                  {"sg_s3", m_kp.sg_s3, m_kp.sg_fLayMode == 0}},
                 {"sg_d", m_kp.sg_d, m_wSg}, "the stirrups (sg)", m_along.length, "the beam's length");
    }

    void SideBarSpacings()
    {
        Spacings({{"sh_Min", m_kp.sh_Min, m_kp.sh_Min != 0.0}, {"sh_Max", m_kp.sh_Max, m_kp.sh_Max != 0.0}, {"sh_s", m_kp.sh_s, true}},
                 {"sh_d", m_kp.sh_d, m_wSh}, "the side bars (sh)", m_along.height, "the beam's height");
    }

    void EndFaceBarSpacings()
    {
        const bool laid = m_kp.fDistribute != 0;
        Spacings({{"sd_Min", m_kp.sd_Min, laid}, {"sd_Max", m_kp.sd_Max, laid}}, {"sd_d", m_kp.sd_d, m_wSd},
                 "the end-face bars (sd)", m_along.endFaceHeight, "the taller end face's height");
    }

    void TendonBarSpacings()
    {
        const bool laid = !m_kp.SteelAr.IsEmpty();
        Spacings({{"Ldis", m_kp.Ldis, laid}, {"Cdis", m_kp.Cdis, laid}},
                 {"SBd", m_kp.SBd, KVDataCommon::wd(m_kp.SBd, m_kp.SBtype)}, "the bars along the tendons", m_along.length,
                 "the beam's length");
    }

    // The frames stand across the beam each in its plane; the bars of two frames closer than a main
    // bar's outer diameter lie in each other. A frame is judged against every frame before it.
    void FramesApart()
    {
        const KeyPath frameY(m_cap, "FrameY");
        for (int k = 1; k < m_kp.FrameY.GetSize(); ++k) {
            for (int j = 0; j < k; ++j) {
                const double apart = std::fabs(m_kp.FrameY[k] - m_kp.FrameY[j]);
                if (!Beyond(m_wSt, apart)) continue;
                Report(KeyPath(frameY, k).Path(),
                       "lays frame " + std::to_string(k + 1) + " " + KeyLengthText(apart) + " mm from frame " +
                           std::to_string(j + 1) + " (FrameY[" + std::to_string(j) +
                           "]); expected frames at least " + KeyLengthText(m_wSt) +
                           " mm apart, the outer diameter of " + BarList({{"st_d", m_kp.st_d, m_wSt}}),
                       m_kp.FrameY[k]);
                break;
            }
        }
    }

    bool OneSided() const { return m_kp.st_fWeld == 0; }
    // The full weld's (full true) or the short weld's length in main bar diameters, and in mm.
    double Factor(bool full) const { return (full ? kFullWeld : kShortWeld)[OneSided() ? 1 : 0]; }
    double Weld(bool full) const { return Factor(full) * m_kp.st_d; }
    bool LegsHoldShortWeld() const { return !Beyond(Weld(false), m_kp.st_LstWeld); }

    // The weld the design lays: the full weld, lowered to the welded end legs (st_LstWeld) where
    // they are shorter. Legs that do not hold the short weld are refused, and the full weld judged.
    double LaidWeld() const { return LegsHoldShortWeld() ? std::min(Weld(true), m_kp.st_LstWeld) : Weld(true); }

    std::string WeldText(bool full) const
    {
        return std::string(OneSided() ? "a weld on one side of " : "a weld on both sides of ") +
               KeyValueText(Factor(full)) + " × st_d " + KeyValueText(m_kp.st_d);
    }

    std::string LaidWeldText() const
    {
        const double laid = LaidWeld();
        return KeyLengthText(laid) + " mm, " + WeldText(true) + (laid == Weld(true) ? "" : " lowered to st_LstWeld");
    }

    // The welded end legs are the short legs by which the skeleton's through bars are welded to each
    // other: each holds at least the short weld. The design lowers every weld to them.
    void EndLegWelds()
    {
        if (LegsHoldShortWeld()) return;
        Report(KeyPath(m_cap, "st_LstWeld").Path(),
               "makes the welded end legs shorter than the short weld between the skeleton's bars; expected at least " +
                   KeyLengthText(Weld(false)) + " mm, " + WeldText(false),
               m_kp.st_LstWeld);
    }

    // Every bar the skeleton lays over a support line or in a span is welded to it with the weld
    // laid: a bar of a group ends or bends at dx from its support line, where it is welded on.
    void BarStationWelds()
    {
        const double weld = LaidWeld();
        ForEachBarGroup([&](const KeyPath& at, const auto& group) {
            for (int e = 0; e < group.GetSize(); ++e)
                if (Beyond(weld, group[e].dx))
                    Report(KeyPath(KeyPath(at, e), "dx").Path(),
                           "welds its bar on closer to the support line than one weld; expected at least " + LaidWeldText(),
                           group[e].dx);
        });
    }

    // A secondary frame's top cut-off bar is the pair LenT[2c] + LenT[2c + 1], a bottom one LenB[2s]
    // + LenB[2s + 1] (a pair of 0 lays no bar), welded to the through bar: no shorter than its weld.
    void CutOffWelds()
    {
        ForEachFrameRecord(false, [this](const KeyPath& record_at, const auto& record) {
            CutOffPairs(KeyPath(record_at, "LenT"), record.LenT, "top");
            CutOffPairs(KeyPath(record_at, "LenB"), record.LenB, "bottom");
        });
    }

    void CutOffPairs(const KeyPath& lengths, const CArray<double>& pairs, const char* which)
    {
        const double weld = LaidWeld();
        for (int k = 0; k + 1 < pairs.GetSize(); k += 2) {
            const double bar = pairs[k] + pairs[k + 1];
            if (!(bar > 0.0) || !Beyond(weld, bar)) continue;
            Report(KeyPath(lengths, k).Path(),
                   std::string("with the length after it lays a ") + which + " cut-off bar " + KeyLengthText(bar) +
                       " mm long, shorter than one weld; expected the two at least " + LaidWeldText(),
                   pairs[k]);
        }
    }

    // The outermost stirrups stand sg_a from each end: their surface, half the stirrup's outer
    // diameter about the axis, stays within the concrete; and an end's stirrups are laid between
    // it and its first support line, so sg_a stays short of that line.
    void OutermostStirrups()
    {
        Cover("sg_a", m_kp.sg_a, {{"sg_d", m_kp.sg_d, m_wSg / 2.0}}, "the outermost stirrups (sg) outside the beam's end");
        ShortOfFirstSupport("sg_a", m_kp.sg_a, "the outermost stirrups (sg)");
    }

    // A distance from each end that stays short of that end's first support line, as the frames
    // read the cantilevers: judged at the nearer line.
    void ShortOfFirstSupport(const char* key, double distance, const char* what)
    {
        const bool left = m_along.leftCantilever <= m_along.rightCantilever;
        ShortOf(key, distance, what, left ? m_along.leftCantilever : m_along.rightCantilever,
                std::string("the first support line from the ") + (left ? "left" : "right") + " end",
                "that line's distance from the end");
    }

    // A distance from an end that stays below bound, the distance from that end of what it names.
    void ShortOf(const char* key, double distance, const char* what, double bound, const std::string& at,
                 const char* boundIs)
    {
        if (distance < bound && !KVDataCommon::IsEqual(distance, bound)) return;
        Report(KeyPath(m_cap, key).Path(),
               std::string("puts ") + what + " at or past " + at + "; expected below " + KeyLengthText(bound) + " mm, " +
                   boundIs,
               distance);
    }

    // A bar is bent round a mandrel no smaller than its grade allows (the bend diameters of the end
    // hooks: 2.5 d for HPB300 up to 6 d for HRB500), d the main bar's diameter: the radius inside a
    // bend in its run is at least half that; 0 is a sharp bend, as the design reads it. Judged
    // where the bends are laid.
    void Bends()
    {
        BendRadius("KeyLen2", m_kp.KeyLen2, m_kp.KeyLen1 > 0.0, "the arcs of the bent-up bars");
        BendRadius("st_LeadPointR", m_kp.st_LeadPointR, m_kp.st_fCalculateLarc == 1, "the kinks of the through bars");
    }

    void BendRadius(const char* key, double radius, bool laid, const char* what)
    {
        const double least = KVDataCommon::InnerBendDiameter(m_kp.st_d, m_kp.st_type) / 2.0;
        if (!laid || radius == 0.0 || !Beyond(least, radius)) return;
        Report(KeyPath(m_cap, key).Path(),
               std::string("bends ") + what + " tighter than the bars can be bent; expected 0 (a sharp bend) or at least " +
                   KeyLengthText(least) + " mm, half the bend diameter of st_d " + KeyValueText(m_kp.st_d) +
                   " of st_type " + KeyValueText(m_kp.st_type),
               radius);
    }

    // The top bars stand st_ua under the top and the bottom bars the same over the bottom: each
    // stays in its half of the section, 2 st_ua + w(st_d) at most the section's height, where it
    // is least high; beyond, the two layers cross.
    void TopBarsInTheUpperHalf()
    {
        HalfOf("st_ua", m_kp.st_ua, m_along.leastHeight,
               "puts the top bars below the middle of the section where it is least high",
               "the section's " + KeyLengthText(m_along.leastHeight) + " mm height at station " +
                   KeyLengthText(m_along.leastHeightAt));
    }

    // The skeleton's end legs stand st_sa from each end, where its through bars end: the skeleton
    // carries a cantilever over its first support line only where its bars reach past that line.
    // Over a tapered end the bottom through bar starts at its end leg and runs down the rising
    // underside to the kink at the tapered part's foot: legs at or past the kink leave the tapered
    // part without a bottom bar, and its stirrups' legs are taken from an outline folded back on
    // itself. The through bars' outline is laid along the beam, the same in every frame, so the
    // kink stands at the tapered part's length from its end whatever the skew. Judged at the
    // nearest of the four bounds, a kink where it is nearer than both support lines.
    void EndLegsShortOfFirstSupportAndKinks()
    {
        const char* const what = "the skeleton's end legs";
        const double line = std::min(m_along.leftCantilever, m_along.rightCantilever);
        const bool left = m_along.leftKink > 0.0 && !(m_along.rightKink > 0.0 && m_along.rightKink < m_along.leftKink);
        const double kink = left ? m_along.leftKink : m_along.rightKink;
        if (kink > 0.0 && kink < line)
            ShortOf("st_sa", m_kp.st_sa, what, kink, std::string("the ") + (left ? "left" : "right") + " tapered part's kink",
                    "the kink's distance from that end");
        else
            ShortOfFirstSupport("st_sa", m_kp.st_sa, what);
    }

    // A distance from a face of the skeleton's bars that stays in its half of a length: twice it
    // and the bar's outer diameter at most the length.
    void HalfOf(const char* key, double distance, double length, const char* puts, const std::string& what)
    {
        const double most = (length - m_wSt) / 2.0;
        if (!Beyond(distance, most)) return;
        const BarInCover st = MainBarHalf();
        const std::string by = std::string(puts) + " by " + KeyLengthText(distance - most) + " mm";
        if (ReportThickBars({st}, by)) return;
        Report(KeyPath(m_cap, key).Path(),
               by + "; expected at most " + KeyLengthText(most) + " mm, so that twice it and the " + KeyLengthText(m_wSt) +
                   " mm outer diameter of " + BarList({st}) + " fit " + what,
               distance);
    }

    void Report(const std::string& path, const std::string& what, double given)
    {
        if (!m_named.insert(path).second) return;
        QMReportError(CString(KeyValueMessage(path, what, given).c_str()), 0);
        ++m_reported;
        if (m_rowOfEach) m_rowOfEach->push_back(m_row);
    }

    const CPM001_CapKeyParam& m_kp;
    double m_lWg;
    const CapAlongBeam& m_along;
    const std::string& m_root;
    const KeyPath m_start;
    const KeyPath m_cap;
    const double m_wSt, m_wSg, m_wSh, m_wSd;   // the outer diameters of the bars: skeleton, stirrups, side, end-face
    std::set<std::string> m_named;
    int m_reported = 0;
    int m_row = -1;                         // the row of Limits() judging, -1 outside them
    std::vector<int>* m_rowOfEach = nullptr;
};

// A number of bar diameters as the docs write it: "2.5 d".
std::string Diameters(double factor) { return KeyValueText(factor) + " d"; }

// The bend diameters by grade, from the bar helpers' table the judge reads.
std::string BendDiameters()
{
    const std::pair<int, const char*> grades[] = {{1, "HPB300"}, {2, "HRB335"}, {3, "HRB400"}, {4, "HRB500"}};
    std::string text;
    for (const auto& [type, grade] : grades)
        text += (text.empty() ? "" : ", ") + Diameters(KVDataCommon::InnerBendDiameter(1.0, type)) + " " + grade;
    return text;
}

// The limits in the order of the docs' table, which the key fit's test compares with this one.
const std::vector<CapKeyFit::Limit>& CapKeyFit::Limits()
{
    static const std::vector<Limit> limits = {
        {"`st_sa` (end-face bars laid outside the skeleton: `fDistribute` on, `fPosSdAndSt` 0)",
         "at least w(`st_d`)/2 + w(`sd_d`)", &CapKeyFit::EndFaceCover},
        {"`st_ua`", "at least w(`st_d`)/2 + w(`sg_d`)/2", &CapKeyFit::StirrupCover},
        {"`FrameY[k]`",
         "from each side face at least w(`st_d`)/2 + w(`sg_d`) + w(`sh_d`) (`fPosShAndSg` 0), otherwise "
         "w(`st_d`)/2 + w(`sg_d`)/2 and w(`sh_d`)/2",
         &CapKeyFit::FrameSides},
        {"`FrameAr[i].GJJ[g][e].dx` (`fGJJ` not 0)", "at least the `dx` before it in its group", &CapKeyFit::BarStationOrder},
        {"`FrameAr[i].LenT[2c]`, `LenT[2c + 1]` (`fGJJ` 0)",
         "at most the support line's distance from the beam's left end, from its right end", &CapKeyFit::TopCutOffEnds},
        {"`sg_s`, `sg_s2`, `sg_s3`, `sg_Min`, `sg_Max`", "from w(`sg_d`) to the beam's length", &CapKeyFit::StirrupSpacings},
        {"`sh_s`, `sh_Min`, `sh_Max`", "from w(`sh_d`) to the beam's height at the crown", &CapKeyFit::SideBarSpacings},
        {"`sd_Min`, `sd_Max`", "from w(`sd_d`) to the taller end face's height", &CapKeyFit::EndFaceBarSpacings},
        {"`Ldis`, `Cdis`", "from w(`SBd`) to the beam's length", &CapKeyFit::TendonBarSpacings},
        {"`FrameY[k]`", "at least w(`st_d`) from every other frame", &CapKeyFit::FramesApart},
        {"`st_LstWeld`",
         "at least " + Diameters(kShortWeld[0]) + " (`st_fWeld` other than 0), " + Diameters(kShortWeld[1]) +
             " (`st_fWeld` 0)",
         &CapKeyFit::EndLegWelds},
        {"`FrameAr[i].GJJ[g][e].dx`",
         "at least the weld laid: " + Diameters(kFullWeld[0]) + " (`st_fWeld` other than 0), " + Diameters(kFullWeld[1]) +
             " (`st_fWeld` 0), lowered to `st_LstWeld` where it is shorter",
         &CapKeyFit::BarStationWelds},
        {"`FrameAr[i].LenT[2c]` with `LenT[2c + 1]`, `LenB[2s]` with `LenB[2s + 1]`", "the two at least the weld laid, or both 0",
         &CapKeyFit::CutOffWelds},
        {"`sg_a`", "at least w(`sg_d`)/2, below each end's first support line", &CapKeyFit::OutermostStirrups},
        {"`KeyLen2` (arcs laid: `KeyLen1` above 0), `st_LeadPointR` (`st_fCalculateLarc` 1)",
         "0 or at least half the bend diameter of `st_d` for its `st_type` (" + BendDiameters() +
             ": the end hooks' bend diameters, above)",
         &CapKeyFit::Bends},
        {"`st_ua`", "at most (h − w(`st_d`))/2, h the section's least height", &CapKeyFit::TopBarsInTheUpperHalf},
        {"`st_sa`", "below each end's first support line and each tapered end's kink",
         &CapKeyFit::EndLegsShortOfFirstSupportAndKinks},
    };
    return limits;
}

} // namespace

std::vector<BuildableLimitRow> BuildableLimitRows()
{
    std::vector<BuildableLimitRow> rows;
    for (const CapKeyFit::Limit& limit : CapKeyFit::Limits()) rows.push_back({limit.keys, limit.limit});
    return rows;
}

CapAlongBeam CapAlongBeamOf(const CPM001T0101Atom& cap, int layMode)
{
    CapAlongBeam along;
    along.length = cap.bBg;
    along.spacings = cap.bBz;
    along.tanSkew = std::tan(cap.a);
    along.height = cap.hHgl;
    along.endFaceHeight = std::max(cap.hXbl, cap.hXbr);
    // Along the skew the frames of a pier read the cantilevers at the bearings.
    const bool alongSkew = CPM001T0101Atom::ChooseSkeletonLayout(layMode) == CPM001T0101Atom::SkeletonLayout::AlongSkew;
    const double shift = alongSkew && cap.PMorPT != 0 ? along.tanSkew * cap.vP : 0.0;
    along.leftCantilever = cap.bBzl - shift;
    along.rightCantilever = cap.bBzr + shift;
    // A tapered end whose underside rises: a tapered part longer than the token step of a square
    // end beside a tapered one, which the through bars turn at as at a square corner, and a rise.
    auto kink = [&cap](bool left, double rise) {
        return !CapBeamThroughBars::SquareEnd(cap, left) && Beyond(rise, 0.0) ? (left ? cap.bBpl : cap.bBpr) : 0.0;
    };
    along.leftKink = kink(true, cap.hHpl);
    along.rightKink = kink(false, cap.hHpr);
    // The top and the underside run straight between the outline's corners: the ends, the tapered
    // parts' feet and the crown; the section is least high at one of them.
    const CapUnderside underside{cap.bBg, cap.bBpl, cap.hHpl, cap.bBpr, cap.hHpr};
    along.leastHeight = INFINITY;
    for (const double x : {0.0, cap.bBpl, cap.bAc, cap.bBg - cap.bBpr, cap.bBg}) {
        if (!(x >= 0.0 && x <= cap.bBg)) continue;
        const double height = cap.GetFame_XZ(x) + cap.st.ua - underside.At(x);
        if (height < along.leastHeight) along.leastHeight = height, along.leastHeightAt = x;
    }
    return along;
}

int ReportKeysNotFittingCapBeam(const CPM001T0101Atom& cap, const CPM001_CapKeyParam& kp, const std::string& root)
{
    int reported = ReportKeysNotFittingCap(kp, cap.lWg, CapAlongBeamOf(cap, kp.st_fLayMode), root);
    if (cap.JGType != 0) reported += ReportTendonsNotFittingCap(kp, cap.lWg, root);
    return reported;
}

int ReportKeysNotFittingCap(const CPM001_CapKeyParam& kp, double lWg, const CapAlongBeam& along, const std::string& root,
                            std::vector<int>* rowOfEach)
{
    return CapKeyFit(kp, lWg, along, root).Run(rowOfEach);
}

// The tendons of each definition across the beam: a tendon at y from the centre line holds its duct
// (its outer size across, from the catalogue) within the side faces, |y| + size / 2 at most lWg / 2;
// the tendons of one definition run the same profile, so two of them lie side by side and their
// ducts touch at the least when their positions are the duct's size apart. A definition whose duct
// the catalogue does not hold has ducts of no size, as the design takes them: its axes are judged.
// Each position is named once, at its first fault: the side, else the first earlier position too near.
int ReportTendonsNotFittingCap(const CPM001_CapKeyParam& kp, double lWg, const std::string& root)
{
    const KeyPath start(root);
    const KeyPath cap(start, "cap");
    const KeyPath all(cap, "SteelAr");
    int reported = 0;
    auto report = [&reported](const KeyPath& at, const std::string& what, double given) {
        QMReportError(CString(KeyValueMessage(at.Path(), what, given).c_str()), 0);
        ++reported;
    };
    for (int k = 0; k < kp.SteelAr.GetSize(); ++k) {
        const auto& tendon = kp.SteelAr[k];
        const double duct = pm001_tendon::CatalogueDuctSize(tendon.BseriesIndex).across;
        const double reach = lWg / 2.0 - duct / 2.0;
        const KeyPath definition(all, k);
        const KeyPath positions(definition, "Y");
        for (int j = 0; j < tendon.Y.GetSize(); ++j) {
            const double y = tendon.Y[j];
            const KeyPath at(positions, j);
            if (Beyond(std::fabs(y), reach)) {
                report(at,
                       "puts the tendon's duct outside the beam's side by " + KeyLengthText(std::fabs(y) - reach) +
                           " mm; expected from -" + KeyLengthText(reach) + " to " + KeyLengthText(reach) +
                           " mm in a cap " + KeyLengthText(lWg) + " mm wide" +
                           (duct > 0.0 ? " with a duct " + KeyLengthText(duct) + " mm across" : std::string()),
                       y);
                continue;
            }
            for (int i = 0; i < j; ++i) {
                const double apart = std::fabs(y - tendon.Y[i]);
                if (!Beyond(duct, apart)) continue;
                report(at,
                       "lays the tendon's duct into that of the tendon at Y[" + std::to_string(i) + "] (" +
                           KeyValueText(tendon.Y[i]) + " mm); expected at least " + KeyLengthText(duct) +
                           " mm from it, the duct's size across",
                       y);
                break;
            }
        }
    }
    return reported;
}
