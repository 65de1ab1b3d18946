// The hand-built skeleton set of the record tests: two frames, three bars, two schedule rows,
// two frame-table rows, GBK kind names.
#include "capbeam/records/records_test_support.h"

using namespace CapBeamRecords;

namespace {

M_XZR Vertex(double x, double z, double RR, double alf, int fH, int fHzy, int fHsx, double LH, int fArc, int enPoint)
{
    M_XZR v;
    v.x = x;
    v.z = z;
    v.RR = RR;
    v.alf = alf;
    v.fH = fH;
    v.fHzy = fHzy;
    v.fHsx = fHsx;
    v.LH = LH;
    v.fArc = fArc;
    v.enPoint = enPoint;
    return v;
}

} // namespace

BuiltSkeleton::BuiltSkeleton()
{
    st.type = 2;
    st.d = 28.0;
    st.ac = 1.0;
    st.ua = 60.0;
    st.da = 55.0;
    st.sa = 40.0;
    st.a = 100.0;
    st.Min = 80.0;
    st.nFrame = 2;
    st.ns = -1;
    st.as = 125.5;
    st.stt = "上通长筋";
    st.stb = "下通长筋";
    st.sttc = "上截断筋";
    st.stbc = "下截断筋";
    st.stw = "弯起筋";
    st.stx = "斜筋";
    st.angle = 0.785398;
    st.fLayMode = 1;
    st.fWeld = 1;
    st.LWeld = 140.0;
    st.LstWeld = 300.0;
    st.s = 250.0;
    st.fCalculateLarc = 1;
    st.LeadPointR = 280.0;
    st.LeadPointR2 = 140.0;

    // Bars in the pool: a welded top through bar, a bent-up bar with an arc vertex, a short cut-off bar.
    auto top = std::make_unique<singAr>();
    top->PtAr.Add(Vertex(0.0, 1500.0, 0.0, 1.5707963, 1, 0, 1, 140.0, 0, 0));
    top->PtAr.Add(Vertex(40.0, 1740.0, 140.0, 0.0, 0, 0, 0, 0.0, 0, 1));
    top->PtAr.Add(Vertex(9960.0, 1740.0, 0.0, 0.0, 1, 1, 0, 140.0, 0, 0));
    top->class_ = 1;
    top->R = "1";
    top->L.Add(240.0);
    top->L.Add(9920.0);
    top->sTL = 10160.0;
    auto bent = std::make_unique<singAr>();
    bent->PtAr.Add(Vertex(1200.0, 100.0, 0.0, 0.0, 0, 0, 0, 0.0, 0, 0));
    bent->PtAr.Add(Vertex(1800.0, 700.0, 280.0, 0.785398, 0, 0, 0, 0.0, 1, 2));
    bent->class_ = 5;
    bent->fStwArc = 1;
    bent->R = "7";
    bent->L.Add(848.5);
    bent->sTL = 849.0;
    auto cut = std::make_unique<singAr>();
    cut->class_ = 3;
    cut->R = "3a";
    cut->WG = 336.0;
    cut->fWG = 1;

    FrameStore.SetSize(2);
    FrameAr& f0 = FrameStore[0];
    f0.y = -600.0;
    f0.fsk = 1;
    f0.num = 1;
    f0.fDrawLM = 1;
    f0.sort = 0;
    f0.name = "G1";
    f0.Bars.Add(top.get());
    f0.Bars.Add(bent.get());
    f0.difL1.Add(100.0);
    f0.difL1.Add(250.5);
    f0.difLabel1.Add("X");
    f0.difLabel1.Add("");
    f0.difL4.Add(3.0);
    f0.difLabel3.Add("左");
    FrameAr& f1 = FrameStore[1];
    f1.y = 600.0;
    f1.num = 2;
    f1.sort = 1;
    f1.name = "G2(副)";
    f1.Bars.Add(top.get());
    f1.Bars.Add(cut.get());
    BarPool.push_back(std::move(top));
    BarPool.push_back(std::move(bent));
    BarPool.push_back(std::move(cut));

    for (FrameAr* f : {&f0, &f1}) {
        auto zt = std::make_unique<DblArray>();
        zt->Add(1740.0);
        zt->Add(f->y);
        auto zb = std::make_unique<DblArray>();
        zb->Add(55.0);
        auto ztl = std::make_unique<CStringArray>();
        ztl->Add("Z1");
        auto zbl = std::make_unique<CStringArray>();
        f->zt.Add(zt.get());
        f->zb.Add(zb.get());
        f->ztLabel.Add(ztl.get());
        f->zbLabel.Add(zbl.get());
        ZtPool.push_back(std::move(zt));
        ZbPool.push_back(std::move(zb));
        LabelPool.push_back(std::move(ztl));
        LabelPool.push_back(std::move(zbl));
        st.Frame.Add(f);
    }

    tRn row;
    row.R = "1";
    row.n = 8;
    row.TL = 10160.0;
    row.szL.Add("L1");
    row.szL.Add("L2");
    st.Rn.Add(row);
    row.R = "3a";
    row.n = 2;
    row.TL = 2400.0;
    row.szL.RemoveAll();
    row.szL.Add("/");
    row.L1 = 1150.0;
    row.L2 = 1250.0;
    st.Rn.Add(row);

    FrameTable.SetSize(2);
    FrameTable[0].n = 3;
    FrameTable[0].szDY = "骨架";
    FrameTable[0].szX1.Add("G1");
    FrameTable[0].szX4.Add("1740");
    FrameTable[1].szDY = "编号";
    FrameTable[1].szX2.Add("1");
    FrameTable[1].szX2.Add("2");
    for (tFrameAr& r : FrameTable) st.tFrame.Add(&r);
}
