// Contents of one skeleton frame (its dimension chains), the support line an arc stands on, the
// frame table with its dimension labels, and the short number texts of those labels.
#include "capbeam/cap_beam_reinforcement.h"
#include "capbeam/skeleton/frames.h"

#include "capbeam/cap_beam_reinforcement_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

using Atom = CPM001T0101Atom;
using CapBeamRecords::M_XZR;
using CapBeamSkeleton::BuildFrameTable;
using CapBeamSkeleton::RoundToDecimals;

std::vector<double> Values(const DblArray& list) { return {list.begin(), list.end()}; }
std::vector<CString> Values(const CStringArray& list) { return {list.begin(), list.end()}; }

DblArray Reals(std::initializer_list<double> items)
{
    DblArray list;
    for (double item : items) list.Add(item);
    return list;
}

M_XZR Vertex(double x, double z, int enPoint)
{
    M_XZR v;
    v.x = x;
    v.z = z;
    v.enPoint = enPoint;
    return v;
}

void Line(CArray<M_XZR>& line, std::initializer_list<M_XZR> vertices)
{
    for (const M_XZR& v : vertices) line.Add(v);
}

// ---------------------------------------------------------------------------------------------

TEST(DimensionText, RoundsToTheDecimalsAndDropsTrailingZeros)
{
    EXPECT_EQ(RoundToDecimals(12.345, 1), "12.3");
    EXPECT_EQ(RoundToDecimals(40.0, 1), "40");
    EXPECT_EQ(RoundToDecimals(931.56, 1), "931.6");
    EXPECT_EQ(RoundToDecimals(3.14159, 2), "3.14");
    EXPECT_EQ(RoundToDecimals(6000.04, 1), "6000");
    EXPECT_EQ(RoundToDecimals(2.6, 0), "3");
    // Six significant digits.
    EXPECT_EQ(RoundToDecimals(123456.7, 1), "123457");
    // Exact binary halves are ties to the even digit; 0.35 and 1.005 lie just below their halves in
    // binary, 0.45 just above; -0.04 keeps its sign at zero; a negative count of decimals counts as 0.
    const struct {
        double v;
        int n;
        const char* text;
    } rows[] = {{0.25, 1, "0.2"}, {0.75, 1, "0.8"}, {2.5, 0, "2"},   {-0.125, 2, "-0.12"}, {0.35, 1, "0.3"},
                {1.005, 2, "1"},  {0.45, 1, "0.5"}, {-0.04, 1, "-0"}, {7.5, -2, "8"}};
    for (const auto& row : rows) EXPECT_EQ(RoundToDecimals(row.v, row.n), row.text) << row.v << " " << row.n;
}

// The rounding through the fixed-point text, written, read back and written short: the reference
// the arithmetic rounding must match digit for digit.
CString RoundedByText(double v, int n)
{
    CString fixed;
    fixed.Format("%.*f", std::max(n, 0), v);
    double rounded = v;
    const std::string& text = fixed.str();
    std::from_chars(text.data(), text.data() + text.size(), rounded);
    CString result;
    result.Format("%g", rounded);
    return result;
}

