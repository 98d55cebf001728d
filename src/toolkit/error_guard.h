#pragma once

#include <utility>

#include "toolkit/application.h"

namespace ostrevin::toolkit {

// Runs code that the system called back (a window procedure, a timer or hook
// callback). A C++ exception must never unwind through user32's frames, so
// every error ends here, in the program's one error report, and the caller
// gets the fallback: the program goes on with the next message.
template <typename Result, typename Callback>
Result CallGuarded(Callback&& callback, Result fallback) noexcept {
  try {
    return std::forward<Callback>(callback)();
  } catch (...) {
    Application::Instance().HandleCurrentException();
    return fallback;
  }
}

template <typename Callback>
void RunGuarded(Callback&& callback) noexcept {
  try {
    std::forward<Callback>(callback)();
  } catch (...) {
    Application::Instance().HandleCurrentException();
  }
}

}  // namespace ostrevin::toolkit
