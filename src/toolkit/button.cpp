#include "toolkit/button.h"

#include "toolkit/caption_extent.h"
#include "toolkit/form.h"

namespace ostrevin::toolkit {
namespace {

// Enter and Escape reach a dialog as the commands IDOK and IDCANCEL.
int CommandIdOf(const ButtonDesign& design, Form& form) {
  if (design.isCancel) return IDCANCEL;
  if (design.isDefault) return IDOK;
  return form.NextControlId();
}

}  // namespace

Button::Button(Form& form, const ButtonDesign& design)
    : WindowedControl(form, design.page),
      OnClick(design.onClick),
      caption_(design.caption),
      modalResult_(design.modalResult),
      isCancel_(design.isCancel) {
  SetName(design.name);
  DWORD style = WS_VISIBLE | WS_TABSTOP | WS_GROUP;
  style |= design.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (design.caption.find(L'\n') != std::wstring::npos) style |= BS_MULTILINE;
  const int commandId = CommandIdOf(design, form);
  CreateHandle(L"BUTTON", style, design.place, design.caption, commandId);
  if (design.isDefault) form.SetDefaultButton(commandId);
}

void Button::Click() {
  if (modalResult_ != 0) OwnerForm()->SetModalResult(modalResult_);
  if (OnClick) OnClick(*this);
}

Extent Button::CaptionExtent(HDC dc) const {
  return ButtonCaptionExtent(dc, OwnerForm()->Font(), caption_, Scaling());
}

// A click has already moved the focus to the button; Enter reaches the
// default button with the focus still in a field.
bool Button::TakeFocusForPress() {
  if (isCancel_ || Focused() || !::IsWindowVisible(Handle())) return true;
  SetFocus();
  return Focused();
}

bool Button::HandleCommand(HWND, WORD notifyCode, WORD) {
  if (notifyCode != BN_CLICKED) return false;
  if (TakeFocusForPress()) Click();
  return true;
}

}  // namespace ostrevin::toolkit
