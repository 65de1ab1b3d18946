// OutputList: a read-only view of one output value's list, and the store the map keeps lists in.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <type_traits>
#include <vector>

// The elements of a list value. The elements belong to the output map that holds the value and
// stay valid as long as that map; a view copied out of the map does not keep them.
template <class T>
class OutputList {
public:
    OutputList() = default;
    OutputList(const T* data, int size) : m_data(data), m_size(size) {}

    int GetSize() const { return m_size; }
    bool IsEmpty() const { return m_size == 0; }
    const T& operator[](int i) const
    {
        if (i < 0 || i >= m_size) throw std::out_of_range("output list index out of range");
        return m_data[i];
    }
    const T* GetData() const { return m_data; }
    const T* begin() const { return m_data; }
    const T* end() const { return m_data + m_size; }

private:
    const T* m_data = nullptr;
    int m_size = 0;
};

// Room for the lists of one map: blocks that are never moved once made, so that a view stays valid
// while more lists are added; a list that does not fit in what is left of a block starts a new one.
template <class T>
class OutputListStore {
public:
    // Room for count elements in one piece, for the caller to fill in: numbers are left as they
    // are, other elements default-constructed.
    T* Allot(std::size_t count)
    {
        if (m_blocks.empty() || m_room - m_used < count) {
            m_room = std::max(count, kBlock);
            m_used = 0;
            m_blocks.push_back(std::make_unique_for_overwrite<T[]>(m_room));
        }
        T* at = m_blocks.back().get() + m_used;
        m_used += count;
        return at;
    }

private:
    // Numbers are many and cheap to leave unset; texts are few and each built when its block is.
    static constexpr std::size_t kBlock = std::is_trivially_default_constructible_v<T> ? 1024 : 64;
    std::vector<std::unique_ptr<T[]>> m_blocks;
    std::size_t m_used = 0;   // of the last block's m_room elements
    std::size_t m_room = 0;
};
