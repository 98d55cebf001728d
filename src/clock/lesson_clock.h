#pragma once

#include <cstdint>
#include <optional>

#include "clock/clock_host.h"
#include "clock/day_plan.h"
#include "clock/local_clock.h"
#include "clock/passed_lessons.h"
#include "settings/settings.h"

namespace ostrevin {

enum LessonStateKind : std::uint8_t { lsIdle = 1, lsIntro = 2, lsMain = 3, lsFinal = 4 };

// The lesson clock: the tick-driven run of a lesson through its intro, main
// and final parts, the start watch of idle ticks, and the locator of the
// current lesson. It reads the settings live on every call and acts only
// through its host; the timer window forwards its handlers here.
class LessonClock {
 public:
  LessonClock(Settings& settings, const LocalClock& clock, ClockHost& host);

  // The clock variables; one set for the whole run.
  LessonStateKind LessonState = lsIdle;
  std::int32_t Elapsed = 0;      // tenths of a minute since the lesson began
  std::int32_t MinutesLeft = 0;  // whole minutes left, as last computed in the final part
  TimeOfDay DayEndTime = 0.0;    // when the end-of-day offer is made
  // The lesson going on now by the timetable's times, by its number; none in
  // a break and outside the lessons.
  std::optional<int> CurrentLesson;
  // Where the day stands outside its lessons; kept while the time lies before
  // today's first lesson, so a program left running overnight still shows
  // that yesterday's lessons are over.
  PassedLessons PrevLesson;
  // What the running lesson runs for, in tenths of a minute, as the lesson
  // begun set it: its own length in a bell schedule. None for a lesson begun
  // by hand or by the first version's timetable: those run for the settings'
  // LessLen as it stands at every tick.
  std::optional<std::int32_t> RunLength;

  // The 30-second tick.
  void TimerTimer();
  void AdvanceLesson();
  // Begins a lesson now: the timetable's lesson that starts, or with none, a
  // lesson begun by hand.
  void BeginLesson(const std::optional<PlannedLesson>& lesson = std::nullopt);
  void EndLesson();
  void PlayFinalPartBeeps();
  void PlayStartSound();
  void PlayEndSound();

  // The start watch.
  void CheckLessonStart();
  bool IsLessonStartDue();
  int TodayIndex() const;
  // Start-up: the end of today's last lesson the teacher teaches; the start
  // of the day when there is none.
  void ComputeDayEndTime();

  // The locator: which lesson is going on now, or which break it is.
  void LocateCurrentLesson();

 private:
  // One branch of AdvanceLesson each, by the part the lesson is in.
  void AdvanceIntroPart();
  void AdvanceMainPart();
  void AdvanceFinalPart();
  // The running lesson's length in tenths of a minute, now.
  std::int32_t LessonLength() const;
  // Whole minutes from Elapsed to the end of the lesson, with the settings as
  // they are now.
  std::int32_t MinutesToLessonEnd() const;

  // The lesson the teacher teaches that starts this minute, if any; on the
  // way, the warnings of the starts ahead.
  std::optional<PlannedLesson> DueLesson();
  std::optional<PlannedLesson> ScanTodaysLessons(const DayPlan& today, TimeOfDay nowMin,
                                                 TimeOfDay warnAt);
  void GiveStartWarning();
  // Whether the end-of-day offer is due at this minute.
  bool IsDayOver(const DayPlan& today, TimeOfDay nowMin) const;
  void OfferExit(const LocalDateTime& now);

  Settings& settings_;
  const LocalClock& clock_;
  ClockHost& host_;
};

}  // namespace ostrevin
