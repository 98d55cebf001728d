#include "settings/first_version_timetable.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ostrevin {
namespace {

// The schedule version 1.0 sees: Monday's, else that of the first day of the
// week that has one, else the first.
std::size_t ScheduleIndexForFirstVersion(const SchoolTimetable& timetable) {
  for (const Weekday day : kWeekOrder) {
    const int index = timetable.Day(day).schedule;
    if (index != kNoSchedule) return static_cast<std::size_t>(index);
  }
  return 0;
}

const BellSchedule& ScheduleForFirstVersion(const SchoolTimetable& timetable) {
  return timetable.schedules[ScheduleIndexForFirstVersion(timetable)];
}

// FNV-1a, 32 bits: enough to tell an edit, not meant to resist one.
class Digest {
 public:
  void Add(std::uint32_t value) {
    for (int byte = 0; byte < 4; ++byte) {
      hash_ = (hash_ ^ ((value >> (8 * byte)) & 0xFF)) * 16777619u;
    }
  }
  std::wstring Text() const {
    static constexpr wchar_t kDigits[] = L"0123456789abcdef";
    std::wstring text;
    for (int shift = 28; shift >= 0; shift -= 4) text += kDigits[(hash_ >> shift) & 0xF];
    return text;
  }

 private:
  std::uint32_t hash_ = 2166136261u;
};

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
      settings.Lesson(day, slot) =
          lesson < schedule.lessons.size() && DayTeaches(timetable, day, schedule.NumberOf(lesson));
    }
  }
}

// Of the keys as they read back: a first lesson at midnight reads as no
// times at all, the first version's defaults, so a schedule beginning at
// midnight must not look like an edit of version 1.0 at the next start.
std::wstring FirstVersionStamp(const Settings& settings) {
  Settings asRead;
  asRead.StartTimes = settings.StartTimes;
  if (asRead.StartTime(1) == kMidnight) ResetStartTimes(asRead);
  Digest digest;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    digest.Add(static_cast<std::uint32_t>(asRead.StartTime(slot).Minutes()));
  }
  for (const bool taught : settings.LessonOn) digest.Add(taught ? 1 : 0);
  return digest.Text();
}

void TakeInFirstVersionEdits(Settings& settings) {
  if (!settings.Timetable.InUse()) return;
  Settings written = settings;
  UpdateFirstVersionTimetable(written);
  BellSchedule& schedule =
      settings.Timetable.schedules[ScheduleIndexForFirstVersion(settings.Timetable)];
  const std::size_t slots = std::min<std::size_t>(kSlotCount, schedule.lessons.size());
  std::vector<BellLesson> moved = schedule.lessons;
  for (std::size_t lesson = 0; lesson < slots; ++lesson) {
    const int slot = static_cast<int>(lesson) + 1;
    const TimeOfDay start = settings.StartTime(slot).WholeMinute();
    if (start == written.StartTime(slot).WholeMinute()) continue;
    moved[lesson] = {start, AddMinutes(start, moved[lesson].Minutes())};
  }
  if (AreSoundLessons(moved)) schedule.lessons = std::move(moved);
  for (const Weekday day : kFirstVersionDays) {
    for (std::size_t lesson = 0; lesson < slots; ++lesson) {
      const int slot = static_cast<int>(lesson) + 1;
      if (settings.Lesson(day, slot) == written.Lesson(day, slot)) continue;
      settings.Timetable.Day(day).taught.set(static_cast<std::size_t>(schedule.NumberOf(lesson)),
                                             settings.Lesson(day, slot));
    }
  }
}

}  // namespace ostrevin
