// Opening and reading input files without blocking on what is not a regular file.
#include "common/input_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

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

WholeFileRead ReadWholeFile(const std::string& path, std::uint64_t limit, std::string& text)
{
    text.clear();
    InputFile file(path);
    if (!file.IsOpen()) return {WholeFileRead::CannotOpen, file.Error()};
    if (!file.IsRegular()) return {WholeFileRead::NotRegular, 0};
    if (file.Size() > limit) return {WholeFileRead::TooLarge, 0};
    // One byte more than the file held is asked for, to see whether it grew; never more than
    // one byte beyond the limit.
    std::string read(static_cast<std::size_t>(file.Size()) + 1, '\0');
    std::uint64_t done = 0;
    for (;;) {
        if (done == read.size()) read.resize(static_cast<std::size_t>(std::min<std::uint64_t>(2 * read.size(), limit + 1)));
        const std::int64_t n = file.ReadAt(done, reinterpret_cast<unsigned char*>(read.data() + done), read.size() - done);
        if (n < 0) return {WholeFileRead::CannotRead, file.Error()};
        done += static_cast<std::uint64_t>(n);
        if (done > limit) return {WholeFileRead::TooLarge, 0};
        if (done < read.size()) break;
    }
    read.resize(static_cast<std::size_t>(done));
    text = std::move(read);
    return {};
}

std::string NotRegularFileMessage(const std::string& path) { return "\"" + path + "\" is not a regular file"; }
