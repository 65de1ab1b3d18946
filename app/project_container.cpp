// Encoding, checking and file transfer of the host's component container.
#include "project_container.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

namespace {

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

// Walks a container through bytesAt, asking for a data set's bytes only once its length has been
// checked against the bytes the container holds.
struct Reader {
    std::uint64_t size;
    const ContainerBytesAt& bytesAt;
    const std::string& source;
    std::uint64_t pos = 0;

    [[noreturn]] void fail(const std::string& what) const
    {
        throw ContainerError(source + ": " + what + " at byte " + std::to_string(pos));
    }

    bool take(unsigned char* into, std::size_t count)
    {
        return size - pos >= count && (count == 0 || bytesAt(pos, into, count) == count);
    }

    std::uint32_t u32(const std::string& what)
    {
        unsigned char b[4];
        if (!take(b, 4)) fail("the file ends inside " + what);
        pos += 4;
        return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
               static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    }

    // A data set's length and checksum; its length is checked against the bytes that remain.
    std::pair<std::uint32_t, std::uint32_t> header(const std::string& name)
    {
        const std::uint64_t start = pos;
        const std::uint32_t length = u32("the length of the " + name + " data set");
        const std::uint32_t crc = u32("the checksum of the " + name + " data set");
        if (size - pos < length) {
            pos = start;
            fail("the " + name + " data set is longer than the file");
        }
        return {length, crc};
    }

    void skipSet(const std::string& name) { pos += header(name).first; }

    std::vector<unsigned char> dataSet(const std::string& name)
    {
        const auto [length, crc] = header(name);
        std::vector<unsigned char> set(length);
        if (!take(set.data(), set.size())) fail("the file ends inside the " + name + " data set");
        if (crcOf(set) != crc) fail("the " + name + " data set is damaged (checksum mismatch)");
        pos += length;
        return set;
    }
};

} // namespace

std::vector<unsigned char> EncodeContainer(const ComponentDataSets& sets)
{
    std::vector<unsigned char> out(kContainerMark.begin(), kContainerMark.end());
    putU32(out, sets.version);
    for (const auto* set : {&sets.origin, &sets.design, &sets.adjustment}) {
        if (set->size() > 0xFFFFFFFFu) throw ContainerError("a data set is too large for the container");
        putU32(out, static_cast<std::uint32_t>(set->size()));
        putU32(out, crcOf(*set));
        out.insert(out.end(), set->begin(), set->end());
    }
    return out;
}

ComponentDataSets DecodeContainer(std::uint64_t size, const ContainerBytesAt& bytesAt, const std::string& source)
{
    Reader in{size, bytesAt, source};
    std::array<unsigned char, kContainerMark.size()> mark{};
    if (!in.take(mark.data(), mark.size()) || mark != kContainerMark) in.fail("not a stored pm001 component (no PM001CMP mark)");
    in.pos = kContainerMark.size();
    const std::uint32_t version = in.u32("the format version");
    if (version < kFirstContainerVersion || version > kContainerVersion) {
        in.pos -= 4;
        in.fail("format version " + std::to_string(version) + " is not known");
    }
    // The lengths must add up to the container's size before a data set's bytes are asked for.
    const std::uint64_t first = in.pos;
    for (const char* name : {"origin", "design", "adjustment"}) in.skipSet(name);
    if (in.pos != size) in.fail("unexpected bytes after the last data set");
    in.pos = first;
    ComponentDataSets sets;
    sets.version = version;
    sets.origin = in.dataSet("origin");
    sets.design = in.dataSet("design");
    sets.adjustment = in.dataSet("adjustment");
    // Asking for one byte more finds bytes added after the size was taken.
    unsigned char more = 0;
    if (in.pos != size || bytesAt(in.pos, &more, 1) != 0) in.fail("unexpected bytes after the last data set");
    return sets;
}

ComponentDataSets DecodeContainer(const std::vector<unsigned char>& bytes, const std::string& source)
{
    const ContainerBytesAt bytesAt = [&bytes](std::uint64_t offset, unsigned char* into, std::size_t count) {
        if (offset >= bytes.size()) return std::size_t{0};
        const std::size_t n = std::min<std::size_t>(count, bytes.size() - static_cast<std::size_t>(offset));
        std::memcpy(into, bytes.data() + offset, n);
        return n;
    };
    return DecodeContainer(bytes.size(), bytesAt, source);
}
