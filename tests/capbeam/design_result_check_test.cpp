// The check of the design's results: published numbers and skeleton bars on cases worked by hand.
#include "capbeam/bars_within_beam_check.h"
#include "capbeam/design_result_check.h"

#include "capbeam/cap_beam_reinforcement.h"
#include "reported_errors.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

// The check returned as many errors as it reported: the ones expected (after the common subject),
// in order, or none.
void ExpectReported(int reported, const char* message, const char* second = nullptr)
{
    const auto errors = ReportedErrors();
    ReportLog::Current().Clear();
    EXPECT_EQ(reported, static_cast<int>(errors.size()));
    std::vector<std::string> expected;
    for (const char* m : {message, second})
        if (m) expected.push_back(std::string("Design result out of the cap: ") + m);
    EXPECT_EQ(errors, expected);
}

using namespace OutputKinds;

void Real(OutputDataMap& m, const char* name, const OutputKind& kind, double value)
{
    InSert_OutputData(m, name, kind, value, 1, "");
}
void Reals(OutputDataMap& m, const char* name, const OutputKind& kind, std::initializer_list<double> values)
{
    CArray<double> list;
    for (double v : values) list.Add(v);
    InSert_OutputData(m, name, kind, list, 1, "");
}
void Int(OutputDataMap& m, const char* name, const OutputKind& kind, int value)
{
    InSert_OutputData(m, name, kind, value, "");
}

// A case: what it holds, how it is made, the one error expected (nullptr for none).
template <class T>
struct Case {
    const char* what;
    void (*make)(T&);
    const char* message;
    const char* second = nullptr;   // a second error, after the first
};

