#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

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
  TimeOfDay DayEndTime;          // when the end-of-day offer is made
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
  Weekday TodayIndex() const;
  // Start-up: the end of today's last lesson the teacher teaches; the start
  // of the day when there is none.
  void ComputeDayEndTime();

  // The locator: which lesson is going on now, or which break it is.
  void LocateCurrentLesson();

  // The school bell's time. What moved the school's time other than its
  // ticking: the computer slept, its clock was set, or the program corrected
  // it (the bell offset, the time server).
  enum class TimeJump { kSleep, kClockSet, kCorrection };
  // After a jump: a lesson begun by the timetable takes its place by the new
  // time (it ends if that time is past its end); one begun by hand moves on
  // by the time slept. Then, if no lesson runs, one going on now is joined.
  // A new day gets its own end of the day.
  void FollowTimeJump(TimeJump jump);
  // Begins one of the teacher's lessons that is going on now by the
  // timetable, with the time already gone; the cues already due are not
  // played late. Nothing when a lesson runs, the option is off, or that
  // lesson was begun today already.
  void JoinLessonInProgress();
  // "Звонок прозвенел": the nearest bell of today's timetable within ten
  // minutes is taken as now, by a new bell offset; at a lesson's start that
  // lesson begins, once a day. A balloon says what was done.
  void BellRang();

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

  // The lesson the teacher teaches that starts this minute and has not been
  // begun today, if any; on the way, the warnings of the starts ahead.
  std::optional<PlannedLesson> DueLesson();
  std::optional<PlannedLesson> ScanTodaysLessons(const DayPlan& today, const LocalDateTime& now,
                                                 TimeOfDay nowMin, TimeOfDay warnAt);
  void GiveStartWarning();
  // Whether the end-of-day offer is due at this minute.
  bool IsDayOver(const DayPlan& today, TimeOfDay nowMin) const;
  void OfferExit(const LocalDateTime& now);

  Settings& settings_;
  const LocalClock& clock_;
  ClockHost& host_;

  // The school bell's time.
  // A lesson of the timetable, once begun on a day, is not begun again that
  // day by the start watch, by joining or by the bell.
  struct BegunLesson {
    std::int64_t midnight;  // of the day it was begun on
    int number;
    TimeOfDay start;
  };
  bool IsBegunToday(const PlannedLesson& lesson, const LocalDateTime& now) const;
  void MarkBegun(const PlannedLesson& lesson, const LocalDateTime& now);
  // BeginLesson's first step: where the new lesson's time counts from.
  void AnchorNewLesson(const std::optional<PlannedLesson>& lesson);
  void BeginLessonWithTimeGone(const PlannedLesson& lesson, const LocalDateTime& now,
                               std::int32_t elapsed);
  // The school's time of this tick, and the jump it made since the last one.
  struct TickTime {
    LocalDateTime now;
    std::optional<TimeJump> jump;
  };
  TickTime ReadTickTime();
  // Places a running lesson after a jump; false when it is left to its ticks.
  bool FollowJump(TimeJump jump, const LocalDateTime& now);
  void PlaceLessonAt(std::int64_t elapsedMs);
  void MoveLessonTo(std::int32_t elapsed);
  void EndLessonQuietly();
  LessonStateKind PartAt(std::int32_t elapsed) const;
  // Whether the lesson's time is past every point it reached before: only
  // there are the final part's beeps played, so a clock set back never
  // repeats a series.
  bool IsNewGround() const { return Elapsed > cuedUpTo_; }
  // Whether the lesson enters a part it has not been in before, noting it:
  // a part's cue sounds once, however the time moves back and forth across
  // the part's start.
  bool EntersNewPart(LessonStateKind part);
  void RememberTime(const LocalDateTime& now);

  std::int64_t anchorMoment_ = 0;  // the running lesson's bell, when anchoredToBell_
  bool anchoredToBell_ = false;
  std::int32_t cuedUpTo_ = 0;                 // the furthest Elapsed of the running lesson
  LessonStateKind furthestPart_ = lsIntro;    // the furthest part of the running lesson
  std::vector<BegunLesson> begunToday_;
  std::optional<LocalDateTime> lastSeen_;     // the school's time at the last tick or jump
  std::int64_t latestMoment_ = std::numeric_limits<std::int64_t>::min();
  bool warningsHeld_ = false;  // this tick's time was passed before: its warnings were given
};

}  // namespace ostrevin
