#include "components/notify_icon.h"

#include "toolkit/application.h"
#include "toolkit/dpi.h"
#include "toolkit/window.h"

namespace ostrevin {
namespace {

toolkit::Application& App() {
  return toolkit::Application::Instance();
}

// What Windows sends the top-level windows when the scaling may have changed
// without a new logon: a screen's scaling (to a window aware of each
// screen's), the display settings, and the settings at large.
bool AnnouncesScalingChange(UINT message) {
  return message == toolkit::kDpiChangedMessage || message == WM_DISPLAYCHANGE ||
         message == WM_SETTINGCHANGE;
}

}  // namespace

TNotifyIcon::ApplicationHookRegistration::ApplicationHookRegistration(TNotifyIcon& icon)
    : hookId_(App().AddMessageHook([&icon](UINT message, WPARAM wParam, LPARAM lParam) {
        icon.ApplicationHook(message, wParam, lParam);
      })) {}

TNotifyIcon::ApplicationHookRegistration::~ApplicationHookRegistration() {
  App().RemoveMessageHook(hookId_);
}

// Through the toolkit's own window procedure: the program idles in the tray
// without the common controls library, whose subclassing would load it. The
// filters keep the chain right whatever order icons of one owner come and go
// in, and the owner window may be destroyed first. An owner of another kind
// is not intercepted: the icon then works without taking the owner's
// minimize.
TNotifyIcon::OwnerFilter::OwnerFilter(TNotifyIcon& icon, HWND owner) : owner_(owner) {
  toolkit::Window* window = toolkit::Window::FromHandle(owner);
  if (!window) return;
  filterId_ = window->AddMessageFilter(
      [&icon](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        if (!icon.OwnerMessage(message, wParam, lParam)) return false;
        result = 1;
        return true;
      });
}

TNotifyIcon::OwnerFilter::~OwnerFilter() {
  if (filterId_ == 0) return;
  if (toolkit::Window* window = toolkit::Window::FromHandle(owner_)) {
    window->RemoveMessageFilter(filterId_);
  }
}

// True when the message is consumed: the owner form never sees it.
bool TNotifyIcon::OwnerMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SHOWWINDOW && wParam == 1 && lParam == 0) {
    ::SetForegroundWindow(App().Handle());
    ::SetForegroundWindow(owner_);
    return false;
  }
  if (message == WM_SHOWWINDOW && wParam == 0 && lParam == SW_PARENTCLOSING &&
      !App().Terminated()) {
    return InterceptMinimize();
  }
  // Compared whole: a minimize command whose low bits carry more is not ours.
  if (message == WM_SYSCOMMAND && wParam == SC_MINIMIZE) return InterceptMinimize();
  return false;
}

bool TNotifyIcon::InterceptMinimize() {
  if (!minimizeToTray_ || !OnMinimizeToTray) return false;
  OnMinimizeToTray(*this);
  MinimizeIntoTray();
  return true;
}

// Sees every message sent to the application window, before the application
// handles it. The program has no multiple-document forms, so there is no
// start-up check for one here.
void TNotifyIcon::ApplicationHook(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE && wParam == SIZE_MINIMIZED && minimizeToTray_) MinimizeIntoTray();
  if (message == WM_SYSCOMMAND && wParam == SC_RESTORE) {
    if (HWND mainForm = App().MainFormHandle()) ::ShowWindow(mainForm, SW_SHOW);
  }
  // The shell lost every icon with the old taskbar, which may show them at
  // another size. This also adds an icon whose first add was refused because
  // the taskbar did not exist yet.
  const UINT taskbarCreated = TaskbarCreatedMessage();
  const bool newTaskbar = taskbarCreated != 0 && message == taskbarCreated;
  if (newTaskbar || AnnouncesScalingChange(message)) FollowTrayIconSize();
  if (newTaskbar && iconVisible_) AddToTray();
}

void TNotifyIcon::MinimizeIntoTray() {
  ConcealMainWindow();
  SetIconVisible(true);
}

void TNotifyIcon::RestoreMainWindow() {
  toolkit::Application& application = App();
  const HWND mainForm = application.MainFormHandle();
  if (!OwnerIsWindow() || !mainForm) return;
  application.Restore();
  if (::IsIconic(mainForm)) ::ShowWindow(mainForm, SW_RESTORE);
  ::ShowWindow(mainForm, SW_SHOW);
  ::SetForegroundWindow(application.Handle());
}

void TNotifyIcon::ConcealMainWindow() {
  const HWND mainForm = App().MainFormHandle();
  if (!OwnerIsWindow() || !mainForm) return;
  ::ShowWindow(mainForm, SW_HIDE);
  RemoveTaskbarEntry();
}

void TNotifyIcon::RemoveTaskbarEntry() {
  const HWND applicationWindow = App().Handle();
  if (::IsWindowVisible(applicationWindow)) ::ShowWindow(applicationWindow, SW_HIDE);
}

bool TNotifyIcon::OwnerIsWindow() const {
  return owner_ && ::IsWindow(owner_);
}

void TNotifyIcon::StartupDecision() {
  if (!OwnerIsWindow()) return;
  bool showMainForm = true;
  if (OnStartup) OnStartup(*this, showMainForm);
  if (showMainForm) return;
  App().SetShowMainForm(false);
  ConcealMainWindow();
}

}  // namespace ostrevin
