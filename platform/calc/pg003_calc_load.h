// CPG003CalcLoad: the engine's load record of a pile cap under the pier.
#pragma once

#include "mfc/cstring.h"

// The pile cap's part of the pier's loads. The cap's origin object fills its size
// (CPG003org::Get_Cal_OrgLoad); the pier sets the reference level and the second real.
class CPG003CalcLoad {
public:
    double ReferenceLevel = 0.0;   // elevation of the cap bottom, m
    double FoundationValue2 = 0.0; // the pier input's second foundation real, unchanged
    double Length = 0.0;           // along the bridge, mm
    double Width = 0.0;            // across the bridge, mm
    double Thickness = 0.0;        // mm
    double Offset = 0.0;           // cap centre from the pier centre line, along the bridge, mm
    CString Concrete;              // catalogue label of the cap concrete
};
