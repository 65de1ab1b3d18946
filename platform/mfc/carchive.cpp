// CArchive over bytes: little-endian numbers, MFC's count and text forms, checked loading.
#include "carchive.h"

#include "recent_sizes.h"
#include "text_encoding.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

// The sizes of this thread's last few stores.
thread_local RecentSizes<> recentStoreSizes;

} // namespace

CArchive::CArchive(std::vector<unsigned char>& buffer, Mode mode) : m_mode(mode)
{
    if (mode == store) {
        m_out = &buffer;
        m_storeStart = buffer.size();
        const std::size_t expected = recentStoreSizes.Largest();
        if (buffer.capacity() - buffer.size() < expected) buffer.reserve(buffer.size() + expected);
    } else {
        m_in = buffer.data();
        m_size = buffer.size();
    }
}

CArchive::~CArchive()
{
    if (m_mode != store) return;
    const std::size_t written = m_out->size() - m_storeStart;
    recentStoreSizes.Note(written);
    // Room made for a larger store and left unused is given back.
    if (m_out->capacity() > 2 * m_out->size() + 4096) m_out->shrink_to_fit();
}

CArchive::CArchive(const unsigned char* data, std::size_t size) : m_mode(load), m_in(data), m_size(data ? size : 0) {}

std::size_t CArchive::GetPosition() const { return m_mode == store ? m_out->size() : m_pos; }

std::size_t CArchive::GetRemaining() const { return m_mode == load ? m_size - m_pos : 0; }

void CArchive::Fail(CArchiveException::Cause cause, const char* what) const { FailAt(cause, GetPosition(), what ? what : ""); }

void CArchive::FailAt(CArchiveException::Cause cause, std::size_t offset, const std::string& what) const
{
    // The bytes end before a read, or before what a count claims: a record read before may have
    // read more or fewer bytes than were stored, leaving this read where its bytes are not.
    if (cause == CArchiveException::endOfFile) {
        const std::string opened = RecordPath(m_open.size());
        FailAfterRecordsRead(cause, offset, (opened.empty() ? "the archive" : opened) + " there is itself damaged or cut short",
                             what);
    }
    throw CArchiveException(cause, offset, what, RecordPath(m_open.size()));
}

// A record read whole takes the place of its own records among those read since the last mark:
// should the next mark not fit, it is named as a whole, beside the records before it.
void CArchive::CloseRecord(bool unwinding)
{
    NamedRecord record = m_open.back();
    m_open.pop_back();
    if (unwinding) return;
    record.end = m_pos;
    record.depth = m_open.size();
    while (!m_readSinceMark.empty() && m_readSinceMark.back().depth > record.depth) m_readSinceMark.pop_back();
    m_readSinceMark.push_back(record);
}

// Objects are parted by commas, members joined by dots, entries given their index:
// "the cap beam's design, st.Frame[2].Bars[0]".
std::string CArchive::RecordPath(std::size_t depth, const NamedRecord* last) const
{
    std::string path;
    const NamedRecord* previous = nullptr;
    const auto add = [&](const NamedRecord& record) {
        if (!record.name) {
            path += "[" + std::to_string(record.index) + "]";
        } else if (previous) {
            path += record.kind == Record::object || previous->kind == Record::object ? ", " : ".";
            path += record.name;
        } else {
            path += record.name;
        }
        previous = &record;
    };
    for (std::size_t i = 0; i < depth && i < m_open.size(); ++i) add(m_open[i]);
    if (last) add(*last);
    return path;
}

std::string CArchive::RecordsSinceMark() const
{
    // The most recent few: a record that reads a wrong number of bytes is most often one of the
    // records just before the misread mark.
    constexpr std::size_t kNamed = 4;
    const std::size_t count = m_readSinceMark.size();
    const std::size_t first = count > kNamed ? count - kNamed : 0;
    std::string named;
    for (std::size_t i = first; i < count; ++i) {
        const NamedRecord& record = m_readSinceMark[i];
        if (i > first) named += i + 1 == count ? " or " : ", ";
        named += RecordPath(record.depth, &record) + " (bytes " + std::to_string(record.start) + " to " +
                 std::to_string(record.end) + ")";
    }
    if (first > 0)
        named += " (or an earlier one: " + std::to_string(first) + " more from byte " +
                 std::to_string(m_readSinceMark.front().start) + ")";
    return named;
}

// The records read before the mark come first: the record that opens with the mark is read no
// further than its number, and one of them may have read more or fewer bytes than were stored. Or
// they read as stored and the number's own bytes are damaged: nothing here tells which.
void CArchive::FailMark(std::size_t markOffset, const std::string& what) const
{
    const std::string opened = RecordPath(m_open.size());
    FailAfterRecordsRead(CArchiveException::badSchema, markOffset,
                         (opened.empty() ? "the number" : "the number opening " + opened) + " there is itself damaged",
                         what);
}

