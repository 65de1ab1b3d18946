// M_HD: one section view of the tendon layout, the cut of all tendons at one station.
#pragma once

#include "common/dbl_array.h"
#include "common/int_array.h"
#include "host/live_count.h"
#include "mfc/carchive.h"
#include "mfc/cstring_array.h"

#include <cstddef>

namespace pm001_tendon {

struct M_HD {
    double hD = 0.0;       // beam height at the station
    IntArray VStatus;      // status of each tendon met
    IntArray FVwzh;        // per tendon met: 1 in the upper half of the section, else 0
    CStringArray TR;       // labels of the top layer
    CStringArray TsR;      // labels of the other tendons in the upper half
    CStringArray BsR;      // labels of the other tendons in the lower half
    CStringArray BR;       // labels of the bottom layer
    DblArray Tx;           // horizontal chain of the TR tendons
    DblArray Fs;           // horizontal chain of the TsR tendons
    DblArray Fx;           // horizontal chain of the BsR tendons
    DblArray Bx;           // horizontal chain of the BR tendons
    DblArray TFs;          // horizontal chain of the TR and TsR tendons together
    DblArray BFx;          // horizontal chain of the BR and BsR tendons together
    DblArray Tz;           // vertical chain from the top level down through the upper tendons
    DblArray Bz;           // vertical chain from the bottom level up through the lower tendons
    double Tb = 0.0;       // height of the lowest upper level above the beam bottom
    double Ba = 0.0;       // depth of the highest lower level below the top level
    double ms = 0.0;       // clear distance between those two levels

    // Four doubles and fourteen lists of at least two bytes each.
    static constexpr std::size_t kMinStoredBytes = 4 * 8 + 14 * 2;

    void Serialize(CArchive& ar);

private:
    LiveCount<M_HD> m_live;
};

} // namespace pm001_tendon
