// The check of a designed cap beam's reinforcement against the concrete of the beam.
#pragma once

class CPM001T0101Atom;

// Judges every bar of every skeleton frame: its free ends, its kinks and its bends (the arc of a
// bend, not the corner point where its two straight legs would meet) lie within the beam's length
// and depth (from the bottom to the top at the station, 1e-6 mm tolerance). One error per bar mark
// names the first bar that fails and how many fail. Returns the number of errors reported.
int CheckBarsWithinBeam(const CPM001T0101Atom& cap);
