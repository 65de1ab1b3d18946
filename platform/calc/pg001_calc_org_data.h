// PG001Calc_OrgData: the engine's origin record of a spread footing under the pier.
#pragma once

#include "common/dbl_array.h"
#include "mfc/cstring.h"

// Filled by the footing's origin object (CPG001org::Get_Cal_OrgData). Lengths in mm; "Length"
// runs along the bridge, "Width" across it. The step lists hold one value per step below the
// top layer, top step first.
class PG001Calc_OrgData {
public:
    double TopLength = 0.0;        // top layer along the bridge
    double TopWidth = 0.0;         // top layer across the bridge
    double TopHeight = 0.0;        // top layer height
    double Offset = 0.0;           // footing centre from the pier centre line, along the bridge
    DblArray StepHeights;
    DblArray StepWidthsLeft;       // widening of each step across the bridge, left side
    DblArray StepWidthsRight;      // widening of each step across the bridge, right side
    DblArray StepWidthsAlong;      // widening of each step along the bridge, on each side
    CString Concrete;              // catalogue label of the footing concrete
    int Reinforced = 0;            // 1: the footing's reinforcement is designed
};
