// The cap's key values a design was made with, as its stored records carry them.
#pragma once

#include "calc/pm001_cap_key_param.h"

class CPM001T0101Atom;
struct CPM001DesignKeyRecord;

// The key values of the cap beam's design, taken from the design alone, so that a stored design
// is judged by what it was made with whatever has changed around it since: the covers, the
// diameters and bar types, the spacings and switches of the skeleton, stirrup, side-bar and
// end-face records; each frame's position from the frames laid; on a prestressed cap each tendon's
// positions across the beam, its duct and its control points from the tendons' records, and the
// bars along the tendons; and, from the design's key record when one was kept, the frame records,
// the frame names and the arcs of the bent-up bars. Every key the judges of a design read is
// given where the design holds it; any other is left at its default.
CPM001_CapKeyParam CapKeyValuesOfDesign(const CPM001T0101Atom& cap, const CPM001DesignKeyRecord* record);

// kp as a design of it stores it: the keys CapKeyValuesOfDesign gives back, each in the form the
// design keeps (a stirrup type truncated to a whole number, a kink radius 0 where the bars' bends
// are not allowed for, switches as 0 or 1), every other key at its default; the tendons and the
// bars along them only when tendonsLaid. A sound design of kp gives CapKeyValuesOfDesign equal
// to it.
CPM001_CapKeyParam CapKeyValuesAsStored(const CPM001_CapKeyParam& kp, bool tendonsLaid);
