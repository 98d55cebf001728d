#pragma once

#include <vector>

#include "toolkit/model/control_place.h"

namespace ostrevin::toolkit {

// The screen scaling every form is designed at: 100 %, 96 dots per inch.
inline constexpr int kDesignDpi = 96;

// Turns a form's design, written in pixels at 96 DPI, into pixels at the DPI
// of the screen the form is on. A length is rounded to the nearest pixel,
// halves away from zero, as MulDiv does. A place is scaled by its edges, so
// that controls that touch at 96 DPI still touch and never overlap.
class DpiScale {
 public:
  constexpr DpiScale() = default;
  // A DPI below 1 is taken as the design DPI.
  explicit constexpr DpiScale(int dpi) : dpi_(dpi > 0 ? dpi : kDesignDpi) {}

  constexpr int Dpi() const { return dpi_; }
  constexpr bool IsDesign() const { return dpi_ == kDesignDpi; }

  int Scaled(int designPixels) const;
  ControlPlace Scaled(const ControlPlace& design) const;

  friend constexpr bool operator==(const DpiScale&, const DpiScale&) = default;

 private:
  int dpi_ = kDesignDpi;
};

// value * numerator / denominator, rounded to the nearest whole number with
// halves away from zero (denominator above 0).
int ScaledLength(int value, int numerator, int denominator);

// Of pictures drawn at several sizes, the one to show where a picture of
// designSize pixels is wanted at a scale: the largest that is not larger than
// the scaled size, or the smallest when all are. Pictures are never
// stretched, so a size between two is served by the smaller. available is
// not empty.
int PictureSizeFor(int designSize, const DpiScale& scale, const std::vector<int>& available);

}  // namespace ostrevin::toolkit
