#pragma once

#include <cstdint>
#include <optional>

#include "base/color.h"
#include "base/sound_kind.h"

namespace ostrevin {

// Everything the lesson clock does to the world outside it: the timer window,
// its gauge, label and actions, the program's tray icon, dialog boxes, the
// program's life, sounds and memory. The timer window implements it, and
// makes every text the teacher reads.
class ClockHost {
 public:
  virtual ~ClockHost() = default;

  virtual void SetGaugeProgress(int progress) = 0;
  virtual void SetGaugeColor(Color color) = 0;
  // The minute label: the whole minutes gone, or nothing (cleared).
  virtual void ShowMinutesGone(std::optional<std::int32_t> minutes) = 0;
  virtual void SetStartEnabled(bool enabled) = 0;  // action acStart (F9)
  virtual void SetStopEnabled(bool enabled) = 0;   // action acStop (F10)

  // The program's tray icon: the balloon of a lesson's end, the warning of a
  // lesson beginning in so many minutes, and taking a balloon down.
  virtual void ShowLessonOver() = 0;
  virtual void WarnOfLesson(int minutes) = 0;
  virtual void ClearBalloon() = 0;
  virtual void RestoreMainWindow() = 0;

  // Makes the timer window (or the dialog it has open) the foreground
  // window; does not show a hidden window.
  virtual void BringForward() = 0;
  virtual void FadeIn() = 0;

  // Whether the settings dialog is open, its timetable perhaps half entered.
  virtual bool SettingsDialogOpen() const = 0;
  // The modal end-of-day question (no more lessons today: close the
  // program?); true when the user answers Yes.
  virtual bool ConfirmCloseProgram() = 0;
  // The program's orderly close, taking effect back in the message loop.
  virtual void RequestClose() = 0;

  virtual void UpdateLessonIndicator() = 0;

  virtual void PlaySystemSound(SoundKind kind) = 0;  // asynchronous; result ignored
  // The final part's beeps, a second apart, the first at once. Returns at
  // once: the series plays on from a timer while the program answers its
  // messages; a new series replaces what is left of one still playing.
  virtual void PlayBeepSeries(int beeps) = 0;
  virtual void TrimWorkingSet() = 0;

  // A tick found the school's time moved by more than ticks and beeps
  // explain: the computer's clock was set or the computer slept unnoticed.
  // The host may change the correction here (a server's difference taken
  // against the old clock is no longer right); the tick reads the time again
  // after it.
  virtual void ClockMovedUnannounced() = 0;
};

}  // namespace ostrevin
