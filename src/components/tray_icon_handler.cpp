#include "components/tray_icon_handler.h"

#include <map>
#include <memory>

#include "base/app_error.h"
#include "components/notify_icon.h"
#include "toolkit/error_guard.h"
#include "toolkit/handles.h"
#include "toolkit/window.h"

namespace ostrevin {
namespace {

constexpr wchar_t kWindowClassName[] = L"OstrevinTrayIconWindow";

LRESULT CALLBACK HandlerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Messages that would close the shared window: refused, while the window
// agrees to the session ending.
bool IsRefusedClosingMessage(UINT message) {
  switch (message) {
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
    case WM_QUIT:
    case WM_ENDSESSION:
    case WM_NCDESTROY:
      return true;
    default:
      return false;
  }
}

}  // namespace

// The hidden top-level tool window the shell reports to, and the live tray
// icons under their identifiers. The shell hands back only an identifier, so
// a notification for an icon that is gone finds nothing and is dropped.
class TTrayIconHandler {
 public:
  TTrayIconHandler() {
    toolkit::RegisterWindowClass(kWindowClassName, HandlerWndProc);
    window_.reset(::CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClassName, L"", WS_POPUP, 0, 0, 0, 0,
                                    nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr));
    if (!window_) throw AppError(L"Unable to create the tray icons' window");
  }

  HWND Window() const { return window_.get(); }
  bool Unused() const { return icons_.empty(); }

  UINT Register(TNotifyIcon& icon) {
    do {
      ++lastId_;
    } while (lastId_ == 0 || icons_.contains(lastId_));
    icons_.emplace(lastId_, &icon);
    return lastId_;
  }

  void Unregister(UINT id) { icons_.erase(id); }

  void Notify(UINT id, UINT code) {
    const auto found = icons_.find(id);
    if (found == icons_.end()) return;
    TNotifyIcon& icon = *found->second;
    toolkit::RunGuarded([&] { icon.HandleTrayNotification(code); });
  }

 private:
  toolkit::UniqueWindow window_;
  std::map<UINT, TNotifyIcon*> icons_;
  UINT lastId_ = 0;
};

namespace {

// Created by the first tray icon, destroyed with the last or at program end.
std::unique_ptr<TTrayIconHandler> trayHandler;

LRESULT CALLBACK HandlerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TrayCallbackMessage) {
    if (trayHandler) trayHandler->Notify(static_cast<UINT>(wParam), static_cast<UINT>(lParam));
    return 0;
  }
  if (IsRefusedClosingMessage(message)) return 1;
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

UINT AcquireTrayHandler(TNotifyIcon& icon) {
  if (!trayHandler) trayHandler = std::make_unique<TTrayIconHandler>();
  return trayHandler->Register(icon);
}

void ReleaseTrayHandler(UINT iconId) {
  if (!trayHandler) return;
  trayHandler->Unregister(iconId);
  if (trayHandler->Unused()) trayHandler.reset();
}

HWND TrayHandlerWindow() {
  return trayHandler ? trayHandler->Window() : nullptr;
}

}  // namespace ostrevin
