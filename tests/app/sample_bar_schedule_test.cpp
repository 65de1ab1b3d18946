// The bar schedules of the sample piers, designed as the host designs them: the top and bottom
// cut-off bars, the bent-up bars and their arcs and the standard inclined bars of every sample —
// count, mark and cut length of each schedule row, worked by hand from the sample's geometry and
// key parameters — and the rules every schedule keeps: every bent-up bar ends in a welded leg at
// both ends, and a row whose segments do not vary holds bars of one length.
#include "project_file.h"
#include "project_session.h"

#include "host/output_data.h"
#include "host/report.h"
#include "module/pier_component.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <mutex>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

// Shared by every sample (examples/keyparams/*.json), as the key parameters give them:
//
// Bars d 28 of HRB400, outer diameter w = 31.6; top bars' axis ua = 60 under the top, bottom
// cover da = 60, end cover sa = 60; welded legs H = 140; inclined at a = 45 degrees; bars follow
// their bends (fCalculateLarc 1) with radius 280: a bend through t shortens a bar by
// 280 t - 560 tan(t / 2), at 45 degrees by 219.9115 - 231.9596 = -12.0481.
// The inner through-bar outline, on which the bottoms of the inclined bars stand, lies da + w = 91.6
// inside the bottom, the end faces and the sloped bottoms of the ends.
// Marks: 1 and 2 are the top and bottom through bars; then the top cut-off bars of the main frames,
// the bent-up bars, their arcs, the standard inclined bars, the top and then the bottom cut-off
// bars of the secondary frames.
// Main frames W: per support line the outermost pair of bent-up entries (fBar 2) is the top cut-off
// bar, reaching their dx either side, one bar under the top (z = top - 31.6); every other pair of
// fBar 2 entries is a bent-up bar over the support line, one layer lower per bent-up entry after
// it and one more under the cut-off bar; entries of fBar 0 are standard inclined bars, their top
// one bar under the top bars' axis where no cut-off bar reaches over them.
// Arcs (KeyLen1 400, KeyLen2 280): feet 400 either side of the support line on the inner outline,
// apex 400 higher; each leg 400 sqrt 2 - 280 tan 45 = 285.6854, the bend a quarter turn of radius
// 280 = 439.8230, welded legs 140: 1291.1938; the feet bend through 45 degrees:
// 1291.1938 - 2 x 12.0481 = 1267.10 -> 1267. No end is so short that an arc runs onto it.
// Secondary frames N: hooks of a 28 mm HRB400 bar, right-angle, bend diameter 5d = 140, straight
// end 10d = 280: (140 + 28) / 2 x pi / 2 + 280 - (70 + 28) = 313.95, two rounded hooks 628.

namespace {

const std::string kSourceDir = PM001_SOURCE_DIR;

void RegisterComponentOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { CPM001Norm::Regist(); });
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What a schedule row holds: the kind of its bars, their number and the cut length; varying
// counts the row's segment labels other than "/".
enum class Kind { TopCutOff, BottomCutOff, BentUp, Arc, Inclined };

struct Row {
    std::string mark;
    Kind kind;
    int n;
    double TL;
    int varying = 0;
};

bool operator==(const Row& a, const Row& b)
{
    return a.mark == b.mark && a.kind == b.kind && a.n == b.n && a.TL == b.TL && a.varying == b.varying;
}

std::ostream& operator<<(std::ostream& os, const Row& r)
{
    static const char* const kinds[] = {"top cut-off", "bottom cut-off", "bent-up", "arc", "inclined"};
    return os << "{" << r.mark << " " << kinds[static_cast<int>(r.kind)] << " n " << r.n << " TL " << r.TL
              << " varying " << r.varying << "}";
}

// One bar of a frame as the output gives it.
struct Bar {
    int frame;
    Kind kind;
    std::string mark;
    double sTL;
    std::vector<double> L;
    std::vector<int> enPoint;
    std::vector<int> fH;
};

