#pragma once

#include <string>
#include <vector>

#include "settings/ini_document.h"
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

// A profile file held in an INI document, as the program's store holds one,
// that records every write and flush, knows whether it was ever written and
// can be told to refuse a write.
class MemoryProfileFile : public ProfileFile {
 public:
  static constexpr std::size_t kMaxValueLength = IniDocument::kMaxValueLength;

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
  std::vector<std::wstring> SectionNames() const { return document_.SectionNames(); }
  // Key names of the first section of that name, in file order.
  std::vector<std::wstring> KeyNames(const std::wstring& section) const {
    return document_.KeyNames(section);
  }
  const std::vector<ProfileEvent>& Events() const { return events_; }
  int FlushCount() const;

 private:
  std::wstring path_;
  bool exists_ = false;
  IniDocument document_;
  std::vector<ProfileEvent> events_;
  int writesUntilFailure_ = 0;  // 0: no failure planned
};

}  // namespace ostrevin::test_support
