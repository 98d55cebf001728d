#pragma once

#include <windows.h>

#include <string>

#include "toolkit/handles.h"

namespace ostrevin {

// Whether this is the only running copy of the program in the user's
// session, for as long as the object lives. Two copies would ring every bell
// twice, show two pairs of tray icons and both write the settings file at
// their end.
class SingleInstance {
 public:
  explicit SingleInstance(std::wstring name);

  bool IsFirst() const { return first_; }
  // Looks at the lock again: the copy that held it may have ended since.
  // True once this is the only copy.
  bool TryAgain();

 private:
  void Acquire();

  std::wstring name_;
  toolkit::UniqueKernelHandle mutex_;
  bool first_ = true;
};

// The message a later start sends to the running copy's application window:
// show your main window.
UINT ShowRunningCopyMessage();
// The running copy's answer to that message, given at once (before it shows
// its window, which takes a while): it is alive and will show itself.
void AnswerShowRequest();

enum class RunningCopyAnswer {
  Showing,  // the running copy answered and shows its window
  Ended,    // it ended meanwhile: this start is now the only copy
  Silent,   // the lock is held, but no copy answered in time
};

// A later start, whose lock is held by the running copy: asks that copy,
// found by its application window's class and title, to show its main window,
// and lets it come to the foreground. A copy still starting up may not have
// its window yet, and one that is ending no longer answers: asks again, and
// looks at the lock again, until patienceMs have passed.
RunningCopyAnswer AskRunningCopyToShow(SingleInstance& lock, const wchar_t* windowClass,
                                       const std::wstring& title, int patienceMs);

}  // namespace ostrevin
