// CPG002CalcLoad: the engine's load record of a pile foundation under the pier.
#pragma once

#include "mfc/cstring.h"

// The piles' part of the pier's loads. The pile foundation's origin object fills the pile
// (CPG002org::Get_Cal_Load); the pier sets the reference level and the second real.
class CPG002CalcLoad {
public:
    double ReferenceLevel = 0.0;   // elevation of the pile tops (the column bottoms), m
    double FoundationValue2 = 0.0; // the pier input's second foundation real, unchanged
    double PileDiameter = 0.0;     // mm
    double PileLength = 0.0;       // mm
    CString Concrete;              // catalogue label of the pile concrete
};
