// Test helpers: a hand-built tendon design object, and storing/loading tendon archives.
#pragma once

#include "tendon/design_object.h"

#include <memory>
#include <vector>

using Bytes = std::vector<unsigned char>;

// Two tendons N1 and N2 with nodes and curves, profile pieces, three section views pointing to
// the object's working sections, two plan groups (the first with two overlap entries), name pairs,
// a Chinese quantity-table title and a value in every archived scalar.
std::unique_ptr<CPM001T010401Atom> BuildSampleTendons();

Bytes StoreTendons(CPM001T010401Atom& atom);
// Loads the bytes into a new object; the archive must be used up.
std::unique_ptr<CPM001T010401Atom> LoadTendons(const Bytes& bytes);

template <class Record>
Bytes StoreRecord(Record& record)
{
    Bytes out;
    CArchive ar(out, CArchive::store);
    record.Serialize(ar);
    return out;
}

// Loads the record from all of the bytes; throws std::logic_error when bytes are left over.
template <class Record>
void LoadRecord(Record& record, const Bytes& bytes)
{
    CArchive ar(bytes.data(), bytes.size());
    record.Serialize(ar);
    if (ar.GetRemaining() != 0) throw std::logic_error("bytes left over");
}
