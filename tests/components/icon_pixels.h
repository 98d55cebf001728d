#pragma once

#include <windows.h>

#include <vector>

#include "toolkit/handles.h"

namespace ostrevin::test_support {

// An icon's picture as the system holds it: the colour of every pixel and
// whether its mask makes it see-through.
class IconPixels {
 public:
  explicit IconPixels(HICON icon) {
    ICONINFO parts{};
    if (!::GetIconInfo(icon, &parts)) return;
    const toolkit::UniqueBitmap mask(parts.hbmMask);
    const toolkit::UniqueBitmap color(parts.hbmColor);
    BITMAP bits{};
    ::GetObjectW(color.get(), sizeof(bits), &bits);
    width_ = bits.bmWidth;
    height_ = bits.bmHeight;
    colors_ = Read(color.get());
    masks_ = Read(mask.get());
  }

  int Width() const { return width_; }
  int Height() const { return height_; }
  // RGB as COLORREF.
  COLORREF At(int x, int y) const { return colors_[y * width_ + x]; }
  bool SeeThrough(int x, int y) const { return masks_[y * width_ + x] != 0; }
  bool operator==(const IconPixels&) const = default;

 private:
  // Every pixel of the bitmap's top rows as 0x00BBGGRR.
  std::vector<COLORREF> Read(HBITMAP bitmap) const {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<std::size_t>(width_) * height_);
    const toolkit::WindowDc screen(nullptr);
    ::GetDIBits(screen.get(), bitmap, 0, height_, pixels.data(), &info, DIB_RGB_COLORS);
    std::vector<COLORREF> colors;
    for (DWORD pixel : pixels) {
      colors.push_back(RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
    }
    return colors;
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<COLORREF> colors_;
  std::vector<COLORREF> masks_;
};

}  // namespace ostrevin::test_support
