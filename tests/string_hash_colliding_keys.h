// Keys that the C++ library's string hash (GNU libstdc++ on a 64-bit machine: a Murmur-like hash
// with a fixed seed) sends all to one value: what anyone can make to slow down a table indexed by
// it. Shared by tests and benchmarks, which make them as they run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace string_hash_collisions {

using Word = std::uint64_t;

// The hash's multiplier and seed, and the multiplier's inverse modulo 2^64 (Newton's iteration:
// each step doubles the bits that are right, from 3 for any odd number).
constexpr Word kMultiplier = (Word{0xc6a4a793} << 32) + 0x5bd1e995;
constexpr Word kSeed = 0xc70f6907;
constexpr Word Inverse(Word odd)
{
    Word x = odd;
    for (int i = 0; i < 6; ++i) x *= 2 - odd * x;
    return x;
}
constexpr Word kInverse = Inverse(kMultiplier);
static_assert(kMultiplier * kInverse == 1);

// x ^ (x >> 47) undoes itself: the shift moves the top 17 bits past the bottom 47.
constexpr Word ShiftMix(Word x) { return x ^ (x >> 47); }
// How the hash takes in one 8-byte word of the key, and which word it took in from what it added.
constexpr Word Mixed(Word block) { return ShiftMix(block * kMultiplier) * kMultiplier; }
constexpr Word Unmixed(Word mixed) { return ShiftMix(mixed * kInverse) * kInverse; }

// A word is a printable part of a key when each byte may stand in a JSON string unescaped.
inline bool Printable(Word block)
{
    for (int i = 0; i < 8; ++i, block >>= 8) {
        const unsigned char byte = static_cast<unsigned char>(block);
        if (byte < 0x20 || byte > 0x7e || byte == '"' || byte == '\\') return false;
    }
    return true;
}

} // namespace string_hash_collisions

// count keys of 24 printable bytes that share one hash value: "pm001key", then a counter in 8
// printable bytes, then the one last word that brings the hash's state after three words to the
// same value as every other key's (solved backwards; kept when it is printable, about one try in
// 3,300). The hash's end mixes that state alone, so the whole hashes agree.
inline std::vector<std::string> StringHashCollidingKeys(std::size_t count)
{
    using namespace string_hash_collisions;
    constexpr std::size_t kLength = 24;
    constexpr Word kState = 0x706d303031636f6c;   // the state every key is brought to
    constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-_";
    Word first = 0;
    std::memcpy(&first, "pm001key", 8);
    const Word afterFirst = ((kSeed ^ (kLength * kMultiplier)) ^ Mixed(first)) * kMultiplier;
    std::vector<std::string> keys;
    keys.reserve(count);
    for (Word counter = 0; keys.size() < count; ++counter) {
        Word second = 0;   // the counter in base 64, a letter, digit, '-' or '_' per digit
        for (int i = 0; i < 8; ++i) second |= Word{static_cast<unsigned char>(kDigits[(counter >> (6 * i)) & 63])} << (8 * i);
        const Word afterSecond = (afterFirst ^ Mixed(second)) * kMultiplier;
        const Word last = Unmixed((kState * kInverse) ^ afterSecond);
        if (!Printable(last)) continue;
        std::string key(kLength, '\0');
        std::memcpy(key.data(), &first, 8);
        std::memcpy(key.data() + 8, &second, 8);
        std::memcpy(key.data() + 16, &last, 8);
        keys.push_back(std::move(key));
    }
    return keys;
}
