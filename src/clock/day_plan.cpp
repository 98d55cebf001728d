#include "clock/day_plan.h"

#include <algorithm>

namespace ostrevin {
namespace {

DayPlan FirstVersionPlan(const Settings& settings, Weekday dayOfWeek) {
  const bool schoolDay = IsFirstVersionDay(dayOfWeek);
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

DayPlan ScheduledPlan(const SchoolTimetable& timetable, Weekday dayOfWeek) {
  const SchoolDay& day = timetable.Day(dayOfWeek);
  if (day.schedule == kNoSchedule) return {};
  const BellSchedule& schedule = timetable.schedules[static_cast<std::size_t>(day.schedule)];
  DayPlan plan;
  plan.reserve(schedule.lessons.size());
  for (std::size_t index = 0; index < schedule.lessons.size(); ++index) {
    const BellLesson& lesson = schedule.lessons[index];
    const int number = schedule.NumberOf(index);
    plan.push_back({.number = number,
                    .start = lesson.start,
                    .end = lesson.end,
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
