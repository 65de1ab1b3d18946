// FrameAr: release of the frame's lists and its archive form.
#include "capbeam/records/frame.h"

#include "capbeam/records/archive.h"

#include <utility>

namespace CapBeamRecords {

void FrameAr::DeleteArrays()
{
    Bars.DeleteAll();
    zt.DeleteAll();
    zb.DeleteAll();
    ztLabel.DeleteAll();
    zbLabel.DeleteAll();
}

namespace {

void FrameFields(CArchive& ar, FrameAr& f)
{
    using namespace archive;
    PointerRecords(ar, "Bars", f.Bars, kMinBarBytes);
    Fields(ar, f.y, f.fsk, f.num, f.fDrawLM, f.sort, f.name);
    PointerRecords(ar, "zt", f.zt, kMinList);
    PointerRecords(ar, "zb", f.zb, kMinList);
    PointerRecords(ar, "ztLabel", f.ztLabel, kMinList);
    PointerRecords(ar, "zbLabel", f.zbLabel, kMinList);
    if (ar.IsLoading()) f.fOwner = 1;
    Fields(ar, f.difL1, f.difL2, f.difL3, f.difL4, f.difLabel1, f.difLabel2, f.difLabel3, f.difLabel4);
}

} // namespace

void FrameAr::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        FrameFields(ar, *this);
        return;
    }
    FrameAr loaded;
    FrameFields(ar, loaded);
    *this = std::move(loaded);
}

} // namespace CapBeamRecords
