#pragma once

#include <windows.h>

#include "toolkit/model/dpi_scale.h"

namespace ostrevin::toolkit {

// The messages of a window whose screen scaling changes (Windows 8.1 and
// later); the SDK the program is built with for Windows 7 does not name them.
inline constexpr UINT kDpiChangedMessage = 0x02E0;        // WM_DPICHANGED
inline constexpr UINT kGetDpiScaledSizeMessage = 0x02E4;  // WM_GETDPISCALEDSIZE

// The DPI of the whole session: that of the primary screen when the user
// logged on, which a program that is not aware of each monitor sees
// everywhere.
int SystemDpi();

// The DPI a window is drawn at: on Windows 10 that of the monitor it is on,
// before that the system DPI.
int WindowDpi(HWND window);

// The DPI of the screen the taskbar and its notification area are on, as it
// is now: after the user changes the scaling without logging off, the shell
// draws at the new scaling, while the system DPI stays that of the logon.
// Before Windows 10, and without a taskbar, the system DPI.
int TaskbarDpi();

// A system metric (SM_CXEDGE, SM_CXSMICON, ...) at a scale. Before Windows 10
// the system's value is scaled from the system DPI.
int SystemMetricAt(int index, const DpiScale& scale);

// The window rectangle around a client rectangle, with the frame and caption
// of the style at a scale.
RECT WindowRectAround(const RECT& client, DWORD style, DWORD exStyle, const DpiScale& scale);

// Windows 10 1607, for a program aware of each monitor in the first way,
// scales a window's caption and frame with the monitor only when asked during
// WM_NCCREATE. Later versions (the second way) do it anyway; older ones
// cannot.
void EnableNonClientScaling(HWND window);

}  // namespace ostrevin::toolkit
