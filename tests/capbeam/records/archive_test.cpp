// Archive forms of the cap-beam reinforcement records: byte layouts written out by hand, and
// store -> load -> store round trips of hand-built data sets.
#include "capbeam/records/records_test_support.h"

#include "common/is_equal.h"

#include <gtest/gtest.h>

using namespace CapBeamRecords;

namespace {

// Little-endian IEEE 754 doubles used below.
const Bytes kOne = bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F});
const Bytes kTwo = bytes({0, 0, 0, 0, 0, 0, 0x00, 0x40});
const Bytes kHalf = bytes({0, 0, 0, 0, 0, 0, 0xE0, 0x3F});
const Bytes kMinusOne = bytes({0, 0, 0, 0, 0, 0, 0xF0, 0xBF});
const Bytes kOneAndHalf = bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x3F});
const Bytes kZero = bytes({0, 0, 0, 0, 0, 0, 0, 0});

} // namespace

TEST(ReinforcementRecordLayout, VertexIsSixtyBytesInFieldOrder)
{
    M_XZR v;
    v.x = 1.0;
    v.z = 2.0;
    v.RR = 0.5;
    v.alf = -1.0;
    v.fH = 1;
    v.fHzy = 0;
    v.fHsx = 1;
    v.LH = 1.5;
    v.fArc = 0;
    v.enPoint = 2;
    const Bytes expected = kOne + kTwo + kHalf + kMinusOne + int32(1) + int32(0) + int32(1) + kOneAndHalf + int32(0) + int32(2);
    ASSERT_EQ(expected.size(), 60u);
    EXPECT_EQ(Store(v), expected);

    M_XZR back;
    std::size_t left = 1;
    Load(back, expected, &left);
    EXPECT_EQ(left, 0u);
    EXPECT_EQ(back.alf, -1.0);
    EXPECT_EQ(back.fHsx, 1);
    EXPECT_EQ(back.LH, 1.5);
    EXPECT_EQ(back.enPoint, 2);
}

TEST(ReinforcementRecordLayout, PairIsEightBytes)
{
    M_XH p;
    p.nA = 3;
    p.nB = -2;
    EXPECT_EQ(Store(p), int32(3) + int32(0xFFFFFFFEu));
}

