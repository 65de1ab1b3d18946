// CPM001Norm: the fillers of the hand-over records for the cap beam and the sibling modules.
#include "module/pier_component.h"

#include "common/is_equal.h"
#include "common/list_sum.h"
#include "module/handover_records.h"
#include "pier/gz_pm001_atom.h"
#include "pier/pier_design_record.h"
#include "siblings/pile_cap.h"
#include "siblings/pile_foundation.h"
#include "siblings/spread_footing.h"

#include <cstdint>

using KVDataCommon::IsEqual;

namespace {

// Corner code of a rectangular column for the sibling modules: fillet mode 0 is 2, 1 is 1,
// anything else 0.
int FilletCode(int filletMode)
{
    if (filletMode == 0) return 2;
    if (filletMode == 1) return 1;
    return 0;
}

int ColumnCount(const CPM001Atom& atom)
{
    return atom.bBz.GetSize() + 1;
}

// Tie beams between n columns at the levels of zXl, counted as the tie-beam module expects:
// (spacings - 1) x levels. A pier of one column has no tie beams; the count is never negative.
int TieBeamCount(const CPM001Atom& atom)
{
    const int count = (atom.bBz.GetSize() - 1) * atom.zXl.GetSize();
    return count > 0 ? count : 0;
}

// What the fillers read of the pile foundation's design object. That object is made from the
// pile foundation's origin data and keeps its values, so they are read where they are held: the
// origin object. The transition dimensions are the transition module's own and are handed as 0.
struct PileFoundationValues {
    double tieBeamWidth = 0.0;
    double tieBeamHeight = 0.0;
    double pileDiameter = 0.0;      // the enlarged head's diameter when the pile has one
    double perPileValue = 0.0;      // pile length
    int kind = 0;                   // pile kind
    double transition[3] = {0.0, 0.0, 0.0};
    CString concrete;
};

PileFoundationValues ReadPileFoundation(const CPG002org* org)
{
    PileFoundationValues v;
    if (!org) return v;
    v.tieBeamWidth = org->bXl_JICHU;
    v.tieBeamHeight = org->hXl_JICHU;
    v.pileDiameter = org->GetHeadDiameter();
    v.perPileValue = org->lZ_JICHU;
    v.kind = org->nZType_JICHU;
    v.concrete = org->ConGra_JICHU;
    return v;
}

// What the fillers read of the pile cap's design object, likewise from its origin data: the piles
// stand in rows along the bridge, each row holding one pile more than the spacings across.
struct PileCapValues {
    double pileDiameter = 0.0;
    int pilesPerRow = 0;
    int rows = 0;
    double perPileValue = 0.0;      // pile length
    int kind = 0;
    double transition[3] = {0.0, 0.0, 0.0};
    double further = 0.0;
    CString concrete;
};

PileCapValues ReadPileCap(const CPG003org* org)
{
    PileCapValues v;
    if (!org) return v;
    v.pileDiameter = org->rZ_JICHU;
    v.pilesPerRow = org->bZj_JICHU.GetSize() + 1;
    v.rows = org->lZj_JICHU.GetSize() + 1;
    v.perPileValue = org->lZ_JICHU;
    v.concrete = org->ConGra_JICHU;
    return v;
}

} // namespace

