// Whole-file reading and atomic whole-file writing of archives.
#include "carchive.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void failFile(const std::string& action, const std::string& path, int error)
{
    throw std::runtime_error("cannot " + action + " \"" + path + "\": " + std::strerror(error));
}

// Closes the descriptor when the scope ends, whatever happens.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0) ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now and reports whether the close succeeded (write errors may show only here).
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

} // namespace

std::vector<unsigned char> ReadArchiveFile(const std::string& path)
{
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) failFile("open", path, errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) failFile("read", path, errno);
    if (!S_ISREG(info.st_mode)) failFile("read", path, S_ISDIR(info.st_mode) ? EISDIR : EINVAL);

    std::vector<unsigned char> bytes;
    unsigned char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            failFile("read", path, errno);
        }
        if (n == 0) break;
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    return bytes;
}

void WriteArchiveFile(const std::string& path, const std::vector<unsigned char>& bytes)
{
    static std::atomic<unsigned> serial{0};
    const std::string temp = path + ".tmp." + std::to_string(::getpid()) + "." + std::to_string(serial++);

    FileDescriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() < 0) failFile("create a temporary file for", path, errno);

    const auto discard = [&](int error) {
        if (fd.get() >= 0) fd.close();
        ::unlink(temp.c_str());
        failFile("write", path, error);
    };

    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            discard(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd.get()) != 0) discard(errno);
    if (!fd.close()) discard(errno);
    if (::rename(temp.c_str(), path.c_str()) != 0) discard(errno);
}
