#include "toolkit/graphic_control.h"

#include "toolkit/graphic_control_host.h"
#include "toolkit/handles.h"

namespace ostrevin::toolkit {

GraphicControl::~GraphicControl() {
  if (host_) host_->Remove(*this);
}

void GraphicControl::SetBounds(int left, int top, int width, int height) {
  design_ = ControlPlace{.left = left, .top = top, .width = width, .height = height};
  UpdateBounds();
}

void GraphicControl::SetScaling(const DpiScale& scaling) {
  scaling_ = scaling;
  ScalingChanged();
  UpdateBounds();
}

RECT GraphicControl::ScaledBounds() const {
  const ControlPlace place = scaling_.Scaled(design_);
  return RECT{place.left, place.top, place.left + place.width, place.top + place.height};
}

ControlPlace GraphicControl::ShownDesignPlace() const {
  const RECT bounds = ScaledBounds();
  return {.left = bounds.left,
          .top = bounds.top,
          .width = bounds.right - bounds.left,
          .height = bounds.bottom - bounds.top};
}

void GraphicControl::SetFittedPlace(const ControlPlace& place) {
  fittedPlace_ = place;
  fittedDpi_ = scaling_.Dpi();
  UpdateBounds();
}

void GraphicControl::CaptionChanged() const {
  if (host_) host_->CaptionsChanged();
}

// A control sized by its caption takes the size of a new caption at once,
// at its fitted place; the form fits the others to it soon after.
RECT GraphicControl::CurrentBounds() const {
  RECT bounds = ScaledBounds();
  if (fittedDpi_ != scaling_.Dpi()) return bounds;
  if (!SizedByCaption()) {
    bounds.right = bounds.left + fittedPlace_.width;
    bounds.bottom = bounds.top + fittedPlace_.height;
  }
  ::OffsetRect(&bounds, fittedPlace_.left - bounds.left, fittedPlace_.top - bounds.top);
  return bounds;
}

void GraphicControl::UpdateBounds() {
  const RECT bounds = CurrentBounds();
  if (::EqualRect(&bounds, &bounds_)) return;
  Invalidate();
  bounds_ = bounds;
  Invalidate();
  BoundsChanged();
}

HFONT GraphicControl::HostFont() const {
  return host_ ? host_->Font() : nullptr;
}

void GraphicControl::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Invalidate();
}

void GraphicControl::Repaint() {
  if (!parent_ || !visible_) return;
  WindowDc dc(parent_);
  if (dc) PaintClipped(dc.get());
}

// A hidden window is painted whole when it is shown: until then there is
// nothing to ask of the system (a dialog sets up dozens of controls on its
// hidden pages each time it opens).
void GraphicControl::Invalidate() {
  if (parent_ && ::IsWindowVisible(parent_)) ::InvalidateRect(parent_, &bounds_, FALSE);
}

void GraphicControl::PaintOnParent(HDC parentDc, const RECT& updateArea) {
  RECT overlap{};
  if (visible_ && ::IntersectRect(&overlap, &bounds_, &updateArea)) PaintClipped(parentDc);
}

bool GraphicControl::Contains(POINT parentPoint) const {
  return visible_ && ::PtInRect(&bounds_, parentPoint);
}

void GraphicControl::PaintClipped(HDC parentDc) {
  SavedDcState saved(parentDc);
  ::IntersectClipRect(parentDc, bounds_.left, bounds_.top, bounds_.right, bounds_.bottom);
  // Relative to the DC's own origin: an off-screen picture of part of the
  // parent, or a child's DC lent for its background, has moved it.
  ::OffsetViewportOrgEx(parentDc, bounds_.left, bounds_.top, nullptr);
  Paint(parentDc);
}

}  // namespace ostrevin::toolkit
