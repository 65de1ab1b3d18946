// Array forms of the archive: the count in MFC's form, then the elements.
#include "archive_bytes.h"
#include "mfc/carray.h"
#include "mfc/cstring_array.h"

#include <gtest/gtest.h>

namespace {

template <class A>
Bytes serialized(A& a)
{
    Bytes out;
    CArchive ar(out, CArchive::store);
    a.Serialize(ar);
    return out;
}

template <class A>
A deserialized(const Bytes& in)
{
    A a;
    CArchive ar(in.data(), in.size());
    a.Serialize(ar);
    EXPECT_EQ(ar.GetRemaining(), 0u);
    return a;
}

// A record with its own archive form: a code and a name.
struct Bar {
    int code = 0;
    CString name;
    void Serialize(CArchive& ar)
    {
        if (ar.IsStoring()) ar << code << name;
        else ar >> code >> name;
    }
};

} // namespace

TEST(ArchiveArrays, StringArrayIsCountThenTexts)
{
    CStringArray a;
    a.Add("a");
    a.Add("钢筋");
    a.Add("");
    a.Add("😀");
    const Bytes expected = bytes({0x04, 0x00, 0x01, 'a', 0x04, 0xB8, 0xD6, 0xBD, 0xEE, 0x00,
                                  0xFF, 0xFE, 0xFF, 0x02, 0x3D, 0xD8, 0x00, 0xDE});
    EXPECT_EQ(serialized(a), expected);
    CStringArray back = deserialized<CStringArray>(expected);
    ASSERT_EQ(back.GetSize(), 4);
    EXPECT_EQ(back[1], CString("钢筋"));
    EXPECT_EQ(back[3], CString("😀"));
    EXPECT_EQ(serialized(back), expected);
}

TEST(ArchiveArrays, StringArrayCountFormsAtTheirBoundary)
{
    CStringArray a;
    a.SetSize(0xFFFE);
    EXPECT_EQ(serialized(a), bytes({0xFE, 0xFF}) + repeated(0, 0xFFFE));
    a.SetSize(0xFFFF);
    const Bytes expected = bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}) + repeated(0, 0xFFFF);
    EXPECT_EQ(serialized(a), expected);
    EXPECT_EQ(deserialized<CStringArray>(expected).GetSize(), 0xFFFF);
}

TEST(ArchiveArrays, DoubleArrayIsCountThenRawReals)
{
    CArray<double, double> a;
    a.Add(1.0);
    a.Add(-2.5);
    const Bytes expected = bytes({0x02, 0x00, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 0, 0, 0, 0, 0, 0, 0x04, 0xC0});
    EXPECT_EQ(serialized(a), expected);
    const auto back = deserialized<CArray<double, double>>(expected);
    ASSERT_EQ(back.GetSize(), 2);
    EXPECT_EQ(back[0], 1.0);
    EXPECT_EQ(back[1], -2.5);
}

TEST(ArchiveArrays, DoubleArrayCountFormsAtTheirBoundary)
{
    CArray<double, double> a;
    a.SetSize(0xFFFE);
    a[0xFFFD] = 1.0;
    Bytes b = serialized(a);
    ASSERT_EQ(b.size(), 2u + 0xFFFEu * 8);
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 2), bytes({0xFE, 0xFF}));
    EXPECT_EQ(Bytes(b.end() - 8, b.end()), bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));

    a.SetSize(0xFFFF);
    a[0xFFFE] = -2.5;
    b = serialized(a);
    ASSERT_EQ(b.size(), 6u + 0xFFFFu * 8);
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 6), bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(Bytes(b.end() - 8, b.end()), bytes({0, 0, 0, 0, 0, 0, 0x04, 0xC0}));
    const auto back = deserialized<CArray<double, double>>(b);
    ASSERT_EQ(back.GetSize(), 0xFFFF);
    EXPECT_EQ(back[0xFFFD], 1.0);
    EXPECT_EQ(back[0xFFFE], -2.5);
    EXPECT_EQ(serialized(const_cast<CArray<double, double>&>(back)), b);
}

TEST(ArchiveArrays, IntArrayElementsAreLittleEndian)
{
    CArray<int, int> a;
    a.Add(1);
    a.Add(-2);
    EXPECT_EQ(serialized(a), bytes({0x02, 0x00, 0x01, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST(ArchiveArrays, RecordsUseTheirOwnForm)
{
    CArray<Bar> a;
    a.Add(Bar{12, "钢"});
    const Bytes expected = bytes({0x01, 0x00, 0x0C, 0, 0, 0, 0x02, 0xB8, 0xD6});
    EXPECT_EQ(serialized(a), expected);
    const auto back = deserialized<CArray<Bar>>(expected);
    ASSERT_EQ(back.GetSize(), 1);
    EXPECT_EQ(back[0].code, 12);
    EXPECT_EQ(back[0].name, CString("钢"));
}

TEST(ArchiveArrays, FailedLoadKeepsTheOldContent)
{
    CStringArray a;
    a.Add("old");
    // Two texts announced, the second one's bytes are not GBK.
    const Bytes in = bytes({0x02, 0x00, 0x01, 'x', 0x01, 0xFF});
    CArchive ar(in.data(), in.size());
    EXPECT_THROW(a.Serialize(ar), CArchiveException);
    ASSERT_EQ(a.GetSize(), 1);
    EXPECT_EQ(a[0], CString("old"));
}
