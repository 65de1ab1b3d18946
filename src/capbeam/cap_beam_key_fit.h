// The cap's key parameters judged against the cap they are laid in: the values that put its bars or tendons
// outside the beam.
#pragma once

#include "calc/pm001_cap_key_param.h"
#include "common/dbl_array.h"

// The cap along its length as the skeleton's frames read it while they are laid.
struct CapAlongBeam {
    double length = 0.0;          // the beam's length
    double leftCantilever = 0.0;  // the left end to the first support line, at the frames' centre (y 0)
    DblArray spacings;            // between neighbouring support lines, left to right
    double tanSkew = 0.0;         // tan of the skew angle
    double height = 0.0;          // the beam's height at the crown, which the side bars' levels divide
    double endFaceHeight = 0.0;   // the taller end face's height, which the end-face bars divide
};

// Reports through the error channel, one line each, every key value of kp that alone puts the
// ordinary reinforcement of a cap lWg wide outside the beam or out of order, named by its path from
// "cap" ("cap.st_sa: … (6 given)"): the end-face bars (sd) reaching with their surface outside the
// beam's end, the stirrups outside its top and bottom, a frame whose stirrups or whose side bars'
// (sh) surface lie outside the beam's side,
// a frame record's bar station (dx) below the one before it in its group, a top cut-off length
// (LenT) of a secondary frame record that puts its bar past an end of the beam along; and what
// cannot be built (BuildableSteel, cap_beam_key_fit.cpp): a spacing closer than its bars are thick
// or longer than what it divides, frames closer than their bar, a welded leg shorter than its
// weld, the outermost stirrups outside the beam's end, a bend tighter than the codes allow, a
// cut-off bar or a bar station (dx) shorter than one weld. Where the
// diameters and a cover together leave no room, a diameter thicker than any rolled bar is named,
// otherwise the cover. Each key is named once. Nothing is changed; returns the number of lines
// reported.
int ReportKeysNotFittingCap(const CPM001_CapKeyParam& kp, double lWg, const CapAlongBeam& along);

// Reports through the error channel, one line each, every tendon position across the beam
// (cap.SteelAr[k].Y[j]) that puts its duct, of the outer size the catalogue gives the definition's
// duct, outside a side of a cap lWg wide, or into the duct of an earlier tendon of its definition
// (nearer to it than the duct's size). Judged where the cap lays its tendons; nothing is changed;
// returns the number of lines reported.
int ReportTendonsNotFittingCap(const CPM001_CapKeyParam& kp, double lWg);
