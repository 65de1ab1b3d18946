// The segment labels of a bar-schedule row: which segments vary among the bars of one mark.
#pragma once

#include "common/dbl_array.h"
#include "mfc/cstring_array.h"

#include <vector>

namespace CapBeamSegmentLabels {

// One label per segment: each segment's values over the bars of the mark are rounded to whole
// numbers in place; a segment whose values agree within 1e-05 reads "/", the varying ones read
// "L1", "L2", ... in order, and a single varying segment reads "L". labels is emptied first.
void SegmentLabels(std::vector<DblArray>& values, CStringArray& labels);

} // namespace CapBeamSegmentLabels
