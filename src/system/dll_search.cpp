#include "system/dll_search.h"

#include <windows.h>

#include "toolkit/system_library.h"

namespace ostrevin {

// Looked up, not imported: a Windows 7 without the update would refuse to
// start an exe that imports it.
bool RestrictDllSearchToSystemFolder() {
  using SetDefaultDllDirectoriesFunction = BOOL WINAPI(DWORD directoryFlags);
  const auto setDefaultDllDirectories =
      toolkit::LoadedSystemFunction<SetDefaultDllDirectoriesFunction>(L"kernel32.dll",
                                                                      "SetDefaultDllDirectories");
  if (setDefaultDllDirectories && setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    return true;
  }
  ::SetDllDirectoryW(L"");
  return false;
}

}  // namespace ostrevin
