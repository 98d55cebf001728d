#include "components/text_notify_icon.h"

#include <optional>
#include <string_view>
#include <utility>

#include "base/app_error.h"
#include "toolkit/colors.h"
#include "toolkit/image_list.h"

namespace ostrevin {
namespace {

using toolkit::SelectGuard;
using toolkit::ToColorRef;
using toolkit::UniqueBitmap;
using toolkit::UniqueBrush;
using toolkit::UniqueMemoryDc;

// A square picture in the screen's pixel format, with a memory DC that has it
// selected for as long as it is drawn on.
class Picture {
 public:
  explicit Picture(int size) : size_(size) {
    const toolkit::WindowDc screen(nullptr);
    dc_.reset(::CreateCompatibleDC(screen.get()));
    bitmap_.reset(::CreateCompatibleBitmap(screen.get(), size, size));
    if (!dc_ || !bitmap_) throw AppError(L"Unable to create the text icon's picture");
    selection_.emplace(dc_.get(), bitmap_.get());
  }

  int size() const { return size_; }
  HDC dc() const { return dc_.get(); }
  HBITMAP bitmap() const { return bitmap_.get(); }

  void Fill(COLORREF color) const {
    const UniqueBrush brush(::CreateSolidBrush(color));
    const RECT whole{0, 0, size_, size_};
    ::FillRect(dc_.get(), &whole, brush.get());
  }

  // A frame of width pixels along the picture's outermost pixels.
  void Frame(COLORREF color, int width) const {
    const UniqueBrush brush(::CreateSolidBrush(color));
    for (int ring = 0; ring < width; ++ring) {
      const RECT edge{ring, ring, size_ - ring, size_ - ring};
      ::FrameRect(dc_.get(), &edge, brush.get());
    }
  }

  // The finished picture, no longer selected anywhere.
  UniqueBitmap TakeBitmap() {
    selection_.reset();
    return std::move(bitmap_);
  }

