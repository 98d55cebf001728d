// The timer window keeps the school bell's time: "the bell rang" from the
// tray menu, the school's time server, and the lesson clock told of sleep and
// clock changes.
#include <cstdlib>

#include "base/time_units.h"
#include "base/version.h"
#include "clock/local_moment.h"
#include "system/settings_storage.h"
#include "ui/frm_lesson_list.h"
#include "ui/frm_work.h"
#include "ui/model/bell_rang_text.h"

namespace ostrevin {
namespace {

constexpr ULONGLONG kServerAnsweredWaitMs = kMillisecondsPerHour;
constexpr ULONGLONG kServerSilentWaitMs = 5 * kMillisecondsPerMinute;
// A new answer that moves the school's time by less than this leaves a
// running lesson to its ticks.
constexpr std::int64_t kNoticeableChangeMs = kMillisecondsPerSecond;
// The computer's clock is taken as set when it moved this much more or less
// than the tick count between two ticks.
constexpr std::int64_t kClockSetMs = kMillisecondsPerMinute;
// No answer dated before the program was built is the school's time.
constexpr std::int64_t kBuiltUnixMs =
    std::int64_t{OSTREVIN_BUILT_UNIX_SECONDS} * kMillisecondsPerSecond;

}  // namespace

// The offset is saved at once: the settings dialog reads the file when it
// opens, and a bell heard and set must not be lost to it.
void TWorkF::BellRangClick() {
  const BellRangOutcome outcome = Clock.BellRang();
  // After the lesson's start, which takes down any balloon.
  ShowBalloon(BellRangBalloonOf(outcome));
  if (outcome.kind != BellRangOutcome::Kind::kTaken) return;
  schoolClock_.NoteBellOffsetTaken();
  if (lessonListF_) lessonListF_->ShowBellOffset();
  SaveBellOffset();
}

// While the dialog is open the offset stays whether it ends with OK or
// Cancel, and the dialog's other edits are not saved with it.
void TWorkF::SaveBellOffset() {
  if (settingsBeforeDialog_) {
    settingsBeforeDialog_->BellOffset = settings_.BellOffset;
    settingsBeforeDialog_->BellOffsetByComputer = settings_.BellOffsetByComputer;
  }
  SaveSettingsWithPlace(SettingsToSave());
}

void TWorkF::FollowSystemTimeMessage(UINT message, WPARAM wParam) {
  if (message == WM_TIMECHANGE) {
    // Dropped before the lesson is placed: the teacher set the clock right,
    // and the difference the server told of the old clock would move the
    // school's time wrong again.
    DropServerDifference();
    Clock.FollowTimeJump(LessonClock::TimeJump::kClockSet);
    NoteComputerClock();
  } else if (message == WM_POWERBROADCAST &&
             (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND)) {
    // Both come after a resume the user sees; the second finds nothing moved.
    Clock.FollowTimeJump(LessonClock::TimeJump::kSleep);
    NoteComputerClock();
    AskTimeServer();
  }
}

// A tick found the time moved, with no message from the system. Slept, or
// the bell offset changed in the dialog, the computer's clock kept pace with
// the tick count and the server's difference holds; set, it did not.
void TWorkF::ClockMovedUnannounced() {
  const std::int64_t computerStep = MomentOf(schoolClock_.ComputerNow()) - lastComputerMoment_;
  const auto countedStep = static_cast<std::int64_t>(::GetTickCount64() - lastTickCount_);
  if (std::llabs(computerStep - countedStep) > kClockSetMs) DropServerDifference();
}

void TWorkF::NoteComputerClock() {
  lastComputerMoment_ = MomentOf(schoolClock_.ComputerNow());
  lastTickCount_ = ::GetTickCount64();
}

void TWorkF::DropServerDifference() {
  schoolClock_.DropServerDifference();
  AskTimeServer();
}

// The name is compared on every tick, so a change made in the settings
// dialog (when the teacher leaves the field or presses OK) or by importing a
// file is followed: the old server's correction goes, its question still
// open is dropped, the new server is asked.
void TWorkF::AskTimeServerWhenDue() {
  if (settings_.TimeServer != askedServer_) {
    askedServer_ = settings_.TimeServer;
    timeServer_.Cancel();
    timeServerState_ = {};
    timeServerState_.named = !askedServer_.empty();
    const std::int64_t before = schoolClock_.ServerDifferenceMs();
    schoolClock_.DropServerDifference();
    if (before != 0) Clock.FollowTimeJump(LessonClock::TimeJump::kCorrection);
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
void TWorkF::TimeServerAnswered(std::optional<SntpAnswer> answer) {
  // A server named no more (its question is dropped when the change is
  // seen) gives the school's time nothing.
  if (settings_.TimeServer != askedServer_) return;
  if (answer) {
    TakeServerAnswer(*answer);
  } else {
    const LocalDateTime now = schoolClock_.Now();
    timeServerState_.lastFailed = true;
    timeServerState_.failedAt = TimeOfDayOf(now);
    nextServerQuestion_ = ::GetTickCount64() + kServerSilentWaitMs;
  }
  ShowTimeServerState();
}

void TWorkF::TakeServerAnswer(const SntpAnswer& answer) {
  const ServerCorrection correction =
      JudgeServerAnswer(answer.offsetMs, answer.serverUnixMs, kBuiltUnixMs);
  timeServerState_.lastFailed = false;
  timeServerState_.lastRefused = correction.verdict == ServerVerdict::kRefused;
  if (timeServerState_.lastRefused) return;
  const std::int64_t before = schoolClock_.CorrectionMs();
  if (schoolClock_.TakeServerDifference(correction.appliedMs)) {
    if (lessonListF_) lessonListF_->ShowBellOffset();
    SaveBellOffset();
  }
  const LocalDateTime checked = schoolClock_.Now();
  timeServerState_.differenceMs = answer.offsetMs;
  timeServerState_.correction = correction;
  timeServerState_.checkedAt = TimeOfDayOf(checked);
  if (std::llabs(schoolClock_.CorrectionMs() - before) >= kNoticeableChangeMs) {
    Clock.FollowTimeJump(LessonClock::TimeJump::kCorrection);
  }
}

void TWorkF::ShowTimeServerState() {
  const std::wstring tooltip = ProgramTooltip(timeServerState_);
  if (AppTrayIcon.Hint() != tooltip) AppTrayIcon.SetHint(tooltip);
  if (lessonListF_) lessonListF_->ShowTimeServerResult(TimeServerResultText(timeServerState_));
}

}  // namespace ostrevin
