#pragma once

#include <string>
#include <vector>

#include "settings/profile_file.h"
#include "settings/settings.h"

namespace ostrevin {

// The school's timetable in the settings file, beside the first version's
// keys, which keep holding the timetable as version 1.0 reads it:
//
//   [Week]                  each day's schedule by name (empty: no lessons)
//   Monday=Понедельник      and the teacher's own lessons by number
//   MondayLessons=0,1,2
//   ...
//   [Schedule1] .. [Schedule16]
//   Name=Понедельник
//   0=08:00-08:30           a lesson by the number shown for it; a lesson 0
//   1=08:40-09:25           makes the schedule count from 0
//
// A file without a named schedule is of the first version's format.

// The sections the school's timetable is kept in: "Week", then "Schedule1"
// .. "Schedule16".
std::vector<std::wstring> SchoolTimetableSections();

// Reads the school's timetable; without one, the timetable is the first
// version's, as the file's first version keys hold it. Hand-edited nonsense
// loads as its sound part: lessons that overlap the one before, end before
// they start or come after the sixteenth are left out, a schedule whose name
// another has already gets a number after it ("Основное 2"), a day mapped to
// an unknown name has no lessons. With a school's timetable, the first version's timetable fields
// are set to what version 1.0 should read.
void LoadSchoolTimetable(Settings& settings, ProfileFile& file);

// Writes the school's timetable. Keys that an earlier timetable left in the
// file and this one has no use for are emptied, so that they do not come back
// at the next load; a file that never had the new sections gets none while
// the timetable is the first version's.
void SaveSchoolTimetable(const Settings& settings, ProfileFile& file);

}  // namespace ostrevin
