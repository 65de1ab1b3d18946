// SipHash-2-4 (Aumasson and Bernstein) and the per-process key it hashes read texts under.
#include "json/keyed_string_hash.h"

#include <chrono>
#include <cstdint>
#include <exception>
#include <random>
#include <unistd.h>

namespace {

using Word = std::uint64_t;

constexpr Word RotateLeft(Word x, int bits) { return (x << bits) | (x >> (64 - bits)); }

struct SipState {
    Word v0, v1, v2, v3;

    SipState(Word k0, Word k1)
        : v0(k0 ^ 0x736f6d6570736575), v1(k1 ^ 0x646f72616e646f6d), v2(k0 ^ 0x6c7967656e657261),
          v3(k1 ^ 0x7465646279746573)
    {
    }

    void Round()
    {
        v0 += v1; v1 = RotateLeft(v1, 13); v1 ^= v0; v0 = RotateLeft(v0, 32);
        v2 += v3; v3 = RotateLeft(v3, 16); v3 ^= v2;
        v0 += v3; v3 = RotateLeft(v3, 21); v3 ^= v0;
        v2 += v1; v1 = RotateLeft(v1, 17); v1 ^= v2; v2 = RotateLeft(v2, 32);
    }

    // One word of the message: two rounds.
    void Take(Word m)
    {
        v3 ^= m;
        Round();
        Round();
        v0 ^= m;
    }
};

// Eight bytes as a little-endian word, on any machine.
Word LittleEndianWord(const unsigned char* bytes, std::size_t count)
{
    Word word = 0;
    for (std::size_t i = 0; i < count; ++i) word |= Word{bytes[i]} << (8 * i);
    return word;
}

struct ProcessKey {
    Word k0 = 0, k1 = 0;
};

// 128 bits from the system's random source; where it cannot give them (no random device), the
// clock, the process id and an address of this run, which still differ from run to run.
ProcessKey DrawProcessKey()
{
    ProcessKey key;
    try {
        std::random_device random;
        key.k0 = (Word{random()} << 32) ^ random();
        key.k1 = (Word{random()} << 32) ^ random();
    } catch (const std::exception&) {
        const Word now = static_cast<Word>(std::chrono::steady_clock::now().time_since_epoch().count());
        const Word wall = static_cast<Word>(std::chrono::system_clock::now().time_since_epoch().count());
        key.k0 = SipHash24(now, static_cast<Word>(::getpid()), std::string_view(reinterpret_cast<const char*>(&key), sizeof key));
        key.k1 = SipHash24(wall, reinterpret_cast<std::uintptr_t>(&key), std::string_view(reinterpret_cast<const char*>(&now), sizeof now));
    }
    return key;
}

} // namespace

std::uint64_t SipHash24(std::uint64_t k0, std::uint64_t k1, std::string_view bytes)
{
    SipState state(k0, k1);
    const auto* at = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t whole = bytes.size() & ~std::size_t{7};
    for (std::size_t i = 0; i < whole; i += 8) state.Take(LittleEndianWord(at + i, 8));
    // The last word: the bytes left over, with the length's low byte on top.
    state.Take(LittleEndianWord(at + whole, bytes.size() - whole) | (Word{bytes.size() & 0xff} << 56));
    state.v2 ^= 0xff;
    for (int i = 0; i < 4; ++i) state.Round();
    return state.v0 ^ state.v1 ^ state.v2 ^ state.v3;
}

std::size_t KeyedStringHash::operator()(std::string_view text) const
{
    static const ProcessKey key = DrawProcessKey();
    return static_cast<std::size_t>(SipHash24(key.k0, key.k1, text));
}
