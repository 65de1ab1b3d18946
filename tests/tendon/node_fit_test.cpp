// Tendon control points that do not fit the beam: stations, depths and fillet radii, each at the
// edge of what fits, worked out by hand on a beam 10000 long and 2000 high, flat or with tapered
// cantilever undersides.
#include "tendon/node_fit.h"
#include "tendon/definitions.h"
#include "tendon/steps_test_access.h"

#include "reported_errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace tendon_test;

// A zigzag at 45° between stations 1000 apart, its end point measured from the top: legs 1000√2 = 1414.21 (the last
// (end - 3000)√2); each inner corner turns through 90°, so a fillet R there has the tangent length R tan 45° = R.
Definition Zigzag(double r1, double r2, double r3, double r0 = 0.0, double end = 4000.0)
{
    return Tendon({Point(0, 1000, 0, r0), Point(1000, 0, 0, r1), Point(2000, 1000, 0, r2), Point(3000, 0, 0, r3),
                   Point(end, 2000.0 - (end - 3000.0), 1)});
}

Definition InDuct(const char* duct, Definition d) { d.BseriesIndex = duct; return d; }

// The prestressed sample's tendon N1 (its beam 16500 long, 2000 high at the crown): its second node moved to (x1, z1
// from the top) with radius r1, its third z2 from the bottom.
Definition SampleN1(double x1, double z1, double z2, const char* duct = "金属波纹管D80", double r1 = 6000)
{
    return InDuct(duct, Tendon({Point(0, 450, 1), Point(x1, z1, 1, r1), Point(8250, z2, 0, 6000),
                                Point(12750, 250, 1, 6000), Point(16500, 450, 1)}));
}

