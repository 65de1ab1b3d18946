// GZ_GENERAL_PG008: what the pier hands the tie-beam module for the tie beams between its columns or piles.
#pragma once

#include "common/dbl_array.h"
#include "mfc/cstring.h"

// Lengths in mm. The column fields describe the column the tie beams frame into: circular
// (dColumn) or rectangular (bColumn x lColumn with its corner treatment). Fields the pier does not
// fill keep the values set here.
struct GZ_GENERAL_PG008 {
    double bBeam = 0.0;             // tie-beam width
    double hBeam = 0.0;             // tie-beam height
    int nBeams = 0;                 // number of tie beams
    int nFlag = 0;
    DblArray spacings;              // spacings of the columns the beams run between
    int nPos = 0;                   // 2: between the pier's columns; 0: between the piles
    double dPile = 0.0;             // pile diameter (tie beams between piles)
    int nCircular = 0;              // 1: circular columns
    double dColumn = 0.0;           // circular column diameter
    double bColumn = 0.0;           // rectangular column width
    double lColumn = 0.0;           // rectangular column length
    int nFillet = 0;                // corner treatment code of a rectangular column
    double rFillet = 0.0;           // corner radius
    double xChamfer = 0.0;          // chamfer legs
    double yChamfer = 0.0;
    CString szConcrete;             // concrete grade of the tie beams
};
