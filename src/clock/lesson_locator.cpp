#include <cstdint>

#include "clock/day_plan.h"
#include "clock/lesson_clock.h"
#include "clock/whole_milliseconds.h"

namespace ostrevin {

namespace {

std::int64_t StartOf(const PlannedLesson& lesson) {
  return WholeMilliseconds(lesson.start);
}

std::int64_t EndOf(const PlannedLesson& lesson) {
  return WholeMilliseconds(lesson.end);
}

// The lesson that covers the moment, both ends included; the earlier one in
// the timetable's order wins where lessons touch or overlap. None in a break.
const PlannedLesson* LessonCovering(const DayPlan& day, std::int64_t moment) {
  for (const PlannedLesson& lesson : day) {
    if (StartOf(lesson) <= moment && moment <= EndOf(lesson)) return &lesson;
  }
  return nullptr;
}

}  // namespace

// The indicator's answer comes from the timetable's times alone, for lessons
// the teacher does not teach too, whatever the lesson clock is doing.
void LessonClock::LocateCurrentLesson() {
  const LocalDateTime now = clock_.Now();
  const DayPlan today = PlanOfDay(settings_, now);
  const std::int64_t moment =
      WholeMilliseconds(EncodeTimeOfDay(now.hour, now.minute, now.second, now.millisecond));
  const PlannedLesson* covering = LessonCovering(today, moment);
  currentLesson_ = covering ? std::optional<int>(covering->number) : std::nullopt;
  // A lesson going on is the one the day has come to: once it is over, the
  // break after it, even where no break is found by the times (a lesson
  // running past the next one's start).
  if (covering) {
    prevLesson_ = PassedLessons::After(covering->number);
    return;
  }
  if (today.empty()) {
    prevLesson_ = {PassedLessons::Stage::NoneToday};
    return;
  }
  if (moment >= StartOf(today.back())) {
    prevLesson_ = {PassedLessons::Stage::Over};
    return;
  }
  for (std::size_t i = 0; i + 1 < today.size(); ++i) {
    if (EndOf(today[i]) <= moment && moment <= StartOf(today[i + 1])) {
      prevLesson_ = PassedLessons::After(today[i].number);
      return;
    }
  }
  // Before the first lesson: the stage of the last call stands, so a program
  // left running overnight still shows that yesterday's lessons are over. Only
  // "no lessons today" was about another day.
  if (prevLesson_.stage == PassedLessons::Stage::NoneToday) {
    prevLesson_ = {PassedLessons::Stage::NotBegun};
  }
}

}  // namespace ostrevin
