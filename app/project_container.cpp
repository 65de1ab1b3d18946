// Encoding, checking and file transfer of the host's component container.
#include "project_container.h"

#include <zlib.h>

#include <array>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::array<unsigned char, 8> kMagic = {'P', 'M', '0', '0', '1', 'C', 'M', 'P'};
constexpr std::uint32_t kVersion = 1;

void putU32(std::vector<unsigned char>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

std::uint32_t crcOf(const std::vector<unsigned char>& bytes)
{
    uLong crc = crc32(0L, Z_NULL, 0);
    // zlib takes lengths as uInt; data sets are far below that, but feed it in pieces anyway.
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t piece = std::min<std::size_t>(bytes.size() - done, 1u << 30);
        crc = crc32(crc, bytes.data() + done, static_cast<uInt>(piece));
        done += piece;
    }
    return static_cast<std::uint32_t>(crc);
}

struct Reader {
    const std::vector<unsigned char>& bytes;
    const std::string& source;
    std::size_t pos = 0;

    [[noreturn]] void fail(const std::string& what) const
    {
        throw ContainerError(source + ": " + what + " at byte " + std::to_string(pos));
    }

    std::uint32_t u32(const char* what)
    {
        if (bytes.size() - pos < 4) fail(std::string("the file ends inside ") + what);
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(bytes[pos + i]) << (8 * i);
        pos += 4;
        return v;
    }

    std::vector<unsigned char> dataSet(const char* name)
    {
        const std::size_t start = pos;
        const std::uint32_t length = u32((std::string("the length of the ") + name + " data set").c_str());
        const std::uint32_t crc = u32((std::string("the checksum of the ") + name + " data set").c_str());
        if (bytes.size() - pos < length) {
            pos = start;
            fail(std::string("the ") + name + " data set is longer than the file");
        }
        std::vector<unsigned char> set(bytes.begin() + static_cast<std::ptrdiff_t>(pos),
                                       bytes.begin() + static_cast<std::ptrdiff_t>(pos + length));
        if (crcOf(set) != crc) fail(std::string("the ") + name + " data set is damaged (checksum mismatch)");
        pos += length;
        return set;
    }
};

} // namespace

std::vector<unsigned char> EncodeContainer(const ComponentDataSets& sets)
{
    std::vector<unsigned char> out(kMagic.begin(), kMagic.end());
    putU32(out, kVersion);
    for (const auto* set : {&sets.origin, &sets.design, &sets.adjustment}) {
        if (set->size() > 0xFFFFFFFFu) throw ContainerError("a data set is too large for the container");
        putU32(out, static_cast<std::uint32_t>(set->size()));
        putU32(out, crcOf(*set));
        out.insert(out.end(), set->begin(), set->end());
    }
    return out;
}

ComponentDataSets DecodeContainer(const std::vector<unsigned char>& bytes, const std::string& source)
{
    Reader in{bytes, source};
    if (bytes.size() < kMagic.size() || std::memcmp(bytes.data(), kMagic.data(), kMagic.size()) != 0)
        in.fail("not a stored pm001 component (no PM001CMP mark)");
    in.pos = kMagic.size();
    const std::uint32_t version = in.u32("the format version");
    if (version != kVersion) {
        in.pos -= 4;
        in.fail("format version " + std::to_string(version) + " is not known");
    }
    ComponentDataSets sets;
    sets.origin = in.dataSet("origin");
    sets.design = in.dataSet("design");
    sets.adjustment = in.dataSet("adjustment");
    if (in.pos != bytes.size()) in.fail("unexpected bytes after the last data set");
    return sets;
}
