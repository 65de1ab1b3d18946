// Opening and reading the host's input files without blocking on what is not a regular file.
#include "project_input_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

InputFile::InputFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        m_error = errno;
        return;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        m_error = errno;
        ::close(fd);
        return;
    }
    m_fd = fd;
    m_regular = S_ISREG(info.st_mode);
    m_size = m_regular && info.st_size > 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
}

InputFile::~InputFile()
{
    if (m_fd >= 0) ::close(m_fd);
}

std::int64_t InputFile::ReadAt(std::uint64_t offset, unsigned char* into, std::size_t count)
{
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::pread(m_fd, into + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            m_error = errno;
            return -1;
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<std::int64_t>(done);
}

std::string NotRegularFileMessage(const std::string& path) { return "\"" + path + "\" is not a regular file"; }
