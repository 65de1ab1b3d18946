// Archive form of a section view of the tendon layout.
#include "tendon/section_view.h"

#include "tendon/archive_items.h"

namespace pm001_tendon {

void M_HD::Serialize(CArchive& ar)
{
    tendon_archive::Items(ar, hD, VStatus, FVwzh, TR, TsR, BsR, BR, Tx, Fs, Fx, Bx, TFs, BFx, Tz, Bz, Tb, Ba, ms);
}

} // namespace pm001_tendon
