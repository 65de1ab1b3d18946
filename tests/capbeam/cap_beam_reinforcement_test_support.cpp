// The hand-built cap-beam reinforcement object of the tests, and storing and loading it.
#include "capbeam/cap_beam_reinforcement_test_support.h"

#include "tendon/sample.h"

#include "mfc/carchive.h"

#include <stdexcept>

namespace {

using Atom = CPM001T0101Atom;

Atom::M_XZR Vertex(double x, double z, int fH, double LH, int enPoint)
{
    Atom::M_XZR v;
    v.x = x;
    v.z = z;
    v.RR = enPoint == 1 ? 140.0 : 0.0;
    v.alf = 0.5;
    v.fH = fH;
    v.fHzy = fH;
    v.fHsx = 0;
    v.LH = LH;
    v.fArc = 0;
    v.enPoint = enPoint;
    return v;
}

Atom::singAr* PooledBar(Atom& atom, int kind, const char* mark, double x0, double x1, double z)
{
    Atom::singAr* bar = atom.BarPool.AddOwned(std::make_unique<Atom::singAr>());
    bar->PtAr.Add(Vertex(x0, z, 1, 140.0, 0));
    bar->PtAr.Add(Vertex(x1, z, 0, 0.0, 1));
    bar->class_ = kind;
    bar->R = mark;
    bar->L.Add(x1 - x0);
    bar->sTL = x1 - x0;
    return bar;
}

void FillScalars(Atom& atom, int jgType)
{
    atom.PMorPT = 1;
    atom.hXbl = 1200.0;
    atom.hXbr = 1250.0;
    atom.a = 0.1;
    atom.lWg = 1800.0;
    atom.bBg = 14000.0;
    atom.vP = 900.0;
    atom.iLb = 0.02;
    atom.iRb = 0.015;
    atom.hHpl = 600.0;
    atom.hHpr = 650.0;
    atom.bBpr = 1100.0;
    atom.bBpl = 1000.0;
    atom.bBz.Add(5000.0);
    atom.bBz.Add(6000.0);
    atom.bBzl = 1400.0;
    atom.bBzr = 1600.0;
    atom.bAc = 7000.0;
    atom.hHgl = 2000.0;
    atom.lCzf = 310.0;
    atom.lCzb = 320.0;
    atom.B = 3000.0;
    atom.V = 4.5;
    atom.SectionType = 0;
    atom.ColumnSectionType = 1;
    atom.bRec = 1300.0;
    atom.lRec = 1400.0;
    atom.D = 1500.0;
    atom.R = 50.0;
    atom.X = 60.0;
    atom.Y = 70.0;
    atom.JGType = jgType;
    atom.ConLabel = 40;
    atom.PierCapConGra = "C40";
    atom.fZT = 1;
    atom.TextStyleMode = 2;
    atom.fSkewFrames = 1;
    atom.dGZ1 = 1.5;
    atom.dGZ2 = 2.5;
    atom.dGZ3 = 3.5;
    atom.dGZ4 = 4.5;
    atom.nGZ1 = 7;
    atom.fHaveBedStonef = 1;
    atom.nPier = 3;

    for (double h : {1950.0, 1980.0, 2000.0, 1990.0, 1970.0}) atom.HDM.Add(h);
    for (int k : {2, 3, 4, 3, 2}) atom.enSection.Add(k);
    atom.fBearAndMidSpan = 0;
    for (int f : {1, 1, 1, 0, 0}) atom.fDM.Add(f);
    atom.Vcon = 48.75;
    atom.fCrossContour = 0;
    atom.fSymmetry = 1;
    atom.enPSection = 1;
    atom.fDistribute = 1;
    atom.fPosSdAndSt = 1;
    atom.fPosShAndSg = 0;
    atom.fVartc = 1;
    atom.aPl = 0.54;
    atom.aPr = 0.53;
    atom.fTuncateRibLM = 1;
    atom.fNoteFormDM = 1;
    atom.fNoteFormSK = 0;
    atom.FramePaneWidth = 450.0;
    atom.nInclMarks = 3;
}

void FillSkeleton(Atom& atom)
{
    Atom::StDataSet& st = atom.st;
    st.type = 2;
    st.d = 28.0;
    st.ua = 60.0;
    st.da = 60.0;
    st.sa = 40.0;
    st.a = 300.0;
    st.Min = 80.0;
    st.nFrame = 2;
    st.ns = -1;
    st.stt = "顶层通常筋";
    st.stb = "底层通长筋";
    st.sttc = "顶层截断筋";
    st.stbc = "底层截断筋";
    st.stw = "弯起筋";
    st.stx = "标准斜筋";
    st.angle = 0.785398;
    st.fWeld = 1;
    st.LWeld = 140.0;
    st.LstWeld = 200.0;
    st.s = 1200.0;

    atom.FrameY.Add(-600.0);
    atom.FrameY.Add(600.0);
    atom.ThroughBars.SetSize(2);
    atom.ThroughBars[0].R = "1";
    atom.ThroughBars[0].class_ = 1;
    atom.ThroughBars[0].PtAr.Add(Vertex(40.0, 1940.0, 1, 140.0, 0));
    atom.ThroughBars[1].R = "2";
    atom.ThroughBars[1].class_ = 2;

    atom.FrameStore.SetSize(2);
    for (int i = 0; i < 2; ++i) {
        Atom::FrameAr& frame = atom.FrameStore[i];
        frame.y = atom.FrameY[i];
        frame.fsk = i == 0 ? 1 : 0;
        frame.num = i + 1;
        frame.fDrawLM = i == 0 ? 1 : 0;
        frame.sort = 1;
        frame.name = i == 0 ? "K1" : "K2";
        frame.Bars.Add(&atom.ThroughBars[0]);
        frame.Bars.Add(&atom.ThroughBars[1]);
        frame.Bars.Add(PooledBar(atom, 3, "3", 4000.0 + i, 7000.0, 1940.0));
        frame.Bars.Add(PooledBar(atom, 4, "4", 9000.0, 11000.0 + i, 60.0));

        CArray<DblArray>* zt = atom.ZtPool.AddOwned(std::make_unique<CArray<DblArray>>());
        CArray<DblArray>* zb = atom.ZbPool.AddOwned(std::make_unique<CArray<DblArray>>());
        CArray<CStringArray>* ztLabel = atom.ZtLabelPool.AddOwned(std::make_unique<CArray<CStringArray>>());
        CArray<CStringArray>* zbLabel = atom.ZbLabelPool.AddOwned(std::make_unique<CArray<CStringArray>>());
        zt->SetSize(5);
        zb->SetSize(5);
        ztLabel->SetSize(5);
        zbLabel->SetSize(5);
        for (int s = 0; s < 5; ++s) {
            (*zt)[s].Add(1940.0 - s);
            (*zb)[s].Add(60.0 + s);
            (*ztLabel)[s].Add("顶");
            (*zbLabel)[s].Add("底");
            frame.zt.Add(&(*zt)[s]);
            frame.zb.Add(&(*zb)[s]);
            frame.ztLabel.Add(&(*ztLabel)[s]);
            frame.zbLabel.Add(&(*zbLabel)[s]);
        }
        frame.difL1.Add(1400.0);
        frame.difL2.Add(800.0 + i);
        frame.difLabel1.Add("X1");
        st.Frame.Add(&frame);
    }

    atom.FrameTable.SetSize(3);
    atom.FrameTable[1].n = 0;
    atom.FrameTable[1].szDY = "骨架K1";
    atom.FrameTable[1].szX1.Add("/");
    atom.FrameTable[1].szX2.Add("X1");
    st.tFrame.Add(&atom.FrameTable[1]);

    Atom::tRn row;
    row.R = "1";
    row.n = 2;
    row.TL = 14200.0;
    row.szL.Add("/");
    st.Rn.Add(row);
    row.R = "3";
    row.n = 2;
    row.TL = 3000.0;
    row.szL.Add("L1");
    row.L1 = 1500.0;
    row.L2 = 1600.0;
    st.Rn.Add(row);
}

void FillStirrupsAndSets(Atom& atom)
{
    Atom::M_XH pair;
    pair.nA = 1;
    pair.nB = 2;
    atom.XH.Add(pair);
    pair.nA = 3;
    pair.nB = 3;
    atom.XH.Add(pair);

    Atom::SgDataSet& sg = atom.sg;
    sg.type = 1;
    sg.d = 16.0;
    sg.a = 50.0;
    sg.Min = 100.0;
    sg.Max = 200.0;
    sg.s = 150.0;
    sg.s2 = 100.0;
    sg.fenG = 1;
    sg.ns.Add(12);
    sg.as.Add(175.5);
    sg.asType.Add(1);
    sg.lns2.Add(4);
    sg.rns2.Add(5);
    sg.HookedTpye = 1;
    sg.sg1.SetSize(2);
    sg.sg2.SetSize(2);
    sg.sg3.SetSize(2);
    for (int k = 0; k < 2; ++k) {
        sg.sg1[k].R.Format("%d", 20 + k);
        sg.sg1[k].Nori = k;
        sg.sg1[k].Nend = k + 1;
        sg.sg1[k].n = 30 + k;
        sg.sg1[k].TL = 5400.0 + k;
        sg.sg2[k].R = "箍二";
        sg.sg2[k].nl = 2;
        sg.sg3[k].L1p = 12.5;
    }

    atom.sh.type = 1;
    atom.sh.d = 12.0;
    atom.sh.sh1_n = 6;
    atom.sh.sh1_R = "侧1";
    atom.sh.sh2_R = "侧2";
    atom.sh.sh2_TL = 8000.0;

    atom.sd.type = 1;
    atom.sd.R = "端";
    atom.sd.d = 12.0;
    atom.sd.n = 9;
    atom.sd.TL = 1700.0;
}

} // namespace

std::unique_ptr<CPM001T0101Atom> BuildSampleAtom(int jgType)
{
    auto atom = std::make_unique<Atom>();
    FillScalars(*atom, jgType);
    FillSkeleton(*atom);
    FillStirrupsAndSets(*atom);
    if (jgType != 0) CPM001T0101AtomTestAccess::AdoptTendon(*atom, BuildSampleTendons());
    return atom;
}

AtomBytes StoreAtom(CPM001T0101Atom& atom)
{
    AtomBytes out;
    CArchive ar(out, CArchive::store);
    atom.SerializeDesignData(ar);
    return out;
}

void LoadAtom(CPM001T0101Atom& atom, const AtomBytes& bytes)
{
    CArchive ar(bytes.data(), bytes.size());
    atom.SerializeDesignData(ar);
    if (ar.GetRemaining() != 0) throw std::logic_error("bytes left over");
}

std::unique_ptr<CPM001T0101Atom> LoadedAtom(const AtomBytes& bytes)
{
    auto atom = std::make_unique<Atom>();
    LoadAtom(*atom, bytes);
    return atom;
}
