#pragma once

#include <string>

#include "base/color.h"
#include "components/gauge.h"
#include "toolkit/control.h"
#include "toolkit/font.h"

namespace ostrevin {

namespace toolkit {
class Form;
}

// The design values of a gauge on a form.
struct GaugeDesign {
  std::wstring name{};
  toolkit::ControlPlace place{};
  TGaugeKind kind = gkHorizontalBar;
  int minValue = 0;
  int maxValue = 100;
  int progress = 0;
  Color foreColor = clBlack;
  Color backColor = clWhite;
  Color color = clWindow;  // round a pie or a dial
  bool showText = true;
  TGaugeBorderStyle borderStyle = bsSingle;
  toolkit::FontDesign font{};  // of the percentage; its colour is not used
};

// A gauge that takes its design values and lies on its form, on top of the
// controls put there before it.
class FormGauge : public TGauge {
 public:
  FormGauge(toolkit::Form& form, const GaugeDesign& design);
};

}  // namespace ostrevin
