#include "toolkit/graphic_control_host.h"

#include <windowsx.h>

#include <algorithm>

#include "toolkit/handles.h"

namespace ostrevin::toolkit {

UniqueBitmap CreateOffScreenBitmap(int width, int height) {
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(format.bmiHeader);
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;  // top-down
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  return UniqueBitmap(::CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &pixels, nullptr, 0));
}

namespace {

// The update area painted off screen, in a picture as large as the area, and
// copied onto the screen.
void PaintOffScreen(HDC screen, const RECT& area,
                    const std::function<void(HDC dc, const RECT& area)>& paint) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  UniqueMemoryDc memory(::CreateCompatibleDC(screen));
  UniqueBitmap bitmap = CreateOffScreenBitmap(width, height);
  if (!memory || !bitmap) {
    paint(screen, area);
    return;
  }
  SelectGuard selected(memory.get(), bitmap.get());
  ::SetViewportOrgEx(memory.get(), -area.left, -area.top, nullptr);
  paint(memory.get(), area);
  ::BitBlt(screen, area.left, area.top, width, height, memory.get(), area.left, area.top, SRCCOPY);
}

}  // namespace

RECT PrintedArea(HWND window, HDC dc) {
  RECT client{};
  ::GetClientRect(window, &client);
  RECT clip{};
  if (::GetClipBox(dc, &clip) == ERROR || !::IntersectRect(&clip, &clip, &client)) return client;
  return clip;
}

GraphicControlHost::~GraphicControlHost() {
  for (GraphicControl* control : controls_) {
    control->host_ = nullptr;
    control->SetParentWindow(nullptr);
  }
}

void GraphicControlHost::SetLook(const DpiScale& scaling, HFONT font) {
  scaling_ = scaling;
  font_ = font;
  for (GraphicControl* control : controls_) control->SetScaling(scaling_);
}

void GraphicControlHost::Add(GraphicControl& control) {
  if (control.host_ == this) return;
  if (control.host_) control.host_->Remove(control);
  control.host_ = this;
  control.SetParentWindow(window_.Handle());
  controls_.push_back(&control);
  control.SetScaling(scaling_);
  control.Invalidate();
  CaptionsChanged();
}

void GraphicControlHost::CaptionsChanged() const {
  if (onCaptionsChanged) onCaptionsChanged();
}

void GraphicControlHost::Remove(GraphicControl& control) {
  if (control.host_ != this) return;
  std::erase(controls_, &control);
  if (pressedControl_ == &control) pressedControl_ = nullptr;
  control.Invalidate();
  control.host_ = nullptr;
  control.SetParentWindow(nullptr);
}

GraphicControl* GraphicControlHost::Find(std::wstring_view name) const {
  for (GraphicControl* control : controls_) {
    if (control->Name() == name) return control;
  }
  return nullptr;
}

void GraphicControlHost::PaintControls(HDC dc, const RECT& area) const {
  for (GraphicControl* control : controls_) control->PaintOnParent(dc, area);
}

void GraphicControlHost::PaintWindow(
    const std::function<void(HDC dc, const RECT& area)>& paint) const {
  PaintDc screen(window_.Handle());
  if (AnyControlMeets(screen.area())) {
    PaintOffScreen(screen.get(), screen.area(), paint);
  } else {
    paint(screen.get(), screen.area());
  }
}

bool GraphicControlHost::AnyControlMeets(const RECT& area) const {
  return std::any_of(controls_.begin(), controls_.end(), [&](const GraphicControl* control) {
    RECT overlap{};
    return control->Visible() && ::IntersectRect(&overlap, &control->Bounds(), &area);
  });
}

GraphicControl* GraphicControlHost::ControlAt(POINT point) const {
  for (auto control = controls_.rbegin(); control != controls_.rend(); ++control) {
    if ((*control)->Contains(point)) return *control;
  }
  return nullptr;
}

bool GraphicControlHost::HandleMouseMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                            LRESULT& result) {
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  result = 0;
  switch (message) {
    case WM_LBUTTONDOWN:
      MouseDown(MouseButton::Left, point);
      return true;
    case WM_RBUTTONDOWN:
      MouseDown(MouseButton::Right, point);
      return true;
    case WM_MBUTTONDOWN:
      MouseDown(MouseButton::Middle, point);
      return true;
    case WM_LBUTTONUP:
      LeftMouseUp(point);
      return true;
    case WM_CAPTURECHANGED:
      ForgetPress();
      return true;
    case WM_SETCURSOR:
      result = TRUE;
      return LOWORD(lParam) == HTCLIENT && SetControlCursor();
  }
  return false;
}

void GraphicControlHost::MouseDown(MouseButton button, POINT point) {
  GraphicControl* target = ControlAt(point);
  if (button == MouseButton::Left) {
    // The release decides the click, wherever the mouse is by then.
    ::SetCapture(window_.Handle());
    pressedControl_ = target;
    surfacePressed_ = target == nullptr;
  }
  if (target && target->OnMouseDown) target->OnMouseDown(button, point);
}

void GraphicControlHost::LeftMouseUp(POINT point) {
  GraphicControl* control = pressedControl_;
  const bool surfacePressed = surfacePressed_;
  ForgetPress();
  if (::GetCapture() == window_.Handle()) ::ReleaseCapture();
  RECT client{};
  ::GetClientRect(window_.Handle(), &client);
  if (control && control->Contains(point)) {
    if (control->OnClick) control->OnClick();
  } else if (surfacePressed && ::PtInRect(&client, point)) {
    if (onSurfaceClick) onSurfaceClick();
  }
}

void GraphicControlHost::ForgetPress() {
  pressedControl_ = nullptr;
  surfacePressed_ = false;
}

bool GraphicControlHost::SetControlCursor() const {
  POINT point{};
  ::GetCursorPos(&point);
  ::ScreenToClient(window_.Handle(), &point);
  const GraphicControl* control = ControlAt(point);
  if (!control || !control->Cursor()) return false;
  ::SetCursor(control->Cursor());
  return true;
}

}  // namespace ostrevin::toolkit
