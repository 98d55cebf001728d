#pragma once

#include <windows.h>

#include <string>

#include "toolkit/handles.h"

namespace ostrevin::toolkit {

// The one way the program reaches a function of a system DLL that it does
// not import: a DLL loaded for a feature (sounds, the file dialogs, the
// desktop window manager), or a function that newer Windows has and older
// Windows lacks, looked up at run time so that the exe still starts on
// Windows 7.

// The full path of a file in the system folder; empty when the folder cannot
// be read.
std::wstring SystemFolderFile(const wchar_t* fileName);

// Loads a library of the system folder by its full path, so that a file of
// the same name beside the program or in the current folder is never taken
// instead; its own imports are looked for from the system folder too. Null
// when it cannot be loaded.
UniqueModule LoadSystemLibrary(const wchar_t* fileName);

// A function of a loaded library as its real type (Function is the function
// type, as decltype(::PlaySoundW) names it); null when the library or the
// function is missing.
template <typename Function>
Function* LibraryFunction(HMODULE library, const char* name) {
  if (!library) return nullptr;
  // Through a plain function pointer type: FARPROC's own signature says
  // nothing of the real one.
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(::GetProcAddress(library, name)));
}

// A function of a system DLL that the process has already loaded (kernel32,
// user32, shell32, or uxtheme with the common controls 6): null when that DLL
// is not loaded or lacks the function. Nothing is loaded for it.
template <typename Function>
Function* LoadedSystemFunction(const wchar_t* module, const char* name) {
  return LibraryFunction<Function>(::GetModuleHandleW(module), name);
}

}  // namespace ostrevin::toolkit
