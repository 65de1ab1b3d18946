// Keys that the C++ library's string hash (GNU libstdc++, 64-bit: a Murmur-like hash with a fixed
// seed) sends all to one value, as anyone can to slow down a table indexed by it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

// count keys of 24 printable bytes that share one hash value: head (8 bytes), then a counter in 8
// printable bytes (base 64), then the one last word that brings the hash's state after three words
// to the same value as every other key's (solved backwards through the multiplier's inverse and
// x ^ (x >> 47), which undoes itself; kept when no byte needs escaping in JSON, about one try in
// 3,300). The hash's end mixes that state alone, so the whole hashes agree.
inline std::vector<std::string> StringHashCollidingKeys(std::size_t count, const char (&head)[9] = "pm001key")
{
    using Word = std::uint64_t;
    constexpr Word kMul = (Word{0xc6a4a793} << 32) + 0x5bd1e995, kSeed = 0xc70f6907, kLength = 24;
    // The multiplier's inverse modulo 2^64 by Newton's iteration: each step doubles the bits that are right.
    constexpr Word kInv = [x = kMul]() mutable { for (int i = 0; i < 6; ++i) x *= 2 - kMul * x; return x; }();
    static_assert(kMul * kInv == 1);
    constexpr Word kState = 0x706d303031636f6c;   // the state every key is brought to
    constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-_";
    const auto shiftMix = [](Word x) { return x ^ (x >> 47); };
    const auto mixed = [&](Word block) { return shiftMix(block * kMul) * kMul; };
    const auto printable = [](Word block) {
        for (int i = 0; i < 8; ++i, block >>= 8)
            if (const auto b = static_cast<unsigned char>(block); b < 0x20 || b > 0x7e || b == '"' || b == '\\') return false;
        return true;
    };
    Word words[3] = {};
    std::memcpy(&words[0], head, 8);
    const Word afterFirst = ((kSeed ^ (kLength * kMul)) ^ mixed(words[0])) * kMul;
    std::vector<std::string> keys;
    for (Word counter = 0; keys.size() < count; ++counter) {
        words[1] = 0;
        for (int i = 0; i < 8; ++i) words[1] |= Word{static_cast<unsigned char>(kDigits[(counter >> (6 * i)) & 63])} << (8 * i);
        words[2] = shiftMix(((kState * kInv) ^ ((afterFirst ^ mixed(words[1])) * kMul)) * kInv) * kInv;
        if (!printable(words[2])) continue;
        keys.emplace_back(reinterpret_cast<const char*>(words), kLength);
    }
    return keys;
}

// How many distinct values hash gives keys.
template <class Hash> std::size_t DistinctHashes(const std::vector<std::string>& keys, const Hash& hash)
{
    std::set<std::size_t> values;
    for (const std::string& key : keys) values.insert(hash(key));
    return values.size();
}
