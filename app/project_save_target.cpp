// The check of a save's target against the run's own files and the stored component's mark.
#include "project_save_target.h"

#include "project_container.h"

#include "common/input_file.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <sys/stat.h>

namespace {

[[noreturn]] void refuse(const std::string& path, const std::string& why)
{
    throw ContainerError("cannot save to \"" + path + "\": " + why);
}

} // namespace

void CheckSaveTarget(const std::string& path, const std::vector<RunInput>& inputs)
{
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0) {
        // Nothing there yet (or no folder for it, which the save reports as it makes the file).
        if (errno == ENOENT) return;
        refuse(path, std::strerror(errno));
    }
    for (const RunInput& input : inputs) {
        struct stat read {};
        if (input.path.empty() || ::stat(input.path.c_str(), &read) != 0) continue;
        if (read.st_dev == target.st_dev && read.st_ino == target.st_ino)
            refuse(path, "it is the " + input.role + " \"" + input.path + "\" of this run");
    }
    InputFile file(path);
    if (!file.IsOpen()) refuse(path, std::strerror(file.Error()));
    if (!file.IsRegular()) refuse(path, "not a regular file");
    if (file.Size() == 0) return;
    std::array<unsigned char, kContainerMark.size()> mark{};
    const std::int64_t n = file.ReadAt(0, mark.data(), mark.size());
    if (n < 0) refuse(path, std::strerror(file.Error()));
    if (static_cast<std::size_t>(n) != mark.size() || mark != kContainerMark)
        refuse(path, "the file exists and is not a stored pm001 component");
}
