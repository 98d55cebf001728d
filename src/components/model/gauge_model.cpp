#include "components/model/gauge_model.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "base/app_error.h"
#include "base/decimal_text.h"

namespace ostrevin {
namespace {

// The bounds are worked out in 64 bits: MaxValue - 1 and MinValue + 1 must
// not wrap at the ends of the 32-bit range.
AppError OutOfRange(std::int64_t low, std::int64_t high) {
  return AppError(L"Value must be between " + DecimalText(low) + L" and " +
                  DecimalText(high));
}

constexpr std::int64_t kLowestOfferedMin = -2147483647;
constexpr std::int64_t kHighestOfferedMax = 2147483647;

// Halves go to the even neighbour under the default rounding mode.
int RoundHalfEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

// The width and height the pie and the needle dial are laid out with: with a
// frame they reach one pixel further, onto the frame's right and bottom rows.
int DialExtent(int from, int to, TGaugeBorderStyle border) {
  return to - from + (border == bsSingle ? 1 : 0);
}

}  // namespace

bool GaugeModel::SetMinValue(int value) {
  if (value == minValue_) return false;
  if (value > maxValue_ && !loading_) {
    throw OutOfRange(kLowestOfferedMin, std::int64_t{maxValue_} - 1);
  }
  minValue_ = value;
  if (progress_ < value) progress_ = value;
  return true;
}

bool GaugeModel::SetMaxValue(int value) {
  if (value == maxValue_) return false;
  if (value < minValue_ && !loading_) {
    throw OutOfRange(std::int64_t{minValue_} + 1, kHighestOfferedMax);
  }
  maxValue_ = value;
  if (progress_ > value) progress_ = value;
  return true;
}

bool GaugeModel::SetProgress(int value) {
  const int percentBefore = FilledPercent();
  int clamped = value;
  if (value < minValue_) {
    clamped = minValue_;
  } else if (value > maxValue_) {
    clamped = maxValue_;
  }
  if (clamped == progress_) return false;
  progress_ = clamped;
  return FilledPercent() != percentBefore;
}

// In 64 bits, so that extreme ranges neither overflow nor lose precision.
// Only while loading can the values break the range; the result is then held
// to 0..100 so that no painter ever sees a wild angle or length.
int GaugeModel::FilledPercent() const {
  if (maxValue_ == minValue_) return 0;
  const std::int64_t reached = std::int64_t{progress_} - minValue_;
  const std::int64_t range = std::int64_t{maxValue_} - minValue_;
  return static_cast<int>(std::clamp<std::int64_t>(100 * reached / range, 0, 100));
}

GaugeRect GaugePaintRect(int width, int height, TGaugeBorderStyle border) {
  if (border == bsSingle) return GaugeRect{1, 1, width - 1, height - 1};
  return GaugeRect{0, 0, width, height};
}

PieLayout LayOutPie(const GaugeRect& paint, TGaugeBorderStyle border, int filledPercent) {
  const int width = DialExtent(paint.left, paint.right, border);
  const int height = DialExtent(paint.top, paint.bottom, border);
  PieLayout pie;
  pie.ellipse = GaugeRect{paint.left, paint.top, width, height};
  if (filledPercent <= 0) return pie;

  // The wedge starts at 12 o'clock and grows clockwise, so its counterclockwise
  // arc begins at the angle the percentage has reached and ends at the top.
  const int halfWidth = width / 2;
  const int halfHeight = height / 2;
  const double angle = (filledPercent / 50.0 + 0.5) * std::numbers::pi;
  pie.hasWedge = true;
  pie.start = GaugePoint{RoundHalfEven(halfWidth * (1 - std::cos(angle))),
                         RoundHalfEven(halfHeight * (1 - std::sin(angle)))};
  pie.end = GaugePoint{halfWidth, 0};
  return pie;
}

// Lengths are exact integer fractions of the bar: a floating-point 0.01 factor
// would leave some whole-numbered lengths one pixel short.
GaugeRect HorizontalBarFill(const GaugeRect& paint, int filledPercent) {
  const int width = paint.right - paint.left + 1;
  const int height = paint.bottom - paint.top + 1;
  const auto length =
      static_cast<int>(std::min<std::int64_t>(std::int64_t{filledPercent} * width / 100, width));
  // The fill's right edge is the length itself, not offset by the left edge;
  // a length up to the left edge fills nothing.
  return GaugeRect{paint.left, paint.top, std::max(length, paint.left), height};
}

GaugeRect VerticalBarFill(const GaugeRect& paint, int filledPercent) {
  const int width = paint.right - paint.left + 1;
  const int height = paint.bottom - paint.top + 1;
  const auto length = static_cast<int>(
      std::min<std::int64_t>(std::int64_t{filledPercent} * height / 100, height - 1));
  return GaugeRect{paint.left, height - length, width, height};
}

NeedleLayout LayOutNeedle(const GaugeRect& paint, TGaugeBorderStyle border, int controlWidth,
                          int filledPercent) {
  const int width = DialExtent(paint.left, paint.right, border);
  const int height = DialExtent(paint.top, paint.bottom, border);
  const int baseRow = paint.bottom - 1;
  NeedleLayout needle;
  needle.dialEllipse = GaugeRect{paint.left, paint.top, width, 2 * height - 1};
  needle.dialStart = GaugePoint{paint.left + width, baseRow};
  needle.dialEnd = GaugePoint{paint.left, baseRow};
  needle.baseFrom = GaugePoint{paint.left, paint.bottom};
  needle.baseTo = GaugePoint{paint.left + width, paint.bottom};
  if (filledPercent <= 0) return needle;

  // Left at 0 %, straight up at 50 %, right at 100 %, pivoting on the middle
  // of the whole control.
  const int centreX = controlWidth / 2;
  const double angle = filledPercent / 100.0 * std::numbers::pi;
  needle.hasNeedle = true;
  needle.needleFrom = GaugePoint{centreX, baseRow};
  needle.needleTo = GaugePoint{RoundHalfEven(centreX * (1 - std::cos(angle))),
                               RoundHalfEven(baseRow * (1 - std::sin(angle)))};
  return needle;
}

std::wstring PercentText(int filledPercent) {
  return DecimalText(filledPercent) + L"%";
}

GaugePoint PercentTextOrigin(const GaugeRect& paint, int textWidth, int textHeight) {
  return GaugePoint{(paint.right - paint.left + 1 - textWidth) / 2,
                    (paint.bottom - paint.top + 1 - textHeight) / 2};
}

}  // namespace ostrevin
