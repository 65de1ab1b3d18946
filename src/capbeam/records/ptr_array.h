// RecordPtrArray: a list of record pointers that borrows its records, or owns those created by a load.
#pragma once

#include "mfc/carray.h"

#include <memory>
#include <utility>
#include <vector>

namespace CapBeamRecords {

// The cap beam reads the list as the plain pointer list it derives from. After a design the list
// refers to records that the reinforcement object keeps in its own stores and pools (borrowed);
// a load creates each record through AddOwned and the list keeps it alive until the list is
// emptied by DeleteAll, assigned over or destroyed. Borrowed records are never released here, owned
// ones exactly once, whatever is later done to the pointer slots.
template <class T>
class RecordPtrArray : public CArray<T*> {
public:
    RecordPtrArray() = default;
    ~RecordPtrArray() override = default;
    RecordPtrArray(const RecordPtrArray&) = delete;
    RecordPtrArray& operator=(const RecordPtrArray&) = delete;
    RecordPtrArray(RecordPtrArray&&) noexcept = default;
    RecordPtrArray& operator=(RecordPtrArray&&) noexcept = default;

    // Appends a record that the list owns from now on; returns its address.
    T* AddOwned(std::unique_ptr<T> record)
    {
        T* const address = record.get();
        m_owned.push_back(std::move(record));
        this->Add(address);
        return address;
    }

    // Empties the list and releases the records it owns; borrowed records are left to their owner.
    void DeleteAll()
    {
        this->RemoveAll();
        m_owned.clear();
    }

    // Number of records the list owns (those created through AddOwned and not yet released).
    int GetOwnedCount() const { return static_cast<int>(m_owned.size()); }

private:
    std::vector<std::unique_ptr<T>> m_owned;
};

} // namespace CapBeamRecords
