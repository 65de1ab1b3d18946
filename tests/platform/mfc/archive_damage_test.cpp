// Damaged archives: truncation, impossible counts, flipped bytes. Each ends in the archive
// exception at a sensible offset, never in a crash, a huge allocation or another exception.
#include "archive_bytes.h"
#include "mfc/carray.h"
#include "mfc/cstring_array.h"

#include <gtest/gtest.h>

namespace {

// A small archive of every kind of field; ends[i] is the offset after field i.
struct Mixed {
    int number = 0;
    CString gbk;
    double real = 0;
    CStringArray texts;
    CArray<int, int> ints;
    int records[2] = {0, 0};

    void Serialize(CArchive& ar, std::vector<std::size_t>* ends = nullptr)
    {
        const auto mark = [&] {
            if (ends) ends->push_back(ar.GetPosition());
        };
        if (ar.IsStoring()) {
            ar << number;
            mark();
            ar << gbk;
            mark();
            ar << real;
            mark();
            texts.Serialize(ar);
            mark();
            ints.Serialize(ar);
            mark();
            ar << 2;
            ar << records[0] << records[1];
            mark();
        } else {
            ar >> number >> gbk >> real;
            texts.Serialize(ar);
            ints.Serialize(ar);
            const int n = ar.ReadRecordCount(sizeof(int));
            for (int i = 0; i < n && i < 2; ++i) ar >> records[i];
        }
    }
};

Bytes mixedArchive(std::vector<std::size_t>& ends)
{
    Mixed m;
    m.number = 7;
    m.gbk = "盖梁";
    m.real = 1.5;
    m.texts.Add("a");
    m.texts.Add("😀");
    m.ints.Add(1);
    m.ints.Add(2);
    m.ints.Add(3);
    m.records[0] = 10;
    m.records[1] = 20;
    Bytes out;
    CArchive ar(out, CArchive::store);
    m.Serialize(ar, &ends);
    return out;
}

template <class F>
CArchiveException failure(const Bytes& in, F load)
{
    try {
        CArchive ar(in.data(), in.size());
        load(ar);
    } catch (const CArchiveException& e) {
        return e;
    }
    ADD_FAILURE() << "loading must fail";
    return CArchiveException(CArchiveException::none, 0, "");
}

} // namespace

TEST(ArchiveDamage, MixedArchiveRoundTripsByteIdentical)
{
    std::vector<std::size_t> ends;
    const Bytes b = mixedArchive(ends);
    Mixed m;
    CArchive load(b.data(), b.size());
    m.Serialize(load);
    EXPECT_EQ(load.GetRemaining(), 0u);
    EXPECT_EQ(m.gbk, CString("盖梁"));
    EXPECT_EQ(m.texts[1], CString("😀"));
    EXPECT_EQ(m.records[1], 20);
    Bytes again;
    CArchive store(again, CArchive::store);
    m.Serialize(store);
    EXPECT_EQ(again, b);
}

TEST(ArchiveDamage, TruncationAtEveryOffsetFailsInsideTheCutField)
{
    std::vector<std::size_t> ends;
    const Bytes full = mixedArchive(ends);
    ASSERT_EQ(ends.back(), full.size());
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        const Bytes part(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
        std::size_t fieldStart = 0;
        for (std::size_t end : ends) {
            if (end > cut) break;
            fieldStart = end;
        }
        const CArchiveException e = failure(part, [](CArchive& ar) {
            Mixed m;
            m.Serialize(ar);
        });
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile) << "cut at " << cut;
        EXPECT_GE(e.m_offset, fieldStart) << "cut at " << cut;
        EXPECT_LE(e.m_offset, cut) << "cut at " << cut;
    }
}

TEST(ArchiveDamage, HugeCountsFailWithoutAllocating)
{
    // 32-bit count 0x7FFFFFFF doubles (16 GiB) behind a 6-byte count.
    auto e = failure(bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0}), [](CArchive& ar) {
        CArray<double, double> a;
        a.Serialize(ar);
    });
    EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    EXPECT_EQ(e.m_offset, 0u);

    // 64-bit count form, largest value: count × 8 would overflow.
    e = failure(bytes({0x01, 0x00, 0x00, 0x00}) + repeated(0xFF, 14), [](CArchive& ar) {
        int skip = 0;
        ar >> skip;
        CArray<double, double> a;
        a.Serialize(ar);
    });
    EXPECT_EQ(e.m_offset, 4u);
    EXPECT_STREQ(e.what(), "archive end of file at byte 4: count 18446744073709551615 of items of at least 8 bytes "
                           "(more than 18446744073709551615 bytes) exceeds the 0 bytes that remain");

    // Texts take at least one byte each: 3 texts announced, 2 bytes remain.
    e = failure(bytes({0x03, 0x00, 0x00, 0x00}), [](CArchive& ar) {
        CStringArray a;
        a.Serialize(ar);
    });
    EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    EXPECT_EQ(e.m_offset, 0u);
    EXPECT_STREQ(e.what(), "archive end of file at byte 0: count 3 exceeds the 2 bytes that remain");
}