TEST(TendonNodeFit, EachValueIsJudgedAtTheEdgeOfWhatFits)
{
    const std::string beyond = ": beyond the beam's ends; expected a station from 0 to 10000 mm (";
    const CapUnderside sample{16500.0, 2500.0, 800.0, 2500.0, 800.0};
    const struct {
        const char* name;
        std::vector<Definition> tendons;
        std::vector<std::string> errors;
        CapUnderside underside{10000.0};
        double crown = 5000.0, slope = 0.0;  // the top 2000 at the crown, falling slope a millimetre each way
    } rows[] = {
        // Stations from end to end, equal ones in order; depths from either face to the other. A point out of
        // place is named alone: the legs its fillets would be judged on are not the ones meant.
        {"points at their limits", {Tendon({Point(0, 2000, 1), Point(5000, 2000), Point(5000, 0, 1), Point(10000, 0)})},
         {}},
        {"points 1 out of place",
         {Tendon({Point(-1, 300), Point(5000, 2001, 1), Point(4999, 2001), Point(10001, 300)}),
          Tendon({Point(0, 1000), Point(1000, 0, 0, 5000.0), Point(20000, 1000)})},
         {"cap.SteelAr[0].Node[0].X" + beyond + "-1 given)",
          "cap.SteelAr[0].Node[1].refZ: puts the node below the beam's bottom; expected at most 2000 mm, the beam's "
          "height at station 5000 (2001 given)",
          "cap.SteelAr[0].Node[2].X: below the station of the node before it; expected at least 5000 mm (4999 given)",
          "cap.SteelAr[0].Node[2].refZ: puts the node above the beam's top; expected at most 2000 mm, the beam's "
          "height at station 4999 (2001 given)",
          "cap.SteelAr[0].Node[3].X" + beyond + "10001 given)",
          "cap.SteelAr[1].Node[2].X" + beyond + "20000 given)"}},
        // Two tangent lengths share a leg; the first and the last node carry none. Ending at 3500: 500√2 = 707.11.
        {"fillets that just fit", {Zigzag(700, 714, 0, 1e6), Zigzag(1414, 0, 0), Zigzag(0, 0, 707, 0, 3500)}, {}},
        // Then no arc is judged: the second's 100 at a bottom corner would put its duct 43.5 - 41.4 = 2.1 below.
        {"fillets 1 too large",
         {Zigzag(700, 715, 0), Zigzag(1415, 0, 100), Zigzag(0, 0, 708, 0, 3500), Zigzag(0, 0, 1415)},
         {"cap.SteelAr[0].Node[2].R: the fillet overlaps its neighbour's; their tangent lengths 700 and 715 mm "
          "exceed the 1414.2 mm between nodes 1 and 2 (715 given)",
          "cap.SteelAr[1].Node[1].R: the fillet reaches past the tendon's first node; its tangent length 1415 mm "
          "exceeds the 1414.2 mm between nodes 0 and 1 (1415 given)",
          "cap.SteelAr[2].Node[3].R: the fillet reaches past the tendon's last node; its tangent length 708 mm "
          "exceeds the 707.1 mm between nodes 3 and 4 (708 given)",
          "cap.SteelAr[3].Node[3].R: the fillet reaches past node 2; its tangent length 1415 mm exceeds the 1414.2 mm "
          "between nodes 2 and 3 (1415 given)"}},
        // A filleted node's arc and duct (43.5 about the axis) are judged, not its corner, which may lie beyond a face.
        // The sample's node 30 from the top, corner (3750, 1970) between (0, 1550) and (8250, 300): legs rise 420 /
        // 3750 (6.39°), fall 1670 / 4500 (20.36°); T = 6000 tan 13.38° = 1426.7 back to (3750 - 1426.7 cos 6.39°, ...)
        // = (2332.2, 1811.2); the centre 6000 square below, z = 1811.2 - 6000 cos 6.39° = -4151.5: arc top 1848.5, duct
        // 1892.0, 108 under the top. At -300 (corner 2300) legs rise 11.31°, fall 23.96°: T = 6000 tan 17.64° = 1907.5
        // to (1879.6, 1925.9); centre (1879.6 + 6000 sin 11.31°, 1925.9 - 6000 cos 11.31°) = (3056.3, -3957.6): arc
        // top 2042.4, duct 2085.9, 85.9 over.
        {"a filleted corner under the top, its arc's duct within; another beyond it, its duct past it",
         {Tendon({Point(0, 450, 1), Point(3750, 30, 1, 6000), Point(8250, 300)}),
          Tendon({Point(0, 450, 1), Point(3750, -300, 1, 6000), Point(8250, 300)})},
         {"cap.SteelAr[1].Node[1].refZ: puts the duct of the tendon's arc about the node (radius 6000 mm, duct 87 mm) "
          "85.9 mm above the beam's top at station 3056.3; expected the arc and its duct within the beam (-300 given)"}},
        // Only a fillet lets a corner lie beyond a face; measured from the top it stays above the lowest bottom, as the
        // design mirrors a deeper one. The end nodes draw no fillet.
        {"corners beyond a face that no fillet turns",
         {Tendon({Point(0, -1, 1, 5000), Point(5000, 2001, 1, 4000), Point(10000, 1000)})},
         {"cap.SteelAr[0].Node[0].refZ: puts the node above the beam's top; expected at least 0 mm at a node the "
          "tendon runs through (one without a fillet) (-1 given)",
          "cap.SteelAr[0].Node[1].refZ: puts the fillet's corner below the beam's lowest bottom, the deepest a depth "
          "from the top reaches; expected at most 2000 mm, the top's level at station 5000 (2001 given)"}},
        // Tapered parts: the left 2500 long rising 800 to its end, the right 2000 long rising 500 to its end. The
        // underside stands 800 x (2500 - 1250) / 2500 = 400 at station 1250 and 500 x (9000 - 8000) / 2000 = 250
        // at station 9000; the section is 2000 - 800 = 1200 high at station 0, 1750 at 9000, 1500 at 10000. Over the
        // left taper (0.32 a millimetre, inward normal (0.32, 1) / 1.04995) an arc of 1000 in a 45° corner at (1000, z)
        // about (1000, z + 1414.21) comes nearest the slope at (1000 - 304.77, z + 1414.21 - 952.43): x = 695.2, (0.32
        // x 695.23 + z + 461.78 - 800) / 1.04995 = 43.5 at z = 161.41, its duct judged square to the slope.
        {"tapered undersides: depths and an arc at their limits",
         {Tendon({Point(0, 1200, 1), Point(1250, 400), Point(9000, 1750, 1), Point(9000, 2000), Point(10000, 1500, 1)}),
          Tendon({Point(0, 1161.5), Point(1000, 161.5, 0, 1000), Point(2000, 1161.5)})},
         {},
         {10000.0, 2500.0, 800.0, 2000.0, 500.0}},
        {"tapered undersides: depths 1 out of the section at their stations, an arc's duct 0.1",
         {Tendon({Point(0, 1201, 1), Point(1250, 399), Point(9000, 1751, 1), Point(9000, 2001), Point(10000, 1501, 1)}),
          Tendon({Point(0, 1161.3), Point(1000, 161.3, 0, 1000), Point(2000, 1161.3)})},
         {"cap.SteelAr[0].Node[0].refZ: puts the node below the beam's bottom; expected at most 1200 mm, the beam's "
          "height at station 0 (1201 given)",
          "cap.SteelAr[0].Node[1].refZ: puts the node below the beam's bottom; expected at least 400 mm, the "
          "underside's level at station 1250 (399 given)",
          "cap.SteelAr[0].Node[2].refZ: puts the node below the beam's bottom; expected at most 1750 mm, the beam's "
          "height at station 9000 (1751 given)",
          "cap.SteelAr[0].Node[3].refZ: puts the node above the beam's top; expected at most 2000 mm, the top's "
          "level at station 9000 (2001 given)",
          "cap.SteelAr[0].Node[4].refZ: puts the node below the beam's bottom; expected at most 1500 mm, the beam's "
          "height at station 10000 (1501 given)",
          "cap.SteelAr[1].Node[1].refZ: puts the duct of the tendon's arc about the node (radius 1000 mm, duct 87 mm) "
          "0.1 mm below the beam's underside at station 695.2; expected the arc and its duct within the beam (161.3 "
          "given)"},
         {10000.0, 2500.0, 800.0, 2000.0, 500.0}},
        // The samples' beam: tapers 2500 long rising 800 at both ends. (2000, 150) between (0, 1550) and (8250, 300):
        // the underside 160 there, so the limit is the top's 2000, not the section's 1840; legs fall 34.99°, rise
        // 1.37°: T = 6000 tan 18.18° = 1970.8 < 2441.3, the centre 6000 / cos 18.18° = 6315.4 up the bisector (0.2892,
        // 0.9573) at (3826.3, 6195.6): the arc's lowest point 195.6. (8250, -200) between (3750, 1750) and (12750,
        // 1750): T = 6000 x 1950 / 4500 = 2600, the lowest point sqrt(2600² + 6000²) - 6000 = 539.1 above it, 339.1
        // (a line from foot 2500 to the end would stand 328.6 there). A flat duct 77 x 27 is judged upright: corner
        // (3750, 2180), legs rise 9.54°, fall 22.67°, the centre 6000 / cos 16.11° = 6245.1 down the bisector (-0.1144,
        // -0.9934), z = -4024.1: arc top 1975.9, duct 1989.4 (2014.4 by its width). Fillets that do not fit name a
        // radius unless the corner is too far out (the app's rows tendon_corner_*): at (3750, 2100), 60000 tan 15.07° =
        // 16158.5, and on the top the legs still turn 27.54°, 60000 tan 13.77° = 14703 > 3776.9. prestressed_one_end's
        // N3 at -500: T = 8000 x 2200 / 4500 = 3911.1 and node 1's 1007.4 fit the leg's 5009.0; the arc's lowest point
        // 904.9 above the corner.
        {"the samples' corners beyond a face, their arcs within; a radius too large, and fillets that fit, beyond it",
         {SampleN1(2000, 1850, 300), SampleN1(3750, 250, -200), SampleN1(3750, -180, 300, "塑料扁波纹管72×22"),
          SampleN1(3750, -100, 300, "金属波纹管D80", 60000),
          InDuct("塑料扁波纹管90×22", Tendon({Point(2000, 200, 1), Point(3750, 300, 1, 5000), Point(8250, -500, 0, 8000),
                                             Point(12750, 300, 1, 5000), Point(14500, 200, 1)}))},
         {"cap.SteelAr[3].Node[1].R: the fillet reaches past the tendon's first node; its tangent length 16158.5 mm "
          "exceeds the 3790.1 mm between nodes 0 and 1 (60000 given)"},
         sample, 8250.0},
        // The sample's N2 with its third node 900 below the underside, R 20000: T = 20000 x 2400 / 4500 = 10666.7 and node
        // 1's 6000 tan((4.57° + 28.07°) / 2) = 1757.2 outgrow the leg's 5100; on the underside T = 20000 x 1500 / 4500 =
        // 6666.7 > 4743.4 still (on the top 2222.2 + 92.5 fit 4527.7); the arc comes back 20000 x 5100 / 4500 - 20000 = 2666.7.
        {"a corner below the underside whose fillets outgrow their legs on the underside too: its radius named",
         {Tendon({Point(0, 800, 1), Point(3750, 500, 1, 6000), Point(8250, -900, 0, 20000), Point(12750, 500, 1, 6000),
                  Point(16500, 800, 1)})},
         {"cap.SteelAr[0].Node[2].R: the fillet overlaps its neighbour's; their tangent lengths 1757.2 and 10666.7 mm "
          "exceed the 5100 mm between nodes 1 and 2 (20000 given)"},
         sample, 8250.0},
        // The top falling 0.02 each way from a crown at 3750 (1925 at station 0): the corner (3750, 2060) between (0,
        // 1475) and (8250, 300), legs rise 8.87°, fall 21.36°; the centre 6000 / cos 15.11° = 6215.0 down the bisector
        // (-0.1088, -0.9941) at (3073.7, -4118.1). The arc's point farthest across the left slope, (2953.7, 1880.7),
        // stands (0.02 x 2953.7 + 1925 - 1880.7) / 1.0002 = 103.3 under it (12.1 under a straight top's 1892.8).
        {"the sample's corner over a crown, its arc's duct under both slopes", {SampleN1(3750, -60, 300)}, {}, sample,
         3750.0, 0.02},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ReportLog::Current().Clear();
        CArray<Definition> tendons;
        for (const Definition& d : row.tendons) tendons.Add(d);
        const auto top = [&row](double x) { return 2000.0 - row.slope * std::fabs(x - row.crown); };
        const int reported = pm001_tendon::ReportTendonNodesNotFitting(tendons, row.underside.length, top, row.crown,
                                                                       row.underside, 0.0);
        EXPECT_EQ(ReportedErrors(), row.errors);
        EXPECT_EQ(reported, static_cast<int>(row.errors.size()));
    }
    ReportLog::Current().Clear();
}

