// CPM001org::SetData: the pier's origin data taken from the host's input object, step by step.
#include "input/pier_origin_data.h"

#include "catalog/material_catalog.h"
#include "common/is_equal.h"
#include "common/list_sum.h"
#include "host/cpm001_input.h"
#include "host/drawing_setting.h"
#include "host/kv_expression.h"
#include "host/number_text.h"
#include "host/project_manager.h"
#include "host/report.h"
#include "host/road_norm.h"
#include "input/pier_surroundings.h"
#include "input/text_to_real.h"
#include "siblings/pile_cap.h"
#include "siblings/spread_footing.h"

#include <cmath>
#include <initializer_list>

namespace {

using KVDataCommon::IsEqual;

// A cosine this small belongs to a skew the diagnosis rejects; dividing by it would only blow
// the values up, so they are kept as entered.
constexpr double kSmallestCosine = 1e-6;

// A length across the bridge measured along the skewed cap.
double AlongSkew(double value, double cosA) { return std::fabs(cosA) >= kSmallestCosine ? value / cosA : value; }

// A value rounded to a whole millimetre as the end-height comparison rounds it: value + 0.5,
// truncated (in doubles, so that no value is out of range).
double RoundToWhole(double value) { return std::trunc(value + 0.5); }

// Pedestal mode of one bearing row: 0 without pedestals; else 1 or 2 by the row's mode switch.
// Without skew a row takes mode 1 at most.
int PedestalMode(int pedestalSwitch, int modeSwitch, double a)
{
    int mode = pedestalSwitch == 0 ? 0 : (modeSwitch == 0 ? 1 : 2);
    if (IsEqual(a, 0.0) && mode > 0) mode = 1;
    return mode;
}

// Removes the rows that are empty in every list of the group.
void ClearEmptyRows(std::initializer_list<CStringArray*> lists)
{
    CArray<CStringArray*, CStringArray*> group;
    for (CStringArray* list : lists) group.Add(list);
    Clear_Str_Empty(group);
}

} // namespace

// The numbers of a list text; an item that is not a number is left out (the diagnosis reports it
// from the input's text), and the reading ends at the expression cap.
void CPM001org::ReadListText(const CString& text, CArray<double>& values)
{
    values.RemoveAll();
    CStringArray tokens;
    ParseKVExpression(text, tokens);
    for (const CString& token : tokens) {
        double value = 0.0;
        if (ReadNumberText(token.str(), value)) values.Add(value);
    }
}

int CPM001org::SetData(unsigned /*ID*/, CPM001* input, const PierSurroundings* around)
{
    if (!input || !around) return 0;
    CPM001& in = *input;
    const double cosA = SetStructureAndSkew(in, *around);
    SetCapPosition(in);
    SetColumnSpacings(in);
    const double L = SetCapLengthAndLayMode();
    SetFoundationKind(in);
    const double columnGroupWidth = ColumnGroupWidth(in);
    SetFoundationLayout(in, *around, columnGroupWidth);
    SetCapSection(in);
    SetCrossSlopes(in, L);
    SetSectionSizesAndColumns(in);
    SetTieBeams(in);
    SetBearings(in, cosA);
    SetPedestals(in);
    SetStoppers(in, cosA);
    SetMaterials(in);
    SetDesignOptions(in, *around);
    SetEndHeights();
    SetCalcOptions(in);
    SetTextStyle(*around);
    SetColumnTopsAndHeights();
    SetLastOptions(in);
    return 1;
}

// Structure type and skew; returns the skew's cosine.
double CPM001org::SetStructureAndSkew(const CPM001& in, const PierSurroundings& around)
{
    JGType = in.nStructureType == 0 ? 1 : 0;
    if (CRoadNorm* road = around.pRoad) road->GetRoadPierSpanAssign()->GetPierSkewAngle(around.nLabel, a);
    return std::cos(a);
}

// Cap position.
void CPM001org::SetCapPosition(const CPM001& in)
{
    bAg = -in.bAg;
    vP = in.LG;
    bBzl = in.bBzl;
    bBzr = in.bBzr;
}

// Column spacings: only positive spacings stand for a column.
void CPM001org::SetColumnSpacings(const CPM001& in)
{
    CArray<double> spacings;
    ReadListText(in.bBz, spacings);
    for (const double spacing : spacings)
        if (spacing > 0.0) bBz.Add(spacing);
}

