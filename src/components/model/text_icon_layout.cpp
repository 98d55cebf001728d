#include "components/model/text_icon_layout.h"

#include <algorithm>

namespace ostrevin {
namespace {

constexpr wchar_t kCarriageReturn = L'\r';
constexpr std::uint32_t kRgbMask = 0xFFFFFF;

// Centring works on one pixel less than the picture, which puts a text of
// even width half a pixel left of the middle. Integer division in C++
// truncates toward zero, as the placement wants.
int CentredStart(int length, int pictureSize) {
  return (pictureSize - 1 - length) / 2;
}

}  // namespace

void TOffsetOptions::AssignValues(const TOffsetOptions& source) {
  SetOffsetX(source.offsetX_);
  SetOffsetY(source.offsetY_);
  SetLineDistance(source.lineDistance_);
}

void TOffsetOptions::Changed() {
  if (OnChange) OnChange(*this);
}

void TOffsetOptions::Change(std::int32_t& field, std::int32_t value) {
  if (field == value) return;
  field = value;
  Changed();
}

std::vector<std::wstring> SplitTextLines(std::wstring_view text) {
  std::vector<std::wstring> lines;
  for (;;) {
    const std::size_t end = text.find(kCarriageReturn);
    lines.emplace_back(text.substr(0, end));
    if (end == std::wstring_view::npos) return lines;
    text.remove_prefix(end + 1);
  }
}

int ScaledToPicture(int designPixels, int pictureSize) {
  const std::int64_t product = std::int64_t{designPixels} * pictureSize;
  const std::int64_t half = kTextIconDesignSize / 2;
  return static_cast<int>(product >= 0 ? (product + half) / kTextIconDesignSize
                                       : -((-product + half) / kTextIconDesignSize));
}

int TextIconFrameWidth(int pictureSize) {
  return std::max(1, ScaledToPicture(1, pictureSize));
}

std::vector<PlacedTextLine> PlaceTextLines(
    std::wstring_view text, const TOffsetOptions& options,
    const std::function<TextExtent(std::wstring_view)>& measure, int pictureSize) {
  const int offsetX = ScaledToPicture(options.OffsetX(), pictureSize);
  const int offsetY = ScaledToPicture(options.OffsetY(), pictureSize);
  const std::size_t firstReturn = text.find(kCarriageReturn);
  if (firstReturn == std::wstring_view::npos) {
    const TextExtent extent = measure(text);
    return {{std::wstring(text), CentredStart(extent.width, pictureSize) + offsetX,
             CentredStart(extent.height, pictureSize) + offsetY}};
  }
  const std::vector<std::wstring> lines = SplitTextLines(text);
  const int lineHeight = measure(text.substr(firstReturn)).height +
                         ScaledToPicture(options.LineDistance(), pictureSize);
  const int top = CentredStart(static_cast<int>(lines.size()) * lineHeight, pictureSize) + offsetY;
  std::vector<PlacedTextLine> placed;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    placed.push_back({lines[i], CentredStart(measure(lines[i]).width, pictureSize) + offsetX,
                      top + static_cast<int>(i) * lineHeight});
  }
  return placed;
}

Color TextImageKeyColor(Color background, Color fontColor, std::uint32_t fontRgb) {
  if (background == clNone || background == fontColor) return (fontRgb & kRgbMask) ^ kRgbMask;
  return background;
}

Color TextImageMaskColor(Color background, Color keyColor) {
  return background == clNone ? keyColor : clNone;
}

}  // namespace ostrevin
