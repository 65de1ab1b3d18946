// NameBlock: names kept one after another in one block of text, each readable eight bytes at a time.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <utility>

// Where a name lies in a block of names: its first byte and its length.
struct NameSpan {
    std::uint32_t at;
    std::uint32_t length;
};

// Every name is followed by at least eight zero bytes (the next name is written over them), so
// that eight bytes can be read from any place in a name without passing the block's end.
class NameBlock {
public:
    static constexpr std::size_t kPad = 8;

    NameBlock() = default;
    NameBlock(NameBlock&& other) noexcept
        : m_bytes(std::move(other.m_bytes)), m_size(std::exchange(other.m_size, 0)), m_room(std::exchange(other.m_room, 0))
    {
    }
    NameBlock& operator=(NameBlock&& other) noexcept
    {
        m_bytes = std::move(other.m_bytes);
        m_size = std::exchange(other.m_size, 0);
        m_room = std::exchange(other.m_room, 0);
        return *this;
    }
    NameBlock(const NameBlock&) = delete;
    NameBlock& operator=(const NameBlock&) = delete;

    const char* data() const { return m_bytes.get(); }
    // The bytes of the names, without the pad after the last.
    std::size_t size() const { return m_size; }

    void Reserve(std::size_t bytes)
    {
        if (bytes + kPad > m_room) Grow(bytes + kPad);
    }
    // Writes head + tail after the names held; returns where it begins.
    std::size_t Append(std::string_view head, std::string_view tail)
    {
        const std::size_t at = m_size;
        const std::size_t end = at + head.size() + tail.size();
        if (end + kPad > m_room) Grow(std::max(end + kPad, 2 * m_room));
        char* name = m_bytes.get() + at;
        if (!head.empty()) std::memcpy(name, head.data(), head.size());
        if (!tail.empty()) std::memcpy(name + head.size(), tail.data(), tail.size());
        const std::uint64_t zeros = 0;
        std::memcpy(m_bytes.get() + end, &zeros, kPad);
        m_size = end;
        return at;
    }

private:
    void Grow(std::size_t room)
    {
        auto bytes = std::make_unique_for_overwrite<char[]>(room);
        if (m_bytes) std::memcpy(bytes.get(), m_bytes.get(), m_size + kPad);
        m_bytes = std::move(bytes);
        m_room = room;
    }

    std::unique_ptr<char[]> m_bytes;
    std::size_t m_size = 0;   // the pad after the last name lies beyond
    std::size_t m_room = 0;
};
