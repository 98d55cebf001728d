#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/color.h"

namespace ostrevin {

// Where the text of the text tray icon sits in its picture. Assigning a value
// equal to the stored one does nothing; any other value is stored and
// reported through OnChange, which the icon answers by drawing its picture
// again.
class TOffsetOptions {
 public:
  TOffsetOptions() = default;
  TOffsetOptions(std::int32_t offsetX, std::int32_t offsetY, std::int32_t lineDistance)
      : offsetX_(offsetX), offsetY_(offsetY), lineDistance_(lineDistance) {}
  virtual ~TOffsetOptions() = default;
  TOffsetOptions(const TOffsetOptions&) = delete;
  TOffsetOptions& operator=(const TOffsetOptions&) = delete;

  std::int32_t OffsetX() const { return offsetX_; }
  void SetOffsetX(std::int32_t value) { Change(offsetX_, value); }
  std::int32_t OffsetY() const { return offsetY_; }
  void SetOffsetY(std::int32_t value) { Change(offsetY_, value); }
  // Pixels added to the line height between lines; may be negative.
  std::int32_t LineDistance() const { return lineDistance_; }
  void SetLineDistance(std::int32_t value) { Change(lineDistance_, value); }

  // Takes the three values of another options object, each by its setter; its
  // OnChange stays with it.
  void AssignValues(const TOffsetOptions& source);

  std::function<void(TOffsetOptions& sender)> OnChange;

 protected:
  // Raises OnChange when it is set.
  virtual void Changed();

 private:
  void Change(std::int32_t& field, std::int32_t value);

  std::int32_t offsetX_ = 0;
  std::int32_t offsetY_ = 0;
  std::int32_t lineDistance_ = 0;
};

// The side of the square picture the text icon's look is designed for: its
// font height, offsets, line distance and frame are pixels of a picture this
// size. The picture itself is drawn at the size the notification area shows
// (16, 20, 24, 32 pixels), with that look scaled.
inline constexpr int kTextIconDesignSize = 16;

// A length of the design at a picture size, rounded to the nearest pixel,
// halves away from zero.
int ScaledToPicture(int designPixels, int pictureSize);

// The frame's width at a picture size: the design's one pixel scaled, at
// least one.
int TextIconFrameWidth(int pictureSize);

// The lines of a text: the pieces between carriage returns, the piece after
// the last one included even when empty. Line feeds are no separators: they
// stay in the lines and are measured and drawn with them.
std::vector<std::wstring> SplitTextLines(std::wstring_view text);

struct TextExtent {
  int width = 0;
  int height = 0;
};

struct PlacedTextLine {
  std::wstring text;
  int x = 0;
  int y = 0;
  friend bool operator==(const PlacedTextLine&, const PlacedTextLine&) = default;
};

// Where each line of the text starts in a picture of pictureSize pixels:
// every line centred on its own width and the block on the line height, both
// on one pixel less than the picture (15 of 16), then moved by the offsets
// scaled to the picture. A text with carriage returns takes its line height
// from the part after the first one, plus LineDistance scaled. Halves are
// truncated toward zero, so a text larger than the picture is cut on both
// sides. measure gives extents in the font of that picture size.
std::vector<PlacedTextLine> PlaceTextLines(
    std::wstring_view text, const TOffsetOptions& options,
    const std::function<TextExtent(std::wstring_view)>& measure,
    int pictureSize = kTextIconDesignSize);

// The colour that fills the picture behind the glyphs. It is the background
// colour, unless that is clNone or the very font colour (compared as stored,
// so a system colour and an RGB value that look alike differ): then it is the
// inverse of the font colour's RGB value, so that the text stays readable.
Color TextImageKeyColor(Color background, Color fontColor, std::uint32_t fontRgb);

// The colour that becomes see-through when the picture without a background
// icon turns into an icon: the key colour for a clNone background, otherwise
// none at all, so that an opaque picture never loses a pixel.
Color TextImageMaskColor(Color background, Color keyColor);

}  // namespace ostrevin
