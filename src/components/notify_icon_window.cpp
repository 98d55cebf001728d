#include "components/notify_icon.h"

#include "toolkit/application.h"
#include "toolkit/error_guard.h"

namespace ostrevin {
namespace {

toolkit::Application& App() {
  return toolkit::Application::Instance();
}

}  // namespace

TNotifyIcon::ApplicationHookRegistration::ApplicationHookRegistration(TNotifyIcon& icon)
    : hookId_(App().AddMessageHook([&icon](UINT message, WPARAM wParam, LPARAM lParam) {
        icon.ApplicationHook(message, wParam, lParam);
      })) {}

TNotifyIcon::ApplicationHookRegistration::~ApplicationHookRegistration() {
  App().RemoveMessageHook(hookId_);
}

// comctl32's subclassing keeps the chain right whatever order icons of one
// owner come and go in, and it lets the owner window be destroyed first.
// Installing can fail under low memory; the icon then works without
// intercepting the owner's minimize.
TNotifyIcon::OwnerSubclass::OwnerSubclass(TNotifyIcon& icon, HWND owner)
    : owner_(owner),
      subclassId_(icon.IconId()),
      installed_(owner && ::IsWindow(owner) &&
                 ::SetWindowSubclass(owner, OwnerWindowProc, subclassId_,
                                     reinterpret_cast<DWORD_PTR>(&icon))) {}

TNotifyIcon::OwnerSubclass::~OwnerSubclass() {
  if (installed_ && ::IsWindow(owner_))
    ::RemoveWindowSubclass(owner_, OwnerWindowProc, subclassId_);
}

LRESULT CALLBACK TNotifyIcon::OwnerWindowProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR, DWORD_PTR icon) {
  TNotifyIcon& self = *reinterpret_cast<TNotifyIcon*>(icon);
  const bool consumed =
      toolkit::CallGuarded([&] { return self.OwnerMessage(message, wParam, lParam); }, false);
  return consumed ? 1 : ::DefSubclassProc(window, message, wParam, lParam);
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
  // The shell lost every icon with the old taskbar. This also adds an icon
  // whose first add was refused because the taskbar did not exist yet.
  const UINT taskbarCreated = TaskbarCreatedMessage();
  if (taskbarCreated != 0 && message == taskbarCreated && iconVisible_) AddToTray();
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
