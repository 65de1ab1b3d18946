// CPM001DesignKeyRecord: the set a design took and the cap keys its results do not hold, and their archive form.

#include "calc/pm001_design_key_record.h"

#include "mfc/carchive.h"

#include <cstddef>
#include <utility>

namespace {

using KeyFrame = struct CPM001_CapKeyParam::FrameAr;
using KeyBar = CPM001_CapKeyParam::M_GJJ;

// Fewest bytes a bar entry takes: three ints and a double.
constexpr std::size_t kBarBytes = 3 * 4 + 8;
// A frame record: fGJJ, a text of at least one byte, the group count, fWeldT, fWeldB and two
// number lists of at least a two-byte count.
constexpr std::size_t kFrameBytes = 4 + 1 + 4 + 2 * 4 + 2 * 2;

int Switch(CArchive& ar, const char* what)
{
    int value = 0;
    ar >> value;
    if (value != 0 && value != 1) ar.Fail(CArchiveException::badFormat, what);
    return value;
}

void StoreFrame(CArchive& ar, KeyFrame& frame)
{
    ar << frame.fGJJ << frame.name << frame.GJJ.GetSize();
    for (const CArray<KeyBar>& group : frame.GJJ) {
        ar << group.GetSize();
        for (const KeyBar& bar : group) ar << bar.fBar << bar.fWQ << bar.fXJ << bar.dx;
    }
    ar << frame.fWeldT << frame.fWeldB;
    frame.LenT.Serialize(ar);
    frame.LenB.Serialize(ar);
}

KeyFrame LoadFrame(CArchive& ar)
{
    KeyFrame frame;
    ar >> frame.fGJJ >> frame.name;
    frame.GJJ.SetSize(ar.ReadRecordCount(4));
    for (int g = 0; g < frame.GJJ.GetSize(); ++g) {
        const CArchive::Record entry(ar, static_cast<std::size_t>(g));
        CArray<KeyBar>& group = frame.GJJ[g];
        group.SetSize(ar.ReadRecordCount(kBarBytes));
        for (KeyBar& bar : group) ar >> bar.fBar >> bar.fWQ >> bar.fXJ >> bar.dx;
    }
    ar >> frame.fWeldT >> frame.fWeldB;
    frame.LenT.Serialize(ar);
    frame.LenB.Serialize(ar);
    return frame;
}

}  // namespace

CPM001DesignKeyRecord CPM001DesignKeyRecord::Of(const CPM001KeyParam& kp, SetTaken taken)
{
    CPM001DesignKeyRecord record;
    record.set = taken;
    record.KeyLen1 = kp.CapKeyParam.KeyLen1;
    record.KeyLen2 = kp.CapKeyParam.KeyLen2;
    record.FrameName = kp.CapKeyParam.FrameName;
    record.FrameAr = kp.CapKeyParam.FrameAr;
    return record;
}

const char* CPM001DesignKeyRecord::SetName() const
{
    return set == kUserAdjusted ? "user-adjusted key parameters" : "designed key parameters";
}

void CPM001DesignKeyRecord::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << set << KeyLen1 << KeyLen2;
        FrameName.Serialize(ar);
        ar << FrameAr.GetSize();
        for (KeyFrame& frame : FrameAr) StoreFrame(ar, frame);
        return;
    }
    CPM001DesignKeyRecord loaded;
    loaded.set = Switch(ar, "the design's key record: the set taken is neither 0 nor 1");
    ar >> loaded.KeyLen1 >> loaded.KeyLen2;
    loaded.FrameName.Serialize(ar);
    {
        const CArchive::Record frames(ar, "FrameAr");
        loaded.FrameAr.SetSize(ar.ReadRecordCount(kFrameBytes));
        for (int r = 0; r < loaded.FrameAr.GetSize(); ++r) {
            const CArchive::Record entry(ar, static_cast<std::size_t>(r));
            loaded.FrameAr[r] = LoadFrame(ar);
        }
    }
    *this = std::move(loaded);
}
