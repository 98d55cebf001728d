#include "settings/settings.h"

#include <cstdint>

namespace ostrevin {

namespace {

struct HourMinute {
  int hour;
  int minute;
};

// The built-in timetable: breaks of 15 minutes after the first three lessons
// and of 10 minutes after the others, with the default 45-minute lesson.
constexpr std::array<HourMinute, kSlotCount> kBuiltInStartTimes = {{
    {8, 30},
    {9, 30},
    {10, 30},
    {11, 30},
    {12, 25},
    {13, 20},
    {14, 15},
}};

}  // namespace

void ResetStartTimes(Settings& settings) {
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const HourMinute& start = kBuiltInStartTimes[slot - 1];
    settings.StartTime(slot) = EncodeTimeOfDay(start.hour, start.minute, 0, 0);
  }
}

TimeOfDay SlotEndTime(const Settings& settings, int slot) {
  // Tenths of a minute are dropped: a 45.5-minute lesson ends 45 minutes in.
  return AddMinutes(settings.StartTime(slot), settings.LessLen / 10);
}

}  // namespace ostrevin
