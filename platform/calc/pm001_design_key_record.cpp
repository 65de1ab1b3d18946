// CPM001DesignKeyRecord: the set a design took and the cap keys its results do not hold, and their archive form.

#include "calc/pm001_design_key_record.h"

#include "calc/key_bound.h"
#include "calc/key_param_bounds.h"
#include "calc/key_path.h"
#include "mfc/carchive.h"

#include <cstddef>
#include <string>
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

// A list's count, refused as it is read when it is longer than the list's bound: no design stores
// such a list (the key reader refuses the set), and a crafted count would otherwise cost memory
// out of all measure before the list is judged.
template <class E>
std::size_t LoadCount(CArchive& ar, const KeyPath& at, const ListBound<E>& bound, std::size_t minBytes)
{
    return ar.ReadCheckedCount(minBytes, static_cast<std::size_t>(bound.most),
                               [&](std::size_t given) { return OverlongKeyListMessage(at, bound, given); });
}

template <class E>
int LoadRecordCount(CArchive& ar, const KeyPath& at, const ListBound<E>& bound, std::size_t minBytes)
{
    return ar.ReadRecordCount(minBytes, bound.most,
                              [&](std::size_t given) { return OverlongKeyListMessage(at, bound, given); });
}

// A text or number list in its count form (CArray::Serialize's form).
template <class T, class E>
void LoadList(CArchive& ar, CArray<T>& list, const KeyPath& parent, const char* key, const ListBound<E>& bound)
{
    const CArchive::Record member(ar, key);
    list.SetSize(static_cast<int>(LoadCount(ar, KeyPath(parent, key), bound, MinStoredElementSize<T>())));
    for (T& entry : list) ar >> entry;
}

KeyFrame LoadFrame(CArchive& ar, const KeyPath& at)
{
    using namespace key_bound;
    KeyFrame frame;
    ar >> frame.fGJJ >> frame.name;
    {
        const CArchive::Record member(ar, "GJJ");
        const KeyPath groups(at, "GJJ");
        frame.GJJ.SetSize(LoadRecordCount(ar, groups, kBarGroups, 4));
        for (int g = 0; g < frame.GJJ.GetSize(); ++g) {
            const CArchive::Record entry(ar, static_cast<std::size_t>(g));
            CArray<KeyBar>& group = frame.GJJ[g];
            group.SetSize(LoadRecordCount(ar, KeyPath(groups, g), kBarGroups.each, kBarBytes));
            for (KeyBar& bar : group) ar >> bar.fBar >> bar.fWQ >> bar.fXJ >> bar.dx;
        }
    }
    ar >> frame.fWeldT >> frame.fWeldB;
    LoadList(ar, frame.LenT, at, "LenT", kCutOffLengths);
    LoadList(ar, frame.LenB, at, "LenB", kCutOffLengths);
    return frame;
}

// The message for the record's first value no cap can be built with, under the name of its set, or
// "" when there is none.
std::string FindUnbuildableValue(CPM001DesignKeyRecord& record)
{
    CPM001_CapKeyParam cap;
    cap.KeyLen1 = record.KeyLen1;
    cap.KeyLen2 = record.KeyLen2;
    cap.FrameName = std::move(record.FrameName);
    cap.FrameAr = std::move(record.FrameAr);
    std::string message =
        FindUnbuildableCapKeyValue(cap, record.SetName(), {"KeyLen1", "KeyLen2", "FrameName", "FrameAr"});
    record.FrameName = std::move(cap.FrameName);
    record.FrameAr = std::move(cap.FrameAr);
    return message;
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
    const std::string set = loaded.SetName();
    const KeyPath root(set);
    const KeyPath cap(root, "cap");
    ar >> loaded.KeyLen1 >> loaded.KeyLen2;
    LoadList(ar, loaded.FrameName, cap, "FrameName", key_bound::kFrameNames);
    {
        const CArchive::Record frames(ar, "FrameAr");
        const KeyPath records(cap, "FrameAr");
        loaded.FrameAr.SetSize(LoadRecordCount(ar, records, key_bound::kFrameRecords, kFrameBytes));
        for (int r = 0; r < loaded.FrameAr.GetSize(); ++r) {
            const CArchive::Record entry(ar, static_cast<std::size_t>(r));
            loaded.FrameAr[r] = LoadFrame(ar, KeyPath(records, r));
        }
    }
    // The values are judged by the bounds that hold for any cap, as the key reader judges them:
    // their fit to this cap (its length, its support lines) is judged where the stored cap beam is.
    if (const std::string unbuildable = FindUnbuildableValue(loaded); !unbuildable.empty())
        ar.Fail(CArchiveException::badFormat, unbuildable.c_str());
    *this = std::move(loaded);
}
