#include "system/settings_storage.h"

#include <windows.h>

#include "settings/settings_file.h"
#include "system/private_profile_file.h"
#include "system/program_path.h"
#include "system/regional_time_format_win32.h"

namespace ostrevin {
namespace {

std::wstring PathOrDefault(const std::wstring& path) {
  return path.empty() ? DefaultSettingsPath(ProgramPath()) : path;
}

}  // namespace

void LoadSettings(Settings& settings, const std::wstring& path) {
  PrivateProfileFile file(PathOrDefault(path));
  LoadSettings(settings, file, ReadRegionalTimeFormat());
}

bool SettingsFileExists(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(PathOrDefault(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void SaveSettings(const Settings& settings, const std::wstring& path) {
  PrivateProfileFile file(PathOrDefault(path));
  SaveSettings(settings, file, ReadRegionalTimeFormat());
}

}  // namespace ostrevin
