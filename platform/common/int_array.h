// IntArray: the suite's serialisable list of integers (a CArray<int> with its own archive form).
#pragma once

#include "mfc/carchive.h"
#include "mfc/carray.h"

// A list of integers. Archive form: the count in MFC's count form (16-bit; 0xFFFF + 32-bit from
// 0xFFFF on), then every element as a 4-byte little-endian int. Serialize and the archive
// operators write and read the same bytes.
class IntArray : public CArray<int> {
public:
    IntArray() = default;
    IntArray(const IntArray&) = default;
    IntArray(IntArray&&) noexcept = default;
    IntArray& operator=(const IntArray&) = default;
    IntArray& operator=(IntArray&&) noexcept = default;
    ~IntArray() override = default;

    // Loading replaces the list; a count that the remaining bytes cannot hold throws the
    // archive exception before anything is allocated, and leaves the list unchanged.
    virtual void Serialize(CArchive& ar);
};

CArchive& operator<<(CArchive& ar, const IntArray& list);
CArchive& operator>>(CArchive& ar, IntArray& list);
