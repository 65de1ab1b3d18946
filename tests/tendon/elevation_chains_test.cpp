// Elevation dimension chains of the tendon ends, and the name-and-count pairs, on hand-built tendons.
#include "tendon/hand_built_tendons.h"
#include "tendon/steps_test_access.h"

#include "calc/pm001_cap_key_param.h"

#include <gtest/gtest.h>

#include <vector>

using namespace hand_built;

namespace {

using Access = CPM001T010401AtomTestAccess;

std::vector<double> Values(const DblArray& list) { return list.vector(); }

// A straight tendon from station a to station b.
std::unique_ptr<Atom::M_Steel> Straight(const char* label, int pt, double a, double b)
{
    return Tendon(label, pt, {{a, 500, 0, 1}, {b, 500, 0, 8}});
}

int MakeChains(Atom& atom)
{
    CPM001_CapKeyParam kp;
    return Access::SetLMSteelData(atom, &kp);
}

} // namespace

// ---- the chains -------------------------------------------------------------------------------

TEST(ElevationChains, ThreeTendonsOnATenMetreBeam)
{
    // Left ends 0, 300, 300, 800 → 0, 300, 800: gaps 300, 500. Right ends 9700, 9700 and the
    // beam end 10000 (the left-only tendon adds none) → 10000, 9700: gap 300.
    Atom atom;
    atom.bBg = 10000;
    Add(atom, Straight("N1", 0, 300, 9700));
    Add(atom, Straight("N2", 1, 300, 9000));
    Add(atom, Straight("N3", 0, 800, 9700));
    EXPECT_EQ(MakeChains(atom), 1);
    EXPECT_EQ(Values(atom.fmxl), (std::vector<double>{300, 500}));
    EXPECT_EQ(Values(atom.fmxr), (std::vector<double>{300}));
}

TEST(ElevationChains, RightChainRunsFromTheRightEndInDecreasingStation)
{
    // Right ends 9000, 9500, 8200 and 10000 → 10000, 9500, 9000, 8200: gaps 500, 500, 800,
    // listed in that order (from the right end inwards), whatever order the tendons come in.
    Atom atom;
    atom.bBg = 10000;
    Add(atom, Straight("N1", 2, 1000, 9000));
    Add(atom, Straight("N2", 0, 1200, 9500));
    Add(atom, Straight("N3", 2, 1500, 8200));
    EXPECT_EQ(MakeChains(atom), 1);
    EXPECT_EQ(Values(atom.fmxr), (std::vector<double>{500, 500, 800}));
    EXPECT_EQ(Values(atom.fmxl), (std::vector<double>{1200}));   // only N2 is tensioned at the left
}

TEST(ElevationChains, LeftOnlyAndRightOnlyTendonsLeaveTheOtherChainEmpty)
{
    Atom leftOnly;
    leftOnly.bBg = 10000;
    Add(leftOnly, Straight("N1", 1, 400, 9000));
    Add(leftOnly, Straight("N2", 1, 600, 9500));
    EXPECT_EQ(MakeChains(leftOnly), 1);
    EXPECT_EQ(Values(leftOnly.fmxl), (std::vector<double>{400, 200}));
    EXPECT_TRUE(leftOnly.fmxr.IsEmpty());

    Atom rightOnly;
    rightOnly.bBg = 10000;
    Add(rightOnly, Straight("N1", 2, 400, 9000));
    EXPECT_EQ(MakeChains(rightOnly), 1);
    EXPECT_TRUE(rightOnly.fmxl.IsEmpty());
    EXPECT_EQ(Values(rightOnly.fmxr), (std::vector<double>{1000}));
}

TEST(ElevationChains, AnyOtherTensioningCodeCountsAtBothEnds)
{
    Atom atom;
    atom.bBg = 10000;
    Add(atom, Straight("N1", 3, 400, 9000));
    EXPECT_EQ(MakeChains(atom), 1);
    EXPECT_EQ(Values(atom.fmxl), (std::vector<double>{400}));
    EXPECT_EQ(Values(atom.fmxr), (std::vector<double>{1000}));
}

TEST(ElevationChains, EndsAtTheBeamEndsMergeWithThem)
{
    Atom atom;
    atom.bBg = 10000;
    Add(atom, Straight("N1", 0, 0.0, 10000.0));
    EXPECT_EQ(MakeChains(atom), 1);
    EXPECT_TRUE(atom.fmxl.IsEmpty());
    EXPECT_TRUE(atom.fmxr.IsEmpty());
}