// A pier designed in a session of its own, as `pm001 design` does, with its bars and schedule.
class ScheduledPier {
public:
    explicit ScheduledPier(std::unique_ptr<Project> p) : project(std::move(p))
    {
        RegisterComponentOnce();
        ReportLog::Current().Clear();
        ProjectSession session(*project);
        if (session.Receive() == 1 && session.Diagnose() == 1) designed = session.Design();
        if (designed == 1) outputs = session.Output();
        if (const CBGOutputData* mode = Value("PM001_T0101_st_fLayMode")) layMode = mode->intValue;
        errors = ReportLog::Current().Count(ReportEntry::Error);
        warnings = ReportLog::Current().Count(ReportEntry::Warning);
        ReadBars();
        ReadRows();
    }

    std::unique_ptr<Project> project;
    int designed = 0;
    int layMode = 0;
    int errors = 0;
    int warnings = 0;
    OutputDataMap outputs;
    std::vector<Bar> bars;
    std::vector<Row> rows;   // the schedule after the two through-bar rows

private:
    const CBGOutputData* Value(const std::string& key) const
    {
        const auto it = outputs.find(CString(key));
        return it == outputs.end() ? nullptr : it->second;
    }

    void ReadBars()
    {
        const CBGOutputData* frames = Value("PM001_T0101_st_nFrame");
        if (!frames) return;
        for (int f = 1; f <= frames->intValue; ++f) {
            for (int c = 3; c <= 6; ++c) {
                for (int i = 1;; ++i) {
                    const std::string key =
                        "PM001_T0101_Frame[" + std::to_string(f) + "]_class[" + std::to_string(c) + "]_" +
                        std::to_string(i) + "_";
                    const CBGOutputData* mark = Value(key + "R");
                    if (!mark) break;
                    Bar bar{f, Kind::Inclined, mark->text.str(), Value(key + "sTL")->doubleValue, {}, {}, {}};
                    const bool arc = Value(key + "fStwArc")->intValue != 0;
                    bar.kind = c == 3 ? Kind::TopCutOff
                               : c == 4 ? Kind::BottomCutOff
                               : c == 5 ? (arc ? Kind::Arc : Kind::BentUp)
                                        : Kind::Inclined;
                    const CBGOutputData* L = Value(key + "L");
                    bar.L.assign(L->doubleList.begin(), L->doubleList.end());
                    const CBGOutputData* en = Value(key + "enPoint");
                    bar.enPoint.assign(en->intList.begin(), en->intList.end());
                    const CBGOutputData* fH = Value(key + "fH");
                    bar.fH.assign(fH->intList.begin(), fH->intList.end());
                    bars.push_back(bar);
                }
            }
        }
    }

    // The kind of a row is that of the frame bars carrying its mark.
    void ReadRows()
    {
        const CBGOutputData* marks = Value("PM001_T0101_Frame_R");
        const CBGOutputData* counts = Value("PM001_T0101_Frame_n");
        const CBGOutputData* cuts = Value("PM001_T0101_Frame_TL");
        if (!marks || !counts || !cuts) return;
        for (int r = 2; r < marks->textList.GetSize(); ++r) {
            Row row{marks->textList[r].str(), Kind::Inclined, counts->intList[r], cuts->doubleList[r]};
            for (const Bar& bar : bars) {
                if (bar.mark == row.mark) row.kind = bar.kind;
            }
            if (const CBGOutputData* labels = Value("PM001_T0101_Frame_szL" + std::to_string(r + 1))) {
                for (const CString& label : labels->textList) row.varying += label == "/" ? 0 : 1;
            }
            rows.push_back(row);
        }
    }
};

std::unique_ptr<Project> Sample(const std::string& file) { return LoadProjectFile(kSourceDir + "/examples/" + file); }

