// The cap-beam reinforcement object: defaults, the order of stirrup groups, and what it releases.
#include "capbeam/cap_beam_reinforcement_test_support.h"

#include "host/live_count.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <typeindex>
#include <vector>

namespace {

using Atom = CPM001T0101Atom;
using Access = CPM001T0101AtomTestAccess;

// Live objects of every counted record the cap beam can own.
struct LiveRecords {
    int atoms = LiveCount<CPM001T0101Atom>::Live();
    int tendons = LiveCount<CPM001T010401Atom>::Live();
    int frames = LiveCount<CapBeamRecords::FrameAr>::Live();
    int bars = LiveCount<CapBeamRecords::singAr>::Live();
    int rows = LiveCount<CapBeamRecords::tFrameAr>::Live();

    bool operator==(const LiveRecords&) const = default;
};

class ReleaseOrder : public ::testing::Test {
protected:
    void TearDown() override { ReleaseJournal::Stop(); }

    // Position of the first release of T in the journal, or -1.
    template <class T>
    static int FirstRelease()
    {
        const auto& entries = ReleaseJournal::Entries();
        const auto found = std::find(entries.begin(), entries.end(), std::type_index(typeid(T)));
        return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
    }
};

} // namespace

TEST(CapBeamAtomDefaults, EveryValueIsZeroButTheSkewSwitch)
{
    Atom atom;
    EXPECT_EQ(atom.IsFromFile(), 0);
    EXPECT_EQ(atom.fSkewFrames, 1);
    EXPECT_EQ(atom.PMorPT, 0);
    EXPECT_EQ(atom.JGType, 0);
    EXPECT_EQ(atom.nPier, 0);
    EXPECT_EQ(atom.nMark, 0);
    EXPECT_EQ(atom.nInclMarks, 0);
    EXPECT_EQ(atom.fFamiliesDone, 0);
    EXPECT_EQ(atom.fEndInset, 0);
    EXPECT_EQ(atom.BentChainCount, 0);
    EXPECT_EQ(atom.fSymmetric, 0);
    EXPECT_DOUBLE_EQ(atom.a, 0.0);
    EXPECT_DOUBLE_EQ(atom.bBg, 0.0);
    EXPECT_DOUBLE_EQ(atom.Vcon, 0.0);
    EXPECT_DOUBLE_EQ(atom.dMainBarWd, 0.0);
    EXPECT_DOUBLE_EQ(atom.dWeldLen, 0.0);
    EXPECT_TRUE(atom.PierCapConGra.IsEmpty());
    EXPECT_TRUE(atom.TopThroughMark.IsEmpty());
    EXPECT_TRUE(atom.bBz.IsEmpty());
    EXPECT_TRUE(atom.HDM.IsEmpty());
    EXPECT_TRUE(atom.enSection.IsEmpty());
    EXPECT_TRUE(atom.fDM.IsEmpty());
    EXPECT_TRUE(atom.XH.IsEmpty());
    EXPECT_TRUE(atom.FrameY.IsEmpty());
    EXPECT_TRUE(atom.FrameStore.IsEmpty());
    EXPECT_TRUE(atom.FrameTable.IsEmpty());
    EXPECT_TRUE(atom.ThroughBars.IsEmpty());
    EXPECT_TRUE(atom.KeyFrames.IsEmpty());
    EXPECT_EQ(atom.BarPool.GetSize(), 0);
    EXPECT_EQ(atom.st.pTendonAtom, nullptr);
    EXPECT_EQ(Access::Tendon(atom), nullptr);
    EXPECT_EQ(atom.st.fOwner, 0);
    EXPECT_TRUE(atom.st.Frame.IsEmpty());
    EXPECT_TRUE(atom.sg.sg1.IsEmpty());
    EXPECT_EQ(atom.ScratchRow.n, 0);
    EXPECT_EQ(atom.BentInput.pA[0], 0);
}

TEST(CapBeamStirrupGroups, SortByTheirFirstFrame)
{
    CArray<Atom::M_XH> groups;
    Atom::M_XH pair;
    pair.nA = 3;
    pair.nB = 1;
    groups.Add(pair);
    pair.nA = 1;
    pair.nB = 2;
    groups.Add(pair);
    std::sort(groups.begin(), groups.end(), LessXHByFirst);
    EXPECT_EQ(groups[0].nA, 1);
    EXPECT_EQ(groups[0].nB, 2);
    EXPECT_EQ(groups[1].nA, 3);
    EXPECT_EQ(groups[1].nB, 1);

    // Only the first frame decides.
    Atom::M_XH a, b;
    a.nA = b.nA = 2;
    a.nB = 1;
    b.nB = 9;
    EXPECT_FALSE(LessXHByFirst(a, b));
    EXPECT_FALSE(LessXHByFirst(b, a));
}

