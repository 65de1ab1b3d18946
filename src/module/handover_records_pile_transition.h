// GZ_GENERAL_PG005: what the pier hands the pile-to-column transition module.
#pragma once

#include "common/dbl_array.h"
#include "mfc/cstring.h"

// Lengths in mm. Fields the pier does not fill keep the values set here.
struct GZ_GENERAL_PG005 {
    int nFlag = 0;
    int nSym = 0;                   // 1: the transitions are laid out symmetrically
    int nCount = 0;                 // number of transitions
    int nNumber = 0;                // number of the pier component
    int nFlag2 = 0;
    double dPile = 0.0;             // pile diameter
    int nPiles = 0;                 // number of piles
    DblArray pileValues;            // one value per pile
    int nRelation = 0;              // column to pile: 1 column wider or rectangular, 2 equal, 3 pile wider
    int nKind = 0;                  // pile kind
    double dim1 = 0.0;              // transition dimensions
    double dim2 = 0.0;
    double dim3 = 0.0;
    double dim4 = 0.0;
    double dColumn = 0.0;           // column diameter
    int nSource = 0;                // 0: from a pile foundation; 1: from a pile cap
    int nFlag3 = 0;
    CString szConcrete;             // concrete grade of the transition
};
