#include "toolkit/text_field.h"

#include "toolkit/form.h"

namespace ostrevin::toolkit {

TextField::TextField(Form& form, const TextFieldDesign& design)
    : WindowedControl(form, design.page), OnChange(design.onChange), text_(design.text) {
  SetName(design.name);
  CreateHandle(L"EDIT", WS_VISIBLE | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL, design.place, text_, 0,
               WS_EX_CLIENTEDGE);
  if (design.maxLength > 0) ::SendMessageW(Handle(), EM_LIMITTEXT, design.maxLength, 0);
}

void TextField::SetText(const std::wstring& text) {
  // The edit reports the new text back (EN_CHANGE), which raises OnChange.
  if (text != text_) ::SetWindowTextW(Handle(), text.c_str());
}

bool TextField::HandleCommand(HWND, WORD notifyCode, WORD) {
  if (notifyCode != EN_CHANGE) return false;
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(Handle())) + 1, L'\0');
  text.resize(
      static_cast<size_t>(::GetWindowTextW(Handle(), text.data(), static_cast<int>(text.size()))));
  if (text == text_) return true;
  text_ = std::move(text);
  if (OnChange) OnChange(*this);
  return true;
}

}  // namespace ostrevin::toolkit
