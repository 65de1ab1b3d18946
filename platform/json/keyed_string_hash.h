// The hash that indexes the keys of what is read from outside: SipHash-2-4 under a key drawn once
// per process, so that no text can be written whose keys all land on one hash value. The standard
// library's string hash has a fixed seed: keys sharing one value can be made at will, and a table
// indexed by it then walks one chain for every key, so that reading grows with the square of an
// object's size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// SipHash-2-4 of bytes under the 128-bit key (k0, k1): the key's bytes 0-7 and 8-15, little-endian.
std::uint64_t SipHash24(std::uint64_t k0, std::uint64_t k1, std::string_view bytes);

// The hash of a text under this process's key: drawn from the system's random source at first use,
// the same for every table of the process and never told outside. Tables keyed by it keep their
// members in an order of their own (the readers' objects keep the text's order in a list beside
// their index), so nothing read depends on the key.
struct KeyedStringHash {
    std::size_t operator()(std::string_view text) const;
};
