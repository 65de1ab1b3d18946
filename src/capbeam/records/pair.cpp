// M_XH: archive form of a pair.
#include "capbeam/reinforcement_records_pair.h"

#include "capbeam/reinforcement_records_archive.h"

namespace CapBeamRecords {

void M_XH::Serialize(CArchive& ar)
{
    M_XH v = *this;
    archive::Fields(ar, v.nA, v.nB);
    if (ar.IsLoading()) *this = v;
}

} // namespace CapBeamRecords
