// Archive form of a plan group and its overlap entries.
#include "tendon/plan_group.h"

#include "tendon/archive_items.h"

namespace pm001_tendon {

using tendon_archive::Items;

void M_Roverlap::Serialize(CArchive& ar) { Items(ar, SteelR, OverlapR); }

void M_QH::Serialize(CArchive& ar)
{
    Items(ar, QHName, QR, L, N, SR);
    tendon_archive::OwnedRecords(ar, "Roverlap", Roverlap, M_Roverlap::kMinStoredBytes);
    Items(ar, SDR);
    if (ar.IsLoading()) fOwner = 1;
}

} // namespace pm001_tendon