TEST(ElevationChains, ExactlyEqualEndsGiveOneStationButNearlyEqualOnesStayApart)
{
    Atom atom;
    atom.bBg = 10000;
    Add(atom, Straight("N1", 0, 500, 9500));
    Add(atom, Straight("N2", 0, 500, 9500));
    Add(atom, Straight("N3", 0, 500 + 1e-9, 9500 - 1e-9));
    EXPECT_EQ(MakeChains(atom), 1);
    ASSERT_EQ(atom.fmxl.GetSize(), 2);
    EXPECT_EQ(atom.fmxl[0], 500.0);
    EXPECT_GT(atom.fmxl[1], 0.0);   // the tiny gap of the tendon 1e-9 further on
    EXPECT_NEAR(atom.fmxl[1], 1e-9, 1e-12);
    ASSERT_EQ(atom.fmxr.GetSize(), 2);
    EXPECT_EQ(atom.fmxr[0], 500.0);
    EXPECT_NEAR(atom.fmxr[1], 1e-9, 1e-12);
}

TEST(ElevationChains, GapsAddUpToTheSpanOfTheStations)
{
    Atom atom;
    atom.bBg = 12000;
    Add(atom, Straight("N1", 0, 700, 11000));
    Add(atom, Straight("N2", 0, 250, 11800));
    Add(atom, Straight("N3", 0, 1900, 10100));
    EXPECT_EQ(MakeChains(atom), 1);
    // Left 0, 250, 700, 1900; right 12000, 11800, 11000, 10100.
    EXPECT_EQ(Values(atom.fmxl), (std::vector<double>{250, 450, 1200}));
    EXPECT_EQ(Values(atom.fmxr), (std::vector<double>{200, 800, 900}));
}

TEST(ElevationChains, RunningTwiceRebuildsInsteadOfAppending)
{
    Atom atom;
    atom.bBg = 10000;
    Add(atom, Straight("N1", 0, 300, 9700));
    atom.fmxl.Add(77);
    atom.fmxr.Add(88);
    EXPECT_EQ(MakeChains(atom), 1);
    EXPECT_EQ(MakeChains(atom), 1);
    EXPECT_EQ(Values(atom.fmxl), (std::vector<double>{300}));
    EXPECT_EQ(Values(atom.fmxr), (std::vector<double>{300}));
}

TEST(ElevationChains, NoTendonGivesEmptyChains)
{
    Atom atom;
    atom.bBg = 10000;
    EXPECT_EQ(MakeChains(atom), 1);
    EXPECT_TRUE(atom.fmxl.IsEmpty());
    EXPECT_TRUE(atom.fmxr.IsEmpty());
}

TEST(ElevationChains, TendonWithoutNodesHasNoEndsToDimension)
{
    Atom atom;
    atom.bBg = 10000;
    Add(atom, Tendon("N1", 0, {}));
    Add(atom, Straight("N2", 0, 300, 9700));
    EXPECT_EQ(MakeChains(atom), 1);
    EXPECT_EQ(Values(atom.fmxl), (std::vector<double>{300}));
    EXPECT_EQ(Values(atom.fmxr), (std::vector<double>{300}));
}

// ---- name-and-count pairs ---------------------------------------------------------------------

TEST(ElevationNamePairs, PairsAreCopiedElementByElement)
{
    Atom atom;
    CPM001_CapKeyParam kp;
    kp.ZLName.SetSize(2);
    kp.ZLName[0].name = "钢束";
    kp.ZLName[0].n = 4;
    kp.ZLName[1].name = "N2";
    kp.ZLName[1].n = 7;
    EXPECT_EQ(Access::SetLMSteelData(atom, &kp), 1);
    ASSERT_EQ(atom.ZLNameAr.GetSize(), 2);
    EXPECT_EQ(atom.ZLNameAr[0].name, "钢束");
    EXPECT_EQ(atom.ZLNameAr[0].n, 4);
    EXPECT_EQ(atom.ZLNameAr[1].name, "N2");
    EXPECT_EQ(atom.ZLNameAr[1].n, 7);
}

TEST(ElevationNamePairs, ShorterListShrinksAndEmptyListEmpties)
{
    Atom atom;
    atom.ZLNameAr.SetSize(3);
    atom.ZLNameAr[0].name = "old";
    CPM001_CapKeyParam kp;
    kp.ZLName.SetSize(1);
    kp.ZLName[0].name = "A";
    kp.ZLName[0].n = 1;
    EXPECT_EQ(Access::SetLMSteelData(atom, &kp), 1);
    ASSERT_EQ(atom.ZLNameAr.GetSize(), 1);
    EXPECT_EQ(atom.ZLNameAr[0].name, "A");

    CPM001_CapKeyParam none;
    EXPECT_EQ(Access::SetLMSteelData(atom, &none), 1);
    EXPECT_EQ(atom.ZLNameAr.GetSize(), 0);
}
