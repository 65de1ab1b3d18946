// CArchive: MFC's binary archive forms (little-endian numbers, counts, GBK texts) over bytes or a file.
//
// Numbers are little-endian on every host: int, unsigned 4 bytes, short and WORD 2, BYTE and char 1,
// LONGLONG 8, float 4, double 8 (IEEE 754).
//
// Texts: a CString (UTF-8) is stored in the narrow form in code page 936 (GBK): its length in bytes
// (one byte below 255; else 0xFF + 16-bit below 0xFFFE; else 0xFF 0xFFFF + 32-bit), then the bytes.
// A text holding a character that code page 936 lacks is stored in the wide form: 0xFF 0xFFFE, then
// the same length form counting UTF-16 units, then the units little-endian. Loading accepts both.
// Storing a CString that is not well-formed UTF-8 throws the archive exception (badFormat) and
// writes nothing; loading bytes that are not valid GBK or UTF-16 throws it (badFormat) with the
// offset of the first bad byte.
//
// Failures: storing into a loading archive throws readOnly, loading from a storing one writeOnly;
// reading past the end throws endOfFile at the offset where the read began, naming first the
// records read since the last form or version number that fitted, as a misread number does (one
// of them may have read more or fewer bytes than were stored). A target is assigned
// only when its value was read whole, so a failed load leaves it as it was. A failure inside a named
// record (CArchive::Record) names the records open, so that a damaged archive points at the record
// whose bytes did not fit.
#pragma once

#include "archive_exception.h"
#include "cstring.h"
#include "types.h"

#include <cstddef>
#include <exception>
#include <functional>
#include <string>
#include <vector>

class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    // A record being read, named while it is. A failure of the archive inside it names the records
    // open, outermost first: an object in words ("the cap beam's design"), a member by its stored
    // name, an entry of a list by its index from 0 ("in the cap beam's design,
    // st.Frame[2].Bars[0]"). The name must outlive the record (a literal). Storing names nothing,
    // so that it costs nothing there.
    class Record {
    public:
        enum Kind { object, member };
        Record(CArchive& ar, const char* name, Kind kind = member) : m_ar(ar.IsLoading() ? &ar : nullptr)
        {
            if (m_ar) Open(name, 0, kind);
        }
        // The entry at index of the list being read.
        Record(CArchive& ar, std::size_t index) : m_ar(ar.IsLoading() ? &ar : nullptr)
        {
            if (m_ar) Open(nullptr, index, member);
        }
        ~Record()
        {
            if (m_ar) m_ar->CloseRecord(std::uncaught_exceptions() > m_unwinding);
        }
        Record(const Record&) = delete;
        Record& operator=(const Record&) = delete;

    private:
        void Open(const char* name, std::size_t index, Kind kind)
        {
            m_unwinding = std::uncaught_exceptions();
            m_ar->m_open.push_back({name, index, kind, m_ar->m_pos});
        }

        CArchive* m_ar;
        int m_unwinding = 0;   // exceptions in flight when the record opened
    };

    // Storing appends to buffer; loading reads buffer from its start. The buffer must outlive the
    // archive. A storing archive makes room at once for as much as the larger of this thread's
    // recent stores wrote, so that a store of the usual size grows its buffer once.
    CArchive(std::vector<unsigned char>& buffer, Mode mode);
    ~CArchive();
    // Loading only: reads a byte range that must outlive the archive.
    CArchive(const unsigned char* data, std::size_t size);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

    // Loading: the format version of the stored bytes, as their container says, the way MFC's
    // archives carry an object's schema number to its Serialize. A record reads a field added in
    // version N only when GetFormatVersion() >= N, so that bytes of an earlier version load with
    // the field's default. The bytes carry no version of their own; an archive told none (a store,
    // or bytes this build stored) holds kNewestFormat and reads every field this build writes.
    static constexpr UINT kNewestFormat = 0xFFFFFFFF;
    void SetFormatVersion(UINT version) { m_formatVersion = version; }
    UINT GetFormatVersion() const { return m_formatVersion; }

    // Byte offset of the next read, or of the next write in the buffer being appended to.
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

    // MFC's count form: 16-bit below 0xFFFF, else 0xFFFF + 32-bit (and, as 64-bit MFC writes it,
    // 0xFFFF 0xFFFFFFFF + 64-bit for counts that need it). ReadCount does not check the count.
    void WriteCount(std::size_t count);
    std::size_t ReadCount();

    // Reads a count in MFC's count form and checks that count elements of at least
    // minBytesPerElement bytes each (0 counts as 1) fit in what remains; throws the archive
    // exception (endOfFile, at the count's offset) otherwise.
    std::size_t ReadCheckedCount(std::size_t minBytesPerElement);
    // Reads a plain 4-byte int count of records, checks it is >= 0 (badFormat otherwise) and that
    // count records of at least minBytesPerRecord bytes each (0 counts as 1) fit in what remains
    // (endOfFile otherwise); the exception carries the count's offset.
    int ReadRecordCount(std::size_t minBytesPerRecord);

    // Why a count or a text is longer than it may be, from the count, or from what its length
    // measures ("16777217 bytes").
    using CountTooLarge = std::function<std::string(std::size_t count)>;
    using TextTooLong = std::function<std::string(const std::string& measured)>;
    // ReadCheckedCount and ReadRecordCount for a list of at most `most` entries: a larger count is
    // refused as it is read, before it is checked against what remains, so that nothing is
    // allocated for it: badFormat at the count's offset, the message tooLarge(count).
    std::size_t ReadCheckedCount(std::size_t minBytesPerElement, std::size_t most, const CountTooLarge& tooLarge);
    int ReadRecordCount(std::size_t minBytesPerRecord, int most, const CountTooLarge& tooLarge);
    // Reads a text as >> does, one of at most `most` bytes as the CString holds it (UTF-8). Neither
    // stored form holds a character in more bytes than UTF-8 does (a code page 936 byte or a UTF-16
    // unit is one UTF-8 byte at least), so a length prefix of more than `most` bytes or units is
    // refused before anything is copied; a text that decodes longer, after. Either throws badFormat
    // at the text's offset, the message tooLong("<n> bytes", "<n> UTF-16 units" or "<n> bytes in
    // UTF-8").
    void ReadText(CString& v, std::size_t most, const TextTooLong& tooLong);

    void Write(const void* data, std::size_t size);
    // Reads exactly size bytes or throws the archive exception (end of file).
    void Read(void* data, std::size_t size);

    // Reads the 4-byte form or version number that opens a record. The records carry no sizes, so a
    // record that reads more or fewer bytes than were stored is noticed only where a later mark is
    // misread. When the mark is the one expected, every byte before it fits. Otherwise the load
    // fails with badSchema at the mark, naming first the records read since the last mark that
    // fitted, one of which may not have ended where it should, then the record being read, whose
    // number may itself be damaged, then the detail describe(found).
    template <class Describe>
    void ReadMark(int expected, Describe describe)
    {
        const std::size_t at = GetPosition();
        int found = 0;
        *this >> found;
        if (found != expected) FailMark(at, describe(found));
        m_readSinceMark.clear();
    }
    void ReadMark(int expected, const char* what)
    {
        ReadMark(expected, [what](int) { return std::string(what); });
    }

    // Loading: the last few records read whole since the last mark that fitted (or since the
    // start), each named with its bytes: "the pier's design record (bytes 0 to 1111) or the cap
    // beam's design (bytes 1111 to 15058)"; empty when none was. A set with bytes left over names
    // them: one of them may have read fewer bytes than were stored.
    std::string RecordsSinceMark() const;

    // Throws the archive exception with the cause at the current position.
    [[noreturn]] void Fail(CArchiveException::Cause cause, const char* what) const;
    // Throws the archive exception with the cause at the given offset; an end of file names the
    // records read since the last mark first (FailAfterRecordsRead).
    [[noreturn]] void FailAt(CArchiveException::Cause cause, std::size_t offset, const std::string& what) const;

