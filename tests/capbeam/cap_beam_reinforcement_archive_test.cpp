// The cap beam's section of the design archive: item order, round trips, loading over a design,
// and damaged archives.
#include "capbeam/cap_beam_reinforcement_test_support.h"

#include "tendon/sample.h"

#include "host/live_count.h"
#include "mfc/archive_exception.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

namespace {

using Atom = CPM001T0101Atom;
using Access = CPM001T0101AtomTestAccess;

// Byte forms written out by hand: 4-byte ints, 8-byte doubles, little-endian; number lists with a
// 16-bit count; a short ASCII text with its one-byte length.
void Int(AtomBytes& out, int v)
{
    const auto u = static_cast<unsigned>(v);
    for (int k = 0; k < 4; ++k) out.push_back(static_cast<unsigned char>((u >> (8 * k)) & 0xFF));
}
void Ints(AtomBytes& out, std::initializer_list<int> values)
{
    for (int v : values) Int(out, v);
}
void Doubles(AtomBytes& out, std::initializer_list<double> values)
{
    for (double v : values) {
        unsigned long long u = 0;
        std::memcpy(&u, &v, sizeof u);
        for (int k = 0; k < 8; ++k) out.push_back(static_cast<unsigned char>((u >> (8 * k)) & 0xFF));
    }
}
void Count16(AtomBytes& out, int n)
{
    out.push_back(static_cast<unsigned char>(n & 0xFF));
    out.push_back(static_cast<unsigned char>((n >> 8) & 0xFF));
}
void DblList(AtomBytes& out, std::initializer_list<double> values)
{
    Count16(out, static_cast<int>(values.size()));
    Doubles(out, values);
}
void IntList(AtomBytes& out, std::initializer_list<int> values)
{
    Count16(out, static_cast<int>(values.size()));
    Ints(out, values);
}
void Text(AtomBytes& out, const char* ascii)
{
    out.push_back(static_cast<unsigned char>(std::strlen(ascii)));
    for (const char* c = ascii; *c; ++c) out.push_back(static_cast<unsigned char>(*c));
}
void Append(AtomBytes& out, const AtomBytes& more) { out.insert(out.end(), more.begin(), more.end()); }

// The scalar items before the skeleton set, of the sample design of BuildSampleAtom.
AtomBytes SampleScalarItems(int jgType)
{
    AtomBytes e;
    Int(e, 1);
    Doubles(e, {1200.0, 1250.0, 0.1, 1800.0, 14000.0, 0.02, 0.015, 600.0, 650.0, 1100.0, 1000.0});
    DblList(e, {5000.0, 6000.0});
    Doubles(e, {1400.0, 1600.0, 7000.0, 2000.0, 1300.0, 1400.0, 1500.0, 50.0, 60.0, 70.0, 310.0, 320.0, 3000.0, 4.5});
    Ints(e, {0, 1});
    Doubles(e, {900.0, 1.5, 2.5, 3.5, 4.5});
    Ints(e, {7, 1, 2, 1, jgType, 3});
    DblList(e, {1950.0, 1980.0, 2000.0, 1990.0, 1970.0});
    IntList(e, {2, 3, 4, 3, 2});
    Int(e, 0);
    IntList(e, {1, 1, 1, 0, 0});
    Int(e, 40);
    Text(e, "C40");
    Doubles(e, {48.75});
    Ints(e, {0, 1, 1, 1, 1, 1, 0, 1});
    Doubles(e, {0.54, 0.53});
    Ints(e, {1, 1, 0});
    Doubles(e, {450.0});
    return e;
}

// The items after the tendon block: stirrup groups, the three bar sets, the inclined-bar mark count.
AtomBytes TailItems(Atom& atom)
{
    AtomBytes e;
    Int(e, atom.XH.GetSize());
    for (const Atom::M_XH& pair : atom.XH) Ints(e, {pair.nA, pair.nB});
    Append(e, StoreRecord(atom.sg));
    Append(e, StoreRecord(atom.sh));
    Append(e, StoreRecord(atom.sd));
    Int(e, atom.nInclMarks);
    return e;
}

// Offset of the stirrup-group count in a stored design.
std::size_t PairCountOffset(Atom& atom, const AtomBytes& stored)
{
    return stored.size() - TailItems(atom).size();
}

struct LiveRecords {
    int atoms = LiveCount<CPM001T0101Atom>::Live();
    int tendons = LiveCount<CPM001T010401Atom>::Live();
    int frames = LiveCount<CapBeamRecords::FrameAr>::Live();
    int bars = LiveCount<CapBeamRecords::singAr>::Live();
    int rows = LiveCount<CapBeamRecords::tFrameAr>::Live();

