#pragma once

#include <string>

#include "settings/profile_file.h"

namespace ostrevin::test_support {

// A settings file read and written through the system's private-profile
// functions (GetPrivateProfileStringW, WritePrivateProfileStringW), as
// version 1.0.0.0 of the program reads and writes it, and as the program's
// own INI document is modelled on.
class ProfileFunctionsFile final : public ProfileFile {
 public:
  // Drops any copy of the file the system keeps from before, so that the
  // file is read as it is on disk now, as by a program started now.
  explicit ProfileFunctionsFile(std::wstring path);

  std::wstring ReadString(const std::wstring& section, const std::wstring& key) override;
  // Throws AppError "Unable to write to <path>" when the write fails.
  void WriteString(const std::wstring& section, const std::wstring& key,
                   const std::wstring& value) override;
  void Flush() override;

 private:
  std::wstring path_;
};

}  // namespace ostrevin::test_support
