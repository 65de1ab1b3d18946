// A file read as input: opened without waiting, described by the opened file, read within a bound.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The file at a path, opened for reading without blocking, so that a FIFO with no writer or a
// device is not waited on; its kind and size are taken from the open file, so that what is read
// is what was looked at. Never throws: the caller says what each state means for its file.
class InputFile {
public:
    explicit InputFile(const std::string& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // False when the file could not be opened or described; Error() then holds the reason (errno).
    bool IsOpen() const { return m_fd >= 0; }
    int Error() const { return m_error; }
    bool IsRegular() const { return m_regular; }
    // The size the file had when opened.
    std::uint64_t Size() const { return m_size; }

    // Reads up to count bytes at offset; fewer only where the file ends. -1 on a read error (Error()).
    std::int64_t ReadAt(std::uint64_t offset, unsigned char* into, std::size_t count);

private:
    int m_fd = -1;
    int m_error = 0;
    bool m_regular = false;
    std::uint64_t m_size = 0;
};

// How reading a whole input file ended; error is the errno of a failed open or read, else 0.
struct WholeFileRead {
    enum State { Read, CannotOpen, NotRegular, TooLarge, CannotRead };
    State state = Read;
    int error = 0;
};

// Reads the whole regular file at path into text when it holds at most limit bytes. At most
// limit + 1 bytes are ever read, so that a file that grew past the limit after it was opened is
// refused as too large rather than read to its end. text is left empty unless the file was read.
WholeFileRead ReadWholeFile(const std::string& path, std::uint64_t limit, std::string& text);

// The line that refuses a path that is not a regular file: "\"<path>\" is not a regular file".
std::string NotRegularFileMessage(const std::string& path);