int CPM001Norm::SetGZ_PM001_Data(GZ_PM001Atom* gz)
{
    if (!gz || !m_pAtom) return 0;
    const CPM001Atom& p = *m_pAtom;

    gz->PMorPT = 1;
    gz->hXbl = p.hXbl;
    gz->hXbr = p.hXbr;
    gz->a = p.a;
    gz->lWg = p.lWg;
    gz->bBg = p.bBg;
    gz->vP = p.vP;
    gz->iLb = p.iLb;
    gz->iRb = p.iRb;
    gz->hHpl = p.hHpl;
    gz->hHpr = p.hHpr;
    gz->bBpr = p.bBpr;
    gz->bBpl = p.bBpl;
    gz->bBz = p.bBz;
    gz->bBzl = p.bBzl;
    gz->bBzr = p.bBzr;
    gz->bAc = p.bAc;
    gz->hHgl = p.hHgl;
    gz->SectionType = p.SectionType;
    gz->lCzf = p.lCzf;
    gz->lCzb = p.lCzb;
    gz->B = p.B;
    gz->V = p.V;
    gz->JGType = p.JGType;
    gz->PierCapConGra = p.PierCapConGra;
    gz->fZT = p.fZT;
    gz->fTuncateRibLM = p.DesignOpt7;
    gz->fNoteFormDM = p.DesignOpt8;
    gz->fNoteFormSK = p.DesignOpt10;
    gz->FramePaneWidth = p.DesignValue2;
    gz->ColumnSectionType = p.ColumnSectionType;
    gz->bRec = p.bRec;
    gz->lRec = p.lRec;
    gz->D = p.D;
    gz->R = p.R;
    gz->X = p.X;
    gz->Y = p.Y;
    gz->FilletMode = p.FilletMode;
    gz->TextStyleMode = p.TextStyleMode;
    gz->fHaveBedStonef = p.BedStoneTypef >= 1 ? 1 : 0;

    if (p.JGType != 0) {
        gz->PierLayMode = p.PierLayMode;
        gz->fSeparationSymmetry = p.fSeparationSymmetry;
        gz->bAg = p.bAg;
        gz->DesignOpt1 = p.DesignOpt1;
        gz->DesignOpt2 = p.DesignOpt2;
        gz->DesignOpt3 = p.DesignOpt3;
        gz->DesignOpt4 = p.DesignOpt4;
        gz->DesignValue1 = p.DesignValue1;
        gz->DesignText1 = p.DesignText1;
        gz->DesignOpt5 = p.DesignOpt5;
        gz->DesignText2 = p.DesignText2;
        gz->DesignOpt6 = p.DesignOpt6;
        gz->TendonMaterial = p.TendonMaterial;
        gz->ComponentLabel = p.ComponentLabel;
    }
    return 1;
}

int CPM001Norm::SetGZ_GENERAL_PG008_Data(GZ_GENERAL_PG008* g, int which)
{
    if (!g || !m_pAtom) return 0;
    const CPM001Atom& p = *m_pAtom;

    if (which == 1) {
        const PileFoundationValues pile = ReadPileFoundation(m_pPileOrg.get());
        g->bBeam = pile.tieBeamWidth;
        g->hBeam = pile.tieBeamHeight;
    } else {
        g->bBeam = p.bXl;
        g->hBeam = p.hXl;
    }
    g->nBeams = TieBeamCount(p);
    g->nFlag = 1;
    g->spacings = p.bBz;
    if (which == 1) {
        g->nPos = 0;
        g->dPile = ReadPileFoundation(m_pPileOrg.get()).pileDiameter;
    } else {
        g->nPos = 2;
        g->dPile = 0.0;
    }
    if (p.ColumnSectionType != 0) {
        g->nCircular = 1;
        g->dColumn = p.D;
    } else {
        g->nCircular = 0;
        g->bColumn = p.bRec;
        g->lColumn = p.lRec;
        g->nFillet = FilletCode(p.FilletMode);
        g->rFillet = p.R;
        g->xChamfer = p.X;
        g->yChamfer = p.Y;
    }
    if (which == 1) {
        if (m_pPileOrg) g->szConcrete = m_pPileOrg->ConGra_JICHU;
    } else {
        g->szConcrete = p.TieBeamConGra;
    }
    return 1;
}

int CPM001Norm::SetPC001T01ZD01_General_Data(PC001T01ZD01_General* g)
{
    if (!g || !m_pAtom) return 0;
    const CPM001Atom& p = *m_pAtom;

    g->nFlag = 1;
    g->heights.Append(p.hHd);
    g->bColumn = p.bRec;
    g->lColumn = p.lRec;
    g->value1 = g->value2 = g->value3 = g->value4 = g->value5 = g->value6 = 0.0;
    g->nFillet = FilletCode(p.FilletMode);
    g->rFillet = p.R;
    g->xChamfer = p.X;
    g->yChamfer = p.Y;
    // The difference of two whole numbers in thousandths, taken wide so that no value overflows.
    const std::int64_t step = (static_cast<std::int64_t>(p.fVarJichut) - p.fVarJichud) * 1000;
    g->dTopStep = static_cast<double>(step);
    g->szConcrete = p.PierColumnConGra;
    g->nFlag2 = 1;
    switch (p.BaseType) {
    case 0:
        g->nBase = 2;
        break;
    case 1:
        g->nBase = 0;
        if (m_pPileOrg) g->dBase = m_pPileOrg->GetHeadDiameter();
        break;
    case 2:
        g->nBase = 1;
        if (m_pPileCapOrg) g->dBase = m_pPileCapOrg->rZ_JICHU;
        break;
    default:
        break;
    }
    g->nFlag3 = 2;
    return 1;
}

