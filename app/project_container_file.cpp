// The container in a file: saved beside its target and renamed into place, loaded only from a regular file.
#include "project_container.h"

#include <cerrno>
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

[[noreturn]] void notRegular(const std::string& path)
{
    throw ContainerError("\"" + path + "\" is not a regular file");
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
            if (errno != ENOENT) fail("save to", path, errno);
            exists = false;
            return target;
        }
        if (!S_ISLNK(info.st_mode)) break;
        if (links == kMaxLinks) fail("save to", path, ELOOP);
        std::string link(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n < 0) fail("save to", path, errno);
        link.resize(static_cast<std::size_t>(n));
        target = (link.empty() || link[0] == '/') ? link : folderOf(target) + "/" + link;
    }
    exists = true;
    if (!S_ISREG(info.st_mode)) notRegular(path);
    return target;
}

// Opens the temporary file of a save to target: one fixed name beside it, so that a file left
// by a save that was killed is taken over (and so removed) by the next save to that target.
// The file is locked while a save writes it; a save running at the same time is refused.
Descriptor openTemporary(const std::string& target, const std::string& temporary, const std::string& path)
{
    for (;;) {
        // Not blocking and not following a link: whatever else lies at that name is refused.
        Descriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
        if (file.fd < 0) fail("create a temporary file for", path, errno);
        struct stat opened {};
        if (::fstat(file.fd, &opened) != 0) fail("create a temporary file for", path, errno);
        if (!S_ISREG(opened.st_mode)) notRegular(temporary);
        if (::flock(file.fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EWOULDBLOCK) throw ContainerError("another save to \"" + target + "\" is in progress");
            fail("lock the temporary file for", path, errno);
        }
        // A save that finished between our open and our lock renamed that file into place:
        // the name must still lead to the file we hold, or we start again.
        struct stat named {};
        if (::lstat(temporary.c_str(), &named) == 0 && named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) {
            if (::ftruncate(file.fd, 0) != 0) fail("write", path, errno);
            const int flags = ::fcntl(file.fd, F_GETFL);
            if (flags < 0 || ::fcntl(file.fd, F_SETFL, flags & ~O_NONBLOCK) != 0) fail("write", path, errno);
            return Descriptor(::dup(file.fd));   // the lock belongs to the open file, which the copy shares
        }
    }
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
            fail("write", path, errno);
        }
        if (n == 0) fail("write", path, EIO);
        done += static_cast<std::size_t>(n);
    }
}

// After the rename the folder's entry must reach the disk too, or a crash may bring back the old file.
void syncFolder(const std::string& folder, const std::string& path)
{
    Descriptor file(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (file.fd < 0) fail("sync the folder of", path, errno);
    if (::fsync(file.fd) != 0 && errno != EINVAL) fail("sync the folder of", path, errno);
}

} // namespace

void SaveContainer(const std::string& path, const ComponentDataSets& sets)
{
    if (path.empty()) throw ContainerError("the name of the file to save to is empty");
    const std::vector<unsigned char> bytes = EncodeContainer(sets);

    bool exists = false;
    struct stat existing {};
    const std::string target = resolveTarget(path, exists, existing);
    const std::string temporary = folderOf(target) + "/." + nameOf(target) + ".pm001-saving";

    Descriptor file = openTemporary(target, temporary, path);
    try {
        writeAll(file.fd, bytes, path);
        if (::fchmod(file.fd, exists ? (existing.st_mode & 07777) : newFileMode()) != 0) fail("write", path, errno);
        if (::fsync(file.fd) != 0) fail("write", path, errno);
        if (::rename(temporary.c_str(), target.c_str()) != 0) fail("replace", path, errno);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    if (!closeNow(file)) fail("write", path, errno);
    syncFolder(folderOf(target), path);
}

ComponentDataSets LoadContainer(const std::string& path)
{
    // Opened without blocking, so that a FIFO is refused instead of waited on; then only a
    // regular file no larger than the largest container is read.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.fd < 0) fail("open", path, errno);
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) fail("read", path, errno);
    if (!S_ISREG(info.st_mode)) notRegular(path);
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size > kMaxContainerBytes)
        throw ContainerError("\"" + path + "\" is larger than any stored pm001 component (" + std::to_string(size) +
                             " bytes)");

    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    std::size_t done = 0;
    for (;;) {
        // One byte more than the size asks whether the file grew while being read.
        if (done == bytes.size()) bytes.resize(bytes.size() + 1);
        const ssize_t n = ::read(file.fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail("read", path, errno);
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
        if (done > kMaxContainerBytes) throw ContainerError("\"" + path + "\" is larger than any stored pm001 component");
    }
    bytes.resize(done);
    return DecodeContainer(bytes, path);
}
