#include "components/notify_icon.h"

#include "toolkit/application.h"

namespace ostrevin {
namespace {

POINT CursorPosition() {
  POINT at{};
  ::GetCursorPos(&at);
  return at;
}

void Raise(const TNotifyEvent& event, TNotifyIcon& sender) {
  if (event) event(sender);
}

}  // namespace

// What the shell reports about this icon. Balloon notifications are always
// raised; mouse notifications only while the icon is enabled. Anything else
// (right and middle double-clicks, the newer shells' select and context-menu
// codes) is ignored.
void TNotifyIcon::HandleTrayNotification(UINT code) {
  switch (code) {
    case NIN_BALLOONSHOW:
      return Raise(OnBalloonHintShow, *this);
    case NIN_BALLOONHIDE:
      return Raise(OnBalloonHintHide, *this);
    case NIN_BALLOONTIMEOUT:
      return Raise(OnBalloonHintTimeout, *this);
    case NIN_BALLOONUSERCLICK:
      return Raise(OnBalloonHintClick, *this);
  }
  if (!enabled_) return;
  const TShiftState shift = CurrentShiftState();
  const POINT at = CursorPosition();
  switch (code) {
    case WM_MOUSEMOVE:
      MouseMoved(shift, at);
      break;
    case WM_LBUTTONDOWN:
      LeftButtonDown(shift | ssLeft, at);
      break;
    case WM_LBUTTONUP:
      LeftButtonUp(shift | ssLeft, at);
      break;
    case WM_LBUTTONDBLCLK:
      LeftButtonDoubleClick();
      break;
    case WM_RBUTTONDOWN:
      FireMouseDown(mbRight, shift | ssRight, at.x, at.y);
      OpenTrayMenu();
      break;
    case WM_RBUTTONUP:
      FireMouseUp(mbRight, shift | ssRight, at.x, at.y);
      break;
    case WM_MBUTTONDOWN:
      FireMouseDown(mbMiddle, shift | ssMiddle, at.x, at.y);
      break;
    case WM_MBUTTONUP:
      FireMouseUp(mbMiddle, shift | ssMiddle, at.x, at.y);
      break;
  }
}

// A single click can only be told from a double-click by waiting the
// system's double-click time, and only someone listening for double-clicks
// needs that wait: without OnDblClick the click is reported at the release.
void TNotifyIcon::LeftButtonDown(TShiftState shift, POINT at) {
  if (OnDblClick) {
    clickWaitTicker_.SetInterval(::GetDoubleClickTime());
    clickWaitTicker_.SetEnabled(true);
  }
  FireMouseDown(mbLeft, shift, at.x, at.y);
  clicks_.Press();
  if (leftPopup_) OpenTrayMenu();
}

void TNotifyIcon::LeftButtonUp(TShiftState shift, POINT at) {
  if (clicks_.Release(clickWaitTicker_.Enabled())) FireClick();
  FireMouseUp(mbLeft, shift, at.x, at.y);
}

void TNotifyIcon::LeftButtonDoubleClick() {
  clicks_.DoubleClick();
  FireDblClick();
  if (popupMenu_ && popupMenu_->AutoPopup() && !leftPopup_) popupMenu_->ActivateDefaultItem();
}

void TNotifyIcon::ClickWaitElapsed() {
  clickWaitTicker_.SetEnabled(false);
  if (clicks_.WaitElapsed()) FireClick();
}

void TNotifyIcon::MouseMoved(TShiftState shift, POINT at) {
  if (wantEnterExitEvents_ && cursorOutside_) {
    FireMouseEnter();
    cursorOutside_ = false;
  }
  FireMouseMove(shift, at.x, at.y);
  lastMovePos_ = at;
}

// The shell tells when the cursor moves over the icon but not when it leaves,
// so a leave is taken as soon as the cursor is anywhere else than at the last
// move over the icon.
void TNotifyIcon::CheckCursorLeft() {
  POINT at{};
  if (cursorOutside_ || !::GetCursorPos(&at)) return;
  if (at.x == lastMovePos_.x && at.y == lastMovePos_.y) return;
  cursorOutside_ = true;
  FireMouseExit();
}

// The menu closes properly when the user clicks elsewhere only if the
// program is in the foreground while it is open, and the posted message lets
// the menu loop notice it has ended.
void TNotifyIcon::OpenTrayMenu() {
  POINT at{};
  if (!popupMenu_ || !popupMenu_->AutoPopup() || !::GetCursorPos(&at)) return;
  toolkit::Application& application = toolkit::Application::Instance();
  ::SetForegroundWindow(application.Handle());
  application.ProcessMessages();
  // A handler run by those messages may have taken the menu away.
  if (!popupMenu_) return;
  popupMenu_->Popup(at.x, at.y);
  if (OwnerIsWindow()) ::PostMessageW(owner_, WM_NULL, 0, 0);
}

}  // namespace ostrevin