int CPM001Norm::SetPC001T01ZD02_General_Data(PC001T01ZD02_General* g)
{
    if (!g || !m_pAtom) return 0;
    const CPM001Atom& p = *m_pAtom;

    g->szName = "盖梁";
    g->nFlag = 1;
    g->heights.Append(p.hHd);
    g->dColumn = p.D;
    g->nFlag2 = 1;
    g->nFlag3 = 0;
    g->value1 = g->value2 = g->value3 = 0.0;
    switch (p.BaseType) {
    case 0:
        if (m_pFootingOrg) g->dBaseDepth = KVDataCommon::sum(m_pFootingOrg->hTj_JICHU) + m_pFootingOrg->hKs_JICHU;
        g->nBaseTop = 1;
        g->nPile = 0;
        g->dPile = 0.0;
        break;
    case 1:
        g->dBaseDepth = 0.0;
        g->nBaseTop = 0;
        g->nPile = 1;
        if (m_pPileOrg) g->dPile = m_pPileOrg->GetHeadDiameter();
        break;
    case 2:
        if (m_pPileCapOrg) {
            g->dBaseDepth = m_pPileCapOrg->hT_JICHU;
            g->dPile = m_pPileCapOrg->rZ_JICHU;
        }
        g->nBaseTop = 1;
        g->nPile = 0;
        break;
    default:
        break;
    }
    g->szConcrete = p.PierColumnConGra;
    g->nBase = p.BaseType;
    return 1;
}

int CPM001Norm::SetGZ_GENERAL_PG001_Data(GZ_GENERAL_PG001* g)
{
    if (!g || !m_pAtom) return 0;
    const CPM001Atom& p = *m_pAtom;

    g->nFlag = 0;
    g->topLevels.Add(p.zZct);
    g->list2.RemoveAll();
    g->aPier = p.a;
    g->nFlag2 = 0;
    g->value1 = 0.0;
    g->nFlag3 = 1;
    g->zTop = p.zZct;
    g->value2 = 0.0;
    return 1;
}

int CPM001Norm::SetGZ_GENERAL_PG003_Data(GZ_GENERAL_PG003* g)
{
    if (!g || !m_pAtom) return 0;
    const CPM001Atom& p = *m_pAtom;

    g->nFlag = 2;
    g->aPier = p.a;
    g->zTop = p.zZct;
    g->nColumns = ColumnCount(p);
    g->spacings = p.bBz;
    g->nCentred = p.BaseLayMode == 0 ? 1 : 0;
    g->nFlag2 = 0;
    return 1;
}

int CPM001Norm::Set_gz_General_PG005(GZ_GENERAL_PG005* g)
{
    if (!g || !m_pAtom) return 0;
    const CPM001Atom& p = *m_pAtom;
    const PileFoundationValues pile = ReadPileFoundation(m_pPileOrg.get());

    g->nFlag = 1;
    g->nSym = 0;
    g->nCount = 1;
    g->nNumber = GetNumber();
    g->nFlag2 = 1;
    g->dPile = pile.pileDiameter;
    g->nPiles = ColumnCount(p);
    for (int i = 0; i < g->nPiles; ++i) g->pileValues.Add(pile.perPileValue);
    if (p.ColumnSectionType == 0) g->nRelation = 1;
    else if (IsEqual(p.D, pile.pileDiameter)) g->nRelation = 2;
    else if (p.D < pile.pileDiameter) g->nRelation = 3;
    else g->nRelation = 1;
    g->nKind = pile.kind;
    g->dim1 = pile.transition[0];
    g->dim2 = pile.transition[2];
    g->dim3 = pile.transition[1];
    g->dim4 = 0.0;
    g->dColumn = p.D;
    g->nSource = 0;
    g->nFlag3 = 0;
    g->szConcrete = pile.concrete;
    return 1;
}

