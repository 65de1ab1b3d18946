// M_QH: one plan group of the tendon layout, with its overlap entries M_Roverlap.
#pragma once

#include "host/live_count.h"
#include "mfc/carchive.h"
#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace pm001_tendon {

// A tendon dimensioned in a plan group, with the tendons that lie over it in plan.
struct M_Roverlap {
    CString SteelR;
    CStringArray OverlapR;

    // A text and a text list.
    static constexpr std::size_t kMinStoredBytes = 1 + 2;

    void Serialize(CArchive& ar);

private:
    LiveCount<M_Roverlap> m_live;
};

struct M_QH {
    int fOwner = 0;      // 1 when the record was loaded from the archive
    CString QHName;      // "Q" and the group's 1-based number
    CString QR;          // the group's 1-based number as text
    double L = 0.0;      // length of the group along the beam
    int N = 0;           // number of tendons running through the group
    CStringArray SR;     // labels of those tendons
    std::vector<std::unique_ptr<M_Roverlap>> Roverlap;   // one entry per label in SDR, same order
    CStringArray SDR;    // labels of the tendons dimensioned in this group

    // Two texts, a double, an int, two text lists and the overlap count.
    static constexpr std::size_t kMinStoredBytes = 2 * 1 + 8 + 4 + 2 * 2 + 4;

    // Releases the overlap entries and empties the list.
    void DeleteOverlaps() { Roverlap.clear(); }

    // Stores the group, or loads it: loading replaces the overlap entries and sets fOwner to 1.
    void Serialize(CArchive& ar);

private:
    LiveCount<M_QH> m_live;
};

} // namespace pm001_tendon
