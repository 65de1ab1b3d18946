// LoadBytesInOrder: eight bytes of text read as one number that orders as the bytes do.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

// The eight bytes at p as an unsigned number, the first byte the most significant: two such numbers
// compare as their bytes do (as memcmp compares them), on a machine of either byte order.
inline std::uint64_t LoadBytesInOrder(const char* p)
{
    std::uint64_t value;
    std::memcpy(&value, p, sizeof value);
    if constexpr (std::endian::native == std::endian::big) {
        return value;
    } else if constexpr (std::endian::native == std::endian::little) {
#if defined(__GNUC__) || defined(__clang__)
        return __builtin_bswap64(value);
#else
        std::uint64_t swapped = 0;
        for (int i = 0; i < 8; ++i, value >>= 8) swapped = (swapped << 8) | (value & 0xff);
        return swapped;
#endif
    } else {
        std::uint64_t ordered = 0;
        for (int i = 0; i < 8; ++i) ordered = (ordered << 8) | static_cast<unsigned char>(p[i]);
        return ordered;
    }
}