    bool operator==(const LiveRecords&) const = default;
};

// Loads the first n bytes into atom; the cause of the archive exception, or none.
CArchiveException::Cause LoadPrefix(Atom& atom, const AtomBytes& stored, std::size_t n, std::size_t* offset = nullptr)
{
    try {
        CArchive ar(stored.data(), n);
        atom.SerializeDesignData(ar);
    } catch (const CArchiveException& e) {
        if (offset) *offset = e.m_offset;
        return e.m_cause;
    }
    return CArchiveException::none;
}

void PutInt(AtomBytes& bytes, std::size_t at, int v)
{
    AtomBytes four;
    Int(four, v);
    std::memcpy(bytes.data() + at, four.data(), 4);
}

} // namespace

TEST(CapBeamArchiveLayout, AFreshObjectWritesEveryItemInOrderWithAnEmptyPairList)
{
    Atom atom;
    AtomBytes e;
    Int(e, 0);
    for (int k = 0; k < 11; ++k) Doubles(e, {0.0});
    Count16(e, 0);
    for (int k = 0; k < 14; ++k) Doubles(e, {0.0});
    Ints(e, {0, 0});
    Doubles(e, {0.0, 0.0, 0.0, 0.0, 0.0});
    Ints(e, {0, 0, 0, 1, 0, 0});   // fSkewFrames is 1
    Count16(e, 0);                 // HDM
    Count16(e, 0);                 // enSection
    Int(e, 0);
    Count16(e, 0);                 // fDM
    Int(e, 0);
    Text(e, "");
    Doubles(e, {0.0});
    for (int k = 0; k < 8; ++k) Int(e, 0);
    Doubles(e, {0.0, 0.0});
    Ints(e, {0, 0, 0});
    Doubles(e, {0.0});
    Append(e, StoreRecord(atom.st));
    Int(e, 0);                     // no stirrup groups: the count alone
    Append(e, StoreRecord(atom.sg));
    Append(e, StoreRecord(atom.sh));
    Append(e, StoreRecord(atom.sd));
    Int(e, 0);
    EXPECT_EQ(StoreAtom(atom), e);
}

TEST(CapBeamArchiveLayout, AnOrdinaryCapBeamHasNoTendonBlock)
{
    auto atom = BuildSampleAtom(0);
    AtomBytes e = SampleScalarItems(0);
    Append(e, StoreRecord(atom->st));
    Append(e, TailItems(*atom));
    EXPECT_EQ(StoreAtom(*atom), e);
}

TEST(CapBeamArchiveLayout, APrestressedCapBeamWritesItsTendonsAfterTheSkeleton)
{
    auto atom = BuildSampleAtom(1);
    AtomBytes e = SampleScalarItems(1);
    Append(e, StoreRecord(atom->st));
    Append(e, StoreTendons(*Access::Tendon(*atom)));
    Append(e, TailItems(*atom));
    EXPECT_EQ(StoreAtom(*atom), e);
}

TEST(CapBeamArchiveLayout, APrestressedCapBeamWithoutTendonObjectWritesAnEmptyBlock)
{
    auto atom = BuildSampleAtom(1);
    Access::TakeTendon(*atom);
    CPM001T010401Atom empty;
    AtomBytes e = SampleScalarItems(1);
    Append(e, StoreRecord(atom->st));
    Append(e, StoreTendons(empty));
    Append(e, TailItems(*atom));
    const AtomBytes stored = StoreAtom(*atom);
    EXPECT_EQ(stored, e);

    auto loaded = LoadedAtom(stored);
    EXPECT_NE(Access::Tendon(*loaded), nullptr);
    EXPECT_EQ(StoreAtom(*loaded), stored);
}

