#pragma once

#include <windows.h>

#include <string>

#include "toolkit/control.h"
#include "toolkit/windowed_control.h"

namespace ostrevin::toolkit {

class Form;
class TabPage;

struct TextFieldDesign {
  std::wstring name{};
  TabPage* page = nullptr;
  ControlPlace place{};
  std::wstring text{};
  int maxLength = 0;  // characters; 0: the edit's own limit
  ControlEvent onChange{};  // the text changed
};

// A one-line edit of free text. OnChange runs whenever the text changes, by
// the user or by code, and never when it is set to the text it has.
class TextField : public WindowedControl {
 public:
  TextField(Form& form, const TextFieldDesign& design);

  const std::wstring& Text() const { return text_; }
  void SetText(const std::wstring& text);

  ControlEvent OnChange;

 private:
  bool HandleCommand(HWND child, WORD notifyCode, WORD id) override;

  std::wstring text_;
};

}  // namespace ostrevin::toolkit
