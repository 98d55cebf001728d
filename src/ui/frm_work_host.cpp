// The timer window as the lesson clock sees it.
#include <algorithm>
#include <cstdint>

#include "toolkit/application.h"
#include "toolkit/message_box.h"
#include "ui/frm_work.h"

namespace ostrevin {
namespace {

// Where the end-of-day question appears: clear of the timer window, which
// is centred.
constexpr POINT kQuestionTopLeft{200, 200};

}  // namespace

void TWorkF::SetGaugeProgress(int progress) {
  Gauge1.SetProgress(progress);
}

void TWorkF::SetGaugeColor(Color color) {
  Gauge1.SetForeColor(color);
}

void TWorkF::ShowMinutesGone(std::optional<std::int32_t> minutes) {
  lbAlready.SetCaption(MinutesGoneText(minutes));
}

void TWorkF::SetStartEnabled(bool enabled) {
  acStart.SetEnabled(enabled);
}

void TWorkF::SetStopEnabled(bool enabled) {
  acStop.SetEnabled(enabled);
}

void TWorkF::ShowBalloon(const TrayBalloon& balloon) {
  AppTrayIcon.DisplayBalloon(balloon.title, balloon.text, balloon.icon,
                             static_cast<std::uint8_t>(std::clamp(balloon.timeoutSeconds, 0, 255)));
}

void TWorkF::ShowLessonOver() {
  ShowBalloon(LessonOverBalloon());
}

void TWorkF::WarnOfLesson(int minutes) {
  ShowBalloon(LessonWarningBalloon(minutes));
}

void TWorkF::ClearBalloon() {
  AppTrayIcon.ClearBalloon();
}

// During a full-screen show the window waits for the show's end.
void TWorkF::RestoreMainWindow() {
  if (stepAside_.Defer()) return;
  AppTrayIcon.RestoreMainWindow();
}

// A window of the program that was active last (a dialog or a message box
// over the timer window) comes forward first, so that it is not left behind
// the timer window.
void TWorkF::BringForward() {
  if (stepAside_.KeepsOutOfSight()) return;
  const HWND application = toolkit::Application::Instance().Handle();
  const HWND lastActive = ::GetLastActivePopup(application);
  if (lastActive != application && ::IsWindowVisible(lastActive) && ::IsWindowEnabled(lastActive)) {
    ::SetForegroundWindow(lastActive);
  }
  ::SetForegroundWindow(Handle());
}

bool TWorkF::ConfirmCloseProgram() {
  return toolkit::ConfirmAt(EndOfDayQuestion(), kQuestionTopLeft);
}

void TWorkF::RequestClose() {
  toolkit::Application::Instance().Terminate();
}

void TWorkF::PlaySystemSound(SoundKind kind) {
  services_.PlaySystemSound(kind);
}

// A series asked for while one still plays (the lesson's length changed in
// the dialog) takes its place.
void TWorkF::PlayBeepSeries(int beeps) {
  beepsLeft_ = beeps;
  beepTimer_.SetEnabled(false);
  BeepStep();
}

void TWorkF::BeepStep() {
  if (beepsLeft_ > 0) {
    services_.PlaySystemSound(kSoundBeep);
    --beepsLeft_;
  }
  if (beepsLeft_ == 0) {
    beepTimer_.SetEnabled(false);
  } else if (!beepTimer_.Enabled()) {
    beepTimer_.SetEnabled(true);
  }
}

void TWorkF::TrimWorkingSet() {
  services_.TrimWorkingSet();
}

}  // namespace ostrevin
