// CArchiveException: cause names and the message that carries cause and byte offset.
#include "archive_exception.h"

namespace {

std::string composeMessage(CArchiveException::Cause cause, std::size_t offset, const std::string& what,
                           const std::string& record)
{
    std::string message = "archive ";
    message += CArchiveException::CauseName(cause);
    message += " at byte ";
    message += std::to_string(offset);
    if (!record.empty()) {
        message += " in ";
        message += record;
    }
    if (!what.empty()) {
        message += ": ";
        message += what;
    }
    return message;
}

} // namespace

CArchiveException::CArchiveException(Cause cause, std::size_t offset, const std::string& what,
                                     const std::string& record)
    : std::runtime_error(composeMessage(cause, offset, what, record)), m_cause(cause), m_offset(offset),
      m_record(record)
{
}

const char* CArchiveException::CauseName(Cause cause)
{
    switch (cause) {
    case none: return "no error";
    case genericException: return "generic error";
    case readOnly: return "store into a loading archive";
    case endOfFile: return "end of file";
    case writeOnly: return "load from a storing archive";
    case badIndex: return "bad index";
    case badClass: return "bad class";
    case badSchema: return "bad schema";
    case bufferFull: return "buffer full";
    case badFormat: return "bad format";
    }
    return "unknown";
}
