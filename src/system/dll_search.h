#pragma once

namespace ostrevin {

// Makes every DLL the process loads by name from now on (the file dialogs'
// shell extensions, the themed controls' uxtheme, winmm, version.dll) come
// from the system folder, never from the program's own folder, where a
// portable copy in Downloads may have a planted DLL beside it, nor from the
// current folder. Call first thing at the start of the process.
//
// Windows 7 without its 2011 loader update (KB2533623) lacks
// SetDefaultDllDirectories: there the current folder at least leaves the
// search. Returns false in that case.
bool RestrictDllSearchToSystemFolder();

}  // namespace ostrevin
