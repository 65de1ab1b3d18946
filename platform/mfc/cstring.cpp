// CString members: formatting, trimming, searching and sub-texts on UTF-8 bytes.
#include "cstring.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <locale.h>
#include <vector>

namespace {

// Formats numbers in the C locale on this thread while it lives, whatever the process locale is.
class CLocaleScope {
public:
    CLocaleScope() : m_previous(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    static locale_t cLocale()
    {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
        return c;
    }
    locale_t m_previous;
};

bool isBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// Length of the UTF-8 sequence that starts with lead byte c (1 for a stray byte).
std::size_t sequenceLength(unsigned char c)
{
    if (c >= 0xF8) return 1;
    if (c >= 0xF0) return 4;
    if (c >= 0xE0) return 3;
    if (c >= 0xC0) return 2;
    return 1;
}

// The characters of a trim set, each as its whole byte sequence.
std::vector<std::string> splitCharacters(const char* set)
{
    std::vector<std::string> chars;
    const std::string text = set ? set : "";
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = std::min(sequenceLength(static_cast<unsigned char>(text[i])), text.size() - i);
        chars.push_back(text.substr(i, n));
        i += n;
    }
    return chars;
}

// Length of the member of set that text has at position pos (front) or ending at end (back), 0 if none.
std::size_t matchFront(const std::string& text, std::size_t pos, const std::vector<std::string>& set)
{
    for (const auto& c : set)
        if (!c.empty() && text.compare(pos, c.size(), c) == 0) return c.size();
    return 0;
}

std::size_t matchBack(const std::string& text, std::size_t end, const std::vector<std::string>& set)
{
    for (const auto& c : set)
        if (!c.empty() && c.size() <= end && text.compare(end - c.size(), c.size(), c) == 0) return c.size();
    return 0;
}

} // namespace

CString::CString(const char* text, int length) : m_text(text ? std::string(text, length > 0 ? length : 0) : std::string()) {}

CString::CString(char ch, int repeat) : m_text(repeat > 0 ? static_cast<std::size_t>(repeat) : 0u, ch) {}

int CString::Compare(const char* other) const
{
    const int c = m_text.compare(other ? other : "");
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

void CString::FormatV(const char* format, va_list args)
{
    if (!format) {
        m_text.clear();
        return;
    }
    const CLocaleScope cLocale;
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed < 0) {
        m_text.clear();
        return;
    }
    std::string out(static_cast<std::size_t>(needed) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), format, args);
    out.resize(static_cast<std::size_t>(needed));
    m_text = std::move(out);
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(const char* format, ...)
{
    CString tail;
    va_list args;
    va_start(args, format);
    tail.FormatV(format, args);
    va_end(args);
    m_text += tail.m_text;
}

CString& CString::TrimLeft()
{
    std::size_t i = 0;
    while (i < m_text.size() && isBlank(static_cast<unsigned char>(m_text[i]))) ++i;
    m_text.erase(0, i);
    return *this;
}

CString& CString::TrimRight()
{
    std::size_t n = m_text.size();
    while (n > 0 && isBlank(static_cast<unsigned char>(m_text[n - 1]))) --n;
    m_text.resize(n);
    return *this;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }

CString& CString::TrimLeft(char ch)
{
    m_text.erase(0, std::min(m_text.find_first_not_of(ch), m_text.size()));
    return *this;
}

CString& CString::TrimRight(char ch)
{
    const auto last = m_text.find_last_not_of(ch);
    m_text.resize(last == std::string::npos ? 0 : last + 1);
    return *this;
}

CString& CString::Trim(char ch) { return TrimRight(ch).TrimLeft(ch); }

CString& CString::TrimLeft(const char* set)
{
    const auto chars = splitCharacters(set);
    std::size_t pos = 0;
    while (pos < m_text.size()) {
        const std::size_t n = matchFront(m_text, pos, chars);
        if (n == 0) break;
        pos += n;
    }
    m_text.erase(0, pos);
    return *this;
}

CString& CString::TrimRight(const char* set)
{
    const auto chars = splitCharacters(set);
    std::size_t end = m_text.size();
    while (end > 0) {
        const std::size_t n = matchBack(m_text, end, chars);
        if (n == 0) break;
        end -= n;
    }
    m_text.resize(end);
    return *this;
}

CString& CString::Trim(const char* set) { return TrimRight(set).TrimLeft(set); }

int CString::Find(char ch, int start) const
{
    if (start < 0) start = 0;
    if (static_cast<std::size_t>(start) >= m_text.size()) return -1;
    const auto pos = m_text.find(ch, static_cast<std::size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const char* sub, int start) const
{
    if (!sub) return -1;
    if (start < 0) start = 0;
    if (static_cast<std::size_t>(start) > m_text.size()) return -1;
    const auto pos = m_text.find(sub, static_cast<std::size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const
{
    const auto pos = m_text.rfind(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

CString CString::Left(int count) const
{
    count = std::clamp(count, 0, GetLength());
    return CString(m_text.substr(0, static_cast<std::size_t>(count)));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const
{
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_text.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(count)));
}

CString CString::Right(int count) const
{
    count = std::clamp(count, 0, GetLength());
    return CString(m_text.substr(m_text.size() - static_cast<std::size_t>(count)));
}

int CString::Replace(const char* oldText, const char* newText)
{
    const std::string from = oldText ? oldText : "";
    const std::string to = newText ? newText : "";
    if (from.empty()) return 0;
    int replaced = 0;
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        const auto hit = m_text.find(from, pos);
        if (hit == std::string::npos) break;
        out.append(m_text, pos, hit - pos);
        out += to;
        pos = hit + from.size();
        ++replaced;
    }
    if (replaced == 0) return 0;
    out.append(m_text, pos, std::string::npos);
    m_text = std::move(out);
    return replaced;
}

int CString::Replace(char oldCh, char newCh)
{
    int replaced = 0;
    for (auto& c : m_text)
        if (c == oldCh) {
            c = newCh;
            ++replaced;
        }
    return replaced;
}

CString& CString::MakeUpper()
{
    for (auto& c : m_text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return *this;
}

CString& CString::MakeLower()
{
    for (auto& c : m_text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return *this;
}
