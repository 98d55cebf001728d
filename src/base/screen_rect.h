#pragma once

namespace ostrevin {

// A rectangle on the screens, in pixels of the whole desktop (the primary
// screen's top-left corner is 0, 0; screens left of or above it have negative
// coordinates). Right and bottom lie just outside it.
struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }

  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// One screen (monitor) of the desktop: its whole rectangle and its work area,
// what the taskbar and other docked bars leave of it.
struct Screen {
  ScreenRect monitor;
  ScreenRect work;

  friend bool operator==(const Screen&, const Screen&) = default;
};

}  // namespace ostrevin
