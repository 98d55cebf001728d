#include "clock/lesson_clock.h"

namespace ostrevin {

LessonClock::LessonClock(Settings& settings, const LocalClock& clock, ClockHost& host)
    : settings_(settings), clock_(clock), host_(host) {}

void LessonClock::TimerTimer() {
  if (LessonState == lsIdle) {
    CheckLessonStart();
  } else {
    AdvanceLesson();
  }
  // After the start watch or the lesson run, so the indicator already shows a
  // lesson that this tick began or ended.
  if (settings_.ShowCurrNo) host_.UpdateLessonIndicator();
  host_.TrimWorkingSet();
}

}  // namespace ostrevin
