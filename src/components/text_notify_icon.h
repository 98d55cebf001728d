#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "base/color.h"
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
// Every change of the text or of its look draws the picture again and hands
// it to the tray, one modify per change: Text, Color, Border and BorderColor
// redraw also for an equal value (compare first when setting on every tick),
// the font's attributes and the offsets only for a different one. A text icon
// never cycles: every redraw switches cycling off.
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

  // Draws the picture and makes it the tray's icon.
  void RebuildIcon();

  HBITMAP TextImage() const { return textImage_.get(); }
  void SetTextImage(toolkit::UniqueBitmap image) { textImage_ = std::move(image); }
  ostrevin::Color KeyColor() const { return keyColor_; }
  void SetKeyColor(ostrevin::Color color) { keyColor_ = color; }
  // The font as a GDI object for a picture size; made again after a change
  // of the font or of the size.
  HFONT FontHandle(int pictureSize);

 private:
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
};

}  // namespace ostrevin
