// The standard inclined bars of the skeleton: short inclined bars welded in beside the support lines
// and at the beam ends, their marks and schedule rows.
#pragma once

#include "calc/pm001_cap_key_param.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "mfc/carray.h"

namespace CapBeamInclinedBars {

// Two inclined bar shapes are the same bar when their bend and top angles, fillet flag, segment
// lengths (in whole tenths), total length (to 0.1) and end-face flag agree.
bool IsSameBJXZ(const CPM001T0101Atom::M_BJXZ& a, const CPM001T0101Atom::M_BJXZ& b);

// The standard inclined bars of every main skeleton frame: one for each group entry that is neither
// bent over the support line nor carried across the span, with both weld legs. Equal bars share a
// mark (new marks continue the object's running counter); the marked bars are appended to bars and
// one schedule row per mark to rows; nInclMarks becomes the number of new marks. Returns 1.
int GetGJFrame_BZXJ(CPM001T0101Atom& atom, CPM001_CapKeyParam& kp, CArray<CPM001T0101Atom::M_BZXJR>& bars,
                    CArray<CPM001T0101Atom::tRn>& rows);

} // namespace CapBeamInclinedBars
