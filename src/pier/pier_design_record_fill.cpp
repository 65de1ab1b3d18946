// CPM001Atom::SetData: the record filled from the pier's origin data, and the geometry derived from it.
#include "pier/pier_design_record.h"

#include "common/is_equal.h"
#include "common/list_sum.h"
#include "input/pier_origin_data.h"

#include <cmath>

namespace {

// A skew whose cosine is smaller than this in magnitude would blow a length up beyond any
// meaning; such a length is left as given instead.
constexpr double kSmallestCosine = 1e-6;

// Rounds to a whole number with halves away from zero; values of magnitude below 0.5 (and 0)
// stay as they are. The whole part is taken in double so that no value can overflow an int.
double RoundedAwayFromZero(double value)
{
    const double n = std::trunc(std::fabs(value) + 0.5);
    if (KVDataCommon::IsEqual(n * value, 0.0)) return value;
    return n * (std::fabs(value) / value);
}

} // namespace

int CPM001Atom::SetData(const CPM001org* org)
{
    if (org == nullptr) return 0;
    SetZTXXData(org);
    SetGLData(org);
    SetDZXLData(org);
    SetZZDSData(org);
    SetFZDKData(org);
    SetQTData(org);
    SetPM001Data(org);
    SetCTLBData(org);
    return 1;
}

int CPM001Atom::SetZTXXData(const CPM001org* org)
{
    JGType = org->JGType;
    PierLayMode = org->PierLayMode;
    fSeparationSymmetry = org->fSeparationSymmetry;
    bAg = org->bAg;
    a = org->a;
    vP = -org->vP;
    BaseType = org->BaseType;
    BaseLayMode = org->BaseLayMode;
    DX = org->DX;
    DY = org->DY;
    return 1;
}

int CPM001Atom::SetGLData(const CPM001org* org)
{
    bAc = org->bAc;
    zGl = org->zGl;
    hXbl = org->hXbl;
    bBpl = org->bBpl;
    hXbr = org->hXbr;
    bBpr = org->bBpr;
    bTtl = org->bTtl;
    bXbl = org->bXbl;
    hml = org->hml;
    htl = org->htl;
    bTtr = org->bTtr;
    bXbr = org->bXbr;
    hmr = org->hmr;
    htr = org->htr;
    iLb = org->iLb;
    iRb = org->iRb;
    iLbL = org->iLbL;
    iLbR = org->iLbR;
    iRbL = org->iRbL;
    iRbR = org->iRbR;
    return 1;
}

int CPM001Atom::SetDZXLData(const CPM001org* org)
{
    SectionType = org->SectionType;
    B = org->B;
    B1 = org->B1;
    B2 = org->B2;
    hHgf = org->hHgf;
    hHgb = org->hHgb;
    hHgl = org->hHgl;
    V = org->V;
    U = org->U;
    bBzl = org->bBzl;
    bBzr = org->bBzr;
    bBz = org->bBz;
    zZct = org->zZct;
    ColumnSectionType = org->ColumnSectionType;
    D = ColumnSectionType != 0 ? org->D : org->bRec;
    bRec = org->bRec;
    lRec = org->lRec;
    FilletMode = org->FilletMode;
    X = org->X;
    Y = org->Y;
    R = org->R;
    fXL = org->fXL;
    bXl = org->bXl;
    hXl = org->hXl;
    zXl = org->zXl;

    // Clear distance from the column's front face to the cap's front face, with the record's
    // own (opposite-signed) offset of the cap's width centre.
    lCzf = B / 2 - vP - (ColumnSectionType != 0 ? D : lRec) / 2;
    return 1;
}

