#pragma once

#include <windows.h>

#include "toolkit/handles.h"

namespace ostrevin::toolkit {

// Loads a library of the system folder by its full path, so that a file of
// the same name beside the program or in the current folder is never taken
// instead; its own imports are looked for from the system folder too. Null
// when it cannot be loaded.
UniqueModule LoadSystemLibrary(const wchar_t* fileName);

// A function of a loaded library as its real type; null when it is missing.
template <typename Function>
Function* LibraryFunction(HMODULE library, const char* name) {
  // Through a plain function pointer type: FARPROC's own signature says
  // nothing of the real one.
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(::GetProcAddress(library, name)));
}

}  // namespace ostrevin::toolkit
