#include "components/gauge.h"

#include <string>

#include "toolkit/colors.h"

namespace ostrevin {

using toolkit::SelectGuard;
using toolkit::ToColorRef;
using toolkit::UniqueBitmap;
using toolkit::UniqueBrush;
using toolkit::UniqueMemoryDc;
using toolkit::UniquePen;

// An off-screen image of the gauge's size with its own memory DC, in the
// pixel format of the surface it will be copied to. It lives for one paint.
class TGauge::Image {
 public:
  Image(HDC compatibleWith, int width, int height)
      : width_(width),
        height_(height),
        dc_(::CreateCompatibleDC(compatibleWith)),
        bitmap_(::CreateCompatibleBitmap(compatibleWith, width, height)),
        selection_(dc_.get(), bitmap_.get()) {}

  explicit operator bool() const { return dc_ && bitmap_; }
  HDC dc() const { return dc_.get(); }

  // Every pixel value 0, whatever the pixel format.
  void ClearToBlack() const { ::PatBlt(dc(), 0, 0, width_, height_, BLACKNESS); }
  void XorFrom(const Image& source) const {
    ::BitBlt(dc(), 0, 0, width_, height_, source.dc(), 0, 0, SRCINVERT);
  }
  void CopyTo(HDC target) const { ::BitBlt(target, 0, 0, width_, height_, dc(), 0, 0, SRCCOPY); }

 private:
  int width_;
  int height_;
  // Destroyed in reverse: the bitmap is deselected before either is deleted.
  UniqueMemoryDc dc_;
  UniqueBitmap bitmap_;
  SelectGuard selection_;
};

namespace {

RECT ToRect(const GaugeRect& r) {
  return RECT{r.left, r.top, r.right, r.bottom};
}

void FillArea(HDC dc, const GaugeRect& area, Color color) {
  if (area.Empty()) return;
  const UniqueBrush brush(::CreateSolidBrush(ToColorRef(color)));
  const RECT rect = ToRect(area);
  ::FillRect(dc, &rect, brush.get());
}

void DrawLine(HDC dc, GaugePoint from, GaugePoint to) {
  ::MoveToEx(dc, from.x, from.y, nullptr);
  ::LineTo(dc, to.x, to.y);
}

// A one-pixel solid pen and a solid brush selected for the shapes of one
// painter; both are put back and deleted when the painter is done.
class ShapeTools {
 public:
  ShapeTools(HDC dc, Color penColor, Color brushColor)
      : pen_(::CreatePen(PS_SOLID, 1, ToColorRef(penColor))),
        brush_(::CreateSolidBrush(ToColorRef(brushColor))),
        penSelection_(dc, pen_.get()),
        brushSelection_(dc, brush_.get()) {}

