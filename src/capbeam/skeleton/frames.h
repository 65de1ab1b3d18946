// The skeleton frame table and the short number texts of the frame drawing's dimension labels.
#pragma once

#include "mfc/cstring.h"

class CPM001T0101Atom;

namespace CapBeamSkeleton {

// v rounded to n decimals and written short ("%g": 12.345 with n = 1 gives "12.3", 40.0 gives "40").
// Always in the C locale; a negative n counts as 0.
CString RoundToDecimals(double v, int n);

// Builds the frame table from the built frames (FrameStore) and their groups (FrameGroup): the row
// after the first frame of every group gets the group's heading; a group of main skeletons also
// gets its dimension cells, the first frame its dimension labels, and the row is entered in
// st.tFrame. Returns 0, building nothing, when no frame has a group; else 1.
int BuildFrameTable(CPM001T0101Atom& atom);

} // namespace CapBeamSkeleton
