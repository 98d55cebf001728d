#include "ui/model/step_aside.h"

namespace ostrevin {
namespace {

bool SaysAShowRuns(NotificationState state) {
  switch (state) {
    case NotificationState::Busy:
    case NotificationState::FullScreenDirect3d:
    case NotificationState::PresentationMode:
    case NotificationState::StoreApp:
      return true;
    case NotificationState::Unknown:
    case NotificationState::NotPresent:
    case NotificationState::AcceptsNotifications:
    case NotificationState::QuietTime:
      break;
  }
  return false;
}

}  // namespace

bool LooksLikeAShow(const ScreenRect& window, const ScreenRect& screen, bool hasCaption,
                    bool maximized) {
  if (hasCaption || maximized || screen.Empty()) return false;
  return window.left <= screen.left && window.top <= screen.top && window.right >= screen.right &&
         window.bottom >= screen.bottom;
}

bool ShowInFront(NotificationState state, const ScreenShowFacts& facts) {
  return facts.showCoversScreen || (SaysAShowRuns(state) && facts.foregroundOnScreen);
}

StepAside::Move StepAside::Look(bool showInFront, bool windowShown) {
  if (!aside_) {
    if (!showInFront) return Move::Stay;
    aside_ = true;
    comeBack_ = windowShown;
    userShown_ = false;
    return windowShown ? Move::Hide : Move::Stay;
  }
  if (!showInFront) {
    const bool back = comeBack_ && !windowShown;
    aside_ = false;
    comeBack_ = false;
    userShown_ = false;
    return back ? Move::Show : Move::Stay;
  }
  // Shown meanwhile, and not by the user: back out of the way.
  if (windowShown && !userShown_) {
    comeBack_ = true;
    return Move::Hide;
  }
  return Move::Stay;
}

bool StepAside::Defer() {
  if (!KeepsOutOfSight()) return false;
  comeBack_ = true;
  return true;
}

void StepAside::UserShowed() {
  if (aside_) userShown_ = true;
}

void StepAside::UserHid() {
  comeBack_ = false;
  userShown_ = false;
}

}  // namespace ostrevin
