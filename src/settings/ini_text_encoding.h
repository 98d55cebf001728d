#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ostrevin {

// The system's ANSI code page, in which the profile functions read and write
// a file that has no Unicode byte-order mark.
class AnsiCodePage {
 public:
  virtual ~AnsiCodePage() = default;

  virtual std::wstring Decode(std::string_view bytes) const = 0;
  // The text in the code page, or nothing when a character would not come
  // back as itself (no best-fit look-alikes, no "?").
  virtual std::optional<std::string> EncodeExactly(std::wstring_view text) const = 0;
};

// How a settings file's bytes hold its text.
enum class TextEncoding {
  kAnsi,   // no byte-order mark: the ANSI code page
  kUtf8,   // EF BB BF
  kUtf16,  // FF FE: UTF-16, low byte first
};

struct DecodedText {
  std::wstring text;  // UTF-16 code units, also where wchar_t is wider
  TextEncoding encoding = TextEncoding::kAnsi;
};

// A file's text: UTF-16 after its mark, UTF-8 after its mark (a broken
// sequence reads as U+FFFD), anything else in the ANSI code page.
DecodedText DecodeIniText(std::string_view bytes, const AnsiCodePage& codePage);

// The bytes to write for a file's text. ANSI, which every copy of the
// program reads, when the file was ANSI (or new) and every character
// survives the code page exactly; otherwise UTF-16 after its mark, which the
// profile functions of every Windows read as Unicode. A file that was Unicode
// stays Unicode: a UTF-8 file is written as UTF-16 too, the one Unicode form
// the profile functions are documented to read.
std::string EncodeIniText(std::wstring_view text, TextEncoding found, const AnsiCodePage& codePage);

}  // namespace ostrevin
