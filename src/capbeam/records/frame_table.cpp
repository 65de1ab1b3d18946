// tFrameAr: archive form of a frame-table row.
#include "capbeam/records/frame_table.h"

#include "capbeam/records/archive.h"

#include <utility>

namespace CapBeamRecords {

void tFrameAr::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        archive::Fields(ar, n, szDY, szX1, szX2, szX3, szX4);
        return;
    }
    tFrameAr loaded;
    archive::Fields(ar, loaded.n, loaded.szDY, loaded.szX1, loaded.szX2, loaded.szX3, loaded.szX4);
    *this = std::move(loaded);
}

} // namespace CapBeamRecords