const Case<OutputDataMap> kValueCases[] = {
    {"a negative length", [](OutputDataMap& m) { Real(m, "PM001_T0101_sd_a", Length, -19.0); },
     "PM001_T0101_sd_a = -19.0, a length, cannot be negative"},
    {"zero, and a rounding below it",
     [](OutputDataMap& m) { Real(m, "PM001_T0101_sd_a", Length, 0.0); Real(m, "PM001_T0101_sh_a", Length, -1e-7); },
     nullptr},
    {"just beyond the equality tolerance below 0",
     [](OutputDataMap& m) { Real(m, "PM001_T0101_sh_a", Length, -1e-6); Real(m, "PM001_T0101_sd_a", Length, -2e-6); },
     "PM001_T0101_sd_a = 0.0, a length, cannot be negative"},
    {"not a number in a list", [](OutputDataMap& m) { Reals(m, "PM001_T0101_HDM", Length, {1800.0, NAN}); },
     "PM001_T0101_HDM element 2 = nan, a length, is not a finite number"},
    {"an infinite length", [](OutputDataMap& m) { Reals(m, "PM001_T0101_bBz", Length, {INFINITY, 9000.0}); },
     "PM001_T0101_bBz element 1 = inf, a length, is not a finite number"},
    {"a negative count", [](OutputDataMap& m) { Int(m, "PM001_T0101_sd_n", Count, -3); },
     "PM001_T0101_sd_n = -3, a count, cannot be negative"},
    {"a negative count in a list", [](OutputDataMap& m) { InSert_OutputData(m, "PM001_T0101_sg_ns", Count, [] {
         CArray<int> counts;
         counts.Add(4), counts.Add(0), counts.Add(-2);
         return counts;
     }(), ""); },
     "PM001_T0101_sg_ns element 3 = -2, a count, cannot be negative"},
    {"one error per kind: the first failing value named, each failing one of every tendon counted",
     [](OutputDataMap& m) {
         Reals(m, "PM001_T0104_Steel[2]_Dsx", Length, {-1.0});
         Reals(m, "PM001_T0104_Steel[1]_Dsx", Length, {3750.0, -500.0, -20.0});
     },
     "PM001_T0104_Steel[1]_Dsx element 2 = -500.0, a tendon dimension, cannot be negative "
     "(3 values of this kind fail)"},
    {"faults reported in name order, not in the order published",
     [](OutputDataMap& m) { Real(m, "PM001_T0101_sh_a", Length, -2.0); Real(m, "PM001_T0101_sd_a", Length, -3.0); },
     "PM001_T0101_sd_a = -3.0, a length, cannot be negative", "PM001_T0101_sh_a = -2.0, a length, cannot be negative"},
    {"signed kinds",
     [](OutputDataMap& m) {
         Real(m, "PM001_T0101_Frame[1]_y", Across, -825.0), Reals(m, "PM001_T0101_Frame[12]_zt10", FromTop, {-60.0, -88.0});
         Real(m, "PM001_T0101_a", Angle, -0.2), Real(m, "PM001_T0101_iRb", CrossSlope, -0.02);
         Real(m, "PM001_T0101_zGai", Elevation, -3.5), Real(m, "PM001_T0101_bAg", Offset, -4000.0);
         Reals(m, "PM001_T0101_Frame[1]_class[6]_7_z", BarVertex, {478.0, -12.0});
         Int(m, "PM001_T0104_Steel[3]_lMC", EndType, -1), Int(m, "PM001_T0101_st_ns", FramesLessThree, -1);
         Int(m, "PM001_lb_fVarHzt", Code, -1);
     },
     nullptr},
    {"the kind decides, not the name: a position across the beam published as a length",
     [](OutputDataMap& m) { Real(m, "PM001_T0101_Frame[1]_y", Length, -825.0); },
     "PM001_T0101_Frame[1]_y = -825.0, a length, cannot be negative"},
    {"the kind decides, not the name: angles taken one way only",
     [](OutputDataMap& m) { Real(m, "PM001_T0101_st_angle", Inclination, -0.7854); },
     "PM001_T0101_st_angle = -0.8, an angle, cannot be negative"},
    {"a signed kind is still judged finite", [](OutputDataMap& m) { Real(m, "PM001_T0101_Frame[3]_y", Across, -INFINITY); },
     "PM001_T0101_Frame[3]_y = -inf, a length, is not a finite number"},
    {"a value replaced by a later one of its name is not judged; the later one is",
     [](OutputDataMap& m) {
         Real(m, "PM001_T0101_sd_L", Length, -5.0), Real(m, "PM001_T0101_sd_L", Length, 5.0);
         Real(m, "PM001_T0101_sh_L", Length, 5.0), Real(m, "PM001_T0101_sh_L", Length, -5.0);
     },
     "PM001_T0101_sh_L = -5.0, a length, cannot be negative"},
    {"a sibling module's values and texts are not judged",
     [](OutputDataMap& m) {
         Real(m, "PG001_height", ItsModule, -2000.0), Real(m, "PM001_T0101_x", ItsModule, NAN);
         InSert_OutputData(m, "PM001_T0101_sd_R", CString("-1"), "");
     },
     nullptr},
};

TEST(DesignResultCheck, PublishedValues)
{
    ReportLog::Current().Clear();
    for (const auto& c : kValueCases) {
        SCOPED_TRACE(c.what);
        OutputDataMap map;
        c.make(map);
        ExpectReported(CheckPublishedValues(map), c.message, c.second);
        // Judged again once the map is in order (the replaced records emptied): the same faults.
        map.Order();
        ExpectReported(CheckPublishedValues(map), c.message, c.second);
    }
}

// A beam 10000 long and 1500 high at the crown (station 5000), top cover 50; its bars in one frame.
struct Beam {
    std::unique_ptr<CPM001T0101Atom> atom = std::make_unique<CPM001T0101Atom>();
    CapBeamRecords::FrameAr& frame = *atom->st.Frame.AddOwned(std::make_unique<CapBeamRecords::FrameAr>());
    Beam() { atom->bBg = 10000.0, atom->hHgl = 1500.0, atom->bAc = 5000.0, atom->st.ua = 50.0, frame.name = "W1"; }
    // A bar of mark R through the points (x, z, bend radius).
    void Bar(const char* R, std::initializer_list<std::array<double, 3>> points)
    {
        auto& bar = *frame.Bars.AddOwned(std::make_unique<CapBeamRecords::singAr>());
        bar.R = R;
        for (const auto& p : points) bar.PtAr.Add({.x = p[0], .z = p[1], .RR = p[2]});
    }
};

