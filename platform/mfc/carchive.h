// CArchive: MFC's binary archive forms (little-endian numbers, counts, GBK texts) over bytes or a file.
#pragma once

#include "archive_exception.h"
#include "cstring.h"
#include "types.h"

#include <cstddef>
#include <string>
#include <vector>

class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    // Storing appends to buffer; loading reads buffer from its start. The buffer must outlive the archive.
    CArchive(std::vector<unsigned char>& buffer, Mode mode);
    // Loading only: reads a byte range that must outlive the archive.
    CArchive(const unsigned char* data, std::size_t size);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

    // Byte offset of the next read or write.
    std::size_t GetPosition() const;
    // Loading: bytes not yet read.
    std::size_t GetRemaining() const;

    CArchive& operator<<(int v);
    CArchive& operator<<(unsigned v);
    CArchive& operator<<(short v);
    CArchive& operator<<(WORD v);
    CArchive& operator<<(BYTE v);
    CArchive& operator<<(char v);
    CArchive& operator<<(LONGLONG v);
    CArchive& operator<<(float v);
    CArchive& operator<<(double v);
    CArchive& operator<<(const CString& v);

    CArchive& operator>>(int& v);
    CArchive& operator>>(unsigned& v);
    CArchive& operator>>(short& v);
    CArchive& operator>>(WORD& v);
    CArchive& operator>>(BYTE& v);
    CArchive& operator>>(char& v);
    CArchive& operator>>(LONGLONG& v);
    CArchive& operator>>(float& v);
    CArchive& operator>>(double& v);
    CArchive& operator>>(CString& v);

    // MFC's count form: 16-bit below 0xFFFF, else 0xFFFF + 32-bit.
    void WriteCount(std::size_t count);
    std::size_t ReadCount();

    // Reads a count in MFC's count form and checks that count elements of at least
    // minBytesPerElement bytes each fit in what remains; throws the archive exception otherwise.
    std::size_t ReadCheckedCount(std::size_t minBytesPerElement);
    // Reads a plain 4-byte int count of records, checks it is >= 0 and that count records of at
    // least minBytesPerRecord bytes each fit in what remains.
    int ReadRecordCount(std::size_t minBytesPerRecord);

    void Write(const void* data, std::size_t size);
    // Reads exactly size bytes or throws the archive exception (end of file).
    void Read(void* data, std::size_t size);

    // Throws the archive exception with the cause at the current position.
    [[noreturn]] void Fail(CArchiveException::Cause cause, const char* what) const;

private:
    Mode m_mode;
    std::vector<unsigned char>* m_out = nullptr;
    const unsigned char* m_in = nullptr;
    std::size_t m_size = 0;
    std::size_t m_pos = 0;
};

// Whole-file helpers for archives kept in files.
std::vector<unsigned char> ReadArchiveFile(const std::string& path);
// Writes to a temporary file beside path and renames it into place.
void WriteArchiveFile(const std::string& path, const std::vector<unsigned char>& bytes);