int CPM001Atom::SetZZDSData(const CPM001org* org)
{
    using KVDataCommon::IsEqual;
    CushionNumber = org->CushionNumber;
    fVaiKongZhi = org->fVaiKongZhi;
    zQf = org->zQf;
    zQb = -org->zQb;
    bQf = org->bQf;
    bQb = org->bQb;
    TypeZhif = org->TypeZhif;
    TypeZhib = org->TypeZhib;
    BedStoneTypef = org->BedStoneTypef;
    lZzf = org->lZzf;
    lZzb = org->lZzb;
    hZzf = org->hZzf;
    BedStoneTypeb = org->BedStoneTypeb;
    bZzf = org->bZzf;
    bZzb = org->bZzb;
    hZzb = org->hZzb;

    // Both pedestal rows alike: same mode (and pedestals at all), same sizes, same heights.
    if (BedStoneTypef != 0 && BedStoneTypef == BedStoneTypeb && hZzf.GetSize() == hZzb.GetSize() &&
        IsEqual(lZzf, lZzb) && IsEqual(bZzf, bZzb) && IsEqual(hZzf, hZzb))
        fSameBedStoneRows = 1;
    return 1;
}

int CPM001Atom::SetFZDKData(const CPM001org* org)
{
    fHaveStopper = org->fHaveStopper;
    fVaiDang = org->fVaiDang;
    hFz = org->hFz;
    bL1 = org->bL1;
    bL2 = org->bL2;
    bFzjl = org->bFzjl;
    bR1 = org->bR1;
    bR2 = org->bR2;
    bFzjr = org->bFzjr;
    hFzf = org->hFzf;
    bLf1 = org->bLf1;
    bLf2 = org->bLf2;
    bFzfl = org->bFzfl;
    bRf1 = org->bRf1;
    bRf2 = org->bRf2;
    bFzfr = org->bFzfr;
    return 1;
}

int CPM001Atom::SetQTData(const CPM001org* org)
{
    PierCapConGra = org->PierCapConGra;
    PierColumnConGra = org->PierColumnConGra;
    BedStoneConGra = org->BedStoneConGra;
    StopperConGra = org->StopperConGra;
    TieBeamConGra = org->TieBeamConGra;
    fDisribute = org->fDisribute;
    fVarjichupmt = org->fVarjichupmt;
    fZT = org->fZT;
    TendonMaterial = org->TendonMaterial;
    ComponentLabel = org->ComponentLabel;
    gzPMScale = org->gzPMScale;
    stPMScale = org->stPMScale;
    PrePMScale = org->PrePMScale;
    gzLMScale = org->gzLMScale;
    return 1;
}

