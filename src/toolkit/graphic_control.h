#pragma once

#include <windows.h>

#include <functional>

#include "toolkit/control.h"

namespace ostrevin::toolkit {

class Form;

enum class MouseButton { Left, Right, Middle };

// A windowless control: it has a place on its parent window and paints into
// the parent's surface. The parent paints it on WM_PAINT and passes it the
// mouse presses and clicks that fall on it (Form::AddGraphicControl).
class GraphicControl : public Control {
 public:
  GraphicControl() = default;
  // Leaves its form, if it is on one.
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

  std::function<void(MouseButton button, POINT parentPoint)> OnMouseDown;
  std::function<void()> OnClick;

 protected:
  // dc's origin is the control's top-left corner and it is clipped to the
  // control's rectangle.
  virtual void Paint(HDC dc) = 0;

 private:
  friend class Form;
  void PaintClipped(HDC parentDc);

  Form* form_ = nullptr;
  HWND parent_ = nullptr;
  RECT bounds_{};
  bool visible_ = true;
};

}  // namespace ostrevin::toolkit
