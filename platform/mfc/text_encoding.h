// Text encodings of the archive forms: UTF-8 ⇄ code page 936 (GBK) through iconv, UTF-8 ⇄ UTF-16.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace text_encoding {

inline constexpr std::size_t npos = static_cast<std::size_t>(-1);

// Byte index where text stops being well-formed UTF-8 (overlong forms, surrogates and code points
// above U+10FFFF are not well-formed), or npos when all of it is.
std::size_t FindInvalidUtf8(std::string_view text);

// The code page 936 bytes of well-formed UTF-8 text, or nothing when a character has no form there.
std::optional<std::string> Utf8ToGbk(std::string_view utf8);

// Decodes code page 936 bytes into out; false with badByte = index of the first byte that does not
// begin a valid character (or of a character cut off at the end).
bool GbkToUtf8(std::string_view gbk, std::string& out, std::size_t& badByte);

// UTF-16 units of well-formed UTF-8 text.
std::u16string Utf8ToUtf16(std::string_view utf8);

// Decodes UTF-16 units into out; false with badUnit = index of the first unpaired surrogate.
bool Utf16ToUtf8(std::u16string_view units, std::string& out, std::size_t& badUnit);

} // namespace text_encoding
