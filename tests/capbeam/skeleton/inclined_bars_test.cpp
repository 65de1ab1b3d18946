// Standard inclined bars: which group entries make bars and their layer counts, shapes, marks in
// the simple and the frame-by-frame mode, schedule rows and labels, and the sameness of two shapes.
#include "capbeam/skeleton/inclined_bars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

using namespace CapBeamInclinedBars;

namespace {

using Atom = CPM001T0101Atom;
using Group = CArray<CPM001_CapKeyParam::M_GJJ>;

const double kA = std::atan(1.0);
const double kRoot2 = std::sqrt(2.0);

CPM001_CapKeyParam::M_GJJ Entry(int fWQ, double dx)
{
    CPM001_CapKeyParam::M_GJJ e;
    e.fBar = 2;
    e.fWQ = fWQ;
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
class InclinedBars : public ::testing::Test {
protected:
    void SetUp() override
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

    int Run() { return GetGJFrame_BZXJ(atom, kp, bars, rows); }

    static std::vector<CString> Labels(const Atom::tRn& row) { return {row.szL.begin(), row.szL.end()}; }

    Atom atom;
    CPM001_CapKeyParam kp;
    CArray<Atom::M_BZXJR> bars;
    CArray<Atom::tRn> rows;
};

// Group 1 has no partner bent-up bar (group 0 is empty): not matched, so its bent-up entry at 900
// counts as a layer above the inclined bar at 600 (nT = 1). The bar stands at 3600 with its top at
// 1940 - 2 x 28 = 1884, its bend 1806 further at 78: run 1806 sqrt 2 = 2554.0507.
TEST_F(InclinedBars, UnmatchedGroupCountsItsBentUpBarAsALayer)
{
    Frame("W", 0.0);
    Record("W", {Group(), Entries({Entry(0, 600.0), Entry(1, 900.0)}), Group(), Group()});
    EXPECT_EQ(Run(), 1);
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
    Record("W", {Entries({Entry(1, 400.0)}), Entries({Entry(1, 400.0), Entry(0, 1600.0)}),
                 Entries({Entry(1, 400.0), Entry(0, 1600.0)}), Entries({Entry(1, 400.0)})});
    Run();
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
    Record("W", {Group(), Entries({Entry(0, 600.0), Entry(1, 900.0)}), Group(), Group()});
    Run();
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
    Record("W", {Group(), Group(), Entries({Entry(0, 1600.0), Entry(1, 1700.0)})});
    EXPECT_EQ(Run(), 1);
    ASSERT_EQ(bars.GetSize(), 1);
    EXPECT_EQ(bars[0].nC, 2);
    EXPECT_NEAR(bars[0].PtAr[1].z, 1884.0, 1e-6);
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
