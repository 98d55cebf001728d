#include "toolkit/label.h"

#include "toolkit/colors.h"
#include "toolkit/form.h"

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
      font_(design.font ? CreateDesignedFont(*design.font) : UniqueFont()),
      formFont_(form.Font()),
      textColor_(design.font ? design.font->color : form.TextColor()),
      alignment_(design.alignment) {
  SetName(design.name);
  SetBounds(design.place.left, design.place.top, design.place.width, design.place.height);
  OnMouseDown = design.onMouseDown;
  OnClick = design.onClick;
  form.AddGraphicControl(*this);
}

void Label::SetCaption(const std::wstring& caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  Invalidate();
}

void Label::Paint(HDC dc) {
  if (caption_.empty()) return;
  SelectGuard font(dc, font_ ? font_.get() : formFont_);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ToColorRef(textColor_));
  RECT area{0, 0, Width(), Height()};
  ::DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &area,
              AlignmentFormat(alignment_) | DT_NOPREFIX);
}

}  // namespace ostrevin::toolkit
