#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "clock/local_clock.h"
#include "settings/settings.h"

namespace ostrevin {

// One lesson of a day's timetable, as the lesson clock sees it.
struct PlannedLesson {
  int number = 0;         // the number the program shows for it
  TimeOfDay start;        // its bell
  TimeOfDay end;          // not wrapped at midnight
  bool taught = false;    // the teacher's own: the clock begins it by itself
  // What it runs for once begun, in tenths of a minute: its own length in a
  // bell schedule. None in the first version's timetable, whose lessons run
  // for the settings' LessLen as it stands at every tick.
  std::optional<std::int32_t> length;

  bool operator==(const PlannedLesson&) const = default;
};

// The lessons of one day in the timetable's order, which is the order the
// start watch scans them and the locator places the time among them.
using DayPlan = std::vector<PlannedLesson>;

// The lessons of the day of date; its time of day is not looked at. With bell
// schedules, the lessons of the schedule the week maps that weekday to (none
// on a day without lessons); in the first version's timetable, the seven
// slots on every day, so that the lesson number and its breaks follow the
// times on any day, while the teacher teaches only on Monday to Friday.
DayPlan PlanOfDay(const Settings& settings, const LocalDateTime& date);

// False for a timetable not entered yet: no day has a lesson the teacher
// teaches.
bool HasAnyTaughtLesson(const Settings& settings);

}  // namespace ostrevin
