#pragma once

#include <string>

#include "toolkit/handles.h"

namespace ostrevin::test_support {

// A fresh folder of its own under the system's temporary folder, removed with
// everything in it when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::wstring& Path() const { return path_; }
  // The full path of a file in the folder.
  std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

bool FileExists(const std::wstring& path);
// The file's bytes as they are on disk; empty when it is missing.
std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
// Opens (or creates) the file with no sharing at all: while the handle lives,
// no other open of the file succeeds, so every write to it fails.
toolkit::UniqueKernelHandle OpenWithoutSharing(const std::wstring& path);

}  // namespace ostrevin::test_support