// Bends: a leg down to a corner, then up at 45°, radius 100: tangent points 100 / tan 22.5° = 241.42
// from the corner, the arc's lowest point 241.42 - 100 = 141.42 above it.
const Case<Beam> kBarCases[] = {
    {"a bar from corner to corner of the beam",
     [](Beam& b) { b.Bar("1", {{0.0, 0.0, 0.0}, {10000.0, 1500.0, 0.0}}); }, nullptr},
    {"an arc leaving the bottom at its tangent point: -200 + 241.42 sin 45° = -29.3",
     [](Beam& b) { b.Bar("5", {{100.0, 500.0, 0.0}, {100.0, -200.0, 100.0}, {800.0, 500.0, 0.0}}); },
     "a bar's bend, the arc at vertex 2 of bar 5 in frame 1 (W1), reaches x = 270.7, z = -29.3, outside the "
     "beam (x 0 to 10000.0, z 0 to 1500.0 there)"},
    {"an arc leaving the bottom between its tangent points: -150 + 141.42 = -8.6",
     [](Beam& b) { b.Bar("5", {{100.0, 500.0, 0.0}, {100.0, -150.0, 100.0}, {750.0, 500.0, 0.0}}); },
     "a bar's bend, the arc at vertex 2 of bar 5 in frame 1 (W1), reaches x = 200.0, z = -8.6, outside the "
     "beam (x 0 to 10000.0, z 0 to 1500.0 there)"},
    {"a corner below the bottom: a bend's arc stands 131.4 above it, a corner without a bend is the bar's own point",
     [](Beam& b) {
         b.Bar("5", {{100.0, 500.0, 0.0}, {100.0, -10.0, 100.0}, {610.0, 500.0, 0.0}});
         b.Bar("6", {{100.0, 500.0, 0.0}, {100.0, -10.0, 0.0}, {610.0, 500.0, 0.0}});
     },
     "a bar's vertex, vertex 2 of bar 6 in frame 1 (W1), reaches x = 100.0, z = -10.0, outside the beam "
     "(x 0 to 10000.0, z 0 to 1500.0 there)"},
    {"bars of one mark past the beam's end, before its start and at a level that is not a number",
     [](Beam& b) {
         b.Bar("7", {{9000.0, 60.0, 0.0}, {10010.0, 60.0, 0.0}});
         b.Bar("7", {{-77.6, 60.0, 0.0}, {900.0, 60.0, 0.0}});
         b.Bar("7", {{100.0, NAN, 0.0}, {900.0, 60.0, 0.0}});
     },
     "a bar's vertex, vertex 2 of bar 7 in frame 1 (W1), reaches x = 10010.0, z = 60.0, outside the beam "
     "(x 0 to 10000.0, z 0 to 1500.0 there) (3 bars of this mark fail)"},
    {"a top falling 2 % each way from the crown: at station 100 it stands 1500 - 4900 x 0.02 = 1402",
     [](Beam& b) {
         b.atom->iLb = b.atom->iRb = 0.02;
         b.Bar("1", {{100.0, 1400.0, 0.0}, {5000.0, 1490.0, 0.0}});
         b.Bar("2", {{100.0, 1420.0, 0.0}, {5000.0, 1490.0, 0.0}});
     },
     "a bar's vertex, vertex 1 of bar 2 in frame 1 (W1), reaches x = 100.0, z = 1420.0, outside the beam "
     "(x 0 to 10000.0, z 0 to 1402.0 there)"},
};

TEST(DesignResultCheck, BarsWithinBeam)
{
    ReportLog::Current().Clear();
    for (const auto& c : kBarCases) {
        SCOPED_TRACE(c.what);
        Beam beam;
        c.make(beam);
        ExpectReported(CheckBarsWithinBeam(*beam.atom), c.message);
    }
}

} // namespace
