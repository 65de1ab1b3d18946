// The saved-component loader: a container whose data sets are damaged at will. The checksums are
// rewritten, so that the damage reaches the archive readers instead of stopping at the checksum;
// whatever loads must store, load and store again to the same bytes.
#include "fuzz_support.h"
#include "project_container.h"
#include "project_session.h"

#include "mfc/carchive.h"

#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

// Writes the CRC-32 of every data set whose length fits in the input over the stored one.
void RewriteChecksums(std::vector<unsigned char>& bytes)
{
    std::size_t pos = 12;   // mark and version
    for (int set = 0; set < 3 && bytes.size() >= pos + 8; ++set) {
        std::uint32_t length = 0;
        for (int i = 0; i < 4; ++i) length |= static_cast<std::uint32_t>(bytes[pos + i]) << (8 * i);
        const std::size_t start = pos + 8;
        if (bytes.size() - start < length) return;
        const auto crc = static_cast<std::uint32_t>(crc32(0L, bytes.data() + start, length));
        for (int i = 0; i < 4; ++i) bytes[pos + 4 + i] = static_cast<unsigned char>(crc >> (8 * i));
        pos = start + length;
    }
}

bool LoadInto(ProjectSession& session, const ComponentDataSets& sets)
{
    try {
        session.Load(sets);
        return true;
    } catch (const CArchiveException&) {
        return false;
    } catch (const std::runtime_error&) {
        return false;
    }
}

bool SameSets(const ComponentDataSets& a, const ComponentDataSets& b)
{
    return a.version == b.version && a.origin == b.origin && a.design == b.design && a.adjustment == b.adjustment;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PrepareComponent();
    std::vector<unsigned char> bytes(data, data + size);
    RewriteChecksums(bytes);
    // The loader reads the file piece by piece, the decoder the bytes in memory: they agree.
    const std::string& path = WriteInputFile("component.pm001", bytes.data(), bytes.size());
    const auto outcome = [&](auto decode) {
        try {
            return std::make_pair(decode(), std::string());
        } catch (const ContainerError& e) {
            return std::make_pair(ComponentDataSets{}, std::string(e.what()));
        }
    };
    const auto [sets, error] = outcome([&] { return DecodeContainer(bytes, path); });
    const auto [fromFile, fileError] = outcome([&] { return LoadContainer(path); });
    Require(error == fileError && SameSets(sets, fromFile), "the file loader and the decoder agree");
    if (!error.empty()) return 0;
    ProjectSession loaded;
    if (!LoadInto(loaded, sets)) return 0;
    (void)loaded.Output();
    const ComponentDataSets stored = loaded.Store();
    ProjectSession again;
    Require(LoadInto(again, stored), "what a loaded component stores loads again");
    Require(SameSets(again.Store(), stored), "store -> load -> store gives the same bytes");
    return 0;
}