void CArchive::FailAfterRecordsRead(CArchiveException::Cause cause, std::size_t offset, const std::string& otherwise,
                                    const std::string& what) const
{
    const std::string suspects = RecordsSinceMark();
    const std::string opened = RecordPath(m_open.size());
    if (suspects.empty()) throw CArchiveException(cause, offset, what, opened);
    CArchiveException failure(cause, offset,
                              suspects + " may have read more or fewer bytes than were stored, or " + otherwise + ": " + what);
    failure.m_record = opened;
    throw failure;
}

void CArchive::RequireStoring() const
{
    if (m_mode != store) Fail(CArchiveException::readOnly, "the archive is open for loading");
}

void CArchive::RequireLoading() const
{
    if (m_mode != load) Fail(CArchiveException::writeOnly, "the archive is open for storing");
}

void CArchive::Write(const void* data, std::size_t size)
{
    RequireStoring();
    if (size == 0) return;
    const auto* bytes = static_cast<const unsigned char*>(data);
    m_out->insert(m_out->end(), bytes, bytes + size);
}

void CArchive::Read(void* data, std::size_t size)
{
    RequireLoading();
    if (size > GetRemaining()) FailAt(CArchiveException::endOfFile, m_pos, "the archive ends early");
    if (size == 0) return;
    std::memcpy(data, m_in + m_pos, size);
    m_pos += size;
}

// A fixed-size field is written and read in one step: its bytes copied whole, in little-endian order.
template <class U>
void CArchive::WriteLittleEndian(U v)
{
    if (m_mode != store) RequireStoring();
    unsigned char bytes[sizeof(U)];
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(bytes, &v, sizeof(U));
    } else {
        for (std::size_t i = 0; i < sizeof(U); ++i) bytes[i] = static_cast<unsigned char>(v >> (8 * i));
    }
    m_out->insert(m_out->end(), bytes, bytes + sizeof(U));
}

template <class U>
U CArchive::ReadLittleEndian()
{
    if (m_mode != load) RequireLoading();
    if (sizeof(U) > m_size - m_pos) FailAt(CArchiveException::endOfFile, m_pos, "the archive ends early");
    const unsigned char* bytes = m_in + m_pos;
    m_pos += sizeof(U);
    U v = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&v, bytes, sizeof(U));
    } else {
        for (std::size_t i = 0; i < sizeof(U); ++i) v = static_cast<U>(v | static_cast<U>(static_cast<U>(bytes[i]) << (8 * i)));
    }
    return v;
}

// Numbers: the unsigned value of the same width carries the bytes.
CArchive& CArchive::operator<<(int v) { WriteLittleEndian(static_cast<std::uint32_t>(v)); return *this; }
CArchive& CArchive::operator<<(unsigned v) { WriteLittleEndian(static_cast<std::uint32_t>(v)); return *this; }
CArchive& CArchive::operator<<(short v) { WriteLittleEndian(static_cast<std::uint16_t>(v)); return *this; }
CArchive& CArchive::operator<<(WORD v) { WriteLittleEndian(static_cast<std::uint16_t>(v)); return *this; }
CArchive& CArchive::operator<<(BYTE v) { WriteLittleEndian(static_cast<std::uint8_t>(v)); return *this; }
CArchive& CArchive::operator<<(char v) { WriteLittleEndian(static_cast<std::uint8_t>(v)); return *this; }
CArchive& CArchive::operator<<(LONGLONG v) { WriteLittleEndian(static_cast<std::uint64_t>(v)); return *this; }

CArchive& CArchive::operator<<(float v)
{
    static_assert(sizeof(float) == 4 && std::numeric_limits<float>::is_iec559);
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    WriteLittleEndian(bits);
    return *this;
}

CArchive& CArchive::operator<<(double v)
{
    static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559);
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    WriteLittleEndian(bits);
    return *this;
}

CArchive& CArchive::operator>>(int& v) { v = static_cast<int>(ReadLittleEndian<std::uint32_t>()); return *this; }
CArchive& CArchive::operator>>(unsigned& v) { v = ReadLittleEndian<std::uint32_t>(); return *this; }
CArchive& CArchive::operator>>(short& v) { v = static_cast<short>(ReadLittleEndian<std::uint16_t>()); return *this; }
CArchive& CArchive::operator>>(WORD& v) { v = ReadLittleEndian<std::uint16_t>(); return *this; }
CArchive& CArchive::operator>>(BYTE& v) { v = ReadLittleEndian<std::uint8_t>(); return *this; }
CArchive& CArchive::operator>>(char& v) { v = static_cast<char>(ReadLittleEndian<std::uint8_t>()); return *this; }
CArchive& CArchive::operator>>(LONGLONG& v) { v = static_cast<LONGLONG>(ReadLittleEndian<std::uint64_t>()); return *this; }