TEST(CapBeamArchiveRoundTrip, APrestressedDesignStoresTheSameBytesAfterLoading)
{
    const AtomBytes stored = StoreAtom(*BuildSampleAtom(1));
    auto loaded = LoadedAtom(stored);
    EXPECT_EQ(StoreAtom(*loaded), stored);

    EXPECT_EQ(loaded->IsFromFile(), 1);
    EXPECT_EQ(loaded->JGType, 1);
    EXPECT_EQ(loaded->nPier, 3);
    EXPECT_DOUBLE_EQ(loaded->bBz[1], 6000.0);
    EXPECT_EQ(loaded->PierCapConGra, "C40");
    ASSERT_EQ(loaded->st.Frame.GetSize(), 2);
    EXPECT_EQ(loaded->st.Frame[0]->Bars.GetSize(), 4);
    EXPECT_EQ(loaded->st.Frame[1]->name, "K2");
    EXPECT_EQ(loaded->st.Frame[1]->zt.GetSize(), 5);
    ASSERT_EQ(loaded->st.Rn.GetSize(), 2);
    EXPECT_DOUBLE_EQ(loaded->st.Rn[1].L2, 1600.0);
    ASSERT_EQ(loaded->XH.GetSize(), 2);
    EXPECT_EQ(loaded->XH[1].nA, 3);
    ASSERT_EQ(loaded->sg.sg1.GetSize(), 2);
    EXPECT_EQ(loaded->sg.sg1[1].R, "21");
    EXPECT_EQ(loaded->sd.R, "端");
    EXPECT_EQ(loaded->nInclMarks, 3);
    ASSERT_NE(Access::Tendon(*loaded), nullptr);
    EXPECT_EQ(loaded->st.pTendonAtom, Access::Tendon(*loaded));
    EXPECT_EQ(Access::Tendon(*loaded)->Steel.size(), 2u);
}

TEST(CapBeamArchiveRoundTrip, ALoadedDesignKeepsTheSkeletonsWorkingMembersEmpty)
{
    auto loaded = LoadedAtom(StoreAtom(*BuildSampleAtom(1)));
    EXPECT_TRUE(loaded->FrameStore.IsEmpty());
    EXPECT_TRUE(loaded->FrameTable.IsEmpty());
    EXPECT_TRUE(loaded->FrameY.IsEmpty());
    EXPECT_TRUE(loaded->ThroughBars.IsEmpty());
    EXPECT_EQ(loaded->BarPool.GetSize(), 0);
    EXPECT_EQ(loaded->ZtPool.GetSize(), 0);
}

TEST(CapBeamArchiveRoundTrip, AnOrdinaryDesignLoadsWithoutTendonObject)
{
    const AtomBytes stored = StoreAtom(*BuildSampleAtom(0));
    auto loaded = LoadedAtom(stored);
    EXPECT_EQ(Access::Tendon(*loaded), nullptr);
    EXPECT_EQ(loaded->st.pTendonAtom, nullptr);
    EXPECT_EQ(StoreAtom(*loaded), stored);
}

TEST(CapBeamArchiveRoundTrip, StirrupGroupsLoadInTheirStoredOrder)
{
    auto atom = BuildSampleAtom(0);
    std::swap(atom->XH[0], atom->XH[1]);
    auto loaded = LoadedAtom(StoreAtom(*atom));
    ASSERT_EQ(loaded->XH.GetSize(), 2);
    EXPECT_EQ(loaded->XH[0].nA, 3);
    EXPECT_EQ(loaded->XH[1].nA, 1);
}

TEST(CapBeamArchiveOverwrite, LoadingOverABuiltDesignReleasesItFirst)
{
    const AtomBytes ordinary = StoreAtom(*BuildSampleAtom(0));
    const LiveRecords before;
    auto target = BuildSampleAtom(1);
    LoadAtom(*target, ordinary);
    EXPECT_EQ(target->IsFromFile(), 1);
    EXPECT_EQ(Access::Tendon(*target), nullptr);
    EXPECT_EQ(target->st.pTendonAtom, nullptr);
    EXPECT_EQ(target->BarPool.GetSize(), 0);
    EXPECT_EQ(StoreAtom(*target), ordinary);
    // What remains is the loaded design alone: its two frames with four bars each.
    EXPECT_EQ(LiveCount<CPM001T010401Atom>::Live(), before.tendons);
    EXPECT_EQ(LiveCount<CapBeamRecords::singAr>::Live() - before.bars, 8);
    EXPECT_EQ(LiveCount<CapBeamRecords::FrameAr>::Live() - before.frames, 2);
    target.reset();
    EXPECT_EQ(LiveRecords(), before);
}

