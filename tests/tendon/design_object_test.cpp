// Tendon design object: defaults, the design driver, the archive block and who releases what.
#include "tendon/design_object.h"
#include "tendon/sample.h"

#include "mfc/archive_exception.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <typeindex>

namespace {

using Atom = CPM001T010401Atom;

int Released(const std::type_info& type)
{
    const auto& entries = ReleaseJournal::Entries();
    return static_cast<int>(std::count(entries.begin(), entries.end(), std::type_index(type)));
}

// Live records of every kind the object holds by pointer.
struct LiveRecords {
    int steel = LiveCount<Atom::M_Steel>::Live();
    int hd = LiveCount<Atom::M_HD>::Live();
    int qh = LiveCount<Atom::M_QH>::Live();
    int overlap = LiveCount<Atom::M_Roverlap>::Live();
    int pieces = LiveCount<Atom::M_SteelFD>::Live();
    int atoms = LiveCount<Atom>::Live();
    bool operator==(const LiveRecords&) const = default;
};

// Counts of the releases of one object, read from the journal.
struct Releases {
    int steel, hd, qh, overlap, pieces;
};

Releases DestroyAndCount(std::unique_ptr<Atom> atom)
{
    ReleaseJournal::Start();
    atom.reset();
    ReleaseJournal::Stop();
    return {Released(typeid(Atom::M_Steel)), Released(typeid(Atom::M_HD)), Released(typeid(Atom::M_QH)),
            Released(typeid(Atom::M_Roverlap)), Released(typeid(Atom::M_SteelFD))};
}

} // namespace

// ---- construction and the driver ------------------------------------------------------------

TEST(TendonObject, NewObjectIsEmptyAndNotFromFile)
{
    Atom t;
    EXPECT_EQ(t.IsFromFile(), 0);
    EXPECT_TRUE(t.Steel.empty());
    EXPECT_TRUE(t.HD.empty());
    EXPECT_TRUE(t.QH.empty());
    EXPECT_TRUE(t.SteelFD.empty());
    EXPECT_EQ(t.fm, 0.0);
    EXPECT_EQ(t.fmr, 0.0);
    EXPECT_EQ(t.PierLayMode, 0);
    EXPECT_EQ(t.fSeparationSymmetry, 0);
    EXPECT_EQ(t.bAg, 0.0);
    EXPECT_EQ(t.nPierLabel, 0);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(t.SectionAux[k].GetSize(), 0);
        EXPECT_EQ(StoreRecord(t.SectionHD[k]), Bytes(60, 0x00));
    }
    EXPECT_EQ(t.ST.GetSize() + t.MZ.GetSize() + t.MZRs.GetSize() + t.MJ.GetSize(), 0);
    EXPECT_TRUE(t.LHC.empty());
}

TEST(TendonObject, EveryArchivedMemberStartsAtZeroOrEmpty)
{
    // 37 doubles, 18 ints, 4 record counts, 2 int lists, 7 real lists, 3 text lists and 6 texts:
    // 296 + 72 + 16 + 4 + 14 + 6 + 6 = 414 bytes, every one zero.
    Atom t;
    EXPECT_EQ(StoreTendons(t), Bytes(414, 0x00));
}

TEST(TendonObject, FromFileFlagIsOnlyWhatTheOwnerSets)
{
    auto sample = BuildSampleTendons();
    auto loaded = LoadTendons(StoreTendons(*sample));
    EXPECT_EQ(loaded->IsFromFile(), 0);   // loading leaves it to the owner
    loaded->fFromFile = 1;
    EXPECT_EQ(loaded->IsFromFile(), 1);
}

TEST(TendonObject, DesignWithoutKeyParametersFailsAndChangesNothing)
{
    auto t = BuildSampleTendons();
    const Bytes before = StoreTendons(*t);
    EXPECT_EQ(t->DoDesign(nullptr), 0);
    EXPECT_EQ(StoreTendons(*t), before);
}

// ---- archive block ----------------------------------------------------------------------------