// The sample pier of file with its key-parameter file written into the project, every bar entry
// of its main frames turned into fBar 0 without links: standard inclined bars only.
std::unique_ptr<Project> AllEntriesInclined(const std::string& file)
{
    nlohmann::json project = nlohmann::json::parse(ReadText(kSourceDir + "/examples/" + file));
    nlohmann::json key = nlohmann::json::parse(
        ReadText(kSourceDir + "/examples/" + project["keyParameterFile"].get<std::string>()));
    for (nlohmann::json& record : key["cap"]["FrameAr"]) {
        if (!record.contains("GJJ")) continue;
        for (nlohmann::json& group : record["GJJ"]) {
            for (nlohmann::json& entry : group) {
                entry["fBar"] = 0;
                entry["fWQ"] = 0;
                entry["fXJ"] = 0;
            }
        }
    }
    project.erase("keyParameterFile");
    project["keyParameters"] = key;
    return ReadProjectText(project.dump(), file + " (inclined bars only)", kSourceDir + "/examples");
}

// What holds on every pier: each row counts the frame bars of its mark; every bent-up bar ends in
// a welded leg of 140 at both ends; a row without a varying segment holds bars of one length. A
// skeleton laid frame by frame publishes one frame per record, which stands for every frame of its
// name, so its rows count more bars than the published frames show: there the count is not read.
void ExpectScheduleInvariants(const ScheduledPier& pier)
{
    ASSERT_EQ(pier.designed, 1);
    EXPECT_EQ(pier.errors, 0);
    EXPECT_EQ(pier.warnings, 0);
    for (const Row& row : pier.rows) {
        SCOPED_TRACE("mark " + row.mark);
        int count = 0;
        std::set<double> lengths;
        for (const Bar& bar : pier.bars) {
            if (bar.mark != row.mark) continue;
            ++count;
            lengths.insert(bar.sTL);
        }
        if (pier.layMode == 0) {
            EXPECT_EQ(count, row.n);
        }
        if (row.varying == 0) {
            EXPECT_EQ(lengths.size(), 1u) << "a row of no varying segment holds bars of one length";
        }
    }
    for (const Bar& bar : pier.bars) {
        if (bar.kind != Kind::BentUp) continue;
        SCOPED_TRACE("bent-up bar " + bar.mark + " of frame " + std::to_string(bar.frame));
        ASSERT_GE(bar.enPoint.size(), 4u);
        ASSERT_GE(bar.L.size(), 3u);
        EXPECT_EQ(bar.enPoint.front(), 0);
        EXPECT_EQ(bar.enPoint.back(), 0);
        EXPECT_EQ(bar.fH.front(), 1);
        EXPECT_EQ(bar.fH.back(), 1);
        EXPECT_NEAR(bar.L.front(), 140.0, 0.05);
        EXPECT_NEAR(bar.L.back(), 140.0, 0.05);
    }
}

// The schedule of the pier is the expected one, row by row, and the invariants hold.
void ExpectSchedule(const ScheduledPier& pier, const std::vector<Row>& expected)
{
    ExpectScheduleInvariants(pier);
    EXPECT_EQ(pier.rows.size(), expected.size());
    for (std::size_t r = 0; r < expected.size() && r < pier.rows.size(); ++r)
        EXPECT_EQ(pier.rows[r], expected[r]) << "row " << r + 3;
}

} // namespace

