#pragma once

#include <windows.h>

#include <functional>

#include "toolkit/control.h"
#include "toolkit/model/dpi_scale.h"

namespace ostrevin::toolkit {

class GraphicControlHost;

enum class MouseButton { Left, Right, Middle };

// A windowless control: it has a place on its parent window and paints into
// the parent's surface. The parent paints it on WM_PAINT and passes it the
// mouse presses and clicks that fall on it (GraphicControlHost).
//
// Its place is given as designed, in pixels at 96 DPI; its bounds are that
// place at the scale of the window it lies on, which its host gives it.
class GraphicControl : public Control {
 public:
  GraphicControl() = default;
  // Leaves its host, if it is on one.
  ~GraphicControl() override;

  void SetParentWindow(HWND parent) { parent_ = parent; }
  HWND ParentWindow() const { return parent_; }

  // The designed place, at 96 DPI.
  void SetBounds(int left, int top, int width, int height);
  const ControlPlace& DesignPlace() const { return design_; }
  // Where the control is now, in the parent's client pixels.
  const RECT& Bounds() const { return bounds_; }
  int Width() const { return bounds_.right - bounds_.left; }
  int Height() const { return bounds_.bottom - bounds_.top; }

  const DpiScale& Scaling() const { return scaling_; }
  // Lays the control out again at a scale (its host's, when it changes).
  void SetScaling(const DpiScale& scaling);

  // The bounds the design gives at the scale, as a place.
  ControlPlace ShownDesignPlace() const;
  // What the caption needs at the scale in the control's font, measured on
  // dc; nothing for a control without one.
  virtual Extent CaptionExtent(HDC dc) const { return {}; }
  // Whether the control takes the size of its caption.
  virtual bool SizedByCaption() const { return false; }
  // Where the form fitted the control to the captions of its window at the
  // scale: the control lies there until the scale changes.
  void SetFittedPlace(const ControlPlace& place);

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
  // The bounds at the current scale: the designed place scaled, unless the
  // control sizes itself to its contents.
  virtual RECT ScaledBounds() const;
  // The scale changed: the control makes what it draws with (its fonts)
  // again; its bounds follow.
  virtual void ScalingChanged() {}
  // Takes the bounds the control has at its scale now.
  void UpdateBounds();
  // The caption changed: the form fits the captions of its window again.
  void CaptionChanged() const;
  // The bounds changed (after the parent was asked to paint both places).
  virtual void BoundsChanged() {}
  // The font of the window the control lies on; none while it lies on none.
  HFONT HostFont() const;

 private:
  friend class GraphicControlHost;
  void PaintClipped(HDC parentDc);
  RECT CurrentBounds() const;

  GraphicControlHost* host_ = nullptr;
  HWND parent_ = nullptr;
  HCURSOR cursor_ = nullptr;
  ControlPlace design_{};
  DpiScale scaling_{};
  // Where the form fitted the control, and at which DPI.
  ControlPlace fittedPlace_{};
  int fittedDpi_ = 0;
  RECT bounds_{};
  bool visible_ = true;
};

}  // namespace ostrevin::toolkit
