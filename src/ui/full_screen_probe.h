#pragma once

#include <windows.h>

#include <functional>

#include "ui/model/step_aside.h"

namespace ostrevin {

// What the timer window asks of the desktop to step aside for full-screen
// shows. Tests put a fake in its place.
class FullScreenProbe {
 public:
  virtual ~FullScreenProbe() = default;

  // What Windows says (SHQueryUserNotificationState, Windows Vista and later,
  // looked up when first asked); Unknown when it cannot say.
  virtual NotificationState State() = 0;
  // What lies on the screen the window is on.
  virtual ScreenShowFacts FactsAbout(HWND window) = 0;
  // Runs onChange whenever a window of another program comes in front (a
  // show starts or ends), until it is set empty.
  virtual void WatchForeground(std::function<void()> onChange) = 0;
};

// The desktop's own. A window covers the screen as a show does when it is
// the topmost of the windows that could be one on that screen: visible, not
// minimized, not hidden by the desktop window manager, of another program,
// neither the desktop, the taskbar, a tool window nor a window the mouse
// clicks through.
FullScreenProbe& SystemFullScreenProbe();

}  // namespace ostrevin