TEST(ReinforcementRecordLayout, EmptyFrameWritesFiveZeroCountsAndLoadsBackAsOwner)
{
    FrameAr f;
    f.y = 2.0;
    f.fsk = 1;
    f.num = 3;
    f.sort = 2;
    f.name = "A";
    const Bytes expected = int32(0) + kTwo + int32(1) + int32(3) + int32(0) + int32(2) + bytes({1, 'A'}) + int32(0) +
                           int32(0) + int32(0) + int32(0) + bytes({0, 0, 0, 0, 0, 0, 0, 0}) +
                           bytes({0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Store(f), expected);

    FrameAr back;
    Load(back, expected);
    EXPECT_EQ(back.fOwner, 1);
    EXPECT_TRUE(back.Bars.IsEmpty() && back.zt.IsEmpty() && back.zb.IsEmpty() && back.ztLabel.IsEmpty() &&
                back.zbLabel.IsEmpty());
    EXPECT_EQ(back.y, 2.0);
    EXPECT_EQ(back.num, 3);
    EXPECT_STREQ(back.name, "A");
}

TEST(ReinforcementRecordLayout, ScheduleRowAndFrameTableRowInFieldOrder)
{
    tRn r;
    r.R = "N1";
    r.n = 4;
    r.TL = 2.0;
    r.szL.Add("L1");
    r.szL.Add("/");
    r.L1 = 0.5;
    r.L2 = 1.0;
    EXPECT_EQ(Store(r), bytes({2, 'N', '1'}) + int32(4) + kTwo + bytes({2, 0, 2, 'L', '1', 1, '/'}) + kHalf + kOne);

    tFrameAr row;
    row.n = 1;
    row.szDY = "骨架";
    row.szX3.Add("X");
    EXPECT_EQ(Store(row), int32(1) + bytes({4, 0xB9, 0xC7, 0xBC, 0xDC}) + bytes({0, 0, 0, 0, 1, 0, 1, 'X', 0, 0}));
}

TEST(ReinforcementRecordLayout, BarFieldOrder)
{
    singAr bar;
    bar.PtAr.SetSize(1);
    bar.class_ = 4;
    bar.fStwArc = 1;
    bar.R = "9";
    bar.L.Add(0.5);
    bar.sTL = 1.0;
    bar.WG = 2.0;
    bar.fWG = 1;
    Bytes vertex;
    for (int i = 0; i < 60; ++i) vertex.push_back(0);
    EXPECT_EQ(Store(bar), int32(1) + vertex + int32(4) + int32(1) + bytes({1, '9'}) + bytes({1, 0}) + kHalf + kOne + kTwo +
                              int32(1));
}

// The sizes of records holding nothing: 4 + 8 x 7 + ... added up field by field.
TEST(ReinforcementRecordLayout, DefaultRecordsTakeTheirFixedSizes)
{
    singAr bar;
    FrameAr frame;
    tFrameAr row;
    tRn scheduleRow;
    M_sg1 stirrup;
    StDataSet st;
    SgDataSet sg;
    ShDataSet sh;
    SdDataSet sd;
    EXPECT_EQ(Store(bar).size(), 35u);          // count 4, ints 8, text 1, list 2, doubles 16, int 4
    EXPECT_EQ(Store(frame).size(), 61u);        // count 4, double 8, ints 16, text 1, counts 16, lists 8 + 8
    EXPECT_EQ(Store(row).size(), 13u);          // int 4, text 1, lists 8
    EXPECT_EQ(Store(scheduleRow).size(), 31u);  // text 1, int 4, double 8, list 2, doubles 16
    EXPECT_EQ(Store(stirrup).size(), 45u);      // text 1, ints 12, doubles 32
    EXPECT_EQ(Store(st).size(), 154u);          // ints 24, doubles 112, texts 6, counts 12
    EXPECT_EQ(Store(sg).size(), 194u);          // ints 44, doubles 128, lists 2 x 5, counts 12
    EXPECT_EQ(Store(sh).size(), 196u + 2u);     // fixed part 196, two empty texts
    EXPECT_EQ(Store(sd).size(), 121u);          // ints 24, text 1, doubles 96
}

TEST(ReinforcementRecordLayout, SideFaceSetMarksFollowTheirCounts)
{
    ShDataSet sh;
    sh.ns = 5;
    sh.sh1_n = 6;
    sh.sh1_R = "14";
    sh.sh2_n = 4;
    sh.sh2_R = "14a";
    sh.sh2_TL = 0.5;
    const Bytes out = Store(sh);
    ASSERT_EQ(out.size(), 196u + 3u + 4u);
    // type 4, five doubles 40, fLayMode 4, eight doubles 64: ns at 112.
    EXPECT_EQ(Bytes(out.begin() + 112, out.begin() + 116), int32(5));
    // ns 4, three doubles 24: sh1_n at 140, its mark at 144.
    EXPECT_EQ(Bytes(out.begin() + 140, out.begin() + 147), int32(6) + bytes({2, '1', '4'}));
    // sh1_L, sh1_Lp, sh1_TL 24: sh2_n at 171, its mark at 175; sh2_TL is the last 8 bytes.
    EXPECT_EQ(Bytes(out.begin() + 171, out.begin() + 179), int32(4) + bytes({3, '1', '4', 'a'}));
    EXPECT_EQ(Bytes(out.end() - 8, out.end()), kHalf);
}

TEST(ReinforcementRecordLayout, SdSetFieldOrder)
{
    SdDataSet sd;
    sd.type = 1;
    sd.R = "20";
    sd.sl = 1.0;
    sd.nsl = 7;
    sd.sr = 2.0;
    sd.n = 9;
    sd.TL = 0.5;
    const Bytes expected = int32(1) + bytes({2, '2', '0'}) + kZero + kZero + kZero + kZero + kZero + kZero + kOne +
                           int32(7) + kTwo + int32(0) + int32(0) + int32(0) + int32(9) + kZero + kZero + kZero + kHalf;
    EXPECT_EQ(Store(sd), expected);
}

TEST(ReinforcementRecordRoundTrip, SkeletonSetStoresLoadsAndStoresTheSameBytes)
{
    BuiltSkeleton built;
    const Bytes first = Store(built.st);

    StDataSet loaded;
    std::size_t left = 1;
    Load(loaded, first, &left);
    EXPECT_EQ(left, 0u);
    EXPECT_EQ(Store(loaded), first);

    EXPECT_EQ(loaded.fOwner, 1);
    EXPECT_EQ(loaded.Frame.GetOwnedCount(), 2);
    EXPECT_EQ(loaded.tFrame.GetOwnedCount(), 2);
    ASSERT_EQ(loaded.Frame.GetSize(), 2);
    ASSERT_EQ(loaded.Rn.GetSize(), 2);
    ASSERT_EQ(loaded.tFrame.GetSize(), 2);
    EXPECT_STREQ(loaded.stt, "上通长筋");
    EXPECT_EQ(loaded.LeadPointR2, 140.0);

    const FrameAr& f0 = *loaded.Frame[0];
    EXPECT_EQ(f0.fOwner, 1);
    EXPECT_EQ(f0.y, -600.0);
    EXPECT_STREQ(f0.name, "G1");
    ASSERT_EQ(f0.Bars.GetSize(), 2);
    EXPECT_EQ(f0.Bars.GetOwnedCount(), 2);
    const singAr& top = *f0.Bars[0];
    ASSERT_EQ(top.PtAr.GetSize(), 3);
    // The weld data of every vertex survives.
    EXPECT_EQ(top.PtAr[0].fH, 1);
    EXPECT_EQ(top.PtAr[0].fHzy, 0);
    EXPECT_EQ(top.PtAr[0].fHsx, 1);
    EXPECT_EQ(top.PtAr[0].LH, 140.0);
    EXPECT_EQ(top.PtAr[2].fHzy, 1);
    EXPECT_EQ(top.PtAr[1].enPoint, 1);
    EXPECT_EQ(f0.Bars[1]->fStwArc, 1);
    EXPECT_EQ(f0.Bars[1]->PtAr[1].fArc, 1);
    ASSERT_EQ(f0.zt.GetSize(), 1);
    EXPECT_EQ((*f0.zt[0])[1], -600.0);
    EXPECT_STREQ((*f0.ztLabel[0])[0], "Z1");
    EXPECT_TRUE(f0.zbLabel[0]->IsEmpty());
    EXPECT_STREQ(f0.difLabel1[0], "X");
    EXPECT_STREQ(f0.difLabel3[0], "左");

    const FrameAr& f1 = *loaded.Frame[1];
    EXPECT_STREQ(f1.name, "G2(副)");
    EXPECT_EQ(f1.Bars[1]->WG, 336.0);
    EXPECT_EQ(f1.Bars[1]->fWG, 1);
    // Both frames referred to the one pooled through bar; each loaded frame owns its own copy.
    EXPECT_NE(f0.Bars[0], f1.Bars[0]);
    EXPECT_STREQ(f1.Bars[0]->R, "1");

    EXPECT_STREQ(loaded.Rn[1].R, "3a");
    EXPECT_EQ(loaded.Rn[1].L2, 1250.0);
    EXPECT_STREQ(loaded.Rn[1].szL[0], "/");
    EXPECT_EQ(loaded.tFrame[0]->n, 3);
    EXPECT_STREQ(loaded.tFrame[0]->szDY, "骨架");
    EXPECT_STREQ(loaded.tFrame[1]->szX2[1], "2");
}

TEST(ReinforcementRecordRoundTrip, TendonPointerAndOwnerFlagAreNotStored)
{
    BuiltSkeleton a;
    BuiltSkeleton b;
    b.st.fOwner = 1;
    // Any address will do: the set neither stores nor follows the pointer.
    b.st.pTendonAtom = reinterpret_cast<CPM001T010401Atom*>(&b);
    EXPECT_EQ(Store(a.st), Store(b.st));

    // A load keeps the tendon object the set was handed; the reinforcement object owns it.
    StDataSet target;
    target.pTendonAtom = reinterpret_cast<CPM001T010401Atom*>(&a);
    Load(target, Store(a.st));
    EXPECT_EQ(target.pTendonAtom, reinterpret_cast<CPM001T010401Atom*>(&a));
}

TEST(ReinforcementRecordRoundTrip, StirrupSetWithItsThreeRecordLists)
{
    SgDataSet sg;
    sg.type = 1;
    sg.d = 12.0;
    sg.fenG = 1;
    sg.TBR = 75.5;
    sg.ns.Add(3);
    sg.ns.Add(4);
    sg.as.Add(100.0);
    sg.asType.Add(2);
    sg.lns2.Add(5);
    sg.rns2.Add(6);
    sg.rns2.Add(7);
    sg.nAns = 2;
    sg.HookedTpye = 1;
    sg.EL = 90.0;
    M_sg1 r1;
    r1.R = "21";
    r1.Nori = 1;
    r1.Nend = 4;
    r1.n = 36;
    r1.TL = 5120.0;
    sg.sg1.Add(r1);
    r1.R = "22";
    sg.sg1.Add(r1);
    M_sg2 r2;
    r2.R = "21a";
    r2.nl = 2;
    r2.nr = 3;
    r2.L1p = 880.0;
    sg.sg2.Add(r2);
    M_sg3 r3;
    r3.R = "21b";
    r3.n = 5;
    sg.sg3.Add(r3);
    sg.sg3.Add(r3);
    sg.sg3.Add(r3);

    const Bytes first = Store(sg);
    SgDataSet loaded;
    Load(loaded, first);
    EXPECT_EQ(Store(loaded), first);
    ASSERT_EQ(loaded.sg1.GetSize(), 2);
    ASSERT_EQ(loaded.sg2.GetSize(), 1);
    ASSERT_EQ(loaded.sg3.GetSize(), 3);
    EXPECT_STREQ(loaded.sg1[1].R, "22");
    EXPECT_EQ(loaded.sg1[0].Nend, 4);
    EXPECT_EQ(loaded.sg2[0].nr, 3);
    EXPECT_EQ(loaded.sg2[0].L1p, 880.0);
    EXPECT_STREQ(loaded.sg3[2].R, "21b");
    EXPECT_TRUE(KVDataCommon::IsEqual(loaded.rns2, sg.rns2));
    EXPECT_EQ(loaded.asType[0], 2);
}

TEST(ReinforcementRecordLayout, StirrupRecordFieldOrder)
{
    M_sg2 r;
    r.R = "5";
    r.nl = 1;
    r.nr = 2;
    r.n = 3;
    r.L1 = 0.5;
    r.L1p = 1.0;
    r.L2 = 2.0;
    r.TL = 1.5;
    EXPECT_EQ(Store(r), bytes({1, '5'}) + int32(1) + int32(2) + int32(3) + kHalf + kOne + kTwo + kOneAndHalf);
}
