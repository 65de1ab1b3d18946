// tRn: one row of the bar schedule — a bar mark with its count, length and segment labels.
#pragma once

#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

class CArchive;

namespace CapBeamRecords {

struct tRn {
    CString R;           // bar mark
    int n = 0;           // number of bars with this mark
    double TL = 0.0;     // length of one bar
    CStringArray szL;    // segment labels ("L1", "L2", "L" or "/")
    double L1 = 0.0;     // shortest outer-end length (second top cut-off pass)
    double L2 = 0.0;     // longest outer-end length (second top cut-off pass)

    // R; n; TL; szL; L1, L2. Loading replaces the row only when all of it was read.
    void Serialize(CArchive& ar);
};

} // namespace CapBeamRecords
