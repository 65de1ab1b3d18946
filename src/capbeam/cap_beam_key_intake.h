// The key-parameter intake of the cap beam: checks of the frame records and their spreading over the skeleton frames.
#pragma once

#include "calc/pm001_cap_key_param.h"

// Checks that the key parameters describe the skeleton frames consistently, in this order: every
// main frame record (fGJJ non-zero) has two bar groups per column line (nPier lines); there is one
// frame position per frame name; with lay mode 0, a record named "K(A,B)" names at least as many
// frames as there are frames named K. Reports the first failure through the error channel, naming
// the record, and returns 0; 1 when the key parameters can be taken. Nothing is changed.
int CheckKeyFrames(const CPM001_CapKeyParam& kp, int nPier);

// A whole number from a real key (a type code), truncated toward zero, as the design takes it; a
// value outside the int range gives 0.
int TruncatedInt(double value);

// Lay mode 0: rebuilds kp's frame records as one record per frame name, in frame order, and renames
// the frames after the records placed on them. A record "K(A,B)" is placed on the frames named K in
// turn under the names A, B; an active record without such a list on every frame of its name (its
// own name on a single frame whose name no record placed before carries, else a generated number
// in the numbering style of textStyleMode: 1 decimal, 2 Chinese numerals, other letters); the
// records without a list whose fGJJ is 0 are placed after all others. A frame that no record names
// keeps a default record and loses its name. Each placing shifts the record's end stations for the
// skew at the frame's offset y (by tanA x y; the left end station out, the right end station in)
// when skewFrames is 1. Expects key parameters that CheckKeyFrames accepted.
void SpreadKeyFrames(CPM001_CapKeyParam& kp, double tanA, int skewFrames, int textStyleMode);

// Cuts every record name before its "(" and trims the blanks around it.
void TrimKeyFrameNames(CPM001_CapKeyParam& kp);

// Bar states of the main frame records: a bar that is on (fBar) is marked as bent up over its
// support (fWQ 1) and as not crossing a span (fXJ 0); no bar of the outermost groups crosses a span.
void MarkKeyBarStates(CPM001_CapKeyParam& kp);
