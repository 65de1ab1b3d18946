// GetRequiredSectionDimX: the middle section's station from the tendons' runs and the columns.
#include "geometry/section_station.h"

#include "common/dbl_array.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

using KVDataCommon::CNodeWithProp;
using KVDataCommon::GetRequiredSectionDimX;

namespace {

using Profile = std::vector<CNodeWithProp>;

// A profile from (station, run flag) pairs; heights do not enter the choice.
Profile Runs(std::initializer_list<std::pair<double, int>> nodes)
{
    Profile profile;
    for (const auto& [x, run] : nodes) {
        CNodeWithProp node;
        node.pt = CDblPoint(x, 1000.0);
        node.fRun = run;
        profile.push_back(node);
    }
    return profile;
}

DblArray Columns(std::initializer_list<double> stations)
{
    DblArray list;
    for (double s : stations) list.Add(s);
    return list;
}

double Station(const std::vector<Profile>& profiles, const DblArray& columns, double limit)
{
    double x = -1.0;
    EXPECT_EQ(GetRequiredSectionDimX(profiles, columns, limit, x), 1);
    return x;
}

} // namespace

// ---- the reference station -------------------------------------------------------------------

TEST(SectionStationReference, WithoutRunsTheMiddleOfTheColumnsIsTaken)
{
    EXPECT_DOUBLE_EQ(Station({}, Columns({2000, 8000}), 10000), 5000.0);
    EXPECT_DOUBLE_EQ(Station({}, Columns({8000, 2000, 3000}), 10000), 5000.0);   // any order
    EXPECT_DOUBLE_EQ(Station({}, Columns({4000}), 10000), 4000.0);               // one column
    // Profiles whose nodes start no run count as no runs.
    EXPECT_DOUBLE_EQ(Station({Runs({{1000, 0}, {9000, 0}})}, Columns({2000, 8000}), 10000), 5000.0);
}

TEST(SectionStationReference, WithoutColumnsTheMiddleOfTheProfilesIsTaken)
{
    // Nodes from 1000 to 8000 (and a later one back at 3000), no run: their middle 4500.
    const std::vector<Profile> p = {Runs({{1000, 0}, {6000, 0}}), Runs({{2000, 0}, {8000, 0}, {3000, 0}})};
    EXPECT_DOUBLE_EQ(Station(p, Columns({}), 9000), 4500.0);
    // Neither a profile nor a column: 0.
    EXPECT_DOUBLE_EQ(Station({}, Columns({}), 9000), 0.0);
}

// ---- runs ---------------------------------------------------------------------------------------

TEST(SectionStationRuns, ReferenceInsideTheMostCoveredStretchIsKept)
{
    // Runs 1000–6000 and 3000–8000 overlap on 3000–6000; the columns' middle 6000 is its end.
    const std::vector<Profile> p = {Runs({{0, 0}, {1000, 1}, {6000, 0}, {7000, 0}}),
                                    Runs({{0, 0}, {3000, 1}, {8000, 0}})};
    EXPECT_DOUBLE_EQ(Station(p, Columns({2000, 10000}), 12000), 6000.0);
}

TEST(SectionStationRuns, ReferenceOutsideTakesTheMiddleOfTheNearestMostCoveredStretch)
{
    const std::vector<Profile> p = {Runs({{0, 0}, {1000, 1}, {6000, 0}, {7000, 0}}),
                                    Runs({{0, 0}, {3000, 1}, {8000, 0}})};
    // Middle of the columns 2000: the stretch covered twice is 3000–6000.
    EXPECT_DOUBLE_EQ(Station(p, Columns({0, 4000}), 12000), 4500.0);
}

TEST(SectionStationRuns, SingleRunAwayFromTheColumns)
{
    // Run 1000–4000; columns 1000 and 9000 (middle 5000): the run's middle.
    const std::vector<Profile> p = {Runs({{0, 0}, {1000, 1}, {4000, 0}, {5000, 0}})};
    EXPECT_DOUBLE_EQ(Station(p, Columns({1000, 9000}), 10000), 2500.0);
}

TEST(SectionStationRuns, EquallyNearStretchesChooseTheLeftOne)
{
    // Runs 1000–2000 and 6000–7000, each covered once; the reference 4000 is 2000 from both.
    const std::vector<Profile> p = {Runs({{1000, 1}, {2000, 0}}), Runs({{6000, 1}, {7000, 0}})};
    EXPECT_DOUBLE_EQ(Station(p, Columns({3000, 5000}), 10000), 1500.0);
}

