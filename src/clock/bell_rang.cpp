#include "clock/bell_rang.h"

#include <cstdlib>

#include "clock/lesson_clock.h"
#include "clock/local_moment.h"
#include "settings/bell_settings.h"

namespace ostrevin {
namespace {

std::int64_t FloorDivide(std::int64_t value, std::int64_t divisor) {
  const std::int64_t quotient = value / divisor;
  return quotient * divisor > value ? quotient - 1 : quotient;
}

}  // namespace

std::optional<Bell> NearestBell(const DayPlan& day, TimeOfDay moment) {
  std::optional<Bell> nearest;
  std::int64_t nearestDistance = kBellSearchMs;
  auto consider = [&](const PlannedLesson& lesson, bool isStart, TimeOfDay at) {
    const std::int64_t distance = std::llabs(at.Milliseconds() - moment.Milliseconds());
    if (distance > nearestDistance || (nearest && distance == nearestDistance)) return;
    nearest = Bell{.lesson = lesson, .isStart = isStart, .at = at};
    nearestDistance = distance;
  };
  for (const PlannedLesson& lesson : day) {
    consider(lesson, true, lesson.start);
    consider(lesson, false, lesson.end);
  }
  return nearest;
}

std::int64_t SecondsOntoBell(TimeOfDay bell, TimeOfDay moment) {
  // Rounded up: the moment lands within the second after the bell.
  return -FloorDivide(moment.Milliseconds() - bell.Milliseconds(), kMillisecondsPerSecond);
}

BellRangOutcome LessonClock::BellRang() {
  using Kind = BellRangOutcome::Kind;
  const LocalDateTime now = clock_.Now();
  const TimeOfDay moment = TimeOfDayOf(now);
  const std::optional<Bell> bell = NearestBell(PlanOfDay(settings_, now), moment);
  if (!bell) return {.kind = Kind::kNoBellNear, .bell = std::nullopt, .offsetSeconds = 0};
  const std::int64_t offset = settings_.BellOffset + SecondsOntoBell(bell->at, moment);
  if (std::llabs(offset) > kBellOffsetLimitSeconds)
    return {.kind = Kind::kBeyondAnHour, .bell = std::nullopt, .offsetSeconds = 0};
  settings_.BellOffset = static_cast<std::int32_t>(offset);
  const LocalDateTime schoolNow = clock_.Now();
  FollowJump(TimeJump::kCorrection, schoolNow);
  // The bell of a lesson's start begins it, as its minute would; one the
  // start watch began already has just taken its place at the bell. The
  // bell at a lesson's end never begins it: by the bell it is over.
  if (bell->isStart && bell->lesson.taught && lessonState_ == lsIdle &&
      !IsBegunToday(bell->lesson, schoolNow)) {
    BeginLesson(bell->lesson);
  }
  JoinLessonInProgress();
  if (settings_.ShowCurrNo) host_.UpdateLessonIndicator();
  return {.kind = Kind::kTaken, .bell = bell, .offsetSeconds = settings_.BellOffset};
}

}  // namespace ostrevin
