#pragma once

#include <windows.h>

#include <string>

#include "toolkit/control.h"
#include "toolkit/windowed_control.h"

namespace ostrevin::toolkit {

class Form;
class TabPage;

struct CheckBoxDesign {
  std::wstring name{};
  TabPage* page = nullptr;
  ControlPlace place{};
  std::wstring caption{};
  bool checked = false;
  bool enabled = true;
  ControlEvent onClick{};
};

// A check box. OnClick runs whenever the checked state changes, by the user
// or by code, and never when the box is set to the state it has.
class CheckBox : public WindowedControl {
 public:
  CheckBox(Form& form, const CheckBoxDesign& design);

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);

  Extent CaptionExtent(HDC dc) const override;

  ControlEvent OnClick;

 private:
  bool HandleCommand(HWND child, WORD notifyCode, WORD id) override;

  std::wstring caption_;
  bool checked_;
};

}  // namespace ostrevin::toolkit
