#include "toolkit/list_box.h"

#include "toolkit/form.h"

namespace ostrevin::toolkit {

ListBox::ListBox(Form& form, const ListBoxDesign& design)
    : WindowedControl(form, design.page), OnClick(design.onClick) {
  SetName(design.name);
  CreateHandle(L"LISTBOX",
               WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
               design.place, {}, 0, WS_EX_CLIENTEDGE);
  AddItems(design.items);
}

void ListBox::AddItems(const std::vector<std::wstring>& items) {
  for (const std::wstring& item : items) {
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

std::wstring ListBox::ItemText(int index) const {
  const LRESULT length = ::SendMessageW(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  ::SendMessageW(Handle(), LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

// Redrawn once, after the whole refill.
void ListBox::SetItems(const std::vector<std::wstring>& items, int index) {
  ::SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
  AddItems(items);
  SetItemIndex(index);
  ::SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

bool ListBox::HandleCommand(HWND, WORD notifyCode, WORD) {
  if (notifyCode != LBN_SELCHANGE) return false;
  if (OnClick) OnClick(*this);
  return true;
}

}  // namespace ostrevin::toolkit
