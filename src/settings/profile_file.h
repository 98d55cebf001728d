#pragma once

#include <string>

namespace ostrevin {

// One INI file, as the platform's private-profile functions see it. Section
// and key names match without regard to case; a read value has its blanks and
// one enclosing pair of quotes removed and is at most 2047 characters.
class ProfileFile {
 public:
  virtual ~ProfileFile() = default;

  // The key's value text, or empty when the file, section or key is missing.
  virtual std::wstring ReadString(const std::wstring& section, const std::wstring& key) = 0;
  // Replaces the key's value, adding key, section or file as needed.
  // Throws AppError "Unable to write to <full path>" when the write fails.
  virtual void WriteString(const std::wstring& section, const std::wstring& key,
                           const std::wstring& value) = 0;
  // Asks the platform to drop its cached copy of the file.
  virtual void Flush() = 0;
};

}  // namespace ostrevin
