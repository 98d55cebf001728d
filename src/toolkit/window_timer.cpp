#include "toolkit/window_timer.h"

#include <map>
#include <utility>

#include "base/app_error.h"
#include "toolkit/error_guard.h"

namespace ostrevin::toolkit {
namespace {

// The live timers by window and id: the system's callback names only those.
std::map<std::pair<HWND, UINT_PTR>, WindowTimer*>& LiveTimers() {
  static std::map<std::pair<HWND, UINT_PTR>, WindowTimer*> timers;
  return timers;
}

}  // namespace

WindowTimer::WindowTimer(HWND window, UINT_PTR id, UINT intervalMs, std::function<void()> onTimer,
                         bool enabled)
    : OnTimer(std::move(onTimer)),
      window_(window),
      id_(id),
      interval_(intervalMs),
      enabled_(enabled) {
  Update();
}

WindowTimer::~WindowTimer() {
  if (running_) {
    ::KillTimer(window_, id_);
    LiveTimers().erase({window_, id_});
  }
}

void WindowTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Update();
}

void WindowTimer::SetInterval(UINT intervalMs) {
  interval_ = intervalMs;
  Update();
}

void WindowTimer::Update() {
  if (running_) {
    ::KillTimer(window_, id_);
    LiveTimers().erase({window_, id_});
    running_ = false;
  }
  if (!enabled_ || interval_ == 0) return;
  if (!::SetTimer(window_, id_, interval_, &WindowTimer::Fired)) {
    throw AppError(L"Not enough timers available");
  }
  LiveTimers()[{window_, id_}] = this;
  running_ = true;
}

void CALLBACK WindowTimer::Fired(HWND window, UINT, UINT_PTR id, DWORD) {
  FireByMessage(window, id);
}

bool WindowTimer::FireByMessage(HWND window, UINT_PTR id) {
  const auto found = LiveTimers().find({window, id});
  if (found == LiveTimers().end()) return false;
  WindowTimer* timer = found->second;
  // A copy: the handler may destroy the timer.
  const std::function<void()> handler = timer->OnTimer;
  if (handler) RunGuarded(handler);
  return true;
}

}  // namespace ostrevin::toolkit
