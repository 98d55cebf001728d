#pragma once

#include <vector>

#include "clock/local_clock.h"
#include "settings/settings.h"

namespace ostrevin {

// One lesson of a day's timetable, as the lesson clock sees it.
struct PlannedLesson {
  int number = 0;         // the number the program shows for it
  TimeOfDay start = 0.0;  // its bell
  TimeOfDay end = 0.0;    // not wrapped at midnight
  bool taught = false;    // the teacher's own: the clock begins it by itself

  bool operator==(const PlannedLesson&) const = default;
};

// The lessons of one day in the timetable's order, which is the order the
// start watch scans them and the locator places the time among them.
using DayPlan = std::vector<PlannedLesson>;

// The lessons of the day of date; its time of day is not looked at. Every
// day has the seven slots, so the lesson number and its breaks follow the
// times on any day; the teacher teaches only on Monday to Friday.
DayPlan PlanOfDay(const Settings& settings, const LocalDateTime& date);

// False for a timetable not entered yet: no day has a lesson the teacher
// teaches.
bool HasAnyTaughtLesson(const Settings& settings);

}  // namespace ostrevin
