// CArchiveException: a damaged or short archive, with MFC's cause codes and the byte offset.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

class CArchiveException : public std::runtime_error {
public:
    enum Cause { none = 0, genericException = 1, readOnly = 2, endOfFile = 3, writeOnly = 4,
                 badIndex = 5, badClass = 6, badSchema = 7, bufferFull = 8,
                 badFormat = 9 };   // badFormat: bytes that cannot be what the archive claims

    // what() reads "archive <cause> at byte <offset>: <what>".
    CArchiveException(Cause cause, std::size_t offset, const std::string& what);

    Cause m_cause;
    std::size_t m_offset;

    // The cause in words ("end of file", "bad format", …); "unknown" for a value outside the enum.
    static const char* CauseName(Cause cause);
};
