// Standard inclined bars: which group entries make bars and their layer counts, shapes, marks in
// the simple and the frame-by-frame mode, schedule rows and labels, and the sameness of two shapes.
#include "capbeam/skeleton/inclined_bars.h"

#include "host/report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

using namespace CapBeamInclinedBars;

namespace {

using Atom = CPM001T0101Atom;
using Group = CArray<CPM001_CapKeyParam::M_GJJ>;

const double kA = std::atan(1.0);
const double kRoot2 = std::sqrt(2.0);

// Entries as the key data hand them over: a bent-up bar over the support line (fBar 2, which the
// key data link over the support line) or a standard inclined bar (fBar 0, no link).
CPM001_CapKeyParam::M_GJJ BentUp(double dx)
{
    CPM001_CapKeyParam::M_GJJ e;
    e.fBar = 2;
    e.fWQ = 1;
    e.dx = dx;
    return e;
}

CPM001_CapKeyParam::M_GJJ Inclined(double dx)
{
    CPM001_CapKeyParam::M_GJJ e;
    e.fBar = 0;
    e.dx = dx;
    return e;
}

Group Entries(std::initializer_list<CPM001_CapKeyParam::M_GJJ> entries)
{
    Group g;
    for (const auto& e : entries) g.Add(e);
    return g;
}

// The beam of the bend geometry's cases: support lines at 3000 and 8000, top-bar axis at 1940,
// bars of outer diameter 28 at 45 degrees, weld legs 100, bottom cover 50, square ends.
struct InclinedBeam {
    InclinedBeam()
    {
        atom.nPier = 2;
        atom.bBz.Add(5000.0);
        atom.bBzl = 3000.0;
        atom.bBzr = 3000.0;
        atom.bBg = 11000.0;
        atom.hHgl = 2000.0;
        atom.bAc = 5500.0;
        atom.st.ua = 60.0;
        atom.st.da = 50.0;
        atom.st.d = 25.0;
        atom.st.angle = kA;
        atom.st.fLayMode = 1;
        atom.st.LWeld = 140.0;
        atom.dMainBarWd = 28.0;
        atom.dWeldLen = 100.0;
        atom.nMark = 7;
    }

    void Frame(const char* name, double y)
    {
        kp.FrameName.Add(name);
        kp.FrameY.Add(y);
        atom.FrameY.Add(y);
    }

    void Record(const char* name, std::initializer_list<Group> groups)
    {
        struct CPM001_CapKeyParam::FrameAr r;
        r.name = name;
        for (const Group& g : groups) r.GJJ.Add(g);
        kp.FrameAr.Add(r);
    }

    int Lay() { return GetGJFrame_BZXJ(atom, kp, bars, rows); }

    static std::vector<CString> Labels(const Atom::tRn& row) { return {row.szL.begin(), row.szL.end()}; }

