#pragma once

#include <windows.h>

#include <functional>

namespace ostrevin::toolkit {

// A timer of a window (SetTimer with an id): its handler runs on the window's
// thread from the message loop, inside the error guard. The timer is killed
// when the object goes. An interval of 0 never fires.
class WindowTimer {
 public:
  WindowTimer(HWND window, UINT_PTR id, UINT intervalMs, std::function<void()> onTimer,
              bool enabled = true);
  ~WindowTimer();
  WindowTimer(const WindowTimer&) = delete;
  WindowTimer& operator=(const WindowTimer&) = delete;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  UINT Interval() const { return interval_; }
  // A running timer starts its period anew.
  void SetInterval(UINT intervalMs);

  // A WM_TIMER message that reached the window's procedure rather than the
  // timer's callback (sent or posted to it by another program): the handler
  // of the window's live timer with that id runs as at a tick. False when
  // the window has no such timer.
  static bool FireByMessage(HWND window, UINT_PTR id);

  std::function<void()> OnTimer;

 private:
  void Update();
  static void CALLBACK Fired(HWND window, UINT message, UINT_PTR id, DWORD time);

  HWND window_;
  UINT_PTR id_;
  UINT interval_;
  bool enabled_;
  bool running_ = false;
};

}  // namespace ostrevin::toolkit
