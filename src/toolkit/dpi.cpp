#include "toolkit/dpi.h"

#include "toolkit/handles.h"
#include "toolkit/system_library.h"

namespace ostrevin::toolkit {
namespace {

template <typename Function>
Function* User32Function(const char* name) {
  return LoadedSystemFunction<Function>(L"user32.dll", name);
}

}  // namespace

int SystemDpi() {
  using Function = UINT WINAPI();
  static const auto getDpiForSystem = User32Function<Function>("GetDpiForSystem");
  if (getDpiForSystem) return static_cast<int>(getDpiForSystem());
  const WindowDc screen(nullptr);
  const int dpi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : kDesignDpi;
}

int WindowDpi(HWND window) {
  using Function = UINT WINAPI(HWND);
  static const auto getDpiForWindow = User32Function<Function>("GetDpiForWindow");
  const int dpi = getDpiForWindow && window ? static_cast<int>(getDpiForWindow(window)) : 0;
  return dpi > 0 ? dpi : SystemDpi();
}

// The taskbar is a window of the shell's process: asking for its DPI is
// asking for its screen's, which the shell follows as the scaling changes.
int TaskbarDpi() {
  using Function = UINT WINAPI(HWND);
  static const auto getDpiForWindow = User32Function<Function>("GetDpiForWindow");
  HWND taskbar = getDpiForWindow ? ::FindWindowW(L"Shell_TrayWnd", nullptr) : nullptr;
  const int dpi = taskbar ? static_cast<int>(getDpiForWindow(taskbar)) : 0;
  return dpi > 0 ? dpi : SystemDpi();
}

int SystemMetricAt(int index, const DpiScale& scale) {
  using Function = int WINAPI(int, UINT);
  static const auto getSystemMetricsForDpi = User32Function<Function>("GetSystemMetricsForDpi");
  if (getSystemMetricsForDpi) {
    return getSystemMetricsForDpi(index, static_cast<UINT>(scale.Dpi()));
  }
  return ScaledLength(::GetSystemMetrics(index), scale.Dpi(), SystemDpi());
}

RECT WindowRectAround(const RECT& client, DWORD style, DWORD exStyle, const DpiScale& scale) {
  using Function = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = User32Function<Function>("AdjustWindowRectExForDpi");
  RECT window = client;
  if (!adjustForDpi || !adjustForDpi(&window, style, FALSE, exStyle, scale.Dpi())) {
    window = client;
    ::AdjustWindowRectEx(&window, style, FALSE, exStyle);
  }
  return window;
}

void EnableNonClientScaling(HWND window) {
  using Function = BOOL WINAPI(HWND);
  static const auto enable = User32Function<Function>("EnableNonClientDpiScaling");
  // Refused for a program aware of each monitor in the second way, which
  // needs it not: that does not matter.
  if (enable) enable(window);
}

}  // namespace ostrevin::toolkit
