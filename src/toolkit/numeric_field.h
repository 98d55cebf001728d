#pragma once

#include <windows.h>

#include <string>

#include "toolkit/control.h"
#include "toolkit/handles.h"
#include "toolkit/model/numeric_text.h"
#include "toolkit/windowed_control.h"

namespace ostrevin::toolkit {

class Form;
class TabPage;

struct NumericFieldDesign {
  std::wstring name{};
  TabPage* page = nullptr;
  ControlPlace place{};  // the edit and its arrows together
  NumericLimits limits{};
  int value = 0;
  bool enabled = true;
  ControlEvent onChange{};  // the text changed
  ControlEvent onExit{};    // the user left the field for another control
};

// A one-line edit of a whole number with an up/down pair of arrows. Typing
// takes digits, signs and the regional decimal separator and refuses other
// characters with a beep. The arrows and the Up and Down keys step the value
// by 1 within the limits. While the user types, the value is the text read as
// a number (the minimum when it is none) and is not held to the limits; when
// the user leaves the field for another control of its form, a value outside
// them becomes the nearest limit and OnExit runs. Closing or cancelling the
// form, or switching to another program, is no leaving.
// A value set from code is always within the limits. OnChange runs whenever
// the text changes, by the user or by code, and never when it is set to the
// text it has.
class NumericField : public WindowedControl {
 public:
  NumericField(Form& form, const NumericFieldDesign& design);

  int Value() const { return NumericFieldValue(text_, limits_); }
  void SetValue(int value);
  const std::wstring& Text() const { return text_; }
  const NumericLimits& Limits() const { return limits_; }
  HWND ArrowsHandle() const { return arrows_.get(); }

  void SetEnabled(bool enabled) override;
  void SetVisible(bool visible) override;
  void Rescale() override;

  ControlEvent OnChange;
  ControlEvent OnExit;

 private:
  bool HandleCommand(HWND child, WORD notifyCode, WORD id) override;
  bool HandleNotify(NMHDR& header, LRESULT& result) override;
  void WindowsDestroyed() override;
  void TextChanged();
  void Exited();
  void Step(int delta);
  // The arrows along the edit's right side, at least as wide as the design
  // width scaled; the edit gives up the width they take.
  void AlignArrows();
  LRESULT HandleWindowMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) override;

  NumericLimits limits_;
  std::wstring text_;
  std::wstring decimalSeparator_;
  UniqueWindow arrows_;
};

}  // namespace ostrevin::toolkit