TEST(ArchiveDamage, RecordCountsAreCheckedForSignAndRoom)
{
    auto e = failure(bytes({0x09, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}), [](CArchive& ar) {
        int skip = 0;
        ar >> skip;
        ar.ReadRecordCount(1);
    });
    EXPECT_EQ(e.m_cause, CArchiveException::badFormat);
    EXPECT_EQ(e.m_offset, 4u);

    // Two records of at least 8 bytes need 16; 15 remain.
    e = failure(bytes({0x02, 0x00, 0x00, 0x00}) + repeated(0, 15), [](CArchive& ar) { ar.ReadRecordCount(8); });
    EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    EXPECT_EQ(e.m_offset, 0u);
    EXPECT_STREQ(e.what(), "archive end of file at byte 0: count 2 of items of at least 8 bytes (16 bytes) exceeds "
                           "the 15 bytes that remain");

    // Exactly enough room is fine; a minimum of 0 bytes counts as 1.
    const Bytes ok = bytes({0x02, 0x00, 0x00, 0x00}) + repeated(0, 16);
    CArchive ar(ok.data(), ok.size());
    EXPECT_EQ(ar.ReadRecordCount(8), 2);
    const Bytes zeroSized = bytes({0x10, 0x27, 0x00, 0x00});   // 10000 records, nothing behind
    CArchive ar2(zeroSized.data(), zeroSized.size());
    EXPECT_THROW(ar2.ReadRecordCount(0), CArchiveException);
}

TEST(ArchiveDamage, CheckedCountAcceptsWhatFits)
{
    const Bytes in = bytes({0x02, 0x00}) + repeated(0, 16);
    CArchive ar(in.data(), in.size());
    EXPECT_EQ(ar.ReadCheckedCount(8), 2u);
}

TEST(ArchiveDamage, FlippedBytesEndInTheArchiveExceptionOrALoad)
{
    std::vector<std::size_t> ends;
    const Bytes full = mixedArchive(ends);
    for (std::size_t i = 0; i < full.size(); ++i) {
        for (unsigned char mask : {0xFF, 0x80, 0x01}) {
            Bytes damaged = full;
            damaged[i] ^= mask;
            try {
                Mixed m;
                CArchive ar(damaged.data(), damaged.size());
                m.Serialize(ar);
            } catch (const CArchiveException&) {
            }
        }
    }
}

TEST(ArchiveDamage, ReadingPastTheEndReportsWhereTheReadBegan)
{
    const Bytes in = bytes({1, 0, 0, 0, 2, 0});
    CArchive ar(in.data(), in.size());
    int a = 0, b = 5;
    ar >> a;
    try {
        ar >> b;
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
        EXPECT_EQ(e.m_offset, 4u);
        EXPECT_STREQ(e.what(), "archive end of file at byte 4: the archive ends early");
    }
    EXPECT_EQ(b, 5);
}

// A failure inside named records names them, outermost first; a form number misread names the
// records read whole since the last one that fitted (the last four), the bytes of each given.
TEST(ArchiveDamage, AFailureNamesTheRecordsItHappenedIn)
{
    using Record = CArchive::Record;
    int v[2] = {};
    // An object of one int, after a form number 1 when marked.
    const auto object = [&](CArchive& ar, const char* name, bool marked = false) {
        const Record record(ar, name, Record::object);
        if (marked) ar.ReadMark(1, "unknown form");
        ar >> v[0];
    };
    // "the part": a list of entries of two ints each, cut inside the second: the first entry may
    // have read more bytes than were stored, leaving the second too few.
    EXPECT_STREQ(failure(bytes({2, 0, 0, 0}) + repeated(0, 12),
                         [&](CArchive& ar) {
                             const Record part(ar, "the part", Record::object), list(ar, "list");
                             for (int i = 0, count = ar.ReadRecordCount(4); i < count; ++i) {
                                 const Record entry(ar, static_cast<std::size_t>(i));
                                 ar >> v[0] >> v[1];
                             }
                         })
                     .what(),
                 "archive end of file at byte 16: the part, list[0] (bytes 4 to 12) may have read more or fewer bytes "
                 "than were stored, or the part, list[1] there is itself damaged or cut short: the archive ends early");
    // A form that fitted clears what was read before it; past four, the earlier ones are counted.
    // The records that may have misread come first; the form's own bytes may be the damaged ones.
    EXPECT_STREQ(failure(bytes({1, 0, 0, 0, 1, 0, 0, 0}) + repeated(0, 20) + bytes({2, 0, 0, 0}),
                         [&](CArchive& ar) {
                             object(ar, "the head");
                             object(ar, "the first object", true);
                             for (const char* name : {"a", "b", "c", "d"}) object(ar, name);
                             object(ar, "the next object", true);
                         })
                     .what(),
                 "archive bad schema at byte 28: a (bytes 12 to 16), b (bytes 16 to 20), c (bytes 20 to 24) or d "
                 "(bytes 24 to 28) (or an earlier one: 1 more from byte 4) may have read more or fewer bytes than "
                 "were stored, or the number opening the next object there is itself damaged: unknown form");
    // A form first in the archive: nothing was read before it to have misread.
    EXPECT_STREQ(failure(bytes({2, 0, 0, 0}), [&](CArchive& ar) { object(ar, "the first object", true); }).what(),
                 "archive bad schema at byte 0 in the first object: unknown form");
}