// Cap length and whether the road design line crosses the cap; returns the cap length.
double CPM001org::SetCapLengthAndLayMode()
{
    const double L = CapLength();
    PierLayMode = (bAg >= 0.0 || bAg <= -L) ? 0 : 1;
    fSeparationSymmetry = 0;
    return L;
}

// Foundation kind; a selector naming no foundation leaves the kind as it was.
void CPM001org::SetFoundationKind(const CPM001& in)
{
    switch (in.nFoundationType) {
    case 2: BaseType = 0; break;
    case 0: BaseType = 1; break;
    case 1: BaseType = 2; break;
    default: break;
    }
}

// Width of the column group across the bridge.
double CPM001org::ColumnGroupWidth(const CPM001& in) const
{
    return KVDataCommon::sum(bBz) + (in.nColumnShape == 0 ? in.D : in.bRec);
}

// Foundation layout: one foundation under the whole group when it is longer across than the
// group is wide (always for piles), else one under each column. Without a foundation object of
// the selected kind there is no foundation to lay out.
void CPM001org::SetFoundationLayout(const CPM001& in, const PierSurroundings& around, double columnGroupWidth)
{
    BaseLayMode = 0;
    DY = 0.0;
    auto layOn = [&](double lengthAcross, double offset) {
        BaseLayMode = columnGroupWidth < lengthAcross ? 1 : 0;
        DY = offset;
    };
    switch (in.nFoundationType) {
    case 2:
        if (const CPG001org* footing = around.pFootingOrg)
            layOn(footing->GetLengthAcross(), footing->GetOffset());
        break;
    case 0: BaseLayMode = 1; break;
    case 1:
        if (const CPG003org* pileCap = around.pPileCapOrg)
            layOn(pileCap->GetLengthAcross(), pileCap->GetOffset());
        break;
    default: break;
    }
    DX = 0.0;
}

// Cap section.
void CPM001org::SetCapSection(const CPM001& in)
{
    SectionType = (in.nSectionType == 1 || in.nSectionType == 2) ? in.nSectionType : 0;
    bAc = in.bAc;
    zGl = in.zGl;
    hXbl = in.hXbl;
    bBpl = in.bBpl;
    hXbr = in.hXbr;
    bBpr = in.bBpr;
    hHgl = in.hHgl;
    bTtl = in.bTtl;
    bXbl = in.bXbl;
    hml = in.hml;
    htl = in.htl;
    bTtr = in.bTtr;
    bXbr = in.bXbr;
    hmr = in.hmr;
    htr = in.htr;
}

// Cross slopes. Two slopes need their meeting point strictly inside the cap; with the control
// section at or beyond an end and no first-pair slope there is only one slope.
void CPM001org::SetCrossSlopes(const CPM001& in, double L)
{
    fSingleSlope = in.nSlopeMode == 0 ? 1 : 0;
    if (fSingleSlope == 0) {
        const bool outside = bAc < 0.0 || IsEqual(bAc, 0.0) || bAc > L || IsEqual(bAc, L);
        if (outside && IsEqual(in.iLb, 0.0) && IsEqual(in.iRb, 0.0)) fSingleSlope = 1;
    }
    auto slopePair = [this](double leftPercent, double rightPercent, double& left, double& right) {
        left = leftPercent * 0.01;
        right = fSingleSlope ? -left : rightPercent * 0.01;
    };
    slopePair(in.iLb, in.iRb, iLb, iRb);
    slopePair(in.iLbL, in.iLbR, iLbL, iLbR);
    slopePair(in.iRbL, in.iRbR, iRbL, iRbR);
}

// Section sizes and columns.
void CPM001org::SetSectionSizesAndColumns(const CPM001& in)
{
    B = in.B;
    B1 = in.B1;
    B2 = in.B2;
    hHgf = in.hHgf;
    hHgb = in.hHgb;
    V = in.V;
    U = in.U;
    zZct = in.zZct;
    D = in.D;
    bRec = in.bRec;
    lRec = in.lRec;
    ColumnSectionType = in.nColumnShape == 0 ? 1 : 0;
    lCzf = B / 2.0 - in.LG - (ColumnSectionType == 1 ? in.D : in.lRec) / 2.0;
    if (in.FilletMode >= 0 && in.FilletMode <= 2) FilletMode = in.FilletMode;
    X = in.X;
    Y = in.Y;
    R = in.R;
}

