// The order of skeleton frames across a skewed beam: marks and counts of a frame's bars, the
// comparison of two frames and of their key bar groups, and the group numbers of whole beams.
#include "capbeam/cap_beam_reinforcement.h"

#include "capbeam/cap_beam_reinforcement_test_support.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

namespace {

using Atom = CPM001T0101Atom;
using KeyFrame = struct CPM001_CapKeyParam::FrameAr;
using BarList = CArray<CapBeamRecords::singAr*>;

CStringArray Texts(std::initializer_list<const char*> items)
{
    CStringArray texts;
    for (const char* item : items) texts.Add(item);
    return texts;
}

IntArray Ints(std::initializer_list<int> items)
{
    IntArray ints;
    for (int item : items) ints.Add(item);
    return ints;
}

std::vector<int> Values(const IntArray& list) { return {list.begin(), list.end()}; }

std::vector<CString> Values(const CStringArray& list) { return {list.begin(), list.end()}; }

// A group of bar positions: (fBar, fWQ, fXJ, dx) for each.
CArray<CPM001_CapKeyParam::M_GJJ> Group(std::initializer_list<CPM001_CapKeyParam::M_GJJ> entries)
{
    CArray<CPM001_CapKeyParam::M_GJJ> group;
    for (const auto& entry : entries) group.Add(entry);
    return group;
}

KeyFrame Record(std::initializer_list<CArray<CPM001_CapKeyParam::M_GJJ>> groups)
{
    KeyFrame record;
    for (const auto& group : groups) record.GJJ.Add(group);
    return record;
}

// ---------------------------------------------------------------------------------------------
// Marks and counts of one frame.

class FrameMarks : public ::testing::Test {
protected:
    CapBeamRecords::singAr* Bar(const char* mark)
    {
        CapBeamRecords::singAr* bar = atom.BarPool.AddOwned(std::make_unique<CapBeamRecords::singAr>());
        bar->R = mark;
        return bar;
    }

    int Marks(BarList* bars, CStringArray& marks, IntArray& counts)
    {
        return CPM001T0101AtomTestAccess::GetFrameRn(atom, bars, marks, counts);
    }
    int Same(CStringArray a, IntArray ca, CStringArray b, IntArray cb)
    {
        return CPM001T0101AtomTestAccess::GetfFrameRn(atom, a, ca, b, cb);
    }

    Atom atom;
};

TEST_F(FrameMarks, MarksComeInOrderOfFirstAppearanceWithTheirCounts)
{
    BarList bars;
    for (const char* mark : {"7", "3", "7", "5", "3", "7"}) bars.Add(Bar(mark));
    CStringArray marks;
    IntArray counts;
    EXPECT_EQ(Marks(&bars, marks, counts), 1);
    EXPECT_EQ(Values(marks), (std::vector<CString>{"7", "3", "5"}));
    EXPECT_EQ(Values(counts), (std::vector<int>{3, 2, 1}));
    ASSERT_EQ(bars.GetSize(), 6);
    EXPECT_EQ(bars[1]->R, "3");
}

TEST_F(FrameMarks, AFrameWithoutBarsHasNoMarks)
{
    BarList bars;
    CStringArray marks;
    IntArray counts;
    EXPECT_EQ(Marks(&bars, marks, counts), 1);
    EXPECT_EQ(Marks(nullptr, marks, counts), 1);
    bars.Add(nullptr);
    EXPECT_EQ(Marks(&bars, marks, counts), 1);
    EXPECT_TRUE(marks.IsEmpty());
    EXPECT_TRUE(counts.IsEmpty());
}

TEST_F(FrameMarks, SameMarksWithSameCountsMatchInAnyOrder)
{
    EXPECT_EQ(Same(Texts({"1", "2"}), Ints({2, 1}), Texts({"2", "1"}), Ints({1, 2})), 1);
}

TEST_F(FrameMarks, ACountThatDiffersOrAMarkThatIsMissingDoesNotMatch)
{
    EXPECT_EQ(Same(Texts({"1", "2"}), Ints({2, 1}), Texts({"1", "2"}), Ints({1, 1})), 0);
    EXPECT_EQ(Same(Texts({"1", "3"}), Ints({2, 1}), Texts({"1", "2"}), Ints({2, 1})), 0);
}

TEST_F(FrameMarks, AnEmptyFirstFrameMatchesAnything)
{
    EXPECT_EQ(Same(Texts({}), Ints({}), Texts({"4"}), Ints({1})), 1);
}

TEST_F(FrameMarks, AMarkWithoutItsCountDoesNotMatch)
{
    EXPECT_EQ(Same(Texts({"1", "2"}), Ints({2}), Texts({"1", "2"}), Ints({2, 1})), 0);
    EXPECT_EQ(Same(Texts({"1", "2"}), Ints({2, 1}), Texts({"1", "2"}), Ints({2})), 0);
}

// ---------------------------------------------------------------------------------------------
// Key bar groups of two frame records.

class KeyBarGroups : public ::testing::Test {
protected:
    int Same(int a, int b) { return CPM001T0101AtomTestAccess::GetFramegjdsx(atom, records, a, b); }

