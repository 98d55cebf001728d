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
  explicit SingleInstance(const std::wstring& name);

  bool IsFirst() const { return first_; }

 private:
  toolkit::UniqueKernelHandle mutex_;
  bool first_ = true;
};

// The message a later start posts to the running copy's application window:
// show your main window.
UINT ShowRunningCopyMessage();

// Asks the running copy, found by its application window's class and title,
// to show its main window, and lets it come to the foreground. A copy still
// starting may not have its window yet: looks again until patienceMs have
// passed. False when no window was found.
bool AskRunningCopyToShow(const wchar_t* windowClass, const std::wstring& title, int patienceMs);

}  // namespace ostrevin
