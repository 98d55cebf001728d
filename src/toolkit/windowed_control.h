#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>

#include "toolkit/control.h"
#include "toolkit/handles.h"
#include "toolkit/model/dpi_scale.h"

namespace ostrevin::toolkit {

class Form;
class TabPage;

// A control with a child window of its own, of a system class (a common
// control), on its form or on one of the form's tab pages. Its form passes it
// the WM_COMMAND and WM_NOTIFY messages the child sends. It must not outlive
// its form.
//
// Its place is designed at 96 DPI; its window lies at that place scaled to
// the form's DPI, in the form's font, and is laid out again (Rescale) when
// the form moves to a screen of another scaling.
class WindowedControl : public Control {
 public:
  ~WindowedControl() override;

  HWND Handle() const { return window_.get(); }

  bool Enabled() const;
  // A control made of several windows enables or disables them all.
  virtual void SetEnabled(bool enabled);
  bool Visible() const;
  // A control made of several windows shows or hides them all; a hidden
  // control is passed over by the Tab key.
  virtual void SetVisible(bool visible);
  bool Focused() const;
  void SetFocus();
  // A control made after its form's others stands last in the Tab order,
  // which follows the Z order: this puts it right after previous. Throws
  // AppError when the system refuses.
  void FollowInTabOrder(HWND previous);

  // The designed place, and where the control lies at the form's scale:
  // the designed place scaled, or where the form fitted it to the captions
  // of its window at that scale.
  const ControlPlace& DesignPlace() const { return designPlace_; }
  ControlPlace Place() const;

  // The designed place scaled, as tall as the control shows (a drop-down
  // list is designed with the height of its list).
  virtual ControlPlace ShownDesignPlace() const;
  // What the control's caption needs at the form's scale in the form's font,
  // its box, circle, frame or edges included, measured on dc; nothing for a
  // control that shows no caption.
  virtual Extent CaptionExtent(HDC dc) const { return {}; }
  // The place the form fitted the control to at its scale; true when that
  // differs from where the control lies now (the form then lays it out).
  bool SetFittedPlace(const ControlPlace& place);

  // Lays the control out at the form's new scale and gives it the form's
  // new font. A control made of several windows lays them all out.
  virtual void Rescale();

 protected:
  // On the page when one is given, else on the form itself.
  explicit WindowedControl(Form& form, TabPage* page = nullptr);

  // Creates the child window at the designed place scaled, with the form's
  // font, with the next command id of the form unless one is given; throws
  // AppError when the system refuses.
  void CreateHandle(const wchar_t* className, DWORD style, const ControlPlace& designPlace,
                    const std::wstring& text = {}, int commandId = 0, DWORD exStyle = 0);
  // Creates one more child window of the control (the buttons of a radio
  // group, the arrows of a numeric field) beside the main one, at a place in
  // pixels that the control works out at its scale. The control owns it.
  UniqueWindow CreatePartWindow(const wchar_t* className, DWORD style, const ControlPlace& place,
                                const std::wstring& text = {}) const;
  // Moves and sizes one of the control's windows to a place in pixels.
  static void MoveWindowTo(HWND window, const ControlPlace& place);
  // Gives one of the control's windows the form's font and redraws it.
  void TakeFormFont(HWND window) const;
  // The caption changed: the form fits the captions of the control's window
  // again.
  void CaptionChanged() const;

  Form* OwnerForm() const { return form_; }
  DpiScale Scaling() const;
  HWND ParentWindow() const { return parentWindow_; }

  // Whether a window that sends WM_COMMAND is one of the control's own.
  virtual bool OwnsWindow(HWND window) const { return window == Handle(); }
  // A WM_COMMAND from one of the control's windows; true when handled.
  virtual bool HandleCommand(HWND child, WORD notifyCode, WORD id) { return false; }
  // A WM_NOTIFY from the child or a window that belongs to it (its tooltip);
  // true when handled, with the message's result.
  virtual bool HandleNotify(NMHDR& header, LRESULT& result) { return false; }
  // The control's windows were destroyed with their parent.
  virtual void WindowsDestroyed() { window_.release(); }

  // Whether the focus, as it goes from this control to window, moves on to
  // another control of the same form: only that is leaving a field. Closing
  // or cancelling the form, a box that comes over it or another program
  // taking the focus is not, and neither is the form's cancel button (the
  // one Escape presses): cancelling takes no field's value.
  bool FocusMovesWithinForm(HWND window) const;

  // Puts HandleWindowMessage in front of the main window's own procedure,
  // for as long as the control lives.
  void InterceptWindowMessages();
  // A message of the intercepted window, inside the error guard; what it
  // does not handle goes on to the window's own procedure (PassWindowMessage).
  virtual LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return PassWindowMessage(window, message, wParam, lParam);
  }
  // The intercepted window's own handling of a message.
  LRESULT PassWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;

 private:
  friend class Form;

  static LRESULT CALLBACK InterceptingProcedure(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam);
  void StopIntercepting();

  Form* form_;
  HWND parentWindow_;
  ControlPlace designPlace_{};
  // Where the form fitted the control, and at which DPI: at another, the
  // designed place scaled holds until the form fits it again.
  ControlPlace fittedPlace_{};
  int fittedDpi_ = 0;
  UniqueWindow window_;
  // The main window's procedure before InterceptWindowMessages, which
  // messages not handled go on to; none while not intercepted.
  WNDPROC ownProcedure_ = nullptr;
};

}  // namespace ostrevin::toolkit