int CPM001Norm::Set_gz_General_PG0051(GZ_GENERAL_PG005* g)
{
    if (!g || !m_pAtom) return 0;
    const CPM001Atom& p = *m_pAtom;
    const PileCapValues cap = ReadPileCap(m_pPileCapOrg.get());

    g->nFlag = 1;
    g->nSym = p.BaseLayMode == 0 ? 1 : 0;
    g->nCount = ColumnCount(p);
    g->nNumber = GetNumber();
    g->nFlag2 = 1;
    g->dPile = cap.pileDiameter;
    g->nPiles = 0;
    for (int row = 0; row < cap.rows; ++row) g->nPiles += cap.pilesPerRow;
    for (int i = 0; i < g->nPiles; ++i) g->pileValues.Add(cap.perPileValue);
    g->nRelation = 0;
    g->nKind = cap.kind;
    g->dim1 = cap.transition[0];
    g->dim2 = cap.transition[2];
    g->dim3 = cap.transition[1];
    g->dim4 = cap.further;
    g->dColumn = p.D;
    g->nSource = 1;
    g->nFlag3 = 0;
    g->szConcrete = cap.concrete;
    return 1;
}

int CPM001Norm::Set_gz_General_PG006(GZ_GENERAL_PG006* g)
{
    if (!g || !m_pAtom) return 0;
    const CPM001Atom& p = *m_pAtom;

    g->nNoStopperGap = (IsEqual(p.bFzjl, 0.0) || IsEqual(p.bFzjr, 0.0)) ? 1 : 0;
    g->szPier = "一个桥墩";
    g->nFlag = 2;
    g->nFront = p.BedStoneTypef != 0 ? 1 : 0;
    if (g->nFront) {
        g->aFront = p.BedStoneTypef == 2 ? p.a : 0.0;
        g->bFront = p.bZzf;
        g->lFront = p.lZzf;
        p.hZzf.GetMax(g->hFront);
        g->nFrontCount = p.hZzf.GetCount();
    }
    g->nBack = p.BedStoneTypeb != 0 ? 1 : 0;
    if (g->nBack) {
        g->aBack = p.BedStoneTypeb == 2 ? p.a : 0.0;
        g->bBack = p.bZzb;
        g->lBack = p.lZzb;
        p.hZzb.GetMax(g->hBack);
        g->nBackCount = p.hZzb.GetCount();
    }
    g->fHaveStopper = p.fHaveStopper;
    g->aStopper = p.a;
    g->widths1.RemoveAll();
    g->widths1.Add(p.bL1);
    g->widths1.Add(p.bR1);
    g->widths2.RemoveAll();
    g->widths2.Add(p.bL2);
    g->widths2.Add(p.bR2);
    g->hStopper = p.hFz;
    g->bTop = p.B - 2.0 * p.V;
    g->nFlag2 = 1;
    g->aPier = p.a;
    g->list1.RemoveAll();
    g->list2.RemoveAll();
    g->value1 = 0.0;
    g->value2 = 0.0;
    g->szPedestalConcrete = p.BedStoneConGra;
    g->szStopperConcrete = p.StopperConGra;
    g->nSameRows = (p.BedStoneTypef == p.BedStoneTypeb && p.BedStoneTypef != 0 && IsEqual(p.lZzf, p.lZzb) &&
                    IsEqual(p.bZzf, p.bZzb) && IsEqual(p.hZzf, p.hZzb))
                       ? 1
                       : 0;
    g->nFlag3 = 0;
    g->nSameStoppers = (IsEqual(p.bL1, p.bR1) && IsEqual(p.bL2, p.bR2)) ? 1 : 0;
    g->nFlag4 = 0;
    g->szCapConcrete = p.PierCapConGra;
    return 1;
}
