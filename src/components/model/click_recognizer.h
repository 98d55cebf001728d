#pragma once

namespace ostrevin {

// Tells a single left click on a tray icon from a double-click. The shell
// reports a double-click as press, release, double-click, release, so a
// single click can only be told apart by waiting the system's double-click
// time after the press. The owner runs that wait (only when someone listens
// for double-clicks) and reports each step here; the answers say when the
// single click is decided.
class ClickRecognizer {
 public:
  // The left button went down on the icon; the owner has started the wait
  // first when it runs one.
  void Press() { armed_ = true; }

  // The left button came up. `waitRunning` tells whether the double-click
  // wait is still going on. True: the click is decided now, before the
  // release itself is reported.
  bool Release(bool waitRunning);

  // The second press of a double-click: the waiting single click is dropped.
  void DoubleClick();

  // The double-click wait ran out (the owner has stopped it). True: the
  // waiting single click is decided now.
  bool WaitElapsed();

  bool Armed() const { return armed_; }
  bool Pending() const { return pending_; }
  bool DoubleClickSeen() const { return doubleClickSeen_; }

 private:
  bool armed_ = false;
  bool pending_ = false;
  bool doubleClickSeen_ = false;
};

}  // namespace ostrevin
