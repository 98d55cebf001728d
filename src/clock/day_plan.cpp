#include "clock/day_plan.h"

#include <algorithm>

namespace ostrevin {
namespace {

constexpr int kTenthsPerMinute = 10;
constexpr int kMinutesPerHour = 60;

bool IsSchoolDay(int dayOfWeek) {
  return dayOfWeek >= 1 && dayOfWeek <= kWeekdayCount;
}

TimeOfDay TimeOfMinute(int minute) {
  return EncodeTimeOfDay(minute / kMinutesPerHour, minute % kMinutesPerHour, 0, 0);
}

DayPlan FirstVersionPlan(const Settings& settings, int dayOfWeek) {
  const bool schoolDay = IsSchoolDay(dayOfWeek);
  DayPlan plan;
  plan.reserve(kSlotCount);
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    plan.push_back({.number = slot,
                    .start = settings.StartTime(slot),
                    .end = SlotEndTime(settings, slot),
                    .taught = schoolDay && settings.Lesson(dayOfWeek, slot),
                    .length = std::nullopt});
  }
  return plan;
}

DayPlan ScheduledPlan(const SchoolTimetable& timetable, int dayOfWeek) {
  const SchoolDay& day = timetable.week[static_cast<std::size_t>(dayOfWeek)];
  if (day.schedule == kNoSchedule) return {};
  const BellSchedule& schedule = timetable.schedules[static_cast<std::size_t>(day.schedule)];
  DayPlan plan;
  plan.reserve(schedule.lessons.size());
  for (std::size_t index = 0; index < schedule.lessons.size(); ++index) {
    const BellLesson& lesson = schedule.lessons[index];
    const int number = schedule.NumberOf(index);
    plan.push_back({.number = number,
                    .start = TimeOfMinute(lesson.start),
                    .end = TimeOfMinute(lesson.end),
                    .taught = day.taught.test(static_cast<std::size_t>(number)),
                    .length = lesson.Minutes() * kTenthsPerMinute});
  }
  return plan;
}

}  // namespace

DayPlan PlanOfDay(const Settings& settings, const LocalDateTime& date) {
  if (settings.Timetable.InUse()) return ScheduledPlan(settings.Timetable, date.dayOfWeek);
  return FirstVersionPlan(settings, date.dayOfWeek);
}

bool HasAnyTaughtLesson(const Settings& settings) {
  if (settings.Timetable.InUse()) return TeachesAnyLesson(settings.Timetable);
  return std::any_of(settings.LessonOn.begin(), settings.LessonOn.end(),
                     [](bool taught) { return taught; });
}

}  // namespace ostrevin
