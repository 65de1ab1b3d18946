// CPM001Calc_Org: the pier engine's origin record (geometry, materials, options, foundation record).
#pragma once

#include "calc/pg001_calc_org_data.h"
#include "calc/pg002_calc_org_data.h"
#include "calc/pg003_calc_org_data.h"

#include "common/dbl_array.h"
#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

#include <memory>

// Filled by the component (CPM001org::Get_Cal_OrgData) before the engine takes it over, in the
// engine's conventions: lengths in mm, elevations in m, slopes as fractions, the skew angle in
// radians, lengths across the bridge measured square to the bridge axis. The fields are in the
// engine's order. The record owns the foundation record of the pier's foundation kind; the other
// two pointers are null.
class CPM001Calc_Org {
public:
    int CalcOpt1 = 0, CalcOpt2 = 0, CalcOpt3 = 0, CalcOpt4 = 0, CalcOpt5 = 0;
    int JGType = 0;                        // 1 prestressed cap beam
    CString DuctSeries, AnchorSeries, CapConcrete;
    double CapLength = 0.0;
    double bAc = 0.0;                      // double-slope control section from the left end
    double iLb = 0.0, iRb = 0.0;           // cap-top cross slopes
    double bBpl = 0.0, bBpr = 0.0;         // variable-height lengths
    double hXbl = 0.0, hXbr = 0.0;         // end heights
    double bBzlCap = 0.0, bBzrCap = 0.0;   // outer columns from the cap ends
    DblArray ColumnSpacings;
    double B = 0.0;                        // cap section width
    double hHgl = 0.0;                     // cap section height at the cantilever roots
    double a = 0.0;                        // skew angle
    double LeftEndDrop = 0.0;              // how far the cap's ends lie below its full height
    double RightEndDrop = 0.0;
    double BTop = 0.0;
    double V = 0.0;
    int CalcOpt12 = 0;
    int CalcOpt13 = 0;
    double vP = 0.0;
    double zGl = 0.0;                      // cap-top elevation at the control section
    int CushionNumber = 0;                 // bearing rows
    double zQf = 0.0;
    DblArray bQf;                          // front-row bearing spacings
    CStringArray TypeZhif;
    double lZzf = 0.0, bZzf = 0.0;
    double zQb = 0.0;
    DblArray bQb;                          // back-row bearing spacings
    CStringArray TypeZhib;
    double lZzb = 0.0, bZzb = 0.0;
    int ColumnIsRect = 0;
    double zZct = 0.0;                     // elevation of the column bottoms
    CString ColumnConcrete;
    double bBzl = 0.0, bBzr = 0.0;
    double ColumnD = 0.0;                  // circular columns
    double ColumnB = 0.0, ColumnL = 0.0;   // rectangular columns, across and along
    int fXL = 0;                           // tie beams between the columns
    double bXl = 0.0, hXl = 0.0;
    DblArray zXl;
    double bAgRoad = 0.0;                  // the cap's right end from the road design line
    int PedestalModeF = 0, PedestalModeB = 0;   // -1 no pedestals
    int ColumnShape = 0;                   // 0 rectangular, 1 circular
    int ColumnShapeFixed = 0;
    double SectB = 0.0, SectL = 0.0;
    double SectD2 = 0.0, SectD3 = 0.0;
    int ChamferCode = 0;                   // 0 arc chamfer, 1 straight chamfer, 2 none
    double ChamferR = 0.0;
    double ChamferX = 0.0, ChamferY = 0.0;
    double FoundationLength = 0.0;
    int ColumnCodeFixed = 0;
    double ColumnHeightRef = 0.0;
    int CalcOpt9 = 0, CalcOpt10 = 0;
    int ColumnFlagFixed = 0;
    int CalcOpt8 = 0;
    CString ColumnConcrete2;
    int CalcOpt11 = 0;
    CString FoundationText;
    int FixedZero1 = 0;
    int NotPileFoundation = 0;
    double CircD = 0.0, CircD2 = 0.0, CircD3 = 0.0;
    double MinColumnHeight = 0.0;
    int CalcOpt6 = 0, CalcOpt7 = 0;
    int FixedZero2 = 0;
    int fXL2 = 0;
    CString TieBeamConcrete;
    double bXl2 = 0.0, hXl2 = 0.0;
    int PedestalsPresent = 0;
    int PedestalFixed = 0;
    CString PedestalConcrete, StopperConcrete;
    int PedestalModeB2 = 0;
    int FixedZero3 = 0;
    DblArray hZzf, hZzb;                   // pedestal heights
    double hFz = 0.0;                      // stopper blocks
    double bL1 = 0.0, bL2 = 0.0;
    double bFzjl = 0.0;
    double bR1 = 0.0, bR2 = 0.0;
    double bFzjr = 0.0;
    int FoundationKind = 0;                // 0 spread footing, 1 pile foundation, 2 pile cap
    std::unique_ptr<PG001Calc_OrgData> PG001Data;
    std::unique_ptr<PG002Calc_OrgData> PG002Data;
    std::unique_ptr<PG003Calc_OrgData> PG003Data;
    double DY = 0.0;                       // foundation offset
};
