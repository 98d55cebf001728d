#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/screen_rect.h"
#include "base/weekday.h"
#include "settings/school_timetable.h"
#include "settings/time_of_day.h"

namespace ostrevin {

enum FinishPartMode : std::uint8_t { fpsNone = 0, fpsFinalStart = 1, fpsEveryMinute = 2 };

inline constexpr int kWeekdayCount = static_cast<int>(kFirstVersionDays.size());
inline constexpr int kSlotCount = 7;     // lesson slots 1..7

// Where the timer window was: its top-left corner on the desktop and the
// screens the desktop had then (the rectangle of each).
struct WindowPlace {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::vector<ScreenRect> screens;

  bool operator==(const WindowPlace&) const = default;
};

// The program's one settings record: the weekly timetable and every option.
// Before the first load every boolean is false, every number 0 and
// FinishPartSounds fpsEveryMinute.
struct Settings {
  // LessonOn[(day - 1) * 7 + (slot - 1)]: slot taught on the weekday of
  // number day (1 Monday .. 5 Friday).
  std::array<bool, kWeekdayCount * kSlotCount> LessonOn{};
  // StartTimes[slot - 1]: start of lesson slot 1..7, shared by all weekdays.
  std::array<TimeOfDay, kSlotCount> StartTimes{};
  std::int32_t BlendVal = 0;
  std::int32_t WarnVal = 0;
  std::int32_t LessLen = 0;     // tenths of a minute
  std::int32_t IntroTime = 0;   // tenths of a minute
  std::int32_t FinishTime = 0;  // tenths of a minute
  bool ShowCurrNo = false;
  bool bOfferExit = false;
  bool bWarnBeforeLesson = false;
  bool bShowOnStartLesson = false;
  bool IsBlend = false;
  bool StartStopSnd = false;
  bool IntroPartSnd = false;
  bool CountDown = false;
  bool AllSndsOFF = false;
  FinishPartMode FinishPartSounds = fpsEveryMinute;

  // Bell schedules: the school's timetable of named schedules, the week's
  // mapping and the teacher's own lessons of every day. While it has no
  // schedule (a file of the first version's format) the timetable is
  // LessonOn, StartTimes and LessLen above; once it has one, those hold the
  // timetable as version 1.0 reads it (UpdateFirstVersionTimetable) and
  // LessLen is the length of a lesson begun by hand.
  SchoolTimetable Timetable;

  // The school bell's time: the bell's offset from the computer's clock, a
  // lesson joined in progress, the school's time server.
  std::int32_t BellOffset = 0;  // seconds the bell is ahead of the clock (behind: negative)
  // The offset was taken against the computer's own clock, with no server
  // answer in force: it holds the clock's error too, until a server answers.
  bool BellOffsetByComputer = false;
  bool JoinLesson = false;  // begin a lesson already going on, with its time gone
  std::wstring TimeServer;  // "name" or "name:port"; empty for none

  // The timer window's remembered place and its stepping aside for
  // full-screen shows (the section "Window").
  std::optional<WindowPlace> TimerWindowPlace;
  bool bYieldToFullScreen = false;

  bool operator==(const Settings&) const = default;

  // Monday to Friday only.
  bool& Lesson(Weekday day, int slot) { return LessonOn[LessonIndex(day, slot)]; }
  bool Lesson(Weekday day, int slot) const { return LessonOn[LessonIndex(day, slot)]; }
  TimeOfDay& StartTime(int slot) { return StartTimes[slot - 1]; }
  TimeOfDay StartTime(int slot) const { return StartTimes[slot - 1]; }

 private:
  static std::size_t LessonIndex(Weekday day, int slot) {
    return static_cast<std::size_t>((WeekdayNumber(day) - 1) * kSlotCount + (slot - 1));
  }
};

// Sets the seven start times to the built-in timetable
// (08:30, 09:30, 10:30, 11:30, 12:25, 13:20, 14:15); nothing else changes.
void ResetStartTimes(Settings& settings);

// The end of lesson slot n: its start plus LessLen div 10 whole minutes,
// not wrapped at midnight.
TimeOfDay SlotEndTime(const Settings& settings, int slot);

}  // namespace ostrevin