 private:
  int size_;
  UniqueMemoryDc dc_;
  UniqueBitmap bitmap_;
  std::optional<SelectGuard> selection_;
};

TextExtent MeasureText(HDC dc, std::wstring_view text) {
  SIZE size{};
  ::GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  return {size.cx, size.cy};
}

// Width and height of an icon's image; a monochrome icon's mask holds its
// AND and XOR halves one above the other.
SIZE IconSize(HICON icon) {
  ICONINFO parts{};
  if (!::GetIconInfo(icon, &parts)) throw AppError(L"Unable to read the background icon");
  const UniqueBitmap mask(parts.hbmMask);
  const UniqueBitmap color(parts.hbmColor);
  BITMAP bits{};
  ::GetObjectW(color ? color.get() : mask.get(), sizeof(bits), &bits);
  return {bits.bmWidth, color ? bits.bmHeight : bits.bmHeight / 2};
}

// The side of a square picture.
int BitmapSize(HBITMAP bitmap) {
  BITMAP bits{};
  ::GetObjectW(bitmap, sizeof(bits), &bits);
  return bits.bmWidth;
}

}  // namespace

TTextNotifyIcon::TTextNotifyIcon(HWND owner, TrayShell& shell)
    : TNotifyIcon(owner, shell), font_(toolkit::FontDesign{.smooth = false}) {
  font_.OnChange = [this](toolkit::NotifyingFont&) { FontChanged(); };
  options_.OnChange = [this](TOffsetOptions&) { RebuildIcon(); };
}

void TTextNotifyIcon::SetBackgroundIcon(HICON icon) {
  backgroundIcon_.reset(icon ? ::CopyIcon(icon) : nullptr);
  ForgetPictures();
  RebuildIcon();
}

void TTextNotifyIcon::SetText(std::wstring text) {
  text_ = std::move(text);
  RebuildIcon();
}

void TTextNotifyIcon::SetTextAndHint(std::wstring text, std::wstring hint) {
  text_ = std::move(text);
  ShowPicture(std::move(hint));
}

void TTextNotifyIcon::SetFont(const toolkit::FontDesign& design) {
  font_.Assign(design);
  RebuildIcon();
}

void TTextNotifyIcon::SetColor(ostrevin::Color color) {
  color_ = color;
  RebuildIcon();
}

void TTextNotifyIcon::SetBorder(bool border) {
  border_ = border;
  RebuildIcon();
}

void TTextNotifyIcon::SetBorderColor(ostrevin::Color color) {
  borderColor_ = color;
  RebuildIcon();
}

void TTextNotifyIcon::SetOptions(const TOffsetOptions& options) {
  options_.AssignValues(options);
  RebuildIcon();
}

// The font's height is designed for a 16-pixel picture.
HFONT TTextNotifyIcon::FontHandle(int pictureSize) {
  if (!fontHandle_ || fontPictureSize_ != pictureSize) {
    toolkit::FontDesign design = font_.Design();
    design.height = ScaledToPicture(design.height, pictureSize);
    fontHandle_ = toolkit::CreateDesignedFont(design);
    fontPictureSize_ = pictureSize;
  }
  return fontHandle_.get();
}

void TTextNotifyIcon::FontChanged() {
  fontHandle_.reset();
  RebuildIcon();
}

ostrevin::Color TTextNotifyIcon::ComputeKeyColor() const {
  const ostrevin::Color fontColor = font_.Design().color;
  return TextImageKeyColor(color_, fontColor, ToColorRef(fontColor));
}

void TTextNotifyIcon::RebuildIcon() {
  ShowPicture(Hint());
}

TTextNotifyIcon::PictureKey TTextNotifyIcon::CurrentPictureKey() const {
  const toolkit::FontDesign& font = font_.Design();
  return {.size = TrayIconSize(),
          .text = text_,
          .font = font,
          .color = color_,
          .border = border_,
          .borderColor = borderColor_,
          .offsetX = options_.OffsetX(),
          .offsetY = options_.OffsetY(),
          .lineDistance = options_.LineDistance(),
          .background = ToColorRef(color_),
          .ink = ToColorRef(font.color),
          .frame = ToColorRef(borderColor_)};
}

// The picture is made whole before the tray sees it; when making it fails,
// the tray keeps the picture it has.
toolkit::UniqueIcon TTextNotifyIcon::BuildPicture() {
  DrawTextImage();
  if (backgroundIcon_) return ComposeWithBackground();
  keyColor_ = TextImageMaskColor(color_, keyColor_);
  return MaskBitmapIntoIcon(textImage_.get(), keyColor_);
}

// The base icon's copy is compared too: whoever set another icon on the base
// (an icon list, a plain SetIcon) replaced the picture.
void TTextNotifyIcon::ShowPicture(std::wstring hint) {
  SetCycleIcons(false);
  const PictureKey key = CurrentPictureKey();
  const bool pictureShown = shownKey_ == key && Icon() == shownIcon_;
  if (pictureShown && hint == Hint()) return;
  if (!pictureShown) {
    StoreIcon(pictures_.FindOrMake(key, [this] { return BuildPicture(); }).get());
    shownKey_ = key;
    shownIcon_ = Icon();
  }
  StoreHint(std::move(hint));
  RefreshInTray();
}

void TTextNotifyIcon::ForgetPictures() {
  pictures_.Clear();
  shownKey_.reset();
}

// Every line is drawn on the key colour, not on the picture: where lines
// overlap, the later one covers the one above.
void TTextNotifyIcon::DrawTextImage() {
  Picture picture(TrayIconSize());
  keyColor_ = ComputeKeyColor();
  const COLORREF key = ToColorRef(keyColor_);
  picture.Fill(key);
  {
    const SelectGuard font(picture.dc(), FontHandle(picture.size()));
    ::SetBkMode(picture.dc(), OPAQUE);
    ::SetBkColor(picture.dc(), key);
    ::SetTextColor(picture.dc(), ToColorRef(font_.Design().color));
    const auto measure = [&](std::wstring_view text) { return MeasureText(picture.dc(), text); };
    for (const PlacedTextLine& line : PlaceTextLines(text_, options_, measure, picture.size())) {
      ::TextOutW(picture.dc(), line.x, line.y, line.text.c_str(),
                 static_cast<int>(line.text.size()));
    }
  }
  // Last, so that no text covers it.
  if (border_) picture.Frame(ToColorRef(borderColor_), TextIconFrameWidth(picture.size()));
  textImage_ = picture.TakeBitmap();
}

toolkit::UniqueIcon TTextNotifyIcon::ComposeWithBackground() {
  const int size = BitmapSize(textImage_.get());
  const SIZE background = IconSize(backgroundIcon_.get());
  if (background.cx < size || background.cy < size) throw AppError(L"Invalid image size");
  toolkit::ImageList list(size, size);
  const int backgroundIndex = list.AddIcon(backgroundIcon_.get());
  const COLORREF key = ToColorRef(ComputeKeyColor());

  Picture composed(size);
  composed.Fill(key);
  // The icon's own see-through pixels keep the key colour.
  list.DrawTransparent(backgroundIndex, composed.dc(), 0, 0);
  {
    const UniqueMemoryDc textDc(::CreateCompatibleDC(composed.dc()));
    const SelectGuard text(textDc.get(), textImage_.get());
    ::GdiTransparentBlt(composed.dc(), 0, 0, size, size, textDc.get(), 0, 0, size, size, key);
  }
  const UniqueBitmap image = composed.TakeBitmap();
  return MaskBitmapIntoIcon(image.get(), ComputeKeyColor());
}

}  // namespace ostrevin
