#pragma once

#include <windows.h>

namespace ostrevin {

class TNotifyIcon;

// The message with which the shell reports what happens to a tray icon:
// first parameter the icon's identifier, second the notification code (the
// mouse message itself, or a balloon notification).
inline constexpr UINT TrayCallbackMessage = 0x800;

// Registers a tray icon with the hidden window that receives the shell's
// notifications for every tray icon of the process, creating the window for
// the first icon. Returns the identifier under which the shell names the icon.
UINT AcquireTrayHandler(TNotifyIcon& icon);
// Forgets the icon: notifications that still name it are ignored. The window
// goes with the last icon.
void ReleaseTrayHandler(UINT iconId);
// The shared window, or null while no tray icon exists.
HWND TrayHandlerWindow();

}  // namespace ostrevin
