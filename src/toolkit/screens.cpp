#include "toolkit/screens.h"

namespace ostrevin::toolkit {
namespace {

BOOL CALLBACK AddScreen(HMONITOR monitor, HDC, RECT*, LPARAM screens) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!::GetMonitorInfoW(monitor, &info)) return TRUE;
  try {
    reinterpret_cast<std::vector<Screen>*>(screens)->push_back(
        {ToScreenRect(info.rcMonitor), ToScreenRect(info.rcWork)});
  } catch (...) {
    return FALSE;  // out of memory: the screens listed so far will do
  }
  return TRUE;
}

}  // namespace

std::vector<Screen> DesktopScreens() {
  std::vector<Screen> screens;
  ::EnumDisplayMonitors(nullptr, nullptr, &AddScreen, reinterpret_cast<LPARAM>(&screens));
  return screens;
}

ScreenRect ToScreenRect(const RECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

ScreenRect WindowScreenRect(HWND window) {
  RECT bounds{};
  ::GetWindowRect(window, &bounds);
  return ToScreenRect(bounds);
}

}  // namespace ostrevin::toolkit
