// CPM001Atom: construction, run-time class, the small virtual operations and the symmetry queries.
#include "pier/pier_design_record.h"

#include "common/is_equal.h"

#include <cmath>

IMPLEMENT_SERIAL(CPM001Atom, CObject, 1)

CPM001Atom::CPM001Atom()
{
    // The common library's assignment from a real sets the elements already present; on these
    // empty lists it leaves them empty.
    bQf = 0.0;
    bQb = 0.0;
    bLx = 0.0;
}

CPM001Atom::~CPM001Atom() = default;

void CPM001Atom::Serialize(CArchive&) {}

int CPM001Atom::RetrieveData() { return (RetrieveData_gz() && RetrieveData_found()) ? 1 : 0; }
int CPM001Atom::Design() { return 1; }
int CPM001Atom::Initialize() { return 1; }
int CPM001Atom::RetrieveData_gz() { return 1; }
int CPM001Atom::RetrieveData_found() { return 1; }

bool CPM001Atom::TopInOnePlane() const { return KVDataCommon::IsEqual(iLb, -iRb) != 0; }

int CPM001Atom::GetZZDC() const
{
    // Every two spacings equal within the tolerance is the same as the largest and the smallest
    // being equal within it.
    if (bBz.GetSize() <= 1) return 1;
    return KVDataCommon::IsEqual(static_cast<const CArray<double>&>(bBz), KVDataCommon::kEqualTolerance);
}

int CPM001Atom::GetfHGDC() const
{
    using KVDataCommon::IsEqual;
    if (TopInOnePlane() && iLb != 0.0) return 0;
    if (!IsEqual(iLb, std::fabs(iRb))) return 0;
    if (!IsEqual(bAc, bBg / 2)) return 0;
    if (!IsEqual(hXbl, hXbr)) return 0;
    if (!IsEqual(bBpl, bBpr)) return 0;
    if (!IsEqual(bXbl, bXbr)) return 0;
    if (!IsEqual(bBzl, bBzr)) return 0;
    return GetZZDC();
}
