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
  // Gives the file another name in its folder; fails when a file has that
  // name already.
  virtual FileAccess Rename(const std::wstring& from, const std::wstring& to) = 0;
  // Waits before the next attempt.
  virtual void Pause(int milliseconds) = 0;
  // Today's local date as a file name holds it: "2026-09-01".
  virtual std::wstring DateStamp() = 0;
};

}  // namespace ostrevin
