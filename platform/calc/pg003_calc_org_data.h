// PG003Calc_OrgData: the engine's origin record of a pile cap on piles under the pier.
#pragma once

#include "common/dbl_array.h"
#include "mfc/cstring.h"

// Filled by the pile cap's origin object (CPG003org::Get_Cal_OrgData). Lengths in mm; "Length"
// runs along the bridge, "Width" across it; n spacings give n + 1 piles in their direction.
class PG003Calc_OrgData {
public:
    int BodyKind = 0;              // cap body: 0 rectangular, 1 round-ended, 2 third form
    int ColumnJoint = 0;           // 0 through a transition piece, 1 column set into the cap
    double Length = 0.0;
    double Width = 0.0;            // overall, round ends included
    double Thickness = 0.0;
    double Offset = 0.0;           // cap centre from the pier centre line, along the bridge
    double EndRadius = 0.0;        // round-ended cap: radius of the end arcs
    double PileDiameter = 0.0;
    double PileLength = 0.0;       // from the cap bottom down
    DblArray PileSpacingsAcross;
    DblArray PileSpacingsAlong;
    CString Concrete;              // catalogue label of the cap concrete
};
