// Archive items of the tendon block: one call per item serves storing and loading in the same order.
#pragma once

#include "common/circle_curve.h"
#include "common/dbl_array.h"
#include "common/int_array.h"
#include "mfc/carchive.h"
#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace tendon_archive {

inline void Item(CArchive& ar, int& v)
{
    if (ar.IsStoring()) ar << v;
    else ar >> v;
}

inline void Item(CArchive& ar, double& v)
{
    if (ar.IsStoring()) ar << v;
    else ar >> v;
}

inline void Item(CArchive& ar, CString& v)
{
    if (ar.IsStoring()) ar << v;
    else ar >> v;
}

// The lists write and read themselves; a loaded count is checked against the bytes that remain
// before anything is allocated.
inline void Item(CArchive& ar, DblArray& v) { v.Serialize(ar); }
inline void Item(CArchive& ar, IntArray& v) { v.Serialize(ar); }
inline void Item(CArchive& ar, CStringArray& v) { v.Serialize(ar); }

template <class... T>
void Items(CArchive& ar, T&... v)
{
    (Item(ar, v), ...);
}

// A list of records held by pointer, stored as a 4-byte count and then each record. Loading
// checks the count (never negative, and no more records than the remaining bytes can hold at
// minBytes each) before it releases what the list held and allocates anything; each record is
// created and put in its slot just before it reads itself, so a load cut short leaves the records
// made so far in the list and null slots after them. A null slot is stored as a record with its
// defaults, so that the count and the records that follow stay in step. The list is named by its
// member's name, each record by its index, while they are read.
template <class Record>
void OwnedRecords(CArchive& ar, const char* name, std::vector<std::unique_ptr<Record>>& list, std::size_t minBytes)
{
    const CArchive::Record named(ar, name);
    if (ar.IsStoring()) {
        ar << static_cast<int>(list.size());
        std::size_t i = 0;
        for (auto& record : list) {
            const CArchive::Record entry(ar, i++);
            if (record) {
                record->Serialize(ar);
            } else {
                Record empty;
                empty.Serialize(ar);
            }
        }
        return;
    }
    const int count = ar.ReadRecordCount(minBytes);
    list.clear();
    list.resize(static_cast<std::size_t>(count));
    std::size_t i = 0;
    for (auto& slot : list) {
        const CArchive::Record entry(ar, i++);
        slot = std::make_unique<Record>();
        slot->Serialize(ar);
    }
}

// A list of records held by value, stored as a 4-byte count and then each record; loading checks
// the count as above and empties the list before sizing it; named as above.
template <class List>
void ValueRecords(CArchive& ar, const char* name, List& list, std::size_t minBytes)
{
    const CArchive::Record named(ar, name);
    const auto entry = [&](int i) {
        const CArchive::Record record(ar, static_cast<std::size_t>(i));
        list[i].Serialize(ar);
    };
    if (ar.IsStoring()) {
        ar << list.GetSize();
        for (int i = 0; i < list.GetSize(); ++i) entry(i);
        return;
    }
    const int count = ar.ReadRecordCount(minBytes);
    list.RemoveAll();
    list.SetSize(count);
    for (int i = 0; i < count; ++i) entry(i);
}

} // namespace tendon_archive
