#include "components/model/text_icon_layout.h"

namespace ostrevin {
namespace {

// Centring works on one pixel less than the picture, which puts a text of
// even width half a pixel left of the middle.
constexpr int kCentringSpan = kTextIconSize - 1;

constexpr wchar_t kCarriageReturn = L'\r';
constexpr std::uint32_t kRgbMask = 0xFFFFFF;

// Integer division in C++ truncates toward zero, as the placement wants.
int CentredStart(int length) {
  return (kCentringSpan - length) / 2;
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

std::vector<PlacedTextLine> PlaceTextLines(
    std::wstring_view text, const TOffsetOptions& options,
    const std::function<TextExtent(std::wstring_view)>& measure) {
  const std::size_t firstReturn = text.find(kCarriageReturn);
  if (firstReturn == std::wstring_view::npos) {
    const TextExtent extent = measure(text);
    return {{std::wstring(text), CentredStart(extent.width) + options.OffsetX(),
             CentredStart(extent.height) + options.OffsetY()}};
  }
  const std::vector<std::wstring> lines = SplitTextLines(text);
  const int lineHeight = measure(text.substr(firstReturn)).height + options.LineDistance();
  const int top = CentredStart(static_cast<int>(lines.size()) * lineHeight) + options.OffsetY();
  std::vector<PlacedTextLine> placed;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    placed.push_back({lines[i], CentredStart(measure(lines[i]).width) + options.OffsetX(),
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
