// The container in a file: saved beside its target and renamed into place, loaded only from a regular file.
#include "project_container.h"
#include "common/input_file.h"

#include <zlib.h>

#include <cerrno>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Symbolic links followed before a target counts as a loop, as the system itself counts.
constexpr int kMaxLinks = 40;

// The largest file a container can be: mark, version and three data sets of the largest length.
constexpr std::uint64_t kMaxContainerBytes = 8 + 4 + 3 * (4 + 4 + std::uint64_t{0xFFFFFFFFu});

[[noreturn]] void fail(const std::string& action, const std::string& path, int error)
{
    throw ContainerError("cannot " + action + " \"" + path + "\": " + std::strerror(error));
}

// Every failure of a save reads alike: "cannot save to "<path>": <why>".
[[noreturn]] void failSave(const std::string& path, const std::string& why)
{
    throw ContainerError("cannot save to \"" + path + "\": " + why);
}

[[noreturn]] void failSave(const std::string& path, int error) { failSave(path, std::strerror(error)); }

[[noreturn]] void notRegular(const std::string& path)
{
    throw ContainerError(NotRegularFileMessage(path));
}

// An open file of this process, closed when the owner goes, whatever happens.
struct Descriptor {
    int fd = -1;
    explicit Descriptor(int opened) : fd(opened) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd >= 0) ::close(fd);
    }
};

// Closes the file now: a write error the system held back shows here.
bool closeNow(Descriptor& file)
{
    const int fd = file.fd;
    file.fd = -1;
    return ::close(fd) == 0;
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a save replaces: path with its symbolic links followed, also a dangling last one
// (the save then creates the file the link names). info describes it when it exists.
std::string resolveTarget(const std::string& path, bool& exists, struct stat& info)
{
    std::string target = path;
    for (int links = 0;; ++links) {
        if (::lstat(target.c_str(), &info) != 0) {
            if (errno != ENOENT) failSave(path, errno);
            exists = false;
            return target;
        }
        if (!S_ISLNK(info.st_mode)) break;
        if (links == kMaxLinks) failSave(path, ELOOP);
        std::string link(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n < 0) failSave(path, errno);
        link.resize(static_cast<std::size_t>(n));
        target = (link.empty() || link[0] == '/') ? link : folderOf(target) + "/" + link;
    }
    exists = true;
    if (!S_ISREG(info.st_mode)) failSave(path, "not a regular file");
    return target;
}

// The longest name a file may have in a folder.
constexpr std::size_t kLongestName = 255;

// Attempts at making the temporary file: one fails only when another save changes the name
// between two of our steps.
constexpr int kTemporaryAttempts = 100;

// The temporary file's name beside a target called name: ".<name>.pm001-saving", the name cut
// short where the whole would be longer than a file name may be, and then told apart from other
// long names by their checksum.
std::string temporaryName(const std::string& name)
{
    const std::string suffix = ".pm001-saving";
    if (1 + name.size() + suffix.size() <= kLongestName) return "." + name + suffix;
    char tag[10];
    std::snprintf(tag, sizeof tag, "-%08x",
                  static_cast<unsigned>(crc32(0L, reinterpret_cast<const Bytef*>(name.data()), static_cast<uInt>(name.size()))));
    std::size_t keep = kLongestName - 1 - (sizeof tag - 1) - suffix.size();
    // Cut before a character, never inside one.
    while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;
    return "." + name.substr(0, keep) + tag + suffix;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Takes the lock of a temporary file, refusing when a save running at the same time holds it.
void lockTemporary(int fd, const std::string& path)
{
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return;
    if (errno == EWOULDBLOCK) failSave(path, "another save to the same file is in progress");
    failSave(path, std::string("cannot lock its temporary file: ") + std::strerror(errno));
}

// Removes what lies at the temporary name, left by a save that was killed or put there by
// anyone: it is never written, nor followed when a link. A regular file is only opened to take
// its lock, so that the file of a save still running (which holds the lock) is left alone. True
// when the name is free; false when it changed under us (try again).
bool removeLeftOver(const std::string& temporary, const std::string& path)
{
    struct stat named {};
    if (::lstat(temporary.c_str(), &named) != 0) {
        if (errno == ENOENT) return true;
        failSave(path, errno);
    }
    Descriptor held(-1);
    if (S_ISREG(named.st_mode)) {
        held.fd = ::open(temporary.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (held.fd < 0) {
            if (errno == ENOENT || errno == ELOOP) return false;
            failSave(path, errno);
        }
        struct stat opened {};
        if (::fstat(held.fd, &opened) != 0) failSave(path, errno);
        if (!sameFile(opened, named)) return false;
        lockTemporary(held.fd, path);
        struct stat again {};
        if (::lstat(temporary.c_str(), &again) != 0 || !sameFile(again, opened)) return false;
    }
    if (::unlink(temporary.c_str()) != 0 && errno != ENOENT) failSave(path, errno);
    return true;
}

// Makes the temporary file of a save to target, new and only ours, and locks it while the save
// writes it; a file already at that name is removed first (see removeLeftOver).
Descriptor openTemporary(const std::string& temporary, const std::string& path)
{
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        if (!removeLeftOver(temporary, path)) continue;
        Descriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (file.fd < 0) {
            if (errno == EEXIST) continue;
            failSave(path, errno);
        }
        lockTemporary(file.fd, path);
        // Another save may have taken our new file for a left-over and removed it before we
        // locked it: the name must still lead to the file we hold.
        struct stat opened {};
        struct stat named {};
        if (::fstat(file.fd, &opened) != 0) failSave(path, errno);
        if (::lstat(temporary.c_str(), &named) == 0 && sameFile(named, opened)) return Descriptor(::dup(file.fd));
    }
    failSave(path, "the name of its temporary file keeps changing");
}

// The mode a new file gets: read and write for all, less the process's mask.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void writeAll(int fd, const std::vector<unsigned char>& bytes, const std::string& path)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            failSave(path, errno);
        }
        if (n == 0) failSave(path, EIO);
        done += static_cast<std::size_t>(n);
    }
}

