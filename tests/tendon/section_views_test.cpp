// Section views: where the beam is cut, how the views are numbered, and the symmetry flags, on
// hand-built tendons over a flat beam 10000 long with columns at 2000 and 8000.
#include "tendon/hand_built_tendons.h"
#include "tendon/steps_test_access.h"

#include "host/report.h"

#include <gtest/gtest.h>

#include <vector>

using namespace hand_built;

namespace {

using Access = CPM001T010401AtomTestAccess;

std::vector<int> Values(const IntArray& list) { return list.vector(); }
std::vector<double> Values(const DblArray& list) { return list.vector(); }

// A flat symmetric beam: ends 2000 high, columns at 2000 and 8000, tendon ends 1000 from both
// beam ends (each chain holds one gap), symmetric flags set.
void SymmetricBeam(Atom& atom)
{
    FlatBeam(atom);
    atom.hXbl = 2000.0;
    atom.hXbr = 2000.0;
    atom.bBzl = 2000.0;
    atom.bBz.Add(6000.0);
    atom.fm = 1000.0;
    atom.fmr = 1000.0;
    atom.fmxl.Add(1000.0);
    atom.fmxr.Add(1000.0);
    atom.fJGDC = 1;
    atom.fSymLayout = 1;
}

// Along the top: up from (1000, 1500) to a run at 1800 from 2000 to 8000, down to (9000, 1500).
std::unique_ptr<Atom::M_Steel> TopTendon(const char* label, int pt)
{
    return Tendon(label, pt, {{1000, 1500, 0, 1}, {2000, 1800, 0, 2}, {8000, 1800, 0, 3}, {9000, 1500, 0, 8}},
                  {-500, 500});
}

// Along the bottom: down from (1000, 500) to a run at 200 from 2000 to 8000, up to (9000, 500).
std::unique_ptr<Atom::M_Steel> BottomTendon(const char* label, int pt)
{
    return Tendon(label, pt, {{1000, 500, 0, 1}, {2000, 200, 0, 4}, {8000, 200, 0, 5}, {9000, 500, 0, 8}}, {0});
}

int MakeViews(Atom& atom) { return Access::SetCMSteelData(atom); }

} // namespace

// ---- cuts and numbers ----------------------------------------------------------------------------

TEST(SectionViews, SymmetricBeamShowsLeftAndMiddleAndNumbersTheRightOneAgain)
{
    // The views do not move with the road design line. bAg holds the negated distance of the
    // beam's right end from the line: 0 puts the line at the right end, -5000 at mid-span, -12000
    // and -20000 beyond the left end, 2000 right of the beam.
    for (double bAg : {0.0, 2000.0, -3000.0, -5000.0, -8000.0, -10000.0, -12000.0, -20000.0}) {
        SCOPED_TRACE(bAg);
        Atom atom;
        SymmetricBeam(atom);
        atom.bAg = bAg;
        Add(atom, TopTendon("N1", 0));
        Add(atom, BottomTendon("N2", 0));
        EXPECT_EQ(MakeViews(atom), 1);

        // Both runs cover 2000–8000, which holds the columns' middle 5000.
        EXPECT_DOUBLE_EQ(atom.dAc, 5000.0);
        EXPECT_EQ(Values(atom.enSection), (std::vector<int>{1, 2, 1}));
        ASSERT_EQ(atom.HD.size(), 2u);
        EXPECT_EQ(atom.HD[0], &atom.SectionHD[0]);
        EXPECT_EQ(atom.HD[1], &atom.SectionHD[1]);
        EXPECT_EQ(atom.fJGDC, 1);
        EXPECT_EQ(atom.fSymLayout, 1);

        // Left cut at 1000: both tendons on their first, inclined stretch (status 0) at 1500 and 500.
        EXPECT_DOUBLE_EQ(atom.SectionHD[0].hD, 2000.0);
        EXPECT_EQ(Values(atom.SectionHD[0].VStatus), (std::vector<int>{0, 0}));
        EXPECT_EQ(Values(atom.SectionHD[0].Bz), (std::vector<double>{500}));
        EXPECT_EQ(Values(atom.SectionAux[0]), (std::vector<double>{500, 1000}));   // Tz 500, ms 1000
        // Middle cut at 5000: the runs.
        EXPECT_EQ(Values(atom.SectionHD[1].VStatus), (std::vector<int>{2, 3}));
        EXPECT_EQ(Values(atom.SectionAux[1]), (std::vector<double>{200, 1600}));
        // Right cut at 9000: both on their last stretch (status 1); made although not listed.
        EXPECT_EQ(Values(atom.SectionHD[2].VStatus), (std::vector<int>{1, 1}));
        EXPECT_EQ(Values(atom.SectionHD[2].Bz), (std::vector<double>{500}));
    }
}

