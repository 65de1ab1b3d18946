// Defaults of every cap-beam reinforcement record and the copy rules of the value records.
#include "capbeam/records/reinforcement_records.h"

#include <gtest/gtest.h>

using namespace CapBeamRecords;

TEST(ReinforcementRecordDefaults, VertexBarFrameAndRowsStartEmptyAndZero)
{
    const M_XZR v;
    EXPECT_EQ(v.x, 0.0);
    EXPECT_EQ(v.z, 0.0);
    EXPECT_EQ(v.RR, 0.0);
    EXPECT_EQ(v.alf, 0.0);
    EXPECT_EQ(v.fH + v.fHzy + v.fHsx + v.fArc + v.enPoint, 0);
    EXPECT_EQ(v.LH, 0.0);

    const singAr bar;
    EXPECT_TRUE(bar.PtAr.IsEmpty());
    EXPECT_EQ(bar.class_, 0);
    EXPECT_EQ(bar.fStwArc, 0);
    EXPECT_TRUE(bar.R.IsEmpty());
    EXPECT_TRUE(bar.L.IsEmpty());
    EXPECT_EQ(bar.sTL, 0.0);
    EXPECT_EQ(bar.WG, 0.0);
    EXPECT_EQ(bar.fWG, 0);

    const FrameAr f;
    EXPECT_EQ(f.fOwner, 0);
    EXPECT_TRUE(f.Bars.IsEmpty() && f.zt.IsEmpty() && f.zb.IsEmpty() && f.ztLabel.IsEmpty() && f.zbLabel.IsEmpty());
    EXPECT_EQ(f.y, 0.0);
    EXPECT_EQ(f.fsk + f.num + f.fDrawLM + f.sort, 0);
    EXPECT_TRUE(f.name.IsEmpty());
    for (const DblArray* l : {&f.difL1, &f.difL2, &f.difL3, &f.difL4}) EXPECT_TRUE(l->IsEmpty());
    for (const CStringArray* l : {&f.difLabel1, &f.difLabel2, &f.difLabel3, &f.difLabel4}) EXPECT_TRUE(l->IsEmpty());

    const tFrameAr row;
    EXPECT_EQ(row.n, 0);
    EXPECT_TRUE(row.szDY.IsEmpty());
    EXPECT_TRUE(row.szX1.IsEmpty() && row.szX2.IsEmpty() && row.szX3.IsEmpty() && row.szX4.IsEmpty());

    const tRn r;
    EXPECT_TRUE(r.R.IsEmpty());
    EXPECT_EQ(r.n, 0);
    EXPECT_EQ(r.TL, 0.0);
    EXPECT_TRUE(r.szL.IsEmpty());
    EXPECT_EQ(r.L1, 0.0);
    EXPECT_EQ(r.L2, 0.0);

    const M_XH p;
    EXPECT_EQ(p.nA, 0);
    EXPECT_EQ(p.nB, 0);
}

TEST(ReinforcementRecordDefaults, FamilyRecordsStartEmptyAndZero)
{
    const M_DCZDJBH top;
    EXPECT_EQ(top.nA + top.nFrame + top.nB, 0);
    EXPECT_EQ(top.L1 + top.L2 + top.dA + top.dB, 0.0);
    EXPECT_TRUE(top.R.IsEmpty() && top.PtAr.IsEmpty());

    const M_DXZDJBH bottom;
    EXPECT_EQ(bottom.nA + bottom.nB + bottom.nFrame, 0);
    EXPECT_EQ(bottom.dA + bottom.dB + bottom.dC, 0.0);
    EXPECT_TRUE(bottom.R.IsEmpty() && bottom.PtAr.IsEmpty());

    const M_WQJ w;
    EXPECT_EQ(w.nA + w.nB + w.nC + w.nD + w.nE + w.nF + w.nG + w.nH, 0);
    EXPECT_EQ(w.dA + w.dB + w.dC + w.dD + w.dE, 0.0);
    EXPECT_TRUE(w.L.IsEmpty() && w.PtAr.IsEmpty() && w.L2.IsEmpty());

    const M_ArcWQJ arc;
    EXPECT_EQ(arc.nA + arc.nB + arc.nC + arc.nD, 0);
    EXPECT_EQ(arc.dA + arc.dB + arc.dC, 0.0);
    EXPECT_TRUE(arc.PtAr.IsEmpty() && arc.L.IsEmpty());

    const M_WQJ_R wr;
    EXPECT_EQ(wr.pWQJ, nullptr);
    EXPECT_TRUE(wr.R.IsEmpty());
    const M_ArcWQJ_R ar;
    EXPECT_EQ(ar.pArcWQJ, nullptr);
    EXPECT_TRUE(ar.R.IsEmpty());

    const M_BZXJ in;
    EXPECT_EQ(in.pA[0] + in.pA[1] + in.nA + in.pB[0] + in.pB[1] + in.nB + in.nC, 0);
    EXPECT_EQ(in.dA + in.dB, 0.0);

    const M_BZXJR shape;
    EXPECT_EQ(shape.nA + shape.nB + shape.nC + shape.nD + shape.nE, 0);
    EXPECT_EQ(shape.dA + shape.dB + shape.dC + shape.dD + shape.dE, 0.0);
    EXPECT_TRUE(shape.L.IsEmpty() && shape.PtAr.IsEmpty() && shape.R.IsEmpty());
}

