#pragma once

#include <windows.h>

#include <vector>

#include "base/screen_rect.h"

namespace ostrevin::toolkit {

// The screens (monitors) of the desktop now, each with its work area, in the
// order Windows lists them.
std::vector<Screen> DesktopScreens();

ScreenRect ToScreenRect(const RECT& rect);

// Where a window lies on the desktop.
ScreenRect WindowScreenRect(HWND window);

}  // namespace ostrevin::toolkit
