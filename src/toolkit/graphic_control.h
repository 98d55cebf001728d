#pragma once

#include <windows.h>

#include <functional>

#include "toolkit/control.h"

namespace ostrevin::toolkit {

class GraphicControlHost;

enum class MouseButton { Left, Right, Middle };

// A windowless control: it has a place on its parent window and paints into
// the parent's surface. The parent paints it on WM_PAINT and passes it the
// mouse presses and clicks that fall on it (GraphicControlHost).
class GraphicControl : public Control {
 public:
  GraphicControl() = default;
  // Leaves its host, if it is on one.
  ~GraphicControl() override;

  void SetParentWindow(HWND parent) { parent_ = parent; }
  HWND ParentWindow() const { return parent_; }

  void SetBounds(int left, int top, int width, int height);
  const RECT& Bounds() const { return bounds_; }
  int Width() const { return bounds_.right - bounds_.left; }
  int Height() const { return bounds_.bottom - bounds_.top; }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // Paints into the parent's surface at once, clipped to the control.
  void Repaint();
  // Asks the parent to paint the control's area at its next paint.
  void Invalidate();
  // The parent's WM_PAINT: paints the control when it meets the update area.
  void PaintOnParent(HDC parentDc, const RECT& updateArea);
  // Whether a point in the parent's client coordinates lies on the control.
  bool Contains(POINT parentPoint) const;

  // The mouse cursor over the control; none: the parent's.
  HCURSOR Cursor() const { return cursor_; }
  void SetCursor(HCURSOR cursor) { cursor_ = cursor; }

  std::function<void(MouseButton button, POINT parentPoint)> OnMouseDown;
  std::function<void()> OnClick;

 protected:
  // dc's origin is the control's top-left corner and it is clipped to the
  // control's rectangle.
  virtual void Paint(HDC dc) = 0;

 private:
  friend class GraphicControlHost;
  void PaintClipped(HDC parentDc);

  GraphicControlHost* host_ = nullptr;
  HWND parent_ = nullptr;
  HCURSOR cursor_ = nullptr;
  RECT bounds_{};
  bool visible_ = true;
};

}  // namespace ostrevin::toolkit
