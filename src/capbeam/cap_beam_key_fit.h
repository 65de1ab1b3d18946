// The cap's key parameters judged against the cap they are laid in: the values that put its bars or tendons
// outside the beam.
#pragma once

#include "calc/pm001_cap_key_param.h"
#include "common/dbl_array.h"

#include <string>
#include <string_view>
#include <vector>

class CPM001T0101Atom;

// The cap along its length as the skeleton's frames read it while they are laid.
struct CapAlongBeam {
    double length = 0.0;          // the beam's length
    double leftCantilever = 0.0;  // the left end to the first support line, at the frames' centre (y 0)
    DblArray spacings;            // between neighbouring support lines, left to right
    double tanSkew = 0.0;         // tan of the skew angle
    double height = 0.0;          // the beam's height at the crown, which the side bars' levels divide
    double endFaceHeight = 0.0;   // the taller end face's height, which the end-face bars divide
    double rightCantilever = 0.0; // the last support line to the right end, at y 0
    double leastHeight = 0.0;     // the section's height where it is least high
    double leastHeightAt = 0.0;   // the station of that height
    double leftKink = 0.0;        // the left end to the kink at its tapered part's foot; 0 where it does not rise
    double rightKink = 0.0;       // the right end to its kink, the same
};

// The cap along its length as the design's steps read it with frames laid by layMode (st_fLayMode),
// from a cap whose cantilevers are as handed to its design, as a design of a pier (PMorPT
// non-zero) also leaves them: along the skew, the cantilevers at the bearings.
CapAlongBeam CapAlongBeamOf(const CPM001T0101Atom& cap, int layMode);

// Both checks below on such a cap: the key values of kp, and its tendons on a prestressed cap.
// Paths start at root: "" for "cap.st_sa", "user-adjusted key parameters" for a stored set.
// Returns the number of lines reported.
int ReportKeysNotFittingCapBeam(const CPM001T0101Atom& cap, const CPM001_CapKeyParam& kp, const std::string& root = {});

// A limit of what can be built, as the table "What can be built" of docs/key-parameters.md writes
// its first two cells: the keys it judges and the limit.
struct BuildableLimitRow {
    std::string_view keys;
    std::string limit;
};
// Every limit ReportKeysNotFittingCap holds, in the order it judges them: each of its judges is one
// of these rows. The tendons are judged by routines of their own, outside these rows: their
// positions across the beam by ReportTendonsNotFittingCap (below), their control points by the
// tendon design's node fit (pm001_tendon::ReportTendonNodesNotFitting, tendon/node_fit.h).
std::vector<BuildableLimitRow> BuildableLimitRows();

// Reports through the error channel, one line each, every key value of kp that alone puts the
// ordinary reinforcement of a cap lWg wide outside the beam or out of order, named by its path from
// "cap" ("cap.st_sa: … (6 given)"): the end-face bars (sd) reaching with their surface outside the
// beam's end, the stirrups outside its top and bottom, a frame whose stirrups or whose side bars'
// (sh) surface lie outside the beam's side,
// a frame record's bar station (dx) below the one before it in its group, a top cut-off length
// (LenT) of a secondary frame record that puts its bar past an end of the beam along; and what
// cannot be built: a spacing closer than its bars are thick or longer than
// what it divides, frames closer than their bar, a welded leg shorter than the codes' short weld,
// a bar station (dx) or a cut-off bar shorter than the weld laid, the outermost stirrups outside
// the beam's end or at a support line, a bend tighter than the codes allow, the top bars below the
// middle of the least high section, the skeleton's end legs at or past a first support line or a
// tapered end's kink. Where the diameters and a cover together leave no room, a diameter thicker
// than any rolled bar is named, otherwise the cover. Each key is named once. Nothing is changed; returns the number of lines
// reported. With rowOfEach, the index in BuildableLimitRows() of the row that judged each line
// reported is appended to it, -1 for a line judged outside them.
int ReportKeysNotFittingCap(const CPM001_CapKeyParam& kp, double lWg, const CapAlongBeam& along,
                            const std::string& root = {}, std::vector<int>* rowOfEach = nullptr);

// Reports through the error channel, one line each, every tendon position across the beam
// (cap.SteelAr[k].Y[j]) that puts its duct, of the outer size the catalogue gives the definition's
// duct, outside a side of a cap lWg wide, or into the duct of an earlier tendon of its definition
// (nearer to it than the duct's size). Judged where the cap lays its tendons; nothing is changed;
// returns the number of lines reported.
int ReportTendonsNotFittingCap(const CPM001_CapKeyParam& kp, double lWg, const std::string& root = {});
