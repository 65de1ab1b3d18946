// Bent-up bar marks: lookups, the merge tests, the key sort, the marks of whole-beam and shorter bars,
// and the schedule rows of bars and arcs, on records written out by hand.
#include "capbeam/skeleton/bent_up_marks.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

using namespace CapBeamBentUpBars;

namespace {

using Atom = CPM001T0101Atom;

constexpr double kTol = 1e-6;

Atom::M_XZR V(double x, double z, int enPoint = 0, int fArc = 0)
{
    Atom::M_XZR v;
    v.x = x;
    v.z = z;
    v.enPoint = enPoint;
    v.fArc = fArc;
    return v;
}

IntArray Ints(std::initializer_list<int> items)
{
    IntArray list;
    for (int i : items) list.Add(i);
    return list;
}

DblArray Dbls(std::initializer_list<double> items)
{
    DblArray list;
    for (double d : items) list.Add(d);
    return list;
}

std::vector<CString> Labels(const CStringArray& list) { return std::vector<CString>(list.begin(), list.end()); }

class BentUpMarks : public ::testing::Test {
protected:
    // A finished bar, entered as the family enters it.
    Atom::M_WQJ& Bar(int nB, int nC, double dA, double dE, std::initializer_list<double> segments = {100.0})
    {
        Atom::M_WQJ* bar = atom.BentBarPool.AddOwned(std::make_unique<Atom::M_WQJ>());
        bar->nA = atom.BentBarList.GetSize();
        bar->nB = nB;
        bar->nC = nC;
        bar->dA = dA;
        bar->dE = dE;
        bar->L2 = Dbls(segments);
        atom.BentBarList.Add(bar);
        return *bar;
    }

    Atom::M_WQJ_R* Marked(Atom::M_WQJ& bar, const char* mark)
    {
        Atom::M_WQJ_R* r = atom.BentResultPool.AddOwned(std::make_unique<Atom::M_WQJ_R>());
        r->pWQJ = &bar;
        r->R = mark;
        return r;
    }

    Atom atom;
};

} // namespace

TEST_F(BentUpMarks, LookupsTakeTheFirstBarOfANumber)
{
    atom.nPier = 2;
    Bar(0, 1, 10.0, 1000.0).nA = 7;
    atom.BentBarList.Add(nullptr);   // passed over
    Bar(0, 1, 20.0, 2000.0).nA = 3;
    Bar(0, 1, 30.0, 3000.0).nA = 7;   // a second bar numbered 7, later in the list
    Bar(0, 1, 40.0, 4000.0).nA = -2;
    const BentBarsByNumber bars(atom.BentBarList);
    for (auto [number, dA] : {std::pair{7, 10.0}, {3, 20.0}, {-2, 40.0}})
        EXPECT_NEAR(bars.Find(number) ? bars.Find(number)->dA : -1.0, dA, kTol) << number;
    for (int none : {-3, 0, 4, 8}) EXPECT_EQ(bars.Find(none), nullptr) << none;
    EXPECT_EQ(BentBarsByNumber(WQJList()).Find(0), nullptr);
    EXPECT_NEAR(GetWQJdl(bars, 5), 0.0, kTol);
    DblArray lengths;
    lengths.Add(9.0);
    GetWQJdlAr(bars, Ints({7, 5, 3}), lengths);
    EXPECT_EQ(std::vector<double>(lengths.begin(), lengths.end()), (std::vector<double>{9.0, 1000.0, 0.0, 2000.0}));
}