// Tie beams.
void CPM001org::SetTieBeams(const CPM001& in)
{
    fXL = in.fXL;
    if (fXL) {
        bXl = in.bXl;
        hXl = in.hXl;
        CArray<double> levels;
        ReadListText(in.zXl, levels);
        for (const double level : levels) zXl.Add(level);
    }
}

// Bearings. Rows empty in both the spacing and the type list are dropped from the input. A spacing
// text that is not wholly a number is held as NaN, for the diagnosis to report.
void CPM001org::SetBearings(CPM001& in, double cosA)
{
    CushionNumber = in.fTwoRows ? 2 : 1;
    ClearEmptyRows({&in.bQf, &in.TypeZhif});
    if (CushionNumber == 2) ClearEmptyRows({&in.bQb, &in.TypeZhib});
    fVaiKongZhi = 0;
    zQf = in.zQf;
    zQb = in.zQb;
    for (const CString& text : in.bQf) bQf.Add(AlongSkew(TextToRealOrNaN(text), cosA));
    for (const CString& text : in.bQb) bQb.Add(AlongSkew(TextToRealOrNaN(text), cosA));
    TypeZhif.Copy(in.TypeZhif);
    TypeZhib.Copy(in.TypeZhib);
}

// Pedestals.
void CPM001org::SetPedestals(CPM001& in)
{
    BedStoneTypef = PedestalMode(in.fBedStone, in.nBedStoneModef, a);
    ClearEmptyRows({&in.hZzf});
    if (CushionNumber == 2) ClearEmptyRows({&in.hZzb});
    if (BedStoneTypef != 0) {
        for (const CString& text : in.hZzf) hZzf.Add(TextToReal(text));
        lZzf = in.lZzf;
        bZzf = in.bZzf;
    }
    if (CushionNumber == 2) {
        BedStoneTypeb = PedestalMode(in.fBedStone, in.nBedStoneModeb, a);
        if (BedStoneTypeb != 0) {
            for (const CString& text : in.hZzb) hZzb.Add(TextToReal(text));
            lZzb = in.lZzb;
            bZzb = in.bZzb;
        }
    } else {
        BedStoneTypeb = 0;
    }
}

// Stopper blocks, their widths and distances along the skewed cap.
void CPM001org::SetStoppers(const CPM001& in, double cosA)
{
    fHaveStopper = 1;
    fVaiDang = in.fVaiDang;
    hFz = in.hFz;
    hFzf = in.hFzf;
    bL1 = AlongSkew(in.bL1, cosA);
    bL2 = AlongSkew(in.bL2, cosA);
    bFzjl = AlongSkew(in.bFzjl, cosA);
    bLf1 = AlongSkew(in.bLf1, cosA);
    bLf2 = AlongSkew(in.bLf2, cosA);
    bFzfl = AlongSkew(in.bFzfl, cosA);
    const bool repeatLeft = fVaiDang != 0;
    bR1 = AlongSkew(repeatLeft ? in.bL1 : in.bR1, cosA);
    bR2 = AlongSkew(repeatLeft ? in.bL2 : in.bR2, cosA);
    bFzjr = AlongSkew(repeatLeft ? in.bFzjl : in.bFzjr, cosA);
    bRf1 = AlongSkew(repeatLeft ? in.bLf1 : in.bRf1, cosA);
    bRf2 = AlongSkew(repeatLeft ? in.bLf2 : in.bRf2, cosA);
    bFzfr = AlongSkew(repeatLeft ? in.bFzfl : in.bFzfr, cosA);
}

// Materials as the catalogue labels them; the stopper blocks are cast with the cap.
void CPM001org::SetMaterials(const CPM001& in)
{
    PierCapConGra = in.PierCapConGra;
    PierCapConGra.Trim();
    PierColumnConGra = in.PierColumnConGra;
    PierColumnConGra.Trim();
    BedStoneConGra = in.BedStoneConGra;
    BedStoneConGra.Trim();
    StopperConGra = in.PierCapConGra;
    StopperConGra.Trim();
    TieBeamConGra = in.TieBeamConGra;
    TieBeamConGra.Trim();
    for (CString* name : {&PierCapConGra, &PierColumnConGra, &BedStoneConGra, &StopperConGra, &TieBeamConGra})
        GetMaterialLabelFromName(*name, *name);
}

