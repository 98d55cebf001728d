#include "toolkit/windowed_control.h"

#include "base/app_error.h"
#include "toolkit/common_controls.h"
#include "toolkit/error_guard.h"
#include "toolkit/form.h"
#include "toolkit/tab_control.h"

namespace ostrevin::toolkit {
namespace {

UniqueWindow CreateChildWindow(const wchar_t* className, DWORD style, DWORD exStyle,
                               const ControlPlace& place, const std::wstring& text, HWND parent,
                               int commandId, HFONT font) {
  // The system's controls are those of the common controls library (version
  // 6, by the manifest), whose classes must be registered first.
  CommonControls::Get();
  HWND window = ::CreateWindowExW(exStyle, className, text.c_str(), WS_CHILD | style, place.left,
                                  place.top, place.width, place.height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(commandId)),
                                  ::GetModuleHandleW(nullptr), nullptr);
  if (!window) throw AppError(L"Unable to create a control of class " + std::wstring(className));
  ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return UniqueWindow(window);
}

}  // namespace

WindowedControl::WindowedControl(Form& form, TabPage* page)
    : form_(&form), parentWindow_(page ? page->Handle() : form.Handle()) {
  form.AddWindowedControl(*this);
}

WindowedControl::~WindowedControl() {
  // Off the form first: the child's last notifications must not reach a
  // control that is half destroyed.
  if (form_) form_->RemoveWindowedControl(*this);
  StopIntercepting();
  window_.reset();
}

// The control's object is kept in the window's user data and its own
// procedure in the object: both are read without a word to the window
// server, where a subclass of the common controls looks its chain up in a
// window property at every message (a round trip to the server under Wine,
// a thousand for each opening of the settings dialog).
void WindowedControl::InterceptWindowMessages() {
  if (ownProcedure_) return;
  ::SetWindowLongPtrW(Handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ownProcedure_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
      Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&InterceptingProcedure)));
  if (!ownProcedure_) ::SetWindowLongPtrW(Handle(), GWLP_USERDATA, 0);
}

// A procedure put in front of ours later (a common control that watches the
// window, a tooltip) stays there and keeps calling ours: it then finds no
// control and goes on to the window's class procedure, as ours did.
void WindowedControl::StopIntercepting() {
  if (!ownProcedure_ || !Handle()) return;
  ::SetWindowLongPtrW(Handle(), GWLP_USERDATA, 0);
  if (::GetWindowLongPtrW(Handle(), GWLP_WNDPROC) ==
      reinterpret_cast<LONG_PTR>(&InterceptingProcedure)) {
    ::SetWindowLongPtrW(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ownProcedure_));
  }
  ownProcedure_ = nullptr;
}

LRESULT CALLBACK WindowedControl::InterceptingProcedure(HWND window, UINT message, WPARAM wParam,
                                                        LPARAM lParam) {
  auto* self = reinterpret_cast<WindowedControl*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) {
    const auto classProcedure = reinterpret_cast<WNDPROC>(::GetClassLongPtrW(window, GCLP_WNDPROC));
    return ::CallWindowProcW(classProcedure, window, message, wParam, lParam);
  }
  return CallGuarded([&] { return self->HandleWindowMessage(window, message, wParam, lParam); },
                     LRESULT{0});
}

LRESULT WindowedControl::PassWindowMessage(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) const {
  return ::CallWindowProcW(ownProcedure_, window, message, wParam, lParam);
}

bool WindowedControl::FocusMovesWithinForm(HWND window) const {
  if (!window || !Handle()) return false;
  if (::GetAncestor(window, GA_ROOT) != ::GetAncestor(Handle(), GA_ROOT)) return false;
  return ::GetDlgCtrlID(window) != IDCANCEL;
}

bool WindowedControl::Enabled() const {
  return ::IsWindowEnabled(Handle()) != FALSE;
}

void WindowedControl::SetEnabled(bool enabled) {
  ::EnableWindow(Handle(), enabled);
}

bool WindowedControl::Visible() const {
  return (::GetWindowLongW(Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
}

// Showing a shown window still moves it in the window server: the rows of
// the timetable tab are set shown at every reading of them.
void WindowedControl::SetVisible(bool visible) {
  if (Visible() == visible) return;
  ::ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE);
}

bool WindowedControl::Focused() const {
  return Handle() && ::GetFocus() == Handle();
}

void WindowedControl::SetFocus() {
  ::SetFocus(Handle());
}

void WindowedControl::FollowInTabOrder(HWND previous) {
  if (!::SetWindowPos(Handle(), previous, 0, 0, 0, 0,
                      SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER)) {
    throw AppError(L"Unable to place a control in the Tab order");
  }
}

void WindowedControl::CreateHandle(const wchar_t* className, DWORD style,
                                   const ControlPlace& designPlace, const std::wstring& text,
                                   int commandId, DWORD exStyle) {
  designPlace_ = designPlace;
  window_ = CreateChildWindow(className, style, exStyle, Place(), text, parentWindow_,
                              commandId ? commandId : form_->NextControlId(), form_->Font());
  form_->FitCaptionsLater(parentWindow_);
}

DpiScale WindowedControl::Scaling() const {
  return form_ ? form_->Scaling() : DpiScale();
}

ControlPlace WindowedControl::Place() const {
  if (fittedDpi_ != 0 && fittedDpi_ == Scaling().Dpi()) return fittedPlace_;
  return Scaling().Scaled(designPlace_);
}

ControlPlace WindowedControl::ShownDesignPlace() const {
  return Scaling().Scaled(designPlace_);
}

bool WindowedControl::SetFittedPlace(const ControlPlace& place) {
  const ControlPlace before = Place();
  fittedPlace_ = place;
  fittedDpi_ = Scaling().Dpi();
  return !(place == before);
}

void WindowedControl::CaptionChanged() const {
  if (form_) form_->FitCaptionsLater(parentWindow_);
}

void WindowedControl::Rescale() {
  MoveWindowTo(Handle(), Place());
  TakeFormFont(Handle());
}

void WindowedControl::MoveWindowTo(HWND window, const ControlPlace& place) {
  ::SetWindowPos(window, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowedControl::TakeFormFont(HWND window) const {
  if (form_) ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(form_->Font()), TRUE);
}

UniqueWindow WindowedControl::CreatePartWindow(const wchar_t* className, DWORD style,
                                               const ControlPlace& place,
                                               const std::wstring& text) const {
  return CreateChildWindow(className, style, 0, place, text, parentWindow_, form_->NextControlId(),
                           form_->Font());
}

}  // namespace ostrevin::toolkit
