#pragma once

#include <windows.h>

#include <string>

#include "toolkit/control.h"
#include "toolkit/handles.h"

namespace ostrevin::toolkit {

class Form;

// A control with a child window of its own, of a system class (a common
// control). Its form passes it the WM_COMMAND and WM_NOTIFY messages the
// child sends. It must not outlive its form.
class WindowedControl : public Control {
 public:
  ~WindowedControl() override;

  HWND Handle() const { return window_.get(); }

 protected:
  explicit WindowedControl(Form& parent);

  // Creates the child window with the form's font; throws AppError when the
  // system refuses.
  void CreateHandle(const wchar_t* className, DWORD style, const ControlPlace& place);

  // A WM_COMMAND from the child; true when handled.
  virtual bool HandleCommand(WORD notifyCode, WORD id) { return false; }
  // A WM_NOTIFY from the child or a window that belongs to it (its tooltip);
  // true when handled, with the message's result.
  virtual bool HandleNotify(NMHDR& header, LRESULT& result) { return false; }

 private:
  friend class Form;

  Form* parent_;
  UniqueWindow window_;
};

}  // namespace ostrevin::toolkit
