// OutputList: a read-only view of one output value's list, and the store the map keeps lists in.
#pragma once

#include <algorithm>
#include <cstddef>
#include <stdexcept>
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
    // Room for count elements, each value-initialised, in one piece.
    T* Allot(std::size_t count)
    {
        if (m_blocks.empty() || m_blocks.back().capacity() - m_blocks.back().size() < count) {
            std::vector<T> block;
            block.reserve(std::max(count, kBlock));
            m_blocks.push_back(std::move(block));
        }
        std::vector<T>& block = m_blocks.back();
        const std::size_t at = block.size();
        block.resize(at + count);
        return block.data() + at;
    }

private:
    static constexpr std::size_t kBlock = 1024;
    std::vector<std::vector<T>> m_blocks;   // moving a block keeps its elements where they are
};
