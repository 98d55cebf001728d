#pragma once

#include <cstdint>

#include "clock/clock_host.h"
#include "clock/day_plan.h"
#include "clock/local_clock.h"
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
  std::int32_t CurrentLesson = 0;
  std::int32_t PrevLesson = 0;

  // The 30-second tick.
  void TimerTimer();
  void AdvanceLesson();
  void BeginLesson();
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
  // Whole minutes from Elapsed to the end of the lesson, with the settings as
  // they are now.
  std::int32_t MinutesToLessonEnd() const;

  // Scans today's lessons for a start this minute and warns of starts ahead;
  // true when a lesson the teacher teaches starts this minute.
  bool ScanTodaysLessons(const DayPlan& today, TimeOfDay nowMin, TimeOfDay warnAt);
  void GiveStartWarning();
  // Whether the end-of-day offer is due at this minute.
  bool IsDayOver(const DayPlan& today, TimeOfDay nowMin) const;
  void OfferExit(const LocalDateTime& now);

  Settings& settings_;
  const LocalClock& clock_;
  ClockHost& host_;
};

}  // namespace ostrevin
