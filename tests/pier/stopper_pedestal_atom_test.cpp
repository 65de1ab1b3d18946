// The stopper-and-pedestal wrapper: filling, archive (also when empty) and output values.
#include "pier/stopper_pedestal_atom.h"

#include "mfc/archive_exception.h"
#include "mfc/carchive.h"
#include "platform/mfc/archive_bytes.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

template <class T>
Bytes Store(T& object)
{
    Bytes out;
    CArchive ar(out, CArchive::store);
    object.SerializeDesignData(ar);
    return out;
}

GZ_GENERAL_PG006 TwoRowRecord()
{
    GZ_GENERAL_PG006 g;
    g.szPier = "一个桥墩";
    g.nFront = 1;
    g.nFrontCount = 3;
    g.nBack = 1;
    g.nBackCount = 3;
    g.widths1.Add(400.0);
    g.widths1.Add(400.0);
    g.hStopper = 700.0;
    g.szCapConcrete = "C35";
    return g;
}

TEST(StopperPedestalWrapperFill, TakesTheKeyValuesOnlyFromASuccessfulDesign)
{
    GZ_GENERAL_PG006 g = TwoRowRecord();
    const CPG006KeyParam keys{3, 2};
    CPM001DS01Atom w;
    EXPECT_EQ(w.SetData(nullptr, &g, &keys), 1);
    ASSERT_NE(w.m_pPG006Atom, nullptr);
    EXPECT_EQ(w.m_pPG006Atom->GetGeneral().nFrontCount, 3);
    EXPECT_EQ(w.m_nKeyValueA, 3);
    EXPECT_EQ(w.m_nKeyValueB, 2);

    g.hStopper = std::numeric_limits<double>::quiet_NaN();
    CPM001DS01Atom refused;
    EXPECT_EQ(refused.SetData(nullptr, &g, &keys), 0);
    EXPECT_NE(refused.m_pPG006Atom, nullptr);         // the new object stays owned
    EXPECT_EQ(refused.m_nKeyValueA, 0);
    EXPECT_EQ(refused.m_nKeyValueB, 0);

    CPM001DS01Atom noKeys;
    EXPECT_EQ(noKeys.SetData(nullptr, &g, nullptr), 0);
    EXPECT_EQ(noKeys.m_nKeyValueA, 0);
}

TEST(StopperPedestalWrapperArchive, ModuleFormThenTheTwoKeyValuesAndBackToTheSameBytes)
{
    GZ_GENERAL_PG006 g = TwoRowRecord();
    const CPG006KeyParam keys{3, 0x0102};
    CPM001DS01Atom w;
    ASSERT_EQ(w.SetData(nullptr, &g, &keys), 1);
    const Bytes first = Store(w);
    EXPECT_EQ(first, Store(*w.m_pPG006Atom) + bytes({0x03, 0x00, 0x00, 0x00, 0x02, 0x01, 0x00, 0x00}));

    CPM001DS01Atom back;
    CArchive ar(first.data(), first.size());
    back.SerializeDesignData(ar);
    EXPECT_EQ(ar.GetRemaining(), 0u);
    ASSERT_NE(back.m_pPG006Atom, nullptr);
    EXPECT_EQ(back.m_pPG006Atom->GetGeneral().szPier, CString("一个桥墩"));
    EXPECT_EQ(back.m_nKeyValueB, 0x0102);
    EXPECT_EQ(Store(back), first);
}

TEST(StopperPedestalWrapperArchive, EmptyWrapperStoresAnUnfilledModuleObjectSoTheLayoutHolds)
{
    CPM001DS01Atom empty;
    CPG006Atom unfilled;
    Bytes set = Store(empty);
    EXPECT_EQ(set, Store(unfilled) + repeated(0, 8));
    EXPECT_EQ(empty.m_pPG006Atom, nullptr);           // storing creates nothing in the wrapper

    // What follows the wrapper in a data set is read where it was written.
    set.insert(set.end(), {0x2A, 0x00, 0x00, 0x00});
    CArchive ar(set.data(), set.size());
    CPM001DS01Atom back;
    back.SerializeDesignData(ar);
    int next = 0;
    ar >> next;
    EXPECT_EQ(next, 42);
}

TEST(StopperPedestalWrapperArchive, ShortArchiveThrowsAndLeavesTheWrapperAsItWas)
{
    GZ_GENERAL_PG006 g = TwoRowRecord();
    const CPG006KeyParam keys{3, 2};
    CPM001DS01Atom source;
    ASSERT_EQ(source.SetData(nullptr, &g, &keys), 1);
    const Bytes full = Store(source);
    const int live = LiveCount<CPG006Atom>::Live();
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        CPM001DS01Atom target;
        CArchive ar(full.data(), cut);
        EXPECT_THROW(target.SerializeDesignData(ar), CArchiveException) << "cut at " << cut;
        EXPECT_EQ(target.m_pPG006Atom, nullptr) << "cut at " << cut;
        EXPECT_EQ(target.m_nKeyValueA, 0) << "cut at " << cut;
    }
    EXPECT_EQ(LiveCount<CPG006Atom>::Live(), live);
}

TEST(StopperPedestalWrapperOutput, EmptyWrapperOutputsNothingAFilledOneExactlyTheModuleValues)
{
    CPM001DS01Atom empty;
    OutputDataMap none;
    empty.OutData(none);
    EXPECT_TRUE(none.empty());

    GZ_GENERAL_PG006 g = TwoRowRecord();
    const CPG006KeyParam keys{3, 2};
    CPM001DS01Atom w;
    ASSERT_EQ(w.SetData(nullptr, &g, &keys), 1);
    OutputDataMap fromWrapper;
    w.OutData(fromWrapper);
    OutputDataMap fromModule;
    w.m_pPG006Atom->shuchu_Data(fromModule);
    ASSERT_EQ(fromWrapper.size(), fromModule.size());
    for (const auto& [name, value] : fromModule) {
        ASSERT_TRUE(fromWrapper.count(name)) << name;
        EXPECT_EQ(fromWrapper.at(name)->ToText(), value->ToText()) << name;
    }
}

TEST(StopperPedestalWrapperObject, ReleasingTheWrapperReleasesTheModuleObject)
{
    const int live = LiveCount<CPG006Atom>::Live();
    GZ_GENERAL_PG006 g = TwoRowRecord();
    const CPG006KeyParam keys{1, 1};
    auto w = std::make_unique<CPM001DS01Atom>();
    ASSERT_EQ(w->SetData(nullptr, &g, &keys), 1);
    ASSERT_EQ(w->SetData(nullptr, &g, &keys), 1);     // a second fill replaces the first object
    EXPECT_EQ(LiveCount<CPG006Atom>::Live(), live + 1);
    std::unique_ptr<CObject> asObject = std::move(w);
    asObject.reset();
    EXPECT_EQ(LiveCount<CPG006Atom>::Live(), live);
}

} // namespace
