// The section kinds of the cap beam: the bars a cross-section cuts at one station, and the kind of every station.
#pragma once

#include "calc/pm001_cap_key_param.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "common/int_array.h"
#include "mfc/carray.h"

// The reinforcement object's members of the same names forward here; each works on the object's
// public members only.
namespace CapBeamSectionKinds {

// The cross-section at station x (taken square to the beam at each frame's own station along a
// skewed beam): appends the bars it cuts, of every frame in order, to bars and the number cut of
// each frame to counts (neither list is emptied); nUp and nDown count the cut bars above and below
// half the height. A steep run of a bar (rising more than a third of the height) is not cut,
// unless it belongs to a bent-up bar arc. Sets fNoteFormDM when a frame is a main skeleton or the
// cut-off bars cut here carry two marks or more. Returns 1.
int GetFrameix(CPM001T0101Atom& atom, CPM001_CapKeyParam& kp, double x, CArray<CPM001T0101Atom::singAr*>& bars,
               int& nUp, int& nDown, IntArray& counts);

// Gives every station (support lines and the mid-spans between them, in order along the beam) a
// section kind, from 2 upward: stations that cut the same bars in the same way share a kind; the
// kinds of groups holding a support line come first. Each frame's bars are picked once and every
// station is cut against them; the bars cut at each station are kept in StationBars. Returns 1 and replaces kinds; 0, leaving kinds as they were, when a station cuts no
// bar.
int GetenSectionAr(CPM001T0101Atom& atom, CPM001_CapKeyParam& kp, IntArray& kinds);

} // namespace CapBeamSectionKinds
