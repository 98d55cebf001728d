#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "settings/profile_file.h"

namespace ostrevin {

// An INI file's text held in memory, read and changed the way the platform's
// private-profile functions read and change a file: section and key names
// match without regard to the case of ASCII letters, the first of equal
// sections and keys wins, blanks around names and values are dropped and so
// is one enclosing pair of quotes of a value, a value is read up to 2047
// characters, a line without "=" is no key, a new key goes to the end of its
// section and a new section to the end of the file. Every other line stays as
// it was. The file is read once into it and written back whole by its owner.
class IniDocument final : public ProfileFile {
 public:
  static constexpr std::size_t kMaxValueLength = 2047;

  // An empty document: the file that does not exist yet.
  IniDocument() = default;
  // The document of a file's text. Lines end in CR LF, LF or CR; a line ends
  // at its first NUL character, as the profile functions read it.
  explicit IniDocument(const std::wstring& text);

  // The key's value text, or empty when the section or key is missing.
  std::wstring Value(const std::wstring& section, const std::wstring& key) const;
  bool HasSection(const std::wstring& section) const;
  // Only blank lines, or none.
  bool IsBlank() const;
  // The lines as they are, without their line ends.
  std::vector<std::wstring> Lines() const;
  // The file's text: every line ended by CR LF.
  std::wstring Text() const;
  // Section names in file order, as written in the file.
  std::vector<std::wstring> SectionNames() const;
  // Key names of the first section of that name, in file order.
  std::vector<std::wstring> KeyNames(const std::wstring& section) const;

  std::wstring ReadString(const std::wstring& section, const std::wstring& key) override;
  // A line break or NUL in a name or value is written as a blank: it would
  // otherwise start a line of its own, or end the file for the reader.
  void WriteString(const std::wstring& section, const std::wstring& key,
                   const std::wstring& value) override;
  // Nothing is cached: the owner writes the whole text.
  void Flush() override {}

 private:
  // A line of the file with what it is to the profile functions, worked out
  // once: the document is searched on every read and write.
  struct Line {
    enum class Kind { kOther, kSection, kKey };
    std::wstring text;
    Kind kind = Kind::kOther;
    std::wstring name;  // of the section or key
  };
  static Line MakeLine(std::wstring text);

  std::optional<std::size_t> FindSection(const std::wstring& section) const;
  // The line index past the last line of the section that starts at header.
  std::size_t SectionEnd(std::size_t header) const;
  std::optional<std::size_t> FindKey(std::size_t header, const std::wstring& key) const;

  std::vector<Line> lines_;
};

}  // namespace ostrevin
