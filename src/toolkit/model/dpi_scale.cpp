#include "toolkit/model/dpi_scale.h"

#include <algorithm>
#include <cstdint>

namespace ostrevin::toolkit {

int ScaledLength(int value, int numerator, int denominator) {
  const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
  const std::int64_t half = denominator / 2;
  const std::int64_t rounded =
      product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
  return static_cast<int>(rounded);
}

int DpiScale::Scaled(int designPixels) const {
  return ScaledLength(designPixels, dpi_, kDesignDpi);
}

ControlPlace DpiScale::Scaled(const ControlPlace& design) const {
  const int left = Scaled(design.left);
  const int top = Scaled(design.top);
  return {.left = left,
          .top = top,
          .width = Scaled(design.left + design.width) - left,
          .height = Scaled(design.top + design.height) - top};
}

int PictureSizeFor(int designSize, const DpiScale& scale, const std::vector<int>& available) {
  const int wanted = scale.Scaled(designSize);
  int best = 0;
  for (int size : available) {
    if (size <= wanted) best = std::max(best, size);
  }
  return best > 0 ? best : *std::min_element(available.begin(), available.end());
}

int FittingDpi(int screenDpi, Extent designClient, Extent frame, Extent workArea) {
  const auto fits = [&](int dpi) {
    return ScaledLength(designClient.width, dpi, kDesignDpi) + frame.width <= workArea.width &&
           ScaledLength(designClient.height, dpi, kDesignDpi) + frame.height <= workArea.height;
  };
  int dpi = screenDpi;
  while (dpi > kDesignDpi && !fits(dpi)) --dpi;
  return dpi;
}

}  // namespace ostrevin::toolkit
