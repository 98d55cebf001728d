#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "clock/clock_host.h"
#include "clock/lesson_clock.h"
#include "clock/local_clock.h"
#include "settings/settings.h"
#include "support/passed_lessons_printer.h"
#include "support/time_printers.h"

namespace ostrevin::clocktest {

// A host that writes down everything the clock asks of it, in order, as short
// readable lines ("sound 10", "beeps 3", "label 1", "color red", "lesson over",
// "warning 3").
class RecordingHost : public ClockHost {
 public:
  std::vector<std::wstring> events;
  // Called from inside FadeIn, as a tick handled during the fade would be.
  std::function<void()> onFadeIn;
  // Whether the settings dialog is open, as the clock asks it.
  bool settingsDialogOpen = false;
  // Answers the end-of-day question; may tick the clock as its modal loop would.
  std::function<bool()> onConfirm = [] { return false; };
  // How often a tick found the time moved (not among the events, which the
  // tests of the lesson compare whole); onClockMoved is called then, as the
  // timer window drops a correction.
  int clockMoves = 0;
  std::function<void()> onClockMoved;

  // The events so far, leaving the record empty.
  std::vector<std::wstring> TakeEvents();

  void SetGaugeProgress(int progress) override;
  void SetGaugeColor(Color color) override;
  void ShowMinutesGone(std::optional<std::int32_t> minutes) override;
  void SetStartEnabled(bool enabled) override;
  void SetStopEnabled(bool enabled) override;
  void ShowLessonOver() override;
  void WarnOfLesson(int minutes) override;
  void ClearBalloon() override;
  void RestoreMainWindow() override;
  void BringForward() override;
  void FadeIn() override;
  bool SettingsDialogOpen() const override { return settingsDialogOpen; }
  bool ConfirmCloseProgram() override;
  void RequestClose() override;
  void UpdateLessonIndicator() override;
  void PlaySystemSound(SoundKind kind) override;
  void PlayBeepSeries(int beeps) override;
  void TrimWorkingSet() override;
  void ClockMovedUnannounced() override;
};

// A clock that shows whatever the test set last; Set puts it in the week from
// Sunday 6 September 2026.
class SettableClock : public LocalClock {
 public:
  LocalDateTime now;

  void Set(Weekday dayOfWeek, int hour, int minute, int second = 0, int millisecond = 0);
  LocalDateTime Now() const override { return now; }
};

// The program's settings out of the box, with Monday to Friday fully taught.
Settings DefaultSettings();

// The beeps of the final part's series among the events ("beeps 3"), and
// the single beeps of other cues ("sound 10"), added up.
int BeepsIn(const std::vector<std::wstring>& events);

// A time of day to the second.
TimeOfDay At(int hour, int minute, int second = 0);

// One set of the pieces a lesson clock lives among.
class ClockTest : public ::testing::Test {
 protected:
  Settings settings = DefaultSettings();
  SettableClock clock;
  RecordingHost host;
  LessonClock lessonClock{settings, clock, host};
};

}  // namespace ostrevin::clocktest
