// RecentSizes: the sizes a thread's last few buffers of one kind grew to, so that the next one can
// make room for them at once instead of growing step by step.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

template <std::size_t kKept = 4>
class RecentSizes {
public:
    // The largest of the sizes kept (0 before any).
    std::size_t Largest() const { return *std::max_element(m_sizes.begin(), m_sizes.end()); }
    // Keeps size as the newest, dropping the oldest.
    void Note(std::size_t size)
    {
        std::copy_backward(m_sizes.begin(), m_sizes.end() - 1, m_sizes.end());
        m_sizes[0] = size;
    }

private:
    std::array<std::size_t, kKept> m_sizes{};   // the newest first
};
