#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/windowed_control.h"

namespace ostrevin::toolkit {

class Form;
class TabPage;

struct ListBoxDesign {
  std::wstring name{};
  TabPage* page = nullptr;
  ControlPlace place{};
  std::vector<std::wstring> items{};
  ControlEvent onClick{};  // the user changed the selection
};

// A single-selection list. OnClick runs only when the user changes the
// selection (with the mouse or the keys); selecting an item from code runs
// nothing.
class ListBox : public WindowedControl {
 public:
  ListBox(Form& form, const ListBoxDesign& design);

  int ItemIndex() const;  // -1: none selected
  void SetItemIndex(int index);
  int ItemCount() const;
  std::wstring ItemText(int index) const;
  // Replaces the items, then selects the item at index (-1: none).
  void SetItems(const std::vector<std::wstring>& items, int index);

  ControlEvent OnClick;

 private:
  bool HandleCommand(HWND child, WORD notifyCode, WORD id) override;
  void AddItems(const std::vector<std::wstring>& items);
};

}  // namespace ostrevin::toolkit
