// The check of the design's results: published numbers and skeleton bars on cases worked by hand.
#include "capbeam/design_result_check.h"

#include "capbeam/cap_beam_reinforcement.h"
#include "host/report.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::vector<std::string> ErrorMessages()
{
    std::vector<std::string> messages;
    for (const auto& entry : ReportLog::Current().Entries())
        if (entry.kind == ReportEntry::Error) messages.push_back(entry.message.str());
    return messages;
}

constexpr const char* kSubject = "Design result out of the cap: ";

// The check said it reported as many errors as it did: the one expected, or none.
void ExpectReported(int reported, const char* message)
{
    const auto messages = ErrorMessages();
    EXPECT_EQ(reported, static_cast<int>(messages.size()));
    if (!message) {
        EXPECT_TRUE(messages.empty()) << messages.front();
        return;
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], std::string(kSubject) + message);
}

struct ValueCase {
    const char* what;
    void (*enter)(OutputDataMap&);
    const char* message;   // the one error expected, or nullptr for none
};

void Real(OutputDataMap& map, const char* name, double value) { InSert_OutputData(map, name, value, 1, ""); }

void Reals(OutputDataMap& map, const char* name, std::initializer_list<double> values)
{
    CArray<double> list;
    for (double v : values) list.Add(v);
    InSert_OutputData(map, name, list, 1, "");
}

const ValueCase kValueCases[] = {
    {"a negative length", [](OutputDataMap& m) { Real(m, "PM001_T0101_sd_a", -19.0); },
     "PM001_T0101_sd_a = -19.0, a length, cannot be negative"},
    {"a zero length, and one a rounding below it",
     [](OutputDataMap& m) { Real(m, "PM001_T0101_sd_a", 0.0); Real(m, "PM001_T0101_sh_a", -1e-7); }, nullptr},
    {"a length that is not a number", [](OutputDataMap& m) { Real(m, "PM001_T0101_st_sa", kNaN); },
     "PM001_T0101_st_sa = nan, a length, is not a finite number"},
    {"an infinite length in a list", [](OutputDataMap& m) { Reals(m, "PM001_T0101_HDM", {1800.0, INFINITY}); },
     "PM001_T0101_HDM element 2 = inf, a length, is not a finite number"},
    {"a negative count", [](OutputDataMap& m) { InSert_OutputData(m, "PM001_T0101_sd_n", -3, ""); },
     "PM001_T0101_sd_n = -3, a count, cannot be negative"},
    {"a tendon dimension list: the first failing element named, every failing one counted",
     [](OutputDataMap& m) { Reals(m, "PM001_T0104_Steel[2]_Dsx", {3750.0, -500.0, -20.0}); },
     "PM001_T0104_Steel[2]_Dsx element 2 = -500.0, a tendon dimension, cannot be negative "
     "(2 values of this kind fail)"},
    {"one error for one kind of value in several frames",
     [](OutputDataMap& m) {
         Reals(m, "PM001_T0101_Frame[1]_class[3]_1_L", {-77.6, 900.0});
         Reals(m, "PM001_T0101_Frame[2]_class[3]_1_L", {-77.6, 900.0});
     },
     "PM001_T0101_Frame[1]_class[3]_1_L element 1 = -77.6, a length, cannot be negative "
     "(2 values of this kind fail)"},
    {"signed names: positions across, levels from the top, skew, slopes, elevations, end types, bar corners",
     [](OutputDataMap& m) {
         Real(m, "PM001_T0101_Frame[1]_y", -825.0);
         Reals(m, "PM001_T0101_Frame[1]_zt2", {-60.0, -88.0});
         Real(m, "PM001_T0101_a", -0.2);
         Real(m, "PM001_T0101_iRb", -0.02);
         Reals(m, "PM001_T0101_zGai", {-3.5});
         Real(m, "PM001_T0101_bAg", -4000.0);
         InSert_OutputData(m, "PM001_T0104_Steel[3]_lMC", -1, "");
         Reals(m, "PM001_T0104_Steel[1]_Y", {-300.0, 300.0});
         Reals(m, "PM001_T0101_Frame[1]_class[6]_7_z", {478.0, -12.0});
         InSert_OutputData(m, "PM001_T0101_st_ns", -1, "");
     },
     nullptr},
    {"a signed name is still judged finite", [](OutputDataMap& m) { Real(m, "PM001_T0101_Frame[3]_y", kNaN); },
     "PM001_T0101_Frame[3]_y = nan, a length, is not a finite number"},
    {"a sibling module's value and texts are not judged",
     [](OutputDataMap& m) {
         Real(m, "PG001_height", -2000.0);
         InSert_OutputData(m, "PM001_T0101_sd_R", CString("-1"), "");
     },
     nullptr},
};

