// Damaged tendon blocks: cut short at every byte, counts that cannot be, flipped bytes.
#include "tendon/design_object.h"
#include "tendon/sample.h"

#include "mfc/archive_exception.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using Atom = CPM001T010401Atom;

struct LiveRecords {
    int steel = LiveCount<Atom::M_Steel>::Live();
    int hd = LiveCount<Atom::M_HD>::Live();
    int qh = LiveCount<Atom::M_QH>::Live();
    int overlap = LiveCount<Atom::M_Roverlap>::Live();
    int atoms = LiveCount<Atom>::Live();
    bool operator==(const LiveRecords&) const = default;
};

void PutInt(Bytes& b, std::size_t at, int v)
{
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(static_cast<unsigned>(v) >> (8 * i));
}

// Loads the bytes into the object and returns the cause of the archive exception (none if it loaded).
CArchiveException::Cause LoadCause(Atom& t, const Bytes& b, std::size_t* offset = nullptr)
{
    try {
        CArchive ar(b.data(), b.size());
        t.SerializeDesignData(ar);
    } catch (const CArchiveException& e) {
        if (offset) *offset = e.m_offset;
        return e.m_cause;
    }
    return CArchiveException::none;
}

// Offsets in a block whose items 1 to 47 are all defaults (292 bytes).
constexpr std::size_t kSteelCount = 292;
constexpr std::size_t kNameCount = 296;
constexpr std::size_t kSectionCount = 304;   // after the name count and two empty real lists
constexpr std::size_t kGroupCount = 314;     // after the section count and three empty real lists

} // namespace

TEST(TendonArchiveDamage, CutShortAtEveryOffsetThrowsAndLeavesNothingBehind)
{
    auto built = BuildSampleTendons();
    const Bytes stored = StoreTendons(*built);
    built.reset();
    const LiveRecords baseline;
    for (std::size_t n = 0; n < stored.size(); ++n) {
        const Bytes cut(stored.begin(), stored.begin() + static_cast<std::ptrdiff_t>(n));
        {
            Atom t;
            EXPECT_EQ(LoadCause(t, cut), CArchiveException::endOfFile) << "cut at " << n;
        }
        ASSERT_EQ(LiveRecords(), baseline) << "cut at " << n;
    }
}

TEST(TendonArchiveDamage, NegativeRecordCountsAreRejectedBeforeAnythingIsReleasedOrMade)
{
    Atom empty;
    const Bytes plain = StoreTendons(empty);
    for (std::size_t at : {kSteelCount, kNameCount, kSectionCount, kGroupCount}) {
        Bytes bad = plain;
        PutInt(bad, at, -1);
        auto t = BuildSampleTendons();
        std::size_t offset = 0;
        EXPECT_EQ(LoadCause(*t, bad, &offset), CArchiveException::badFormat) << at;
        EXPECT_EQ(offset, at);
        if (at == kSteelCount) {
            EXPECT_EQ(t->Steel.size(), 2u);   // what it held is still there
        }
    }
}

TEST(TendonArchiveDamage, CountsLargerThanTheBytesLeftAreRejected)
{
    Atom empty;
    const Bytes plain = StoreTendons(empty);
    for (std::size_t at : {kSteelCount, kNameCount, kSectionCount, kGroupCount}) {
        for (int count : {1000000, 0x7FFFFFFF}) {
            Bytes bad = plain;
            PutInt(bad, at, count);
            const LiveRecords baseline;
            {
                Atom t;
                std::size_t offset = 0;
                EXPECT_EQ(LoadCause(t, bad, &offset), CArchiveException::endOfFile) << at << " " << count;
                EXPECT_EQ(offset, at);
            }
            EXPECT_EQ(LiveRecords(), baseline);
        }
    }
}

TEST(TendonArchiveDamage, NestedCountsAreCheckedToo)
{
    Atom one;
    one.Steel.push_back(std::make_unique<Atom::M_Steel>());
    auto group = std::make_unique<Atom::M_QH>();
    one.QH.push_back(std::move(group));
    const Bytes plain = StoreTendons(one);
    // The tendon starts at 296: its node count at +46, its control-point count at +445. Every
    // later item moves on by the tendon's 449 bytes: the group count to 314 + 449 = 763, the group
    // to 767, and its overlap count is 16 bytes into the group.
    const std::size_t nodeCount = 296 + 46;
    const std::size_t pointCount = 296 + 445;
    const std::size_t overlapCount = 767 + 16;
    ASSERT_EQ(plain.size(), 414u + 449u + 22u);
    for (std::size_t at : {nodeCount, pointCount, overlapCount}) {
        for (int count : {-5, 1000000}) {
            Bytes bad = plain;
            PutInt(bad, at, count);
            const LiveRecords baseline;
            {
                Atom t;
                std::size_t offset = 0;
                const auto cause = LoadCause(t, bad, &offset);
                EXPECT_EQ(cause, count < 0 ? CArchiveException::badFormat : CArchiveException::endOfFile) << at;
                EXPECT_EQ(offset, at);
            }
            EXPECT_EQ(LiveRecords(), baseline);
        }
    }
}

TEST(TendonArchiveDamage, FlippedBytesLoadOrThrowButNeverCrashOrLeak)
{
    auto built = BuildSampleTendons();
    const Bytes stored = StoreTendons(*built);
    built.reset();
    const LiveRecords baseline;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        for (unsigned char flip : {0xFF, 0x80}) {
            Bytes bad = stored;
            bad[i] = static_cast<unsigned char>(bad[i] ^ flip);
            {
                Atom t;
                try {
                    CArchive ar(bad.data(), bad.size());
                    t.SerializeDesignData(ar);
                } catch (const CArchiveException&) {
                }
            }
            ASSERT_EQ(LiveRecords(), baseline) << "byte " << i;
        }
    }
}
