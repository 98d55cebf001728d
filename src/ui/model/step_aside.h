#pragma once

#include "base/screen_rect.h"

namespace ostrevin {

// What Windows says about presentations and full-screen programs
// (SHQueryUserNotificationState, numbered as its QUERY_USER_NOTIFICATION_STATE).
enum class NotificationState {
  Unknown = 0,               // the question failed, or this Windows cannot answer it
  NotPresent = 1,            // a screen saver, a locked or switched-away session
  Busy = 2,                  // a full-screen program, or presentation settings on
  FullScreenDirect3d = 3,    // a full-screen Direct3D program (a game, a video)
  PresentationMode = 4,      // presentation mode of the Windows Mobility Center
  AcceptsNotifications = 5,  // nothing of the kind
  QuietTime = 6,             // the first hour after a new user's first logon
  StoreApp = 7,              // a full-screen Store app (Windows 8)
};

// What the program sees on the screen the timer window is on.
struct ScreenShowFacts {
  // A window of another program covers that whole screen as a show does.
  bool showCoversScreen = false;
  // The window in front (the foreground) is another program's and lies on it.
  bool foregroundOnScreen = false;
};

// Whether a window covers a screen as a full-screen show does: the whole
// screen, without a caption, and not merely maximized (a maximized window
// covers the screen too where the taskbar hides itself).
bool LooksLikeAShow(const ScreenRect& window, const ScreenRect& screen, bool hasCaption,
                    bool maximized);

// Whether a full-screen show is in front on the timer window's screen: a
// window there covers the screen as a show does, or Windows says a show or a
// full-screen program runs and the window in front lies on that screen. A
// show on another screen (the slides on the projector) leaves the timer on
// the teacher's own screen alone.
bool ShowInFront(NotificationState state, const ScreenShowFacts& facts);

// The timer window's stepping aside for full-screen shows. At each look at
// the screen it says whether the window is to be hidden, shown again or left
// as it is: hidden when a show comes in front, shown again when the show is
// over if it was shown before (or a lesson began meanwhile). While it is
// aside the program does not show the window on its own (a lesson begins, the
// final part): that waits for the end of the show. The user decides, though:
// a window the user shows stays until the show is over, one the user hides
// does not come back.
class StepAside {
 public:
  enum class Move { Stay, Hide, Show };

  // A look at the screen: whether a show is in front now and whether the
  // window is shown now.
  Move Look(bool showInFront, bool windowShown);

  // The program would show the window: true when it is to wait for the end
  // of the show instead, which will show it.
  bool Defer();
  // Whether the program keeps the window out of sight now: it must not bring
  // it forward either.
  bool KeepsOutOfSight() const { return aside_ && !userShown_; }

  void UserShowed();
  void UserHid();

 private:
  bool aside_ = false;
  bool comeBack_ = false;
  bool userShown_ = false;
};

}  // namespace ostrevin