    Atom atom;
    CArray<KeyFrame> records;
};

TEST_F(KeyBarGroups, GroupsThatDifferOnlyInBendDistancesMatch)
{
    records.Add(Record({Group({{2, 1, 0, 450.0}, {1, 0, 0, 900.0}}), Group({{2, 0, 1, 300.0}})}));
    records.Add(Record({Group({{2, 1, 0, 475.0}, {1, 0, 0, 880.0}}), Group({{2, 0, 1, 330.0}})}));
    EXPECT_EQ(Same(0, 1), 1);
}

TEST_F(KeyBarGroups, ASwitchOrAGroupSizeThatDiffersDoesNotMatch)
{
    records.Add(Record({Group({{2, 1, 0, 450.0}, {1, 0, 0, 900.0}})}));
    records.Add(Record({Group({{2, 1, 0, 450.0}, {2, 0, 0, 900.0}})}));
    records.Add(Record({Group({{2, 1, 0, 450.0}, {1, 1, 0, 900.0}})}));
    records.Add(Record({Group({{2, 1, 0, 450.0}, {1, 0, 1, 900.0}})}));
    records.Add(Record({Group({{2, 1, 0, 450.0}})}));
    for (int b = 1; b < records.GetSize(); ++b) EXPECT_EQ(Same(0, b), 0) << "record " << b;
}

TEST_F(KeyBarGroups, OnlyTheFirstRecordsGroupsAreCompared)
{
    records.Add(Record({Group({{2, 1, 0, 450.0}})}));
    records.Add(Record({Group({{2, 1, 0, 450.0}}), Group({{1, 0, 0, 100.0}})}));
    EXPECT_EQ(Same(0, 1), 1);
    // A second record with fewer groups cannot carry the same bars.
    EXPECT_EQ(Same(1, 0), 0);
}

TEST_F(KeyBarGroups, ARecordThatDoesNotExistMatchesNothing)
{
    records.Add(Record({}));
    EXPECT_EQ(Same(0, 1), 0);
    EXPECT_EQ(Same(-1, 0), 0);
}

// ---------------------------------------------------------------------------------------------
// Group numbers of the frames of a beam.

// A beam whose frames carry top cut-off bars with the given marks: a main skeleton (fGJJ set) takes
// them from the first pass, a secondary one from the second.
class FrameOrder : public ::testing::Test {
protected:
    void AddFrame(const char* name, bool main, std::initializer_list<const char*> marks,
                  KeyFrame record = KeyFrame())
    {
        const int index = kp.FrameName.GetSize();
        kp.FrameName.Add(name);
        kp.FrameY.Add(300.0 * index);
        atom.FrameY.Add(300.0 * index);
        record.name = name;
        record.fGJJ = main ? 1 : 0;
        kp.FrameAr.Add(record);
        for (const char* mark : marks) {
            Atom::M_DCZDJBH* bar = atom.TopCutPool.AddOwned(std::make_unique<Atom::M_DCZDJBH>());
            bar->nFrame = index;
            bar->R = mark;
            bar->nB = main ? 0 : 1;
            (main ? atom.TopCutBars : atom.TopCutBars2).Add(bar);
        }
    }

    std::vector<int> Order()
    {
        IntArray order;
        EXPECT_EQ(CPM001T0101AtomTestAccess::GetFramesort(atom, kp, order), 1);
        return Values(order);
    }

    void SetUp() override
    {
        atom.nPier = 2;
        atom.bBz.Add(6000.0);
        atom.bBzl = 1000.0;
        atom.bBzr = 1000.0;
        atom.bBg = 8000.0;
        atom.a = 0.2;
        atom.st.d = 25.0;
        atom.st.type = 3;
    }

    Atom atom;
    CPM001_CapKeyParam kp;
};

TEST_F(FrameOrder, FramesWithTheSameMarksAndCountsShareAGroup)
{
    AddFrame("K1", false, {"1", "1", "2"});
    AddFrame("K2", false, {"2", "1", "1"});
    AddFrame("K3", false, {"1", "2", "2"});
    EXPECT_EQ(Order(), (std::vector<int>{1, 1, 2}));
}

TEST_F(FrameOrder, CountsDecideWhenTheMarksAreTheSame)
{
    AddFrame("K1", false, {"1", "1", "2"});
    AddFrame("K2", false, {"1", "2"});
    AddFrame("K3", false, {"1", "2", "2"});
    EXPECT_EQ(Order(), (std::vector<int>{1, 2, 3}));
}

TEST_F(FrameOrder, MainSkeletonsComeFirstAndJoinOnlyWithTheSameBarGroups)
{
    const KeyFrame groups = Record({Group({{2, 1, 0, 450.0}})});
    AddFrame("K1", true, {"4", "5"}, groups);
    AddFrame("K2", false, {"4", "5"});
    AddFrame("K3", true, {"5", "4"}, groups);
    EXPECT_EQ(Order(), (std::vector<int>{1, 2, 1}));
}

TEST_F(FrameOrder, MainSkeletonsWithOtherBarGroupsStayApart)
{
    AddFrame("K1", true, {"4", "5"}, Record({Group({{2, 1, 0, 450.0}})}));
    AddFrame("K2", false, {"4", "5"});
    AddFrame("K3", true, {"5", "4"}, Record({Group({{2, 0, 0, 450.0}})}));
    EXPECT_EQ(Order(), (std::vector<int>{1, 3, 2}));
}

TEST_F(FrameOrder, BendDistancesDoNotSeparateMainSkeletons)
{
    AddFrame("K1", true, {"4"}, Record({Group({{2, 1, 0, 450.0}})}));
    AddFrame("K2", true, {"4"}, Record({Group({{2, 1, 0, 520.0}})}));
    EXPECT_EQ(Order(), (std::vector<int>{1, 1}));
}

TEST_F(FrameOrder, FramesWithoutBarsShareAGroup)
{
    AddFrame("K1", false, {});
    AddFrame("K2", false, {"3"});
    AddFrame("K3", false, {});
    EXPECT_EQ(Order(), (std::vector<int>{1, 2, 1}));
}

} // namespace