TEST(SectionStationRuns, StretchesThatMeetCountAsOne)
{
    // 1000–2000 and 2000–3000 form one stretch 1000–3000, whose middle is 2000 (the nearer
    // half alone would give 2500).
    const std::vector<Profile> p = {Runs({{1000, 1}, {2000, 0}}), Runs({{2000, 1}, {3000, 0}})};
    EXPECT_DOUBLE_EQ(Station(p, Columns({4000, 6000}), 10000), 2000.0);
}

TEST(SectionStationRuns, ATendonCountsOnceWhereItsOwnRunsOverlap)
{
    // The first tendon's runs 1000–5000 and 4000–6000 (stations going back) cover 1000–6000
    // once, which holds the reference 6000; counted twice, 4000–5000 would win (4500).
    const std::vector<Profile> p = {Runs({{1000, 1}, {5000, 0}, {4000, 1}, {6000, 0}}),
                                    Runs({{7000, 1}, {8000, 0}})};
    EXPECT_DOUBLE_EQ(Station(p, Columns({5500, 6500}), 10000), 6000.0);
}

TEST(SectionStationRuns, RunFlagWithoutAFurtherNodeGivesNoRun)
{
    // A flag on the last node, or on a node whose next one lies no further along, is no run.
    const std::vector<Profile> p = {Runs({{1000, 0}, {3000, 1}}), Runs({{2000, 1}, {2000, 0}}),
                                    Runs({{3000, 1}, {2500, 0}})};
    EXPECT_DOUBLE_EQ(Station(p, Columns({4000, 6000}), 10000), 5000.0);
}

TEST(SectionStationRuns, FreeFlagDoesNotEnterTheChoice)
{
    std::vector<Profile> p = {Runs({{1000, 0}, {2000, 1}, {3000, 0}})};
    p[0][0].fFree = 1;
    p[0][2].fFree = 1;
    EXPECT_DOUBLE_EQ(Station(p, Columns({8000, 10000}), 12000), 2500.0);
}

// ---- the limit and the profiles' extent ---------------------------------------------------------

TEST(SectionStationLimit, TheRoadLineDoesNotMoveTheStation)
{
    // Nodes 0 to 12000, run 8000–12000; without columns the reference is 6000, left of the run:
    // the run's middle 10000, wherever the road line lies (within the runs, before the profiles,
    // beyond them, or not given at all).
    const std::vector<Profile> p = {Runs({{0, 0}, {8000, 1}, {12000, 0}})};
    for (double limit : {10000.0, 12000.0, 5000.0, 0.0, -3000.0, 30000.0, double(NAN)}) {
        SCOPED_TRACE(limit);
        EXPECT_DOUBLE_EQ(Station(p, Columns({}), limit), 10000.0);
    }
    // A column middle right of a run wholly past the road line: the run's middle 11500.
    EXPECT_DOUBLE_EQ(Station({Runs({{11000, 1}, {12000, 0}})}, Columns({12000, 14000}), 10000), 11500.0);
}

TEST(SectionStationLimit, AColumnsMiddleBeyondTheProfilesIsKept)
{
    // Nodes 1000 to 9000, no run: the columns' middle is taken as it is, wherever the road line is.
    const std::vector<Profile> p = {Runs({{1000, 0}, {9000, 0}})};
    EXPECT_DOUBLE_EQ(Station(p, Columns({-3000, -1000}), 10000), -2000.0);
    EXPECT_DOUBLE_EQ(Station(p, Columns({9000, 11000}), 8000), 10000.0);
}

TEST(SectionStationLimit, AColumnNotFiniteGivesZero)
{
    double x = 7.0;
    EXPECT_EQ(GetRequiredSectionDimX({}, Columns({NAN}), 10000, x), 0);
    EXPECT_EQ(x, 0.0);
    x = 7.0;
    EXPECT_EQ(GetRequiredSectionDimX({}, Columns({2000, INFINITY}), 10000, x), 0);
    EXPECT_EQ(x, 0.0);
    // A limit of no use is no reason to refuse.
    EXPECT_DOUBLE_EQ(Station({}, Columns({2000}), NAN), 2000.0);
}

TEST(SectionStationLimit, NodesNotFiniteGiveNoRun)
{
    std::vector<Profile> p = {Runs({{1000, 1}, {3000, 0}})};
    p[0][1].pt.x = INFINITY;
    EXPECT_DOUBLE_EQ(Station(p, Columns({6000, 8000}), 10000), 7000.0);
    // Without columns the extent is that of the finite nodes: 1000 to 5000 (the middle 3000).
    p[0].push_back(Runs({{5000, 0}})[0]);
    EXPECT_DOUBLE_EQ(Station(p, Columns({}), 10000), 3000.0);
}
