// GZ_GENERAL_PG001: what the pier hands the spread-footing module.
#pragma once

#include "common/dbl_array.h"

// Elevations in m, the skew angle in radians. Fields the pier does not fill keep the values set here.
struct GZ_GENERAL_PG001 {
    int nFlag = 0;
    DblArray topLevels;             // elevation of the footing top under each column group
    DblArray list2;                 // a further list of the module, not used by the pier
    double aPier = 0.0;             // skew of the pier
    int nFlag2 = 0;
    double value1 = 0.0;            // a further value of the module, not used by the pier
    int nFlag3 = 0;
    double zTop = 0.0;              // elevation of the column bottoms
    double value2 = 0.0;            // a further value of the module, not used by the pier
};
