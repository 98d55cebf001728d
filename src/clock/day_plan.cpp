#include "clock/day_plan.h"

#include <algorithm>

namespace ostrevin {
namespace {

bool IsSchoolDay(int dayOfWeek) {
  return dayOfWeek >= 1 && dayOfWeek <= kWeekdayCount;
}

}  // namespace

DayPlan PlanOfDay(const Settings& settings, const LocalDateTime& date) {
  const bool schoolDay = IsSchoolDay(date.dayOfWeek);
  DayPlan plan;
  plan.reserve(kSlotCount);
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    plan.push_back({.number = slot,
                    .start = settings.StartTime(slot),
                    .end = SlotEndTime(settings, slot),
                    .taught = schoolDay && settings.Lesson(date.dayOfWeek, slot)});
  }
  return plan;
}

bool HasAnyTaughtLesson(const Settings& settings) {
  return std::any_of(settings.LessonOn.begin(), settings.LessonOn.end(),
                     [](bool taught) { return taught; });
}

}  // namespace ostrevin
