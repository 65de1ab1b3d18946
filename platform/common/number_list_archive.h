// The archive form shared by the number lists: MFC's count form, then each element little-endian.
#pragma once

#include "mfc/carchive.h"
#include "mfc/carray.h"

#include <limits>
#include <utility>

namespace KVDataCommon::detail {

template <class T>
void StoreNumberList(CArchive& ar, const CArray<T>& list)
{
    ar.WriteCount(static_cast<std::size_t>(list.GetSize()));
    for (const T& v : list) ar << v;
}

// Reads the whole list before touching the target, so a damaged archive leaves it as it was.
template <class T>
void LoadNumberList(CArchive& ar, CArray<T>& list)
{
    const std::size_t count = ar.ReadCheckedCount(sizeof(T));
    if (count > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        ar.Fail(CArchiveException::badIndex, "list count too large");
    CArray<T> loaded;
    loaded.SetSize(static_cast<int>(count));
    for (T& v : loaded) ar >> v;
    list = std::move(loaded);
}

} // namespace KVDataCommon::detail