// examples/footing.json: supports at 1750, 6750, 11750 (spans 5000), beam 13500, top bars' axis at
// 1740 everywhere (one plane); ends sloped over 1000 by 800: the inner outline's slope is
// z = 800 - 0.8 x moved 91.6 x sqrt(1.64) = 117.3053 up, z = 917.3053 - 0.8 x.
// Groups of W1, W2: ends [400, 900], inner [400, 900, inclined 1600]; N1, N2 secondary.
TEST(SampleBarSchedule, Footing)
{
    ScheduledPier pier(Sample("footing.json"));
    ExpectSchedule(pier, {
        // Cut-off pairs 900 / 900 over all three support lines of both W frames: one mark, 6 bars.
        {"3", Kind::TopCutOff, 6, 1800.0},
        // Over the inner support line: tops 400 either side at 1740 - 2 x 31.6 = 1676.8, down to
        // 91.6: 1585.2 sqrt 2 = 2241.8113 each side; 140 + 2241.8113 + 400 + 400 + 2241.8113 + 140
        // = 5563.6227, four 45-degree bends: 5563.6227 - 48.1924 = 5515.43 -> 5515; both frames.
        {"4", Kind::BentUp, 2, 5515.0},
        // Over an end support line: the outer leg from (1350, 1676.8) down to the end slope,
        // x + 326.8 = 917.3053 - 0.8 x at x = 328.0585: 1021.9415 sqrt 2 = 1445.2435, its 140 leg
        // up the slope; 140 + 1445.2435 + 800 + 2241.8113 + 140 = 4767.0549; three 45-degree bends
        // and the bend onto the slope through atan 0.8 + 45 deg = 1.460139: -92.3850;
        // 4767.0549 - 36.1443 - 92.3850 = 4638.53 -> 4639. The two ends mirror each other but
        // their bend onto the slope keeps them apart: two marks of two bars.
        {"5", Kind::BentUp, 2, 4639.0},
        {"6", Kind::BentUp, 2, 4639.0},
        // One arc over each support line of each W frame, all alike.
        {"7", Kind::Arc, 6, 1267.0},
        // At 1600 either side of a span, top 1708.4 (the 900 cut-off bars end short of it), bottom
        // 91.6: 1616.8 sqrt 2 = 2286.5005; 140 + 2286.5005 + 140 - 2 x 12.0481 = 2542.40 -> 2542;
        // four in each W frame.
        {"8", Kind::Inclined, 8, 2542.0},
        // N1, N2: 1500 + 2000, 2000 + 2000, 2000 + 1500, each support line its own mark, plus hooks.
        {"9", Kind::TopCutOff, 2, 3500.0 + 628.0},
        {"10", Kind::TopCutOff, 2, 4000.0 + 628.0},
        {"11", Kind::TopCutOff, 2, 3500.0 + 628.0},
        // 1200 + 1200 in each span of both N frames.
        {"12", Kind::BottomCutOff, 4, 2400.0 + 628.0},
    });
}

// examples/pile_cap.json: supports at 2500 and 8500, beam 11000, top bars' axis 1740 at the crown
// 5500 falling 0.02 to both ends; ends sloped over 1200 by 690: inner slope z = 690 - 0.575 x
// moved 91.6 x sqrt(1.330625) = 105.6631 up, z = 795.6631 - 0.575 x. Groups of W1, W2: ends
// [500, 1100], inner [500, 1100, inclined 1900]; N1, N2 secondary.
TEST(SampleBarSchedule, PileCap)
{
    ScheduledPier pier(Sample("pile_cap.json"));
    ExpectSchedule(pier, {
        // 1100 / 1100 over both support lines of both W frames.
        {"3", Kind::TopCutOff, 4, 2200.0},
        // Over support line 0: outer top (2000, 1740 - 70 - 63.2 = 1606.8), its line x - 393.2 meets
        // the slope at x = 754.8337: 1245.1663 sqrt 2 = 1760.9311; along the top to the support and
        // on, sqrt(500^2 + 10^2) = 500.1 twice; inner top (3000, 1626.8) down to 91.6:
        // 1535.2 sqrt 2 = 2171.1007; 140 + 1760.9311 + 1000.2 + 2171.1007 + 140 = 5212.2317.
        // Bends: onto the slope through atan 0.575 + 45 deg = 1.307232 (-62.8936), the outer top
        // through 45 deg - atan 0.02 (-11.1143), the inner top through 45 deg + atan 0.02
        // (-13.0363), the inner bottom 45 deg (-12.0481): 5212.2317 - 99.0923 = 5113.14 -> 5113.
        // Support line 1 mirrors it: two marks (the two slopes of the top are not one line).
        {"4", Kind::BentUp, 2, 5113.0},
        {"5", Kind::BentUp, 2, 5113.0},
        {"6", Kind::Arc, 4, 1267.0},
        // At 1900 from the supports, top (4400, 1740 - 22 - 31.6 = 1686.4) down to 91.6:
        // 1594.8 sqrt 2 = 2255.3878; 280 + 2255.3878 - 13.0363 - 12.0481 = 2510.30 -> 2510.
        {"7", Kind::Inclined, 4, 2510.0},
        // N1, N2: 2200 + 2500 and 2500 + 2200, plus hooks.
        {"8", Kind::TopCutOff, 2, 4700.0 + 628.0},
        {"9", Kind::TopCutOff, 2, 4700.0 + 628.0},
        {"10", Kind::BottomCutOff, 2, 3000.0 + 628.0},
    });
}