CArchive& CArchive::operator>>(float& v)
{
    const std::uint32_t bits = ReadLittleEndian<std::uint32_t>();
    std::memcpy(&v, &bits, sizeof v);
    return *this;
}

CArchive& CArchive::operator>>(double& v)
{
    const std::uint64_t bits = ReadLittleEndian<std::uint64_t>();
    std::memcpy(&v, &bits, sizeof v);
    return *this;
}

// Text length form: one byte below 255; else 0xFF + 16-bit below 0xFFFE; else 0xFF 0xFFFF + 32-bit.
void CArchive::WriteLength(std::size_t length)
{
    if (length < 0xFF) {
        WriteLittleEndian(static_cast<std::uint8_t>(length));
    } else if (length < 0xFFFE) {
        WriteLittleEndian(static_cast<std::uint8_t>(0xFF));
        WriteLittleEndian(static_cast<std::uint16_t>(length));
    } else if (length < 0xFFFFFFFFu) {
        WriteLittleEndian(static_cast<std::uint8_t>(0xFF));
        WriteLittleEndian(static_cast<std::uint16_t>(0xFFFF));
        WriteLittleEndian(static_cast<std::uint32_t>(length));
    } else {
        Fail(CArchiveException::genericException, "text too long for the archive");
    }
}

// Reads a text length; 0xFF 0xFFFE (the wide-form marker) is left to the caller.
std::size_t CArchive::ReadLength()
{
    const std::uint8_t b = ReadLittleEndian<std::uint8_t>();
    if (b < 0xFF) return b;
    const std::uint16_t w = ReadLittleEndian<std::uint16_t>();
    if (w < 0xFFFF) return w;   // 0xFFFE included: the caller tells the marker apart
    const std::uint32_t d = ReadLittleEndian<std::uint32_t>();
    if (d < 0xFFFFFFFFu) return d;
    const std::uint64_t q = ReadLittleEndian<std::uint64_t>();
    if (q > std::numeric_limits<std::size_t>::max()) FailAt(CArchiveException::endOfFile, m_pos, "text longer than the archive");
    return static_cast<std::size_t>(q);
}

namespace {

bool IsAscii(const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    return std::all_of(bytes, bytes + size, [](unsigned char b) { return b < 0x80; });
}

} // namespace

