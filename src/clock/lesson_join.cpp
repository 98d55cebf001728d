// Lessons of the timetable begun once a day, by their bell or joined while
// they are going on.
#include <algorithm>

#include "clock/day_plan.h"
#include "clock/lesson_clock.h"
#include "clock/lesson_units.h"
#include "clock/local_moment.h"

namespace ostrevin {
namespace {

std::int64_t MidnightOf(const LocalDateTime& time) {
  return MomentOf(time) - TimeOfDayOf(time).Milliseconds();
}

}  // namespace

bool LessonClock::IsBegunToday(const PlannedLesson& lesson, const LocalDateTime& now) const {
  const std::int64_t midnight = MidnightOf(now);
  return std::any_of(begunToday_.begin(), begunToday_.end(), [&](const BegunLesson& begun) {
    return begun.midnight == midnight && begun.number == lesson.number &&
           begun.start == lesson.start;
  });
}

void LessonClock::MarkBegun(const PlannedLesson& lesson, const LocalDateTime& now) {
  const std::int64_t midnight = MidnightOf(now);
  std::erase_if(begunToday_, [&](const BegunLesson& begun) { return begun.midnight != midnight; });
  begunToday_.push_back({midnight, lesson.number, lesson.start});
}

// A lesson of the timetable counts from its bell, so that it follows the
// school's time when that moves; one begun by hand counts its ticks.
void LessonClock::AnchorNewLesson(const std::optional<PlannedLesson>& lesson) {
  cuedUpTo_ = 0;
  furthestPart_ = lsIntro;
  anchoredToBell_ = lesson.has_value();
  if (!lesson) return;
  const LocalDateTime now = clock_.Now();
  anchorMoment_ = MidnightOf(now) + lesson->start.Milliseconds();
  MarkBegun(*lesson, now);
}

// A lesson is going on from its bell to the instant before its end bell: at
// its very bell it is joined in its intro with nothing gone, like a lesson
// joined later, without a cue (the start watch's tick of that minute would
// find it begun). A lesson is the same lesson by its number and its start:
// one the teacher stopped and then moved in the settings dialog is another
// lesson, joined at its new time.
void LessonClock::JoinLessonInProgress() {
  if (!settings_.JoinLesson || LessonState != lsIdle) return;
  const LocalDateTime now = clock_.Now();
  const TimeOfDay moment = TimeOfDayOf(now);
  for (const PlannedLesson& lesson : PlanOfDay(settings_, now)) {
    const bool goingOn = lesson.start <= moment && moment < lesson.end;
    if (!lesson.taught || !goingOn || IsBegunToday(lesson, now)) continue;
    const std::int64_t goneMs = moment.Milliseconds() - lesson.start.Milliseconds();
    BeginLessonWithTimeGone(lesson, now, static_cast<std::int32_t>(goneMs / kMillisecondsPerTenth));
    return;
  }
}

// As BeginLesson, from a later point of the lesson: the pie and the minutes
// show the time gone, the lesson is in the part it has reached, and no cue is
// played, the start's included, since all of them fell due before now.
void LessonClock::BeginLessonWithTimeGone(const PlannedLesson& lesson, const LocalDateTime& now,
                                          std::int32_t elapsed) {
  MarkBegun(lesson, now);
  RunLength = lesson.length;
  anchoredToBell_ = true;
  anchorMoment_ = MidnightOf(now) + lesson.start.Milliseconds();
  host_.ClearBalloon();
  // The state comes before anything that may handle messages (the fade-in).
  cuedUpTo_ = elapsed;
  furthestPart_ = lsIntro;
  MoveLessonTo(elapsed);
  host_.SetStartEnabled(false);
  host_.SetStopEnabled(true);
  if (settings_.bShowOnStartLesson) {
    host_.RestoreMainWindow();
    host_.BringForward();
    host_.FadeIn();
  }
}

// Each part begins at its own tenth of a minute: at the intro's end the lesson
// is in its main part, and it is in the final part only once the final
// part's length is left, not at the minute that rounds to it.
LessonStateKind LessonClock::PartAt(std::int32_t elapsed) const {
  if (elapsed < settings_.IntroTime) return lsIntro;
  // Widened: lengths read from the settings file are not range-checked.
  if (elapsed < std::int64_t{LessonLength()} - settings_.FinishTime) return lsMain;
  return lsFinal;
}

}  // namespace ostrevin
