// IntArray: the archive form.
#include "int_array.h"

#include "number_list_archive.h"

void IntArray::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) KVDataCommon::detail::StoreNumberList<int>(ar, *this);
    else KVDataCommon::detail::LoadNumberList<int>(ar, *this);
}

CArchive& operator<<(CArchive& ar, const IntArray& list)
{
    KVDataCommon::detail::StoreNumberList<int>(ar, list);
    return ar;
}

CArchive& operator>>(CArchive& ar, IntArray& list)
{
    KVDataCommon::detail::LoadNumberList<int>(ar, list);
    return ar;
}
