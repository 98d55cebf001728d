#pragma once

#include <array>
#include <bitset>
#include <optional>
#include <string>
#include <vector>

#include "base/time_units.h"
#include "base/weekday.h"
#include "settings/time_of_day.h"

namespace ostrevin {

// The school's own timetable: named bell schedules, each weekday mapped to
// one of them or to no lessons, and the teacher's own lessons of every day.

inline constexpr int kMaxScheduleLessons = 16;
inline constexpr int kMaxSchedules = 16;
// Lessons are numbered in order from 0 or from 1, so no number exceeds 16.
inline constexpr int kLessonNumberLimit = kMaxScheduleLessons + 1;
// A schedule's name is the school's own word for it, shown in a list and a
// drop-down: a line of it is plenty.
inline constexpr std::size_t kMaxScheduleNameLength = 40;

// One lesson of a bell schedule, its bells at whole minutes. A sound lesson
// starts before it ends, within one day: 00:00 <= start < end <= 23:59.
struct BellLesson {
  TimeOfDay start;
  TimeOfDay end;

  int Minutes() const { return static_cast<int>(end.Minutes() - start.Minutes()); }
  bool operator==(const BellLesson&) const = default;
};

struct BellSchedule {
  std::wstring name;
  int firstNumber = 1;  // the number shown for the first lesson: 0 or 1
  std::vector<BellLesson> lessons;  // in order, not overlapping, at most 16

  int NumberOf(std::size_t index) const { return firstNumber + static_cast<int>(index); }
  bool operator==(const BellSchedule&) const = default;
};

inline constexpr int kNoSchedule = -1;

struct SchoolDay {
  int schedule = kNoSchedule;  // index into the schedules, or no lessons that day
  // The teacher's own lessons, by the numbers the day's schedule shows: the
  // clock begins these by itself. Numbers the schedule does not have are kept
  // (the schedule may grow again) and mean nothing meanwhile.
  std::bitset<kLessonNumberLimit> taught;

  bool operator==(const SchoolDay&) const = default;
};

struct SchoolTimetable {
  std::vector<BellSchedule> schedules;
  std::array<SchoolDay, kDaysPerWeek> week{};  // Sunday first

  SchoolDay& Day(Weekday day) { return week[IndexOf(day)]; }
  const SchoolDay& Day(Weekday day) const { return week[IndexOf(day)]; }

  // Without any schedule the timetable is still the first version's: the
  // seven shared start times, one lesson length, Monday to Friday's rows.
  bool InUse() const { return !schedules.empty(); }
  bool operator==(const SchoolTimetable&) const = default;
};

// Whether the lessons follow the rules of a schedule: each a whole part of one
// day that starts before it ends, each starting no earlier than the one
// before it ends, at most 16.
bool AreSoundLessons(const std::vector<BellLesson>& lessons);

// The sound part of lessons taken in their order: a lesson that is no lesson
// of one day, or starts before the one kept before it ends, is dropped, and
// lessons beyond the sixteenth are.
std::vector<BellLesson> SoundLessons(const std::vector<BellLesson>& lessons);
// The positions of the lessons SoundLessons keeps.
std::vector<std::size_t> SoundLessonPositions(const std::vector<BellLesson>& lessons);

// A name as the timetable keeps it: control characters dropped, blanks and
// enclosing quotation marks (which the settings file would strip) taken off
// both ends, at most 40 characters. Empty when nothing is left.
std::wstring CleanScheduleName(const std::wstring& text);

// The schedule of that name, if any.
std::optional<int> FindSchedule(const SchoolTimetable& timetable, const std::wstring& name);

// Whether a clean name can name the schedule at index (or a new one, with
// none): not empty, and no other schedule has it.
bool IsFreeScheduleName(const SchoolTimetable& timetable, const std::wstring& name,
                        std::optional<int> index = std::nullopt);

// The days mapped to the schedule, in the week's order.
std::vector<Weekday> DaysUsingSchedule(const SchoolTimetable& timetable, int index);

// A clean name built from base that no schedule has: base itself, or base
// followed by " 2", " 3" ..., base cut short where the name would be too long.
std::wstring UnusedScheduleName(const SchoolTimetable& timetable, const std::wstring& base);

// Adds a schedule at the end; returns its index. The caller keeps to the
// limit of 16 schedules and to free names.
int AddSchedule(SchoolTimetable& timetable, BellSchedule schedule);

// Removes a schedule: the days mapped to it have no lessons from now on, and
// the days mapped to later schedules keep theirs.
void RemoveSchedule(SchoolTimetable& timetable, int index);

// The shortest lesson of the schedules mapped to some day, the first of equal
// ones in the schedules' order. None when no day has a lesson.
struct ShortestLesson {
  int schedule = 0;
  int lessonNumber = 0;
  int minutes = 0;
};
std::optional<ShortestLesson> ShortestLessonInUse(const SchoolTimetable& timetable);

// Whether any day has a lesson of its schedule that the teacher teaches.
bool TeachesAnyLesson(const SchoolTimetable& timetable);

}  // namespace ostrevin
