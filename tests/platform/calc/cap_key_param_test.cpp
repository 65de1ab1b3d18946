// The key-parameter records: their defaults, and copies that own every frame record and bar group.

#include "calc/pm001_key_param.h"

#include <gtest/gtest.h>

namespace {

using Cap = CPM001_CapKeyParam;
using Group = CArray<Cap::M_GJJ>;

Cap::M_GJJ Bar(int fBar, int fWQ, int fXJ, double dx)
{
    Cap::M_GJJ bar;
    bar.fBar = fBar;
    bar.fWQ = fWQ;
    bar.fXJ = fXJ;
    bar.dx = dx;
    return bar;
}

// A frame record with `groups` groups; group g holds g + 1 bars whose dx is 100 * (g + 1) + bar index.
struct Cap::FrameAr FrameWithGroups(int groups, const char* name)
{
    struct Cap::FrameAr frame;
    frame.name = name;
    frame.fGJJ = 1;
    for (int g = 0; g < groups; ++g) {
        Group group;
        for (int b = 0; b <= g; ++b) group.Add(Bar(2, b % 2, 0, 100.0 * (g + 1) + b));
        frame.GJJ.Add(group);
    }
    frame.fWeldT = 0;
    frame.fWeldB = 2;
    frame.LenT.Add(1900.0);
    frame.LenB.Add(1500.0);
    return frame;
}

void ExpectSameFrame(const struct Cap::FrameAr& a, const struct Cap::FrameAr& b)
{
    EXPECT_EQ(a.fGJJ, b.fGJJ);
    EXPECT_EQ(a.name, b.name);
    ASSERT_EQ(a.GJJ.GetSize(), b.GJJ.GetSize());
    for (int g = 0; g < a.GJJ.GetSize(); ++g) {
        ASSERT_EQ(a.GJJ[g].GetSize(), b.GJJ[g].GetSize()) << "group " << g;
        for (int i = 0; i < a.GJJ[g].GetSize(); ++i) {
            EXPECT_EQ(a.GJJ[g][i].fBar, b.GJJ[g][i].fBar);
            EXPECT_EQ(a.GJJ[g][i].fWQ, b.GJJ[g][i].fWQ);
            EXPECT_EQ(a.GJJ[g][i].fXJ, b.GJJ[g][i].fXJ);
            EXPECT_EQ(a.GJJ[g][i].dx, b.GJJ[g][i].dx);
        }
    }
    EXPECT_EQ(a.fWeldT, b.fWeldT);
    EXPECT_EQ(a.fWeldB, b.fWeldB);
    EXPECT_EQ(a.LenT.vector(), b.LenT.vector());
    EXPECT_EQ(a.LenB.vector(), b.LenB.vector());
}

TEST(CapKeyParamRecords, Defaults)
{
    const struct Cap::FrameAr frame;
    EXPECT_EQ(frame.fGJJ, 1);
    EXPECT_TRUE(frame.name.IsEmpty());
    EXPECT_TRUE(frame.GJJ.IsEmpty());
    EXPECT_EQ(frame.fWeldT, 1);
    EXPECT_EQ(frame.fWeldB, 1);
    EXPECT_TRUE(frame.LenT.IsEmpty());
    EXPECT_TRUE(frame.LenB.IsEmpty());

    const Cap::M_GJJ bar;
    EXPECT_EQ(bar.fBar, 0);
    EXPECT_EQ(bar.fWQ, 0);
    EXPECT_EQ(bar.fXJ, 0);
    EXPECT_EQ(bar.dx, 0.0);

    const Cap::NodeAr node;
    EXPECT_EQ(node.Refline, 0);
    EXPECT_EQ(node.R, 0.0);

    const struct Cap::SteelAr tendon;
    EXPECT_EQ(tendon.m, 0);
    EXPECT_EQ(tendon.PT, 0);
    EXPECT_TRUE(tendon.Node.IsEmpty());
    EXPECT_TRUE(tendon.DSeriesIndex.IsEmpty());

    const Cap cap;
    EXPECT_EQ(cap.st_d, 0.0);
    EXPECT_EQ(cap.fCapSep, 0);
    EXPECT_EQ(cap.sg_type, 0.0);
    EXPECT_TRUE(cap.FrameAr.IsEmpty());
    EXPECT_TRUE(cap.FrameName.IsEmpty());
    EXPECT_TRUE(cap.SteelAr.IsEmpty());
    EXPECT_TRUE(cap.ZLName.IsEmpty());
    EXPECT_TRUE(cap.XH.IsEmpty());
    EXPECT_EQ(cap.PY, 0.0);

    const CPM001KeyParam all;
    EXPECT_EQ(all.StopperPedestalKeyParam.nFrontPedestalMesh, 0);
    EXPECT_EQ(all.PileCapKeyParam.JointKeyParam.barsAcross, 0);
}

TEST(CapKeyParamFrameCopy, CopyOwnsItsGroups)
{
    const struct Cap::FrameAr source = FrameWithGroups(2, "W(W1,W2)");
    struct Cap::FrameAr copy(source);
    ExpectSameFrame(copy, source);

    copy.GJJ[1][0].dx = -1.0;
    copy.GJJ[0].Add(Bar(1, 0, 0, 7.0));
    copy.LenT[0] = 0.0;
    EXPECT_EQ(source.GJJ[1][0].dx, 200.0);
    EXPECT_EQ(source.GJJ[0].GetSize(), 1);
    EXPECT_EQ(source.LenT[0], 1900.0);
}

TEST(CapKeyParamFrameCopy, SelfAssignmentLeavesTheRecordUnchanged)
{
    struct Cap::FrameAr frame = FrameWithGroups(3, "K1");
    const struct Cap::FrameAr before = frame;
    struct Cap::FrameAr& alias = frame;
    frame = alias;
    ExpectSameFrame(frame, before);
}

TEST(CapKeyParamFrameCopy, ThreeGroupsOverFiveLeaveExactlyThreeIndependentGroups)
{
    struct Cap::FrameAr source = FrameWithGroups(3, "K3");
    struct Cap::FrameAr target = FrameWithGroups(5, "K5");
    target = source;

    ASSERT_EQ(target.GJJ.GetSize(), 3);
    ExpectSameFrame(target, source);
    EXPECT_EQ(target.GJJ[2].GetSize(), 3);
    EXPECT_EQ(target.GJJ[2][2].dx, 302.0);

    source.GJJ[2][2].dx = 0.0;
    source.GJJ.RemoveAll();
    EXPECT_EQ(target.GJJ[2][2].dx, 302.0);
    EXPECT_EQ(target.GJJ.GetSize(), 3);
}

TEST(CapKeyParamFrameCopy, ListsAndWholeKeyParametersCopyDeeply)
{
    CPM001KeyParam original;
    original.CapKeyParam.FrameAr.Add(FrameWithGroups(6, "W"));
    original.CapKeyParam.FrameAr.Add(FrameWithGroups(0, "N"));
    struct Cap::SteelAr tendon;
    tendon.Node.SetSize(2);
    tendon.Node[1].X = 17500.0;
    original.CapKeyParam.SteelAr.Add(tendon);

    CPM001KeyParam copy = original;
    copy.CapKeyParam.FrameAr[0].GJJ[5][5].dx = 0.0;
    copy.CapKeyParam.FrameAr[1].name = "changed";
    copy.CapKeyParam.SteelAr[0].Node[1].X = 0.0;

    EXPECT_EQ(original.CapKeyParam.FrameAr[0].GJJ[5][5].dx, 605.0);
    EXPECT_EQ(original.CapKeyParam.FrameAr[1].name, "N");
    EXPECT_EQ(original.CapKeyParam.SteelAr[0].Node[1].X, 17500.0);

    CArray<struct Cap::FrameAr> list;
    list.Add(FrameWithGroups(1, "A"));
    list = original.CapKeyParam.FrameAr;   // the list form replaces every record
    ASSERT_EQ(list.GetSize(), 2);
    ExpectSameFrame(list[0], original.CapKeyParam.FrameAr[0]);
}

}  // namespace
