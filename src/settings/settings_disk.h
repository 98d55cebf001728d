#pragma once

#include <string>

namespace ostrevin {

// What became of one access of a file.
enum class FileAccess {
  kDone,
  kMissing,  // no such file (or folder)
  kBusy,     // held by another program, or access denied: worth a retry
  kFailed,   // anything else
};

struct FileContents {
  FileAccess access = FileAccess::kFailed;
  std::string bytes;  // the whole file when done
};

// The files the settings are kept in, as the platform has them. Each call is
// one attempt; the settings store decides about retries.
class SettingsDisk {
 public:
  virtual ~SettingsDisk() = default;

  // The file's bytes, all of them.
  virtual FileContents Read(const std::wstring& path) = 0;
  // Puts bytes in the file's place, creating it when missing, so that at
  // every moment the file is either the old one or the new one, and the new
  // one has reached the disk when this returns done. Nothing of the attempt
  // is left behind when it fails, and the old file is as it was.
  virtual FileAccess Replace(const std::wstring& path, const std::string& bytes) = 0;
  // Waits before the next attempt.
  virtual void Pause(int milliseconds) = 0;
};

}  // namespace ostrevin
