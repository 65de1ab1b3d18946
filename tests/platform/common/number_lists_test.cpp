// DblArray and IntArray: archive bytes, count forms, damaged archives, assignment from a real, extremes.
#include "common/dbl_array.h"
#include "common/int_array.h"
#include "mfc/archive_exception.h"
#include "mfc/carchive.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

template <class List>
Bytes storeBySerialize(List& list)
{
    Bytes bytes;
    CArchive ar(bytes, CArchive::store);
    list.Serialize(ar);
    return bytes;
}

template <class List>
Bytes storeByOperator(const List& list)
{
    Bytes bytes;
    CArchive ar(bytes, CArchive::store);
    ar << list;
    return bytes;
}

DblArray dbl(std::initializer_list<double> values)
{
    DblArray a;
    for (double v : values) a.Add(v);
    return a;
}

IntArray ints(std::initializer_list<int> values)
{
    IntArray a;
    for (int v : values) a.Add(v);
    return a;
}

// 1.0 = 0x3FF0000000000000 and 2.5 = 0x4004000000000000, little-endian.
const Bytes kOneAndTwoAndHalf = {0x02, 0x00,                                            // count 2
                                 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F,        // 1.0
                                 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x40};       // 2.5

// 1 and -2 as 4-byte little-endian ints.
const Bytes kOneAndMinusTwo = {0x02, 0x00, 0x01, 0x00, 0x00, 0x00, 0xFE, 0xFF, 0xFF, 0xFF};

} // namespace

TEST(NumberListArchive, DblArrayBytesAreCountThenDoubles)
{
    DblArray a = dbl({1.0, 2.5});
    EXPECT_EQ(storeBySerialize(a), kOneAndTwoAndHalf);
    EXPECT_EQ(storeByOperator(a), kOneAndTwoAndHalf);
}

TEST(NumberListArchive, IntArrayBytesAreCountThenInts)
{
    IntArray a = ints({1, -2});
    EXPECT_EQ(storeBySerialize(a), kOneAndMinusTwo);
    EXPECT_EQ(storeByOperator(a), kOneAndMinusTwo);
}

TEST(NumberListArchive, EmptyListIsTwoZeroBytes)
{
    DblArray d;
    IntArray i;
    EXPECT_EQ(storeByOperator(d), (Bytes{0x00, 0x00}));
    EXPECT_EQ(storeBySerialize(i), (Bytes{0x00, 0x00}));
}

TEST(NumberListArchive, LoadingReadsTheHandWrittenBytesAndReplacesTheList)
{
    DblArray d = dbl({9.0, 9.0, 9.0});
    CArchive ar(kOneAndTwoAndHalf.data(), kOneAndTwoAndHalf.size());
    d.Serialize(ar);
    ASSERT_EQ(d.GetSize(), 2);
    EXPECT_EQ(d[0], 1.0);
    EXPECT_EQ(d[1], 2.5);
    EXPECT_EQ(ar.GetRemaining(), 0u);

    IntArray i = ints({7});
    CArchive ar2(kOneAndMinusTwo.data(), kOneAndMinusTwo.size());
    ar2 >> i;
    ASSERT_EQ(i.GetSize(), 2);
    EXPECT_EQ(i[0], 1);
    EXPECT_EQ(i[1], -2);
}

TEST(NumberListArchive, CountBelowFFFFUsesTheShortForm)
{
    IntArray a;
    a.SetSize(0xFFFE);
    const Bytes bytes = storeByOperator(a);
    ASSERT_EQ(bytes.size(), 2u + 4u * 0xFFFE);
    EXPECT_EQ(bytes[0], 0xFE);
    EXPECT_EQ(bytes[1], 0xFF);
}

