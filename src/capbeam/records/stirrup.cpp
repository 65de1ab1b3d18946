// M_sg1, M_sg2, M_sg3: the one archive form of the stirrup records.
#include "capbeam/records/stirrup.h"

#include "capbeam/records/archive.h"

#include <utility>

namespace CapBeamRecords {

namespace {

// Reads into a copy so that a short archive leaves the record as it was.
template <class Record>
void StirrupRecord(CArchive& ar, Record& record, int Record::*first, int Record::*second)
{
    Record v = record;
    archive::Fields(ar, v.R, v.*first, v.*second, v.n, v.L1, v.L1p, v.L2, v.TL);
    if (ar.IsLoading()) record = std::move(v);
}

} // namespace

void M_sg1::Serialize(CArchive& ar) { StirrupRecord(ar, *this, &M_sg1::Nori, &M_sg1::Nend); }

void M_sg2::Serialize(CArchive& ar) { StirrupRecord(ar, *this, &M_sg2::nl, &M_sg2::nr); }

} // namespace CapBeamRecords
