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

// How a settings file's bytes hold its text: what Notepad and the other
// editors of Windows write.
enum class TextEncoding {
  kAnsi,                       // the ANSI code page
  kUtf8,                       // EF BB BF
  kUtf8WithoutMark,            // Notepad's default on Windows 10 and 11
  kUtf16,                      // FF FE: UTF-16, low byte first ("Unicode")
  kUtf16WithoutMark,           // low byte first, no mark
  kUtf16BigEndian,             // FE FF: high byte first ("Unicode big endian")
  kUtf16BigEndianWithoutMark,  // high byte first, no mark
};

// Whether the encoding is one of Unicode's, which the file keeps.
bool IsUnicode(TextEncoding encoding);

struct DecodedText {
  std::wstring text;  // UTF-16 code units, also where wchar_t is wider
  TextEncoding encoding = TextEncoding::kAnsi;
};

// A file's text. A byte-order mark tells its encoding. Without one, the
// encoding is told by what an INI file holds, not guessed: a file with NUL
// bytes is UTF-16 in the byte order in which its text has line breaks,
// brackets or "=" and no NUL character; a file without NUL bytes whose bytes
// are well-formed UTF-8 with at least one character beyond ASCII is UTF-8
// (text in a Windows code page almost never is); anything else is in the
// ANSI code page. A broken UTF-8 sequence after a mark reads as U+FFFD.
DecodedText DecodeIniText(std::string_view bytes, const AnsiCodePage& codePage);

// The bytes to write for a file's text. ANSI, which every copy of the
// program reads, when the file was ANSI (or new) and every character
// survives the code page exactly; otherwise UTF-16 after its mark, which the
// profile functions of every Windows read as Unicode. A file that was Unicode
// stays Unicode: a UTF-8 or big-endian file, or one without a mark, is
// written as UTF-16 with its mark too, the one Unicode form the profile
// functions are documented to read.
std::string EncodeIniText(std::wstring_view text, TextEncoding found, const AnsiCodePage& codePage);

}  // namespace ostrevin
