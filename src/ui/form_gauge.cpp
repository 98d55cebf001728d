#include "ui/form_gauge.h"

#include "toolkit/form.h"

namespace ostrevin {
FormGauge::FormGauge(toolkit::Form& form, const GaugeDesign& design) {
  SetName(design.name);
  SetBounds(design.place.left, design.place.top, design.place.width, design.place.height);
  SetKind(design.kind);
  BeginLoading();
  SetMinValue(design.minValue);
  SetMaxValue(design.maxValue);
  EndLoading();
  SetProgress(design.progress);
  SetForeColor(design.foreColor);
  SetBackColor(design.backColor);
  SetColor(design.color);
  SetShowText(design.showText);
  SetBorderStyle(design.borderStyle);
  SetFont(design.font);
  // Last: the values above are set before the gauge can paint on the form.
  form.AddGraphicControl(*this);
}

}  // namespace ostrevin
