// Test helpers for the cap-beam reinforcement records: byte lists, store/load, and a hand-built st set.
#pragma once

#include "capbeam/records/reinforcement_records.h"
#include "mfc/carchive.h"

#include <initializer_list>
#include <memory>
#include <vector>

using Bytes = std::vector<unsigned char>;

inline Bytes bytes(std::initializer_list<int> list)
{
    Bytes out;
    for (int b : list) out.push_back(static_cast<unsigned char>(b));
    return out;
}

inline Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A 4-byte little-endian int, as the archive writes counts and ints.
inline Bytes int32(unsigned v)
{
    return bytes({int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF), int((v >> 24) & 0xFF)});
}

// The records store through their Serialize member.
template <class Record>
Bytes Store(Record& record)
{
    Bytes out;
    CArchive ar(out, CArchive::store);
    record.Serialize(ar);
    return out;
}

// Loads record from the whole of in; fails the test when bytes are left over.
template <class Record>
void Load(Record& record, const Bytes& in, std::size_t* left = nullptr)
{
    CArchive ar(in.data(), in.size());
    record.Serialize(ar);
    if (left) *left = ar.GetRemaining();
}

// A design-built skeleton set: the frames live in a by-value store and the bars and lists in
// pools, as the reinforcement object keeps them; the set and the frames only refer to them.
struct BuiltSkeleton {
    CArray<CapBeamRecords::FrameAr> FrameStore;
    CArray<CapBeamRecords::tFrameAr> FrameTable;
    std::vector<std::unique_ptr<CapBeamRecords::singAr>> BarPool;
    std::vector<std::unique_ptr<DblArray>> ZtPool, ZbPool;
    std::vector<std::unique_ptr<CStringArray>> LabelPool;
    CapBeamRecords::StDataSet st;

    BuiltSkeleton();
};