TEST(CapBeamArchiveOverwrite, LoadingTwiceHoldsOneDesign)
{
    const AtomBytes stored = StoreAtom(*BuildSampleAtom(1));
    const LiveRecords before;
    Atom atom;
    LoadAtom(atom, stored);
    const LiveRecords once;
    LoadAtom(atom, stored);
    EXPECT_EQ(LiveRecords(), once);
    EXPECT_EQ(LiveCount<CPM001T010401Atom>::Live() - before.tendons, 1);
    EXPECT_EQ(StoreAtom(atom), stored);
}

TEST(CapBeamArchiveDamage, EveryTruncationThrowsAndLeavesNothingBehind)
{
    const AtomBytes stored = StoreAtom(*BuildSampleAtom(1));
    const LiveRecords before;
    for (std::size_t n = 0; n < stored.size(); ++n) {
        Atom atom;
        ASSERT_NE(LoadPrefix(atom, stored, n), CArchiveException::none) << "prefix of " << n << " bytes";
        ASSERT_EQ(atom.IsFromFile(), 0) << n;
    }
    EXPECT_EQ(LiveRecords(), before);
    Atom whole;
    EXPECT_EQ(LoadPrefix(whole, stored, stored.size()), CArchiveException::none);
}

TEST(CapBeamArchiveDamage, AFailedLoadLeavesTheDesignThatWasThere)
{
    const AtomBytes damaged = StoreAtom(*BuildSampleAtom(1));
    auto target = BuildSampleAtom(0);
    Access::AdoptTendon(*target, std::make_unique<CPM001T010401Atom>());
    const AtomBytes held = StoreAtom(*target);
    CPM001T010401Atom* tendon = Access::Tendon(*target);
    const LiveRecords before;
    for (std::size_t n = 0; n < damaged.size(); n += 7) {
        ASSERT_NE(LoadPrefix(*target, damaged, n), CArchiveException::none) << n;
        ASSERT_EQ(target->IsFromFile(), 0) << n;
        ASSERT_EQ(Access::Tendon(*target), tendon) << n;
    }
    EXPECT_EQ(target->st.pTendonAtom, tendon);
    EXPECT_EQ(StoreAtom(*target), held);
    EXPECT_EQ(LiveRecords(), before);
}

TEST(CapBeamArchiveDamage, ANegativePairCountIsRejectedBeforeAnythingIsMade)
{
    auto atom = BuildSampleAtom(1);
    AtomBytes stored = StoreAtom(*atom);
    const std::size_t at = PairCountOffset(*atom, stored);
    PutInt(stored, at, -1);
    Atom target;
    const LiveRecords before;
    std::size_t offset = 0;
    EXPECT_EQ(LoadPrefix(target, stored, stored.size(), &offset), CArchiveException::badFormat);
    EXPECT_EQ(offset, at);
    EXPECT_EQ(LiveRecords(), before);
}

TEST(CapBeamArchiveDamage, APairCountBeyondTheBytesLeftIsRejected)
{
    auto atom = BuildSampleAtom(0);
    AtomBytes stored = StoreAtom(*atom);
    const std::size_t at = PairCountOffset(*atom, stored);
    // One pair more than the bytes after the count could hold, and the largest count.
    const int oneTooMany = static_cast<int>((stored.size() - at - 4) / 8) + 1;
    for (int count : {oneTooMany, 0x7FFFFFFF}) {
        AtomBytes damaged = stored;
        PutInt(damaged, at, count);
        Atom target;
        std::size_t offset = 0;
        EXPECT_EQ(LoadPrefix(target, damaged, damaged.size(), &offset), CArchiveException::endOfFile) << count;
        EXPECT_EQ(offset, at);
    }
}

TEST(CapBeamArchiveDamage, AnyCorruptedByteEndsInTheArchiveExceptionOrALoad)
{
    const AtomBytes stored = StoreAtom(*BuildSampleAtom(0));
    const LiveRecords before;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        for (unsigned char flip : {0xFF, 0x80}) {
            AtomBytes damaged = stored;
            damaged[i] ^= flip;
            Atom target;
            LoadPrefix(target, damaged, damaged.size());   // must neither crash nor throw anything else
        }
    }
    EXPECT_EQ(LiveRecords(), before);
}