int CPM001Atom::SetPM001Data(const CPM001org* org)
{
    using KVDataCommon::IsEqual;
    const bool onePlane = TopInOnePlane();

    bBg = KVDataCommon::sum(bBz) + bBzl + bBzr;

    // Height differences of the variable-height parts of the cantilevers.
    if (onePlane) {
        hHpl = hHgl - hXbl;
        hHpr = hHgl - hXbr;
    } else {
        hHpl = hHgl - bAc * iLb - hXbl;
        hHpr = hHgl - (bBg - bAc) * iRb - hXbr;
    }
    if (IsEqual(bBpl, 0.0)) hHpl = 0.0;
    if (IsEqual(bBpr, 0.0)) hHpr = 0.0;

    // A cantilever without a height change ends at the height the cap top's slope gives it.
    if (onePlane) {
        if (IsEqual(hHpl, 0.0)) hXbl = hHgl;
        if (IsEqual(hHpr, 0.0)) hXbr = hHgl;
    } else {
        if (IsEqual(hHpl, 0.0)) hXbl = hHgl - bAc * iLb;
        if (IsEqual(hHpr, 0.0)) hXbr = hHgl - (bBzl + bBzr + KVDataCommon::sum(bBz) - bAc) * iRb;
    }

    hHglc = std::fabs(hHgb - hHgf);

    // Cap-top elevations at the characteristic points, section height and overall width.
    if (SectionType == 0) {
        zGai.SetSize(3);
        zGai[0] = zGl;
        zGai[1] = IsEqual(bFzjl, 0.0) ? zGl - (bAc - bL2) * iLb / 1000 : zGl - bAc * iLb / 1000;
        zGai[2] = IsEqual(bFzjr, 0.0) ? zGl - (bBg - bAc - bR2) * iRb / 1000 : zGl - (bBg - bAc) * iRb / 1000;
        hHgt = hHgl;
        lWg = B;
    } else if (SectionType == 1) {
        zGai.SetSize(9);
        zGai[0] = zGl;
        zGai[1] = zGl;
        zGai[2] = zGl - std::fabs(hHgf - hHgb);
        zGai[3] = zGai[0] - iLbL * bAc;
        zGai[4] = zGai[3];
        zGai[5] = zGai[2] - iLbR * bAc;
        zGai[6] = zGai[0] - iRbL * bAc;
        zGai[7] = zGai[6];
        zGai[8] = zGai[2] - iRbR * bAc;
        hHgt = hHgf > hHgb ? hHgf : hHgb;
        lWg = B1 + B2;
    } else {
        zGai.SetSize(9);
        zGai[0] = zGl - std::fabs(hHgf - hHgl);
        zGai[1] = zGl;
        zGai[2] = zGl - std::fabs(hHgl - hHgb);
        zGai[3] = zGai[0] - iLbL * bAc;
        zGai[4] = zGai[1] - iLb * bAc;
        zGai[5] = zGai[2] - iLbR * bAc;
        zGai[6] = zGai[0] - iRbL * bAc;
        zGai[7] = zGai[1] - iRb * bAc;
        zGai[8] = zGai[2] - iRbR * bAc;
        hHgt = hHgl;
        lWg = B + B1 + B2;
    }

    // Distance measured along the skewed cap, then rounded to a whole millimetre.
    const double cosA = std::cos(a);
    const double alongCap = std::fabs(cosA) < kSmallestCosine ? bAg : bAg / cosA;
    bAd = RoundedAwayFromZero(alongCap + (bBg - bAc));

    lFzdk = lWg - 2 * V;

    if (SectionType == 1) {
        hXblf = hXbl;
        gz_hXblb = hXbl - hHglc;
        hXbrf = hXbr;
        hXbrb = hXbr - hHglc;
    }

    if (onePlane) iDb = SectionType == 0 ? iLb : SectionType == 1 ? iLbR : 0.0;
    else iDb = 0.0;

    // Column tops and heights, left to right; the tops follow a single cross slope.
    const int columns = bBz.GetSize() + 1;
    const double leftEndTop = zGl - bAc * iLb / 1000;
    double x = bBzl;
    for (int i = 0; i < columns; ++i) {
        if (i >= 1) x += bBz[i - 1];
        const double top = onePlane ? leftEndTop - hHgl / 1000 + x * iLb / 1000 : zGl - hHgl / 1000;
        zHzt.Add(top);
        hHd.Add((top - zZct) * 1000);
    }

    szHD.Format("%.1f", hHd[0] / 10);

    DL = ColumnSectionType != 0 ? D : lRec;
    lCzb = lWg - DL - lCzf;

    const double across = ColumnSectionType != 0 ? DL : bRec;
    for (int i = 0; i < bBz.GetSize(); ++i) bLx.Add(bBz[i] - across);

    DesignOpt7 = org->DesignOpt7;
    DesignOpt8 = org->DesignOpt8;
    DesignOpt9 = org->DesignOpt9;
    DesignOpt10 = org->DesignOpt10;
    DesignValue2 = org->DesignValue2;
    return 1;
}

int CPM001Atom::SetCTLBData(const CPM001org* org)
{
    DesignOpt1 = org->DesignOpt1;
    DesignOpt2 = org->DesignOpt2;
    DesignOpt3 = org->DesignOpt3;
    DesignOpt4 = org->DesignOpt4;
    DesignValue1 = org->DesignValue1;
    DesignText1 = org->DesignText1;
    DesignOpt5 = org->DesignOpt5;
    DesignText2 = org->DesignText2;
    DesignOpt6 = org->DesignOpt6;
    TextStyleMode = org->TextStyleMode;
    return 1;
}
