#include "system/shell_open.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

namespace ostrevin {

bool OpenURL(const std::wstring& target) {
  HINSTANCE result =
      ::ShellExecuteW(nullptr, nullptr, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  // Not a real module handle: values above 32 mean success, the others are
  // error codes.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace ostrevin
