// Damaged archives of the cap-beam reinforcement records: every truncation, impossible counts and
// flipped bytes end in the archive exception; a failed load leaves the record as it was.
#include "capbeam/records/records_test_support.h"

#include <gtest/gtest.h>

#include <string>

using namespace CapBeamRecords;

namespace {

// Loads the first n bytes of in into a fresh record; returns the cause of the archive exception,
// or none when the load succeeded.
template <class Record>
CArchiveException::Cause LoadPrefix(const Bytes& in, std::size_t n, std::size_t* offset = nullptr)
{
    Record record;
    try {
        CArchive ar(in.data(), n);
        record.Serialize(ar);
    } catch (const CArchiveException& e) {
        if (offset) *offset = e.m_offset;
        return e.m_cause;
    }
    return CArchiveException::none;
}

template <class Record>
void ExpectEveryTruncationFails(const Bytes& full)
{
    for (std::size_t n = 0; n < full.size(); ++n)
        ASSERT_NE(LoadPrefix<Record>(full, n), CArchiveException::none) << "prefix of " << n << " bytes";
    EXPECT_EQ(LoadPrefix<Record>(full, full.size()), CArchiveException::none);
}

SgDataSet StirrupSet()
{
    SgDataSet sg;
    sg.ns.Add(1);
    sg.as.Add(2.0);
    sg.sg1.SetSize(2);
    sg.sg1[0].R = "箍";
    sg.sg2.SetSize(1);
    sg.sg3.SetSize(1);
    return sg;
}

void Overwrite(Bytes& b, std::size_t at, const Bytes& with) { std::copy(with.begin(), with.end(), b.begin() + at); }

// Offset of the frame count in a stored skeleton set: the fixed fields take 142 bytes when the
// six kind names are empty.
constexpr std::size_t kFrameCountAt = 142;

} // namespace

TEST(ReinforcementRecordDamage, EveryTruncationOfTheSkeletonSetThrows)
{
    BuiltSkeleton built;
    ExpectEveryTruncationFails<StDataSet>(Store(built.st));
}

TEST(ReinforcementRecordDamage, EveryTruncationOfTheOtherSetsThrows)
{
    SgDataSet sg = StirrupSet();
    ExpectEveryTruncationFails<SgDataSet>(Store(sg));
    ShDataSet sh;
    sh.sh2_R = "7a";
    ExpectEveryTruncationFails<ShDataSet>(Store(sh));
    SdDataSet sd;
    sd.R = "30";
    ExpectEveryTruncationFails<SdDataSet>(Store(sd));
    M_XH p;
    ExpectEveryTruncationFails<M_XH>(Store(p));
}

TEST(ReinforcementRecordDamage, NegativeCountsAreRejectedAtTheirOffset)
{
    StDataSet st;
    Bytes b = Store(st);
    Overwrite(b, kFrameCountAt, int32(0xFFFFFFFFu));
    std::size_t offset = 0;
    EXPECT_EQ(LoadPrefix<StDataSet>(b, b.size(), &offset), CArchiveException::badFormat);
    EXPECT_EQ(offset, kFrameCountAt);

    // The bar count of a frame: the first four bytes of the frame.
    FrameAr f;
    Bytes fb = Store(f);
    Overwrite(fb, 0, int32(0x80000000u));
    EXPECT_EQ(LoadPrefix<FrameAr>(fb, fb.size(), &offset), CArchiveException::badFormat);
    EXPECT_EQ(offset, 0u);

    // The vertex count of a bar.
    singAr bar;
    Bytes bb = Store(bar);
    Overwrite(bb, 0, int32(0xFFFFFFF0u));
    EXPECT_EQ(LoadPrefix<singAr>(bb, bb.size()), CArchiveException::badFormat);
}

TEST(ReinforcementRecordDamage, CountsLargerThanTheArchiveAreRejectedBeforeAllocating)
{
    StDataSet st;
    Bytes b = Store(st);
    std::size_t offset = 0;
    for (std::size_t at : {kFrameCountAt, kFrameCountAt + 4, kFrameCountAt + 8}) {
        Bytes damaged = b;
        Overwrite(damaged, at, int32(0x7FFFFFFF));
        EXPECT_EQ(LoadPrefix<StDataSet>(damaged, damaged.size(), &offset), CArchiveException::endOfFile) << at;
        EXPECT_EQ(offset, at);
    }

    // Each frame, schedule row or frame-table row takes at least 61, 31 or 13 bytes: a count of 2
    // with 121 bytes (60 + 61) left does not fit two frames.
    Bytes two = b;
    Overwrite(two, kFrameCountAt, int32(2));
    two.insert(two.end() - 8, 121 - 8, 0);
    EXPECT_EQ(LoadPrefix<StDataSet>(two, two.size(), &offset), CArchiveException::endOfFile);
    EXPECT_EQ(offset, kFrameCountAt);

    SgDataSet sg;
    Bytes sb = Store(sg);
    for (std::size_t back : {12u, 8u, 4u}) {
        Bytes damaged = sb;
        Overwrite(damaged, sb.size() - back, int32(1000));
        EXPECT_EQ(LoadPrefix<SgDataSet>(damaged, damaged.size()), CArchiveException::endOfFile) << back;
    }
}

TEST(ReinforcementRecordDamage, FlippedBytesLoadOrThrowTheArchiveException)
{
    BuiltSkeleton built;
    const Bytes full = Store(built.st);
    for (std::size_t i = 0; i < full.size(); ++i) {
        Bytes damaged = full;
        damaged[i] ^= 0xFF;
        StDataSet st;
        try {
            CArchive ar(damaged.data(), damaged.size());
            st.Serialize(ar);
        } catch (const CArchiveException&) {
        } catch (const std::exception& e) {
            ADD_FAILURE() << "byte " << i << ": " << e.what();
        }
    }
}

TEST(ReinforcementRecordDamage, FailedLoadLeavesTheSetAsItWas)
{
    BuiltSkeleton built;
    const Bytes full = Store(built.st);
    StDataSet st;
    Load(st, full);
    const int liveFrames = LiveCount<FrameAr>::Live();
    const int liveBars = LiveCount<singAr>::Live();
    for (std::size_t n : {std::size_t{0}, std::size_t{150}, full.size() / 2, full.size() - 1}) {
        EXPECT_THROW(
            {
                CArchive ar(full.data(), n);
                st.Serialize(ar);
            },
            CArchiveException);
        EXPECT_EQ(Store(st), full);
        EXPECT_EQ(LiveCount<FrameAr>::Live(), liveFrames);
        EXPECT_EQ(LiveCount<singAr>::Live(), liveBars);
    }

    SgDataSet sg = StirrupSet();
    const Bytes sgBytes = Store(sg);
    SgDataSet other;
    other.type = 9;
    other.sg3.SetSize(4);
    EXPECT_THROW(
        {
            CArchive ar(sgBytes.data(), sgBytes.size() - 1);
            other.Serialize(ar);
        },
        CArchiveException);
    EXPECT_EQ(other.type, 9);
    EXPECT_EQ(other.sg3.GetSize(), 4);
}