// examples/piles.json: skewed 15 degrees (tan 0.267949), frames W1, N, W2 at -700, 0, 700, laid
// along the skew: cantilevers 2200 -+ 187.564 = 2012.436 / 2387.564 at W1, the other way round at
// W2, supports 6000 apart; beam 10400; top bars' axis 1540 everywhere; ends sloped over 1000 by
// 700: inner slope z = 811.8121 - 0.7 x (91.6 x sqrt 1.49 = 111.8121). The skew moves the outer
// cut-off ends: W1 912.436 at the left, 1287.564 at the right; W2 the other way round.
TEST(SampleBarSchedule, SkewedPiles)
{
    ScheduledPier pier(Sample("piles.json"));
    ExpectSchedule(pier, {
        // Support line 0: W1 912.436 + 1100, W2 1287.564 + 1100; support line 1 the mirror: two
        // patterns of totals, two marks; (912 + 1288 + 2 x 1100) / 2 = 2200; the outer length varies.
        {"3", Kind::TopCutOff, 2, 2200.0, 1},
        {"4", Kind::TopCutOff, 2, 2200.0, 1},
        // Bent-up bars at 500, tops at 1540 - 63.2 = 1476.8; inner legs 1385.2 sqrt 2 = 1958.9686.
        // Outer leg at a 2012.436 cantilever: top x 1512.436, its line meets the slope at 498.4989:
        // 1013.9371 sqrt 2 = 1433.9236; at 2387.564: top 1887.564 (from its end), meeting at
        // 719.1624: 1168.4016 sqrt 2 = 1652.3694. Bends: three of 45 deg and one onto the slope
        // through atan 0.7 + 45 deg (-78.9146): 140 + 1433.9236 + 1000 + 1958.9686 + 140 - 115.0589
        // = 4557.83 -> 4558 and with 1652.3694: 4776.28 -> 4776. Each mark holds the bars of one
        // support line of both frames, one short and one long: (4558 + 4776) / 2 = 4667, the outer
        // leg varies.
        {"5", Kind::BentUp, 2, 4667.0, 1},
        {"6", Kind::BentUp, 2, 4667.0, 1},
        {"7", Kind::Arc, 4, 1267.0},
        // At 1900, top 1508.4, down to 91.6: 1416.8 sqrt 2 = 2003.6578; 280 + 2003.6578 - 24.0962
        // = 2259.56 -> 2260.
        {"8", Kind::Inclined, 4, 2260.0},
        // N: 1900 + 2500 and 2500 + 1900, plus hooks; 1500 + 1500 in the span.
        {"9", Kind::TopCutOff, 1, 4400.0 + 628.0},
        {"10", Kind::TopCutOff, 1, 4400.0 + 628.0},
        {"11", Kind::BottomCutOff, 1, 3000.0 + 628.0},
    });
}

