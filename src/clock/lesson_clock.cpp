#include "clock/lesson_clock.h"

namespace ostrevin {

LessonClock::LessonClock(Settings& settings, const LocalClock& clock, ClockHost& host)
    : settings_(settings), clock_(clock), host_(host) {}

void LessonClock::TimerTimer() {
  const TickTime tick = ReadTickTime();
  // A jump has placed the lesson by the new time; half a minute more would be
  // counted twice.
  const bool placed = tick.jump && FollowJump(*tick.jump, tick.now);
  if (lessonState_ == lsIdle) {
    CheckLessonStart();
    // After the start watch: a lesson whose bell is this minute begins with
    // its start cue.
    if (tick.jump) JoinLessonInProgress();
  } else if (!placed) {
    AdvanceLesson();
  }
  // After the start watch or the lesson run, so the indicator already shows a
  // lesson that this tick began or ended.
  if (settings_.ShowCurrNo) host_.UpdateLessonIndicator();
  host_.TrimWorkingSet();
}

}  // namespace ostrevin
