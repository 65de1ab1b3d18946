// PC001T01ZD01_General, PC001T01ZD02_General: what the pier hands the column module for rectangular and circular columns.
#pragma once

#include "common/dbl_array.h"
#include "mfc/cstring.h"

// Rectangular columns. Lengths in mm. The foundation code nBase is 2 spread footing, 0 pile
// foundation, 1 pile cap. Fields the pier does not fill keep the values set here.
struct PC001T01ZD01_General {
    int nFlag = 0;
    DblArray heights;               // height of each column, left to right
    double bColumn = 0.0;           // column width
    double lColumn = 0.0;           // column length
    double value1 = 0.0;            // further values of the module, not used by the pier
    double value2 = 0.0;
    double value3 = 0.0;
    double value4 = 0.0;
    double value5 = 0.0;
    double value6 = 0.0;
    int nFillet = 0;                // corner treatment code
    double rFillet = 0.0;           // corner radius
    double xChamfer = 0.0;          // chamfer legs
    double yChamfer = 0.0;
    double dTopStep = 0.0;          // step at the column top
    CString szConcrete;             // column concrete grade
    int nFlag2 = 0;
    int nBase = 0;                  // foundation code (above)
    double dBase = 0.0;             // pile diameter under the column
    int nFlag3 = 0;
};

// Circular columns. Lengths in mm. The foundation code nBase is the pier's foundation kind:
// 0 spread footing, 1 pile foundation, 2 pile cap. Fields the pier does not fill keep the values
// set here.
struct PC001T01ZD02_General {
    CString szName;                 // what the columns carry ("盖梁")
    int nFlag = 0;
    DblArray heights;               // height of each column, left to right
    double dColumn = 0.0;           // column diameter
    int nFlag2 = 0;
    int nFlag3 = 0;
    double value1 = 0.0;            // further values of the module, not used by the pier
    double value2 = 0.0;
    double value3 = 0.0;
    double dBaseDepth = 0.0;        // depth of the footing or pile cap under the columns
    int nBaseTop = 0;               // 1: the columns stand on a footing or a cap
    int nPile = 0;                  // 1: each column continues into a pile
    double dPile = 0.0;             // pile diameter under the column
    CString szConcrete;             // column concrete grade
    int nBase = 0;                  // foundation kind (above)
};
