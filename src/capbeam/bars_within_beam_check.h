// The check of a designed cap beam's reinforcement against the concrete of the beam.
#pragma once

class CPM001T0101Atom;

// Judges the reinforcement against the concrete's elevation: between the end faces, above the
// underside (rising over the tapered parts) and below the top (following the cross slopes) at each
// station, 1e-6 mm tolerance:
// - every bar of every skeleton frame, with its surface (half the main bar's outer diameter about
//   the centre line) at its free ends (cut square), its kinks and its bends (the arc of a bend, not
//   the corner point where its two straight legs would meet);
// - every stirrup record's legs no taller than the section at their stations less the covers;
// - the end-face bars' spread within the height of each end face, and their surface inside the
//   end faces (their axis sd_a inside them by at least half the bar's outer diameter);
// - the side bars' surface inside the side faces likewise (sh_a);
// - every tendon's nodes and sampled stations with its duct (half the duct's outer size upright
//   about the axis, reaching towards the nearest point of the underside or the top) between the
//   underside and the top, the axis between the end faces, where the duct ends; and each tendon's
//   position across the beam with its duct (half its outer size across) within the side faces.
// One error per bar mark, per stirrup set, for the end-face bars' spread, for their place along
// the beam, for the side bars and per tendon names the first that fails and how many fail.
// Returns the number of errors reported.
int CheckBarsWithinBeam(const CPM001T0101Atom& cap);
