// CString: the text type of the component — UTF-8 bytes, byte-wise order, printf-style Format.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}          // NOLINT: implicit like the original
    CString(const char* text, int length);
    CString(std::string text) : m_text(std::move(text)) {}           // NOLINT
    CString(std::string_view text) : m_text(text) {}                  // NOLINT
    CString(char ch, int repeat = 1);

    // Length in bytes of the UTF-8 text.
    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }

    const char* GetString() const { return m_text.c_str(); }
    operator const char*() const { return m_text.c_str(); }           // NOLINT
    const std::string& str() const { return m_text; }

    char GetAt(int index) const { return m_text.at(static_cast<std::size_t>(index)); }
    char operator[](int index) const { return GetAt(index); }

    CString& operator=(const char* text) { m_text = text ? text : ""; return *this; }
    CString& operator+=(const CString& other) { m_text += other.m_text; return *this; }
    CString& operator+=(const char* text) { if (text) m_text += text; return *this; }
    CString& operator+=(char ch) { m_text += ch; return *this; }

    // Byte-wise comparison: <0, 0, >0.
    int Compare(const char* other) const;

    // printf semantics, numbers always in the C locale (a point before the decimals); the format is
    // always a literal of the calling code.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* format, va_list args);

    // Whitespace trimming (ASCII blanks, tabs, line ends) or trimming of a set of characters;
    // a set may hold multi-byte characters, which are matched whole.
    CString& Trim();
    CString& Trim(char ch);
    CString& Trim(const char* set);
    CString& TrimLeft();
    CString& TrimLeft(char ch);
    CString& TrimLeft(const char* set);
    CString& TrimRight();
    CString& TrimRight(char ch);
    CString& TrimRight(const char* set);

    // Byte index of the first occurrence at or after start, or -1.
    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;

    // Sub-texts by byte positions; out-of-range arguments are clamped as MFC does.
    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;

    // Replaces every occurrence; returns how many were replaced.
    int Replace(const char* oldText, const char* newText);
    int Replace(char oldCh, char newCh);

    CString& MakeUpper();
    CString& MakeLower();

private:
    std::string m_text;
};

inline CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
inline CString operator+(const CString& a, const char* b) { CString r(a); r += b; return r; }
inline CString operator+(const char* a, const CString& b) { CString r(a); r += b; return r; }
inline CString operator+(const CString& a, char b) { CString r(a); r += b; return r; }
inline CString operator+(char a, const CString& b) { CString r(a); r += b; return r; }

inline bool operator==(const CString& a, const CString& b) { return a.str() == b.str(); }
inline bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
inline bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return !(a == b); }
inline bool operator!=(const CString& a, const char* b) { return !(a == b); }
inline bool operator!=(const char* a, const CString& b) { return !(a == b); }
inline bool operator<(const CString& a, const CString& b) { return a.str() < b.str(); }
inline bool operator>(const CString& a, const CString& b) { return b < a; }
inline bool operator<=(const CString& a, const CString& b) { return !(b < a); }
inline bool operator>=(const CString& a, const CString& b) { return !(a < b); }
