#include "toolkit/check_box.h"

#include "toolkit/caption_extent.h"
#include "toolkit/form.h"

namespace ostrevin::toolkit {

CheckBox::CheckBox(Form& form, const CheckBoxDesign& design)
    : WindowedControl(form, design.page),
      OnClick(design.onClick),
      caption_(design.caption),
      checked_(design.checked) {
  SetName(design.name);
  DWORD style = WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX;
  if (!design.enabled) style |= WS_DISABLED;
  CreateHandle(L"BUTTON", style, design.place, design.caption);
  ::SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  ::SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (OnClick) OnClick(*this);
}

void CheckBox::SetCaption(const std::wstring& caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  ::SetWindowTextW(Handle(), caption.c_str());
  CaptionChanged();
}

Extent CheckBox::CaptionExtent(HDC dc) const {
  return CheckMarkCaptionExtent(dc, OwnerForm()->Font(), caption_, Scaling());
}

// The box has already toggled itself: the event follows its new state.
bool CheckBox::HandleCommand(HWND, WORD notifyCode, WORD) {
  if (notifyCode != BN_CLICKED) return false;
  const bool checked = ::SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
  if (checked != checked_) {
    checked_ = checked;
    if (OnClick) OnClick(*this);
  }
  return true;
}

}  // namespace ostrevin::toolkit