TEST(ReinforcementRecordDefaults, DataSetsStartEmptyAndZero)
{
    const StDataSet st;
    EXPECT_EQ(st.fOwner, 0);
    EXPECT_EQ(st.type + st.nFrame + st.ns + st.fLayMode + st.fWeld + st.fCalculateLarc, 0);
    EXPECT_EQ(st.d + st.ac + st.ua + st.da + st.sa + st.a + st.Min + st.as + st.angle + st.LWeld + st.LstWeld + st.s +
                  st.LeadPointR + st.LeadPointR2,
              0.0);
    for (const CString* t : {&st.stt, &st.stb, &st.sttc, &st.stbc, &st.stw, &st.stx}) EXPECT_TRUE(t->IsEmpty());
    EXPECT_TRUE(st.Frame.IsEmpty() && st.Rn.IsEmpty() && st.tFrame.IsEmpty());
    EXPECT_EQ(st.pTendonAtom, nullptr);

    const SgDataSet sg;
    EXPECT_EQ(sg.type + sg.fLayMode + sg.fenG + sg.lns3 + sg.rns3 + sg.nasl + sg.nasr + sg.lXBns2 + sg.rXBns2 + sg.nAns +
                  sg.HookedTpye,
              0);
    EXPECT_EQ(sg.d + sg.ac + sg.a + sg.Min + sg.Max + sg.s + sg.s2 + sg.s3 + sg.TBL + sg.TBR + sg.b + sg.bMid + sg.Aas +
                  sg.alf + sg.RG + sg.EL,
              0.0);
    EXPECT_TRUE(sg.ns.IsEmpty() && sg.as.IsEmpty() && sg.asType.IsEmpty() && sg.lns2.IsEmpty() && sg.rns2.IsEmpty());
    EXPECT_TRUE(sg.sg1.IsEmpty() && sg.sg2.IsEmpty() && sg.sg3.IsEmpty());

    const M_sg1 s1;
    EXPECT_TRUE(s1.R.IsEmpty());
    EXPECT_EQ(s1.Nori + s1.Nend + s1.n, 0);
    EXPECT_EQ(s1.L1 + s1.L1p + s1.L2 + s1.TL, 0.0);
    const M_sg3 s3;
    EXPECT_TRUE(s3.R.IsEmpty());
    EXPECT_EQ(s3.nl + s3.nr + s3.n, 0);
    EXPECT_EQ(s3.L1 + s3.L1p + s3.L2 + s3.TL, 0.0);

    const ShDataSet sh;
    EXPECT_EQ(sh.type + sh.fLayMode + sh.ns + sh.sh1_n + sh.sh2_n, 0);
    EXPECT_EQ(sh.Min + sh.Max + sh.d + sh.ac + sh.a + sh.s + sh.as + sh.HL + sh.HR + sh.HM + sh.sl + sh.sr + sh.sm +
                  sh.alf + sh.RG + sh.EL + sh.sh1_L + sh.sh1_Lp + sh.sh1_TL + sh.sh2_L + sh.sh2_Lp + sh.sh2_TL,
              0.0);
    EXPECT_TRUE(sh.sh1_R.IsEmpty() && sh.sh2_R.IsEmpty());

    const SdDataSet sd;
    EXPECT_EQ(sd.type + sd.nsl + sd.nsr + sd.nl + sd.nr + sd.n, 0);
    EXPECT_EQ(sd.d + sd.ac + sd.a + sd.a2 + sd.Min + sd.Max + sd.sl + sd.sr + sd.L + sd.alf + sd.EL + sd.TL, 0.0);
    EXPECT_TRUE(sd.R.IsEmpty());
}

TEST(ReinforcementRecordCopies, MarkedInclinedBarCopyIsIndependentOfItsSource)
{
    M_BZXJR source;
    source.nA = 4;
    source.dC = 1250.0;
    source.L.Add(400.0);
    source.L.Add(850.0);
    M_XZR v;
    v.x = 1.0;
    source.PtAr.Add(v);
    source.R = "12";

    M_BZXJR copy(source);
    M_BZXJR assigned;
    assigned = source;
    source.L[0] = -1.0;
    source.PtAr[0].x = -1.0;
    source.R = "99";

    for (const M_BZXJR* c : {&copy, &assigned}) {
        EXPECT_EQ(c->nA, 4);
        EXPECT_EQ(c->dC, 1250.0);
        ASSERT_EQ(c->L.GetSize(), 2);
        EXPECT_EQ(c->L[0], 400.0);
        ASSERT_EQ(c->PtAr.GetSize(), 1);
        EXPECT_EQ(c->PtAr[0].x, 1.0);
        EXPECT_STREQ(c->R, "12");
    }
}

TEST(ReinforcementRecordCopies, BarAndScheduleRowAssignmentCopiesListsDeeply)
{
    singAr a;
    M_XZR v;
    v.fH = 1;
    v.LH = 140.0;
    a.PtAr.Add(v);
    a.class_ = 6;
    a.L.Add(5.0);
    a.R = "5";
    singAr b;
    b = a;
    a.PtAr[0].LH = 0.0;
    a.L[0] = 0.0;
    EXPECT_EQ(b.PtAr[0].LH, 140.0);
    EXPECT_EQ(b.PtAr[0].fH, 1);
    EXPECT_EQ(b.L[0], 5.0);
    EXPECT_EQ(b.class_, 6);

    tRn r;
    r.szL.Add("L1");
    tRn s(r);
    r.szL[0] = "L";
    EXPECT_STREQ(s.szL[0], "L1");
}
