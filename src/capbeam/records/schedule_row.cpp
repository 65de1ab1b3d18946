// tRn: archive form of a bar-schedule row.
#include "capbeam/records/schedule_row.h"

#include "capbeam/records/archive.h"

#include <utility>

namespace CapBeamRecords {

void tRn::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        archive::Fields(ar, R, n, TL, szL, L1, L2);
        return;
    }
    tRn loaded;
    archive::Fields(ar, loaded.R, loaded.n, loaded.TL, loaded.szL, loaded.L1, loaded.L2);
    *this = std::move(loaded);
}

} // namespace CapBeamRecords