TEST(DesignResultCheck, PublishedValues)
{
    for (const auto& c : kValueCases) {
        SCOPED_TRACE(c.what);
        ReportLog::Current().Clear();
        OutputDataMap map;
        c.enter(map);
        map.Order();
        ExpectReported(CheckPublishedValues(map), c.message);
    }
    ReportLog::Current().Clear();
}

TEST(DesignResultCheck, SignedNamePatterns)
{
    EXPECT_TRUE(IsSignedOutputName("PM001_T0101_Frame[12]_zt10"));
    EXPECT_TRUE(IsSignedOutputName("PM001_lb_fVarHzt"));
    EXPECT_FALSE(IsSignedOutputName("PM001_T0101_Frame[1]_zb1"));    // levels from the bottom
    EXPECT_FALSE(IsSignedOutputName("PM001_T0101_Frame[]_zt1"));      // "#" is a number
    EXPECT_FALSE(IsSignedOutputName("PM001_T0104_a"));                 // the cap's skew, not the tendons'
    EXPECT_FALSE(IsSignedOutputName("PM001_T0104_Steel[1]_YZ"));      // not the positions Y
    for (const auto& group : SignedOutputNameTable()) EXPECT_FALSE(group.patterns.empty()) << group.reason;
}

// A beam 10000 long and 1500 high at the crown (station 5000), top cover 50; its bars in one frame.
struct Beam {
    std::vector<std::unique_ptr<CapBeamRecords::singAr>> bars;
    CapBeamRecords::FrameAr frame;
    std::unique_ptr<CPM001T0101Atom> atom = std::make_unique<CPM001T0101Atom>();   // goes first

    Beam(double iLb = 0.0, double iRb = 0.0)
    {
        atom->bBg = 10000.0;
        atom->hHgl = 1500.0;
        atom->bAc = 5000.0;
        atom->iLb = iLb;
        atom->iRb = iRb;
        atom->st.ua = 50.0;
        frame.name = "W1";
        atom->st.Frame.Add(&frame);
    }
    // A bar of mark R through the points (x, z, bend radius).
    void Bar(const char* R, std::initializer_list<std::array<double, 3>> points)
    {
        auto bar = std::make_unique<CapBeamRecords::singAr>();
        bar->R = R;
        for (const auto& p : points) bar->PtAr.Add({.x = p[0], .z = p[1], .RR = p[2]});
        frame.Bars.Add(bar.get());
        bars.push_back(std::move(bar));
    }
};

struct BarCase {
    const char* what;
    void (*make)(Beam&);
    const char* message;
};

