#pragma once

#include "settings/school_timetable.h"
#include "settings/settings.h"

namespace ostrevin {

// The first version's timetable (seven start times shared by every day, one
// lesson length, the teacher's lessons of Monday to Friday) and the school's
// timetable of bell schedules, each in the terms of the other.

// A timetable of the first version as bell schedules: one schedule
// "Основное" of seven lessons of LessLen counted from 1, mapped to every day
// of the week as the number icon has always placed the time among the seven
// lessons on every day, the teacher's lessons of Monday to Friday from their
// rows and none on Saturday and Sunday. A lesson that would run into the next
// slot's start ends there, one that would run past midnight ends at 23:59;
// a slot whose start comes before the one before it is left out.
SchoolTimetable FirstVersionTimetable(const Settings& settings);

// Sets the first version's fields (StartTimes, LessonOn) to the school's
// timetable as version 1.0, which reads only them, should see it: the start
// times of the first seven lessons of Monday's schedule (or of the first day
// that has one), the last start repeated for slots beyond its lessons, and
// for each weekday the slots whose lesson numbers the teacher teaches that
// day. Does nothing while the timetable has no schedule.
void UpdateFirstVersionTimetable(Settings& settings);

// A short digest of the first version's fields as the file holds them (the
// start times to the minute, the teacher's lessons of Monday to Friday).
// Kept beside the school's timetable, it tells at the next reading whether
// another program, version 1.0, changed those keys meanwhile.
std::wstring FirstVersionStamp(const Settings& settings);

// Takes into the school's timetable what version 1.0 changed: the first
// version's fields as read (StartTimes, LessonOn) against what the timetable
// gives them. A start time changed moves that lesson of the schedule version
// 1.0 sees, keeping its length, when the schedule stays sound; a slot ticked
// or unticked on a weekday makes that lesson the teacher's that day or not.
// Does nothing while the timetable has no schedule.
void TakeInFirstVersionEdits(Settings& settings);

}  // namespace ostrevin
