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

    // what() reads "archive <cause> at byte <offset>: <what>", or, when the failure happened inside
    // a named record, "archive <cause> at byte <offset> in <record>: <what>".
    CArchiveException(Cause cause, std::size_t offset, const std::string& what, const std::string& record = {});

    Cause m_cause;
    std::size_t m_offset;
    std::string m_record;   // the records being read, outermost first; empty outside any

    // The cause in words ("end of file", "bad format", …); "unknown" for a value outside the enum.
    static const char* CauseName(Cause cause);
};
