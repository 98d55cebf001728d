#include "settings/settings.h"

#include <array>

namespace ostrevin {

namespace {

// The built-in timetable: breaks of 15 minutes after the first three lessons
// and of 10 minutes after the others, with the default 45-minute lesson.
constexpr std::array<TimeOfDay, kSlotCount> kBuiltInStartTimes = {
    TimeOfDay::At(8, 30),  TimeOfDay::At(9, 30),  TimeOfDay::At(10, 30), TimeOfDay::At(11, 30),
    TimeOfDay::At(12, 25), TimeOfDay::At(13, 20), TimeOfDay::At(14, 15),
};

}  // namespace

void ResetStartTimes(Settings& settings) {
  settings.StartTimes = kBuiltInStartTimes;
}

TimeOfDay SlotEndTime(const Settings& settings, int slot) {
  // Tenths of a minute are dropped: a 45.5-minute lesson ends 45 minutes in.
  return AddMinutes(settings.StartTime(slot), settings.LessLen / kTenthsPerMinute);
}

}  // namespace ostrevin
