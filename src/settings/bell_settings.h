#pragma once

#include <cstdint>

#include "settings/profile_file.h"
#include "settings/settings.h"

namespace ostrevin {

// The bell offset is a correction of the clock, not a second timetable: an
// hour either way at most.
inline constexpr std::int32_t kBellOffsetLimitSeconds = 3600;

// The offset brought within its limit.
std::int32_t LimitedBellOffset(std::int64_t seconds);

// The section "Bell": the bell offset (0 when missing or unreadable, brought
// within its limit), whether it was taken on the computer's own clock (not
// when missing), whether a lesson going on is joined (on when missing)
// and the time server's name (none when missing).
void LoadBellSettings(Settings& settings, ProfileFile& file);
void SaveBellSettings(const Settings& settings, ProfileFile& file);

}  // namespace ostrevin
