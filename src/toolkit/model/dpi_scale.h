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

// A width and a height in pixels.
struct Extent {
  int width = 0;
  int height = 0;
  friend bool operator==(const Extent&, const Extent&) = default;
};

// The DPI a window is drawn at on a screen: the screen's own, unless its
// design there (the client area scaled, with the frame and caption the screen
// gives it) is larger than the screen's work area; then the largest DPI at
// which it fits, so that every control of it can be reached. Never below the
// design's 96: a window too large even at 100 % is drawn at 100 %. A screen
// below 96 DPI keeps its own.
int FittingDpi(int screenDpi, Extent designClient, Extent frame, Extent workArea);

}  // namespace ostrevin::toolkit
