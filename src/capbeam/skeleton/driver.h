// Steps of the welded-skeleton design that work on the finished bar families: symmetry, section-kind
// flags, frame groups by name and the bar schedule.
#pragma once

#include "common/int_array.h"
#include "mfc/cstring_array.h"

class CPM001T0101Atom;
class CPM001_CapKeyParam;

namespace CapBeamSkeleton {

// 1 when the skeleton is mirror-symmetric about the beam's middle: laid out across the beam
// (SkeletonLayout::Across) on a symmetric beam shape (fSymmetric), with section kinds, densified
// stirrup counts (sg.lns2 against sg.rns2 reversed) and every key frame record reading the same from
// both ends; else 0. Count lists of different lengths are not symmetric.
int LayoutSymmetry(const CPM001T0101Atom& atom, const CPM001_CapKeyParam& kp);

// On a symmetric skeleton: the schedule rows of the bent-up bars that run from the first to the last
// bar group take, on their right half, the length labels of their left half mirrored.
void MirrorWholeBeamBentLabels(CPM001T0101Atom& atom);

// fBearAndMidSpan := 1 when enSection has two entries or more, all equal, else 0; fDM := 1 at the
// first station of each section kind, 0 at its repeats.
void SectionKindFlags(CPM001T0101Atom& atom);

// groups := for every name, 1 + the position of the name among the distinct names in order of
// first appearance.
void GroupByName(const CStringArray& names, IntArray& groups);

// st.Rn := the through-bar rows (built in ScratchRow, with no outer-end lengths), then the families'
// rows: main-skeleton top cut-off rows (each taking the count of the first secondary row with its
// mark, which is removed from TopCutRows2), bent-up rows, arc rows, inclined-bar rows, the remaining
// secondary top cut-off rows and the bottom cut-off rows.
void BuildBarSchedule(CPM001T0101Atom& atom);

} // namespace CapBeamSkeleton
