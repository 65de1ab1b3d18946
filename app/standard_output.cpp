// Holding the standard streams' descriptors and checking what was written to the standard output.
#include "standard_output.h"

#include "output_printer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The errno of the first write to the standard output that failed; 0 while every one went through.
int g_writeError = 0;

} // namespace

void HoldStandardStreams()
{
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // Opened for reading only: a write to it fails as a write to the closed stream did.
        const int held = ::open("/dev/null", O_RDONLY);
        if (held < 0 || held == fd) continue;
        ::dup2(held, fd);
        ::close(held);
    }
}

void WriteStandardOutput(std::string_view text)
{
    if (text.empty()) return;
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() && g_writeError == 0)
        g_writeError = errno != 0 ? errno : EIO;
}

int FinishStandardOutput(int status)
{
    int error = g_writeError;
    errno = 0;
    if (std::fflush(stdout) != 0 && error == 0) error = errno != 0 ? errno : EIO;
    if (error == 0 && std::ferror(stdout)) error = EIO;
    // A file system may report a write it held back only when the file is closed. The stream
    // itself stays open, empty, for whatever the runtime flushes at exit.
    if (::close(STDOUT_FILENO) != 0 && error == 0 && errno != EBADF) error = errno;
    if (error == 0) return status;
    std::fprintf(stderr, "pm001: cannot write the output: %s\n", std::strerror(error));
    return kExitUnusable;
}