TEST(SectionViews, UnsymmetricTensioningShowsAllThreeViews)
{
    // N2 tensioned at its left end only: the right cut flags it where the left cut does not.
    Atom atom;
    SymmetricBeam(atom);
    Add(atom, TopTendon("N1", 0));
    Add(atom, BottomTendon("N2", 1));
    EXPECT_EQ(MakeViews(atom), 1);
    EXPECT_EQ(Values(atom.enSection), (std::vector<int>{1, 2, 3}));
    ASSERT_EQ(atom.HD.size(), 3u);
    EXPECT_EQ(atom.HD[2], &atom.SectionHD[2]);
    EXPECT_EQ(atom.fJGDC, 0);
    EXPECT_EQ(atom.fSymLayout, 0);
}

TEST(SectionViews, DifferentEndHeightsAreNotSymmetric)
{
    Atom atom;
    SymmetricBeam(atom);
    atom.hXbr = 2100.0;
    Add(atom, TopTendon("N1", 0));
    EXPECT_EQ(MakeViews(atom), 1);
    EXPECT_EQ(Values(atom.enSection), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(atom.fJGDC, 0);
}

TEST(SectionViews, DifferentLowerLevelsAtTheEndsAreNotSymmetric)
{
    // The bottom tendon ends at 9000 at 600 instead of 500.
    Atom atom;
    SymmetricBeam(atom);
    Add(atom, TopTendon("N1", 0));
    Add(atom, Tendon("N2", 0, {{1000, 500, 0, 1}, {2000, 200, 0, 4}, {8000, 200, 0, 5}, {9000, 600, 0, 8}}, {0}));
    EXPECT_EQ(MakeViews(atom), 1);
    EXPECT_EQ(Values(atom.enSection), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(atom.HD.size(), 3u);
}

TEST(SectionViews, FlagsThatWereClearStayClear)
{
    Atom atom;
    SymmetricBeam(atom);
    atom.fJGDC = 0;
    atom.fSymLayout = 0;
    Add(atom, TopTendon("N1", 0));
    EXPECT_EQ(MakeViews(atom), 1);
    EXPECT_EQ(Values(atom.enSection), (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(atom.fJGDC, 0);
    EXPECT_EQ(atom.fSymLayout, 0);
}

TEST(SectionViews, WithoutLeftChainTheMiddleViewIsNumberOne)
{
    // No left chain: no left cut, so the first working section keeps height 0, which is then the
    // reference of the layers: N1's level last piece at depth 200 is not above half of 0 and
    // counts as a bottom layer at the right cut.
    Atom atom;
    SymmetricBeam(atom);
    atom.fmxl.RemoveAll();
    Add(atom, Tendon("N1", 2, {{1000, 1500, 0, 1}, {2000, 1800, 0, 2}, {9000, 1800, 0, 8}}, {0}));
    EXPECT_EQ(MakeViews(atom), 1);
    EXPECT_DOUBLE_EQ(atom.SectionHD[0].hD, 0.0);
    EXPECT_EQ(Values(atom.SectionHD[2].VStatus), (std::vector<int>{3}));
    // Middle 1, right 2 (the empty left section does not mirror the right one).
    EXPECT_EQ(Values(atom.enSection), (std::vector<int>{1, 2}));
    ASSERT_EQ(atom.HD.size(), 2u);
    EXPECT_EQ(atom.HD[0], &atom.SectionHD[1]);
    EXPECT_EQ(atom.HD[1], &atom.SectionHD[2]);
}

TEST(SectionViews, MiddleStationAtOrLeftOfTheFirstStartGivesNoMiddleCut)
{
    // A straight tendon has no run, so the station is the columns' middle: one column at 500 lies
    // left of the first tendon start at 1000; one at 1000 lies on it, which is not right of fm.
    for (double column : {500.0, 1000.0}) {
        SCOPED_TRACE(column);
        Atom atom;
        SymmetricBeam(atom);
        atom.bBzl = column;
        atom.bBz.RemoveAll();
        Add(atom, Tendon("N1", 0, {{1000, 1000, 0, 1}, {9000, 1000, 0, 8}}, {0}));
        EXPECT_EQ(MakeViews(atom), 1);
        EXPECT_DOUBLE_EQ(atom.dAc, column);
        EXPECT_EQ(Values(atom.enSection), (std::vector<int>{1, 1}));
        ASSERT_EQ(atom.HD.size(), 1u);
        EXPECT_EQ(atom.HD[0], &atom.SectionHD[0]);
        EXPECT_TRUE(atom.SectionHD[1].VStatus.IsEmpty());
        EXPECT_TRUE(atom.SectionAux[1].IsEmpty());
    }
}

TEST(SectionViews, NoTendonAtAll)
{
    // Empty chains: no cut at the ends; the middle station lies right of fm = 0 but meets
    // nothing. The empty sections compare equal, so the right view is numbered 1.
    Atom atom;
    FlatBeam(atom);
    atom.bBzl = 2000.0;
    atom.bBz.Add(6000.0);
    atom.fJGDC = 1;
    EXPECT_EQ(MakeViews(atom), 1);
    EXPECT_DOUBLE_EQ(atom.dAc, 5000.0);
    EXPECT_EQ(Values(atom.enSection), (std::vector<int>{1, 1}));
    EXPECT_TRUE(atom.HD.empty());
    EXPECT_EQ(atom.fJGDC, 1);
}

// ---- end numbers ---------------------------------------------------------------------------------

TEST(SectionViewsEndNumbers, AnotherPrefixGivesZerosThatCompareEqual)
{
    // T3 is tensioned at its left end only and stops at 4000; T4 at its right end only and
    // starts at 6000; both level at 1000 (bottom layer in both end cuts). The numbers read as
    // zeros, so the end lists agree: the section is symmetric, while the tendons are not.
    Atom atom;
    SymmetricBeam(atom);
    Add(atom, TopTendon("T1", 0));
    Add(atom, BottomTendon("T2", 0));
    Add(atom, Tendon("T3", 1, {{1000, 1000, 0, 1}, {4000, 1000, 0, 8}}, {300}));
    Add(atom, Tendon("T4", 2, {{6000, 1000, 0, 1}, {9000, 1000, 0, 8}}, {300}));
    EXPECT_EQ(MakeViews(atom), 1);
    EXPECT_EQ(Values(atom.enSection), (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(atom.fJGDC, 1);
    EXPECT_EQ(atom.fSymLayout, 0);
    EXPECT_EQ(atom.HD.size(), 2u);
}

TEST(SectionViewsEndNumbers, SameLayoutWithNumberedLabelsIsNotSymmetric)
{
    // With N labels the left end list is 1, 2, 3 and the right one 1, 2, 4.
    Atom atom;
    SymmetricBeam(atom);
    Add(atom, TopTendon("N1", 0));
    Add(atom, BottomTendon("N2", 0));
    Add(atom, Tendon("N3", 1, {{1000, 1000, 0, 1}, {4000, 1000, 0, 8}}, {300}));
    Add(atom, Tendon("N4", 2, {{6000, 1000, 0, 1}, {9000, 1000, 0, 8}}, {300}));
    EXPECT_EQ(MakeViews(atom), 1);
    EXPECT_EQ(Values(atom.enSection), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(atom.fJGDC, 0);
}

TEST(SectionViewsEndNumbers, EveryNIsTakenOutOfTheLabel)
{
    // "NN1" starts at fm and stops at 6000; "N1" starts at 4000 and ends at bBg - fmr. Both read
    // as 1 only when every N goes, so the end lists 1 and 1 agree.
    Atom atom;
    SymmetricBeam(atom);
    Add(atom, Tendon("NN1", 0, {{1000, 500, 0, 1}, {6000, 500, 0, 8}}, {0}));
    Add(atom, Tendon("N1", 0, {{4000, 500, 0, 1}, {9000, 500, 0, 8}}, {0}));
    EXPECT_EQ(MakeViews(atom), 1);
    EXPECT_EQ(Values(atom.enSection), (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(atom.fJGDC, 1);
}

// ---- mirrored layout -----------------------------------------------------------------------------

TEST(SectionViewsMirror, NodesMirroredWithinTheToleranceCount)
{
    Atom atom;
    SymmetricBeam(atom);
    Add(atom, Tendon("N1", 0, {{1000, 1500, 0, 1}, {2000, 1800, 0, 2}, {8000.0000004, 1800.0000004, 0, 3},
                               {9000, 1500, 0, 8}},
                     {0}));
    EXPECT_EQ(MakeViews(atom), 1);
    EXPECT_EQ(atom.fSymLayout, 1);
}

TEST(SectionViewsMirror, OddNodeCountNeedsTheMiddleNodeAtMidLength)
{
    Atom centred;
    SymmetricBeam(centred);
    Add(centred, Tendon("N1", 0, {{1000, 1500, 0, 1}, {5000, 1800, 0, 7}, {9000, 1500, 0, 8}}, {0}));
    EXPECT_EQ(MakeViews(centred), 1);
    EXPECT_EQ(centred.fSymLayout, 1);

    Atom offCentre;
    SymmetricBeam(offCentre);
    Add(offCentre, Tendon("N1", 0, {{1000, 1500, 0, 1}, {5000.01, 1800, 0, 7}, {9000, 1500, 0, 8}}, {0}));
    EXPECT_EQ(MakeViews(offCentre), 1);
    EXPECT_EQ(offCentre.fSymLayout, 0);
}

TEST(SectionViewsMirror, DifferentRadiiOrHeightsBreakTheMirror)
{
    // A fillet at the second node only; its arc record stands in (the cuts meet only the legs).
    Atom radii;
    SymmetricBeam(radii);
    Add(radii, Tendon("N1", 0, {{1000, 1500, 0, 1}, {2000, 1800, 300, 2}, {8000, 1800, 0, 3}, {9000, 1500, 0, 8}},
                      {0}),
        {{{1900, 1770}, {2100, 1800}, {2100, 1500}, 90, 18, 300}});
    EXPECT_EQ(MakeViews(radii), 1);
    EXPECT_EQ(radii.fSymLayout, 0);

    Atom heights;
    SymmetricBeam(heights);
    Add(heights, Tendon("N1", 0, {{1000, 1500, 0, 1}, {2000, 1800, 0, 2}, {8000, 1800, 0, 3}, {9000, 1400, 0, 8}},
                        {0}));
    EXPECT_EQ(MakeViews(heights), 1);
    EXPECT_EQ(heights.fSymLayout, 0);
}
