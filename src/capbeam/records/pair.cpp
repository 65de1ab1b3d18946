// M_XH: archive form of a pair.
#include "capbeam/records/pair.h"

#include "capbeam/records/archive.h"

namespace CapBeamRecords {

void M_XH::Serialize(CArchive& ar)
{
    M_XH v = *this;
    archive::Fields(ar, v.nA, v.nB);
    if (ar.IsLoading()) *this = v;
}

} // namespace CapBeamRecords