// The design judges the nodes on its beam, tapers of 2500 rising 800 left and 2000 rising 500 right leaving end faces
// 1200 and 1500 high, and for its 15.2 mm strands, whose 5 mm wires bend down to 4000: an inner node's radius is that
// or 0 (a sharp corner); the end nodes draw no fillet, whatever they are given.
TEST(TendonNodeFit, TheDesignJudgesTheNodesOnItsBeamsTapersAndForItsStrands)
{
    EXPECT_EQ(pm001_tendon::LeastTendonBendRadius(15.24), 4000.0);
    EXPECT_EQ(pm001_tendon::LeastTendonBendRadius(15.7), 6000.0);
    ReportLog::Current().Clear();
    CPM001T010401Atom beam;
    FlatBeam(beam);
    beam.bBpl = 2500.0, beam.hHpl = 800.0, beam.bBpr = 2000.0, beam.hHpr = 500.0;
    CPM001_CapKeyParam kp = KeyParameters({Tendon({Point(0, 1201, 1, 6), Point(5000, 1000, 0, 3999),
                                                    Point(7000, 900, 0, 4000), Point(8000, 900), Point(10000, 1501, 1, 6)})});
    CPM001T010401AtomTestAccess::SetSteelData(beam, &kp);
    EXPECT_EQ(ReportedErrors(), (std::vector<std::string>{
        "cap.SteelAr[0].Node[0].refZ: puts the node below the beam's bottom; expected at most 1200 mm, the beam's "
        "height at station 0 (1201 given)",
        "cap.SteelAr[0].Node[4].refZ: puts the node below the beam's bottom; expected at most 1500 mm, the beam's "
        "height at station 10000 (1501 given)",
        "cap.SteelAr[0].Node[1].R: bends the tendon tighter than its strands take in their duct; expected 0 (a "
        "sharp corner) or at least 4000 mm (3999 given)"}));
    ReportLog::Current().Clear();
}

} // namespace
