// The bars of one skeleton frame, and the levels and marks of its top and bottom bars at every station.
#pragma once

#include "calc/pm001_cap_key_param.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "common/dbl_array.h"
#include "mfc/carray.h"
#include "mfc/cstring_array.h"

// The reinforcement object's members of the same names forward here; each works on the object's
// public members only.
namespace CapBeamFrameBars {

// Appends the bars of frame i to bars (the list is not emptied first) and sets fsk: 1 when the
// first key frame record of the frame's name takes its bars from bar groups (a main skeleton),
// else 0. The through bars are the object's shared records; every other bar is a new record of
// the object's BarPool, with its kind, mark, segment lengths and cut length. Returns 1.
int GetFrameiy(CPM001T0101Atom& atom, CPM001_CapKeyParam& kp, int i, CArray<CPM001T0101Atom::singAr*>& bars,
               int& fsk);

// Empties the four lists (releasing nothing) and fills each with one entry per station (support
// line k at station 2k, the mid-span after it at 2k + 1): the levels of frame i's top bars below
// the top surface and of its bottom bars above the beam bottom, with the bars' marks. The station
// lists are new records of the object's pools. Returns 1.
int GetFrameiyxz(CPM001T0101Atom& atom, CPM001_CapKeyParam& kp, int i, CArray<DblArray*>& zt, CArray<DblArray*>& zb,
                 CArray<CStringArray*>& ztLabel, CArray<CStringArray*>& zbLabel);

} // namespace CapBeamFrameBars
