#include "settings/ini_text_encoding.h"

#include <cstdint>

namespace ostrevin {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Mark = "\xFF\xFE";
constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf16(std::wstring& text, char32_t code) {
  if (code < 0x10000) {
    text += static_cast<wchar_t>(code);
    return;
  }
  code -= 0x10000;
  text += static_cast<wchar_t>(0xD800 + (code >> 10));
  text += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
}

// What a UTF-8 lead byte says: the length of its sequence (0 for a byte that
// cannot start one) and the bits of the character it brings.
struct LeadByte {
  int length;
  char32_t bits;
};

LeadByte ReadLeadByte(std::uint8_t byte) {
  if (byte < 0x80) return {1, byte};
  if (byte >= 0xC2 && byte < 0xE0) return {2, byte & 0x1Fu};
  if (byte >= 0xE0 && byte < 0xF0) return {3, byte & 0x0Fu};
  if (byte >= 0xF0 && byte < 0xF5) return {4, byte & 0x07u};
  return {0, 0};
}

bool IsContinuation(char byte) {
  return (static_cast<std::uint8_t>(byte) & 0xC0) == 0x80;
}

// The shortest form only, and no surrogates or values past U+10FFFF.
bool IsWellFormed(char32_t code, int length) {
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  return code >= kSmallest[length] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

std::wstring DecodeUtf8(std::string_view bytes) {
  std::wstring text;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const LeadByte lead = ReadLeadByte(static_cast<std::uint8_t>(bytes[i]));
    char32_t code = lead.bits;
    int taken = 1;
    while (taken < lead.length && i + taken < bytes.size() && IsContinuation(bytes[i + taken])) {
      code = code << 6 | (static_cast<std::uint8_t>(bytes[i + taken]) & 0x3F);
      ++taken;
    }
    const bool whole = lead.length > 0 && taken == lead.length && IsWellFormed(code, lead.length);
    AppendUtf16(text, whole ? code : kReplacement);
    i += static_cast<std::size_t>(taken);
  }
  return text;
}

std::wstring DecodeUtf16(std::string_view bytes) {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    text += static_cast<wchar_t>(static_cast<std::uint8_t>(bytes[i]) |
                                 static_cast<std::uint8_t>(bytes[i + 1]) << 8);
  }
  return text;
}

void AppendUnit(std::string& bytes, std::uint16_t unit) {
  bytes += static_cast<char>(unit & 0xFF);
  bytes += static_cast<char>(unit >> 8);
}

std::string EncodeUtf16(std::wstring_view text) {
  std::string bytes(kUtf16Mark);
  for (wchar_t c : text) {
    const auto code = static_cast<char32_t>(c);
    if (code < 0x10000) {
      AppendUnit(bytes, static_cast<std::uint16_t>(code));
      continue;
    }
    // Only where wchar_t is wider than a UTF-16 unit.
    AppendUnit(bytes, static_cast<std::uint16_t>(0xD800 + ((code - 0x10000) >> 10)));
    AppendUnit(bytes, static_cast<std::uint16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
  }
  return bytes;
}

}  // namespace

DecodedText DecodeIniText(std::string_view bytes, const AnsiCodePage& codePage) {
  if (bytes.starts_with(kUtf16Mark)) {
    return {DecodeUtf16(bytes.substr(kUtf16Mark.size())), TextEncoding::kUtf16};
  }
  if (bytes.starts_with(kUtf8Mark)) {
    return {DecodeUtf8(bytes.substr(kUtf8Mark.size())), TextEncoding::kUtf8};
  }
  return {codePage.Decode(bytes), TextEncoding::kAnsi};
}

std::string EncodeIniText(std::wstring_view text, TextEncoding found,
                          const AnsiCodePage& codePage) {
  if (found == TextEncoding::kAnsi) {
    if (std::optional<std::string> ansi = codePage.EncodeExactly(text)) return *ansi;
  }
  return EncodeUtf16(text);
}

}  // namespace ostrevin
