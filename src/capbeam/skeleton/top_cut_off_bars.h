// The top cut-off bars of the skeleton: short top bars over the support lines, their marks and schedule rows.
#pragma once

#include "calc/pm001_cap_key_param.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "common/dbl_array.h"
#include "mfc/carray.h"
#include "mfc/cstring.h"

#include <vector>

// The reinforcement object's members of the same names forward here; each works on the object's
// public members only.
namespace CapBeamCutOffBars {

// The top cut-off lengths of the key frame record named name, as the key parameters gave them
// before they were spread over the frames: of the object's copies of the frame records, the first
// whose name up to its first "(" (or whole) equals name. Its lengths are copied into out and 1 is
// returned; 0 when no record has that name, out unchanged.
int GetfFrameDJDJs(const CPM001T0101Atom& atom, const CString& name, DblArray& out);

// The groups of support lines whose secondary top cut-off bars may share marks, on a skeleton laid
// along the skew: left[s] and right[s] hold the left and right reference lengths of the bars over
// support line s (empty: no bar there). Every support line with bars is a candidate, and a
// candidate equal in both lists to an earlier one is a repeat and dropped, with these exceptions at
// the ends of the beam: when the first support line carries bars and the last not, the one before
// the last is never taken for a repeat; otherwise, with endSupportsApart non-zero, neither end
// candidate is. A group is every support line whose two lists equal those of a kept candidate; the
// groups come in candidate order, each in support order, so a support line may lie in several equal
// groups.
std::vector<std::vector<int>> SupportGroupsBySides(const std::vector<DblArray>& left,
                                                   const std::vector<DblArray>& right, int endSupportsApart);

// The top cut-off bars of every frame, one per frame and support line at most. With mainSkeletons
// non-zero, the bars of the main skeletons: lengths from the outermost bent-up bar of the bar groups
// on either side of the support line, always welded, one mark per pattern of totals along the
// support lines (kept in TopCutMarks). With mainSkeletons 0, the bars of the secondary skeletons:
// lengths from the records' top cut-off lengths, welded as the record says, marked by the reference
// lengths of their support line's group, and scheduled with two end hooks. The new records are
// kept by TopCutPool; they are appended to bars, and one schedule row per mark to rows. Returns 1.
int GetGJFrame_DCJDJ(CPM001T0101Atom& atom, CPM001_CapKeyParam& kp, int mainSkeletons,
                     CArray<CPM001T0101Atom::M_DCZDJBH*>& bars, CArray<CPM001T0101Atom::tRn>& rows);

} // namespace CapBeamCutOffBars
