// Ownership of the frames, bars and lists: a design-built set only refers to the reinforcement
// object's records, a loaded set owns what it created, and each record is released exactly once.
#include "capbeam/records/records_test_support.h"

#include <gtest/gtest.h>

using namespace CapBeamRecords;

TEST(ReinforcementRecordOwnership, DestroyingALoadedSetReleasesEveryFrameBarAndRowOnce)
{
    BuiltSkeleton built;
    const Bytes stored = Store(built.st);
    const int frames = LiveCount<FrameAr>::Live();
    const int bars = LiveCount<singAr>::Live();
    const int rows = LiveCount<tFrameAr>::Live();
    {
        StDataSet loaded;
        Load(loaded, stored);
        EXPECT_EQ(LiveCount<FrameAr>::Live(), frames + 2);
        EXPECT_EQ(LiveCount<singAr>::Live(), bars + 4);   // two bars in each frame
        EXPECT_EQ(LiveCount<tFrameAr>::Live(), rows + 2);
    }
    EXPECT_EQ(LiveCount<FrameAr>::Live(), frames);
    EXPECT_EQ(LiveCount<singAr>::Live(), bars);
    EXPECT_EQ(LiveCount<tFrameAr>::Live(), rows);
}

TEST(ReinforcementRecordOwnership, DeleteFramesOfALoadedSetReleasesAndEmpties)
{
    BuiltSkeleton built;
    const int frames = LiveCount<FrameAr>::Live();
    const int bars = LiveCount<singAr>::Live();
    StDataSet loaded;
    Load(loaded, Store(built.st));
    loaded.DeleteFrames();
    EXPECT_TRUE(loaded.Frame.IsEmpty());
    EXPECT_TRUE(loaded.tFrame.IsEmpty());
    EXPECT_EQ(loaded.Frame.GetOwnedCount(), 0);
    EXPECT_EQ(LiveCount<FrameAr>::Live(), frames);
    EXPECT_EQ(LiveCount<singAr>::Live(), bars);
    // The schedule rows are values of the set and stay.
    EXPECT_EQ(loaded.Rn.GetSize(), 2);
    loaded.DeleteFrames();   // nothing left to release
    EXPECT_TRUE(loaded.Frame.IsEmpty());
}

TEST(ReinforcementRecordOwnership, DeleteFramesOfABuiltSetLeavesTheStoredFramesAlone)
{
    BuiltSkeleton built;
    const int frames = LiveCount<FrameAr>::Live();
    built.st.DeleteFrames();
    EXPECT_TRUE(built.st.Frame.IsEmpty());
    EXPECT_TRUE(built.st.tFrame.IsEmpty());
    EXPECT_EQ(LiveCount<FrameAr>::Live(), frames);
    ASSERT_EQ(built.FrameStore[0].Bars.GetSize(), 2);
    EXPECT_STREQ(built.FrameStore[0].Bars[0]->R, "1");
    EXPECT_STREQ(built.FrameTable[0].szDY, "骨架");
}

TEST(ReinforcementRecordOwnership, DeleteArraysOfABorrowingFrameLeavesThePooledRecords)
{
    BuiltSkeleton built;
    const int bars = LiveCount<singAr>::Live();
    FrameAr& f = built.FrameStore[0];
    f.DeleteArrays();
    EXPECT_TRUE(f.Bars.IsEmpty() && f.zt.IsEmpty() && f.zb.IsEmpty() && f.ztLabel.IsEmpty() && f.zbLabel.IsEmpty());
    EXPECT_EQ(LiveCount<singAr>::Live(), bars);
    EXPECT_EQ(built.BarPool[0]->sTL, 10160.0);
    EXPECT_EQ((*built.ZtPool[0])[0], 1740.0);
    // The dimension lists are values of the frame and stay.
    EXPECT_EQ(f.difL1.GetSize(), 2);
}

TEST(ReinforcementRecordOwnership, DeleteArraysOfALoadedFrameReleasesItsBarsOnce)
{
    BuiltSkeleton built;
    const Bytes stored = Store(built.FrameStore[0]);
    const int bars = LiveCount<singAr>::Live();
    FrameAr f;
    Load(f, stored);
    EXPECT_EQ(f.fOwner, 1);
    EXPECT_EQ(LiveCount<singAr>::Live(), bars + 2);
    f.DeleteArrays();
    EXPECT_EQ(LiveCount<singAr>::Live(), bars);
    EXPECT_TRUE(f.Bars.IsEmpty() && f.zt.IsEmpty() && f.zb.IsEmpty() && f.ztLabel.IsEmpty() && f.zbLabel.IsEmpty());
    f.DeleteArrays();
    EXPECT_EQ(LiveCount<singAr>::Live(), bars);
}

TEST(ReinforcementRecordOwnership, LoadingIntoAFrameThatHoldsRecordsReleasesThemFirst)
{
    BuiltSkeleton built;
    const Bytes stored = Store(built.FrameStore[1]);
    const int bars = LiveCount<singAr>::Live();
    FrameAr f;
    Load(f, stored);
    Load(f, stored);
    Load(f, stored);
    EXPECT_EQ(LiveCount<singAr>::Live(), bars + 2);
    EXPECT_EQ(f.Bars.GetOwnedCount(), 2);

    // A borrowing frame of the store loaded over: its pooled bars stay with the pool.
    Load(built.FrameStore[0], stored);
    EXPECT_EQ(LiveCount<singAr>::Live(), bars + 4);
    EXPECT_EQ(built.BarPool[1]->class_, 5);
    EXPECT_STREQ(built.FrameStore[0].name, "G2(副)");
}

TEST(ReinforcementRecordOwnership, NullSlotsAreSkippedAndStoredAsEmptyRecords)
{
    FrameAr f;
    f.Bars.Add(nullptr);
    f.zt.Add(nullptr);
    f.zbLabel.Add(nullptr);
    f.DeleteArrays();
    EXPECT_TRUE(f.Bars.IsEmpty() && f.zt.IsEmpty() && f.zbLabel.IsEmpty());

    FrameAr g;
    g.Bars.Add(nullptr);
    g.zt.Add(nullptr);
    FrameAr back;
    std::size_t left = 1;
    Load(back, Store(g), &left);
    EXPECT_EQ(left, 0u);
    ASSERT_EQ(back.Bars.GetSize(), 1);
    ASSERT_NE(back.Bars[0], nullptr);
    EXPECT_TRUE(back.Bars[0]->PtAr.IsEmpty());
    ASSERT_EQ(back.zt.GetSize(), 1);
    EXPECT_TRUE(back.zt[0]->IsEmpty());

    StDataSet st;
    st.Frame.Add(nullptr);
    st.tFrame.Add(nullptr);
    st.DeleteFrames();
    EXPECT_TRUE(st.Frame.IsEmpty() && st.tFrame.IsEmpty());
}
