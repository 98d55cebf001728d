#include "toolkit/text_field.h"

#include "toolkit/form.h"

namespace ostrevin::toolkit {

TextField::TextField(Form& form, const TextFieldDesign& design)
    : WindowedControl(form, design.page),
      OnChange(design.onChange),
      OnEnter(design.onEnter),
      OnExit(design.onExit),
      text_(design.text) {
  SetName(design.name);
  CreateHandle(L"EDIT", WS_VISIBLE | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL, design.place, text_, 0,
               WS_EX_CLIENTEDGE);
  if (design.maxLength > 0) ::SendMessageW(Handle(), EM_SETLIMITTEXT, design.maxLength, 0);
}

// The edit reports the new text back (EN_CHANGE), which raises OnChange.
void TextField::SetText(const std::wstring& text) {
  if (text != text_) ::SetWindowTextW(Handle(), text.c_str());
}

void TextField::SelectAll() {
  ::SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

bool TextField::HandleCommand(HWND, WORD notifyCode, WORD) {
  switch (notifyCode) {
    case EN_CHANGE: {
      std::wstring text = WindowText(Handle());
      if (text == text_) return true;
      text_ = std::move(text);
      if (OnChange) OnChange(*this);
      return true;
    }
    case EN_SETFOCUS:
      if (OnEnter) OnEnter(*this);
      return true;
    case EN_KILLFOCUS:
      // Sent while the focus moves: the window that takes it has it already.
      if (OnExit && FocusMovesWithinForm(::GetFocus())) OnExit(*this);
      return true;
  }
  return false;
}

}  // namespace ostrevin::toolkit
