// The timer window keeps the school bell's time: "the bell rang" from the
// tray menu, and the lesson clock told of sleep and clock changes.
#include <cstdlib>

#include "base/time_units.h"
#include "clock/local_moment.h"
#include "system/settings_storage.h"
#include "ui/frm_lesson_list.h"
#include "ui/frm_work.h"

namespace ostrevin {
namespace {

constexpr ULONGLONG kServerAnsweredWaitMs = kMillisecondsPerHour;
constexpr ULONGLONG kServerSilentWaitMs = 5 * kMillisecondsPerMinute;
// A new answer that moves the school's time by less than this leaves a
// running lesson to its ticks.
constexpr std::int64_t kNoticeableChangeMs = 1000;

}  // namespace

// The offset is saved at once: the settings dialog reads the file when it
// opens, and a bell heard and set must not be lost to it. While the dialog is
// open the offset stays whether it ends with OK or Cancel, and the dialog's
// other edits are not saved with it.
void TWorkF::BellRangClick() {
  Clock.BellRang();
  if (settingsBeforeDialog_) settingsBeforeDialog_->BellOffset = settings_.BellOffset;
  SaveSettingsWithPlace(SettingsToSave());
}

void TWorkF::FollowSystemTimeMessage(UINT message, WPARAM wParam) {
  if (message == WM_TIMECHANGE) {
    Clock.FollowTimeJump(LessonClock::TimeJump::kClockSet);
  } else if (message == WM_POWERBROADCAST &&
             (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND)) {
    // Both come after a resume the user sees; the second finds nothing moved.
    Clock.FollowTimeJump(LessonClock::TimeJump::kSleep);
    AskTimeServer();
  }
}

// The name is compared on every tick, so a change made in the settings
// dialog (after OK or Cancel alike) or by importing a file is followed: the
// old server's correction goes, the new server is asked.
void TWorkF::AskTimeServerWhenDue() {
  if (settings_.TimeServer != askedServer_) {
    askedServer_ = settings_.TimeServer;
    timeServerState_ = {};
    timeServerState_.named = !askedServer_.empty();
    if (schoolClock_.ServerDifferenceMs() != 0) {
      schoolClock_.SetServerDifferenceMs(0);
      Clock.FollowTimeJump(LessonClock::TimeJump::kCorrection);
    }
    ShowTimeServerState();
    AskTimeServer();
    return;
  }
  if (!timeServer_.Asking() && ::GetTickCount64() >= nextServerQuestion_) AskTimeServer();
}

void TWorkF::AskTimeServer() {
  if (askedServer_.empty()) return;
  nextServerQuestion_ = ::GetTickCount64() + kServerAnsweredWaitMs;
  timeServer_.Ask(askedServer_);
}

// No answer keeps the last good correction; no message box, a line in the
// icon's tooltip.
void TWorkF::TimeServerAnswered(std::optional<std::int64_t> differenceMs) {
  const LocalDateTime now = schoolClock_.Now();
  if (!differenceMs) {
    timeServerState_.lastFailed = true;
    timeServerState_.failedAt = TimeOfDayOf(now);
    nextServerQuestion_ = ::GetTickCount64() + kServerSilentWaitMs;
    ShowTimeServerState();
    return;
  }
  const std::int64_t before = schoolClock_.ServerDifferenceMs();
  schoolClock_.SetServerDifferenceMs(*differenceMs);
  const LocalDateTime checked = schoolClock_.Now();
  timeServerState_.differenceMs = differenceMs;
  timeServerState_.checkedAt = TimeOfDayOf(checked);
  timeServerState_.lastFailed = false;
  if (std::llabs(*differenceMs - before) >= kNoticeableChangeMs) {
    Clock.FollowTimeJump(LessonClock::TimeJump::kCorrection);
  }
  ShowTimeServerState();
}

void TWorkF::ShowTimeServerState() {
  const std::wstring tooltip = ProgramTooltip(timeServerState_);
  if (AppTrayIcon.Hint() != tooltip) AppTrayIcon.SetHint(tooltip);
  if (lessonListF_) lessonListF_->ShowTimeServerResult(TimeServerResultText(timeServerState_));
}

}  // namespace ostrevin
