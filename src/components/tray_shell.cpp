#include "components/tray_shell.h"

#include <cstdint>
#include <string>
#include <vector>

#include <winver.h>

#include "components/model/tray_taskbar_version.h"
#include "toolkit/dpi.h"
#include "toolkit/handles.h"
#include "toolkit/system_library.h"

namespace ostrevin {
namespace {

class ShellNotifyIcon : public TrayShell {
 public:
  bool Notify(DWORD message, NOTIFYICONDATAW& data) override {
    return ::Shell_NotifyIconW(message, &data) != FALSE;
  }
};

// dwFileVersionMS of comctl32.dll, 0 when it cannot be read. version.dll is
// loaded only for this one question, and only from the system folder.
std::uint32_t ComctlFileVersion() {
  using toolkit::LibraryFunction;
  const std::wstring comctl = toolkit::SystemFolderFile(L"comctl32.dll");
  if (comctl.empty()) return 0;
  const toolkit::UniqueModule library = toolkit::LoadSystemLibrary(L"version.dll");
  auto* infoSize = LibraryFunction<decltype(::GetFileVersionInfoSizeW)>(library.get(),
                                                                        "GetFileVersionInfoSizeW");
  auto* info =
      LibraryFunction<decltype(::GetFileVersionInfoW)>(library.get(), "GetFileVersionInfoW");
  auto* query = LibraryFunction<decltype(::VerQueryValueW)>(library.get(), "VerQueryValueW");
  if (!infoSize || !info || !query) return 0;

  DWORD unused = 0;
  const DWORD size = infoSize(comctl.c_str(), &unused);
  if (size == 0) return 0;
  std::vector<std::byte> block(size);
  if (!info(comctl.c_str(), 0, size, block.data())) return 0;
  void* fixed = nullptr;
  UINT fixedSize = 0;
  if (!query(block.data(), L"\\", &fixed, &fixedSize) || fixedSize < sizeof(VS_FIXEDFILEINFO)) {
    return 0;
  }
  return static_cast<const VS_FIXEDFILEINFO*>(fixed)->dwFileVersionMS;
}

}  // namespace

int TrayShell::IconSize() const {
  return toolkit::SystemMetricAt(SM_CXSMICON, toolkit::DpiScale(toolkit::TaskbarDpi()));
}

TrayShell& SystemTrayShell() {
  static ShellNotifyIcon shell;
  return shell;
}

UINT TaskbarCreatedMessage() {
  static const UINT message = AnnouncesTaskbarCreated(ComctlFileVersion())
                                  ? ::RegisterWindowMessageW(L"TaskbarCreated")
                                  : 0;
  return message;
}

}  // namespace ostrevin
