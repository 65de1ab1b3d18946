// ShDataSet: archive form of the side-face bar set.
#include "capbeam/records/sh.h"

#include "capbeam/records/archive.h"

#include <utility>

namespace CapBeamRecords {

void ShDataSet::Serialize(CArchive& ar)
{
    ShDataSet v = *this;
    archive::Fields(ar, v.type, v.Min, v.Max, v.d, v.ac, v.a, v.fLayMode, v.s, v.as, v.HL, v.HR, v.HM, v.sl, v.sr,
                    v.sm, v.ns, v.alf, v.RG, v.EL, v.sh1_n, v.sh1_R, v.sh1_L, v.sh1_Lp, v.sh1_TL, v.sh2_n,
                    v.sh2_R, v.sh2_L, v.sh2_Lp, v.sh2_TL);
    if (ar.IsLoading()) *this = std::move(v);
}

} // namespace CapBeamRecords
