#include "settings/first_version_timetable.h"

#include <algorithm>

namespace ostrevin {
namespace {

// The schedule version 1.0 sees: Monday's, else that of the first day of the
// week that has one, else the first.
const BellSchedule& ScheduleForFirstVersion(const SchoolTimetable& timetable) {
  for (const Weekday day : kWeekOrder) {
    const int index = timetable.Day(day).schedule;
    if (index != kNoSchedule) return timetable.schedules[static_cast<std::size_t>(index)];
  }
  return timetable.schedules.front();
}

bool DayTeaches(const SchoolTimetable& timetable, Weekday day, int number) {
  const SchoolDay& schoolDay = timetable.Day(day);
  if (schoolDay.schedule == kNoSchedule || !schoolDay.taught.test(static_cast<std::size_t>(number)))
    return false;
  const BellSchedule& schedule = timetable.schedules[static_cast<std::size_t>(schoolDay.schedule)];
  const int last = schedule.NumberOf(schedule.lessons.size()) - 1;
  return number >= schedule.firstNumber && number <= last;
}

}  // namespace

SchoolTimetable FirstVersionTimetable(const Settings& settings) {
  BellSchedule schedule{.name = L"Основное", .firstNumber = 1, .lessons = {}};
  const int minutes = settings.LessLen / kTenthsPerMinute;
  // Seconds from a hand-edited file are dropped: bells ring at whole minutes.
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const TimeOfDay start = settings.StartTime(slot).WholeMinute();
    TimeOfDay end =
        std::min(AddMinutes(start, minutes), TimeOfDay::FromMinutes(kMinutesPerDay - 1));
    // A lesson longer than its slot ran into the next one, which began
    // unless the longer one was taught: each keeps its own bell, and its
    // number, which the teacher's lessons go by.
    if (slot < kSlotCount) {
      const TimeOfDay next = settings.StartTime(slot + 1).WholeMinute();
      if (next > start) end = std::min(end, next);
    }
    schedule.lessons.push_back({start, end});
  }
  schedule.lessons = SoundLessons(schedule.lessons);
  SchoolTimetable timetable;
  timetable.schedules.push_back(std::move(schedule));
  for (SchoolDay& schoolDay : timetable.week) schoolDay.schedule = 0;
  for (const Weekday day : kFirstVersionDays) {
    SchoolDay& schoolDay = timetable.Day(day);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
      schoolDay.taught.set(static_cast<std::size_t>(slot), settings.Lesson(day, slot));
    }
  }
  return timetable;
}

void UpdateFirstVersionTimetable(Settings& settings) {
  const SchoolTimetable& timetable = settings.Timetable;
  if (!timetable.InUse()) return;
  const BellSchedule& schedule = ScheduleForFirstVersion(timetable);
  if (schedule.lessons.empty()) {
    ResetStartTimes(settings);
  } else {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
      const std::size_t lesson = std::min<std::size_t>(slot - 1, schedule.lessons.size() - 1);
      settings.StartTime(slot) = schedule.lessons[lesson].start;
    }
  }
  for (const Weekday day : kFirstVersionDays) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
      const std::size_t lesson = static_cast<std::size_t>(slot - 1);
      settings.Lesson(day, slot) = lesson < schedule.lessons.size() &&
                                   DayTeaches(timetable, day, schedule.NumberOf(lesson));
    }
  }
}

}  // namespace ostrevin
