#pragma once

#include <functional>
#include <string>

#include "settings/settings.h"
#include "settings/settings_store.h"

namespace ostrevin {

// The full path of the settings file at path, the default file beside the
// program when path is empty.
std::wstring SettingsFilePath(const std::wstring& path);

// The program's own settings file at path (the default file beside the
// program when path is empty), kept by the one settings store of the process
// in the user's regional time format: see SettingsStore for what each does.
SettingsFileFound LoadSettings(Settings& settings, const std::wstring& path);
std::wstring SaveSettings(const Settings& settings, const std::wstring& path);
// The file could not be read in this run: saving it is refused.
bool SettingsFileHeldBack(const std::wstring& path);

// A file the teacher chose in the settings dialog.
ImportResult ImportSettings(Settings& settings, const std::wstring& path);
ExportResult ExportSettings(const Settings& settings, const std::wstring& path,
                            const std::function<bool()>& replaceOtherFile);

}  // namespace ostrevin
