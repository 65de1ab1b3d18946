// CPM001Atom::SetDrawData_PT: the pier's own part of the drawing alignment record.
#include "pier/pier_design_record.h"

#include "common/is_equal.h"
#include "common/list_sum.h"
#include "input/pier_surroundings.h"
#include "pier/alignment_record.h"
#include "siblings/pile_cap.h"
#include "siblings/pile_foundation_org.h"
#include "siblings/spread_footing_org.h"

#include <cmath>

using KVDataCommon::IsEqual;
using KVDataCommon::sum;

namespace {

// How far the drawing reaches past the cap-beam length at the skewed end: the end overhang bAg
// measured along the skew; a negative overhang counts only where it reaches past the beam's far end.
double EndExtension(double bAg, double skew, double bBg)
{
    const double along = bAg / std::cos(skew);
    if (bAg > 0.0 || IsEqual(bAg, 0.0)) return along;
    if (along > -bBg) return 0.0;
    return std::fabs(-along - bBg);
}

} // namespace

int CPM001Atom::SetDrawData_PT(CAlignDataPM001* align, const PierSurroundings* around, int varJichu, int keyA,
                               int keyB) const
{
    if (!align) return 0;
    CAlignDataPM001& d = *align;

    d.dCapHeight = hHgl;
    d.dCapWidth = B;
    d.dCapLength = bBg;
    d.dStopperHeight = hFz;
    d.dSkewAngle = a;
    d.dEndExtension = EndExtension(bAg, a, bBg);

    // The foundation's objects; a missing one contributes zero dimensions. Without the component's
    // objects at hand the gaps between separate caps are not reckoned from the column spacings either.
    const CPG001org* footing = around ? around->pFootingOrg : nullptr;
    const CPG002org* piles = around ? around->pPileOrg : nullptr;
    const CPG003org* cap = around ? around->pPileCapOrg : nullptr;
    const CPG003Atom* capDesign = around ? around->pPileCapAtom : nullptr;
    const CPM001Atom* record = around ? this : nullptr;

    if (BaseType == 0) {
        // Spread footing: its height (steps and top layer) and its bottom width across.
        d.nBaseType = 0;
        if (footing) {
            d.dFootingValue1 = sum(footing->hTj_JICHU) + footing->hKs_JICHU;
            d.dFootingValue2 = sum(footing->bTjl_JICHU) + sum(footing->bTjr_JICHU) + footing->bKs_JICHU;
        }
        d.dTotalHeight = hHgl + hFz + d.dFootingValue1 + d.dFootingValue2;
        d.bFooting = 1;
        d.bPile = d.bPileCap = d.bPileCapT0103 = d.bPileCapPG005 = 0;
        d.dTotalLength = bBg + d.dFootingValue2 + d.dEndExtension;
    } else if (BaseType == 1) {
        // Pile foundation: the pile length below the column.
        d.nBaseType = 1;
        if (piles) d.dPileValue = piles->lZ_JICHU;
        d.dTotalHeight = hHgl + hFz + d.dPileValue;
        d.bPile = 1;
        d.bFooting = d.bPileCap = d.bPileCapT0103 = d.bPileCapPG005 = 0;
        d.dTotalLength = bBg + B + d.dEndExtension;
    } else {
        // Pile cap: its length across the bridge, its thickness and the pile length below it.
        d.nBaseType = 2;
        if (cap) {
            d.dPileCapLength = cap->bT_JICHU;
            d.dPileCapValue1 = cap->hT_JICHU;
            d.dPileCapValue2 = cap->lZ_JICHU;
        }
        d.dTotalHeight = hHgl + hFz + d.dPileCapValue2 + d.dPileCapValue1;
        d.bPileCap = 1;
        d.bFooting = d.bPile = 0;
        const int ownJoint = around && around->nPileCapJoint != 0;
        d.bPileCapT0103 = ownJoint ? 1 : 0;
        d.bPileCapPG005 = ownJoint ? 0 : 1;

        // Gaps between separate caps: the column spacings less one cap length per spacing.
        const int spacings = record ? record->bBz.GetSize() : 0;
        d.dPileCapOffset = record ? sum(record->bBz) - spacings * d.dPileCapLength : 0.0;

        // The designed cap's length across (s1) and along (s2) the bridge; separate caps stand
        // one under each column.
        const double s1 = capDesign ? capDesign->Design().Get("bT") : 0.0;
        const double s2 = capDesign ? capDesign->Design().Get("lT") : 0.0;
        const int caps = spacings + 1;
        const double skewAcross = std::tan(a) * B;
        if (fVarjichupmt == 0)
            d.dTotalLength = bBg + s2 + d.dEndExtension;
        else if (BaseLayMode != 0)
            d.dTotalLength = bBg + s1 + skewAcross + d.dEndExtension;
        else
            d.dTotalLength = bBg + d.dPileCapOffset + caps * s1 + skewAcross + d.dEndExtension;

        d.nVarjichupmt = varJichu;
        d.nBaseLayMode = BaseLayMode;
        d.nPileCapMode = cap ? cap->PileCapTtype_JICHU : 0;
    }

    d.nHaveStopper = fHaveStopper;
    d.bStopperSymmetric = IsEqual(bL1, bR1) && IsEqual(bL2, bR2) ? 1 : 0;
    d.bHaveBedStone = BedStoneTypef != 0 || BedStoneTypeb != 0 ? 1 : 0;
    d.bFrontBedStoneOnly = BedStoneTypef != 0 && BedStoneTypeb == 0 ? 1 : 0;

    // Both pedestal rows drawn alike: same kind, same plan size and the same stopper-and-pedestal keys.
    if (BedStoneTypef != 0 && BedStoneTypeb != 0) {
        d.bSameBedStoneDraw = BedStoneTypef == BedStoneTypeb && IsEqual(lZzf, lZzb) && IsEqual(bZzf, bZzb) &&
                                      keyA == keyB
                                  ? 1
                                  : 0;
    }
    if (d.bFrontBedStoneOnly == 1) d.bSameBedStoneDraw = 1;

    // Both rows alike down to their pedestal heights.
    d.bSameBedStoneRows = 0;
    if (BedStoneTypef != 0 && BedStoneTypef == BedStoneTypeb && hZzf.GetSize() == hZzb.GetSize() &&
        IsEqual(lZzf, lZzb) && IsEqual(bZzf, bZzb) && IsEqual(hZzf, hZzb))
        d.bSameBedStoneRows = 1;
    return 1;
}
