// CPG002: what the user enters for a pile foundation under the pier (keys end in "_JICHU").
#pragma once

#include "mfc/cstring.h"

// One bored pile under each column, optionally with an enlarged head where it meets the column,
// and optionally tie beams between neighbouring piles. Lengths in mm.
struct CPG002 {
    double rZ_JICHU = 0.0;    // pile diameter
    int fC_JICHU = 0;         // 1: the pile has an enlarged head
    double rC_JICHU = 0.0;    // diameter of the enlarged head
    double hC_JICHU = 0.0;    // length of the enlarged head
    double lZ_JICHU = 0.0;    // pile length, from the pile top down
    int nZType_JICHU = 0;     // 0 friction pile, 1 end-bearing pile
    int fXL_JICHU = 0;        // 1: tie beams between neighbouring piles (cleared for a one-column pier)
    double bXl_JICHU = 0.0;   // tie-beam width
    double hXl_JICHU = 0.0;   // tie-beam height
    CString zXl_JICHU;        // depth of each tie beam's top below the pile top, a number-list expression
    CString ConGra_JICHU;     // pile concrete, as the user names it ("C30")
};
