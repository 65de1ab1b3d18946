// DblArray: the suite's serialisable list of reals (a CArray<double> with its own archive form).
#pragma once

#include "mfc/carchive.h"
#include "mfc/carray.h"

// A list of reals. Archive form: the count in MFC's count form (16-bit; 0xFFFF + 32-bit from
// 0xFFFF on), then every element as an 8-byte little-endian double. Serialize and the archive
// operators write and read the same bytes.
class DblArray : public CArray<double> {
public:
    DblArray() = default;
    DblArray(const DblArray&) = default;
    DblArray(DblArray&&) noexcept = default;
    DblArray& operator=(const DblArray&) = default;
    DblArray& operator=(DblArray&&) noexcept = default;
    ~DblArray() override = default;

    // Sets every element already in the list to value; the size does not change
    // (an empty list stays empty).
    DblArray& operator=(double value);

    // Writes the largest (smallest) element into value and returns 1; an empty list
    // leaves value unchanged and returns 0.
    int GetMax(double& value) const;
    int GetMin(double& value) const;

    // Loading replaces the list; a count that the remaining bytes cannot hold throws the
    // archive exception before anything is allocated, and leaves the list unchanged.
    virtual void Serialize(CArchive& ar);
};

CArchive& operator<<(CArchive& ar, const DblArray& list);
CArchive& operator>>(CArchive& ar, DblArray& list);
