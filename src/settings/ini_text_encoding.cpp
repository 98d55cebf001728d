#include "settings/ini_text_encoding.h"

#include <cstdint>
#include <optional>
#include <utility>

namespace ostrevin {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Mark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
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

// One character of UTF-8 at the start of bytes: its code and the bytes it
// took; none when they are no well-formed sequence.
struct Utf8Character {
  std::optional<char32_t> code;
  std::size_t taken = 1;
};

Utf8Character ReadUtf8Character(std::string_view bytes) {
  const LeadByte lead = ReadLeadByte(static_cast<std::uint8_t>(bytes[0]));
  char32_t code = lead.bits;
  int taken = 1;
  while (taken < lead.length && static_cast<std::size_t>(taken) < bytes.size() &&
         IsContinuation(bytes[static_cast<std::size_t>(taken)])) {
    code = code << 6 | (static_cast<std::uint8_t>(bytes[static_cast<std::size_t>(taken)]) & 0x3F);
    ++taken;
  }
  const bool whole = lead.length > 0 && taken == lead.length && IsWellFormed(code, lead.length);
  return {whole ? std::optional<char32_t>(code) : std::nullopt, static_cast<std::size_t>(taken)};
}

std::wstring DecodeUtf8(std::string_view bytes) {
  std::wstring text;
  while (!bytes.empty()) {
    const Utf8Character character = ReadUtf8Character(bytes);
    AppendUtf16(text, character.code.value_or(kReplacement));
    bytes.remove_prefix(character.taken);
  }
  return text;
}

// Well-formed throughout, with a character beyond ASCII: plain ASCII reads
// the same in the code page.
bool IsUtf8BeyondAscii(std::string_view bytes) {
  bool beyondAscii = false;
  while (!bytes.empty()) {
    const Utf8Character character = ReadUtf8Character(bytes);
    if (!character.code) return false;
    beyondAscii = beyondAscii || *character.code >= 0x80;
    bytes.remove_prefix(character.taken);
  }
  return beyondAscii;
}

enum class ByteOrder { kLowFirst, kHighFirst };

std::wstring DecodeUtf16(std::string_view bytes, ByteOrder order) {
  const std::size_t low = order == ByteOrder::kLowFirst ? 0 : 1;
  std::wstring text;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    text += static_cast<wchar_t>(static_cast<std::uint8_t>(bytes[i + low]) |
                                 static_cast<std::uint8_t>(bytes[i + 1 - low]) << 8);
  }
  return text;
}

// How much of an INI file's structure the text shows: its line breaks,
// brackets and "=". None when it holds a NUL character, which no text has.
int IniStructureUnits(const std::wstring& text) {
  int units = 0;
  for (const wchar_t c : text) {
    if (c == L'\0') return 0;
    if (c == L'\r' || c == L'\n' || c == L'[' || c == L']' || c == L'=') ++units;
  }
  return units;
}

// UTF-16 without a mark, in the byte order that shows the file's structure;
// none when neither does (a file zeroed by a power cut, a binary file).
std::optional<DecodedText> DecodeUtf16WithoutMark(std::string_view bytes) {
  if (bytes.find('\0') == std::string_view::npos) return std::nullopt;
  std::wstring lowFirst = DecodeUtf16(bytes, ByteOrder::kLowFirst);
  std::wstring highFirst = DecodeUtf16(bytes, ByteOrder::kHighFirst);
  const int lowFirstUnits = IniStructureUnits(lowFirst);
  const int highFirstUnits = IniStructureUnits(highFirst);
  if (lowFirstUnits == 0 && highFirstUnits == 0) return std::nullopt;
  if (lowFirstUnits >= highFirstUnits) {
    return DecodedText{std::move(lowFirst), TextEncoding::kUtf16WithoutMark};
  }
  return DecodedText{std::move(highFirst), TextEncoding::kUtf16BigEndianWithoutMark};
}

// Whether bytes in the code page read back as the code page's: no mark at
// their start, no NUL byte that makes them UTF-16, no UTF-8 they would be
// taken for. A text that would not is written in UTF-16 after its mark.
bool ReadsAsAnsi(std::string_view bytes) {
  for (const std::string_view mark : {kUtf8Mark, kUtf16Mark, kUtf16BigEndianMark}) {
    if (bytes.starts_with(mark)) return false;
  }
  return !DecodeUtf16WithoutMark(bytes) && !IsUtf8BeyondAscii(bytes);
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

bool IsUnicode(TextEncoding encoding) {
  return encoding != TextEncoding::kAnsi;
}

DecodedText DecodeIniText(std::string_view bytes, const AnsiCodePage& codePage) {
  if (bytes.starts_with(kUtf16Mark)) {
    return {DecodeUtf16(bytes.substr(kUtf16Mark.size()), ByteOrder::kLowFirst),
            TextEncoding::kUtf16};
  }
  if (bytes.starts_with(kUtf16BigEndianMark)) {
    return {DecodeUtf16(bytes.substr(kUtf16BigEndianMark.size()), ByteOrder::kHighFirst),
            TextEncoding::kUtf16BigEndian};
  }
  if (bytes.starts_with(kUtf8Mark)) {
    return {DecodeUtf8(bytes.substr(kUtf8Mark.size())), TextEncoding::kUtf8};
  }
  if (std::optional<DecodedText> utf16 = DecodeUtf16WithoutMark(bytes)) return std::move(*utf16);
  if (IsUtf8BeyondAscii(bytes)) return {DecodeUtf8(bytes), TextEncoding::kUtf8WithoutMark};
  return {codePage.Decode(bytes), TextEncoding::kAnsi};
}

std::string EncodeIniText(std::wstring_view text, TextEncoding found,
                          const AnsiCodePage& codePage) {
  if (found == TextEncoding::kAnsi) {
    std::optional<std::string> ansi = codePage.EncodeExactly(text);
    if (ansi && ReadsAsAnsi(*ansi)) return std::move(*ansi);
  }
  return EncodeUtf16(text);
}

}  // namespace ostrevin
