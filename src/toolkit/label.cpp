#include "toolkit/label.h"

#include <commctrl.h>

#include "base/app_error.h"
#include "toolkit/caption_extent.h"
#include "toolkit/colors.h"
#include "toolkit/common_controls.h"
#include "toolkit/form.h"
#include "toolkit/tab_control.h"

namespace ostrevin::toolkit {
namespace {

UINT AlignmentFormat(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::Center:
      return DT_CENTER;
    case TextAlignment::Right:
      return DT_RIGHT;
    case TextAlignment::Left:
      break;
  }
  return DT_LEFT;
}

}  // namespace

Label::Label(Form& form, const LabelDesign& design)
    : caption_(design.caption),
      fontDesign_(design.font),
      textColor_(design.font ? design.font->color : form.TextColor()),
      alignment_(design.alignment),
      autoSize_(design.autoSize),
      wordWrap_(design.wordWrap) {
  SetName(design.name);
  SetBounds(design.place.left, design.place.top, design.place.width, design.place.height);
  OnMouseDown = design.onMouseDown;
  OnClick = design.onClick;
  // The shared system cursor: nothing to release.
  if (design.handCursor) SetCursor(::LoadCursorW(nullptr, IDC_HAND));
  // The host gives the label its scale, and with it its font and size.
  (design.page ? design.page->Graphics() : form.Graphics()).Add(*this);
  if (!design.hint.empty()) CreateTooltip(design.hint);
}

void Label::SetCaption(const std::wstring& caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  UpdateBounds();
  Invalidate();
  CaptionChanged();
}

UINT Label::Format() const {
  return AlignmentFormat(alignment_) | DT_NOPREFIX | (wordWrap_ ? DT_WORDBREAK : 0u);
}

void Label::ScalingChanged() {
  font_ = fontDesign_ ? CreateDesignedFont(*fontDesign_, Scaling()) : UniqueFont();
}

// A label that takes the size of its caption keeps its designed top-left
// corner, scaled, and measures the caption in its font at the scale.
RECT Label::ScaledBounds() const {
  const RECT designed = GraphicControl::ScaledBounds();
  if (!autoSize_) return designed;
  // A memory DC measures as the screen does, without a word to the window
  // system.
  const UniqueMemoryDc measuring(::CreateCompatibleDC(nullptr));
  SelectGuard font(measuring.get(), CurrentFont());
  RECT size{0, 0, 0, 0};
  ::DrawTextW(measuring.get(), caption_.c_str(), static_cast<int>(caption_.size()), &size,
              Format() | DT_CALCRECT);
  return RECT{designed.left, designed.top, designed.left + size.right, designed.top + size.bottom};
}

Extent Label::CaptionExtent(HDC dc) const {
  return TextExtent(dc, CurrentFont(), caption_, Format(), wordWrap_ ? Width() : 0);
}

// The tooltip watches the mouse over the label's rectangle of its parent
// window (the tool is the parent, subclassed by the tooltip).
void Label::CreateTooltip(const std::wstring& hint) {
  CommonControls::Get();
  tooltip_.reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, ParentWindow(),
                                   nullptr, ::GetModuleHandleW(nullptr), nullptr));
  if (!tooltip_) throw AppError(L"Unable to create the tooltip of " + Name());
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = ParentWindow();
  tool.uId = 1;
  tool.rect = Bounds();
  tool.lpszText = const_cast<wchar_t*>(hint.c_str());
  ::SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Label::PlaceTooltip() const {
  if (!tooltip_) return;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = ParentWindow();
  tool.uId = 1;
  tool.rect = Bounds();
  ::SendMessageW(tooltip_.get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Label::Paint(HDC dc) {
  if (caption_.empty()) return;
  SelectGuard font(dc, CurrentFont());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ToColorRef(textColor_));
  RECT area{0, 0, Width(), Height()};
  ::DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &area, Format());
}

}  // namespace ostrevin::toolkit