// examples/prestressed.json: supports at 3750 and 12750, beam 16500, top bars' axis 1940
// everywhere; ends sloped over 2500 by 800: inner slope z = 896.1756 - 0.32 x
// (91.6 x sqrt 1.1024 = 96.1756). Groups of W1, W2: ends [600, 1300, 2100], inner [600, 1300,
// 2100, inclined 3000]; N1, N2 secondary.
// examples/prestressed_symmetric.json has the same cap, ends and key parameters (only its tendons
// differ), and so the same schedule.
TEST(SampleBarSchedule, Prestressed)
{
    for (const char* file : {"prestressed.json", "prestressed_symmetric.json"}) {
        SCOPED_TRACE(file);
        ScheduledPier pier(Sample(file));
        ExpectSchedule(pier, {
            {"3", Kind::TopCutOff, 4, 4200.0},
            // At 1300, one layer under the cut-off bar: tops at 1940 - 63.2 = 1876.8; inner leg
            // 1785.2 sqrt 2 = 2524.6541; outer top (2450, 1876.8), its line meets the slope at
            // 1113.1633: 1336.8367 sqrt 2 = 1890.5726; the bend onto the slope through
            // atan 0.32 + 45 deg = 1.095101 (-34.8261): 140 + 1890.5726 + 2600 + 2524.6541 + 140
            // - 36.1443 - 34.8261 = 7224.26 -> 7224, over each support line.
            {"4", Kind::BentUp, 2, 7224.0},
            {"5", Kind::BentUp, 2, 7224.0},
            // At 600, two layers down: tops at 1845.2; inner leg 1753.6 sqrt 2 = 2479.9649; outer top
            // (3150, 1845.2) meets the slope at 1667.4058: 1482.5942 sqrt 2 = 2096.7048;
            // 140 + 2096.7048 + 1200 + 2479.9649 + 140 - 71.0704 = 5985.70 -> 5986.
            {"6", Kind::BentUp, 2, 5986.0},
            {"7", Kind::BentUp, 2, 5986.0},
            {"8", Kind::Arc, 4, 1267.0},
            // At 3000, top 1908.4 down to 91.6: 1816.8 sqrt 2 = 2569.3432; 280 + 2569.3432 - 24.0962
            // = 2825.25 -> 2825.
            {"9", Kind::Inclined, 4, 2825.0},
            {"10", Kind::TopCutOff, 2, 6900.0 + 628.0},
            {"11", Kind::TopCutOff, 2, 6900.0 + 628.0},
            {"12", Kind::BottomCutOff, 2, 4000.0 + 628.0},
        });
    }
}

// examples/prestressed_one_end.json: the prestressed pier's key parameters on a cap with square
// ends (supports at 3750 and 12750, beam 16500, top bars' axis 1940 everywhere): no bent-up bar
// reaches an end face, so both support lines lay the same bars and share their marks.
TEST(SampleBarSchedule, PrestressedOneEnd)
{
    ScheduledPier pier(Sample("prestressed_one_end.json"));
    ExpectSchedule(pier, {
        // 2100 / 2100 over both support lines of both W frames.
        {"3", Kind::TopCutOff, 4, 4200.0},
        // At 1300, tops 1876.8: legs of 1785.2 sqrt 2 = 2524.6541 on both sides; the outer foot at
        // 2450 - 1785.2 = 664.8 leaves room for its 140 leg on the bottom; four 45-degree bends:
        // 140 + 2524.6541 + 2600 + 2524.6541 + 140 - 48.1924 = 7881.12 -> 7881.
        {"4", Kind::BentUp, 4, 7881.0},
        // At 600, tops 1845.2: 1753.6 sqrt 2 = 2479.9649 each side;
        // 140 + 2 x 2479.9649 + 1200 + 140 - 48.1924 = 6391.74 -> 6392.
        {"5", Kind::BentUp, 4, 6392.0},
        {"6", Kind::Arc, 4, 1267.0},
        // At 3000, as in the prestressed pier: 2825.
        {"7", Kind::Inclined, 4, 2825.0},
        // N1, N2: 3400 + 3500 and 3500 + 3400, plus hooks; 2000 + 2000 in the span.
        {"8", Kind::TopCutOff, 2, 6900.0 + 628.0},
        {"9", Kind::TopCutOff, 2, 6900.0 + 628.0},
        {"10", Kind::BottomCutOff, 2, 4000.0 + 628.0},
    });
}

