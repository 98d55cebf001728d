#pragma once

#include <string>

#include "settings/profile_file.h"

namespace ostrevin {

// An INI file read and written through the system's private-profile functions.
class PrivateProfileFile final : public ProfileFile {
 public:
  // A relative path is taken from the current directory: the profile
  // functions themselves would look for it in the Windows folder.
  explicit PrivateProfileFile(const std::wstring& path);

  const std::wstring& Path() const { return path_; }

  std::wstring ReadString(const std::wstring& section, const std::wstring& key) override;
  void WriteString(const std::wstring& section, const std::wstring& key,
                   const std::wstring& value) override;
  void Flush() override;

 private:
  std::wstring path_;
  // False when the path could not be made absolute (an empty name): the
  // profile functions would then fall back to win.ini, so the file is treated
  // as missing and unwritable instead.
  bool usable_ = false;
};

}  // namespace ostrevin
