// singAr: archive form of a bar.
#include "capbeam/records/bar.h"

#include "capbeam/records/archive.h"

#include <utility>

namespace CapBeamRecords {

namespace {

void BarFields(CArchive& ar, singAr& bar)
{
    archive::ValueRecords(ar, "PtAr", bar.PtAr, archive::kVertexBytes);
    archive::Fields(ar, bar.class_, bar.fStwArc, bar.R, bar.L, bar.sTL, bar.WG, bar.fWG);
}

} // namespace

void singAr::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        BarFields(ar, *this);
        return;
    }
    singAr loaded;
    BarFields(ar, loaded);
    *this = std::move(loaded);
}

} // namespace CapBeamRecords
