#include "toolkit/windowed_control.h"

#include "base/app_error.h"
#include "toolkit/form.h"

namespace ostrevin::toolkit {

WindowedControl::WindowedControl(Form& parent) : parent_(&parent) {
  parent.AddWindowedControl(*this);
}

WindowedControl::~WindowedControl() {
  // Off the form first: the child's last notifications must not reach a
  // control that is half destroyed.
  if (parent_) parent_->RemoveWindowedControl(*this);
  window_.reset();
}

void WindowedControl::CreateHandle(const wchar_t* className, DWORD style,
                                   const ControlPlace& place) {
  HWND window = ::CreateWindowExW(0, className, L"", WS_CHILD | style, place.left, place.top,
                                  place.width, place.height, parent_->Handle(), nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
  if (!window) throw AppError(L"Unable to create a control of class " + std::wstring(className));
  window_.reset(window);
  ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(parent_->Font()), FALSE);
}

}  // namespace ostrevin::toolkit
