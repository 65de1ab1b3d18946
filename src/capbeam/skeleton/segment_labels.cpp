// The segment labels of a bar-schedule row.
#include "capbeam/skeleton/segment_labels.h"

#include "capbeam/skeleton/rounding.h"
#include "common/is_equal.h"

namespace CapBeamSegmentLabels {

void SegmentLabels(std::vector<DblArray>& values, CStringArray& labels)
{
    labels.RemoveAll();
    int varying = 0;
    for (DblArray& list : values) {
        CapBeamRounding::GetIntDbArray(list);
        if (KVDataCommon::IsEqual(list, 1e-05)) {
            labels.Add(CString("/"));
        } else {
            CString label;
            label.Format("L%d", ++varying);
            labels.Add(label);
        }
    }
    // A single varying segment is the bar's one variable length.
    if (varying == 1) {
        for (int i = 0; i < labels.GetSize(); ++i) {
            if (labels[i] == "L1") labels[i] = CString("L");
        }
    }
}

} // namespace CapBeamSegmentLabels
