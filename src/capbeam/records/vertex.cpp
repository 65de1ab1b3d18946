// M_XZR: archive form of a centre-line vertex.
#include "capbeam/records/vertex.h"

#include "capbeam/records/archive.h"

namespace CapBeamRecords {

void M_XZR::Serialize(CArchive& ar)
{
    // Read into a copy so that a short archive leaves the vertex as it was.
    M_XZR v = *this;
    archive::Fields(ar, v.x, v.z, v.RR, v.alf, v.fH, v.fHzy, v.fHsx, v.LH, v.fArc, v.enPoint);
    if (ar.IsLoading()) *this = v;
}

} // namespace CapBeamRecords
