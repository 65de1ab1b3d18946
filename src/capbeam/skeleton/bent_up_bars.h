// The bent-up bars of the welded skeletons: their chains through the bar groups, centre lines, lengths, marks and schedule rows, and the arcs over the supports.
#pragma once

#include "calc/pm001_cap_key_param.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "geometry/dbl_point.h"
#include "mfc/carray.h"

#include <vector>

// The reinforcement object's members of the same names forward here; each works on the object's
// public members only.
namespace CapBeamBentUpBars {

// The inputs of one bent-up bar, one per bar group it passes through, in order along the bar.
using BentChain = std::vector<CPM001T0101Atom::M_BZXJ>;

// Appends to chains the bars that the key parameters' main skeleton types give every frame
// carrying their name, frame by frame: a bar starts at an entry linked one way only, crosses a
// support line through entries with the support link and a span through entries with the span
// link, and ends at the first entry that links no further. The object's BentChainCount grows by
// the number appended; BentInput holds the last input made.
void GetBentChains(CPM001T0101Atom& atom, const CPM001_CapKeyParam& kp, std::vector<BentChain>& chains);

// Builds the bar of one chain: its centre line (with the bends and welded ends the bend geometry
// gives), its inner positions, end values and flags, segment lengths and total length. number
// becomes the bar's nA.
void MakeBentBar(CPM001T0101Atom& atom, const BentChain& chain, int number, CPM001T0101Atom::M_WQJ& bar);

// Segment lengths of a finished centre line, the welded end legs, the end arcs (lengths dL, dR,
// tangent points pL, pR; 0 where the end has no arc) and the merged pieces at the kinks beside
// a bottom bend counted as the schedule counts them.
void BentSegments(const CPM001T0101Atom& atom, const CArray<CPM001T0101Atom::M_XZR>& line, double dL,
                  const CDblPoint& pL, double dR, const CDblPoint& pR, DblArray& segments);

// The family: lays out every bent-up bar, marks them, and, when KeyLen1 is positive, the arcs over
// the support lines; appends the marked bars to bars, the marked arcs to arcs and one schedule row
// per mark to barRows and arcRows. The records stay owned by the object's pools. Returns 1.
int GetGJFrame_WQJ(CPM001T0101Atom& atom, CPM001_CapKeyParam& kp, CArray<CPM001T0101Atom::M_WQJ_R*>& bars,
                   CArray<CPM001T0101Atom::M_ArcWQJ_R*>& arcs, CArray<CPM001T0101Atom::tRn>& barRows,
                   CArray<CPM001T0101Atom::tRn>& arcRows);

} // namespace CapBeamBentUpBars
