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
// readable lines ("sound 10", "label 1 мин.", "color red").
class RecordingHost : public ClockHost {
 public:
  std::vector<std::wstring> events;
  // Called from inside FadeIn, as a tick handled during the fade would be.
  std::function<void()> onFadeIn;
  // Whether the settings dialog is open, as the clock asks it.
  bool settingsDialogOpen = false;
  // Answers the end-of-day question; may tick the clock as its modal loop would.
  std::function<bool()> onConfirm = [] { return false; };

  // The events so far, leaving the record empty.
  std::vector<std::wstring> TakeEvents();

  void SetGaugeProgress(int progress) override;
  void SetGaugeColor(Color color) override;
  void SetMinuteLabel(const std::wstring& text) override;
  void SetStartEnabled(bool enabled) override;
  void SetStopEnabled(bool enabled) override;
  void DisplayBalloon(const std::wstring& title, const std::wstring& text, BalloonIconKind icon,
                      int timeoutSeconds) override;
  void ClearBalloon() override;
  void RestoreMainWindow() override;
  void BringForward() override;
  void FadeIn() override;
  bool SettingsDialogOpen() const override { return settingsDialogOpen; }
  bool ConfirmCloseProgram(const std::wstring& question) override;
  void RequestClose() override;
  void UpdateLessonIndicator() override;
  void PlaySystemSound(SoundKind kind) override;
  void WaitMs(int milliseconds) override;
  void TrimWorkingSet() override;
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
