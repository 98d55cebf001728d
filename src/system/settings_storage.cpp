#include "system/settings_storage.h"

#include <windows.h>

#include "settings/settings_file.h"
#include "system/ansi_code_page_win32.h"
#include "system/program_path.h"
#include "system/regional_time_format_win32.h"
#include "system/settings_disk_win32.h"

namespace ostrevin {
namespace {

// One for the process: it remembers which files could not be read in this run.
SettingsStore& Store() {
  static SystemSettingsDisk disk;
  static const SystemAnsiCodePage codePage;
  static SettingsStore store(disk, codePage);
  return store;
}

// A relative name is taken from the current folder; a name that cannot be
// made full is used as it is, and fails as a file name.
std::wstring FullPathName(const std::wstring& path) {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (length == 0) return path;
    if (length < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    buffer.resize(length);  // the length needed, terminator included
  }
}

}  // namespace

std::wstring SettingsFilePath(const std::wstring& path) {
  return FullPathName(path.empty() ? DefaultSettingsPath(ProgramPath()) : path);
}

SettingsFileFound LoadSettings(Settings& settings, const std::wstring& path) {
  return Store().Load(settings, SettingsFilePath(path), ReadRegionalTimeFormat());
}

std::wstring SaveSettings(const Settings& settings, const std::wstring& path) {
  return Store().Save(settings, SettingsFilePath(path), ReadRegionalTimeFormat());
}

bool SettingsFileHeldBack(const std::wstring& path) {
  return Store().IsHeldBack(SettingsFilePath(path));
}

ImportResult ImportSettings(Settings& settings, const std::wstring& path) {
  return Store().Import(settings, SettingsFilePath(path), ReadRegionalTimeFormat());
}

ExportResult ExportSettings(const Settings& settings, const std::wstring& path,
                            const std::function<bool()>& replaceOtherFile) {
  return Store().Export(settings, SettingsFilePath(path), ReadRegionalTimeFormat(),
                        replaceOtherFile);
}

}  // namespace ostrevin
