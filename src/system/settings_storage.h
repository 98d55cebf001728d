#pragma once

#include <string>

#include "settings/settings.h"

namespace ostrevin {

// Fills settings from the INI file at path (the default file beside the
// program when path is empty), reading times in the user's regional format.
void LoadSettings(Settings& settings, const std::wstring& path);

// Whether the settings file at path (the default file when path is empty) is
// there: it is not before the program's first ending.
bool SettingsFileExists(const std::wstring& path);

// Writes every setting to the INI file at path (the default file beside the
// program when path is empty). Throws AppError "Unable to write to <full
// path>" at the first key that cannot be written; the keys before it stay.
void SaveSettings(const Settings& settings, const std::wstring& path);

}  // namespace ostrevin
