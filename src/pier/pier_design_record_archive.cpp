// CPM001Atom::SerializeDesignData: the design record's archive form, one item after another in a fixed order.
#include "pier/pier_design_record.h"

#include "mfc/carchive.h"

namespace {

// Each item goes the archive's way: written when it stores, read when it loads. One sequence of
// calls below thus serves both directions in the same order.
void Item(CArchive& ar, int& v)
{
    if (ar.IsStoring()) ar << v;
    else ar >> v;
}

void Item(CArchive& ar, double& v)
{
    if (ar.IsStoring()) ar << v;
    else ar >> v;
}

void Item(CArchive& ar, CString& v)
{
    if (ar.IsStoring()) ar << v;
    else ar >> v;
}

// Lists go through their own serialise operations, which check a loaded count against the bytes
// that remain before allocating.
void Item(CArchive& ar, DblArray& v) { v.Serialize(ar); }
void Item(CArchive& ar, CStringArray& v) { v.Serialize(ar); }

template <class... T>
void Items(CArchive& ar, T&... v)
{
    (Item(ar, v), ...);
}

} // namespace

void CPM001Atom::SerializeDesignData(CArchive& ar)
{
    Items(ar, JGType, PierLayMode, fSeparationSymmetry);
    Items(ar, bAg, a, vP);
    Items(ar, BaseType, BaseLayMode);
    Items(ar, DX, DY, bAc, zGl, hXbl, bBpl, hXbr, bBpr, bTtl, bXbl, hml, htl, bTtr, bXbr, hmr, htr, iLb, iRb, iLbL,
          iLbR, iRbL, iRbR);
    Items(ar, SectionType);
    Items(ar, B, B1, B2, hHgf, hHgb, hHgl, V, U, bBzl, bBzr);
    Items(ar, bBz);
    Items(ar, zZct, lCzf);
    Items(ar, ColumnSectionType);
    Items(ar, D, bRec, lRec);
    Items(ar, FilletMode);
    Items(ar, X, Y, R);
    Items(ar, fXL);
    Items(ar, bXl, hXl);
    Items(ar, zXl);
    Items(ar, CushionNumber, fVaiKongZhi);
    Items(ar, zQf, zQb);
    Items(ar, bQf, bQb);
    Items(ar, TypeZhif, TypeZhib);
    Items(ar, BedStoneTypef);
    Items(ar, lZzf, lZzb);
    Items(ar, hZzf, hZzb);
    Items(ar, bZzf, bZzb);
    Items(ar, BedStoneTypeb, fHaveStopper, fVaiDang);
    Items(ar, hFz, bL1, bL2, bFzjl, bR1, bR2, bFzjr, hFzf, bLf1, bLf2, bFzfl, bRf1, bRf2, bFzfr);
    Items(ar, PierCapConGra, PierColumnConGra, BedStoneConGra, StopperConGra, TieBeamConGra);
    Items(ar, fDisribute, fVarjichupmt, fZT, DesignOpt6);
    Items(ar, gzPMScale, gzLMScale, stPMScale, PrePMScale);
    Items(ar, zGai, zHzt, hHd);
    Items(ar, bBg, hHpl, hHpr, hHglc, hHgt, bAd, hXblf, gz_hXblb, hXbrf, hXbrb, lWg);
    Items(ar, szHD);
    Items(ar, lCzb, iDb, DL);
    Items(ar, bLx);
    Items(ar, lFzdk);
    Items(ar, DesignOpt7, DesignOpt8, DesignOpt9, DesignOpt10);
    Items(ar, DesignValue2);
    Items(ar, DesignOpt1, DesignOpt2, DesignOpt3, DesignOpt4);
    Items(ar, DesignValue1);
    Items(ar, DesignText1);
    Items(ar, DesignOpt5);
    Items(ar, DesignText2);
    Items(ar, TendonMaterial);
    Items(ar, ComponentLabel, fLianhe, fVarGai, fVarbAg, fVarGaip, fVarZhut, fZhugao, fVarZhud, fVarJichut,
          fVarJichud, fVarZhuangd, fVarZhuangl, fVarHpt, fVarHft, fVarHct, fVarHzt, TextStyleMode,
          fSameBedStoneRows);
}
