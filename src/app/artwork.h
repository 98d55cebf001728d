#pragma once

#include <windows.h>

#include <string>

#include "base/decimal_text.h"

namespace ostrevin {

// The program's pictures in the exe's resources (artwork.rc). The program
// icon is the one the application object loads (Application::
// kProgramIconResource, "MAINICON"), in 16, 20, 24, 32 and 48 pixels.

// The toolbar's pictures: one strip of four square images at each size,
// magenta where transparent. 16 is the size the toolbar is designed at.
inline constexpr int kToolbarPictureSizes[] = {16, 24, 32};
inline constexpr COLORREF kToolbarPicturesMask = RGB(255, 0, 255);

// The resource name of the strip at one size: "TOOLBARPICTURES16", ...
inline std::wstring ToolbarPicturesResource(int size) {
  return L"TOOLBARPICTURES" + DecimalText(size);
}

inline constexpr int kPictureExit = 0;     // an exit door with an arrow
inline constexpr int kPictureStart = 1;    // a green triangle pointing right
inline constexpr int kPictureOptions = 2;  // a grey gear wheel
inline constexpr int kPictureStop = 3;     // a red disc

}  // namespace ostrevin
