#pragma once

#include <string>

#include "settings/settings_disk.h"

namespace ostrevin {

// The settings files on the machine's disks. A file is replaced by writing
// the new bytes to "<name>.tmp" beside it, flushing them to the disk and
// renaming that over the file in one step.
class SystemSettingsDisk final : public SettingsDisk {
 public:
  FileContents Read(const std::wstring& path) override;
  FileAccess Replace(const std::wstring& path, const std::string& bytes) override;
  FileAccess Rename(const std::wstring& from, const std::wstring& to) override;
  void Pause(int milliseconds) override;
  std::wstring DateStamp() override;
};

}  // namespace ostrevin
