// The check of the design's results: published numbers and skeleton bars on cases worked by hand.
#include "capbeam/bars_within_beam_check.h"
#include "capbeam/design_result_check.h"
#include "capbeam/design_result_faults.h"

#include "capbeam/cap_beam_reinforcement.h"
#include "capbeam/skeleton/through_bars.h"
#include "capbeam/stirrups/bar_set_steps_test_support.h"
#include "pier/pier_design_record.h"
#include "private_member.h"
#include "reported_errors.h"
#include "string_hash_colliding_keys.h"
#include "tendon/design_object.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The index of a fault collection itself, whatever the type's names say.
struct FaultIndexOf { friend constexpr auto MemberPointer(FaultIndexOf); };
template struct PrivateMember<&DesignResultFaults::FaultsByKind::m_index, FaultIndexOf>;

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
    {"a negative count", [](OutputDataMap& m) { Int(m, "PM001_T0101_sd_n", Count, -3); },
     "PM001_T0101_sd_n = -3, a count, cannot be negative"},
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
    {"signs a real pier, its cap and tendons give: skewed the other way, two frames, the control section left, below "
     "the datum, a filleted node's corner below the bottom",
     [](OutputDataMap& m) {
         CPM001Atom pier;
         CPM001T0101Atom cap;
         CPM001T010401Atom tendons;
         pier.zGl = -3.5, pier.bAc = cap.bAc = -500.0, pier.a = cap.a = -0.2, cap.st.ns = -1;
         tendons.Steel.emplace_back(std::make_unique<pm001_tendon::M_Steel>())->LNode.Add(
             {.NR = {}, .refZ = -50.0, .Z = -50.0, .ZZ = -50.0, .R = 6000.0});
         pier.OutPM001AtomData(m), cap.OutPM001AtomData(m), tendons.OutPM00104AtomData(m);
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

// A beam 10000 long and 1500 high at the crown (station 5000), top and bottom covers 50; its bars in one frame.
struct Beam {
    std::unique_ptr<CPM001T010401Atom> tendons;
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
    // Plain bars (whose outer diameter is the nominal one): skeleton bars 28, stirrups 12, end-face and side bars 16.
    void PlainBars()
    {
        atom->st.d = 28.0, atom->sg.d = 12.0, atom->sd.d = 16.0;
        atom->st.type = atom->sg.type = atom->sd.type = 1;
        atom->st.da = 50.0, atom->sg.a = 50.0;
        atom->sh.d = 16.0, atom->sh.type = 1, atom->sd.a = atom->sh.a = 8.0;   // their surface on the faces
    }
    // The underside rising 400 over the left 2000 and, when both, over the right 2000: 0.2 a millimetre.
    void Tapered(bool both)
    {
        atom->bBpl = 2000.0, atom->hHpl = 400.0;
        if (both) atom->bBpr = 2000.0, atom->hHpr = 400.0;
    }
    // One stirrup record of mark R in the set, its shortest leg L1 and its tallest L1p, laying n (at each end).
    template <class Record>
    void Stirrups(CArray<Record>& set, const char* R, double L1, double L1p, int n = 1)
    {
        set.SetSize(1);
        set[0].R = R, set[0].L1 = L1, set[0].L1p = L1p, set[0].n = n;
        if constexpr (requires { set[0].nl; }) set[0].nl = set[0].nr = n, set[0].n = 2 * n;
    }
    // End-face bars 90 below the top and then n spacings of s, at both ends.
    void EndFaceBars(int n, double s)
    {
        atom->fDistribute = 1, atom->sd.a2 = 90.0;
        atom->sd.nsl = atom->sd.nsr = n, atom->sd.sl = atom->sd.sr = s;
    }
    // A tendon R through the nodes (x, z = refZ, fillet radius), sampled at the stations (x, z), in a round duct.
    void Tendon(const char* R, std::initializer_list<std::array<double, 3>> nodes,
                std::initializer_list<std::array<double, 2>> samples = {}, double duct = 0.0)
    {
        if (!tendons) tendons = std::make_unique<CPM001T010401Atom>();
        atom->JGType = 1, atom->st.pTendonAtom = tendons.get();
        auto& steel = *tendons->Steel.emplace_back(std::make_unique<pm001_tendon::M_Steel>());
        steel.R = R;
        steel.cl.Bwd = duct;
        for (const auto& p : nodes) {
            pm001_tendon::M_LNode node;
            node.X = p[0], node.Z = node.refZ = p[1], node.R = p[2];
            steel.LNode.Add(node);
        }
        for (const auto& p : samples) steel.X.Add(p[0]), steel.Z.Add(p[1]);
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
    // A bar's surface stands half its 28 about its centre line. A free end is cut square: across the bar it reaches
    // 14 to either side, along it no further than its end.
    {"bars 14 above the bottom and below the top, ending at the beam's ends",
     [](Beam& b) {
         b.PlainBars();
         b.Bar("1", {{0.0, 14.0, 0.0}, {10000.0, 14.0, 0.0}});
         b.Bar("2", {{0.0, 1486.0, 0.0}, {10000.0, 1486.0, 0.0}});
     },
     nullptr},
    {"a bar 13 above the bottom: its surface 1 below it",
     [](Beam& b) { b.PlainBars(), b.Bar("3", {{100.0, 13.0, 0.0}, {9900.0, 13.0, 0.0}}); },
     "a bar's vertex, vertex 1 of bar 3 in frame 1 (W1), its surface (half the bar's 28.0 mm about x = 100.0, "
     "z = 13.0), reaches x = 100.0, z = -1.0, outside the beam (x 0 to 10000.0, z 0 to 1500.0 there)"},
    {"a kink 10 from the left end face: its surface 4 past it",
     [](Beam& b) { b.PlainBars(), b.Bar("8", {{300.0, 700.0, 0.0}, {10.0, 750.0, 0.0}, {300.0, 800.0, 0.0}}); },
     "a bar's vertex, vertex 2 of bar 8 in frame 1 (W1), its surface (half the bar's 28.0 mm about x = 10.0, "
     "z = 750.0), reaches x = -4.0, z = 750.0, outside the beam (x 0 to 10000.0, z 0 to 1500.0 there)"},
    {"a kink 13 below the top: its surface 1 above it",
     [](Beam& b) { b.PlainBars(), b.Bar("4", {{100.0, 500.0, 0.0}, {5000.0, 1487.0, 0.0}, {9900.0, 500.0, 0.0}}); },
     "a bar's vertex, vertex 2 of bar 4 in frame 1 (W1), its surface (half the bar's 28.0 mm about x = 5000.0, "
     "z = 1487.0), reaches x = 5000.0, z = 1501.0, outside the beam (x 0 to 10000.0, z 0 to 1500.0 there)"},
    // The underside at station 1000 stands 400 x (2000 - 1000) / 2000 = 200.
    {"a tapered underside: a bar on it and one 1 below it",
     [](Beam& b) {
         b.Tapered(false);
         b.Bar("5", {{1000.0, 199.0, 0.0}, {5000.0, 199.0, 0.0}});
         b.Bar("6", {{1000.0, 200.0, 0.0}, {5000.0, 200.0, 0.0}});
     },
     "a bar's vertex, vertex 1 of bar 5 in frame 1 (W1), reaches x = 1000.0, z = 199.0, outside the beam "
     "(x 0 to 10000.0, z 200.0 to 1500.0 there)"},
    // 14 above the slope at station 1000 is 14 / √(1 + 0.2²) = 13.73 from it, square to it; the surface reaches
    // 14 along its normal (0.2, 1) / √1.04: to x = 1000 - 2.75, z = 214 - 13.73, where the underside stands 200.5.
    {"on a tapered underside a kink's surface is judged square to the slope",
     [](Beam& b) {
         b.PlainBars(), b.Tapered(false);
         b.Bar("7", {{500.0, 800.0, 0.0}, {1000.0, 214.0, 0.0}, {1500.0, 800.0, 0.0}});
     },
     "a bar's vertex, vertex 2 of bar 7 in frame 1 (W1), its surface (half the bar's 28.0 mm about x = 1000.0, "
     "z = 214.0), reaches x = 997.3, z = 200.3, outside the beam (x 0 to 10000.0, z 200.5 to 1500.0 there)"},
    // A stirrup leg less the bars' 28 + 12 = 40 spans at most 1500 - 50 - 50 = 1400 where the underside is flat.
    {"main stirrup legs as tall as the section within its covers",
     [](Beam& b) { b.PlainBars(), b.Stirrups(b.atom->sg.sg1, "9", 1440.0, 1440.0); }, nullptr},
    {"a main stirrup leg 1 taller",
     [](Beam& b) { b.PlainBars(), b.Stirrups(b.atom->sg.sg1, "9", 1400.0, 1441.0); },
     "a stirrup leg, L1p of sg1 record 1 (mark 9), 1441.0 mm less the bars' 40.0 mm, stands taller than the "
     "1400.0 mm the section leaves within its covers at its tallest from station 50.0 to 9950.0"},
    // 50 from either tapered end the underside stands 0.2 x 1950 = 390: 1500 - 390 - 100 = 1010 within the covers.
    {"the tapered parts' outermost stirrups as tall as the section there",
     [](Beam& b) { b.PlainBars(), b.Tapered(true), b.Stirrups(b.atom->sg.sg2, "10", 1050.0, 1440.0); }, nullptr},
    {"the tapered parts' outermost stirrups 1 taller",
     [](Beam& b) { b.PlainBars(), b.Tapered(true), b.Stirrups(b.atom->sg.sg2, "10", 1051.0, 1440.0); },
     "a stirrup leg, L1 of sg2 record 1 (mark 10), 1051.0 mm less the bars' 40.0 mm, stands taller than the "
     "1010.0 mm the section leaves within its covers at station 50.0"},
    // At 2500, past the tapered part, the underside is flat: 1400 within the covers, not the 1500 that the slope's
    // line carried on (0.2 x (2000 - 2500) = -100) would leave.
    {"the tapered parts' outermost stirrups past the tapered part",
     [](Beam& b) {
         b.PlainBars(), b.Tapered(true), b.atom->sg.a = 2500.0;
         b.Stirrups(b.atom->sg.sg2, "10", 1540.0, 1540.0);
     },
     "a stirrup leg, L1 of sg2 record 1 (mark 10), 1540.0 mm less the bars' 40.0 mm, stands taller than the "
     "1400.0 mm the section leaves within its covers at station 2500.0"},
    // The right end alone lays stirrups: its outermost judged at its own end distance, 9950 (1010 as at 50).
    {"the tapered parts' outermost stirrup 1 taller at the right end, the left laying none", [](Beam& b) {
         b.PlainBars(), b.Tapered(true), b.Stirrups(b.atom->sg.sg2, "10", 1051.0, 1440.0);
         b.atom->sg.sg2[0].nl = 0, b.atom->sg.sg2[0].n = 1;
     },
     "a stirrup leg, L1 of sg2 record 1 (mark 10), 1051.0 mm less the bars' 40.0 mm, stands taller than the "
     "1010.0 mm the section leaves within its covers at station 9950.0"},
    {"a tapered parts' record that lays no stirrup is no steel and is not judged",
     [](Beam& b) { b.PlainBars(), b.Tapered(true), b.Stirrups(b.atom->sg.sg2, "10", 1051.0, 1600.0, 0); }, nullptr},
    // A crown at 9000 over the right tapered part (rising 20 over 2000), the top falling 0.02 each way: main stirrups
    // stand from 2000 to 8000, tallest at 8000, 1500 - 0.02 x 1000 - 100 = 1380 (1390 at the crown); tapered ones fit.
    {"a main leg as tall as the section under a crown over a tapered part",
     [](Beam& b) {
         b.PlainBars(), b.Tapered(true), b.atom->hHpr = 20.0, b.atom->bAc = 9000.0, b.atom->iLb = b.atom->iRb = 0.02;
         b.Stirrups(b.atom->sg.sg2, "10", 871.0, 871.0), b.Stirrups(b.atom->sg.sg1, "9", 1420.0, 1430.0);
     },
     "a stirrup leg, L1p of sg1 record 1 (mark 9), 1430.0 mm less the bars' 40.0 mm, stands taller than the "
     "1380.0 mm the section leaves within its covers at its tallest from station 2000.0 to 8000.0"},
    // The left skewed end zone: 10 spacings of 100 from the end distance, to 1050, where the top falls 0.02 from
    // the crown at 5000: 1500 - 0.02 x 3950 - 100 = 1321 within the covers; the right zone lays none.
    {"a skewed end zone's leg 1 taller than the section where its stirrups stand",
     [](Beam& b) {
         b.PlainBars(), b.atom->iLb = b.atom->iRb = 0.02, b.atom->sg.lns3 = 10, b.atom->sg.s3 = 100.0;
         b.Stirrups(b.atom->sg.sg3, "11", 1300.0, 1362.0), b.atom->sg.sg3[0].nr = 0;
     },
     "a stirrup leg, L1p of sg3 record 1 (mark 11), 1362.0 mm less the bars' 40.0 mm, stands taller than the "
     "1321.0 mm the section leaves within its covers at its tallest from station 50.0 to 1050.0"},
    // End-face bars 16 (surface 8 about the axis): 90 + 10 x 140.2 + 8 = 1500 below the top.
    {"end-face bars reaching the underside with their surface",
     [](Beam& b) { b.PlainBars(), b.EndFaceBars(10, 140.2); }, nullptr},
    {"the same end-face bars on an end face 1500 - 400 = 1100 high",
     [](Beam& b) { b.PlainBars(), b.Tapered(false), b.EndFaceBars(10, 140.2); },
     "the end-face bars (sd) at the left end, 10 spacings of 140.2 mm from 90.0 mm below the top, reach with their "
     "surface from 82.0 to 1500.0 mm below it, outside the end's height 1100.0 mm"},
    // The right end alone tapered, 1100 high: its own 7 spacings reach 90 + 7 x 140.2 + 8 = 1079.4 below the top.
    {"each end's bars by their own count: the right end lower",
     [](Beam& b) {
         b.PlainBars(), b.EndFaceBars(10, 140.2), b.atom->sd.nsr = 7, b.atom->bBpr = 2000.0, b.atom->hHpr = 400.0;
     },
     nullptr},
    {"end-face bars 7 inside the ends, side bars 7.9 inside the sides",
     [](Beam& b) { b.PlainBars(), b.EndFaceBars(10, 140.2), b.atom->sd.a = 7.0, b.atom->sh.a = 7.9; },
     "the end-face bars (sd), their axis 7.0 mm inside the beam's ends (sd_a), reach with their surface (half the "
     "bar's 16.0 mm) 1.0 mm past it",
     "the side bars (sh), their axis 7.9 mm inside the beam's sides (sh_a), reach with their surface (half the bar's "
     "16.0 mm) 0.1 mm past it"},
    {"a tendon node on the tapered underside, another 0.1 below it",
     [](Beam& b) {
         b.Tapered(false);
         b.Tendon("N1", {{0.0, 400.0}, {5000.0, 100.0}});
         b.Tendon("N2", {{0.0, 399.9}, {5000.0, 100.0}});
     },
     "a tendon's station, node cap.SteelAr[1].Node[0] of tendon N2 (refZ 399.9 mm from the bottom), at x = 0.0, z = "
     "399.9, lies outside the beam (x 0 to 10000.0, z 400.0 to 1500.0 there), the left end face 1100.0 mm high"},
    {"a tendon's sampled station 0.1 above the top",
     [](Beam& b) { b.Tendon("N1", {{100.0, 500.0}, {9900.0, 500.0}}, {{100.0, 500.0}, {5000.0, 1500.1}}); },
     "a tendon's station, sampled station 2 of tendon N1, at x = 5000.0, z = 1500.1, lies outside the beam "
     "(x 0 to 10000.0, z 0 to 1500.0 there)"},
    // A duct of 87 reaches 43.5 about the axis; it ends at the end faces, where its anchorages bear.
    {"a duct touching the underside and the top, 0.1 into the underside at the last node; another above the top at "
     "the first sampled station",
     [](Beam& b) {
         b.Tendon("N1", {{0.0, 43.5}, {5000.0, 1456.5}, {10000.0, 43.4}}, {}, 87.0);
         b.Tendon("N2", {{100.0, 500.0}, {9900.0, 500.0}}, {{100.0, 1456.6}, {5000.0, 500.0}}, 87.0);
     },
     "a tendon's station, node cap.SteelAr[0].Node[2] of tendon N1 (refZ 43.4 mm from the bottom), its duct (half "
     "its 87.0 mm about x = 10000.0, z = 43.4) reaches x = 10000.0, z = -0.1, outside the beam (x 0 to 10000.0, z 0 "
     "to 1500.0 there), the right end face 1500.0 mm high",
     "a tendon's station, sampled station 1 of tendon N2, its duct (half its 87.0 mm about x = 100.0, z = 1456.6) "
     "reaches x = 100.0, z = 1500.1, outside the beam (x 0 to 10000.0, z 0 to 1500.0 there)"},
    // An anchorage on the end face's bottom edge reaches 43.5 below it. Over the taper a duct reaches square to the
    // slope, normal (0.2, 1) / √1.04: clear 43.5 x √1.04 = 44.36 above the underside's 200 at station 1000; at 44.3
    // it reaches to x = 1000 - 8.53, z = 244.3 - 42.66, where the underside stands 201.7.
    {"ducts on and near a tapered underside",
     [](Beam& b) {
         b.Tapered(false), b.Tendon("N1", {{0.0, 400.0}, {5000.0, 700.0}}, {}, 87.0);
         b.Tendon("N2", {{1000.0, 244.4}, {5000.0, 700.0}}, {}, 87.0);
         b.Tendon("N3", {{1000.0, 244.3}, {5000.0, 700.0}}, {}, 87.0);
     },
     "a tendon's station, node cap.SteelAr[0].Node[0] of tendon N1 (refZ 400.0 mm from the bottom), its duct (half "
     "its 87.0 mm about x = 0.0, z = 400.0) reaches x = 0.0, z = 356.5, outside the beam (x 0 to 10000.0, z 400.0 to "
     "1500.0 there), the left end face 1100.0 mm high",
     "a tendon's station, node cap.SteelAr[2].Node[0] of tendon N3 (refZ 244.3 mm from the bottom), its duct (half "
     "its 87.0 mm about x = 1000.0, z = 244.3) reaches x = 991.5, z = 201.6, outside the beam (x 0 to 10000.0, z "
     "201.7 to 1500.0 there)"},
    // Legs at 45° turn 90°: an arc of 1000 lies 1000√2 - 1000 = 414.2 inside its corner, its duct 43.5 above it: the
    // corner at most 1500 + 414.2 - 43.5 = 1870.7; at 1870.8 the arc's top stands at 1456.6. Keys count from 0.
    {"a tendon's arc within the top though its corner lies above it, another's duct 0.1 past it", [](Beam& b) {
         b.Tendon("N1", {{1000.0, 870.7}, {2000.0, 1870.7, 1000.0}, {3000.0, 870.7}}, {}, 87.0);
         b.Tendon("N2", {{1000.0, 870.8}, {2000.0, 1870.8, 1000.0}, {3000.0, 870.8}}, {}, 87.0);
     },
     "a tendon's arc, about node cap.SteelAr[1].Node[1] of tendon N2 (refZ 1870.8 mm from the bottom, radius 1000.0 "
     "mm), its duct (half its 87.0 mm about x = 2000.0, z = 1456.6) reaches x = 2000.0, z = 1500.1, outside the beam "
     "(x 0 to 10000.0, z 0 to 1500.0 there)"},
    // Across the cap 2000 wide a duct of 87 at ±956.5 touches a side face.
    {"a duct across the beam touching a side face, then past the other",
     [](Beam& b) {
         b.atom->lWg = 2000.0, b.Tendon("N2", {{100.0, 500.0}, {9900.0, 500.0}}, {}, 87.0);
         b.tendons->Steel[0]->Y.Add(956.5), b.tendons->Steel[0]->Y.Add(-956.6);
     },
     "a tendon across the beam, Y[1] of tendon N2 at y = -956.6, its duct (half its 87.0 mm across) reaches "
     "y = -1000.1, outside the beam's side (y -1000.0 to 1000.0)"},
};

// Faults are indexed by kind ("bar <mark>", the mark from a loaded file): marks colliding in std::hash spread apart,
// in the index type's hash and in the index the faults are filed in.
TEST(DesignResultCheck, FaultIndexSpreadsMarksMadeToCollide)
{
    const std::vector<std::string> kinds = StringHashCollidingKeys(40, "bar 0000");
    if (std::hash<std::string>{}(kinds[0]) != std::hash<std::string>{}(kinds[1]))
        GTEST_SKIP() << "another library's string hash";
    EXPECT_EQ(DistinctHashes(kinds, DesignResultFaults::FaultsByKind::Index{}.hash_function()), kinds.size());
    const DesignResultFaults::FaultsByKind faults;
    EXPECT_EQ(DistinctHashes(kinds, (faults.*MemberPointer(FaultIndexOf{})).hash_function()), kinds.size());
}

TEST(DesignResultCheck, BarsWithinBeam)
{
    ReportLog::Current().Clear();
    for (const auto& c : kBarCases) {
        SCOPED_TRACE(c.what);
        Beam beam;
        c.make(beam);
        ExpectReported(CheckBarsWithinBeam(*beam.atom), c.message, c.second);
    }
}

// The stirrup steps' plain beam, tapered parts 1000 long rising 600, end distance 1400, its stirrups laid by the
// design (Lay), judged as designed and as stored: 1800 high, covers 60, legs less the bars' 20 + 10 spanning 1800 -
// 120 = 1680 where the underside is flat.
void Lay(CPM001T0101Atom& atom) { CapBeamThroughBars::GetPYXTCJpaAr(atom), RunSetsgData(atom); }
const Case<CPM001T0101Atom> kLaidCases[] = {
    // Main stirrups from 1100 (5 x 100, 2 x 200 from the column at 2000) to 8900; the crown at 500 beyond them takes
    // their outermost at 1100: 1800 - 600 x 0.01 - 120 = 1674 (+ 30 as designed), not 1671 at the end distance.
    {"the designed crown leg 1 taller, the crown beyond the main stirrups nearer the end than the end distance",
     [](CPM001T0101Atom& a) { a.iLb = 0.02, a.iRb = 0.01, a.bAc = 500.0, Lay(a), a.sg.sg1[0].L1p += 1.0; },
     "a stirrup leg, L1p of sg1 record 1 (mark 7), 1705.0 mm less the bars' 30.0 mm, stands taller than the 1674.0 mm "
     "the section leaves within its covers at its tallest from station 1100.0 to 8900.0"},
    // 11 densified spacings: the main group's outermost at 8000 + 1100 = 9100, past the kink at 8983.4, held by the
    // taper record, where the underside stands 600 x 100 / 1000 = 60: 1800 - 60 - 120 = 1620 (1680 at 1400).
    {"a taper record's legs as tall as the section at the end distance",
     [](CPM001T0101Atom& a) { a.sg.rns2[1] = 11, Lay(a), a.sg.sg2[0].L1 = a.sg.sg2[0].L1p = 1710.0; },
     "a stirrup leg, L1 of sg2 record 1 (mark 8), 1710.0 mm less the bars' 30.0 mm, stands taller than the 1620.0 mm "
     "the section leaves within its covers at station 9100.0"},
    // A pier's cap along the skew, tan a = 0.25, vP 400: laid with cantilevers 1900 | 2300 (shift 100), stored 2000 |
    // 2200; 10 x 100 densified. Left rest 1900 - 1000 - 50 = 850: 3 x 200 + 2 x 125, the part to 1016.6 holding 10 -
    // trunc(883.4 / 100) + 3 + 2 = 7, to 1000: 1680 (from 2000: 10 - 9 + 5 = 6, to 900: 1620). Right rest 1250: 5 x 200
    // + 2 x 125, trunc((1016.6 - 50 - 250) / 200) + 3 = 6, to 9100: 1620.
    {"a taper leg judged where the design laid it, with the cantilevers shifted for the skew",
     [](CPM001T0101Atom& a) {
         a.PMorPT = 1, a.a = std::atan(0.25), a.vP = 400.0, a.bBz[0] = 5800.0, a.bBzl = 1900.0, a.bBzr = 2300.0;
         a.sg.a = 50.0, a.sg.fLayMode = 1, a.sg.lns2[0] = a.sg.rns2[1] = 10;
         Lay(a), a.bBzl = 2000.0, a.bBzr = 2200.0, a.sg.sg2[0].L1p = 1711.0;
     },
     "a stirrup leg, L1p of sg2 record 1 (mark 8), 1711.0 mm less the bars' 30.0 mm, stands taller than the 1680.0 mm "
     "the section leaves within its covers at its tallest from station 50.0 to 1000.0"},
    // The mirror, skewed the other way: tan a = -0.25, shift -0.25 x 400 = -100, laid 2300 | 1900, stored 2200 | 2000.
    // The right part holds 7 as the left one above, to 9000: 1680; walked with 2000 + 100 = 2100 on the right (rest
    // 1050: 4 x 200 + 2 x 125) it would hold trunc((1016.6 - 50 - 250) / 200) + 3 = 6, to 9100: 1620.
    {"the mirror, the right taper leg judged where the design laid it",
     [](CPM001T0101Atom& a) {
         a.PMorPT = 1, a.a = -std::atan(0.25), a.vP = 400.0, a.bBz[0] = 5800.0, a.bBzl = 2300.0, a.bBzr = 1900.0;
         a.sg.a = 50.0, a.sg.fLayMode = 1, a.sg.lns2[0] = a.sg.rns2[1] = 10;
         Lay(a), a.bBzl = 2200.0, a.bBzr = 2000.0, a.sg.sg2[0].L1p = 1711.0;
     },
     "a stirrup leg, L1p of sg2 record 1 (mark 8), 1711.0 mm less the bars' 30.0 mm, stands taller than the 1680.0 mm "
     "the section leaves within its covers at its tallest from station 9000.0 to 9950.0"},
    // Square ends skewed t = 0.25, uniform square to the axis, sg_a 50: end zones trunc((475 + 50 - 50) / 150) = 3,
    // 50 ... 500, the right's 9500 ... 9950; crown 9000, slopes 0.02: 1680 - 500 x 0.02 = 1670 (left's 500: 1510).
    {"the skewed end zones' leg 1 taller, the crown near the right end",
     [](CPM001T0101Atom& a) {
         a.bBpl = a.bBpr = a.hHpl = a.hHpr = 0.0, a.sg.a = 50.0, a.sg.fenG = 0, a.a = std::atan(0.25);
         a.iLb = a.iRb = 0.02, a.bAc = 9000.0, Lay(a), a.sg.sg3[0].L1p += 1.0;
     },
     "a stirrup leg, L1p of sg3 record 1 (mark 8), 1701.0 mm less the bars' 30.0 mm, stands taller than the 1670.0 mm "
     "the section leaves within its covers at its tallest from station 9500.0 to 9950.0"},
    // The end zone's 2·10^9 spacings cannot be walked: the counts' stretches (main stirrups from 1400 to 8600 under a
    // level top, 1680 high) judge the legs, and the walk is not reported.
    {"a stored layout too long to walk again", [](CPM001T0101Atom& a) { Lay(a), a.sg.lns3 = 2000000000; }, nullptr},
};

TEST(DesignResultCheck, StirrupsWhereTheLayoutLaysThem)
{
    for (const auto& c : kLaidCases) {
        SCOPED_TRACE(c.what);
        CPM001T0101Atom atom;
        SetUpPlainCapBeam(atom);
        AddGroups(atom, {{2, 3}});
        atom.bBpl = atom.bBpr = 1000.0, atom.hHpl = atom.hHpr = 600.0, atom.sg.a = 1400.0;
        c.make(atom);
        ReportLog::Current().Clear();
        ExpectReported(CheckBarsWithinBeam(atom), c.message);
        atom.PYXTCJpa1.RemoveAll();
        ExpectReported(CheckBarsWithinBeam(atom), c.message);
    }
}

} // namespace
