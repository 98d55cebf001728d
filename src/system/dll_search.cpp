#include "system/dll_search.h"

#include <windows.h>

namespace ostrevin {
namespace {

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD directoryFlags);

// Looked up, not imported: a Windows 7 without the update would refuse to
// start an exe that imports it.
SetDefaultDllDirectoriesFunction SetDefaultDllDirectoriesOfThisSystem() {
  HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
  return kernel ? reinterpret_cast<SetDefaultDllDirectoriesFunction>(
                      reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")))
                : nullptr;
}

}  // namespace

bool RestrictDllSearchToSystemFolder() {
  const SetDefaultDllDirectoriesFunction setDefaultDllDirectories =
      SetDefaultDllDirectoriesOfThisSystem();
  if (setDefaultDllDirectories && setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    return true;
  }
  ::SetDllDirectoryW(L"");
  return false;
}

}  // namespace ostrevin
