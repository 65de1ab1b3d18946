// CPM001org::Get_Cal_OrgData: the calculation engine's origin record filled from the pier's origin data.
#include "input/pier_origin_data.h"

#include "calc/pm001_calc_org.h"
#include "common/is_equal.h"
#include "common/list_sum.h"
#include "host/report.h"
#include "input/pier_surroundings.h"
#include "siblings/pile_cap_org.h"
#include "siblings/pile_foundation_org.h"
#include "siblings/spread_footing_org.h"

#include <cmath>

namespace {

// A copy of a list measured along the skewed cap, taken square to the bridge axis.
DblArray SquareToAxis(const DblArray& alongSkew, double cosA)
{
    DblArray square(alongSkew);
    for (double& value : square) value *= cosA;
    return square;
}

// The engine's chamfer code of a rectangular column's corners: 2 none, 1 straight, 0 arc.
int ChamferCode(int filletMode)
{
    switch (filletMode) {
    case 1: return 1;
    case 2: return 0;
    default: return 2;
    }
}

} // namespace

int CPM001org::Get_Cal_OrgData(CPM001Calc_Org* record, const PierSurroundings* around)
{
    if (!record || !around) return 0;

    // The foundation: any kind other than the spread footing and the pile foundation is a pile cap.
    const int kind = (around->nFoundationKind == 0 || around->nFoundationKind == 1) ? around->nFoundationKind : 2;
    CPG001org* footing = kind == 0 ? around->pFootingOrg : nullptr;
    CPG002org* piles = kind == 1 ? around->pPileOrg : nullptr;
    CPG003org* pileCap = kind == 2 ? around->pPileCapOrg : nullptr;
    if (!footing && !piles && !pileCap) {
        QMReportError("计算原始数据准备失败：墩的基础原始数据不存在", 0);
        return 0;
    }

    CPM001Calc_Org& r = *record;
    const double cosA = std::cos(a);
    const bool circular = ColumnSectionType != 0;

    // Options and texts passed through.
    r.CalcOpt1 = CalcOpt1;
    r.CalcOpt2 = CalcOpt2;
    r.CalcOpt3 = CalcOpt3;
    r.CalcOpt4 = CalcOpt4;
    r.CalcOpt5 = CalcOpt5;
    r.JGType = JGType;
    r.DuctSeries = DuctSeries;
    r.AnchorSeries = AnchorSeries;
    r.CapConcrete = PierCapConGra;

    // The cap's ends, column spacings and length. The spacing list is replaced, so that preparing
    // the calculation again does not repeat the columns.
    r.bAc = bAc;
    r.iLb = iLb;
    r.iRb = iRb;
    r.bBpl = bBpl;
    r.bBpr = bBpr;
    r.hXbl = hXbl;
    r.hXbr = hXbr;
    r.bBzlCap = bBzl;
    r.bBzrCap = bBzr;
    r.ColumnSpacings.RemoveAll();
    r.ColumnSpacings.Append(bBz);
    const double L = KVDataCommon::sum(r.ColumnSpacings) + bBzl + bBzr;
    r.CapLength = L;
    r.B = B;
    r.hHgl = hHgl;
    r.a = a;

    // How far each end lies below the cap's full height at the cantilever roots.
    if (fSingleSlope) {
        r.LeftEndDrop = hHgl - hXbl;
        r.RightEndDrop = hHgl - hXbr;
    } else {
        r.LeftEndDrop = hHgl - bAc * iLb - hXbl;
        r.RightEndDrop = hHgl - (L - bAc) * iRb - hXbr;
    }

    // Section.
    r.BTop = B;
    r.V = V;
    r.CalcOpt12 = CalcOpt12;
    r.CalcOpt13 = CalcOpt13;
    r.vP = vP;
    r.zGl = zGl;

    // Bearings: the spacings are held along the skewed cap, the engine takes them square.
    r.CushionNumber = CushionNumber;
    r.zQf = zQf;
    r.bQf = SquareToAxis(bQf, cosA);
    r.TypeZhif.Copy(TypeZhif);
    r.lZzf = lZzf;
    r.bZzf = bZzf;
    r.zQb = zQb;
    r.bQb = SquareToAxis(bQb, cosA);
    r.TypeZhib.Copy(TypeZhib);
    r.lZzb = lZzb;
    r.bZzb = bZzb;

    // Columns.
    r.ColumnIsRect = circular ? 0 : 1;
    r.zZct = zZct;
    r.ColumnConcrete = PierColumnConGra;
    r.bBzl = bBzl;
    r.bBzr = bBzr;
    if (circular) {
        r.ColumnD = D;
    } else {
        r.ColumnB = bRec;
        r.ColumnL = lRec;
    }

    // Tie beams.
    r.fXL = fXL;
    r.bXl = bXl;
    r.hXl = hXl;
    r.zXl = zXl;

    // Column section with its corners.
    r.ColumnShape = circular ? 1 : 0;
    r.ColumnShapeFixed = 1;
    if (circular) {
        r.CircD = D;
        r.CircD2 = 0.0;
        r.CircD3 = 0.0;
    } else {
        r.SectB = bRec;
        r.SectL = lRec;
        r.SectD2 = 0.0;
        r.SectD3 = 0.0;
        r.ChamferCode = ChamferCode(FilletMode);
        if (FilletMode == 2) r.ChamferR = R;
        if (FilletMode == 1) {
            r.ChamferX = X;
            r.ChamferY = Y;
        }
    }
    ColumnHeights.GetMin(r.MinColumnHeight);

    // Fixed codes and the remaining options.
    r.ColumnCodeFixed = 2;
    r.ColumnHeightRef = hHgl;
    r.CalcOpt9 = CalcOpt9;
    r.CalcOpt10 = CalcOpt10;
    r.ColumnFlagFixed = 1;
    r.CalcOpt8 = CalcOpt8;
    r.ColumnConcrete2 = PierColumnConGra;
    r.CalcOpt11 = CalcOpt11;
    r.FixedZero1 = 0;
    r.NotPileFoundation = kind == 1 ? 0 : 1;
    r.CalcOpt6 = CalcOpt6;
    r.CalcOpt7 = CalcOpt7;
    r.FixedZero2 = 0;

    // Tie beams, pedestals and stopper blocks with their materials.
    r.fXL2 = fXL;
    r.TieBeamConcrete = PierColumnConGra;
    r.bXl2 = bXl;
    r.hXl2 = hXl;
    r.PedestalsPresent = (BedStoneTypef == 0 && BedStoneTypeb == 0) ? 0 : 1;
    r.PedestalFixed = 1;
    r.PedestalConcrete = BedStoneConGra;
    r.StopperConcrete = StopperConGra;
    r.PedestalModeB2 = BedStoneTypeb;
    r.FixedZero3 = 0;
    r.hZzf = hZzf;
    r.hZzb = hZzb;
    r.PedestalModeF = BedStoneTypef - 1;
    r.PedestalModeB = BedStoneTypeb - 1;
    r.bAgRoad = -bAg;

    // The first stopper set: its widths square to the bridge axis like the bearing spacings (the
    // intake holds them along the skewed cap); the blocks' distances to the cap's edges as stored.
    r.hFz = hFz;
    r.bL1 = bL1 * cosA;
    r.bL2 = bL2 * cosA;
    r.bFzjl = bFzjl;
    r.bR1 = bR1 * cosA;
    r.bR2 = bR2 * cosA;
    r.bFzjr = bFzjr;

    // The foundation record of the kind; a record made before is released first, whatever its kind.
    r.FoundationKind = kind;
    r.PG001Data.reset();
    r.PG002Data.reset();
    r.PG003Data.reset();
    if (footing) {
        r.FoundationLength = KVDataCommon::sum(footing->lTj_JICHU) + footing->lKs_JICHU;
        r.FoundationText = footing->ConGra_JICHU;
        r.PG001Data = std::make_unique<PG001Calc_OrgData>();
        footing->Get_Cal_OrgData(r.PG001Data.get());
    } else if (piles) {
        r.FoundationLength = piles->lZ_JICHU;
        r.FoundationText = piles->ConGra_JICHU;
        r.PG002Data = std::make_unique<PG002Calc_OrgData>();
        PG002Calc_OrgData& pileRecord = *r.PG002Data;
        piles->Get_Cal_OrgData(&pileRecord);
        if (!circular)
            pileRecord.PileHeadCode = 1;
        else
            pileRecord.PileHeadCode = KVDataCommon::IsEqual(piles->GetHeadDiameter(), D) ? 2 : 3;
        // A single column stands on its pile with a column length of its own.
        pileRecord.ColumnLength = bBz.IsEmpty() ? 6000.0 : (zGl - zZct) * 1000.0 - hHgl;
        pileRecord.ColumnLength2 = 0.0;
    } else {
        r.FoundationLength = pileCap->lT_JICHU;
        r.FoundationText = pileCap->ConGra_JICHU;
        r.PG003Data = std::make_unique<PG003Calc_OrgData>();
        pileCap->Get_Cal_OrgData(r.PG003Data.get());
    }
    r.DY = DY;
    return 1;
}