TEST_F(BentUpMarks, BarsDifferingOnlyInTheirGroupsMatchOnAnEvenCrossfall)
{
    atom.nPier = 2;
    Bar(0, 1, 400.0, 1000.0);
    Bar(2, 3, 400.0, 1000.0);
    IntArray group = Ints({0});
    IntArray candidate = Ints({1});
    atom.iLb = 0.02;
    atom.iRb = 0.01;
    const BentBarsByNumber bars(atom.BentBarList);
    EXPECT_EQ(IsWQJBHHB(atom, bars, group, candidate), 0);
    EXPECT_EQ(group.GetSize(), 1);
    atom.iRb = -0.02;
    EXPECT_EQ(IsWQJBHHB(atom, bars, group, candidate), 1);
    EXPECT_EQ(group.GetSize(), 2);

    IntArray none;
    EXPECT_EQ(IsWQJBHHB(atom, bars, none, candidate), 0);
    CArray<IntArray> groups;
    EXPECT_EQ(IsWQJArBHHB(atom, bars, groups, candidate), 1);
    ASSERT_EQ(groups.GetSize(), 1);
    EXPECT_EQ(groups[0][0], 1);
}

TEST(BentUpSort, SortsKeysWithTheirValues)
{
    std::vector<double> keys{3, 1, 2};
    std::vector<int> values{10, 11, 12};
    SortByKey(keys, values, 1);
    EXPECT_EQ(keys, (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(values, (std::vector<int>{11, 12, 10}));
    SortByKey(keys, values, 0);
    EXPECT_EQ(keys, (std::vector<double>{3, 2, 1}));
    EXPECT_EQ(values, (std::vector<int>{10, 12, 11}));
    std::vector<double> none;
    std::vector<int> noValues;
    SortByKey(none, noValues, 1);
    EXPECT_TRUE(none.empty());
}

// Whole-beam bars compare their end values in tenths: 100.04 and 100.049 are both 1000, 100.05 is
// 1001. The longest group is marked first.
TEST_F(BentUpMarks, WholeBeamBarsShareAMarkInTenths)
{
    atom.nPier = 1;
    Bar(0, 1, 100.04, 3000.0).dB = 1.0;
    Bar(0, 1, 100.049, 3000.0).dB = 2.0;
    Bar(0, 1, 100.05, 4000.0).dB = 3.0;
    atom.nMark = 6;
    CArray<Atom::M_WQJ_R*> bars;
    MarkBentBars(atom, bars);
    ASSERT_EQ(bars.GetSize(), 3);
    EXPECT_EQ(bars[0]->pWQJ->nA, 2);
    EXPECT_EQ(bars[0]->R, "7");
    EXPECT_EQ(bars[1]->R, "8");
    EXPECT_EQ(bars[2]->R, "8");
    EXPECT_EQ(atom.nMark, 8);
}

// A bar from the left end and its mirror image at the right end, both lying on the bottom line:
// one mark on an even crossfall, two otherwise.
TEST_F(BentUpMarks, MirrorImageBarsShareAMarkOnAnEvenCrossfall)
{
    atom.nPier = 3;
    Atom::M_WQJ& left = Bar(0, 1, 400.0, 1500.0);
    for (const auto& v : {V(0, 0), V(300, 400), V(1300, 400)}) left.PtAr.Add(v);
    Atom::M_WQJ& right = Bar(4, 5, 0.0, 1500.0);
    right.dC = 400.0;
    for (const auto& v : {V(0, 400), V(1000, 400), V(1300, 0)}) right.PtAr.Add(v);

    CArray<Atom::M_WQJ_R*> bars;
    MarkBentBars(atom, bars);
    ASSERT_EQ(bars.GetSize(), 2);
    EXPECT_EQ(bars[0]->R, "1");
    EXPECT_EQ(bars[1]->R, "1");
    EXPECT_EQ(atom.nMark, 1);

    atom.iLb = 0.02;
    atom.iRb = 0.01;
    bars.RemoveAll();
    MarkBentBars(atom, bars);
    ASSERT_EQ(bars.GetSize(), 2);
    EXPECT_NE(bars[0]->R, bars[1]->R);
    EXPECT_EQ(atom.nMark, 3);
}

// Three whole-beam bars of one mark, segments rounded: (200, 1000.4, 200), (200, 1100, 200),
// (200, 1000, 200): the middle piece varies, alone: "L". Lengths 1400, 1500, 1400: mean 1433.3,
// cut 1433.
TEST_F(BentUpMarks, RowsLabelTheVaryingPieces)
{
    atom.nPier = 1;
    CArray<Atom::M_WQJ_R*> bars;
    bars.Add(Marked(Bar(0, 1, 0, 0, {200.0, 1000.4, 200.0}), "3"));
    bars.Add(Marked(Bar(0, 1, 0, 0, {200.0, 1100.0, 200.0}), "3"));
    bars.Add(Marked(Bar(0, 1, 0, 0, {200.0, 1000.0, 200.0}), "3"));
    bars.Add(Marked(Bar(0, 1, 0, 0, {200.0, 900.0, 300.0}), "4"));
    bars.Add(Marked(Bar(0, 1, 0, 0, {250.0, 900.0, 200.0}), "4"));
    bars.Add(Marked(Bar(0, 1, 0, 0, {200.0, 900.0, 200.0}), "5"));
    CArray<Atom::tRn> rows;
    BentBarRows(atom, bars, rows);
    ASSERT_EQ(rows.GetSize(), 3);
    EXPECT_EQ(rows[0].R, "3");
    EXPECT_EQ(rows[0].n, 3);
    EXPECT_NEAR(rows[0].TL, 1433.0, kTol);
    EXPECT_EQ(Labels(rows[0].szL), (std::vector<CString>{"/", "L", "/"}));
    // Two pieces vary: 1400 and 1350, mean 1375.
    EXPECT_EQ(rows[1].n, 2);
    EXPECT_NEAR(rows[1].TL, 1375.0, kTol);
    EXPECT_EQ(Labels(rows[1].szL), (std::vector<CString>{"L1", "/", "L2"}));
    EXPECT_EQ(rows[2].n, 1);
    EXPECT_NEAR(rows[2].TL, 1300.0, kTol);
    EXPECT_EQ(Labels(rows[2].szL), (std::vector<CString>{"/", "/", "/"}));
}

// Two arcs of one mark, weld legs 200, feet 500 and 520 on the left, 500 on the right, apex 300:
// lengths 1700 and 1720, cut 1710; only the left leg varies.
TEST_F(BentUpMarks, ArcRowsLabelTheVaryingLeg)
{
    atom.nPier = 1;
    Atom::M_ArcWQJ first;
    Atom::M_ArcWQJ second;
    for (Atom::M_ArcWQJ* arc : {&first, &second}) {
        for (const auto& v : {V(0, 0), V(200, 0), V(600, 300), V(1000, 0), V(1200, 0)}) arc->PtAr.Add(v);
    }
    first.L = Dbls({200.0, 500.0, 300.0, 500.0, 200.0});
    second.L = Dbls({200.0, 520.0, 300.0, 500.0, 200.0});
    Atom::M_ArcWQJ_R a{&first, "9"};
    Atom::M_ArcWQJ_R b{&second, "9"};
    CArray<Atom::M_ArcWQJ_R*> arcs;
    arcs.Add(&a);
    arcs.Add(&b);
    CArray<Atom::tRn> rows;
    BentArcRows(atom, arcs, rows);
    ASSERT_EQ(rows.GetSize(), 1);
    EXPECT_EQ(rows[0].n, 2);
    EXPECT_NEAR(rows[0].TL, 1710.0, kTol);
    EXPECT_EQ(Labels(rows[0].szL), (std::vector<CString>{"/", "L", "/", "/", "/"}));

    atom.st.fLayMode = 1;
    rows.RemoveAll();
    BentArcRows(atom, arcs, rows);
    ASSERT_EQ(rows.GetSize(), 1);
    EXPECT_EQ(Labels(rows[0].szL), (std::vector<CString>(5, CString("/"))));
}