// Design options and texts.
void CPM001org::SetDesignOptions(const CPM001& in, const PierSurroundings& around)
{
    fDisribute = in.fDisribute;
    fVarjichupmt = in.fVarjichupmt;
    fZT = in.fZT;
    DesignOpt1 = in.DesignSwitch1 == 0 ? 1 : 0;
    DesignOpt2 = in.DesignSwitch2 != 0 ? 1 : 0;
    DesignOpt3 = (DesignOpt1 != 0 && in.DesignSwitch3 == 0) ? 1 : 0;
    DesignOpt4 = in.DesignOpt4;
    DesignOpt5 = in.DesignSwitch5 == 0 ? 1 : 0;
    DesignValue1 = in.DesignValue1;
    DesignText1 = CString("N");
    DesignOpt6 = in.DesignOpt6;
    if (CRoadNorm* road = around.pRoad) TendonMaterial = road->GetRoadGeneral()->GetDesignTendonMaterialName(1);
    ComponentLabel = around.nLabel;
    gzPMScale = TextToReal(in.gzPMScale);
    stPMScale = TextToReal(in.stPMScale);
    PrePMScale = TextToReal(in.PrePMScale);
    gzLMScale = TextToReal(in.gzLMScale);
    DesignOpt7 = in.DesignOpt7;
    DesignOpt8 = in.DesignOpt8;
    DesignOpt9 = in.DesignOpt9;
    DesignOpt10 = in.DesignOpt10;
    DesignValue2 = in.DesignValue2;
}

// End heights from the slopes; an entered end height that the slopes give anyway means that
// side has no variable-height part.
void CPM001org::SetEndHeights()
{
    DeriveEndHeights();
    if (IsEqual(RoundToWhole(hXbl), RoundToWhole(HeightLeftEnd))) bBpl = 0.0;
    if (IsEqual(RoundToWhole(hXbr), RoundToWhole(HeightRightEnd))) bBpr = 0.0;
}

// Calculation options.
void CPM001org::SetCalcOptions(const CPM001& in)
{
    CalcOpt1 = in.CalcSwitch1 != 0 ? 1 : 0;
    CalcOpt2 = in.CalcOpt2;
    CalcOpt3 = in.CalcSwitch3 != 0 ? 1 : 0;
    CalcOpt4 = in.CalcSwitch4 != 0 ? 1 : 0;
    CalcOpt5 = in.fDisribute;
    DuctSeries = in.DuctSeries;
    DuctSeries.Trim();
    AnchorSeries = in.AnchorSeries;
    AnchorSeries.Trim();
    CalcOpt6 = in.CalcOpt6;
    CalcOpt7 = in.CalcOpt7;
    CalcOpt8 = in.CalcOpt8;
    CalcOpt9 = in.CalcOpt9;
    CalcOpt10 = in.CalcOpt10;
    CalcOpt12 = in.CalcSwitch12 != 0 ? 1 : 0;
}

// Text style of the drawings.
void CPM001org::SetTextStyle(const PierSurroundings& around)
{
    textstyle style;
    if (CProjectManager* manager = around.pProjectManager) manager->GetDrawingSetting()->GetDrawText(style);
    TextStyleMode = style.mode == 0 ? 1 : (style.mode == 2 ? 2 : 0);
}

// Column tops and heights, left to right. Under two slopes the bottom is level at the control
// section's depth; under one slope it runs parallel to the top.
void CPM001org::SetColumnTopsAndHeights()
{
    const bool twoSlopes = !IsEqual(iLb, -iRb);
    const double leftEndTop = zGl - bAc * iLb / 1000.0;
    double x = bBzl;
    for (int i = 0; i <= bBz.GetSize(); ++i) {
        if (i > 0) x += bBz[i - 1];
        const double top = twoSlopes ? zGl - hHgl / 1000.0 : leftEndTop - hHgl / 1000.0 + x * iLb / 1000.0;
        ColumnTopLevels.Add(top);
        ColumnHeights.Add((top - zZct) * 1000.0);
    }
}

// The last options.
void CPM001org::SetLastOptions(const CPM001& in)
{
    CalcOpt11 = in.CalcOpt11;
    CalcOpt13 = in.CalcOpt13;
}