TEST(NumberListArchive, CountFFFFSwitchesToThe32BitForm)
{
    IntArray a;
    a.SetSize(0xFFFF);
    a[0xFFFE] = 5;
    const Bytes bytes = storeByOperator(a);
    ASSERT_EQ(bytes.size(), 6u + 4u * 0xFFFF);
    EXPECT_EQ((Bytes(bytes.begin(), bytes.begin() + 6)), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));

    IntArray back;
    CArchive ar(bytes.data(), bytes.size());
    back.Serialize(ar);
    ASSERT_EQ(back.GetSize(), 0xFFFF);
    EXPECT_EQ(back[0xFFFE], 5);
}

TEST(NumberListArchive, RoundTripKeepsEveryBitOfTheReals)
{
    DblArray a = dbl({0.1, -0.0, std::numeric_limits<double>::denorm_min(), 1e300});
    const Bytes bytes = storeByOperator(a);
    DblArray b;
    CArchive ar(bytes.data(), bytes.size());
    ar >> b;
    ASSERT_EQ(b.GetSize(), 4);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(std::memcmp(&a[k], &b[k], sizeof(double)), 0) << k;
}

TEST(NumberListArchiveDamage, CountLargerThanTheRemainingBytesThrowsAndKeepsTheList)
{
    // Count 3, but only two doubles follow.
    Bytes bytes = kOneAndTwoAndHalf;
    bytes[0] = 0x03;
    DblArray d = dbl({4.0});
    CArchive ar(bytes.data(), bytes.size());
    EXPECT_THROW(d.Serialize(ar), CArchiveException);
    ASSERT_EQ(d.GetSize(), 1);
    EXPECT_EQ(d[0], 4.0);
}

TEST(NumberListArchiveDamage, HugeThirtyTwoBitCountThrowsBeforeAllocating)
{
    const Bytes bytes = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x01, 0x02};
    IntArray i;
    CArchive ar(bytes.data(), bytes.size());
    EXPECT_THROW(ar >> i, CArchiveException);
    EXPECT_EQ(i.GetSize(), 0);

    const Bytes maxCount = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    DblArray d;
    CArchive ar2(maxCount.data(), maxCount.size());
    EXPECT_THROW(d.Serialize(ar2), CArchiveException);
}

TEST(NumberListArchiveDamage, TruncationAtEveryOffsetThrows)
{
    for (std::size_t n = 0; n < kOneAndTwoAndHalf.size(); ++n) {
        DblArray d;
        CArchive ar(kOneAndTwoAndHalf.data(), n);
        EXPECT_THROW(ar >> d, CArchiveException) << "length " << n;
    }
    for (std::size_t n = 0; n < kOneAndMinusTwo.size(); ++n) {
        IntArray i;
        CArchive ar(kOneAndMinusTwo.data(), n);
        EXPECT_THROW(i.Serialize(ar), CArchiveException) << "length " << n;
    }
}

TEST(DblArrayValues, AssignmentFromARealSetsEveryElement)
{
    DblArray a = dbl({1.0, 2.0, 3.0});
    a = 4.5;
    ASSERT_EQ(a.GetSize(), 3);
    for (double v : a) EXPECT_EQ(v, 4.5);

    DblArray empty;
    empty = 0.0;
    EXPECT_EQ(empty.GetSize(), 0);
}

TEST(DblArrayValues, MaxAndMin)
{
    const DblArray a = dbl({3.0, -1.0, 7.0, 2.0});
    double hi = 0.0, lo = 0.0;
    EXPECT_EQ(a.GetMax(hi), 1);
    EXPECT_EQ(a.GetMin(lo), 1);
    EXPECT_EQ(hi, 7.0);
    EXPECT_EQ(lo, -1.0);

    const DblArray negatives = dbl({-5.0, -2.0});
    double m = 0.0;
    negatives.GetMax(m);
    EXPECT_EQ(m, -2.0);   // not the starting 0.0
}

TEST(DblArrayValues, MaxAndMinOfAnEmptyListLeaveTheArgument)
{
    const DblArray empty;
    double v = 12.5;
    EXPECT_EQ(empty.GetMax(v), 0);
    EXPECT_EQ(v, 12.5);
    EXPECT_EQ(empty.GetMin(v), 0);
    EXPECT_EQ(v, 12.5);
}
