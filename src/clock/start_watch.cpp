#include <algorithm>
#include <cstdint>
#include <string>

#include "base/attribution.h"
#include "clock/lesson_clock.h"
#include "clock/whole_milliseconds.h"

namespace ostrevin {

namespace {

constexpr int kWarningSeconds = 60;
// After a No, the end-of-day question waits this long before it comes again.
constexpr int kOfferRepeatMinutes = 120;
// With no lesson at all today, today's lessons are over from the start of the
// day: the question's own words ("no more lessons today") already hold, so
// the offer comes at the first idle tick, and a No repeats it two hours later
// as on a day whose lessons are done.
constexpr TimeOfDay kStartOfDay = 0.0;

// The timetable has rows for Monday (1) to Friday (5) only.
bool IsSchoolDay(int today) {
  return today >= 1 && today <= kWeekdayCount;
}

bool IsEnabledOn(const Settings& settings, int today, int slot) {
  return IsSchoolDay(today) && settings.Lesson(today, slot);
}

bool SameMoment(TimeOfDay a, TimeOfDay b) {
  return WholeMilliseconds(a) == WholeMilliseconds(b);
}

// False for a timetable not entered yet, as on a fresh install.
bool HasAnyLesson(const Settings& settings) {
  return std::any_of(settings.LessonOn.begin(), settings.LessonOn.end(),
                     [](bool taught) { return taught; });
}

// Zero when no slot is taught on that day.
int LastEnabledSlot(const Settings& settings, int today) {
  for (int slot = kSlotCount; slot >= 1; --slot) {
    if (IsEnabledOn(settings, today, slot)) return slot;
  }
  return 0;
}

std::wstring WarningTitle(int minutes) {
  return L"Ostrevin:   через " + std::to_wstring(minutes) + L" мин. начинается урок!";
}

}  // namespace

void LessonClock::CheckLessonStart() {
  // The end-of-day question inside IsLessonStartDue runs a modal loop, and
  // ticks go on in it: they can begin the very lesson found due here, and even
  // see it end while the question stays open. The clock being idle again says
  // nothing then; only a lesson that nothing has begun since it was found due
  // may begin.
  const std::uint32_t lessonsBegunBefore = lessonsBegun_;
  if (IsLessonStartDue() && lessonsBegun_ == lessonsBegunBefore) BeginLesson();
}

bool LessonClock::IsLessonStartDue() {
  // One reading of the clock serves the whole decision.
  const LocalDateTime now = clock_.Now();
  const TimeOfDay nowMin = EncodeTimeOfDay(now.hour, now.minute, 0, 0);
  // Not wrapped at midnight: past it, warnAt matches no start time.
  const TimeOfDay warnAt = AddMinutes(nowMin, settings_.WarnVal);
  const bool due = ScanTodaysSlots(now.dayOfWeek, nowMin, warnAt);
  if (settings_.bOfferExit && IsDayOver(nowMin)) OfferExit(now);
  return due;
}

bool LessonClock::IsDayOver(TimeOfDay nowMin) {
  // With no lesson in the whole timetable, "no more lessons today" is no news:
  // the teacher has not entered the timetable yet, and would be asked to close
  // the program just installed, and again every two hours.
  if (!HasAnyLesson(settings_)) return false;
  // Started on such a timetable, the program takes the day's end from the
  // first timetable with a lesson, as if it had been started then. The start
  // of the day, the end of a day without lessons, would ask at once even when
  // the teacher has just enabled a lesson later today.
  if (dayEndAwaitsLessons_) ComputeDayEndTime();
  return WholeMilliseconds(nowMin) > WholeMilliseconds(DayEndTime);
}

bool LessonClock::ScanTodaysSlots(int today, TimeOfDay nowMin, TimeOfDay warnAt) {
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const TimeOfDay start = settings_.StartTime(slot);
    const bool enabled = IsEnabledOn(settings_, today, slot);
    if (SameMoment(start, nowMin)) {
      // A disabled slot starting now does not hide a later enabled one that
      // starts at the same minute; an enabled one ends the scan.
      if (enabled) return true;
      continue;
    }
    if (settings_.bWarnBeforeLesson && enabled && SameMoment(start, warnAt)) GiveStartWarning();
  }
  return false;
}

void LessonClock::GiveStartWarning() {
  // Heard as a start cue cut short by a second one, unlike the single cue of a
  // lesson's start.
  host_.PlaySystemSound(kSoundLessonStart);
  host_.PlaySystemSound(kSoundLessonStart);
  host_.DisplayBalloon(WarningTitle(settings_.WarnVal), kBalloonAttributionLine, bikWarning,
                       kWarningSeconds);
}

void LessonClock::OfferExit(const LocalDateTime& now) {
  // Moved before the question is shown: ticks go on inside its modal loop and
  // must not ask again.
  const TimeOfDay nowExact = EncodeTimeOfDay(now.hour, now.minute, now.second, now.millisecond);
  DayEndTime = AddMinutes(nowExact, kOfferRepeatMinutes);
  if (host_.ConfirmCloseProgram(L"Сегодня уроков больше нет.\r\n\r\nЗакрыть Ostrevin?")) {
    // Takes effect back in the message loop, so a lesson due on this very
    // tick still begins first.
    host_.RequestClose();
  }
}

int LessonClock::TodayIndex() const {
  return clock_.Now().dayOfWeek;
}

void LessonClock::ComputeDayEndTime() {
  dayEndAwaitsLessons_ = !HasAnyLesson(settings_);
  if (dayEndAwaitsLessons_) return;
  // The last enabled slot in slot order, not the latest start time.
  const int lastSlot = LastEnabledSlot(settings_, TodayIndex());
  DayEndTime = lastSlot == 0 ? kStartOfDay : SlotEndTime(settings_, lastSlot);
}

}  // namespace ostrevin
