// A hand-built tendon design object for the archive and ownership tests.
#include "tendon/sample.h"

#include <stdexcept>

namespace {

using Atom = CPM001T010401Atom;

void AddNode(Atom::M_Steel& s, const char* nr, double x, double z, double r)
{
    Atom::M_LNode node;
    node.NR = nr;
    node.property = 2;
    node.X = x;
    node.Refline = 1;
    node.refZ = 1800.0 - z;
    node.Z = z;
    node.ZZ = node.refZ;
    node.R = r;
    node.alf = 0.125;
    node.T = 310.5;
    node.S = 620.25;
    node.E = 8.0;
    s.LNode.Add(node);
}

std::unique_ptr<Atom::M_Steel> Tendon(int index, double lift)
{
    auto s = std::make_unique<Atom::M_Steel>();
    s->Index = index;
    s->m = 12;
    s->n = 1;
    s->name.Format("T%d", index + 1);
    s->Y.Add(150.0);
    s->Y.Add(150.0 + lift);
    s->YSeries = "Φs15.2";
    s->Ytype = 1;
    s->YAlias = "1860级钢绞线";
    s->fpk = 1860.0;
    s->Yarea = 140.0;
    s->Ygama = 13.2;
    s->R.Format("N%d", index + 1);
    AddNode(*s, "1", 0.0, 900.0, 0.0);
    AddNode(*s, "2", 4000.0, 200.0 + lift, 15000.0);
    AddNode(*s, "3", 8000.0, 900.0, 0.0);
    s->L.Add(4012.5);
    s->L.Add(3987.25);
    s->LKind.Add(1);
    s->LKind.Add(0);
    s->Ckline = 2;
    s->Ckplace = 1;
    s->Dsx.Add(4000.0);
    s->Dsx.Add(4000.0);
    s->Ysx.Add(3500.0);
    s->YZ.Add(900.0);
    s->X.Add(0.0);
    s->X.Add(500.0);
    s->Z.Add(900.0);
    s->Z.Add(850.5);
    s->PT = index;
    s->FVPTL = 1;
    s->FVPTR = index == 0 ? 1 : 0;
    s->FVPTLDL = 1;
    s->FVPTQPL = 0;
    s->FVPTLDR = 0;
    s->FVPTQPR = 1;
    s->PC = 0.75;
    s->PCT = 2343.6;
    s->cl_DEL = 700.0;
    s->cl_ELL = 350.0;
    s->cl_ELR = 350.0 + index;
    s->cl_TL = 9410.0;
    s->cl_ES = 50.0;
    s->Mn = 2.0;
    s->Mng = 1.0;
    s->cl.DSeries = "YCW250B";
    s->cl.DSeriesIndex = "D-01";
    s->cl.DAias = "千斤顶";
    s->cl.Dc = 1.5;
    s->cl.El = 600.0;
    s->cl.Bseries = "塑料波纹管";
    s->cl.Btype = 1;
    s->cl.Bmat = "PE";
    s->cl.Bnd = 90.0;
    s->cl.Bwd = 102.0;
    s->cl.BL = 8100.0;
    s->cl.MLSeries = "M15-12";
    s->cl.MLtype = 2;
    s->cl.MLPT = 1;
    s->cl.MLwidth = 300.0;
    s->cl.MLCapTH = 45.0;
    s->cl.MRSeries = "M15-12P";
    s->cl.MRtype = 3;
    s->cl.MRPT = 0;
    s->cl.MRhh = 260.0;
    s->cl.MRCapTH = 40.0;
    s->lMC = 0;
    s->rMC = 1;
    s->pCurve = std::make_unique<CCircleCurve>();
    for (const Atom::M_LNode& node : s->LNode) s->pCurve->AddControlPoint(node.X, node.Z, node.R, 1);
    return s;
}

void FillSection(Atom::M_HD& hd, double h)
{
    hd.hD = h;
    hd.VStatus.Add(1);
    hd.VStatus.Add(2);
    hd.FVwzh.Add(1);
    hd.FVwzh.Add(0);
    hd.TR.Add("N1");
    hd.BR.Add("N2");
    hd.Tx.Add(900.0);
    hd.Tx.Add(900.0);
    hd.Bx.Add(1800.0);
    hd.TFs.Add(900.0);
    hd.BFx.Add(1800.0);
    hd.Tz.Add(150.0);
    hd.Bz.Add(200.0);
    hd.Tb = 1650.0;
    hd.Ba = 1600.0;
    hd.ms = 1450.0;
}

} // namespace