// examples/square_ends.json: supports at 2000 and 8500, beam 10500, square ends, top bars' axis
// 1440 everywhere; W frames of standard inclined bars only, at 500, 1100 and 1700 from each
// support line; the inner outline's end faces at 91.6 from the ends, their corners at 91.6 and
// 91.6 + 140 = 231.6 above the bottom. Tops one bar under the top bars' axis, at 1408.4.
TEST(SampleBarSchedule, SquareEnds)
{
    ScheduledPier pier(Sample("square_ends.json"));
    ExpectSchedule(pier, {
        // One arc over each support line of each W frame.
        {"3", Kind::Arc, 4, 1267.0},
        // Beside the span: down to 91.6, 1316.8 sqrt 2 = 1862.2344;
        // 280 + 1862.2344 - 24.0962 = 2118.14 -> 2118; six in each W frame.
        {"4", Kind::Inclined, 12, 2118.0},
        // Towards the ends, the same in both ends and frames. At 500 (top at 1500 from the end): the
        // foot 1500 - 1316.8 = 183.2 leaves no room for the 140 leg, the line meets the end face at
        // its foot (91.6, 0): a fillet of radius 140 in the 45-degree corner turns the bar up the
        // face, tangent 140 / tan 22.5 deg = 337.9899 from the corner, arc 135 / 180 pi 140 =
        // 329.8672; 140 + 329.8672 + (1408.4 sqrt 2 - 337.9899) + 140, the top bend -12.0481:
        // 2251.61 -> 2252.
        {"5", Kind::Inclined, 4, 2252.0},
        // At 1100 (top at 900): the line meets the end face at 1408.4 - 808.4 = 600, more than 140
        // above the corner 231.6: a straight leg down the face; 140 + 808.4 sqrt 2 + 140, two
        // 45-degree bends: 1399.15 -> 1399.
        {"6", Kind::Inclined, 4, 1399.0},
        // At 1700 (top at 300): meets the face at 1200; 140 + 208.4 sqrt 2 + 140 - 24.0962 =
        // 550.63 -> 551.
        {"7", Kind::Inclined, 4, 551.0},
        // N: 1800 + 2400 and 2400 + 1800, plus hooks; 1500 + 1500 in the span.
        {"8", Kind::TopCutOff, 1, 4200.0 + 628.0},
        {"9", Kind::TopCutOff, 1, 4200.0 + 628.0},
        {"10", Kind::BottomCutOff, 1, 3000.0 + 628.0},
    });
}

// examples/hammerhead.json: one column at 4250 under a beam 8500 long, laid frame by frame (the
// frames stand square to the beam, the skew moves none of them); top bars' axis 1940 everywhere;
// ends 1000 high, sloped over 2500: the inner outline's slope z = 1000 - 0.4 x moved
// 91.6 x sqrt 1.16 = 98.6562 up, z = 1098.6562 - 0.4 x. W frames: [600, 1300, inclined 2200] on
// both sides of the column; N frames secondary.
TEST(SampleBarSchedule, Hammerhead)
{
    ScheduledPier pier(Sample("hammerhead.json"));
    ExpectSchedule(pier, {
        // 1300 / 1300 over the column, one in each W frame.
        {"3", Kind::TopCutOff, 2, 2600.0},
        // At 600, one layer under the cut-off bar (1876.8), down to the slope:
        // x - 1773.2 = 1098.6562 - 0.4 x at x = 2051.3259, 1598.6741 sqrt 2 = 2260.8666 each side;
        // 140 + 2 x 2260.8666 + 1200 + 140 = 6001.7333; two 45-degree bends (-24.0962) and two onto
        // the slope through atan 0.4 + 45 deg = 1.165905 (-42.8086 each): 5892.02 -> 5892.
        {"4", Kind::BentUp, 2, 5892.0},
        {"5", Kind::Arc, 2, 1267.0},
        // At 2200 (no bent-up entry after it, beyond the cut-off bar's reach: top 1908.4 at 2050):
        // x - 141.6 = 1098.6562 - 0.4 x at x = 885.8973, its 140 leg up the slope; 140 +
        // 1164.1027 sqrt 2 + 140 = 1926.2719; the top bend -12.0481, the bend onto the slope
        // -42.8086: 1871.42 -> 1871; both ends of both W frames.
        {"6", Kind::Inclined, 4, 1871.0},
        // N: 3000 + 3000, plus hooks.
        {"7", Kind::TopCutOff, 2, 6000.0 + 628.0},
    });
}

