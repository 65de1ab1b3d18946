// CPG001CalcLoad: the engine's load record of a spread footing under the pier.
#pragma once

#include "mfc/cstring.h"

// The footing's part of the pier's loads. The footing's origin object fills its size
// (CPG001org::Get_Cal_OrgLoad); the pier sets its name, its reference level and the second real.
class CPG001CalcLoad {
public:
    CString Name;                  // the pier's component name
    double ReferenceLevel = 0.0;   // elevation of the footing bottom, m
    double FoundationValue2 = 0.0; // the pier input's second foundation real, unchanged
    int LoadOption = 0;            // the pier sets 0
    double Length = 0.0;           // overall length along the bridge at the bottom step, mm
    double Width = 0.0;            // overall width across the bridge at the bottom step, mm
    double Height = 0.0;           // footing height, mm
    double Offset = 0.0;           // footing centre from the pier centre line, along the bridge, mm
    CString Concrete;              // catalogue label of the footing concrete
};
