#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

namespace ostrevin {

// The notification area as the tray icon sees it: one call per add, delete,
// modify or version request. Tests put a recorder in its place.
class TrayShell {
 public:
  virtual ~TrayShell() = default;
  // Shell_NotifyIconW; true when the shell accepted the request.
  virtual bool Notify(DWORD message, NOTIFYICONDATAW& data) = 0;
  // The side of the pictures the notification area shows, in pixels: the
  // small-icon size at the scaling of the taskbar's screen now (16, 20, 24,
  // 32 at 100, 125, 150, 200 %). A picture of another size the shell would
  // stretch.
  virtual int IconSize() const;
};

// The real notification area of the running shell.
TrayShell& SystemTrayShell();

// The message number the shell broadcasts when it has re-created the taskbar
// (and so lost every tray icon); 0 when the common controls are older than
// 4.71 or their version cannot be read, as such a shell never announces it.
UINT TaskbarCreatedMessage();

}  // namespace ostrevin