// After the rename the folder's entry must reach the disk too, or a crash may bring back the old file.
// The new component is in place by then, and a failure says so: only its entry in the folder may
// not have reached the disk.
void syncFolder(const std::string& folder, const std::string& path)
{
    const auto notSynced = [&](int error) {
        throw ContainerError("the component is in place in \"" + path + "\", but its folder \"" + folder +
                             "\" could not be synced: " + std::strerror(error));
    };
    Descriptor file(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (file.fd < 0) notSynced(errno);
    if (::fsync(file.fd) != 0 && errno != EINVAL) notSynced(errno);
}

} // namespace

void SaveContainer(const std::string& path, const ComponentDataSets& sets)
{
    if (path.empty()) throw ContainerError("the name of the file to save to is empty");
    const std::vector<unsigned char> bytes = EncodeContainer(sets);

    bool exists = false;
    struct stat existing {};
    const std::string target = resolveTarget(path, exists, existing);
    const std::string temporary = folderOf(target) + "/" + temporaryName(nameOf(target));

    Descriptor file = openTemporary(temporary, path);
    try {
        writeAll(file.fd, bytes, path);
        // The permissions of the file replaced, never its set-user-id, set-group-id or sticky bit:
        // the new file belongs to whoever saves, not to the old file's owner.
        if (::fchmod(file.fd, exists ? (existing.st_mode & 0777) : newFileMode()) != 0) failSave(path, errno);
        if (::fsync(file.fd) != 0) failSave(path, errno);
        if (::rename(temporary.c_str(), target.c_str()) != 0) failSave(path, errno);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    if (!closeNow(file)) failSave(path, errno);
    syncFolder(folderOf(target), path);
}

ComponentDataSets LoadContainer(const std::string& path)
{
    InputFile file(path);
    if (!file.IsOpen()) fail("open", path, file.Error());
    if (!file.IsRegular()) notRegular(path);
    if (file.Size() > kMaxContainerBytes)
        throw ContainerError("\"" + path + "\" is larger than any stored pm001 component (" +
                             std::to_string(file.Size()) + " bytes)");
    const ContainerBytesAt bytesAt = [&](std::uint64_t offset, unsigned char* into, std::size_t count) {
        const std::int64_t n = file.ReadAt(offset, into, count);
        if (n < 0) fail("read", path, file.Error());
        return static_cast<std::size_t>(n);
    };
    return DecodeContainer(file.Size(), bytesAt, path);
}
