// tFrameAr: one row of the frame table (a heading and four cell columns).
#pragma once

#include "host/live_count.h"
#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

class CArchive;

namespace CapBeamRecords {

struct tFrameAr {
    int n = 0;                             // an int kept with the row
    CString szDY;                          // row heading
    CStringArray szX1, szX2, szX3, szX4;   // the four cell columns

    // n; szDY; szX1 .. szX4. Loading replaces the row only when all of it was read.
    void Serialize(CArchive& ar);

    LiveCount<tFrameAr> m_live;
};

} // namespace CapBeamRecords
