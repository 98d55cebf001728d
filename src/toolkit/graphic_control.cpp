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

void GraphicControl::UpdateBounds() {
  const RECT bounds = ScaledBounds();
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

void GraphicControl::Invalidate() {
  if (parent_) ::InvalidateRect(parent_, &bounds_, FALSE);
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
  ::SetViewportOrgEx(parentDc, bounds_.left, bounds_.top, nullptr);
  Paint(parentDc);
}

}  // namespace ostrevin::toolkit