TEST_F(ReleaseOrder, AFreshObjectReleasesOnlyItself)
{
    auto atom = std::make_unique<Atom>();
    ReleaseJournal::Start();
    atom.reset();
    ASSERT_EQ(ReleaseJournal::Entries().size(), 1u);
    EXPECT_EQ(ReleaseJournal::Entries()[0], std::type_index(typeid(Atom)));
}

TEST_F(ReleaseOrder, ABuiltDesignReleasesItsTendonsFirstAndEveryPooledRecordOnce)
{
    const LiveRecords before;
    auto atom = BuildSampleAtom(1);
    EXPECT_EQ(LiveCount<CapBeamRecords::singAr>::Live() - before.bars, 6);   // 4 pooled + 2 through bars
    EXPECT_EQ(LiveCount<CapBeamRecords::FrameAr>::Live() - before.frames, 2);
    EXPECT_EQ(LiveCount<CPM001T010401Atom>::Live() - before.tendons, 1);

    ReleaseJournal::Start();
    atom.reset();
    ReleaseJournal::Stop();
    EXPECT_EQ(LiveRecords(), before);
    EXPECT_EQ(FirstRelease<CPM001T010401Atom>(), 0);
    EXPECT_LT(FirstRelease<Atom>(), FirstRelease<CapBeamRecords::singAr>());
}

TEST_F(ReleaseOrder, ALoadedDesignReleasesItsTendonsFirstAndEveryOwnedRecordOnce)
{
    const LiveRecords before;
    const AtomBytes stored = StoreAtom(*BuildSampleAtom(1));
    auto atom = LoadedAtom(stored);
    EXPECT_EQ(atom->st.fOwner, 1);
    EXPECT_EQ(atom->st.Frame.GetOwnedCount(), 2);
    EXPECT_EQ(atom->st.tFrame.GetOwnedCount(), 1);
    // Each loaded frame holds its own copies of the four bars.
    EXPECT_EQ(LiveCount<CapBeamRecords::singAr>::Live() - before.bars, 8);

    ReleaseJournal::Start();
    atom.reset();
    ReleaseJournal::Stop();
    EXPECT_EQ(LiveRecords(), before);
    EXPECT_EQ(FirstRelease<CPM001T010401Atom>(), 0);
}

TEST(CapBeamTendonHandOver, TheTendonObjectLearnsHowItsOwnerCameToBe)
{
    auto built = BuildSampleAtom(1);
    CPM001T010401Atom* held = Access::Tendon(*built);
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(built->st.pTendonAtom, held);
    std::unique_ptr<CPM001T010401Atom> fromBuilt = Access::TakeTendon(*built);
    EXPECT_EQ(fromBuilt.get(), held);
    EXPECT_EQ(fromBuilt->IsFromFile(), 0);
    EXPECT_EQ(built->st.pTendonAtom, nullptr);
    EXPECT_EQ(Access::Tendon(*built), nullptr);

    auto loaded = LoadedAtom(StoreAtom(*BuildSampleAtom(1)));
    ASSERT_NE(Access::Tendon(*loaded), nullptr);
    EXPECT_EQ(Access::Tendon(*loaded)->IsFromFile(), 0);   // told only when it is given up
    std::unique_ptr<CPM001T010401Atom> fromLoaded = Access::TakeTendon(*loaded);
    EXPECT_EQ(fromLoaded->IsFromFile(), 1);
    EXPECT_EQ(loaded->st.pTendonAtom, nullptr);
}

TEST(CapBeamTendonHandOver, AdoptingASecondTendonObjectReleasesTheFirst)
{
    const int before = LiveCount<CPM001T010401Atom>::Live();
    Atom atom;
    Access::AdoptTendon(atom, std::make_unique<CPM001T010401Atom>());
    Access::AdoptTendon(atom, std::make_unique<CPM001T010401Atom>());
    EXPECT_EQ(LiveCount<CPM001T010401Atom>::Live() - before, 1);
    EXPECT_EQ(atom.st.pTendonAtom, Access::Tendon(atom));
}

TEST(CapBeamAtomOwnership, AHalfBuiltDesignIsReleasedWhole)
{
    const LiveRecords before;
    {
        // A design that stopped after its first frame: one frame filled, the second never reached.
        Atom atom;
        atom.FrameStore.SetSize(2);
        Atom::singAr* bar = atom.BarPool.AddOwned(std::make_unique<Atom::singAr>());
        atom.FrameStore[0].Bars.Add(bar);
        atom.FrameStore[0].Bars.Add(nullptr);
        atom.st.Frame.Add(&atom.FrameStore[0]);
        atom.BentBarPool.AddOwned(std::make_unique<Atom::M_WQJ>());
        atom.BentBarList.Add(atom.BentBarPool[0]);
    }
    EXPECT_EQ(LiveRecords(), before);
}
