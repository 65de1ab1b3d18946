// SdDataSet: archive form of the "sd" bar set.
#include "capbeam/records/sd.h"

#include "capbeam/records/archive.h"

#include <utility>

namespace CapBeamRecords {

void SdDataSet::Serialize(CArchive& ar)
{
    SdDataSet v = *this;
    archive::Fields(ar, v.type, v.R, v.d, v.ac, v.a, v.a2, v.Min, v.Max, v.sl, v.nsl, v.sr, v.nsr, v.nl, v.nr, v.n,
                    v.L, v.alf, v.EL, v.TL);
    if (ar.IsLoading()) *this = std::move(v);
}

} // namespace CapBeamRecords
