#pragma once

#include <cstdint>
#include <string>

namespace ostrevin::test_support {

// The bytes of a text as an editor saves it, without a byte order mark: the
// tests put the mark before them where the editor writes one.

// UTF-8 of a text within the Basic Multilingual Plane.
inline std::string Utf8Bytes(const std::wstring& text) {
  std::string bytes;
  for (const wchar_t c : text) {
    const auto code = static_cast<std::uint32_t>(c);
    if (code < 0x80) {
      bytes += static_cast<char>(code);
    } else if (code < 0x800) {
      bytes += static_cast<char>(0xC0 | code >> 6);
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      bytes += static_cast<char>(0xE0 | code >> 12);
      bytes += static_cast<char>(0x80 | (code >> 6 & 0x3F));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return bytes;
}

// UTF-16, its low byte first ("Unicode") or its high byte first ("Unicode
// big endian").
inline std::string Utf16Bytes(const std::wstring& text, bool lowFirst) {
  std::string bytes;
  for (const wchar_t c : text) {
    const auto unit = static_cast<std::uint16_t>(c);
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    bytes += lowFirst ? low : high;
    bytes += lowFirst ? high : low;
  }
  return bytes;
}

}  // namespace ostrevin::test_support
