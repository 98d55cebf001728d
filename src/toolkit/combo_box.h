#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/windowed_control.h"

namespace ostrevin::toolkit {

class Form;
class TabPage;

struct ComboBoxDesign {
  std::wstring name{};
  TabPage* page = nullptr;
  // The height is that of the open list: the closed box is one line high.
  ControlPlace place{};
  std::vector<std::wstring> items{};
  int itemIndex = -1;  // -1: none selected
  ControlEvent onChange{};
};

// A drop-down list to choose one of its items from (no typing of other text).
// OnChange runs whenever the selected item changes, by the user or by code,
// and never when it is set to the item it has.
class ComboBox : public WindowedControl {
 public:
  ComboBox(Form& form, const ComboBoxDesign& design);

  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  int ItemCount() const;
  std::wstring ItemText(int index) const;
  // Replaces the items; then selects the item at index (-1: none).
  void SetItems(const std::vector<std::wstring>& items, int index);

  // The design's height is that of the dropped list; closed, the list shows
  // as tall as its selection field.
  ControlPlace ShownDesignPlace() const override;

  ControlEvent OnChange;

 private:
  bool HandleCommand(HWND child, WORD notifyCode, WORD id) override;
  void FillItems(const std::vector<std::wstring>& items);

  int itemIndex_ = -1;
};

}  // namespace ostrevin::toolkit
