#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/profile_file.h"

namespace ostrevin::test_support {

// One access of a profile file, in the order it happened.
struct ProfileEvent {
  enum class Kind { kWrite, kFlush };
  Kind kind = Kind::kWrite;
  std::wstring section;  // writes only
  std::wstring key;
  std::wstring value;

  bool operator==(const ProfileEvent&) const = default;
};

inline ProfileEvent FlushEvent() {
  return {ProfileEvent::Kind::kFlush, {}, {}, {}};
}

// An INI file held in memory that matches the way the platform's
// private-profile functions read and change a file: section and key names
// without regard to letter case, the first of equal sections and keys wins,
// blanks around names and values are dropped and so is one enclosing pair of
// quotes of a value, a value is read up to 2047 characters, a line without
// "=" is no key, a new key goes to the end of its section and a new section
// to the end of the file. It records every write and flush and can be told
// to refuse a write.
class MemoryProfileFile : public ProfileFile {
 public:
  static constexpr std::size_t kMaxValueLength = 2047;

  // A file that does not exist yet.
  explicit MemoryProfileFile(std::wstring path = L"C:\\Ostrevin\\Ostrevin.INI");
  // A file holding text; lines end in "\n" or "\r\n".
  MemoryProfileFile(std::wstring path, const std::wstring& text);

  std::wstring ReadString(const std::wstring& section, const std::wstring& key) override;
  void WriteString(const std::wstring& section, const std::wstring& key,
                   const std::wstring& value) override;
  void Flush() override;

  // Makes the number-th write from now on (1 is the next one) fail with the
  // platform's error text, leaving the file unchanged.
  void FailWrite(int number);

  bool Exists() const { return exists_; }
  // The file's lines, each ended by "\n".
  std::wstring Text() const;
  // Section names in file order, as written in the file.
  std::vector<std::wstring> SectionNames() const;
  // Key names of the first section of that name, in file order.
  std::vector<std::wstring> KeyNames(const std::wstring& section) const;
  const std::vector<ProfileEvent>& Events() const { return events_; }
  int FlushCount() const;

 private:
  std::optional<std::size_t> FindSection(const std::wstring& section) const;
  // The line index past the last line of the section that starts at header.
  std::size_t SectionEnd(std::size_t header) const;
  std::optional<std::size_t> FindKey(std::size_t header, const std::wstring& key) const;

  // A line of the file with what it is to the profile functions, worked out
  // once: a file is searched on every read and write.
  struct Line {
    enum class Kind { kOther, kSection, kKey };
    std::wstring text;
    Kind kind = Kind::kOther;
    std::wstring name;  // of the section or key
  };
  static Line MakeLine(std::wstring text);

  std::wstring path_;
  bool exists_ = false;
  std::vector<Line> lines_;
  std::vector<ProfileEvent> events_;
  int writesUntilFailure_ = 0;  // 0: no failure planned
};

}  // namespace ostrevin::test_support
