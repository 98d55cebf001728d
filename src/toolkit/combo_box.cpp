#include "toolkit/combo_box.h"

#include "toolkit/form.h"

namespace ostrevin::toolkit {

ComboBox::ComboBox(Form& form, const ComboBoxDesign& design)
    : WindowedControl(form, design.page), OnChange(design.onChange) {
  SetName(design.name);
  CreateHandle(L"COMBOBOX", WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWNLIST,
               design.place);
  FillItems(design.items);
  itemIndex_ = design.itemIndex < ItemCount() ? design.itemIndex : -1;
  ::SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void ComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= ItemCount()) index = -1;
  if (itemIndex_ == index) return;
  itemIndex_ = index;
  ::SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  if (OnChange) OnChange(*this);
}

ControlPlace ComboBox::ShownDesignPlace() const {
  ControlPlace place = WindowedControl::ShownDesignPlace();
  RECT shown{};
  if (::GetWindowRect(Handle(), &shown)) place.height = shown.bottom - shown.top;
  return place;
}

int ComboBox::ItemCount() const {
  return static_cast<int>(::SendMessageW(Handle(), CB_GETCOUNT, 0, 0));
}

std::wstring ComboBox::ItemText(int index) const {
  const LRESULT length = ::SendMessageW(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  ::SendMessageW(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

// The event follows only a change of the selected index, as for
// SetItemIndex.
void ComboBox::SetItems(const std::vector<std::wstring>& items, int index) {
  FillItems(items);
  if (index < -1 || index >= ItemCount()) index = -1;
  ::SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  const bool changed = itemIndex_ != index;
  itemIndex_ = index;
  if (changed && OnChange) OnChange(*this);
}

void ComboBox::FillItems(const std::vector<std::wstring>& items) {
  ::SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
  for (const std::wstring& item : items) {
    ::SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
}

// The user chose an item from the list or with the keys.
bool ComboBox::HandleCommand(HWND, WORD notifyCode, WORD) {
  if (notifyCode != CBN_SELCHANGE) return false;
  const int index = static_cast<int>(::SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
  if (index != itemIndex_) {
    itemIndex_ = index;
    if (OnChange) OnChange(*this);
  }
  return true;
}

}  // namespace ostrevin::toolkit
