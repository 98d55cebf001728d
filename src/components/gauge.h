#pragma once

#include <windows.h>

#include "base/color.h"
#include "components/model/gauge_model.h"
#include "toolkit/font.h"
#include "toolkit/graphic_control.h"
#include "toolkit/handles.h"

namespace ostrevin {

// A windowless gauge: Progress within MinValue..MaxValue drawn as plain
// background, a bar, a pie that fills like a clock face or a needle dial,
// optionally with the percentage written over it. The picture is built
// off-screen and reaches the screen in one copy, so a half-drawn dial is never
// seen; the gauge paints every pixel of its rectangle.
//
// Assignments that change the picture paint at once into the parent window;
// the range assignments throw AppError when they would invert the range.
class TGauge : public toolkit::GraphicControl {
 public:
  // 100 x 100, a horizontal bar over 0..100 with a frame and the percentage.
  TGauge();

  TGaugeKind Kind() const { return kind_; }
  void SetKind(TGaugeKind kind);
  bool ShowText() const { return showText_; }
  void SetShowText(bool showText);
  TGaugeBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TGaugeBorderStyle borderStyle);
  // The filled part, the outlines and the needle.
  ostrevin::Color ForeColor() const { return foreColor_; }
  void SetForeColor(ostrevin::Color color);
  // The empty part of the bar or dial.
  ostrevin::Color BackColor() const { return backColor_; }
  void SetBackColor(ostrevin::Color color);
  // Round the pie and the needle dial; a window sets its own colour here.
  ostrevin::Color Color() const { return color_; }
  void SetColor(ostrevin::Color color);

  // The font of the percentage (MS Sans Serif, 11 pixels at 96 DPI, unless
  // set); its colour is not used, the text is always drawn white and XORed.
  const toolkit::FontDesign& Font() const { return fontDesign_; }
  void SetFont(const toolkit::FontDesign& design);

  int MinValue() const { return model_.MinValue(); }
  void SetMinValue(int value);
  int MaxValue() const { return model_.MaxValue(); }
  void SetMaxValue(int value);
  int Progress() const { return model_.Progress(); }
  // Out-of-range values are clamped; the gauge repaints only when the whole
  // percentage changes.
  void SetProgress(int value);
  int FilledPercent() const { return model_.FilledPercent(); }

  // Brackets the assignment of the design values, during which MinValue and
  // MaxValue may arrive in either order.
  void BeginLoading() { model_.BeginLoading(); }
  void EndLoading() { model_.EndLoading(); }

  // Draws the whole gauge into dc, whose origin is the gauge's top-left
  // corner, touching dc with a single copy.
  void PaintTo(HDC dc) const;

 protected:
  void Paint(HDC dc) override { PaintTo(dc); }
  void ScalingChanged() override;

 private:
  class Image;

  template <typename Value>
  void ChangeAndRepaint(Value& field, Value value);

  void PaintKind(HDC dc, const GaugeRect& paint) const;
  void PaintBackOnly(HDC dc, const GaugeRect& paint) const;
  void PaintBar(HDC dc, const GaugeRect& paint) const;
  void PaintPie(HDC dc, const GaugeRect& paint) const;
  void PaintNeedle(HDC dc, const GaugeRect& paint) const;
  void DrawPercentText(HDC compatibleWith, const Image& image, const GaugeRect& paint) const;

  GaugeModel model_;
  TGaugeKind kind_ = gkHorizontalBar;
  bool showText_ = true;
  TGaugeBorderStyle borderStyle_ = bsSingle;
  ostrevin::Color foreColor_ = clBlack;
  ostrevin::Color backColor_ = clWhite;
  ostrevin::Color color_ = clWindow;
  toolkit::FontDesign fontDesign_;
  toolkit::UniqueFont font_;
};

}  // namespace ostrevin