// examples/continuous_bent_up.json: two columns 6000 apart, beam 10400, top bars' axis 1540; in
// every frame one bent-up bar over the whole beam, in the W frames under top cut-off bars.
TEST(SampleBarSchedule, ContinuousBentUp)
{
    ScheduledPier pier(Sample("continuous_bent_up.json"));
    ExpectSchedule(pier, {
        // 1100 / 1100 over both columns of both W frames.
        {"3", Kind::TopCutOff, 4, 2200.0},
        // One bar in each frame, 11367 (W) and 11446 (N) with eight bends (six of 45 degrees, two
        // onto the slopes z = 700 - 0.7 x through 45 deg + atan 0.7): their mean 11406.5 -> 11407;
        // the cantilever legs, the span legs and the bottom run differ: L1, L2, L3, L2, L1.
        {"4", Kind::BentUp, 4, 11407.0, 5},
        // Arcs over both columns of all four frames.
        {"5", Kind::Arc, 8, 1267.0},
    });
}

// The prestressed pier with every entry of its W frames turned into fBar 0: no bent-up and no
// main cut-off bar, only standard inclined bars, all with their top one bar under the top bars'
// axis (1908.4); the W frames still get their arcs.
TEST(SampleBarSchedule, EveryEntryAStandardInclinedBar)
{
    ScheduledPier pier(AllEntriesInclined("prestressed.json"));
    ExpectSchedule(pier, {
        {"3", Kind::Arc, 4, 1267.0},
        // Beside the spans, at 600, 1300, 2100 and 3000 from both support lines, all one shape:
        // 280 + 2569.3432 - 24.0962 -> 2825; 8 in each W frame.
        {"4", Kind::Inclined, 16, 2825.0},
        // Towards the ends (from support line 0, then from support line 1), each its own mark, the
        // same in both frames: top (3750 - dx, 1908.4), its line meets the slope at
        // x = (3750 - dx - 1012.2244) / 1.32; bends onto the slope (-34.8261) and at the top
        // (-12.0481); legs 140 and 140.
        // dx 600: x = 1619.5270, 1530.4730 sqrt 2 = 2164.4157: 2444.4157 - 46.8742 = 2397.54 -> 2398.
        {"5", Kind::Inclined, 2, 2398.0},
        // dx 1300: x = 1089.2239, 1360.7761 sqrt 2 = 1924.4280: 2204.4280 - 46.8742 -> 2158.
        {"6", Kind::Inclined, 2, 2158.0},
        // dx 2100: x = 483.1633, 1166.8367 sqrt 2 = 1650.1562: 1930.1562 - 46.8742 -> 1883.
        {"7", Kind::Inclined, 2, 1883.0},
        {"8", Kind::Inclined, 2, 2398.0},
        {"9", Kind::Inclined, 2, 2158.0},
        {"10", Kind::Inclined, 2, 1883.0},
        {"11", Kind::TopCutOff, 2, 6900.0 + 628.0},
        {"12", Kind::TopCutOff, 2, 6900.0 + 628.0},
        {"13", Kind::BottomCutOff, 2, 4000.0 + 628.0},
    });
}

// Every sample pier in examples/, those without a worked schedule here included.
TEST(SampleBarSchedule, EverySampleKeepsTheScheduleInvariants)
{
    int samples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kSourceDir + "/examples")) {
        if (entry.path().extension() != ".json") continue;
        SCOPED_TRACE(entry.path().filename().string());
        ++samples;
        ScheduledPier pier(Sample(entry.path().filename().string()));
        ExpectScheduleInvariants(pier);
    }
    EXPECT_GE(samples, 9);
}
