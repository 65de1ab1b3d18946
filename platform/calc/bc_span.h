// BC_SPAN: the engine's record of one superstructure span with its girders and section properties.
#pragma once

#include "calc/bc_beam_property.h"
#include "calc/bc_section_property.h"

#include "common/dbl_array.h"
#include "mfc/cstring_array.h"

// Taken from the host's span record (ConvertSpanRecord); the values pass through in the host's
// units.
struct BC_SPAN {
    int BeamKind = 0;              // with Flag, tells a constant section from a varying one
    int Flag = 0;
    double Value1 = 0.0, Value2 = 0.0, Value3 = 0.0, Value4 = 0.0;
    BC_BEAM_PROPERTY StartBeam;
    BC_BEAM_PROPERTY EndBeam;
    DblArray Values;               // the span's number list
    int Option1 = 0;
    CStringArray Items;            // the items of the span's expression text
    BC_SECTION_PROPERTY Section;
    int Option2 = 0;
};
