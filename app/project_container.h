// The host's container file for one stored component: its origin, design and adjustment data sets.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

// The format version a save writes: the newest, whose forms this build's records write. A load
// reads every version from the first up to it (docs/archive-format.md).
inline constexpr std::uint32_t kFirstContainerVersion = 1;
inline constexpr std::uint32_t kContainerVersion = 2;

// The three data sets of one component, each the bytes its archive operation wrote, and the format
// version they were stored in, which a load hands to every record (CArchive::GetFormatVersion).
struct ComponentDataSets {
    std::vector<unsigned char> origin;
    std::vector<unsigned char> design;
    std::vector<unsigned char> adjustment;
    std::uint32_t version = kContainerVersion;
};

// A container that cannot be used: names the file and what is wrong where.
class ContainerError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Layout: the magic "PM001CMP" (8 bytes), the format version (4-byte little-endian int), then
// for each data set in the order origin, design, adjustment: its length (4 bytes), its CRC-32
// (4 bytes, zlib's polynomial) and its bytes. Nothing may follow the last set.
inline constexpr std::array<unsigned char, 8> kContainerMark = {'P', 'M', '0', '0', '1', 'C', 'M', 'P'};
// Writes sets.version: kContainerVersion for sets a component stores, the version read for sets
// decoded (their bytes keep the forms of that version).
std::vector<unsigned char> EncodeContainer(const ComponentDataSets& sets);
// The sets with the version read. Throws ContainerError naming the byte offset of the first thing
// that is wrong.
ComponentDataSets DecodeContainer(const std::vector<unsigned char>& bytes, const std::string& source);

// Copies count bytes of a container from offset into into; returns how many it copied, fewer
// only where the container's bytes end. May throw (a read error).
using ContainerBytesAt = std::function<std::size_t(std::uint64_t offset, unsigned char* into, std::size_t count)>;
// The same for a container of size bytes read piece by piece: the mark, the version and every
// length are checked against size, and the lengths must add up to it, before a data set's bytes
// are asked for, so that no more is held than the data sets the container really has.
ComponentDataSets DecodeContainer(std::uint64_t size, const ContainerBytesAt& bytesAt, const std::string& source);

// Written to a temporary file beside the target and renamed into place, so that a failed save
// leaves any earlier file as it was. A symbolic link is followed and the file it names replaced
// (more than 40 links is a loop, refused); an existing target that is not a regular file is
// refused ("… is not a regular file"); the new file keeps the read, write and execute
// permissions of the file it replaces, never its set-user-id, set-group-id or sticky bit, and
// belongs to whoever saves; the folder is synced after the rename (a failure there is reported as
// the component in place and its folder not synced), and every write error (a full device) is
// reported. The temporary file is ".<name>.pm001-saving" beside the target (the name
// cut short, with its checksum, where that would be longer than 255 bytes), always newly made:
// whatever lies at that name (a file left by a save that was killed, a link) is removed first,
// never written through, unless a save running at the same time holds it, which refuses this one.
// An empty path is refused. Failures throw ContainerError naming the path and the reason.
void SaveContainer(const std::string& path, const ComponentDataSets& sets);
// Reads only a regular file (a FIFO is refused, not waited on), and refuses one larger than the
// largest container before reading it; then decodes it piece by piece, checking the mark and every
// length against the file's size before a data set is read.
ComponentDataSets LoadContainer(const std::string& path);
