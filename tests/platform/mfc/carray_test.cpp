// CArray and CStringArray: defaults of new elements, insertion, removal, bounds.
#include "mfc/carray.h"
#include "mfc/cstring_array.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct Spacing {
    double width = 0.15;
    int count = 4;
};

std::vector<int> values(const CArray<int, int>& a) { return a.vector(); }

} // namespace

TEST(CArrayDefaults, SetSizeValueInitialisesNewElements)
{
    CArray<int, int> ints;
    ints.SetSize(2);
    ints[0] = 5;
    ints[1] = 6;
    ints.SetSize(1);
    ints.SetSize(3);
    EXPECT_EQ(values(ints), (std::vector<int>{5, 0, 0}));

    int x = 1;
    CArray<int*, int*> pointers;
    pointers.Add(&x);
    pointers.SetSize(3);
    EXPECT_EQ(pointers[0], &x);
    EXPECT_EQ(pointers[1], nullptr);
    EXPECT_EQ(pointers[2], nullptr);

    CArray<Spacing> records;
    records.SetSize(2);
    EXPECT_EQ(records[1].width, 0.15);
    EXPECT_EQ(records[1].count, 4);

    CStringArray texts;
    texts.SetSize(2);
    EXPECT_TRUE(texts[1].IsEmpty());

    EXPECT_THROW(ints.SetSize(-1), std::invalid_argument);
    EXPECT_EQ(ints.GetSize(), 3);
}

TEST(CArrayEditing, AddAppendCopy)
{
    CArray<int, int> a;
    EXPECT_EQ(a.Add(10), 0);
    EXPECT_EQ(a.Add(20), 1);
    CArray<int, int> b;
    b.Add(30);
    b.Add(40);
    EXPECT_EQ(a.Append(b), 2);
    EXPECT_EQ(values(a), (std::vector<int>{10, 20, 30, 40}));
    EXPECT_EQ(a.GetCount(), 4);
    EXPECT_EQ(a.GetUpperBound(), 3);

    b.Copy(a);
    EXPECT_EQ(values(b), values(a));
    b.Copy(b);
    EXPECT_EQ(b.GetSize(), 4);
    EXPECT_EQ(a.Append(a), 4);
    EXPECT_EQ(a.GetSize(), 8);

    a.RemoveAll();
    EXPECT_TRUE(a.IsEmpty());
}

TEST(CArrayEditing, InsertAt)
{
    CArray<int, int> a;
    a.Add(1);
    a.Add(4);
    a.InsertAt(1, 2, 2);
    EXPECT_EQ(values(a), (std::vector<int>{1, 2, 2, 4}));
    a.InsertAt(0, 0);
    EXPECT_EQ(values(a), (std::vector<int>{0, 1, 2, 2, 4}));
    a.InsertAt(5, 5);
    EXPECT_EQ(values(a), (std::vector<int>{0, 1, 2, 2, 4, 5}));
    // Beyond the end: the gap is filled with zeros.
    a.InsertAt(8, 9);
    EXPECT_EQ(values(a), (std::vector<int>{0, 1, 2, 2, 4, 5, 0, 0, 9}));
    EXPECT_THROW(a.InsertAt(-1, 3), std::out_of_range);
}

TEST(CArrayEditing, InsertingAnOwnElementWhileGrowing)
{
    CStringArray a;
    a.Add("钢筋");
    for (int i = 0; i < 20; ++i) a.InsertAt(a.GetSize() + 2, a[0]);
    EXPECT_EQ(a[a.GetUpperBound()], CString("钢筋"));
    a.SetAtGrow(100, a[0]);
    EXPECT_EQ(a[100], CString("钢筋"));
    EXPECT_TRUE(a[99].IsEmpty());
}

TEST(CArrayEditing, RemoveAt)
{
    CArray<int, int> a;
    for (int i = 0; i < 6; ++i) a.Add(i);
    a.RemoveAt(1, 2);
    EXPECT_EQ(values(a), (std::vector<int>{0, 3, 4, 5}));
    a.RemoveAt(3);
    EXPECT_EQ(values(a), (std::vector<int>{0, 3, 4}));
    a.RemoveAt(0, 0);
    EXPECT_EQ(a.GetSize(), 3);
    EXPECT_THROW(a.RemoveAt(2, 2), std::out_of_range);
    EXPECT_THROW(a.RemoveAt(1, INT_MAX), std::out_of_range);
    EXPECT_THROW(a.RemoveAt(-1), std::out_of_range);
    EXPECT_EQ(values(a), (std::vector<int>{0, 3, 4}));
}

TEST(CArrayEditing, IndexOutsideThrows)
{
    CArray<double, double> a;
    a.Add(1.5);
    EXPECT_THROW(a[1], std::out_of_range);
    EXPECT_THROW(a[-1], std::out_of_range);
    EXPECT_THROW(a.SetAt(3, 2.0), std::out_of_range);
    a.SetAt(0, 2.0);
    EXPECT_EQ(a.GetAt(0), 2.0);
}
