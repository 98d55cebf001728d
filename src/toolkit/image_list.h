#pragma once

#include <windows.h>
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
  // index of the first image added.
  int AddMasked(HBITMAP bitmap, COLORREF maskColor);
  int AddIcon(HICON icon);
  // A new icon made from the image at index, or empty for a bad index.
  UniqueIcon GetIcon(int index) const;

 private:
  UniqueImageList list_;
};

}  // namespace ostrevin::toolkit
