#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <vector>

#include "toolkit/common_controls.h"
#include "toolkit/handles.h"
#include "toolkit/model/dpi_scale.h"

namespace ostrevin::toolkit {

// An image list exists only once the common controls are loaded.
struct ImageListTraits {
  using Handle = HIMAGELIST;
  static Handle Empty() { return nullptr; }
  static void Release(Handle h) { CommonControls::Get().ImageList_Destroy(h); }
};
using UniqueImageList = UniqueHandle<ImageListTraits>;

// A list of equally sized images (an image list with a mask). The first
// one made loads the common controls.
class ImageList {
 public:
  ImageList(int width, int height);

  HIMAGELIST get() const { return list_.get(); }
  int Count() const;
  // The side of its (square) images.
  int Size() const;
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
  // Draws the image at index with its top-left corner at x, y; its masked
  // pixels leave the DC's pixels as they are.
  void DrawTransparent(int index, HDC dc, int x, int y) const;

 private:
  UniqueImageList list_;
};

// The same pictures drawn at several sizes, one list per size, the smallest
// being the size they are designed at: a control shows the size that suits
// its scale (the largest not larger than the design size scaled), so that no
// picture is ever stretched.
class ScaledImageList {
 public:
  // Lists of equal counts, of square images of different sizes; at least one.
  explicit ScaledImageList(std::vector<ImageList> sizes);

  const ImageList& ForScale(const DpiScale& scaling) const;
  int DesignSize() const;

 private:
  std::vector<ImageList> lists_;
};

}  // namespace ostrevin::toolkit