TEST(DimensionText, WritesWhatTheFixedPointTextReadBackWrites)
{
    std::vector<double> values = {0.0, -0.0, 0.5, 1.5, 2.5, 0.25, 0.125, 0.375, 1.125, 0.0625, 1e-310, 12.345,
                                  931.55, 931.65, 1.005, 2.675, 0.045, 6000.05, 123456.75, 4503599627370495.5,
                                  4503599627370497.0, 450359962737049.5, 45035996273704.95, 1e15, 1e16, 1e22,
                                  1e23, 1e300, 5e-324, std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()};
    // Decimal ties x.xx5 at one to four decimals, and their neighbours one step away either side.
    for (int k = 0; k < 400; ++k) {
        for (const double step : {0.05, 0.005, 0.0005, 0.00005}) {
            const double tie = k * 10 * step + step + 17.0 * k;
            values.insert(values.end(), {tie, std::nextafter(tie, 0.0), std::nextafter(tie, 1e300)});
        }
    }
    // Values over many magnitudes, from a fixed sequence.
    unsigned long long state = 88172645463325252ULL;
    for (int k = 0; k < 4000; ++k) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        const double unit = static_cast<double>(state >> 11) / 9007199254740992.0;
        values.push_back(unit * std::pow(10.0, static_cast<int>(state % 24) - 6));
    }
    const std::size_t count = values.size();
    for (std::size_t i = 0; i < count; ++i) values.push_back(-values[i]);

    for (const double v : values) {
        for (const int n : {-1, 0, 1, 2, 3, 4, 6, 15, 22, 23, 30}) {
            ASSERT_EQ(RoundToDecimals(v, n), RoundedByText(v, n)) << "value " << v << " decimals " << n;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// A straight cap beam of three support lines at 1000, 4000 and 7000 along its 8000 length, with one
// main skeleton at y = 0 whose bar families the tests fill by hand. Bars: d 25 HRB400 (outer
// diameter 28.4), end cover 40, top and bottom cover 60.

class FrameContents : public ::testing::Test {
protected:
    static constexpr double kBottomLine = 88.4;   // height of the inner outline's bottom

    void SetUp() override
    {
        atom.nPier = 3;
        atom.bBz = Reals({3000.0, 3000.0});
        atom.bBzl = 1000.0;
        atom.bBzr = 1000.0;
        atom.bBg = 8000.0;
        atom.hHgl = 1600.0;
        atom.st.d = 25.0;
        atom.st.type = 3;
        atom.st.sa = 40.0;
        atom.st.ua = 60.0;
        atom.st.da = 60.0;
        atom.st.fLayMode = 1;
        atom.dMainBarWd = 28.4;
        atom.KeyLen1 = 600.0;
        atom.FrameY.Add(0.0);
        atom.FrameY.Add(500.0);
        atom.FrameGroup.Add(1);
        atom.FrameGroup.Add(2);
        atom.PYXTCJpa2.Add({68.4, 288.4});
        atom.PYXTCJpa2.Add({68.4, kBottomLine});
        atom.PYXTCJpa2.Add({7931.6, kBottomLine});
        atom.PYXTCJpa2.Add({7931.6, 288.4});

        // Square ends: the top bar stands at the end cover, the bottom bar's legs one bar inside.
        atom.ThroughBars.SetSize(2);
        atom.ThroughBarsPlain.SetSize(2);
        atom.ThroughBars[0].class_ = 1;
        atom.ThroughBars[0].R = "1";
        Line(atom.ThroughBars[0].PtAr, {Vertex(40.0, 60.0, 0), Vertex(40.0, 1540.0, 1), Vertex(7960.0, 1540.0, 1),
                                        Vertex(7960.0, 60.0, 0)});
        atom.ThroughBars[1].class_ = 2;
        atom.ThroughBars[1].R = "2";
        Line(atom.ThroughBars[1].PtAr, {Vertex(68.4, 260.0, 0), Vertex(68.4, 60.0, 2), Vertex(7931.6, 60.0, 2),
                                        Vertex(7931.6, 260.0, 0)});
        atom.TopThroughMark = "1";
        atom.BottomThroughMark = "2";
        atom.TopThroughList.Add(0);
        atom.BottomThroughList.Add(0);

        kp.FrameName.Add("K1");
        kp.FrameName.Add("K2");
        kp.FrameY.Add(0.0);
        kp.FrameY.Add(500.0);
        struct CPM001_CapKeyParam::FrameAr main;
        main.name = "K1";
        main.fGJJ = 1;
        kp.FrameAr.Add(main);
        struct CPM001_CapKeyParam::FrameAr secondary;
        secondary.name = "K2";
        secondary.fGJJ = 0;
        kp.FrameAr.Add(secondary);
    }

    // A bent-up bar arc of frame 0 over a support line, its vertices left to right.
    void AddArc(std::initializer_list<M_XZR> vertices, int support)
    {
        Atom::M_ArcWQJ* arc = atom.BentArcPool.AddOwned(std::make_unique<Atom::M_ArcWQJ>());
        arc->nA = 0;
        arc->nB = support;
        Line(arc->PtAr, vertices);
        Atom::M_ArcWQJ_R* marked = atom.BentArcResultPool.AddOwned(std::make_unique<Atom::M_ArcWQJ_R>());
        marked->pArcWQJ = arc;
        marked->R = "8";
        atom.BentArcs.Add(marked);
    }

    void AddBentUpBar(std::initializer_list<M_XZR> vertices)
    {
        Atom::M_WQJ* bar = atom.BentBarPool.AddOwned(std::make_unique<Atom::M_WQJ>());
        bar->nH = 0;
        Line(bar->PtAr, vertices);
        Atom::M_WQJ_R* marked = atom.BentResultPool.AddOwned(std::make_unique<Atom::M_WQJ_R>());
        marked->pWQJ = bar;
        marked->R = "6";
        atom.BentBars.Add(marked);
    }

    void AddInclinedBar(std::initializer_list<M_XZR> vertices)
    {
        Atom::M_BZXJR bar;
        bar.nB = 0;
        bar.R = "7";
        Line(bar.PtAr, vertices);
        atom.InclBars.Add(bar);
    }

    void AddTopCutBar(double from, double to)
    {
        Atom::M_DCZDJBH* bar = atom.TopCutPool.AddOwned(std::make_unique<Atom::M_DCZDJBH>());
        bar->nFrame = 0;
        bar->R = "5";
        bar->L1 = 1000.0;
        bar->L2 = 1000.0;
        Line(bar->PtAr, {Vertex(from, 1540.0, 0), Vertex(to, 1540.0, 0)});
        atom.TopCutBars.Add(bar);
    }

    void Build(int i, Atom::FrameAr& frame) { CPM001T0101AtomTestAccess::GetFrame(atom, kp, i, frame); }

    Atom atom;
    CPM001_CapKeyParam kp;
};

TEST_F(FrameContents, AFrameCarriesItsPositionNumberGroupNameAndBars)
{
    Atom::FrameAr frame;
    Build(0, frame);
    EXPECT_EQ(frame.fsk, 1);
    EXPECT_DOUBLE_EQ(frame.y, 0.0);
    EXPECT_EQ(frame.num, 1);
    EXPECT_EQ(frame.sort, 1);
    EXPECT_EQ(frame.name, "K1");
    ASSERT_EQ(frame.Bars.GetSize(), 2);
    EXPECT_EQ(frame.Bars[0], &atom.ThroughBars[0]);
    EXPECT_EQ(frame.Bars[1], &atom.ThroughBars[1]);
    EXPECT_EQ(frame.Bars.GetOwnedCount(), 0);
    // One height list per station: three supports and two mid-spans.
    EXPECT_EQ(frame.zt.GetSize(), 5);
    EXPECT_EQ(frame.zb.GetSize(), 5);
    EXPECT_EQ(frame.fDrawLM, 0);
}

TEST_F(FrameContents, ASecondarySkeletonHasNoDimensions)
{
    AddTopCutBar(3000.0, 5000.0);
    Atom::FrameAr frame;
    Build(1, frame);
    EXPECT_EQ(frame.fsk, 0);
    EXPECT_EQ(frame.num, 2);
    EXPECT_EQ(frame.sort, 2);
    EXPECT_DOUBLE_EQ(frame.y, 500.0);
    EXPECT_TRUE(frame.difL1.IsEmpty());
    EXPECT_TRUE(frame.difL2.IsEmpty());
    EXPECT_TRUE(frame.difL3.IsEmpty());
    EXPECT_TRUE(frame.difL4.IsEmpty());
}

TEST_F(FrameContents, BottomChainRunsFromTheBottomBarsLegsOverTheSpans)
{
    Atom::FrameAr frame;
    Build(0, frame);
    // 1000 - 68.4, the spans, 7931.6 - 7000.
    const std::vector<double> chain = Values(frame.difL1);
    ASSERT_EQ(chain.size(), 4U);
    EXPECT_NEAR(chain[0], 931.6, 1e-9);
    EXPECT_DOUBLE_EQ(chain[1], 3000.0);
    EXPECT_DOUBLE_EQ(chain[2], 3000.0);
    EXPECT_NEAR(chain[3], 931.6, 1e-9);
}

TEST_F(FrameContents, BottomChainOfABeamWithSlopedEndsTakesTheSlopes)
{
    atom.bBpl = 500.0;
    atom.bBpr = 500.0;
    atom.ThroughBars[1].PtAr.RemoveAll();
    Line(atom.ThroughBars[1].PtAr, {Vertex(40.0, 1540.0, 0), Vertex(40.0, 260.0, 2), Vertex(540.0, 60.0, 2),
                                    Vertex(7460.0, 60.0, 2), Vertex(7960.0, 260.0, 2), Vertex(7960.0, 1540.0, 0)});
    Atom::FrameAr frame;
    Build(0, frame);
    // 540 - 40, 1000 - 540, the spans, 7460 - 7000, 7960 - 7460.
    EXPECT_EQ(Values(frame.difL1), (std::vector<double>{500.0, 460.0, 3000.0, 3000.0, 460.0, 500.0}));
}

TEST_F(FrameContents, ABottomBarShortOfVerticesGivesNoBottomChain)
{
    // A through bar that could not be shaped.
    atom.ThroughBars[1].PtAr.RemoveAll();
    Line(atom.ThroughBars[1].PtAr, {Vertex(68.4, 60.0, 2), Vertex(7931.6, 60.0, 2)});
    Atom::FrameAr frame;
    Build(0, frame);
    EXPECT_TRUE(frame.difL1.IsEmpty());

    atom.bBpl = 500.0;
    atom.bBpr = 500.0;
    Line(atom.ThroughBars[1].PtAr, {Vertex(7960.0, 260.0, 2)});
    Atom::FrameAr sloped;
    Build(0, sloped);
    EXPECT_TRUE(sloped.difL1.IsEmpty());
}

TEST_F(FrameContents, ArcWidthsAtTheSupports)
{
    // Over the first support: feet 150 wide on the left (250 to 400) and 130 on the right.
    AddArc({Vertex(200.0, 60.0, 0), Vertex(250.0, 60.0, 2), Vertex(400.0, 200.0, 3), Vertex(1000.0, 1400.0, 1),
            Vertex(1600.0, 200.0, 3), Vertex(1730.0, 60.0, 2), Vertex(1800.0, 60.0, 0)},
           0);
    // Over the middle support: KeyLen1 to each side.
    AddArc({Vertex(3400.0, 200.0, 3), Vertex(4000.0, 1400.0, 1), Vertex(4600.0, 200.0, 3)}, 1);
    // Over the last support: its right foot 140 wide (7500 to 7640).
    AddArc({Vertex(6200.0, 60.0, 0), Vertex(6380.0, 60.0, 2), Vertex(6500.0, 200.0, 3), Vertex(7000.0, 1400.0, 1),
            Vertex(7500.0, 200.0, 3), Vertex(7640.0, 60.0, 2), Vertex(7700.0, 60.0, 0)},
           2);
    Atom::FrameAr frame;
    Build(0, frame);
    EXPECT_EQ(Values(frame.difL2), (std::vector<double>{150.0, 130.0, 600.0, 600.0, 600.0, 140.0}));
}

TEST_F(FrameContents, TheFirstArcOverASupportGivesItsWidths)
{
    // Two arcs over the first support: the first one's feet, 150 and 130 wide, are dimensioned.
    AddArc({Vertex(250.0, 60.0, 2), Vertex(400.0, 200.0, 3), Vertex(1000.0, 1400.0, 1), Vertex(1600.0, 200.0, 3),
            Vertex(1730.0, 60.0, 2)},
           0);
    AddArc({Vertex(300.0, 60.0, 2), Vertex(400.0, 200.0, 3), Vertex(1000.0, 1400.0, 1), Vertex(1600.0, 200.0, 3),
            Vertex(1700.0, 60.0, 2)},
           0);
    Atom::FrameAr frame;
    Build(0, frame);
    EXPECT_EQ(Values(frame.difL2), (std::vector<double>{150.0, 130.0, 0.0, 0.0, 0.0, 0.0}));
}

TEST_F(FrameContents, ASupportWithoutAnArcKeepsZeroWidths)
{
    AddArc({Vertex(3400.0, 200.0, 3), Vertex(4000.0, 1400.0, 1), Vertex(4600.0, 200.0, 3)}, 1);
    // An arc that touches no support line.
    AddArc({Vertex(5400.0, 200.0, 3), Vertex(5500.0, 1400.0, 1), Vertex(5600.0, 200.0, 3)}, 2);
    Atom::FrameAr frame;
    Build(0, frame);
    EXPECT_EQ(Values(frame.difL2), (std::vector<double>{0.0, 0.0, 600.0, 600.0, 0.0, 0.0}));
}

TEST_F(FrameContents, BendChainTakesTheBendsOfBentUpAndInclinedBars)
{
    // Inclined bar: its upper bend at 2500.
    AddInclinedBar({Vertex(1300.0, 100.0, 0), Vertex(1500.0, 100.0, 2), Vertex(2500.0, 1100.0, 1),
                    Vertex(2600.0, 1100.0, 0)});
    // Bent-up bar: its welded leg at 5200 (free end, kink, bend), the upper bend at 5400, a kink on
    // the bottom line at 5900 (not a dimension point) and one above it at 6000.
    AddBentUpBar({Vertex(5200.0, 1500.0, 0), Vertex(5200.0, 1800.0, 3), Vertex(5400.0, 1800.0, 1),
                  Vertex(5900.0, kBottomLine, 3), Vertex(6000.0, 600.0, 3), Vertex(6100.0, 600.0, 0)});
    // An arc's bends belong to the arc chain, not here.
    AddArc({Vertex(3400.0, 200.0, 3), Vertex(4000.0, 1400.0, 1), Vertex(4600.0, 200.0, 3)}, 1);
    Atom::FrameAr frame;
    Build(0, frame);
    // Stations 40, 1000, 2500, 4000, 5200, 5400, 6000, 7000, 7960.
    EXPECT_EQ(Values(frame.difL3), (std::vector<double>{960.0, 1500.0, 1500.0, 1200.0, 200.0, 600.0, 1000.0, 960.0}));
}

TEST_F(FrameContents, BendChainIsEmptyWithoutBentOrInclinedBars)
{
    Atom::FrameAr frame;
    Build(0, frame);
    EXPECT_TRUE(frame.difL3.IsEmpty());
}

TEST_F(FrameContents, CutOffChainKeepsRepeatedStations)
{
    AddTopCutBar(3000.0, 5000.0);
    AddTopCutBar(3000.0, 4500.0);
    Atom::FrameAr frame;
    Build(0, frame);
    // Stations 40, 3000, 3000, 4500, 5000, 7960.
    EXPECT_EQ(Values(frame.difL4), (std::vector<double>{2960.0, 0.0, 1500.0, 500.0, 2960.0}));
}

TEST_F(FrameContents, ChainEndsMoveInByOneBarWhenTheBentBarsStandInside)
{
    atom.fEndInset = 1;
    AddTopCutBar(3000.0, 5000.0);
    Atom::FrameAr frame;
    Build(0, frame);
    // Stations 68.4, 3000, 5000, 7931.6.
    const std::vector<double> chain = Values(frame.difL4);
    ASSERT_EQ(chain.size(), 3U);
    EXPECT_NEAR(chain[0], 2931.6, 1e-9);
    EXPECT_DOUBLE_EQ(chain[1], 2000.0);
    EXPECT_NEAR(chain[2], 2931.6, 1e-9);
}

TEST_F(FrameContents, WithoutCutOffBarsABeamWithSlopedEndsIsDimensionedAtItsSupports)
{
    Atom::FrameAr square;
    Build(0, square);
    EXPECT_TRUE(square.difL4.IsEmpty());

    atom.bBpl = 500.0;
    atom.bBpr = 500.0;
    Atom::FrameAr sloped;
    Build(0, sloped);
    // Stations 40, 1000, 4000, 7000, 7960.
    EXPECT_EQ(Values(sloped.difL4), (std::vector<double>{960.0, 3000.0, 3000.0, 960.0}));
}

TEST_F(FrameContents, AnArcStandsOnTheFirstSupportLineItTouches)
{
    auto support = [this](std::initializer_list<M_XZR> vertices, int i) {
        Atom::singAr bar;
        Line(bar.PtAr, vertices);
        return CPM001T0101AtomTestAccess::GetArcWQJdh(atom, &bar, i);
    };
    EXPECT_EQ(support({Vertex(3400.0, 0.0, 3), Vertex(4000.0, 0.0, 1), Vertex(7000.0, 0.0, 3)}, 0), 1);
    EXPECT_EQ(support({Vertex(3400.0, 0.0, 3), Vertex(4600.0, 0.0, 3)}, 0), -1);
    EXPECT_EQ(CPM001T0101AtomTestAccess::GetArcWQJdh(atom, nullptr, 0), -1);

    // On a beam laid along its skew, frame 1 (y = 500) meets the supports tan(0.1) x 500 =
    // 50.1673360 further on: the middle one at 4050.1673360.
    atom.st.fLayMode = 0;
    atom.a = 0.1;
    EXPECT_EQ(support({Vertex(4000.0, 0.0, 1)}, 1), -1);
    EXPECT_EQ(support({Vertex(4050.16734, 0.0, 1)}, 1), -1);
    EXPECT_EQ(support({Vertex(4050.1673359, 0.0, 1)}, 1), 1);

    // A fourth column line without a spacing of its own stands on the third: the first wins.
    atom.nPier = 4;
    EXPECT_EQ(support({Vertex(7050.1673359, 0.0, 1)}, 1), 2);
    EXPECT_EQ(support({Vertex(7100.0, 0.0, 1), Vertex(1050.1673359, 0.0, 1)}, 1), 0);
}

// ---------------------------------------------------------------------------------------------
// The frame table, on frames built by hand.

class FrameTableRows : public ::testing::Test {
protected:
    // Frames d = 0, 1, ... with the given names, groups and main-skeleton flags.
    void Frames(std::initializer_list<const char*> names, std::initializer_list<int> groups,
                std::initializer_list<int> fsk)
    {
        atom.FrameStore.SetSize(static_cast<int>(names.size()));
        int d = 0;
        for (const char* name : names) atom.FrameStore[d++].name = name;
        d = 0;
        for (int g : groups) {
            atom.FrameGroup.Add(g);
            atom.FrameStore[d++].sort = g;
        }
        d = 0;
        for (int flag : fsk) atom.FrameStore[d++].fsk = flag;
    }

    Atom::FrameAr& Frame(int d) { return atom.FrameStore[d]; }
    Atom::tFrameAr& Row(int r) { return atom.FrameTable[r]; }

    Atom atom;
};

TEST_F(FrameTableRows, FramesOfOneNameMakeOneRowHeadedByTheName)
{
    atom.st.fLayMode = 1;
    Frames({"K1", "K1"}, {1, 1}, {0, 0});
    ASSERT_EQ(BuildFrameTable(atom), 1);
    ASSERT_EQ(atom.FrameTable.GetSize(), 3);
    EXPECT_EQ(Row(1).szDY, "骨架K1");
    EXPECT_TRUE(Row(0).szDY.IsEmpty());
    EXPECT_TRUE(Row(2).szDY.IsEmpty());
    // Secondary skeletons are not dimensioned: the row keeps only its heading.
    EXPECT_TRUE(atom.st.tFrame.IsEmpty());
    EXPECT_TRUE(Row(1).szX1.IsEmpty());
}

TEST_F(FrameTableRows, OnASkewedBeamTheRowNamesEveryFrameOfItsGroup)
{
    atom.a = 0.1;
    atom.st.fLayMode = 0;
    Frames({"K0", "K1", "K2", "K3"}, {1, 2, 3, 2}, {1, 1, 1, 1});
    ASSERT_EQ(BuildFrameTable(atom), 1);
    EXPECT_EQ(Row(1).szDY, "骨架K0");
    EXPECT_EQ(Row(2).szDY, "骨架K1、K3");
    EXPECT_EQ(Row(3).szDY, "骨架K2");
    EXPECT_TRUE(Row(4).szDY.IsEmpty());
    ASSERT_EQ(atom.st.tFrame.GetSize(), 3);
    EXPECT_EQ(atom.st.tFrame[0], &Row(1));
    EXPECT_EQ(atom.st.tFrame[1], &Row(2));
    EXPECT_EQ(atom.st.tFrame[2], &Row(3));
    EXPECT_EQ(Row(2).n, 1);
    EXPECT_EQ(Row(3).n, 2);
}

TEST_F(FrameTableRows, AGroupThatAgreesShowsItsValuesOnTheFirstFrame)
{
    atom.st.fLayMode = 1;
    Frames({"K1", "K1"}, {1, 1}, {1, 1});
    for (int d : {0, 1}) {
        Frame(d).difL1 = Reals({931.6, 6000.0, 40.0});
        Frame(d).difL2 = Reals({150.0, 130.0});
    }
    ASSERT_EQ(BuildFrameTable(atom), 1);
    EXPECT_EQ(Values(Frame(0).difLabel1), (std::vector<CString>{"931.6", "6000", "40"}));
    EXPECT_EQ(Values(Frame(0).difLabel2), (std::vector<CString>{"150", "130"}));
    EXPECT_EQ(Values(Row(1).szX1), (std::vector<CString>{"/", "/", "/"}));
    EXPECT_EQ(Values(Row(1).szX2), (std::vector<CString>{"/", "/"}));
    EXPECT_TRUE(Row(1).szX3.IsEmpty());
    // Only the group's first frame is labelled.
    EXPECT_TRUE(Frame(1).difLabel1.IsEmpty());
    ASSERT_EQ(atom.st.tFrame.GetSize(), 1);
    EXPECT_EQ(atom.st.tFrame[0], &Row(1));
    EXPECT_EQ(Row(1).n, 0);
}

TEST_F(FrameTableRows, DifferingValuesAreNumberedAcrossTheChains)
{
    atom.st.fLayMode = 1;
    Frames({"K1", "K1"}, {1, 1}, {1, 1});
    Frame(0).difL1 = Reals({900.0, 3000.0, 800.0, 500.0});
    Frame(1).difL1 = Reals({950.0, 3000.0, 850.0, 500.0});
    Frame(0).difL3 = Reals({700.0, 1200.0});
    Frame(1).difL3 = Reals({700.0, 1300.0});
    ASSERT_EQ(BuildFrameTable(atom), 1);
    EXPECT_EQ(Values(Frame(0).difLabel1), (std::vector<CString>{"X1", "3000", "X2", "500"}));
    EXPECT_EQ(Values(Row(1).szX1), (std::vector<CString>{"X1", "/", "X2", "/"}));
    EXPECT_EQ(Values(Frame(0).difLabel3), (std::vector<CString>{"700", "X3"}));
    EXPECT_EQ(Values(Row(1).szX3), (std::vector<CString>{"/", "X3"}));
}

TEST_F(FrameTableRows, ValuesAreComparedInWholeTenths)
{
    atom.st.fLayMode = 1;
    Frames({"K1", "K1"}, {1, 1}, {1, 1});
    // 12.31 and 12.34 are both 12.3; 12.34 and 12.36 are 12.3 and 12.4.
    Frame(0).difL1 = Reals({12.31, 12.34});
    Frame(1).difL1 = Reals({12.34, 12.36});
    ASSERT_EQ(BuildFrameTable(atom), 1);
    EXPECT_EQ(Values(Frame(0).difLabel1), (std::vector<CString>{"12.3", "X1"}));
    EXPECT_EQ(Values(Row(1).szX1), (std::vector<CString>{"/", "X1"}));
}

TEST_F(FrameTableRows, AFrameWithAShorterChainDiffersWhereItHasNoValue)
{
    atom.st.fLayMode = 1;
    Frames({"K1", "K1"}, {1, 1}, {1, 1});
    Frame(0).difL1 = Reals({900.0, 3000.0, 900.0});
    Frame(1).difL1 = Reals({900.0, 3000.0});
    ASSERT_EQ(BuildFrameTable(atom), 1);
    EXPECT_EQ(Values(Row(1).szX1), (std::vector<CString>{"/", "/", "X1"}));
    EXPECT_EQ(Values(Frame(0).difLabel1), (std::vector<CString>{"900", "3000", "X1"}));
}

TEST_F(FrameTableRows, AGroupLedByASecondarySkeletonKeepsOnlyItsHeading)
{
    atom.st.fLayMode = 1;
    Frames({"K1", "K2", "K1"}, {1, 2, 1}, {0, 1, 1});
    Frame(1).difL1 = Reals({900.0});
    Frame(2).difL1 = Reals({900.0});
    ASSERT_EQ(BuildFrameTable(atom), 1);
    EXPECT_EQ(Row(1).szDY, "骨架K1");
    EXPECT_TRUE(Row(1).szX1.IsEmpty());
    EXPECT_TRUE(Frame(2).difLabel1.IsEmpty());
    ASSERT_EQ(atom.st.tFrame.GetSize(), 1);
    EXPECT_EQ(atom.st.tFrame[0], &Row(2));
    EXPECT_EQ(Values(Frame(1).difLabel1), (std::vector<CString>{"900"}));
}

TEST_F(FrameTableRows, WithoutGroupsThereIsNoTable)
{
    Frames({"K1", "K2"}, {}, {1, 1});
    EXPECT_EQ(BuildFrameTable(atom), 0);
    EXPECT_EQ(atom.FrameTable.GetSize(), 3);
    EXPECT_TRUE(atom.st.tFrame.IsEmpty());
}

} // namespace
