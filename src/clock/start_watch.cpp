#include <cstdint>

#include "clock/day_plan.h"
#include "clock/lesson_clock.h"

namespace ostrevin {

namespace {

// After a No, the end-of-day question waits this long before it comes again.
constexpr int kOfferRepeatMinutes = 120;
// With no lesson at all today, today's lessons are over from the start of the
// day: the question's own words ("no more lessons today") already hold, so
// the offer comes at the first idle tick, and a No repeats it two hours later
// as on a day whose lessons are done.
constexpr TimeOfDay kStartOfDay = kMidnight;

// The end of the last lesson the teacher teaches that day, in the timetable's
// order rather than the latest start time.
TimeOfDay EndOfTeaching(const DayPlan& day) {
  for (auto lesson = day.rbegin(); lesson != day.rend(); ++lesson) {
    if (lesson->taught) return lesson->end;
  }
  return kStartOfDay;
}

}  // namespace

void LessonClock::CheckLessonStart() {
  if (const std::optional<PlannedLesson> lesson = DueLesson()) BeginLesson(lesson);
}

bool LessonClock::IsLessonStartDue() {
  return DueLesson().has_value();
}

std::optional<PlannedLesson> LessonClock::DueLesson() {
  // One reading of the clock serves the whole decision.
  const LocalDateTime now = clock_.Now();
  const DayPlan today = PlanOfDay(settings_, now);
  const TimeOfDay nowMin = EncodeTimeOfDay(now.hour, now.minute, 0, 0);
  // Not wrapped at midnight: past it, warnAt matches no start time.
  const TimeOfDay warnAt = AddMinutes(nowMin, settings_.WarnVal);
  // A lesson beginning now says that the day is not over, so the end-of-day
  // question, whose modal loop goes on ticking, never meets a lesson that
  // this tick is about to begin.
  if (std::optional<PlannedLesson> due = ScanTodaysLessons(today, now, nowMin, warnAt)) {
    return due;
  }
  // While the settings dialog is open the timetable may be half entered: it
  // decides nothing until the teacher is done with it.
  if (settings_.bOfferExit && !host_.SettingsDialogOpen() && IsDayOver(today, nowMin)) {
    OfferExit(now);
  }
  return std::nullopt;
}

bool LessonClock::IsDayOver(const DayPlan& today, TimeOfDay nowMin) const {
  // With no lesson in the whole timetable, "no more lessons today" is no news:
  // the teacher has not entered the timetable yet, and would be asked to close
  // the program just installed, and again every two hours.
  if (!HasAnyTaughtLesson(settings_)) return false;
  // DayEndTime was taken from the timetable at start-up or moved on by a No;
  // the timetable as it stands now may since have a lesson later today, or a
  // longer one, and the question must not come before it is over.
  return nowMin > dayEndTime_ && nowMin > EndOfTeaching(today);
}

std::optional<PlannedLesson> LessonClock::ScanTodaysLessons(const DayPlan& today,
                                                            const LocalDateTime& now,
                                                            TimeOfDay nowMin, TimeOfDay warnAt) {
  for (const PlannedLesson& lesson : today) {
    if (lesson.start == nowMin) {
      // A lesson not taught starting now, or one begun today already, does
      // not hide a later taught one that starts at the same minute; a taught
      // one ends the scan.
      if (lesson.taught && !IsBegunToday(lesson, now)) return lesson;
      continue;
    }
    if (settings_.bWarnBeforeLesson && !warningsHeld_ && lesson.taught && lesson.start == warnAt) {
      GiveStartWarning();
    }
  }
  return std::nullopt;
}

void LessonClock::GiveStartWarning() {
  // Heard as a start cue cut short by a second one, unlike the single cue of a
  // lesson's start.
  host_.PlaySystemSound(kSoundLessonStart);
  host_.PlaySystemSound(kSoundLessonStart);
  host_.WarnOfLesson(settings_.WarnVal);
}

void LessonClock::OfferExit(const LocalDateTime& now) {
  // Moved before the question is shown: ticks go on inside its modal loop and
  // must not ask again.
  const TimeOfDay nowExact = EncodeTimeOfDay(now.hour, now.minute, now.second, now.millisecond);
  dayEndTime_ = AddMinutes(nowExact, kOfferRepeatMinutes);
  if (host_.ConfirmCloseProgram()) {
    host_.RequestClose();
  }
}

Weekday LessonClock::TodayIndex() const {
  return clock_.Now().dayOfWeek;
}

void LessonClock::ComputeDayEndTime() {
  dayEndTime_ = EndOfTeaching(PlanOfDay(settings_, clock_.Now()));
}

}  // namespace ostrevin