    Atom atom;
    CPM001_CapKeyParam kp;
    CArray<Atom::M_BZXJR> bars;
    CArray<Atom::tRn> rows;
};

class InclinedBars : public ::testing::Test, public InclinedBeam {};

// Group 1 has no partner bent-up bar (group 0 is empty): not matched, so its bent-up entry at 900
// counts as a layer above the inclined bar at 600 (nT = 1). The bar stands at 3600 with its top at
// 1940 - 2 x 28 = 1884, its bend 1806 further at 78: run 1806 sqrt 2 = 2554.0507.
TEST_F(InclinedBars, UnmatchedGroupCountsItsBentUpBarAsALayer)
{
    Frame("W", 0.0);
    Record("W", {Group(), Entries({Inclined(600.0), BentUp(900.0)}), Group(), Group()});
    EXPECT_EQ(Lay(), 1);
    ASSERT_EQ(bars.GetSize(), 1);
    const Atom::M_BZXJR& b = bars[0];
    EXPECT_EQ(b.nC, 1);
    EXPECT_NEAR(b.PtAr[1].z, 1884.0, 1e-6);
    EXPECT_NEAR(b.dA, kA, 1e-12);
    EXPECT_EQ(b.nD, 0);
    ASSERT_EQ(b.L.GetSize(), 3);
    EXPECT_NEAR(b.L[1], 1806.0 * kRoot2, 1e-6);
    EXPECT_NEAR(b.dC, 200.0 + 1806.0 * kRoot2, 1e-6);
    EXPECT_EQ(b.R, "8");
    EXPECT_EQ(atom.nInclMarks, 1);

    // One row: 100 + 2554 + 100; four vertices less the bend without fillet: three "/".
    ASSERT_EQ(rows.GetSize(), 1);
    EXPECT_EQ(rows[0].R, "8");
    EXPECT_EQ(rows[0].TL, 2754.0);
    EXPECT_EQ(Labels(rows[0]), (std::vector<CString>{"/", "/", "/"}));
}

// Both groups beside the span hold a bent-up bar matched by their partners (at 400): the inclined
// bars at 1600 lie beyond 400 + 100, so nT = 0 + 1 - 1 = 0 and their tops are at 1912. Mirrored,
// the two shapes are the same bar: one mark, one row of two bars 100 + 2594 + 100 long
// (run 1834 sqrt 2 = 2593.65).
TEST_F(InclinedBars, MatchedGroupsMirroredShareAMark)
{
    Frame("W", 0.0);
    Record("W", {Entries({BentUp(400.0)}), Entries({BentUp(400.0), Inclined(1600.0)}),
                 Entries({BentUp(400.0), Inclined(1600.0)}), Entries({BentUp(400.0)})});
    Lay();
    ASSERT_EQ(bars.GetSize(), 2);
    EXPECT_NEAR(bars[0].PtAr[1].z, 1912.0, 1e-6);
    EXPECT_NEAR(bars[1].PtAr[0].z, 1912.0, 1e-6);
    EXPECT_EQ(bars[0].R, "8");
    EXPECT_EQ(bars[1].R, "8");
    ASSERT_EQ(rows.GetSize(), 1);
    EXPECT_EQ(rows[0].n, 2);
    EXPECT_EQ(rows[0].TL, 2794.0);
    EXPECT_EQ(atom.nInclMarks, 1);
}

// A cross slope of 0.02 rising to the crown at 9000 and a skew giving frame 1 (y = 500) its support
// line 100 further right: frame-by-frame marks. The bars at 600 right of the first support line
// stand at 3600 and 3700, tops 1940 - 108 - 56 = 1776 and 1940 - 106 - 56 = 1778, runs
// 1698 sqrt 2 = 2401.33 and 1700 sqrt 2 = 2404.16: different shapes, but the second frame's bar has
// the same distance and position as the first's, so it takes its mark. The run column varies and
// reads "L"; mean length (2601 + 2604) / 2 = 2602.5, cut 2603.
TEST_F(InclinedBars, FrameModeMarksByDistanceAndLabelsTheVaryingSegment)
{
    atom.st.fLayMode = 0;
    atom.iLb = 0.02;
    atom.iRb = 0.02;
    atom.bAc = 9000.0;
    atom.a = std::atan(0.2);
    Frame("W", 0.0);
    Frame("W", 500.0);
    Record("W", {Group(), Entries({Inclined(600.0), BentUp(900.0)}), Group(), Group()});
    Lay();
    ASSERT_EQ(bars.GetSize(), 2);
    EXPECT_NEAR(bars[0].L[1], 1698.0 * kRoot2, 1e-6);
    EXPECT_NEAR(bars[1].L[1], 1700.0 * kRoot2, 1e-6);
    EXPECT_FALSE(IsSameBJXZ(bars[0], bars[1]));
    EXPECT_EQ(bars[0].R, "8");
    EXPECT_EQ(bars[1].R, "8");
    ASSERT_EQ(rows.GetSize(), 1);
    EXPECT_EQ(rows[0].n, 2);
    EXPECT_EQ(rows[0].TL, 2603.0);
    EXPECT_EQ(Labels(rows[0]), (std::vector<CString>{"/", "L", "/"}));
}

// A record with an odd number of groups: the last group's partner does not exist; the group is taken
// as unmatched instead of reading past the list. Its bent-up entry after the inclined bar counts as
// a layer above it: top at 1940 - 2 x 28 = 1884.
TEST_F(InclinedBars, GroupWithoutPartnerInTheListIsUnmatched)
{
    Frame("W", 0.0);
    Record("W", {Group(), Group(), Entries({Inclined(1600.0), BentUp(1700.0)})});
    EXPECT_EQ(Lay(), 1);
    ASSERT_EQ(bars.GetSize(), 1);
    EXPECT_EQ(bars[0].nC, 2);
    EXPECT_NEAR(bars[0].PtAr[1].z, 1884.0, 1e-6);
}

// ---------------------------------------------------------------------------------------------
// End bars: the entries of the first and the last group run down towards the beam ends. The
// through-bar outlines of an 11000 beam, 40 end cover, bottom cover 50, bars 28, legs 100: square
// ends 2000 high, the inner outline from (68, 178) down to the bottom at 78 and along it to 10932; sloped
// ends 1000 long and 800 high, the inner outline from (68, 978) down the end face to (68, 878),
// down the slope to (1068, 78), along the bottom and up again.

void SquareEnds(Atom& atom)
{
    atom.hXbl = atom.hXbr = 2000.0;
    for (const auto& [x, z] : std::initializer_list<std::pair<double, double>>{
             {68.0, 178.0}, {68.0, 78.0}, {10932.0, 78.0}, {10932.0, 178.0}})
        atom.PYXTCJpa2.Add(CDblPoint(x, z));
    for (const auto& [x, z] : std::initializer_list<std::pair<double, double>>{
             {40.0, 150.0}, {40.0, 50.0}, {10960.0, 50.0}, {10960.0, 150.0}})
        atom.PYXTCJpa1.Add(CDblPoint(x, z));
}

void SlopedEnds(Atom& atom)
{
    atom.bBpl = atom.bBpr = 1000.0;
    atom.hHpl = atom.hHpr = 800.0;
    atom.hXbl = atom.hXbr = 1200.0;
    for (const auto& [x, z] : std::initializer_list<std::pair<double, double>>{
             {68.0, 978.0}, {68.0, 878.0}, {1068.0, 78.0}, {9932.0, 78.0}, {10932.0, 878.0}, {10932.0, 978.0}})
        atom.PYXTCJpa2.Add(CDblPoint(x, z));
    for (const auto& [x, z] : std::initializer_list<std::pair<double, double>>{
             {40.0, 950.0}, {40.0, 850.0}, {1040.0, 50.0}, {9960.0, 50.0}, {10960.0, 850.0}, {10960.0, 950.0}})
        atom.PYXTCJpa1.Add(CDblPoint(x, z));
}

void ExpectVertex(const Atom::M_XZR& v, double x, double z, double alf, int fH, int fHzy, int fHsx, int enPoint)
{
    EXPECT_NEAR(v.x, x, 1e-6);
    EXPECT_NEAR(v.z, z, 1e-6);
    EXPECT_NEAR(v.alf, alf, 1e-9);
    EXPECT_EQ(v.fH, fH);
    EXPECT_EQ(v.fHzy, fHzy);
    EXPECT_EQ(v.fHsx, fHsx);
    EXPECT_EQ(v.enPoint, enPoint);
}

// Square ends, one level top: the bars at 600 out from each end support line have their tops at
// (2400, 1912) and (8600, 1912) and run 1834 down to the bottom at 78, landing at 566 and 10434,
// where a leg of 100 fits before the end legs (68, 10932). Each carries its cantilever less its
// distance, 3000 - 600. They mirror each other: one mark, one row of 100 + 2594 + 100.
TEST_F(InclinedBars, EndBarsRunDownTowardsTheBeamEnds)
{
    SquareEnds(atom);
    Frame("W", 0.0);
    Record("W", {Entries({Inclined(600.0)}), Group(), Group(), Entries({Inclined(600.0)})});
    ASSERT_EQ(Lay(), 1);
    ASSERT_EQ(bars.GetSize(), 2);
    const Atom::M_BZXJR& left = bars[0];
    ASSERT_EQ(left.PtAr.GetSize(), 4);
    ExpectVertex(left.PtAr[0], 466.0, 78.0, 0.0, 1, 0, 0, 0);
    ExpectVertex(left.PtAr[1], 566.0, 78.0, kA, 1, 1, 0, 2);
    ExpectVertex(left.PtAr[2], 2400.0, 1912.0, -kA, 1, 0, 1, 1);
    ExpectVertex(left.PtAr[3], 2500.0, 1912.0, 0.0, 1, 1, 1, 0);
    const Atom::M_BZXJR& right = bars[1];
    ASSERT_EQ(right.PtAr.GetSize(), 4);
    ExpectVertex(right.PtAr[0], 10534.0, 78.0, 0.0, 1, 1, 0, 0);
    ExpectVertex(right.PtAr[1], 10434.0, 78.0, -kA, 1, 0, 0, 2);
    ExpectVertex(right.PtAr[2], 8600.0, 1912.0, kA, 1, 1, 1, 1);
    ExpectVertex(right.PtAr[3], 8500.0, 1912.0, 0.0, 1, 0, 1, 0);
    for (const Atom::M_BZXJR& b : {left, right}) {
        EXPECT_NEAR(b.dD, 600.0, 1e-9);
        EXPECT_NEAR(b.dE, 2400.0, 1e-9);
        EXPECT_EQ(b.nE, 0);
        EXPECT_NEAR(b.L[1], 1834.0 * kRoot2, 1e-6);
        EXPECT_EQ(b.R, "8");
    }
    EXPECT_EQ(left.nC, 0);
    EXPECT_EQ(right.nC, 3);
    ASSERT_EQ(rows.GetSize(), 1);
    EXPECT_EQ(rows[0].n, 2);
    EXPECT_EQ(rows[0].TL, 2794.0);
}

// The end bars of two frames W (y 0 and 500), one at 600 at each end of each frame, straight across
// the beam (no skew). Simple mode (laid across, square ends, one level top): all four alike, one
// mark. Frame by frame with square ends (a top of two slopes meeting in the middle): a frame's two
// mirrored end bars form one group, the other frame's group fits it: one mark. Frame by frame with
// sloped ends: every end bar stands alone and fits only a bar at its own end: two marks, each
// held by both frames.
TEST(InclinedEndBars, ShareMarksByModeAndEnds)
{
    struct Case {
        const char* what;
        int layMode;
        bool sloped;
        double slope;
        std::vector<CString> marks;   // frame 0 left, right; frame 1 left, right
        std::vector<int> rowCounts;
    };
    const std::vector<Case> cases{
        {"simple", 1, false, 0.0, {"8", "8", "8", "8"}, {4}},
        {"frame by frame, square ends", 0, false, 0.02, {"8", "8", "8", "8"}, {4}},
        {"frame by frame, sloped ends", 0, true, 0.0, {"8", "9", "8", "9"}, {2, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        InclinedBeam beam;
        Atom& atom = beam.atom;
        atom.st.fLayMode = c.layMode;
        atom.iLb = c.slope;
        atom.iRb = c.slope;
        if (c.sloped) SlopedEnds(atom);
        else SquareEnds(atom);
        beam.Frame("W", 0.0);
        beam.Frame("W", 500.0);
        beam.Record("W", {Entries({Inclined(600.0)}), Group(), Group(), Entries({Inclined(600.0)})});
        ReportLog::Current().Clear();
        ASSERT_EQ(beam.Lay(), 1);
        EXPECT_EQ(ReportLog::Current().Entries().size(), 0u);
        std::vector<CString> marks;
        for (const Atom::M_BZXJR& b : beam.bars) marks.push_back(b.R);
        EXPECT_EQ(marks, c.marks);
        std::vector<int> counts;
        for (const Atom::tRn& row : beam.rows) counts.push_back(row.n);
        EXPECT_EQ(counts, c.rowCounts);
    }
}

// Sameness: angles and the total to 0.1, segment lengths in whole tenths (x 10 + 0.5 truncated),
// the fillet and end-face flags; serial numbers, frames and positions do not count.
TEST(InclinedBarSameness, ComparesRoundedAnglesLengthsAndFlags)
{
    Atom::M_BJXZ a;
    a.dA = 0.7854;
    a.dB = -0.7854;
    a.L.Add(100.0);
    a.L.Add(2554.04);
    a.dC = 2654.04;
    Atom::M_BJXZ b = a;
    b.nB = 3;
    b.dB = 0.78541;
    b.L[1] = 2554.0;
    b.dC = 2654.0;
    EXPECT_TRUE(IsSameBJXZ(a, b));

    b.L[1] = 2554.05;   // 25540.5 + 0.5 gives 25541 tenths against 25540
    EXPECT_FALSE(IsSameBJXZ(a, b));
    b.L[1] = 2554.0;
    b.nE = 1;
    EXPECT_FALSE(IsSameBJXZ(a, b));
}

} // namespace
