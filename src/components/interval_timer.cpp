#include "components/interval_timer.h"

#include <map>
#include <memory>
#include <utility>

#include "base/app_error.h"
#include "toolkit/error_guard.h"
#include "toolkit/handles.h"
#include "toolkit/window.h"

namespace ostrevin {
namespace {

constexpr wchar_t kWindowClassName[] = L"OstrevinIntervalTimerWindow";

LRESULT CALLBACK TimerHandlerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The hidden window that receives the expiries of every timer of the process,
// and the live timers it may hand them to.
class TIntervalTimerHandler {
 public:
  TIntervalTimerHandler() {
    toolkit::RegisterWindowClass(kWindowClassName, TimerHandlerWndProc);
    // A message-only window: never shown, never part of a broadcast.
    window_.reset(::CreateWindowExW(0, kWindowClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr));
    if (!window_) throw AppError(L"Unable to create the timers' window");
  }

  HWND Window() const { return window_.get(); }
  bool Unused() const { return timers_.empty(); }

  UINT_PTR Register(TIntervalTimer& timer) {
    // Identities are never reused: an expiry still queued for a destroyed
    // timer can then never reach a timer created after it.
    const UINT_PTR id = ++lastId_;
    timers_.emplace(id, &timer);
    return id;
  }

  void Unregister(UINT_PTR id) { timers_.erase(id); }

  void Expire(UINT_PTR id) {
    const auto found = timers_.find(id);
    if (found == timers_.end()) return;
    TIntervalTimer& timer = *found->second;
    // A copy: the handler may replace or clear the timer's OnTimer while it runs.
    const TIntervalTimer::TimerEvent onTimer = timer.OnTimer();
    if (onTimer) toolkit::RunGuarded([&] { onTimer(timer); });
  }

 private:
  toolkit::UniqueWindow window_;
  std::map<UINT_PTR, TIntervalTimer*> timers_;
  UINT_PTR lastId_ = 0;
};

// Created by the first timer, destroyed with the last or at program end.
std::unique_ptr<TIntervalTimerHandler> timerHandler;

LRESULT CALLBACK TimerHandlerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_TIMER) return ::DefWindowProcW(window, message, wParam, lParam);
  if (timerHandler) timerHandler->Expire(wParam);
  return 0;
}

UINT_PTR AcquireTimerHandler(TIntervalTimer& timer) {
  if (!timerHandler) timerHandler = std::make_unique<TIntervalTimerHandler>();
  return timerHandler->Register(timer);
}

void ReleaseTimerHandler(UINT_PTR id) {
  if (!timerHandler) return;
  timerHandler->Unregister(id);
  if (timerHandler->Unused()) timerHandler.reset();
}

}  // namespace

TIntervalTimer::TIntervalTimer() : TIntervalTimer(1000, nullptr) {}

TIntervalTimer::TIntervalTimer(UINT interval, TimerEvent onTimer)
    : timerId_(AcquireTimerHandler(*this)), interval_(interval) {
  SetOnTimer(std::move(onTimer));
}

TIntervalTimer::~TIntervalTimer() {
  if (enabled_) Stop(true);
  ReleaseTimerHandler(timerId_);
}

bool TIntervalTimer::Start() {
  if (interval_ == 0) return false;
  if (enabled_) Stop(true);
  enabled_ = ::SetTimer(HandlerWindow(), timerId_, interval_, nullptr) != 0;
  return enabled_;
}

bool TIntervalTimer::Stop(bool clear) {
  if (clear) enabled_ = false;
  return ::KillTimer(HandlerWindow(), timerId_) != FALSE;
}

void TIntervalTimer::SetEnabled(bool enabled) {
  if (enabled) {
    Start();
  } else {
    Stop(true);
  }
}

void TIntervalTimer::SetInterval(UINT interval) {
  if (interval == interval_) return;
  interval_ = interval;
  if (!enabled_) return;
  if (interval_ != 0) {
    Start();
  } else {
    Stop(false);
  }
}

void TIntervalTimer::SetOnTimer(TimerEvent onTimer) {
  onTimer_ = std::move(onTimer);
  if (!onTimer_ && enabled_) Stop(false);
}

HWND TIntervalTimer::HandlerWindow() {
  return timerHandler ? timerHandler->Window() : nullptr;
}

}  // namespace ostrevin