 private:
  UniquePen pen_;
  UniqueBrush brush_;
  SelectGuard penSelection_;
  SelectGuard brushSelection_;
};

}  // namespace

TGauge::TGauge() : font_(toolkit::CreateDesignedFont(fontDesign_)) {
  SetBounds(0, 0, 100, 100);
}

void TGauge::SetFont(const toolkit::FontDesign& design) {
  font_ = toolkit::CreateDesignedFont(design, Scaling());
  fontDesign_ = design;
  Invalidate();
}

void TGauge::ScalingChanged() {
  font_ = toolkit::CreateDesignedFont(fontDesign_, Scaling());
}

template <typename Value>
void TGauge::ChangeAndRepaint(Value& field, Value value) {
  if (field == value) return;
  field = value;
  Repaint();
}

void TGauge::SetKind(TGaugeKind kind) {
  ChangeAndRepaint(kind_, kind);
}
void TGauge::SetShowText(bool showText) {
  ChangeAndRepaint(showText_, showText);
}
void TGauge::SetBorderStyle(TGaugeBorderStyle borderStyle) {
  ChangeAndRepaint(borderStyle_, borderStyle);
}
void TGauge::SetForeColor(ostrevin::Color color) {
  ChangeAndRepaint(foreColor_, color);
}
void TGauge::SetBackColor(ostrevin::Color color) {
  ChangeAndRepaint(backColor_, color);
}

// Like a font, the surrounding colour is one of the control's general looks:
// it is picked up at the parent's next paint rather than at once.
void TGauge::SetColor(ostrevin::Color color) {
  if (color_ == color) return;
  color_ = color;
  Invalidate();
}

void TGauge::SetMinValue(int value) {
  if (model_.SetMinValue(value)) Repaint();
}

void TGauge::SetMaxValue(int value) {
  if (model_.SetMaxValue(value)) Repaint();
}

void TGauge::SetProgress(int value) {
  if (model_.SetProgress(value)) Repaint();
}

// The kind is drawn on black and XORed onto a black image, which leaves the
// kind's picture; the percentage is XORed on top of that, and only the
// finished image touches dc.
void TGauge::PaintTo(HDC dc) const {
  if (Width() <= 0 || Height() <= 0) return;
  const Image image(dc, Width(), Height());
  if (!image) return;
  image.ClearToBlack();
  const GaugeRect paint = GaugePaintRect(Width(), Height(), borderStyle_);
  {
    const Image kind(dc, Width(), Height());
    if (!kind) return;
    kind.ClearToBlack();
    PaintKind(kind.dc(), paint);
    image.XorFrom(kind);
  }
  if (showText_) DrawPercentText(dc, image, paint);
  image.CopyTo(dc);
}

void TGauge::PaintKind(HDC dc, const GaugeRect& paint) const {
  switch (kind_) {
    case gkText:
      PaintBackOnly(dc, paint);
      break;
    case gkHorizontalBar:
    case gkVerticalBar:
      PaintBar(dc, paint);
      break;
    case gkPie:
      PaintPie(dc, paint);
      break;
    case gkNeedle:
      PaintNeedle(dc, paint);
      break;
  }
}

void TGauge::PaintBackOnly(HDC dc, const GaugeRect& paint) const {
  FillArea(dc, paint, backColor_);
}

void TGauge::PaintBar(HDC dc, const GaugeRect& paint) const {
  FillArea(dc, paint, backColor_);
  const GaugeRect filled = kind_ == gkHorizontalBar ? HorizontalBarFill(paint, FilledPercent())
                                                    : VerticalBarFill(paint, FilledPercent());
  FillArea(dc, filled, foreColor_);
}

void TGauge::PaintPie(HDC dc, const GaugeRect& paint) const {
  FillArea(dc, paint, color_);
  const PieLayout pie = LayOutPie(paint, borderStyle_, FilledPercent());
  const GaugeRect& box = pie.ellipse;
  {
    const ShapeTools disc(dc, foreColor_, backColor_);
    ::Ellipse(dc, box.left, box.top, box.right, box.bottom);
  }
  if (!pie.hasWedge) return;
  // At 100 % the rays coincide, and GDI's Pie then fills the whole ellipse.
  const ShapeTools wedge(dc, foreColor_, foreColor_);
  ::Pie(dc, box.left, box.top, box.right, box.bottom, pie.start.x, pie.start.y, pie.end.x,
        pie.end.y);
}

void TGauge::PaintNeedle(HDC dc, const GaugeRect& paint) const {
  FillArea(dc, paint, color_);
  const NeedleLayout needle = LayOutNeedle(paint, borderStyle_, Width(), FilledPercent());
  const GaugeRect& box = needle.dialEllipse;
  const ShapeTools tools(dc, foreColor_, backColor_);
  ::Pie(dc, box.left, box.top, box.right, box.bottom, needle.dialStart.x, needle.dialStart.y,
        needle.dialEnd.x, needle.dialEnd.y);
  DrawLine(dc, needle.baseFrom, needle.baseTo);
  if (needle.hasNeedle) DrawLine(dc, needle.needleFrom, needle.needleTo);
}

// White text on black, XORed onto the picture: every text pixel shows the
// inverse of what lies beneath, so the percentage reads over any colour and
// across the edge of the wedge.
void TGauge::DrawPercentText(HDC compatibleWith, const Image& image, const GaugeRect& paint) const {
  const Image text(compatibleWith, Width(), Height());
  if (!text) return;
  text.ClearToBlack();
  const SelectGuard fontSelection(text.dc(), font_.get());
  ::SetBkMode(text.dc(), TRANSPARENT);
  ::SetTextColor(text.dc(), RGB(255, 255, 255));

  const std::wstring percent = PercentText(FilledPercent());
  const int length = static_cast<int>(percent.size());
  SIZE extent{};
  ::GetTextExtentPoint32W(text.dc(), percent.c_str(), length, &extent);
  const GaugePoint origin = PercentTextOrigin(paint, extent.cx, extent.cy);
  const RECT clip = ToRect(paint);
  ::ExtTextOutW(text.dc(), origin.x, origin.y, ETO_CLIPPED, &clip, percent.c_str(), length,
                nullptr);
  image.XorFrom(text);
}

}  // namespace ostrevin
