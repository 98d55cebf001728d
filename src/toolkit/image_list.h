#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "toolkit/handles.h"

namespace ostrevin::toolkit {

// A list of equally sized images (an image list with a mask).
class ImageList {
 public:
  ImageList(int width, int height);

  HIMAGELIST get() const { return list_.get(); }
  int Count() const;
  // Adds a bitmap; pixels of the mask colour become transparent. Returns the
  // index of the first image added; a bitmap wider than one image adds a
  // strip of them. The system turns the masked pixels of the bitmap black.
  // Throws AppError when the list refuses the bitmap.
  int AddMasked(HBITMAP bitmap, COLORREF maskColor);
  // Adds a bitmap with its own monochrome mask (set bits transparent).
  int Add(HBITMAP bitmap, HBITMAP mask);
  int AddIcon(HICON icon);
  // Adds the strip of pictures stored as a bitmap resource of the module.
  int AddMaskedResource(HINSTANCE instance, const wchar_t* bitmapName, COLORREF maskColor);
  // A new icon made from the image at index, or empty for a bad index.
  UniqueIcon GetIcon(int index) const;

 private:
  UniqueImageList list_;
};

}  // namespace ostrevin::toolkit
