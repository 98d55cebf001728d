#pragma once

#include <string>

#include "settings/settings_store.h"

namespace ostrevin {

// What the teacher is told about the program's own settings file: each text
// names the file, says what became of the timetable and what to do.

// After the start's reading of the file at path; empty when all is well (a
// first start is greeted otherwise).
std::wstring SettingsFileFoundText(const SettingsFileFound& found, const std::wstring& path);

// A save that found a file not understood at path and moved it aside first.
std::wstring SettingsFileSetAsideAtSaveText(const std::wstring& path, const std::wstring& aside);

// A save of the program's own file that could not read or write it: the
// settings stay in the program until a save succeeds.
std::wstring SettingsNotSavedText(const std::wstring& path);

// A save refused because the file could not be read in this run.
std::wstring SettingsFileHeldBackText(const std::wstring& path);

// A file the teacher chose to export to that could not be read or written.
std::wstring ExportNotWrittenText(const std::wstring& path);

}  // namespace ostrevin
