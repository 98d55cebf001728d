#include "ui/full_screen_probe.h"

#include <string>
#include <utility>

#include "toolkit/error_guard.h"
#include "toolkit/handles.h"
#include "toolkit/screens.h"
#include "toolkit/system_library.h"

namespace ostrevin {
namespace {

using toolkit::ToScreenRect;

// DWMWA_CLOAKED: Windows 8 and later keep some windows "visible" while the
// desktop window manager shows nothing of them (suspended Store apps, other
// virtual desktops).
constexpr DWORD kCloakedAttribute = 14;

bool HasClass(HWND window, const wchar_t* className) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return _wcsicmp(name, className) == 0;
}

bool IsOwnWindow(HWND window) {
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  return process == ::GetCurrentProcessId();
}

// The shell's desktop and taskbars cover their screens without being shows.
bool IsShellWindow(HWND window) {
  return window == ::GetShellWindow() || HasClass(window, L"Progman") ||
         HasClass(window, L"WorkerW") || HasClass(window, L"Shell_TrayWnd") ||
         HasClass(window, L"Shell_SecondaryTrayWnd");
}

// dwmapi from the system folder, loaded at the first question and kept.
bool IsCloaked(HWND window) {
  using Function = HRESULT WINAPI(HWND, DWORD, PVOID, DWORD);
  static const toolkit::UniqueModule dwm = toolkit::LoadSystemLibrary(L"dwmapi.dll");
  static Function* const getAttribute =
      toolkit::LibraryFunction<Function>(dwm.get(), "DwmGetWindowAttribute");
  DWORD cloaked = 0;
  return getAttribute &&
         SUCCEEDED(getAttribute(window, kCloakedAttribute, &cloaked, sizeof(cloaked))) &&
         cloaked != 0;
}

bool CouldBeAShow(HWND window) {
  if (!::IsWindowVisible(window) || ::IsIconic(window) || IsOwnWindow(window) ||
      IsShellWindow(window)) {
    return false;
  }
  const LONG exStyle = ::GetWindowLongW(window, GWL_EXSTYLE);
  if (exStyle & (WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT)) return false;
  return !IsCloaked(window);
}

struct ScreenSearch {
  ScreenRect screen;
  bool found = false;
  bool looksLikeAShow = false;
};

// Windows come top first: the first that could be a show and lies on the
// screen decides.
BOOL CALLBACK LookAtWindow(HWND window, LPARAM search) {
  auto& s = *reinterpret_cast<ScreenSearch*>(search);
  if (!CouldBeAShow(window)) return TRUE;
  RECT bounds{};
  ::GetWindowRect(window, &bounds);
  const ScreenRect rect = ToScreenRect(bounds);
  if (rect.right <= s.screen.left || rect.left >= s.screen.right || rect.bottom <= s.screen.top ||
      rect.top >= s.screen.bottom) {
    return TRUE;
  }
  const LONG style = ::GetWindowLongW(window, GWL_STYLE);
  s.found = true;
  s.looksLikeAShow = LooksLikeAShow(rect, s.screen, (style & WS_CAPTION) == WS_CAPTION,
                                    ::IsZoomed(window) != FALSE);
  return FALSE;
}

class DesktopFullScreenProbe final : public FullScreenProbe {
 public:
  NotificationState State() override {
    using Function = HRESULT WINAPI(int*);
    static const auto query =
        toolkit::LoadedSystemFunction<Function>(L"shell32.dll", "SHQueryUserNotificationState");
    int state = 0;
    if (!query || FAILED(query(&state))) return NotificationState::Unknown;
    return state >= static_cast<int>(NotificationState::NotPresent) &&
                   state <= static_cast<int>(NotificationState::StoreApp)
               ? static_cast<NotificationState>(state)
               : NotificationState::Unknown;
  }

  ScreenShowFacts FactsAbout(HWND window) override {
    HMONITOR monitor = ::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetMonitorInfoW(monitor, &info)) return {};
    ScreenSearch search{.screen = ToScreenRect(info.rcMonitor)};
    ::EnumWindows(&LookAtWindow, reinterpret_cast<LPARAM>(&search));
    HWND foreground = ::GetForegroundWindow();
    const bool foregroundOnScreen =
        foreground && !IsOwnWindow(foreground) && !IsShellWindow(foreground) &&
        ::MonitorFromWindow(foreground, MONITOR_DEFAULTTONULL) == monitor;
    return {.showCoversScreen = search.found && search.looksLikeAShow,
            .foregroundOnScreen = foregroundOnScreen};
  }

  void WatchForeground(std::function<void()> onChange) override {
    onChange_ = std::move(onChange);
    if (!onChange_) {
      hook_.reset();
      return;
    }
    if (hook_) return;
    hook_.reset(::SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                                  &ForegroundChanged, 0, 0,
                                  WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS));
  }

 private:
  // Out of context: called on this thread from its message loop.
  static void CALLBACK ForegroundChanged(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
    auto& probe = static_cast<DesktopFullScreenProbe&>(SystemFullScreenProbe());
    // A copy: the handler may stop the watching, and with it this function.
    const std::function<void()> onChange = probe.onChange_;
    if (onChange) toolkit::RunGuarded(onChange);
  }

  std::function<void()> onChange_;
  toolkit::UniqueWinEventHook hook_;
};

}  // namespace

FullScreenProbe& SystemFullScreenProbe() {
  static DesktopFullScreenProbe probe;
  return probe;
}

}  // namespace ostrevin
