#pragma once

#include <windows.h>

namespace ostrevin::toolkit {

// A function that newer Windows has and older Windows lacks, looked up at run
// time in a system DLL the program has loaded; null when there is none.
// Function is the plain function pointer type of the real signature.
template <typename Function>
Function SystemFunction(const wchar_t* module, const char* name) {
  HMODULE library = ::GetModuleHandleW(module);
  // Through void*: FARPROC's own signature says nothing of the real one.
  return library
             ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(library, name)))
             : nullptr;
}

}  // namespace ostrevin::toolkit
