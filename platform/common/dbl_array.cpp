// DblArray: assignment from a real, extremes and the archive form.
#include "dbl_array.h"

#include "number_list_archive.h"

DblArray& DblArray::operator=(double value)
{
    for (double& v : *this) v = value;
    return *this;
}

int DblArray::GetMax(double& value) const
{
    if (IsEmpty()) return 0;
    double best = (*this)[0];
    for (double v : *this)
        if (v > best) best = v;
    value = best;
    return 1;
}

int DblArray::GetMin(double& value) const
{
    if (IsEmpty()) return 0;
    double best = (*this)[0];
    for (double v : *this)
        if (v < best) best = v;
    value = best;
    return 1;
}

void DblArray::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) KVDataCommon::detail::StoreNumberList<double>(ar, *this);
    else KVDataCommon::detail::LoadNumberList<double>(ar, *this);
}

CArchive& operator<<(CArchive& ar, const DblArray& list)
{
    KVDataCommon::detail::StoreNumberList<double>(ar, list);
    return ar;
}

CArchive& operator>>(CArchive& ar, DblArray& list)
{
    KVDataCommon::detail::LoadNumberList<double>(ar, list);
    return ar;
}
