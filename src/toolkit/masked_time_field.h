#pragma once

#include <windows.h>

#include <string>

#include "toolkit/control.h"
#include "toolkit/model/time_mask.h"
#include "toolkit/windowed_control.h"

namespace ostrevin::toolkit {

class Form;
class TabPage;

struct MaskedTimeFieldDesign {
  std::wstring name{};
  TabPage* page = nullptr;
  ControlPlace place{};
  std::wstring text{};
  ControlEvent onChange{};  // the text changed
};

// A one-line edit of a time of day through a mask (TimeMask): two hour
// digits, the first optional, a fixed ":" and two minute digits, "_" on
// screen for the places not filled. Leaving the field for another control of
// its form after the user edited it while a required place is unfilled is
// refused: a beep, the error report "Invalid input value.  Use escape key to
// abandon changes", and the focus stays; Escape brings back the text the
// field had when it took the focus. Closing or cancelling the form, or
// switching to another program, is no leaving and checks nothing.
// OnChange runs whenever the text changes, by the user or by code, and never
// when it is set to the text it has.
class MaskedTimeField : public WindowedControl {
 public:
  MaskedTimeField(Form& form, const MaskedTimeFieldDesign& design);

  // Unfilled places read as blanks: " 8:30", "08:3 ".
  std::wstring Text() const { return mask_.Text(); }
  void SetText(const std::wstring& text);

  ControlEvent OnChange;

 private:
  bool HandleCommand(HWND child, WORD notifyCode, WORD id) override;
  LRESULT HandleWindowMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) override;
  void Show(size_t caret);
  void Edited(TimeMask::Edit edit);
  void TypeText(const std::wstring& text);
  void Abandon();
  void CheckExit();
  LRESULT HandleChar(HWND edit, WPARAM wParam, LPARAM lParam);
  std::pair<size_t, size_t> Selection() const;

  TimeMask mask_;
  std::wstring reported_;
  TimeMask entered_;
  bool modified_ = false;
  bool refusingExit_ = false;
  bool showing_ = false;
};

}  // namespace ostrevin::toolkit
