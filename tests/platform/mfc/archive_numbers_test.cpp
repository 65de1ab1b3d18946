// Number and count forms of the archive, against bytes written out by hand.
#include "archive_bytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

TEST(ArchiveNumbers, IntegersAreLittleEndianAtTheirFixedWidths)
{
    EXPECT_EQ(stored(0x01020304), bytes({0x04, 0x03, 0x02, 0x01}));
    EXPECT_EQ(stored(-2), bytes({0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(stored(0xDEADBEEFu), bytes({0xEF, 0xBE, 0xAD, 0xDE}));
    EXPECT_EQ(stored(static_cast<short>(-1)), bytes({0xFF, 0xFF}));
    EXPECT_EQ(stored(static_cast<WORD>(0x1234)), bytes({0x34, 0x12}));
    EXPECT_EQ(stored(static_cast<BYTE>(0xAB)), bytes({0xAB}));
    EXPECT_EQ(stored('A'), bytes({0x41}));
    EXPECT_EQ(stored(static_cast<LONGLONG>(0x0102030405060708)), bytes({8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(stored(static_cast<LONGLONG>(-1)), repeated(0xFF, 8));
}

TEST(ArchiveNumbers, IntegersLoadFromHandWrittenBytes)
{
    EXPECT_EQ(loaded<int>(bytes({0xFE, 0xFF, 0xFF, 0xFF})), -2);
    EXPECT_EQ(loaded<int>(bytes({0x00, 0x00, 0x00, 0x80})), std::numeric_limits<int>::min());
    EXPECT_EQ(loaded<unsigned>(bytes({0xEF, 0xBE, 0xAD, 0xDE})), 0xDEADBEEFu);
    EXPECT_EQ(loaded<short>(bytes({0x00, 0x80})), -32768);
    EXPECT_EQ(loaded<WORD>(bytes({0x34, 0x12})), 0x1234);
    EXPECT_EQ(loaded<BYTE>(bytes({0xAB})), 0xAB);
    EXPECT_EQ(loaded<char>(bytes({0x41})), 'A');
    EXPECT_EQ(loaded<LONGLONG>(bytes({0, 0, 0, 0, 0, 0, 0, 0x80})), std::numeric_limits<LONGLONG>::min());
}

TEST(ArchiveNumbers, RealsAreIeeeLittleEndian)
{
    // 1.0 = 0x3FF0000000000000; -2.5 = -1.25 * 2^1 = 0xC004000000000000; 1.0f = 0x3F800000.
    EXPECT_EQ(stored(1.0), bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
    EXPECT_EQ(stored(-2.5), bytes({0, 0, 0, 0, 0, 0, 0x04, 0xC0}));
    EXPECT_EQ(stored(1.0f), bytes({0, 0, 0x80, 0x3F}));
    EXPECT_EQ(loaded<double>(bytes({0, 0, 0, 0, 0, 0, 0x04, 0xC0})), -2.5);
    EXPECT_EQ(loaded<float>(bytes({0, 0, 0x80, 0x3F})), 1.0f);
    // 0.1 keeps every bit through a round trip.
    EXPECT_EQ(loaded<double>(stored(0.1)), 0.1);
    EXPECT_TRUE(std::isnan(loaded<double>(stored(std::numeric_limits<double>::quiet_NaN()))));
}

TEST(ArchiveNumbers, CountFormSwitchesTo32BitAt0xFFFF)
{
    const auto count = [](std::size_t n) {
        Bytes out;
        CArchive ar(out, CArchive::store);
        ar.WriteCount(n);
        return out;
    };
    EXPECT_EQ(count(0), bytes({0, 0}));
    EXPECT_EQ(count(0xFFFE), bytes({0xFE, 0xFF}));
    EXPECT_EQ(count(0xFFFF), bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0}));
    EXPECT_EQ(count(0x12345678), bytes({0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12}));

    for (std::size_t n : {std::size_t{0}, std::size_t{0xFFFE}, std::size_t{0xFFFF}, std::size_t{0x12345678}}) {
        const Bytes b = count(n);
        CArchive ar(b.data(), b.size());
        EXPECT_EQ(ar.ReadCount(), n);
        EXPECT_EQ(ar.GetRemaining(), 0u);
    }
}

TEST(ArchiveNumbers, PositionAndRemainingFollowTheBytes)
{
    Bytes out;
    CArchive store(out, CArchive::store);
    EXPECT_TRUE(store.IsStoring());
    EXPECT_FALSE(store.IsLoading());
    store << 1 << 2.0 << static_cast<WORD>(3);
    EXPECT_EQ(store.GetPosition(), 14u);

    CArchive load(out, CArchive::load);
    EXPECT_TRUE(load.IsLoading());
    int i = 0;
    double d = 0;
    WORD w = 0;
    load >> i;
    EXPECT_EQ(load.GetPosition(), 4u);
    EXPECT_EQ(load.GetRemaining(), 10u);
    load >> d >> w;
    EXPECT_EQ(i, 1);
    EXPECT_EQ(d, 2.0);
    EXPECT_EQ(w, 3);
    EXPECT_EQ(load.GetRemaining(), 0u);
}

// A record (bars, then a cover added in format version 2) reads the cover only from a set of a version
// that has it, else gives it its default 50, which designs as before; every byte is read, an earlier
// value not kept. Told no version, an archive reads the newest form.
TEST(ArchiveFormatVersion, ARecordReadsAnAddedFieldOnlyFromAVersionThatHasIt)
{
    const Bytes before = bytes({3, 0, 0, 0});                              // bars 3
    const Bytes after = before + bytes({0, 0, 0, 0, 0, 0x40, 0x52, 0x40});  // cover 73 = 1.140625 * 2^6
    const struct { const Bytes& in; UINT version; double cover; } rows[] = {
        {after, CArchive::kNewestFormat, 73.0}, {before, 1, 50.0}, {after, 2, 73.0}, {after, 3, 73.0}};
    int bars = 0;
    double cover = -1.0;
    for (const auto& row : rows) {
        CArchive ar(row.in.data(), row.in.size());
        if (row.version != CArchive::kNewestFormat) ar.SetFormatVersion(row.version);
        ar >> bars;
        if (ar.GetFormatVersion() >= 2) ar >> cover;
        else cover = 50.0;
        EXPECT_EQ(cover, row.cover) << row.version;
        EXPECT_EQ(ar.GetRemaining(), 0u) << row.version;
    }
}

TEST(ArchiveNumbers, WrongDirectionThrowsTheMfcCauses)
{
    Bytes buffer = bytes({1, 0, 0, 0});
    CArchive load(buffer, CArchive::load);
    try {
        load << 5;
        FAIL() << "storing into a loading archive must throw";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::readOnly);
    }
    EXPECT_EQ(buffer, bytes({1, 0, 0, 0}));

    Bytes out;
    CArchive store(out, CArchive::store);
    int v = 7;
    try {
        store >> v;
        FAIL() << "loading from a storing archive must throw";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::writeOnly);
    }
    EXPECT_EQ(v, 7);
}

TEST(ArchiveException, MessageNamesCauseAndOffset)
{
    const CArchiveException e(CArchiveException::badFormat, 17, "text is not valid GBK");
    EXPECT_STREQ(e.what(), "archive bad format at byte 17: text is not valid GBK");
    EXPECT_EQ(e.m_cause, CArchiveException::badFormat);
    EXPECT_EQ(e.m_offset, 17u);
    EXPECT_STREQ(CArchiveException::CauseName(CArchiveException::endOfFile), "end of file");
    EXPECT_STREQ(CArchiveException::CauseName(static_cast<CArchiveException::Cause>(99)), "unknown");
}
