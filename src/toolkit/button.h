#pragma once

#include <windows.h>

#include <string>

#include "toolkit/control.h"
#include "toolkit/windowed_control.h"

namespace ostrevin::toolkit {

class Form;
class TabPage;

struct ButtonDesign {
  std::wstring name{};
  TabPage* page = nullptr;
  ControlPlace place{};
  std::wstring caption{};  // "\r\n" breaks it into lines
  bool isDefault = false;  // Enter presses it
  bool isCancel = false;   // Escape presses it
  // Pressing the button first gives its form this modal result (0: none),
  // then runs onClick, which may set another.
  int modalResult = 0;
  ControlEvent onClick{};
};

// A push button. Pressed by the user, with the mouse or a key (Enter for
// the default button), it first takes the focus, so that the field being
// edited is left and stores what it holds; when that field refuses to be
// left, the press is lost. The cancel button takes no focus from Escape:
// cancelling leaves no field.
class Button : public WindowedControl {
 public:
  Button(Form& form, const ButtonDesign& design);

  // Presses the button as the user does.
  void Click();

  Extent CaptionExtent(HDC dc) const override;

  ControlEvent OnClick;

 private:
  bool HandleCommand(HWND child, WORD notifyCode, WORD id) override;
  bool TakeFocusForPress();

  std::wstring caption_;
  int modalResult_;
  bool isCancel_;
};

}  // namespace ostrevin::toolkit
