// The support arcs of the bent-up bars: one arc over each support line of a frame, and which arcs are equal.
#pragma once

#include "capbeam/cap_beam_reinforcement.h"
#include "mfc/carray.h"

// Each builder works on the object's public members only. An arc leaves the through-bar line at a
// foot KeyLen1 either side of the support line, rises at the skeleton angle to an apex on the
// support line, is bent there with the radius KeyLen2 and ends in welded legs of dWeldLen; beside
// the first and the last support the outer side ends in the end piece of bent_up_arc_points.h.
namespace CapBeamBentUpArcs {

using M_ArcWQJ = CPM001T0101Atom::M_ArcWQJ;

// The arc of frame `frame` over the first support line, with its left end piece (and, with one
// support line only, its right end piece too). Fills *arc and returns 1; 0 after the error report
// "计算错误072201" when the leg cannot reach the support line, or when arc is null, leaving *arc as
// it was.
int GetArc0(CPM001T0101Atom& atom, int frame, M_ArcWQJ* arc);

// The arc of frame `frame` over the inner support line k, welded legs on both sides. Fills *arc
// and returns 1; 0 after the error report "计算错误072202" (or for a null arc), *arc unchanged.
int GetArc1(CPM001T0101Atom& atom, int frame, int k, M_ArcWQJ* arc);

// The arc of frame `frame` over the last support line, with its right end piece. Fills *arc and
// returns 1; 0 after the error report "计算错误072203!" (or for a null arc), *arc unchanged.
int GetArc2(CPM001T0101Atom& atom, int frame, M_ArcWQJ* arc);

// 1 when the two arcs are equal: same frame, same lengths in whole tenths, same total and leg
// angles to one decimal, same end-piece flags. With mirror non-zero an arc also equals the other
// read backwards (compared on unrounded values). 0 otherwise, and for a null arc.
int Getf2ArcHB(const M_ArcWQJ* a, const M_ArcWQJ* b, int mirror);

// 1 when every arc of a equals (unmirrored) the arc of b at the same index, or a is empty; 0 at the
// first pair that differs, when b is shorter than a, or when either list is null.
int Getf2ArcArHB(const CArray<M_ArcWQJ*>* a, const CArray<M_ArcWQJ*>* b);

} // namespace CapBeamBentUpArcs