std::unique_ptr<CPM001T010401Atom> BuildSampleTendons()
{
    auto t = std::make_unique<Atom>();
    t->ib = 0.0;
    t->enSection.Add(1);
    t->enSection.Add(2);
    t->enSection.Add(3);
    t->FVHP = 1;
    t->fm = 250.0;
    t->fmr = 300.0;
    t->fJGDC = 1;
    t->a = 0.0;
    t->bBg = 8550.0;
    t->bAc = 4275.0;
    t->iLb = 0.02;
    t->iRb = -0.02;
    t->bBpl = 1500.0;
    t->bBpr = 1500.0;
    t->hXbl = 1200.0;
    t->hXbr = 1200.0;
    t->bBzl = 2275.0;
    t->bBzr = 2275.0;
    t->bBz.Add(4000.0);
    t->hHpl = 600.0;
    t->hHpr = 600.0;
    t->lCzf = 800.0;
    t->lCzb = 800.0;
    t->B = 2200.0;
    t->hHgl = 1800.0;
    t->V = 100.0;
    t->ColumnSectionType = 1;
    t->FilletMode = 2;
    t->X = 10.0;
    t->Y = 20.0;
    t->R = 30.0;
    t->D = 1600.0;
    t->bRec = 1400.0;
    t->lRec = 1500.0;
    t->dAc = 4275.0;
    t->FVLH = 1;
    t->nLH = 2;
    t->FVPM = 0;
    t->FVcurve = 1;
    t->FVCkplace = 1;
    t->FVys = 1;
    t->FVszb = 1;
    t->js = 500.0;
    t->PSF = "N";
    t->FVleader = 1;
    t->cU = "cm";
    t->AnchorsFlag.Add(1);
    t->AnchorsFlag.Add(4);
    t->fSymLayout = 1;

    t->Steel.push_back(Tendon(0, 0.0));
    t->Steel.push_back(Tendon(1, 150.0));
    for (int i = 0; i < 2; ++i) {
        auto fd = std::make_unique<Atom::M_SteelFD>();
        fd->NodePts.Add(CDblPoint(0.0, 900.0));
        fd->TanPts.Add(CDblPoint(3000.0, 375.0));
        fd->TanPts.Add(CDblPoint(5000.0, 375.0));
        fd->CenPts.Add(CDblPoint(4000.0, 15200.0));
        fd->ArcStart.Add(266.0);
        fd->ArcSweep.Add(8.0);
        fd->ArcR.Add(15000.0);
        t->SteelFD.push_back(std::move(fd));
    }

    Atom::M_ZLName pair;
    pair.name = "N1";
    pair.n = 2;
    t->ZLNameAr.Add(pair);
    pair.name = "钢束";
    pair.n = 4;
    t->ZLNameAr.Add(pair);
    t->fmxl.Add(250.0);
    t->fmxr.Add(300.0);

    for (int k = 0; k < 3; ++k) {
        FillSection(t->SectionHD[k], 1200.0 + 300.0 * k);
        t->HD.push_back(&t->SectionHD[k]);
    }

    t->Ps.Add(200.0);
    t->Ps.Add(1800.0);
    t->Pgdsl.Add(250.0);
    t->Pgdsr.Add(300.0);

    auto q1 = std::make_unique<Atom::M_QH>();
    q1->QHName = "Q1";
    q1->QR = "1";
    q1->L = 4000.0;
    q1->N = 2;
    q1->SR.Add("N1");
    q1->SR.Add("N2");
    for (const char* label : {"N1", "N2"}) {
        auto o = std::make_unique<Atom::M_Roverlap>();
        o->SteelR = label;
        if (CString(label) == CString("N1")) o->OverlapR.Add("N2");
        q1->Roverlap.push_back(std::move(o));
        q1->SDR.Add(label);
    }
    auto q2 = std::make_unique<Atom::M_QH>();
    q2->QHName = "Q2";
    q2->QR = "2";
    q2->L = 4550.0;
    q2->N = 1;
    q2->SR.Add("N1");
    t->QH.push_back(std::move(q1));
    t->QH.push_back(std::move(q2));

    t->ZVer_plotR.Add("N1~N2");
    t->szMEM = "钢束数量表";
    t->mul = 2;
    t->SMM = 1;
    t->mul_SMM = 2;
    t->szpar = "一片";
    t->szint = "全桥";
    t->B_Bnd.Add(90.0);
    t->B_Bnh_Bnw.Add("90×25");
    t->M_Alias.Add("M15-12");
    t->SBtype = 1;
    t->SBd = 12.0;
    t->Ldis = 800.0;
    t->Cdis = 500.0;
    t->SBL = 24;
    t->SBgame = 0.888;
    t->SBgama = 0.9;
    t->SBmass = 21.6;
    t->PY = 0.95;
    t->er = 6.0;
    t->strTendonIndex = "GB/T 5224";

    t->PierLayMode = 1;
    t->fSeparationSymmetry = 1;
    t->bAg = -250.0;
    t->nPierLabel = 7;
    return t;
}

Bytes StoreTendons(CPM001T010401Atom& atom)
{
    Bytes out;
    CArchive ar(out, CArchive::store);
    atom.SerializeDesignData(ar);
    return out;
}

std::unique_ptr<CPM001T010401Atom> LoadTendons(const Bytes& bytes)
{
    auto atom = std::make_unique<CPM001T010401Atom>();
    CArchive ar(bytes.data(), bytes.size());
    atom->SerializeDesignData(ar);
    if (ar.GetRemaining() != 0) throw std::logic_error("bytes left over");
    return atom;
}
