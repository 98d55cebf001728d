#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "settings/profile_file.h"
#include "settings/regional_time_format.h"
#include "settings/settings.h"

namespace ostrevin {

// The settings file's integer reader: optional leading blanks, an optional
// sign, then decimal digits or hexadecimal digits after "$", "x", "X", "0x" or
// "0X"; nothing after the digits; within the 32-bit signed range.
std::optional<std::int32_t> ReadProfileInteger(const std::wstring& text);

// The program's own path with its extension replaced by ".INI".
std::wstring DefaultSettingsPath(const std::wstring& programPath);

// Fills every field of settings from the file (defaults for what is missing),
// then flushes the file.
void LoadSettings(Settings& settings, ProfileFile& file, const RegionalTimeFormat& format);

// Writes every field, in the file's section and key order, then flushes.
// A failed write propagates its AppError; the keys before it stay written.
void SaveSettings(const Settings& settings, ProfileFile& file, const RegionalTimeFormat& format);

}  // namespace ostrevin
