#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/time_units.h"
#include "clock/day_plan.h"

namespace ostrevin {

// How far from the school's time a bell of the timetable may be to be taken
// for the one that rang.
inline constexpr std::int64_t kBellSearchMs = 10 * kMillisecondsPerMinute;

// A bell of a day's timetable: a lesson's start or its end.
struct Bell {
  PlannedLesson lesson;
  bool isStart = false;
  TimeOfDay at;
};

// The start or end of the day's lessons nearest to the moment, within
// kBellSearchMs either way; of two as near, the earlier in the timetable.
// Lessons not taught count: the bell rings for them too.
std::optional<Bell> NearestBell(const DayPlan& day, TimeOfDay moment);

// The whole seconds that move the moment onto the bell or just past it, never
// before it, so that a lesson beginning at the bell has begun.
std::int64_t SecondsOntoBell(TimeOfDay bell, TimeOfDay moment);

// What the balloon says after the bell rang: the bell's time and how the bell
// now stands against the clock ("Время звонка: 09:30. Звонок отстаёт на 40 с.").
std::wstring BellTakenText(const Bell& bell, std::int32_t bellOffsetSeconds);

}  // namespace ostrevin
