// CPG001: what the user enters for a spread footing under the pier (keys end in "_JICHU").
#pragma once

#include "mfc/cstring.h"

// A stepped spread footing: a top layer on which the columns stand, and below it steps that
// widen the footing towards its bottom. Lengths in mm; "l" along the bridge, "b" across it.
// The step lists are expressions of the number-list form ("2*1000", "800,600"), one value per
// step, top step first.
struct CPG001 {
    double lKs_JICHU = 0.0;   // top layer: length along the bridge
    double bKs_JICHU = 0.0;   // top layer: length across the bridge
    double hKs_JICHU = 0.0;   // top layer: height
    double DY_JICHU = 0.0;    // offset of the footing centre from the pier centre line, along the bridge
    CString hTj_JICHU;        // heights of the steps below the top layer
    CString bTjl_JICHU;       // widening of each step across the bridge, left side
    CString bTjr_JICHU;       // widening of each step across the bridge, right side
    CString lTj_JICHU;        // widening of each step along the bridge, on each side
    CString ConGra_JICHU;     // footing concrete, as the user names it ("C30")
    int fPJ_JICHU = 0;        // 1: the footing's reinforcement is designed; 0: plain concrete footing
};
