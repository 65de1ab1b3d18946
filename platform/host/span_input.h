// CCalGenSpan: one superstructure span beside the pier as the host holds it.
#pragma once

#include "beam_property.h"
#include "section_property_input.h"

#include "mfc/cstring.h"

struct CCalGenSpan {
    int nBeamKind = 0;              // with nFlag, tells a constant section from a varying one
    int nFlag = 0;
    double dValue1 = 0.0, dValue2 = 0.0, dValue3 = 0.0, dValue4 = 0.0;
    CCalGenBeamProperty StartBeam;  // girders at the span's start and end
    CCalGenBeamProperty EndBeam;
    CString strValues;              // a number list ("2*150,200")
    int nOption1 = 0;
    CString strItems;               // an expression whose items the engine takes as texts
    int nSectionForm = 0;           // 2 beam with cantilevers, 1 plain beam, other: none
    CCalGenSectionProperty Section;
    int nOption2 = 0;
};
