#include "toolkit/list_box.h"

#include "toolkit/form.h"

namespace ostrevin::toolkit {

ListBox::ListBox(Form& form, const ListBoxDesign& design)
    : WindowedControl(form, design.page), OnClick(design.onClick) {
  SetName(design.name);
  CreateHandle(L"LISTBOX",
               WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
               design.place, {}, 0, WS_EX_CLIENTEDGE);
  for (const std::wstring& item : design.items) {
    ::SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
}

int ListBox::ItemIndex() const {
  return static_cast<int>(::SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
}

void ListBox::SetItemIndex(int index) {
  ::SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ListBox::ItemCount() const {
  return static_cast<int>(::SendMessageW(Handle(), LB_GETCOUNT, 0, 0));
}

bool ListBox::HandleCommand(HWND, WORD notifyCode, WORD) {
  if (notifyCode != LBN_SELCHANGE) return false;
  if (OnClick) OnClick(*this);
  return true;
}

}  // namespace ostrevin::toolkit