private:
    void RequireStoring() const;
    void RequireLoading() const;
    template <class U> void WriteLittleEndian(U v);
    template <class U> U ReadLittleEndian();
    void WriteLength(std::size_t length);
    std::size_t ReadLength();
    // Fails unless count items of at least minBytes bytes each fit in what remains.
    void CheckFits(std::size_t count, std::size_t minBytes, std::size_t countOffset) const;
    [[noreturn]] void FailMark(std::size_t markOffset, const std::string& what) const;
    // Throws the archive exception naming first the records read since the last mark that fitted
    // (RecordsSinceMark), one of which may have read more or fewer bytes than were stored, then
    // the other cause (otherwise), then what; with none read, the records open and what.
    [[noreturn]] void FailAfterRecordsRead(CArchiveException::Cause cause, std::size_t offset,
                                           const std::string& otherwise, const std::string& what) const;

    // A named record, open or read whole; an entry of a list has no name.
    struct NamedRecord {
        const char* name;
        std::size_t index;
        Record::Kind kind;
        std::size_t start;
        std::size_t end = 0;
        std::size_t depth = 0;
    };
    void CloseRecord(bool unwinding);
    // The path of the records open up to depth (excluded), then of last when given.
    std::string RecordPath(std::size_t depth, const NamedRecord* last = nullptr) const;

    Mode m_mode;
    std::vector<unsigned char>* m_out = nullptr;
    const unsigned char* m_in = nullptr;
    std::size_t m_size = 0;
    std::size_t m_pos = 0;
    std::size_t m_storeStart = 0;   // the buffer's size when storing began
    UINT m_formatVersion = kNewestFormat;
    std::vector<NamedRecord> m_open;   // outermost first
    // Loading: the records read whole since the last mark that fitted, each record's own records
    // folded into it once it ends; the deepest last.
    std::vector<NamedRecord> m_readSinceMark;
};

// Whole-file helpers for archives kept in files; failures throw std::runtime_error naming the path
// and the system's reason.
std::vector<unsigned char> ReadArchiveFile(const std::string& path);
// Writes to a temporary file beside path and renames it into place, so that path holds either
// its old content or all of bytes, never a part.
void WriteArchiveFile(const std::string& path, const std::vector<unsigned char>& bytes);
