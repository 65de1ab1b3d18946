// The tendon object's set-up from the cap-beam parameters, and the level of the beam's top face.
#include "tendon/design_object.h"

#include "common/is_equal.h"
#include "pier/gz_pm001_atom.h"

#include <cmath>

using KVDataCommon::IsEqual;

namespace {

// The columns stand at equal distances when every two distances between neighbours are exactly
// equal; one column (no distance) or two columns (one distance) qualify.
bool EqualSpans(const DblArray& spans)
{
    for (int i = 1; i < spans.GetSize(); ++i)
        if (spans[i] != spans[0]) return false;
    return true;
}

} // namespace

int CPM001T010401Atom::SetData(GZ_PM001Atom* gz)
{
    // The drawing options read the skew angle that the geometry has just taken over.
    SetGZData(gz);
    return SetDrawData(gz) ? 1 : 0;
}

int CPM001T010401Atom::SetGZData(GZ_PM001Atom* gz)
{
    if (!gz) return 1;
    ib = 0.0;
    iLb = gz->iLb;
    iRb = gz->iRb;
    const bool oneSlope = IsEqual(iLb, -iRb) != 0;   // one straight slope, or a flat top
    FVHP = oneSlope ? 1 : 0;

    a = gz->a;
    bBg = gz->bBg;
    bAc = gz->bAc;
    bBpl = gz->bBpl;
    bBpr = gz->bBpr;
    hXbl = gz->hXbl;
    hXbr = gz->hXbr;
    bBzl = gz->bBzl;
    bBzr = gz->bBzr;
    bBz = gz->bBz;
    hHpl = gz->hHpl;
    hHpr = gz->hHpr;
    lCzf = gz->lCzf;
    lCzb = gz->lCzb;
    B = gz->B;
    hHgl = gz->hHgl;
    V = gz->V;
    ColumnSectionType = gz->ColumnSectionType;
    FilletMode = gz->FilletMode;
    X = gz->X;
    Y = gz->Y;
    R = gz->R;
    D = gz->D;
    bRec = gz->bRec;
    lRec = gz->lRec;

    // The beam is symmetric about its middle when its top is one slope or falls equally to both
    // sides of the crown, and its ends, cantilevers and column distances mirror each other.
    fJGDC = 0;
    if (oneSlope || IsEqual(iLb, std::fabs(iRb))) {
        const bool mirrored = IsEqual(hXbl, hXbr) && IsEqual(bBpl, bBpr) && IsEqual(bBzl, bBzr) && EqualSpans(bBz);
        fJGDC = mirrored ? 1 : 0;
    }
    fSymLayout = (gz->DesignOpt6 != 0 && fJGDC == 1) ? 1 : 0;

    PierLayMode = gz->PierLayMode;
    fSeparationSymmetry = gz->fSeparationSymmetry;
    bAg = gz->bAg;
    strTendonIndex = gz->TendonMaterial;
    nPierLabel = gz->ComponentLabel;
    return 1;
}

int CPM001T010401Atom::SetDrawData(GZ_PM001Atom* gz)
{
    if (!gz) return 1;
    FVLH = 0;
    nLH = 0;
    FVPM = IsEqual(a, 0.0) ? 0 : 1;   // the plan is drawn skewed for a skewed pier

    FVcurve = gz->DesignOpt1;
    FVCkplace = gz->DesignOpt2;
    FVys = gz->DesignOpt3;
    FVleader = gz->DesignOpt5;
    FVszb = gz->DesignOpt4;
    js = gz->DesignValue1;
    PSF = gz->DesignText1;
    cU = gz->DesignText2;
    return 1;
}

double CPM001T010401Atom::GetFame_XZ(double x) const
{
    double z = hHgl;
    if (IsEqual(iLb, -iRb)) return z;   // one straight slope: the crown height everywhere
    if (x > bAc)
        z -= (x - bAc) * iRb;
    else
        z -= (bAc - x) * iLb;
    return z;
}
