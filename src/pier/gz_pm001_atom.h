// GZ_PM001Atom: the cap-beam parameter record handed from the pier's design record to the cap beam and its tendons.
#pragma once

#include "common/dbl_array.h"
#include "mfc/cstring.h"

// Filled by the component from the pier's design record for one design of the cap beam and
// released after it. Lengths in mm, the skew angle a in radians, cross slopes as fractions, flags
// 0 = no. Every number starts at 0, the list and the texts empty. The tendon fields (PierLayMode
// to ComponentLabel) are filled only for a prestressed cap beam (JGType non-zero); dGZ1 to nGZ1
// are never filled by the component and stay 0.
class GZ_PM001Atom {
public:
    GZ_PM001Atom();

    int PMorPT = 0;                 // which skew correction of the cantilevers applies; always 1 from the pier
    double hXbl = 0.0;              // height of the left cantilever end face
    double hXbr = 0.0;              // height of the right cantilever end face
    double a = 0.0;                 // skew angle
    double lWg = 0.0;               // cap-beam width
    double bBg = 0.0;               // cap-beam length
    double vP = 0.0;                // width over which the skew shifts the cantilever ends
    double iLb = 0.0;               // top cross slope left of the crown
    double iRb = 0.0;               // top cross slope right of the crown
    double hHpl = 0.0;              // rise of the underside at the left end
    double hHpr = 0.0;              // rise of the underside at the right end
    double bBpr = 0.0;              // horizontal length of the right variable-height part
    double bBpl = 0.0;              // horizontal length of the left variable-height part
    DblArray bBz;                   // spacings between adjacent columns (columns = count + 1)
    double bBzl = 0.0;              // beam end to the first column line
    double bBzr = 0.0;              // last column line to the beam end
    double bAc = 0.0;               // station of the crown
    double hHgl = 0.0;              // cap-beam height at the crown
    int SectionType = 0;            // cap-beam section kind
    double lCzf = 0.0;
    double lCzb = 0.0;
    double B = 0.0;                 // cap-beam width along the bridge
    double V = 0.0;
    int JGType = 0;                 // non-zero: prestressed cap beam
    CString PierCapConGra;          // cap-beam concrete grade ("C40")
    int fZT = 0;
    int fTuncateRibLM = 0;          // drawing options of the cap beam
    int fNoteFormDM = 0;
    int fNoteFormSK = 0;
    double FramePaneWidth = 0.0;
    int ColumnSectionType = 0;      // 0: rectangular columns bRec x lRec; non-zero: circular, diameter D
    double bRec = 0.0;
    double lRec = 0.0;
    double D = 0.0;
    double R = 0.0;                 // column chamfer values
    double X = 0.0;
    double Y = 0.0;
    int FilletMode = 0;

    // Tendon layout and drawing options (prestressed cap beam only).
    int PierLayMode = 0;
    int fSeparationSymmetry = 0;
    double bAg = 0.0;
    int DesignOpt1 = 0;
    int DesignOpt2 = 0;
    int DesignOpt3 = 0;
    int DesignOpt4 = 0;
    double DesignValue1 = 0.0;      // interval of the tendon profile's stations
    CString DesignText1;
    int DesignOpt5 = 0;
    CString DesignText2;
    int DesignOpt6 = 0;             // non-zero: the tendon layout may be drawn symmetric
    CString TendonMaterial;         // catalogue name of the tendon material
    int ComponentLabel = 0;

    double dGZ1 = 0.0;
    double dGZ2 = 0.0;
    double dGZ3 = 0.0;              // offset term of the column-based skew correction
    double dGZ4 = 0.0;
    int nGZ1 = 0;
    int TextStyleMode = 0;          // drawing text style code
    int fHaveBedStonef = 0;         // 1: the front bearing row has pedestals
};
