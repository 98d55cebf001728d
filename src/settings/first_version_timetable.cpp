#include "settings/first_version_timetable.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace ostrevin {
namespace {

constexpr double kMillisecondsPerDay = 86'400'000.0;
constexpr std::int64_t kMillisecondsPerMinute = 60'000;
constexpr int kTenthsPerMinute = 10;

// The whole minute a time of day falls in; seconds are dropped.
int MinuteOf(TimeOfDay time) {
  return static_cast<int>(std::llround(time * kMillisecondsPerDay) / kMillisecondsPerMinute);
}

TimeOfDay TimeOfMinute(int minute) {
  return EncodeTimeOfDay(minute / 60, minute % 60, 0, 0);
}

bool IsWeekday(int day) {
  return day >= 1 && day <= kWeekdayCount;
}

// The schedule version 1.0 sees: Monday's, else that of the first day of the
// week that has one, else the first.
const BellSchedule& ScheduleForFirstVersion(const SchoolTimetable& timetable) {
  for (const int day : kWeekOrder) {
    const int index = timetable.week[static_cast<std::size_t>(day)].schedule;
    if (index != kNoSchedule) return timetable.schedules[static_cast<std::size_t>(index)];
  }
  return timetable.schedules.front();
}

bool DayTeaches(const SchoolTimetable& timetable, int day, int number) {
  const SchoolDay& schoolDay = timetable.week[static_cast<std::size_t>(day)];
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
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const int start = MinuteOf(settings.StartTime(slot));
    int end = std::min(start + minutes, kMinutesPerDay - 1);
    // A lesson longer than its slot ran into the next one, which began
    // unless the longer one was taught: each keeps its own bell, and its
    // number, which the teacher's lessons go by.
    if (slot < kSlotCount) {
      const int next = MinuteOf(settings.StartTime(slot + 1));
      if (next > start) end = std::min(end, next);
    }
    schedule.lessons.push_back({start, end});
  }
  schedule.lessons = SoundLessons(schedule.lessons);
  SchoolTimetable timetable;
  timetable.schedules.push_back(std::move(schedule));
  for (int day = 0; day < kDaysInWeek; ++day) {
    SchoolDay& schoolDay = timetable.week[static_cast<std::size_t>(day)];
    schoolDay.schedule = 0;
    if (!IsWeekday(day)) continue;
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
      settings.StartTime(slot) = TimeOfMinute(schedule.lessons[lesson].start);
    }
  }
  for (int day = 1; day <= kWeekdayCount; ++day) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
      const std::size_t lesson = static_cast<std::size_t>(slot - 1);
      settings.Lesson(day, slot) = lesson < schedule.lessons.size() &&
                                   DayTeaches(timetable, day, schedule.NumberOf(lesson));
    }
  }
}

}  // namespace ostrevin
