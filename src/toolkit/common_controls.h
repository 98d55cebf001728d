#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "toolkit/handles.h"

namespace ostrevin::toolkit {

// The system's common controls library (comctl32) with the functions the
// toolkit calls in it, loaded when first needed rather than imported: the
// program idles in the notification area all day with its windows hidden,
// and the library's start (it registers every one of its classes) would cost
// megabytes for nothing. It is loaded by name, so that the activation
// context of the program's manifest picks version 6 from the side-by-side
// store (a full path into the system folder would load version 5), and its
// classes are registered at once, before the first control is made. It stays
// loaded until the program ends.
class CommonControls {
 public:
  // The library, loaded and its classes registered on the first call.
  // Throws AppError when it cannot be loaded or lacks a function.
  static const CommonControls& Get();

  CommonControls(const CommonControls&) = delete;
  CommonControls& operator=(const CommonControls&) = delete;

  decltype(::ImageList_Create)* const ImageList_Create;
  decltype(::ImageList_Destroy)* const ImageList_Destroy;
  decltype(::ImageList_GetImageCount)* const ImageList_GetImageCount;
  decltype(::ImageList_GetIconSize)* const ImageList_GetIconSize;
  decltype(::ImageList_Add)* const ImageList_Add;
  decltype(::ImageList_AddMasked)* const ImageList_AddMasked;
  decltype(::ImageList_ReplaceIcon)* const ImageList_ReplaceIcon;
  decltype(::ImageList_GetIcon)* const ImageList_GetIcon;
  decltype(::ImageList_Draw)* const ImageList_Draw;

 private:
  explicit CommonControls(UniqueModule library);

  UniqueModule library_;
};

}  // namespace ostrevin::toolkit
