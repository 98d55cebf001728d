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
  int maxLength = 0;        // characters the user can type; 0: the system's limit
  ControlEvent onChange{};  // the text changed
  ControlEvent onEnter{};   // the field took the focus
  ControlEvent onExit{};    // the focus moved on to another control of the form
};

// A one-line edit of plain text. OnChange runs whenever the text changes, by
// the user or by code, and never when it is set to the text it has. OnExit
// runs only when the focus moves on within the form: closing or cancelling
// it, or switching to another program, leaves no field.
class TextField : public WindowedControl {
 public:
  TextField(Form& form, const TextFieldDesign& design);

  const std::wstring& Text() const { return text_; }
  void SetText(const std::wstring& text);
  // Selects the whole text, so that typing replaces it.
  void SelectAll();

  ControlEvent OnChange;
  ControlEvent OnEnter;
  ControlEvent OnExit;

 private:
  bool HandleCommand(HWND child, WORD notifyCode, WORD id) override;

  std::wstring text_;
};

}  // namespace ostrevin::toolkit
