// GZ_GENERAL_PG003: what the pier hands the pile-cap module.
#pragma once

#include "common/dbl_array.h"

// Lengths in mm, elevations in m, the skew angle in radians. Fields the pier does not fill keep
// the values set here.
struct GZ_GENERAL_PG003 {
    int nFlag = 0;
    double aPier = 0.0;             // skew of the pier
    double zTop = 0.0;              // elevation of the column bottoms
    int nColumns = 0;               // number of columns on the cap
    DblArray spacings;              // spacings between adjacent columns
    int nCentred = 0;               // 1: the columns stand centred on the cap
    int nFlag2 = 0;
};
