#pragma once

#include <windows.h>

#include <functional>
#include <string_view>
#include <vector>

#include "toolkit/graphic_control.h"
#include "toolkit/handles.h"
#include "toolkit/window.h"

namespace ostrevin::toolkit {

// A picture of the screen's colours to paint on off screen: 32-bit pixels in
// memory of its own, which the system takes back whole when the bitmap is
// deleted (a compatible bitmap's pixels come from a heap that a program
// painting pictures of many sizes leaves ragged and never shrinks).
UniqueBitmap CreateOffScreenBitmap(int width, int height);

// The part of a window's client area that a WM_PRINTCLIENT asks for, in the
// DC's coordinates: a themed control that wants its parent's background
// under it lends its own DC, clipped to itself, so only that much is
// painted, however many controls the window holds.
RECT PrintedArea(HWND window, HDC dc);

// The part of a window (a form, a tab page) that holds windowless controls:
// it paints them into the window's surface, gives them the mouse presses and
// clicks that fall on them, their cursors, and the window's scale and font.
class GraphicControlHost {
 public:
  explicit GraphicControlHost(const Window& window) : window_(window) {}
  // Controls that outlive the host must not reach back to it.
  ~GraphicControlHost();
  GraphicControlHost(const GraphicControlHost&) = delete;
  GraphicControlHost& operator=(const GraphicControlHost&) = delete;

  // The window's scale and font, which its controls take; the controls are
  // laid out again at a new scale.
  void SetLook(const DpiScale& scaling, HFONT font);
  const DpiScale& Scaling() const { return scaling_; }
  HFONT Font() const { return font_; }

  // Controls added later lie on top.
  void Add(GraphicControl& control);
  void Remove(GraphicControl& control);
  GraphicControl* Find(std::wstring_view name) const;
  const std::vector<GraphicControl*>& Controls() const { return controls_; }
  HWND WindowHandle() const { return window_.Handle(); }

  // A control came or its caption changed: onCaptionsChanged runs, and the
  // form fits the captions of the window again.
  void CaptionsChanged() const;
  std::function<void()> onCaptionsChanged;

  void PaintControls(HDC dc, const RECT& area) const;
  // Paints the window's update area (its WM_PAINT) with `paint`, which works
  // in client coordinates: off screen first and then copied when windowless
  // controls lie in it, so that they never flicker over the background;
  // straight onto the screen when there is only background to paint.
  void PaintWindow(const std::function<void(HDC dc, const RECT& area)>& paint) const;

  // The window's mouse and cursor messages; true when handled, with the
  // message's result. A press of the left button captures the mouse: its
  // release decides the click, on the control pressed or, when none was, on
  // the window's own surface (onSurfaceClick). Over a control with a cursor
  // of its own, that cursor shows.
  bool HandleMouseMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  std::function<void()> onSurfaceClick;

 private:
  bool AnyControlMeets(const RECT& area) const;
  GraphicControl* ControlAt(POINT point) const;
  void MouseDown(MouseButton button, POINT point);
  void LeftMouseUp(POINT point);
  void ForgetPress();
  bool SetControlCursor() const;

  const Window& window_;
  DpiScale scaling_{};
  HFONT font_ = nullptr;
  std::vector<GraphicControl*> controls_;
  GraphicControl* pressedControl_ = nullptr;
  bool surfacePressed_ = false;
};

}  // namespace ostrevin::toolkit
