// What the user enters for the pier itself: cap beam, columns, tie beams, bearings, pedestals, stopper blocks.
#pragma once

#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

// Values are named by their input keys. Lengths in mm, elevations in m, slopes in percent as
// entered, angles as the road's pier assignment gives them. Codes and switches are ints.
struct PM001PierInput {
    CString Name;                 // the component's name as the project lists it, e.g. "P3"
    int fCalculated = 0;          // the host's "calculated" mark of the component

    int nStructureType = 1;       // 0 prestressed cap beam, otherwise ordinarily reinforced
    int nFoundationType = 2;      // foundation selector: 2 spread footing, 0 piles, 1 pile cap

    // Cap position and columns.
    double bAg = 0.0;             // distance of the cap's right end from the road design line
    double LG = 0.0;              // offset of the cap's width centre from the pier centre line
    double bBzl = 0.0, bBzr = 0.0;
    CString bBz;                  // column spacings, an expression such as "2*6500" or "6500,7000"
    int nColumnShape = 0;         // 0 circular columns, otherwise rectangular
    double D = 0.0;               // column diameter
    double bRec = 0.0, lRec = 0.0;
    int FilletMode = 0;           // rectangular column corners: 0 none, 1 straight, 2 arc chamfer
    double X = 0.0, Y = 0.0, R = 0.0;
    double zZct = 0.0;            // elevation of the column bottoms, m

    // Cap section and shape.
    int nSectionType = 0;
    double bAc = 0.0, zGl = 0.0;
    double hXbl = 0.0, bBpl = 0.0, hXbr = 0.0, bBpr = 0.0;
    double bTtl = 0.0, bXbl = 0.0, hml = 0.0, htl = 0.0;
    double bTtr = 0.0, bXbr = 0.0, hmr = 0.0, htr = 0.0;
    int nSlopeMode = 0;           // 0 one cross slope over the cap top, otherwise two
    double iLb = 0.0, iRb = 0.0, iLbL = 0.0, iLbR = 0.0, iRbL = 0.0, iRbR = 0.0;   // percent
    double B = 0.0, B1 = 0.0, B2 = 0.0, hHgf = 0.0, hHgb = 0.0, hHgl = 0.0, V = 0.0, U = 0.0;

    // Tie beams between the columns.
    int fXL = 0;
    double bXl = 0.0, hXl = 0.0;
    CString zXl;                  // tie-beam positions, an expression

    // Bearings and pedestals.
    int fTwoRows = 0;             // two bearing rows
    double zQf = 0.0, zQb = 0.0;
    CStringArray bQf, TypeZhif;   // front (or only) row: spacing texts and bearing type names
    CStringArray bQb, TypeZhib;   // back row
    int fBedStone = 0;            // bearing pedestals present
    int nBedStoneModef = 0, nBedStoneModeb = 0;   // pedestal mode switches of the two rows
    CStringArray hZzf, hZzb;      // pedestal heights, one text per pedestal
    double lZzf = 0.0, bZzf = 0.0, lZzb = 0.0, bZzb = 0.0;

    // Seismic stopper blocks.
    int fVaiDang = 0;             // the right blocks repeat the left ones
    double hFz = 0.0, bL1 = 0.0, bL2 = 0.0, bFzjl = 0.0, bR1 = 0.0, bR2 = 0.0, bFzjr = 0.0;
    double hFzf = 0.0, bLf1 = 0.0, bLf2 = 0.0, bFzfl = 0.0, bRf1 = 0.0, bRf2 = 0.0, bFzfr = 0.0;

    // Materials (names as the user types them).
    CString PierCapConGra, PierColumnConGra, BedStoneConGra, TieBeamConGra;

    // Design and calculation options carried into the calculation and design records.
    int fDisribute = 0, fVarjichupmt = 0, fZT = 0;
    int DesignSwitch1 = 0, DesignSwitch2 = 0, DesignSwitch3 = 0, DesignOpt4 = 0, DesignSwitch5 = 0, DesignOpt6 = 0;
    double DesignValue1 = 0.0;
    int DesignOpt7 = 0, DesignOpt8 = 0, DesignOpt9 = 0, DesignOpt10 = 0;
    double DesignValue2 = 0.0;
    CString gzPMScale, stPMScale, PrePMScale, gzLMScale;   // drawing scale texts
    int CalcSwitch1 = 0, CalcOpt2 = 0, CalcSwitch3 = 0, CalcSwitch4 = 0;
    CString DuctSeries, AnchorSeries;
    int CalcOpt6 = 0, CalcOpt7 = 0, CalcOpt8 = 0, CalcOpt9 = 0, CalcOpt10 = 0;
    int CalcOpt11 = 0, CalcSwitch12 = 0, CalcOpt13 = 0;
};