TEST(TendonArchive, ScalarsSitAtTheirPlaceInTheBlock)
{
    Atom t;
    t.ib = 1.0;
    t.fSymLayout = 1;
    t.strTendonIndex = "A";
    const Bytes stored = StoreTendons(t);
    ASSERT_EQ(stored.size(), 415u);
    EXPECT_EQ(Bytes(stored.begin(), stored.begin() + 8), (Bytes{0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
    // Items 1 to 46 take 288 bytes; fSymLayout follows, then the tendon count.
    EXPECT_EQ(Bytes(stored.begin() + 288, stored.begin() + 292), (Bytes{1, 0, 0, 0}));
    EXPECT_EQ(Bytes(stored.begin() + 292, stored.begin() + 296), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(Bytes(stored.end() - 2, stored.end()), (Bytes{0x01, 'A'}));   // the last item
}

TEST(TendonArchive, TendonRecordsFollowTheirCount)
{
    Atom t;
    t.Steel.push_back(std::make_unique<Atom::M_Steel>());
    const Bytes stored = StoreTendons(t);
    ASSERT_EQ(stored.size(), 414u + 449u);
    EXPECT_EQ(Bytes(stored.begin() + 292, stored.begin() + 296), (Bytes{1, 0, 0, 0}));
    EXPECT_EQ(stored[296 + 172], 0xFF);   // the tendon's lMC
}

TEST(TendonArchive, ObjectWithoutTendonsLoadsEmptyLists)
{
    Atom t;
    auto loaded = LoadTendons(StoreTendons(t));
    EXPECT_TRUE(loaded->Steel.empty());
    EXPECT_TRUE(loaded->HD.empty());
    EXPECT_TRUE(loaded->QH.empty());
    EXPECT_EQ(loaded->ZLNameAr.GetSize(), 0);
}

TEST(TendonArchive, ChineseTitleIsStoredInCodePage936)
{
    auto t = BuildSampleTendons();
    const Bytes stored = StoreTendons(*t);
    const Bytes title = {0x0A, 0xB8, 0xD6, 0xCA, 0xF8, 0xCA, 0xFD, 0xC1, 0xBF, 0xB1, 0xED};
    EXPECT_NE(std::search(stored.begin(), stored.end(), title.begin(), title.end()), stored.end());
}

TEST(TendonArchive, BuiltObjectStoresLoadsAndStoresAgainByteForByte)
{
    auto built = BuildSampleTendons();
    const Bytes first = StoreTendons(*built);
    auto loaded = LoadTendons(first);
    EXPECT_EQ(StoreTendons(*loaded), first);

    ASSERT_EQ(loaded->Steel.size(), 2u);
    for (const auto& s : loaded->Steel) {
        EXPECT_EQ(s->fOwner, 1);
        ASSERT_NE(s->pCurve, nullptr);
        EXPECT_EQ(s->pCurve->GetControlPointCount(), 3);
    }
    EXPECT_EQ(loaded->Steel[0]->R, "N1");
    EXPECT_EQ(loaded->Steel[1]->Y[1], 300.0);
    EXPECT_EQ(loaded->Steel[1]->LNode[1].Z, 350.0);
    ASSERT_EQ(loaded->ZLNameAr.GetSize(), 2);
    EXPECT_EQ(loaded->ZLNameAr[1].name, "钢束");
    ASSERT_EQ(loaded->QH.size(), 2u);
    EXPECT_EQ(loaded->QH[0]->fOwner, 1);
    EXPECT_EQ(loaded->QH[1]->fOwner, 1);
    ASSERT_EQ(loaded->QH[0]->Roverlap.size(), 2u);
    EXPECT_EQ(loaded->QH[0]->Roverlap[0]->OverlapR[0], "N2");
    EXPECT_TRUE(loaded->QH[1]->Roverlap.empty());
    ASSERT_EQ(loaded->HD.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_NE(loaded->HD[k], &loaded->SectionHD[k]);   // records of their own
        EXPECT_EQ(loaded->SectionHD[k].hD, 0.0);            // working sections untouched
    }
    EXPECT_EQ(loaded->HD[2]->hD, 1800.0);
    EXPECT_TRUE(loaded->SteelFD.empty());
    EXPECT_EQ(loaded->szMEM, "钢束数量表");
    EXPECT_EQ(loaded->strTendonIndex, "GB/T 5224");
    // Set-up values that are not archived keep their constructor values.
    EXPECT_EQ(loaded->PierLayMode, 0);
    EXPECT_EQ(loaded->fSeparationSymmetry, 0);
    EXPECT_EQ(loaded->bAg, 0.0);
    EXPECT_EQ(loaded->nPierLabel, 0);
    EXPECT_EQ(loaded->ST.GetSize() + loaded->MZ.GetSize() + loaded->MZRs.GetSize() + loaded->MJ.GetSize(), 0);
    EXPECT_TRUE(loaded->LHC.empty());
}

TEST(TendonArchive, NullSlotsStoreDefaultRecordsSoTheBlockStaysReadable)
{
    Atom t;
    t.Steel.push_back(nullptr);
    t.HD.push_back(nullptr);
    t.QH.push_back(nullptr);
    const Bytes stored = StoreTendons(t);
    EXPECT_EQ(stored.size(), 414u + 449u + 60u + 22u);
    auto loaded = LoadTendons(stored);
    ASSERT_EQ(loaded->Steel.size(), 1u);
    EXPECT_EQ(loaded->Steel[0]->lMC, -1);
    ASSERT_EQ(loaded->HD.size(), 1u);
    ASSERT_NE(loaded->HD[0], nullptr);
    ASSERT_EQ(loaded->QH.size(), 1u);
}

TEST(TendonArchive, LoadingReleasesWhatTheObjectHeldFirst)
{
    const LiveRecords baseline;
    {
        auto t = BuildSampleTendons();
        Atom empty;
        const Bytes stored = StoreTendons(empty);
        CArchive ar(stored.data(), stored.size());
        t->SerializeDesignData(ar);
        EXPECT_TRUE(t->Steel.empty());
        EXPECT_TRUE(t->HD.empty());
        EXPECT_TRUE(t->QH.empty());
        EXPECT_EQ(t->ZLNameAr.GetSize(), 0);
        EXPECT_EQ(LiveCount<Atom::M_Steel>::Live(), baseline.steel);
        EXPECT_EQ(LiveCount<Atom::M_QH>::Live(), baseline.qh);
        EXPECT_EQ(LiveCount<Atom::M_Roverlap>::Live(), baseline.overlap);
        EXPECT_EQ(t->SectionHD[2].hD, 1800.0);   // the working sections are the design's own

        // Loading the same object twice holds only the second load's records.
        auto other = BuildSampleTendons();
        const Bytes full = StoreTendons(*other);
        for (int pass = 0; pass < 2; ++pass) {
            CArchive again(full.data(), full.size());
            t->SerializeDesignData(again);
        }
        EXPECT_EQ(LiveCount<Atom::M_Steel>::Live(), baseline.steel + 4);   // two in t, two in other
        // Working sections of t, empty and other, and the three views t loaded last.
        EXPECT_EQ(LiveCount<Atom::M_HD>::Live(), baseline.hd + 3 + 3 + 3 + 3);
    }
    EXPECT_EQ(LiveRecords(), baseline);
}

// ---- release ------------------------------------------------------------------------------------

TEST(TendonRelease, BuiltObjectReleasesEveryRecordOnceAndLeavesItsSectionsToItself)
{
    const LiveRecords baseline;
    for (int fromFile : {0, 1}) {   // the owner's flag makes no difference to what is released
        auto t = BuildSampleTendons();
        t->fFromFile = fromFile;
        const Releases r = DestroyAndCount(std::move(t));
        EXPECT_EQ(r.steel, 2);
        EXPECT_EQ(r.pieces, 2);
        EXPECT_EQ(r.qh, 2);
        EXPECT_EQ(r.overlap, 2);
        EXPECT_EQ(r.hd, 3);   // the three embedded working sections, nothing through HD
        EXPECT_EQ(LiveRecords(), baseline);
    }
}

TEST(TendonRelease, LoadedObjectReleasesItsLoadedSectionsWhateverTheFlag)
{
    const LiveRecords baseline;
    auto built = BuildSampleTendons();
    const Bytes stored = StoreTendons(*built);
    built.reset();
    for (int fromFile : {1, 0}) {
        auto t = LoadTendons(stored);
        t->fFromFile = fromFile;
        const Releases r = DestroyAndCount(std::move(t));
        EXPECT_EQ(r.steel, 2);
        EXPECT_EQ(r.pieces, 0);
        EXPECT_EQ(r.qh, 2);
        EXPECT_EQ(r.overlap, 2);
        EXPECT_EQ(r.hd, 3 + 3);   // the loaded views and the working sections
        EXPECT_EQ(LiveRecords(), baseline);
    }
}

TEST(TendonRelease, DesignStoppedPartWayReleasesWhatWasMade)
{
    const LiveRecords baseline;
    auto t = std::make_unique<Atom>();
    t->Steel.resize(3);   // slots sized, one tendon made, the rest never filled
    t->Steel[0] = std::make_unique<Atom::M_Steel>();
    t->Steel[0]->pCurve = std::make_unique<CCircleCurve>();
    t->SteelFD.resize(3);
    t->SteelFD[0] = std::make_unique<Atom::M_SteelFD>();
    const Releases r = DestroyAndCount(std::move(t));
    EXPECT_EQ(r.steel, 1);
    EXPECT_EQ(r.pieces, 1);
    EXPECT_EQ(LiveRecords(), baseline);
}
