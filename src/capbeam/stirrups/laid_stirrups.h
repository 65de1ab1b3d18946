// Where the stirrups of a designed cap beam stand, record by record, walked again from its layout.
#pragma once

#include "capbeam/cap_beam_reinforcement.h"
#include "geometry/dbl_point_array.h"

namespace CapBeamStirrups {

// Stations from the beam's left end, from <= to.
struct Stretch {
    double from = 0.0;
    double to = 0.0;
};

// The stretches that hold every stirrup of each kind of record, from its outermost stirrups.
struct LaidStirrups {
    Stretch main;      // the main records': from the outermost at the left end to that at the right
    Stretch taper[2];  // the taper records' at the left and the right end (their outermost at the
                       // end distance where an end holds none)
    Stretch zone[2];   // the skewed-end records' at the left and the right end, where they hold some
};

// Walks the stirrup layout the design left in the beam's stirrup set again, as the records were
// counted and their legs taken: a support line's densified zone may reach nearer an end than the
// end distance, and its stirrups stand there. outline: the through bars' outer offset outline the
// layout was laid by, whose kinks end the tapered parts. The walk reads the cantilevers as the
// design's steps read them, shifted for the skew (CantileverShiftInDesign): for its length the beam
// holds them so, then it is given back the very values it stored. false, without a report, when the
// stored layout is not one the design can leave (a damaged store, or a beam put together without one).
bool FindLaidStirrups(CPM001T0101Atom& atom, const CDblPointArray& outline, LaidStirrups& laid);

} // namespace CapBeamStirrups
