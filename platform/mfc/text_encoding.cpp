// Text encodings of the archive forms. Code page 936 goes through iconv with one descriptor per
// thread and direction, so several components may archive at once.
#include "text_encoding.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace text_encoding {

namespace {

// The Windows code page itself, under glibc's name: GBK plus the euro sign at 0x80.
constexpr const char* kCodePage936 = "CP936";

class IconvDescriptor {
public:
    IconvDescriptor(const char* to, const char* from) : m_to(to), m_from(from) {}
    ~IconvDescriptor()
    {
        if (m_cd != invalid()) iconv_close(m_cd);
    }
    IconvDescriptor(const IconvDescriptor&) = delete;
    IconvDescriptor& operator=(const IconvDescriptor&) = delete;

    // The open descriptor, reset to its initial shift state.
    iconv_t get()
    {
        if (m_cd == invalid()) {
            m_cd = iconv_open(m_to, m_from);
            if (m_cd == invalid())
                throw std::runtime_error(std::string("iconv cannot convert from ") + m_from + " to " + m_to);
        }
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        return m_cd;
    }

private:
    static iconv_t invalid() { return reinterpret_cast<iconv_t>(-1); }
    const char* m_to;
    const char* m_from;
    iconv_t m_cd = invalid();
};

iconv_t toGbk()
{
    thread_local IconvDescriptor cd(kCodePage936, "UTF-8");
    return cd.get();
}

iconv_t fromGbk()
{
    thread_local IconvDescriptor cd("UTF-8", kCodePage936);
    return cd.get();
}

enum class Outcome { done, invalid };

// Converts all of in; on an invalid or cut-off sequence returns invalid with failedAt = its index.
Outcome convert(iconv_t cd, std::string_view in, std::string& out, std::size_t capacity, std::size_t& failedAt)
{
    out.assign(capacity + 4, '\0');
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    std::size_t written = 0;
    while (inLeft > 0) {
        char* outPtr = out.data() + written;
        std::size_t outLeft = out.size() - written;
        const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        written = out.size() - outLeft;
        if (r != static_cast<std::size_t>(-1)) {
            // glibc counts characters converted in a non-reversible way; treat those as invalid
            // so that a text never changes silently.
            if (r > 0) {
                failedAt = 0;
                return Outcome::invalid;
            }
            break;
        }
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        failedAt = static_cast<std::size_t>(inPtr - in.data());
        return Outcome::invalid;
    }
    out.resize(written);
    return Outcome::done;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes the well-formed sequence at text[i], advancing i; npos-free: callers validated the text.
char32_t nextCodePoint(std::string_view text, std::size_t& i)
{
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char lead = b(0);
    char32_t cp;
    std::size_t n;
    if (lead < 0x80) {
        cp = lead;
        n = 1;
    } else if (lead < 0xE0) {
        cp = lead & 0x1F;
        n = 2;
    } else if (lead < 0xF0) {
        cp = lead & 0x0F;
        n = 3;
    } else {
        cp = lead & 0x07;
        n = 4;
    }
    for (std::size_t k = 1; k < n; ++k) cp = (cp << 6) | (b(k) & 0x3F);
    i += n;
    return cp;
}

} // namespace

std::size_t FindInvalidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        std::size_t n;
        unsigned char lo = 0x80, hi = 0xBF;   // allowed range of the second byte
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            n = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            n = 3;
            if (lead == 0xE0) lo = 0xA0;          // no overlong forms
            if (lead == 0xED) hi = 0x9F;          // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            n = 4;
            if (lead == 0xF0) lo = 0x90;          // no overlong forms
            if (lead == 0xF4) hi = 0x8F;          // nothing above U+10FFFF
        } else {
            return i;
        }
        if (text.size() - i < n) return i;
        const unsigned char second = static_cast<unsigned char>(text[i + 1]);
        if (second < lo || second > hi) return i;
        for (std::size_t k = 2; k < n; ++k) {
            const unsigned char c = static_cast<unsigned char>(text[i + k]);
            if (c < 0x80 || c > 0xBF) return i;
        }
        i += n;
    }
    return npos;
}

std::optional<std::string> Utf8ToGbk(std::string_view utf8)
{
    std::string out;
    std::size_t failedAt = 0;
    // Every UTF-8 character takes at least as many bytes as its code page 936 form.
    if (convert(toGbk(), utf8, out, utf8.size(), failedAt) != Outcome::done) return std::nullopt;
    return out;
}

bool GbkToUtf8(std::string_view gbk, std::string& out, std::size_t& badByte)
{
    // A code page 936 character of one or two bytes takes at most three UTF-8 bytes.
    if (convert(fromGbk(), gbk, out, gbk.size() * 3, badByte) == Outcome::done) return true;
    out.clear();
    return false;
}

std::u16string Utf8ToUtf16(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char32_t cp = nextCodePoint(utf8, i);
        if (cp >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

bool Utf16ToUtf8(std::u16string_view units, std::string& out, std::size_t& badUnit)
{
    out.clear();
    out.reserve(units.size() * 3);
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (i + 1 >= units.size() || units[i + 1] < 0xDC00 || units[i + 1] > 0xDFFF) {
                badUnit = i;
                out.clear();
                return false;
            }
            const char32_t cp = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            appendUtf8(out, cp);
            ++i;
        } else if (u >= 0xDC00 && u <= 0xDFFF) {
            badUnit = i;
            out.clear();
            return false;
        } else {
            appendUtf8(out, u);
        }
    }
    return true;
}

} // namespace text_encoding
