// CPM001_CapTendon: the cap beam's data for the calculation report (side-face bars and stirrups).
#pragma once

#include "mfc/carray.h"

// Filled by the component for one report from the cap beam's reinforcement design; the fields
// carry the names of the design values they come from ("sh_" side-face bars, "sg_" stirrups).
// Lengths in millimetres.
class CPM001_CapTendon {
public:
    double sh_a = 0.0;                 // position of the side-face bars, measured as the skeleton's a
    int sh1_n = 0;                     // number of full-length side-face bars
    int sh2_n = 0;                     // number of side-face bars shortened by a sloped underside
    CArray<int, int> sg_ns;            // normal stirrup spacings: left cantilever, each span, right cantilever
    int sg_nasl = 0;                   // end-rest spacings at the left end
    int sg_nasr = 0;                   // end-rest spacings at the right end
    CArray<double, double> sg_as;      // rest spacing of each zone of sg_ns
    CArray<int, int> sg_lns2;          // densified spacings left of each support line
    CArray<int, int> sg_rns2;          // densified spacings right of each support line
    CArray<int, int> sg_asType;        // kind of each zone of sg_as: 1 rest length only, 2 spaced
    int sg_lXBns2 = 0;                 // densified spacings fitted into the left end zone
    int sg_rXBns2 = 0;                 // the same at the right end
    int sg_nAns = 0;                   // spacings of the uniform stirrup layout
    double sg_b = 0.0;                 // end offset of the uniform layout square to the axis
    double sg_bMid = 0.0;              // offset of its first stirrup
    double sg_Aas = 0.0;               // end offset of the uniform layout along the skew
};
