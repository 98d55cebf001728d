#include "clock/day_plan.h"
#include "clock/lesson_clock.h"

namespace ostrevin {

namespace {

// The lesson that covers the moment, both ends included; the earlier one in
// the timetable's order wins where lessons touch or overlap. None in a break.
const PlannedLesson* LessonCovering(const DayPlan& day, TimeOfDay moment) {
  for (const PlannedLesson& lesson : day) {
    if (lesson.start <= moment && moment <= lesson.end) return &lesson;
  }
  return nullptr;
}

}  // namespace

// The indicator's answer comes from the timetable's times alone, for lessons
// the teacher does not teach too, whatever the lesson clock is doing.
void LessonClock::LocateCurrentLesson() {
  const LocalDateTime now = clock_.Now();
  const DayPlan today = PlanOfDay(settings_, now);
  const TimeOfDay moment = EncodeTimeOfDay(now.hour, now.minute, now.second, now.millisecond);
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
  if (moment >= today.back().start) {
    prevLesson_ = {PassedLessons::Stage::Over};
    return;
  }
  for (std::size_t i = 0; i + 1 < today.size(); ++i) {
    if (today[i].end <= moment && moment <= today[i + 1].start) {
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
