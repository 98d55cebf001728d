#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/handles.h"
#include "toolkit/windowed_control.h"

namespace ostrevin::toolkit {

class Form;
class TabPage;

struct RadioGroupDesign {
  std::wstring name{};
  TabPage* page = nullptr;
  ControlPlace place{};
  std::wstring caption{};
  std::vector<std::wstring> items{};
  int itemIndex = -1;  // -1: none selected
  bool enabled = true;
  ControlEvent onClick{};
};

// A captioned group of radio buttons, one column, spread evenly under the
// caption. OnClick runs whenever the selected item changes, by the user or by
// code, and never when the group is set to the item it has. The arrow keys
// move between the items.
class RadioGroup : public WindowedControl {
 public:
  RadioGroup(Form& form, const RadioGroupDesign& design);

  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  int ItemCount() const { return static_cast<int>(items_.size()); }
  HWND ItemHandle(int index) const { return items_[static_cast<size_t>(index)].get(); }

  void SetEnabled(bool enabled) override;
  void SetVisible(bool visible) override;
  void Rescale() override;
  // The caption in the frame's top edge, and each item's beside its circle
  // inside the frame.
  Extent CaptionExtent(HDC dc) const override;

  ControlEvent OnClick;

 private:
  bool OwnsWindow(HWND window) const override;
  bool HandleCommand(HWND child, WORD notifyCode, WORD id) override;
  void WindowsDestroyed() override;
  void CreateItems(const RadioGroupDesign& design);
  // Where an item lies in the group's place, at the form's scale and in its
  // font.
  ControlPlace ItemPlace(int index, int count) const;
  void ShowSelection();

  std::wstring caption_;
  std::vector<std::wstring> itemCaptions_;
  std::vector<UniqueWindow> items_;
  int itemIndex_;
};

}  // namespace ostrevin::toolkit
