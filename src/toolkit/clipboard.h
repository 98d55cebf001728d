#pragma once

#include <windows.h>

#include <string>

namespace ostrevin::toolkit {

// The clipboard's text, empty when it holds none or another program holds
// the clipboard open.
std::wstring ClipboardText(HWND owner);

}  // namespace ostrevin::toolkit
