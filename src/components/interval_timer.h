#pragma once

#include <windows.h>

#include <functional>

namespace ostrevin {

// A light periodic timer for code-owned objects. Every timer of the process is
// served by one hidden window, so a timer costs a platform timer only while it
// runs. Expiries arrive as window messages on the thread's message loop.
//
// States: stopped (not Enabled, no platform timer), running (Enabled, armed
// with Interval) and paused (Enabled, not armed: Interval 0 or no OnTimer).
class TIntervalTimer {
 public:
  using TimerEvent = std::function<void(TIntervalTimer& sender)>;

  // A stopped timer with Interval 1000 and no OnTimer.
  TIntervalTimer();
  // A stopped timer with the given period and handler.
  TIntervalTimer(UINT interval, TimerEvent onTimer);
  ~TIntervalTimer();

  TIntervalTimer(const TIntervalTimer&) = delete;
  TIntervalTimer& operator=(const TIntervalTimer&) = delete;

  // Arms the platform timer with Interval, restarting the period of a timer
  // that runs. False, with nothing changed, for Interval 0; false, stopped,
  // when the platform refuses.
  bool Start();
  // Disarms the platform timer; `clear` also stops wanting it (Enabled false),
  // otherwise the timer is only paused. False when no platform timer was armed.
  bool Stop(bool clear);

  // Whether the timer is wanted running (running or paused).
  bool Enabled() const { return enabled_; }
  // True starts (a running timer restarts its period); false stops.
  void SetEnabled(bool enabled);

  UINT Interval() const { return interval_; }
  // A new period restarts an enabled timer; 0 pauses it.
  void SetInterval(UINT interval);

  const TimerEvent& OnTimer() const { return onTimer_; }
  // An empty handler pauses an enabled timer; a handler given again does not
  // resume it: only enabling or a new Interval does.
  void SetOnTimer(TimerEvent onTimer);

  // The identity the platform timer carries in its expiries; never shared by
  // two timers of a process, also not with a destroyed one.
  UINT_PTR TimerId() const { return timerId_; }

  // The window shared by all live timers, or null when no timer exists.
  static HWND HandlerWindow();

 private:
  UINT_PTR timerId_;
  bool enabled_ = false;
  UINT interval_;
  TimerEvent onTimer_;
};

}  // namespace ostrevin
