#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "base/color.h"
#include "components/model/recent_cache.h"
#include "components/model/text_icon_layout.h"
#include "components/notify_icon.h"
#include "components/tray_shell.h"
#include "toolkit/font.h"
#include "toolkit/handles.h"
#include "toolkit/notifying_font.h"

namespace ostrevin {

// A tray icon whose picture is a short text drawn at run time into a square
// image of the size the notification area shows (16 x 16 at 100 % scaling):
// in its font and font colour, on a background colour or see-through, with an
// optional frame, optionally over a background icon. The font's height, the
// offsets, the line distance and the frame's one pixel are designed for a
// 16-pixel picture and drawn scaled at the size shown.
//
// The tray hears of the icon only when its picture or its tooltip changes,
// one modify per change; setting what is shown already costs nothing, so the
// text may be set on every tick. Each picture is drawn once for its text and
// look and kept, a few of them, for as long as the icon lives: going back to
// a text shown before draws nothing. A text icon never cycles: every change
// of the text or of its look switches cycling off.
//
// The picture's background is one key colour (see TextImageKeyColor) and its
// see-through parts are the pixels of exactly that colour, so the font is
// drawn without smoothing unless a font with `smooth` is assigned.
class TTextNotifyIcon : public TNotifyIcon {
 public:
  explicit TTextNotifyIcon(HWND owner, TrayShell& shell = SystemTrayShell());

  // Drawn under the text; null for none. Copied. A background smaller than
  // the picture makes this and every later redraw fail with "Invalid image
  // size", and the tray keeps the picture it had.
  HICON BackgroundIcon() const { return backgroundIcon_.get(); }
  void SetBackgroundIcon(HICON icon);

  // A carriage return starts a new line; line feeds are drawn as characters.
  const std::wstring& Text() const { return text_; }
  void SetText(std::wstring text);
  // The text and the tooltip together, in one modify when either changed.
  void SetTextAndHint(std::wstring text, std::wstring hint);

  // The font and the text's colour. Its attributes may be set one by one;
  // each that changes redraws.
  toolkit::NotifyingFont& Font() { return font_; }
  const toolkit::NotifyingFont& Font() const { return font_; }
  // Takes every attribute of the design (each that differs redraws), then
  // redraws once more.
  void SetFont(const toolkit::FontDesign& design);

  // The background; clNone asks for a see-through one.
  ostrevin::Color Color() const { return color_; }
  void SetColor(ostrevin::Color color);
  bool Border() const { return border_; }
  void SetBorder(bool border);
  ostrevin::Color BorderColor() const { return borderColor_; }
  void SetBorderColor(ostrevin::Color color);

  // The text's placement. Its values may be set one by one; each that
  // changes redraws.
  TOffsetOptions& Options() { return options_; }
  const TOffsetOptions& Options() const { return options_; }
  // Takes the three values (each that differs redraws), then redraws once
  // more; the icon keeps its own options object.
  void SetOptions(const TOffsetOptions& options);

 protected:
  // Draws the picture: a new image of the tray's icon size filled with the
  // key colour, the text lines over it with the key colour behind every
  // glyph, the frame last. It sets the key colour and the text image. A
  // descendant may draw differently.
  virtual void DrawTextImage();

  // Makes the picture of the current text and look the tray's icon, drawing
  // it only when none of them is kept.
  void RebuildIcon();
  // The text is drawn again at the tray's new size.
  void TrayIconSizeChanged() override { RebuildIcon(); }

  HBITMAP TextImage() const { return textImage_.get(); }
  void SetTextImage(toolkit::UniqueBitmap image) { textImage_ = std::move(image); }
  ostrevin::Color KeyColor() const { return keyColor_; }
  void SetKeyColor(ostrevin::Color color) { keyColor_ = color; }
  // The font as a GDI object for a picture size; made again after a change
  // of the font or of the size.
  HFONT FontHandle(int pictureSize);

 private:
  // Everything a picture is drawn from, system colours as they are now
  // included; the kept pictures are found by it.
  struct PictureKey {
    int size;  // the tray's icon size the picture is drawn for
    std::wstring text;
    toolkit::FontDesign font;
    ostrevin::Color color;
    bool border;
    ostrevin::Color borderColor;
    std::int32_t offsetX;
    std::int32_t offsetY;
    std::int32_t lineDistance;
    COLORREF background;
    COLORREF ink;
    COLORREF frame;
    friend bool operator==(const PictureKey&, const PictureKey&) = default;
  };
  // The number icon shows "--", "II" and seven numbers; room is left for a
  // second look of each.
  static constexpr std::size_t kKeptPictures = 18;

  PictureKey CurrentPictureKey() const;
  // Draws the picture of the current text and look.
  toolkit::UniqueIcon BuildPicture();
  // Gives the tray the current picture and the tooltip, when either differs
  // from what it has.
  void ShowPicture(std::wstring hint);
  // The background icon changed: no kept picture has it.
  void ForgetPictures();

  // The key colour by the rule of the picture: the background, or the
  // inverse of the font colour where the background would hide the text.
  ostrevin::Color ComputeKeyColor() const;
  // The background icon with the text image's glyphs and frame over it;
  // pixels of the key colour are see-through.
  toolkit::UniqueIcon ComposeWithBackground();
  void FontChanged();

  toolkit::UniqueIcon backgroundIcon_;
  std::wstring text_;
  toolkit::NotifyingFont font_;
  toolkit::UniqueFont fontHandle_;
  int fontPictureSize_ = 0;
  ostrevin::Color color_ = clBtnFace;
  bool border_ = false;
  ostrevin::Color borderColor_ = clBlack;
  TOffsetOptions options_;

  toolkit::UniqueBitmap textImage_;
  ostrevin::Color keyColor_ = clNone;

  RecentCache<PictureKey, toolkit::UniqueIcon> pictures_{kKeptPictures};
  // What the tray was last given: the picture's key and the base icon's copy.
  std::optional<PictureKey> shownKey_;
  HICON shownIcon_ = nullptr;
};

}  // namespace ostrevin