CArchive& CArchive::operator<<(const CString& v)
{
    RequireStoring();
    const std::string& text = v.str();
    if (IsAscii(text.data(), text.size())) {
        // Code page 936 holds ASCII as it is.
        WriteLength(text.size());
        Write(text.data(), text.size());
        return *this;
    }
    const std::size_t bad = text_encoding::FindInvalidUtf8(text);
    if (bad != text_encoding::npos)
        Fail(CArchiveException::badFormat, ("text is not UTF-8 at its byte " + std::to_string(bad)).c_str());

    if (const auto gbk = text_encoding::Utf8ToGbk(text)) {
        WriteLength(gbk->size());
        Write(gbk->data(), gbk->size());
        return *this;
    }
    const std::u16string units = text_encoding::Utf8ToUtf16(text);
    WriteLittleEndian(static_cast<std::uint8_t>(0xFF));
    WriteLittleEndian(static_cast<std::uint16_t>(0xFFFE));
    WriteLength(units.size());
    std::vector<unsigned char> bytes(units.size() * 2);
    for (std::size_t i = 0; i < units.size(); ++i) {
        bytes[2 * i] = static_cast<unsigned char>(units[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<unsigned char>(units[i] >> 8);
    }
    Write(bytes.data(), bytes.size());
    return *this;
}

CArchive& CArchive::operator>>(CString& v)
{
    ReadText(v, std::numeric_limits<std::size_t>::max(), {});
    return *this;
}

void CArchive::ReadText(CString& v, std::size_t most, const TextTooLong& tooLong)
{
    RequireLoading();
    const std::size_t prefixOffset = m_pos;
    std::size_t length = ReadLength();
    bool wide = false;
    if (length == 0xFFFE && m_pos == prefixOffset + 3) {
        wide = true;
        length = ReadLength();
        if (length == 0xFFFE && m_pos == prefixOffset + 6)
            FailAt(CArchiveException::badFormat, prefixOffset + 3, "wide-text marker repeated");
    }
    if (length > most)
        FailAt(CArchiveException::badFormat, prefixOffset,
               tooLong(std::to_string(length) + (wide ? " UTF-16 units" : " bytes")));

    const std::size_t start = m_pos;
    const std::size_t unitSize = wide ? 2 : 1;
    if (length > GetRemaining() / unitSize) FailAt(CArchiveException::endOfFile, start, "text longer than the archive");

    std::string text;
    if (!wide && IsAscii(m_in + start, length)) {
        text.assign(reinterpret_cast<const char*>(m_in + start), length);
    } else if (!wide) {
        const std::string_view bytes(reinterpret_cast<const char*>(m_in + start), length);
        std::size_t badByte = 0;
        if (!text_encoding::GbkToUtf8(bytes, text, badByte))
            FailAt(CArchiveException::badFormat, start + badByte, "text is not valid GBK");
    } else {
        std::u16string units(length, u'\0');
        for (std::size_t i = 0; i < length; ++i)
            units[i] = static_cast<char16_t>(m_in[start + 2 * i] | (m_in[start + 2 * i + 1] << 8));
        std::size_t badUnit = 0;
        if (!text_encoding::Utf16ToUtf8(units, text, badUnit))
            FailAt(CArchiveException::badFormat, start + 2 * badUnit, "text is not valid UTF-16");
    }
    if (text.size() > most)
        FailAt(CArchiveException::badFormat, prefixOffset, tooLong(std::to_string(text.size()) + " bytes in UTF-8"));
    m_pos = start + length * unitSize;
    v = CString(std::move(text));
}

void CArchive::WriteCount(std::size_t count)
{
    if (count < 0xFFFF) {
        WriteLittleEndian(static_cast<std::uint16_t>(count));
        return;
    }
    WriteLittleEndian(static_cast<std::uint16_t>(0xFFFF));
    if (count < 0xFFFFFFFFu) {
        WriteLittleEndian(static_cast<std::uint32_t>(count));
        return;
    }
    WriteLittleEndian(static_cast<std::uint32_t>(0xFFFFFFFFu));
    WriteLittleEndian(static_cast<std::uint64_t>(count));
}

std::size_t CArchive::ReadCount()
{
    const std::size_t offset = m_pos;
    const std::uint16_t w = ReadLittleEndian<std::uint16_t>();
    if (w != 0xFFFF) return w;
    const std::uint32_t d = ReadLittleEndian<std::uint32_t>();
    if (d != 0xFFFFFFFFu) return d;
    const std::uint64_t q = ReadLittleEndian<std::uint64_t>();
    if (q > std::numeric_limits<std::size_t>::max()) FailAt(CArchiveException::endOfFile, offset, "count larger than the archive");
    return static_cast<std::size_t>(q);
}

void CArchive::CheckFits(std::size_t count, std::size_t minBytes, std::size_t countOffset) const
{
    const std::size_t each = std::max<std::size_t>(minBytes, 1);
    if (count <= GetRemaining() / each) return;
    // The message says what was compared: with items of more than a byte, the bytes they need.
    constexpr std::size_t largest = std::numeric_limits<std::size_t>::max();
    std::string need = "count " + std::to_string(count);
    if (each > 1)
        need += " of items of at least " + std::to_string(each) + " bytes (" +
                (count > largest / each ? "more than " + std::to_string(largest) : std::to_string(count * each)) +
                " bytes)";
    FailAt(CArchiveException::endOfFile, countOffset,
           need + " exceeds the " + std::to_string(GetRemaining()) + " bytes that remain");
}

std::size_t CArchive::ReadCheckedCount(std::size_t minBytesPerElement)
{
    return ReadCheckedCount(minBytesPerElement, std::numeric_limits<std::size_t>::max(), {});
}

std::size_t CArchive::ReadCheckedCount(std::size_t minBytesPerElement, std::size_t most, const CountTooLarge& tooLarge)
{
    const std::size_t offset = m_pos;
    const std::size_t count = ReadCount();
    if (count > most) FailAt(CArchiveException::badFormat, offset, tooLarge(count));
    CheckFits(count, minBytesPerElement, offset);
    return count;
}

int CArchive::ReadRecordCount(std::size_t minBytesPerRecord)
{
    return ReadRecordCount(minBytesPerRecord, std::numeric_limits<int>::max(), {});
}

int CArchive::ReadRecordCount(std::size_t minBytesPerRecord, int most, const CountTooLarge& tooLarge)
{
    const std::size_t offset = m_pos;
    int count = 0;
    *this >> count;
    if (count < 0) FailAt(CArchiveException::badFormat, offset, "negative record count " + std::to_string(count));
    if (count > most) FailAt(CArchiveException::badFormat, offset, tooLarge(static_cast<std::size_t>(count)));
    CheckFits(static_cast<std::size_t>(count), minBytesPerRecord, offset);
    return count;
}
