// The dimensions of one skeleton frame that differ between the frames drawn and tabled with it as one group.
#pragma once

#include "capbeam/cap_beam_reinforcement.h"
#include "common/dbl_array.h"

// The reinforcement object's member of the same name forwards here; it reads the object's public
// members only and changes nothing.
namespace CapBeamFrameGroupDimensions {

// For frame i, appends to the four lists the dimensions that differ between the frames of its
// group (the frames with i's FrameGroup number); a dimension on which the whole group agrees is
// given as 0, and a list on which the whole group agrees stays empty:
//   cantList: always [0, left cantilever, 0, right cantilever, 0] at the frame's position;
//   arcList:  [arc length at the first support, 0, 0, arc length at the last support];
//   gapList:  the spacing of the bend points of the bent-up and inclined bars, the first entry
//             being the first bend point's station itself;
//   cutList:  the left and right lengths of the top cut-off bars of the main skeletons, two per
//             support line in support order (0 and 0 where the frame has none).
// Runs on a designed skeleton (after the bar families). Returns 1; 0 when some frame of the
// group has no bend point, or when i names no frame: the lists are then left as they were.
int GetTLXGJCC_Arc(const CPM001T0101Atom& atom, int i, DblArray& cantList, DblArray& arcList, DblArray& gapList,
                   DblArray& cutList);

} // namespace CapBeamFrameGroupDimensions