// A leg down to a corner, then up at 45 degrees, bent with radius 100: the tangent points lie
// 100 / tan 22.5° = 241.42 from the corner, the centre 100 right of the vertical leg and 241.42
// above the corner, the arc's lowest point 141.42 above the corner.
const BarCase kBarCases[] = {
    {"bars within the beam, from end to end and from bottom to top",
     [](Beam& b) {
         b.Bar("1", {{0.0, 1450.0, 0.0}, {10000.0, 1450.0, 0.0}});
         b.Bar("2", {{60.0, 0.0, 0.0}, {60.0, 1500.0, 0.0}});
     },
     nullptr},
    {"a bend's corner below the bottom, its arc above it",
     [](Beam& b) { b.Bar("5", {{100.0, 500.0, 0.0}, {100.0, -10.0, 100.0}, {610.0, 500.0, 0.0}}); }, nullptr},
    {"a bend whose arc leaves the bottom: the tangent point on the sloped leg",
     [](Beam& b) { b.Bar("5", {{100.0, 500.0, 0.0}, {100.0, -200.0, 100.0}, {800.0, 500.0, 0.0}}); },
     "a bar's bend, the arc at vertex 2 of bar 5 in frame 1 (W1), reaches x = 270.7, z = -29.3, outside the "
     "beam (x 0 to 10000.0, z 0 to 1500.0 there)"},
    {"a bend whose arc leaves the bottom between its tangent points",
     [](Beam& b) { b.Bar("5", {{100.0, 500.0, 0.0}, {100.0, -150.0, 100.0}, {750.0, 500.0, 0.0}}); },
     "a bar's bend, the arc at vertex 2 of bar 5 in frame 1 (W1), reaches x = 200.0, z = -8.6, outside the "
     "beam (x 0 to 10000.0, z 0 to 1500.0 there)"},
    {"a corner without a bend is the bar's own point",
     [](Beam& b) { b.Bar("5", {{100.0, 500.0, 0.0}, {100.0, -10.0, 0.0}, {610.0, 500.0, 0.0}}); },
     "a bar's vertex, vertex 2 of bar 5 in frame 1 (W1), reaches x = 100.0, z = -10.0, outside the beam "
     "(x 0 to 10000.0, z 0 to 1500.0 there)"},
    {"a leg beyond the beam's end, in two bars of one mark",
     [](Beam& b) {
         b.Bar("7", {{9000.0, 60.0, 0.0}, {10010.0, 60.0, 0.0}});
         b.Bar("7", {{9000.0, 60.0, 0.0}, {10077.6, 60.0, 0.0}});
     },
     "a bar's vertex, vertex 2 of bar 7 in frame 1 (W1), reaches x = 10010.0, z = 60.0, outside the beam "
     "(x 0 to 10000.0, z 0 to 1500.0 there) (2 bars of this mark fail)"},
    {"a station before the beam's start", [](Beam& b) { b.Bar("3", {{-77.6, 1450.0, 0.0}, {900.0, 1450.0, 0.0}}); },
     "a bar's vertex, vertex 1 of bar 3 in frame 1 (W1), reaches x = -77.6, z = 1450.0, outside the beam "
     "(x 0 to 10000.0, z 0 to 1500.0 there)"},
    {"a vertex that is not a number", [](Beam& b) { b.Bar("3", {{100.0, kNaN, 0.0}, {900.0, 1450.0, 0.0}}); },
     "a bar's vertex, vertex 1 of bar 3 in frame 1 (W1), reaches x = 100.0, z = nan, outside the beam "
     "(x 0 to 10000.0, z 0 to 1500.0 there)"},
};

TEST(DesignResultCheck, BarsWithinBeam)
{
    for (const auto& c : kBarCases) {
        SCOPED_TRACE(c.what);
        ReportLog::Current().Clear();
        Beam beam;
        c.make(beam);
        ExpectReported(CheckBarsWithinBeam(*beam.atom), c.message);
    }
    ReportLog::Current().Clear();
}

// The top falls 2 % each way from the crown: at station 100 it stands 1500 - 4900 x 0.02 = 1402.
TEST(DesignResultCheck, BarsUnderASlopedTop)
{
    ReportLog::Current().Clear();
    Beam beam(0.02, 0.02);
    beam.Bar("1", {{100.0, 1400.0, 0.0}, {5000.0, 1490.0, 0.0}});
    EXPECT_EQ(CheckBarsWithinBeam(*beam.atom), 0);
    beam.Bar("2", {{100.0, 1420.0, 0.0}, {5000.0, 1490.0, 0.0}});
    EXPECT_EQ(CheckBarsWithinBeam(*beam.atom), 1);
    EXPECT_EQ(ErrorMessages().at(0), std::string(kSubject) +
                                         "a bar's vertex, vertex 1 of bar 2 in frame 1 (W1), reaches x = 100.0, "
                                         "z = 1420.0, outside the beam (x 0 to 10000.0, z 0 to 1402.0 there)");
    ReportLog::Current().Clear();
}

} // namespace
