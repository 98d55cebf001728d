#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "clock/day_plan.h"

namespace ostrevin {

// How far from the school's time a bell of the timetable may be to be taken
// for the one that rang.
inline constexpr std::int64_t kBellSearchMs = 10 * 60 * 1000;

// A bell of a day's timetable: a lesson's start or its end.
struct Bell {
  PlannedLesson lesson;
  bool isStart = false;
  std::int64_t millisecondOfDay = 0;
};

// The start or end of the day's lessons nearest to the moment (milliseconds
// of that day), within kBellSearchMs either way; of two as near, the earlier
// in the timetable. Lessons not taught count: the bell rings for them too.
std::optional<Bell> NearestBell(const DayPlan& day, std::int64_t millisecondOfDay);

// The whole seconds that move the moment onto the bell or just past it, never
// before it, so that a lesson beginning at the bell has begun.
std::int64_t SecondsOntoBell(std::int64_t bellMillisecond, std::int64_t millisecondOfDay);

// What the balloon says after the bell rang: the bell's time and how the bell
// now stands against the clock ("Время звонка: 09:30. Звонок отстаёт на 40 с.").
std::wstring BellTakenText(const Bell& bell, std::int32_t bellOffsetSeconds);

}  // namespace ostrevin
