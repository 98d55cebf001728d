#pragma once

// The pictures of the program's windows in the exe's resources: their ids,
// shared by the forms that show them and the resource script that puts them
// into the exe (src/app/artwork.rc, the pictures drawn by
// scripts/make-artwork.sh). The program icon is the application object's
// (Application::kProgramIconResource, "MAINICON"), in 16, 20, 24, 32 and 48
// pixels.

// The toolbar's pictures: one strip of four square images at each size.
#define OSTREVIN_TOOLBAR_PICTURES_16 116
#define OSTREVIN_TOOLBAR_PICTURES_24 124
#define OSTREVIN_TOOLBAR_PICTURES_32 132

#ifndef RC_INVOKED

#include <windows.h>

namespace ostrevin {

// The sizes of the toolbar's strips, magenta where transparent. 16 is the
// size the toolbar is designed at.
inline constexpr int kToolbarPictureSizes[] = {16, 24, 32};
inline constexpr COLORREF kToolbarPicturesMask = RGB(255, 0, 255);

// The resource of the strip at one of those sizes; null for another size.
inline const wchar_t* ToolbarPicturesResource(int size) {
  switch (size) {
    case 16:
      return MAKEINTRESOURCEW(OSTREVIN_TOOLBAR_PICTURES_16);
    case 24:
      return MAKEINTRESOURCEW(OSTREVIN_TOOLBAR_PICTURES_24);
    case 32:
      return MAKEINTRESOURCEW(OSTREVIN_TOOLBAR_PICTURES_32);
    default:
      return nullptr;
  }
}

inline constexpr int kPictureExit = 0;     // an exit door with an arrow
inline constexpr int kPictureStart = 1;    // a green triangle pointing right
inline constexpr int kPictureOptions = 2;  // a grey gear wheel
inline constexpr int kPictureStop = 3;     // a red disc

}  // namespace ostrevin

#endif  // RC_INVOKED
