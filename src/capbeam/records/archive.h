// Archive helpers of the cap-beam reinforcement records: one field list serves both directions.
#pragma once

#include "capbeam/records/ptr_array.h"
#include "common/dbl_array.h"
#include "common/int_array.h"
#include "mfc/carchive.h"
#include "mfc/carray.h"
#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

#include <cstddef>
#include <memory>
#include <utility>

namespace CapBeamRecords::archive {

// Smallest stored sizes, in bytes, used to check a record count against the bytes that remain
// before anything is allocated. A text takes at least its one-byte length, a DblArray, IntArray or
// CStringArray at least its two-byte count, a record list its four-byte count.
inline constexpr std::size_t kInt = 4;
inline constexpr std::size_t kDouble = 8;
inline constexpr std::size_t kMinText = 1;
inline constexpr std::size_t kMinList = 2;
inline constexpr std::size_t kCount = 4;

// M_XZR: x, z, RR, alf; fH, fHzy, fHsx; LH; fArc, enPoint.
inline constexpr std::size_t kVertexBytes = 4 * kDouble + 3 * kInt + kDouble + 2 * kInt;
// singAr: vertex count; class, fStwArc; R; L; sTL, WG; fWG.
inline constexpr std::size_t kMinBarBytes = kCount + 2 * kInt + kMinText + kMinList + 2 * kDouble + kInt;
// FrameAr: bar count; y; fsk, num, fDrawLM, sort; name; four list counts; four DblArrays; four CStringArrays.
inline constexpr std::size_t kMinFrameBytes =
    kCount + kDouble + 4 * kInt + kMinText + 4 * kCount + 4 * kMinList + 4 * kMinList;
// tFrameAr: n; szDY; szX1 .. szX4.
inline constexpr std::size_t kMinFrameRowBytes = kInt + kMinText + 4 * kMinList;
// tRn: R; n; TL; szL; L1, L2.
inline constexpr std::size_t kMinScheduleRowBytes = kMinText + kInt + kDouble + kMinList + 2 * kDouble;
// M_XH: nA, nB.
inline constexpr std::size_t kPairBytes = 2 * kInt;
// M_sg1, M_sg2, M_sg3: R; three ints; L1, L1p, L2, TL.
inline constexpr std::size_t kMinStirrupBytes = kMinText + 3 * kInt + 4 * kDouble;

// One field, written when the archive stores and read when it loads.
inline void Field(CArchive& ar, int& v)
{
    if (ar.IsStoring()) ar << v;
    else ar >> v;
}
inline void Field(CArchive& ar, double& v)
{
    if (ar.IsStoring()) ar << v;
    else ar >> v;
}
inline void Field(CArchive& ar, CString& v)
{
    if (ar.IsStoring()) ar << v;
    else ar >> v;
}
// A DblArray of a frame or a bar goes through its own Serialize.
inline void Field(CArchive& ar, DblArray& v) { v.Serialize(ar); }
inline void Field(CArchive& ar, CStringArray& v) { v.Serialize(ar); }

template <class... T>
void Fields(CArchive& ar, T&... fields)
{
    (Field(ar, fields), ...);
}

// A list of the common library through its archive operators (the stirrup set's form).
template <class List>
void NumberList(CArchive& ar, List& list)
{
    if (ar.IsStoring()) ar << list;
    else ar >> list;
}

// A record held as a member, named while it is read or written.
template <class T>
void Member(CArchive& ar, const char* name, T& record)
{
    const CArchive::Record named(ar, name);
    record.Serialize(ar);
}

// A list of records held by value: a 4-byte count, then each record through its Serialize. Loading
// checks the count before sizing and replaces the list only when every record was read. The list
// is named by its member's name, each record by its index.
template <class T>
void ValueRecords(CArchive& ar, const char* name, CArray<T>& list, std::size_t minRecordBytes)
{
    const CArchive::Record named(ar, name);
    if (ar.IsStoring()) {
        ar << list.GetSize();
        std::size_t i = 0;
        for (T& record : list) {
            const CArchive::Record entry(ar, i++);
            record.Serialize(ar);
        }
        return;
    }
    const int count = ar.ReadRecordCount(minRecordBytes);
    CArray<T> loaded;
    loaded.SetSize(count);
    std::size_t i = 0;
    for (T& record : loaded) {
        const CArchive::Record entry(ar, i++);
        record.Serialize(ar);
    }
    list = std::move(loaded);
}

// A list of record pointers: a 4-byte count, then each record through its Serialize. Loading
// checks the count, creates each record just before it reads itself and owns it from then on;
// the list is replaced only when every record was read, releasing what it owned before. A null
// slot is stored as a default record, so that the count always matches what follows. Named as a
// list of values is.
template <class T>
void PointerRecords(CArchive& ar, const char* name, RecordPtrArray<T>& list, std::size_t minRecordBytes)
{
    const CArchive::Record named(ar, name);
    if (ar.IsStoring()) {
        ar << list.GetSize();
        std::size_t i = 0;
        for (T* record : list) {
            const CArchive::Record entry(ar, i++);
            if (record) {
                record->Serialize(ar);
            } else {
                T empty;
                empty.Serialize(ar);
            }
        }
        return;
    }
    const int count = ar.ReadRecordCount(minRecordBytes);
    RecordPtrArray<T> loaded;
    for (int i = 0; i < count; ++i) {
        const CArchive::Record entry(ar, static_cast<std::size_t>(i));
        loaded.AddOwned(std::make_unique<T>())->Serialize(ar);
    }
    list = std::move(loaded);
}

} // namespace CapBeamRecords::archive
