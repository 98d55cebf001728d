#pragma once

#include <windows.h>

namespace ostrevin {

// The program's pictures in the exe's resources (artwork.rc). The program
// icon is the one the application object loads (Application::
// kProgramIconResource, "MAINICON").

// The toolbar's pictures: one strip of four 16x16 images, magenta where
// transparent.
inline constexpr const wchar_t* kToolbarPicturesResource = L"TOOLBARPICTURES";
inline constexpr COLORREF kToolbarPicturesMask = RGB(255, 0, 255);
inline constexpr int kToolbarPictureSize = 16;

inline constexpr int kPictureExit = 0;     // an exit door with an arrow
inline constexpr int kPictureStart = 1;    // a green triangle pointing right
inline constexpr int kPictureOptions = 2;  // a grey gear wheel
inline constexpr int kPictureStop = 3;     // a red disc

}  // namespace ostrevin
