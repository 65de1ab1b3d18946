// Where the stirrups of a designed cap beam stand, record by record, walked again from its layout.
#pragma once

#include "capbeam/stirrups/plan.h"
#include "geometry/dbl_point_array.h"

#include <vector>

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

// An outer cantilever of the densified square layout whose densified spacings at its support line
// leave its normal spacings below zero as the design first counts them: the count the design reports
// as possibly too many densified spacings, and goes on with none.
struct OverfullCantilever {
    BeamEnd end = BeamEnd::Left;
    int dense = 0;         // the densified spacings the layout holds at that support line
    int most = 0;          // the most that leave the count at zero or above; -1 where none does
    double room = 0.0;     // the cantilever's length at the skeleton's inner edges (CantileverRoom)
    double endPart = 0.0;  // the length it keeps free at the beam's end (CantileverEnd)
    bool tapered = false;  // the end tapers: that length is the tapered part's, not the end distance
    double s2 = 0.0;       // the densified and the normal spacing
    double s = 0.0;
};

// Counts the outer cantilevers of the stirrup layout a designed beam holds again, as its design
// first counted them, from the stored densified lists, spacings and cantilevers read as the design's
// steps read them (outline: as for FindLaidStirrups): those whose count falls below zero. None for
// the other layouts, which take no such count, nor for a stored layout the design cannot leave.
std::vector<OverfullCantilever> FindOverfullCantilevers(CPM001T0101Atom& atom, const CDblPointArray& outline);

} // namespace CapBeamStirrups
